#!/usr/bin/env bash
# Builds the Debian package (debhelper) into build-deb/: the library dependencies come from
# dpkg-shlibdeps. The sources are copied first, since dpkg-buildpackage writes beside the source
# folder. With --verifier, then lists the package and runs lintian on it.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
version=$(dpkg-parsechangelog -l "$racine/debian/changelog" -S Version)
sortie="$racine/build-deb"
source="$sortie/tressola-$version"
rm -rf "$sortie"
mkdir -p "$source"
(cd "$racine" && git ls-files -co --exclude-standard -z | grep -zv '^docs/' |
  xargs -0 tar cf - --no-recursion) | tar xf - -C "$source"
(cd "$source" && dpkg-buildpackage -b -us -uc -d --jobs=auto >"$sortie/construction.log" 2>&1) ||
  { tail -40 "$sortie/construction.log" >&2; exit 1; }
deb=$(ls "$sortie"/tressola_"$version"_*.deb)
echo "paquet: $deb"
[ "${1:-}" = --verifier ] || exit 0

contenu=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for f in ./usr/bin/tressola ./usr/share/tressola/aide/index.html ./usr/share/applications/tressola.desktop \
  ./usr/share/metainfo/tressola.metainfo.xml ./usr/share/man/man1/tressola.1.gz \
  ./usr/share/icons/hicolor/scalable/apps/tressola.svg ./usr/share/icons/hicolor/256x256/apps/tressola.png \
  ./usr/share/doc/tressola/copyright; do
  grep -qxF "$f" <<<"$contenu" || { echo "paquet: $f is missing from the package" >&2; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
  { echo "paquet: the library dependencies were not computed" >&2; exit 1; }
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "paquet: contents and lintian: ok"
