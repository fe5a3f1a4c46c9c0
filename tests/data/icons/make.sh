#!/usr/bin/env bash
# Rebuilds the Windows libraries and icon files of the icon tests from fabrique.py's pictures,
# with the MinGW cross toolchain (scripts/install-deps.sh installs it), and the seeds of the icon
# fuzz targets. The results are committed so that the tests do not need the toolchain.
#
#   make.sh                 the test data and the seeds
#   make.sh --bench OUT N   a library OUT of N icon groups, for the benchmark (not committed)
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

printf 'int tressola_fonction(void) { return 0; }\n' >"$tmp/vide.c"

# bibliotheque ARCH RC OUT: a DLL with no code to speak of, holding the resources of RC.
bibliotheque() {
  local arch=$1 rc=$2 out=$3
  (cd "$tmp" && "$arch-w64-mingw32-windres" "$rc" -O coff -o "$tmp/res.o")
  "$arch-w64-mingw32-gcc" -shared -nostdlib -s -Wl,--no-insert-timestamp -Wl,-e,0 \
    -o "$out" "$tmp/vide.c" "$tmp/res.o"
}

if [ "${1:-}" = --bench ]; then
  python3 "$ici/fabrique.py" "$tmp" --bench "$3"
  bibliotheque x86_64 bibliotheque.rc "$2"
  exit 0
fi

python3 "$ici/fabrique.py" "$tmp"
bibliotheque x86_64 groupes.rc "$ici/groupes64.dll"
bibliotheque i686 groupes.rc "$ici/groupes32.dll"
bibliotheque x86_64 sans-icone.rc "$ici/sans-icone.dll"
bibliotheque x86_64 cinquante-sept.rc "$ici/cinquante-sept.dll"
cp "$tmp/groupe-6.ico" "$ici/plusieurs-tailles.ico"
cp "$tmp/groupe-9.ico" "$ici/png256.ico"
cp "$tmp/groupe-1.ico" "$ici/monochrome.ico"

graines="$ici/../../../fuzz/corpus"
python3 "$ici/fabrique.py" "$graines" --graines
mkdir -p "$graines/fuzz_icones_pe"
bibliotheque i686 petite.rc "$graines/fuzz_icones_pe/petite32.dll"
bibliotheque x86_64 petite.rc "$graines/fuzz_icones_pe/petite64.dll"
cp "$ici/sans-icone.dll" "$graines/fuzz_icones_pe/"

rm -rf "$ici/theme"
cp -r "$tmp/theme" "$ici/theme"
