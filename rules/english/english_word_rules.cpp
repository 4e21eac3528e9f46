// The word loop's rules of the English reading disambiguation: "to", the
// modals and auxiliaries, the present participles and the short words.
#include "frame/report.h"
#include "rules/english/english_disambiguation.h"
#include "rules/english/english_passes.h"
#include "rules/rule_words.h"

using namespace rules;

namespace english {

namespace {

// Writes category and class on words first..last.
void MarkWords(i32 first, i32 last, u8 category, u8 cls) {
    for (i32 k = first; k <= last; ++k) SetReading0(k, category, cls);
}
void ClearFeatures(i32 i) { W(i).ReadingFeatures[0] = 0; }

// The set-phrase effects on words i .. i+k-1.
void Adverbial(i32 i, i32 k) {
    MarkWords(i, i + k - 1, 18, 26);
    for (i32 j = i + 1; j < i + k; ++j) {
        KeepOne(j);
        ClearFeatures(j);
    }
}
void Nominal(i32 i, i32 k) {
    MarkWords(i, i + k - 1, 10, '.');
    for (i32 j = i + 1; j < i + k; ++j) {
        KeepOne(j);
        ClearFeatures(j);
    }
}

// The word keeps one reading: category 13, class 128, features 0, with the
// mark and lemma of its reading 1.
void InfinitiveFromSecond(i32 j) {
    WordRecord& w = W(j);
    w.ReadingCategories[0] = 13;
    w.ReadingClasses[0] = 128;
    w.ReadingFeatures[0] = 0;
    w.ReadingMarks[0] = w.ReadingMarks[1];
    w.ReadingLemmaRefs[0] = w.ReadingLemmaRefs[1];
    w.ReadingCount = 1;
}

bool BareVerb(i32 j, i32 r) { return (Cat(j, r) == 14 && (Feat(j, r) & 15) == 0) || Cat(j, r) == 13; }

// A noun in some reading of word k, after adjectives joined to it by a
// conjunction or a comma ("to great numbers", "to painful and terrible
// work").
bool NounAhead(i32 k) {
    const i32 n = Count();
    while (k < n - 1 && (Cat(k) == 16 || Cat(k) == 21) && (Cls(k + 1) == 'B' || Cls(k + 1) == 'N')) k += 2;
    if (k >= n) return false;
    for (i32 r = 0; r < Readings(k); ++r) {
        const u8 c = Cls(k, r);
        if (c == 'A' || c == '@' || c == 'C' || c == 'M') return true;
    }
    return false;
}

// "from X to X": the second X takes the first one's reading below.
bool FromToSame(i32 i) {
    return i >= 2 && i < Count() - 1 && Is(i - 2, "from") &&
           CompareStrings(W(i - 1).WordText, W(i + 1).WordText) == kCompareEqual;
}

// "from" and an adjective before "to" open a range ("from slowest to
// fastest", "from bad to worse"): the adjective after "to" ends it, and
// "too" has no place there.
bool FromRange(i32 i) {
    if (FromToSame(i)) return true;
    return i >= 2 && Is(i - 2, "from") &&
           AnyReadingOf(i - 1, [i](i32 r) { return Cls(i - 1, r) == 'B' || Cls(i - 1, r) == 'N'; });
}

// A word that may be the infinitive of a split infinitive ("to clearly
// express", whatever reading the passes kept) or the noun an adverb
// qualifies with its phrase ("to more model architectures").
bool VerbOrNounAhead(i32 k) {
    for (i32 r = 0; r < Readings(k); ++r)
        if (Cat(k, r) == 10 || Cat(k, r) == 13 || Cat(k, r) == 14 || VerbClass(k, r)) return true;
    return false;
}

// What may close the adjective of "too big": the sentence's end, a
// punctuation mark, a preposition ("too big for", "too big to carry"), a
// conjunction, an article ("too big a house").
bool ClosesAdjective(i32 k) {
    if (k >= Count()) return true;
    const u8 c = Cat(k);
    return c == 20 || c == 21 || c == 27 || c == 15 || c == 16 || c == 7;
}

// Consistency of "to" with the words after it (pass 1 on): an adjective
// that no noun follows stands where "too" was meant ("to big"). Narrower
// than the readings alone would have it, as our data reads some nouns and
// verbs as adjectives only ("to time long passed", "to eke out"): the
// adjective must be closed by what closes "too big", and an -ing word after
// "to" is a gerund ("used to living"), whatever reading the participle
// rules left it. "to" before an adverb that no verb or noun follows stands
// for "too" as well ("to quickly.").
bool ToFitsNothing(const PassState& s, i32 i) {
    const i32 n = Count();
    if (s.pass < 1 || i >= n - 1) return false;
    if (Cat(i + 1) == 18 && (i == n - 2 || !VerbOrNounAhead(i + 2))) return true;
    const u8 c = Cls(i + 1);
    return (c == 'B' || c == 'N') && !Ends(i + 1, "ing") && !FromRange(i) && !NounAhead(i + 2) &&
           ClosesAdjective(i + 2);
}

bool ToPhrases(i32 i) {
    const i32 n = Count();
    if (i < n - 1 && (Is(i + 1, "wit") || Is(i + 1, "death"))) {
        MarkWords(i, i + 1, 18, 26);
        ClearFeatures(i + 1);
        KeepOne(i + 1);
        return true;
    }
    static const char* const kBefore[] = {"according", "counter", "due", "opposite", "relevant", nullptr};
    const u8 c2 = Cat(i - 2);
    if ((i > 0 && IsOneOf(i - 1, kBefore)) ||
        (i >= 2 && Is(i - 1, "thanks") && (c2 == 21 || c2 == 14 || c2 == 15 || c2 == 17))) {
        MarkWords(i - 1, i, 15, ',');
        KeepOne(i - 1);
        return true;
    }
    if (i >= 2 && Is(i - 1, "going")) {
        i32 k = i - 2;
        while (k >= 0 && (Cat(k) == 14 || Cat(k) == 18)) --k;
        if (k < 0) return true;
        ++k;
        if (Cat(k) == 14 && Model(k) == 37 && i < n - 1 && (Cat(i + 1) == 14 || Cat(i + 1) == 13)) {
            MarkWords(k, i, 14, '-');
            KeepOne(i - 1);
            W(i + 1).ReadingCategories[0] = 13;
            KeepOne(i + 1);
        }
        return true;
    }
    if (i >= 2 && Begins(i - 1, "respect") && (Is(i - 2, "with") || Is(i - 2, "without"))) {
        MarkWords(i - 2, i, 15, ',');
        KeepOne(i - 1);
        return true;
    }
    return false;
}

bool ToArticlePhrases(i32 i) {
    const i32 n = Count();
    if (i < n - 2 && Cat(i + 1) == 7) {
        if (Is(i + 1, "a") && (Is(i + 2, "day") || Is(i + 2, "fault"))) {
            MarkWords(i, i + 2, 18, 26);
            ClearFeatures(i + 1);
            ClearFeatures(i + 2);
            KeepOne(i + 2);
        }
        static const char* const kNominal[] = {"fore", "good", nullptr};
        static const char* const kAdverbial[] = {"contrary", "core", "day", "hilt", "full", nullptr};
        if (Is(i + 1, "the") && IsOneOf(i + 2, kNominal)) Nominal(i, 3);
        if (Is(i + 1, "the") && IsOneOf(i + 2, kAdverbial)) Adverbial(i, 3);
        return true;
    }
    if (i < n - 2) {
        static const char* const kEffect[] = {"avail", "effect", "result", nullptr};
        if ((Is(i + 1, "and") && Is(i + 2, "fro")) ||
            ((Is(i + 1, "no") || Is(i + 1, "little")) && IsOneOf(i + 2, kEffect))) {
            Adverbial(i, 3);
            return true;
        }
        if ((Is(i + 1, "this") || Is(i + 1, "that")) && Is(i + 2, "effect")) {
            Nominal(i, 3);
            return true;
        }
    }
    return false;
}

// Word j, a plain verb form after "to", also a noun that a noun of one
// reading follows: the first noun of a compound ("to school children", "to
// farm workers"), and "to" the preposition. An adjective, a determiner or
// a word the verb may take as its object follows a verb ("to quote other
// writers", "to make money").
bool HasNounReading(i32 j) {
    for (i32 r = 0; r < Readings(j); ++r)
        if (Cat(j, r) == 10 && Cls(j, r) != 'B') return true;
    return false;
}
bool NounCompoundAfterTo(i32 j) {
    return Cat(j + 1) == 10 && Readings(j + 1) == 1 && Cls(j + 1) != 'B' && HasNounReading(j);
}

void ToVerb(i32 i) {
    const i32 n = Count();
    if (Cat(i + 1) == 13 || (Cat(i + 1) == 14 && (Feat(i + 1) & 15) == 0)) {
        if (W(i + 1).WordCaseMode < 1) {
            if (i + 1 < n && NounCompoundAfterTo(i + 1)) return;
            W(i).ReadingCategories[0] = 18;
            W(i + 1).ReadingCategories[0] = 13;
            KeepOne(i + 1);
        } else {
            W(i).ReadingCategories[0] = 18;
            SetReading0(i + 1, 10, '@');
            ClearFeatures(i + 1);
            KeepOne(i + 1);
        }
        return;
    }
    if (i < n - 2 && Cat(i + 1) == 18) {
        if (BareVerb(i + 2, 0) && (Cat(i + 2) == 13 || Feat(i + 2) == 0)) {
            W(i).ReadingCategories[0] = 18;
            W(i + 2).ReadingCategories[0] = 13;
            KeepOne(i + 2);
            return;
        }
    }
    if (Readings(i + 1) > 1 && BareVerb(i + 1, 1)) {
        W(i).ReadingCategories[0] = 18;
        InfinitiveFromSecond(i + 1);
        return;
    }
    if (i < n - 2 && Cat(i + 1) == 18 && Readings(i + 2) > 1 &&
        ((Cat(i + 2, 1) == 14 && Feat(i + 2, 1) == 0) || Cat(i + 2, 1) == 13)) {
        W(i).ReadingCategories[0] = 18;
        W(i + 2).ReadingCategories[0] = 13;
        KeepOne(i + 2);
        return;
    }
    if (i < n - 1 && Cat(i + 1) == 8 && Cls(i + 1) == 'S' && TextLength(i + 1) == 4 &&
        (Letter(i + 1, 0) == '1' || Letter(i + 1, 0) == '2')) {
        KeepOne(i);
        MarkWords(i, i + 1, 18, 26);
        ClearFeatures(i + 1);
    }
}

}  // namespace

WordOutcome InfinitiveMarkerRules(PassState& s, i32 i) {
    if (!Is(i, "to")) return WordOutcome::kGoOn;
    if (ToFitsNothing(s, i)) {
        s.early = static_cast<i16>(257 + i);
        return WordOutcome::kReturn;
    }
    const i32 n = Count();
    if (!ToPhrases(i) && !ToArticlePhrases(i) && i < n - 1) ToVerb(i);
    // from X to X
    if (s.pass >= 1 && FromToSame(i)) {
        WordRecord& w = W(i + 1);
        w.ReadingCategories[0] = Cat(i - 1);
        w.ReadingClasses[0] = Cls(i - 1);
        w.ReadingFeatures[0] = Feat(i - 1);
        w.ReadingCount = 1;
    }
    return WordOutcome::kGoOn;
}

void NounReading(i32 i, u8 mark) {
    WordRecord& w = W(i);
    w.ReadingCount = 1;
    w.ReadingCategories[0] = 10;
    w.ReadingClasses[0] = 'A';
    w.ReadingFeatures[0] = 4;
    w.ReadingMarks[0] = mark;
}

namespace {

bool DeterminerBefore(i32 i) { return i > 0 && (Cat(i - 1) == 7 || (Cls(i - 1) >= 109 && Cls(i - 1) <= 123)); }

// Sub-rule 5 of the modal block: can, may, must, will, need.
void ModalOrNoun(i32 i) {
    const i32 n = Count();
    if (i > 0 && Cat(i - 1) != 1) {
        if (Is(i + 1, "be") || (Is(i + 1, "not") && Cat(i + 2) == 14)) {
            KeepOne(i);
            return;
        }
        if (IsAnyCase(i, "may") && W(i).WordCaseMode > 0) {
            NounReading(i, ',');
            return;
        }
        if (DeterminerBefore(i)) {
            NounReading(i, ',');
            return;
        }
        if (Cat(i - 1) == 18) {
            KeepOne(i);
            return;
        }
    }
    if (i < n - 1 && Cat(i + 1) == 14) {
        const u8 f = Feat(i + 1);
        if (i > 0 && Cat(i - 1) != 1 && (f & 15) == 1) {
            NounReading(i, ',');
            KeepOne(i + 1);
        } else if ((f & 15) == 0 || f == 3 || f == 4 || f == 24) {
            KeepOne(i);
        }
    } else if (i < n - 2 && (Cat(i + 2) == 14 || Cat(i + 2) == 13) && Cat(i + 1) == 18) {
        if (i > 0 && Cat(i - 1) != 1 && (Feat(i + 2) & 15) == 1) {
            NounReading(i, ',');
            KeepOne(i + 2);
        } else if ((Feat(i + 2) & 15) == 0) {
            KeepOne(i);
            if (Is(i, "need") && Is(i + 1, "to")) KeepOne(i + 2);
        }
    }
}

bool AdverbLike(i32 j) {
    const u16 n = Readings(j);
    if (n == 1) return Cat(j) == 18 && !Is(j, "how") && !Is(j, "no");
    if (n == 2) return Cat(j) == 18 || Cat(j, 1) == 18;
    if (n == 3) return Cat(j) == 18 || Cat(j, 1) == 18 || Cat(j, 2) == 18;
    return true;  // no reading, or more than three
}

bool BeOrHave(u8 m) { return m == 37 || m == 165 || m == 38; }

// Makes word j an infinitive after the modal (sub-rule 6 forms).
void InfinitiveAfter(i32 i, i32 j, bool second) {
    const u8 m = Mark(i);
    if (second) {
        if (m != 37 && m != 165) InfinitiveFromSecond(j);
        else KeepOne(j);
    }
}

void AfterModal(i32 i) {
    const i32 n = Count();
    if (Cls(i) == 128) W(i).ReadingClasses[0] = 242;
    i32 j = i + 1;
    while (j < n && AdverbLike(j)) ++j;
    const u8 m = Mark(i);
    if (VerbClass(j) && Cat(j) == 14 && (Feat(j) == 0 || Feat(j) == 16) && !Begins(i, "need")) {
        if (!BeOrHave(m)) {
            W(j).ReadingCategories[0] = 13;
            KeepOne(j);
        } else if (Readings(j) == 1) {
            W(j).ReadingCategories[0] = 13;
        }
    } else if (Readings(j) == 2 && ((Cat(j, 1) == 14 && (Feat(j, 1) == 0 || Feat(j, 1) == 16)) || Cat(j, 1) == 13)) {
        InfinitiveAfter(i, j, true);
    }
    if (Cat(j) == 1 || Cls(j) == 92) {
        W(j).ReadingCategories[0] = 3;
        // The verb after the subject may come second to a noun it is spelt
        // like ("should I be": the noun "be" first).
        const i32 k = j + 1;
        if (Cls(k) == 128 || (Readings(k) == 2 && Cls(k, 1) == 128)) {
            if (Cat(k) == 14 && Feat(k) == 0) {
                if (!(BeOrHave(m) && Readings(k) > 1)) {
                    W(k).ReadingCategories[0] = 13;
                    KeepOne(k);
                }
            } else if (Readings(k) == 2 && ((Cat(k, 1) == 14 && (Feat(k, 1) & 15) == 0) || Cat(k, 1) == 13)) {
                InfinitiveAfter(i, k, true);
            }
        }
    }
}

}  // namespace

WordOutcome ModalRules(PassState& s, i32 i, bool& skip) {
    skip = false;
    const u8 model = Model(i);
    if (Cat(i) == 14 && model >= 27 && model <= 38) {
        skip = true;
        const u8 m = Mark(i);
        if (m == 34) {
            KeepOne(i);
            if (((Feat(i) & 15) == 0 || (Feat(i) & 15) == 2) && DeterminerBefore(i)) NounReading(i, '/');
        } else if (m == 38) {
            KeepOne(i);
            if ((Feat(i) & 15) == 0 && Cat(i - 1) == 7) {
                NounReading(i, '%');
                s.early = 0;
                return WordOutcome::kReturn;
            }
        } else if (Is(i, "are")) {
            KeepOne(i);
            if (i >= 1 && (Cat(i - 1) == 7 || Is(i - 1, "one"))) {
                NounReading(i, '%');
                W(i).ReadingLemmaRefs[0] = AreNounLemma();
                s.early = 0;
                return WordOutcome::kReturn;
            }
        } else if (Is(i, "might")) {
            if (i > 0 && Feat(i - 1) == 4 && (Cat(i - 1) == 7 || Cat(i - 1) == 8)) NounReading(i, 27);
            else if (Cls(i - 1) != 'B') KeepOne(i);
        } else {
            static const char* const kModals[] = {"can", "may", "must", "will", "need", nullptr};
            // "May" with a capital is asked for by its month rule.
            if (IsOneOf(i, kModals) || IsAnyCase(i, "may")) {
                if (Is(i, "need")) W(i).ReadingFeatures[0] = 0;
                ModalOrNoun(i);
            }
        }
        AfterModal(i);
        return WordOutcome::kGoOn;
    }
    if (Cat(i) == 14 && (Mark(i) == 39 || (Mark(i) == 69 && Letter(i, 0) == 's'))) {
        skip = true;
        if (i > 0 && Cat(i - 1) == 7) return WordOutcome::kGoOn;
        if (Mark(i) == 69 && Readings(i) >= 2) W(i).ReadingLemmaRefs[0] = SeeLemma();
        KeepOne(i);
    }
    if (!skip) ParticleVerbRules(s, i);
    return WordOutcome::kGoOn;
}

namespace {

void Adjective(i32 i) {
    WordRecord& w = W(i);
    w.ReadingCount = 1;
    SetReading0(i, 10, 'B');
    w.ReadingFeatures[0] = 12;
}

void Preterite(i32 i) {
    WordRecord& w = W(i);
    w.ReadingCount = 1;
    SetReading0(i, 14, 128);
    w.ReadingFeatures[0] = 3;
}

// Preterite and a second reading (category, class, features) with mark 36
// and the first reading's lemma.
void PreteriteAnd(i32 i, u8 category, u8 cls, u8 features) {
    WordRecord& w = W(i);
    w.ReadingFeatures[0] = 3;
    w.ReadingCategories[1] = category;
    w.ReadingClasses[1] = cls;
    w.ReadingFeatures[1] = features;
    w.ReadingMarks[1] = 36;
    w.ReadingLemmaRefs[1] = w.ReadingLemmaRefs[0];
    w.ReadingCount = 2;
}

bool ArticleOrDeterminer(i32 j) { return Cat(j) == 7 || Cat(j) == 8; }

// The decisions on a past form that is both preterite and participle.
void PastFormDecision(const PassState& s, i32 i) {
    const i32 n = Count();
    const i32 p = i - 1;
    if (i == 0) return Adjective(i);
    if (Cat(p) == 2 || Is(p, "these") || Is(p, "those")) return PreteriteAnd(i, 11, 128, 0);
    if (Is(i, "aged") && (Cls(i + 1) == 'R' || Cls(i + 1) == 'S')) return Adjective(i);
    if ((Readings(p) == 1 && Cat(p) < 7) || (Cls(p) == 'O' && Cat(i + 1) != 10) ||
        (Cat(p) == 21 && Cat(i + 1) < 11))
        return Preterite(i);
    const u8 m = Model(i);
    if ((m == 'Z' && Letter(i, 0) == 't') || (m == 's' && Letter(i, 0) == 's') || (m == 16 && Begins(i, "declar"))) {
        if (Cat(p) == 7 && Cat(i + 1) == 10) return Adjective(i);
        if (Cat(p) == 8) return;
        return Preterite(i);
    }
    if (Cat(i, 1) == 14 && Feat(i, 1) == 0 && (Cat(p) == 21 || Cat(p) == 16) && VerbClass(i - 2)) {
        WordRecord& w = W(i);
        w.ReadingCategories[0] = Cat(i - 2);
        w.ReadingFeatures[0] = 0;
        w.ReadingMarks[0] = w.ReadingMarks[1];
        w.ReadingCount = 1;
        return;
    }
    if (Cat(p) == 14 && Model(p) >= 28 && Model(p) <= 36) return KeepOne(i);
    if (Readings(i + 1) == 1 && Cat(i + 1) == 14) {
        const bool subject = Cat(p) == 1 || (i >= 2 && Cat(i - 2) < 13 && (Cls(p) == '@' || Cls(p) == 'A'));
        if (subject && Cat(i + 1) != 15) return Preterite(i);
        return Adjective(i);
    }
    if (i > 2 && Cat(i - 2) == 1 && Cat(p) == 18) return Preterite(i);
    if (Is(i, "been") && Cat(p) == 14 && Model(p) == 38) {
        SetReading0(i, 11, Cls(i));
        W(i).ReadingFeatures[0] = 3;
        return;
    }
    if ((Readings(i + 1) == 1 && ArticleOrDeterminer(i + 1)) || (Cat(i + 1) == 10 && Cat(p) == 10) ||
        (Is(i + 1, "to") && Cat(i + 2) == 13))
        return Preterite(i);
    if ((Is(i + 1, "that") || Cat(i + 1) == 17) && Readings(i + 2) == 1 && ArticleOrDeterminer(i + 2)) {
        Preterite(i);
        SetReading0(i + 1, 17, 17);
        return;
    }
    if (Cat(i + 1) == 18 && Readings(i + 2) == 1 && ArticleOrDeterminer(i + 2)) return Preterite(i);
    if (Readings(i + 1) >= 2 && (Cat(i + 1) == 10 || Cat(i + 1, 1) == 10) && ArticleOrDeterminer(p)) {
        Adjective(i);
        if (Cat(i + 1) != 10) CopyReading(W(i + 1), 0, 1);
        KeepOne(i + 1);
        return;
    }
    if (s.pass == 0 || Cat(p) != 18) return PreteriteAnd(i, 10, 'B', 12);
    if (i < 2 || Cat(i - 2) != 10) return Adjective(i);
    Preterite(i);
    (void)n;
}

// The word reached from a two-reading word over a coordinating conjunction.
void PastFormAfterDecision(i32 i) {
    const i32 n = Count();
    if (Readings(i) == 2 && Cat(i - 1) == 16) {
        i32 k = i - 2;
        while (k > 0 && !(Readings(k) == 1 && (Cat(k) == 14 || Cat(k) == 17))) --k;
        if (k > 0 && Feat(k) == 3) Preterite(i);
    }
    if (Readings(i) == 2 && Cat(i + 1) == 16) {
        i32 k = i + 2;
        while (k < n && !(Readings(k) == 1 && (Cat(k) == 14 || Cat(k) == 17))) ++k;
        if (k < n && (Feat(k) == 3 || Feat(k) == 11)) Preterite(i);
    }
    i32 k = i - 1;
    while (k >= 1 && Cat(k) == 18) --k;
    if (k >= 1 && Readings(k) == 1 && (Cat(k) == 14 || Cat(k) == 13 || Cat(k) == 12)) Adjective(i);
}

void PresentParticiple(i32 i) {
    const i32 n = Count();
    const i32 p = i - 1;
    const u8 mp = Model(p);
    // "is busy doing", "was still running": the adverb after "be"
    const bool afterBe = i > 1 && (Cat(p) == 18 || Cat(p, 1) == 18 || Is(p, "busy")) && VerbClass(i - 2) &&
                         Model(i - 2) == 37;
    if ((VerbClass(p) && (mp == 37 || mp == 48 || mp == 110 || mp == 69 || mp == 21 || mp == 99)) || afterBe ||
        Is(p, "while") || Is(p, "these") || Is(p, "those") || Is(p, "that") ||
        (i < n - 1 && ArticleOrDeterminer(i + 1)))
        return;
    if (ArticleOrDeterminer(p) || (Cat(p) == 10 && Cat(i + 1) == 10)) {
        W(i).ReadingCategories[0] = 10;
        bool adjective = false;
        if (i == n - 1) adjective = false;
        else if (i < n - 2 && Cat(i + 1) == 21 && Cls(i + 2) == 'B') adjective = true;
        else adjective = Cat(i + 1) == 10;
        W(i).ReadingClasses[0] = adjective ? 'B' : 'A';
        W(i).ReadingFeatures[0] = adjective ? 12 : 4;
        return;
    }
    const bool verbBefore = VerbClass(p) && (VerbClass(p, 1) || Feat(p) < 16);
    if (!verbBefore && Cat(p) != 7 && Cat(p) != 8 && Cat(p) != 15) return;
    const u8 m = Model(i);
    const bool keep = (Cat(i + 1) == 10 && m == 'w') || m == 'K' || m == ')' || m == 24 || m == 'Z' ||
                      m == 'R' || m == 'q' || m == '@' || m == ';' ||
                      (m == 1 && (Begins(i, "ask") || Begins(i, "offer") || Begins(i, "award")));
    if (!keep) Adjective(i);
}

// Word k opens a clause: the sentence's first word, or one after a comma.
bool OpensClause(i32 k) { return k == 0 || Cat(k - 1) == 21; }

// The verb before "let" that governs it: an infinitive of class 242.
void GoverningInfinitive(i32 k) {
    SetReading0(k, 13, 242);
    W(k).ReadingFeatures[0] = 0;
    KeepOne(k);
}

// The verbs whose base form after an opening bracket is taken for an
// infinitive, by model.
bool InfinitiveAfterBracket(i32 i) {
    const u8 m = Model(i);
    static const char kModels[] = {'E', 39, 34, 'h', 'i', '@', '8', 'K', ')', '+', ';'};
    for (const char k : kModels)
        if (m == static_cast<u8>(k)) return true;
    return (m == 1 && (Begins(i, "look") || Begins(i, "refer") || Begins(i, "remark"))) ||
           (m == 16 && Begins(i, "not"));
}

// An infinitive after a verb of perception or causation ("heard him
// sing", "let it go"), after "why", "but", "except" (pass 1 on).
void InfinitiveAfterGoverningWord(const PassState& s, i32 i) {
    const i32 p = i - 1;
    // Feature 16 is the base form too, of a verb whose noun is the more
    // frequent ("let me change the subject").
    if (s.pass < 1 || i < 1 || Cat(i) != 14 || (Feat(i) != 0 && Feat(i) != 16)) return;
    if (Cls(p) == 24 || Cat(p) == 1 || Cat(p) == 7 || Cat(p) == 8) return;
    i32 w = p;
    while (w >= 0 && !((Cat(w) >= 11 && Cat(w) <= 15) || Cat(w) == 17 || Cat(w) == 5)) --w;
    if (w >= 0 && Cat(w) != 17) {
        const u8 m = Model(w);
        if ((m == 20 && Begins(w, "let")) || m == ';' || m == 'E' || m == 'Y' || (m == 21 && Begins(w, "hear")) ||
            (m == 1 && Begins(w, "help")) || (m == 3 && Begins(w, "watch")) || Is(w, "gonna")) {
            W(i).ReadingCategories[0] = 13;
            KeepOne(i);
            if (Begins(w, "let")) {
                // the governing verb before "let", an adverb between or not
                if (Cls(w - 1) == 242) GoverningInfinitive(w - 1);
                else if (Cat(w - 1) == 18 && Cls(w - 2) == 242) GoverningInfinitive(w - 2);
            }
            return;
        }
    }
    if ((Is(p, "why") && OpensClause(p)) || (Is(p, "not") && Is(p - 1, "why") && OpensClause(p - 1)) ||
        Is(p, "except") || Is(p, "but") || (Is(p, "not") && (Is(p - 1, "except") || Is(p - 1, "but"))) ||
        (Is(p, "than") && Is(p - 1, "rather") && Cat(p - 2) == 13) || (Cat(p) == 16 && Cat(p - 1) == 13)) {
        W(i).ReadingCategories[0] = 13;
        return;
    }
    if (Cat(p) == 21) {
        i32 k = p - 1;
        while (k >= 2 && Cat(k) != 21) --k;
        if (k >= 2 && Cls(k - 1) == 242) {
            W(i).ReadingCategories[0] = 13;
            KeepOne(i);
        }
    } else if (Letter(p, 0) == '(' && InfinitiveAfterBracket(i)) {
        W(i).ReadingCategories[0] = 13;
        KeepOne(i);
    }
}

}  // namespace

void ParticipleRules(PassState& s, i32 i, bool skip) {
    if (skip) return;
    if (Readings(i) == 1 && Cat(i) == 12) {
        if (i > 0) PresentParticiple(i);
        return;
    }
    if (!ThatOrWhatRules(s, i)) {
        if (i > 0 && Cat(i) == 5 && Cls(i) == 'I') W(i).ReadingCategories[0] = Cat(i - 1) == 15 ? 5 : 17;
        if (i > 0 && Cat(i) == 14 && Is(i - 1, "let's")) W(i).ReadingCategories[0] = 13;
    }
    InfinitiveAfterGoverningWord(s, i);
    if (Cat(i) == 14 && Feat(i) == 24) {
        W(i).ReadingClasses[0] = 128;
        PastFormDecision(s, i);
        if (i > 0) PastFormAfterDecision(i);
    }
}

// "if" (not the last word): the noun after an article ("the ifs"), "if
// not", "if anything", "if need be", before an adjective after a noun
// and a comma, a preposition before "any..." after a comma; otherwise
// the conjunction alone.
void IfRules(i32 i) {
    const i32 n = Count();
    if (i > 0 && (Cat(i - 1) == 7 || (Cls(i - 1) == 'B' && Cat(i - 2) == 7))) {
        NounReading(i, '&');
        return;
    }
    if (Is(i + 1, "not") || (Is(i + 1, "anything") && (i + 2 >= n || Cat(i + 2) != 14))) {
        if (i + 2 < n && Cat(i + 2) != 21) {
            MarkWords(i, i + 1, 17, '*');
            KeepOne(i + 1);
        } else {
            Adverbial(i, 2);
        }
        KeepOne(i);
        return;
    }
    if (Is(i + 1, "need") && Is(i + 2, "be") && i + 2 < n) {
        Adverbial(i, 3);
    } else if (i > 1 && Cat(i - 1) == 21 && Cat(i - 2) == 10 && Cls(i + 1) == 'B') {
        SetReading0(i, 18, 20);
    } else if (i > 0 && Cat(i - 1) == 21 && Begins(i + 1, "any")) {
        SetReading0(i, 15, 34);
        ClearFeatures(i + 1);
    }
    KeepOne(i);
}

}  // namespace english
