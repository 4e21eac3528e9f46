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
u16 EnRules(const Site& s);                 // 20: en
u16 AdverbRules(const Site& s);             // 21-24, 48, 49: pas, bien, mal, pire, rien, point
u16 PrepositionRules(const Site& s);        // 25-31: par, pour, sur, sous, dans, vers, avant
u16 DemonstrativeRules(const Site& s);      // 40, 50: ce, c'
u16 CommeRules(const Site& s);              // 41: comme
u16 PersonalPronounRules(const Site& s, u16 capitalised);  // 44-47: elle, elles, nous, vous
bool ToutSubject(const Site& s);            // "tout" opening a clause as its subject
bool ToutAdverb(const Site& s);             // "tout en chantant", "tout comme"
void ToutAsAdverb(const Site& s);
u16 ToutRules(const Site& s);               // 51: tout

}  // namespace french
