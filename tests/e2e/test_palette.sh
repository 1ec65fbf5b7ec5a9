#!/usr/bin/env bash
# Palettes through the File menu and the real dialogs: the scheme exported as a GIMP palette under a name typed
# without extension (the chosen filter's is added), that file imported into the Favorites list; and with "More
# copy formats" on, a swatch's copy menu ends with the oklch() form.
source "$(dirname "$0")/lib.sh"
printf '[Prefs]\r\nMoreCopyFormats=1\r\n' >"$E2E_DIR/tw3.ini"
start_x
start_app

window_geometry "$MAIN_WIN"
MX=$WX; MY=$((WY + WH - 294))

file_menu() { # mnemonic
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key --window "$MAIN_WIN" alt+f
  wait_menu >/dev/null
  xdotool key "$1"
}

# Export Palette: the set dialog answered from the keyboard (the scheme is chosen first), then the save dialog.
file_menu e
wait_window 'Export Palette' >/dev/null
xdotool key Return
dialog=$(wait_window 'Save As')
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool type --delay 20 "$E2E_DIR/scheme"
xdotool key Return
wait_file "$E2E_DIR/scheme.gpl"
[ "$(head -n1 "$E2E_DIR/scheme.gpl")" = "GIMP Palette" ] || fail "not a GIMP palette: $(head -n3 "$E2E_DIR/scheme.gpl")"
grep -q $'^255   0   0\tBase$' "$E2E_DIR/scheme.gpl" || fail "no base colour line in $(cat "$E2E_DIR/scheme.gpl")"

# Import Palette: the sixteen colours join the empty Favorites list, the base first.
file_menu i
dialog=$(wait_window Open)
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool type --delay 20 "$E2E_DIR/scheme.gpl"
xdotool key Return
window_geometry "$(wait_window Favorites)"
wait_pixels "$E2E_SHOTS/palette-imported.png" "the imported base (FF0000) and ring colour (FF6000) in the Favorites list" \
  $((WX + 20)) $((WY + 20)) FF0000 $((WX + 20)) $((WY + 42 + 20)) FF6000

# Swatch 2 (FF6000): "Copy..." opened with the mouse, its last entry chosen from the keyboard.
xdotool mousemove $((MX + 126 + 18)) $((MY + 34 + 18)) click 3
pop=$(wait_menu)
window_geometry "$pop"
xdotool mousemove $((WX + 30)) $((WY + 11))
wait_menu "$pop" >/dev/null
xdotool key Up Return
wait_no_menus
wait_clipboard "oklch(0.6884 0.20891 41.7)" "swatch, oklch()"
echo "PASS: palette (screenshot $E2E_SHOTS/palette-imported.png)"
