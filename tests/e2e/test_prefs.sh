#!/usr/bin/env bash
# The Preferences dialog through the keyboard: open it, screenshot each page, choose the spectrum palette and
# apply; the strip changes at once and the settings file holds the choice.
source "$(dirname "$0")/lib.sh"
start_x
start_app

open_prefs() {
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key --window "$MAIN_WIN" alt+e
  sleep 0.3
  xdotool key p
  PREFS_WIN=""
  for _ in $(seq 100); do
    PREFS_WIN=$(xdotool search --onlyvisible --name '^Tintwell Preferences$' 2>/dev/null | head -n1 || true)
    [ -n "$PREFS_WIN" ] && break
    sleep 0.05
  done
  [ -n "$PREFS_WIN" ] || fail "the Preferences dialog did not open from Alt+E, P"
  sleep 0.4
}

open_prefs
window_geometry "$PREFS_WIN"
[ "$WW" -eq 472 ] && [ "$WH" -eq 347 ] || fail "dialog client area is ${WW}x$WH, expected 472x347"
PX=$WX PY=$WY

# Each page: the tree has the focus, so the arrow keys walk the pages.
for page in general favorites palette; do
  shot="$E2E_SHOTS/prefs-$page.png"
  screenshot "$shot"
  convert "$shot" -crop "${WW}x${WH}+${PX}+${PY}" +repage "$shot"
  [ "$page" = palette ] || { xdotool key Down; sleep 0.3; }
done

# On the palette page: the spectrum picture sits below its radio button, 253 x 43 at 36,116 in the group box.
# Its middle is a lit colour, unlike anything on the websafe picture's black grid lines.
mid=$(pixel "$E2E_SHOTS/prefs-palette.png" $((151 + 4 + 36 + 126)) $((34 + 9 + 116 + 10)))
[ "$mid" != "000000" ] && [ "$mid" != "$(pixel "$E2E_SHOTS/prefs-palette.png" 5 340)" ] || fail "no spectrum picture ($mid)"

# Tab from the tree reaches the page's first radio button; Down moves to "Spectrum Palette:"; Enter applies.
xdotool key Tab
sleep 0.1
xdotool key Down
sleep 0.1
xdotool key Return
sleep 0.5
if xdotool search --onlyvisible --name '^Tintwell Preferences$' >/dev/null 2>&1; then fail "Apply left the dialog open"; fi
ini="$E2E_DIR/tw3.ini"
[ "$(ini_value "$ini" Prefs Palette)" = "1" ] || fail "Palette is '$(ini_value "$ini" Prefs Palette)', expected 1"

# The strip below the swatches now shows the spectrum: hue runs left to right, so the left and right
# thirds differ in colour at the same height.
window_geometry "$MAIN_WIN"
menubar=$((WH - 294))
shot="$E2E_SHOTS/prefs-applied-main.png"
screenshot "$shot"
left=$(pixel "$shot" $((WX + 3 + 40)) $((WY + menubar + 223 + 20)))
right=$(pixel "$shot" $((WX + 3 + 200)) $((WY + menubar + 223 + 20)))
[ "$left" != "$right" ] || fail "palette strip did not change to the spectrum ($left, $right)"

# Reopening shows the General page again, with the choice kept; Esc closes it without writing.
open_prefs
before=$(md5sum <"$ini")
screenshot "$E2E_SHOTS/prefs-reopened.png"
xdotool key Escape
sleep 0.4
if xdotool search --onlyvisible --name '^Tintwell Preferences$' >/dev/null 2>&1; then fail "Esc left the dialog open"; fi
[ "$(md5sum <"$ini")" = "$before" ] || fail "Esc wrote the settings file"

exit_from_menu
wait_exit
echo "PASS: prefs (screenshots in $E2E_SHOTS)"
