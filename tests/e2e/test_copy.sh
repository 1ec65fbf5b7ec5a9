#!/usr/bin/env bash
# The copy menus put exactly the text they show on the X clipboard: a swatch's pop-up menu chosen with the
# mouse, and Edit > Copy Base Color from the entry fields, also while the hex field is half typed.
source "$(dirname "$0")/lib.sh"
start_x
start_app

window_geometry "$MAIN_WIN"
MX=$WX; MY=$WY; MENUBAR=$((WH - 294))

# Clicks entry `index` of a menu holding `count` entries of equal height.
click_entry() {
  window_geometry "$1"
  xdotool mousemove $((WX + WW / 2)) $((WY + WH * (2 * $2 + 1) / (2 * $3))) click 1
}

# Right-click swatch 2 (the ring colour after pure red, FF6000), open "Copy..." and choose an entry.
copy_from_swatch() {
  xdotool mousemove $((MX + 126 + 18)) $((MY + MENUBAR + 34 + 18)) click 3
  local pop sub
  pop=$(wait_menu)
  window_geometry "$pop"
  xdotool mousemove $((WX + 30)) $((WY + 11)) # "Copy..." is the first row
  sub=$(wait_menu "$pop")
  click_entry "$sub" "$1" 3
  wait_no_menus
}

copy_from_swatch 0; wait_clipboard "FF6000" "swatch, RRGGBB"
copy_from_swatch 1; wait_clipboard "#FF6000" "swatch, #RRGGBB"
copy_from_swatch 2; wait_clipboard "255,96,0" "swatch, R,G,B"

# Edit > Copy Base Color, opened from the keyboard, its entry chosen with the mouse.
copy_base() {
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key --window "$MAIN_WIN" alt+e
  local edit sub
  edit=$(wait_menu)
  xdotool key c
  sub=$(wait_menu "$edit")
  click_entry "$sub" "$1" 3
  wait_no_menus
}

copy_base 1; wait_clipboard "#FF0000" "base, #RRGGBB"

# Half-typed hex field: the texts are copied as they stand.
xdotool mousemove $((MX + 17 + 30)) $((MY + MENUBAR + 152 + 8))
xdotool click 1
xdotool key End BackSpace BackSpace BackSpace
copy_base 0; wait_clipboard "FF0" "base, half-typed hex"
copy_base 1; wait_clipboard "#FF0" "base, half-typed #hex"
copy_base 2; wait_clipboard "255,0,0" "base, R,G,B"

# And back the other way: Ctrl+V in the hex field takes the X clipboard, dropping the "#".
printf '#336699' | xclip -selection clipboard 2>/dev/null
xdotool mousemove $((MX + 17 + 30)) $((MY + MENUBAR + 152 + 8))
xdotool click 1
xdotool key ctrl+v
wait_pixels "$E2E_SHOTS/copy.png" "swatch 1 to show the pasted #336699" $((MX + 78 + 18)) $((MY + MENUBAR + 34 + 18)) 336699
echo "PASS: copy"
