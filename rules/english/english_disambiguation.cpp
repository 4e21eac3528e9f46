// The English reading disambiguation: the driver, the reading reorder, the
// linking-verb flags and the elimination by category pairs.
#include "rules/english/english_disambiguation.h"

#include "frame/report.h"
#include "frame/tables.h"
#include "morphology/word_analysis.h"
#include "rules/english/english_passes.h"
#include "rules/rule_words.h"

using namespace rules;

namespace english {

// Work slots of the analyses the passes make; fixed scratch, so that a pass
// allocates nothing after the first.
StringList& WorkSlots() {
    static StringList slots = [] {
        StringList s;
        s.Allocate(16);
        for (u32 k = 0; k < 16; ++k) s[static_cast<i32>(k)].Allocate(36);
        return s;
    }();
    return slots;
}

BoundedString& WorkWord() {
    static BoundedString word = [] {
        BoundedString w;
        w.Allocate(36);
        return w;
    }();
    return word;
}

namespace {

// Skip 1: a settled word (adverbial, conjunctive, paired nominal,
// prepositional, verbal or nominal phrase).
bool Settled(i32 i) {
    const u8 c = Cls(i);
    return c == 26 || (c >= '*' && c <= '.');
}

bool Participle(u8 c) { return c >= 11 && c <= 14; }

}  // namespace

u32 NounLemmaOf(const char* text) {
    BoundedString word;
    word.Allocate(36);
    CopyCString(word, text);
    u16 count = 0;
    AnalyseWordForms(0, word, count, WorkSlots());
    for (i32 k = 0; k < count && k < static_cast<i32>(gWordTagCodes.count); ++k) {
        if ((gWordTagCodes[k] >> 8) < 128) return gWordLemmaRefs[k];  // a reading that is no verb form
    }
    return 0;
}

u32 AreNounLemma() {
    static u32 lemma = 0;  // kept once found (a lookup before the dictionaries are in finds none)
    if (lemma == 0) lemma = NounLemmaOf("are");
    return lemma;
}

u32 SeeLemma() {
    BoundedString& word = WorkWord();
    CopyCString(word, "see");
    u16 count = 0;
    AnalyseWordForms(0, word, count, WorkSlots());
    return count > 0 ? gWordLemmaRefs[0] : 0;
}

void ReorderReadings() {
    for (i32 i = 0; i < Count(); ++i) {
        WordRecord& w = W(i);
        if (w.ReadingCount > 1 && Cat(i, 1) == 14 && Cat(i) == 10) SwapReadings01(w);
        if (w.ReadingCount > 1 && Cat(i) == 11 && Cat(i, 1) == 14) w.ReadingCount = 1;
        if (w.ReadingCount > 1 && Cat(i) == 14 && Cat(i, 1) == 11) {
            CopyReading(w, 0, 1);
            w.ReadingCount = 1;
        }
    }
}

void MarkLinkingVerbs() {
    static const char* const kLinking[] = {"remain", "seem", "look", "appear", "stay", nullptr};
    for (i32 i = 0; i < Count() - 1; ++i) {
        const u16 n = Readings(i);
        const bool one = n == 1 && Participle(Cat(i));
        const bool two = n >= 2 && Cat(i) == 10 && Participle(Cat(i, 1));
        if (!one && !two) continue;
        const u8 m = Mark(i);
        bool marked = false;
        if (m == 1 && Cat(i + 1) != 15) {
            for (const char* const* p = kLinking; *p != nullptr; ++p) marked = marked || Begins(i, *p);
        } else if (m == 37) {
            marked = true;
        } else if (m == 62) {
            marked = Letter(i, 0) == 'b' || Letter(i, 0) == 'e';
        }
        if (marked && m < 128) W(i).ReadingMarks[0] = static_cast<u8>(m + 128);
    }
}

namespace {

// The pair of categories (left, right) at this pass: impossible, and
// excused as the pronoun and verb pairs are.
struct PairCount {
    i32 impossible = 0;
    i32 excused = 0;
};

// A demonstrative before a subject pronoun is excused too: it opens a
// fronted object or a clause of its own ("this I took in", "by what I
// saw"), which the pair of readings cannot tell from a clash.
bool Excused(u8 left, u8 right) {
    return (left == 1 && right != 14) || ((left == 2 || left == 4 || left == 11) && right == 1) ||
           (left == 4 && right == 8) || ((left == 13 || left == 14) && right == 1);
}

// Counts the pair when it is impossible; false (nothing counted) when the
// pair may stand.
bool CountImpossiblePair(PairCount& c, u8 left, u8 right, i16 pass) {
    const u8 v = gCategoryPairTable.ClampedAt(left * 19 + right);
    const bool late = v == 3 && pass >= 1;
    if (v != 0 && !late) return false;
    ++c.impossible;
    if (Excused(left, right)) ++c.excused;
    if (late) ++c.excused;
    return true;
}

// Tests category a of word i against every reading of the neighbour, a on
// the left (forward) or the right; true when the neighbour has readings
// and each makes an impossible pair with a. Neighbour categories above 18
// are no word readings (the test skips them, a punctuation reading
// abandons it): either way not every reading clashes, so the first reading
// that does not ends the test.
bool EveryNeighbourReadingClashes(PairCount& c, u8 a, i32 neighbour, bool forward, i16 pass) {
    const i32 n = Readings(neighbour);
    if (n == 0) return false;
    for (i32 s = 0; s < n; ++s) {
        const u8 b = Cat(neighbour, s);
        if (b > 18 || !CountImpossiblePair(c, forward ? a : b, forward ? b : a, pass)) return false;
    }
    return true;
}

// A question word opening a clause after a preposition ("of how glorious
// life is", "as to whether"), which our readings give only as a
// conjunction.
bool QuestionWordAfterPreposition(i32 left, i32 right) {
    return Cat(left) == 15 && Cat(right) == 17 && (Begins(right, "wh") || Is(right, "how"));
}

// The same word twice over, but for the capital of the first ("The the"):
// the doubled-word note tells it, its readings clash with themselves.
bool Doubled(i32 x, i32 y) {
    const BoundedString& a = W(x).WordText;
    const BoundedString& b = W(y).WordText;
    const i32 n = GetStringLength(a);
    if (n == 0 || n != GetStringLength(b)) return false;
    for (i32 k = 0; k < n; ++k) {
        const u8 p = a.data[k], q = b.data[k];
        if (p != q && (k > 0 || (p | 0x20) != (q | 0x20))) return false;
    }
    return true;
}

// "there" after a form of "be" that opens a question ("Is there a way?",
// "Were there any?"): the noun phrase the pronoun stands for follows it.
bool InvertedThere(i32 left) {
    return left >= 1 && Is(left, "there") && Cat(left - 1) == 14 && Model(left - 1) == 37;
}

// Forward or backward test of reading r of word i; true when the reading
// was removed.
bool PairTest(PassState& s, i32 i, i32 r, bool forward, i32& removed) {
    const i32 n = Count();
    const u8 a = Cat(i, r);
    if (a >= 19) return false;
    i32 nb = 0;
    if (forward) {
        if (i >= n - 1) return false;
        nb = i < n - 2 && Cls(i + 1) == 22 ? i + 2 : i + 1;
    } else {
        if (i <= 0) return false;
        if (Cls(i - 1) == 22 && i < 2) return false;
        nb = Cls(i - 1) == 22 ? i - 2 : i - 1;
    }
    PairCount c;
    if (!EveryNeighbourReadingClashes(c, a, nb, forward, s.pass)) return false;
    if (Readings(i) > 1) {
        RemoveReading(W(i), r);
        ++removed;
        return true;
    }
    // A word a set phrase has settled carries the phrase's category, not a
    // reading of its own ("as graceful as they were"): no clash is told
    // beside it.
    if (c.excused == 0 && !Settled(i) && !Settled(nb) && !Doubled(i, nb) &&
        !QuestionWordAfterPreposition(forward ? i : nb, forward ? nb : i) && !InvertedThere(forward ? i : nb))
        s.result = static_cast<i16>((forward ? 257 : 256) + i);
    return false;
}

bool OneOfCats(u8 c, u8 a, u8 b, u8 d) { return c == a || c == b || c == d; }

// A pair of a name and a pronoun that opens the sentence or follows a comma
// stands on its own ("John and I.", "We got in, Dick and I."): no word
// before it takes an object.
bool Governed(i32 before) { return before >= 0 && Cat(before) != 21; }

// The pronoun-case checks (pass 1 on).
void PronounCase(PassState& s) {
    const i32 n = Count();
    for (i32 i = 0; i < n; ++i) {
        const u8 c = Cat(i);
        // "her" as written: at the start of a sentence "Her" is the
        // possessive far more often than the object pronoun.
        const BoundedString& text = W(i).WordText;
        const bool her = (text.valid == 0 || text.count == 0 || text.data[0] == 'h') &&
                         CompareWordText(text, "her") == kCompareEqual;
        if (c != 2 && !her) {
            if (c != 1) continue;
            if (i < n - 1 && Readings(i) == 1) {
                const bool modalNoun = Is(i + 1, "cans") || Is(i + 1, "wills");
                if (Is(i + 1, "mays") || Is(i + 1, "musts") ||
                    (modalNoun && (i + 1 == n - 1 || Cat(i + 2) == 14 || Is(i + 2, "not")))) {
                    gErrorVariant = 'X';
                    s.result = static_cast<i16>(257 + i);
                    continue;
                }
            }
            const bool ends = i == n - 1 || OneOfCats(Cat(i + 1), 21, 17, 20) || Cls(i + 1) == ' ';
            if (ends && Governed(i - 3)) {
                if (Cat(i - 1) == 16 && (Cls(i - 2) == '@' || Cat(i - 2) == 2)) {
                    s.result = static_cast<i16>(256 + i);
                    continue;
                }
            }
            const bool ends3 = i == n - 3 || OneOfCats(Cat(i + 3), 21, 17, 20) || Cls(i + 3) == ' ';
            if (ends3 && Governed(i - 1) && Cat(i + 1) == 16 && (Cls(i + 2) == '@' || Cat(i + 2) == 2))
                s.result = static_cast<i16>(256 + i);
            continue;
        }
        if (i == 0) {
            // A pronoun set off by a comma or a mark opens the sentence as
            // an interjection or a fronted object ("Him, I trust.").
            const u8 next = Cat(1);
            if (n == 1 || (next != 20 && next != 21 && next != 27)) s.result = 257;
        } else if (i >= 2 && i < n - 1 && Cat(i - 1) == 16 &&
                   (Cls(i - 2) == '@' || Cls(i - 2) == 'A' || Cat(i - 2) == 1) && Cat(i + 1) == 14) {
            s.result = static_cast<i16>(257 + i);
        } else if (i < n - 3 && Cat(i + 1) == 16 && (Cls(i + 2) == '@' || Cat(i + 2) == 1) && Cat(i + 3) == 14) {
            s.result = static_cast<i16>(257 + i);
        }
    }
}

}  // namespace

void EliminateByCategoryPairs(PassState& s) {
    i32 removed = 0;
    do {
        removed = 0;
        if (s.pass >= 1) PronounCase(s);
        for (i32 i = 0; i < Count(); ++i) {
            for (i32 r = 0; r < Readings(i); ++r) {
                if (PairTest(s, i, r, true, removed) && r >= Readings(i)) break;
                PairTest(s, i, r, false, removed);
            }
        }
        for (i32 i = 0; i < Count(); ++i)
            if (Cls(i) == 'I' && Cat(i) == 17) W(i).ReadingCategories[0] = 5;
    } while (removed != 0);
}

namespace {

// A noun reading of word i other than the adjective's; -1 when none.
i32 NounReadingOf(i32 i) {
    for (i32 r = 0; r < Readings(i); ++r)
        if (Cat(i, r) == 10 && Cls(i, r) != 'B') return r;
    return -1;
}

// Word w has one reading, a noun or an adjective.
bool GroupWord(i32 w) { return w >= 0 && Readings(w) == 1 && Cat(w) == 10; }

// The reading of word w that a noun group holds: its one noun or adjective
// reading, or its noun reading right after a determiner or an adjective
// ("some water supply"); -1 when neither. A demonstrative may stand for
// the subject ("These look fine"): it opens no group here.
i32 GroupReading(i32 w) {
    if (GroupWord(w)) return 0;
    if (w < 1 || Readings(w) < 2) return -1;
    if (Cat(w) == 14 && Model(w) >= 27 && Model(w) <= 38) return -1;  // "many can thatch"
    const u8 c = Cat(w - 1);
    const bool opened = c == 7 || (c == 8 && Cls(w - 1) != 'O') || (GroupWord(w - 1) && Cls(w - 1) == 'B');
    return opened ? NounReadingOf(w) : -1;
}

// The word before the noun group that ends at word last, whether a
// determiner opens the group; -1 when the group opens the sentence.
i32 WordBeforeGroup(i32 last, bool& determiner) {
    i32 k = last;
    while (GroupWord(k - 1)) --k;
    determiner = k > 0 && (Cat(k - 1) == 7 || Cat(k - 1) == 8);
    if (determiner) --k;
    return k - 1;
}

// A verb, "to", a conjunction or an adverb before a noun group may take it
// as its object or subject and go on with a plain verb ("let the dog
// run", "Did the man go", "that the company pay", "the dog and cat play").
bool MayGovernGroup(i32 b) {
    if (b < 0) return false;
    const u8 c = Cat(b);
    return VerbClass(b) || (c >= 11 && c <= 14) || c == 16 || c == 17 || c == 18 || Is(b, "to");
}

// A finite verb that cannot be a noun, or a modal: the verb of the clause
// whose subject the group before it is.
bool FiniteVerbAfter(i32 j) {
    if (j >= Count() || Readings(j) != 1 || Cat(j) != 14 || !VerbClass(j)) return false;
    const u8 form = Feat(j) & 15;
    return form == 1 || form == 3 || Model(j) == 37 || (Model(j) >= 27 && Model(j) <= 38);
}

// Word i, a present verb form with a noun reading, right after a noun or
// an adjective of one reading: the noun of the group when its verb reading
// cannot stand there. After an adjective a verb never follows ("a new
// contest"); after a noun the verb must agree with it ("business model",
// "weapons stockpiles"), and a group of a determiner and two nouns before
// a finite verb is the subject of that verb ("The water supply is low").
// A verb, "to", a conjunction or an adverb before the group leaves the
// word alone: it may take the group and a plain verb ("let the dog run",
// "Did the man go", "the dog and cat play").
void NounInNounGroup(i32 i) {
    if (i < 1 || Readings(i) < 2 || Cat(i) != 14 || !VerbClass(i)) return;
    if (Model(i) >= 27 && Model(i) <= 38) return;  // the modals and auxiliaries
    const u8 form = Feat(i) & 15;
    if (form > 1) return;
    const i32 r = NounReadingOf(i);
    const i32 left = i - 1;
    const i32 lr = r < 0 ? -1 : GroupReading(left);
    if (lr < 0) return;
    if (IsAnyCase(left, "to")) return;
    bool determiner = false;
    const i32 before = WordBeforeGroup(left, determiner);
    if (MayGovernGroup(before)) return;
    // A lone noun after a preposition may end a group whose head came
    // before it ("the assortment of customers adds"): its number tells
    // nothing.
    const bool agreement = !(before >= 0 && Cat(before) == 15 && !determiner && before == left - 1);
    const u8 number = Feat(left, lr);
    const bool plural = (number & 8) != 0;
    bool noun = false;
    if (Cls(left, lr) == 'B') noun = true;
    else if (agreement && form == 0 && !plural && (number & 4) != 0) noun = true;
    else if (agreement && form == 1 && plural) noun = true;
    else if (determiner && left >= 1 && (Cat(left - 1) == 7 || Cat(left - 1) == 8) && FiniteVerbAfter(i + 1)) noun = true;
    if (!noun) return;
    CopyReading(W(i), 0, r);
    KeepOne(i);
}

// Word w has a verb reading of the conjugation model `model` (37 "be",
// 38 "have").
bool VerbFormOf(i32 w, u8 model) {
    if (w < 0) return false;
    for (i32 r = 0; r < Readings(w); ++r) {
        const u8 c = Cat(w, r);
        if (c >= 11 && c <= 14 && VerbClass(w, r) && (Mark(w, r) & 127) == model) return true;
    }
    return false;
}

i32 ReadingOfCategory(i32 w, u8 cat) {
    for (i32 r = 0; r < Readings(w); ++r)
        if (Cat(w, r) == cat) return r;
    return -1;
}

// Word i, a past participle that is also an adjective, after a form of
// "have" or "be" and any adverbs between: the verb of the perfect ("has
// never officially said") or of the passive ("was widely reported").
void ParticipleAfterAuxiliary(i32 i) {
    if (Readings(i) < 2) return;
    const i32 p = ReadingOfCategory(i, 11);
    if (p < 0 || !VerbClass(i, p) || ReadingOfCategory(i, 10) < 0) return;
    i32 k = i - 1;
    while (k > 0 && Readings(k) == 1 && Cat(k) == 18) --k;
    if (!VerbFormOf(k, 38) && !VerbFormOf(k, 37)) return;
    CopyReading(W(i), 0, p);
    KeepOne(i);
}

// Word i, a noun-or-verb word after "as" after a past participle: the
// noun of the role the participle gives ("seen as works of art", "used as
// tools"); a finite verb would need a subject there.
void NounAfterParticipleAs(i32 i) {
    if (i < 2 || Readings(i) < 2 || !Is(i - 1, "as")) return;
    const i32 p = i - 2;
    if (Readings(p) != 1 || Cat(p) != 11 || !VerbClass(p)) return;
    const i32 r = NounReadingOf(i);
    if (r < 0) return;
    CopyReading(W(i), 0, r);
    KeepOne(i);
}

// The index of word i's adjective reading when its two readings are an
// adjective and an adverb ("great", "good", "sure"); -1 otherwise.
i32 AdjectiveOfAdjectiveOrAdverb(i32 i) {
    if (Readings(i) != 2) return -1;
    const i32 a = Cat(i) == 10 ? 0 : 1;
    if (Cat(i, a) != 10 || Cls(i, a) != 'B' || Cat(i, 1 - a) != 18) return -1;
    return a;
}

// Word v is a form of a verb that takes an adjective as its complement
// ("feel", "sounds", "looked").
bool LinkingVerbForm(i32 v) {
    if (v < 0 || Cat(v) != 14 || !VerbClass(v)) return false;
    if (v > 0 && (Cat(v - 1) == 7 || Cat(v - 1) == 8)) return false;  // "this sounds": the noun may yet win
    static const char* const kLinking[] = {"feel", "sound", "look", "seem", "smell", "taste",
                                           "become", "remain", "stay", "appear", nullptr};
    BoundedString& base = WorkWord();
    VerbBaseForm(v, base);
    for (const char* const* p = kLinking; *p != nullptr; ++p)
        if (CompareWordText(base, *p) == kCompareEqual) return true;
    return false;
}

// Word i, an adjective-or-adverb word right after a verb, is the adjective
// where a noun follows it ("have great service", "provide good quality")
// or where it completes a linking verb before the end of the clause, a
// preposition or a conjunction ("I feel great in it", "sounds good,").
// The adverbs that single out a noun group ("only", "just", "even") stand
// before a noun too: they are left alone.
void AdjectiveAfterVerb(i32 i) {
    const i32 a = AdjectiveOfAdjectiveOrAdverb(i);
    if (a < 0 || i < 1 || Cat(i - 1) != 14 || !VerbClass(i - 1)) return;
    if (Is(i, "only") || Is(i, "just") || Is(i, "even")) return;
    const i32 j = i + 1;
    const bool end = j >= Count();
    const bool nounNext = !end && Readings(j) == 1 && Cat(j) == 10 && Cls(j) != 'B' && Cls(j) != 'N';
    const bool closes = end || Cat(j) == 20 || Cat(j) == 21 || Cat(j) == 15 || Cat(j) == 16;
    if (!nounNext && !(closes && LinkingVerbForm(i - 1))) return;
    CopyReading(W(i), 0, a);
    KeepOne(i);
}

// The index of word i's reading as a present verb of the third person
// singular ("wants", "reports"); -1 when it has none.
i32 ThirdPersonReading(i32 i) {
    for (i32 r = 0; r < Readings(i); ++r)
        if (Cat(i, r) == 14 && VerbClass(i, r) && (Feat(i, r) & 15) == 1) return r;
    return -1;
}

// Word i, a present verb of the third person that is also a plural noun,
// after a name that opens its clause and before "to", "that", an article,
// a determiner or a pronoun: the verb whose subject the name is ("Xinhua
// reports that", "Iran wants to turn", "Google risks its lead"). A
// determiner, a noun or a preposition before the name may make the pair a
// noun group ("the Gallup polls", "in Iraq helps").
void VerbAfterName(i32 i) {
    if (i < 1 || Readings(i) != 2) return;
    const i32 v = ThirdPersonReading(i);
    if (v < 0 || NounReadingOf(i) < 0) return;
    const i32 name = i - 1;
    if (Readings(name) != 1 || Cat(name) != 10 || Cls(name) != '@') return;
    if (name > 0) {
        const u8 b = Cat(name - 1);
        if (b == 7 || b == 8 || b == 10 || b == 15 || Cls(name - 1) >= 128) return;
    }
    const i32 j = i + 1;
    if (j >= Count()) return;
    const u8 c = Cat(j);
    if (!(Is(j, "to") || Is(j, "that") || c == 7 || c == 8 || c == 2 || c == 3)) return;
    CopyReading(W(i), 0, v);
    KeepOne(i);
}

// Word i, a plain verb form that is also a noun, after a coordinating
// conjunction and before an object pronoun: the second verb of the pair,
// which takes the pronoun as its object ("make the changes and give you a
// copy", "call the police and arrest you"); a noun does not stand before
// a pronoun of the object case.
void VerbAfterConjunction(i32 i) {
    if (i < 1 || Readings(i) != 2 || Cat(i - 1) != 16 || i + 1 >= Count()) return;
    i32 v = -1;
    for (i32 r = 0; r < 2; ++r)
        if (Cat(i, r) == 14 && VerbClass(i, r) && (Feat(i, r) & 15) == 0) v = r;
    if (v < 0 || NounReadingOf(i) < 0) return;
    const u8 c = Cat(i + 1);
    if (c != 2 && c != 3) return;
    CopyReading(W(i), 0, v);
    KeepOne(i);
}

// Word 0, a plain verb form that is also an adjective, before a noun with
// no determiner: the adjective of a heading or a title ("Best place in
// town", "Worst buffet ever", "Clean rooms"); an imperative takes its
// object with a determiner or a pronoun far more often.
void AdjectiveOpeningTitle() {
    if (Count() < 2 || Readings(0) < 2) return;
    i32 a = -1;
    bool verb = false;
    for (i32 r = 0; r < Readings(0); ++r) {
        if (Cat(0, r) == 10 && (Cls(0, r) == 'B' || Cls(0, r) == 'C') && a < 0) a = r;
        if (Cat(0, r) == 14 && VerbClass(0, r) && (Feat(0, r) & 15) == 0) verb = true;
        const u8 model = static_cast<u8>(Mark(0, r) & 127);
        if (Cat(0, r) == 14 && VerbClass(0, r) && model >= 27 && model <= 38) return;  // "Will", "Can"
    }
    if (a < 0 || !verb || NounReadingOf(1) < 0 || Cls(1) == 'B') return;
    CopyReading(W(0), 0, a);
    KeepOne(0);
}

// Word i, a modal that is also a noun ("may", "can", "will"), after "one"
// and before a plain verb form: "one" is the pronoun subject of the modal
// ("one may say", "one can see"), no number before a noun.
void ModalAfterOne(i32 i) {
    if (i < 1 || i + 1 >= Count() || !IsAnyCase(i - 1, "one") || Readings(i) < 2) return;
    i32 m = -1;
    for (i32 r = 0; r < Readings(i) && m < 0; ++r) {
        const u8 model = static_cast<u8>(Mark(i, r) & 127);
        if (Cat(i, r) == 14 && VerbClass(i, r) && model >= 27 && model <= 38) m = r;
    }
    const i32 p = ReadingOfCategory(i - 1, 6);
    if (m < 0 || p < 0) return;
    bool plain = false;
    for (i32 r = 0; r < Readings(i + 1); ++r)
        plain = plain || (VerbClass(i + 1, r) && (Cat(i + 1, r) == 13 || (Cat(i + 1, r) == 14 && (Feat(i + 1, r) & 15) == 0)));
    if (!plain) return;
    CopyReading(W(i), 0, m);
    KeepOne(i);
    CopyReading(W(i - 1), 0, p);
    KeepOne(i - 1);
}

// Word i's plain verb reading when i is also a noun and stands after a
// group of a determiner and up to two nouns or adjectives; -1 otherwise.
// The determiner's place goes to *det.
i32 PlainFormAfterGroup(i32 i, i32* det) {
    if (i < 3 || Readings(i) < 2 || NounReadingOf(i) < 0) return -1;
    i32 v = -1;
    for (i32 r = 0; r < Readings(i) && v < 0; ++r)
        if (VerbClass(i, r) && Cat(i, r) == 14 && (Feat(i, r) & 15) == 0) v = r;
    if (v < 0) return -1;
    i32 k = i - 1;
    while (k > 0 && GroupWord(k) && k > i - 3) --k;
    if (k == i - 1 || Cat(k) != 7) return -1;
    *det = k;
    return v;
}

// A form of "do" that opens a question, at the head of the sentence or
// after a question word ("Did the boy", "Why does the engine").
bool QuestionDo(i32 k) {
    if (k < 0 || k > 1 || !VerbClass(k) || Model(k) != 34) return false;
    return k == 0 || Begins(0, "wh") || Begins(0, "Wh") || IsAnyCase(0, "how");
}

// Word i, a plain verb form that is also a noun, right after a subject
// group of a determiner and nouns or adjectives that a question "do" opens:
// the verb the auxiliary asks with ("Did the boy play outside?", "Does the
// old car run well?").
void VerbAfterQuestionDo(i32 i) {
    i32 k = -1;
    const i32 v = PlainFormAfterGroup(i, &k);
    if (v < 0) return;
    if (!QuestionDo(k - 1)) return;
    CopyReading(W(i), 0, v);
    KeepOne(i);
}

// Word v is a form of "let", "make" or "help", the verbs that take an
// object and a plain infinitive after it.
bool CausativeVerb(i32 v) {
    if (v < 0 || Cat(v) != 14 || !VerbClass(v)) return false;
    static const char* const kCausative[] = {"let",  "lets",   "letting", "make",   "makes",   "made",
                                             "making", "help", "helps",   "helped", "helping", nullptr};
    for (const char* const* p = kCausative; *p != nullptr; ++p)
        if (IsAnyCase(v, *p)) return true;
    return false;
}

// Word i, a plain verb form that is also a noun, after the object group (a
// determiner and nouns or adjectives) of "let", "make" or "help" and
// before the end of the clause, an adverb, a preposition, an article or a
// pronoun: the plain infinitive ("Let the child play.", "made the
// engine run smoothly").
void InfinitiveAfterCausative(i32 i) {
    i32 k = -1;
    const i32 v = PlainFormAfterGroup(i, &k);
    if (v < 0) return;
    if (!CausativeVerb(k - 1)) return;
    const i32 j = i + 1;
    if (j < Count()) {
        const u8 c = Cat(j);
        if (!(c == 20 || c == 21 || c == 18 || c == 15 || c == 7 || c == 2 || c == 3)) return;
    }
    CopyReading(W(i), 0, v);
    KeepOne(i);
}

}  // namespace

void NounsInNounGroups() {
    AdjectiveOpeningTitle();
    for (i32 i = 1; i < Count(); ++i) {
        NounInNounGroup(i);
        ParticipleAfterAuxiliary(i);
        NounAfterParticipleAs(i);
        AdjectiveAfterVerb(i);
        VerbAfterName(i);
        VerbAfterConjunction(i);
        ModalAfterOne(i);
        VerbAfterQuestionDo(i);
        InfinitiveAfterCausative(i);
    }
}

}  // namespace english

