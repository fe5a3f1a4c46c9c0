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

# The last item of the bar menu, by its accelerator.
basculer() {
  xdotool windowactivate --sync "$barre" key --clearmodifiers F10 sleep 0.4 key d
}

# 1. Checking writes a valid entry naming the running executable; unchecking removes it; the
#    item follows an entry removed or hidden by hand (it then writes the entry again).
basculer
attendre test -f "$entree" || echouer "checking wrote no autostart entry"
desktop-file-validate "$entree" || echouer "the autostart entry is not valid"
grep -qxF "Exec=\"$rep/tressola\"" "$entree" || echouer "the entry runs $(grep ^Exec= "$entree")"
basculer
attendre test ! -e "$entree" || echouer "unchecking left the entry"
for a_la_main in supprimee cachee; do
  basculer
  attendre test -f "$entree" || echouer "checking wrote no entry"
  if [ $a_la_main = supprimee ]; then rm "$entree"; else echo "Hidden=true" >> "$entree"; fi
  basculer
  attendre grep -qxF "Exec=\"$rep/tressola\"" "$entree" || echouer "entry $a_la_main: not written again"
  grep -q Hidden "$entree" && echouer "entry $a_la_main: still hidden"
  basculer
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
attendre test "$(compter_fenetres Tressola)" -ge 1 || echouer "the running bar did not come back"
attendre test "$(xdotool getactivewindow 2>/dev/null)" = "$barre" || echouer "the running bar is not active"
[ "$(geometrie "$barre")" = "$x $y $w $h" ] || echouer "the bar moved to $(geometrie "$barre")"
[ "$(ls -l --time-style=full-iso "$rep"; md5sum "$rep/TRESSOLA.INI")" = "$avant" ] ||
  echouer "the second start wrote into the folder"

# 3. A start on another board runs beside it.
cp "$binaire" "$tmp/autre/tressola"
"$tmp/autre/tressola" &
autre=$!
attendre test -f "$tmp/autre/TRESSOLA.INI" || echouer "the start on another board did not run"
attendre test "$(xdotool search --onlyvisible --name '^Tressola$' | while read -r i; do geometrie "$i"; done |
  grep -c ' 46 65$')" = 2 || echouer "the two bars do not show side by side"
echo "scenario session: ok"
