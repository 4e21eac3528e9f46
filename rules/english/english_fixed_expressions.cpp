// English fixed expressions: set phrases around a head word of three to
// seven letters ("heart and soul", "out of order", "for the time being")
// take the part of speech of the whole phrase, and a few ambiguous words
// are settled by their neighbours. The words of a phrase keep one reading,
// marked with the phrase's kind, so that the later stages pass over them.
// The only finding is "cant" written for "can't".
#include <cstring>

#include "rules/english/english_disambiguation.h"
#include "rules/english/english_noun_phrase.h"
#include "rules/english/english_passes.h"
#include "rules/rule_words.h"

using namespace rules;
using english::np::Collapse;
using english::np::CollapseAs;

namespace english {

namespace {

enum Kind : u8 { kAdverbial, kNominal, kPaired, kPrepositional, kConjunctional, kVerbal, kProper };
constexpr u8 kKindCategory[] = {18, 10, 10, 15, 17, 14, 10};
constexpr u8 kKindClass[] = {26, '.', '+', ',', '*', '-', 0x40};

// Options of a phrase.
enum : u8 {
    kZeroAll = 1,    // features 0 on every word (adverbial phrases clear the words after the first)
    kHeadCount = 2,  // the head keeps its reading count
};

bool In(u8 v, u8 a, u8 b) { return v == a || v == b; }
bool In(u8 v, u8 a, u8 b, u8 c) { return v == a || v == b || v == c; }
// The last word of the sentence, or the last before its closing mark.
bool Last(i32 i) { return i >= Count() - 1 || (i == Count() - 2 && Cat(i + 1) == 20); }
bool Exists(i32 i) { return i >= 0 && i < Count(); }
bool HasReading(i32 i, u8 cat) {
    for (i32 r = 0; r < Readings(i); ++r)
        if (Cat(i, r) == cat) return true;
    return false;
}
bool NounReading01(i32 i) { return Cat(i) == 10 || Cat(i, 1) == 10; }
bool VerbForm(i32 i) { return Cls(i) >= 128; }
u8 ModelOf(i32 i) { return static_cast<u8>(Mark(i) & 127); }

// A phrase around head h, its words blank-separated, the head's word
// marked with a leading '^' (alternatives a|b). Sets the first word and the
// number of words when every word of it stands in the sentence.
bool Match(i32 h, const char* phrase, i32& first, i32& n) {
    i32 words = 0;
    i32 head = -1;
    for (const char* p = phrase; *p != 0; ++words) {
        if (*p == '^') head = words;
        p = std::strchr(p, ' ');
        if (p == nullptr) break;
        ++p;
    }
    ++words;
    first = h - head;
    n = words;
    if (head < 0 || first < 0 || first + n > Count()) return false;
    // The head is tested last: the words around it refuse most phrases.
    const char* p = phrase;
    const char* headText = nullptr;
    size_t headLength = 0;
    for (i32 w = first; w < first + n; ++w) {
        if (*p == '^') ++p;
        const char* end = std::strchr(p, ' ');
        const size_t length = end != nullptr ? static_cast<size_t>(end - p) : std::strlen(p);
        if (w == h) {
            headText = p;
            headLength = length;
        } else if (!WordIsAlternative(w, p, length)) {
            return false;
        }
        p += length;
        if (*p == ' ') ++p;
    }
    return headText == nullptr || WordIsAlternative(h, headText, headLength);
}

void MarkWords(i32 h, i32 first, i32 n, Kind kind, u8 options) {
    for (i32 w = first; w < first + n; ++w) {
        SetReading0(w, kKindCategory[kind], kKindClass[kind]);
        if (w != h || (options & kHeadCount) == 0) KeepOne(w);
        if ((options & kZeroAll) != 0 || (kind == kAdverbial && w > first)) W(w).ReadingFeatures[0] = 0;
    }
}

// Marks the phrase when it stands around h.
bool Phrase(i32 h, const char* phrase, Kind kind, u8 options = 0) {
    i32 first = 0;
    i32 n = 0;
    if (!Match(h, phrase, first, n)) return false;
    MarkWords(h, first, n, kind, options);
    return true;
}

// The phrase stands around h (nothing is marked).
bool Stands(i32 h, const char* phrase) {
    i32 first = 0;
    i32 n = 0;
    return Match(h, phrase, first, n);
}

// The word after h ends its clause: none, or a mark other than a quote or
// an opening bracket.
bool ClauseEndsAfter(i32 h) {
    if (!Exists(h + 1)) return true;
    const u8 c = Letter(h + 1, 0);
    return In(Cat(h + 1), 20, 21) && (c == '.' || c == ',' || c == '!' || c == '?' || c == ';' || c == ')');
}

// Single-word settings.
void Setting(i32 i, u8 cat, u8 cls, i32 feat = -1, i32 mark = -1, bool one = false) {
    SetReading0(i, cat, cls);
    if (feat >= 0) W(i).ReadingFeatures[0] = static_cast<u8>(feat);
    if (mark >= 0) W(i).ReadingMarks[0] = static_cast<u8>(mark);
    if (one) KeepOne(i);
}
// An adverb: category 18, class 20 (0 when it was the particle class 31).
void Adverb(i32 i, bool one = false, i32 feat = -1, i32 mark = -1) {
    Setting(i, 18, Cls(i) == 31 ? 0 : 20, feat, mark, one);
}
void AtMostTwo(i32 i) {
    if (Readings(i) > 2) W(i).ReadingCount = 2;
}

// ---- Three letters ---------------------------------------------------------

void All(i32 h) {
    if (Is(h + 1, "alone") || Is(h + 1, "for") || Is(h + 1, "over") || Is(h + 1, "right")) {
        Adverb(h);
        return;
    }
    if (Phrase(h, "^all along|out|through|thru|told", kAdverbial, kZeroAll)) return;
    if (Stands(h, "^all too") && Cat(h + 2) == 18 && Exists(h + 2)) {
        MarkWords(h, h, 3, kAdverbial, 0);
        return;
    }
    if (Stands(h, "^all the same") && Cat(h + 3) != 10) {
        Phrase(h, "^all the same", kAdverbial, kZeroAll);
        return;
    }
    if (Stands(h, "above|after ^all") && (Last(h) || Cat(h + 1) != 10)) {
        Phrase(h, "above|after ^all", kAdverbial);
        return;
    }
    if (Phrase(h, "^all in one", kNominal) || Phrase(h, "^all at once", kNominal)) return;
    if (Stands(h, "^all manner of")) {
        SetReading0(h, 10, '.');
        SetReading0(h + 1, 10, '.');
        return;
    }
    if (Stands(h, "^all of")) {
        if (In(Cls(h + 2), 'R', 'S')) MarkWords(h, h, 2, kAdverbial, 0);
        else Setting(h, 6, 'K', 8);
        return;
    }
    if (Stands(h, "^all that")) {
        if (Cls(h + 2) == 'A' && Feat(h + 2) == 4) {
            Setting(h, 4, 'F', 4);
            Setting(h + 1, 4, 'F', 4);
        } else {
            // "all" before its relative is of either number: "all that is
            // left", "all that were there".
            Setting(h, 6, 'K', 12);
            Setting(h + 1, 5, 'G', 0, -1, true);
        }
        return;
    }
    if (Readings(h + 1) == 1 && (Cls(h + 1) == 'B' || Cat(h + 1) == 18)) Adverb(h, false, 0);
}

void And(i32 h) {
    if (h == 0 || Last(h)) return;
    if (Cat(h - 1) == 10) {
        if (Phrase(h, "high ^and dry", kNominal) || Phrase(h, "loud ^and clear", kNominal) ||
            Phrase(h, "heart ^and soul", kNominal) || Phrase(h, "pure ^and simple", kNominal) ||
            Phrase(h, "safe ^and sound", kNominal) || Phrase(h, "trial ^and error", kPaired))
            return;
    }
    if (Cat(h - 1) == 15 && (Phrase(h, "through ^and through", kAdverbial) || Phrase(h, "thru ^and thru", kAdverbial)))
        return;
    if (HasReading(h - 1, 18) && Phrase(h, "up ^and down", kAdverbial)) return;
    if (Cat(h - 1) == 18 && Phrase(h, "again ^and again", kAdverbial)) return;
    if (Cat(h - 1, 1) == 18 && Phrase(h, "now ^and again", kAdverbial)) return;
    if (Cat(h - 1, 1) == 10) {
        if (Phrase(h, "home ^and dry", kNominal) || Phrase(h, "neck ^and neck", kNominal) ||
            Phrase(h, "skin ^and bone", kNominal) || Phrase(h, "wear ^and tear", kPaired) ||
            Phrase(h, "rank ^and file", kPaired))
            return;
        if (Begins(h - 1, "time") && Is(h + 1, "again")) MarkWords(h, h - 1, 3, kAdverbial, 0);
    }
}

// "any day", "every time": at the start of the sentence, or ending it or a
// clause.
void AnyDay(i32 h) {
    i32 first = 0;
    i32 n = 0;
    if (!Match(h, "^any|every day|week|month|time", first, n)) return;
    if (h == 0 || Last(h + 1) || Cat(h + 2) == 21) MarkWords(h, first, n, kAdverbial, kZeroAll);
}

void CutEat(i32 h) {
    if (Is(h, "eat")) {
        KeepOne(h);
        return;
    }
    if (h == 0 || Is(h - 1, "to") || Cls(h - 1) == 242) Setting(h, 13, Cls(h), 0, -1, true);
}

void Bit(i32 h) {
    if (h == 0 || In(Cat(h - 1), 7, 8) || Cls(h - 1) == 'B') {
        Setting(h, 10, 'A', 4, '4', true);
    } else if (Cat(h - 1, 1) == 1) {
        KeepOne(h);
    } else {
        WordRecord& w = W(h);
        w.ReadingCount = 2;
        w.ReadingCategories[1] = 10;
        w.ReadingClasses[1] = 'A';
        w.ReadingFeatures[1] = 4;
        w.ReadingMarks[1] = '4';
        w.ReadingLemmaRefs[1] = w.ReadingLemmaRefs[0];
    }
}

void FarFrom(i32 h) {
    if (!Stands(h, "^far from")) return;
    const bool object = In(Cat(h + 2), 7, 8, 10) || (Readings(h + 2) >= 2 && Cat(h + 2, 1) == 10);
    for (i32 w = h; w <= h + 1; ++w) {
        KeepOne(w);
        W(w).ReadingFeatures[0] = 0;
        W(w).ReadingCategories[1] = 18;
        SetReading0(w, object ? 15 : 18, object ? ',' : 26);
    }
    if (h > 0 && Is(h - 1, "not")) SetReading0(h - 1, Cat(h), Cls(h));
}

void For(i32 h) {
    if (Phrase(h, "^for sale|sure", kNominal) || Phrase(h, "^for the asking|moment", kAdverbial) ||
        Phrase(h, "^for the time being", kAdverbial) || Phrase(h, "^for the most part", kAdverbial) ||
        Phrase(h, "^for the hell of it", kAdverbial) || Phrase(h, "^for the sake of", kPrepositional))
        return;
    if (Stands(h, "^for one")) {
        if (Is(h + 2, "thing")) {
            MarkWords(h, h, 3, kAdverbial, 0);
            return;
        }
        if (Cat(h + 2) != 10) {
            MarkWords(h, h, 2, kAdverbial, 0);
            return;
        }
    }
    // "for exemple" as the list has it, and its right spelling.
    if (Phrase(h, "^for exemple|example|keeps", kAdverbial)) return;
    if (Stands(h, "^for good|short") && Cat(h + 2) != 10) {
        MarkWords(h, h, 2, kAdverbial, 0);
        return;
    }
    if (Phrase(h, "^for that matter", kAdverbial) || Phrase(h, "^for good reasons", kAdverbial) ||
        Phrase(h, "^for no good reason", kAdverbial) || Phrase(h, "^for all practical purposes", kAdverbial) ||
        Phrase(h, "word ^for word", kAdverbial) || Phrase(h, "but|except ^for", kPrepositional))
        return;
    if (Readings(h) >= 2 && Cat(h) == 15 && Cat(h, 1) == 17) {
        const bool clause = (Cat(h + 1) < 4 && Cat(h + 2) == 14) || (Cat(h + 1) == 1 && Cat(h + 2) == 18 && Cat(h + 3) == 14);
        // Before a conjunction ("for if", "For though") "for" is the
        // conjunction too, and so it is opening a sentence before a subject
        // pronoun and its verb ("For I can see"): no preposition stands
        // there.
        const bool opening = h == 0 && Cat(h + 1) == 1 && clause;
        if ((h > 0 && clause) || opening || Cat(h + 1) == 17) Setting(h, 17, 17);
        KeepOne(h);
    }
}

// A plural noun (reading 0, or else reading 1) at w or after the nouns and
// adjectives that stand before it ("a few random questions", "a few market
// stalls").
bool PluralNounAhead(i32 w) {
    for (i32 j = w; Exists(j); ++j) {
        if ((Cat(j) == 10 && Feat(j) == 8) || (Cat(j, 1) == 10 && Feat(j, 1) == 8)) return true;
        if (Cat(j) != 10 || Readings(j) != 1) return false;
    }
    return false;
}

void Few(i32 h) {
    if (Cls(h + 1) == '!' && Exists(h + 2)) {
        if (Cls(h - 1) == 'h' && h > 0) Setting(h, 10, 'A');
        else Setting(h, 6, 'K');
        return;
    }
    if (h == 0) return;
    if (Is(h - 1, "the")) {
        Setting(h, 10, 'A');
        return;
    }
    // "a very few", "a good few": the article stands before the adverb or
    // adjective.
    const bool degree = (Is(h - 1, "very") || Is(h - 1, "good")) && (Is(h - 2, "some") || Cls(h - 2) == 'h');
    if (Cls(h - 1) == 'h' || Is(h - 1, "some") || degree) {
        const bool plural = PluralNounAhead(h + 1);
        W(h).ReadingClasses[0] = plural ? 'B' : 'A';
        if (plural) W(h - 1).ReadingFeatures[0] = 8;
        if (plural && degree) W(h - 2).ReadingFeatures[0] = 8;
    }
}

void His(i32 h) {
    if (Readings(h + 1) == 1 && In(Cat(h + 1), 14, 15)) Setting(h, 4, 'F');
    else if (h == 0) KeepOne(h);
}

void How(i32 h) {
    // The conjunction, confirmed by a one-reading word after "how".
    if (Exists(h + 1) && Readings(h + 1) == 1) Setting(h, 17, 20);
    if (Is(h + 1, "to") && VerbForm(h + 2)) Setting(h, 18, 20);
}

void Not(i32 h) {
    if (Phrase(h, "^not bad|cricket", kNominal) || Phrase(h, "^not a bit", kAdverbial) ||
        Phrase(h, "^not so bad", kAdverbial) || Phrase(h, "^not at all", kAdverbial))
        return;
    if (Stands(h, "^not a little") && Cat(h + 3) != 10) {
        Phrase(h, "^not a little", kAdverbial);
        return;
    }
    if (Phrase(h, "^not in the least", kAdverbial) || Phrase(h, "^not for a moment", kAdverbial)) return;
    Phrase(h, "^not on any account", kAdverbial);
}

void Now(i32 h) {
    if (Stands(h, "^now and then")) {
        if (h > 0 && Is(h - 1, "every")) {
            MarkWords(h, h - 1, 4, kAdverbial, 0);
            return;
        }
        if (h == 0) {
            MarkWords(h, h, 3, kAdverbial, 0);
            return;
        }
    }
    if (Phrase(h, "just ^now", kAdverbial)) return;
    if (Is(h + 1, "that")) KeepOne(h);
    else Adverb(h, true, 0);
}

void Off(i32 h) {
    if (Phrase(h, "^off the beam|cuff|ground|hook|point|rails|track|record|reel", kNominal) ||
        Phrase(h, "^off course|duty|limits", kNominal) || Phrase(h, "better|badly|right|well|straight ^off", kNominal))
        return;
    Phrase(h, "^off and on", kAdverbial);
}

void One(i32 h) {
    WordRecord& next = W(h + 1);
    if (h > 0 && In(Cat(h - 1), 7, 8)) {
        Setting(h, 10, 'C', 4, '%', true);
    } else if (Cat(h + 1) == 16 && Is(h + 2, "two")) {
        KeepOne(h);
    } else if (Cat(h + 1) == 16 && Is(h + 2, "all")) {
        Setting(h, 6, 'K');
    } else if (h >= 2 && Phrase(h, "^one too many", kNominal)) {
    } else if ((h > 0 && VerbForm(h - 1) && ModelOf(h - 1) == 37 && Is(h + 1, "up")) || (h > 0 && Cat(h - 1) == 17)) {
        Setting(h, 6, 'K', -1, -1, true);
    } else if (Cat(h + 1) == 14 && (Feat(h + 1) & 15) == 0) {
        KeepOne(h);
        if (Readings(h + 1) > 1 && Cat(h + 1, 1) == 10) Collapse(h + 1, 1);
    } else if (Cat(h + 1) == 10 && Cat(h + 1, 1) == 14 && (Feat(h + 1, 1) & 15) == 0) {
        KeepOne(h);
        KeepOne(h + 1);
    } else if (Cat(h + 1) == 14 && (Feat(h + 1) & 15) == 1) {
        Collapse(h, 1);
        KeepOne(h + 1);
    } else if (Cat(h + 1, 1) == 14 && (Feat(h + 1, 1) & 15) == 1) {
        Collapse(h, 1);
        next.ReadingCategories[0] = 14;
        next.ReadingClasses[0] = next.ReadingClasses[1];
        next.ReadingFeatures[0] = next.ReadingFeatures[1];
        next.ReadingMarks[0] = next.ReadingMarks[1];
        KeepOne(h + 1);
    } else if (OneReadingOf(h + 1, 10) && Exists(h + 1)) {
        // Before its noun "one" determines it as the numeral it is ("one
        // day a week"): the determiner's category, the numeral's class.
        if (h > 0 && OneReadingOf(h - 1, 10)) Setting(h, 8, 'S', 0, '%', true);
        else Setting(h, 7, 'S', 4, '%', true);
    }
}

void Out(i32 h, i16 pass) {
    // "commision" as the list has it, and its right spelling.
    static const char kStates[] =
        "commision|commission|condition|danger|gear|hand|line|luck|order|phase|place|play|position|practice|print|"
        "season|sequence|service|sight|square|step|stock|time|touch|tune|turn|use|vogue";
    if (Stands(h, "^out of") && Exists(h + 2) && NounReading01(h + 2)) {
        if (WordIsAlternative(h + 2, kStates, sizeof kStates - 1)) MarkWords(h, h, 3, kNominal, 0);
        else MarkWords(h, h, 2, kPrepositional, 0);
        return;
    }
    if (Phrase(h, "^out of the common", kNominal)) return;
    if (Stands(h, "^out of the") && Exists(h + 3) && Begins(h + 3, "wood")) {
        MarkWords(h, h, 4, kNominal, 0);
        return;
    }
    if (Phrase(h, "^out and away", kAdverbial) || Phrase(h, "inside|straight ^out", kAdverbial)) return;
    if (h > 0 && Cat(h - 1) == 1) KeepOne(h);
    else if (pass >= 1) Setting(h, 18, 20, -1, -1, true);
}

void Par(i32 h) {
    if (Phrase(h, "above|at|below|over|under ^par", kNominal) || Phrase(h, "on a ^par", kNominal)) return;
    Phrase(h, "up to a ^par", kNominal);
}

void Say(i32 h) {
    if (h > 0 && (In(Cat(h - 1), 7, 8) || Is(h - 1, "one's") || Is(h - 1, "no") || Is(h - 1, "much"))) {
        Setting(h, 10, 'A', 4, -1, true);
    } else if (h > 0 && Cat(h - 1) == 21 && Cat(h + 1) == 21) {
        Setting(h, 18, Cls(h), 0);
    } else if (!(h > 0 && Cat(h - 1) == 21)) {
        KeepOne(h);
    }
}

void SetWord(i32 h, i16 pass) {
    if (h > 0 && Is(h - 1, "all")) Setting(h, 10, 'B', 12, -1, true);
    else if (h > 0 && VerbForm(h - 1) && ModelOf(h - 1) == 37) Setting(h, 10, 'B', 12);
    else if (h > 0 && Cls(h - 1) == 'A' && (Is(h + 1, "with") || Is(h + 1, "in"))) Setting(h, 11, 4, 0, -1, true);
    else if (pass == 0) W(h).ReadingFeatures[0] = 3;
}

// ---- Four letters ------------------------------------------------------------

bool Cant(i32 h) {
    if (Last(h)) return false;
    const bool afterSubject = h > 0 && Cat(h - 1) == 1 && Cat(h + 1) == 14;
    const bool question = h == 0 && Begins(Count() - 1, "?") && Cat(1) < 9;
    return afterSubject || question;
}

void Both(i32 h) {
    i32 k = h + 1;
    while (k < Count() && (In(Cat(k), 10, 8, 3) || Cat(k) == 4)) ++k;
    if (Cat(k) == 16 && k < Count()) Adverb(h, false, 0);
    else if (Cat(h + 1) == 14 && Feat(h + 1) == 0) KeepOne(h + 1);
}

void Fair(i32 h) {
    KeepOne(h);
    if (h > 0 && (Cat(h - 1) == 1 || (Cls(h - 1) == 242 && Mark(h - 1) >= 28 && Mark(h - 1) <= 33))) return;
    if (h > 0 && (Cls(h - 1) == 'A' || (In(Cat(h - 1), 7, 8) && (Last(h) || Cat(h + 1) != 10))))
        Setting(h, 10, 'A', 4, '2');
    else Setting(h, 10, 'B', 12, '2');
}

void Foot(i32 h) {
    if (Stands(h, "on ^foot")) {
        SetReading0(h - 1, 18, Cls(h - 1));
        SetReading0(h, 18, 26);
    } else if (Stands(h, "^foot the bill")) {
        Setting(h, 14, 128, 0);
    }
}

void Hold(i32 h) {
    const bool get = h > 0 && (Begins(h - 1, "get") || Is(h - 1, "got"));
    if (!get || !Is(h + 1, "of")) return;
    for (i32 w = h - 1; w <= h + 1; ++w) SetReading0(w, 14, '-');
    KeepOne(h - 1);
    KeepOne(h);
    W(h).ReadingFeatures[0] = 0;
}

void Last4(i32 h) {
    if (Cls(h + 1) == 'A' && Exists(h + 1)) {
        Setting(h, 10, 'B', 12);
    } else if (Cat(h + 1) == 12 && Cls(h + 1, 1) == 'A') {
        Setting(h, 10, 'B', 12, '4', true);
        Setting(h + 1, 10, 'A', 4, 196);
    }
}

void LessMore(i32 h) {
    if (h > 0 && (Is(h - 1, "even") || Is(h - 1, "still"))) Setting(h - 1, 18, 20, -1, -1, true);
    if (Phrase(h, "^more or less", kAdverbial)) return;
    if (Is(h + 1, "and") && Exists(h + 2) && CompareStrings(W(h + 2).WordText, W(h).WordText) == kCompareEqual) {
        MarkWords(h, h, 3, kAdverbial, 0);
        return;
    }
    if (Phrase(h, "no ^less|more", kAdverbial)) return;
    if (Stands(h, "none|any the ^less") && Cls(h - 1) == 'e') {
        MarkWords(h, h - 2, 3, kAdverbial, 0);
        return;
    }
    if (Stands(h, "at the ^most") && Cls(h - 1) == 'e') {
        MarkWords(h, h - 2, 3, kAdverbial, 0);
        return;
    }
    if (Phrase(h, "at the very ^most", kAdverbial)) return;
    // Before a noun the word qualifies it, after a verb too ("we need more
    // time"); else after a verb or before an adverb it is the adverb.
    // A plural that reads verb first is the noun there ("more details"),
    // and so is a noun of either number ("most people", "more police").
    if (Exists(h + 1) && Readings(h + 1) > 1 && Cat(h + 1) == 14 && Cat(h + 1, 1) == 10 &&
        Cls(h + 1, 1) == 'A' && ((Feat(h + 1, 1) & 8) != 0 || (Feat(h + 1, 1) & 12) == 0)) {
        CopyReading(W(h + 1), 0, 1);
        KeepOne(h + 1);
    }
    if (Exists(h + 1) && Cls(h + 1) == 'A' && Cat(h + 1) != 18) Setting(h, 10, 'B', 12);
    else if ((Exists(h + 1) && Cat(h + 1) == 18) || (h > 0 && VerbForm(h - 1))) Adverb(h, true);
}

// A determiner before word h: an article, a qualifier, a possessive or a
// demonstrative ("the", "every", "my", "that").
bool DeterminerBefore(i32 h) {
    if (h == 0) return false;
    const u8 c = Cls(h - 1);
    return In(Cat(h - 1), 7, 8) || (c >= 'c' && c <= '{') || c == 'O';
}

// "just" and "only" are adverbs ("just in case", "only two days", "was
// just going") except after a determiner ("the only way", "a just cause")
// and, for "just", after a form of "be" at the end of the clause ("the
// sentence was just.").
void JustOnly(i32 h) {
    if (DeterminerBefore(h) || (h > 0 && (Is(h - 1, "that") || Is(h - 1, "this")))) return;
    if (Is(h, "just") && h > 0 && VerbForm(h - 1) && ModelOf(h - 1) == 37 && ClauseEndsAfter(h)) return;
    Adverb(h, true, 0);
}

const char* const kVerbBeforeLike[] = {"would", "will", "should", "could", "might", "may", "must", "can",
                                       "do", "does", "did", "not", "n't", "to", nullptr};

void Like(i32 h) {
    if (h == 0 || In(Cat(h - 1), 20, 21, 17)) {
        Setting(h, 15, 0x22, 0);
        return;
    }
    if (Stands(h, "^like mad|crazy|hell|blazes|anything")) {
        SetReading0(h, 18, 26);
        W(h + 1).ReadingCategories[0] = 18;
        KeepOne(h);
        KeepOne(h + 1);
        return;
    }
    if (Phrase(h, "^like a charm", kAdverbial) || Phrase(h, "something|nothing|anything ^like", kAdverbial)) return;
    if (Cat(h - 1) == 7) {
        Setting(h, 10, 'C', 4, 5);
        return;
    }
    // After a subject pronoun, a modal, "do", "not" or "to" it is the verb
    // ("I like it", "anything they like", "would like to", "don't like").
    if (Cat(h - 1) == 1 || IsOneOf(h - 1, kVerbBeforeLike)) return;
    Setting(h, 15, 0x22, 0, 5, true);
    if (Is(h + 1, "that")) Setting(h + 1, 4, 'O', 4, -1, true);
}

void Many(i32 h) {
    if (h > 0 && Cls(h - 1) == 'h' && (Is(h + 1, "good") || Is(h + 1, "great"))) {
        MarkWords(h, h - 1, 3, kNominal, 0);
        W(h).ReadingFeatures[0] = 0;
        return;
    }
    if (Phrase(h, "^many times", kAdverbial)) return;
    Phrase(h, "^many a time", kAdverbial);
}

void NearNext(i32 h) {
    // "next to nohing" as the list has it, and its right spelling.
    if (Phrase(h, "^next to nohing|nothing", kNominal)) return;
    if (Cls(h + 1) == 'A' && Exists(h + 1)) Setting(h, 10, 'B', 12, -1, true);
    else if (Exists(h + 1) && (Cls(h + 1) == 0x40 || In(Cat(h + 1), 7, 8))) Setting(h, 15, 0x22, 0, -1, true);
    else if (h > 0 && Readings(h - 1) == 1 && VerbForm(h - 1) && (Mark(h - 1) >= 128 || Mark(h - 1) == '>'))
        Setting(h, 10, 'B', 12);
    else if (Phrase(h, "^near|next on|upon|by", kPrepositional)) return;
    else Phrase(h, "not|nowhere ^near|next", kAdverbial);
}

void Once(i32 h) {
    if (Phrase(h, "^once more|again", kAdverbial) || Phrase(h, "^once or twice", kAdverbial) ||
        Phrase(h, "^once and again", kAdverbial) || Phrase(h, "^once for all", kAdverbial) ||
        Phrase(h, "^once in a while", kAdverbial))
        return;
    Phrase(h, "^once and for all", kAdverbial);
}

// "about", "around", "over" before a figure or a number word count it
// ("about 6 days", "over 200 weapons", "around 1,100"): the adverb.
bool BeforeNumber(i32 h) {
    if (!Exists(h + 1)) return false;
    const u8 c = Cls(h + 1);
    return c == 'R' || c == 'S' || (Letter(h + 1, 0) >= '0' && Letter(h + 1, 0) <= '9');
}

// Not after a noun-or-verb word that a preposition or a determiner opens
// ("on average around 2%"): the adverb would make that word the verb.
bool ApproximateNumber(i32 h) {
    if (!BeforeNumber(h)) return false;
    if (h > 1 && Readings(h - 1) > 1 && HasReading(h - 1, 10) && In(Cat(h - 2), 7, 8, 15)) return false;
    Adverb(h, true);
    return true;
}

void Over(i32 h) {
    if (ApproximateNumber(h)) return;
    if (Last(h) || Is(h + 1, "again") || (h > 0 && OneReadingOf(h - 1, 14) && Cat(h + 1) == 15)) {
        Setting(h, 18, 20);
        return;
    }
    if (Phrase(h, "^over and above|over", kPrepositional)) return;
    Phrase(h, "^over age|fist|weight", kNominal);
}

void Much(i32 h, i16 pass) {
    KeepOne(h);
    if (pass == 0 && Exists(h + 1) && (Cls(h + 1) == 'A' || Cat(h + 1) == 15)) {
        Setting(h, 8, 'Q', 4);
    } else if (pass >= 1 && In(Cat(h + 1), 14, 15) && Exists(h + 1) &&
               (h == 0 || Cat(h - 1) == 17 || (Readings(h - 1) > 1 && Cat(h - 1, 1) == 17))) {
        Setting(h, 6, 'K', 4);
    }
}

void Past(i32 h) {
    if (h > 0 && In(Cat(h - 1), 7, 8) &&
        (In(Cls(h + 1), 'A', 'R', 'S') || (Cat(h + 1) == 12 && Cls(h + 1, 1) == 'A')) && Exists(h + 1))
        Setting(h, 10, 'B', 12);
    else if (Exists(h + 1) && In(Cat(h + 1), 7, 8)) KeepOne(h);
    else if (h > 0 && VerbForm(h - 1)) Adverb(h, false, 0);
    else AtMostTwo(h);
}

void Than(i32 h, i16 pass) {
    if (h == 0) return;
    const bool amount = In(Cls(h + 1), 'R', 'S') || Begins(h + 1, "$") || Letter(h + 1, 0) == 0xDB;
    if ((Is(h - 1, "more") || Is(h - 1, "less")) && Exists(h + 1)) {
        if (amount) {
            SetReading0(h - 1, 18, 26);
            SetReading0(h, 18, 26);
            if (h > 1 && Is(h - 2, "no")) SetReading0(h - 2, 18, 26);
        } else if (h > 1 && VerbForm(h - 2) && Mark(h - 2) >= 128) {
            SetReading0(h - 1, 18, '*');
            SetReading0(h, 18, '*');
        }
    } else if (!Phrase(h, "nothing else ^than", kConjunctional) && !Phrase(h, "no other ^than", kConjunctional)) {
        if (Cls(h - 1) == 'B' && Is(h + 1, "ever")) {
            SetReading0(h, 18, '*');
            SetReading0(h + 1, 18, '*');
        } else if (Readings(h - 1) >= 2) {
            WordRecord& w = W(h - 1);
            for (i32 r = 1; r < Readings(h - 1); ++r) {
                if (Cls(h - 1, r) != 'B') continue;
                w.ReadingCategories[0] = w.ReadingCategories[r];
                w.ReadingClasses[0] = w.ReadingClasses[r];
                w.ReadingFeatures[0] = w.ReadingFeatures[r];
                w.ReadingCount = 1;
                break;
            }
        }
    }
    if (pass < 1 || Cls(h) == 26 || Cls(h) == '*') return;
    for (i32 k = h + 1; k < Count(); ++k)
        if (Cat(k) == 14 || (Readings(k) > 1 && Cat(k, 1) == 14)) return;
    Adverb(h);
}

void This(i32 h) {
    if (h == 0 && Cat(1) == 14 && Feat(1) == 1) {
        Setting(0, 6, 'K');
        KeepOne(1);
    } else if (h == 1 && Is(0, "is") && Cat(2) == 10 && Cls(2) != 'A') {
        Setting(1, 4, 'F', 4);
    } else if (h > 0 && (Cat(h - 1) == 18 || VerbForm(h - 1)) && (Cls(h + 1) == 'B' || Is(h + 1, "much"))) {
        Adverb(h);
    } else if (Readings(h + 1) == 1 && (In(Cat(h + 1), 10, 11, 8))) {
        Setting(h, 8, 'O', 4);
    } else if (Readings(h + 1) == 1) {
        Setting(h, 4, 'F', 4);
    }
}

void WellWith(i32 h) {
    if (Stands(h, "together ^with")) {
        Phrase(h, "together ^with", kPrepositional);
        W(h - 1).ReadingFeatures[0] = 0;
        return;
    }
    if (!Is(h, "well")) return;
    if (Phrase(h, "damn|darn ^well", kAdverbial)) return;
    WordRecord& w = W(h);
    if (h > 0 && Cat(h - 1) == 7 && Readings(h + 1) == 1 && In(Cat(h + 1), 14, 15)) {
        w.ReadingClasses[0] = w.ReadingClasses[1];
        w.ReadingFeatures[0] = w.ReadingFeatures[1];
        w.ReadingMarks[0] = w.ReadingMarks[1];
        w.ReadingCategories[0] = 10;
        KeepOne(h);
        KeepOne(h + 1);
    } else if ((h > 1 && Is(h - 1, "to") && VerbForm(h - 2)) || (h > 0 && Cat(h - 1) == 1 && Cat(h + 1) != 14)) {
        KeepOne(h);
    } else {
        Adverb(h, true, 0, 12);
    }
}

// ---- Five and six letters ------------------------------------------------------

bool LaterWordOf(i32 h, u8 a, u8 b, u8 c, u8 d) {
    for (i32 k = h + 1; k < Count(); ++k)
        if (In(Cat(k), a, b, c) || Cat(k) == d) return true;
    return false;
}

// "before" and "after": the adverb at the end ("soon after") or between an
// adverb and a verb ("and awhile after came to a town"), the
// conjunction before a subject pronoun, the preposition when a verb, a
// preposition or a conjunction comes later ("after a quarrel, for
// London"). A last word right after it may be its object used as a noun
// ("after deploy"): the readings are left to the later passes.
void BeforeOrAfter(i32 h) {
    if (Last(h)) Setting(h, 18, 20, -1, -1, true);
    else if (Cat(h + 1) == 1) Setting(h, 17, 17, -1, -1, true);
    else if (h > 0 && Cat(h - 1) == 18 && Readings(h + 1) == 1 && Cat(h + 1) == 14) Setting(h, 18, 20, -1, -1, true);
    else if (!Last(h + 1) && LaterWordOf(h, 14, 15, 17, 5)) KeepOne(h);
}

void About(i32 h) {
    if (ApproximateNumber(h)) return;
    if (!(Last(h) || In(Cat(h + 1), 11, 13, 14) || Cat(h + 1) == 15)) return;
    W(h).ReadingCategories[0] = 18;
    if (h > 0 && Readings(h - 1) == 1 && VerbForm(h - 1)) W(h).ReadingClasses[0] = 31;
}

void Below(i32 h) {
    if (Phrase(h, "^below standard", kNominal)) return;
    if (Last(h)) Adverb(h);
    else if (h > 0 && In(Cat(h - 1), 7, 8)) KeepOne(h);
}

void Close(i32 h) {
    if (h > 0 && ((Cat(h - 1) == 10 && Cat(h + 1) != 15) || Cat(h - 1) == 1)) {
        KeepOne(h);
        return;
    }
    if (h > 0 && Cat(h - 1) == 14 && Stands(h, "^close on|upon|up")) {
        Setting(h, 18, 26, -1, -1, true);
        W(h + 1).ReadingCategories[0] = 18;
        return;
    }
    if (Stands(h, "^close to")) {
        MarkWords(h, h, 2, Last(h + 1) ? kAdverbial : kPrepositional, 0);
        return;
    }
    if (Stands(h, "^close by")) {
        MarkWords(h, h, 2, Exists(h + 2) && Cat(h + 2) < 9 ? kPrepositional : kAdverbial, 0);
        return;
    }
    Phrase(h, "^close at hand", kAdverbial);
}

void First(i32 h) {
    if ((h > 0 && Readings(h - 1) == 1 && In(Cat(h - 1), 1, 14)) || OneReadingOf(h + 1, 14)) {
        Setting(h, 18, 20, -1, -1, true);
        return;
    }
    if (Phrase(h, "^first of all", kAdverbial)) return;
    if (Stands(h, "^first and foremost|last") && Cat(h + 3) != 10) Phrase(h, "^first and foremost|last", kAdverbial);
}

// The first word from k on that is not an adverb of one reading ("there
// still are", "there will not be").
i32 PastAdverbs(i32 k) {
    while (Exists(k) && Readings(k) == 1 && Cat(k) == 18) ++k;
    return k;
}

void There(i32 h) {
    const i32 v = PastAdverbs(h + 1);
    const u8 model = ModelOf(v);
    const bool be = Exists(v) && Cat(v) == 14 && VerbForm(v) &&
                    (model == 37 || Begins(v, "seem") || Begins(v, "appear") ||
                     (model >= 28 && model <= 38 && ModelOf(PastAdverbs(v + 1)) == 37));
    if (be || (h == 1 && Cat(0) == 14 && VerbForm(0) && ModelOf(0) == 37)) {
        Setting(h, 6, 'K');
        return;
    }
    if (Phrase(h, "over ^there", kAdverbial) || Phrase(h, "^there and then|back", kAdverbial) ||
        Phrase(h, "then|here and ^there", kAdverbial))
        return;
    if (h > 0 && OneReadingOf(h - 1, 15)) W(h).ReadingCategories[0] = 10;
}

// "these", "those" with no noun after them: at the end of the clause,
// before "of", a relative, a preposition or a coordinator ("those of the
// author", "those who left", "I like those.").
bool NoNounAfter(i32 h) {
    if (!Exists(h + 1)) return true;
    const u8 c = Cat(h + 1);
    if (c == 5 || Is(h + 1, "of")) return true;
    return Readings(h + 1) == 1 && (c == 15 || c == 16 || c == 20 || c == 21 || c == 27);
}

void TheseThose(i32 h) {
    if (NoNounAfter(h)) {
        Setting(h, 4, 'F', 8, -1, true);
    } else if (OneReadingOf(h + 1, 14)) {
        Setting(h, 4, 'F');
    } else if (HasReading(h + 1, 11) || HasReading(h + 1, 12)) {
        WordRecord& w = W(h);
        Setting(h, 4, 'F', 8);
        w.ReadingCount = 2;
        w.ReadingCategories[1] = 14;
        w.ReadingClasses[1] = 128;
        w.ReadingFeatures[1] = 3;
    }
}

void Times(i32 h) {
    if (h == 0 || !In(Cls(h - 1), 'Q', 'R', 'S')) return;
    Setting(h, 18, 26, -1, -1, true);
    SetReading0(h - 1, 18, 26);
    if (h > 1 && Is(h - 2, "a")) SetReading0(h - 2, 18, 26);
}

void Under(i32 h) {
    if (Phrase(h, "^under weight|water", kNominal)) return;
    if (In(Cat(h + 1), 7, 8) && Exists(h + 1)) KeepOne(h);
    else if (!HasReading(h + 1, 10)) Setting(h, 18, 20, -1, -1, true);
    else if (h > 0 && In(Cat(h - 1), 7, 8)) Setting(h, 10, 'B', 12, -1, true);
    else KeepOne(h);
}

void Which(i32 h) {
    if (Phrase(h, "in ^which case", kConjunctional)) return;
    if (h == 0) {
        Setting(0, 8, 'P');
        return;
    }
    i32 k = h - 1;
    while (k > 0 && Cat(k) == 18) --k;
    if (Last(h) || !(Readings(k) == 1 && VerbForm(k))) return;
    if (Cat(h + 1) == 10) {
        Setting(h, 8, 'P');
    } else if (Readings(h + 1) == 2 && Cat(h + 1, 1) == 10) {
        Setting(h, 8, 'P');
        CollapseAs(h + 1, 1, 10);
    }
}

void While(i32 h) {
    if (h > 0 && (In(Cat(h - 1), 7, 8) || (Cls(h - 1) == 'B' && In(Cat(h - 2), 7, 8)))) Setting(h, 10, 'A', 20);
    else Setting(h, 17, 17, -1, -1, true);
}

void Behind(i32 h) {
    if (h > 0 && In(Cat(h - 1), 7, 8) && (Last(h) || Cat(h + 1) != 10)) {
        Setting(h, 10, 'A', 4);
    } else if (Phrase(h, "^behind schedule|time", kAdverbial)) {
    } else if (Is(h + 1, "by")) {
        Setting(h, 10, 'B', 12, -1, true);
    } else if (Phrase(h, "^behind the stage", kAdverbial)) {
    } else if (Stands(h, "^behind the") && Exists(h + 2) && Begins(h + 2, "scene")) {
        MarkWords(h, h, 3, kAdverbial, 0);
    } else {
        Setting(h, 18, 20);
    }
}

void Either(i32 h) {
    if (Is(h + 2, "or")) {
        KeepOne(h);
        return;
    }
    if (!Last(h) && Cat(h + 1) != 21) Setting(h, 8, 'Q', 0, 162);
    KeepOne(h);
}

void Extent(i32 h) {
    if (Phrase(h, "to some ^extent", kAdverbial) || Phrase(h, "to a certain ^extent", kAdverbial)) return;
    if (!Stands(h, "to the ^extent")) return;
    if (Exists(h + 1) && (Cat(h + 1) == 17 || Is(h + 1, "that"))) {
        MarkWords(h, h - 2, 4, kConjunctional, 0);
        return;
    }
    Setting(h - 2, 17, 17);
    W(h - 1).ReadingCategories[0] = 18;
    Setting(h, 18, Cls(h), 0, 15, true);
}

void Please(i32 h) {
    if (h == 0 || Cat(h - 1) == 21 || Cat(h + 1) == 14) {
        // The word of politeness: its interjection where the dictionary
        // gives one, else the adverb.
        const i32 r = InterjectionReadingOf(h);
        if (r > 0) CopyReading(W(h), 0, r);
        Setting(h, 18, r >= 0 ? kInterjectionClass : 20, -1, 15, true);
        if (Exists(h + 1)) KeepOne(h + 1);
    } else {
        KeepOne(h);
    }
}

void Within(i32 h) {
    if (Exists(h + 1) && Begins(h + 1, "limit")) MarkWords(h, h, 2, kAdverbial, 0);
    else if (Cat(h + 1) == 16 && Is(h + 2, "without") && Exists(h + 2)) MarkWords(h, h, 3, kAdverbial, 0);
    else if (Exists(h + 1) && (In(Cat(h + 1), 7, 8, 10) || Cat(h + 1, 1) == 10)) Setting(h, 15, 0x22, -1, -1, true);
    else if (Last(h)) Setting(h, 18, 20, -1, -1, true);
}

void Wonder(i32 h) {
    const bool before = h > 0 && (Is(h - 1, "no") || Begins(h - 1, "small") || Begins(h - 1, "little"));
    if (before && Exists(h + 1) && Cat(h + 1) == 17) MarkWords(h, h - 1, 3, kConjunctional, 0);
}

// ---- Seven letters -------------------------------------------------------------

void Nothing(i32 h) {
    if (h == 0) {
        KeepOne(h);
    } else if (Is(h - 1, "a") || (h > 1 && Is(h - 2, "a") && Cls(h - 1) == 'B')) {
        Setting(h, 10, 'A');
    } else if (Phrase(h, "little or ^nothing", kAdverbial)) {
    } else if (Is(h - 1, "no") || Stands(h, "^nothing but|doing")) {
        Setting(h, 18, Cls(h), -1, -1, true);
    } else if (Stands(h, "^nothing for|like")) {
        MarkWords(h, h, 2, Exists(h + 2) && Cat(h + 2) < 9 ? kPrepositional : kAdverbial, 0);
    } else {
        KeepOne(h);
    }
}

void Whether(i32 h) {
    if (h == 0) {
        Setting(0, 6, 'K');
        return;
    }
    if (Phrase(h, "^whether or not", kConjunctional)) return;
    i32 k = h + 1;
    while (k < Count() && !Is(k, "or")) ++k;
    if (k < Count() && Is(k + 1, "not")) {
        if (Is(k + 2, "to")) {
            for (const i32 w : {h, k, k + 1}) SetReading0(w, 18, 26);
        }
        return;
    }
    // "whether to" + a verb: the two words open an infinitive clause.
    if (Is(h + 1, "to") && VerbForm(h + 2)) {
        SetReading0(h, 18, 26);
        SetReading0(h + 1, 18, 26);
    }
}

void Without(i32 h) {
    if ((Stands(h, "^without avail|doubt|end|fail") || (Exists(h + 1) && Begins(h + 1, "limit"))) && Exists(h + 1)) {
        MarkWords(h, h, 2, kAdverbial, 0);
    } else if (Phrase(h, "^without number", kNominal) || Phrase(h, "^without a doubt", kAdverbial)) {
    } else if (Cat(h + 1) == 16 && Is(h + 2, "within") && Exists(h + 2)) {
        MarkWords(h, h, 3, kAdverbial, 0);
    } else if (Last(h)) {
        Setting(h, 18, 20, -1, -1, true);
    } else if (h > 0 && Cat(h - 1) == 7) {
        Setting(h, 10, 'C', -1, -1, true);
    } else {
        AtMostTwo(h);
    }
}


// ---- Dispatch by length ------------------------------------------------------

u16 ThreeLetters(i16 pass, i32 h) {
    const LiteralWord hw = ReadLiteralWord(h);
    if (Is(hw, "all")) All(h);
    else if (Is(hw, "and")) And(h);
    else if (Is(hw, "any")) AnyDay(h);
    else if (Is(hw, "cut") || Is(hw, "eat")) CutEat(h);
    else if (Is(hw, "bit")) Bit(h);
    else if (Is(hw, "far")) FarFrom(h);
    else if (Is(hw, "for")) For(h);
    else if (Is(hw, "few")) Few(h);
    else if (Is(hw, "his")) His(h);
    else if (Is(hw, "how")) How(h);
    else if (Is(hw, "not")) Not(h);
    else if (Is(hw, "now")) Now(h);
    else if (Is(hw, "off")) Off(h);
    else if (Is(hw, "one")) One(h);
    else if (Is(hw, "out")) Out(h, pass);
    else if (Is(hw, "par")) Par(h);
    else if (Is(hw, "say")) Say(h);
    else if (Is(hw, "set")) SetWord(h, pass);
    // "USA" in capitals, whatever the case of its letters' comparison.
    else if (IsAnyCase(h, "usa") && W(h).WordCaseMode >= 3 && W(h).WordCaseMode != 65535) Setting(h, 10, 'C', 0);
    return 0;
}

u16 FourLetters(i16 pass, i32 h) {
    const LiteralWord hw = ReadLiteralWord(h);
    if (Is(hw, "away")) {
        if (!Phrase(h, "far|out and ^away", kAdverbial)) Phrase(h, "right|straight ^away", kAdverbial);
    } else if (Is(hw, "both")) {
        Both(h);
    } else if (Is(hw, "cant")) {
        if (Cant(h)) {
            // The verb after it keeps its verb reading, so that the later
            // passes find the same "can't".
            if (h > 0) KeepOne(h + 1);
            return static_cast<u16>(257 + h);
        }
    } else if (Is(hw, "down")) {
        if (!Phrase(h, "up and ^down", kAdverbial)) Phrase(h, "^down the drain", kAdverbial);
    } else if (Is(hw, "even")) {
        Phrase(h, "^even if|though", kConjunctional);
    } else if (Is(hw, "fact")) {
        if (!Phrase(h, "in ^fact", kAdverbial) && !Phrase(h, "as a matter of ^fact", kAdverbial))
            Phrase(h, "in point of ^fact", kAdverbial);
    } else if (Is(hw, "fair")) {
        Fair(h);
    } else if (Is(hw, "foot")) {
        Foot(h);
    } else if (Is(hw, "from")) {
        if (!Phrase(h, "^from all sides", kAdverbial) && !Phrase(h, "^from time to time", kAdverbial))
            Phrase(h, "^from top to bottom", kAdverbial);
    } else if (Is(hw, "give")) {
        Phrase(h, "^give or|and take", kPaired);
    } else if (Is(hw, "hand")) {
        if (!Phrase(h, "^hand in hand", kAdverbial) && !Phrase(h, "cap|hat in ^hand", kAdverbial) &&
            !Phrase(h, "at first|second ^hand", kAdverbial))
            Phrase(h, "from ^hand to hand", kAdverbial);
    } else if (Is(hw, "hold")) {
        Hold(h);
    } else if (Is(hw, "just") || Is(hw, "only")) {
        JustOnly(h);
    } else if (Is(hw, "last")) {
        Last4(h);
    } else if (Is(hw, "less") || Is(hw, "more") || Is(hw, "most")) {
        LessMore(h);
    } else if (Is(hw, "like")) {
        Like(h);
    } else if (Is(hw, "long")) {
        if (Is(h + 1, "been")) Setting(h, 18, 20);
    } else if (Is(hw, "many")) {
        Many(h);
    } else if (Is(hw, "near") || Is(hw, "next")) {
        NearNext(h);
    } else if (Is(hw, "once")) {
        Once(h);
    } else if (Is(hw, "over")) {
        Over(h);
    } else if (Is(hw, "much")) {
        Much(h, pass);
    } else if (Is(hw, "says")) {
        KeepOne(h);
    } else if (Is(hw, "past")) {
        Past(h);
    } else if (Is(hw, "than")) {
        Than(h, pass);
    } else if (Is(hw, "this")) {
        This(h);
    } else if (Is(hw, "well") || Is(hw, "with")) {
        WellWith(h);
    }
    return 0;
}

u16 FiveOrSixLetters(i32 h) {
    const LiteralWord hw = ReadLiteralWord(h);
    if (Is(hw, "across")) Phrase(h, "^across the board", kAdverbial);
    else if (Is(hw, "before") || Is(hw, "after")) BeforeOrAfter(h);
    else if (Is(hw, "about")) About(h);
    else if (Is(hw, "around")) ApproximateNumber(h);
    else if (Is(hw, "above")) Phrase(h, "^above board", kAdverbial);
    else if (Is(hw, "ahead")) Phrase(h, "straight ^ahead", kAdverbial);
    else if (Is(hw, "below")) Below(h);
    // "had better" before a plain verb is the adverb that turns "had" into
    // advice ("You had better go"), never a noun subject of that verb.
    else if (Is(hw, "better") && h > 0 && Is(h - 1, "had") && Exists(h + 1) && HasReading(h + 1, 14))
        Adverb(h, true, 0);
    else if (Is(hw, "close")) Close(h);
    else if (Is(hw, "every")) AnyDay(h);
    else if (Is(hw, "first")) First(h);
    else if (Is(hw, "hours")) {
        i32 first = 0;
        i32 n = 0;
        if (Match(h, "24|twenty-four ^hours a day", first, n)) {
            MarkWords(h, first, n, kNominal, 0);
            for (i32 w = first; w < first + 3; ++w) W(w).ReadingFeatures[0] = 0;
        }
    } else if (Is(hw, "large")) {
        if (h > 0 && VerbForm(h - 1) && (Begins(h - 1, "loom") || Begins(h - 1, "writ") || Begins(h - 1, "bulk") ||
                                         Begins(h - 1, "sail") || Begins(h - 1, "talk")))
            Setting(h, 18, 20);
    } else if (Is(hw, "later")) {
        if (Cls(h + 1) == 'A' && Exists(h + 1)) Setting(h, 10, 'B', 12, '4', true);
        else Setting(h, 18, 20, 0, '4', true);
    } else if (Is(hw, "often")) {
        if (!Phrase(h, "every so ^often", kAdverbial)) Phrase(h, "once too ^often", kAdverbial);
    } else if (Is(hw, "round")) {
        if (h > 0 && (Is(h - 1, "right") || Is(h - 1, "all")) && Exists(h + 1) && Cat(h + 1) < 9)
            MarkWords(h, h - 1, 2, kPrepositional, 0);
        else if (!Phrase(h, "all year ^round", kNominal))
            Phrase(h, "all the year ^round", kNominal);
    } else if (Is(hw, "though")) {
        // With nothing after it in its clause "though" is the adverb ("It
        // is dear, though.").
        if (ClauseEndsAfter(h)) Setting(h, 18, 20, -1, -1, true);
    } else if (Is(hw, "still")) {
        if ((Exists(h + 1) && In(Cat(h + 1), 14, 21)) || (h > 0 && Cat(h - 1) == 1)) Setting(h, 18, 20, 0, 12, true);
    } else if (Is(hw, "there")) {
        There(h);
    } else if (Is(hw, "thing")) {
        if (!Phrase(h, "first ^thing", kAdverbial)) Phrase(h, "quite the ^thing", kNominal);
    } else if (Is(hw, "these") || Is(hw, "those")) {
        TheseThose(h);
    } else if (Is(hw, "times")) {
        Times(h);
    } else if (Is(hw, "under")) {
        Under(h);
    } else if (Is(hw, "which")) {
        Which(h);
    } else if (Is(hw, "while")) {
        While(h);
    } else if (Is(hw, "behind")) {
        Behind(h);
    } else if (Is(hw, "either")) {
        Either(h);
    } else if (Is(hw, "enough")) {
        if (Cat(h + 1) == 10 && Exists(h + 1)) Setting(h, 10, 'B', 12, 8);
        KeepOne(h);
    } else if (Is(hw, "extent")) {
        Extent(h);
    } else if (Is(hw, "please")) {
        Please(h);
    } else if (Is(hw, "single")) {
        if (!Last(h) && !Is(h + 1, "out")) Setting(h, 10, 'C', 4, '%', true);
    } else if (IsAnyCase(h, "states")) {
        // "the United States": the capital asked for, the words compared
        // without regard to case.
        if (static_cast<i16>(W(h).WordCaseMode) >= 1 && h > 0 && (IsAnyCase(h - 1, "united") || IsAnyCase(h - 1, "the")))
            Setting(h, 10, 0x40, 0, '%', true);
    } else if (Is(hw, "within")) {
        Within(h);
    } else if (Is(hw, "wonder")) {
        Wonder(h);
    }
    return 0;
}

u16 SevenLetters(i32 h) {
    const LiteralWord hw = ReadLiteralWord(h);
    if (Is(hw, "between")) {
        if (Last(h) || Cat(h + 1) == 21) Setting(h, 18, 20, 0, 14, true);
        else if (In(Cat(h + 1), 7, 8, 10) || In(Cat(h + 1), 2, 4)) KeepOne(h);
    } else if (Is(hw, "further")) {
        if ((h > 0 && OneReadingOf(h - 1, 14)) || (Exists(h + 1) && OneReadingOf(h + 1, 14)))
            Setting(h, 18, 20, 0, 18, true);
    } else if (Is(hw, "however")) {
        if (Last(h) || (h >= 2 && Cat(h - 1) == 21 && (Cat(h + 1) == 21 || Cls(h + 1) == 'B')))
            Setting(h, 18, 20, -1, -1, true);
        else KeepOne(h);
    } else if (IsAnyCase(h, "nations")) {
        if (static_cast<i16>(W(h).WordCaseMode) > 0 && h > 0 && IsAnyCase(h - 1, "united"))
            Setting(h, 10, 0x40, 8, '.', true);
    } else if (Is(hw, "nothing")) {
        Nothing(h);
    } else if (Is(hw, "station")) {
        if (h > 0 && (Is(h - 1, "fire") || Is(h - 1, "police") || Is(h - 1, "train") || Is(h - 1, "bus"))) {
            Setting(h - 1, 10, 'A', 4);
            Setting(h, 10, 'A', 4);
        }
    } else if (Is(hw, "whether")) {
        Whether(h);
    } else if (Is(hw, "without")) {
        Without(h);
    }
    return 0;
}

}  // namespace

}  // namespace english

u16 MarkEnglishFixedExpressions(i16 pass, i16 word) {
    using namespace english;
    const i32 h = word;
    if (InterjectionAlone(h) || IndefiniteCompound(h)) return 0;
    switch (TextLength(h)) {
        case 3: return ThreeLetters(pass, h);
        case 4: return FourLetters(pass, h);
        case 5:
        case 6: return FiveOrSixLetters(h);
        case 7: return SevenLetters(h);
        default: return 0;
    }
}
