# Shared steps of the scenarios. Each step that fails says what it waited for and exits.

echouer() { echo "ÉCHEC: $*" >&2; exit 1; }

# A copy of the program $1 in a folder of its own, $rep, where its board file goes; the program
# started later as $pid is stopped and the folder removed when the script ends.
copier_programme() {
  rep=$(mktemp -d)
  pid=""
  trap 'kill $pid 2>/dev/null; rm -rf "$rep"' EXIT
  cp "$1" "$rep/tressola"
}

# Waits for a visible window whose name is $1, other than the tray icon's; prints its id.
attendre_fenetre() {
  local id
  for _ in $(seq 1 100); do
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      case "$(geometrie "$id" | cut -d' ' -f3-)" in
        "22 22" | "1 1") ;;
        *) echo "$id"; return 0 ;;
      esac
    done
    sleep 0.1
  done
  return 1
}

# The visible window named Tressola whose geometry is $1, if any.
fenetre_en() {
  for id in $(xdotool search --onlyvisible --name '^Tressola$' 2>/dev/null); do
    [ "$(geometrie "$id")" = "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}
attendre_geometrie() {
  attendre fenetre_en "$1" >/dev/null ||
    echouer "no window at $1 ($2); windows: $(for id in $(xdotool search --onlyvisible --name '^Tressola$'); do echo -n "[$(geometrie "$id")] "; done)"
}

# "left top" of the tray icon: the window the tray host embedded, 22 x 22 inside the tray.
icone_plateau() {
  local id
  for _ in $(seq 1 50); do
    id=$(xwininfo -root -tree | awk '/"Tressola".*22x22/ {print $1; exit}')
    [ -n "$id" ] && { geometrie "$id" | cut -d' ' -f1-2; return 0; }
    sleep 0.1
  done
  return 1
}

# Number of visible windows named $1.
compter_fenetres() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

# "left top width height" of a window, from the X server itself.
geometrie() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                          /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

# Waits for process $1, a child of this shell, to end (at most 10 s); its exit code goes into
# the variable code.
attendre_fin() {
  code=""
  for _ in $(seq 1 100); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$1" 2>/dev/null; then
    kill "$1"
    code="still running"
    return 1
  fi
  wait "$1"
  code=$?
}

# A section of an INI file, from its header to the next one.
section() { awk -v s="[$2]" '$0 == s {on=1; next} /^\[/ {on=0} on' "$1"; }

# A screenshot of the whole display into $TRESSOLA_CAPTURES, when it is set.
capturer() {
  [ -n "${TRESSOLA_CAPTURES:-}" ] || return 0
  mkdir -p "$TRESSOLA_CAPTURES" && import -window root "$TRESSOLA_CAPTURES/$1.png" 2>/dev/null
}

# Ids of the top-level windows from the bottom of the stack to the top.
pile() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'; }

# True when window $1 stands above window $2 in the stacking order.
au_dessus() {
  local ordre a b
  ordre=$(pile)
  a=$(printf '0x%x' "$1"); b=$(printf '0x%x' "$2")
  [ "$(echo "$ordre" | tr ' ' '\n' | grep -n -x -e "$a" -e "$b" | tail -n 1 | cut -d: -f2)" = "$a" ]
}

# Drags with the mouse from ($1, $2) to ($3, $4) the way a person does: press, a few steps,
# release. Without the pauses the window system loses the drop.
glisser() {
  xdotool mousemove "$1" "$2" sleep 0.1 mousedown 1 sleep 0.15
  local i
  for i in 1 2 3 4 5; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 5)) $(($2 + ($4 - $2) * i / 5)) sleep 0.03
  done
  xdotool sleep 0.1 mouseup 1
}

# Waits (at most 5 s) until the command "$@" succeeds.
attendre() {
  for _ in $(seq 1 50); do "$@" && return 0; sleep 0.1; done
  return 1
}
