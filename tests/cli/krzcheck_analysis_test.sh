#!/bin/sh
# krzcheck's sentence commands end to end: one XML document per sentence
# in UTF-8 (its declaration rewritten to say so), --json arrays, and the
# exit status (0 with output, 1 without, 2 for usage and input errors).
# Usage: krzcheck_analysis_test.sh PATH_TO_KRZCHECK
set -u
K="$1"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

out=$(printf 'Le chat dort. Il rêve & rit.\n' | "$K" xml)
[ $? -eq 0 ] || fail "xml: status"
[ "$(printf '%s\n' "$out" | grep -c '^<?xml version="1.0" encoding="UTF-8" standalone="yes" ?>$')" -eq 2 ] ||
    fail "xml: two documents declared UTF-8: $out"
printf '%s\n' "$out" | grep -q '^<PHRASEORIG>Il rêve &amp; rit.</PHRASEORIG>$' || fail "xml: escaped UTF-8 text: $out"

# The rewritten clause table: a completive clause one level down, each
# level its own P element, in both languages.
out=$(printf 'Je pense que tu viens.\n' | "$K" --lang fr xml)
printf '%s\n' "$out" | grep -q 'la phrase a 2 niveau(x) de proposition' || fail "xml: two levels: $out"
[ "$(printf '%s\n' "$out" | grep -c '^<P>$')" -eq 2 ] || fail "xml: two P elements: $out"
out=$(printf 'I think that he left.\n' | "$K" --lang en xml)
printf '%s\n' "$out" | grep -q 'la phrase a 2 niveau(x) de proposition' || fail "xml: English levels: $out"
[ "$(printf '%s\n' "$out" | grep -c '^<P>$')" -eq 2 ] || fail "xml: English P elements: $out"
# The rewriter's words are appended once, whatever the number of rule
# loop rounds.
out=$(printf 'He has a broken leg.\n' | "$K" --lang en xml)
[ "$(printf '%s\n' "$out" | grep -c 'REECRITURE')" -le 1 ] || fail "xml: one rewritten clause: $out"

# Every verb clause keeps its words: an imperative and a verb with no
# subject clause get their verb group, a name read as the subject's head
# its SN; control characters never reach the document.
out=$(printf 'Mange ta soupe.\nJean va \001à la cuisine.\n' | "$K" --lang fr xml)
[ "$(printf '%s\n' "$out" | grep -c '<SV>')" -eq 2 ] || fail "xml: a verb group per clause: $out"
printf '%s\n' "$out" | grep -q 'rolegram="imper" fc="manger">Mange<' || fail "xml: the imperative: $out"
printf '%s\n' "$out" | grep -q 'rolegram="suj" fc="Jean">Jean<' || fail "xml: the subject's head: $out"
printf '%s\n' "$out" | tr -d '\n\t' | LC_ALL=C grep -q '[[:cntrl:]]' && fail "xml: a control character: $out"

# A sentence the rule loop corrects keeps every word: a subject that
# disagrees with its verb still heads the SN (the rewriter's subject search
# stops at the disagreement and leaves no link); a fronted attribute, moved
# behind its verb by the cascade, is corrected in the sentence's own order,
# so the next run still reads the inversion and keeps the subject.
while IFS='|' read -r sentence words subject; do
    out=$(printf '%s\n' "$sentence" | "$K" --lang fr xml)
    for w in $words; do
        printf '%s\n' "$out" | grep -q ">$w<" || fail "xml: '$w' of '$sentence': $out"
    done
    printf '%s\n' "$out" | sed -n '/<SN>/,/<\/SN>/p' | grep -q "rolegram=\"suj\" fc=\"[^\"]*\">$subject<" ||
        fail "xml: '$subject' heads the SN of '$sentence': $out"
done <<'CASES'
Ils mange des pommes.|Ils mange des pommes|Ils
Grand est la maison.|Grande est la maison|maison
Il mangent et nous dort.|Il mangent nous dort|Il
CASES

out=$(printf 'Un.\nDeux. Trois.\n' | "$K" --json xml)
[ $? -eq 0 ] || fail "xml --json: status"
case "$out" in
    '["<?xml'*'Un.'*'","<?xml'*'Deux.'*'","<?xml'*'Trois.'*'"]') ;;
    *) fail "xml --json: one array of three documents: $out" ;;
esac

out=$(printf '\n' | "$K" xml)
[ $? -eq 1 ] && [ -z "$out" ] || fail "xml: an empty line gives no document and status 1"
"$K" xml /nonexistent/file 2>/dev/null
[ $? -eq 2 ] || fail "xml: unreadable file gives status 2"
"$K" xml a b 2>/dev/null
[ $? -eq 2 ] || fail "xml: two files give status 2"

out=$(printf 'Le chat dort.\nIl rêve.\n' | "$K" relations)
[ $? -eq 0 ] || fail "relations: status"
printf '%s\n' "$out" | grep -q '^t: Le chat dort.$' || fail "relations: sentence line: $out"
printf '%s\n' "$out" | grep -q '^t: Il rêve.$' || fail "relations: UTF-8 sentence line: $out"
# One record counter for the run: the second paragraph goes on numbering.
first=$(printf '%s\n' "$out" | grep -c '^0;')
[ "$first" -eq 1 ] || fail "relations: one record numbered 0: $out"
# The records name punctuation signs as such, in French whatever the
# interface language.
out=$(printf 'Le chat dort, et il rêve.\n' | "$K" --lang fr --ui en relations)
printf '%s\n' "$out" | grep -q '^[0-9]*;3;,;signe de ponctuation;' || fail "relations: the comma: $out"
printf '%s\n' "$out" | grep -q '^[0-9]*;7;\.;signe de ponctuation;' || fail "relations: the full stop: $out"
printf '%s\n' "$out" | grep -q '^[0-9]*;1;chat;nom;est sujet de;dormir;' || fail "relations: French labels: $out"
printf '%s\n' "$out" | grep -q 'subject\|noun' && fail "relations: an English label: $out"

out=$(printf 'Le chat dort.\n' | "$K" --json relations)
case "$out" in
    '[{"records":"'*'","groups":"'*'","relations":"'*'","model":"t: Le chat dort.\u000a'*'"}]') ;;
    *) fail "relations --json: one object per line: $out" ;;
esac
"$K" relations /nonexistent/file 2>/dev/null
[ $? -eq 2 ] || fail "relations: unreadable file gives status 2"

exit $((failures > 0))
