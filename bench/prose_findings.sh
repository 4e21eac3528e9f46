#!/bin/sh
# False-alarm figures on correct prose: for each text, the findings of
# `krzcheck check` per 1,000 words by class, the class-3 rate without the
# long-sentence warnings and the too-long-to-check notices, and the ten most
# frequent messages.
#
#   bench/prose_findings.sh [--krzcheck PATH] [--from DIR] FILE...
#
# The language comes from the file name (en_* or *_en.txt is English, fr_*
# or *_fr.txt French). With --from DIR the findings are read from
# DIR/NAME.check.txt (a saved `krzcheck --ui en check` output) instead of
# running the checker, so that earlier outputs can be compared.
set -eu

krzcheck="$(dirname "$0")/../build/krzcheck"
from=""
while [ $# -gt 0 ]; do
    case "$1" in
        --krzcheck) krzcheck="$2"; shift 2 ;;
        --from) from="$2"; shift 2 ;;
        --) shift; break ;;
        -*) echo "usage: $0 [--krzcheck PATH] [--from DIR] FILE..." >&2; exit 2 ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--krzcheck PATH] [--from DIR] FILE..." >&2; exit 2; }

tmp="$(mktemp)"
trap 'rm -f "$tmp"' EXIT

for file in "$@"; do
    name="$(basename "$file" .txt)"
    case "$name" in
        en_*|*_en) lang=en ;;
        fr_*|*_fr) lang=fr ;;
        *) echo "$file: cannot tell the language from the name" >&2; exit 2 ;;
    esac
    if [ -n "$from" ]; then
        cp "$from/$name.check.txt" "$tmp"
    else
        # The checker exits with 1 when it reports findings.
        rc=0
        "$krzcheck" --lang "$lang" --ui en check "$file" >"$tmp" || rc=$?
        [ "$rc" -le 1 ] || { echo "$file: krzcheck failed ($rc)" >&2; exit 1; }
    fi
    words=$(wc -w <"$file")
    echo "== $name ($lang, $words words)"
    # Output lines: LINE:START-END <tab> CLASS <tab> WORD <tab> MESSAGE <tab> SUGGESTIONS
    awk -F '\t' -v words="$words" '
        function rate(n) { return sprintf("%.1f", n * 1000 / words) }
        NF >= 4 {
            total++
            byClass[$2]++
            msg = $4
            sub(/\\n.*/, "", msg)
            gsub(/\([0-9]+ words\)/, "(N words)", msg)
            count[msg]++
            if ($2 == 3 && msg !~ /^Warning: long sentence/ && msg !~ /too long to be checked/ &&
                msg !~ /^Attention : phrase longue/ && msg !~ /trop longue pour/)
                plain3++
        }
        END {
            printf "findings per 1,000 words: %s in all\n", rate(total)
            for (c = 1; c <= 9; c++)
                if (c in byClass) printf "  class %d: %s (%d)\n", c, rate(byClass[c]), byClass[c]
            printf "  class 3 without long-sentence and too-long notices: %s (%d)\n", rate(plain3), plain3
            n = 0
            for (m in count) list[++n] = sprintf("%6d  %s", count[m], m)
            # Ten most frequent messages (insertion sort on the count).
            for (i = 2; i <= n; i++) {
                v = list[i]; j = i - 1
                while (j > 0 && list[j] + 0 < v + 0) { list[j + 1] = list[j]; j-- }
                list[j + 1] = v
            }
            print "most frequent messages:"
            for (i = 1; i <= n && i <= 10; i++) print list[i]
        }' "$tmp"
done
