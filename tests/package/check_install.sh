#!/usr/bin/env bash
# The installed folder holds everything the program needs beside it and starts from a folder of its own; its
# install-menu-entry.sh writes a menu entry with the folder's absolute path.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/Squadrant" >/dev/null
for f in squadrant squadrant.INI SQDX.HLP LICENSE install-menu-entry.sh squadrant-mime.xml \
  icons/hicolor/scalable/apps/squadrant.svg icons/hicolor/48x48/apps/squadrant.png samples/RVR.ros; do
  [ -e "$prefix/Squadrant/$f" ] || { echo "missing from the installed folder: $f"; exit 1; }
done
mv "$prefix/Squadrant" "$prefix/moved folder"   # it must not depend on where it was installed
cd /
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/moved folder/squadrant" 2>/dev/null
rc=$?
set -e
# 124: still running after 3 seconds, so it started; 1 would mean it did not find its settings file.
[ "$rc" -eq 124 ] || { echo "the installed program ended with $rc instead of running"; exit 1; }
# The menu entry names the folder where it lies now.
XDG_DATA_HOME="$prefix/data" sh "$prefix/moved folder/install-menu-entry.sh" >/dev/null
entry="$prefix/data/applications/squadrant.desktop"
grep -qxF "Exec=\"$prefix/moved folder/squadrant\" %f" "$entry" || { cat "$entry"; echo "the menu entry does not start $prefix/moved folder/squadrant"; exit 1; }
[ -f "$prefix/data/icons/hicolor/256x256/apps/squadrant.png" ] || { echo "install-menu-entry.sh put no icons"; exit 1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || { echo "the menu entry is not valid"; exit 1; }
fi
echo "installed folder complete and starting; its menu entry names where it lies"
