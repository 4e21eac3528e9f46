// Attributive verbs (rester, sembler, tomber malade, se révéler ...) and
// the verb-noun and verb-adjective locutions of the first pass: nouns of
// "avoir lieu", "faire peur" made adverb-like, and the reports of "me fait
// heureux", "connais que" and "est vingt ans".
#include "frame/report.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "rules/french/first_pass_readings.h"
#include "rules/french/french_locutions.h"
#include "rules/french/locution_rows.h"
#include "rules/french/matcher_loops.h"

namespace {

using namespace locution;
using namespace first_pass;

i32 Words() { return static_cast<i32>(gWordCount); }
bool Last(i32 i) { return i == Words() - 1; }

template <typename... L>
bool BeginsAny(i32 k, L... literals) {
    return (Begins(k, literals) || ...);
}

// ---- attributive verbs

bool Pronominal(i32 i) {
    if (i >= 1 && ClsIs(i - 1, 'a')) return true;
    return i >= 2 && Cls(i - 1) == Cls(i - 2) && (ClsIs(i - 1, 'X') || ClsIs(i - 1, '\\'));
}

bool PassesFor(i32 i) { return !Last(i) && Begins(i, "pass") && BeginsAny(i + 1, "pour", MR("inaperç")); }

bool FallsIll(i32 i) {
    return !Last(i) && BeginsAny(i, "tomb", "retomb") &&
           (BeginsAny(i + 1, "amoure", "malade", "enceinte", "aveugle", "paralys") || (i > 0 && Is(i - 1, "en")));
}

bool Remains(i32 i) {
    if (!Begins(i, "rest")) return false;
    const u8 next = Cat(i + 1);
    if (next == 7 || next == 8) return false;
    return next != 18 || (Cat(i + 2) != 7 && Cat(i + 2) != 8);
}

// The one-reading verbs (case B), by the reading's mark.
bool AttributiveVerb(i32 i) {
    const bool pronominal = Pronominal(i);
    const u8 first = Has(i) ? gWords.ClampedAt(i).WordText.ClampedAt(0) : 0;
    switch (Mark(i) % 128) {
        case 16: return true;
        case 64: return first == 'p' || first == 'a';
        case 22: return BeginsAny(i, "dev", "redev");
        case 1:
            if (Remains(i) || BeginsAny(i, "demeur", "sembl")) return true;
            if (pronominal && BeginsAny(i, "montr", "affirm", "trouv")) return true;
            if (!Last(i) && Begins(i, "pass") && Begins(i + 1, "pour")) {
                SetCat(i + 1, 18);
                return true;
            }
            return PassesFor(i) || FallsIll(i);
        case 3: return pronominal && BeginsAny(i, MR("révél"), MR("avér"));
        case 24: return pronominal && Begins(i, "sen");
        case 93: return pronominal && BeginsAny(i, MR("révèl"), MR("avèr"));
        case 4: return i > 0 && pronominal && Begins(i, "annon");
        case 74: return pronominal && !Last(i) && Cat(i + 1) < 12;
        default: return false;
    }
}

// The reading to mark: -1 when the word is no attributive verb.
i32 AttributiveReading(i32 i) {
    if (Count(i) == 2) {
        if (Mark(i, 1) == 1 && Cat(i, 0) == 10 && Cat(i, 1) >= 11 && Cat(i, 1) <= 14) {
            return BeginsAny(i, "rest", "demeur") || PassesFor(i) || FallsIll(i) ? 1 : -1;
        }
        return Mark(i) == 16 && CatIn(i, 11, 14) ? 0 : -1;
    }
    if (Count(i) == 1 && CatIn(i, 11, 14) && AttributiveVerb(i)) return 0;
    return -1;
}

bool QuelButNotQuelque(i32 k) {
    if (!Begins(k, "quel")) return false;
    return Length(k) == 4 || gWords.ClampedAt(k).WordText.ClampedAt(4) != 'q';
}

void RetagAttributes(i32 i) {
    if (i < Words() - 2 && Is(i + 1, "comme") && CatIs(i + 2, 10)) SetCat(i + 1, 18);
    if (i > 0 && CatIs(i - 1, 8) &&
        (BeginsAny(i - 1, "tel", "nul", "nombreu", "seul", MR("différent")) || QuelButNotQuelque(i - 1)))
        Set(i - 1, 10, 'B');
    if (i > 1 && CatIs(i - 2, 8) && Begins(i - 2, "quel") && Begins(i - 1, "qu") && Length(i - 1) == 3)
        Set(i - 2, 10, 'B');
}

// ---- verb locutions

bool Verb(i32 k) { return Has(k) && Cls(k) > 127; }

void VerbNounLocution(i32 i) {
    if (!Verb(i - 1) || !ClsIs(i, 'A')) return;
    const u8 m = Mark(i - 1);
    const bool avoir = m == 17 && IsAny(i, "lieu", "raison", "tort", "faim", "sommeil", "peur", "trait");
    const bool faire = m == 74 && IsAny(i, "tort", "peur", MR("pitié"), "part", MR("défaut"), "envie", "montre");
    if (!avoir && !faire) return;
    Set(i, 18, '-');
    KeepOne(i);
}

void ReportVerb(i32 i) {
    Report(768 + i);
    gErrorExtent = static_cast<u16>(i);
}

bool FeelingAdjective(i32 k) {
    if (!Has(k)) return false;
    return BeginsAny(k, "content", "triste", "gai", "joyeu", "songeu", "optimiste", "pessimiste", "admirati",
                     MR("désolé")) ||
           FindCSubstring(gWords.ClampedAt(k).WordText, "heureu") > 0;
}

// "me fait heureux": faire for rendre. The adjective may follow an
// adverb-like word; past the sentence's end there is none (the record
// there is scratch).
void FeelingAfterFaire(i32 i) {
    const bool pronoun = (i >= 2 && CatIs(i - 1, 2)) || (i >= 3 && CatIs(i - 2, 2) && ClsIs(i - 1, 194));
    if (!pronoun) return;
    const i32 adjective = CatIs(i + 1, 18) ? i + 2 : i + 1;
    if (FeelingAdjective(adjective)) ReportVerb(i);
}

// "est vingt ans": être for avoir before an age.
void AgeAfterEtre(i32 i) {
    i32 j = i + 1;
    while (j < Words() && (ClsIs(j, 'R') || ClsIs(j, 'S') || ClsIs(j, 16))) ++j;
    if (j < Words() && Length(j) < 4 && Begins(j, "an")) ReportVerb(i);
}

void VerbAdjectiveLocution(i32 i) {
    const u8 m = Mark(i);
    if (m == 74) {
        FeelingAfterFaire(i);
    } else if (m == 64 && Begins(i, "conn")) {
        if (!ClsIs(i - 1, 22) && IsAny(i + 1, "que", "qu'")) ReportVerb(i);
    } else if (m % 128 == 16 && (ClsIs(i + 1, 'R') || ClsIs(i + 1, 'S'))) {
        AgeAfterEtre(i);
    }
}

}  // namespace

void MarkAttributiveVerbs(u16 mode, FirstPassState& /*st*/) {
    if (mode != 1) return;
    for (i32 i = 0; i < Words(); ++i) {
        const i32 r = AttributiveReading(i);
        if (r < 0) continue;
        if (Mark(i, r) < 128) SetMarkAt(i, r, static_cast<u8>(Mark(i, r) + 128));
        if (Mark(i) > 128) RetagAttributes(i);
    }
}

void MarkVerbNounLocutions(u16 /*mode*/, FirstPassState& /*st*/) {
    for (i32 i = 1; i < Words(); ++i) VerbNounLocution(i);
    for (i32 i = 1; i < Words() - 1; ++i)
        if (Verb(i)) VerbAdjectiveLocution(i);
}
