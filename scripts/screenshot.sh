#!/usr/bin/env bash
# Starts the main window under Xvfb with the openbox window manager, with a sample roster (and a sample line-up)
# loaded, and writes screenshots into docs/: the window at each of the four sizes of the "Form Size" menu, the
# line-up viewer, the player conditionals editor,
# the orders check, the line-up assistant, the focus ring on the squad grid, the question on closing with
# work unsaved and the match plan (of tools/RVR5.txt, a line-up with team tactics and conditionals). Run after a
# build (scripts/build.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin="$top/build/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top"/samples/* "$work"/
cd "$work"
shot() {
  # A fresh copy of the shipped settings for every picture, so that one size chosen does not carry over.
  cp "$bin/squadrant.INI" "$bin/squadrant_screenshot.INI"
  bash "$top/tests/desktop/with_openbox.sh" --screen 1280x900x24 "$bin/squadrant_screenshot" "$@" 2>/dev/null
}
shot --roster RVR.ros --out "$top/docs/roster.png"
shot --roster RVR.ros --lineup RVR3.txt --out "$top/docs/lineup.png"
shot --roster RVR.ros --lineup RVR3.txt --page 1 --out "$top/docs/viewer.png"
shot --roster RVR.ros --lineup RVR3.txt --size 640 --out "$top/docs/window-640.png"
shot --roster RVR.ros --lineup RVR3.txt --size 800 --out "$top/docs/window-800.png"
shot --roster RVR.ros --lineup RVR3.txt --size 1024 --out "$top/docs/window-1024.png"
shot --roster RVR.ros --lineup RVR3.txt --size 1100x760 --page 1 --out "$top/docs/window-custom.png"
shot --roster RVR.ros --lineup RVR3.txt --open conditionals --out "$top/docs/conditionals.png"
shot --roster RVR.ros --lineup RVR3.txt --open check --out "$top/docs/orderscheck.png"
shot --roster RVR.ros --open assistant --out "$top/docs/assistant.png"
shot --roster RVR.ros --lineup RVR3.txt --open close --out "$top/docs/closequestion.png"
shot --roster RVR.ros --lineup RVR3.txt --focus RosterStringGrid --out "$top/docs/focusring.png"
cp "$top/tools/RVR5.txt" "$work/RVR5.txt"
# A wider screen, so that the Match Plan stands beside the main window as it opens.
cp "$bin/squadrant.INI" "$bin/squadrant_screenshot.INI"
bash "$top/tests/desktop/with_openbox.sh" --screen 2400x900x24 "$bin/squadrant_screenshot" --roster RVR.ros \
  --lineup RVR5.txt --size 800 --open plan --out "$top/docs/matchplan.png" 2>/dev/null
echo "screenshots written to $top/docs"
