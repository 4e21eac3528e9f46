// Start and stop of the library: KRZInit installs the layer hooks and loads
// the data on the first call, KRZEnd hands the blocks back on the last.
#include <cstdint>

#include "analysis/word_description.h"
#include "checking/syntactic_code.h"
#include "frame/layer_hooks.h"
#include "frame/lifecycle.h"
#include "frame/loader.h"
#include "frame/settings.h"
#include "krzlib.h"
#include "lexicon/synonyms.h"
#include "lexicon/user_lexicon_state.h"

namespace {

// Every entry of the table, each pointing at the unit of its own layer, and
// the explanation texts' hooks into the word description renderer. Set here,
// in the top layer, rather than by a static initializer: a host linking the
// static library keeps only the objects it references, so an initializer in
// an otherwise unreferenced object would never run.
void InstallLayerHooks() {
    gLayerHooks.resetUserLexicon = ResetUserLexiconState;
    gLayerHooks.deriveSyntacticCode = DeriveSyntacticCode;
    InstallDescriptionHooks();
}

}  // namespace

extern "C" {

KRZ_API void KRZInit(int32_t initialLanguage, int32_t loadEnglish) {
    if (gInitCount != 0) {
        ++gInitCount;
        return;
    }
    try {
        InstallLayerHooks();
        StartLibrary(static_cast<u16>(initialLanguage), loadEnglish != 0 ? 1 : 0);
        // The French register rule's question, settled before the first
        // sentence of a French start (it reads the whole reference
        // dictionary: an English start leaves it to a first French check).
        if (initialLanguage == 3) ReferenceDictionaryHasRegisters();
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
