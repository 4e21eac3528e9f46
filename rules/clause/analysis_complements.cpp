// Complements in the analysis cascade's final segment pass: the phrases
// that share a clause with the segment in hand take the governing verb's
// link and their object, indirect-object, infinitive-complement or
// adverbial function; an attribute after a linking verb, an object after
// a subject phrase, an object pronoun before its verb and the two objects
// of "offer", "ask", "award" and their like.
#include <initializer_list>

#include "frame/settings.h"
#include "rules/clause/analysis_cascade.h"

using rules::Begins;
using rules::Cat;
using rules::Cls;
using rules::Letter;
using rules::Mark;
using rules::W;

namespace {

bool English() { return gCheckingLanguage == 0; }
u16& Fn(i32 w) { return W(w).FunctionCode; }
u8& Link(i32 s) { return Seg(s).Link; }
bool PrepositionLike(i32 w) { return Cat(w) == 15 || Cat(w) == 9; }
bool OneOf(u16 v, std::initializer_list<u16> list) {
    for (const u16 x : list) {
        if (v == x) return true;
    }
    return false;
}

bool DoubleObjectVerb(i32 v) {
    const u8 m = Mark(v);
    if (m == 119 || m == 75 || m == 41 || m == 24 || m == 90 || m == 82 || m == 113 || m == 64 || m == 59) return true;
    return m == 1 && (Begins(v, "ask") || Begins(v, "offer") || Begins(v, "award"));
}

// Complement step 3: the function of complement j of the verb at p.
void ComplementFunction(i32 j, i32 p) {
    const i32 last = LastOf(j);
    if (Seg(j).State == 2) {
        Fn(last) = 85;
        return;
    }
    if (OneOf(Fn(last), {72, 77, 79})) return;
    if (PrepositionLike(FirstOf(j))) Fn(last) = 71;
    else if (Kind(p) == 13 && Fn(LastOf(p)) != 74) Fn(last) = 86;
    else if (!OneOf(Fn(last), {75, 82, 80, 93})) Fn(last) = 70;
}

}  // namespace

void ComplementStep(i32 s) {
    const i32 p = s - 1, h = FirstOf(s);
    if (Cat(h) <= 6 || W(h).SpanFlag != static_cast<u8>(W(h - 1).SpanFlag + 1)) return;
    const i32 v = LastOf(p);
    const u8 link = Link(s);
    for (i32 j = Segments() - 1; j > s; --j) {
        if (Link(j) != link || (Mark(v) == 's' && Letter(v, 0) == 's')) continue;
        Link(j) = Link(p);
        ComplementFunction(j, p);
        for (i32 i = Segments() - 1; i > s; --i) {
            if (Link(i) != link || Kind(i - 1) != 16) continue;
            W(LastOf(i)).LinkedWord = static_cast<u16>(v);
            Fn(LastOf(i)) = Fn(LastOf(Fn(LastOf(s)) == 77 ? j + 1 : j));
        }
    }
}

void AttributeStep(i32 s) {
    const i32 p = s - 1, v = LastOf(p), h = FirstOf(s);
    if (Cls(v) <= 127 || Mark(v) <= 127) return;
    if (English()) {
        const i32 before = FirstOf(s - 2);
        if (Fn(FirstOf(p)) == 74 && Fn(before) == 48) {
            Fn(FirstOf(p)) = 67;
        } else {
            if (Fn(v) != 38) Fn(v) = 67;
            if (Fn(before) == 67) Fn(before) = 48;
        }
    }
    if (PrepositionLike(h)) Fn(LastOf(s)) = 71;
    else if (Seg(p).State != 0 && Cat(h) != 10 && Cat(h) != 11) Fn(LastOf(s)) = 70;
    else Fn(LastOf(s)) = 77;
    const u8 link = Link(s);
    for (i32 i = Segments() - 1; i > s; --i) {
        if (Link(i) != link || Kind(i - 1) != 16) continue;
        Link(i) = Link(p);
        W(LastOf(i)).LinkedWord = static_cast<u16>(v);
        if (Fn(LastOf(s)) != 77) Fn(LastOf(i)) = Fn(LastOf(s));
    }
    if (Seg(s).Gender == 0) Seg(s).Gender = Seg(p).Gender;
}

void ObjectAfterSubject(i32 s) {
    const i32 p = s - 1, subject = LastOf(p);
    Link(s) = Link(p);
    for (i32 t = s + 1; t < Segments(); ++t) {
        if (Link(t) != s) continue;
        W(LastOf(t)).LinkedWord = static_cast<u16>(subject);
        if (t <= Segments() - 2) Link(t) = Link(p);
    }
    Fn(LastOf(s)) = Cat(subject) == 13 ? 70 : 72;
    W(LastOf(s)).LinkedWord = static_cast<u16>(subject);
    if (Fn(subject) != 76) Fn(subject) = 75;
    W(subject).LinkedWord = 0;
}

void ObjectStep(i32 s) {
    const i32 p = s - 1, h = FirstOf(s);
    if (Kind(s) == 14 && Kind(p) == 23 && Cat(FirstOf(p)) == 2) {
        const bool direct = s != Segments() - 1 && Kind(s + 1) == 23 && Fn(LastOf(s + 1)) == 70;
        Fn(LastOf(p)) = direct ? 71 : 70;
        W(LastOf(p)).LinkedWord = static_cast<u16>(LastOf(s));
    }
    if (!English() || s <= 1 || Kind(p) != 23 || Cat(FirstOf(p)) == 15) return;
    const i32 q = s - 2;
    const bool afterVerb = Kind(q) == 14 && (Kind(s) == 24 || (Kind(s) == 23 && Cat(h) != 15)) && Cat(h) != 1 &&
                           Cat(h) != 5;
    const bool afterParticiple = Kind(q) == 12 && Kind(s) == 23;
    if ((!afterVerb && !afterParticiple) || !DoubleObjectVerb(LastOf(q))) return;
    Fn(LastOf(p)) = 71;
    Fn(LastOf(s)) = 70;
    Link(s) = Link(q);
    Seg(s).SegmentKind = 23;
}
