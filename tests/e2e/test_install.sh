#!/usr/bin/env bash
# Install into a fresh prefix, check the layout and the desktop files, then start the installed program through
# its bin/ entry from an unrelated working folder: it finds its help and keeps its settings in the per-user folders.
source "$(dirname "$0")/lib.sh"
build="$(dirname "$E2E_EXE")"
prefix="$E2E_DIR/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

for f in tintwell help/index.html share/applications/tintwell.desktop \
         share/icons/hicolor/scalable/apps/tintwell.svg share/metainfo/example.tintwell.Tintwell.metainfo.xml; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/tintwell" ] || fail "the installed program is not executable"
[ "$(readlink -f "$prefix/bin/tintwell")" = "$(readlink -f "$prefix/tintwell")" ] || fail "bin/tintwell does not lead to the program"
grep -qx 'Exec=tintwell' "$prefix/share/applications/tintwell.desktop" || fail "launcher does not run tintwell"
grep -qx 'Icon=tintwell' "$prefix/share/applications/tintwell.desktop" || fail "launcher does not name the icon"
desktop-file-validate "$prefix/share/applications/tintwell.desktop" || fail "launcher does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/example.tintwell.Tintwell.metainfo.xml" >/dev/null \
  || fail "software-centre description does not validate"

start_x
elsewhere="$E2E_DIR/elsewhere"
mkdir -p "$elsewhere"
(cd "$elsewhere" && PATH="$prefix/bin:$PATH" XDG_CONFIG_HOME="$E2E_DIR/config" XDG_DATA_HOME="$E2E_DIR/data" exec tintwell) &
E2E_APP=$!
wait_main_window
window_geometry "$MAIN_WIN"
[ "$WW" -eq 263 ] || fail "client width $WW, expected 263"

exit_from_menu
wait_exit
[ -f "$E2E_DIR/config/tintwell/tw3.ini" ] || fail "settings were not written to the per-user folder"
[ -f "$E2E_DIR/data/tintwell/session.tmp" ] || fail "the session was not written to the per-user folder"
[ -z "$(find "$elsewhere" "$prefix" -name tw3.ini -o -name session.tmp)" ] || fail "files went to the working or the program's folder"
echo "PASS: install"
