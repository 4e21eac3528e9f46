// Noun-group numbering: one pass gives the words of each noun group the same
// ClauseNumber, re-classes day names, determiners used as adjectives and
// colour words, and checks the qualifiers inside a group (an adverb-like
// adjective before an adjective, compound colour adjectives: 41 'C').
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "rules/french/french_agreement.h"

namespace french_agreement {

using namespace rules;

namespace {

struct Numbering {
    u8 counter = 0;  // C: the number last given to a group
    u16 open = 0;    // G
    u16 headSeen = 0;  // H
    u16 colourKind = 0;  // K: kept from one colour word to the next
};

void Join(Numbering& n, i32 i) { W(i).ClauseNumber = n.counter; }
void Open(Numbering& n, i32 i) {
    ++n.counter;
    n.open = 1;
    W(i).ClauseNumber = n.counter;
}
void Close(Numbering& n) {
    n.open = 0;
    n.headSeen = 0;
}
// A word of its own: a new number, no group left open.
void Single(Numbering& n, i32 i) {
    ++n.counter;
    n.open = 0;
    W(i).ClauseNumber = n.counter;
}


// "Light" feature byte: singular or no number, and not feminine.
bool Light(u8 f) { return (f & 15) <= 7 && (f & 0xF0) != 0x20; }

RuleCode Report41C(i32 pos, u8 features, u16 detail, u16& out) {
    RuleReport r;
    r.code = 41;
    r.pos = pos;
    r.variant = 'C';
    r.detail = detail;
    r.kind = 1;
    r.gender = static_cast<u16>(features >> 4);
    r.number = static_cast<u16>((features & 15) / 4);
    r.extent = 1;
    return Commit(r, out);
}

// Rule A: an adverb-like adjective between a noun and an adjective.
RuleCode CheckAdverbQualifier(const Numbering& n, i32 i, u16& out) {
    const bool after = (n.open == 1 && Cat(i - 1) == 10) || (Cat(i - 1) == 14 && Mark(i - 1) >= 129);
    if (!after || i >= Count() - 1 || Cat(i + 1) != 10) return 0;
    const bool nextLight = Light(Feat(i + 1)) && (Cls(i + 1) < 128 || Feat(i + 1) <= 2);
    if (Light(Feat(i))) {
        W(i).ReadingCategories[0] = 18;
        if (nextLight) {
            W(i + 1).ReadingCategories[0] = 18;
            return 0;
        }
        return MayReport(41, i) ? Report41C(i + 1, Feat(i + 1), 65, out) : 0;
    }
    return MayReport(41, i) ? Report41C(i, Feat(i), nextLight ? 65 : 66, out) : 0;
}

u16 ColourQualifierKind(i32 next) {
    if (Begins(next, "clair") || Begins(next, MR("pâle")) || Begins(next, "sombre") || Begins(next, "brillant"))
        return 1;
    if (Begins(next, "mat") || Begins(next, "vif") || Begins(next, "vive")) return 2;
    if (Begins(next, MR("foncé"))) return 3;
    return 0;
}

// Rules B and C: a colour adjective followed by a colour qualifier.
RuleCode CheckColourQualifier(Numbering& n, i32 i, u16& out) {
    const bool after = (Cat(i - 1) == 10 && n.open == 1) || (Cat(i - 1) == 14 && Mark(i - 1) >= 129);
    if (!after) return 0;
    const i32 next = i + 1;
    n.colourKind = ColourQualifierKind(next);
    const u16 k = n.colourKind;
    const i32 length = TextLength(next);
    const u8 last = Letter(next, length - 1);
    const bool agreed = (k >= 1 && last == 's') || (k >= 2 && last == 'e');
    const u8 own = Feat(i);
    if (Cls(i - 1) == 'A' && ((own >> 2) & 3) >= 2) {  // rule B
        return MayReport(41, i) ? Report41C(i, own, agreed ? 34 : 33, out) : 0;
    }
    W(i).ReadingCategories[0] = 18;  // rule C
    if (agreed && MayReport(41, i)) {
        if (k != 3) return Report41C(next, Feat(next), 33, out);
        const u8 form = length == 5 ? 0x14 : length == 7 ? 0x28 : last == 's' ? 0x18 : 0x24;
        return Report41C(next, form, 33, out);
    }
    if (Cat(next) == 10) W(next).ReadingCategories[0] = 18;
    return 0;
}

// A word with several readings (step 1 of the walk).
void NumberAmbiguous(Numbering& n, i32 i) {
    WordRecord& w = W(i);
    if (gAnalysisMode != 0) {
        KeepOne(i);
        return;
    }
    const i32 count = Readings(i);
    bool allNouns = count > 0;
    i32 k = -1;
    for (i32 r = 0; r < count; ++r) {
        allNouns = allNouns && Cat(i, r) == 10;
        if (k < 0 && Cat(i, r) == 10) k = r;
    }
    if (allNouns && n.open == 1) Join(n, i);
    if (k < 0) {
        Close(n);
        return;
    }
    if (n.open != 1) return;
    if (n.headSeen != 0) {
        Close(n);
        return;
    }
    Join(n, i);
    CopyReading(w, 0, k);
    w.ReadingCategories[0] = 10;
    KeepOne(i);
}

void NumberArticle(Numbering& n, i32 i) {
    if (i > 0 && CatIn(i - 1, 7, 9)) {
        if (i == 1) Join(n, i);
        else if (Begins(i - 1, "seul") && CatIn(i - 2, 12, 14)) Open(n, i);
        else Join(n, i);
        return;
    }
    if (n.open == 1 && i < Count() - 2 && Comparative(i + 1)) Join(n, i);
    else Open(n, i);
}

void NumberDeterminer(Numbering& n, i32 i) {
    const u8 cls = Cls(i);
    if ((cls > 'l' || cls == 'O') && i > 0 && !Begins(i - 1, "tou") && !Begins(i - 1, "seul")) {
        Open(n, i);
        return;
    }
    if (n.open == 1) {
        if (cls == 'Q' && (Begins(i, "dim") || Ends(i, "di") || Ends(i, "dis"))) {
            Join(n, i);  // a day name: a noun of the group
            SetReading0(i, 10, 'A');
            return;
        }
        if (cls == 'P' && (Begins(i, "nul") || Begins(i, "tel")) && i > 0 && !Begins(i - 1, "un")) {
            Join(n, i);
            SetReading0(i, 10, 'B');
            return;
        }
        if (cls == 'Q' && (Begins(i, "dive") || Begins(i, "nombreu") || Begins(i, "ce") || Letter(i, 0) == 's')) {
            Join(n, i);  // a determiner used as an adjective
            SetReading0(i, 10, 'B');
            return;
        }
    }
    if (i == 0) Open(n, i);
    else if (CatIn(i - 1, 7, 9) || (Cat(i - 1) == 3 && Begins(i - 1, "seul"))) Join(n, i);
    else Open(n, i);
}

// A noun after a verb (skipping participles and adverbs) opens a group of
// its own; the word is marked as such (category 30).
void NumberNounAfterVerb(Numbering& n, i32 i, u8 cls) {
    if (cls == '@') Open(n, i);
    i32 p = i - 1;
    while (p >= 0 && (Cat(p) == 11 || LastCat(p) == 18)) --p;
    if (p < 0) return;
    const bool verb = CatIn(p, 12, 14);
    if ((verb && Mark(p) < 128) || (verb && Mark(p) > 128 && cls == 'A')) {
        Open(n, i);
        W(i).ReadingCategories[0] = 30;
        return;
    }
    if (CatIn(p, 11, 13) && Mark(p) < 128) {
        i32 q = p - 1;
        while (q >= 0 && LastCat(q) == 18) --q;
        if (q < 0) return;
        if (Readings(q) == 1 && CatIn(q, 12, 15) && Mark(q) < 128) Open(n, i);
        return;
    }
    if (Cat(p) == 5 || Cat(p) > 14) Open(n, i);
}

// Any other category (nouns, adjectives, adverbs, verbs, signs).
RuleCode NumberOther(Numbering& n, i32 i, u16& out) {
    const u8 cat = Cat(i);
    if (gAnalysisMode == 1 && cat == 20 && Letter(i, 0) == '"') {
        Join(n, i);
        return 0;
    }
    if ((cat >= 12 && cat <= 17) || cat == 20 || cat == 21 || (cat == 0 && Cls(i) == 0)) {
        Close(n);
        return 0;
    }
    if (Cls(i) == 'E')
        if (const RuleCode r = CheckAdverbQualifier(n, i, out); r != 0) return r;
    if (Cls(i) == '}')
        if (const RuleCode r = CheckColourQualifier(n, i, out); r != 0) return r;
    if (Cls(i) == '}' && (Cat(i - 1) == 7 || Cat(i - 1) == 8)) {
        u8& f = W(i - 1).ReadingFeatures[0];
        if (f > 63) f = static_cast<u8>(f - 64);
        if ((f >> 4) == 3) f = static_cast<u8>(f - 48);
        u8& cls = W(i).ReadingClasses[0];
        if ((f >> 4) == 2) cls = 'N';
        else if ((f >> 4) == 1) cls = 'M';
        if (n.colourKind != 0) cls = 'C';
    }
    const u8 cls = Cls(i);
    if (gAnalysisMode == 1 && cat == 10 && Letter(i - 1, 0) == '"') {
        Join(n, i);
        n.headSeen = 1;
        return 0;
    }
    if (n.open == 1) {
        Join(n, i);
        if (cls == 'A' || cls == 'C' || cls == 'M' || cls == 'N' || cls == '@') n.headSeen = 1;
        return 0;
    }
    const bool qualifier = cls == 'B' || cls == 'E' || cls == '}' || cls >= 128;
    if (cat == 10 && i >= 1 && Letter(i - 1, 0) != '"' && !qualifier) {
        NumberNounAfterVerb(n, i, cls);
    } else if (i == 0 ? qualifier || cls == '@' : qualifier && (Cat(i - 1) == 15 || Cat(i - 1) == 20 || Cat(i - 1) == 21)) {
        Open(n, i);  // a name opens its group at the sentence's start too ("Paul et Marie dorment")
    }
    return 0;
}

}  // namespace

RuleCode NumberNounGroups(u16& out) {
    Numbering n;
    for (i32 i = 0; i < Count(); ++i) {
        if (Readings(i) != 1) {
            NumberAmbiguous(n, i);
            continue;
        }
        switch (Cat(i)) {
            case 3:
                if (i > 0 && Cat(i - 1) == 10) Join(n, i);
                else Single(n, i);
                break;
            case 4:
                if (i > 0 && (Begins(i - 1, "tou") || Begins(i - 1, "seul"))) Join(n, i);
                else Open(n, i);
                break;
            case 1: case 2: case 5: case 6: Single(n, i); break;
            case 7: NumberArticle(n, i); break;
            case 8: NumberDeterminer(n, i); break;
            case 9: Open(n, i); break;
            default:
                if (const RuleCode r = NumberOther(n, i, out); r != 0) return r;
                break;
        }
    }
    return 0;
}

}  // namespace french_agreement
