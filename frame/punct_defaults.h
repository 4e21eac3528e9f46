// Default punctuation-sign rules of the four checking languages.
#pragma once
#include "frame/punct_sign_rule.h"

inline constexpr u32 kEnglishDefaultSignCount = 20;
inline constexpr u32 kFrenchDefaultSignCount = 20;
inline constexpr u32 kOtherDefaultSignCount = 22;  // language 10; 11 takes the first 20
inline constexpr u32 kLanguage11DefaultSignCount = 20;

extern const PunctSignRule kEnglishDefaultSigns[kEnglishDefaultSignCount];
extern const PunctSignRule kFrenchDefaultSigns[kFrenchDefaultSignCount];
extern const PunctSignRule kOtherDefaultSigns[kOtherDefaultSignCount];
