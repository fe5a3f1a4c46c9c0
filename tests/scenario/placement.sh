#!/usr/bin/env bash
# The main bar of three buttons starts at its start-up place, clear of the desktop's panel when
# there is one. Usage: placement.sh BINARY POSITION EXPECTED_LEFT EXPECTED_TOP
set -u
. "$(dirname "$0")/outils.sh"
copier_programme "$1"
printf '[TRESSOLA]\nPosition=%s\n[MAIN]\nNombre=3\n' "$2" > "$rep/TRESSOLA.INI"
"$rep/tressola" &
pid=$!
barre=$(attendre_fenetre Tressola) || echouer "the bar never showed"
sleep 0.3 # the window manager may still be placing it: it must not move it
attendu="$3 $4 140 65"
[ "$(geometrie "$barre")" = "$attendu" ] || echouer "bar at $(geometrie "$barre"), not $attendu"
echo "scenario placement: ok"