using namespace english;


i16 DisambiguateEnglishReadings(i16 pass) {
    PassState s;
    s.pass = pass;
    ReorderReadings();
    NounsInNounGroups();
    for (i32 i = 0; i < Count(); ++i) {
        if (Settled(i)) continue;
        const i32 length = TextLength(i);
        if (InfinitiveMarkerRules(s, i) == WordOutcome::kReturn) return s.early;
        bool skip = false;
        if (ModalRules(s, i, skip) == WordOutcome::kReturn) return s.early;
        ParticipleRules(s, i, skip);
        if ((length >= 3 && length <= 7) || length == 0) {
            const u16 r = MarkEnglishFixedExpressions(pass, static_cast<i16>(i));
            if (r != 0) s.result = static_cast<i16>(r);
            continue;
        }
        ShortWordRules(s, i, length);
    }
    if (pass == 1) MarkLinkingVerbs();
    EliminateByCategoryPairs(s);
    return s.result != 0 ? s.result : ResolveEnglishNounPhraseNumber(pass);
}

u32 gEnglishPassRuns = 0;
u32 gEnglishPassCalls = 0;

namespace {

u32 TotalReadings() {
    u32 total = 0;
    for (i32 i = 0; i < Count(); ++i) total += Readings(i);
    return total;
}

}  // namespace

i16 RunPassLoop(i16 (*pass)(i16), u8& questionFlag, u32& calls) {
    questionFlag = 0;
    pass(0);
    calls = 2;
    u32 total = TotalReadings();
    // Some rules add readings: the total need not settle, so the numbered
    // passes end after pass 31 in any case.
    for (i16 p = 1; p < 32; ++p) {
        const u32 previous = total;
        const i16 r = pass(p);
        ++calls;
        if (r == 1) questionFlag = 0x10;
        if (r == 2) questionFlag = 0x20;
        if (r > 256) break;
        total = TotalReadings();
        if (total == previous) break;
    }
    return pass(32);
}

i16 RunEnglishPasses(u8& questionFlag) {
    ++gEnglishPassRuns;
    u32 calls = 0;
    const i16 r = RunPassLoop(DisambiguateEnglishReadings, questionFlag, calls);
    gEnglishPassCalls += calls;
    return r;
}
