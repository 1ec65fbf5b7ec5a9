#!/usr/bin/env bash
# The Preferences dialog through the keyboard: open it, screenshot each page, choose the spectrum palette and
# apply; the strip changes at once and the settings file holds the choice.
source "$(dirname "$0")/lib.sh"
start_x
start_app

open_prefs() {
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key --window "$MAIN_WIN" alt+e
  wait_menu >/dev/null
  xdotool key p
  PREFS_WIN=$(wait_window 'Tintwell Preferences')
  # Drawn once its page tree shows the first page chosen: the first row unlike the second. The dialog may still be
  # placed after it shows, so where it is is read again each time.
  wait_until "the Preferences dialog to show its first page" first_row_chosen "$E2E_DIR/prefs-opened.png"
  window_geometry "$PREFS_WIN"
  PX=$WX PY=$WY
}

# The page tree's rows are 11 pixels apart; a point on row N within a screenshot.
tree_row() { pixel "$1" $((PX + 120)) $((PY + 10 + 11 * $2)); }
first_row_chosen() { # shot
  local first second
  window_geometry "$PREFS_WIN"
  PX=$WX PY=$WY
  screenshot "$1"
  first=$(tree_row "$1" 0) second=$(tree_row "$1" 1)
  echo "$first"
  [ "$first" != "$second" ]
}
row_chosen() { # shot row colour
  local got
  screenshot "$1"
  got=$(tree_row "$1" "$2")
  echo "$got"
  [ "$got" = "$3" ]
}

open_prefs
chosen=$WAITED
[ "$WW" -eq 472 ] && [ "$WH" -eq 347 ] || fail "dialog client area is ${WW}x$WH, expected 472x347"

# Each page: the tree has the focus, so the arrow keys walk the pages.
row=0
for page in general favorites palette; do
  shot="$E2E_SHOTS/prefs-$page.png"
  wait_until "the $page page" row_chosen "$shot" "$row" "$chosen"
  convert "$shot" -crop "${WW}x${WH}+${PX}+${PY}" +repage "$shot"
  [ "$page" = palette ] || xdotool key Down
  row=$((row + 1))
done

# On the palette page: the spectrum picture sits below its radio button, 253 x 43 at 36,116 in the group box.
# Its middle is a lit colour, unlike anything on the websafe picture's black grid lines.
mid=$(pixel "$E2E_SHOTS/prefs-palette.png" $((151 + 4 + 36 + 126)) $((34 + 9 + 116 + 10)))
[ "$mid" != "000000" ] && [ "$mid" != "$(pixel "$E2E_SHOTS/prefs-palette.png" 5 340)" ] || fail "no spectrum picture ($mid)"

# Tab from the tree reaches the page's first radio button; Down moves to "Spectrum Palette:"; Enter applies.
xdotool key Tab Down Return
wait_gone 'Tintwell Preferences'
ini="$E2E_DIR/tw3.ini"
wait_ini "$ini" Prefs Palette 1

# The strip below the swatches now shows the spectrum: hue runs left to right, so the left and right
# thirds differ in colour at the same height.
window_geometry "$MAIN_WIN"
menubar=$((WH - 294))
shot="$E2E_SHOTS/prefs-applied-main.png"
strip_ends_differ() {
  local left right
  screenshot "$shot"
  left=$(pixel "$shot" $((WX + 3 + 40)) $((WY + menubar + 223 + 20)))
  right=$(pixel "$shot" $((WX + 3 + 200)) $((WY + menubar + 223 + 20)))
  echo "$left, $right"
  [ "$left" != "$right" ]
}
wait_until "the palette strip to change to the spectrum" strip_ends_differ

# Reopening shows the General page again, with the choice kept; Esc closes it without writing.
open_prefs
before=$(md5sum <"$ini")
cp "$E2E_DIR/prefs-opened.png" "$E2E_SHOTS/prefs-reopened.png"
xdotool key Escape
wait_gone 'Tintwell Preferences'
[ "$(md5sum <"$ini")" = "$before" ] || fail "Esc wrote the settings file"

exit_from_menu
wait_exit
echo "PASS: prefs (screenshots in $E2E_SHOTS)"
