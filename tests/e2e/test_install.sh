#!/usr/bin/env bash
# Install into a fresh prefix, check the layout and the desktop files, then start the installed program through
# bin/ from an unrelated working folder: it finds its help and its translations under share/ and keeps its files in
# the per-user folders.
source "$(dirname "$0")/lib.sh"
build="$(dirname "$E2E_EXE")"
prefix="$E2E_DIR/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

for f in bin/tintwell share/tintwell/help/index.html share/tintwell/help/de/index.html share/tintwell/help/fr/index.html \
         share/tintwell/help/es/index.html share/applications/tintwell.desktop \
         share/icons/hicolor/scalable/apps/tintwell.svg share/metainfo/example.tintwell.Tintwell.metainfo.xml \
         share/mime/packages/tintwell.xml share/man/man1/tintwell.1.gz share/doc/tintwell/copyright \
         share/tintwell/translations/tintwell_de.qm share/tintwell/translations/tintwell_fr.qm \
         share/tintwell/translations/tintwell_es.qm; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  [ "$(identify -format %wx%h "$prefix/share/icons/hicolor/${size}x$size/apps/tintwell.png")" = "${size}x$size" ] \
    || fail "no ${size}x$size icon"
done
[ -x "$prefix/bin/tintwell" ] && [ ! -L "$prefix/bin/tintwell" ] || fail "bin/tintwell is not the program"
[ "$(ls "$prefix")" = "$(printf 'bin\nshare')" ] || fail "directly under the prefix: $(ls "$prefix" | paste -sd' ')"
desktop="$prefix/share/applications/tintwell.desktop"
grep -qx 'Exec=tintwell %f' "$desktop" || fail "the launcher does not pass the file to tintwell"
grep -qx 'MimeType=application/x-tintwell-scheme;' "$desktop" || fail "the launcher does not offer to open schemes"
grep -qx 'Comment\[de\]=Farbschemata aus einer Basisfarbe gestalten' "$desktop" || fail "the launcher says nothing in German"
grep -qx "Comment\\[fr\\]=Concevoir des schémas de couleurs à partir d'une couleur de base" "$desktop" \
  || fail "the launcher says nothing in French"
grep -qx 'Comment\[es\]=Diseñe esquemas de colores a partir de un color base' "$desktop" || fail "the launcher says nothing in Spanish"
desktop-file-validate "$desktop" || fail "launcher does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/example.tintwell.Tintwell.metainfo.xml" >/dev/null \
  || fail "software-centre description does not validate"
man --warnings -l "$prefix/share/man/man1/tintwell.1.gz" 2>&1 >/dev/null | grep . && fail "the manual page has faults"

# The file type, as a file manager sees it through shared-mime-info: by name, and by content without a name.
mime="$E2E_DIR/mime"
mkdir -p "$mime/mime/packages"
cp "$prefix/share/mime/packages/tintwell.xml" "$mime/mime/packages/"
problems=$(XDG_DATA_DIRS="$mime" update-mime-database "$mime/mime" 2>&1) && [ -z "$problems" ] \
  || fail "update-mime-database: $problems"
printf '\003\000\000\000\377\000\000\000' >"$E2E_DIR/scheme-no-name"
head -c 36 /dev/zero >>"$E2E_DIR/scheme-no-name"
printf 'TWver2\r\n255\r\n' >"$E2E_DIR/old-scheme-no-name"
cp "$E2E_DIR/scheme-no-name" "$E2E_DIR/named.tw"
printf '\003\000\000\000\377\000\000\001' >"$E2E_DIR/not-a-scheme"
content_type() { XDG_DATA_HOME="$mime" XDG_DATA_DIRS="$mime:/usr/share" gio info -a standard::content-type "$1" | awk '/content-type/{print $2}'; }
for f in named.tw scheme-no-name old-scheme-no-name; do
  [ "$(content_type "$E2E_DIR/$f")" = application/x-tintwell-scheme ] || fail "$f is $(content_type "$E2E_DIR/$f")"
done
[ "$(content_type "$E2E_DIR/not-a-scheme")" != application/x-tintwell-scheme ] || fail "a file with a colour's top byte set is taken for a scheme"

fakebin="$E2E_DIR/fakebin"
opened="$E2E_DIR/opened.txt"
mkdir -p "$fakebin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$opened" >"$fakebin/xdg-open"
chmod +x "$fakebin/xdg-open"

start_x
elsewhere="$E2E_DIR/elsewhere"
mkdir -p "$elsewhere"
(cd "$elsewhere" && PATH="$prefix/bin:$fakebin:$PATH" XDG_CONFIG_HOME="$E2E_DIR/config" XDG_DATA_HOME="$E2E_DIR/data" exec tintwell) &
E2E_APP=$!
wait_main_window
window_geometry "$MAIN_WIN"
[ "$WW" -eq 263 ] || fail "client width $WW, expected 263"
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool key --window "$MAIN_WIN" F1
wait_file "$opened"
case "$(cat "$opened")" in
  "$prefix/share/tintwell/help/index.html" | "file://$prefix/share/tintwell/help/index.html") ;;
  *) fail "F1 opened '$(cat "$opened")', expected the installed help" ;;
esac

exit_from_menu
wait_exit
[ -f "$E2E_DIR/config/tintwell/tw3.ini" ] || fail "settings were not written to the per-user folder"
[ -f "$E2E_DIR/data/tintwell/session.tmp" ] || fail "the session was not written to the per-user folder"
[ -z "$(find "$elsewhere" "$prefix" -name tw3.ini -o -name session.tmp)" ] || fail "files went to the working or the program's folder"

# A German desktop: the installed program finds its translation under share/, speaks German and opens the German
# help.
rm -f "$opened"
(cd "$elsewhere" && PATH="$prefix/bin:$fakebin:$PATH" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE=de \
  XDG_CONFIG_HOME="$E2E_DIR/config" XDG_DATA_HOME="$E2E_DIR/data" exec tintwell) &
E2E_APP=$!
E2E_FAVORITES=Favoriten E2E_EXIT_KEYS=db
wait_main_window
xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
xdotool key --window "$MAIN_WIN" F1
wait_until "the help to open" grep -q index.html "$opened"
case "$(cat "$opened")" in
  "$prefix/share/tintwell/help/de/index.html" | "file://$prefix/share/tintwell/help/de/index.html") ;;
  *) fail "F1 in German opened '$(cat "$opened")', expected the installed German help" ;;
esac
exit_from_menu
wait_exit
echo "PASS: install"
