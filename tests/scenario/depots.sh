#!/usr/bin/env bash
# Files dropped from another program, and buttons dragged with the real mouse. The source offers a
# copy, a move or a link, and is told a copy wherever a file is taken, nothing elsewhere.
# Usage: depots.sh TRESSOLA GLISSEUR TEMOIN
set -u
. "$(dirname "$0")/outils.sh"
rep=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$rep"' EXIT
cp "$1" "$rep/tressola"
glisseur=$2
cp "$3" "$rep/temoin"; chmod +x "$rep/temoin"
export TRESSOLA_TEMOIN="$rep/temoin.out"
mkdir -p "$rep/Mes documents"; touch "$rep/Mes documents/lettre.txt"
tab="$rep/tab"$'\t'"x.txt"; barre="$rep/x y\\"; touch "$tab" "$barre"
ini="$rep/TRESSOLA.INI"
printf '[TRESSOLA]\nPosition=4\nX=300\nY=400\n[MAIN]\n0NomSection=SECTION0\n1LigCom=%s\n1NomSection=SECTION1\nNombre=2\n[SECTION0]\nNombre=2\n[SECTION1]\nNombre=0\n' \
  "$rep/temoin" > "$ini"
"$rep/tressola" &
pids+=($!)
attendre_fenetre Tressola >/dev/null || echouer "the bar never showed"

# A file manager's drag of $3... from a window at (20, 20), released at ($1, $2); with MAJ=1 Shift
# is held. What the source was told goes into $action.
deposer() {
  local x=$1 y=$2
  shift 2
  "$glisseur" 20 20 "$@" > "$rep/action" &
  local g=$!
  attendre xdotool search --onlyvisible --name '^glisseur$' >/dev/null || echouer "no drag source"
  [ "${MAJ:-0}" = 1 ] && xdotool keydown shift
  glisser 60 60 "$x" "$y"
  [ "${MAJ:-0}" = 1 ] && xdotool keyup shift
  attendre test -s "$rep/action" || echouer "the drag never ended"
  action=$(cat "$rep/action")
  kill $g; wait $g 2>/dev/null
}
temoin_recu() { [ -f "$TRESSOLA_TEMOIN" ]; }
arguments_du_temoin() { tr '\0' '\n' < "$TRESSOLA_TEMOIN" | tail -n +2; }

# 1. A program dropped on the blank button fills it; the section is on disk at once.
deposer 323 442 /usr/bin/xmessage
attendre grep -qx '0LigCom="/usr/bin/xmessage"' "$ini" || echouer "the blank button was not filled (source told $action)"
grep -qx '0Hint=Xmessage' "$ini" || echouer "no tooltip from the dropped file"
grep -qx '0WDir=/usr/bin/' "$ini" || echouer "no working directory from the dropped file"

# 2. A file dropped on a filled button, Shift held, is opened by its program, its name one argument
#    as it stands; the source is told it was copied.
for f in "$rep/Mes documents/lettre.txt" "$tab" "$barre"; do
  MAJ=1 deposer 370 442 "$f"
  attendre temoin_recu || echouer "the button's program did not start for $f (source told $action)"
  [ "$(arguments_du_temoin)" = "$f" ] || echouer "got: $(arguments_du_temoin)"
  [ "$action" = copy ] || echouer "the source was told '$action' for $f"
  rm -f "$TRESSOLA_TEMOIN"
done

# 3. Two files at once, a drop between two buttons and one on a strip do nothing and are refused.
avant=$(md5sum < "$ini")
for ou in "370 442 /usr/bin/xmessage /usr/bin/xdotool" "346 442 /usr/bin/xdotool" "323 409 /usr/bin/xdotool"; do
  MAJ=1 deposer $ou
  [ "$action" = ignore ] || echouer "a drop at ${ou% /*} was reported '$action'"
done
[ "$(md5sum < "$ini")" = "$avant" ] || echouer "a refused drop changed the board"
temoin_recu && echouer "a refused drop started a program"

# 3b. A name that is not UTF-8 is refused with a message.
deposer 370 442 "file://$rep/%FF.txt"
attendre sh -c "[ \$(xdotool search --onlyvisible --name '^Tressola\$' | wc -l) -ge 2 ]" ||
  echouer "no message for a name not in UTF-8"
capturer nom-pas-utf8
xdotool key --clearmodifiers Return
temoin_recu && echouer "a name not in UTF-8 started a program"

# 4. In an open drawer: its first button (at the bottom) takes the file, its section is written.
xdotool mousemove 323 409 sleep 0.05 click --delay 1 1
attendre xdotool search --onlyvisible --name '^Tressola$' >/dev/null
sleep 0.3
deposer 323 $((400 - 93 + 47 + 22)) /usr/bin/xdotool
attendre grep -qx '0LigCom="/usr/bin/xdotool"' "$ini" || echouer "the drawer's button was not filled"
[ "$(section "$ini" SECTION0 | grep -c '^0LigCom=')" = 1 ] || echouer "SECTION0 was not written"

# 5. A button dragged onto itself is launched.
glisser 370 442 372 444
attendre temoin_recu || echouer "a button dragged onto itself did not start"
rm -f "$TRESSOLA_TEMOIN"

# 6. Dragged onto the other button, which has a command line: the question, then the copy.
glisser 370 442 323 442
question=$(attendre_fenetre Tressola)
attendre sh -c "[ \$(xdotool search --onlyvisible --name '^Tressola\$' | wc -l) -ge 3 ]" ||
  echouer "no question before overwriting a button"
capturer question-ecraser
xdotool key --clearmodifiers Return
attendre grep -qx "0LigCom=$rep/temoin" "$ini" || echouer "the button was not copied"

# 7. A desktop entry whose name holds a line break is refused before it enters the drawer's blank
# top button; the same button then takes a program, and its section is written.
printf '[Desktop Entry]\nName=Casse\rligne\nExec=/usr/bin/xmessage\n' > "$rep/casse.desktop"
avant=$(compter_fenetres Tressola)
deposer 323 $((400 - 93 + 22)) "$rep/casse.desktop"
attendre sh -c "[ \$(xdotool search --onlyvisible --name '^Tressola\$' | wc -l) -gt $avant ]" ||
  echouer "no message for a desktop entry with a line break"
capturer entree-refusee
xdotool key --clearmodifiers Return
attendre sh -c "[ \$(xdotool search --onlyvisible --name '^Tressola\$' | wc -l) -eq $avant ]"
deposer 323 $((400 - 93 + 22)) /usr/bin/xmessage
tiroir_tient() { section "$ini" SECTION0 | grep -qx "$1"; }
attendre tiroir_tient '1LigCom="/usr/bin/xmessage"' || echouer "the drawer could not be saved after the refused entry"
echo "scenario depots: ok"
