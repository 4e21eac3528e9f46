#include "inflection/lex_verb_model.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/records.h"
#include "inflection/lex_inflection.h"
#include "inflection/lex_text.h"
#include "inflection/verb_forms.h"
#include "inflection/word_services.h"
#include "lexicon/lex_records.h"
#include "lexicon/lex_store.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {


constexpr u8 kEGrave = 0x8F;
constexpr u8 kEAcute = 0x8E;
constexpr u8 kCCedilla = 0x8D;
constexpr u8 kACircumflex = 0x89;

StringList& AnalysisSlots() {
    static StringList slots;
    if (slots.valid == 0) InitByteMatrix(slots, 16, 36);
    return slots;
}

u16 Analyse(const BoundedString& word, u16 language) {
    BoundedString w;
    w.Allocate(36);
    CopyString(w, word);
    LanguageScope scope(language);
    gCaseMode = kCaseAsked;
    u16 count = 0;
    AnalyseWordForms(language != 0 ? 800 : 0, w, count, AnalysisSlots());
    return count;
}

u32 AlternateRow(u32 model) {
    switch (model) {
        case 2: return 103;
        case 103: return 2;
        case 3: case 5: case 12: return 93;
        case 93: return 3;
        case 13: return 9;
        case 83: return 4;
        default: return 0;
    }
}

// Position (from the end down to the second byte) of c in the stem, or -1.
i32 FindFromEnd(const BoundedString& stem, u8 c) {
    for (i32 i = static_cast<i32>(TextLen(stem)) - 1; i >= 1; --i)
        if (stem.data[i] == c) return i;
    return -1;
}

void ChangeStem(u32 model, BoundedString& stem, const BoundedString& ending) {
    const u32 n = TextLen(stem);
    auto turn = [&](u8 from, u8 to, bool cedilla) {
        const i32 i = FindFromEnd(stem, from);
        if (i < 0) return;
        stem.data[i] = to;
        if (cedilla && static_cast<u32>(i) + 1 < n && stem.data[i + 1] == 'c') stem.data[i + 1] = kCCedilla;
    };
    switch (model) {
        case 2: turn('e', kEGrave, false); break;
        case 103: turn(kEGrave, 'e', true); break;
        case 3: case 5: case 12: turn(kEAcute, kEGrave, false); break;
        case 93: turn(kEGrave, kEAcute, true); break;
        case 83: {
            const i32 i = FindFromEnd(stem, kCCedilla);
            if (i < 0) break;
            stem.data[i] = 'c';
            const u8 e0 = ending.data[0];
            const u8 e1 = TextLen(ending) > 1 ? ending.data[1] : 0;
            u8& before = stem.data[i - 1];
            if (e0 == 'e' && ((before == 'e' && e1 != 'z') || (before == kEAcute && e1 != 'z' && e1 != 'r')))
                before = kEGrave;
            break;
        }
        default: break;
    }
}

u8 FrenchSlotCode(u32 t, u32 model, bool special) {
    if (!special) return static_cast<u8>(t);
    const bool m15 = model == 15;
    switch (t) {
        case 3: return m15 ? 55 : 3;
        case 6: return m15 ? 6 : 51;
        case 7: return m15 ? 7 : 58;
        case 8: return m15 ? 60 : 8;
        case 9: return 52;
        case 10: return 53;
        case 11: return m15 ? 61 : 54;
        case 15: return m15 ? 62 : 56;
        case 16: return m15 ? 63 : 57;
        case 30: return m15 ? 59 : 30;
        default: return static_cast<u8>(t);
    }
}

bool EnglishKeepsWholeVerb(u32 model) {
    return model < 16 || model == 18 || (model >= 20 && model <= 27) || model == 30;
}

// Ending text of a slot ("0" no form, "" for "$").
void SlotEnding(bool french, u32 model, u32 t, BoundedString& out) {
    if (french) FrenchSlotEnding(FrenchRow(model), t, out);
    else EnglishSlotEnding(EnglishRow(model), t, out);
    if (TextLen(out) == 0) CopyCString(out, "0");
    if (TextLen(out) == 1 && out.data[0] == '$') out.data[0] = 0;
}

bool IsNoForm(const BoundedString& e) { return TextLen(e) == 1 && e.data[0] == '0'; }

// Adds the row unless the form already has one. false when the table is
// full.
bool KeepForm(const BoundedString& form, u8 classByte, u8 marker, u8 slot, u8 m, StringList& rows,
              u16& count) {
    const u32 n = TextLen(form);
    if (n == 0 || n > 34) return true;
    for (u16 r = 0; r < count; ++r) {
        const BoundedString& row = rows[r];
        if (std::memcmp(row.data, form.data, n) == 0 && row.data[n] == classByte && row.data[n + 1] == 0)
            return true;
    }
    if (count >= rows.count) return false;
    BoundedString& row = rows[count];
    std::memset(row.data, 0, row.count);
    std::memcpy(row.data, form.data, n);
    row.data[n] = classByte;
    row.data[kLexRowCodes] = marker;
    row.data[kLexRowCodes + 1] = slot;
    row.data[kLexRowCodes + 2] = m;
    ++count;
    return true;
}

}  // namespace

