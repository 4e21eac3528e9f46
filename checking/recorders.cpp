// Error recorders and the paragraph error table.
#include "checking/recorders.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/memory_blocks.h"
#include "frame/records.h"
#include "frame/tables.h"

i16 gErrorHistoryFirst[kHitHistorySize] = {};
i16 gErrorHistoryLast[kHitHistorySize] = {};
u16 gErrorHistoryCode[kHitHistorySize] = {};
u16 gHitHistoryCount = 0;
ParagraphErrorRecord* gParagraphErrorTable = nullptr;
u16 gParagraphErrorCount = 0;
u32 ErrorCategoryMask = KRZ_CATEGORY_ALL;
u16 gTrackedWord = 65535;
u16 gTrackedFirstCode = 0;
u16 gTrackedSpellingHit = 0;
BlockAllocator gMessageAllocator = AllocateBlock;

namespace {

// The duplicate filter: 0 when the triple was already seen twice (the
// sentence stops), else 1 after adding it to the history.
u16 PassDuplicateFilter(i32 first, i32 last, RuleCode code) {
    const i16 f = static_cast<i16>(first);
    const i16 l = static_cast<i16>(last);
    u16 seen = 0;
    for (u16 k = 0; k < gHitHistoryCount && k < kHitHistorySize; ++k) {
        if (gErrorHistoryCode[k] == code && gErrorHistoryFirst[k] == f && gErrorHistoryLast[k] == l) ++seen;
    }
    if (seen >= 2) return 0;
    if (gHitHistoryCount >= kHitHistorySize) {
        for (u16 k = 1; k < kHitHistorySize; ++k) {
            gErrorHistoryFirst[k - 1] = gErrorHistoryFirst[k];
            gErrorHistoryLast[k - 1] = gErrorHistoryLast[k];
            gErrorHistoryCode[k - 1] = gErrorHistoryCode[k];
        }
        gHitHistoryCount = kHitHistorySize - 1;
    }
    gErrorHistoryFirst[gHitHistoryCount] = f;
    gErrorHistoryLast[gHitHistoryCount] = l;
    gErrorHistoryCode[gHitHistoryCount] = code;
    ++gHitHistoryCount;
    return 1;
}

// A word index outside the sentence's table counts as word 0.
i32 WordIndexInTable(i32 i) { return i < 0 || i >= static_cast<i32>(gWordCount) ? 0 : i; }

// Change in length of the text when the span [start, end] was replaced by
// the first suggestion.
i32 ReplacementShift(u32 start, u32 end, u16 count, const StringList& list) {
    const i32 replacement = count > 0 || list.count > 0 ? GetStringLength(list[0]) : 0;
    return replacement - static_cast<i32>(end - start + 1);
}

// A quotation mark is never part of a word: the quotes that the analysis
// took off a word (with the spaces of French quotes) stand outside the span
// of its spelling finding and off its suggestions. Counts of bytes at each
// end of the word's token.
struct QuoteEdges {
    u32 lead = 0;
    u32 tail = 0;
};

bool IsOpeningQuoteByte(u8 c) { return c == '"' || c == 0xD2 || c == 0xC7 || c == 0xE3 || c == 0xD4; }
bool IsClosingQuoteByte(u8 c) { return c == '"' || c == 0xD3 || c == 0xC8; }
bool IsQuoteSpaceByte(u8 c) { return c == ' ' || c == 0xCA; }

QuoteEdges StrippedQuotes(const WordRecord& w, u32 start, u32 end) {
    QuoteEdges e;
    const BoundedString& raw = w.SeparatorText;
    const i32 n = GetStringLength(raw);
    if (w.QuoteFlags == 0 || w.QuoteFlags >= 8192 || end < start || static_cast<u32>(n) != end - start + 1)
        return e;
    i32 a = 0, b = n;
    if ((w.QuoteFlags & 1) != 0 && IsOpeningQuoteByte(raw.data[0])) {
        a = 1;
        while (a < n - 1 && IsQuoteSpaceByte(raw.data[a])) ++a;
    }
    if ((w.QuoteFlags & 2) != 0 && b - 1 > a && IsClosingQuoteByte(raw.data[b - 1])) {
        --b;
        while (b - 1 > a && IsQuoteSpaceByte(raw.data[b - 1])) --b;
    }
    e.lead = static_cast<u32>(a);
    e.tail = static_cast<u32>(n - b);
    return e;
}

// A suggestion without the quotes put back around it.
void CopyWithoutQuotes(char* out, const BoundedString& s, u32 n, const QuoteEdges& e) {
    u32 a = 0;
    auto quoteOrSpace = [](u8 c) { return IsOpeningQuoteByte(c) || IsClosingQuoteByte(c) || IsQuoteSpaceByte(c) || c == '\''; };
    if (e.lead > 0)
        while (a < n && s.data[a] != 0 && quoteOrSpace(s.data[a])) ++a;
    u32 b = a;
    while (b < n && s.data[b] != 0) ++b;
    if (e.tail > 0)
        while (b > a && quoteOrSpace(s.data[b - 1]) && s.data[b - 1] != '\'') --b;
    std::memcpy(out, s.data + a, b - a);
}

u16 RecordFinding(i32 first, i32 last, u16 errorClass, const BoundedString& message, u16 count,
                  const StringList& list, u16 adjust) {
    first = WordIndexInTable(first);
    last = WordIndexInTable(last);
    u32 start = gWords[first < last ? first : last].StartOffset;
    u32 end = gWords[last].EndOffset;
    QuoteEdges quotes;
    if (errorClass == KRZ_CLASS_SPELLING && first == last) {
        quotes = StrippedQuotes(gWords[first], start, end);
        start += quotes.lead;
        end -= quotes.tail;
    }
    if (adjust != 0) {
        const i32 shift = ReplacementShift(start, end, count, list);
        gCurrentOffset += static_cast<u32>(shift);
        gRangeEnd += static_cast<u32>(shift);
        gTextEndOffset += static_cast<u32>(shift);
    }
    if (gParagraphErrorTable == nullptr || gParagraphErrorCount >= KRZ_MAX_PARAGRAPH_ERRORS) return 0;

    const i32 length = GetStringLength(message);
    char* text = static_cast<char*>(gMessageAllocator(static_cast<u32>(length) + 1));
    // No record without its message: the sentence stops like on a full table.
    if (text == nullptr) return 0;
    if (length > 0) std::memcpy(text, message.data, static_cast<size_t>(length));
    text[length] = 0;
    ConvertOutputFromMacRoman(text);

    ParagraphErrorRecord& r = gParagraphErrorTable[gParagraphErrorCount];
    r.start = start;
    r.end = end;
    r.errorClass = errorClass;
    r.message = text;
    if (count > kSuggestionSlots) count = kSuggestionSlots;
    r.suggestionCount = count;
    for (u16 k = 0; k < count && k < list.count; ++k) {
        const BoundedString& s = list.data[k];
        const u32 n = s.count < KRZ_SUGGESTION_SIZE ? s.count : KRZ_SUGGESTION_SIZE;
        std::memset(r.suggestions[k], 0, KRZ_SUGGESTION_SIZE);
        CopyWithoutQuotes(r.suggestions[k], s, n, quotes);
        r.suggestions[k][KRZ_SUGGESTION_SIZE - 1] = 0;
        ConvertOutputFromMacRoman(r.suggestions[k]);
    }
    ++gParagraphErrorCount;
    return 1;
}

}  // namespace

