# A real headless Wayland desktop for whole-program tests, sourced by them: sway (headless back-end, pixman
# renderer, no input devices) with Xwayland, PipeWire and the desktop portal with its wlr (screenshots) and gtk
# (access) back-ends, on a session bus of its own. Everything started is recorded by PID and ended by PID.
#   wl_start DIR   brings it up in DIR (sockets, logs); exports the clients' environment
#   wl_stop        ends what wl_start started, the bus last
# One such desktop runs per machine at a time (the wlr back-end writes every screenshot to /tmp/out.png): wl_start
# waits for the others to end.

WL_DIR=""
WL_PIDS=()

wl_log() { printf '[wayland %s] %s\n' "$(date +%T.%N | cut -c1-12)" "$*" >&2; }

# Waits up to $1 seconds for a command to succeed.
wl_wait() {
  local end=$(($(date +%s) + $1)) what=$2
  shift 2
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s)" -ge "$end" ] && { wl_log "timed out: $what"; return 1; }
    sleep 0.02
  done
}

wl_has_owner() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}

wl_alive() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* (.*) Z ' "/proc/$1/stat"; }

wl_start() {
  WL_DIR=$1
  local tool
  for tool in sway Xwayland pipewire dbus-daemon gdbus grim swaymsg /usr/libexec/xdg-desktop-portal \
    /usr/libexec/xdg-desktop-portal-wlr /usr/libexec/xdg-desktop-portal-gtk; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/bootstrap"
  done
  exec 8>/tmp/tintwell-wayland-desktop.lock
  flock 8
  # The desktop's programs must not hold the lock: were the test killed before it could end them, they would keep
  # every later desktop waiting.
  mkdir -p "$WL_DIR/run" "$WL_DIR/run-sway" "$WL_DIR/home"
  # sway refuses to run as root: it runs as nobody, which must reach its own folder through this one.
  chmod 755 "$WL_DIR"
  chmod 700 "$WL_DIR/run" "$WL_DIR/run-sway"
  local as_sway=()
  if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$WL_DIR/run-sway" "$WL_DIR/home"
    as_sway=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    "${as_sway[@]}" test -x "$WL_DIR/run-sway" || fail "$WL_DIR is out of reach of user 65534: open its parents"
  fi
  cat >"$WL_DIR/sway.conf" <<CONF
output HEADLESS-1 resolution 1280x800 position 0 0 bg #123456 solid_color
xwayland force
default_border none
# Xwayland admits only its own user: let the tests' user in, then tell them where it is.
exec sh -c 'for i in \$(seq 250); do xhost +si:localuser:$(id -un) && break; sleep 0.02; done; echo \$DISPLAY > $WL_DIR/run-sway/xdisplay'
CONF
  export XDG_RUNTIME_DIR=$WL_DIR/run WAYLAND_DISPLAY=$WL_DIR/run-sway/wayland-1 XDG_CURRENT_DESKTOP=sway \
    XDG_SESSION_TYPE=wayland NO_AT_BRIDGE=1 GTK_A11Y=none DBUS_SESSION_BUS_ADDRESS=unix:path=$WL_DIR/bus
  unset DISPLAY QT_QPA_PLATFORM

  # Whatever the bus starts by itself inherits the environment above, so it starts no second portal elsewhere.
  dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" >"$WL_DIR/log.dbus" 2>&1 8>&- &
  WL_PIDS+=($!)
  wl_wait 5 "session bus" wl_has_owner org.freedesktop.DBus || return 1
  env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$WL_DIR/run-sway" HOME="$WL_DIR/home" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${as_sway[@]}" sway -c "$WL_DIR/sway.conf" >"$WL_DIR/log.sway" 2>&1 8>&- &
  WL_PIDS+=($!)
  wl_wait 10 "Wayland socket" test -S "$WAYLAND_DISPLAY" || return 1
  wl_wait 10 "Xwayland" test -s "$WL_DIR/run-sway/xdisplay" || return 1
  export DISPLAY SWAYSOCK
  DISPLAY=$(cat "$WL_DIR/run-sway/xdisplay")
  SWAYSOCK=$(ls "$WL_DIR"/run-sway/sway-ipc.*.sock)
  # The wlr back-end ends at start-up without PipeWire; the front-end hides screenshots without an access back-end.
  pipewire >"$WL_DIR/log.pipewire" 2>&1 8>&- &
  WL_PIDS+=($!)
  wl_wait 10 "PipeWire" test -S "$WL_DIR/run/pipewire-0" || return 1
  /usr/libexec/xdg-desktop-portal-wlr >"$WL_DIR/log.xdpw" 2>&1 8>&- &
  WL_PIDS+=($!)
  wl_wait 10 "portal wlr back-end" wl_has_owner org.freedesktop.impl.portal.desktop.wlr || return 1
  /usr/libexec/xdg-desktop-portal-gtk >"$WL_DIR/log.xdpgtk" 2>&1 8>&- &
  WL_PIDS+=($!)
  wl_wait 10 "portal gtk back-end" wl_has_owner org.freedesktop.impl.portal.desktop.gtk || return 1
  /usr/libexec/xdg-desktop-portal >"$WL_DIR/log.xdp" 2>&1 8>&- &
  WL_PIDS+=($!)
  wl_wait 20 "portal" wl_has_owner org.freedesktop.portal.Desktop || return 1
  wl_wait 10 "screenshot portal" sh -c "gdbus introspect --session -d org.freedesktop.portal.Desktop \
    -o /org/freedesktop/portal/desktop | grep -q 'interface org.freedesktop.portal.Screenshot '" || return 1
  wl_log "desktop up: WAYLAND_DISPLAY=$WAYLAND_DISPLAY DISPLAY=$DISPLAY"
}

wl_stop() {
  [ ${#WL_PIDS[@]} -gt 0 ] || return 0
  local pid name started=() bus=${WL_PIDS[0]}
  # The bus started the document portal and the permission store itself: it knows their PIDs.
  for name in org.freedesktop.portal.Documents org.freedesktop.impl.portal.PermissionStore; do
    pid=$(gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
      -m org.freedesktop.DBus.GetConnectionUnixProcessID "$name" 2>/dev/null | grep -o '[0-9]\+' | tail -1 || true)
    [ -n "$pid" ] && started+=("$pid")
  done
  for ((i = 1; i < ${#WL_PIDS[@]}; i++)); do started=("${WL_PIDS[i]}" "${started[@]}"); done   # newest first
  mountpoint -q "$WL_DIR/run/doc" 2>/dev/null && fusermount3 -u "$WL_DIR/run/doc"
  for pid in "${started[@]}" "$bus"; do
    kill "$pid" 2>/dev/null || continue
    for _ in $(seq 100); do wl_alive "$pid" || break; sleep 0.02; done
    wl_alive "$pid" && kill -9 "$pid" 2>/dev/null
  done
  WL_PIDS=()
  flock -u 8
}
