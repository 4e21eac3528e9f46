#!/bin/sh
# krzcheck --help and the manual page name the same options and commands.
set -eu
krzcheck="$1"
man="$2"
help="$("$krzcheck" --help)"
names="$(sed -n '/^\.SH OPTIONS/,/^\.SH OUTPUT/p' "$man" | sed -n 's/^\.B[IR]\{0,1\} \([a-z\\-][a-z\\-]*\).*/\1/p' | sed 's/\\//g')"
[ -n "$names" ] || { echo "no names read from $man" >&2; exit 1; }
status=0
for name in $names; do
    printf '%s\n' "$help" | grep -q -- "^ *$name\b" || { echo "--help lacks $name" >&2; status=1; }
done
for name in $(printf '%s\n' "$help" | sed -n 's/^  \([a-z-][a-z-]*\).*/\1/p'); do
    printf '%s\n' "$names" | grep -qx -- "$name" || { echo "the manual page lacks $name" >&2; status=1; }
done
exit $status
