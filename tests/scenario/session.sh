#!/usr/bin/env bash
# Starting with the session, and one bar per board. The program runs from a folder whose name
# holds a blank, so that the autostart entry must quote it.
set -u
. "$(dirname "$0")/outils.sh"
binaire=$1
tmp=$(mktemp -d)
trap 'kill $pid $autre 2>/dev/null; rm -rf "$tmp"' EXIT
pid="" autre=""
rep="$tmp/ma barre"
mkdir -p "$rep" "$tmp/autre"
cp "$binaire" "$rep/tressola"
export XDG_CONFIG_HOME="$tmp/config"
entree="$XDG_CONFIG_HOME/autostart/tressola.desktop"
"$rep/tressola" &
pid=$!
barre=$(attendre_fenetre Tressola) || echouer "the bar never showed"

# The last item of the bar menu, by its accelerator, once the menu shows.
fenetres() { xdotool search --onlyvisible --class tressola 2>/dev/null | wc -l; }
ouvrir_menu() {
  xdotool windowactivate --sync "$barre" 2>/dev/null
  xdotool key --clearmodifiers F10
  for _ in $(seq 1 20); do [ "$(fenetres)" -gt "$avant_menu" ] && return 0; sleep 0.1; done
  return 1
}
basculer() {
  avant_menu=$(fenetres)
  attendre ouvrir_menu || echouer "F10 opened no menu"
  capturer "menu-$1"
  xdotool key d
}

# 1. Checking writes a valid entry naming the running executable; unchecking removes it; the
#    item follows an entry removed or hidden by hand (it then writes the entry again).
basculer 1
attendre test -f "$entree" || echouer "checking wrote no autostart entry"
desktop-file-validate "$entree" || echouer "the autostart entry is not valid"
grep -qxF "Exec=\"$rep/tressola\"" "$entree" || echouer "the entry runs $(grep ^Exec= "$entree")"
basculer 2
attendre test ! -e "$entree" || echouer "unchecking left the entry"
for a_la_main in supprimee cachee; do
  basculer "$a_la_main-1"
  attendre test -f "$entree" || echouer "checking wrote no entry"
  if [ $a_la_main = supprimee ]; then rm "$entree"; else echo "Hidden=true" >> "$entree"; fi
  basculer "$a_la_main-2"
  attendre grep -qxF "Exec=\"$rep/tressola\"" "$entree" || echouer "entry $a_la_main: not written again"
  grep -q Hidden "$entree" && echouer "entry $a_la_main: still hidden"
  basculer "$a_la_main-3"
  attendre test ! -e "$entree" || echouer "unchecking left the entry"
done

# 2. A second start on the same board brings the running bar forward, unmoved, and ends with 0
#    without writing anything.
read -r x y w h < <(geometrie "$barre")
xdotool windowminimize --sync "$barre"
avant=$(ls -l --time-style=full-iso "$rep"; md5sum "$rep/TRESSOLA.INI")
"$rep/tressola" &
second=$!
attendre_fin $second
[ "$code" = 0 ] || echouer "the second start ended with $code"
revenue() { [ "$(compter_fenetres Tressola)" -ge 1 ] && [ "$(xdotool getactivewindow 2>/dev/null)" = "$barre" ]; }
attendre revenue || echouer "the running bar did not come back to the front"
[ "$(geometrie "$barre")" = "$x $y $w $h" ] || echouer "the bar moved to $(geometrie "$barre")"
[ "$(ls -l --time-style=full-iso "$rep"; md5sum "$rep/TRESSOLA.INI")" = "$avant" ] ||
  echouer "the second start wrote into the folder"

# 3. A start on another board runs beside it. Its configuration folder cannot be made (a file
#    stands in its way), so checking the item reports the failed write.
cp "$binaire" "$tmp/autre/tressola"
touch "$tmp/fichier"
XDG_CONFIG_HOME="$tmp/fichier" "$tmp/autre/tressola" &
autre=$!
barres() { xdotool search --onlyvisible --name '^Tressola$' | while read -r i; do geometrie "$i"; done; }
deux() { [ "$(barres | grep -c ' 46 65$')" = 2 ]; }
attendre test -f "$tmp/autre/TRESSOLA.INI" && attendre deux || echouer "the two bars do not show side by side: $(barres)"
premiere=$barre
for id in $(xdotool search --onlyvisible --pid "$autre" --name '^Tressola$'); do
  [ "$(geometrie "$id" | cut -d' ' -f3-)" = "46 65" ] && barre=$id
done
basculer echec
message() { xdotool search --onlyvisible --pid "$autre" --name '^Tressola$' | while read -r i; do geometrie "$i"; done |
  grep -qv ' 46 65$\| 22 22$\| 1 1$'; }
attendre message || echouer "the failed write of the autostart entry was not reported"
capturer echec
[ "$barre" != "$premiere" ] && [ ! -e "$tmp/fichier/autostart" ] || echouer "wrong bar, or an entry was written"
echo "scenario session: ok"
