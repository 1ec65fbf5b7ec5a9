#!/usr/bin/env bash
# The screen picker on a real X server: Esc leaves it without picking, a click on the desktop picks its colour.
source "$(dirname "$0")/lib.sh"
start_x
xsetroot -solid '#4A7B2C'
start_app
ini="$E2E_DIR/tw3.ini"
window_geometry "$MAIN_WIN"
menubar=$((WH - 294))
base_area() { pixel "$1" $((WX + 30)) $((WY + menubar + 60)); }

picker_visible() { xdotool search --onlyvisible --name '^Screen Color Picker$' >/dev/null 2>&1; }
main_visible() { xdotool search --onlyvisible --name '^Tintwell v3\.1$' >/dev/null 2>&1; }
wait_for() { for _ in $(seq 100); do "$@" && return 0; sleep 0.05; done; return 1; }

open_picker() {
  # A real key press on the focused main window: a key sent to one window alone can stay held down in the server.
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key F3
  wait_for picker_visible || fail "picker did not open"
  main_visible && fail "main window still shown under the picker"
  xdotool search --onlyvisible --name '^Favorites$' >/dev/null 2>&1 && fail "Favorites still shown under the picker"
  sleep 0.3
}

# Esc: back to the main window, base colour untouched.
open_picker
xdotool key Escape
wait_for main_visible || fail "Esc did not bring the main window back"
picker_visible && fail "picker still shown after Esc"
sleep 0.3
shot="$E2E_SHOTS/picker-esc.png"
screenshot "$shot"
[ "$(base_area "$shot")" = "FF0000" ] || fail "base area shows $(base_area "$shot") after Esc"

# A click far from where any window was picks the desktop's colour.
open_picker
xdotool mousemove 1100 650
sleep 0.2
shot="$E2E_SHOTS/picker-open.png"
screenshot "$shot"
# The photograph shows the desktop; the lens panel in the top-left corner shows the colour under the pointer.
[ "$(pixel "$shot" 900 500)" = "4A7B2C" ] || fail "photograph shows $(pixel "$shot" 900 500)"
[ "$(pixel "$shot" 60 130)" = "4A7B2C" ] || fail "colour box shows $(pixel "$shot" 60 130)"
[ "$(pixel "$shot" 64 43)" = "4A7B2C" ] || fail "lens centre shows $(pixel "$shot" 64 43)"
[ "$(pixel "$shot" 60 43)" = "B584D3" ] || fail "lens cross-hair shows $(pixel "$shot" 60 43)"
xdotool click 3
wait_for main_visible || fail "main window did not come back after the pick"
picker_visible && fail "picker still shown after the pick"
sleep 0.5
xdotool search --onlyvisible --name '^QuickPreview$' >/dev/null 2>&1 && fail "QuickPreview shown after the pick, it was hidden"
xdotool search --onlyvisible --name '^Favorites$' >/dev/null 2>&1 || fail "Favorites not shown again after the pick"

# The entry fields hold the picked colour: Edit > Copy Base Color copies them as they stand.
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
copy_base_entry() { # number of Down presses in the submenu
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key alt+e; sleep 0.3; xdotool key c; sleep 0.3
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return; sleep 0.3
}
copy_base_entry 0
[ "$(clipboard)" = "4A7B2C" ] || fail "hex field holds '$(clipboard)' after the pick"
copy_base_entry 2
[ "$(clipboard)" = "74,123,44" ] || fail "decimal fields hold '$(clipboard)' after the pick"

window_geometry "$MAIN_WIN"
shot="$E2E_SHOTS/picker-picked.png"
screenshot "$shot"
got=$(base_area "$shot")
[ "$got" = "4A7B2C" ] || fail "base area shows $got after the pick"
got=$(pixel "$shot" $((WX + 78 + 18)) $((WY + menubar + 34 + 18)))
[ "$got" = "4A7B2C" ] || fail "first swatch shows $got after the pick"

exit_from_menu
wait_exit
[ "$(ini_value "$ini" Main BaseColor)" = "$((0x2C7B4A))" ] || fail "BaseColor $(ini_value "$ini" Main BaseColor), expected $((0x2C7B4A))"
echo "PASS: picker (screenshots in $E2E_SHOTS)"
