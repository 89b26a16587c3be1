#!/usr/bin/env bash
# Runs a command on a fresh X display (Xvfb) under Debian's openbox window manager, then stops both.
#   with_openbox.sh [--screen WxHxD] [--no-wm] command [args...]
# The display is a free one; the command sees DISPLAY, QT_QPA_PLATFORM=xcb and
# SQUADRANT_WM (openbox, or none with --no-wm, which leaves the display without a window manager).
set -uo pipefail
screen=1600x1200x24
wm=openbox
while [ $# -gt 0 ]; do
  case $1 in
    --screen) screen=$2; shift 2 ;;
    --no-wm) wm=none; shift ;;
    *) break ;;
  esac
done
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "with_openbox.sh: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

xvfb_pid=
wm_pid=
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [ -n "${home:-}" ] && rm -rf "$home"
}
trap cleanup EXIT INT TERM

# A free display, chosen by Xvfb itself (-displayfd), which claims it atomically even when several of these
# scripts start at once; Xvfb writes the display's number once it accepts connections.
numberfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$screen" -br -nolisten tcp -noreset 3>"$numberfile" >/dev/null 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 1 200); do
  number=$(head -n1 "$numberfile" 2>/dev/null)
  if [ -n "$number" ]; then
    display=":$number"
    break
  fi
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
rm -f "$numberfile"
[ -n "$display" ] || { echo "with_openbox.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=$display

if [ "$wm" = none ]; then
  SQUADRANT_WM=none QT_QPA_PLATFORM=xcb "$@"
  exit
fi

# openbox with its shipped settings, and a home of its own so that nothing of the user's desktop leaks in.
home=$(mktemp -d)
HOME=$home XDG_CONFIG_HOME=$home/.config openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
wm_ready=
for _ in $(seq 1 200); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    wm_ready=1
    break
  fi
  kill -0 "$wm_pid" 2>/dev/null || break
  sleep 0.05
done
[ -n "$wm_ready" ] || { echo "with_openbox.sh: openbox did not start" >&2; exit 1; }

SQUADRANT_WM=openbox QT_QPA_PLATFORM=xcb "$@"
