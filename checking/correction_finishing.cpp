// Correction finishing.
#include "checking/correction_finishing.h"

// Stand-ins: leave the text as it is until the finishing routines land.
void ApplyCapitalization(BoundedString& /*text*/) {}
void RestoreQuotes(BoundedString& /*text*/, u16 /*quoteFlags*/) {}
