// The rules every segment of the third walk ends with: a participle where
// an infinitive belongs after a verb and a preposition (47), a present
// participle written for its adjective or noun homophone (32, the only rule
// of the cascade that reads the tagged word list), and an attribute that
// disagrees with its subject across a copula (45).
#include "morphology/verb_candidates.h"
#include "morphology/word_lookup.h"
#include "frame/tagged_words.h"
#include "rules/clause/clause_group_forms.h"
#include "rules/clause/clause_walk.h"

namespace clause_walk {

using namespace rules;

namespace {

enum class Next { Homophone, Attribute, Report };

bool QualifierDe(i32 w);

Next CheckPrepositionParticiple(i32 i, u16& out, RuleCode& code) {
    if (i <= 1 || i >= SegCount()) return Next::Homophone;
    if (Kind(i - 1) != 14 || Kind(i) != 23 || FCat(i) != 15 || Cls(Last(i)) <= 127) return Next::Homophone;
    // The group's end: the next segment's first word, or the end of the
    // sentence after the last segment ("il refuse de chanté.").
    const i32 end = i < SegCount() - 1 ? First(i + 1) : Last(i) + 1;
    const bool adjacent = end == First(i) + 2 || (end == First(i) + 3 && Cat(Last(i) + 1) == 18);
    if (!adjacent || QualifierDe(First(i))) return Next::Homophone;
    if (!MayReport(47, Last(i))) return Next::Attribute;
    RuleReport r;
    r.code = 47;
    r.pos = Last(i);
    r.extent = 0;
    code = Commit(r, out);
    return Next::Report;
}

// A past participle taken as a verb form.
bool VerbParticiple(i32 w) { return w < Count() && VerbClass(w) && Feat(w) >= 2 && Feat(w) <= 5; }

// "rien de cassé", "quoi de neuf", "un de perdu", "ça de gagné", "des
// points de gagnés", "autant de satanées maladies": a "de" after a
// pronoun, a number, a noun or an adverb of quantity opens a qualifier of
// that word, not an infinitive; so does one that a comma or a conjunction
// continues ("d'obscur, d'exagéré"), and one that "rien" or "quoi" governs
// across its verb ("rien touché de souillé").
bool QualifierDe(i32 w) {
    if (w == 0 || !(Is(w, "de") || Is(w, "d'"))) return false;
    static const char* const owners[] = {"rien", "quoi", "chose", "personne", "autre", "plus", "moins",
                                         "autant", "beaucoup", "peu", "trop", "assez", "tant", "combien", nullptr};
    const u8 c = Cat(w - 1);
    if (IsOneOf(w - 1, owners) || (c >= 1 && c <= 10) || c == 16 || c == 20 || c == 21) return true;
    for (i32 k = w - 2; k >= 0 && k >= w - 3; --k) {
        if (Is(k, "rien") || Is(k, "quoi")) return true;
    }
    return false;
}

// Word v has a noun or adjective analysis in the dictionary ("mort",
// "feinte", "figé").
bool NounOrAdjectiveForm(ClauseFrame& f, i32 v) {
    CopyString(*f.workWord, W(v).WordText);
    f.workTagCount = 0;
    LookupWordForm(800, *f.workWord, *f.workTags, f.workTagCount);
    for (u16 t = 0; t < f.workTagCount; ++t) {
        const u8 cls = static_cast<u8>(f.workTags->ClampedAt(t) >> 8);
        if (cls == 'A' || NounAdjectiveClass(cls)) return true;
    }
    return false;
}

// Word v is a past participle in the dictionary and neither a noun nor an
// adjective there ("suppliée", "dénoncée"; not "mariée", "donnée").
bool ParticipleOnlyForm(ClauseFrame& f, i32 v) {
    CopyString(*f.workWord, W(v).WordText);
    f.workTagCount = 0;
    LookupWordForm(800, *f.workWord, *f.workTags, f.workTagCount);
    bool participle = false;
    for (u16 t = 0; t < f.workTagCount; ++t) {
        const u16 tag = f.workTags->ClampedAt(t);
        const u8 cls = static_cast<u8>(tag >> 8), slot = static_cast<u8>(tag & 0xFF);
        if (cls == 'A' || NounAdjectiveClass(cls)) return false;
        participle = participle || (cls >= 128 && slot >= 2 && slot <= 5);
    }
    return participle;
}

// "la" or "les" between a preposition and a word that can only be a
// participle is the object pronoun of the infinitive the participle stands
// for ("de la suppliée", "à les poussés"): no article opens a participle.
// Before a noun the participle qualifies it ("de la dite entreprise"), and
// "l'" opens fixed phrases ("à l'accoutumée").
i32 ParticipleAfterArticle(ClauseFrame& f, i32 w) {
    static const char* const articles[] = {"la", "les", nullptr};
    const i32 v = w + 2;
    if (v >= Count() || !IsOneOf(w + 1, articles) || Cat(w + 1) != 7) return -1;
    if (v + 1 < Count() && (Cat(v + 1) == 10 || Cat(v + 1) == 11)) return -1;
    return ParticipleOnlyForm(f, v) ? v : -1;
}

// The past participle after a preposition that opens an infinitive: right
// after it, or past object pronouns ("de nous consacré"); -1 when word w
// opens none. Right after it, a participle that may be a noun or an
// adjective is one only when a determiner follows it ("à obligé ces gens":
// a verb with its object; "sans feinte", "de mort": the noun).
i32 ParticipleAfterPreposition(ClauseFrame& f, i32 w) {
    static const char* const prepositions[] = {MR("à"), "de", "d'", "pour", "sans", "par", nullptr};
    if (!IsOneOf(w, prepositions)) return -1;
    i32 v = w + 1;
    // After "à", "lui", "nous", "vous" and "leur" may be the stressed
    // pronoun the preposition governs ("quant à lui prévenu").
    static const char* const stressed[] = {"lui", "nous", "vous", "leur", nullptr};
    if (Is(w, MR("à")) && IsOneOf(v, stressed)) return -1;
    // After a subject or an object pronoun, "à" stands for the auxiliary
    // "a", which the word-sequence rule reports ("il l'à mangé").
    if (Is(w, MR("à")) && w > 0 && (Cat(w - 1) == 1 || Cat(w - 1) == 2)) return -1;
    // So does one after the noun group that opens the sentence.
    if (Is(w, MR("à")) && w == 2 && Cat(0) >= 7 && Cat(0) <= 9 && Cat(1) == 10) return -1;
    const i32 a = ParticipleAfterArticle(f, w);
    if (a >= 0) return a;
    while (v < Count() && Cat(v) == 2 && Readings(v) == 1) ++v;
    if (!VerbParticiple(v)) return -1;
    if (v > w + 1) return v;
    if (QualifierDe(w)) return -1;
    const bool object = v + 1 < Count() && (Cat(v + 1) == 7 || Cat(v + 1) == 8);
    return object || !NounOrAdjectiveForm(f, v) ? v : -1;
}

// Rule 47 on the words from segment i up to the next one (from the first
// word for the first segment walked).
RuleCode CheckParticipleAfterPreposition(ClauseFrame& f, u16& out) {
    const i32 i = f.currentSegment;
    const i32 from = i == 1 ? 0 : First(i);
    const i32 to = i < SegCount() - 1 ? First(i + 1) : Count();
    for (i32 w = from; w < to; ++w) {
        const i32 v = ParticipleAfterPreposition(f, w);
        if (v < 0 || !MayReport(47, v)) continue;
        RuleReport r;
        r.code = 47;
        r.pos = v;
        r.extent = 0;
        return Commit(r, out);
    }
    return 0;
}

bool LeadingGroup(i32 h);

// A past participle set off by a comma after a noun group agrees with that
// group ("La femme, blessée par deux fois, se releva."): the group opens
// the sentence or follows a verb, is not one of a list, and the
// participle stands alone, before a sign or a preposition.
bool AppositionParticiple(i32 i) {
    // The participles that stand as prepositions stay invariable
    // ("Les fortifications, excepté en Sardaigne, ...").
    static const char* const kPrepositions[] = {MR("excepté"), "vu", MR("passé"), "attendu", "compris", MR("supposé"),
                                                nullptr};
    if (i < 2 || Kind(i - 1) != 21 || Last(i) != First(i) || !VerbParticiple(First(i))) return false;
    if (IsOneOf(First(i), kPrepositions)) return false;
    const i32 h = i - 2;
    if (!LeadingGroup(h)) return false;
    if (h > 0 && h + 3 < SegCount() && Kind(h + 3) == 21) return false;
    const i32 n = First(i) + 1;
    return n >= Count() || Cat(n) == 15 || Cat(n) == 20 || Cat(n) == 21;
}

// A noun group that opens the sentence or follows a verb, with a
// determiner and no conjunction in it.
bool LeadingGroup(i32 h) {
    if (Kind(h) != 24 || (FCat(h) != 7 && FCat(h) != 8) || (h > 0 && Kind(h - 1) != 14)) return false;
    for (i32 w = First(h); w <= Last(h); ++w) {
        if (Is(w, "et") || Is(w, "ou")) return false;
    }
    return true;
}

// A past participle alone after "N de N" qualifies either noun ("le chien
// de son voisin, tué" or "tuée"): it disagrees only when it fits neither.
bool ParticipleAfterComplement(i32 i) {
    if (i < 2 || Last(i) != First(i) || !VerbParticiple(First(i))) return false;
    const i32 c = i - 1;
    if (Kind(c) != 23 || FCat(c) != 15 || !(Is(First(c), "de") || Is(First(c), "d'"))) return false;
    return LeadingGroup(i - 2) && ClashOneTwo(S(i), S(c));
}

RuleCode CheckAppositionParticiple(i32 i, u16& out) {
    if (!AppositionParticiple(i) && !ParticipleAfterComplement(i)) return 0;
    if (!ClashOneTwo(S(i), S(i - 2)) || !MayReport(41, First(i))) return 0;
    return ReportGroupDisagreement(i, i - 2, out);
}

bool HomophoneSite(i32 i) {
    const i32 w = First(i) - 1;
    if (Kind(i) != 12 || Cat(w) == 8 || Cls(w) == 'A' || Cls(w) == 20) return false;
    if (Kind(i - 1) == 14 && FMark(i - 1) > 127) return true;
    return i < SegCount() - 1 && Kind(i - 1) == 24 && Kind(i + 1) == 14;
}

// The first tagged-list entry after the word's own whose word reads as an
// adjective or a noun-adjective; -1 when none.
i32 AdjectiveHomophone(ClauseFrame& f, i32 i) {
    BoundedArray<u16>& codes = *f.formCodes;
    const u16 count = FindWordFormCodes(0, static_cast<i16>(First(i)), codes);
    for (u16 k = 1; k < count; ++k) {
        const i32 entry = codes.ClampedAt(k);
        CopyTaggedWord(f.taggedWords->ClampedAt(entry), *f.workWord);
        f.workTagCount = 0;
        LookupWordForm(800, *f.workWord, *f.workTags, f.workTagCount);
        for (u16 t = 0; t < f.workTagCount; ++t) {
            const u8 cls = static_cast<u8>(f.workTags->ClampedAt(t) >> 8);
            if (cls == 'B' || cls == 'C') return entry;
        }
    }
    return -1;
}

RuleCode CheckHomophoneParticiple(ClauseFrame& f, u16& out) {
    const i32 i = f.currentSegment;
    if (!HomophoneSite(i)) return 0;
    const i32 entry = AdjectiveHomophone(f, i);
    if (entry < 0 || !MayReport(32, First(i))) return 0;
    RuleReport r;
    r.code = 32;
    r.pos = First(i);
    r.extent = static_cast<u16>(entry);
    gHomophoneAgreement = 0;
    return Commit(r, out);
}

bool CopulaAttribute(i32 i) {
    if (i >= SegCount() - 2 || Kind(i + 1) != 14 || FMark(i + 1) <= 128) return false;
    const bool attribute = (Kind(i + 2) == 24 && FCls(i + 2) != 64) || (Kind(i + 2) == 23 && FCat(i + 2) != 15);
    if (!attribute || (Kind(i) != 23 && Kind(i) != 24)) return false;
    return (FCat(i) == 8 && FCls(i) > 79 && FCls(i) < 109) || FCat(i) == 10;
}

RuleCode CheckCopulaAttribute(ClauseFrame& f, u16& out) {
    const i32 i = f.currentSegment;
    if (!CopulaAttribute(i)) return 0;
    if (Kind(i + 2) == 23) S(i + 2).SegmentKind = 24;
    // The resume point is tested at the segment two before the subject:
    // after a report here only the attribute's own copula clause can be
    // refused.
    // An attribute that a conjunction continues agrees as the whole
    // coordination, not as its first member ("sont leur cousine et leur
    // cousin").
    if (i + 3 < SegCount() && Kind(i + 3) == 16) return 0;
    if (!ClashKnown(S(i), S(i + 2)) || !MayReport(45, First(i - 2))) return 0;
    i32 t = SegCount();
    for (i32 k = i + 1; k < SegCount(); ++k) {
        if (Kind(k) == 24 || Kind(k) == 23 || Kind(k) == 10) {
            t = k;
            break;
        }
    }
    RuleReport r = FromGlobals(45);
    r.extent = AgreementExtent(S(t));
    r.gender = S(i).Gender;
    r.number = S(i).Number;
    r.person = S(i).Person;
    r.kind = 4;
    return AgreementTail(f, r, out);
}

}  // namespace

RuleCode CheckSegmentLastRules(ClauseFrame& f, u16& out) {
    RuleCode code = 0;
    const Next next = CheckPrepositionParticiple(f.currentSegment, out, code);
    if (next == Next::Report) return code;
    if (const RuleCode r = CheckParticipleAfterPreposition(f, out); r != 0) return r;
    if (const RuleCode r = CheckAppositionParticiple(f.currentSegment, out); r != 0) return r;
    if (next == Next::Homophone) {
        if (const RuleCode r = CheckHomophoneParticiple(f, out); r != 0) return r;
    }
    return CheckCopulaAttribute(f, out);
}

}  // namespace clause_walk
