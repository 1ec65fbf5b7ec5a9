#!/usr/bin/env bash
# The windows under a real window manager, measured by their outer frames: a first start centres the main window and
# the Preferences dialog and docks Favorites and QuickPreview against the main window; the tool windows offer only a
# close button; and while Favorites stays on top, no question or dialog of the program is left under it.
source "$(dirname "$0")/lib.sh"

main_frame() { frame_geometry "$MAIN_WIN" && MFX=$OX MFY=$OY MFW=$OW MFH=$OH; }

# Checks for wait_until print what they saw when they do not hold.
centred() {
  frame_geometry "$1" || return 1
  [ "$OX" -eq $(((1280 - OW) / 2)) ] && [ "$OY" -eq $(((800 - OH) / 2)) ] || { echo "frame at $OX,$OY (${OW}x$OH)"; return 1; }
}

offers_only_close() {
  local actions
  actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
  [[ $actions == *_NET_WM_ACTION_CLOSE* && $actions != *_NET_WM_ACTION_MINIMIZE* \
    && $actions != *_NET_WM_ACTION_MAXIMIZE* ]]
}

# Opens a menu of the main window from the keyboard and waits until it shows.
open_menu() { # keys
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key --window "$MAIN_WIN" "$1"
  wait_menu >/dev/null
}

start_x

# First start, no settings file.
start_app
wait_until "the main window's frame centred on the 1280x800 screen" centred "$MAIN_WIN"
main_frame
FAV_WIN=$(wait_window Favorites)
docked_right() {
  frame_geometry "$FAV_WIN" || return 1
  [ "$OX" -eq $((MFX + MFW)) ] && [ "$OY" -eq "$MFY" ] && [ "$OH" -eq "$MFH" ] || { echo "frame at $OX,$OY, ${OH} high"; return 1; }
}
wait_until "Favorites at the main frame's right edge $((MFX + MFW)),$MFY, $MFH high" docked_right
offers_only_close "$FAV_WIN" || fail "Favorites offers more than a close button: $(xprop -id "$FAV_WIN" _NET_WM_ALLOWED_ACTIONS)"

# tbPreview, the fifth button of the main tool bar.
window_geometry "$MAIN_WIN"
xdotool mousemove $((WX + 103)) $((WY + WH - 294 + 14)) click 1
PREVIEW_WIN=$(wait_window QuickPreview)
docked_left() {
  frame_geometry "$PREVIEW_WIN" || return 1
  [ $((OX + OW)) -eq "$MFX" ] && [ "$OY" -eq "$MFY" ] || { echo "frame spans $OX..$((OX + OW)) at y $OY"; return 1; }
}
wait_until "QuickPreview to end at the main frame's left edge $MFX, at y $MFY" docked_left
offers_only_close "$PREVIEW_WIN" || fail "QuickPreview offers more than a close button: $(xprop -id "$PREVIEW_WIN" _NET_WM_ALLOWED_ACTIONS)"

open_menu alt+e
xdotool key p
PREFS_WIN=$(wait_window 'Tintwell Preferences')
wait_until "the Preferences frame centred on the screen" centred "$PREFS_WIN"
xdotool key Escape

exit_from_menu
wait_exit
ini="$E2E_DIR/tw3.ini"
[ "$(ini_value "$ini" Main Left),$(ini_value "$ini" Main Top)" = "$MFX,$MFY" ] \
  || fail "Main place written as $(ini_value "$ini" Main Left),$(ini_value "$ini" Main Top), the frame was at $MFX,$MFY"

# A place on a monitor that is gone: the window manager brings the window onto the screen, and that place is kept.
cat >"$ini" <<'EOF'
[Main]
Left=3000
Top=2000
EOF
start_app
# Brought on and settled: two looks in a row (each check runs apart, so the last look is kept in a file) find the
# frame at the same place on the screen.
on_screen() {
  local before
  before=$(cat "$E2E_DIR/last-frame" 2>/dev/null || true)
  main_frame || return 1
  echo "$MFX,$MFY" >"$E2E_DIR/last-frame"
  [ "$MFX" -lt 1280 ] && [ "$MFY" -lt 800 ] && [ "$before" = "$MFX,$MFY" ] || { echo "frame at $MFX,$MFY"; return 1; }
}
wait_until "the main window brought onto the screen" on_screen
main_frame
exit_from_menu
wait_exit
[ "$(ini_value "$ini" Main Left),$(ini_value "$ini" Main Top)" = "$MFX,$MFY" ] \
  || fail "Main place written as $(ini_value "$ini" Main Left),$(ini_value "$ini" Main Top), the frame was at $MFX,$MFY"
[ "$(ini_value "$ini" Preview Top)" = "$MFY" ] && [ "$(ini_value "$ini" Preview Left)" -lt "$MFX" ] \
  || fail "QuickPreview's place $(ini_value "$ini" Preview Left),$(ini_value "$ini" Preview Top) is not beside the main frame at $MFX,$MFY"

# Favorites always on top, over the middle of the main window, where the program's questions appear.
cat >"$ini" <<'EOF'
[Main]
Left=300
Top=150
[Favs]
Left=420
Top=300
[Prefs]
FavOnTop=1
EOF
start_app
FAV_WIN=$(wait_window Favorites)

stacking_place() { # window: its place from the bottom in the window manager's stacking order
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g' | grep -nix "$(printf '0x%x' "$1")" | cut -d: -f1
}
above_favorites() {
  local box fav
  box=$(stacking_place "$1") fav=$(stacking_place "$FAV_WIN")
  [ -n "$box" ] && [ -n "$fav" ] && [ "$box" -gt "$fav" ]
}
# A window that opened (title pattern) lies partly under where Favorites is, and above it.
check_not_covered() { # title, what it is
  local box
  box=$(wait_window "$1")
  wait_until "$2 to be framed" frame_geometry "$box"
  frame_geometry "$box"
  local bx=$OX by=$OY bw=$OW bh=$OH
  frame_geometry "$FAV_WIN" || fail "Favorites lost its frame"
  { [ "$bx" -lt $((OX + OW)) ] && [ "$OX" -lt $((bx + bw)) ] && [ "$by" -lt $((OY + OH)) ] && [ "$OY" -lt $((by + bh)) ]; } \
    || fail "$2 at $bx,$by (${bw}x$bh) does not meet Favorites at $OX,$OY (${OW}x$OH): nothing to check"
  wait_until "$2 above the Favorites window" above_favorites "$box"
}

open_menu alt+e
xdotool key p
check_not_covered 'Tintwell Preferences' "the Preferences dialog"
xdotool key Escape

xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool key --window "$MAIN_WIN" ctrl+o
check_not_covered Open "the Open Scheme dialog"
xdotool key Escape

open_menu alt+h
xdotool key Up Return
check_not_covered 'About Tintwell v3' "the About box"
xdotool key Escape

# Swatch 1 dropped into Favorites changes the scheme, so leaving asks whether to save it.
window_geometry "$MAIN_WIN"; MX=$WX MY=$((WY + WH - 294))
window_geometry "$FAV_WIN"
drag $((MX + 78 + 18)) $((MY + 34 + 18)) $((WX + 50)) $((WY + 20))
exit_from_menu
check_not_covered Confirm "the question at exit"
answer_confirm n
wait_exit
echo "PASS: window frames"
