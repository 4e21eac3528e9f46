// Fuzz target: arbitrary bytes handed to KRZSetLexicon as a lexicon image.
//
// Whatever the bytes, the call must not read outside the image or crash. An
// image it accepts must be a sound body: the structure check passes, the
// image comes back unchanged, and every walk, lookup, list, insert and
// delete over it stays sound.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "frame/records.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "lexicon/lex_records.h"
#include "lexicon/lex_store.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void ExerciseLoadedLexicon(const uint8_t* data, size_t size) {
    Require(CheckLexiconStructure() == 0);
    std::vector<uint8_t> image(KRZGetLexiconSize());
    Require(KRZGetLexicon(image.data(), static_cast<uint32_t>(image.size())) == 0);
    Require(image.size() == size && std::memcmp(image.data(), data, size) == 0);

    LexListRecord* list = nullptr;
    int32_t n = KRZGetListWordsLex(&list, 9);
    Require(n >= 0);
    KRZDisposeListWordsLex(list);

    // Changes in memory only: a scratch stream stands for the lexicon file.
    std::FILE* scratch = std::tmpfile();
    if (scratch == nullptr) return;
    LexFileHandle = scratch;
    BoundedArray<FormEntry> records;
    InitFormEntryArray(records, 4);
    FormEntry entry;
    InitFormEntry(entry);
    for (u32 i = 0; i < 8 && GetLexEntryAt(i, entry) == 0; ++i) {
        Require(LookupLexRecords(entry.FormText, records) >= 1);
        if (InsertLexRecord(entry) == 0) Require(CheckLexiconStructure() == 0);
        if (RemoveLexRecord(entry) == 0) Require(CheckLexiconStructure() == 0);
    }
    std::fclose(scratch);
    LexFileHandle = nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // No lexicon path is ever set, so nothing is written to disk: a sound
    // image is kept in memory and reported as -5.
    int16_t result = KRZSetLexicon(data, static_cast<uint32_t>(size));
    Require(result == -5 || result == -8 || result == -10);
    if (result == -5) ExerciseLoadedLexicon(data, size);
    KRZCloseLex();
    return 0;
}
