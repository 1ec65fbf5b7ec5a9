#!/usr/bin/env bash
# The windows' places at the scales desktops use, measured in the screen's device pixels by their outer frames: a
# first start centres the main window and docks Favorites and QuickPreview against it to the pixel; the next start
# puts every window back where the first left it, to the pixel where the place is a whole logical pixel (the
# settings keep logical places) and else on the device pixel beside it, still docked; from then on, start after
# start, nothing moves.
source "$(dirname "$0")/lib.sh"

centred() {
  frame_geometry "$MAIN_WIN" || return 1
  [ "$OX" -eq $(((1280 - OW) / 2)) ] && [ "$OY" -eq $(((800 - OH) / 2)) ] || { echo "frame at $OX,$OY (${OW}x$OH)"; return 1; }
}
docked() {
  frame_geometry "$MAIN_WIN" || return 1
  local mx=$OX my=$OY mw=$OW
  frame_geometry "$FAV_WIN" || return 1
  [ "$OX" -eq $((mx + mw)) ] && [ "$OY" -eq "$my" ] || { echo "Favorites at $OX,$OY, main frame $mx..$((mx + mw)) at $my"; return 1; }
  frame_geometry "$PREVIEW_WIN" || return 1
  [ $((OX + OW)) -eq "$mx" ] && [ "$OY" -eq "$my" ] || { echo "QuickPreview spans $OX..$((OX + OW)) at $OY"; return 1; }
}
places() {
  local out=""
  for w in "$MAIN_WIN" "$FAV_WIN" "$PREVIEW_WIN"; do frame_geometry "$w" || return 1; out+="$OX,$OY "; done
  echo "$out"
}
at_places() { local now; now=$(places) || return 1; echo "$now"; [ "$now" = "$1" ]; }
# Each coordinate of two lists of places at most one device pixel apart.
near() {
  local a=($(tr ', ' '  ' <<<"$1")) b=($(tr ', ' '  ' <<<"$2")) i d
  for i in "${!a[@]}"; do d=$((a[i] - b[i])); [ "${d#-}" -le 1 ] || return 1; done
}

start_x
for scale in 1.25 1.5 2 3; do
  export QT_SCALE_FACTOR=$scale
  : >"$E2E_DIR/tw3.ini"
  expected=""
  for run in 1 2 3; do
    start_app
    FAV_WIN=$(wait_window Favorites)
    # tbPreview, the fifth button of the main tool bar, in logical pixels from the client area's top-left corner.
    window_geometry "$MAIN_WIN"
    xdotool mousemove "$(awk -v x="$WX" -v s="$scale" 'BEGIN { print int(x + 103 * s) }')" \
      "$(awk -v y="$WY" -v h="$WH" -v s="$scale" 'BEGIN { print int(y + h - 294 * s + 14 * s) }')" click 1
    PREVIEW_WIN=$(wait_window QuickPreview)
    if [ "$run" = 1 ]; then
      wait_until "the main window's frame centred on the screen at scale $scale" centred
      wait_until "Favorites and QuickPreview docked to the pixel at scale $scale" docked
      first=$(places)
    elif [ "$run" = 2 ]; then
      wait_until "Favorites and QuickPreview docked to the pixel at scale $scale, start 2" docked
      expected=$(places)
      near "$expected" "$first" || fail "at scale $scale the second start put the windows at $expected, the first at $first"
    else
      wait_until "the windows back at $expected at scale $scale, start $run" at_places "$expected"
    fi
    exit_from_menu
    wait_exit
  done
done
echo "PASS: window frames at scales 1.25, 1.5, 2 and 3"
