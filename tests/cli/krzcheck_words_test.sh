#!/bin/sh
# krzcheck's word commands end to end: UTF-8 in and out, one result per
# line (an empty line where a conjugated form does not exist), --json
# arrays, and the exit status (0 with results, 1 without, 2 for usage).
# Usage: krzcheck_words_test.sh PATH_TO_KRZCHECK
set -u
K="$1"
failures=0

# expect STATUS EXPECTED_OUTPUT ARGS...
expect() {
    want_status="$1"
    want_out="$2"
    shift 2
    # The status rides after the output, so that trailing empty lines
    # survive the command substitution.
    out=$("$K" "$@" 2>/dev/null; echo "|$?")
    status=${out##*|}
    out=${out%|*}
    if [ "$status" != "$want_status" ] || [ "$out" != "$want_out" ]; then
        echo "FAIL: krzcheck $*"
        echo "  status $status (want $want_status)"
        echo "  output: $(printf '%s' "$out" | od -c | head -5)"
        echo "  wanted: $(printf '%s' "$want_out" | od -c | head -5)"
        failures=$((failures + 1))
    fi
}

nl='
'
# Each expected output is compared with its final line feed.
expect 0 "Manger${nl}" infinitive Mangeons
expect 0 "être${nl}" infinitive est
expect 0 "ÊTRE${nl}" infinitive ÊTES
expect 1 "" infinitive maison
expect 0 "chevaux${nl}" plural cheval
expect 0 "maux${nl}mals${nl}" plural mal
expect 0 "École${nl}" singular Écoles
expect 0 "œil${nl}" singular yeux
expect 0 "yeux${nl}" plural œil
expect 0 "mange${nl}manges${nl}mange${nl}mangeons${nl}mangez${nl}mangent${nl}" conjugate manger 2
expect 0 "été${nl}" conjugate être 1
# -9 and -8: the adjectives and nouns built on the lemma, never a word
# that only begins like it (manganeux, chatouilleur, grange).
expect 0 "mangeable${nl}" conjugate manger -9
expect 1 "" conjugate chat -9
expect 0 "grand${nl}grandesse${nl}grandeur${nl}grandissement${nl}" conjugate grand -8
expect 0 "chaleureux${nl}" conjugate chaleur -9
expect 1 "${nl}${nl}${nl}" conjugate gésir 9
# A word that is not an infinitive, or not a verb, has no forms (not the
# stem the engine tried).
expect 1 "" conjugate mangeons 2
expect 1 "" conjugate maison 2
expect 1 "" --lang en conjugate paraphrasing 10
expect 1 '[]'"$nl" --json --lang en conjugate went 10
expect 0 '["maux","mals"]'"$nl" --json plural mal
expect 0 '["plaçant"]'"$nl" --json conjugate placer 0
expect 1 '[]'"$nl" --json singular xqzwv
expect 0 "Go${nl}" --lang en infinitive Went
expect 0 "go${nl}goes${nl}going${nl}went${nl}gone${nl}" --lang en conjugate go 10
expect 2 "" --lang en conjugate go 3
expect 2 "" conjugate manger 10
expect 2 "" conjugate manger
expect 2 "" conjugate manger 11
expect 2 "" conjugate manger x
# analyse: the kinds of a known word (25 a verb form, 9 a noun); an unknown
# word's suggestions and status 1.
expect 0 "25${nl}" analyse dort
expect 0 '["9"]'"$nl" --json analyse chat
expect 1 '[]'"$nl" --json analyse xqzwvk
out=$("$K" analyse chatt 2>/dev/null)
st=$?
if [ "$st" -ne 1 ] || ! printf '%s\n' "$out" | grep -qx chatte; then
    echo "FAIL: krzcheck analyse chatt: status $st, suggestions: $out"
    failures=$((failures + 1))
fi
expect 2 "" analyse
expect 2 "" plural
expect 2 "" singular a b

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all word commands as expected"
