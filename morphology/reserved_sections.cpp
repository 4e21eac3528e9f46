// Lookups in the reserved sections of a dictionary.
#include "morphology/reserved_sections.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/settings.h"
#include "morphology/section_walk.h"

namespace {

const char* const kSectionPrefixes[11] = {"",   "111", "22", "3333", "444", "55",
                                          "66", "77",  "88", "99",   "::"};

// Longest key: a prefix of at most four bytes, a word of 35 and the
// terminator; no dictionary entry spells a longer one.
constexpr u32 kKeyCapacity = 48;

}  // namespace

const char* ReservedKeyPrefix(i16 section) {
    return section >= 1 && section <= 10 ? kSectionPrefixes[section] : "";
}

i16 WalkReservedKey(u16 mode, i16 section, const u8* prefix, u32 prefixLength, const u8* text,
                    u32 n, BoundedArray<u16>& tags, u16& count) {
    if (prefixLength + n + 1 > kKeyCapacity) return 0;
    u8 bytes[kKeyCapacity];
    std::memcpy(bytes, prefix, prefixLength);
    if (n > 0) std::memcpy(bytes + prefixLength, text, n);
    bytes[prefixLength + n] = 0;
    BoundedString key;
    key.View(bytes, prefixLength + n + 1);
    return LookupInDictSection(mode, section, key, prefixLength + n, tags, count);
}

bool LookupReservedKey(u16 mode, i16 section, const u8* prefix, u32 prefixLength,
                       const BoundedString& word, BoundedArray<u16>& tags, u16& count) {
    const u16 before = count;
    const i16 answer =
        WalkReservedKey(mode, section, prefix, prefixLength, word.data, TextLen(word), tags, count);
    return answer != 0 || count != before;
}

bool LookupReserved(u16 mode, i16 section, const BoundedString& word, BoundedArray<u16>& tags,
                    u16& count) {
    const char* prefix = ReservedKeyPrefix(section);
    return LookupReservedKey(mode, section, reinterpret_cast<const u8*>(prefix),
                             static_cast<u32>(std::strlen(prefix)), word, tags, count);
}

bool LookupFrenchReserved(u16 mode, i16 section, const BoundedString& word,
                          BoundedArray<u16>& tags, u16& count) {
    const u16 saved = gCheckingLanguage;
    if (saved == 0) SelectLanguageTables(3);
    const bool found = LookupReserved(mode, section, word, tags, count);
    if (saved == 0) SelectLanguageTables(0);
    return found;
}
