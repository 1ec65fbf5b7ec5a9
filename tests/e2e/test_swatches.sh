#!/usr/bin/env bash
# The mouse on the real window system: a swatch click adopts its colour (the primary button is up by then),
# a small drag adopts nothing, the websafe warning snaps the colour, the palette strip previews and restores;
# a quick second click acts as a slow one, and a click followed at once by a drag drags.
source "$(dirname "$0")/lib.sh"
start_x
start_app

window_geometry "$MAIN_WIN"
MX=$WX; MY=$WY; MENUBAR=$((WH - 294))
shot="$E2E_SHOTS/swatches.png"

expect_base() {
  wait_pixels "$shot" "the base area to show $1 ($2)" $((MX + 5 + 30)) $((MY + MENUBAR + 34 + 27)) "$1"
}
expect_swatch1() {
  wait_pixels "$shot" "swatch 1 to show $1 ($2)" $((MX + 78 + 18)) $((MY + MENUBAR + 34 + 18)) "$1"
}

# Swatch 2 of pure red's scheme is FF6000.
xdotool mousemove $((MX + 126 + 18)) $((MY + MENUBAR + 34 + 18)) click 1
expect_swatch1 FF6000 "a click on swatch 2"

# Press on swatch 5, move 3 pixels, release: a cancelled drag, no new base colour.
xdotool mousemove $((MX + 222 + 10)) $((MY + MENUBAR + 82 + 10)) mousedown 1
xdotool mousemove_relative 3 0
xdotool mouseup 1
sleep 0.4 # time for the release to adopt a colour, were it to: it must not
expect_swatch1 FF6000 "press, small move, release"

# FF6000 is not websafe: the warning triangle makes it FF6600.
xdotool mousemove $((MX + 5 + 8)) $((MY + MENUBAR + 175 + 8)) click 1
expect_swatch1 FF6600 "a click on the websafe warning"

# Hovering over the cell 663333 of the palette previews it; moving away restores the base.
xdotool mousemove $((MX + 3 + 55)) $((MY + MENUBAR + 223 + 20))
expect_base 663333 "hovering over the palette"
xdotool mousemove $((MX + 150)) $((MY + MENUBAR + 283))
expect_base FF6600 "after leaving the palette"

# Two clicks 120 ms apart on swatch 2 (the second arrives as a double click): FF6600, then FF9F00, then FFD200.
xdotool mousemove $((MX + 126 + 18)) $((MY + MENUBAR + 34 + 18)) click --repeat 2 --delay 120 1
expect_swatch1 FFD200 "a quick double click on swatch 2"

# A click on swatch 1 and at once a press there dragged into the Favorites list: the base colour is its first row.
window_geometry "$(wait_window Favorites)"
xdotool mousemove $((MX + 78 + 18)) $((MY + MENUBAR + 34 + 18)) click 1
drag $((MX + 78 + 18)) $((MY + MENUBAR + 34 + 18)) $((WX + 50)) $((WY + 20))
wait_pixels "$shot" "Favorites' first row to show FFD200 after a click and a drag" $((WX + 20)) $((WY + 20)) FFD200
echo "PASS: swatches"
