// The head of an English noun phrase and the functions of its words.
#include "rules/english/english_phrase_heads.h"

#include "rules/english/english_phrase_stage.h"

namespace english {

using namespace rules;

namespace {

constexpr u16 kVerbActive = 74;
constexpr u16 kSubject = 75;
constexpr u16 kEpithet = 76;
constexpr u16 kAttribute = 77;

// The order code of a class byte: the lower, the likelier the head.
u8 OrderOfClass(u8 cls) {
    if (cls == 'B' || cls == '.' || cls >= 128) return 'D';
    if (cls == '@') return 'B';
    if (cls < '@') return 127;
    return cls;
}

bool Adjectival(u8 cls) { return cls == 'B' || cls == 'C' || cls == 'M' || cls == 'N'; }
bool NounClass(u8 cls) { return cls == 'A' || cls == '+' || cls == '@'; }

// The word after L, when L is not the sentence's last word.
bool Inside(i32 i) { return i < Count() - 1; }

i32 ChooseHead(i32 f, i32 L) {
    if (L > 0 && Inside(L) && Cat(L - 1) == 10 &&
        (VerbClass(L) || (Cls(L) == 'B' && Feat(L) == 12 && Ends(L, "ed"))) &&
        (Cls(L + 1) == ' ' || Cls(L + 1) == '!' || Cls(L + 1) == '"'))
        return L - 1;
    if (L > 0 && Inside(L) && (Is(L + 1, "enough") || Is(L + 1, "as")) && Cat(L - 1) == 10 &&
        (Cls(L) == 'B' || Cls(L) == 'C'))
        return L - 1;
    if (Inside(L) && (Is(L - 1, "too") || Is(L - 1, "very") || Is(L - 1, "rather")) && Cat(L - 2) == 10 &&
        (Cls(L) == 'B' || Cls(L) == 'C'))
        return L - 2;
    if (Cat(f) == 8 && Begins(f, "some") && Cls(f + 1) == 'B') return f;
    return Cat(L) == 18 ? L - 1 : L;
}

void SetFunction(i32 w, u16 code, i32 head) {
    W(w).FunctionCode = code;
    W(w).LinkedWord = static_cast<u16>(head);
}

// A phrase of one word.
void OneWordFunction(i32 w, i32 h) {
    WordRecord& r = W(w);
    const u8 cls = Cls(w);
    u16 code = 0;
    if (w == 0 && Cat(w) == 11) {
        code = 0;
    } else if (NounClass(cls)) {
        code = kSubject;
    } else if (w == 0 && Adjectival(cls)) {
        r.ReadingClasses[0] = 'A';
        code = kSubject;
    } else if (Cat(w) == 1 || Cat(w) == 4 || Cat(w) == 6) {
        code = kSubject;
    } else if (Cat(w - 1) == 15 && Adjectival(cls)) {
        r.ReadingClasses[0] = 'A';
        code = kSubject;
    } else if (Adjectival(cls)) {
        code = w > 0 && Mark(w - 1) > 127 ? kAttribute : kEpithet;
        r.ReadingClasses[0] = 'B';
    }
    SetFunction(w, code, h);
}

// An adjective after a linking verb and the words that grade it ("is
// pretty suspicious", "seems much less predictable") stays an adjective.
bool PredicativeAdjective(i32 w) {
    if (Cls(w) != 'B') return false;
    i32 k = w - 1;
    while (k >= 0 && (Cat(k) == 18 || Cls(k) == 'B')) --k;
    return k >= 0 && k < w - 1 && Cls(k) >= 128 && Mark(k) > 127;
}

// The last word of a phrase of several words.
void LastWordFunction(i32 w, i32 h) {
    WordRecord& r = W(w);
    const u8 cls = Cls(w);
    if (w == h) {
        const bool pairedAdjectives = w < Count() - 2 && cls == 'B' && Cat(w + 1) == 16 && Cls(w + 2) == 'B';
        if (cls != '@' && cls != '+' && Cat(w) != 8 && !pairedAdjectives && !PredicativeAdjective(w))
            r.ReadingClasses[0] = 'A';
        SetFunction(w, kSubject, h);
        return;
    }
    if (cls != '@' && cls != '+') r.ReadingClasses[0] = 'B';
    SetFunction(w, kEpithet, h);
}

// A word before the last of a phrase of several words.
void InnerWordFunction(i32 w, i32 h) {
    WordRecord& r = W(w);
    if ((Cls(w) == 'A' || Cls(w) == '+') && r.WordCaseMode > 0 && w > 1 && Cls(w - 1) == '@' &&
        W(w - 2).WordCaseMode == 0)
        r.ReadingClasses[0] = '@';
    const u8 cls = Cls(w);
    const bool afterAuxiliary = w > 0 && Cls(w - 1) == 128 && (Mark(w - 1) == 37 || Mark(w - 1) == 38);
    u16 code = kEpithet;
    if (w == h && (cls == 'A' || cls == '+')) {
        code = kSubject;
    } else if (w == h && cls != '@') {
        if (cls != 'B' && cls != 'D' && Cat(w) != 8) r.ReadingClasses[0] = 'A';
        code = kSubject;
    } else if (cls >= 128) {
        code = afterAuxiliary ? kVerbActive : kEpithet;
    } else if (Feat(w) == 12) {
        if (afterAuxiliary) {
            code = kVerbActive;
        } else {
            r.ReadingClasses[0] = 'B';
        }
    } else if (NounClass(cls)) {
        code = kEpithet;
    } else if (cls == 'D') {
        code = kSubject;
    } else {
        r.ReadingClasses[0] = 'B';
    }
    SetFunction(w, code, h);
}

}  // namespace

u8 FeatureNumber(u8 features) {
    const u8 n = static_cast<u8>((features >> 2) & 3);
    return n == 3 ? 0 : n;
}

void StartHeadCandidate(HeadCandidate& h, i32 f) {
    h = HeadCandidate{};
    h.first = f;
    h.threshold = OrderOfClass(Cls(f));
    h.word = f;
}

void WeighHeadCandidate(HeadCandidate& h, i32 w, u8 gender, u8 number) {
    const i32 f = h.first;
    if (Cat(f) == 8 && Is(f, "all")) h.threshold = 127;
    const u8 cls = Cls(w);
    u8 code = OrderOfClass(cls);
    if (cls == '+') code = 'A';
    if (cls == 'A' && (Feat(w) & ~3) == 4 && Inside(w) && Cat(w + 1) == 15) code = 'D';
    if (w == f && Cat(f) == 8 && Begins(f, "some") && Cls(f + 1) == 'B') code = 'C';
    if (code > h.threshold) return;
    h.threshold = code;
    h.word = w;
    if (gender != 0) h.gender = gender;
    h.number = code == 'D' && Inside(w) && Cat(w + 1) != 10 ? FeatureNumber(Feat(f)) : number;
}

i32 ChooseHeadAndFunctions(i32 f, i32 L) {
    if (W(f).ClauseNumber >= 254) return L;
    const i32 h = ChooseHead(f, L);
    for (i32 w = L; w >= f; --w) {
        W(w).LinkedWord = 0;
        W(w).FunctionCode = 0;
        const u8 cls = Cls(w);
        if ((cls != '+' && cls < 64) || (cls >= 99 && cls <= 108)) {
            if (Cat(w) >= 1 && Cat(w) <= 6) SetFunction(w, kSubject, h);
        } else if (w == f && w == L) {
            OneWordFunction(w, h);
        } else if (w == L) {
            LastWordFunction(w, h);
        } else {
            InnerWordFunction(w, h);
        }
    }
    return h;
}

}  // namespace english
