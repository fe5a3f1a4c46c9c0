#!/usr/bin/env bash
# The tray icon of the real program: a left click brings the bar above the windows that hid it, a
# right click opens the bar's menu.
set -u
. "$(dirname "$0")/outils.sh"
rep=$(mktemp -d)
trap 'kill $pid $cache 2>/dev/null; rm -rf "$rep"' EXIT
cp "$1" "$rep/tressola"
printf '[TRESSOLA]\nPosition=0\n[MAIN]\nNombre=2\n' > "$rep/TRESSOLA.INI"
"$rep/tressola" &
pid=$!
barre=$(attendre_fenetre Tressola) || echouer "the bar never showed"

read -r ix iy < <(icone_plateau) || echouer "no tray icon"

# A window over the bar.
xmessage -geometry 300x200+0+0 "cache" &
cache=$!
fenetre_cache=$(attendre_fenetre xmessage) || echouer "the covering window never showed"
xdotool windowactivate --sync "$fenetre_cache"
sleep 0.2
au_dessus "$fenetre_cache" "$barre" || echouer "the covering window is not above the bar"

xdotool mousemove $((ix + 11)) $((iy + 11)) sleep 0.05 click --delay 1 1
for _ in $(seq 1 30); do au_dessus "$barre" "$fenetre_cache" && break; sleep 0.1; done
au_dessus "$barre" "$fenetre_cache" || echouer "a left click on the icon did not raise the bar"
[ "$(geometrie "$barre")" = "0 24 93 65" ] || echouer "the bar moved: $(geometrie "$barre")"

avant=$(xdotool search --onlyvisible --class tressola | wc -l)
xdotool click --delay 1 3
for _ in $(seq 1 30); do
  [ "$(xdotool search --onlyvisible --class tressola | wc -l)" -gt "$avant" ] && break
  sleep 0.1
done
[ "$(xdotool search --onlyvisible --class tressola | wc -l)" -gt "$avant" ] || echouer "a right click opened no menu"
capturer menu-du-plateau
echo "scenario plateau: ok"
