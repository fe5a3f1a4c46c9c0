#!/usr/bin/env bash
# `cmake --install` into a temporary root, and the program run from there by a user other than root.
set -u
. "$(dirname "$0")/outils.sh"
copier_programme ""
racine="$tmp/racine" prefixe="$tmp/racine/usr" maison="$tmp/maison"
DESTDIR="$racine" cmake --install "$1" --prefix /usr >/dev/null || echouer "cmake --install failed"
# 1. Everything in its usual place; the PNG icons are drawn at their size.
for f in bin/tressola share/tressola/aide/index.html share/tressola/aide/configurer.html \
  share/applications/tressola.desktop share/metainfo/tressola.metainfo.xml \
  share/man/man1/tressola.1 share/icons/hicolor/scalable/apps/tressola.svg; do
  [ -f "$prefixe/$f" ] || echouer "$f is not installed"
done
for t in 16 24 32 48 64 128 256; do
  [ "$(identify -format '%w %h' "$prefixe/share/icons/hicolor/${t}x${t}/apps/tressola.png" 2>/dev/null)" = "$t $t" ] ||
    echouer "no ${t}x${t} PNG icon"
done
desktop-file-validate "$prefixe/share/applications/tressola.desktop" || echouer "menu entry invalid"
appstreamcli validate --no-net "$prefixe/share/metainfo/tressola.metainfo.xml" >/dev/null ||
  echouer "AppStream metadata invalid"
# 2. The installed binary, by a user who cannot write under the prefix, where it writes nothing;
#    a stand-in browser notes the address it is given.
mkdir -p "$maison" "$tmp/faux"
printf '#!/bin/sh\necho "$1" >> "%s/ouvert"\n' "$maison" | install -m 755 /dev/stdin "$tmp/faux/xdg-open"
if [ "$(id -u)" = 0 ]; then chown -R nobody "$maison"; else chmod -R a-w "$racine"; fi
avant=$(find "$racine" -printf '%p %s %T@\n' | sort)
"${autrui[@]}" env -u XDG_CONFIG_HOME HOME="$maison" PATH="$tmp/faux:$PATH" "$prefixe/bin/tressola" & pid=$!
barre=$(attendre fenetre Tressola) || echouer "the installed bar never showed"
attendre test -f "$maison/.config/tressola/TRESSOLA.INI" || echouer "no board in ~/.config/tressola/"
aide() { timeout 2 xdotool windowactivate --sync "$barre"; xdotool key --clearmodifiers F1 sleep 0.3; test -s "$maison/ouvert"; }
attendre aide || echouer "F1 opened nothing"
grep -qxF "file://$prefixe/share/tressola/aide/index.html" "$maison/ouvert" ||
  echouer "the help opened is $(cat "$maison/ouvert")"
xdotool windowactivate --sync "$barre" key --clearmodifiers alt+F4
finir $pid "the installed program"
[ "$(find "$racine" -printf '%p %s %T@\n' | sort)" = "$avant" ] || echouer "something was written under the prefix"
# 3. Root, who could write into bin/, keeps its board in its own configuration folder too; and a
#    board file already beside the executable is always the one used.
[ "$(id -u)" = 0 ] || exit 0
XDG_CONFIG_HOME="$tmp/racine-config" "$prefixe/bin/tressola" & pid=$!
attendre test -f "$tmp/racine-config/tressola/TRESSOLA.INI" || echouer "root has no board of its own"
kill $pid && wait $pid 2>/dev/null
[ ! -e "$prefixe/bin/TRESSOLA.INI" ] || echouer "root's board went into bin/"
printf '[TRESSOLA]\nPosition=0\n' > "$prefixe/bin/TRESSOLA.INI"
# The user may write it there (an administrator's choice); the file is not replaced elsewhere.
chown nobody "$prefixe/bin" "$prefixe/bin/TRESSOLA.INI"
rm -rf "$maison/.config"
"${autrui[@]}" env -u XDG_CONFIG_HOME HOME="$maison" "$prefixe/bin/tressola" & pid=$!
attendre fenetre Tressola >/dev/null || echouer "the bar never showed on the board beside it"
attendre grep -qx '\[SECTION0\]' "$prefixe/bin/TRESSOLA.INI" || echouer "the board beside the binary was not used"
[ ! -e "$maison/.config/tressola/TRESSOLA.INI" ] || echouer "a second board was made"
# 4. A copy in a folder the user cannot write, run from one it can: its board is in ~/.config too.
kill $pid && wait $pid 2>/dev/null
mkdir "$tmp/portable" && cp "$prefixe/bin/tressola" "$tmp/portable/" && rm -rf "$maison/.config"
(cd "$maison" && exec "${autrui[@]}" env -u XDG_CONFIG_HOME HOME="$maison" "$tmp/portable/tressola") & pid=$!
attendre test -f "$maison/.config/tressola/TRESSOLA.INI" || echouer "a copy in a closed folder has no board"
