#!/usr/bin/env bash
# The dialogs as a person meets them: a modal dialog that the window manager minimised all the
# same comes back at the next click on the bar or on the tray icon, and stays usable; the icon
# chooser is a row of icons under a caption with no button beside it.
# Usage: dialogues.sh BINARY ICON_FILE_WITH_12_ICONS
set -u
. "$(dirname "$0")/outils.sh"
rep=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$rep"' EXIT
cp "$1" "$rep/tressola"
ini="$rep/TRESSOLA.INI"
printf '[TRESSOLA]\nPosition=4\nX=200\nY=400\n[MAIN]\n0LigCom=/bin/true\n0Name=%s\n0Icon=0\n0NomSection=SECTION0\nNombre=1\n[SECTION0]\nNombre=0\n' \
  "$2" > "$ini"
"$rep/tressola" &
pid=$!
barre=$(attendre_fenetre Tressola) || echouer "the bar never showed"

etat() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
actif() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
iconifie() { [ "$(etat "$1")" = Iconic ]; }
# A modal dialog minimised by the window manager comes back, active, at a click at ($2, $3).
ramener() {
  xdotool windowminimize "$1"
  attendre iconifie "$1" || echouer "the window manager did not minimise the dialog"
  xdotool mousemove "$2" "$3" sleep 0.05 click --delay 1 1
  attendre actif "$1" || echouer "a click at $2,$3 did not bring the dialog back ($(etat "$1"), bar $(etat $barre))"
  [ "$(etat "$1")" = Normal ] || echouer "the dialog is $(etat "$1")"
}

# The configuration dialog, from the button's menu.
xdotool mousemove 223 442 sleep 0.05 click --delay 1 3 sleep 0.3 key c
dlg=$(attendre_fenetre "Configurer une application") || echouer "no configuration dialog"
attendre actif "$dlg" || echouer "the dialog is not active"
# Asked of the window manager: a title, a close box and no minimise or maximise box; moving and
# closing only.
read -r drapeaux fonctions decorations _ < <(xprop -id "$dlg" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
[ $((drapeaux & 3)) = 3 ] && [ $((fonctions & 0x18)) = 0 ] && [ $((decorations & 0x60)) = 0 ] &&
  [ $((fonctions & 0x20)) != 0 ] || echouer "asked for $drapeaux $fonctions $decorations"
ramener "$dlg" 223 442
capturer dialogue-ramene

# Still usable: the chooser opens on the icon source, and its third icon sets the number.
xdotool key --clearmodifiers alt+c
choix=$(attendre_fenetre "Choix de l'icône pour l'application") || echouer "no icon chooser"
read -r x y l h < <(geometrie "$choix")
# Its caption is its own, so no window manager's frame adds to its width: 12 icons, 586 pixels.
cadre=$(xprop -id "$choix" _NET_FRAME_EXTENTS | sed 's/.*= //')
[ "$l" = 586 ] && [ "$cadre" = "0, 0, 0, 0" ] || echouer "chooser $l wide in a frame of $cadre"
capturer choix-icone
xdotool mousemove $((x + 4 + 100 + 22)) $((y + h - 4 - 22 - 5)) sleep 0.05 click --delay 1 1
attendre sh -c "! xdotool search --onlyvisible --name \"^Choix de l'icône\" >/dev/null" || echouer "the chooser stayed"
xdotool key --clearmodifiers Return
attendre grep -qx '0Icon=2' "$ini" || echouer "the third icon was not chosen: $(grep 0Icon "$ini")"

# The About box, from the bar's menu, comes back at a click on the tray icon.
xdotool mousemove 245 418 sleep 0.05 click --delay 1 3 sleep 0.3 key Down Down Down Return
apropos=$(attendre_fenetre "A propos de Tressola") || echouer "no About box"
read -r ix iy < <(icone_plateau) || echouer "no tray icon"
ramener "$apropos" $((ix + 11)) $((iy + 11))
xdotool key --clearmodifiers Return
attendre sh -c "! xdotool search --onlyvisible --name '^A propos de Tressola\$' >/dev/null" || echouer "the About box stayed"
echo "scenario dialogues: ok"
