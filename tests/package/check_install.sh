#!/usr/bin/env bash
# The installed folder holds everything the program needs beside it and starts from a folder of its own.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/Squadrant" >/dev/null
for f in squadrant squadrant.INI SQDX.HLP squadrant.png squadrant.desktop samples/RVR.ros; do
  [ -e "$prefix/Squadrant/$f" ] || { echo "missing from the installed folder: $f"; exit 1; }
done
mv "$prefix/Squadrant" "$prefix/moved"   # it must not depend on where it was installed
cd /
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/moved/squadrant" 2>/dev/null
rc=$?
set -e
# 124: still running after 3 seconds, so it started; 1 would mean it did not find its settings file.
[ "$rc" -eq 124 ] || { echo "the installed program ended with $rc instead of running"; exit 1; }
echo "installed folder complete and starting"
