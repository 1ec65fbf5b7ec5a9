#!/usr/bin/env bash
# Favourites on the real window system: swatches dragged into the list with the mouse appear as painted rows,
# a double click adopts a row, a row dragged onto the delete button goes, a docked Favorites window follows
# the main window, and the window's place is written at exit.
source "$(dirname "$0")/lib.sh"
start_x
start_app

window_geometry "$MAIN_WIN"
MX=$WX; MY=$WY; MENUBAR=$((WH - 294))
FAV_WIN=$(xdotool search --name '^Favorites$' | head -n1)
[ -n "$FAV_WIN" ] || fail "Favorites window did not appear"
window_geometry "$FAV_WIN"
FX=$WX; FY=$WY; FH=$WH
[ "$WW" -eq 131 ] || fail "Favorites client width $WW, expected 131"
shot="$E2E_SHOTS/favorites.png"

list_pixel() { screenshot "$shot"; pixel "$shot" $((FX + $1)) $((FY + $2)); }
expect_list() {
  local got
  got=$(list_pixel "$1" "$2")
  [ "$got" = "$3" ] || fail "list point $1,$2 shows $got, expected $3 ($4)"
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
xdotool mousemove $((FX + 20)) $((FY + 42 + 20))
sleep 0.2
xdotool click --repeat 2 --delay 80 1
sleep 0.4
screenshot "$shot"
got=$(pixel "$shot" $((MX + 5 + 30)) $((MY + MENUBAR + 34 + 27)))
[ "$got" = "FF9A00" ] || fail "base area shows $got after the double click, expected FF9A00"

# Row 1 dragged onto the delete button: only the red row is left.
drag $((FX + 20)) $((FY + 42 + 20)) $((FX + 1 + 105 + 11)) $((FY + FH - 23 + 11))
expect_list 20 20 FF0000 "the row left after the delete"
face=$(list_pixel 60 100)
expect_list 20 $((42 + 20)) "$face" "nothing below the last row"

# Docked: the Favorites window follows the main window.
xdotool windowmove "$MAIN_WIN" 60 80
sleep 0.6
window_geometry "$MAIN_WIN"; MX=$WX; MY=$WY; MW=$WW
window_geometry "$FAV_WIN"
[ "$WY" -eq "$MY" ] || fail "Favorites window at y $WY after the move, main window at $MY"
gap=$((WX - MX - MW))
{ [ "$gap" -ge 0 ] && [ "$gap" -le 4 ]; } || fail "Favorites window $gap pixels right of the main window after the move"
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
