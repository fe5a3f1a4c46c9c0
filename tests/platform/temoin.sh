#!/bin/sh
# A started program of the tests: its working directory and arguments, each ended by a NUL, into
# $TRESSOLA_TEMOIN; written aside and renamed so that a reader never sees half of it.
{
  printf '%s\0' "$(pwd)"
  for a in "$@"; do printf '%s\0' "$a"; done
} > "$TRESSOLA_TEMOIN.part" && mv "$TRESSOLA_TEMOIN.part" "$TRESSOLA_TEMOIN"