u16 GrammarErrorClass(RuleCode code) { return TraitsOf(code).errorClass; }

u32 ErrorCategoryBit(RuleCode code, u16 detail) {
    const FindingTraits& t = TraitsOf(code);
    if ((t.flags & kFindingBitPerDetail) == 0) return t.categoryBit;
    return detail >= 1 && detail <= 5 ? t.categoryBit << (detail - 1) : 0;
}

u16 RecordGrammarError(i32 first, i32 last, RuleCode code, u16 detail, u16 /*kind*/,
                       const BoundedString& message, u16 count, const StringList& list, u16 adjust) {
    if (PassDuplicateFilter(first, last, code) == 0) return 0;
    const u32 bit = ErrorCategoryBit(code, detail);
    if (bit != 0 && (ErrorCategoryMask & bit) == 0) return 1;
    return RecordFinding(first, last, GrammarErrorClass(code), message, count, list, adjust);
}

u16 RecordSpellingError(i32 first, i32 last, RuleCode code, u16 /*detail*/, u16 /*kind*/,
                        const BoundedString& message, u16 count, const StringList& list, u16 adjust) {
    if (PassDuplicateFilter(first, last, code) == 0) return 0;
    const FindingTraits& t = TraitsOf(code);
    if ((t.flags & kFindingSpellingRecord) == 0) return 1;
    return RecordFinding(first, last, t.errorClass, message, count, list, adjust);
}

u16 AccountAnalysisError(i32 first, i32 last, RuleCode code, u16 /*detail*/, u16 /*kind*/,
                         const BoundedString& /*message*/, u16 count, const StringList& list,
                         u16 adjust) {
    if (PassDuplicateFilter(first, last, code) == 0) return 0;
    if (adjust != 0) {
        first = WordIndexInTable(first);
        last = WordIndexInTable(last);
        const u32 start = gWords[first < last ? first : last].StartOffset;
        const i32 shift = ReplacementShift(start, gWords[last].EndOffset, count, list);
        gCurrentOffset += static_cast<u32>(shift);
        gTextEndOffset += static_cast<u32>(shift);
    }
    return 1;
}

u16 RecordWordAnalysisHit(i32 first, i32 last, RuleCode code, u16 /*detail*/, u16 /*kind*/,
                          const BoundedString& /*message*/, u16 /*count*/,
                          const StringList& /*list*/, u16 /*adjust*/) {
    if (PassDuplicateFilter(first, last, code) == 0) return 0;
    NoteTrackedWordHit(first, last, code);
    return 1;
}

void NoteTrackedWordHit(i32 first, i32 last, RuleCode code) {
    // The first grammar finding: the word-sequence family to the
    // incompatible neighbours, or a sentence that cannot be analysed.
    const bool grammar = (code >= kCodeWordSequence && code <= kCodeNeighbours) || code == kCodeUnanalysable;
    if (gTrackedFirstCode == 0 && grammar) {
        gTrackedFirstCode = code;
        return;
    }
    if (code == kCodeUnknownWord && static_cast<i32>(gTrackedWord) >= first && static_cast<i32>(gTrackedWord) <= last) {
        gTrackedSpellingHit = 1;
    }
}

void RemapTrackedWordIndex(i32 first, i32 last, i32 newIndex) {
    if (gTrackedWord == 65535) return;
    const i32 tracked = gTrackedWord;
    if (tracked > last) {
        gTrackedWord = static_cast<u16>(tracked - (last - first + 1));
    } else if (tracked >= first) {
        gTrackedWord = newIndex < 0 ? 65535 : static_cast<u16>(newIndex);
    }
}
