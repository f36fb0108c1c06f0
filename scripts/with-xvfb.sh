#!/usr/bin/env bash
# Runs a command under a virtual X server of its own. Xvfb picks a free display number itself,
# so runs side by side never race for one. Usage: scripts/with-xvfb.sh COMMAND [ARGS...]
# PIXMORA_XVFB_SCREEN gives the screen's size and depth (default 1280x1024x24).
set -euo pipefail
folder=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "${PIXMORA_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$folder/display" 2>"$folder/log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$folder"' EXIT
for _ in $(seq 200); do
  grep -q . "$folder/display" 2>/dev/null && break
  kill -0 "$server" 2>/dev/null || { cat "$folder/log" >&2; exit 1; }
  sleep 0.05
done
grep -q . "$folder/display" || { echo "Xvfb did not start" >&2; cat "$folder/log" >&2; exit 1; }
# The private display has no session bus; the desktop's is not the command's business either.
DISPLAY=:$(head -n 1 "$folder/display") QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: "$@"
