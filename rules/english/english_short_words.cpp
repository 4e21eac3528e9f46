// The English words of one, two and eight letters in the reading
// disambiguation: "a number", the pronoun "i", "am", "as", "by", "go",
// "if", "in", "no", "of", "on", "so", "us", "up", and "although",
// "provided", "separate", "straight". The set phrases of "at", "by", "in",
// "of" and "on" are rows of data (english_set_phrases.cpp); what looks
// before the word or counts over the sentence is here.
#include "rules/english/english_disambiguation.h"
#include "rules/rule_words.h"

using namespace rules;

namespace english {

namespace {

constexpr u8 kNounClass = 'A';

void MarkWords(i32 first, i32 last, u8 category, u8 cls) {
    for (i32 k = first; k <= last; ++k) SetReading0(k, category, cls);
}
void SetFeatures(i32 i, u8 f) { W(i).ReadingFeatures[0] = f; }
// One reading of the given category and class with features 0.
void Settle(i32 i, u8 category, u8 cls) {
    KeepOne(i);
    SetReading0(i, category, cls);
    SetFeatures(i, 0);
}
bool IsEither(i32 i, const char* a, const char* b) { return Is(i, a) || Is(i, b); }
bool Capitalised(i32 i) { return W(i).WordCaseMode != 0 && W(i).WordCaseMode != 65535; }

// "a number (of)", "a certain number of", "a large number of"; the pronoun
// "i" written in lower case before a verb; a capital "I".
void OneLetterRules(i32 i) {
    const i32 n = Count();
    if (Is(i, "a") && i < n - 1) {
        if (Is(i + 1, "number")) {
            NounReading(i + 1, '2');
            const u8 f = Is(i + 2, "of") ? 8 : 0;
            SetFeatures(i, f);
            SetFeatures(i + 1, f);
        } else if ((Is(i + 1, "certain") || Cls(i + 1) == 'B') && Is(i + 2, "number") && Is(i + 3, "of") &&
                   i < n - 4) {
            NounReading(i + 2, '2');
            SetFeatures(i, 8);
            SetFeatures(i + 2, 8);
        }
        return;
    }
    if (Is(i, "i") && W(i).WordCaseMode == 0 && (Cat(i + 1) == 14 || (Cat(i + 1) == 18 && Cat(i + 2) == 14))) {
        WordRecord& w = W(i);
        w.ReadingCount = 1;
        SetReading0(i, 1, 'U');
        w.ReadingFeatures[0] = 5;
        w.ReadingMarks[0] = 9;
        if (i == 0) KeepOne(i + 1);
        return;
    }
    // "I" keeps its pronoun reading, unless it follows a capitalised name
    // ("Henry I").
    if (Letter(i, 0) == 'I' && !(Cls(i - 1) == '@' && Capitalised(i - 1))) KeepOne(i);
}

// "am" reads as the abbreviation of the morning only after a time ("at 10
// am", "ten am"); elsewhere it is the form of "be", after "I" or away from
// it ("me, who am used to it", "am I").
void AmRule(i32 i) {
    if (i == 0) return;
    const u8 c = Letter(i - 1, 0);
    if ((c >= '0' && c <= '9') || Cls(i - 1) == 'R' || Cls(i - 1) == 'S') SetReading0(i, 18, 20);
}

// "AM" or "PM" in capitals right after a time written in figures ("at 2
// PM", "08:02 AM") is the singular noun of the time of day, as the
// dictionary reads "pm", not a name nor a form of "be".
bool TimeOfDay(i32 i) {
    if (i == 0 || W(i).WordCaseMode < 3 || W(i).WordCaseMode == 65535) return false;
    if (!IsAnyCase(i, "am") && !IsAnyCase(i, "pm")) return false;
    const u8 c = Letter(i - 1, 0);
    if (c < '0' || c > '9') return false;
    Settle(i, 10, kNounClass);
    SetFeatures(i, 4);
    return true;
}

// After "much", "such" or "just": "as" opens a clause (a subordinating
// conjunction) when the rest of the sentence has more verbs than words
// that open clauses, else it joins two terms.
void AsAfterDegreeWord(i32 i) {
    const i32 n = Count();
    i32 verbs = 0;
    i32 introducers = 0;
    for (i32 k = i; k < n; ++k) {
        if (Cat(k) == 14 && (Mark(k) == 165 || Mark(k) == '&' || Cls(k) > 127)) ++verbs;
        if (Cat(k) == 5 || (Cat(k) == 17 && k != n - 1 && Cls(k + 1) != ' ')) ++introducers;
    }
    if (verbs > introducers) MarkWords(i - 1, i, 17, '*');
    else MarkWords(i - 1, i, 16, 16);
    KeepOne(i - 1);
}

void AsRules(i32 i) {
    const i32 n = Count();
    if (Is(i + 1, "soon") && Is(i + 2, "as") && Is(i + 3, "not") && i < n - 3) {
        MarkPhrase(i, 4, PhraseEffect::kAdverbial);
        return;
    }
    if (i > 0 && i < n - 3 && Is(i + 1, "often") && IsEither(i + 2, "as", "that") && Is(i + 3, "not")) {
        MarkWords(i, i + 3, 18, 26);
        KeepOne(i);
        return;
    }
    static const char* const kDegree[] = {"often", "long", "much", "near", "soon", "well", nullptr};
    if (IsOneOf(i + 1, kDegree) && Is(i + 2, "as")) {
        MarkPhrase(i, 3, PhraseEffect::kConjunctive);
        return;
    }
    if (IsEither(i + 1, "if", "though")) {
        MarkWords(i, i + 1, 17, '*');
        return;
    }
    // "an" is the same article before a vowel ("as an offer").
    if (IsEither(i + 1, "a", "an")) {
        if (Is(i + 2, "rule")) {
            MarkPhrase(i, 3, PhraseEffect::kAdverbial, true);
        } else if (i > 0 && (VerbClass(i - 1) || Feat(i - 1) == 12)) {
            Settle(i, 15, '"');
        } else {
            // Preposition ("as a child") or conjunction: both stay.
            WordRecord& w = W(i);
            SetReading0(i, 15, '"');
            w.ReadingClasses[1] = 17;
            w.ReadingCategories[1] = 17;
            w.ReadingFeatures[1] = 0;
            w.ReadingMarks[1] = 0;
            w.ReadingCount = 2;
        }
        return;
    }
    // "as good as": the first "as" is the adverb of degree on the
    // adjective; the phrase still settles the words after it.
    if (Cls(i + 1) == 'B' && Is(i + 2, "as")) {
        MarkPhrase(i, 3, PhraseEffect::kPrepositional);
        Settle(i, 18, 20);
        return;
    }
    if (i > 0 && (Is(i - 1, "much") || Is(i - 1, "such") || Is(i - 1, "just"))) {
        AsAfterDegreeWord(i);
        return;
    }
    if (Is(i + 1, "is") && EndsSentence(i + 2)) {
        W(i).ReadingCategories[0] = 18;
        W(i + 1).ReadingCategories[0] = 18;
        KeepOne(i);
        return;
    }
    if (Is(i + 1, "soon") || Is(i + 1, "usual") || Is(i + 1, "yet")) {
        MarkWords(i, i + 1, 18, 20);
        KeepOne(i);
        return;
    }
    if (Is(i + 1, "much") || Is(i + 1, "well") || Is(i + 1, "such")) {
        MarkWords(i, i + 1, 18, 26);
        SetFeatures(i + 1, 0);
        KeepOne(i);
        KeepOne(i + 1);
        return;
    }
    if (Is(i + 1, "for") || (Is(i + 1, "to") && !(i > 0 && Is(i - 1, "so")))) {
        MarkWords(i, i + 1, 15, ',');
        KeepOne(i);
        return;
    }
    const bool after = Cat(i - 1) == 10 || (Cat(i - 1) == 16 && Cat(i - 2) == 10) ||
                       (Cat(i - 1) == 18 && Cat(i - 2) == 16);
    if (i > 0 && after && ((Cat(i + 1) == 10 && Cls(i + 1) > 'A') || Cat(i + 1) == 18)) {
        Settle(i, 18, 20);
    } else if (i == 0) {
        KeepOne(i);
    }
}

// "by" + a longer word in b ("by bus" no, "by boiling" ...), "X by X",
// "near by"; the phrases of "by" are rows.
bool ByBeforeRows(i32 i) {
    if (TextLength(i + 1) > 5 && (Letter(i + 1, 0) == '`' || Letter(i + 1, 0) == 'b')) {
        MarkWords(i, i + 1, 10, '.');
        return true;
    }
    if (i > 0 && CompareStrings(W(i - 1).WordText, W(i + 1).WordText) == kCompareEqual) {
        MarkWords(i - 1, i + 1, 18, 26);
        for (const i32 k : {i - 1, i + 1}) {
            KeepOne(k);
            SetFeatures(k, 0);
        }
        return true;
    }
    return false;
}

void NearBy(i32 i) {
    if (i == 0 || !Is(i - 1, "near") || HasNounReading(i + 1)) return;
    if (Cat(i + 1) < 9) MarkWords(i - 1, i, 15, ',');
    else MarkWords(i - 1, i, 18, 26);
    KeepOne(i - 1);
    KeepOne(i);
}

// "day in, day out"; "in" + a year.
void InAfterRows(i32 i) {
    const i32 n = Count();
    if (i > 0 && i < n - 3 && Is(i - 1, "day") && Cat(i + 1) == 21 && Is(i + 2, "day") && Is(i + 3, "out")) {
        MarkWords(i - 1, i + 3, 18, 26);
        KeepOne(i);
        KeepOne(i + 3);
        SetFeatures(i - 1, 0);
        return;
    }
    const u8 first = Letter(i + 1, 0);
    if (Cat(i + 1) == 8 && Cls(i + 1) == 'S' && TextLength(i + 1) == 4 && (first == '1' || first == '2')) {
        MarkWords(i, i + 1, 18, 26);
        KeepOne(i + 1);
    }
}

// The rules of "of" that look at the word before it.
void OfAfterRows(i32 i) {
    const i32 p = i - 1;
    if (i == 0) return;
    if (IsEither(p, "lots", "plenty") || IsEither(p, "void", "because")) {
        const bool quantity = IsEither(p, "lots", "plenty");
        MarkWords(p, i, quantity ? 8 : 15, quantity ? '/' : ',');
        KeepOne(p);
        SetFeatures(p, 0);
        return;
    }
    if (i > 1 && Is(i - 2, "a") && Is(p, "lot")) {
        MarkWords(i - 2, i, 8, '/');
        KeepOne(p);
        SetFeatures(p, 0);
        SetFeatures(i - 2, 0);
        if (i >= 3 && Is(i - 3, "quite")) SetReading0(i - 3, 8, '/');
        return;
    }
    static const char* const kCounts[] = {"thousands", "hundreds", "tens", "dozens", "millions", "billions", nullptr};
    if (IsOneOf(p, kCounts)) {
        W(p).ReadingCategories[0] = 8;
        W(i).ReadingCategories[0] = 8;
        return;
    }
    static const char* const kPoint[] = {"view", "order", "honor", "honour", nullptr};
    if (Is(p, "point") && i < Count() - 1 && IsOneOf(i + 1, kPoint)) {
        MarkWords(p, i + 1, 10, '+');
        for (const i32 k : {p, i + 1}) {
            KeepOne(k);
            SetFeatures(k, 0);
        }
        return;
    }
    if (IsEither(p, "many", "few")) {
        MarkWords(p, i, 8, 'Q');
        SetFeatures(p, 0);
        SetFeatures(i, 0);
    }
}

// "later on", "early on".
void OnAfterRows(i32 i) {
    if (i == 0 || !IsEither(i - 1, "later", "early")) return;
    MarkWords(i - 1, i, 18, 26);
    KeepOne(i - 1);
}

// "go" as a noun: "a go", "no go", "full of go".
void GoRules(i32 i) {
    if (i == 0) return;
    if (Cat(i - 1) == 7 || Is(i - 1, "one")) {
        NounReading(i, '/');
    } else if (IsEither(i - 1, "no", "near")) {
        MarkWords(i - 1, i, 10, '.');
        KeepOne(i);
        SetFeatures(i, 0);
        W(i).ReadingMarks[0] = '/';
    } else if (i >= 2 && Is(i - 1, "of") && IsEither(i - 2, "full", "plenty")) {
        MarkWords(i - 2, i, 10, '.');
        SetFeatures(i, 0);
        W(i).ReadingMarks[0] = '/';
    }
}

void NoRules(i32 i) {
    if (Is(i + 1, "longer")) {
        MarkWords(i, i + 1, 18, 26);
        KeepOne(i + 1);
        return;
    }
    if (EndsSentence(i + 1) || Cls(i + 1) == 'B' || Cat(i + 1) == 18) {
        W(i).ReadingCategories[0] = 18;
        KeepOne(i);
        return;
    }
    if (Is(i + 1, "doubt") || Is(i + 1, "more") || (Is(i + 1, "matter") && Begins(i + 2, "wh")))
        MarkPhrase(i, 2, PhraseEffect::kAdverbial);
    else if (Is(i + 1, "distance"))
        MarkPhrase(i, 2, PhraseEffect::kNominal);
    KeepOne(i);
}

void SoRules(i32 i) {
    const i32 n = Count();
    // Before a subject and its verb "so" opens a clause of its own, as the
    // category tells; it stays the adverb it is ("so I went").
    if (i > 0 && Cat(i + 1) == 1 && (Cat(i + 2) == 14 || (Cat(i + 2) == 18 && Cat(i + 3) == 14))) {
        KeepOne(i);
        SetReading0(i, 17, 20);
        return;
    }
    if (i > 0 && Is(i - 1, "or") && !(i != n - 2 && Cat(i + 2) == 10)) {
        MarkWords(i - 1, i, 18, 26);
        return;
    }
    if (Is(i + 1, "as")) {
        MarkWords(i, i + 1, 15, ',');
        return;
    }
    if (Is(i + 1, "long") && Is(i + 2, "as")) {
        MarkWords(i, i + 1, 17, '*');
        KeepOne(i + 1);
        return;
    }
    if (i > 0 && Is(i - 1, "and") && Is(i + 1, "on")) {
        MarkWords(i - 1, i + 1, 18, 26);
        return;
    }
    if (Is(i + 1, "to") && IsEither(i + 2, "say", "speak")) {
        MarkPhrase(i, 3, PhraseEffect::kAdverbial);
        return;
    }
    KeepOne(i);
}

void TwoLetterRules(i32 i) {
    if (TimeOfDay(i)) return;
    const LiteralWord word = ReadLiteralWord(i);
    const bool inside = i < Count() - 1;
    if (Is(word, "am")) {
        AmRule(i);
    } else if (Is(word, "as")) {
        if (inside) AsRules(i);
    } else if (Is(word, "by")) {
        if (inside && !ByBeforeRows(i) && !MarkShortSetPhrase(i)) NearBy(i);
    } else if (Is(word, "go")) {
        GoRules(i);
    } else if (Is(word, "if")) {
        if (inside) IfRules(i);
    } else if (Is(word, "in")) {
        if (inside && !MarkShortSetPhrase(i)) InAfterRows(i);
    } else if (Is(word, "of")) {
        if (!MarkShortSetPhrase(i)) OfAfterRows(i);
    } else if (Is(word, "at") || Is(word, "on")) {
        if (inside && !MarkShortSetPhrase(i) && Is(i, "on")) OnAfterRows(i);
    } else if (Is(word, "no")) {
        NoRules(i);
    } else if (Is(word, "so")) {
        SoRules(i);
    } else if (IsAnyCase(i, "us")) {
        // "US" in capitals: the country.
        if (W(i).WordCaseMode >= 3 && W(i).WordCaseMode != 65535) {
            SetReading0(i, 10, 'C');
            SetFeatures(i, 0);
        }
    } else if (Is(word, "up")) {
        if (Is(i + 1, "to") && Is(i + 2, "standard")) MarkPhrase(i, 3, PhraseEffect::kNominal);
        else if (Is(i + 1, "to")) SetReading0(i, 10, 'B');
    }
}

void EightLetterRules(i32 i) {
    const LiteralWord word = ReadLiteralWord(i);
    const i32 n = Count();
    if (Is(word, "although")) {
        if ((i == 0 || Cat(i - 1) == 10) && (Cls(i + 1) == 'B' || Cls(i + 1) == 'C')) SetReading0(i, 18, 20);
    } else if (Is(word, "provided")) {
        KeepOne(i);
        if ((i == 0 && !Is(1, "with")) || (i > 0 && i < n - 2 && Is(i + 1, "that"))) {
            SetReading0(i, 17, 17);
            SetFeatures(i, 0);
        }
    } else if (Is(word, "separate")) {
        if (i > 0 && (Cls(i - 1) == 'R' || Cls(i - 1) == 'S')) {
            Settle(i, 10, 'B');
            SetFeatures(i, 12);
            W(i).ReadingMarks[0] = '%';
        }
    } else if (Is(word, "straight")) {
        // After a verb, or before a preposition ("straight to").
        if ((i > 0 && VerbClass(i - 1)) || Cat(i + 1) == 15) Settle(i, 18, 20);
    }
}

}  // namespace

// "anyone", "something", "everybody" ... before a mark or the sentence's
// end, before "else" or "who": nothing follows that they could determine ("to
// anyone.", "with everything, litter box", "anyone else"), so they keep
// the indefinite pronoun reading, unless an article or a determiner stands
// before them; false for any other word, or when it has no such reading.
bool IndefiniteCompound(i32 i) {
    static const char* const kCompounds[] = {"anyone",   "anybody",    "anything",  "someone",  "somebody",
                                             "something", "everyone",  "everybody", "everything", "no-one",
                                             "nobody",   nullptr};
    if (Readings(i) < 2 || !IsOneOf(i, kCompounds)) return false;
    // "who" opens their relative clause ("to anyone who asks").
    const bool relative = Is(i + 1, "who") || Is(i + 1, "whom");
    if (!EndsSentence(i + 1) && Cat(i + 1) != 20 && Cat(i + 1) != 21 && !Is(i + 1, "else") && !relative)
        return false;
    if (i > 0 && (Cat(i - 1) == 7 || Cat(i - 1) == 8)) return false;  // "a something", "the something else"
    for (i32 r = 0; r < Readings(i); ++r) {
        if (Cat(i, r) != 6) continue;
        if (r > 0) CopyReading(W(i), 0, r);
        KeepOne(i);
        return true;
    }
    return false;
}

i32 InterjectionReadingOf(i32 i) {
    for (i32 r = 0; r < Readings(i); ++r)
        if (Cls(i, r) == kInterjectionClass) return r;
    return -1;
}

// Set off by a mark or the sentence's edge on both sides, or opening the
// sentence before another interjection ("Oh no", "Oh well").
bool InterjectionAlone(i32 i) {
    const i32 r = InterjectionReadingOf(i);
    if (r < 0) return false;
    const auto mark = [](i32 k) { return Cat(k) == 20 || Cat(k) == 21; };
    if (i > 0 && !mark(i - 1)) return false;
    const bool endsAfter = i + 1 >= Count() || mark(i + 1);
    if (!endsAfter && !(i == 0 && InterjectionReadingOf(i + 1) >= 0)) return false;
    WordRecord& w = W(i);
    if (r > 0) CopyReading(w, 0, r);
    KeepOne(i);
    return true;
}

void ShortWordRules(PassState& s, i32 i, i32 length) {
    (void)s;
    if (InterjectionAlone(i) || IndefiniteCompound(i)) return;
    if (length == 1) OneLetterRules(i);
    else if (length == 2) TwoLetterRules(i);
    else if (length == 8) EightLetterRules(i);
}

}  // namespace english
