#!/bin/sh
# krzcheck dict and dict-at: records separated by an empty line, the JSON
# form, and the exit statuses.
set -eu
k="$1"
fail() { echo "$*" >&2; exit 1; }
out="$("$k" dict maison)" || fail "dict maison: status $?"
printf '%s\n' "$out" | head -n 1 | grep -q '^maison <adjectif, nom>' || fail "dict maison: $out"
n="$("$k" dict abaca 3 | grep -c '^$' || true)"
[ "$n" = 2 ] || fail "dict abaca 3: $n empty lines"
set +e
"$k" dict maisonnz >/dev/null; [ $? = 1 ] || fail "dict of a missing word: not 1"
# Past the text: the last entry.
out="$("$k" dict-at 4294967295)"; [ $? = 0 ] || fail "dict-at past the text: not 0"
printf '%s\n' "$out" | head -n 1 | grep -q '^zythum ' || fail "dict-at past the text: $out"
# A one-letter word, or a word past the last entry of its two-letter
# section, locates the first entry after it, never the one before; a and à
# are entry 0 exactly.
for case in e:eau y:yacht b:baba azzz:baba; do
    out="$("$k" dict "${case%%:*}")"; [ $? = 1 ] || fail "dict ${case%%:*}: not 1"
    printf '%s\n' "$out" | head -n 1 | grep -q "^${case#*:} " || fail "dict ${case%%:*}: $out"
done
for w in a à; do
    out="$("$k" dict "$w")"; [ $? = 0 ] || fail "dict $w: not exact"
    [ "$(printf '%s\n' "$out" | head -n 1)" = "à <préposition>" ] || fail "dict $w: $out"
done
"$k" dict maison 0 2>/dev/null; [ $? = 2 ] || fail "COUNT 0: not 2"
"$k" dict maison 32768 2>/dev/null; [ $? = 2 ] || fail "COUNT 32768: not 2"
"$k" dict-at x 2>/dev/null; [ $? = 2 ] || fail "dict-at x: not 2"
set -e
json="$("$k" --json dict-at 0 2)"
printf '%s\n' "$json" | grep -q '^\[{"entry":0,"headword":"à","text":"à <préposition>"},{"entry":1,' ||
    fail "json: $json"
