#!/usr/bin/env bash
# The main bar of three buttons starts at its start-up place, clear of the desktop's panel when
# there is one. Usage: placement.sh BINARY POSITION EXPECTED_LEFT EXPECTED_TOP
set -u
. "$(dirname "$0")/outils.sh"
copier_programme "$1"
demarrer '[TRESSOLA]\nPosition=%s\n[MAIN]\nNombre=3\n' "$2"
sleep 0.3 # the window manager may still be placing it: it must not move it
[ "$(geometrie "$barre")" = "$3 $4 140 65" ] || echouer "bar at $(geometrie "$barre"), not $3 $4 140 65"
echo "scenario placement: ok"
