#!/usr/bin/env bash
# Installs what Squadrant needs to build, run and test, from Debian's packages (Debian 12): among them the tools
# that judge the Debian package (lintian, desktop-file-validate, appstreamcli, hardening-check from devscripts,
# the MIME database, gio, xdg-mime, man and groff) and rsvg-convert for scripts/icons.sh.
set -euo pipefail
packages=(g++ make cmake pkg-config qt6-base-dev libzip-dev libxcb1-dev xvfb xauth openbox xdotool x11-utils weston qt6-wayland
  fonts-dejavu-core unzip clang libclang-rt-14-dev dpkg-dev file lintian desktop-file-utils appstream devscripts
  shared-mime-info libglib2.0-bin xdg-utils man-db groff-base librsvg2-bin)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
