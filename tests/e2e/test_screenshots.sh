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
wait_window QuickPreview >/dev/null
window_geometry "$(wait_window Favorites)"
FX=$WX; FY=$WY
window_geometry "$MAIN_WIN"
# Swatches 2, 6 and 9 (FF6000, BAE806, 0C5BCE) become the list's three rows.
for swatch in "126 34" "222 130" "126 178"; do
  set -- $swatch
  drag $((WX + $1 + 18)) $((WY + menubar + $2 + 18)) $((FX + 52)) $((FY + 202))
done
xdotool mousemove 640 780
wait_pixels "$E2E_SHOTS/readme-windows.png" "the three favourites in the list" \
  $((FX + 20)) $((FY + 20)) FF6000  $((FX + 20)) $((FY + 42 + 20)) BAE806  $((FX + 20)) $((FY + 84 + 20)) 0C5BCE

# The picker over the desktop, pointer where the blue meets the red.
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool key F3
wait_window 'Screen Color Picker' >/dev/null
xdotool mousemove 700 300
# The lens centre shows the photograph's colour under the pointer.
lens_on_pointer() {
  local shot=$E2E_SHOTS/readme-picker.png lens under
  screenshot "$shot"
  lens=$(pixel "$shot" 64 43) under=$(pixel "$shot" 700 300)
  echo "lens centre $lens, desktop $under"
  [ "$lens" = "$under" ]
}
wait_until "the lens to magnify the tiles under the pointer" lens_on_pointer
xdotool key Escape
wait_window 'Tintwell v3\.1' >/dev/null
exit_from_menu
answer_confirm n
wait_exit

# The windows again on dense screens, each from a first start at its scale: QuickPreview beside the main window,
# Favorites with its hint. Positions inside the windows are logical, the screen's device pixels are `scale` times more.
for scale in 1.5 2; do
  : >"$E2E_DIR/tw3.ini"
  rm -f "$E2E_DIR/session.tmp"
  QT_SCALE_FACTOR=$scale start_app
  window_geometry "$MAIN_WIN"
  menubar=$(awk -v h="$WH" -v s="$scale" 'BEGIN { print int(h - 294 * s + 0.5) }')
  at() { awk -v o="$1" -v l="$2" -v s="$scale" 'BEGIN { print int(o + l * s) }'; }
  xdotool mousemove "$(at "$WX" 103)" "$(at $((WY + menubar)) 14)" click 1
  wait_window QuickPreview >/dev/null
  xdotool mousemove 640 790
  wait_pixels "$E2E_SHOTS/readme-windows-${scale}x.png" "the main window at scale $scale" \
    "$(at "$WX" 30)" "$(at $((WY + menubar)) 60)" FF0000  "$(at "$WX" 96)" "$(at $((WY + menubar)) 52)" FF0000
  exit_from_menu
  wait_exit
done
echo "PASS: screenshots in $E2E_SHOTS"
