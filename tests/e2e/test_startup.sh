#!/usr/bin/env bash
# Start in a fresh folder, check the window and the swatches on screen, exit through the menu, restart in place.
source "$(dirname "$0")/lib.sh"
start_x
start_app

window_geometry "$MAIN_WIN"
[ "$WW" -eq 263 ] || fail "client width $WW, expected 263"
menubar=$((WH - 294))
{ [ "$menubar" -ge 15 ] && [ "$menubar" -le 40 ]; } || fail "client height $WH is not a menu bar plus 294"

# The traditional-wheel scheme of pure red, swatches 1..16 at their grid places.
expected=(FF0000 FF6000 FF9A00 FFCD00 FEFF00 BAE806 2ECE0C 0C99CE 0C5BCE 1F0CCE 800CCE CE0C82 FF3333 FF6666 41F21B 69F54B)
xs=(78 126 174 222 222 222 222 174 126 78 78 78 126 174 174 126)
ys=(34 34 34 34 82 130 178 178 178 178 130 82 82 82 130 130)
checks=()
for i in $(seq 0 15); do checks+=($((WX + xs[i] + 18)) $((WY + menubar + ys[i] + 18)) "${expected[i]}"); done
shot="$E2E_SHOTS/main-window.png"
wait_pixels "$shot" "the 16 swatches of pure red's scheme" "${checks[@]}"
# Reading a picture file by name loads every image-format plug-in the toolkit has, a large part of a start-up:
# the windows shown at start read none.
plugins=$(grep -o '/imageformats/[^ ]*' "/proc/$E2E_APP/maps" | sort -u | paste -sd, || true)
[ -z "$plugins" ] || fail "image-format plug-ins loaded at start-up: $plugins"

exit_from_menu
wait_exit
ini="$E2E_DIR/tw3.ini"
[ -f "$ini" ] || fail "tw3.ini was not written"
[ "$(ini_value "$ini" Main BaseColor)" = "255" ] || fail "BaseColor not written"
top1=$(ini_value "$ini" Main Top); left1=$(ini_value "$ini" Main Left)

# A second run starts where the first one ended and, untouched, ends there again.
start_app
exit_from_menu
wait_exit
top2=$(ini_value "$ini" Main Top); left2=$(ini_value "$ini" Main Left)
[ "$top1" = "$top2" ] && [ "$left1" = "$left2" ] || fail "window drifted from $left1,$top1 to $left2,$top2"
echo "PASS: startup (screenshot $shot)"
