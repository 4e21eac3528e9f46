// The rules of each group of function-word entries, called by
// ApplyFrenchFunctionWordRule with the matched word.
#pragma once
#include "rules/french/function_word_site.h"

namespace french {

u16 ApplyArticleRules(const Site& s);      // 0-3: le, la, les, l'
u16 ApplyUnRules(const Site& s);           // 4-5: un, une
u16 ApplyDeRules(const Site& s);           // 6-9: de, d', du, des
u16 ApplyQueRules(const Site& s);          // 10-11: qu', que
u16 ApplyConjunctionRules(const Site& s);  // 12-14: et, ou, ni

}  // namespace french
