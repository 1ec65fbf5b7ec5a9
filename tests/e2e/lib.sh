# Shared helpers for whole-program tests: a private X server with a window manager and a fresh program folder.
set -euo pipefail

E2E_EXE="$(realpath "$1")"
E2E_DIR="$(mktemp -d)"
E2E_SHOTS="${E2E_SHOTS:-$(dirname "$E2E_EXE")/e2e-shots}"
mkdir -p "$E2E_SHOTS"
cp "$E2E_EXE" "$E2E_DIR/tintwell"
if [ -d "$(dirname "$E2E_EXE")/help" ]; then cp -r "$(dirname "$E2E_EXE")/help" "$E2E_DIR/"; fi

fail() { echo "FAIL: $*" >&2; exit 1; }

start_x() {
  for n in $(seq 120 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then export DISPLAY=":$n"; break; fi
  done
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  E2E_XVFB=$!
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
  openbox >/dev/null 2>&1 &
  E2E_WM=$!
  sleep 0.5
}

E2E_APP=""
cleanup() {
  [ -n "$E2E_APP" ] && kill "$E2E_APP" 2>/dev/null || true
  kill "${E2E_WM:-}" "${E2E_XVFB:-}" 2>/dev/null || true
  rm -rf "$E2E_DIR"
}
trap cleanup EXIT

# Waits for the main window of a program just started; sets MAIN_WIN.
wait_main_window() {
  MAIN_WIN=""
  for _ in $(seq 200); do
    MAIN_WIN=$(xdotool search --name '^Tintwell v3\.1$' 2>/dev/null | head -n1 || true)
    [ -n "$MAIN_WIN" ] && break
    sleep 0.05
  done
  [ -n "$MAIN_WIN" ] || fail "main window did not appear"
  sleep 0.7
}

# Starts the program and waits for the main window; sets MAIN_WIN. START_IN names another working folder.
start_app() {
  (cd "${START_IN:-$E2E_DIR}" && exec "$E2E_DIR/tintwell") &
  E2E_APP=$!
  wait_main_window
}

# File, Exit from the keyboard, as a user closes the program.
exit_from_menu() {
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key --window "$MAIN_WIN" alt+f
  sleep 0.3
  xdotool key x
}

# A press, a first small movement, then on in steps to the target and a release there (screen points).
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
  sleep 0.3
}

# Waits for the program's "Confirm" question and answers it with a key: y, n, or Escape for Cancel.
answer_confirm() {
  local box=""
  for _ in $(seq 100); do
    box=$(xdotool search --onlyvisible --name '^Confirm$' 2>/dev/null | head -n1 || true)
    [ -n "$box" ] && break
    sleep 0.05
  done
  [ -n "$box" ] || fail "no question appeared"
  sleep 0.3
  xdotool windowactivate --sync "$box" 2>/dev/null || true
  xdotool key "$1"
}

# Waits for the program to end by itself.
wait_exit() {
  for _ in $(seq 100); do kill -0 "$E2E_APP" 2>/dev/null || { wait "$E2E_APP" || true; E2E_APP=""; return 0; }; sleep 0.05; done
  fail "program did not end"
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

screenshot() { import -window root "$1"; }

# Pixel of a screenshot as RRGGBB.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }

ini_value() { # file section key
  awk -v s="[$2]" -v k="$3" 'BEGIN{IGNORECASE=1} /^\[/{in_s=(tolower($0)==tolower(s))} in_s && tolower($0) ~ "^"tolower(k)"=" {sub(/^[^=]*=/,""); sub(/\r$/,""); print; exit}' "$1"
}
