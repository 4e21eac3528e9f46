#!/bin/sh
# krzcheck on careless and hostile input: bytes that are not text, invalid
# UTF-8, a byte-order mark, decomposed accents, characters outside the code
# page, inputs that cannot be read, output that cannot be written, endless
# lines, lines with more findings than one call records, and --lexicon
# paths that must not become files.
# Usage: krzcheck_input_test.sh PATH_TO_KRZCHECK
set -u
. "$(dirname "$0")/cli_test_lib.sh"

# status WANT DESCRIPTION: compares the status of the last command.
status() {
    [ "$3" = "$1" ] || fail "$2: status $3, want $1"
}

# has LINE DESCRIPTION: the output file holds the exact line.
has() { grep -qxF -- "$1" "$dir/out" || fail "$2: no line '$1' in: $(cat "$dir/out")"; }
lacks() { ! grep -qF -- "$1" "$dir/out" || fail "$2: unexpected '$1' in: $(cat "$dir/out")"; }

spans() { cut -f1-3 "$dir/out" > "$dir/spans"; mv "$dir/spans" "$dir/out"; }

# A NUL byte and the overlong C0 80 are not text: the line goes on after them.
printf 'Le chatt\000 qzxw dort.\n' | "$K" --lang fr spell > "$dir/out"; status 1 "NUL" $?
spans; has "1:3-7	2	chatt" "NUL"; has "1:10-13	2	qzxw" "NUL"
# A NUL inside a span is written \0, as a tab is \t: each finding keeps its
# message, suggestions and line of its own.
printf 'Le chatt\000 dort.\nIl part!\n' | "$K" --lang fr punct > "$dir/out"; status 1 "NUL in a span" $?
[ "$(wc -l < "$dir/out")" -eq 2 ] || fail "NUL in a span: $(od -c "$dir/out" | head -4)"
[ "$(head -1 "$dir/out" | cut -f1-3,5)" = '1:8-9	9	\0 	 ' ] || fail "NUL in a span: $(head -1 "$dir/out")"
printf 'Le chat\300\200 dort. Il a un chatt.\n' | "$K" --lang fr spell > "$dir/out"; status 1 "C0 80" $?
spans; has "1:24-28	2	chatt" "C0 80"

# Word commands refuse invalid UTF-8 as lex-add does; a blank word has no
# reading.
for cmd in "suggest" "analyse" "plural" "infinitive" "conjugate" "dict"; do
    args="$(printf 'chat\303')"; [ "$cmd" = conjugate ] && args="$args 2"
    "$K" --lang fr $cmd $args > "$dir/out" 2> "$dir/err"; status 2 "$cmd of invalid UTF-8" $?
    [ -s "$dir/out" ] && fail "$cmd of invalid UTF-8 printed: $(cat "$dir/out")"
    grep -q 'not valid UTF-8' "$dir/err" || fail "$cmd of invalid UTF-8: $(cat "$dir/err")"
done
"$K" analyse "" > "$dir/out"; status 1 "analyse of an empty word" $?
"$K" analyse "   " > "$dir/out"; status 1 "analyse of blanks" $?

# Strict decoding: a cut sequence is one character and the byte after it is
# read again ("(" is not swallowed, later offsets do not move).
printf 'x\303(chatt) dort.\n' | "$K" --lang fr spell > "$dir/out"; status 1 "cut sequence" $?
spans; has "1:3-7	2	chatt" "cut sequence"
printf 'Le chatt\303 dort.\n' | "$K" --lang fr --json spell > "$dir/out"
iconv -f UTF-8 -t UTF-8 "$dir/out" > /dev/null 2>&1 || fail "--json printed invalid UTF-8: $(od -c "$dir/out" | head -3)"
"$K" --lang fr --lexicon "$dir/bad.lex" lex-add "$(printf 'Zorg\303lub')" > /dev/null 2>&1; status 2 "lex-add of invalid UTF-8" $?
"$K" --lang fr --lexicon "$dir/bad.lex" lex-add "$(printf 'Zorg\305\202ub')" > /dev/null 2>&1
status 2 "lex-add of a character outside the code page" $?
[ -e "$dir/bad.lex" ] && fail "a refused lex-add left a lexicon file"

# A byte-order mark is skipped; a decomposed accent is composed, and offsets
# count the input's code points.
printf '\357\273\277Le chatt dort.\n' | "$K" --lang fr check > "$dir/out"; status 1 "byte-order mark" $?
spans; [ "$(cat "$dir/out")" = "1:3-7	2	chatt" ] || fail "byte-order mark: $(cat "$dir/out")"
printf 'Cafe\314\201 noirr.\n' | "$K" --lang fr spell > "$dir/out"; status 1 "decomposed accent" $?
spans; [ "$(cat "$dir/out")" = "1:6-10	2	noirr" ] || fail "decomposed accent: $(cat "$dir/out")"

# Typographic spaces and hyphens keep their meaning; other characters are
# letters to the checker, and spans are printed as they were written.
printf 'Quelle belle journ\303\251e\342\200\257!\n' | "$K" --lang fr check > "$dir/out"; status 0 "narrow no-break space" $?
printf 'Il vit \303\240 \305\201\303\263d\305\272 et chatt.\n' | "$K" --lang fr spell > "$dir/out"
spans; has "1:9-12	2	$(printf '\305\201\303\263d\305\272')" "character outside the code page"; has "1:17-21	2	chatt" "after Łódź"