u16 IsMainDictionaryWord(const BoundedString& word, u16 language) {
    const u16 saved = LexLookupSuspended;
    LexLookupSuspended = 1;
    u16 count = 0;
    try {
        count = Analyse(word, language);
    } catch (...) {
        LexLookupSuspended = saved;
        throw;
    }
    LexLookupSuspended = saved;
    return count > 0 ? 1 : 0;
}

i16 ReadLexModelVerb(const BoundedString& model, u16 language, LexModelReading& out) {
    if (TextLen(model) == 0) return kLexUnknownModel;
    const u16 count = Analyse(model, language);
    if (count == 0) return kLexUnknownModel;
    bool found = false;
    const u16 n = count < 20 ? count : 20;
    for (u16 i = 0; i < n; ++i) {
        const u16 tag = gWordTagCodes[i];
        if ((tag >> 8) < 0x80) continue;
        if (!found) out.modelByte = gWordAnalysisBytes[i];
        found = true;
        if ((tag & 0xFF) == 0) out.slot0 = true;
    }
    return found ? 0 : kLexModelNotVerb;
}

i32 LexModelEndingLength(u32 model, u32 modelLength, u16 language) {
    if (language == 0) return model > 18 ? static_cast<i32>(modelLength) : model == 1 ? 0 : 1;
    if (model >= 113) return -1;
    if (model >= 16) return static_cast<i32>(modelLength);
    if (model == 1 || model == 2 || model == 3 || model == 15) return 2;
    if (model == 9 || model == 10) return 4;
    return 3;
}

i16 LexVerbRows(const BoundedString& verb, u16 verbFlag, const BoundedString& modelVerb,
                StringList& rows, u16& count, u16 language) {
    const bool french = language != 0;
    LexModelReading reading;
    const i16 e = ReadLexModelVerb(modelVerb, language, reading);
    if (e != 0) return e;
    u8 m = reading.modelByte;
    bool marked = false;
    if (french) {
        if (m >= 128) {
            m = static_cast<u8>(m & 0x7F);
            if (verbFlag == 0) marked = true;
        }
        if (verbFlag == 1) m = static_cast<u8>(m + 128);
    }
    const u8 marker = m > 127 ? 145 : 240;
    u32 model = LexModelNumber(m);
    const u32 vn = TextLen(verb);
    const u32 mn = TextLen(modelVerb);
    const i32 k = LexModelEndingLength(model, mn, language);
    if (k < 0) return kLexModelTooHigh;
    if (static_cast<u32>(k) > vn || static_cast<u32>(k) > mn ||
        std::memcmp(verb.data + vn - k, modelVerb.data + mn - k, static_cast<u32>(k)) != 0)
        return kLexEndingMismatch;
    if (!reading.slot0) return kLexModelNotInfinitive;
    if (marked) return kLexMarkedModel;

    LanguageScope scope(language);
    bool cedilla = false;
    if (french && model >= 4 && model <= 6) {
        model = model == 4 ? 1 : model == 5 ? 3 : 2;
        cedilla = true;
    }
    if (french && model == 110) cedilla = true;
    BoundedString ending;
    ending.Allocate(36);
    BoundedString stem;
    stem.Allocate(36);
    BoundedString form;
    form.Allocate(40);
    SlotEnding(french, model, 0, ending);
    u32 cut = IsNoForm(ending) ? 0 : TextLen(ending);
    if (!french && EnglishKeepsWholeVerb(model)) cut = 0;
    if (cut > vn) cut = vn;
    const u8 classByte = french ? kLexClassFrenchVerb : kLexClassEnglishVerb;
    count = 0;
    const u32 slots = french ? kFrenchEndingSlots : kEnglishEndingSlots;
    for (u32 t = 0; t < slots; ++t) {
        if ((m & 0x80) != 0 && t >= 3 && t <= 5) continue;
        CopySubstring(verb, 1, static_cast<i16>(vn - cut), stem);
        if (vn == cut) stem.data[0] = 0;
        SlotEnding(french, model, t, ending);
        bool alternate = false;
        if (IsNoForm(ending)) {
            const u32 alt = french ? AlternateRow(model) : 0;
            if (alt == 0) continue;
            SlotEnding(true, alt, t, ending);
            if (IsNoForm(ending)) continue;
            ChangeStem(model, stem, ending);
            alternate = alt == 83 || alt == 93 || alt == 103;
        }
        const u32 sn = TextLen(stem);
        const u8 first = ending.data[0];
        if (cedilla && sn > 0 && stem.data[sn - 1] == 'c' && (first == 'a' || first == 'o' || first == kACircumflex))
            stem.data[sn - 1] = kCCedilla;
        CopyString(form, stem);
        AppendString(form, ending);
        const u8 slot = french ? FrenchSlotCode(t, model, model < 16 || alternate) : static_cast<u8>(t);
        if (!KeepForm(form, classByte, marker, slot, m, rows, count)) return kLexTooManyRows;
    }
    return 0;
}
