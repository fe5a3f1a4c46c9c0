#!/usr/bin/env bash
# Remakes the screenshots of the README (docs/barre-1x.png, docs/barre-2x.png): a bar of real
# applications, with the icon theme's pictures, and an open drawer, over a plain background, at
# scale 1 and 2, each on a display of its own. Needs build/tressola (make build) and the Tango
# icon theme (scripts/install-deps.sh).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
binaire=${TRESSOLA_BINAIRE:-$racine/build/tressola}
[ -x "$binaire" ] || { echo "captures.sh: $binaire is missing (make build)" >&2; exit 1; }
theme=/usr/share/icons/Tango/scalable
[ -d "$theme" ] || { echo "captures.sh: the Tango icon theme is missing (scripts/install-deps.sh)" >&2; exit 1; }
for echelle in 1 2; do
  TRESSOLA_SANS_PLATEAU=1 TRESSOLA_ECRAN="$((640 * echelle))x$((400 * echelle))x24" QT_SCALE_FACTOR=$echelle \
    "$racine/scripts/avec-ecran.sh" bash -c '
    set -euo pipefail
    binaire=$1 theme=$2 e=$3 sortie=$4
    rep=$(mktemp -d)
    trap "kill \$pid 2>/dev/null; rm -rf \"\$rep\"" EXIT
    cp "$binaire" "$rep/tressola"
    bouton() { # index, picture, command, tooltip
      printf "%sLigCom=%s\n%sName=%s\n%sIcon=0\n%sHint=%s\n" "$1" "$3" "$1" "$theme/$2.svg" "$1" "$1" "$4"
    }
    {
      printf "[TRESSOLA]\nPosition=4\nX=190\nY=250\nOrientation=0\n[MAIN]\n"
      bouton 0 apps/utilities-terminal x-terminal-emulator Terminal
      bouton 1 apps/internet-web-browser x-www-browser Navigateur
      bouton 2 apps/accessories-text-editor editor "Éditeur de texte"
      bouton 3 apps/system-file-manager xdg-open "Gestionnaire de fichiers"
      bouton 4 categories/applications-graphics xdg-open "Visionneuse d'\''images"
      for i in 0 1 2 3 4; do printf "%sNomSection=SECTION%s\n" $i $i; done
      printf "Nombre=5\n[SECTION0]\n"
      bouton 0 apps/accessories-calculator calculatrice Calculatrice
      bouton 1 apps/accessories-character-map table "Table de caractères"
      bouton 2 apps/help-browser aide Aide
      printf "Nombre=3\n"
    } > "$rep/TRESSOLA.INI"
    xsetroot -solid "#4a6f8a"
    "$rep/tressola" &
    pid=$!
    for _ in $(seq 1 100); do xdotool search --onlyvisible --name "^Tressola$" >/dev/null 2>&1 && break; sleep 0.1; done
    sleep 1
    # The strip beside the first button opens its drawer.
    xdotool mousemove $((213 * e)) $((259 * e)) sleep 0.2 click 1 sleep 1 mousemove $((600 * e)) $((380 * e)) sleep 0.3
    import -window root -crop $((360 * e))x$((280 * e))+$((130 * e))+$((50 * e)) +repage "$sortie"
  ' captures "$binaire" "$theme" "$echelle" "$racine/docs/barre-${echelle}x.png"
done
echo "captures.sh: docs/barre-1x.png and docs/barre-2x.png"
