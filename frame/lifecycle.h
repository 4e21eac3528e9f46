// Start of the library's frame: the per-call defaults, the linguistic data
// (frame/loader.h) and the default spaces and punctuation signs. The exports
// KRZInit and KRZEnd (analysis/lifecycle_exports.cpp) count the calls and
// install the layer hooks first (frame/layer_hooks.h).
#pragma once
#include "frame/types.h"

// Throws std::bad_alloc when memory runs out.
void StartLibrary(u16 initialLanguage, u16 loadEnglish);
