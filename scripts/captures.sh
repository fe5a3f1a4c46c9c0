#!/usr/bin/env bash
# Remakes the screenshots of the README (docs/): a horizontal and a vertical bar with an open
# drawer, on a display of their own. Needs build/tressola (make build).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
[ -x "$racine/build/tressola" ] || { echo "captures.sh: build/tressola is missing (make build)" >&2; exit 1; }
exec "$racine/tests/support/avec-ecran.sh" bash -c '
  set -euo pipefail
  racine=$1
  icones="$racine/tests/data/icons"
  for orientation in 0 1; do
    rep=$(mktemp -d)
    cp "$racine/build/tressola" "$rep/"
    {
      printf "[TRESSOLA]\nPosition=4\nX=200\nY=300\nOrientation=%s\n[MAIN]\n" "$orientation"
      for i in 0 1 2 3; do
        printf "%sName=%s/groupes64.dll\n%sIcon=%s\n%sHint=Programme %s\n%sNomSection=SECTION%s\n" \
          $i "$icones" $i $((i * 2)) $i $i $i $i
      done
      printf "Nombre=4\n[SECTION0]\n"
      for i in 0 1 2; do
        printf "%sName=%s/plusieurs-tailles.ico\n%sIcon=0\n" $i "$icones" $i
      done
      printf "Nombre=3\n[SECTION1]\n0Name=%s/png256.ico\n0Icon=0\nNombre=1\n" "$icones"
    } > "$rep/TRESSOLA.INI"
    "$rep/tressola" &
    pid=$!
    sleep 1.5
    if [ "$orientation" = 0 ]; then x=223; y=309; else x=256; y=323; fi
    xdotool mousemove "$x" "$y" sleep 0.1 click 1 sleep 0.5
    nom=$([ "$orientation" = 0 ] && echo horizontale || echo verticale)
    import -window root -crop 480x420+150+80 +repage "$racine/docs/barre-$nom.png"
    kill $pid
    rm -rf "$rep"
  done
' captures "$racine"
