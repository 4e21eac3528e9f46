#!/bin/sh
# krzcheck's user-lexicon commands end to end: a verb added with lex-add is
# known with its forms to the spelling check, is listed, survives the run
# (the lexicon file is reopened by each command) and is gone after
# lex-remove.
# Usage: krzcheck_lexicon_test.sh PATH_TO_KRZCHECK
set -u
K="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
L="$dir/user.lex"
fail() { echo "FAIL: $*"; exit 1; }

printf 'Nous googlons demain.\n' | "$K" --lang fr --lexicon "$L" spell >/dev/null
[ $? -eq 1 ] || fail "googlons should be unknown before lex-add"
"$K" --lang fr --lexicon "$L" lex-add googler >/dev/null || fail "lex-add googler"
printf 'Nous googlons demain.\n' | "$K" --lang fr --lexicon "$L" spell >/dev/null
[ $? -eq 0 ] || fail "googlons should be known after lex-add"
"$K" --lang fr --lexicon "$L" lex-list | grep -qx googler || fail "lex-list should list googler"
"$K" --lang fr --lexicon "$L" lex-remove googler >/dev/null || fail "lex-remove googler"
printf 'Nous googlons demain.\n' | "$K" --lang fr --lexicon "$L" spell >/dev/null
[ $? -eq 1 ] || fail "googlons should be unknown after lex-remove"
"$K" --lang fr --lexicon "$L" lex-remove googler >/dev/null
[ $? -eq 1 ] || fail "removing a missing word exits 1"
echo "ok"
