#!/usr/bin/env bash
# QuickPreview through the real desktop: the toggle shows it, real mouse drags colour its page, "Save as Webpage"
# writes the page through the real file dialog, and a real browser shows the chosen colours in their cells.
source "$(dirname "$0")/lib.sh"
command -v chromium >/dev/null || fail "chromium is missing: scripts/bootstrap installs it"

start_x
start_app
window_geometry "$MAIN_WIN"
menubar=$((WH - 294))
MX=$WX
MY=$((WY + menubar))

# tbPreview, the fifth button of the main tool bar.
xdotool mousemove $((MX + 103)) $((MY + 14)) click 1
PREVIEW_WIN=$(wait_window QuickPreview)
window_geometry "$PREVIEW_WIN"
[ "$WW" -eq 333 ] && [ "$WH" -eq 274 ] || fail "QuickPreview client is ${WW}x$WH"
[ "$WX" -lt "$MX" ] || fail "QuickPreview at $WX is not left of the main window at $MX"
PX=$WX
PY=$WY
page_x() { echo $((PX + 2 + $1)); }
page_y() { echo $((PY + 24 + $1)); }


# Every cell gets a colour other than its own: header row grey onto the page, the main window's sixth swatch onto
# the body cell, the white swatch onto the navigation cell, the black one onto the header row.
drag "$(page_x 200)" "$(page_y 60)" "$(page_x 5)" "$(page_y 5)"
drag $((MX + 240)) $((MY + 148)) "$(page_x 200)" "$(page_y 180)"
drag $((PX + 321)) $((PY + 11)) "$(page_x 35)" "$(page_y 180)"
drag $((PX + 299)) $((PY + 11)) "$(page_x 200)" "$(page_y 60)"

shot="$E2E_SHOTS/quickpreview.png"
xdotool mousemove 5 5
# The page background, header row, navigation cell, body cell and the navigation cell's outline.
wait_pixels "$shot" "the page to show the dropped colours" \
  "$(page_x 5)" "$(page_y 5)" E6E6E6 \
  "$(page_x 200)" "$(page_y 60)" 000000 \
  "$(page_x 35)" "$(page_y 180)" FFFFFF \
  "$(page_x 200)" "$(page_y 180)" BAE806 \
  "$(page_x 30)" "$(page_y 150)" 000000

# Save as Webpage, through the file dialog: a name without extension gets ".html".
xdotool mousemove $((PX + 11)) $((PY + 11)) click 1
dialog=$(wait_window 'Save.*')
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool type --delay 20 "$E2E_DIR/page"
xdotool key Return
html="$E2E_DIR/page.html"
wait_file "$html"
[ "$(stat -c %s "$html")" -eq 1643 ] || fail "page.html is $(stat -c %s "$html") bytes"
[ "$(grep -c $'\r$' "$html")" -eq 42 ] || fail "page.html does not have 42 CR LF lines"
grep -q '^<body bgcolor="#E6E6E6" link="#000000" vlink="#000000">' "$html" || fail "page background not exported"
grep -q 'class="tableheader" bgcolor="#000000"' "$html" || fail "header row not exported"
grep -q 'height="140" bgcolor="#FFFFFF"' "$html" || fail "navigation cell not exported"
grep -q 'width="80%" bgcolor="#BAE806"' "$html" || fail "body cell not exported"

# The page in a real browser: the margin shows the page background, then the black-gridded table.
rendered="$E2E_SHOTS/webpage.png"
HOME="$E2E_DIR" chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --force-device-scale-factor=1 \
  --window-size=600,400 --screenshot="$rendered" "file://$html" >/dev/null 2>&1 || fail "chromium could not render the page"
[ -f "$rendered" ] || fail "chromium wrote no screenshot"
check_web() { # x y expected what
  local got
  got=$(pixel "$rendered" "$1" "$2")
  [ "$got" = "$3" ] || fail "in the browser, $4 shows $got, expected $3"
}
check_web 3 3 E6E6E6 "the page background"
check_web 3 380 E6E6E6 "the page background below the table"
# The table starts with its black grid line; the header text is centred and stays clear of its right side.
table_top=""
for y in $(seq 20 120); do
  if [ "$(pixel "$rendered" 560 "$y")" = "000000" ]; then table_top=$y; break; fi
done
[ -n "$table_top" ] || fail "in the browser, no table found"
check_web 560 $((table_top + 10)) 000000 "the header row"
check_web 15 $((table_top + 100)) FFFFFF "the navigation cell"
check_web 400 $((table_top + 130)) BAE806 "the body cell"

exit_from_menu
# The coloured page is an unsaved change to the scheme.
answer_confirm n
wait_exit
ini="$E2E_DIR/tw3.ini"
[ "$(ini_value "$ini" Preview Top)" = "$(ini_value "$ini" Main Top)" ] || fail "Preview/Top is not the main window's top"
echo "PASS: preview (screenshots $shot, $rendered)"
