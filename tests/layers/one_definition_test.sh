#!/bin/sh
# Every function of the library has one definition. A function defined out
# of line in one unit and inline in a header under the same name and
# parameters (a return type does not tell them apart) links without a word:
# the linker keeps the out-of-line one, and every call the compiler did not
# inline in the header's users runs the other body. Which calls those are
# depends on the optimisation level, so such a clash shows as results that
# differ between build types. This test lists the symbols of the library's
# objects and fails on a name that one object defines outright and another
# as an inline (weak) definition.
# Usage: one_definition_test.sh NM ARCHIVE
set -eu
nm=${1:?usage: one_definition_test.sh NM ARCHIVE}
archive=${2:?usage: one_definition_test.sh NM ARCHIVE}
[ -f "$archive" ] || { echo "no archive $archive" >&2; exit 1; }

# Lines "archive:member:address type name" (undefined symbols left out).
"$nm" -A --defined-only "$archive" | awk '
NF < 3 { next }
{
    type = $(NF - 1); name = $NF
    split($1, at, ":"); member = at[2]
    if (type ~ /^[TDBR]$/) strong[name] = member
    else if (type ~ /^[WV]$/ && !(name in weak)) weak[name] = member
}
END {
    bad = 0
    for (name in strong) {
        if (!(name in weak)) continue
        print name " defined in " strong[name] " and inline in " weak[name]
        bad = 1
    }
    exit bad
}' | { out=$(cat); [ -z "$out" ] && exit 0; echo "$out" | c++filt >&2; exit 1; }
