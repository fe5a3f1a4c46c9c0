# Shared steps of the scenarios. Each step that fails says what it waited for, and exits.
shopt -s extglob
echouer() { echo "ÉCHEC: $*" >&2; capturer "echec-${0##*/}"; exit 1; }
# Waits (at most 10 s) until the command "$@" succeeds.
attendre() { for _ in $(seq 1 100); do "$@" && return 0; sleep 0.1; done; return 1; }
# Copies program $1 (if any) into $rep ($tmp or $tmp/$2), board $ini; $pid, $pids, $tmp go at exit.
copier_programme() {
  tmp=$(mktemp -d) pid="" pids=()
  rep="$tmp${2:+/$2}" ini="$tmp${2:+/$2}/TRESSOLA.INI"
  trap 'kill $pid "${pids[@]}" 2>/dev/null; chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
  chmod 755 "$tmp" && mkdir -p "$rep" && { [ -z "$1" ] || cp "$1" "$rep/tressola"; }
}
# Starts the copy as $pid on a board printed from "$@" (none: the file as it is); its window: $barre.
demarrer() {
  # shellcheck disable=SC2059 # the format is the caller's
  [ $# = 0 ] || printf "$@" > "$ini"
  "$rep/tressola" & pid=$!
  barre=$(attendre fenetre Tressola) || echouer "the bar never showed"
}
# Waits for process $1, a child of this shell, to end (at most 10 s) with exit code 0; $2 names it.
finir() {
  attendre eval '! kill -0 '"$1"' 2>/dev/null' || { kill "$1"; echouer "$2 is still running"; }
  wait "$1" || echouer "$2 ended with $?"
}
# "left top width height" of a window, from the X server itself.
geometrie() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                          /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
# The first visible window named $1 whose "left top width height" matches the pattern $2 (any
# by default), of process $3 if given, the tray icon's excepted; prints its id.
fenetre() {
  local id
  for id in $(xdotool search --onlyvisible ${3:+--all --pid $3} --name "^$1\$" 2>/dev/null); do
    case "$(geometrie "$id")" in *" 22 22" | *" 1 1") ;; ${2:-*}) echo "$id" && return 0 ;; esac
  done
  return 1
}
attendre_geometrie() {
  attendre fenetre Tressola "$1" >/dev/null ||
    echouer "no window at $1 ($2); windows: $(for id in $(xdotool search --onlyvisible --name '^Tressola$'); do echo -n "[$(geometrie "$id")] "; done)"
}
# Number of visible windows of the program; whether one is a tooltip.
fenetres() { xdotool search --onlyvisible --class tressola 2>/dev/null | wc -l; }
infobulle() {
  for id in $(xdotool search --onlyvisible --classname tressola 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && return 0
  done
  return 1
}
# "left top" of the tray icon, the one window the tray host embedded, 22 x 22 inside the tray.
icone_plateau() {
  local ids
  attendre eval 'ids=$(xwininfo -root -tree | awk '\''/"Tressola".*22x22/ {print $1}'\''); [ -n "$ids" ]' &&
    [ "$(echo "$ids" | wc -l)" = 1 ] && geometrie "$ids" | cut -d' ' -f1-2
}
# True when window $1 stands above window $2 in the stacking order.
au_dessus() {
  local a b
  a=$(printf '0x%x' "$1") b=$(printf '0x%x' "$2")
  [ "$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d , | tr ' ' '\n' |
    grep -x -e "$a" -e "$b" | tail -n 1)" = "$a" ]
}
# A click of mouse button $3 (1 by default) at ($1, $2).
cliquer() { xdotool mousemove "$1" "$2" sleep 0.05 click --delay 1 "${3:-1}"; }
# Drags with the mouse from ($1, $2) to ($3, $4), and on to ($5, $6)... if given, the way a person
# does: press, a few steps, release. Without the pauses the window system loses the drop.
glisser() {
  xdotool mousemove "$1" "$2" sleep 0.1 mousedown 1 sleep 0.15
  while [ $# -ge 4 ]; do
    for i in 1 2 3 4 5; do xdotool mousemove $(($1 + ($3 - $1) * i / 5)) $(($2 + ($4 - $2) * i / 5)) sleep 0.03; done
    shift 2
  done
  xdotool sleep 0.1 mouseup 1
}
# Prefix of a command run by a user other than root: nobody, when the scenario runs as root.
autrui=() && [ "$(id -u)" != 0 ] || autrui=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
# A section of an INI file, from its header to the next one.
section() { awk -v s="[$2]" '$0 == s {on=1; next} /^\[/ {on=0} on' "$1"; }
# A screenshot of the whole display into $TRESSOLA_CAPTURES, when it is set (and at a failure).
capturer() { [ -z "${TRESSOLA_CAPTURES:-}" ] || { mkdir -p "$TRESSOLA_CAPTURES" && import -window root "$TRESSOLA_CAPTURES/$1.png"; }; }
