#!/usr/bin/env bash
# The main bar starts at its start-up place: clear of the desktop's panel when there is one, at
# twice its saved place and size at QT_SCALE_FACTOR=2; a click at ($4, $5) then opens a drawer at
# $6. Usage: placement.sh BINARY BOARD_FILE EXPECTED_GEOMETRY [X Y DRAWER_GEOMETRY]
set -u
. "$(dirname "$0")/outils.sh"
copier_programme "$1"
demarrer "$2"
sleep 0.3 # the window manager may still be placing it: it must not move it
[ "$(geometrie "$barre")" = "$3" ] || echouer "bar at $(geometrie "$barre"), not $3"
[ $# = 3 ] || { cliquer "$4" "$5" && attendre_geometrie "$6" "the drawer"; }
capturer "placement-${3// /-}"
