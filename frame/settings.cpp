// Language, option and per-language table exports.
#include "frame/settings.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/punct_defaults.h"
#include "frame/tables.h"
#include "krzlib.h"

u32 gInitCount = 0;
u16 gCheckingLanguage = 0;
u16 gInterfaceLanguage = 0;
u16 gNonUSUKValue = 0;
u16 gSavedVariantA = 0;
u16 gSavedVariantB = 0;
u16 gSavedMedical = 0;
u16 gSavedLangUniq = 1;
u16 gActiveVariantA = 0;
u16 gActiveVariantB = 0;
u16 gActiveMedical = 0;
u16 gActiveLangUniq = 0;
u16 gStraightQuotes = 0;
i16 gLongSentenceThreshold = 50;
u16 gFrenchWordPass = 1;
u32 gSettingsEdits = 0;

// The host record and the internal one share one layout.
static_assert(sizeof(KRZPunctSignRule) == sizeof(PunctSignRule));
static_assert(offsetof(KRZPunctSignRule, sign) == offsetof(PunctSignRule, Sign));
static_assert(offsetof(KRZPunctSignRule, spacesAfter) == offsetof(PunctSignRule, SpacesAfter));

namespace {

// A list holds 32 space characters. A rule's space sets name the first 31
// of them (bit 31 is the pair flag); the last one still parts words.
constexpr u16 kMaxSpaceChars = kSpaceCharCapacity;
constexpr u8 kDefaultSpaces[] = {0x09, 0x20, 0xCA};  // tab, space, non-breaking space
constexpr i16 kMaxLongSentenceThreshold = 32767;

void SetPunctSignTable(i32 slot, const PunctSignRule* rules, u32 n) {
    BoundedArray<PunctSignRule>& table = gPunctSigns[slot];
    std::memset(table.data, 0, sizeof(PunctSignRule) * table.count);
    std::memcpy(table.data, rules, sizeof(PunctSignRule) * n);
    gPunctSignCounts[slot] = static_cast<u16>(n);
}

void SetCategoryNames(const StringList& labels) {
    gCategoryNames.View(labels.data, labels.count);
}

}  // namespace

void ApplyCallOptions() {
    if (gCheckingLanguage == 0) {
        gActiveVariantB = gSavedVariantB;
        gActiveVariantA = gSavedVariantA;
        gActiveMedical = gSavedMedical;
        gActiveLangUniq = gSavedLangUniq;
    } else {
        gActiveVariantB = 0;
        gActiveVariantA = 0;
        gActiveMedical = 0;
        gActiveLangUniq = 0;
    }
}

void SetDefaultSpaces() {
    for (u32 slot = 0; slot < kLanguageTableSlots; ++slot) {
        std::memcpy(gSpaceChars[slot].data, kDefaultSpaces, sizeof kDefaultSpaces);
        gSpaceCharCounts[slot] = sizeof kDefaultSpaces;
    }
}

void SetDefaultPunctSigns() {
    SetPunctSignTable(LanguageTableSlot(0), kEnglishDefaultSigns, kEnglishDefaultSignCount);
    SetPunctSignTable(LanguageTableSlot(3), kFrenchDefaultSigns, kFrenchDefaultSignCount);
    SetPunctSignTable(LanguageTableSlot(10), kOtherDefaultSigns, kOtherDefaultSignCount);
    SetPunctSignTable(LanguageTableSlot(11), kOtherDefaultSigns, kLanguage11DefaultSignCount);
}

