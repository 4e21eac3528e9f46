#!/bin/sh
# Unknown-word findings on correct English prose against hunspell's en_US:
# runs `krzcheck --lang en check` over each file, keeps the words it reports
# as not in the dictionary, and asks `hunspell -d en_US -a` which of them it
# also rejects. A word hunspell accepts is one our word lists most likely
# should know too. Prints those words with their counts (most frequent
# first), then one line: flagged, accepted by hunspell, and the share.
#
#   bench/spell_vs_hunspell.sh [--krzcheck PATH] [--rejected] FILE...
#
# --rejected lists the words hunspell rejects too instead.
set -eu

krzcheck="$(dirname "$0")/../build/krzcheck"
show=accepted
while [ $# -gt 0 ]; do
    case "$1" in
        --krzcheck) krzcheck="$2"; shift 2 ;;
        --rejected) show=rejected; shift ;;
        --) shift; break ;;
        -*) echo "usage: $0 [--krzcheck PATH] [--rejected] FILE..." >&2; exit 2 ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--krzcheck PATH] [--rejected] FILE..." >&2; exit 2; }
command -v hunspell >/dev/null || { echo "$0: hunspell is not installed" >&2; exit 2; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

for f in "$@"; do
    "$krzcheck" --lang en --ui en check "$f" || true   # exit status 1: findings
done | awk -F'\t' '$2 == 2 && $4 ~ /does not recognize/ { print $3 }' > "$tmp/flagged"

sort -u "$tmp/flagged" > "$tmp/distinct"
# One answer block per input line (a line opened by '^' is never a command);
# a word is accepted when no part of it is reported ('&' or '#' lines):
# hunspell takes a hyphenated word when it knows every part.
sed 's/^/^/' "$tmp/distinct" | hunspell -d en_US -a | awk 'NR > 1' |
    awk -v list="$tmp/distinct" -v dir="$tmp" '
        BEGIN { while ((getline line < list) > 0) word[++n] = line; RS = ""; FS = "\n" }
        { bad = 0
          for (i = 1; i <= NF; ++i) if ($i ~ /^[&#]/) bad = 1
          print word[NR] > (dir (bad ? "/rejected" : "/accepted")) }'
touch "$tmp/rejected" "$tmp/accepted"

grep -Fxf "$tmp/$show" "$tmp/flagged" | sort | uniq -c | sort -k1,1nr -k2
awk -v a="$(grep -Fxcf "$tmp/accepted" "$tmp/flagged" || true)" -v n="$(wc -l < "$tmp/flagged")" \
    'BEGIN { printf "flagged %d, hunspell en_US accepts %d = %.1f%%\n", n, a, n ? 100 * a / n : 0 }'
