#!/usr/bin/env bash
# The program in German and in the C locale through the same main paths: started, the base colour lightened from
# the keyboard, a favourite and a page colour dragged in, QuickPreview's page and the scheme saved through the real
# dialogs, then another favourite and the exit question answered No. In German the windows, menus, dialogs and what a screen
# reader hears read back in German; every file the two runs wrote is the same, byte for byte.
source "$(dirname "$0")/lib.sh"

# A session bus of the test's own, for reading the windows through AT-SPI (see test_accessibility.sh).
E2E_BUS=""
end_bus() {
  if [ -n "$E2E_BUS" ] && [ "$E2E_BUS" -gt 0 ]; then kill "$E2E_BUS" 2>/dev/null || true; fi
  cleanup
}
trap end_bus EXIT
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$E2E_DIR/bus-address" 4>"$E2E_DIR/bus-pid"
E2E_BUS=$(head -n1 "$E2E_DIR/bus-pid")
[[ $E2E_BUS =~ ^[0-9]+$ ]] && [ "$E2E_BUS" -gt 0 ] || fail "no session bus: $E2E_BUS"
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_DIR/bus-address")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

start_x

base_pixel() { screenshot "$E2E_DIR/base.png"; pixel "$E2E_DIR/base.png" $((MX + 5 + 30)) $((MY + 34 + 27)); }
base_is_not() { local got; got=$(base_pixel); echo "$got"; [ "$got" != "$1" ]; }

names() { /usr/bin/python3 "$(dirname "$0")/atspi_names.py" "Tintwell v3"; }
# Every line given (one a line in $1) begins a name the windows show: a colour area's name goes on with its value.
heard_all() {
  local got expected missing=""
  got=$(names)
  while IFS= read -r expected; do
    grep -q -e "^$expected\(,.*\)\?\$" <<<"$got" || missing+="$expected; "
  done <<<"$1"
  echo "${missing:-all heard}"
  [ -z "$missing" ]
}

run() { # language
  local out="$E2E_DIR/out-$1" expected save_as dialog locale
  mkdir -p "$out"
  rm -f "$E2E_DIR/session.tmp"
  : >"$E2E_DIR/tw3.ini"
  if [ "$1" = de ]; then
    locale=(LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE=de)
    # "Bestätigen", its umlaut matched as any character: xdotool compares the title as the window holds it.
    E2E_FAVORITES=Favoriten E2E_CONFIRM="Best.*tigen" E2E_EXIT_KEYS=db save_as="Speichern unter"
    expected=$'Datei\nBearbeiten\nFarbe\nExtras\nHilfe\nBasisfarbe\nRot\nGrün\nBlau\nHexadezimal\nFavoriten\nBeispielseite\nFarbfeld 1'
  else
    locale=(LANG=C LC_ALL=C LANGUAGE=)
    E2E_FAVORITES=Favorites E2E_CONFIRM=Confirm E2E_EXIT_KEYS=fx save_as="Save As"
    expected=$'File\nEdit\nAdjust\nTools\nHelp\nBase color\nRed\nGreen\nBlue\nHexadecimal\nFavorite colors\nSample page\nSwatch 1'
  fi
  # The language is the program's alone: the tools that drive and read it keep theirs.
  (cd "$E2E_DIR" && exec env "${locale[@]}" "$E2E_DIR/tintwell") &
  E2E_APP=$!
  wait_main_window
  locate

  # Lighter by the step, from the keyboard.
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key --window "$MAIN_WIN" ctrl+l
  wait_until "the base colour lightened" base_is_not FF0000
  # A favourite and a page colour, QuickPreview shown from its button.
  drag $((MX + 222 + 18)) $((MY + 130 + 18)) $((FX + 60)) $((FY + 20))
  xdotool mousemove $((MX + 103)) $((MY + 14)) click 1
  window_geometry "$(wait_window QuickPreview)"
  local px=$((WX + 2)) py=$((WY + 24))
  drag $((MX + 222 + 18)) $((MY + 178 + 18)) $((px + 200)) $((py + 180))
  wait_until "the windows read back in this language" heard_all "$expected"

  # The page, then the scheme, saved through the toolkit's own dialogs, in this language.
  xdotool mousemove $((WX + 11)) $((WY + 11)) click 1
  dialog=$(wait_window "$save_as")
  xdotool windowactivate --sync "$dialog" 2>/dev/null || true
  xdotool type --delay 20 "$E2E_DIR/page.html"
  xdotool key Return
  wait_file "$E2E_DIR/page.html"
  # The file is written before the dialog's window is taken down: the next dialog has the same title.
  wait_gone "$save_as"
  dialog=$(key_until_window "$save_as" ctrl+s)
  xdotool windowactivate --sync "$dialog" 2>/dev/null || true
  xdotool type --delay 20 "$E2E_DIR/mine.tw"
  xdotool key Return
  wait_file "$E2E_DIR/mine.tw"

  # A second favourite changes the scheme: the question at exit, answered No.
  drag $((MX + 174 + 18)) $((MY + 178 + 18)) $((FX + 60)) $((FY + 70))
  exit_from_menu
  answer_confirm n
  wait_exit
  mv "$E2E_DIR/page.html" "$E2E_DIR/mine.tw" "$E2E_DIR/session.tmp" "$out/"
  cp "$E2E_DIR/tw3.ini" "$out/"
}

run C
run de
for file in page.html mine.tw session.tmp tw3.ini; do
  cmp "$E2E_DIR/out-C/$file" "$E2E_DIR/out-de/$file" || fail "$file differs between C and German"
done
echo "PASS: languages"
