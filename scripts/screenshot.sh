#!/usr/bin/env bash
# Starts the main window under Xvfb with a sample roster (and a sample line-up) loaded and writes screenshots
# into docs/. Run after a build (scripts/build.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin="$top/build/bin"
cp "$bin/squadrant.INI" "$bin/squadrant_screenshot.INI"
work=$(mktemp -d)
cp "$top"/samples/* "$work"/
cd "$work"
shot() { xvfb-run -a -s "-screen 0 1100x820x24" "$bin/squadrant_screenshot" "$@" 2>/dev/null; }
shot --roster RVR.ros --out "$top/docs/roster.png"
shot --roster RVR.ros --lineup RVR3.txt --out "$top/docs/lineup.png"
shot --roster RVR.ros --lineup RVR3.txt --page 1 --out "$top/docs/viewer.png"
shot --roster RVR.ros --lineup RVR3.txt --size 1020x680 --out "$top/docs/window-1024.png"
rm -rf "$work"
echo "screenshots written to $top/docs"
