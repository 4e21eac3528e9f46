// English phrase stage, stages 2 and 3: currency amounts become a number
// and a unit word, and every word of a noun phrase gets the phrase's
// ClauseNumber.
#include <cstring>

#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "rules/clause/clause_rules.h"
#include "rules/english/english_disambiguation.h"
#include "rules/english/english_phrase_stage.h"

namespace english {

using namespace rules;

namespace {

// The text of word i begins with the literal, without regard to case.
bool BeginsAnyCase(i32 i, const char* literal) {
    const BoundedString& s = W(i).WordText;
    const u32 n = s.valid != 0 && s.data != nullptr ? s.count : 0;
    // Letter by letter: the text ends (its terminator, or its buffer)
    // before the literal does, or a letter differs.
    for (u32 k = 0; literal[k] != 0; ++k) {
        if (k >= n || s.data[k] == 0) return false;
        if (ToLowerMacRoman(s.data[k]) != ToLowerMacRoman(static_cast<u8>(literal[k]))) return false;
    }
    return true;
}

constexpr u8 kEuro = MRC("€");
constexpr u8 kPound = MRC("£");

bool Numeral(i32 i) { return Cls(i) == 'R' || Cls(i) == 'S'; }

// "a" before year ... second, "an" before hour: a word read like a
// preposition.
void MarkTimeArticle(i32 i) {
    static const char* const kUnits[] = {"year", "month", "week", "day", "minute", "second", nullptr};
    if (i >= Count() - 2) return;
    const bool a = Is(i + 1, "a") && IsOneOf(i + 2, kUnits);
    const bool an = Is(i + 1, "an") && Is(i + 2, "hour");
    if (a || an) SetReading0(i + 1, 15, '"');
}

}  // namespace

bool MonthWord(i32 i) {
    static const char* const kStems[] = {"janu", "febru", "apri", "june", "july", "augus",
                                         "septem", "octob", "novem", "decem"};
    // Most words are refused by their first letter, before any comparison.
    const u8 first = ToLowerMacRoman(W(i).WordText.data[0]);
    switch (first) {
        case 'j': case 'f': case 'a': case 's': case 'o': case 'n': case 'd': case 'm': break;
        default: return false;
    }
    for (const char* stem : kStems)
        if (static_cast<u8>(stem[0]) == first && BeginsAnyCase(i, stem)) return true;
    return first == 'm' && (IsAnyCase(i, "march") || IsAnyCase(i, "may"));
}

bool QuestionSentence() { return Letter(Count() - 1, 0) == '?'; }

u8 LastCategory(i32 i) { return Cat(i, static_cast<i32>(Readings(i)) - 1); }

u32 DollarLemma() {
    static u32 lemma = 0;  // kept once found (a lookup before the dictionaries are in finds none)
    if (lemma == 0) lemma = NounLemmaOf("dollar");
    return lemma;
}

void NormaliseAmounts() {
    for (i32 i = 1; i < Count(); ++i) {
        if (gClauseMark != 0) return;
        if (!Numeral(i)) continue;
        const u8 sign = Letter(i - 1, 0);
        if (sign != '$' && sign != kEuro && sign != kPound) continue;
        const bool one = Letter(i, 0) == '1' && (TextLength(i) == 1 || Letter(i, 1) == ',');
        CopyWordRecord(gWords[i - 1], gWords[i]);
        WordRecord& unit = gWords[i];
        CopyCString(unit.WordText, sign == '$' ? "dollars" : sign == kEuro ? "euros" : "pounds");
        unit.ReadingCount = 1;
        unit.ReadingCategories[0] = 10;
        unit.ReadingClasses[0] = 'A';
        unit.ReadingFeatures[0] = 0;
        unit.ReadingMarks[0] = '2';
        unit.ReadingLemmaRefs[0] = DollarLemma();
        if (one) {
            unit.WordText.data[GetStringLength(unit.WordText) - 1] = 0;
            unit.ReadingFeatures[0] = 4;
            gWords[i - 1].ReadingFeatures[0] = 4;
        }
        MarkTimeArticle(i);
    }
}

namespace {

// The pass state of the numbering: the last number given, whether a phrase
// is open and whether it has a noun-like head.
struct Numbering {
    u8 number = 0;
    bool open = false;
    bool head = false;
};

// The next phrase number; 254 and 255 mark split phrases, so the count
// starts again at 1 after 253 (only neighbours' numbers are compared).
void Advance(Numbering& n) { n.number = n.number >= 253 ? 1 : static_cast<u8>(n.number + 1); }
void Join(Numbering& n, i32 i) { W(i).ClauseNumber = n.number; }
void Open(Numbering& n, i32 i) {
    Advance(n);
    n.open = true;
    W(i).ClauseNumber = n.number;
}
void Close(Numbering& n) { n.open = n.head = false; }
void SetApart(Numbering& n, i32 i) {
    Advance(n);
    n.open = false;
    W(i).ClauseNumber = n.number;
}

bool ArticleLike(u8 cat) { return cat >= 7 && cat <= 9; }
bool NounClass(u8 cls) { return cls == 'A' || cls == '+' || cls == '@'; }

// A word of several readings: in analysis mode the first is kept; in
// grammar mode a word read as a noun joins an open phrase.
void NumberAmbiguous(Numbering& n, i32 i) {
    WordRecord& w = W(i);
    if (gAnalysisMode != 0) {
        w.ReadingCount = 1;
        return;
    }
    i32 nouns = 0;
    while (nouns < w.ReadingCount && Cat(i, nouns) == 10) ++nouns;
    if (nouns == w.ReadingCount && n.open) Join(n, i);
    i32 k = 0;
    while (k < w.ReadingCount && Cat(i, k) != 10) ++k;
    if (k >= w.ReadingCount || k >= static_cast<i32>(kReadingSlots)) {
        Close(n);
        return;
    }
    if (!n.open) return;
    if (n.head) {
        Close(n);
        return;
    }
    Join(n, i);
    w.ReadingCount = 1;
    w.ReadingCategories[0] = 10;
    w.ReadingClasses[0] = Cls(i, k);
    w.ReadingFeatures[0] = Feat(i, k);
}

// A determiner (category 8).
void NumberDeterminer(Numbering& n, i32 i) {
    const u8 cls = Cls(i);
    if ((cls >= 109 || cls == 'O') && i > 0 && !Is(i - 1, "all")) {
        Open(n, i);
        return;
    }
    if (n.open && cls == 'Q') {
        if (Ends(i, "day") || Ends(i, "days")) {
            Join(n, i);
            SetReading0(i, 10, 'A');
        }
        return;
    }
    if (Numeral(i) && i >= 1) {
        if (MonthWord(i - 1)) {
            Join(n, i);
            n.open = true;
            return;
        }
        if (Is(i - 1, "aged") || Is(i - 1, "worth")) return;
    }
    const bool counted = Numeral(i) || cls == 'B';
    if (counted && i > 0 && i < Count() - 1 && Cat(i - 1) == 10 && Cls(i - 1) != 'A' && Cat(i + 1) == 10) {
        Join(n, i);
        return;
    }
    if (counted && i >= 2 && i < Count() - 1 && Cat(i - 2) == 10 && Cls(i - 2) != 'A' && Cat(i - 1) == 18 &&
        Cat(i + 1) == 10) {
        Join(n, i);
        return;
    }
    if (i > 0 && ArticleLike(Cat(i - 1))) Join(n, i);
    else Open(n, i);
}

// A word of an open phrase: it joins, and a few words start a phrase of
// their own right away.
void NumberInOpenPhrase(Numbering& n, i32 i) {
    const u8 cls = Cls(i);
    Join(n, i);
    if (cls == 'A' || cls == '+' || cls == '@' || cls == 'C') n.head = true;
    if ((cls == '@' || W(i).WordCaseMode >= 1) && i > 0 && (Cls(i - 1) == 'A' || Cls(i - 1) == '+')) {
        i32 j = i + 1;
        while (j < Count() && Cat(j) != 14 && Cat(j) != 5 && Cat(j) != 17) ++j;
        if (j < Count() && Cat(j) == 14 && Mark(i - 1) != 0) {
            Advance(n);
            Join(n, i);
        }
        return;
    }
    if (cls == 'B' && Ends(i, "th") && i > 0 && NounClass(Cls(i - 1))) {
        Advance(n);
        Join(n, i);
        n.open = true;
        n.head = false;
        return;
    }
    if (cls >= 128 && Cat(i) == 12 && NounClass(Cls(i - 1))) {
        W(i).ClauseNumber = 0;
        n.head = false;
    }
}

// A noun or adjective while no phrase is open.
void NumberOutsideNoun(Numbering& n, i32 i) {
    const u8 cls = Cls(i);
    if (i == 0 || cls == '@') {
        Open(n, i);
    } else if (cls == 'B' || cls == '.' || cls >= 128) {
        if (i == 1 ? Cat(0) > 14 : (Cat(i - 1) == 15 || Cat(i - 1) == 20 || Cat(i - 1) == 21)) Open(n, i);
    }
    // Back over participles and adverb-like words to the word that decides.
    i32 p = i - 1;
    while (p >= 0 && (Cat(p) == 11 || LastCategory(p) == 18)) --p;
    if (p < 0) {
        Open(n, i);
        return;
    }
    const u8 cat = Cat(p);
    if (cat >= 12 && cat <= 14) {
        Open(n, i);
        if (!QuestionSentence()) W(i).ReadingCategories[0] = 30;
    } else if (cat > 14 || cat == 5) {
        Open(n, i);
    }
}

// The other categories (0, 10 and above).
void NumberOther(Numbering& n, i32 i) {
    const u8 cat = Cat(i);
    const u8 cls = Cls(i);
    if ((cat >= 13 && cat <= 17) || cat == 20 || cat == 21 || cls == ' ' || (cat == 0 && cls == 0)) {
        Close(n);
        return;
    }
    if (n.open) {
        NumberInOpenPhrase(n, i);
        return;
    }
    if (cat != 10) {
        if (cat == 12 && i < Count() - 1 && Cls(i + 1) == 'A') {
            Open(n, i);
            W(i).ReadingCategories[0] = 10;
        }
        return;
    }
    NumberOutsideNoun(n, i);
}

void NumberWord(Numbering& n, i32 i) {
    if (Readings(i) != 1) {
        NumberAmbiguous(n, i);
        return;
    }
    const u8 cat = Cat(i);
    switch (cat) {
        case 1: case 2: case 5: case 6:
            SetApart(n, i);
            if (cat == 1 && i < Count() - 1 && Cat(i + 1) == 10) n.open = true;
            return;
        case 3:
            if (i > 0 && Cat(i - 1) == 10) Join(n, i);
            else SetApart(n, i);
            return;
        case 4:
            if (i > 0 && Is(i - 1, "all")) Join(n, i);
            else SetApart(n, i);
            return;
        case 7: {
            static const char* const kDegree[] = {"most", "least", "best", "worst", nullptr};
            if (i > 0 && ArticleLike(Cat(i - 1))) Join(n, i);
            else if (n.open && i < Count() - 1 && IsOneOf(i + 1, kDegree)) Join(n, i);
            else Open(n, i);
            return;
        }
        case 8: NumberDeterminer(n, i); return;
        case 9: Open(n, i); return;
        default: NumberOther(n, i); return;
    }
}

}  // namespace

// Adjectives in brackets inside an open phrase before its noun ("three
// other (practical) criteria"): the last word of the brackets, else -1.
i32 BracketedAdjectives(const Numbering& n, i32 i) {
    if (!n.open || n.head || !Is(i, "(")) return -1;
    i32 j = i + 1;
    while (j < Count() && j <= i + 2 && Readings(j) == 1 && Cls(j) == 'B') ++j;
    if (j == i + 1 || j >= Count() - 1 || !Is(j, ")") || Cat(j + 1) != 10) return -1;
    return j;
}

void NumberNounPhrases() {
    Numbering n;
    for (i32 i = 0; i < Count(); ++i) {
        if (const i32 end = BracketedAdjectives(n, i); end > 0) {
            for (i32 k = i; k <= end; ++k) Join(n, k);
            i = end;
            continue;
        }
        NumberWord(n, i);
    }
}

}  // namespace english
