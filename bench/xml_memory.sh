#!/bin/sh
# Peak memory of `krzcheck xml` and `krzcheck relations` on one line of
# about 1 MiB made of short sentences (over 100,000 of them), and of
# `krzcheck --json xml` on 20,000 short lines: the documents are streamed,
# so the peak stays bounded by the line whatever the number of sentences
# (the goal is under 50 MB for xml on the long line).
#
#   bench/xml_memory.sh [KRZCHECK]     (default: build/krzcheck)
set -eu
krzcheck="${1:-$(dirname "$0")/../build/krzcheck}"
[ -x /usr/bin/time ] || { echo "xml_memory: /usr/bin/time is needed" >&2; exit 2; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
# 1,048,000 bytes: "Il dort. " 116,444 times, then one line feed.
awk 'BEGIN { s = ""; for (i = 0; i < 116444; ++i) s = s "Il dort. "; print s }' >"$tmp/line.txt"
awk 'BEGIN { for (i = 0; i < 20000; ++i) print "Le chat dort. Il r\xc3\xaave." }' >"$tmp/lines.txt"

peak() {  # peak resident set of the command, in MB, on standard output
    /usr/bin/time -f '%M' -o "$tmp/kb" "$@" >"$tmp/out" 2>/dev/null || true
    awk '{ printf "%.1f", $1 / 1024 }' "$tmp/kb"
}

xml=$(peak "$krzcheck" --lang fr xml "$tmp/line.txt")
docs=$(grep -c '^<PHRASES>' "$tmp/out" || true)
echo "xml, one 1 MiB line of short sentences: $xml MB peak, $docs documents (goal: under 50 MB)"
rel=$(peak "$krzcheck" --lang fr relations "$tmp/line.txt")
echo "relations, the same line: $rel MB peak"
json=$(peak "$krzcheck" --lang fr --json xml "$tmp/lines.txt")
echo "--json xml, 20,000 lines of two sentences: $json MB peak"
