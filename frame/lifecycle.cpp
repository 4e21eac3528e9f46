// The frame's part of start-up (see lifecycle.h).
#include "frame/lifecycle.h"

#include <cstdint>
#include <cstring>

#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/resources.h"
#include "frame/settings.h"
#include "frame/tables.h"

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
