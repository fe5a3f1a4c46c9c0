#!/usr/bin/env bash
# Monitors GAUCHE 1280 x 800 and DROITE 1024 x 768 at +1280+0, a panel of 24 pixels on top. A bar
# off every monitor comes onto the nearest one, and none of this writes the board file.
set -u
. "$(dirname "$0")/outils.sh"
copier_programme "$1"
# Starts the program on a board whose saved place is ($1, $2), orientation $3; it must stand at $4.
demarrer_en() {
  [ -n "$pid" ] && kill "$pid" && wait "$pid" 2>/dev/null
  printf '[TRESSOLA]\nPosition=4\nX=%s\nY=%s\nOrientation=%s\n[MAIN]\n0NomSection=SECTION0\n1NomSection=SECTION1\nNombre=2\n[SECTION0]\nNombre=2\n[SECTION1]\nNombre=1\n' \
    "$1" "$2" "$3" | tee "$rep/avant.INI" > "$ini"
  demarrer
  attendre_geometrie "$4" "started from $1, $2"
  inchange "started from $1, $2"
}
inchange() { cmp -s "$rep/avant.INI" "$ini" || echouer "the board was written ($1)"; }
# On DROITE, 10 pixels from its inner edge; switching to horizontal keeps it there, where the
# primary monitor's width would pull it back onto GAUCHE.
demarrer_en 1290 300 1 "1290 300 65 93"
xdotool windowactivate --sync "$barre" key --clearmodifiers ctrl+h
attendre_geometrie "1290 300 93 65" "laid out horizontal on DROITE"
cliquer 1313 309
attendre_geometrie "1290 207 46 93" "drawer opened above its strip on DROITE"
cp "$ini" "$rep/avant.INI"
# DROITE unplugged: the bar comes to GAUCHE's right edge, its drawer with it.
xrandr --delmonitor DROITE >/dev/null
attendre_geometrie "1187 300 93 65" "the bar moved onto GAUCHE"
attendre_geometrie "1187 207 46 93" "the drawer followed"
# A move that comes late, as the window manager's may, is undone all the same; then the bar idles.
xdotool windowmove "$barre" 1250 300
attendre_geometrie "1187 300 93 65" "the bar brought back after a late move"
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
avant=$(ticks) && sleep 1
[ $(($(ticks) - avant)) -lt 20 ] || echouer "the bar kept a processor busy while idle"
# "&Revenir à position sauvée", a place on no monitor now: the same place on GAUCHE.
xdotool windowmove --sync "$barre" 300 400
xdotool windowactivate --sync "$barre" key --clearmodifiers ctrl+r
attendre_geometrie "1187 300 93 65" "back to the saved place"
inchange "moved off the lost monitor"
# A saved place on the missing monitor: the nearest place on GAUCHE.
demarrer_en 1500 300 0 "1187 300 93 65"
# DROITE is back, but the saved place lies below it (it is 768 high): pulled up onto it.
xrandr --setmonitor DROITE 1024/271x768/203+1280+0 none >/dev/null
demarrer_en 1500 780 0 "1500 703 93 65"
