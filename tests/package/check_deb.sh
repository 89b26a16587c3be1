#!/usr/bin/env bash
# The Debian package: built by cpack, installed with apt, used by a user who owns nothing of it (the installed
# program under Xvfb: a setting changed through its menu shortcut, then kept for the next start in that user's
# ~/.config/squadrant/squadrant.INI, and its help found), and removed cleanly. Needs root; cleans up after itself.
# Usage: check_deb.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
user=squadrant-check
work=$(mktemp -d)
created_user=
installed=
xvfb_pid=
app_pid=

stop_app() {
  if [ -n "$app_pid" ]; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
  fi
}
cleanup() {
  stop_app
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
  [ -n "$installed" ] && { DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq squadrant >/dev/null 2>&1 || true; }
  [ -n "$created_user" ] && { userdel -r "$user" >/dev/null 2>&1 || true; }
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check_deb: $*" >&2; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
  echo "check_deb: skipped: installing a package needs root"
  exit 0
fi
if dpkg-query -W -f='${Status}' squadrant 2>/dev/null | grep -q "ok installed"; then
  fail "a squadrant package is installed already; this test does not touch it"
fi

# 1. The package, and what it declares.
(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/pkg/squadrant_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libzip4; do
  [[ "$depends" == *"$lib"* ]] || fail "the package does not depend on $lib (Depends: $depends)"
done

# 2. Installed with apt.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt could not install $deb"; }
installed=1
for f in /usr/bin/squadrant /usr/share/squadrant/squadrant.INI /usr/share/squadrant/SQDX.HLP \
  /usr/share/squadrant/samples/RVR.ros /usr/share/applications/squadrant.desktop \
  /usr/share/icons/hicolor/64x64/apps/squadrant.png; do
  [ -f "$f" ] || fail "the package did not install $f"
done
dpkg-query -L squadrant >"$work/files"

# 3. A user who owns nothing of it.
if ! id "$user" >/dev/null 2>&1; then
  useradd --create-home --shell /bin/sh "$user"
  created_user=1
fi
home=$(getent passwd "$user" | cut -d: -f6)
own="$home/.config/squadrant/squadrant.INI"
rm -rf "$home/.config/squadrant"

display=
for n in $(seq 91 120); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -ac >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display

start_app() {
  setpriv --reuid="$user" --regid="$user" --init-groups \
    env -i HOME="$home" USER="$user" DISPLAY="$display" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb /usr/bin/squadrant >>"$work/app.log" 2>&1 &
  app_pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Squadrant $' | head -n1) ||
    { cat "$work/app.log"; fail "the installed program showed no main window"; }
}
mkdir -p "$work/runtime"
chown "$user" "$work/runtime"
chmod 700 "$work/runtime"

# 4. The first start makes the user's own settings file; F6 ("800 x 600") writes ScreenRes=800 into it.
start_app
[ -f "$own" ] || fail "the first start did not make $own"
[ "$(stat -c %U "$own")" = "$user" ] || fail "$own does not belong to $user"
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.5
xdotool key --clearmodifiers F6
for _ in $(seq 100); do grep -q '^ScreenRes=800' "$own" && break; sleep 0.1; done
grep -q '^ScreenRes=800' "$own" || { cat "$work/app.log"; fail "F6 did not store ScreenRes=800 in $own"; }
# F1 finds the help file in the package's data folder.
xdotool key --clearmodifiers F1
timeout 15 xdotool search --sync --onlyvisible --name '^Squadrant Help$' >/dev/null ||
  { cat "$work/app.log"; fail "F1 showed no help window"; }
stop_app
cp "$own" "$work/after-first"

# 5. The next start keeps it: the file is not copied again and the window opens at the stored size.
start_app
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
stop_app
cmp -s "$own" "$work/after-first" || fail "the second start changed $own"
[ "$HEIGHT" -lt 560 ] || fail "the second start did not open at 800 x 600 (window ${WIDTH}x$HEIGHT)"
echo "check_deb: the installed program kept ScreenRes=800 for $user (window ${WIDTH}x$HEIGHT)"

# 6. Removed cleanly: nothing of the package is left under /usr.
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq squadrant >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt could not purge squadrant"; }
installed=
while read -r f; do
  case "$f" in /usr/share/squadrant* | /usr/bin/squadrant | *squadrant.desktop | *apps/squadrant.png)
    [ ! -e "$f" ] || fail "$f is left after the purge" ;;
  esac
done <"$work/files"
[ ! -e /usr/share/squadrant ] || fail "/usr/share/squadrant is left after the purge"
echo "check_deb: package built, installed, used by $user and removed cleanly"
