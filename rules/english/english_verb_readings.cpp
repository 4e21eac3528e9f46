// Readings the words around a verb settle: a verb and its particle ("gave
// up", "let it out") handed to the lexical database as one phrase, and the
// uses of "that" and "what" (relative, determiner, demonstrative,
// conjunction) read from their neighbours.
#include "frame/resources.h"
#include "morphology/dict_format.h"
#include "rules/english/english_disambiguation.h"
#include "rules/rule_words.h"

using namespace rules;

namespace english {

namespace {

// The particle at word i, with its verb at v: a preposition before the
// end of the clause, a short adverb, or one of the verb forms that work as
// particles ("back", "down", "forward", "open", "out"). After an object
// pronoun ("let it out") "to" may be an adverb particle too.
bool ParticleAt(i32 i, bool afterPronoun) {
    const i32 n = Count();
    if (Cat(i) == 15 && Cls(i) != ',' && !Is(i, "of")) {
        if (i == n - 1) return true;
        const u8 c = Cat(i + 1);
        if (Readings(i + 1) == 1 && (c == 11 || c == 14 || c == 15 || c == 16 || c == 17) && !Is(i + 1, "that"))
            return true;
        if (c == 14 && (Feat(i + 1, 1) & 3) == 1) return true;
    }
    if (Cat(i) == 18 && (afterPronoun || !Is(i, "to")) && Cls(i) != 26 && TextLength(i) < 7) return true;
    static const char* const kVerbParticles[] = {"back", "down", "forward", "open", "out", nullptr};
    return VerbClass(i) && TextLength(i) < 8 && IsOneOf(i, kVerbParticles);
}

bool VerbOfParticle(const PassState& s, i32 v) { return v >= 0 && VerbClass(v) && (Readings(v) == 1 || s.pass >= 1); }

// The length of the ending of `form` in a model row; 0 for the empty
// ending "$".
u32 EndingLength(const EnglishEndingRow& row, i32 form, const u8*& text) {
    const u32 length = row.EndingLengths.ClampedAt(form);
    text = EndingText(length, row.EndingIndexes.ClampedAt(form));
    if (text == nullptr || (length == 1 && text[0] == '$')) return 0;
    return length;
}

// The phrase under construction; fixed scratch (a pass allocates nothing).
Work36& PhraseScratch() {
    static Work36 phrase;
    return phrase;
}

}  // namespace

void VerbBaseForm(i32 v, BoundedString& out) {
    TextCopy(out, W(v).WordText);
    const i32 form = Feat(v) & 15;
    if (form == 0) return;
    // The model row without the linking-verb flag; a form's ending never
    // cuts more than the text holds.
    const EnglishEndingRow& row = gEnglishEndingRows.ClampedAt(Model(v));
    const u8* text = nullptr;
    const u32 cut = EndingLength(row, form, text);
    const u32 length = TextLen(out);
    TextCut(out, cut < length ? length - cut : 0);
    const u32 base = EndingLength(row, 0, text);
    if (base > 0) AppendBytesToString(out, text, static_cast<i32>(base));
}

i32 ParticleVerbPhrase(const PassState& s, i32 i, BoundedString& phrase) {
    i32 v = i - 1;
    if (!(VerbOfParticle(s, v) && ParticleAt(i, false))) {
        v = i - 2;
        if (!(i >= 2 && Cat(i - 1) == 2 && VerbOfParticle(s, v) && ParticleAt(i, true))) return -1;
    }
    VerbBaseForm(v, phrase);
    AppendByteToString(phrase, '_');
    AppendString(phrase, W(i).WordText);
    return v;
}

void SettleParticleVerb(i32 v, i32 particle, const BoundedString& phrase) {
    SetReading0(particle, 18, 31);
    KeepOne(particle);
    const u8 after = Cat(particle + 1);
    if (after != 7 && after != 8) KeepOne(v);
    TextCopy(W(v).BaseText, phrase);
}

void ParticleVerbRules(const PassState& s, i32 i) {
    BoundedString& phrase = PhraseScratch().s;
    const i32 v = ParticleVerbPhrase(s, i, phrase);
    if (v >= 0 && QueryLexicalDatabase(&phrase, 4) != 0) SettleParticleVerb(v, i, phrase);
}

bool TakesContentClause(i32 k) {
    static const char* const kNouns[] = {
        "fact", "idea", "belief", "hope", "hopes", "news", "notion", "claim", "claims", "assumption", "possibility",
        "feeling", "impression", "sense", "thought", "fear", "fears", "doubt", "rumor", "rumour", "rumors", "rumours",
        "proof", "sign", "signs", "suggestion", "argument", "conclusion", "assurance", "guarantee", "likelihood",
        "probability", "realization", "realisation", "knowledge", "certainty", "indication", "chance", "theory",
        nullptr};
    return Cat(k) == 10 && IsOneOf(k, kNouns);
}

bool RelativeAfter(i32 k) {
    return Readings(k) == 1 && Cat(k) == 10 && (Cls(k) == 'A' || Cls(k) == '@') && !TakesContentClause(k);
}

namespace {

// Word k ends a noun group opened by "such" ("such a mild form that"):
// "that" after it opens the clause of the result, a conjunction.
bool AfterSuchGroup(i32 k) {
    i32 j = k;
    while (j > 0 && Cat(j) == 10) --j;
    if (j < k && Cat(j) == 7) --j;
    return j >= 0 && j < k && Is(j, "such");
}

}  // namespace

namespace {

// One reading of category, class and features, mark 20 (the closed-class
// words' own readings).
void OneReading(i32 i, u8 category, u8 cls, u8 features) {
    WordRecord& w = W(i);
    w.ReadingCount = 1;
    SetReading0(i, category, cls);
    w.ReadingFeatures[0] = features;
    w.ReadingMarks[0] = 20;
}
void Determiner(i32 i) { OneReading(i, 8, 'O', 4); }
void Demonstrative(i32 i) { OneReading(i, 4, 'F', 4); }
void Conjunction(i32 i) { OneReading(i, 17, 17, 0); }

// Reading 1 of "that": category, class and features 4, mark 20, the lemma
// of reading 0; two readings.
void SecondReading(i32 i, u8 category, u8 cls) {
    WordRecord& w = W(i);
    w.ReadingCategories[1] = category;
    w.ReadingClasses[1] = cls;
    w.ReadingFeatures[1] = 4;
    w.ReadingMarks[1] = 20;
    w.ReadingLemmaRefs[1] = w.ReadingLemmaRefs[0];
    w.ReadingCount = 2;
}

bool Plural(u8 features) { return features == 8 || features == 9; }

// Word j may be a noun: category 10, or a verb whose second reading is
// category 10 (the reorder puts the verb reading of "house", "use" first).
bool NounNext(i32 j) { return Cat(j) == 10 || (Cat(j) == 14 && Readings(j) > 1 && Cat(j, 1) == 10); }

// A singular noun or adjective reading, on reading 0 or else on reading 1.
// A word of either number ("whatever", "such") may open a clause of its
// own: "said that whatever anxieties" keeps the conjunction.
bool Singular(u8 features) { return (features & 12) == 4; }

bool SingularNounNext(i32 j) {
    if (Cat(j) == 10) return Singular(Feat(j));
    return Readings(j) > 1 && Cat(j, 1) == 10 && Singular(Feat(j, 1));
}

// Word k cannot open a relative clause with "that" after it: a verb, an
// adverb, a subordinating conjunction or a mark. "that" between such a
// word and a verb is the demonstrative subject of that verb ("I think that
// is right", "Now that seems odd"): a conjunction would leave its clause
// without a subject.
bool NoAntecedent(i32 k) {
    const u8 c = Cat(k);
    return VerbClass(k) || c == 17 || c == 18 || c == 20 || c == 27;
}

// Word k may stand before a demonstrative subject but never before a
// clause "that" opens: "but", a coordinator after a comma (elsewhere
// "and that" may join "that" to a noun before it), "what" or "than" ("but
// that can wait", "what that means", "other than that I").
bool OpensDemonstrative(i32 k) {
    const u8 c = Cat(k);
    if (c == 16) return Is(k, "but") || k == 0 || Cat(k - 1) == 21;
    return Readings(k) == 1 && (Is(k, "what") || Is(k, "than"));
}

bool Capital(i32 k) { return static_cast<i16>(W(k).WordCaseMode) > 0; }

// A verb-or-noun word k that a subject pronoun, a modal or "to" makes the
// verb ("I think that is right").
bool VerbAfterSubject(i32 k) {
    if (k < 1 || !VerbClass(k)) return false;
    const u8 c = Cat(k - 1);
    return c == 1 || c == 3 || Cls(k - 1) == 242 || Is(k - 1, "to");
}

// Word k ends the clause of a "that" before it: a closing mark or a
// coordinating conjunction ("I appreciate that.", "like that but"); a
// comma or a quote may stand before the clause "that" opens.
bool EndsThatClause(i32 k) {
    if (k >= Count() || Cat(k) == 16) return true;
    const u8 c = Letter(k, 0);
    return (Cat(k) == 20 || Cat(k) == 27) && (c == '.' || c == '!' || c == '?' || c == ')' || c == ';');
}

bool ModalAt(i32 k) {
    static const char* const kModals[] = {"can", "could", "may", "might", "must", "shall", "should", "will", "would", nullptr};
    return IsOneOf(k, kModals);
}

// An adverb of one reading and then the end of the clause ("taught us
// that yet.", "said that too.").
bool EndsAfterAdverb(i32 k) {
    return k < Count() && Readings(k) == 1 && Cat(k) == 18 && EndsThatClause(k + 1) && (k + 1 == Count() || Cat(k + 1) != 16);
}

// "that" at the start of the sentence: the relative before a subject
// pronoun, a determiner before a noun; false when neither.
bool ThatOpening() {
    if (Cat(1) == 1) {
        KeepOne(0);
        return true;
    }
    if (Cat(1) == 10) {
        Determiner(0);
        return true;
    }
    if (Cat(1) == 14 && Readings(1) > 1 && Cat(1, 1) == 10) {
        Determiner(0);
        CopyReading(W(1), 0, 1);
        KeepOne(1);
        return true;
    }
    return false;
}

// "that" after a word of clause role: conjunction, relative, determiner
// or demonstrative.
void ThatInClause(const PassState& s, i32 i) {
    const i32 n = Count();
    const i32 p = i - 1;
    if (s.pass >= 1 && Cat(p) == 15) {
        if (NounNext(i + 1)) Determiner(i);
        else Demonstrative(i);
        return;
    }
    const bool oneP = Readings(p) == 1;
    if (oneP && (Cat(p) == 11 || Cat(p) == 14) && i < n - 1 && SingularNounNext(i + 1) && !Capital(i + 1)) {
        Determiner(i);
        return;
    }
    const u8 next = Cat(i + 1);
    if (i < n - 1 && (next == 7 || next == 8 || next == 4)) {
        Conjunction(i);
        SecondReading(i, 5, 'G');
        W(i).ReadingFeatures[1] = 0;
        if (oneP && (Cat(p) == 14 || Cat(p) == 13 || Cat(p) == 12)) KeepOne(i);
        if (oneP && Cat(p) == 10 && !TakesContentClause(p) && !AfterSuchGroup(p)) {
            CopyReading(W(i), 0, 1);
            KeepOne(i);
        }
        if (TakesContentClause(p)) KeepOne(i);
        return;
    }
    // After a noun a subject pronoun opens the relative clause ("the fees
    // that they charge").
    if (i < n - 1 && (next == 1 || next == 3) && RelativeAfter(p)) {
        KeepOne(i);
        return;
    }
    if (!(oneP && VerbClass(p))) return;
    if (((next == 10 || next == 8) && Plural(Feat(i + 1))) || (Cls(i + 1) == ' ' && Cat(i + 2) == 13)) {
        Conjunction(i);
        return;
    }
    const bool pluralNoun = Readings(i + 1) > 1 && Cat(i + 1, 1) == 10 && Plural(Feat(i + 1, 1));
    Conjunction(i);
    if (pluralNoun) SecondReading(i, 4, 'F');
    else SecondReading(i, 8, 'O');
}

// The uses of "that": the relative kept after a noun before a verb, "so
// that", or its use read from the words around it; the demonstrative
// where nothing else fits ("that of", "that which").
void That(const PassState& s, i32 i) {
    const i32 n = Count();
    const i32 p = i - 1;
    if (i == 0 && ThatOpening()) return;
    if (i > 0 && Readings(i + 1) == 1 && Cat(i + 1) == 14) {
        if (Readings(p) == 1 && Cat(p) == 10) {
            KeepOne(i);
            return;
        }
        if (Readings(p) >= 2 && Cat(p, 1) == 10 && !VerbAfterSubject(p)) {
            KeepOne(i);
            CopyReading(W(p), 0, 1);
            KeepOne(p);
            return;
        }
        if (NoAntecedent(p)) {
            Demonstrative(i);
            return;
        }
    }
    if (i > 0 && i < n - 2 && OpensDemonstrative(p) && SingularNounNext(i + 1) && !Capital(i + 1) &&
        Cat(i + 2) == 14 && !ModalAt(i + 1)) {
        Determiner(i);
        if (Cat(i + 1) != 10) CopyReading(W(i + 1), 0, 1);
        KeepOne(i + 1);
        return;
    }
    if (i > 0 && i < n - 1 && OpensDemonstrative(p) && (Cat(i + 1) == 14 || ModalAt(i + 1))) {
        Demonstrative(i);
        return;
    }
    // Before the end of its clause "that" is the demonstrative; after a
    // determiner or an indefinite pronoun ("all that") it keeps the
    // relative reading the pair is read with.
    if (i > 0 && (EndsThatClause(i + 1) || (EndsAfterAdverb(i + 1) && Cat(p) != 15) || (Is(p, "than") && Cat(i + 1) == 1)) &&
        !Is(p, "so") && Cat(p) != 6 && Cat(p) != 8) {
        Demonstrative(i);
        return;
    }
    if (i > 0 && i < n - 1 && (Is(p, "so") || (Is(p, "save") && Cat(i + 1) != 10))) {
        KeepOne(i);
        SetReading0(p, 17, '*');
        SetReading0(i, 17, '*');
        W(i).ReadingFeatures[0] = 0;
        W(i).ReadingMarks[0] = 20;
        return;
    }
    if (i > 0 && i < n - 1 && !(i == 1 && Cat(0) == 18) && !Is(i + 1, "of") && Cat(i + 1) != 5) {
        ThatInClause(s, i);
        return;
    }
    Demonstrative(i);
}

// "what": kept as the relative before a pronoun, an article or another
// closed-class word or a name; a determiner or a pronoun at the start of
// the sentence before a word of one reading, and after a preposition. The
// pronoun keeps the class of its first reading ("of what he meant"): the
// demonstrative class is the determiner's.
// Before "a" or "an" it is as often the exclamation ("what a little country
// England is"): it keeps its readings there.
void What(i32 i) {
    const i32 p = i - 1;
    if ((i > 0 || Readings(1) > 1) && Cat(p) != 15) {
        const bool exclamation = Is(i + 1, "a") || Is(i + 1, "an");
        if (Readings(i + 1) == 1 && (Cat(i + 1) < 10 || Cls(i + 1) == '@') && !exclamation) KeepOne(i);
        return;
    }
    if (NounNext(i + 1)) OneReading(i, 8, 'P', 0);
    else OneReading(i, 4, Cls(i), 0);
}

}  // namespace

bool ThatOrWhatRules(const PassState& s, i32 i) {
    if (Is(i, "that's")) {
        CopyCString(W(i).WordText, "that");
        return true;
    }
    if (Cat(i) != 5) return false;
    if (Is(i, "that")) {
        That(s, i);
        return true;
    }
    if (Is(i, "what")) {
        What(i);
        return true;
    }
    return false;
}

}  // namespace english
