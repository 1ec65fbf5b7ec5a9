#!/usr/bin/env bash
# The windows as a screen reader meets them, through AT-SPI on a private session bus: every focusable control has a
# name, every colour the windows show is an object that says its value as #RRGGBB, a new base colour is heard, and
# the keyboard's palette cell is the object that has the focus.
source "$(dirname "$0")/lib.sh"

# A session bus of the test's own, whose accessibility bus the toolkit and the reader find through it. The bus
# starts the accessibility bus's launcher by itself, which leaves with it.
E2E_BUS=""
end_bus() {
  if [ -n "$E2E_BUS" ] && [ "$E2E_BUS" -gt 0 ]; then kill "$E2E_BUS" 2>/dev/null || true; fi
  cleanup
}
trap end_bus EXIT
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$E2E_DIR/bus-address" 4>"$E2E_DIR/bus-pid"
E2E_BUS=$(head -n1 "$E2E_DIR/bus-pid")
[[ $E2E_BUS =~ ^[0-9]+$ ]] && [ "$E2E_BUS" -gt 0 ] || fail "no session bus: $E2E_BUS"
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_DIR/bus-address")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

start_x
start_app
window_geometry "$MAIN_WIN"
MX=$WX; MY=$((WY + WH - 294))
FAV_WIN=$(wait_window Favorites)
window_geometry "$FAV_WIN"
FX=$WX; FY=$WY

# Three favourites, dragged in as a user adds them; QuickPreview shown.
for swatch_x in 78 126 174; do
  drag $((MX + swatch_x + 18)) $((MY + 34 + 18)) $((FX + 50)) $((FY + 150))
done
xdotool mousemove $((MX + 103)) $((MY + 14)) click 1
wait_window QuickPreview >/dev/null

check() { /usr/bin/python3 "$(dirname "$0")/atspi_check.py" "Tintwell v3" "$@"; }
wait_until "three favourites, the page's twelve parts and every colour named with its value" check 3 12
echo "$WAITED"
grep -q "^Base color: Base color, #FF0000, red$" <<<"$WAITED" || fail "the base area is not heard as pure red: $WAITED"

# A new base colour typed into the hexadecimal field is what the base area says next.
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool mousemove $((MX + 17 + 20)) $((MY + 152 + 8)) click --repeat 3 1
xdotool type --delay 20 CD853F
xdotool key Return
base_is_peru() { check 3 12 | grep -x "Base color: Base color, #CD853F, peru"; }
wait_until "the base area heard as #CD853F, peru" base_is_peru

# The palette cell the keyboard moves to is the object a reader follows: from the hexadecimal field, Tab to the base
# area, the swatch grid and the strip, then one down and one right.
xdotool key --delay 40 Tab Tab Tab Down Right
focus_on_cell() { check 3 12 | grep -x "Focused: Palette row 2 column 2, #330033, .*"; }
wait_until "the palette cell in row 2, column 2 to have the reader's focus" focus_on_cell

# A picture's colours, pasted in: each is heard with its value, and the keyboard's swatch is the one a reader follows.
# Four bands of 40, 30, 20 and 10 per cent give four swatches in that order.
convert -size 40x10 xc:'#DC1E1E' -size 30x10 xc:'#1EA03C' -size 20x10 xc:'#283CD2' -size 10x10 xc:'#F0C828' +append \
  "$E2E_DIR/bands.png"
xclip -selection clipboard -t image/png -i "$E2E_DIR/bands.png"
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
# Through the server, not sent to the window: a sent Ctrl that the new window takes over is held there for good.
xdotool key ctrl+shift+v
PICTURE_WIN=$(wait_window 'Palette from the pasted picture')
wait_until "the picture's four colours, each named with its value, among everything else" check 3 12 4
# The window manager may still be placing the new window: asked again until it is the active one.
picture_active() { xdotool windowactivate --sync "$PICTURE_WIN" 2>/dev/null; [ "$(xdotool getactivewindow)" = "$PICTURE_WIN" ]; }
wait_until "the picture window to be active" picture_active
# From the count, where the window puts the focus first, Tab to the swatches and one down; Ctrl+C copies that one.
focus_on_count() { check 3 12 4 | grep -x "Focused: Colors:"; }
wait_until "the count to have the focus in the new window" focus_on_count
xdotool key Tab
focus_on_first() { check 3 12 4 | grep -x "Focused: Picture color 1, #DC1E1E, .*"; }
wait_until "Tab to bring the reader's focus to the picture's first colour" focus_on_first
xdotool key Down
focus_on_green() { check 3 12 4 | grep -x "Focused: Picture color 2, #1EA03C, .*"; }
wait_until "the picture's second colour to have the reader's focus" focus_on_green
xdotool key ctrl+c
wait_clipboard 1EA03C "the picture's second colour copied by Ctrl+C"

exit_from_menu
answer_confirm n
wait_exit
echo "PASS: accessibility"
