// The functions of the phrases after their verbs, once the clause rules
// have found nothing: participle phrases attached to a subject, subject
// phrases left without a verb, objects and attributes, infinitive
// complements (a verb that takes an object and a bare infinitive is
// marked 242 for the later calls on the sentence), coordinated words of a
// noun-or-adjective phrase, auxiliary and participle pairs.
#include "rules/english/english_clause_call.h"

namespace english {

using namespace rules;
using namespace clause;

namespace {

constexpr u16 kDirectObject = 70;
constexpr u16 kIndirectObject = 71;
constexpr u16 kPrepositionalObject = 72;
constexpr u16 kObject = 73;
constexpr u16 kActiveVerb = 74;
constexpr u16 kSubject = 75;
constexpr u16 kAttributeOf = 77;
constexpr u16 kPassive = 82;
constexpr u8 kCausativeClass = 242;
constexpr u8 kDetached = 254;

bool SharedLink(i32 k) { return Seg(k).Link >= 1 && Seg(k).Link <= 127; }

// Word w takes the function and the linked word of word from.
void CopyFunction(i32 w, i32 from) {
    W(w).FunctionCode = W(from).FunctionCode;
    W(w).LinkedWord = W(from).LinkedWord;
}

void ParticiplesAfterSubjects() {
    for (i32 k = 1; k < N(); ++k) {
        if (Kind(k) != 12 || Kind(k - 1) != 24 || Cat(First(k - 1)) == 5) continue;
        W(Last(k)).LinkedWord = static_cast<u16>(k - 1);
        W(Last(k)).FunctionCode = kActiveVerb;
        W(Last(k - 1)).LinkedWord = static_cast<u16>(k);
    }
}

void SubjectsWithoutVerb() {
    for (i32 k = 1; k < N(); ++k) {
        if (Kind(k) != 24 || Cat(First(k)) == 5) continue;
        for (i32 m = k - 1; m >= 0; --m)
            if (Kind(m) == 14 && W(Last(m)).LinkedWord == k) return;
        bool verb = false;
        for (i32 j = k; j < N() && !verb; ++j)
            verb = (Kind(j) == 14 || Kind(j) == 12) && W(Last(j)).LinkedWord == k;
        if (verb && Cat(First(k + 1)) != 5) continue;
        Seg(k).SegmentKind = 23;
        W(Last(k)).FunctionCode = kSubject;
        Seg(k).Link = kDetached;
    }
}

// The word of record k that heads its functions: the first subject, else
// the first attribute; -1 when there is neither.
i32 FunctionHead(i32 k) {
    for (const u16 code : {kSubject, kAttributeOf})
        for (i32 w = First(k); w < End(k); ++w)
            if (W(w).FunctionCode == code) return w;
    return -1;
}

i32 Governor(i32 k) {
    const bool detached = Seg(k).Link == kDetached;
    for (i32 m = k - 1; m >= 0; --m) {
        const u8 kind = Kind(m);
        if (kind == 14 || kind == 13 || kind == 12 || kind == 11) return m;
        if (detached) continue;
        if (kind == 10 || kind == 24) return m;
        if (kind == 23 && Kind(m + 1) != 16 && Kind(m + 1) != 21) return m;
    }
    return -1;
}

void MarkHead(i32 k, i32 h) {
    const i32 m = Governor(k);
    if (m < 0) return;
    const i32 f = First(k);
    const u8 kind = Kind(m);
    if (kind == 24 || kind == 23) {
        W(h).LinkedWord = static_cast<u16>(Last(m));
        const bool prepositional = Cls(f) == ' ' || Cls(f) == '!' || Cat(f) == 9 || Is(f, "des") || Is(f, "du");
        W(h).FunctionCode = prepositional ? kPrepositionalObject : kObject;
    } else if (kind != 10 || Cat(First(m)) == 11) {
        const i32 g = First(m) + (kind == 13 && Cat(First(m)) == 15 ? 1 : 0);
        W(h).LinkedWord = static_cast<u16>(g);
        if (Mark(g) > 128) W(h).FunctionCode = kAttributeOf;
        else W(h).FunctionCode = Cat(f) == 15 || Cat(f) == 9 ? kIndirectObject : kDirectObject;
    }
    for (i32 w = First(k); w < End(k); ++w)
        if (W(w).FunctionCode == kSubject) CopyFunction(w, h);
}

void HeadFunctions() {
    for (i32 k = 0; k < N(); ++k) {
        if (Kind(k) != 23 && Kind(k) != 12) continue;
        const i32 h = FunctionHead(k);
        if (h < 0) continue;
        if (Kind(k) == 12) Seg(k).LastWord = static_cast<u8>(h);
        if (SharedLink(k)) {
            CopyFunction(h, Last(Seg(k).Link));
            continue;
        }
        MarkHead(k, h);
    }
}

// Verbs that take an object and a bare infinitive ("make him go").
bool CausativeModel(i32 g) {
    const u8 m = Mark(g);
    static const u8 kModels[] = {18, 35, 41, 42, 43, 45, 47, 74, 113};
    for (const u8 x : kModels)
        if (m == x) return true;
    return m == 63 && Begins(g, "perm");
}

void MarkInfinitive(i32 k) {
    i32 i = First(k);
    while (i < End(k) && Cat(i) != 13) ++i;
    if (i >= End(k)) return;
    Seg(k).LastWord = static_cast<u8>(i);
    if (SharedLink(k)) {
        CopyFunction(i, Last(Seg(k).Link));
        return;
    }
    i32 m = k - 1;
    while (m >= 0 && !Between(Kind(m), 10, 14)) --m;
    if (W(i).FunctionCode == kSubject) return;
    if (m < 0) {
        W(i).FunctionCode = kObject;
        return;
    }
    W(i).LinkedWord = static_cast<u16>(Last(m));
    W(i).FunctionCode = Cat(First(k)) == 13 ? kDirectObject : kIndirectObject;
    if (m == 0) return;
    const i32 g = Last(m);
    if (Verb(g) && CausativeModel(g)) W(g).ReadingClasses[0] = kCausativeClass;
    if (Cls(g) != kCausativeClass) return;
    W(i).FunctionCode = kActiveVerb;  // the infinitive takes the verb's subject
    W(i).LinkedWord = W(g).LinkedWord;
}

void InfinitiveFunctions() {
    for (i32 k = 0; k < N(); ++k)
        if (Kind(k) == 13) MarkInfinitive(k);
}

void CoordinatedQualifiers() {
    for (i32 k = 0; k < N(); ++k) {
        if (Kind(k) != 10) continue;
        for (i32 w = First(k) + 1; w < End(k); ++w) {
            const u8 before = Cat(w - 1);
            if (Cat(w) == 10 && (before == 16 || before == 21 || Cls(w - 1) == '*')) CopyFunction(w, Last(k));
        }
    }
}

// An auxiliary and its participle: the participle takes the auxiliary's
// subject; then the record before the last one leaves the table.
void AuxiliaryParticiples() {
    const i32 n = N();
    if (n < 3) return;
    bool remove = false;
    for (i32 k = 1; k <= n - 2; ++k) {
        if (Kind(k) != 14) continue;
        const i32 a = First(k), b = First(k + 1);
        const u8 m = Mark(a);
        const bool be = m == 37 || m == 165;
        const bool have = m == '&' && Cls(a) == 128 && Kind(k + 1) == 11;
        const bool passive = be && Kind(k + 1) == 10 && W(b).FunctionCode == kPassive;  // stays passive
        if (!have && !passive && !(be && Cls(a) == 128 && Kind(k + 1) == 10)) continue;
        if (!passive) W(b).FunctionCode = kActiveVerb;
        W(b).LinkedWord = W(a).LinkedWord;
        remove = true;
    }
    if (!remove) return;
    SegmentRecord& into = Seg(n - 2);
    const u8 link = into.Link;
    into = Seg(n - 1);
    into.Link = link;
    gSegmentCount = static_cast<u16>(n - 1);
}

}  // namespace

void MarkComplementFunctions() {
    ParticiplesAfterSubjects();
    SubjectsWithoutVerb();
    HeadFunctions();
    InfinitiveFunctions();
    CoordinatedQualifiers();
    AuxiliaryParticiples();
}

}  // namespace english
