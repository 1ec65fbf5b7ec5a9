#!/usr/bin/env bash
# The copy menus put exactly the text they show on the X clipboard: a swatch's pop-up menu chosen with the
# mouse, and Edit > Copy Base Color from the entry fields, also while the hex field is half typed.
source "$(dirname "$0")/lib.sh"
start_x
start_app

window_geometry "$MAIN_WIN"
MX=$WX; MY=$WY; MENUBAR=$((WH - 294))

# The program's visible pop-up windows (menus), one id a line; the Favorites tool window is open beside the main one.
FAV_WIN=$(xdotool search --name '^Favorites$' 2>/dev/null | head -n1 || true)
popups() { xdotool search --onlyvisible --class tintwell 2>/dev/null | grep -vx -e "$MAIN_WIN" -e "$FAV_WIN" | sort || true; }

# Waits for a pop-up that is not among the ids given and prints it.
wait_new_popup() {
  local known="$1" id
  for _ in $(seq 60); do
    id=$(comm -13 <(printf '%s\n' "$known") <(popups) | tail -n1)
    [ -n "$id" ] && { sleep 0.15; echo "$id"; return 0; }
    sleep 0.05
  done
  fail "no menu opened"
}

wait_no_popups() {
  for _ in $(seq 60); do [ -z "$(popups)" ] && return 0; sleep 0.05; done
  fail "menus stayed open"
}

# Clicks entry `index` of a menu holding `count` entries of equal height.
click_entry() {
  window_geometry "$1"
  xdotool mousemove $((WX + WW / 2)) $((WY + WH * (2 * $2 + 1) / (2 * $3)))
  sleep 0.2
  xdotool click 1
}

# The clipboard exactly, trailing newlines included.
clipboard() { local text; text=$(xclip -o -selection clipboard 2>/dev/null; echo x); printf '%s' "${text%x}"; }

expect_clipboard() {
  local got
  for _ in $(seq 40); do got=$(clipboard); [ "$got" = "$1" ] && return 0; sleep 0.05; done
  fail "clipboard holds '$got', expected '$1' ($2)"
}

# Right-click swatch 2 (the ring colour after pure red, FF6000), open "Copy..." and choose an entry.
copy_from_swatch() {
  xdotool mousemove $((MX + 126 + 18)) $((MY + MENUBAR + 34 + 18))
  sleep 0.2
  xdotool click 3
  local pop sub
  pop=$(wait_new_popup "")
  window_geometry "$pop"
  xdotool mousemove $((WX + 30)) $((WY + 11)) # "Copy..." is the first row
  sub=$(wait_new_popup "$pop")
  click_entry "$sub" "$1" 3
  wait_no_popups
}

copy_from_swatch 0; expect_clipboard "FF6000" "swatch, RRGGBB"
copy_from_swatch 1; expect_clipboard "#FF6000" "swatch, #RRGGBB"
copy_from_swatch 2; expect_clipboard "255,96,0" "swatch, R,G,B"

# Edit > Copy Base Color, opened from the keyboard, its entry chosen with the mouse.
copy_base() {
  xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
  xdotool key --window "$MAIN_WIN" alt+e
  local edit sub
  edit=$(wait_new_popup "")
  xdotool key c
  sub=$(wait_new_popup "$edit")
  click_entry "$sub" "$1" 3
  wait_no_popups
}

copy_base 1; expect_clipboard "#FF0000" "base, #RRGGBB"

# Half-typed hex field: the texts are copied as they stand.
xdotool mousemove $((MX + 17 + 30)) $((MY + MENUBAR + 152 + 8))
xdotool click 1
xdotool key End BackSpace BackSpace BackSpace
sleep 0.3
copy_base 0; expect_clipboard "FF0" "base, half-typed hex"
copy_base 1; expect_clipboard "#FF0" "base, half-typed #hex"
copy_base 2; expect_clipboard "255,0,0" "base, R,G,B"

# And back the other way: Ctrl+V in the hex field takes the X clipboard, dropping the "#".
printf '#336699' | xclip -selection clipboard 2>/dev/null
xdotool mousemove $((MX + 17 + 30)) $((MY + MENUBAR + 152 + 8))
xdotool click 1
xdotool key ctrl+v
sleep 0.4
shot="$E2E_SHOTS/copy.png"
screenshot "$shot"
got=$(pixel "$shot" $((MX + 78 + 18)) $((MY + MENUBAR + 34 + 18)))
[ "$got" = "336699" ] || fail "after pasting #336699 swatch 1 shows $got"
echo "PASS: copy"
