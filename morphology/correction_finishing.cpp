// Correction finishing.
#include "morphology/correction_finishing.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_lookup.h"
#include "morphology/dict_format.h"
#include "morphology/reserved_sections.h"
#include "morphology/section_walk.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u8 kLigatureAe = 0xBE;     // æ
constexpr u8 kLigatureOe = 0xCF;     // œ
constexpr u8 kCapitalAe = 0xAE;      // Æ
constexpr u8 kCapitalOe = 0xCE;      // Œ
constexpr u8 kNTilde = 0x96;         // ñ
constexpr u16 kNoCase = 65535;

bool IsAccentedSmall(u8 c) { return (c >= 135 && c <= 159) || c == kLigatureAe || c == kLigatureOe; }

// Plain capital of an accented small letter (accents dropped); ñ stays.
u8 PlainCapital(u8 c) {
    if (c >= 135 && c <= 140) return 'A';
    if (c == 141) return 'C';
    if (c >= 142 && c <= 145) return 'E';
    if (c >= 146 && c <= 149) return 'I';
    if (c >= 151 && c <= 155) return 'O';
    if (c >= 156 && c <= 159) return 'U';
    if (c == kLigatureAe) return kCapitalAe;
    if (c == kLigatureOe) return kCapitalOe;
    return c;  // ñ
}

// The accented capital whose class holds the small letter; none: c.
u8 AccentedCapital(u8 c) {
    for (u32 b = 128; b < 256; ++b)
        if (gCharClasses[static_cast<i32>(b)] == c) return static_cast<u8>(b);
    return c;
}

u8 Capital(u8 c, bool plain) {
    if (c >= 'a' && c <= 'z') return static_cast<u8>(c - 32);
    if (!IsAccentedSmall(c)) return c;
    return plain ? PlainCapital(c) : AccentedCapital(c);
}

// Lower-case letter of a capital by its class (A..Z: +32; accented: the
// class value), or the byte itself.
u8 Lower(u8 c) {
    const u8 cls = gCharClasses[c];
    if (cls == 4) return static_cast<u8>(c + 32);
    if (cls > 4) return cls;
    return c;
}

// Position after the last hyphen (the mark or a plain "-") at position 1
// or later; -1 none.
i32 AfterLastHyphenMark(const BoundedString& text, i32 n) {
    for (i32 i = n - 1; i >= 1; --i)
        if (text.data[i] == kMarkHyphen || text.data[i] == '-') return i + 1 < n ? i + 1 : -1;
    return -1;
}

// ---- Accented spelling of a word typed in capitals --------------------------

// Sixteen work strings for the nested analysis, on the stack.
struct NestedSlots {
    u8 rows[16][kWordCapacity] = {};
    BoundedString headers[16];
    StringList list;
    NestedSlots() {
        for (i32 k = 0; k < 16; ++k) headers[k].View(rows[k], kWordCapacity);
        list.View(headers, 16);
    }
};

bool KnownInSection(i16 section, const BoundedString& text) {
    u16 store[20] = {};
    BoundedArray<u16> tags;
    tags.View(store, 20);
    u16 count = 0;
    return LookupFrenchReserved(kModeFrenchPlain, section, text, tags, count);
}

void FindAccentedSpelling(BoundedString& text, const BoundedString& kept, u16 caseMode) {
    NestedSlots slots;
    Work36 probe;
    probe.Set(text);
    u16 count = 0;
    gCaseMode = kNoCase;
    AnalyseWordForms(kModeFrenchPlain, probe.s, count, slots.list);
    if (count > 0) return;
    if (KnownInSection(kSectionCapital, text)) return;
    if (caseMode == 3 && KnownInSection(kSectionCapitals, text)) return;
    probe.Set(kept);
    gCaseMode = kNoCase;
    AnalyseWordForms(803, probe.s, count, slots.list);
    // An empty entry 15 names no spelling: the lowered text stays.
    if (count > 0 && slots.headers[15].data[0] != 0) TextSet(text, slots.headers[15]);
}

// ---- Built-in ligatures ------------------------------------------------------

bool BeginsWithAny(const BoundedString& text, const char* const* list, u32 n) {
    for (u32 k = 0; k < n; ++k)
        if (TextStartsWith(text, list[k])) return true;
    return false;
}

// Replaces the pair at i, i + 1 by one byte and closes up.
void CloseUp(BoundedString& text, i32 i, u8 ligature, i32& n) {
    text.data[i] = ligature;
    std::memmove(text.data + i + 1, text.data + i + 2, static_cast<size_t>(n - i - 1));
    --n;
}

