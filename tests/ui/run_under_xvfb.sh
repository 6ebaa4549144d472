#!/usr/bin/env bash
# Runs a program on a private Xvfb server (no window manager) and stops the server
# afterwards. Usage: run_under_xvfb.sh PROGRAM [ARGS...]
set -euo pipefail

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -f "$displayfile"' EXIT

for _ in $(seq 1 100); do
  [[ -s "$displayfile" ]] && break
  sleep 0.1
done
if [[ ! -s "$displayfile" ]]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$displayfile")"
export QT_QPA_PLATFORM=xcb
"$@"
