// Report fields of the sentence in hand.
#include "frame/report.h"

u16 gLastRule = 0;
i16 gLastErrorPos = -1;
u8 gErrorVariant = 0;
u16 gErrorDetail = 0;
u16 gErrorKind = 0;
u16 gErrorGender = 0;
u16 gErrorNumber = 0;
u16 gErrorPerson = 0;
u16 gErrorExtent = kNoCorrection;
u16 gHomophoneAgreement = 0;
i16 gSentenceMeasure = 0;
u16 gVariantIndex = 0;
u16 gDispatchMode = 0;
u16 gAnalysisMode = 0;
u16 gAccentsOnCapitals = 0;
u32 gCurrentOffset = 0;
u32 gRangeEnd = 0;
u32 gTextEndOffset = 0;
