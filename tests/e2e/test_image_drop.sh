#!/usr/bin/env bash
# Pictures dropped from another program, as from a file manager: a real X drag (Xdnd) of a file's address onto the
# main window and onto Favorites opens each picture's palette, Add to Favorites appends its colours named by their
# CSS names, and the session written at exit holds them in that order.
source "$(dirname "$0")/lib.sh"
source_exe=${TW_DRAG_SOURCE:-$(dirname "$E2E_EXE")/tests/tw_drag_source}
[ -x "$source_exe" ] || fail "$source_exe is missing: build the tw_drag_source target"
start_x
start_app

# Flat areas of CSS colours, so each comes back exactly and named: two thirds steelblue and a third orange; three
# quarters seagreen and a quarter gainsboro.
convert -size 200x150 xc:'#4682B4' -size 100x150 xc:'#FFA500' +append "$E2E_DIR/sky.png"
convert -size 200x150 xc:'#2E8B57' -size 200x50 xc:'#DCDCDC' -append "$E2E_DIR/field.png"

SOURCE_PID=""
stop_source() {
  if [ -n "$SOURCE_PID" ] && [ "$SOURCE_PID" -gt 0 ]; then kill "$SOURCE_PID" 2>/dev/null || true; fi
  SOURCE_PID=""
}
trap 'stop_source; cleanup' EXIT
source_says() { grep -x "$1" "$E2E_DIR/source.out"; }

# The other program's window, out of the way of Tintwell's, offering FILE; a press on it starts the drag.
SX=1150 SY=690
offer() { # file
  stop_source
  "$source_exe" "$1" "$SX" "$SY" 120 90 >"$E2E_DIR/source.out" 2>"$E2E_DIR/source.err" &
  SOURCE_PID=$!
  wait_until "the drag source to show $(basename "$1")" source_says READY
}

# Drags from the other program's window to a point and waits for the drop to be taken.
drop_at() { # x y
  drag $((SX + 60)) $((SY + 45)) "$1" "$2"
  wait_until "the drop to be taken" source_says DROPPED
}

# Adds the picture window's colours to Favorites with its button's accelerator.
add_to_favorites() { # picture window title
  local picture
  picture=$(wait_window "$1")
  xdotool windowactivate --sync "$picture" 2>/dev/null || true
  xdotool key --window "$picture" alt+f
}

locate
offer "$E2E_DIR/sky.png"
# Onto the main window's swatches, which take colours but not files: the window takes the file.
drop_at $((MX + 120)) $((MY + 120))
add_to_favorites 'Palette from sky\.png'
row() { echo $((FX + 20)) $((FY + 42 * $1 + 20)); }
wait_pixels "$E2E_SHOTS/image-drop.png" "the sky's colours in Favorites" $(row 0) 4682B4 $(row 1) FFA500

# The picture window is out of the way of the list; a new picture brings it back.
xdotool windowminimize --sync "$(wait_window 'Palette from sky\.png')"
offer "$E2E_DIR/field.png"
drop_at $((FX + 60)) $((FY + 42 * 3 + 20))
add_to_favorites 'Palette from field\.png'
wait_pixels "$E2E_SHOTS/image-drop.png" "the field's colours after the sky's" $(row 2) 2E8B57 $(row 3) DCDCDC
stop_source

exit_from_menu
answer_confirm n
wait_exit
favourites=$(python3 - "$E2E_DIR/session.tmp" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
count = struct.unpack_from("<H", data, 2)[0]
at = 8
for _ in range(count):
    length = struct.unpack_from("<I", data, at + 4)[0]
    text = data[at + 8:at + 8 + length].decode("latin-1")
    r, g, b = data[at + 8 + length:at + 8 + length + 3]
    print("%02X%02X%02X %s" % (r, g, b, text))
    at += 8 + length + 3 + 1 + 6 + 1
EOF
) || fail "the session could not be read"
expected="4682B4 steelblue
FFA500 orange
2E8B57 seagreen
DCDCDC gainsboro"
[ "$favourites" = "$expected" ] || fail "the session holds the favourites: $(echo $favourites), expected $(echo $expected)"
echo "PASS: palettes from dropped pictures (screenshot $E2E_SHOTS/image-drop.png)"
