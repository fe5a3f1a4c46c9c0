#!/usr/bin/env bash
# Files dropped from another program, and buttons dragged with the real mouse. The source offers a
# copy, a move or a link, and is told a copy wherever a file is taken, nothing elsewhere.
# Usage: depots.sh TRESSOLA GLISSEUR TEMOIN
set -u
. "$(dirname "$0")/outils.sh"
copier_programme "$1"
glisseur=$2
install -m 755 "$3" "$rep/temoin" && mkdir "$rep/Mes documents"
export TRESSOLA_TEMOIN="$rep/temoin.out" tab="$rep/tab"$'\t'"x.txt" oblique="$rep/x y\\"
touch "$rep/Mes documents/lettre.txt" "$tab" "$oblique"
demarrer '[TRESSOLA]\nPosition=4\nX=300\nY=400\n[MAIN]\n0NomSection=SECTION0\n1LigCom=%s\n1NomSection=SECTION1\nNombre=2\n[SECTION0]\nNombre=2\n[SECTION1]\nNombre=0\n' \
  "$rep/temoin"
# A drag of ${@:3} released at ($1, $2), by way of $PAR ("x y") if set, Shift held with MAJ=1.
deposer() {
  "$glisseur" 20 20 "${@:3}" > "$rep/action" & pids+=($!)
  attendre xdotool search --onlyvisible --name '^glisseur$' >/dev/null || echouer "no drag source"
  [ "${MAJ:-0}" = 1 ] && xdotool keydown shift
  glisser 60 60 ${PAR:-} "$1" "$2"
  [ "${MAJ:-0}" = 1 ] && xdotool keyup shift
  attendre test -s "$rep/action" || echouer "the drag never ended"
  action=$(cat "$rep/action") # what the source was told
  kill "${pids[-1]}" && wait "${pids[-1]}" 2>/dev/null
}
# A message box, neither the bar nor its drawer, closed by Return once it is seen; it is for $1.
autre='!(300 400 93 65|300 307 46 93)'
message() {
  attendre fenetre Tressola "$autre" >/dev/null || echouer "no message for $1"
  capturer "$2"
  xdotool key --clearmodifiers Return
}
# 1. A program dropped on the blank button fills it; the section is on disk at once.
deposer 323 442 /usr/bin/xmessage
for l in '0LigCom="/usr/bin/xmessage"' 0Hint=Xmessage 0WDir=/usr/bin/; do
  attendre grep -qxF "$l" "$ini" || echouer "no $l from the program dropped on the blank button (told $action)"
done
# 2. A file dropped on a filled button, Shift held, is opened by its program, its name one argument
#    as it stands; the source is told it was copied, even when the drag crossed a gap first.
for f in "$rep/Mes documents/lettre.txt" "$tab" "$oblique"; do
  MAJ=1 PAR="346 442" deposer 370 442 "$f"
  attendre test -f "$TRESSOLA_TEMOIN" || echouer "the button's program did not start for $f (source told $action)"
  [ "$(tr '\0' '\n' < "$TRESSOLA_TEMOIN" | tail -n +2)" = "$f" ] || echouer "got: $(cat -v "$TRESSOLA_TEMOIN")"
  [ "$action" = copy ] || echouer "the source was told '$action' for $f"
  rm -f "$TRESSOLA_TEMOIN"
done
# 3. Two files at once, a drop between two buttons and one on a strip do nothing and are refused;
#    a name that is not UTF-8 is refused with a message.
avant=$(md5sum < "$ini")
for ou in "370 442 /usr/bin/xmessage /usr/bin/xdotool" "346 442 /usr/bin/xdotool" "323 409 /usr/bin/xdotool"; do
  MAJ=1 deposer $ou
  [ "$action" = ignore ] || echouer "a drop at ${ou% /*} was reported '$action'"
done
[ "$(md5sum < "$ini")" = "$avant" ] || echouer "a refused drop changed the board"
deposer 370 442 "file://$rep/%FF.txt"
message "a name not in UTF-8" nom-pas-utf8
[ -f "$TRESSOLA_TEMOIN" ] && echouer "a refused drop started a program"
# 4. In an open drawer: its first button (at the bottom) takes the file, its section is written.
cliquer 323 409
attendre_geometrie "300 307 46 93" "the drawer"
deposer 323 $((400 - 93 + 47 + 22)) /usr/bin/xdotool
attendre grep -qx '0LigCom="/usr/bin/xdotool"' "$ini" || echouer "the drawer's button was not filled"
[ "$(section "$ini" SECTION0 | grep -c '^0LigCom=')" = 1 ] || echouer "SECTION0 was not written"
# 5. A button dragged onto itself is launched.
glisser 370 442 372 444
attendre test -f "$TRESSOLA_TEMOIN" || echouer "a button dragged onto itself did not start"
# 6. Dragged onto the other button, which has a command line: the question, then the copy.
glisser 370 442 323 442
message "overwriting a button" question-ecraser
attendre grep -qx "0LigCom=$rep/temoin" "$ini" || echouer "the button was not copied"
# 7. A desktop entry whose name holds a line break is refused before it enters the drawer's blank
#    top button; the same button then takes a program, and its section is written.
printf '[Desktop Entry]\nName=Casse\rligne\nExec=/usr/bin/xmessage\n' > "$rep/casse.desktop"
deposer 323 $((400 - 93 + 22)) "$rep/casse.desktop"
message "a desktop entry with a line break" entree-refusee
attendre eval '! fenetre Tressola "$autre" >/dev/null'
deposer 323 $((400 - 93 + 22)) /usr/bin/xmessage
attendre eval 'section "$ini" SECTION0 | grep -qx "1LigCom=\"/usr/bin/xmessage\""' ||
  echouer "the drawer could not be saved after the refused entry"
