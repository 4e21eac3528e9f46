#include <gtest/gtest.h>

#include <string>

#include "frame/bounded_string.h"
#include "frame/records.h"
#include "tests/frame/clamp_guard.h"

namespace {

std::string Text(const BoundedString& s) {
    return std::string(reinterpret_cast<const char*>(s.data), static_cast<size_t>(GetStringLength(s)));
}

}  // namespace

TEST(Records, WordRecordArrayHoldsConstructedRecords) {
    BoundedArray<WordRecord> words;
    CreateWordRecordArray(words, 128);
    EXPECT_EQ(words.count, 128u);
    EXPECT_EQ(words.last, 127);
    const WordRecord& w = *GetWordRecordAt(words, 5);
    for (const BoundedArray<u8>* a : {&w.ReadingClasses, &w.ReadingFeatures, &w.ReadingCategories,
                                      &w.ReadingMarks}) {
        EXPECT_EQ(a->count, 8u);
    }
    EXPECT_EQ(w.ReadingLemmaRefs.count, 8u);
    // The arrays lie in one block, owned by the lemma references.
    EXPECT_NE(WordRecordBlock(w), nullptr);
    EXPECT_EQ(w.ReadingLemmaRefs.owns, 1);
    for (const BoundedString* s : {&w.BaseText, &w.WordText, &w.LexiconForm, &w.SeparatorText}) {
        EXPECT_EQ(s->count, 36u);
        EXPECT_EQ(s->last, 35);
        EXPECT_EQ(s->valid, 1);
    }
    DestroyWordRecordArray(words);
    EXPECT_EQ(words.valid, 0);
}

TEST(Records, CopyWordRecordIsDeepAndKeepsSpanFlag) {
    WordRecord src;
    WordRecord dest;
    ConstructWordRecord(src);
    ConstructWordRecord(dest);
    src.ReadingCount = 2;
    src.ReadingClasses[1] = 'N';
    src.ReadingLemmaRefs[7] = 85489;
    src.LinkedWord = 65535;
    src.EndOffset = 77;
    src.SpanFlag = 1;
    src.AmbiguityFlag = 9;
    CopyCString(src.WordText, "chats");
    CopyCString(src.SeparatorText, "chats,");
    dest.SpanFlag = 4;

    CopyWordRecord(dest, src);
    EXPECT_EQ(dest.ReadingCount, 2);
    EXPECT_EQ(dest.ReadingClasses[1], 'N');
    EXPECT_EQ(dest.ReadingLemmaRefs[7], 85489u);
    EXPECT_EQ(dest.LinkedWord, 65535);
    EXPECT_EQ(dest.EndOffset, 77u);
    EXPECT_EQ(dest.AmbiguityFlag, 9);
    EXPECT_EQ(dest.SpanFlag, 4);
    EXPECT_EQ(Text(dest.SeparatorText), "chats,");

    CopyCString(src.WordText, "chien");
    src.ReadingClasses[1] = 'V';
    EXPECT_EQ(Text(dest.WordText), "chats");
    EXPECT_EQ(dest.ReadingClasses[1], 'N');
    EXPECT_NE(dest.WordText.data, src.WordText.data);
    DestroyWordRecord(src);
    DestroyWordRecord(dest);
}

TEST(Records, StoresClampTheirIndex) {
    BoundedArray<WordRecord> words;
    CreateWordRecordArray(words, 128);
    WordRecord r;
    ConstructWordRecord(r);
    r.OriginalIndex = 42;
    CopyCString(r.BaseText, "aller");
    SetWordRecordAt(words, 200, r);
    EXPECT_EQ(words[127].OriginalIndex, 42);
    EXPECT_EQ(Text(words[127].BaseText), "aller");

    BoundedArray<SegmentRecord> segments;
    segments.Allocate(128);
    SetRecord8At(segments, -3, SegmentRecord{1, 2, 3, 22, 0, 4, 6, 0xFF});
    EXPECT_EQ(GetRecord8At(segments, 0)->SegmentKind, 22);
    EXPECT_EQ(GetRecord8At(segments, 0)->Link, 0xFF);
    TakeClamps();  // the two clamped stores are the rule under test
}

TEST(Records, FormEntriesOwnTheirStringsButViewsAreNotFreed) {
    BoundedArray<FormEntry> forms;
    InitFormEntryArray(forms, 16);
    EXPECT_EQ(forms[3].FormText.count, 36u);
    EXPECT_EQ(forms[3].LemmaText.count, 36u);
    EXPECT_EQ(forms[3].FormCodes.count, 9u);
    FreeFormEntryArray(forms);

    static u8 text[6] = "aimer";
    FormEntry e;
    e.FormText.View(text, 6);
    e.LemmaText.View(text, 6);
    e.FormCodes.View(text, 6);
    FreeFormEntry(e);
    EXPECT_EQ(text[0], 'a');
    EXPECT_EQ(e.FormText.valid, 0);

    auto* heap = new FormEntry[2];
    InitFormEntry(heap[0]);
    InitFormEntry(heap[1]);
    DeleteFormEntryArray(heap, 2, 2);
    EXPECT_EQ(heap[1].FormCodes.valid, 0);
    DeleteFormEntryArray(heap, 3);
}

TEST(Records, EndingRowsCopyHeaderAndAllSlots) {
    BoundedArray<EndingRow> rows;
    AllocRecordArray(rows, 3);
    EndingRow& src = *EndingRowAt(rows, 1);
    src.ModelNumber = 1;
    src.GroupChar1 = '0';
    src.GroupChar2 = '1';
    src.EndingLengths[50] = 2;
    src.EndingIndexes[50] = 4;
    EndingRow local;
    InitEndingRow(local);
    CopyEndingRow(local, src);
    EXPECT_EQ(local.GroupChar2, '1');
    EXPECT_EQ(local.EndingLengths.count, 51u);
    EXPECT_EQ(local.EndingIndexes[50], 4);
    EXPECT_NE(local.EndingIndexes.data, src.EndingIndexes.data);
    EXPECT_EQ(EndingRowAt(rows, 500), &rows.data[2]);
    TakeClamps();  // the clamped accessor is the rule under test
    FreeEndingRow(local);

    BoundedArray<EnglishEndingRow> english;
    AllocEnglishEndingRowArray(english, 2);
    english[0].ClassChar = '2';
    english[0].EndingIndexes[4] = 7;
    EnglishEndingRow copy;
    InitEnglishEndingRow(copy);
    CopyEnglishEndingRow(copy, english[0]);
    EXPECT_EQ(copy.ClassChar, '2');
    EXPECT_EQ(copy.EndingIndexes.count, 5u);
    EXPECT_EQ(copy.EndingIndexes[4], 7);
    FreeEnglishEndingRow(copy);
}

TEST(Records, IndexEntriesAreBuiltWithTheirStrings) {
    BoundedArray<DictSectionEntry> sections;
    AllocDictSectionArray(sections, 4);
    EXPECT_EQ(ModelRecordAt(sections, 3)->Key.count, 2u);
    EXPECT_EQ(sections[3].Key.last, 1);
    EXPECT_EQ(sections[3].Key.owns, 1);
    BoundedArray<LitDictIndexEntry> lit;
    AllocLitDictIndexArray(lit, 2);
    EXPECT_EQ(lit[1].Key.count, 2u);
}
