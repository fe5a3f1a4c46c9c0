#!/usr/bin/env bash
# Runs a command on a display of its own: Xvfb, the openbox window manager and a trayer tray host,
# stopped again whatever the command's outcome. Usage: avec-ecran.sh COMMAND [ARG...]
# TRESSOLA_ECRAN sets the screen (1280x800x24), TRESSOLA_BORD_PLATEAU the tray host's edge (top),
# TRESSOLA_SANS_PLATEAU=1 leaves the tray host out. TRESSOLA_MONITEURS cuts the screen into monitors:
# the arguments of one `xrandr --setmonitor` per monitor, separated by ";".
set -u
ecran=${TRESSOLA_ECRAN:-1280x800x24} bord=${TRESSOLA_BORD_PLATEAU:-top}
pids=() numero=$(mktemp)
arreter() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -f "$numero"
}
trap arreter EXIT
# Waits (at most 10 s) until the command "$@" succeeds.
attendre() {
  for _ in $(seq 1 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
  return 1
}
# The server takes a display number nobody uses, and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 "$ecran" -noreset -nolisten tcp -ac 3>"$numero" >/dev/null 2>&1 &
pids+=($!)
attendre test -s "$numero" || { echo "avec-ecran: no display could be started" >&2; exit 1; }
num=$(cat "$numero")
export DISPLAY=":$num" QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
# Monitors are made before the window manager starts, so that it knows them from the first.
IFS=';' read -ra moniteurs <<< "${TRESSOLA_MONITEURS:-}"
for moniteur in "${moniteurs[@]}"; do
  # shellcheck disable=SC2086 # one monitor's arguments
  xrandr --setmonitor $moniteur >/dev/null || { echo "avec-ecran: no monitor $moniteur" >&2; exit 1; }
done
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# The tray host starts once the window manager has claimed the root window: a strip mapped
# earlier is sometimes never taken out of the work area (once in 30 starts on a loaded machine).
attendre eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
  { echo "avec-ecran: the window manager did not start" >&2; exit 1; }
# The command starts once the host's strip of 24 pixels is out of the work area, or it would see
# the whole screen as free. A host whose strip is not taken in 5 s is started again.
l=${ecran%%x*} h=${ecran#*x} h=${h%%x*}
case "$bord" in
  top) attendue="0, 24, $l, $((h - 24))" ;;
  bottom) attendue="0, 0, $l, $((h - 24))" ;;
  right) attendue="0, 0, $((l - 24)), $h" ;;
esac
zone() { zone=$(xprop -root _NET_WORKAREA | sed -n 's/^_NET_WORKAREA(CARDINAL) = //p' | cut -d, -f1-4); }
for essai in 1 2 3 4; do
  [ "${TRESSOLA_SANS_PLATEAU:-0}" = 1 ] && break
  [ "$essai" = 4 ] && { echo "avec-ecran: the work area is '$zone', not '$attendue', with the tray host" >&2; exit 1; }
  trayer --edge "$bord" --align right --widthtype request --height 24 --SetDockType true \
    --SetPartialStrut true --transparent false >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 1 100); do zone; [ "$zone" = "$attendue" ] && break 2; sleep 0.05; done
  kill "${pids[-1]}" && wait "${pids[-1]}" 2>/dev/null
  unset 'pids[-1]'
done
"$@"