extern "C" {

KRZ_API void KRZSetLanguage(uint16_t language) {
    ++gSettingsEdits;
    // 0 English; any other value runs on the French data (3 by
    // convention, 10 and 11 with their own punctuation tables).
    try {
        SelectLanguageTables(language);
    } catch (...) {
        // Out of memory while converting the English blocks: the language
        // stays as it was.
    }
}

KRZ_API uint16_t KRZGetLanguage(void) { return gCheckingLanguage; }

KRZ_API uint32_t KRZGetAvailableCheckingLanguages(void) { return 9; }

KRZ_API int16_t KRZSetInterfLanguage(uint16_t language) {
    ++gSettingsEdits;
    gInterfaceLanguage = language;
    SetCategoryNames(language != 0 ? gFrenchCategoryLabels : gEnglishCategoryLabels);
    return static_cast<int16_t>(language);
}

KRZ_API int16_t TQSetInterfLanguage(uint16_t language) { return KRZSetInterfLanguage(language); }

KRZ_API uint16_t KRZGetInterfLanguage(void) { return gInterfaceLanguage; }

KRZ_API int16_t KRZOptionNonUSUK(uint16_t value) {
    ++gSettingsEdits;
    switch (value) {
        case 0: gSavedVariantA = 0; gSavedVariantB = 0; break;
        case 1: gSavedVariantA = 1; gSavedVariantB = 0; break;
        case 2: gSavedVariantA = 0; gSavedVariantB = 1; break;
        default: break;
    }
    gNonUSUKValue = value;
    return static_cast<int16_t>(value);
}

KRZ_API uint16_t KRZGetOptionNonUSUK(void) { return gNonUSUKValue; }

KRZ_API void KRZOptionMed(uint16_t value) {
    ++gSettingsEdits;
    gSavedMedical = value;
}

KRZ_API int16_t KRZOptionLangUniq(uint16_t value) {
    ++gSettingsEdits;
    gSavedLangUniq = value;
    return static_cast<int16_t>(value);
}

KRZ_API int16_t KRZSetStraightQuotes(uint16_t value) {
    ++gSettingsEdits;
    gStraightQuotes = value;
    return static_cast<int16_t>(value);
}

KRZ_API int16_t KRZSetNbWordsLongSentence(uint16_t value) {
    ++gSettingsEdits;
    gLongSentenceThreshold = value > kMaxLongSentenceThreshold
                                 ? kMaxLongSentenceThreshold
                                 : static_cast<i16>(value);
    return gLongSentenceThreshold;
}

KRZ_API int16_t KRZUseMacRomanEncoding(uint16_t value) {
    ++gSettingsEdits;
    gMacRomanMode = value;
    return static_cast<int16_t>(value);
}

KRZ_API int32_t KRZSetSpecialChars(const uint8_t* table) {
    ++gSettingsEdits;
    if (table == nullptr) return 0;
    std::memcpy(gSpecialChars.data, table, std::min<u32>(256, gSpecialChars.count));
    return 256;
}

KRZ_API int16_t KRZSetSpaces(uint16_t count, const uint8_t* characters, uint16_t language) {
    ++gSettingsEdits;
    i32 slot = LanguageTableSlot(language);
    if (slot < 0 || characters == nullptr) return 0;
    u16 n = count < kMaxSpaceChars ? count : kMaxSpaceChars;
    for (u16 k = 0; k < n; ++k) gSpaceChars[slot].data[k] = ConvertCharToMacRoman(characters[k]);
    gSpaceCharCounts[slot] = n;
    return 0;
}

KRZ_API int16_t KRZGetSpaces(uint16_t* count, uint8_t* characters, uint16_t language) {
    i32 slot = LanguageTableSlot(language);
    if (slot < 0 || count == nullptr || characters == nullptr) return 0;
    u16 n = gSpaceCharCounts[slot];
    for (u16 k = 0; k < n; ++k) characters[k] = ConvertCharFromMacRoman(gSpaceChars[slot].data[k]);
    *count = n;
    return 0;
}

KRZ_API void KRZDefaultSpaces(void) {
    ++gSettingsEdits;
    SetDefaultSpaces();
}

KRZ_API int16_t KRZSetPunctSigns(uint16_t count, const KRZPunctSignRule* rules, uint16_t language) {
    ++gSettingsEdits;
    i32 slot = LanguageTableSlot(language);
    if (slot < 0 || rules == nullptr) return 0;
    u16 n = count < kPunctSignCapacity ? count : kPunctSignCapacity;
    BoundedArray<PunctSignRule>& table = gPunctSigns[slot];
    for (u16 k = 0; k < n; ++k) {
        PunctSignRule& dest = table.data[k];
        std::memcpy(&dest, &rules[k], kPunctSignRuleCopiedBytes);
        dest.Sign = ConvertCharToMacRoman(rules[k].sign);
        std::memset(dest.Reserved, 0, sizeof dest.Reserved);
    }
    gPunctSignCounts[slot] = n;
    return 0;
}

KRZ_API int16_t KRZGetPunctSigns(uint16_t* count, KRZPunctSignRule* rules, uint16_t language) {
    i32 slot = LanguageTableSlot(language);
    if (slot < 0 || count == nullptr || rules == nullptr) return 0;
    u16 n = gPunctSignCounts[slot];
    const BoundedArray<PunctSignRule>& table = gPunctSigns[slot];
    for (u16 k = 0; k < n; ++k) {
        std::memcpy(&rules[k], &table.data[k], kPunctSignRuleCopiedBytes);
        rules[k].sign = ConvertCharFromMacRoman(table.data[k].Sign);
    }
    *count = n;
    return 0;
}

KRZ_API void KRZDefaultPunctSigns(void) {
    ++gSettingsEdits;
    SetDefaultPunctSigns();
}

}  // extern "C"
