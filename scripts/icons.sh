#!/usr/bin/env bash
# Renders the program's icon (resources/icons/hicolor/scalable/apps/squadrant.svg) into the PNG sizes of the
# hicolor icon theme beside it. The PNGs are kept in the tree; run this after changing the SVG (needs
# rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons/hicolor"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" scalable/apps/squadrant.svg -o "${size}x${size}/apps/squadrant.png"
done
