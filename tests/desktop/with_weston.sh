#!/usr/bin/env bash
# Runs a command on a Wayland desktop of its own: weston's headless compositor on a private socket, with
# QT_QPA_PLATFORM=wayland; then stops it. Exits with 77 (a skipped test) when weston or Qt's Wayland plugin is
# not installed (Debian's weston and qt6-wayland).
#   with_weston.sh command [args...]
set -uo pipefail
backend=$(ls /usr/lib/*/libweston-*/headless-backend.so 2>/dev/null | head -n1)
plugin=$(ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so 2>/dev/null | head -n1)
if ! command -v weston >/dev/null || [ -z "$backend" ] || [ -z "$plugin" ]; then
  echo "with_weston.sh: weston or qt6-wayland is not installed; skipped"
  exit 77
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=squadrant-$$
weston_pid=
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT INT TERM
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --width=1600 --height=1200 --socket="$socket" \
  --idle-time=0 >/dev/null 2>&1 &
weston_pid=$!
for _ in $(seq 1 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.05
done
[ -S "$runtime/$socket" ] || { echo "with_weston.sh: weston did not start" >&2; exit 1; }
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
