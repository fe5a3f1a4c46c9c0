#!/usr/bin/env bash
# Starting with the session, and one bar per board. The program runs from a folder whose name
# holds a blank, so that the autostart entry must quote it.
set -u
. "$(dirname "$0")/outils.sh"
copier_programme "$1" "ma barre"
export XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/run"
entree="$XDG_CONFIG_HOME/autostart/tressola.desktop"
mkdir -m 700 "$XDG_RUNTIME_DIR"
demarrer
# One user's copies meet no other user's: they listen in the user's runtime folder, for the user.
[ "$(stat -c %A "$XDG_RUNTIME_DIR"/tressola-*)" = srwx------ ] || echouer "runtime folder: $(ls -l "$XDG_RUNTIME_DIR")"
# The last item of the bar menu, by its accelerator, once F10 has opened the menu.
ouvrir_menu() {
  xdotool windowactivate --sync "$barre" key --clearmodifiers F10 2>/dev/null
  for _ in $(seq 1 20); do [ "$(fenetres)" -gt "$avant" ] && return 0; sleep 0.1; done; return 1
}
basculer() {
  avant=$(fenetres)
  attendre ouvrir_menu || echouer "F10 opened no menu"
  capturer "menu-$1"
  xdotool key d
}
# 1. Checking writes a valid entry naming the running executable; unchecking removes it; the
#    item follows an entry removed or hidden by hand (it then writes the entry again).
ecrite() { grep -qxF "Exec=\"$rep/tressola\"" "$entree" && desktop-file-validate "$entree" && ! grep -q Hidden "$entree"; }
for a_la_main in true rm "sed -i \$aHidden=true"; do
  basculer "${a_la_main%% *}-1"
  attendre ecrite || echouer "checking wrote no valid entry"
  $a_la_main "$entree"
  if [ "$a_la_main" != true ]; then
    basculer "${a_la_main%% *}-2"
    attendre ecrite || echouer "checking after '$a_la_main' did not write the entry again"
  fi
  basculer "${a_la_main%% *}-3"
  attendre test ! -e "$entree" || echouer "unchecking left the entry"
done
# 2. After a crash that left its socket behind, the bar starts again. A second start on the same
#    board brings the bar, minimised or behind another window, forward unmoved, and ends with 0.
kill -9 $pid && wait $pid 2>/dev/null
demarrer
xmessage -geometry +600+300 devant & pids+=($!)
devant=$(attendre fenetre xmessage) || echouer "no other window"
geo=$(geometrie "$barre") avant=$(ls -l --time-style=full-iso "$rep"; md5sum "$ini")
for cacher in "windowminimize --sync $barre" "windowactivate --sync $devant"; do
  xdotool $cacher
  "$rep/tressola" &
  finir $! "the second start"
  attendre eval '[ "$(xdotool getactivewindow 2>/dev/null)" = "$barre" ]' || echouer "no bar in front after $cacher"
  [ "$(geometrie "$barre")" = "$geo" ] || echouer "the bar moved to $(geometrie "$barre")"
  [ "$(ls -l --time-style=full-iso "$rep"; md5sum "$ini")" = "$avant" ] || echouer "the second start wrote"
done
kill "${pids[-1]}"
# 3. A start on another board runs beside it. Its configuration folder cannot be made (a file
#    stands in its way), so checking the item reports the failed write.
mkdir "$tmp/autre" && cp "$rep/tressola" "$tmp/autre/tressola" && touch "$tmp/fichier"
# Without a runtime folder, it listens in the temporary folder, under a name with the user's.
env -u XDG_RUNTIME_DIR TMPDIR="$tmp" XDG_CONFIG_HOME="$tmp/fichier" "$tmp/autre/tressola" & pids+=($!)
barres() { xdotool search --onlyvisible --name '^Tressola$' | while read -r i; do geometrie "$i"; done; }
attendre test -f "$tmp/autre/TRESSOLA.INI" && attendre eval '[ "$(barres | grep -c " 46 65$")" = 2 ]' ||
  echouer "the two bars do not show side by side: $(barres)"
ls "$tmp/tressola-$(id -u)-"* >/dev/null || echouer "no socket of the user's in the temporary folder"
premiere=$barre
barre=$(fenetre Tressola "* * 46 65" "${pids[-1]}")
basculer echec
attendre fenetre Tressola '!(* * 46 65)' "${pids[-1]}" >/dev/null ||
  echouer "the failed write of the autostart entry was not reported"
[ "$barre" != "$premiere" ] && [ ! -e "$tmp/fichier/autostart" ] || echouer "wrong bar, or an entry was written"
# 4. A platform the user chose is kept: offscreen, a copy shows nothing on the display, even when
#    a second start brings its bar forward.
mkdir "$tmp/hors" && cp "$rep/tressola" "$tmp/hors/tressola"
QT_QPA_PLATFORM=offscreen "$tmp/hors/tressola" & pids+=($!)
attendre test -f "$tmp/hors/TRESSOLA.INI" && "$tmp/hors/tressola" || echouer "no offscreen copy"
[ -z "$(xdotool search --pid "${pids[-1]}")" ] || echouer "the offscreen copy has windows on the display"
