// Stand-in: knows no word form. The word-form analysis replaces this file.
#include "morphology/word_analysis.h"

u16 AnalyseWordForms(u16 /*mode*/, BoundedString& /*word*/, u16& count, StringList& /*workStrings*/) {
    count = 0;
    return 0;
}