# A zero-width space, joiner or soft hyphen inside a word leaves it whole
# (no unknown halves), and a finding's span covers the invisible character;
# a U+FEFF inside the text glues to no word.
printf 'Il reto\342\200\213urna vers la maison.\n' | "$K" --lang fr check > "$dir/out"; status 0 "zero-width space" $?
printf 'Le cha\302\255tt dort pr\342\200\215\303\250s de \357\273\277la porte.\n' | "$K" --lang fr spell > "$dir/out"
status 1 "soft hyphen" $?; spans; [ "$(cat "$dir/out")" = "$(printf '1:3-8\t2\tcha\302\255tt')" ] || fail "soft hyphen: $(cat "$dir/out")"

# The interface language follows --lang unless --ui is given.
echo 'Le chatt dort.' | "$K" --lang fr check > "$dir/out"; has_fr=$(cut -f4 "$dir/out")
case "$has_fr" in *dictionnaire*) ;; *) fail "--ui does not follow --lang fr: $has_fr" ;; esac
echo 'Le chatt dort.' | "$K" --lang fr --ui en check > "$dir/out"
case "$(cut -f4 "$dir/out")" in *dictionary*) ;; *) fail "--ui en ignored" ;; esac

# Inputs that cannot be read and output that cannot be written: exit 2.
"$K" check "$dir" > /dev/null 2>&1; status 2 "a directory as input" $?
"$K" check "$dir/none.txt" > /dev/null 2>&1; status 2 "a missing file" $?
"$K" check <&- > /dev/null 2>&1; status 2 "closed standard input" $?
if [ -w /dev/full ]; then
    echo 'Le chatt dort.' | "$K" check > /dev/full 2>/dev/null; status 2 "output to a full device" $?
    "$K" conjugate manger 2 > /dev/full 2>/dev/null; status 2 "word output to a full device" $?
fi
if [ "$(id -u)" -ne 0 ]; then
    echo 'Le chat.' > "$dir/locked.txt"; chmod 000 "$dir/locked.txt"
    "$K" check "$dir/locked.txt" > /dev/null 2>&1; status 2 "an unreadable file" $?
fi

# A line longer than 1 MiB is reported and skipped (read to its end with
# bounded memory); the lines after it are checked and the status says one
# was not. The CR of a CRLF ending does not count in the limit. "-" is
# standard input.
{ head -c 3000000 /dev/zero; printf '\nLe chatt dort.\n'; } | "$K" --lang fr spell - > "$dir/out" 2> "$dir/err"
status 2 "a line too long" $?
spans; has "2:3-7	2	chatt" "the line after one too long"
grep -q 'line 1 is longer' "$dir/err" || fail "a line too long: $(cat "$dir/err")"
{ yes 'Le chat dort.' | tr '\n' ' ' | head -c 1048576; printf '\r\nLe chatt dort.\r\n'; } > "$dir/crlf.txt"
"$K" --lang fr spell "$dir/crlf.txt" > "$dir/out" 2>&1; status 1 "1 MiB line ended by CRLF" $?
spans; [ "$(cat "$dir/out")" = "2:3-7	2	chatt" ] || fail "1 MiB line ended by CRLF: $(cat "$dir/out")"

# Every finding of a line is printed, however many a call records.
python3 -c "print(' '.join(['Zqxw bnrt plkz.'] * 70))" > "$dir/many.txt" 2>/dev/null ||
    awk 'BEGIN { for (i = 0; i < 70; i++) printf "Zqxw bnrt plkz. "; print "" }' > "$dir/many.txt"
"$K" --lang fr spell "$dir/many.txt" > "$dir/out"; status 1 "many findings" $?
[ "$(wc -l < "$dir/out")" -eq 210 ] || fail "many findings: $(wc -l < "$dir/out") lines, want 210"
[ "$(cut -f1 "$dir/out" | sort -u | wc -l)" -eq 210 ] || fail "many findings: a finding printed twice"

# --lexicon makes a file only for lex-add, and never for a command that
# fails or does not exist.
L="$dir/new.lex"
"$K" --lexicon "$L" lex-lsit > /dev/null 2>&1; status 2 "unknown command" $?
"$K" --lexicon "$L" suggest chatt > /dev/null 2>&1
echo 'Le chatt.' | "$K" --lexicon "$L" check > /dev/null 2>&1
"$K" --lexicon "$L" lex-list > /dev/null 2>&1; status 1 "lex-list of a missing lexicon" $?
"$K" --lexicon "$L" lex-remove chat > /dev/null 2>&1; status 1 "lex-remove from a missing lexicon" $?
[ -e "$L" ] && fail "a command that does not write made the lexicon file"
"$K" --lang fr --lexicon "$L" lex-add googler > /dev/null 2>&1; status 0 "lex-add" $?
[ -s "$L" ] || fail "lex-add made no lexicon file"
# Only lex-add writes: an empty lexicon file stays empty under the others.
E="$dir/empty.lex"; : > "$E"
"$K" --lexicon "$E" lex-list > /dev/null 2>&1; status 1 "lex-list of an empty file" $?
echo 'Le chatt.' | "$K" --lexicon "$E" check > /dev/null 2>&1
"$K" --lexicon "$E" lex-remove chat > /dev/null 2>&1; status 1 "lex-remove from an empty file" $?
[ -s "$E" ] && fail "a command that does not write filled the empty lexicon file"

finish "all input cases as expected"
