// English base recovery and French homophone endings of the spelling
// suggester.
#include "morphology/base_recovery.h"

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "morphology/section_walk.h"
#include "morphology/suggestion_checks.h"
#include "morphology/word_marks.h"

namespace {

constexpr u8 kEAcute = MRC("é");
constexpr u8 kEGrave = MRC("è");
constexpr u8 kECirc = MRC("ê");
constexpr u8 kEDiaeresis = MRC("ë");
constexpr u8 kACirc = MRC("â");
constexpr u8 kICirc = MRC("î");
constexpr u8 kOCirc = MRC("ô");
constexpr u8 kUCirc = MRC("û");

// One routine call: the word, its last letters and the mark of its adds.
struct Endings {
    u16 mode;
    const BoundedString& word;
    u16& count;
    StringList& list;
    i32 length = 0;
    u8 c1 = 0, c2 = 0, c3 = 0, c4 = 0;
    u8 mark = 0;
    bool hyphen = false;
    Work36 w;

    Endings(u16 m, const BoundedString& wd, u16& c, StringList& l) : mode(m), word(wd), count(c), list(l) {
        length = GetStringLength(word);
        c1 = TextAt(word, length - 1);
        c2 = length >= 2 ? TextAt(word, length - 2) : 0;
        c3 = length >= 3 ? TextAt(word, length - 3) : 0;
        c4 = length >= 4 ? TextAt(word, length - 4) : 0;
        mark = static_cast<u8>(gPendingSuggestionFlag + 1);
        hyphen = TextContains(word, kMarkHyphen);
    }
    void Fresh() { w.Set(word); }
    bool Found() { return IsKnownForm(mode, w.s); }
    bool Add() { return AddSuggestion(w.s, mark, count, list); }
    // English try, and French plain try: add when found; true when full.
    bool TryPlain() { return Found() && Add(); }
    // French try: the compound alternative for hyphenated words while the
    // list is still empty.
    bool Try() {
        if (Found()) return Add();
        if (hyphen && count == 0 && IsKnownCompound(kModeFrenchPlain, w.s)) return Add();
        return false;
    }
    void SetLast(u8 c) { w.s.data[w.Length() - 1] = c; }
    void Cut(i32 n) { TextCut(w.s, w.Length() - n > 0 ? w.Length() - n : 0); }
};

bool IsEnglishVowel(u8 c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y'; }

}  // namespace

u16 RecoverEnglishBaseForSuggestion(u16 mode, const BoundedString& word, u16& count,
                                    StringList& list) {
    Endings e(mode, word, count, list);
    if (e.length == 0) return 0;
    // 1. A final s, es or ies on a base form.
    if (e.c1 == 's') {
        e.Fresh();
        e.Cut(1);
        if (e.Found()) {
            if (e.Add()) return 1;
        } else if (e.c2 == 'e') {
            e.Cut(1);
        }
        if (!e.Found() && e.c3 == 'i' && e.length >= 3) {
            e.w.s.data[e.length - 3] = 'y';
            if (e.Found() && e.Add()) return 1;
        }
        if (e.TryPlain()) return 1;
    }
    // 2. The final vowel replaced by a, e and y in turn.
    if (IsEnglishVowel(e.c1)) {
        e.Fresh();
        e.SetLast('a');
        if (e.TryPlain()) return 1;
        if (e.c1 != 'e') {
            e.SetLast('e');
            if (e.TryPlain()) return 1;
        }
        if (e.c1 != 'y') {
            e.SetLast('y');
            if (e.TryPlain()) return 1;
        }
    }
    // 3. A silent l before f, d or k (half, would, walk).
    if (e.c1 == 'f' || e.c1 == 'd' || e.c1 == 'k') {
        e.Fresh();
        if (InsertByte(e.w.s, e.length - 1, 'l') && e.TryPlain()) return 1;
    }
    // 4, 5. A missing e or s.
    e.Fresh();
    if (AppendText(e.w.s, "e") && e.TryPlain()) return 1;
    e.Fresh();
    if (AppendText(e.w.s, "s") && e.TryPlain()) return 1;
    // 6 to 8. Silent b and t.
    if (e.c1 == 't') {
        e.Fresh();
        if (InsertByte(e.w.s, e.length - 1, 'b') && e.TryPlain()) return 1;
    }
    if (e.c1 == 'm') {
        e.Fresh();
        if (AppendText(e.w.s, "b") && e.TryPlain()) return 1;
    }
    if (e.c1 == 'f') {
        e.Fresh();
        if (AppendText(e.w.s, "t") && e.TryPlain()) return 1;
    }
    return 0;
}

namespace {

// Homophone endings: the first of these that ends the word is cut off ...
const char* const kHomophoneMatch[] = {"o", "os", "eau", "eaux", "au", "aux", "aut",
                                       "auts", "auds", "aud", "ots", "ot", "als"};
// ... and the stem is tried with each of these.
const char* const kHomophoneTry[] = {"o", "ot", "aud", "eau", "au", "aut", "aux",
                                     "eaux", "os", "auds", "ots", "auts", "als"};

bool FrenchAccents(Endings& e) {
    for (i32 p = 0; p < e.length; ++p) {
        const u8 c = e.word.data[p];
        if (gLetterCodes[c] == 0) continue;
        e.Fresh();
        if (c == 'e') {
            for (u8 v : {kEAcute, kEGrave, kECirc}) {
                e.w.s.data[p] = v;
                if (e.Found()) {
                    if (e.Add()) return true;
                    break;
                }
            }
            continue;
        }
        u8 v = 0;
        if (c == 'a') v = kACirc;
        else if (c == 'i') v = kICirc;
        else if (c == 'o') v = kOCirc;
        else if (c == 'u') v = kUCirc;
        if (v == 0) continue;
        e.w.s.data[p] = v;
        if (e.TryPlain()) return true;
    }
    return false;
}

bool TryAppended(Endings& e, const char* tail) {
    e.Fresh();
    return AppendText(e.w.s, tail) && e.Try();
}

bool HomophoneEndings(Endings& e) {
    for (const char* ending : kHomophoneMatch) {
        if (!TextEndsWith(e.word, ending)) continue;
        const i32 stem = e.length - static_cast<i32>(std::strlen(ending));
        for (const char* tail : kHomophoneTry) {
            e.Fresh();
            TextCut(e.w.s, stem);
            if (AppendText(e.w.s, tail) && e.Try()) return true;
        }
        return false;
    }
    return false;
}

bool FinalLetter(Endings& e) {
    u8 to = 0;
    switch (e.c1) {
        case 'a': to = kAGraveByte; break;
        case 'd': to = 't'; break;
        case 'r': to = 't'; break;
        case 't': to = 'r'; break;
        case 'x': to = 's'; break;
        case 'e': to = kEDiaeresis; break;
        default:
            if (e.c1 == kEAcute || e.c1 == kEGrave || e.c1 == kECirc) to = kEDiaeresis;
    }
    if (to == 0) return false;
    e.Fresh();
    e.SetLast(to);
    if (e.Found()) return e.Add();
    if (e.hyphen && e.count == 0) return IsKnownCompound(kModeFrenchPlain, e.w.s) && e.Add();
    if (to == 'r') {
        e.SetLast('s');
        return e.Try();
    }
    return false;
}

bool AnyOf(u8 c, const char* set) {
    for (; *set != 0; ++set)
        if (static_cast<u8>(*set) == c) return true;
    return false;
}

}  // namespace

u16 SuggestFrenchHomophoneEndings(u16 mode, const BoundedString& word, u16& count,
                                  StringList& list) {
    Endings e(mode, word, count, list);
    if (e.length == 0) return 0;
    if (FrenchAccents(e)) return 1;
    // 2. A final e too many.
    if (e.c1 == 'e') {
        e.Fresh();
        e.Cut(1);
        if (e.TryPlain()) return 1;
    }
    // 3 to 8. Silent final letters.
    if (!AnyOf(e.c1, "sxz") && TryAppended(e, "s")) return 1;
    if (TryAppended(e, "e")) return 1;
    if (AnyOf(e.c1, "aeginrsu") && TryAppended(e, "t")) return 1;
    if (AnyOf(e.c1, "nr") && TryAppended(e, "g")) return 1;
    if (AnyOf(e.c1, "iu") && TryAppended(e, "x")) return 1;
    if (AnyOf(e.c1, "noru")) {
        if (TryAppended(e, "d")) return 1;
        if (TryAppended(e, "c")) return 1;
    }
    if (HomophoneEndings(e)) return 1;
    if (FinalLetter(e)) return 1;
    // 11. A final consonant too many (and "es").
    if (!AnyOf(e.c1, "rstxz")) return 0;
    e.Fresh();
    e.Cut(1);
    if (e.Try()) return 1;
    if (e.c1 == 's' && e.c2 == 'e') {
        e.Cut(1);
        if (e.Try()) return 1;
    }
    if (e.c1 != 's') return 0;
    // 12. The letter before a final s, then the s itself.
    e.Fresh();
    u8 to = 0;
    if (e.c2 == 'd' || e.c2 == 'r') to = 't';
    else if (e.c2 == 't') to = 'd';
    else if (e.c2 == 'e' || e.c2 == kECirc || e.c2 == kEAcute || e.c2 == kEGrave) to = kEDiaeresis;
    if (to == 0 && e.c2 != 'u') return 0;
    if (to != 0) {
        e.w.s.data[e.length - 2] = to;
        if (e.Try()) return 1;
    }
    e.SetLast('t');
    if (e.Try()) return 1;
    return 0;
}

u16 RecoverEndingsForSuggestion(u16 mode, const BoundedString& word, u16& count, StringList& list) {
    return gCheckingLanguage != 0 ? SuggestFrenchHomophoneEndings(mode, word, count, list)
                                  : RecoverEnglishBaseForSuggestion(mode, word, count, list);
}
