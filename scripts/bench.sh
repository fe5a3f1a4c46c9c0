#!/usr/bin/env bash
# Runs every benchmark of build-bench/ and prints their figures. Display-bound ones run under a
# display of their own when no display is set.
set -euo pipefail
cd "$(dirname "$0")/.."
for b in build-bench/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  if [ -z "${DISPLAY:-}" ]; then
    scripts/avec-ecran.sh "$b"
  else
    "$b"
  fi
done
