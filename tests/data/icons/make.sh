#!/bin/sh
# Rebuilds the icon test data and the fuzz seeds; --bench OUT N: the benchmark's library.
exec python3 "$(dirname "$0")/fabrique.py" "$@"
