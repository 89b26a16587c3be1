#!/usr/bin/env bash
# The Debian package, judged by Debian's own tools and then used as a user would: built by scripts/package.sh
# (dpkg-buildflags), checked with lintian, desktop-file-validate, appstreamcli, hardening-check and man/groff;
# installed with apt; used by a user who owns nothing of it (--help and --version with no display; the program
# under Xvfb: a setting changed through its menu shortcut and kept in that user's
# ~/.config/squadrant/squadrant.INI, the help found; a roster opened from the file manager with `gio open`); the
# portable tarball's menu entry made by its install-menu-entry.sh and started with `gio launch`; and the
# package purged, leaving nothing. Needs root; cleans up after itself.
# Usage: check_deb.sh [package build folder, default build-deb]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build-deb}
user=squadrant-check
work=$(mktemp -d)
created_user=
installed=
xvfb_pid=
app_pid=
home=

# Info tags lintian may give, each with the reason it stays. Any other tag fails the check.
declare -A allowed_info=(
  # The sample line-up RVR3.txt is no documentation: it is a line-up file the program opens (File > Open Lineup)
  # beside the sample rosters, and a line-up file's name must end in .txt.
  [package-contains-documentation-outside-usr-share-doc]="usr/share/squadrant/samples/RVR3.txt"
)

stop_app() {
  if [ -n "$app_pid" ]; then
    kill "$app_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    app_pid=
  fi
}
cleanup() {
  stop_app
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
  [ -n "$installed" ] && { DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq squadrant >/dev/null 2>&1 || true; }
  if [ -n "$created_user" ]; then
    userdel -r "$user" >/dev/null 2>&1 || true
  elif [ -n "$home" ]; then
    rm -rf "$home/Games" "$home/team.ros" "$home/runtime" "$home/.local/share/applications/squadrant.desktop" \
      "$home/.local/share/mime/packages/squadrant.xml"
  fi
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
bash "$top/scripts/install-deps.sh" # Debian's tools that judge the package among them

# 1. The package, built with Debian's flags, and what it declares.
cd "$top"
bash scripts/package.sh "$build" >"$work/package.log" 2>&1 || { cat "$work/package.log"; fail "scripts/package.sh failed"; }
build=$(cd "$build" && pwd)
deb=$(ls "$build"/squadrant_*.deb)
tarball=$(ls "$build"/squadrant-*-linux-x86_64.tar.gz)
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libzip4; do
  [[ "$depends" == *"$lib"* ]] || fail "the package does not depend on $lib (Depends: $depends)"
done

# 2. Debian's tools on the package as it is: lintian, then on its files.
lintian --pedantic --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian found errors or warnings"; }
while read -r kind _ tag rest; do
  case $kind in E: | W: | I: | P: | X: | O:) ;; *) continue ;; esac
  [ "$kind" = "I:" ] && [ -n "${allowed_info[$tag]:-}" ] && [[ "$rest" == *"${allowed_info[$tag]}"* ]] && continue
  cat "$work/lintian.log"
  fail "lintian: a tag that is not allowed: $kind $tag $rest"
done <"$work/lintian.log"
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/squadrant.desktop" || fail "the package's desktop entry is not valid"
grep -qx 'Exec=squadrant %f' "$root/usr/share/applications/squadrant.desktop" || fail "the desktop entry's Exec is not 'squadrant %f'"
grep -qx 'MimeType=application/x-squadrant-roster;' "$root/usr/share/applications/squadrant.desktop" ||
  fail "the desktop entry does not name the roster type"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstreamcli does not accept the metainfo"; }
man_page="$root/usr/share/man/man6/squadrant.6.gz"
[ -f "$man_page" ] || fail "no manual page squadrant(6)"
zcat "$man_page" | LC_ALL=C.UTF-8 groff -ww -man -Tutf8 -z 2>"$work/groff.log"
[ ! -s "$work/groff.log" ] || { cat "$work/groff.log"; fail "groff -ww warns about the manual page"; }
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$man_page" 2>"$work/man.log" >"$work/man.txt"
[ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "man -l warns about the manual page"; }
for topic in -- --help --version XDG_CONFIG_HOME squadrant.INI samples; do
  grep -q -- "$topic" "$work/man.txt" || fail "the manual page does not speak of $topic"
done
! readelf -S "$root/usr/games/squadrant" | grep -q '\.comment' || fail "the program keeps its .comment section"

