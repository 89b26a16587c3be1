#!/usr/bin/env bash
# Starts the main window under Xvfb with the openbox window manager, with a sample roster (and a sample line-up)
# loaded, and writes screenshots into docs/: the window at each of the four sizes of the "Form Size" menu, the
# line-up viewer, the player conditionals editor,
# the orders check, the line-up assistant and the question on closing with work unsaved. Run after a build (scripts/build.sh).
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
echo "screenshots written to $top/docs"
