#!/usr/bin/env bash
# Files that start-up cannot use, through the real program: a settings file that is a folder and a damaged session.
# Each is told once at start-up, in its own message box (the settings first, as soon as the main window is up), the
# session is kept beside itself under a name that says so before anything can replace it, and the exit replaces
# neither, saying so for the settings it could not keep.
source "$(dirname "$0")/lib.sh"

rm "$E2E_DIR/tw3.ini" && mkdir "$E2E_DIR/tw3.ini"
# A session that counts three favourites and holds only the start of one.
printf '\003\000\003\000\377\000\000\000\063\146\231' > "$E2E_DIR/session.tmp"
cp "$E2E_DIR/session.tmp" "$E2E_DIR/damaged.expected"

# The program's message boxes carry its name; the main window's title has the version after it.
dismiss_message() { # what it is about
  local box
  box=$(wait_window 'Tintwell v3')
  screenshot "$E2E_SHOTS/startup-$1-message.png"
  "check_$1"
  xdotool windowactivate --sync "$box" 2>/dev/null || true
  xdotool key Return
  # The next message may carry the same title at once: this one must go.
  wait_until "the message about the $1 to close" not still_shown "$box"
}
still_shown() { xdotool search --onlyvisible --name '^Tintwell v3$' | grep -qx "$1"; }
# While the settings are told, the windows that read the session are not built yet.
check_settings() {
  [ -f "$E2E_DIR/session.tmp" ] && [ ! -e "$E2E_DIR/session-damaged.tmp" ] || fail "the session was read before the settings were told"
}
# When the session is told, it is already kept aside.
check_session() {
  cmp -s "$E2E_DIR/session-damaged.tmp" "$E2E_DIR/damaged.expected" || fail "the damaged session was not kept whole"
  [ ! -e "$E2E_DIR/session.tmp" ] || fail "the damaged session is still where the exit writes"
}

start_x
# Not start_app: the Favorites window comes only after the messages.
(cd "$E2E_DIR" && exec "$E2E_DIR/tintwell") &
E2E_APP=$!
wait_until "the main window to show" main_window_shown
MAIN_WIN=$WAITED
dismiss_message settings
dismiss_message session
wait_window Favorites >/dev/null

# No third message: the session is told once, not once for each window that takes a part of it.
for _ in $(seq 20); do
  visible_window 'Tintwell v3' >/dev/null && fail "a third message appeared"
  sleep 0.05
done

# The exit says that the settings were not kept (told at start-up, but the file might have been mended since),
# writes a fresh session and keeps both files it could not use.
check_exit() { [ -d "$E2E_DIR/tw3.ini" ] || fail "the settings folder was replaced before the exit said so"; }
exit_from_menu
dismiss_message exit
wait_exit
[ -d "$E2E_DIR/tw3.ini" ] || fail "the settings folder was replaced"
[ "$(od -An -tx1 -N4 "$E2E_DIR/session.tmp" | tr -d ' ')" = "03000000" ] || fail "no fresh session was written"
cmp -s "$E2E_DIR/session-damaged.tmp" "$E2E_DIR/damaged.expected" || fail "the kept session changed at the exit"
echo "PASS: start-up problems"