# 3. Installed with apt.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt could not install $deb"; }
installed=1
for f in /usr/games/squadrant /usr/share/squadrant/squadrant.INI /usr/share/squadrant/SQDX.HLP \
  /usr/share/squadrant/samples/RVR.ros /usr/share/applications/squadrant.desktop \
  /usr/share/icons/hicolor/scalable/apps/squadrant.svg /usr/share/mime/packages/squadrant.xml \
  /usr/share/doc/squadrant/copyright /usr/share/doc/squadrant/changelog.gz; do
  [ -f "$f" ] || fail "the package did not install $f"
done
for size in 16 24 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x$size/apps/squadrant.png" ] || fail "no ${size}x$size icon installed"
done
dpkg-query -L squadrant >"$work/files"
# Debian's hardening flags, in the installed program. Bookworm's C start files (crt1.o) carry no control-flow
# (IBT, SHSTK) property, so no program built on bookworm has one: that check is left out.
hardening-check --nocfprotection /usr/games/squadrant >"$work/hardening.log" 2>&1 ||
  { cat "$work/hardening.log"; fail "hardening-check finds the installed program unprotected"; }

# 4. A user who owns nothing of it, with the path Debian gives users (/usr/games included).
if ! id "$user" >/dev/null 2>&1; then
  useradd --create-home --shell /bin/sh "$user"
  created_user=1
fi
home=$(getent passwd "$user" | cut -d: -f6)
own="$home/.config/squadrant/squadrant.INI"
rm -rf "$home/.config/squadrant"
runtime="$home/runtime"
mkdir -p "$runtime"
chown "$user:" "$runtime"
chmod 700 "$runtime"
as_user() {
  setpriv --reuid="$user" --regid="$user" --init-groups \
    env -i HOME="$home" USER="$user" PATH=/usr/local/bin:/usr/bin:/bin:/usr/games LANG=C.UTF-8 \
    XDG_RUNTIME_DIR="$runtime" "$@"
}

# --help and --version answer on standard output with no display at all; a wrong option gets status 2.
as_user squadrant --version >"$work/out" 2>"$work/err" || fail "squadrant --version ended with $?"
grep -q '^squadrant 3.1.0$' "$work/out" && [ ! -s "$work/err" ] || { cat "$work/out" "$work/err"; fail "squadrant --version"; }
as_user squadrant --help >"$work/out" 2>"$work/err" || fail "squadrant --help ended with $?"
grep -q '^Usage: squadrant' "$work/out" && grep -q /usr/share/squadrant/samples "$work/out" && [ ! -s "$work/err" ] ||
  { cat "$work/out" "$work/err"; fail "squadrant --help"; }
set +e
as_user squadrant --no-such-option >"$work/out" 2>"$work/err"
rc=$?
set -e
[ "$rc" -eq 2 ] && [ ! -s "$work/out" ] && grep -q '^Usage: squadrant' "$work/err" ||
  { cat "$work/out" "$work/err"; fail "an unknown option ended with $rc, not 2 with the usage on standard error"; }

