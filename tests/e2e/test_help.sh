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

wait_opened() { # line count
  for _ in $(seq 100); do [ -f "$opened" ] && [ "$(wc -l <"$opened")" -ge "$1" ] && return 0; sleep 0.05; done
  fail "nothing asked to open (expected $1 line(s))"
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
sleep 0.3
xdotool key Up Return
ABOUT_WIN=""
for _ in $(seq 100); do
  ABOUT_WIN=$(xdotool search --onlyvisible --name '^About Tintwell v3$' 2>/dev/null | head -n1 || true)
  [ -n "$ABOUT_WIN" ] && break
  sleep 0.05
done
[ -n "$ABOUT_WIN" ] || fail "About box did not appear"
sleep 0.3
window_geometry "$ABOUT_WIN"
[ "$WW" -eq 450 ] && [ "$WH" -eq 250 ] || fail "About box is ${WW}x$WH"
[ "$WX" -eq $(((1280 - 450) / 2)) ] && [ "$WY" -eq $(((800 - 250) / 2)) ] || fail "About box at $WX,$WY, not centred"
shot="$E2E_SHOTS/about-box.png"
screenshot "$shot"
[ "$(pixel "$shot" $((WX + 300)) $((WY + 245)))" = "E9EDF2" ] || fail "the bottom band is not the artwork's light grey"

# The address opens the home page and the box stays; the picture closes it.
xdotool mousemove $((WX + 420)) $((WY + 234)) click 1
wait_opened 2
[ "$(sed -n 2p "$opened")" = "http://www.tintwell.example" ] || fail "the address label opened '$(sed -n 2p "$opened")'"
sleep 0.3
xdotool search --onlyvisible --name '^About Tintwell v3$' >/dev/null 2>&1 || fail "the box closed after the address was clicked"
xdotool mousemove $((WX + 300)) $((WY + 60)) click 1
sleep 0.5
if xdotool search --onlyvisible --name '^About Tintwell v3$' >/dev/null 2>&1; then fail "a click on the picture left the box open"; fi

exit_from_menu
wait_exit
echo "PASS: help (screenshot $shot)"
