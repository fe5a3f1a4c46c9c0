#!/usr/bin/env bash
# First start of the real program in an empty directory; then on boards it cannot write or read.
set -u
. "$(dirname "$0")/outils.sh"
copier_programme "$1"
# 1. First start: the board file is created and the bar shows, out of the taskbar.
demarrer
for ligne in TRESSOLA:Position=3 SECTION0:Nombre=0 "MAIN:0Name=$rep/tressola" MAIN:0Icon=-1; do
  section "$ini" "${ligne%%:*}" | grep -qxF "${ligne#*:}" || echouer "no ${ligne#*:} in $(cat "$ini")"
done
[ "$(geometrie "$barre" | cut -d' ' -f3-)" = "46 65" ] || echouer "the bar is $(geometrie "$barre")"
xprop -id "$barre" _NET_WM_STATE | grep -q SKIP_TASKBAR || echouer "the bar has a taskbar button"
# 2. Closing it through the window manager ends the program with exit code 0 and writes MAIN.
xdotool windowactivate --sync "$barre" key --clearmodifiers alt+F4
finir $pid "the program"
section "$ini" MAIN | grep -qx '0NomSection=SECTION0' || echouer "MAIN does not name SECTION0"
# A start, by a user other than root, on a board that cannot be written (3) or read (4): a message
# box, whose size goes into $taille, shows before the bar; Return closes it, then the bar shows.
message_puis_barre() {
  "${autrui[@]}" env HOME=/nonexistent XDG_CONFIG_HOME=/nonexistent "$rep/tressola" & pid=$!
  boite=$(attendre fenetre Tressola) || echouer "nothing showed on a board that $1"
  taille=$(geometrie "$boite" | cut -d' ' -f3-)
  [ "$taille" != "46 65" ] || echouer "the bar showed, but no error message on a board that $1"
  capturer "$1"
  xdotool windowactivate --sync "$boite" key --clearmodifiers Return
  attendre fenetre Tressola "* * 46 65" >/dev/null || echouer "no bar after the message"
}
# 3. The bar with its blank slot after the error; the file is left alone.
printf '[TRESSOLA]\nPosition=0\n' > "$ini"
avant=$(md5sum < "$ini")
if [ "$(id -u)" = 0 ]; then chmod 644 "$ini"; else chmod a-w "$ini" "$rep"; fi
message_puis_barre "cannot-be-written"
[ "$(md5sum < "$ini")" = "$avant" ] || echouer "the read-only board changed"
kill $pid && wait $pid 2>/dev/null
# 4. The message is not the one of step 3 (the box differs), and neither the start nor quitting,
#    which says that the board was not saved, writes over it.
taille_ecriture=$taille && chmod u+w "$rep" "$ini"
printf '[TRESSOLA]\nPosition=0\n[MAIN]\n0LigCom=/bin/true\nNombre=1\n' > "$ini"
chmod 600 "$ini" && { [ "$(id -u)" = 0 ] || chmod 000 "$ini"; }
avant=$(stat -c '%i %s %Y %a' "$ini")
message_puis_barre "cannot-be-read"
[ "$taille" != "$taille_ecriture" ] || echouer "the message speaks of writing, not of reading"
xdotool windowactivate --sync "$(fenetre Tressola "* * 46 65")" key --clearmodifiers alt+F4
boite=$(attendre fenetre Tressola '!(* * 46 65)') || echouer "quitting did not say the board was not saved"
xdotool windowactivate --sync "$boite" key --clearmodifiers Return
finir $pid "the program"
[ "$(stat -c '%i %s %Y %a' "$ini")" = "$avant" ] || echouer "the unreadable board changed"
