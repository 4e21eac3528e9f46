// English phrase stage, stage 4: the segment table, one record per noun
// phrase and one per other word, in word order. While a phrase's record is
// filled its words are read one by one: time and measure phrases are
// marked, number words adjust their feature bytes, the head is chosen and
// the word-order rules are checked.
#include "rules/english/english_phrase_heads.h"
#include "rules/english/english_phrase_stage.h"

namespace english {

using namespace rules;

namespace {

// The phrase being read.
struct Phrase {
    i32 first = 0;
    i32 last = 0;
    i32 record = 0;
    u8 gender = 0;
    u8 number = 0;
    bool genderConflict = false;
    bool numberConflict = false;
    u8 lastGender = 0;  // the word gender and number of the last word read
    u8 lastNumber = 0;
    HeadCandidate head;
};

bool Numeral(i32 i) { return Cls(i) == 'R' || Cls(i) == 'S'; }
bool NounClass(u8 cls) { return cls == 'A' || cls == '+' || cls == '@'; }
bool Digit(u8 c) { return c >= '0' && c <= '9'; }

// The gender and number of a word from all its readings: a verb reading
// clears both, two readings that differ leave 0.
void WordGenderNumber(i32 i, u8& gender, u8& number) {
    gender = number = 0;
    for (i32 r = 0; r < Readings(i) && r < static_cast<i32>(kReadingSlots); ++r) {
        if (Cls(i, r) >= 128) {
            gender = number = 0;
            continue;
        }
        u8 g = static_cast<u8>(Feat(i, r) >> 4);
        if (g > 2) g = 0;
        const u8 n = FeatureNumber(Feat(i, r));
        if (g != 0 && g != gender) gender = gender == 0 ? g : 0;
        if (n != 0 && n != number) number = number == 0 ? n : 0;
    }
}

// The word's gender and number folded into the phrase's.
void FoldGenderNumber(Phrase& p, i32 w, u8 gender, u8 number) {
    p.lastGender = gender;
    p.lastNumber = number;
    if (w == p.first) {
        p.gender = gender;
        p.number = Cls(w) == '@' && Feat(w) == 0 ? 1 : number;
        return;
    }
    if ((gender == 1 && p.gender == 2) || (gender == 2 && p.gender == 1)) p.genderConflict = true;
    else if (gender != 0) p.gender = gender;
    const bool clash = (number == 1 && p.number == 2) || (number == 2 && p.number == 1);
    if (clash && Cls(w) == 'h' && Cat(w) == 7) p.numberConflict = true;
    else p.number = number;
    // A numeral after a singular determiner, before a plural word: both
    // read as adverb-like ("a 2 ...").
    const i32 f = p.first;
    if (Numeral(w) && (Cat(f) == 7 || Cat(f) == 8) && Feat(f) == 4 && p.numberConflict && Feat(w + 1) == 8) {
        for (const i32 k : {w, w + 1}) {
            W(k).ReadingCategories[0] = 18;
            W(k).ReadingFeatures[0] = 0;
        }
        p.numberConflict = false;
    }
}

// The time and measure marks of word w. True when one of the marks that
// make a time phrase (state 2) applied at w.
bool MarkTimeAndMeasure(Phrase& p, i32 w) {
    static const char* const kSeasons[] = {"summer", "autumn", "fall", "winter", "day", "night", "evening",
                                           "morning", "year", "month", "week", nullptr};
    static const char* const kHours[] = {"a.m.", "p.m.", "o\x93" "clock", nullptr};
    bool time = false;
    if ((Is(w, "last") || Is(w, "next")) &&
        (Begins(w + 1, "spring") || IsOneOf(w + 1, kSeasons) || Ends(w + 1, "day")))
        time = true;
    const bool unit = Begins(w, "day") || Begins(w, "week") || Begins(w, "month") || Begins(w, "year");
    if (unit && Cat(w - 1) == 7 && (Cat(w + 1) == 18 || Cat(w - 2) == 18)) time = true;
    if ((unit || Begins(w, "eon")) && Is(w + 1, "ago")) time = true;
    if (Numeral(w) && IsOneOf(w + 1, kHours)) time = true;
    if (MonthWord(w)) {
        auto number = [](i32 k) { return Numeral(k) || (Cls(k) == 'B' && Digit(Letter(k, 0))); };
        i32 n = -1;
        if (w > 0 && number(w - 1)) n = w - 1;
        else if (number(w + 1)) n = w + 1;
        else if (Cat(w + 1) == 21 && number(w + 2)) n = w + 2;
        else if (w > 1 && Is(w - 1, "of") && number(w - 2)) n = w - 2;
        if (n >= 0) {
            W(n).ReadingFeatures[0] = Feat(w);
            time = true;
        }
    }
    if (W(w).WordCaseMode >= 1 && Cat(w) == 10 && TextLength(w) > 5 && Ends(w, "day"))
        W(w).ReadingCategories[0] = 18;
    static const char* const kCounts[] = {"thousand", "hundred", "ten", "dozen", "million", "billion"};
    if (Numeral(w) || Is(w, "a")) {
        for (const char* count : kCounts) {
            if (!Begins(w + 1, count)) continue;
            W(w + 1).ReadingFeatures[0] = Is(w, "a") ? 0 : 8;
            // "a" belongs to the count: "a dozen girls" is plural.
            if (Is(w, "a")) W(w).ReadingFeatures[0] = 0;
            if (Is(w + 2, "people")) {
                W(w + 2).ReadingFeatures[0] = 8;
                p.number = 2;
            }
            break;
        }
    }
    if (time) gSegments[p.record].State = 2;
    return time;
}

// The first verb, subordinating conjunction or relative pronoun from word
// `from` on is a conjugated verb.
bool VerbComesFirst(i32 from) {
    for (i32 k = from; k < Count(); ++k) {
        const u8 cat = Cat(k);
        if (cat == 14 || cat == 17 || cat == 5) return cat == 14;
    }
    return false;
}

// Whether the phrase is cut before its word w (not its first).
bool CutBefore(const Phrase& p, i32 w, bool timeMark) {
    if (timeMark) return true;
    const i32 s = p.record;
    if (Cls(w) == 'A' && Cls(w - 1) == 'A' && (Feat(w) & 15) > 7 && (Feat(w - 1) & 15) > 7 &&
        !Ends(w - 1, "'s") && !Ends(w - 1, "s'") && (s == 0 || Seg(s - 1).SegmentKind == 15 || Seg(s - 1).SegmentKind == 14) &&
        VerbComesFirst(w))
        return true;
    return s == 1 && Cat(0) == 14 && Model(0) == '%' && w >= p.first + 2 && Cls(w) == 'B' && Cls(w - 1) == 'A';
}

// The kind of a phrase from its first word and the words before it:
// 1 subject-like (24), 0 after its verb (23), -13 predicate (10).
i32 ChooseKind(i32 f) {
    i32 a = 0;
    while (a < f && LastCategory(f - a - 1) == 18) ++a;
    const i32 p = f - a - 1;
    const u8 cf = Cat(f);
    const u8 cp = Cat(p);
    i32 k = 0;
    if (cf == 1 || cf == 6) k = 1;
    if (cf == 3 && ((Mark(f + 1) & 127) == '%' || f == 0 || (f == 1 && a == 1) || cp == 16 || cp == 21)) k = 1;
    if (f > 0 && a < f && cp >= 12 && cp <= 14 &&
        (Is(f - 1, "how") || Is(f - 1, "why") || Mark(p) == 'T' || (Mark(p) == 's' && Ends(p, "s"))))
        k = 1;
    if (cf == 4 || cf == 7 || cf == 8 || (cf == 10 && Cls(f) == '@')) {
        const bool afterVerb = a < f && cp >= 11 && cp <= 14;
        const bool commaLikeAs = f > 1 && (Is(p, "like") || Is(p, "as")) && Cat(p - 1) == 21;
        if (!afterVerb && !commaLikeAs) k = 1;
    }
    if (cf == 10 && Cls(f) >= 66) {
        const i32 prev = f - 1;
        if (f == 0 && Cat(1) == 14 && Mark(1) < 128) k = 1;
        else if (f != Count() - 1 && Cat(f + 1) == 10) k = 1;
        else if (Cat(prev) == 17) k = 1;
        else if (Cls(prev) == 'B' || Cls(prev) == '.') k = -13;
        else if (Cat(prev) == 15 || Cat(prev) == 20) k = 1;
        else if (f == 1 && Cat(prev) == 14 && QuestionSentence()) k = 1;
        else if (f > 2 && Cat(prev) == 16 && Cat(f - 2) == 10 && (Cat(f - 3) == 21 || Cat(f - 3) == 20 || Cat(f - 3) == 27)) k = 1;
        else k = -13;
    }
    if (f == 0 && Cat(0) == 11) k = -13;
    if (f == 1 && Cat(1) == 10 && Cat(0) == 18) k = Cls(1) == 'A' && (Cat(2) != 14 || Mark(2) < 128) ? 1 : -13;
    // A noun that opens the sentence opens its subject as it does after an
    // opening adverb ("Tutorials are everywhere", "Makeup tutorials are");
    // before a linking verb it reads as the predicate that the sentence
    // opening turns into the subject.
    if (f == 0 && cf == 10 && Cls(0) == 'A') k = Cat(1) != 14 || Mark(1) < 128 ? 1 : -13;
    if (cf == 30) {
        W(f).ReadingCategories[0] = 10;
        if (Cat(f + 1) == 14) k = 1;
        else if (Cls(p) >= 129 || Cls(p) == 'C') k = -13;
    }
    return k;
}

// The remainder of a split phrase (its first word carries 255): a noun
// after a noun reads as the subject of what follows, its further words
// get 254; anything else is a time or measure remainder.
i32 StartRemainder(i32 f, i32 L, i32 k, SegmentRecord& r) {
    if (Cat(f) == 10 && NounClass(Cls(f - 1)) && (Cls(f) == 'A' || Cls(f) == '@')) {
        for (i32 w = f + 1; w <= L && W(w).ClauseNumber == 255; ++w) W(w).ClauseNumber = 254;
        r.State = 3;
        return 1;
    }
    r.State = 2;
    (void)k;
    return Cat(f) <= 9 ? 1 : -13;
}

// Reads word w of the phrase: clears its function, adjusts its bytes,
// marks time phrases, folds its gender and number and checks the rules.
// Sets `cut` when the phrase ends before w.
RuleCode ReadPhraseWord(PhraseCall& c, Phrase& p, i32 w, bool& cut, u16& out) {
    WordRecord& word = W(w);
    word.FunctionCode = 0;
    word.LinkedWord = 0;
    if (word.ReadingFeatures[0] >= 64 && word.ReadingFeatures[0] <= 127)
        word.ReadingFeatures[0] = static_cast<u8>(word.ReadingFeatures[0] - 64);
    if (Cat(w) == 18) {
        word.ReadingClasses[0] = 20;
        word.ReadingFeatures[0] = 0;
    }
    const bool time = MarkTimeAndMeasure(p, w);
    // A figure names a year, a time, an address or a model as often as it
    // counts: it gives the phrase no number ("the 1950's machine", "Windows
    // 10 is", "at 5 PM").
    if (Digit(Letter(w, 0)) && FeatureNumber(word.ReadingFeatures[0]) == 2)
        word.ReadingFeatures[0] = static_cast<u8>(word.ReadingFeatures[0] & ~0x0C);
    u8 gender = 0, number = 0;
    WordGenderNumber(w, gender, number);
    const u8 lastGender = p.lastGender, lastNumber = p.lastNumber;
    FoldGenderNumber(p, w, gender, number);
    if (const RuleCode r = CheckPhraseWordRules(c, w, number, out); r != 0) return r;
    if (const RuleCode r = RetryHeldComparison(c, w, out); r != 0) return r;
    cut = w != p.first && CutBefore(p, w, time);
    if (cut) {
        // The phrase ends at the word before: its last word's gender and
        // number are those the agreement report reads.
        p.lastGender = lastGender;
        p.lastNumber = lastNumber;
        return 0;
    }
    WeighHeadCandidate(p.head, w, gender, number);
    return 0;
}

// The words after the cut start a remainder phrase of their own.
void MarkRemainder(i32 w, i32 L) {
    for (i32 k = w; k <= L; ++k) W(k).ClauseNumber = 255;
}

// The record's bytes once the phrase is read, the head and functions.
void FinishPhrase(PhraseCall& c, Phrase& p, i32 k) {
    SegmentRecord& r = gSegments[p.record];
    const i32 f = p.first;
    r.Number = p.head.number;
    r.LastWord = static_cast<u8>(p.head.word);
    CheckPhraseAgreement(c, PhraseFacts{f, p.last, p.record, r.Number, p.head.gender, p.lastGender, p.lastNumber,
                                        p.genderConflict, p.numberConflict});
    r.Gender = p.gender;
    const u8 person = static_cast<u8>(Feat(f) & 3);
    r.Person = Cat(f) == 2 && Cls(f) == 'V' ? 1 : person == 0 ? 3 : person;
    if (!p.genderConflict && !p.numberConflict) r.LastWord = static_cast<u8>(ChooseHeadAndFunctions(f, p.last));
    i32 kind = 23 + k;
    const u8 cf = Cat(f);
    if (p.record > 1 && kind == 23 && cf != 2 && cf != 4 && cf != 9 && Seg(p.record - 2).State == 1 &&
        !(Cls(Seg(p.record - 1).FirstWord) == 131 && (cf == 7 || cf == 8)))
        kind = 24;
    if (p.last - f == 2 && f < Count() - 3 && Cat(f + 2) == 10 && Cls(f + 2) > 'A' && Cat(f + 3) != 15 &&
        Cat(f + 3) != 9 && (Is(f + 1, "more") || Is(f + 1, "less"))) {
        r.State = 2;
        if (cf == 7) kind = 10;
    }
    r.SegmentKind = static_cast<u8>(kind);
}

// A noun phrase from word f: its record, its words, its head. `end`
// receives the last word read.
RuleCode ReadPhrase(PhraseCall& c, i32 f, i32& end, u16& out) {
    Phrase p;
    p.first = f;
    p.record = c.segments;
    SegmentRecord& r = gSegments[p.record];
    r.FirstWord = static_cast<u8>(f);
    r.State = 0;
    r.Link = 255;
    end = f;
    if (const RuleCode x = CheckLowerCaseI(f, out); x != 0) return x;
    i32 L = f;
    while (L + 1 < Count() && W(L + 1).ClauseNumber == W(f).ClauseNumber) ++L;
    i32 k = ChooseKind(f);
    if (W(f).ClauseNumber == 255) k = StartRemainder(f, L, k, r);
    StartHeadCandidate(p.head, f);
    p.last = L;
    for (i32 w = f; w <= L; ++w) {
        bool cut = false;
        if (const RuleCode x = ReadPhraseWord(c, p, w, cut, out); x != 0) return x;
        if (cut) {
            MarkRemainder(w, L);
            p.last = w - 1;
            break;
        }
    }
    end = p.last;
    FinishPhrase(c, p, k);
    return 0;
}

// Categories that get a record of their own outside every phrase.
bool RecordedCategory(i32 i) {
    const u8 cat = Cat(i);
    if (cat == 1 || cat == 2 || (cat >= 4 && cat <= 6) || (cat >= 10 && cat <= 17) || cat == 21) return true;
    if (gAnalysisMode != 0 && cat == 20) {
        const u8 c0 = Letter(i, 0);
        return c0 != '"' && c0 != '\'' && c0 < 126;
    }
    return Cls(i) == ' ' && Cat(i + 1) == 13;
}

// "how" or "why" after a verb (adverbs between) reads as a conjunction.
bool QuestionAdverbAfterVerb(i32 i) {
    if (Cat(i) != 18 || !(Is(i, "how") || Is(i, "why"))) return false;
    i32 k = i - 1;
    while (k > 0 && Cat(k) == 18) --k;
    return k >= 0 && k < i && Cat(k) >= 12 && Cat(k) <= 14;
}

// The record of a word outside every phrase.
void FillWordRecord(SegmentRecord& r, i32 i) {
    const u8 held = r.State;
    const u8 feat = Feat(i);
    u8 g = static_cast<u8>(feat >> 4);
    if (g == 5 || g == 9) g = 1;
    if (g == 3) g = 0;
    r.Gender = g;
    r.Number = FeatureNumber(feat);
    r.Person = 3;
    const u8 cat = Cat(i);
    if (cat == 14) {
        if (feat == 1) r.Person = 3, r.Number = 1;
        else if (feat == 3) r.Person = 7;
        else if (feat == 6) r.Person = 1, r.Number = 1;
        else if (feat == 10 || feat == 0) r.Person = 4;
    }
    if (cat == 1 || cat == 2) r.Person = static_cast<u8>(feat & 3);
    if ((cat == 10 || cat == 11) && VerbClass(i)) r.Number = 1;
    r.SegmentKind = cat;
    WordRecord& w = W(i);
    if (w.ReadingCount > 1) {
        bool nominal = true, same = true;
        for (i32 k = 0; k < w.ReadingCount && k < static_cast<i32>(kReadingSlots); ++k) {
            nominal = nominal && (Cat(i, k) == 10 || Cat(i, k) == 11);
            same = same && Cat(i, k) == cat;
        }
        if (nominal) {
            w.ReadingCount = 1;
            w.ReadingCategories[0] = 10;
            r.SegmentKind = 10;
        } else if (!same) {
            r.SegmentKind = 32;
        }
    }
    r.State = held == 127 ? 1 : 0;
    if (cat == 14 && (Contains(i, "\x93") || Is(i, "you're"))) r.State = 1;
    r.FirstWord = r.LastWord = static_cast<u8>(i);
    r.Link = 255;
    if (Cat(i) == 10 && Cls(i) < 128) w.FunctionCode = 66;
}

// A word outside every phrase: a record of its own, or none. `end`
// receives the last word passed over.
RuleCode ReadOutsideWord(PhraseCall& c, i32 i, i32& end, u16& out) {
    end = i;
    if (QuestionAdverbAfterVerb(i)) W(i).ReadingCategories[0] = 17;
    if (Cat(i) == 18 && Cat(i + 1) == 16 && Cat(i + 2) == 18 && i + 2 < Count()) {
        end = i + 2;
        return 0;
    }
    if (!RecordedCategory(i)) return 0;
    FillWordRecord(gSegments[c.segments], i);
    ++c.segments;
    if (Cat(i) == 14) return CheckBareNot(i, out);
    return 0;
}

}  // namespace

RuleCode BuildSegmentTable(PhraseCall& c, u16& out) {
    c.segments = 0;
    for (i32 i = 0; i < Count(); ++i) {
        W(i).FunctionCode = 0;
        W(i).LinkedWord = 0;
        i32 end = i;
        if (W(i).ClauseNumber != 0) {
            if (i > 0 && W(i - 1).ClauseNumber == W(i).ClauseNumber) continue;
            const RuleCode r = ReadPhrase(c, i, end, out);
            if (r != 0) return r;
            ++c.segments;
        } else if (const RuleCode r = ReadOutsideWord(c, i, end, out); r != 0) {
            return r;
        }
        if (const RuleCode r = RetryHeldComparison(c, end, out); r != 0) return r;
        i = end;
    }
    return 0;
}

}  // namespace english
