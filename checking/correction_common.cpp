// Shared pieces of the correction units.
#include "checking/correction_common.h"

#include "checking/word_access.h"
#include "frame/bounded_string.h"
#include "frame/settings.h"
#include "morphology/correction_finishing.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"


namespace {

StringList& AnalysisSlots() {
    static StringList slots;
    if (slots.valid == 0) InitByteMatrix(slots, 16, 36);
    return slots;
}

}  // namespace

void ApplyWordCase(i32 i, BoundedString& text) {
    gCaseMode = gWords[i].WordCaseMode;
    if (gCaseMode > 0) ApplyCapitalization(text);
}

void ApplyWordQuotes(i32 i, BoundedString& text) {
    if (gWords[i].QuoteFlags > 0) RestoreQuotes(text, gWords[i].QuoteFlags);
}

void ApplyWordLigature(i32 i, BoundedString& text) {
    if (gWords[i].FirstLigaturePos < 65535) ApplyLigatureSpelling(text, gWords[i].LigatureMode);
}

void FinishWordForm(i32 i, BoundedString& text) {
    ApplyWordLigature(i, text);
    ApplyWordCase(i, text);
    ApplyWordQuotes(i, text);
}

void FinishedWordText(i32 i, BoundedString& out) {
    TextCopy(out, gWords[i].WordText);
    FinishWordForm(i, out);
}

bool EndsWithApostrophe(const BoundedString& s) {
    const u8 c = TextLast(s);
    return c == '\'' || c == 0xD5;
}

bool FitsLimit(const BoundedString& correction, const BoundedString& part, i32 extra) {
    return GetStringLength(correction) + GetStringLength(part) + extra < kCorrectionLimit;
}

bool JoinUnderLimit(BoundedString& correction, const BoundedString& part, i32 extra) {
    if (!FitsLimit(correction, part, extra)) {
        gErrorExtent = kNoCorrection;
        return false;
    }
    if (GetStringLength(correction) > 0 && !EndsWithApostrophe(correction)) AppendCString(correction, " ");
    AppendString(correction, part);
    return true;
}

bool AppendUnderLimit(BoundedString& correction, const BoundedString& part, i32 extra) {
    if (!FitsLimit(correction, part, extra)) {
        gErrorExtent = kNoCorrection;
        return false;
    }
    AppendString(correction, part);
    return true;
}

u16 AnalyseCopy(u16 mode, const BoundedString& form) {
    Work36 copy;
    TextCopy(copy.s, form);
    u16 count = 0;
    gCaseMode = 65535;
    gFoundInLexicon = 0;
    const i16 r = AnalyseWordForms(mode, copy.s, count, AnalysisSlots());
    if (r <= 0) return 0;
    return count > 0 ? count : 1;
}

bool ProbesAsVowelSound(const BoundedString& word) {
    Work36 copy;
    TextCopy(copy.s, word);
    u16 count = 0;
    const u16 saved = gCaseMode;
    gCaseMode = 65535;
    const i16 r = AnalyseWordForms(801, copy.s, count, AnalysisSlots());
    gCaseMode = saved;
    return r == 1;
}

bool IsKnownForm(const BoundedString& form) {
    if (GetStringLength(form) == 0) return false;
    const u16 saved = gCaseMode;
    const bool known = AnalyseCopy(gCheckingLanguage == 0 ? 0 : 800, form) > 0;
    gCaseMode = saved;
    return known;
}

bool BeginsWithVowelByte(const BoundedString& s) {
    const u8 c = TextAt(s, 0);
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y' || c > 'z';
}
