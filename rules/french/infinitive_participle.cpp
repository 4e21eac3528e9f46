// Words with an infinitive or a present-participle reading among others:
// the infinitive or a noun, adjective or determiner (mode 1 only); the
// participle, a preposition, an adverb, a noun or an adjective.
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/ambiguous_rules.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/locution_rows.h"
#include "rules/rule_words.h"

namespace ambiguous {

using namespace locution;

namespace {

i32 Words() { return static_cast<i32>(gWordCount); }
bool NotLast(i32 i) { return i < Words() - 1; }

// Reading j (category 13) becomes the only one, as the infinitive.
void Infinitive(i32 i, i32 j) {
    first_pass::TakeReading(i, j);
    Set(i, 13, Cls(i), 0);
}

// A determiner, noun or adjective reading that is singular (or of no
// number) and masculine (or of no gender), other than a noun.
bool SingularOtherReading(i32 i) {
    return rules::AnyReadingOf(i, [i](i32 r) {
        const u8 c = Cat(i, r), f = Feat(i, r);
        return c >= 7 && c <= 10 && Cls(i, r) != 'A' && f % 16 / 4 < 2 && f / 16 < 2;
    });
}

// The participle reading k, alone, features 1.
void Participle(i32 i, i32 k) {
    first_pass::TakeReading(i, k);
    Set(i, 12, Cls(i), 1);
}

bool ParticipleContext(i32 i, u16 mode) {
    const i32 p = i - 1;
    return IsAny(p, "en", "ne") || CatIs(p, 2) || Is(p, "la") || (NotLast(i) && CatIs(i + 1, 18)) ||
           (mode == 1 && CatIs(p, 14) && Cls(p) < 192 && Mark(p) < 128);
}

bool NounContext(i32 i, u16 mode) {
    const i32 p = i - 1;
    return CatIn(p, 7, 9) || (mode == 1 && CatIs(p, 10) && (!NotLast(i) || !CatIs(i + 1, 7))) ||
           (mode == 1 && Cls(p) > 127 && Mark(p) > 127) ||
           (i > 1 && CatIs(p, 16) && Count(i - 2) == 1 && CatIs(i - 2, 10));
}

}  // namespace

void InfinitiveReading(i32 i, u16 mode) {
    const i32 j = FirstOfCategory(i, 13);
    if (mode != 1 || i == 0 || j == Count(i)) return;
    const i32 o = j == 0 ? 1 : 0;
    const bool other = o < Count(i);  // a reading past the count is none
    const i32 p = i - 1;
    if (IsAny(i, "boulanger", "boucher") && Cls(p) < 128 && Count(i) >= 2) {
        first_pass::CopyReading(i, 1, 0);
        Set(i, 10, 'A', 20, 240);
        KeepOne(i);
        return;
    }
    i32 q = i + 1;
    while (q < Words() && CatIs(q, 18)) ++q;
    if (Count(q) == 1 && CatIn(q, 7, 8)) return Infinitive(i, j);
    const i32 r = WalkBack(i, [](i32 k) { return CatIs(k, 18); });
    if (Count(r) == 1 && CatIs(r, 14) && other && Cls(i, o) == 'A') return Infinitive(i, j);
    if (Begins(r, MR("censé"))) return Infinitive(i, j);
    // The noun of a group opened by an adjective ("un très bon souvenir").
    if (AfterOpeningAdjective(i)) return static_cast<void>(TakeAs(i, FirstOfCategory(i, 10), 10));
    if (SingularOtherReading(i)) {
        if (other) first_pass::TakeReading(i, o);
        return;
    }
    if (other && Cls(i, o) == 'A') Infinitive(i, j);
}

void PresentParticipleReading(i32 i, u16 mode) {
    if (FirstOfCategory(i, 12) == Count(i)) return;
    const i32 p = i - 1, n = i + 1;
    if (NotLast(i) && Count(n) == 1 && CatIs(n, 14) && FirstOfCategory(i, 15) < Count(i))
        first_pass::RemoveReading(i, FirstOfCategory(i, 15));
    // Found again: the preposition reading may have gone before it.
    const i32 j = FirstOfCategory(i, 12);
    const i32 m = FirstOfCategory(i, 15);
    if (i > 0 && ParticipleContext(i, mode)) {
        Participle(i, j);
        if (Is(p, "en")) KeepOne(p);
        if (Is(p, "la")) {
            Set(p, 2, 124, Feat(p), 128);
            KeepOne(p);
        }
        return;
    }
    if (Is(i, "maintenant")) {
        KeepOne(i);
        Set(i, 18, 20);
        return;
    }
    if (i == 0) {
        if (CatIs(1, 10)) {
            KeepOne(i);
            Set(i, 10, 'A', 20);
        } else {
            Participle(i, j);
        }
        return;
    }
    if (CatIs(p, 18)) {
        if (Count(i) >= 2) SetMark(i, Mark(i, 1));
        Set(i, 10, 'B', 20);
        KeepOne(i);
        return;
    }
    if (NotLast(i) && (CatIn(n, 7, 9) || CatIs(n, 15))) {
        if (m < Count(i) && !CatIs(n, 15)) {
            Set(i, 15, 34, 0);
            LemmaFrom(i, m);
            KeepOne(i);
        } else {
            Participle(i, j);
        }
        return;
    }
    if (NounContext(i, mode)) TakeAs(i, FirstOfCategory(i, 10), 10);
}

}  // namespace ambiguous
