// Start and stop of the library: KRZInit loads the data on the first call,
// KRZEnd hands the blocks back on the last.
#include <cstdint>
#include <cstring>

#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/resources.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"

namespace {

void StartLibrary(u16 initialLanguage, u16 loadEnglish) {
    gCategoryNames.View(gEnglishCategoryLabels.data, gEnglishCategoryLabels.count);
    gMacRomanMode = 0;
    gSavedVariantB = 0;
    gSavedVariantA = 0;
    gSavedMedical = 0;
    gSavedLangUniq = 1;
    gInterfaceLanguage = 0;
    LoadLinguisticData(initialLanguage, loadEnglish);
    std::memset(gSpecialChars.data, 0, gSpecialChars.count);
    SetDefaultSpaces();
    SetDefaultPunctSigns();
    // The fourth data set is not part of this library: "load" and "select"
    // it through the empty block routine, as its hosts expect.
    ReleaseResourceBlock(reinterpret_cast<const void*>(std::uintptr_t{3}));
    ReleaseResourceBlock(reinterpret_cast<const void*>(std::uintptr_t{1}));
}

}  // namespace

extern "C" {

KRZ_API void KRZInit(int32_t initialLanguage, int32_t loadEnglish) {
    if (gInitCount != 0) {
        ++gInitCount;
        return;
    }
    try {
        StartLibrary(static_cast<u16>(initialLanguage), loadEnglish != 0 ? 1 : 0);
        gInitCount = 1;
    } catch (...) {
        // Out of memory: the count stays 0, so the next KRZInit loads again.
    }
}

KRZ_API void KRZEnd(void) {
    if (gInitCount == 0) return;
    if (--gInitCount == 0) ReleaseLanguageData();
}

}  // extern "C"
