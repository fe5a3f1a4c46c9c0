#!/usr/bin/env bash
# First start of the real program in an empty directory, then closing it; then a start in a
# directory whose board file cannot be written, and one whose board file cannot be read.
set -u
. "$(dirname "$0")/outils.sh"
binaire=$1
rep=$(mktemp -d)
trap 'kill $pid 2>/dev/null; chmod -R u+w "$rep"; rm -rf "$rep"' EXIT
chmod 755 "$rep"
cp "$binaire" "$rep/tressola"
# The visible window named Tressola whose size is (=) or is not (!=) "46 65", the bar's.
fenetre_barre() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Tressola$' 2>/dev/null); do
    case "$(geometrie "$id" | cut -d' ' -f3-)" in
      "22 22" | "1 1") ;;
      "46 65") [ "$1" = "=" ] && echo "$id" && return 0 ;;
      *) [ "$1" = "!=" ] && echo "$id" && return 0 ;;
    esac
  done
  return 1
}

# 1. First start: the board file is created and the bar shows.
"$rep/tressola" &
pid=$!
barre=$(attendre_fenetre Tressola) || echouer "the bar never showed"
[ -f "$rep/TRESSOLA.INI" ] || echouer "no board file was created"
section "$rep/TRESSOLA.INI" TRESSOLA | grep -qx 'Position=3' || echouer "TRESSOLA lacks Position=3"
section "$rep/TRESSOLA.INI" SECTION0 | grep -qx 'Nombre=0' || echouer "SECTION0 is not reserved"
# Its blank button names the program itself as icon source, without an icon.
section "$rep/TRESSOLA.INI" MAIN | grep -qx "0Name=$rep/tressola" &&
  section "$rep/TRESSOLA.INI" MAIN | grep -qx '0Icon=-1' || echouer "MAIN: $(section "$rep/TRESSOLA.INI" MAIN)"
read -r x y w h < <(geometrie "$barre")
[ "$w $h" = "46 65" ] || echouer "the bar is $w x $h, not 46 x 65"
capturer premier-demarrage

# 2. Closing it through the window manager ends the program with exit code 0 and writes MAIN.
xdotool windowactivate --sync "$barre" key --clearmodifiers alt+F4
attendre_fin $pid
[ "$code" = 0 ] || echouer "the program ended with $code"
section "$rep/TRESSOLA.INI" MAIN | grep -qx '0NomSection=SECTION0' || echouer "MAIN does not name SECTION0"

# 3. A board file that cannot be written: the error shows, then the bar with its blank slot.
printf '[TRESSOLA]\nPosition=0\n' > "$rep/TRESSOLA.INI"
avant=$(md5sum < "$rep/TRESSOLA.INI")
if [ "$(id -u)" = 0 ]; then
  # Permissions do not stop root: run the program as nobody.
  chown root "$rep/TRESSOLA.INI"; chmod 644 "$rep/TRESSOLA.INI"
  lancer=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/nonexistent)
else
  chmod a-w "$rep/TRESSOLA.INI" "$rep"
  lancer=(env)
fi
"${lancer[@]}" XDG_CONFIG_HOME=/nonexistent "$rep/tressola" &
pid=$!
# The error is reported while the bar is being built, before it shows.
boite=$(attendre_fenetre Tressola) || echouer "nothing showed on a read-only board"
read -r x y w h < <(geometrie "$boite")
[ "$w $h" != "46 65" ] || echouer "the bar showed, but no error message"
taille_ecriture="$w $h"
capturer lecture-seule
xdotool windowactivate --sync "$boite" key --clearmodifiers Return
attendre fenetre_barre = >/dev/null || echouer "the bar did not show with its slot after the error"
[ "$(md5sum < "$rep/TRESSOLA.INI")" = "$avant" ] || echouer "the read-only board changed"
kill $pid
wait $pid 2>/dev/null

# 4. A board file that cannot be read: the message says so, and neither the start nor quitting
#    writes over it.
printf '[TRESSOLA]\nPosition=0\n[MAIN]\n0LigCom=/bin/true\nNombre=1\n' > "$rep/TRESSOLA.INI"
chmod 600 "$rep/TRESSOLA.INI"
[ "$(id -u)" = 0 ] || chmod 000 "$rep/TRESSOLA.INI"
avant=$(stat -c '%i %s %Y %a' "$rep/TRESSOLA.INI")
"${lancer[@]}" XDG_CONFIG_HOME=/nonexistent "$rep/tressola" &
pid=$!
# Its message is not the one of a board that cannot be written (step 3): the box differs.
boite=$(attendre_fenetre Tressola) || echouer "nothing showed on an unreadable board"
read -r x y w h < <(geometrie "$boite")
[ "$w $h" != "46 65" ] || echouer "the bar showed, but no error message"
[ "$w $h" != "$taille_ecriture" ] || echouer "the message speaks of writing, not of reading"
capturer illisible
xdotool windowactivate --sync "$boite" key --clearmodifiers Return
attendre fenetre_barre = >/dev/null || echouer "the bar did not show after the message"
xdotool windowactivate --sync "$(fenetre_barre =)" key --clearmodifiers alt+F4
attendre fenetre_barre != >/dev/null || echouer "quitting did not say the board was not saved"
xdotool windowactivate --sync "$(fenetre_barre !=)" key --clearmodifiers Return
attendre_fin $pid
[ "$code" = 0 ] || echouer "the program ended with $code"
[ "$(stat -c '%i %s %Y %a' "$rep/TRESSOLA.INI")" = "$avant" ] || echouer "the unreadable board changed"
echo "scenario premier-demarrage: ok"
