#!/usr/bin/env bash
# Runs a command under a private X server that ends with it: windows laid out by the toolkit as on a desktop.
# usage: under_x.sh COMMAND [ARGUMENTS...]
set -euo pipefail
folder=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$folder/display" >/dev/null 2>&1 &
server=$!
trap '[ "$server" -gt 0 ] && kill "$server" 2>/dev/null; rm -rf "$folder"' EXIT
deadline=$((SECONDS + 30))
until grep -qx '[0-9]\+' "$folder/display" 2>/dev/null; do
  kill -0 "$server" 2>/dev/null || { echo "the X server did not start" >&2; exit 1; }
  [ "$SECONDS" -lt "$deadline" ] || { echo "gave up waiting for the X server" >&2; exit 1; }
  sleep 0.05
done
DISPLAY=":$(cat "$folder/display")" QT_QPA_PLATFORM=xcb "$@"
