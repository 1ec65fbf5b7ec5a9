#!/usr/bin/env bash
# The Debian package as its users get it: built from this build by CPack, checked by lintian, unpacked into a scratch
# root that is then made read-only, and run as an unprivileged user with a fresh home. The first run changes the base
# colour, adds a favourite and exits; the files appear in the per-user folders and nowhere else; the second run shows
# both; the menu entry's command line opens a scheme file. No exit shows a message.
source "$(dirname "$0")/lib.sh"
build="$(dirname "$E2E_EXE")"
root="$E2E_DIR/root"
home="$E2E_DIR/home"
work="$E2E_DIR/work"
trap 'chmod -R u+w "$root" 2>/dev/null; cleanup' EXIT

(cd "$build" && cpack -B "$E2E_DIR/package" >"$E2E_DIR/cpack.log" 2>&1) || fail "cpack: $(tail -n3 "$E2E_DIR/cpack.log")"
debs=("$E2E_DIR"/package/tintwell_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no tintwell_<version>_<arch>.deb: $(ls "$E2E_DIR/package")"
deb=${debs[0]}
[ "$(basename "$deb")" = "tintwell_$(dpkg-deb -f "$deb" Version)_$(dpkg --print-architecture).deb" ] \
  || fail "$(basename "$deb") is not named for its version and this machine's architecture"
lintian --fail-on error,warning "$deb" >"$E2E_DIR/lintian.log" 2>&1 \
  || fail "lintian: $(grep -v '^running with root' "$E2E_DIR/lintian.log")"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependencies computed from the program: $(dpkg-deb -f "$deb" Depends)"

dpkg-deb -x "$deb" "$root"
file "$root/usr/bin/tintwell" | grep -q ', stripped' || fail "the packaged program is not stripped"
# The help in every language it is written in, as the build has it beside the program.
for page in "$build"/help/index.html "$build"/help/*/index.html; do
  [ -f "$root/usr/share/tintwell/help/${page#"$build"/help/}" ] || fail "the package holds no ${page#"$build"/}"
done
chmod -R a-w "$root"
# The user of the runs below reaches everything through this folder, and owns only its home and work folders.
chmod 755 "$E2E_DIR"
mkdir -p "$home" "$work"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home" "$work"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

start_x
# The installed program with nothing of the tests' environment: only a fresh home, the display and the paths.
start_installed() { # [arguments...]
  (cd "$work" && exec env -i HOME="$home" DISPLAY="$DISPLAY" PATH="$root/usr/bin:/usr/bin:/bin" "${as_user[@]}" "$@") &
  E2E_APP=$!
  wait_main_window
  locate
}
# Exit from the menu; a question about the changed scheme is answered No. Any other box fails the test.
exit_without_message() {
  exit_from_menu
  [ "${1:-}" = asks ] && answer_confirm n
  wait_until "the program to end without a message" ended_without_message
  wait "$E2E_APP" || true
  E2E_APP=""
}
ended_without_message() {
  if visible_window 'Tintwell v3' >/dev/null; then echo "a message box is shown"; return 1; fi
  ! kill -0 "$E2E_APP" 2>/dev/null
}
base_shows() { wait_pixels "$E2E_SHOTS/package.png" "the base area to show $1" $((MX + 5 + 30)) $((MY + 34 + 27)) "$1"; }

start_installed tintwell
# Swatch 6 of pure red's scheme into the list, then swatch 2 as the base colour.
drag $((MX + 222 + 18)) $((MY + 130 + 18)) $((FX + 60)) $((FY + 20))
wait_pixel $((FX + 20)) $((FY + 20)) BAE806 "the new favourite in the list"
xdotool mousemove $((MX + 126 + 18)) $((MY + 34 + 18)) click 1
base_shows FF6000
exit_without_message asks

settings="$home/.config/tintwell/tw3.ini"
session="$home/.local/share/tintwell/session.tmp"
[ "$(ini_value "$settings" Main BaseColor)" = "$((0x0060FF))" ] || fail "BaseColor $(ini_value "$settings" Main BaseColor) in $settings"
[ -f "$session" ] || fail "no session at $session"
written=$(find "$root" "$home" "$work" -type f -newer "$deb" | sort | paste -sd' ')
[ "$written" = "$settings $session" ] || fail "files written: $written"

start_installed tintwell
base_shows FF6000
wait_pixel $((FX + 20)) $((FY + 20)) BAE806 "the favourite kept from the first run"
exit_without_message

# The menu entry's command, with the file a file manager gives it: the session with another base colour.
cp "$session" "$work/picked.tw"
printf '\063\146\231' | dd of="$work/picked.tw" bs=1 seek=4 conv=notrunc status=none
chmod a+r "$work/picked.tw"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/tintwell.desktop")
read -r -a command <<<"${exec_line//%f/picked.tw}"
start_installed "${command[@]}"
base_shows 336699
wait_pixel $((FX + 20)) $((FY + 20)) BAE806 "the favourite of the opened scheme"
exit_without_message
echo "PASS: package ($(basename "$deb"), screenshot $E2E_SHOTS/package.png)"
