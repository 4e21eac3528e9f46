#!/bin/sh
# krzcheck's text commands end to end on a small file: check, punct and
# --json check (spans, classes, span texts, the first suggestion, the JSON
# keys) and their exit status (0 clean, 1 findings).
# Usage: krzcheck_text_test.sh PATH_TO_KRZCHECK
set -u
. "$(dirname "$0")/cli_test_lib.sh"
nl='
'
printf 'Le chat dort.\nLe chat mange une pomne. Il mange le le pain.\nIl part!\n' > "$dir/text.txt"
printf 'Le chat dort.\nIl mange le pain.\n' > "$dir/clean.txt"

# expect STATUS EXPECTED COMMAND...: the findings' line:span, class, text
# and first suggestion.
expect() {
    want_status="$1"
    want="$2"
    shift 2
    "$K" "$@" > "$dir/out"
    status=$?
    got=$(cut -f1-3,5 "$dir/out" | sed 's/|.*//'; echo "|")
    got=${got%|}
    [ "$status" = "$want_status" ] || fail "krzcheck $*: status $status, want $want_status"
    [ "$got" = "$want" ] || fail "krzcheck $*:${nl}$got${nl}want:${nl}$want"
}
expect 1 "2:18-22	2	pomne	pomme${nl}2:34-38	3	le le	le${nl}" --lang fr check "$dir/text.txt"
expect 1 "3:7-7	9	!	 !${nl}" --lang fr punct "$dir/text.txt"
expect 0 "" --lang fr check "$dir/clean.txt"
expect 0 "" --lang fr punct "$dir/clean.txt"

# --json: one object per finding, exactly the documented keys.
"$K" --lang fr --json check "$dir/text.txt" > "$dir/out.json"
[ $? -eq 1 ] || fail "--json check: status"
[ "$(wc -l < "$dir/out.json")" -eq 2 ] || fail "--json check: $(wc -l < "$dir/out.json") objects, want 2"
if command -v python3 >/dev/null 2>&1; then
    python3 - "$dir/out.json" <<'PY' || fail "--json check: objects or keys"
import json, sys
want = {"line", "start", "end", "class", "text", "message", "suggestions"}
rows = [json.loads(line) for line in open(sys.argv[1], encoding="utf-8")]
assert all(set(r) == want for r in rows), rows
assert [(r["line"], r["start"], r["end"], r["class"], r["text"]) for r in rows] == \
    [(2, 18, 22, 2, "pomne"), (2, 34, 38, 3, "le le")], rows
assert rows[0]["suggestions"][0] == "pomme" and isinstance(rows[0]["message"], str)
PY
else
    grep -q '^{"line":2,"start":18,"end":22,"class":2,"text":"pomne","message":"[^"]*","suggestions":\["pomme"' \
        "$dir/out.json" || fail "--json check: $(head -1 "$dir/out.json")"
fi

finish "all text commands as expected"
