// Syntax records.
#include "analysis/syntax_records.h"

#include <cstring>

#include "analysis/word_kinds.h"
#include "checking/tokenizer.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/correction_finishing.h"
#include "morphology/token_base_form.h"
#include "morphology/word_lookup.h"

namespace {

struct VerbRow {
    u8 verbForm, person, number;
};

// Codes 48 ("0") to 63 ("?"): the imperatives and the forms two tenses or
// persons share. Code 59 is the present subjunctive first person of the
// -iss- verbs ("finisse"), the reading of slot 30.
constexpr VerbRow kSharedCodes[16] = {
    {11, 2, 1}, {11, 1, 2}, {11, 2, 2}, {4, 1, 1}, {4, 1, 2}, {4, 2, 2}, {4, 3, 2}, {4, 1, 1},
    {5, 1, 2},  {5, 2, 2},  {4, 2, 1},  {8, 1, 1}, {4, 3, 1}, {4, 3, 2}, {5, 1, 2}, {5, 2, 2},
};

ReadingValues DecodeVerbSlot(u8 features) {
    ReadingValues v;
    v.kind = 25;
    const u8 s = features & 0x3F;
    if (s == 0) {
        v.verbForm = 1;
    } else if (s == 1) {
        v.verbForm = 2;
    } else if (s <= 5) {
        const u8 t = s - 2;
        v.verbForm = 3;
        v.number = t % 2 == 0 ? 1 : 2;
        v.gender = t < 2 ? 1 : 2;
    } else if (s <= 47) {
        const u8 t = s - 6;
        v.verbForm = static_cast<u8>(4 + t / 6);
        v.person = static_cast<u8>(t % 3 + 1);
        v.number = (t / 3) % 2 == 0 ? 1 : 2;
    } else {
        const VerbRow& r = kSharedCodes[s - 48];
        v.verbForm = r.verbForm;
        v.person = r.person;
        v.number = r.number;
    }
    return v;
}

void WriteU32(u8* p, u32 value) { std::memcpy(p, &value, 4); }

// The base-form pass: each word's BaseText as the host sees it.
void PrepareBaseForms() {
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
        WordRecord& w = gWords[i];
        if (TextEquals(w.SeparatorText, "<URL>")) continue;
        const u16 code = GetTokenBaseForm(static_cast<i16>(i), w.BaseText);
        w.GroupMark = static_cast<u8>(code);
        if (w.FirstLigaturePos < 65535) ApplyLigatureSpelling(w.BaseText, w.LigatureMode);
        if (w.WordCaseMode > 0 && (code == 22 || code == 23)) {
            const u16 saved = gCaseMode;
            gCaseMode = w.WordCaseMode;
            ApplyCapitalization(w.BaseText);
            gCaseMode = saved;
        }
        if (code == 14) TextCopy(w.BaseText, w.SeparatorText);
    }
}

// The euphonic "l'" of "l'on" has no reading of its own: the host gets
// one record of the pronoun over both words.
bool IsEuphonicL(i32 i) {
    if (gCheckingLanguage != 3 || i + 1 >= static_cast<i32>(gWordCount)) return false;
    const WordRecord& w = gWords[i];
    const WordRecord& next = gWords[i + 1];
    return w.EndOffset + 1 == next.StartOffset && (TextEquals(w.WordText, "l'") || TextEquals(w.WordText, "L'")) &&
           TextEquals(next.WordText, "on");
}

void WriteSlot(u8* slot, const WordRecord& w, i32 r, bool withBase, u32 start) {
    std::memset(slot, 0, 41);
    if (r == 0 && withBase) {
        ExportString(reinterpret_cast<char*>(slot), w.BaseText, 36);
        ConvertOutputFromMacRoman(reinterpret_cast<char*>(slot));
    }
    const ReadingValues v = DecodeReading(w.ReadingClasses[r], w.ReadingFeatures[r]);
    slot[36] = v.kind;
    slot[37] = v.gender;
    slot[38] = v.number;
    slot[39] = v.person;
    slot[40] = v.verbForm;
    WriteU32(slot + 44, start);
    WriteU32(slot + 48, w.EndOffset);
}

}  // namespace

ReadingValues DecodeReading(u8 cls, u8 features) {
    if (cls >= 128) return DecodeVerbSlot(features);
    ReadingValues v;
    v.kind = WordKindOfClass(cls);
    if (cls >= 64) {
        v.person = features & 3;
        v.number = (features >> 2) & 3;
        if (v.number == 0) v.number = 3;
        v.gender = (features >> 4) & 3;
        if (v.gender == 0) v.gender = 3;
    }
    return v;
}

void BuildSyntaxAnalysisRecords(u32 maxWords, u32& recordCount, u16* readingCounts, u8* records,
                                u16 withBaseForms) {
    if (withBaseForms != 0) PrepareBaseForms();
    for (i32 i = 0; i < static_cast<i32>(gWordCount) && recordCount < maxWords; ++i) {
        if (gSentenceEndWord >= 1 && i == gSentenceEndWord) break;
        const u32 start = gWords[i].StartOffset;
        if (IsEuphonicL(i)) ++i;
        const WordRecord& w = gWords[i];
        const u16 readings = w.ReadingCount < kReadingSlots ? w.ReadingCount : kReadingSlots;
        if (readingCounts != nullptr) readingCounts[recordCount] = readings;
        if (records != nullptr)
            for (u16 r = 0; r < readings; ++r)
                WriteSlot(records + recordCount * kSyntaxRecordSize + r * kSyntaxSlotSize, w, r, withBaseForms != 0,
                          start);
        ++recordCount;
    }
}
