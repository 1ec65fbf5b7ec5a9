#!/usr/bin/env bash
# The scheme carried to the next run: favourites and a page colour set with the real mouse, the exit question
# answered Yes with a name typed into the real save dialog, then a restart in the same folder shows the same
# favourites (the first selected) and page, and ends without a question.
source "$(dirname "$0")/lib.sh"

start_x
start_app

swatch_x() { echo $((MX + $1 + 18)); }
swatch_y() { echo $((MY + $1 + 18)); }

show_preview() { # sets PX PY, the page's top left
  xdotool mousemove $((MX + 103)) $((MY + 14)) click 1
  window_geometry "$(wait_window QuickPreview)"
  PX=$((WX + 2))
  PY=$((WY + 24))
}



locate
# Swatch 6 (BAE806) into the empty list, swatch 8 (0C99CE) below it, swatch 7 (2ECE0C) onto the page's body cell.
drag "$(swatch_x 222)" "$(swatch_y 130)" $((FX + 60)) $((FY + 20))
drag "$(swatch_x 174)" "$(swatch_y 178)" $((FX + 60)) $((FY + 70))
show_preview
drag "$(swatch_x 222)" "$(swatch_y 178)" $((PX + 200)) $((PY + 180))

# Yes to the question; a typed name without extension gets the scheme extension.
exit_from_menu
answer_confirm Return
dialog=$(wait_window 'Save As')
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool type --delay 20 "$E2E_DIR/mine"
xdotool key Return
wait_exit
scheme="$E2E_DIR/mine.tw"
session="$E2E_DIR/session.tmp"
[ -f "$scheme" ] || fail "no scheme file $scheme: $(ls "$E2E_DIR")"
[ -f "$session" ] || fail "no session file"
# Two favourites whose texts are seven characters: 44 + 2 * (19 + 7) bytes.
[ "$(stat -c %s "$session")" -eq 96 ] || fail "session is $(stat -c %s "$session") bytes"
cmp -s "$scheme" "$session" || fail "the scheme file and the session differ"
[ "$(od -An -tx1 -N4 "$session" | tr -d ' ')" = "03000200" ] || fail "session header $(od -An -tx1 -N4 "$session")"

# The next run in the same folder.
start_app
locate
show_preview
xdotool mousemove 5 5
shot="$E2E_SHOTS/session-restored.png"
wait_pixels "$shot" "the two favourites' swatches and the page's body cell as they were left" \
  $((FX + 20)) $((FY + 20)) BAE806 \
  $((FX + 20)) $((FY + 42 + 20)) 0C99CE \
  $((PX + 200)) $((PY + 180)) 2ECE0C
# The first row is the selected one: its background is the highlight, the second row's the plain face.
first=$(pixel "$shot" $((FX + 105)) $((FY + 2)))
second=$(pixel "$shot" $((FX + 105)) $((FY + 42 + 2)))
[ "$first" != "$second" ] || fail "first and second rows look alike ($first): the first is not selected"

# Open finds the scheme by its name typed without the extension. Swatch 2 clicked first, so that the file's base
# colour (red) showing again proves it was read.
xdotool mousemove "$(swatch_x 126)" "$(swatch_y 34)" click 1
wait_pixels "$shot" "the base area to show swatch 2's FF6000" $((MX + 5 + 30)) $((MY + 34 + 27)) FF6000
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool key --window "$MAIN_WIN" ctrl+o
dialog=$(wait_window Open)
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool type --delay 20 "$E2E_DIR/mine"
xdotool key Return
wait_pixels "$shot" "the base area to show the scheme's FF0000 after opening \"mine\"" $((MX + 5 + 30)) $((MY + 34 + 27)) FF0000

# Nothing changed in this run: no question at exit.
exit_from_menu
wait_exit
cmp -s "$scheme" "$session" || fail "the session changed in a run without changes"

# A session that cannot be replaced at exit is reported, and the program ends once the message is read.
start_app
rm "$session"
mkdir "$session"
exit_from_menu
box=$(wait_window 'Tintwell v3')
sleep 1 # long enough for the message to vanish or the program to end, were either to happen: neither must
xdotool search --onlyvisible --name '^Tintwell v3$' >/dev/null 2>&1 || fail "the session message did not stay up"
kill -0 "$E2E_APP" 2>/dev/null || fail "the program ended under its message"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return
wait_exit
[ -d "$session" ] || fail "the session folder was replaced"
echo "PASS: session (screenshot $shot)"
