// The reading operations the loops of the matcher's first pass share.
// A reading is the tuple (class, features, category, mark, lemma
// reference) at one index of a word's five reading arrays; taking and
// removing a reading move all five.
#pragma once
#include "frame/types.h"

namespace first_pass {

// Reading j of word i becomes its only reading.
void TakeReading(i32 i, i32 j);
// Reading j of word i is removed, the later ones moving down; nothing
// when the word has one reading (or none). True when one was removed.
bool RemoveReading(i32 i, i32 j);
// Reading `to` of word i receives all five fields of reading `from`.
void CopyReading(i32 i, i32 from, i32 to);
// Sets ReadingCount of word i (nothing outside the sentence).
void SetCount(i32 i, u16 n);
// Field writes at any reading slot of word i.
void SetClsAt(i32 i, i32 r, u8 v);
void SetFeatAt(i32 i, i32 r, u8 v);
void SetCatAt(i32 i, i32 r, u8 v);
void SetMarkAt(i32 i, i32 r, u8 v);
u32 Lemma(i32 i, i32 r);
// Length of word i's text in bytes (0 outside the sentence).
i32 Length(i32 i);
// A verb class with the imperative flag (8), added only when the class
// mod 16 is below 8.
u8 WithImperativeFlag(u8 cls);

}  // namespace first_pass
