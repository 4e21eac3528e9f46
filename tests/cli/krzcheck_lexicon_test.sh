#!/bin/sh
# krzcheck's user-lexicon commands end to end: a verb added with lex-add is
# known with its forms to the spelling check, is listed, survives the run
# (the lexicon file is reopened by each command) and is gone after
# lex-remove; two writers at once, a locked and a read-only lexicon.
# Usage: krzcheck_lexicon_test.sh PATH_TO_KRZCHECK
set -u
cleanup_extra() { chattr -i "$dir"/*.lex; }
. "$(dirname "$0")/cli_test_lib.sh"
L="$dir/user.lex"

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

# Two processes adding to one lexicon at once lose no word.
W="$dir/shared.lex"
add() {
    for i in $(seq 1 60); do
        "$K" --lang fr --lexicon "$W" lex-add "zorb$1$(printf '%03d' "$i" | tr 0-9 a-j)" >/dev/null ||
            echo "lex-add $1 $i failed"
    done
}
add q > "$dir/q.err" & add w > "$dir/w.err" & wait
[ -s "$dir/q.err" ] || [ -s "$dir/w.err" ] && fail "a concurrent lex-add failed: $(cat "$dir/q.err" "$dir/w.err")"
n=$("$K" --lang fr --lexicon "$W" lex-list | grep -c '^zorb')
[ "$n" -eq 120 ] || fail "two writers: $n of 120 words left"

# A writer that cannot get the lock in time fails clearly and changes nothing.
if command -v flock >/dev/null 2>&1; then
    before=$(cksum < "$W")
    # The holder keeps the lock until it is told to let go, however slow
    # the machine: a timed hold could end before the writer even asks.
    mkfifo "$dir/release"
    flock "$W" sh -c "read _ < '$dir/release'" &
    # Wait until the other process really holds the lock (a loaded machine
    # may start it late).
    for _ in $(seq 1 100); do flock -n "$W" true || break; sleep 0.05; done
    "$K" --lang fr --lexicon "$W" lex-add zorblocked > /dev/null 2> "$dir/busy.err"
    [ $? -eq 2 ] || fail "lex-add under another process's lock should exit 2"
    grep -q locked "$dir/busy.err" || fail "no clear message for a locked lexicon: $(cat "$dir/busy.err")"
    [ "$(cksum < "$W")" = "$before" ] || fail "a refused change altered the lexicon"
    echo > "$dir/release"
    wait
fi

# A read-only lexicon: lookups and lex-list work; changes fail and change
# nothing. (Root ignores the mode: the file is made immutable instead.)
R="$dir/readonly.lex"
"$K" --lang fr --lexicon "$R" lex-add googler >/dev/null || fail "lex-add googler to the read-only lexicon"
chmod 0444 "$R"
immutable=""
if [ -w "$R" ] && chattr +i "$R" 2>/dev/null; then immutable=yes; fi
if [ ! -w "$R" ] || [ -n "$immutable" ]; then
    before=$(cksum < "$R")
    "$K" --lang fr --lexicon "$R" lex-list | grep -qx googler || fail "lex-list of a read-only lexicon"
    printf 'Nous googlons.\n' | "$K" --lang fr --lexicon "$R" spell >/dev/null
    [ $? -eq 0 ] || fail "a read-only lexicon's words should be known"
    "$K" --lang fr --lexicon "$R" lex-add zorblin >/dev/null 2>&1
    [ $? -eq 2 ] || fail "lex-add to a read-only lexicon should exit 2"
    [ "$(cksum < "$R")" = "$before" ] || fail "a read-only lexicon was changed"
    [ -z "$immutable" ] || chattr -i "$R"
fi

finish "all lexicon cases as expected"
