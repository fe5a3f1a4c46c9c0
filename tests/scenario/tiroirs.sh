#!/usr/bin/env bash
# Drawers with the real program and real clicks: a click on a strip opens the drawer exactly
# against it, a second one hides it, and open and hidden drawers follow the main bar when it moves.
# Usage: tiroirs.sh BINARY ORIENTATION
set -u
. "$(dirname "$0")/outils.sh"
orientation=$2
copier_programme "$1"
printf '[TRESSOLA]\nPosition=4\nX=200\nY=400\nOrientation=%s\n[MAIN]\n0NomSection=SECTION0\n0Hint=Bonjour\n1THint=Outils\n1NomSection=SECTION1\nNombre=2\n[SECTION0]\nNombre=2\n[SECTION1]\nNombre=1\n' \
  "$orientation" > "$rep/TRESSOLA.INI"
"$rep/tressola" &
pid=$!
barre=$(attendre_fenetre Tressola) || echouer "the bar never showed"

# Clicks the middle of strip $1 of the main bar standing at ($2, $3).
cliquer_bande() {
  if [ "$orientation" = 0 ]; then x=$(($2 + 1 + $1 * 47 + 22)); y=$(($3 + 9))
  else x=$(($2 + 48 + 8)); y=$(($3 + 1 + $1 * 47 + 22)); fi
  # (--sync would wait forever when the pointer is already there)
  [ "${4:-}" = echo ] && { echo "$x $y"; return; }
  xdotool mousemove "$x" "$y" sleep 0.05 click --delay 1 1
}
# Where drawer $1 of $2 buttons stands against the main bar at ($3, $4).
place_tiroir() {
  local long=$((47 * $2 - 1))
  if [ "$orientation" = 0 ]; then echo "$(($3 + $1 * 47)) $(($4 - long)) 46 $long"
  else echo "$(($3 + 65)) $(($4 + $1 * 47)) $long 46"; fi
}

if [ "$orientation" = 0 ]; then
  [ "$(geometrie "$barre")" = "200 400 93 65" ] || echouer "main bar at $(geometrie "$barre")"
else
  [ "$(geometrie "$barre")" = "200 400 65 93" ] || echouer "main bar at $(geometrie "$barre")"
fi

cliquer_bande 0 200 400
attendre_geometrie "$(place_tiroir 0 2 200 400)" "drawer 0 opened"
cliquer_bande 1 200 400
attendre_geometrie "$(place_tiroir 1 1 200 400)" "drawer 1 opened"
capturer "tiroirs-orientation-$orientation"

# "Toujours visible" three times: the main bar keeps its window, out of the taskbar and above the
# others, the open drawers stay tied to it, nothing moves.
geo_barre=$(geometrie "$barre")
xdotool key --clearmodifiers ctrl+t sleep 0.2 ctrl+t sleep 0.2 ctrl+t
attendre grep -qx 'StayOnTop=1' "$rep/TRESSOLA.INI" || echouer "stay on top was not set"
sleep 0.3
principale=$(fenetre_en "$geo_barre") || echouer "the main bar moved"
etat=$(xprop -id "$principale" _NET_WM_STATE)
case "$etat" in *SKIP_TASKBAR*ABOVE* | *ABOVE*SKIP_TASKBAR*) ;; *) echouer "main bar state: $etat" ;; esac
for t in "$(place_tiroir 0 2 200 400)" "$(place_tiroir 1 1 200 400)"; do
  id=$(fenetre_en "$t") || echouer "a drawer moved from $t"
  xprop -id "$id" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$principale")\$" ||
    echouer "drawer at $t: $(xprop -id "$id" WM_TRANSIENT_FOR), main bar $(printf '0x%x' "$principale")"
done
barre=$principale

cliquer_bande 1 200 400 # hidden now
sleep 0.3
fenetre_en "$(place_tiroir 1 1 200 400)" >/dev/null && echouer "drawer 1 did not hide"

xdotool windowmove --sync "$barre" 500 300
attendre_geometrie "$(place_tiroir 0 2 500 300)" "the open drawer followed the bar"
cliquer_bande 1 500 300
attendre_geometrie "$(place_tiroir 1 1 500 300)" "the hidden drawer followed the bar"

# Dragged by its background (between the two buttons), the main bar moves by exactly the mouse's
# movement, and its drawers with it.
if [ "$orientation" = 0 ]; then fx=$((500 + 46)); fy=$((300 + 40)); else fx=$((500 + 20)); fy=$((300 + 46)); fi
glisser "$fx" "$fy" $((fx + 30)) $((fy - 20))
attendre_geometrie "$(place_tiroir 0 2 530 280)" "the open drawer followed the dragged bar"
[ "$(geometrie "$barre" | cut -d' ' -f1-2)" = "530 280" ] || echouer "the dragged bar is at $(geometrie "$barre")"

# Hints of a button and of a strip show while another program is the active window.
xmessage -geometry +900+100 autre &
autre=$!
trap 'kill $pid $autre 2>/dev/null; rm -rf "$rep"' EXIT
id_autre=$(attendre_fenetre xmessage) || echouer "no other window"
infobulle() {
  local id
  for id in $(xdotool search --onlyvisible --classname tressola 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && return 0
  done
  return 1
}
if [ "$orientation" = 0 ]; then bx=$((530 + 23)); by=$((280 + 42)); else bx=$((530 + 23)); by=$((280 + 23)); fi
for point in "$bx $by" "$(cliquer_bande 1 530 280 echo)"; do
  xdotool windowactivate --sync "$id_autre" mousemove 10 700
  attendre sh -c "! { $(declare -f infobulle); infobulle; }" || echouer "a hint stayed"
  xdotool mousemove $point sleep 0.1 mousemove_relative 1 1
  attendre infobulle || echouer "no hint at $point while another window is active"
  capturer "infobulle-$orientation-${point% *}"
done

echo "scenario tiroirs $orientation: ok"
