# Shared helpers for whole-program tests: a private X server with a window manager and a fresh program folder.
set -euo pipefail

E2E_EXE="$(realpath "$1")"
# Tests type paths in this folder into file dialogs, and xdotool now and then drops a shifted key: the name has
# lower-case letters and digits only (mktemp's names mix the cases).
until E2E_DIR="/tmp/tintwell-e2e.$(od -An -N6 -tx1 /dev/urandom | tr -d ' \n')" && mkdir -m 700 "$E2E_DIR" 2>/dev/null; do :; done
E2E_SHOTS="${E2E_SHOTS:-$(dirname "$E2E_EXE")/e2e-shots}"
mkdir -p "$E2E_SHOTS"
cp "$E2E_EXE" "$E2E_DIR/tintwell"
for folder in help translations; do
  if [ -d "$(dirname "$E2E_EXE")/$folder" ]; then cp -r "$(dirname "$E2E_EXE")/$folder" "$E2E_DIR/"; fi
done
# A portable copy: a settings file beside the program keeps the settings and the session in this folder, where the
# tests read them, and out of the home of whoever runs the tests.
: >"$E2E_DIR/tw3.ini"

fail() { echo "FAIL: $*" >&2; exit 1; }

# What the windows and keys are called in the language the program runs in; a test in another language sets them.
E2E_FAVORITES=Favorites # the Favorites window's title
E2E_CONFIRM=Confirm     # the question's title
E2E_EXIT_KEYS=fx        # the File menu's and its Exit entry's accelerators

# Every wait gives up after this many seconds. A wait ends as soon as its result shows, so a generous limit costs
# nothing on a quick machine and keeps a busy one (a parallel build, the other tests) from failing a sound program.
E2E_TIMEOUT="${E2E_TIMEOUT:-30}"

