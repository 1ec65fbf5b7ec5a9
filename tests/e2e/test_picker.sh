#!/usr/bin/env bash
# The screen picker on a real X server: Esc leaves it without picking, a click on the desktop picks its colour.
source "$(dirname "$0")/lib.sh"
start_x
xsetroot -solid '#4A7B2C'
start_app
ini="$E2E_DIR/tw3.ini"
window_geometry "$MAIN_WIN"
menubar=$((WH - 294))
base_area_x=$((WX + 30)) base_area_y=$((WY + menubar + 60))

picker_visible() { visible_window 'Screen Color Picker' >/dev/null; }
main_visible() { visible_window 'Tintwell v3\.1' >/dev/null; }

open_picker() {
  # A real key press on the focused main window: a key sent to one window alone can stay held down in the server.
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key F3
  wait_window 'Screen Color Picker' >/dev/null
  main_visible && fail "main window still shown under the picker"
  visible_window Favorites >/dev/null && fail "Favorites still shown under the picker"
  # The picker takes the keyboard before it draws its lens.
  wait_pixel 60 43 B584D3 "the picker's lens"
}

# Esc: back to the main window, base colour untouched.
open_picker
xdotool key Escape
wait_window 'Tintwell v3\.1' >/dev/null
picker_visible && fail "picker still shown after Esc"
wait_pixels "$E2E_SHOTS/picker-esc.png" "the base area to show FF0000 after Esc" "$base_area_x" "$base_area_y" FF0000

# A click far from where any window was picks the desktop's colour.
open_picker
xdotool mousemove 1100 650
# The photograph shows the desktop; the lens panel in the top-left corner shows the colour under the pointer:
# photograph, colour box, lens centre, lens cross-hair.
wait_pixels "$E2E_SHOTS/picker-open.png" "the picker to show the desktop colour under the pointer" \
  900 500 4A7B2C  60 130 4A7B2C  64 43 4A7B2C  60 43 B584D3
xdotool click 3
wait_window 'Tintwell v3\.1' >/dev/null
picker_visible && fail "picker still shown after the pick"
wait_window Favorites >/dev/null

copy_base_entry 0
wait_clipboard "4A7B2C" "the hex field after the pick"
copy_base_entry 2
wait_clipboard "74,123,44" "the decimal fields after the pick"
# By now the program has long handled the pick: the QuickPreview window, hidden before, stays hidden.
visible_window QuickPreview >/dev/null && fail "QuickPreview shown after the pick, it was hidden"

window_geometry "$MAIN_WIN"
wait_pixels "$E2E_SHOTS/picker-picked.png" "the base area and the first swatch to show the picked 4A7B2C" \
  $((WX + 30)) $((WY + menubar + 60)) 4A7B2C  $((WX + 78 + 18)) $((WY + menubar + 34 + 18)) 4A7B2C

exit_from_menu
wait_exit
[ "$(ini_value "$ini" Main BaseColor)" = "$((0x2C7B4A))" ] || fail "BaseColor $(ini_value "$ini" Main BaseColor), expected $((0x2C7B4A))"
echo "PASS: picker (screenshots in $E2E_SHOTS)"
