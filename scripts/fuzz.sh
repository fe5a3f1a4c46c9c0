#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (the fuzz preset) and runs each for a bounded time.
# FUZZ_SECONDS (default 60) per target. The seed corpus of fuzz_NAME is fuzz/corpus/NAME/; what
# the fuzzer learns goes to build-fuzz/corpus/NAME/, crash inputs to build-fuzz/artifacts/NAME/.
# Exits non-zero when a target found a failing input. Not part of CI.
set -euo pipefail

racine="$(cd "$(dirname "$0")/.." && pwd)"
secondes="${FUZZ_SECONDS:-60}"
cd "$racine"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

echec=0
for source in fuzz/fuzz_*.cpp; do
  cible="$(basename "$source" .cpp)"
  nom="${cible#fuzz_}"
  travail="build-fuzz/corpus/$nom"
  artefacts="build-fuzz/artifacts/$nom/"
  mkdir -p "$travail" "$artefacts"
  graines=()
  [ -d "fuzz/corpus/$nom" ] && graines=("fuzz/corpus/$nom")
  echo "fuzz.sh: $cible for ${secondes}s"
  if ! "build-fuzz/fuzz/$cible" -max_total_time="$secondes" -timeout=10 -max_len=4096 \
      -artifact_prefix="$artefacts" "$travail" "${graines[@]}"; then
    echo "fuzz.sh: $cible failed; inputs in $artefacts" >&2
    echec=1
  fi
done
exit "$echec"
