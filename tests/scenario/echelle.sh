#!/usr/bin/env bash
# The bar at QT_SCALE_FACTOR=2: every size doubles in device pixels (a main bar of three buttons
# is 140 x 65, a drawer of two 46 x 93), and it stands at twice its saved place.
# Usage: echelle.sh BINARY ICONS_DIR
set -u
. "$(dirname "$0")/outils.sh"
copier_programme "$1"
export QT_SCALE_FACTOR=2
d="$2/groupes64.dll"
demarrer '[TRESSOLA]\nPosition=4\nX=100\nY=120\n[MAIN]\n0Name=%s\n0Icon=8\n0NomSection=SECTION0\n1Name=%s\n1Icon=7\n2Name=%s\n2Icon=0\nNombre=3\n[SECTION0]\n0Name=%s\n0Icon=6\n1Name=%s\n1Icon=11\nNombre=2\n' \
  "$d" "$d" "$d" "$d" "$d"
attendre_geometrie "200 240 280 130" "the bar"
cliquer 246 258
attendre_geometrie "200 54 92 186" "the drawer"
capturer echelle-2x
echo "scenario echelle: ok"
