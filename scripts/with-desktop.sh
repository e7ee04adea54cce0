#!/usr/bin/env bash
# Runs a command on a virtual X display (Xvfb) with a window manager (openbox),
# so that windows are framed, placed and restricted as on a real desktop.
# DISPLAY is set for the command; both servers are stopped afterwards.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGUMENT...]" >&2; exit 64; }

scratch=$(mktemp -d)
xvfb_pid=
wm_pid=
stop() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap stop EXIT

# Xvfb picks a free display itself and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"

openbox --sm-disable --startup "touch $scratch/wm-ready" >"$scratch/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do [ -e "$scratch/wm-ready" ] && break; sleep 0.1; done
[ -e "$scratch/wm-ready" ] || { cat "$scratch/openbox.log" >&2; echo "openbox did not start" >&2; exit 1; }

status=0
"$@" || status=$?
exit "$status"
