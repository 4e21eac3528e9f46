#include "rules/english/english_passes.h"

u16 gEnglishReadingClashReports = 0;
