#!/usr/bin/env bash
# The pictures of the README: the three windows together, and the picker magnifying a colourful desktop.
source "$(dirname "$0")/lib.sh"
start_x
root="$E2E_DIR/root.png"
convert -size 800x1280 gradient:'#1E90FF'-'#FFD700' -rotate 90 "$root"
# A patch of small tiles where the pointer will rest, so the lens has something to magnify.
convert -size 6x6 xc:'#1E90FF' -fill '#FFD700' -draw 'rectangle 0,0 2,2' -fill '#DC143C' -draw 'rectangle 3,3 5,5' \
  -write mpr:tile +delete -size 240x160 tile:mpr:tile "$E2E_DIR/tiles.png"
convert "$root" "$E2E_DIR/tiles.png" -geometry +580+220 -composite "$root"
display -window root "$root" || true  # paints the root, then reports failure
start_app
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
window_geometry "$MAIN_WIN"
menubar=$((WH - 294))

# QuickPreview shown from its tool button, a few favourites dragged in from the swatches.
xdotool mousemove $((WX + 103)) $((WY + menubar + 14)) click 1
sleep 0.5
xdotool search --onlyvisible --name '^QuickPreview$' >/dev/null || fail "QuickPreview did not open"
favs=$(xdotool search --onlyvisible --name '^Favorites$' | head -n1) || fail "no Favorites window"
window_geometry "$favs"
FX=$WX; FY=$WY
window_geometry "$MAIN_WIN"
for swatch in "126 34" "222 130" "126 178"; do
  set -- $swatch
  xdotool mousemove $((WX + $1 + 18)) $((WY + menubar + $2 + 18)) mousedown 1
  for step in 1 2 3 4 5 6; do xdotool mousemove_relative -- 5 0; sleep 0.03; done
  xdotool mousemove $((FX + 50)) $((FY + 200)); sleep 0.1
  xdotool mousemove $((FX + 52)) $((FY + 202)); sleep 0.1
  xdotool mouseup 1
  sleep 0.2
done
xdotool mousemove 640 780
sleep 0.5
screenshot "$E2E_SHOTS/readme-windows.png"

# The picker over the desktop, pointer where the blue meets the red.
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool key F3
sleep 1
xdotool mousemove 700 300
sleep 0.5
screenshot "$E2E_SHOTS/readme-picker.png"
xdotool key Escape
sleep 0.3
echo "PASS: screenshots in $E2E_SHOTS"
