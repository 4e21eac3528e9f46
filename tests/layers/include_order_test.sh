#!/bin/sh
# The library's folders stand in one order; a unit includes headers of its
# own folder and of the folders below it only (doc/architecture.md). This
# test reads every #include "..." of the library's sources and fails on one
# that names a higher folder, unless tests/data/allowed_upward_includes.txt
# lists it with its reason; a listed include that no longer exists fails too,
# so the list only shrinks.
# Usage: include_order_test.sh SOURCE_DIR
set -eu
src=${1:?usage: include_order_test.sh SOURCE_DIR}
cd "$src"
# Lowest first. The hosts (cli, tools, bench, fuzz, tests) stand above the
# library: the library includes none of them.
layers="frame lexicon morphology inflection rules checking analysis"
hosts="cli tools bench fuzz tests"
allow=tests/data/allowed_upward_includes.txt

files=$(find $layers -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort)
[ -n "$files" ] || { echo "no library sources under $src" >&2; exit 1; }

# shellcheck disable=SC2086
awk -v layers="$layers" -v hosts="$hosts" -v allow="$allow" '
# A relative include ("../checking/x.h") named from the including file.
function resolve(file, rel,    parts, n, i, out, k, j, path) {
    n = split(file, parts, "/")
    k = 0
    for (i = 1; i < n; i++) out[++k] = parts[i]
    n = split(rel, parts, "/")
    for (i = 1; i <= n; i++) {
        if (parts[i] == ".") continue
        if (parts[i] == "..") { if (k > 0) k--; continue }
        out[++k] = parts[i]
    }
    path = out[1]
    for (j = 2; j <= k; j++) path = path "/" out[j]
    return path
}
BEGIN {
    n = split(layers, L, " ")
    for (i = 1; i <= n; i++) rank[L[i]] = i
    m = split(hosts, H, " ")
    for (i = 1; i <= m; i++) rank[H[i]] = n + 1
    # Allowed lines: "FILE HEADER" then the reason after a "#".
    while ((getline line < allow) > 0) {
        sub(/#.*/, "", line)
        if (split(line, f, " ") >= 2) { allowed[f[1] " " f[2]] = 1; used[f[1] " " f[2]] = 0 }
    }
    bad = 0
}
FNR == 1 { split(FILENAME, p, "/"); own = p[1] }
/^[ \t]*#[ \t]*include[ \t]*"/ {
    header = $0
    sub(/^[^"]*"/, "", header)
    sub(/".*/, "", header)
    if (header ~ /^\.\.?\//) header = resolve(FILENAME, header)
    if (split(header, q, "/") < 2 || !(q[1] in rank)) next
    if (rank[q[1]] <= rank[own]) next
    key = FILENAME " " header
    if (key in allowed) { used[key] = 1; next }
    printf "%s:%d: %s (%s) includes %s (%s), a higher layer\n", FILENAME, FNR, FILENAME, own, header, q[1]
    bad = 1
}
END {
    for (k in used) if (!used[k]) { printf "%s: listed as allowed but no longer included\n", k; bad = 1 }
    if (bad) print "Layers, lowest first: " layers " (see doc/architecture.md)"
    exit bad
}' $files
