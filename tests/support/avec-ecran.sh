#!/usr/bin/env bash
# Runs a command on a display of its own: Xvfb, the openbox window manager and a trayer tray host,
# stopped again whatever the command's outcome. Usage: avec-ecran.sh COMMAND [ARG...]
# TRESSOLA_ECRAN sets the screen (1280x800x24), TRESSOLA_BORD_PLATEAU the tray host's edge (top),
# TRESSOLA_SANS_PLATEAU=1 leaves the tray host out. TRESSOLA_MONITEURS cuts the screen into monitors:
# the arguments of one `xrandr --setmonitor` per monitor, separated by ";".
set -u

pids=()
arreter() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -f "/tmp/.X${num}-lock" 2>/dev/null
}
trap arreter EXIT

attendre_ecran() {
  for _ in $(seq 1 200); do
    xdpyinfo -display ":$num" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

# A display number nobody uses, tried a few times in case two test runs pick the same one.
for essai in 1 2 3 4 5; do
  num=$((100 + RANDOM % 800))
  [ -e "/tmp/.X${num}-lock" ] && continue
  Xvfb ":$num" -screen 0 "${TRESSOLA_ECRAN:-1280x800x24}" -noreset -nolisten tcp -ac >/dev/null 2>&1 &
  pids+=($!)
  attendre_ecran && break
  kill "${pids[-1]}" 2>/dev/null
  unset 'pids[-1]'
  [ "$essai" = 5 ] && { echo "avec-ecran: no display could be started" >&2; exit 1; }
done

export DISPLAY=":$num"
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# Monitors are made before the window manager starts, so that it knows them from the first.
IFS=';' read -ra moniteurs <<< "${TRESSOLA_MONITEURS:-}"
for moniteur in "${moniteurs[@]}"; do
  # shellcheck disable=SC2086 # one monitor's arguments
  xrandr --setmonitor $moniteur >/dev/null || { echo "avec-ecran: no monitor $moniteur" >&2; exit 1; }
done

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# The window manager is ready when it has claimed the root window. The tray host starts only
# then: a strip mapped while the window manager is still starting is sometimes never taken out
# of the work area (seen about once in 30 starts on a loaded machine).
gestionnaire=""
for _ in $(seq 1 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && gestionnaire=1 && break
  sleep 0.05
done
[ -n "$gestionnaire" ] || { echo "avec-ecran: the window manager did not start" >&2; exit 1; }

# The work area the window manager gives once the tray host's strip of 24 pixels is out of it.
zone_attendue() {
  local l h
  l=$(echo "$ecran" | cut -dx -f1)
  h=$(echo "$ecran" | cut -dx -f2)
  case "${TRESSOLA_BORD_PLATEAU:-top}" in
    top) echo "0, 24, $l, $((h - 24))" ;;
    bottom) echo "0, 0, $l, $((h - 24))" ;;
    left) echo "24, 0, $((l - 24)), $h" ;;
    right) echo "0, 0, $((l - 24)), $h" ;;
  esac
}

# Starts the tray host and waits until its strip is out of the work area; a program started
# earlier would see the whole screen as free. A host whose strip is not taken in 5 s is started
# again.
demarrer_plateau() {
  local attendue zone essai
  attendue=$(zone_attendue)
  for essai in 1 2 3; do
    trayer --edge "${TRESSOLA_BORD_PLATEAU:-top}" --align right --widthtype request --height 24 \
      --SetDockType true --SetPartialStrut true --transparent false >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 1 100); do
      zone=$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/^_NET_WORKAREA(CARDINAL) = //p' |
        cut -d, -f1-4)
      [ "$zone" = "$attendue" ] && return 0
      sleep 0.05
    done
    kill "${pids[-1]}" 2>/dev/null
    wait "${pids[-1]}" 2>/dev/null
    unset 'pids[-1]'
  done
  echo "avec-ecran: the work area is '$zone', not '$attendue', with the tray host" >&2
  return 1
}

ecran="${TRESSOLA_ECRAN:-1280x800x24}"
if [ "${TRESSOLA_SANS_PLATEAU:-0}" != 1 ]; then
  demarrer_plateau || exit 1
fi

"$@"
