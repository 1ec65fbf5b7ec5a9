#!/usr/bin/env bash
# Every colour task by the keyboard alone on the real window system: the swatch grid and the base area, the palette
# strip, pop-up menus from the Menu key and Shift+F10, the Favorites list (selection, paste, move, choose, delete),
# F6 between the windows, the sample page's parts and pasting onto them, saving the page from its button, and the
# screen picker aimed with the arrow keys. The results are read from the program's own outputs: the clipboard, the
# settings, the session and the page it writes.
source "$(dirname "$0")/lib.sh"
start_x
xsetroot -solid '#4A7B2C'
# Deleting a favourite asks first.
printf '[Prefs]\nFavDelWarn=1\n' >"$E2E_DIR/tw3.ini"
start_app
FAV_WIN=$(wait_window Favorites)

key() { xdotool key --delay 40 "$@"; }
# Ctrl+C on whatever has the focus, then the clipboard must hold the text.
copied() { # text description
  key ctrl+c
  wait_clipboard "$1" "$2"
}
put_clipboard() { printf '%s' "$1" | xclip -selection clipboard; wait_clipboard "$1"; }
active_is() { local id; id=$(xdotool getactivewindow); echo "$(xdotool getwindowname "$id")"; [ "$id" = "$1" ]; }
# An answered question or message gives the keyboard back to the window that asked.
back_in() { wait_until "the keyboard back in the window that asked" active_is "$1"; }
# F6 until the window is the active one, each press waited for: a window that does not come is a failure.
f6_to() { # window id
  local i
  for i in 1 2 3; do
    active_is "$1" >/dev/null && return 0
    local before
    before=$(xdotool getactivewindow)
    key F6
    wait_until "F6 to move on from the active window" not active_is "$before"
  done
  wait_until "F6 to reach the window $1" active_is "$1"
}

xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
wait_until "the main window to be active" active_is "$MAIN_WIN"

# The fields first, then the base area, then the swatch grid: swatch 3 of pure red's scheme is FF9A00.
key Tab Tab Tab Tab
copied FF0000 "the base area"
key Tab Right Right
copied FF9A00 "swatch 3"
key Return
key shift+Tab
copied FF9A00 "the base area after Enter on swatch 3"
# The base area's pop-up menu from the Menu key: Add to Favorites.
key Menu
wait_menu >/dev/null
key f
wait_no_menus

# The palette strip: row 3, column 8 of the websafe grid is 663333; Space picks it.
key Tab Tab
copied 000000 "the palette's first cell"
key Down Right Right Right Right Right Right Right Down
copied 663333 "the palette cell in row 3, column 8"
key space
key shift+Tab shift+Tab
copied 663333 "the base area after Space on the palette"
key shift+F10
wait_menu >/dev/null
key f
wait_no_menus

# Favorites: F6 brings the keyboard to the list, whose second favourite (663333) is selected.
f6_to "$FAV_WIN"
copied 663333 "the selected favourite"
key Home
copied FF9A00 "the first favourite"
# A pasted colour goes after the selected one and is selected; Alt+Up moves it to the top; Enter makes it the base.
put_clipboard '#123456'
key ctrl+v
copied 123456 "the pasted favourite"
key alt+Up Return
key End
copied 663333 "the last favourite"
# Delete asks first: No keeps it, Yes deletes it.
key Delete
answer_confirm n
back_in "$FAV_WIN"
copied 663333 "the favourite kept by No"
key Delete
answer_confirm y
back_in "$FAV_WIN"
copied FF9A00 "the selection after the delete"
# Text that is no colour is refused with a message, and the list stays as it is.
put_clipboard 'not a colour'
key ctrl+v
message=$(wait_window 'Tintwell v3')
key Return
wait_gone 'Tintwell v3'
back_in "$FAV_WIN"
key Up
copied 123456 "the first favourite after the refused paste"

# QuickPreview from the Tools menu, then F6 to its page: the header takes a pasted colour, as a drop gives it.
f6_to "$MAIN_WIN"
copied 123456 "the base area after Enter in Favorites"
key alt+t Down Down Down Down Return
PREVIEW_WIN=$(wait_window QuickPreview)
f6_to "$PREVIEW_WIN"
key Tab
put_clipboard '#A0B0C0'
key ctrl+v
key Right
copied E6E6E6 "the table header's background, next after the header"
key Left
copied A0B0C0 "the header after the paste"
# Back past the first part to the page's buttons: Save as Webpage by Space, the file named by typing, saved by Enter.
key shift+Tab shift+Tab shift+Tab space
dialog=$(wait_window 'Save.*')
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool type --delay 20 "$E2E_DIR/keys"
key Return
wait_file "$E2E_DIR/keys.html"
wait_gone 'Save.*'
grep -q 'Page Header: #A0B0C0' "$E2E_DIR/keys.html" || fail "the saved page lacks the pasted header colour"
grep -q 'class="tableheader" bgcolor="#E6E6E6"' "$E2E_DIR/keys.html" || fail "the saved page lacks the table header"
back_in "$PREVIEW_WIN"
# Shift+F6 goes back the other way: QuickPreview, Favorites, main.
key shift+F6
wait_until "Shift+F6 to reach Favorites" active_is "$FAV_WIN"
key shift+F6
wait_until "Shift+F6 to reach the main window" active_is "$MAIN_WIN"

# The picker aimed by keys: three pixels right and ten down from where the pointer was, Enter picks there.
xdotool mousemove 1000 600
key F3
wait_window 'Screen Color Picker' >/dev/null
wait_pixel 60 43 B584D3 "the picker's lens"
key Right Right Right shift+Down
pointer_at() { local at; at=$(xdotool getmouselocation | awk '{print $1 "," $2}'); echo "$at"; [ "$at" = "x:$1,y:$2" ]; }
wait_until "the pointer to move by the arrow keys" pointer_at 1003 610
key Return
MAIN_WIN=$(wait_window 'Tintwell v3\.1')
wait_until "the main window to be active after the pick" active_is "$MAIN_WIN"
copy_base_entry 0
wait_clipboard 4A7B2C "the base colour picked by Enter"

exit_from_menu
answer_confirm n
wait_exit
ini="$E2E_DIR/tw3.ini"
[ "$(ini_value "$ini" Main BaseColor)" = "$((0x2C7B4A))" ] || fail "BaseColor $(ini_value "$ini" Main BaseColor)"
# The session carries the favourites in their new order and the page's pasted header colour.
python3 - "$E2E_DIR/session.tmp" <<'EOF' || fail "the session does not hold what the keys made"
import struct, sys
data = open(sys.argv[1], "rb").read()
count = struct.unpack_from("<H", data, 2)[0]
at, texts = 8, []
for _ in range(count):
    length = struct.unpack_from("<I", data, at + 4)[0]
    texts.append(data[at + 8:at + 8 + length].decode("latin-1"))
    at += 8 + length + 3 + 1 + 6 + 1
header = struct.unpack_from("<I", data, at)[0]
print("favourites", texts, "header %06X" % header)
sys.exit(0 if texts == ["#123456", "#FF9A00"] and header == 0xC0B0A0 else 1)
EOF
echo "PASS: keyboard"