void BuiltInLigatures(BoundedString& text) {
    static const char* const kOeWords[] = {"coel", "foehn", "loess", "angst", "phoen"};
    static const char* const kAeWords[] = {"alth", "caec", "caes", "caet",
                                           "cham", "naev", "taen", "urae"};
    if (TextStartsWith(text, "oeil-de-b")) {
        TextSet(text, MR("œil-de-bœuf"));
        return;
    }
    i32 n = GetStringLength(text);
    const bool oeWord = BeginsWithAny(text, kOeWords, 5);
    const bool aeWord = BeginsWithAny(text, kAeWords, 8);
    for (i32 i = 0; i + 1 < n; ++i) {
        if (text.data[i + 1] != 'e') continue;
        if (text.data[i] == 'o' && (TextAt(text, i + 2) == 'u' || i == 0 || oeWord))
            CloseUp(text, i, kLigatureOe, n);
        else if (text.data[i] == 'a' && aeWord)
            CloseUp(text, i, kLigatureAe, n);
    }
}

// The ligatures of a user-lexicon spelling, at the same places.
void LexiconLigatures(BoundedString& text, const BoundedString& spelling) {
    i32 n = GetStringLength(text);
    const i32 m = GetStringLength(spelling);
    for (i32 i = 0; i < m && i + 1 < n; ++i) {
        const u8 s = spelling.data[i];
        if (s == kLigatureAe && text.data[i] == 'a' && text.data[i + 1] == 'e')
            CloseUp(text, i, kLigatureAe, n);
        else if (s == kLigatureOe && text.data[i] == 'o' && text.data[i + 1] == 'e')
            CloseUp(text, i, kLigatureOe, n);
    }
}

FormEntry& LigatureEntry() {
    static FormEntry entry;
    if (entry.FormText.valid == 0) InitFormEntry(entry);
    return entry;
}

}  // namespace

void ApplyCapitalization(BoundedString& text) {
    if (gCaseMode == 0 || gCaseMode == kNoCase) return;
    const i32 n = GetStringLength(text);
    const bool all = gCaseMode == 3 || gCaseMode == 4;
    const bool plain = gAccentsOnCapitals == 0 && (gCaseMode & 1) != 0;
    const i32 upTo = all ? n : (n > 0 ? 1 : 0);
    for (i32 i = 0; i < upTo; ++i) text.data[i] = Capital(text.data[i], plain);
    if (gCaseMode == 5 || gCaseMode == 6) {
        const i32 at = AfterLastHyphenMark(text, n);
        if (at >= 0) text.data[at] = Capital(text.data[at], true);
    }
}

void RestoreQuotes(BoundedString& text, u16 quoteFlags) {
    if (gAnalysisMode == 1 || text.valid == 0 || text.count < 2) return;
    const u8 mark = quoteFlags < 5 ? '\'' : '"';
    const i32 room = static_cast<i32>(text.count) - 1;
    i32 n = GetStringLength(text);
    if ((quoteFlags & 1) != 0) {
        if (n == room) --n;  // a full text loses its last character
        std::memmove(text.data + 1, text.data, static_cast<size_t>(n));
        text.data[0] = mark;
        text.data[++n] = 0;
    }
    if ((quoteFlags & 2) != 0 && n < room) {
        text.data[n++] = mark;
        text.data[n] = 0;
    }
    if (n >= 2 && text.data[n - 2] == ' ') {
        text.data[n - 2] = text.data[n - 1];
        text.data[n - 1] = ' ';
    }
}

void RestoreAccentedLowercase(BoundedString& text) {
    const u16 caseMode = gCaseMode;
    Work36 kept;
    kept.Set(text);
    const i32 n = GetStringLength(text);
    const bool all = caseMode == 3 || caseMode == 4 || TextStartsWith(text, "OE") || TextStartsWith(text, "AE");
    const i32 upTo = all ? n : (n > 0 ? 1 : 0);
    for (i32 i = 0; i < upTo; ++i) text.data[i] = Lower(text.data[i]);
    if (gAccentsOnCapitals == 0 && (caseMode & 1) != 0 && caseMode != kNoCase &&
        gCheckingLanguage != 0)
        FindAccentedSpelling(text, kept.s, caseMode);
    gCaseMode = caseMode;
    if (caseMode == 5 || caseMode == 6) {
        const i32 at = AfterLastHyphenMark(text, GetStringLength(text));
        if (at >= 0) text.data[at] = Lower(text.data[at]);
    }
}

void ApplyLigatureSpelling(BoundedString& text, u16 mode) {
    if (gAnalysisMode == 1 || text.valid == 0) return;
    if (mode == 1) {
        FormEntry& entry = LigatureEntry();
        for (u8 classByte = 60; classByte <= 66; ++classByte) {
            if (classByte == 62 || classByte == 63) continue;
            if (GetFirstLexFormNormalised(text, entry, classByte) != 0) {
                LexiconLigatures(text, entry.LemmaText);
                return;
            }
        }
        return;
    }
    if (mode == 2) {
        FormEntry& entry = LigatureEntry();
        if (GetFirstLexForm(text, entry, 64) != 0) TextSet(text, entry.LemmaText);
        return;
    }
    BuiltInLigatures(text);
}