# The roster type, as the desktop knows it.
install -o "$user" -m 644 /usr/share/squadrant/samples/RVR.ros "$home/team.ros"
type=$(as_user gio info --attributes=standard::content-type "$home/team.ros" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-squadrant-roster ] || fail "team.ros is known as '$type', not application/x-squadrant-roster"
# xdg-mime asks the desktop's own tool (gio, for GNOME) for a file's type, and reads the desktop database for
# the program that opens it.
type=$(as_user XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$home/team.ros")
[ "$type" = application/x-squadrant-roster ] || fail "xdg-mime knows team.ros as '$type'"
default=$(as_user xdg-mime query default application/x-squadrant-roster)
[ "$default" = squadrant.desktop ] || fail "xdg-mime names '$default' as the program for a roster"
handlers=$(as_user gio mime application/x-squadrant-roster)
[[ "$handlers" == *"Default application"*": squadrant.desktop"* ]] || { echo "$handlers"; fail "Squadrant does not open a roster"; }

display=
for n in $(seq 91 120); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display"
# -fbdir: the screen's pixels stand in a file, for comparing what two starts show.
mkdir -p "$work/fb"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -ac -fbdir "$work/fb" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display

on_display() { as_user DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@"; }
main_window() {
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Squadrant $' | head -n1) ||
    { cat "$work/app.log"; fail "$1 showed no main window"; }
  app_pid=$(xdotool getwindowpid "$window")
}
start_app() {
  on_display squadrant "$@" >>"$work/app.log" 2>&1 &
  main_window "the installed program"
}
# The screen once it has stood still for half a second.
screen_shot() {
  local last=
  xdotool mousemove --sync 0 0 2>/dev/null || xdotool mousemove 0 0
  for _ in $(seq 40); do
    sleep 0.5
    cp "$work/fb/Xvfb_screen0" "$work/shot"
    [ -n "$last" ] && cmp -s "$work/shot" "$last" && break
    last="$work/shot.last"
    cp "$work/shot" "$last"
  done
  cp "$work/shot" "$1"
}

# 5. The first start makes the user's own settings file; F6 ("800 x 600") writes ScreenRes=800 into it.
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

# 6. The next start keeps it: the file is not copied again and the window opens at the stored size.
start_app
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
screen_shot "$work/bare.xwd"
stop_app
cmp -s "$own" "$work/after-first" || fail "the second start changed $own"
[ "$HEIGHT" -lt 560 ] || fail "the second start did not open at 800 x 600 (window ${WIDTH}x$HEIGHT)"
echo "check_deb: the installed program kept ScreenRes=800 for $user (window ${WIDTH}x$HEIGHT)"

# 7. A roster opened from the file manager: `gio open team.ros` starts Squadrant with it read. What the screen
# shows is what File > Open Roster shows for the same file (typed into the Open Roster dialog), and not the
# bare window: the team labels, the grid and the lists are filled as Open Roster fills them.
on_display gio open "$home/team.ros" >>"$work/app.log" 2>&1
main_window "gio open team.ros"
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
grep -qa "$home/team.ros" "/proc/$app_pid/cmdline" || fail "gio open did not hand team.ros to the program"
screen_shot "$work/gio-open.xwd"
stop_app
start_app
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool key --clearmodifiers ctrl+o
timeout 15 xdotool search --sync --onlyvisible --name '^Open Roster File$' >/dev/null ||
  { cat "$work/app.log"; fail "Ctrl+O showed no Open Roster dialog"; }
sleep 0.5
xdotool type --delay 20 "$home/team.ros"
xdotool key Return
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Open Roster File$' >/dev/null || break; sleep 0.1; done
# The main window active again, as after gio open: its focus (and the ring that shows it) is back where it was.
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
screen_shot "$work/open-roster.xwd"
stop_app
cmp -s "$work/bare.xwd" "$work/gio-open.xwd" && fail "gio open team.ros showed the bare window, no roster"
cmp -s "$work/gio-open.xwd" "$work/open-roster.xwd" ||
  fail "gio open team.ros does not show what File > Open Roster shows for team.ros"
echo "check_deb: gio open team.ros started Squadrant with the roster read, as Open Roster reads it"

# 8. The portable folder, unpacked where its path needs quoting, makes its own menu entry, which starts it.
portable="$home/Games/Team \$1 & co's \"best\" 100%"
mkdir -p "$portable"
tar -xzf "$tarball" -C "$portable"
folder="$portable/$(basename "$tarball" .tar.gz)"
chown -R "$user:" "$home/Games"
as_user sh "$folder/install-menu-entry.sh" >"$work/menu.log" 2>&1 || { cat "$work/menu.log"; fail "install-menu-entry.sh failed"; }
entry="$home/.local/share/applications/squadrant.desktop"
desktop-file-validate "$entry" || { cat "$entry"; fail "the portable folder's menu entry is not valid"; }
[ -f "$home/.local/share/icons/hicolor/48x48/apps/squadrant.png" ] || fail "install-menu-entry.sh put no icons"
on_display gio launch "$entry" >>"$work/app.log" 2>&1
main_window "gio launch of the portable folder's menu entry"
[ "$(readlink "/proc/$app_pid/exe")" = "$folder/squadrant" ] ||
  fail "the menu entry started $(readlink "/proc/$app_pid/exe"), not $folder/squadrant"
stop_app
echo "check_deb: the portable folder's menu entry is valid and starts the program in that folder"

# 9. Removed cleanly: nothing of the package is left, and the desktop's databases forget it.
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq squadrant >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt could not purge squadrant"; }
installed=
while read -r f; do
  if [ -d "$f" ]; then
    case "$f" in *squadrant*) [ ! -e "$f" ] || fail "$f is left after the purge" ;; esac
  else
    [ ! -e "$f" ] || fail "$f is left after the purge"
  fi
done <"$work/files"
for f in /usr/share/squadrant /usr/share/doc/squadrant /usr/share/mime/application/x-squadrant-roster.xml; do
  [ ! -e "$f" ] || fail "$f is left after the purge"
done
! grep -rqs squadrant /usr/share/applications/mimeinfo.cache || fail "the desktop database still names squadrant"
echo "check_deb: package built, checked by Debian's tools, installed, used by $user and removed cleanly"
