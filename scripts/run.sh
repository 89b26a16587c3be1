#!/usr/bin/env bash
# Installs, builds and starts Squadrant in a scratch folder that holds the sample rosters. The shipped
# settings file lies beside the executable; line-ups, bids, press and archives are written to the scratch folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
bash "$top/scripts/build.sh" build
scratch="$top/scratch"
mkdir -p "$scratch"
cp -n "$top"/samples/* "$scratch"/
cd "$scratch"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Squadrant under Xvfb (close it with Ctrl+C)."
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$top/build/bin/squadrant"
fi
exec "$top/build/bin/squadrant"
