// Lookups of the user lexicon.
#include "lexicon/lex_lookup.h"

#include <cstring>

#include "frame/mac_roman.h"
#include "lexicon/lex_records.h"
#include "lexicon/lex_store.h"

void BuildLexKey(const BoundedString& word, u8 classByte, BoundedString& key) {
    if (key.valid == 0 || key.data == nullptr || key.count == 0) return;
    std::memset(key.data, 0, key.count);
    u32 room = key.count - 1;
    if (word.valid != 0 && word.data != nullptr)
        for (u32 i = 0; i < room && i < word.count && word.data[i] != 0; ++i) key.data[i] = word.data[i];
    NormaliseLexKey(key, classByte);
}

namespace {

bool LexiconAnswers() { return LexLookupSuspended == 0 && LexEntryCount != 0; }

}  // namespace

i16 FindLexForms(const BoundedString& word, BoundedArray<FormEntry>& results, u8 classByte) {
    if (!LexiconAnswers()) return 0;
    u8 bytes[kLexKeyCapacity];
    BoundedString key;
    key.View(bytes, kLexKeyCapacity);
    BuildLexKey(word, classByte, key);
    return LookupLexRecords(key, results);
}

i16 LookupLexEntry(const BoundedString& key, FormEntry& result) {
    if (!LexiconAnswers()) return 0;
    return LookupFirstLexRecord(key, result) > 0 ? 1 : 0;
}

i16 GetFirstLexForm(const BoundedString& word, FormEntry& result, u8 classByte) {
    if (!LexiconAnswers()) return 0;
    u8 bytes[kLexKeyCapacity];
    BoundedString key;
    key.View(bytes, kLexKeyCapacity);
    BuildLexKey(word, classByte, key);
    return LookupFirstLexRecord(key, result) > 0 ? 1 : 0;
}

i16 GetFirstLexFormNormalised(const BoundedString& word, FormEntry& result, u8 classByte) {
    i16 found = GetFirstLexForm(word, result, classByte);
    if (found == 1) CopyLowerCase(result.LemmaText, result.LemmaText);
    return found;
}
