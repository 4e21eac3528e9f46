#!/bin/sh
# The shared library exports exactly the functions of the committed list
# (include/krzlib.symbols): an export that appears or vanishes fails here
# until the list is changed with it.
set -eu
lib="$1"
list="$2"
actual="$(nm -D --defined-only "$lib" | awk '$2 ~ /^[TDBRVWiu]$/ { print $3 }' | sort)"
if ! printf '%s\n' "$actual" | diff -u "$list" -; then
    echo "exported symbols differ from $list (- listed, + exported)" >&2
    exit 1
fi
