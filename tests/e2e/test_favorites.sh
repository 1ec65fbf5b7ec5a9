#!/usr/bin/env bash
# Favourites on the real window system: swatches dragged into the list with the mouse appear as painted rows,
# a double click adopts a row, a row dragged onto the delete button goes, a docked Favorites window follows
# the main window, and the window's place is written at exit.
source "$(dirname "$0")/lib.sh"
start_x
start_app

window_geometry "$MAIN_WIN"
MX=$WX; MY=$WY; MENUBAR=$((WH - 294))
FAV_WIN=$(wait_window Favorites)
window_geometry "$FAV_WIN"
FX=$WX; FY=$WY; FH=$WH
[ "$WW" -eq 131 ] || fail "Favorites client width $WW, expected 131"
shot="$E2E_SHOTS/favorites.png"

expect_list() { # x y RRGGBB description, the point within the list
  wait_pixels "$shot" "the list to show $4 at $1,$2" $((FX + $1)) $((FY + $2)) "$3"
}

# Swatch 3 of pure red's scheme (FF9A00) dropped below the (empty) list's end becomes its first row, selected:
# black outer frame, white inner frame, the colour inside.
drag $((MX + 174 + 18)) $((MY + MENUBAR + 34 + 18)) $((FX + 50)) $((FY + 150))
expect_list 20 20 FF9A00 "dropped swatch 3"
expect_list 3 20 000000 "selected row's outer frame"
expect_list 4 20 FFFFFF "selected row's inner frame"

# Swatch 1 (FF0000) dropped in the upper half of row 0 goes before it.
drag $((MX + 78 + 18)) $((MY + MENUBAR + 34 + 18)) $((FX + 50)) $((FY + 10))
expect_list 20 20 FF0000 "swatch 1 inserted at the top"
expect_list 20 $((42 + 20)) FF9A00 "the earlier row moved down"

# A double click on row 1 makes its colour the base colour.
xdotool mousemove $((FX + 20)) $((FY + 42 + 20)) click --repeat 2 --delay 80 1
wait_pixels "$shot" "the base area to show FF9A00 after the double click" $((MX + 5 + 30)) $((MY + MENUBAR + 34 + 27)) FF9A00

# Row 1 dragged onto the delete button: only the red row is left.
drag $((FX + 20)) $((FY + 42 + 20)) $((FX + 1 + 105 + 11)) $((FY + FH - 23 + 11))
screenshot "$shot"
face=$(pixel "$shot" $((FX + 60)) $((FY + 100)))
expect_list 20 $((42 + 20)) "$face" "nothing below the last row"
expect_list 20 20 FF0000 "the row left after the delete"

# Docked: the Favorites window follows the main window.
moved_from() { window_geometry "$MAIN_WIN"; echo "$WX,$WY"; [ "$WX,$WY" != "$1,$2" ]; }
docked() {
  window_geometry "$MAIN_WIN"
  local mx=$WX my=$WY mw=$WW
  window_geometry "$FAV_WIN"
  echo "Favorites at $WX,$WY, $((WX - mx - mw)) pixels right of the main window at $mx,$my"
  [ "$WY" -eq "$my" ] && [ $((WX - mx - mw)) -ge 0 ] && [ $((WX - mx - mw)) -le 4 ]
}
xdotool windowmove "$MAIN_WIN" 60 80
wait_until "the main window to move" moved_from "$MX" "$MY"
wait_until "the Favorites window to follow the main window" docked
window_geometry "$FAV_WIN"
FX=$WX; FY=$WY

exit_from_menu
# The favourites are an unsaved change to the scheme.
answer_confirm n
wait_exit
ini="$E2E_DIR/tw3.ini"
left=$(ini_value "$ini" Favs Left); top=$(ini_value "$ini" Favs Top)
[ -n "$left" ] && [ -n "$top" ] || fail "Favs place not written"
{ [ $((FX - left)) -ge 0 ] && [ $((FX - left)) -le 4 ]; } || fail "Favs Left $left, client at $FX"
{ [ $((FY - top)) -ge 0 ] && [ $((FY - top)) -le 40 ]; } || fail "Favs Top $top, client at $FY"
echo "PASS: favorites (screenshot $shot)"
