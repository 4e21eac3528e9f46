#!/bin/sh
# Writes the tiny fixture blocks embedded by default in test builds. They are
# structurally valid but carry no dictionary content: an index with the dummy
# section only, an empty body, an all-zero section matrix, two model rows per
# language and ending lists of a few placeholder codes of each width.
# Deterministic: running it again rewrites the same bytes.
set -eu
cd "$(dirname "$0")"

zeros() { head -c "$1" /dev/zero; }
u8() { printf "\\$(printf '%03o' "$1")"; }
u16be() { u8 $(($1 / 256)); u8 $(($1 % 256)); }
u32be() { u16be $(($1 / 65536)); u16be $(($1 % 65536)); }
repeat() { i=0; while [ "$i" -lt "$2" ]; do printf '%s' "$1"; i=$((i + 1)); done; }

# Prefix index: one record, the dummy section of 6 bytes at offset 0.
index() { u16be 1; printf '%s' "$1"; u32be 0; u16be 6; u16be 0; }
# Body: the dummy section and the 8 trailing bytes that belong to no section.
body() { zeros 14; }

# French model row: number, two group characters, 51 lengths, 51 u16 indexes.
french_row() {
    u8 "$1"; printf '%s' "$2"
    s=0; while [ "$s" -lt 51 ]; do u8 $(( $3 ? s % 10 + 1 : 1 )); s=$((s + 1)); done
    s=0; while [ "$s" -lt 51 ]; do u16be $(( $3 ? s % 2 : 3 )); s=$((s + 1)); done
}
# English model row: number, class character, 5 lengths, 5 indexes.
english_row() { u8 "$1"; printf '%s' "$2"; shift 2; for b in "$@"; do u8 "$b"; done; }

index aa > KRZDATA_103.bin
body > KRZDATA_104.bin
zeros 5408 > KRZDATA_105.bin
{ french_row 0 03 0; french_row 1 01 1; } > KRZDATA_106.bin

index 00 > KRZDATA_203.bin
body > KRZDATA_204.bin
zeros 5408 > KRZDATA_205.bin
{ english_row 0 0 1 1 1 1 1 7 7 7 7 7; english_row 1 0 1 1 2 3 4 0 1 0 1 2; } > KRZDATA_206.bin

# Ending lists: French length 1 keeps the markers at their places ("0" no
# form at index 3, "$" empty ending at index 9); English length 1 likewise
# ("$" at 0, "0" at 7). Longer lists hold three placeholder codes.
printf 'abc0defgh$' > KRZFVER_101.bin
L=2; while [ "$L" -le 10 ]; do
    { repeat a "$L"; repeat b "$L"; repeat c "$L"; } > "KRZFVER_$((100 + L)).bin"
    L=$((L + 1))
done
printf '$abcdef0' > KRZAVER_201.bin
L=2; while [ "$L" -le 7 ]; do
    { repeat p "$L"; repeat q "$L"; repeat r "$L"; } > "KRZAVER_$((200 + L)).bin"
    L=$((L + 1))
done
