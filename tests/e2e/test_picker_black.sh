#!/usr/bin/env bash
# The screen picker on an X desktop that really is black all over: a black photograph is also what an X server
# gives that cannot see the desktop around it, so the program asks the desktop portal; with none on the session
# bus the photograph stands, the picker opens without a message and picks black.
source "$(dirname "$0")/lib.sh"

# A session bus of the test's own, with no service folders: no portal, and none started on demand.
bus_dir=$(mktemp -d)
cat >"$bus_dir/bus.conf" <<CONF
<busconfig>
  <type>session</type>
  <listen>unix:path=$bus_dir/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
CONF
dbus-daemon --config-file="$bus_dir/bus.conf" --nofork --nopidfile >/dev/null 2>&1 &
bus=$!
trap 'kill "$bus" 2>/dev/null; rm -rf "$bus_dir"; cleanup' EXIT
export DBUS_SESSION_BUS_ADDRESS=unix:path=$bus_dir/bus
wait_until "the session bus" test -S "$bus_dir/bus"

start_x
xsetroot -solid '#000000'
start_app
ini="$E2E_DIR/tw3.ini"

xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool key F3
wait_window 'Screen Color Picker' >/dev/null
visible_window 'Tintwell v3' >/dev/null && fail "a message was shown on a black desktop"
xdotool mousemove 1100 650 click 1
wait_window 'Tintwell v3\.1' >/dev/null

exit_from_menu
wait_exit
[ "$(ini_value "$ini" Main BaseColor)" = "0" ] || fail "BaseColor $(ini_value "$ini" Main BaseColor), expected 0 (black)"
echo "PASS: picker on a black desktop"
