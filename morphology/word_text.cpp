// Reserved-section lookups of the word-form analysis.
#include "morphology/word_text.h"

#include "frame/loader.h"
#include "frame/settings.h"
#include "morphology/section_walk.h"

namespace {

// Longest key: a prefix of at most four bytes, a word of 35 and the
// terminator.
constexpr u32 kKeyCapacity = 48;

}  // namespace

bool LookupReserved(u16 mode, i16 section, const u8* prefix, u32 prefixLength,
                    const BoundedString& word, BoundedArray<u16>& tags, u16& count) {
    u8 bytes[kKeyCapacity] = {};
    const i32 n = GetStringLength(word);
    if (prefixLength + static_cast<u32>(n) + 1 > kKeyCapacity) return false;
    std::memcpy(bytes, prefix, prefixLength);
    if (n > 0) std::memcpy(bytes + prefixLength, word.data, static_cast<size_t>(n));
    BoundedString key;
    key.View(bytes, prefixLength + static_cast<u32>(n) + 1);
    const u16 before = count;
    const i16 answer = LookupInDictSection(mode, section, key, tags, count);
    return answer != 0 || count != before;
}

bool LookupFrenchReserved(u16 mode, i16 section, const char* prefix, const BoundedString& word,
                          BoundedArray<u16>& tags, u16& count) {
    const u16 saved = gCheckingLanguage;
    if (saved == 0) SelectLanguageTables(3);
    const bool found = LookupReserved(mode, section, reinterpret_cast<const u8*>(prefix),
                                      static_cast<u32>(std::strlen(prefix)), word, tags, count);
    if (saved == 0) SelectLanguageTables(0);
    return found;
}
