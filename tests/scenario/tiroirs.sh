#!/usr/bin/env bash
# Drawers under real clicks: opened exactly against their strip, hidden, following the moved bar.
# Usage: tiroirs.sh BINARY ORIENTATION
set -u
. "$(dirname "$0")/outils.sh"
o=$2
copier_programme "$1"
demarrer '[TRESSOLA]\nPosition=4\nX=200\nY=400\nOrientation=%s\n[MAIN]\n0NomSection=SECTION0\n0Hint=Bonjour\n1THint=Outils\n1NomSection=SECTION1\nNombre=2\n[SECTION0]\nNombre=2\n[SECTION1]\nNombre=1\n' "$o"
# The middle of strip $1 of the main bar standing at ($2, $3).
bande() { if [ "$o" = 0 ]; then echo "$(($2 + 1 + $1 * 47 + 22)) $(($3 + 9))"; else echo "$(($2 + 56)) $(($3 + 1 + $1 * 47 + 22))"; fi; }
# Where drawer $1 of $2 buttons stands against the main bar at ($3, $4).
place_tiroir() {
  local l=$((47 * $2 - 1))
  if [ "$o" = 0 ]; then echo "$(($3 + $1 * 47)) $(($4 - l)) 46 $l"; else echo "$(($3 + 65)) $(($4 + $1 * 47)) $l 46"; fi
}
attendre_geometrie "$([ "$o" = 0 ] && echo "200 400 93 65" || echo "200 400 65 93")" "the main bar"
for i in 0 1; do
  cliquer $(bande $i 200 400)
  attendre_geometrie "$(place_tiroir $i $((2 - i)) 200 400)" "drawer $i opened"
done
# "Toujours visible" three times: the main bar keeps its window, out of the taskbar and above the
# others, the open drawers stay tied to it, nothing moves.
geo_barre=$(geometrie "$barre")
xdotool key --clearmodifiers ctrl+t sleep 0.2 ctrl+t sleep 0.2 ctrl+t
attendre grep -qx 'StayOnTop=1' "$ini" || echouer "stay on top was not set"
sleep 0.3
barre=$(fenetre Tressola "$geo_barre") || echouer "the main bar moved"
etat=$(xprop -id "$barre" _NET_WM_STATE)
[[ $etat == *SKIP_TASKBAR* && $etat == *ABOVE* ]] || echouer "main bar state: $etat"
for t in "$(place_tiroir 0 2 200 400)" "$(place_tiroir 1 1 200 400)"; do
  id=$(fenetre Tressola "$t") || echouer "a drawer moved from $t"
  xprop -id "$id" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$barre")\$" ||
    echouer "drawer at $t: $(xprop -id "$id" WM_TRANSIENT_FOR), main bar $(printf '0x%x' "$barre")"
done
cliquer $(bande 1 200 400) && sleep 0.3 # hidden now
fenetre Tressola "$(place_tiroir 1 1 200 400)" >/dev/null && echouer "drawer 1 did not hide"
xdotool windowmove --sync "$barre" 500 300
attendre_geometrie "$(place_tiroir 0 2 500 300)" "the open drawer followed the bar"
cliquer $(bande 1 500 300)
attendre_geometrie "$(place_tiroir 1 1 500 300)" "the hidden drawer followed the bar"
# Dragged by its background (between the two buttons), the main bar moves by exactly the mouse's
# movement, and its drawers with it.
if [ "$o" = 0 ]; then glisser 546 340 576 320; else glisser 520 346 550 326; fi
attendre_geometrie "$(place_tiroir 0 2 530 280)" "the open drawer followed the dragged bar"
[ "$(geometrie "$barre" | cut -d' ' -f1-2)" = "530 280" ] || echouer "the dragged bar is at $(geometrie "$barre")"
# Hints of a button and of a strip show while another program is the active window.
xmessage -geometry +900+100 autre & pids+=($!)
autre=$(attendre fenetre xmessage) || echouer "no other window"
for point in "553 $([ "$o" = 0 ] && echo 322 || echo 303)" "$(bande 1 530 280)"; do
  xdotool windowactivate --sync "$autre" mousemove 10 700
  attendre eval '! infobulle' || echouer "a hint stayed"
  xdotool mousemove $point sleep 0.1 mousemove_relative 1 1
  attendre infobulle || echouer "no hint at $point while another window is active"
  capturer "infobulle-$o-${point% *}"
done
