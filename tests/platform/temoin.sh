#!/bin/sh
# A started program of the tests: writes its working directory and its arguments, each followed by
# a NUL, into the file named by TRESSOLA_TEMOIN, then exits. Written aside and renamed, so that a
# reader never sees half of it.
{
  printf '%s\0' "$(pwd)"
  for a in "$@"; do printf '%s\0' "$a"; done
} > "$TRESSOLA_TEMOIN.part" && mv "$TRESSOLA_TEMOIN.part" "$TRESSOLA_TEMOIN"
