#!/usr/bin/env bash
# The tray icon's clicks; the dialogs' fixed frames, a minimised modal dialog brought back by a
# click, the icon chooser's row. Usage: dialogues.sh BINARY ICON_FILE_WITH_12_ICONS
set -u
. "$(dirname "$0")/outils.sh"
copier_programme "$1"
demarrer '[TRESSOLA]\nPosition=4\nX=200\nY=400\n[MAIN]\n0LigCom=/bin/true\n0Name=%s\n0Icon=0\n0NomSection=SECTION0\nNombre=1\n[SECTION0]\nNombre=0\n' "$2"
read -r ix iy < <(icone_plateau) || echouer "not one tray icon"
# It shows the application's icon, not the tray's background alone.
attendre eval '[ "$(import -window root -crop 22x22+$ix+$iy -format %k info:)" -gt 2 ]' || echouer "a blank tray icon"
# A window over the bar; a left click on the tray icon brings the bar above it, unmoved.
xmessage -geometry 300x200+150+350 cache &
pids+=($!)
cache=$(attendre fenetre xmessage) || echouer "the covering window never showed"
xdotool windowactivate --sync "$cache"
attendre au_dessus "$cache" "$barre" || echouer "the covering window is not above the bar"
cliquer $((ix + 11)) $((iy + 11))
attendre au_dessus "$barre" "$cache" || echouer "a left click on the icon did not raise the bar"
[ "$(geometrie "$barre")" = "200 400 46 65" ] || echouer "the bar moved: $(geometrie "$barre")"
kill "${pids[-1]}"
# The pointer resting on the icon shows its tooltip; a right click opens a menu.
avant=$(fenetres)
xdotool mousemove_relative 1 1
attendre infobulle || echouer "no tooltip on the tray icon"
xdotool click --delay 1 3
attendre eval '[ "$(fenetres)" -gt "$avant" ]' || echouer "a right click opened no menu"
capturer menu-du-plateau
xdotool key Escape
etat() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
actif() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
disparu() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
# Window $1 ($2) may be closed, not minimised nor maximised; with $3, Return closes it.
cadre_fixe() {
  local w=$1
  attendre eval 'permis=$(xprop -id "$w" _NET_WM_ALLOWED_ACTIONS); [[ $permis == *_CLOSE* ]]'
  [[ $permis == *_CLOSE* && $permis != *_MINIMIZE* && $permis != *_MAXIMIZE_* ]] ||
    echouer "$2 allows: $permis"
  [ -z "${3:-}" ] || { xdotool key --clearmodifiers Return && attendre disparu "$1" || echouer "$2 stayed"; }
}
# A modal dialog minimised by the window manager (asked again until it holds: a dialog that has
# just appeared may still ask to be activated) comes back, active, at a click at ($2, $3).
ramener() {
  local w=$1
  attendre eval 'xdotool windowminimize "$w" sleep 0.2 && [ "$(etat "$w")" = Iconic ]' ||
    echouer "the window manager did not minimise the dialog"
  cliquer "$2" "$3"
  attendre actif "$1" || echouer "a click at $2,$3 did not bring the dialog back ($(etat "$1"), bar $(etat $barre))"
  [ "$(etat "$1")" = Normal ] || echouer "the dialog is $(etat "$1")"
}
# The window named $1, opened from the menu at ($2, $3) by the keys ${@:4}, once it is active.
par_menu() {
  cliquer "$2" "$3" 3 && xdotool sleep 0.3 key "${@:4}"
  local w
  w=$(attendre fenetre "$1") && attendre actif "$w" && echo "$w"
}
dlg=$(par_menu "Configurer une application" 223 442 c) || echouer "no active configuration dialog"
# Asked of the window manager: a title and a close box only; moving and closing only.
read -r drapeaux fonctions decorations _ < <(xprop -id "$dlg" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
[ $((drapeaux & 3)) = 3 ] && [ $((fonctions & 0x18)) = 0 ] && [ $((decorations & 0x60)) = 0 ] &&
  [ $((fonctions & 0x20)) != 0 ] || echouer "asked for $drapeaux $fonctions $decorations"
cadre_fixe "$dlg" "the configuration dialog"
# The file dialog that it opens keeps its minimise box, and minimising it takes the configuration
# dialog along: a click on the bar, and one on the tray icon, bring them back.
xdotool key --clearmodifiers alt+p
ouvrir=$(attendre fenetre Ouvrir) || echouer "no file dialog"
attendre actif "$ouvrir" || echouer "the file dialog is not active"
ramener "$ouvrir" 223 442
ramener "$ouvrir" $((ix + 11)) $((iy + 11))
xdotool key --clearmodifiers Escape
attendre actif "$dlg" || echouer "the configuration dialog is not back ($(etat "$dlg"))"
capturer dialogue-ramene
# Still usable: the chooser opens on the icon source, and its third icon sets the number.
xdotool key --clearmodifiers alt+c
choix=$(attendre fenetre "Choix de l'icône pour l'application") || echouer "no icon chooser"
read -r x y l h < <(geometrie "$choix")
# Its caption is its own, so no window manager's frame adds to its width: 12 icons, 586 pixels.
cadre=$(xprop -id "$choix" _NET_FRAME_EXTENTS | sed 's/.*= //')
[ "$l" = 586 ] && [ "$cadre" = "0, 0, 0, 0" ] || echouer "chooser $l wide in a frame of $cadre"
capturer choix-icone
cliquer $((x + 4 + 100 + 22)) $((y + h - 4 - 22 - 5))
attendre disparu "$choix" || echouer "the chooser stayed"
xdotool key --clearmodifiers Return
attendre grep -qx '0Icon=2' "$ini" || echouer "the third icon was not chosen: $(grep 0Icon "$ini")"
# The drawer's hint dialog, from the strip's menu; the About box, from the bar's menu; a message
# box: the main bar's last button cannot be destroyed.
for d in "Configurer l'info-bulle du tiroir|223 408 b" "A propos de Tressola|245 418 Down Down Down Return"; do
  w=$(par_menu "${d%|*}" ${d#*|}) || echouer "no active $d"
  cadre_fixe "$w" "${d%|*}" Return
done
cliquer 223 442 3 && xdotool sleep 0.3 key d
boite=$(attendre fenetre Tressola '!(200 400 46 65)') && attendre actif "$boite" || echouer "no active message box"
cadre_fixe "$boite" "a message box" Return
echo "scenario dialogues: ok"
