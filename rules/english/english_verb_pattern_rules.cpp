// Verb constructions read off the words and their dictionary forms,
// whatever reading the disambiguation kept for them: a present participle
// after the perfect "have" (40 'G'), "to" before the bare infinitive after
// "let" (40 'T') and after "worth" (40 'H'), "of" written for "have" after a
// modal (40 'O'), a form of "be" right after another (40 'E'), a singular
// noun after "one of the" (40 'F'), a subject pronoun as the object of an
// opening imperative (40 'A'), a preterite after the auxiliary "do"
// (47), and a preterite that is no participle after the perfect "have" or
// a passive "be" (46).
#include "rules/english/english_verb_patterns.h"

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/english_notes.h"
#include "inflection/inflect.h"
#include "morphology/word_lookup.h"
#include "rules/rule_words.h"

namespace english {

using namespace rules;

namespace {

// The verb forms the dictionary gives word i, whatever reading it kept.
struct VerbForms {
    bool base = false;      // the infinitive / present form
    bool third = false;     // the -s form
    bool past = false;      // a preterite (which may serve as participle)
    bool participle = false;
    bool ing = false;
    bool noun = false;      // some reading outside the verbs and adjectives
    bool nounOnly = false;  // a reading filed as noun and not as adjective too
    bool other = false;     // some reading outside the verbs and their participle adjectives
    bool adjective = false; // some reading filed as adjective (participle adjectives too)
    bool pluralNoun = false;
};

// Word i's text, the capital of the sentence's first word lowered; false
// for an empty or overlong word.
bool LowerText(i32 i, BoundedString& form) {
    if (!form.valid) form.Allocate(36);
    if (TextLength(i) == 0 || TextLength(i) > 30) return false;
    CopyString(form, W(i).WordText);
    if (i == 0 && (W(i).WordCaseMode == 1 || W(i).WordCaseMode == 2)) form.data[0] = ToLowerMacRoman(form.data[0]);
    return true;
}

// A class filed as adjective, or as noun and adjective ('8' and '7' are the
// English lookup's own letters for them).
bool AdjectiveClass(u8 c) {
    return c == 'B' || c == 'C' || c == 'E' || c == 'M' || c == 'N' || c == '7' || c == '8';
}

VerbForms FormsOf(i32 i) {
    static BoundedString form;
    static BoundedArray<u16> tags;
    if (!tags.valid) tags.Allocate(20);
    VerbForms v;
    if (!LowerText(i, form)) return v;
    u16 count = 0;
    LookupWordForm(0, form, tags, count);
    for (u16 t = 0; t < count && t < tags.count; ++t) {
        const u8 cls = static_cast<u8>(tags.data[t] >> 8);
        const u8 f = static_cast<u8>(tags.data[t] & 255);
        if (cls >= 128) {
            v.base = v.base || (f & 15) == 0;
            v.third = v.third || f == 1;
            v.past = v.past || f == 3;
            v.participle = v.participle || f == 4;
            v.ing = v.ing || f == 2;
        } else if (cls != '8' && cls != ':') {
            v.other = true;
        }
        if (cls < 128 && AdjectiveClass(cls)) v.adjective = true;
        if (cls < 128 && cls != 'B' && cls != '8' && cls != ':') {
            v.noun = true;
            v.pluralNoun = v.pluralNoun || (cls == '9' && f == 8);
            v.nounOnly = v.nounOnly || !AdjectiveClass(cls);
        }
    }
    return v;
}

// The extent of a code 40 finding whose explanation names the kinds of
// the reported word and the word before it.
constexpr u16 kTypesExtent = 127;

RuleReport Finding(RuleCode code, i32 pos, u8 variant) {
    RuleReport r;
    r.code = code;
    r.pos = pos;
    r.variant = variant;
    r.extent = kNoCorrection;
    return r;
}

bool PronounObject(i32 i) {
    static const char* const kIndefinite[] = {"anyone", "anybody", "everyone", "everybody", "someone", "somebody",
                                              "nobody", "one", nullptr};
    return Cat(i) == 1 || Cat(i) == 2 || IsOneOf(i, kIndefinite);
}

// Words that open a noun phrase or stand for one: after a verb form they
// make it the verb of the clause, not a noun or an adjective.
bool OpensObject(i32 i) { return i < Count() && (Cat(i) == 1 || Cat(i) == 2 || Cat(i) == 7 || Cat(i) == 8); }

bool AtEnd(i32 i) { return i >= Count() || Cat(i) == 20 || Cat(i) == 21; }

// 40 'G': "we have working on it", "I've being playing": the perfect
// "have" after its subject pronoun takes the past participle; a present
// participle after it is no verb group. A form that is also a noun ("have
// feeling in") passes unless an object follows it; one filed as noun or
// adjective ("working") does not; "something", "nothing" and the like are
// nouns.
bool ParticipleAfterHave(i32 g) {
    const i32 h = g - 1;
    if (h < 1 || Cat(h) != 14 || Model(h) != 38 || Cat(h - 1) != 1) return false;
    if (!(Is(h, "have") || Is(h, "has") || Is(h, "had"))) return false;
    if (TextLength(g) < 5 || !Ends(g, "ing") || Ends(g, "thing")) return false;
    if (Is(g, "being")) return true;
    const VerbForms v = FormsOf(g);
    if (!v.ing) return false;
    if (OpensObject(g + 1)) return true;
    return !v.nounOnly && (AtEnd(g + 1) || Cat(g + 1) == 15 || Cat(g + 1) == 18);
}

// The word after "to" is a verb's base form, read or looked up.
bool BaseVerbAfter(i32 to) {
    const i32 v = to + 1;
    if (!Is(to, "to") || v >= Count() || Cat(v) == 1 || Cat(v) == 2 || Cat(v) == 7 || Cat(v) == 8) return false;
    return Cat(v) == 13 || FormsOf(v).base;
}

// 40 'T': "let him to decide": after "let" and its object the infinitive
// is bare. The object is a pronoun, or two ("let's you"), or "no one".
i32 ToAfterLet(i32 l) {
    if (!(Is(l, "let") || Is(l, "lets") || Is(l, "letting") || Is(l, "let's")) || Cat(l) != 14) return -1;
    i32 k = l + 1;
    for (i32 n = 0; n < 2 && k < Count() && (PronounObject(k) || Is(k, "no") || Is(k, "any") || Is(k, "some")); ++n) ++k;
    if (k == l + 1 || !BaseVerbAfter(k)) return -1;
    return k + 1;
}

// 40 'H': "worth to try" for "worth trying".
bool ToAfterWorth(i32 v) { return v >= 2 && Is(v - 2, "worth") && BaseVerbAfter(v - 1); }

// 40 'O': "must of missed": after a modal (or "had") "of" stands for the
// "have" of a perfect infinitive; a participle follows, maybe after an
// adverb.
bool OfAfterModal(i32 o) {
    static const char* const kModals[] = {"could", "would", "should", "must", "might", "may", "had", nullptr};
    if (!Is(o, "of") || o < 1) return false;
    const i32 m = Is(o - 1, "not") && o >= 2 ? o - 2 : o - 1;
    if (!IsOneOf(m, kModals) || Cat(m) != 14) return false;
    // One adverb of time or degree may come between ("could of just
    // been"); "of course" is no such pair.
    static const char* const kBetween[] = {"just", "never", "already", "really", "also", "even", "ever",
                                           "easily", "probably", "all", nullptr};
    i32 p = o + 1;
    if (p < Count() - 1 && IsOneOf(p, kBetween)) ++p;
    if (p >= Count()) return false;
    const VerbForms v = FormsOf(p);
    return v.participle || (v.past && !v.noun);
}

bool FiniteBe(i32 i) {
    static const char* const kForms[] = {"am", "is", "are", "was", "were", nullptr};
    return Cat(i) == 14 && IsOneOf(i, kForms);
}

// 40 'E': "is been tracked", "I am not be": a finite form of "be" is
// followed by no other form of "be".
bool BeAfterBe(i32 b) {
    if (!(Is(b, "be") || Is(b, "been")) || b < 1) return false;
    return FiniteBe(b - 1) || (b >= 2 && Is(b - 1, "not") && FiniteBe(b - 2));
}

// 47: "did you went", "I did understood", "didn't saw": after the
// auxiliary "do" (and its subject in a question, or "not") the verb is in
// its base form; a word that has a preterite and no base form is wrong
// whatever it was read as, unless a noun follows that it may qualify
// ("did armed men").
bool PreteriteAfterDo(i32 w) {
    i32 d = w - 1;
    if (d >= 1 && Cat(d) == 1) {
        // The subject comes between only in a question.
        --d;
        if (d > 0 && Cat(d - 1) != 18 && Cat(d - 1) != 20 && Cat(d - 1) != 21 && Cat(d - 1) != 5) return false;
    }
    if (d >= 1 && Is(d, "not")) --d;
    if (d < 0) return false;
    if (!(Is(d, "did") || Is(d, "do") || Is(d, "does")) || Cat(d) != 14) return false;
    if (Cat(w) == 1 || Cat(w) == 2 || Cat(w) == 7 || Cat(w) == 8 || Cat(w) == 15) return false;
    // A modal is no preterite here ("if you do, would you").
    static const char* const kModals[] = {"would", "could", "should", "might", "must", "ought", nullptr};
    if (IsOneOf(w, kModals)) return false;
    const VerbForms v = FormsOf(w);
    if (!v.past || v.base || v.third) return false;
    return AtEnd(w + 1) || OpensObject(w + 1) || Cat(w + 1) == 15 || Cat(w + 1) == 18 || Is(w + 1, "to");
}

// Hands `visit` the principal-parts entry of the past participle of each
// verb word i may be a form of (its lower-case text in `form`) until one
// visit says yes; `verbCount` counts the verbs whose parts were found.
bool SomeVerbParticiple(i32 i, BoundedString& form, bool (*visit)(BoundedString& entry, const BoundedString& form, i32 i),
                        u16& verbCount) {
    static StringList verbs, parts;
    if (verbs.valid == 0) InitByteMatrix(verbs, 8, 36);
    if (parts.valid == 0) InitByteMatrix(parts, 8, 72);
    verbCount = 0;
    if (!LowerText(i, form)) return false;
    u16 n = 0;
    InflectWord(static_cast<u32>(gCheckingLanguage << 8) | 1, form, n, verbs);
    for (u16 k = 0; k < n && k < verbs.count; ++k) {
        u16 m = 0;
        InflectWord(static_cast<u32>(gCheckingLanguage << 8) | 30, verbs[k], m, parts);
        if (m < 5 || m > parts.count) continue;
        ++verbCount;
        if (visit(parts[4], form, i)) return true;
    }
    return false;
}

bool EntryShowsForm(BoundedString& entry, const BoundedString& form, i32) { return EntryShows(entry, form); }

// Word i is a preterite that none of its verbs uses as its past
// participle ("ate", "went", "forgot"; not "made", nor "got", which the
// principal parts of "get" also give as participle), and no base form
// ("lay"). Asks the conjugation only for a word the lookup gives as a
// preterite.
bool PreteriteOnly(i32 i) {
    const VerbForms v = FormsOf(i);
    if (!v.past || v.participle || v.base) return false;
    static BoundedString form;
    u16 verbCount = 0;
    return !SomeVerbParticiple(i, form, EntryShowsForm, verbCount) && verbCount > 0;
}

// A word that stands for a noun phrase or ends one: before a pronoun it
// makes the pronoun the subject of a clause without its relative ("all the
// money I have went").
bool EndsNounPhrase(i32 i) { return Cat(i) == 10 || Cat(i) == 6 || Cat(i) == 4 || Is(i, "all"); }

// 46: "you have ate it", "they've broke it", "it was began": after the
// perfect "have" (maybe "not" or an adverb between) or after a passive
// "be", a preterite that is no participle. A form that is also a noun
// passes unless an object or a preposition follows it ("have rose
// bushes"); after "be" only a form that is nothing but a verb counts, and
// none in a sentence with a relative or question word before the "be"
// ("whoever it was came").
bool PreteriteAfterPerfect(i32 w) {
    static const char* const kHave[] = {"have", "has", "had", "having", nullptr};
    static const char* const kBe[] = {"be", "been", "being", "is", "are", "was", "were", "am", nullptr};
    if (w < 2 || Cat(w) == 1 || Cat(w) == 2 || Cat(w) == 7 || Cat(w) == 8 || Cat(w) == 15) return false;
    // "was" and "were" after "had" open a clause of their own ("the effect
    // your plan had was").
    if (Is(w, "was") || Is(w, "were")) return false;
    i32 a = w - 1;
    if (a > 1 && (Is(a, "not") || Is(a, "never") || (Cat(a) == 18 && !Is(a, "better")))) --a;
    // The auxiliary: marked so by the earlier passes, or the infinitive
    // after a modal ("may have broke").
    const bool auxiliary = Cls(a) == 242 || (Cat(a) == 13 && a >= 1 && Cls(a - 1) == 242);
    const bool have = IsOneOf(a, kHave) && (Cat(a) == 14 || Cat(a) == 13) && Model(a) == 38 && auxiliary;
    const bool be = !have && IsOneOf(a, kBe) && Cls(a) == 242;
    if (!have && !be) return false;
    if (have && a >= 2 && Cat(a - 1) == 1 && EndsNounPhrase(a - 2)) return false;
    if (be) {
        for (i32 k = 0; k < a; ++k)
            if (Cat(k) == 5 || Cat(k) == 17 || Is(k, "what") || Is(k, "whoever") || Is(k, "whatever")) return false;
    }
    if (!PreteriteOnly(w)) return false;
    const VerbForms v = FormsOf(w);
    if (be && v.other) return false;
    if (v.noun) return OpensObject(w + 1) || Cat(w + 1) == 15 || Cat(w + 1) == 18;
    return true;
}

// 47: "I helped made it", "has helped improved our code": after the verb
// "help" the bare infinitive follows, never a preterite. "help" after a
// determiner or an adjective is the noun ("the help offered"); a
// participle filed as adjective may qualify the noun after it ("helped
// injured people"); a pronoun between a noun and "helped" opens a clause
// without its relative ("the people we helped moved away").
bool PreteriteAfterHelp(i32 w) {
    static const char* const kHelp[] = {"help", "helps", "helped", "helping", nullptr};
    const i32 h = w - 1;
    if (h < 1 || !IsOneOf(h, kHelp) || Cat(h) == 7 || Cat(h) == 8) return false;
    if (Cat(h - 1) == 7 || Cat(h - 1) == 8 || Cls(h - 1) == 'B' || Ends(h - 1, "'s")) return false;
    if (Cat(h - 1) == 1 && h >= 2 && EndsNounPhrase(h - 2)) return false;
    if (Cat(w) == 1 || Cat(w) == 2 || Cat(w) == 7 || Cat(w) == 8 || Cat(w) == 15) return false;
    const VerbForms v = FormsOf(w);
    if (!v.past || v.base || v.third || v.noun) return false;
    if ((v.other || v.adjective) && w + 1 < Count() && Cat(w + 1) == 10) return false;
    return AtEnd(w + 1) || OpensObject(w + 1) || Cat(w + 1) == 10 || Cat(w + 1) == 15 || Cat(w + 1) == 16 ||
           Cat(w + 1) == 18 || Cat(w + 1) == 6;
}

// The form has a reading filed as adjective ("concerned", "biased").
bool AdjectiveText(BoundedString& form) {
    static BoundedArray<u16> tags;
    if (!tags.valid) tags.Allocate(20);
    u16 count = 0;
    LookupWordForm(0, form, tags, count);
    for (u16 t = 0; t < count && t < tags.count; ++t) {
        const u8 cls = static_cast<u8>(tags.data[t] >> 8);
        if (cls < 128 && AdjectiveClass(cls)) return true;
    }
    return false;
}

// The entry's first form, before any " (or ...)" note, is an adjective.
bool EntryFormIsAdjective(BoundedString& entry, const BoundedString&, i32 i) {
    const i32 len = TextLength(i) + 8;
    i32 cut = 0;
    while (cut < len && entry.data[cut] != 0 && entry.data[cut] != ' ') ++cut;
    if (entry.data[cut] == ' ') entry.data[cut] = 0;
    return AdjectiveText(entry);
}

// The past participle of one of word i's verbs is an adjective.
bool ParticipleIsAdjective(i32 i) {
    static BoundedString form;
    u16 verbCount = 0;
    return SomeVerbParticiple(i, form, EntryFormIsAdjective, verbCount);
}

// 46: "I am concern about it", "they're bias": after a personal subject
// pronoun and a finite "be", the base form of a verb whose participle is
// an adjective stands for that adjective. Only before a preposition other
// than "of" and "to", a conjunction, an adverb or the end: "He is head of
// sales" is a noun.
bool BaseForAdjective(i32 w) {
    static const char* const kSubjects[] = {"i", "I", "we", "you", "he", "she", "they", nullptr};
    if (w < 2 || !FiniteBe(w - 1) || !IsOneOf(w - 2, kSubjects) || Cat(w - 2) != 1) return false;
    const i32 n = w + 1;
    const bool closes = AtEnd(n) || (Cat(n) == 15 && !Is(n, "of") && !Is(n, "to")) || Cat(n) == 16 ||
                        Cat(n) == 17 || Cat(n) == 18;
    if (!closes || Cat(w) == 7 || Cat(w) == 8) return false;
    const VerbForms v = FormsOf(w);
    if (!v.base || v.adjective || v.past || v.participle || v.ing) return false;
    return ParticipleIsAdjective(w);
}

// "the my", "your the information": an article and a possessive
// determiner in a row; one of the two is too many. "his", "her" and "its"
// may be pronouns ("gave her the book"); a capitalised possessive after
// the article opens a title ("the My Documents folder").
bool ArticleAndPossessive(i32 b) {
    static const char* const kArticles[] = {"the", "a", "an", nullptr};
    static const char* const kPossessives[] = {"my", "your", "our", "their", nullptr};
    const i32 a = b - 1;
    if (a < 0 || (a > 0 && W(a).WordCaseMode != 0)) return false;
    const bool lowerB = W(b).WordCaseMode == 0;
    const bool articleFirst = (IsOneOf(a, kArticles) || (a == 0 && (Is(a, "The") || Is(a, "A") || Is(a, "An")))) &&
                              lowerB && IsOneOf(b, kPossessives);
    // "your" before an article is mostly "you're" ("your the best"), which
    // the possessive's own rule reports.
    static const char* const kBeforeArticle[] = {"my", "our", "their", "My", "Our", "Their", nullptr};
    const bool possessiveFirst = IsOneOf(a, kBeforeArticle) && (a == 0 || W(a).WordCaseMode == 0) && lowerB &&
                                 IsOneOf(b, kArticles);
    return articleFirst || possessiveFirst;
}

// 40 'F': "one of the best tool": after "one of" and a determiner the
// noun is plural. A noun a noun or "of" follows is no head ("one of the
// row of houses"); group nouns and words of quantity may stand singular
// ("one of the family", "one of the lot").
bool SingularAfterOneOf(i32 n) {
    static const char* const kDeterminers[] = {"the", "my", "your", "his", "her", "its", "our", "their", "these",
                                               "those", nullptr};
    static const char* const kGroups[] = {"group", "team", "squad", "crew", "crowd", "committee", "family",
                                          "party", "company", "staff", "public", "household", "army", "class",
                                          "audience", "council", "club", "band", "tribe", "nation", "lot",
                                          "bunch", "kind", "sort", "type", "rest", "pair", "set", "series",
                                          "number", "couple", "dozen", "few", "many", "most", "best", "worst",
                                          "same", "other", "others", nullptr};
    if (Cat(n) != 10 || Cls(n) != 'A' || Feat(n) != 4 || W(n).WordCaseMode != 0 || IsOneOf(n, kGroups)) return false;
    if (n + 1 < Count() && (Cat(n + 1) == 10 || Is(n + 1, "of") || Ends(n + 1, "'s"))) return false;
    i32 d = n - 1;
    while (d > 0 && d >= n - 3 && !IsOneOf(d, kDeterminers) && (Cls(d) == 'B' || Cat(d) == 10 || Is(d, "most")))
        --d;
    if (d < 2 || !IsOneOf(d, kDeterminers) || !Is(d - 1, "of") || !(Is(d - 2, "one") || Is(d - 2, "One")))
        return false;
    return !FormsOf(n).pluralNoun;
}

// 40 'A': "Send they the invitation": a subject pronoun right after the
// imperative that opens the sentence is its object, unless a verb follows
// it ("Suppose they come").
bool SubjectPronounAfterImperative(i32 p) {
    static const char* const kPronouns[] = {"they", "he", "she", "we", nullptr};
    if (p != 1 || !IsOneOf(p, kPronouns) || Cat(p) != 1 || Cls(0) == 242 || Is(0, "let") || Is(0, "Let")) return false;
    // The opening word is a verb's base form, whatever it was read as
    // ("Call they when", with "call" read as a noun).
    if (Cat(0) != 14 && Cat(0) != 10 && Cat(0) != 13) return false;
    if (!FormsOf(0).base) return false;
    if (p + 1 < Count() && (Cls(p + 1) >= 128 || Cat(p + 1) == 14 || Cat(p + 1) == 13)) return false;
    const VerbForms v = FormsOf(p + 1);
    return !(v.base || v.past || v.third);
}

// The correction is built on the verb reading of feature f: it goes first,
// as a conjugated verb, where the word kept one.
void VerbReadingFirst(i32 i, u8 f) {
    for (i32 k = 0; k < Readings(i); ++k) {
        if (Cls(i, k) < 128 || Feat(i, k) != f) continue;
        if (k > 0) CopyReading(W(i), 0, k);
        SetReading0(i, 14, Cls(i));
        return;
    }
}

}  // namespace

bool PluralNounForm(i32 i) { return FormsOf(i).pluralNoun; }

bool PreteriteForm(i32 i) {
    const VerbForms v = FormsOf(i);
    return v.past && !v.base && !v.participle;
}

bool OnlyVerbForms(i32 i) {
    const VerbForms v = FormsOf(i);
    return !v.other && (v.base || v.third || v.past || v.participle || v.ing);
}

RuleCode CheckPreteriteAfterPerfect(u16& out) {
    for (i32 i = 2; i < Count(); ++i) {
        // A word a rule-40 report already stands on is not reported again.
        if (gLastRule == kCodeWordSequence && gLastErrorPos == i) continue;
        const bool preterite = PreteriteAfterPerfect(i);
        if (!(preterite || BaseForAdjective(i)) || !MayReport(kCodeInfinitiveForParticiple, i)) continue;
        VerbReadingFirst(i, preterite ? 3 : 0);
        RuleReport r = Finding(kCodeInfinitiveForParticiple, i, 0);
        r.extent = 0;
        r.detail = preterite ? 3 : 0;
        return Commit(r, out);
    }
    return 0;
}

RuleCode CheckWordSequencePatterns(u16& out) {
    for (i32 i = 1; i < Count(); ++i) {
        u8 variant = 0;
        if (ParticipleAfterHave(i)) variant = 'G';
        else if (i >= 2 && ToAfterLet(i - 2) == i) variant = 'T';
        else if (i >= 3 && ToAfterLet(i - 3) == i) variant = 'T';
        else if (i >= 4 && ToAfterLet(i - 4) == i) variant = 'T';
        else if (ToAfterWorth(i)) variant = 'H';
        else if (OfAfterModal(i)) variant = 'O';
        else if (BeAfterBe(i)) variant = 'E';
        else if (SingularAfterOneOf(i)) variant = 'F';
        else if (SubjectPronounAfterImperative(i)) variant = 'A';
        bool types = false;
        if (variant == 0 && ArticleAndPossessive(i)) types = true;
        if ((variant == 0 && !types) || !MayReport(kCodeWordSequence, i)) continue;
        if (types) {
            // The explanation names the two words' kinds.
            RuleReport r = Finding(kCodeWordSequence, i, 0);
            r.extent = kTypesExtent;
            return Commit(r, out);
        }
        RuleReport r = Finding(kCodeWordSequence, i, variant);
        if (variant == 'A') r.extent = static_cast<u16>(i - 1);  // the word before names the correction
        return Commit(r, out);
    }
    return 0;
}

RuleCode CheckPreteriteAfterDo(u16& out) {
    for (i32 i = 1; i < Count(); ++i) {
        if (!(PreteriteAfterDo(i) || PreteriteAfterHelp(i)) || !MayReport(kCodeParticipleForInfinitive, i)) continue;
        VerbReadingFirst(i, 3);
        RuleReport r = Finding(kCodeParticipleForInfinitive, i, 0);
        r.extent = 0;
        r.detail = 3;
        return Commit(r, out);
    }
    return 0;
}

}  // namespace english
