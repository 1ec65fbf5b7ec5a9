#!/usr/bin/env bash
# The screen picker on a desktop at scale 2: the photograph is shown in the screen's own device pixels, the lens
# magnifies them and a click picks the one device pixel under the pointer. The desktop is a checkerboard of single
# device pixels, black where x + y is even: anything that went through logical pixels would show and pick grey.
source "$(dirname "$0")/lib.sh"
export QT_SCALE_FACTOR=2
start_x
cat >"$E2E_DIR/checker.xbm" <<'XBM'
#define checker_width 8
#define checker_height 2
static unsigned char checker_bits[] = {
   0x55, 0xaa};
XBM
xsetroot -bitmap "$E2E_DIR/checker.xbm" -fg black -bg white
start_app

pick_at() { # device x, device y, expected RRGGBB
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key F3
  wait_window 'Screen Color Picker' >/dev/null
  xdotool mousemove "$1" "$2"
  # Shown one to one: the checkerboard itself where the photograph lies, and the lens (the panel's top-left corner
  # at 8,8 logical, the lens 2 pixels further in, its middle block 49..60 by 27..40) showing the pointer's pixel
  # as a flat block of device pixels around its centre.
  wait_pixels "$E2E_SHOTS/picker-dense-$3.png" "the picker to show the checkerboard and magnify $1,$2 as $3" \
    900 500 000000  901 500 FFFFFF  900 501 FFFFFF  $(((8 + 2 + 50) * 2)) $(((8 + 2 + 29) * 2)) "$3" \
    $(((8 + 2 + 59) * 2 + 1)) $(((8 + 2 + 39) * 2 + 1)) "$3"
  xdotool click 1
  wait_window 'Tintwell v3\.1' >/dev/null
  copy_base_entry 0
  wait_clipboard "$3" "the colour of device pixel $1,$2"
}

pick_at 1101 651 000000
pick_at 1102 651 FFFFFF
pick_at 1102 652 000000

exit_from_menu
wait_exit
echo "PASS: picker at scale 2 (screenshots in $E2E_SHOTS)"
