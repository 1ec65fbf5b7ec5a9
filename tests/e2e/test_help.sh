#!/usr/bin/env bash
# F1 and the About box through the real desktop: a stand-in browser records what the program asks it to open.
source "$(dirname "$0")/lib.sh"
[ -f "$E2E_DIR/help/index.html" ] || fail "the build put no help/index.html beside the executable"

fakebin="$E2E_DIR/fakebin"
opened="$E2E_DIR/opened.txt"
mkdir -p "$fakebin"
cat >"$fakebin/xdg-open" <<EOS
#!/bin/sh
printf '%s\n' "\$*" >>"$opened"
EOS
chmod +x "$fakebin/xdg-open"
export PATH="$fakebin:$PATH"

opened_lines() { wc -l <"$opened"; [ "$(wc -l <"$opened")" -ge "$1" ]; }
wait_opened() { # line count
  wait_until "$1 line(s) asking to open something" opened_lines "$1"
}

start_x
START_IN=/ start_app
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool key --window "$MAIN_WIN" F1
wait_opened 1
got=$(sed -n 1p "$opened")
case "$got" in
  "$E2E_DIR/help/index.html" | "file://$E2E_DIR/help/index.html") ;;
  *) fail "F1 opened '$got', expected the help file beside the executable in $E2E_DIR" ;;
esac

# Help, About: the box appears centred, borderless, 450 x 250.
xdotool key --window "$MAIN_WIN" alt+h
wait_menu >/dev/null
xdotool key Up Return
ABOUT_WIN=$(wait_window 'About Tintwell v3')
window_geometry "$ABOUT_WIN"
[ "$WW" -eq 450 ] && [ "$WH" -eq 250 ] || fail "About box is ${WW}x$WH"
[ "$WX" -eq $(((1280 - 450) / 2)) ] && [ "$WY" -eq $(((800 - 250) / 2)) ] || fail "About box at $WX,$WY, not centred"
shot="$E2E_SHOTS/about-box.png"
wait_pixels "$shot" "the bottom band in the artwork's light grey" $((WX + 300)) $((WY + 245)) E9EDF2

# The address opens the home page and the box stays; the picture closes it.
xdotool mousemove $((WX + 420)) $((WY + 234)) click 1
wait_opened 2
[ "$(sed -n 2p "$opened")" = "http://www.tintwell.example" ] || fail "the address label opened '$(sed -n 2p "$opened")'"
sleep 0.3 # time for the box to close, were it to: it must not
visible_window 'About Tintwell v3' >/dev/null || fail "the box closed after the address was clicked"
xdotool mousemove $((WX + 300)) $((WY + 60)) click 1
wait_gone 'About Tintwell v3'

exit_from_menu
wait_exit
echo "PASS: help (screenshot $shot)"
