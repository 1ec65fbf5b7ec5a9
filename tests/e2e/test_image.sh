#!/usr/bin/env bash
# Palette from Image in the running program: a picture opened through File › Palette from Image and the real file
# dialog shows its colours, Add to Favorites puts them in the Favorites list largest first, and a picture on the
# real clipboard opens with Ctrl+Shift+V in the main window. Dropped files: test_image_drop.sh.
source "$(dirname "$0")/lib.sh"
start_x
start_app

main_window_active() { [ "$(xdotool getactivewindow)" = "$MAIN_WIN" ]; }

# Half red, a quarter green, a quarter blue.
convert -size 200x200 xc:'#DC1E1E' \( -size 200x100 xc:'#1EA03C' -size 200x100 xc:'#283CD2' -append \) +append \
  "$E2E_DIR/halves.png"

xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool key --window "$MAIN_WIN" alt+f
wait_menu >/dev/null
xdotool key g
dialog=$(wait_window Open)
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool type --delay 20 "$E2E_DIR/halves.png"
xdotool key Return
picture=$(wait_window 'Palette from halves\.png')
xdotool windowactivate --sync "$picture" 2>/dev/null || true
xdotool key --window "$picture" alt+f
# Out of the way of the Favorites list; a new picture brings it back.
xdotool windowminimize --sync "$picture"
window_geometry "$(wait_window Favorites)"
row() { echo $((WX + 20)) $((WY + 42 * $1 + 20)); }
wait_pixels "$E2E_SHOTS/image-favorites.png" "the picture's red first in Favorites, then its green and blue" \
  $(row 0) DC1E1E
second=$(pixel "$E2E_SHOTS/image-favorites.png" $(row 1))
third=$(pixel "$E2E_SHOTS/image-favorites.png" $(row 2))
[ "$(printf '%s\n' "$second" "$third" | sort | tr '\n' ' ')" = "1EA03C 283CD2 " ] \
  || fail "Favorites rows 2 and 3 show #$second and #$third, expected the green 1EA03C and the blue 283CD2"

# A picture on the clipboard, pasted into the main window: the same window shows it instead.
convert -size 120x80 xc:'#F0C828' "$E2E_DIR/yellow.png"
xclip -selection clipboard -t image/png -i "$E2E_DIR/yellow.png"
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
wait_until "the main window to have the keyboard" main_window_active
# Typed as the keyboard types it, to the window that has it, and every modifier let go again after: a key sent to a
# window can leave Ctrl pressed in the program's eyes.
xdotool key --clearmodifiers ctrl+shift+v
wait_window 'Palette from the pasted picture' >/dev/null
wait_gone 'Palette from halves\.png'
echo "PASS: palette from image (screenshot $E2E_SHOTS/image-favorites.png)"