# Runs a check until it succeeds, then leaves its output in WAITED. At the time limit the test fails naming what it
# waited for and what the check saw last (its output).
wait_until() { # description check [arguments...]
  local what=$1 deadline
  shift
  deadline=$((${EPOCHREALTIME//[!0-9]/} + E2E_TIMEOUT * 1000000))
  until WAITED=$("$@" 2>/dev/null); do
    [ "${EPOCHREALTIME//[!0-9]/}" -lt "$deadline" ] || fail "gave up after ${E2E_TIMEOUT}s waiting for $what${WAITED:+ (saw: $WAITED)}"
    sleep 0.05
  done
}

# The server picks a free display itself and writes its number down, so tests running side by side on this machine
# cannot take the same one.
start_x() {
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$E2E_DIR/display" >/dev/null 2>&1 &
  E2E_XVFB=$!
  wait_until "the X server to start" grep -x '[0-9]\+' "$E2E_DIR/display"
  export DISPLAY=":$WAITED"
  # A window shown while the window manager is still starting may never be mapped: it signals once it runs.
  openbox --startup "touch $E2E_DIR/wm-running" >"$E2E_DIR/openbox.log" 2>&1 &
  E2E_WM=$!
  wait_until "the window manager" window_manager_running
}
window_manager_running() {
  kill -0 "$E2E_WM" || { echo "openbox ended: $(tail -n1 "$E2E_DIR/openbox.log")"; return 1; }
  [ -e "$E2E_DIR/wm-running" ]
}

E2E_APP=""
cleanup() {
  [ -n "$E2E_APP" ] && kill "$E2E_APP" 2>/dev/null || true
  kill "${E2E_WM:-}" "${E2E_XVFB:-}" 2>/dev/null || true
  rm -rf "$E2E_DIR"
}
trap cleanup EXIT

# A shown window of the program titled exactly TITLE (a regular expression), pop-ups aside: prints its id.
visible_window() { # title
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$"); do
    is_popup "$id" || { echo "$id"; return 0; }
  done
  return 1
}
# Pop-ups such as menus bypass the window manager and belong to another window (the full-screen picker belongs to
# none).
is_popup() {
  xwininfo -id "$1" | grep 'Override Redirect State: yes' >/dev/null && xprop -id "$1" WM_TRANSIENT_FOR | grep 'window id' >/dev/null
}

# Waits for a window titled TITLE to be shown and prints its id.
wait_window() { # title
  wait_until "the window \"$1\" to show" visible_window "$1"
  echo "$WAITED"
}

wait_gone() { # title
  wait_until "the window \"$1\" to close" not visible_window "$1"
}
not() { ! "$@"; }

# Waits for the main window of a program just started; sets MAIN_WIN. The Favorites window is shown once the main
# window has painted: from then on the program takes input.
wait_main_window() {
  wait_until "the main window to show" main_window_shown
  MAIN_WIN=$WAITED
  wait_window "$E2E_FAVORITES" >/dev/null
}
main_window_shown() {
  kill -0 "$E2E_APP" || { echo "the program has ended"; return 1; }
  visible_window 'Tintwell v3\.1' && return 0
  echo "shown instead: $(for id in $(xdotool search --onlyvisible --name .); do xdotool getwindowname "$id"; done | paste -sd,)"
  return 1
}

# Starts the program and waits for the main window; sets MAIN_WIN. START_IN names another working folder.
start_app() {
  (cd "${START_IN:-$E2E_DIR}" && exec "$E2E_DIR/tintwell") &
  E2E_APP=$!
  wait_main_window
}

# The program's shown pop-ups (menus), one id a line, sorted.
menus() {
  local id
  for id in $(xdotool search --onlyvisible --class tintwell 2>/dev/null); do
    if is_popup "$id"; then echo "$id"; fi
  done | sort
}
new_menu() { comm -13 <(printf '%s\n' "$1") <(menus) | tail -n1 | grep .; }

# Waits for a menu that is not among the ids given (one a line) and prints its id.
wait_menu() { # [known ids]
  wait_until "a menu to open" new_menu "${1:-}"
  echo "$WAITED"
}

wait_no_menus() { wait_until "the menus to close" not menus_open; }
menus_open() { menus | grep .; }

# Where the windows are: sets MX MY (the main window's client area below the menu bar) and FX FY (the Favorites list).
locate() {
  window_geometry "$MAIN_WIN"
  MX=$WX
  MY=$((WY + WH - 294))
  window_geometry "$(wait_window "$E2E_FAVORITES")"
  FX=$WX
  FY=$WY
}

# Presses a key in the main window until a window titled TITLE shows, and prints its id. A dialog that has just
# closed hands the activation back to its own window a moment later, and a key pressed in that moment reaches
# the wrong window: so the key is pressed again if nothing shows within a second.
key_until_window() { # title key
  local tries polls id
  for tries in 1 2 3 4 5; do
    xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
    xdotool key --window "$MAIN_WIN" "$2"
    for polls in $(seq 20); do
      id=$(visible_window "$1") && { echo "$id"; return 0; }
      sleep 0.05
    done
  done
  fail "the window \"$1\" did not show after $2 was pressed $tries times"
}

# File, Exit from the keyboard, as a user closes the program.
exit_from_menu() {
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key --window "$MAIN_WIN" "alt+${E2E_EXIT_KEYS:0:1}"
  wait_menu >/dev/null
  xdotool key "${E2E_EXIT_KEYS:1:1}"
}

# A press, a first small movement, then on in steps to the target and a release there (screen points). The pauses
# are a hand's pace: the drag starts from a press the program has seen, and each window under the way sees the
# pointer pass before the drop.
drag() { # from_x from_y to_x to_y
  xdotool mousemove "$1" "$2" mousedown 1
  sleep 0.1
  xdotool mousemove $(($1 + 1)) "$2"
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
    sleep 0.03
  done
  sleep 0.1
  xdotool mouseup 1
}

# Waits for the program's "Confirm" question and answers it with a key: y, n, or Escape for Cancel.
answer_confirm() {
  local box
  box=$(wait_window "$E2E_CONFIRM")
  xdotool windowactivate --sync "$box" 2>/dev/null || true
  xdotool key "$1"
}

# Waits for the program to end by itself.
wait_exit() {
  wait_until "the program to end" not kill -0 "$E2E_APP"
  wait "$E2E_APP" || true
  E2E_APP=""
}

# Client area geometry of a window in root coordinates: sets WX WY WW WH.
window_geometry() {
  local info
  info=$(xwininfo -id "$1")
  WX=$(awk '/Absolute upper-left X/{print $NF}' <<<"$info")
  WY=$(awk '/Absolute upper-left Y/{print $NF}' <<<"$info")
  WW=$(awk '/^ *Width:/{print $NF}' <<<"$info")
  WH=$(awk '/^ *Height:/{print $NF}' <<<"$info")
}

# Outer frame of a window in root coordinates, from its client area and the frame the window manager drew:
# sets OX OY OW OH. Fails (returns 1) while the window manager has not framed the window yet.
frame_geometry() {
  [ -n "$1" ] || fail "no window to measure"
  local extents l r t b
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  IFS=, read -r l r t b <<<"$extents"
  window_geometry "$1"
  OX=$((WX - l)) OY=$((WY - t)) OW=$((WW + l + r)) OH=$((WH + t + b))
}

screenshot() { import -window root "$1"; }

# Colours at points of a screenshot as RRGGBB, one a line.
pixels() { # shot x y [x y ...]
  local shot=$1 format=""
  shift
  while [ $# -gt 0 ]; do format+="%[hex:p{$1,$2}]\n"; shift 2; done
  convert "$shot" -format "$format" info: | cut -c1-6
}
pixel() { pixels "$@"; }

# Takes a screenshot into SHOT and compares the colours at points; prints the points that differ.
screen_shows() { # shot x y RRGGBB [x y RRGGBB ...]
  local shot=$1 points=() expected=() got i wrong=""
  shift
  while [ $# -gt 0 ]; do points+=("$1" "$2"); expected+=("$3"); shift 3; done
  screenshot "$shot"
  mapfile -t got < <(pixels "$shot" "${points[@]}")
  for i in "${!expected[@]}"; do
    [ "${got[i]:-}" = "${expected[i]}" ] || wrong+="${wrong:+, }${points[2 * i]},${points[2 * i + 1]} shows ${got[i]:-nothing} not ${expected[i]}"
  done
  echo "$wrong"
  [ -z "$wrong" ]
}

# Waits until the screen shows each colour at its point; the last screenshot stays in SHOT.
wait_pixels() { # shot description x y RRGGBB [x y RRGGBB ...]
  local shot=$1 what=$2
  shift 2
  wait_until "$what" screen_shows "$shot" "$@"
}

wait_pixel() { # x y RRGGBB description
  wait_pixels "$E2E_DIR/screen.png" "$4" "$1" "$2" "$3"
}

wait_file() { wait_until "the file $1" test -e "$1"; }

# The X clipboard exactly, trailing newlines included.
clipboard() { local text; text=$(xclip -o -selection clipboard 2>/dev/null; echo x); printf '%s' "${text%x}"; }
clipboard_is() { local got; got=$(clipboard); printf '%s' "$got"; [ "$got" = "$1" ]; }

# Edit > Copy Base Color copies the entry fields as they stand.
copy_base_entry() { # number of Down presses in the submenu
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key alt+e
  local edit
  edit=$(wait_menu)
  xdotool key c
  wait_menu "$edit" >/dev/null
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
}

wait_clipboard() { # text [description]
  wait_until "the clipboard to hold '$1'${2:+ ($2)}" clipboard_is "$1"
}

ini_value() { # file section key
  awk -v s="[$2]" -v k="$3" 'BEGIN{IGNORECASE=1} /^\[/{in_s=(tolower($0)==tolower(s))} in_s && tolower($0) ~ "^"tolower(k)"=" {sub(/^[^=]*=/,""); sub(/\r$/,""); print; exit}' "$1"
}

ini_is() { local got; got=$(ini_value "$1" "$2" "$3"); echo "$got"; [ "$got" = "$4" ]; }

wait_ini() { # file section key value
  wait_until "$3=$4 in [$2] of $(basename "$1")" ini_is "$@"
}
