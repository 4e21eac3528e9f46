// The context of dictionary answers (see answer_context.h).
#include "morphology/answer_context.h"

#include "frame/loader.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_store.h"

AnswerContext CurrentAnswerContext() {
    AnswerContext c;
    c.language = gCheckingLanguage;
    c.variantA = gActiveVariantA;
    c.variantB = gActiveVariantB;
    c.medical = gActiveMedical;
    c.langUniq = gActiveLangUniq;
    c.accentsOnCapitals = gAccentsOnCapitals;
    c.analysisMode = gAnalysisMode;
    c.englishLoaded = gEnglishLoaded;
    c.lexSuspended = LexLookupSuspended;
    c.installCount = gDictInstallCount;
    c.lexEdits = LexEditCount;
    c.dictBody = gDictBody.data;
    c.lexBody = gUserLexicon.data;
    return c;
}
