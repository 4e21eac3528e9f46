// Verb candidates and word form codes.
#include "morphology/verb_candidates.h"

#include <cstdio>
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tagged_words.h"
#include "morphology/correction_finishing.h"
#include "morphology/section_walk.h"
#include "morphology/word_lookup.h"

namespace {

u16 PlainMode() { return gCheckingLanguage != 0 ? kModeFrenchPlain : kModeEnglishPlain; }

bool HasLigature(const WordRecord& r) { return r.FirstLigaturePos != kNoLigaturePos; }

}  // namespace

i16 CheckVerbCandidate(i16 wordIndex, BoundedString& candidate) {
    Work36 copy;
    copy.Set(candidate);
    u16 count = 0;
    LookupWordForm(PlainMode(), copy.s, gWordTagCodes, count);
    const WordRecord& record = gWords[wordIndex];
    if (HasLigature(record)) ApplyLigatureSpelling(candidate, record.LigatureMode);
    u16 verbTag = 0;
    for (u16 i = 0; i < count && i < gWordTagCodes.count && verbTag == 0; ++i)
        if (gWordTagCodes[i] >= 0x8000) verbTag = gWordTagCodes[i];
    if (verbTag == 0) return 0;
    const i32 n = GetStringLength(candidate);
    char tail[16];
    std::snprintf(tail, sizeof tail, " %cV%u", static_cast<char>(kTaggedAnnotationMark),
                  static_cast<unsigned>(verbTag & 0xFF));
    Work36 code;
    const u8 head[3] = {static_cast<u8>('0' + n), '0', '0'};
    code.Set(head, 3);
    const i32 room = static_cast<i32>(kWordMaxLength) - 3 - static_cast<i32>(std::strlen(tail));
    if (n > room) return 0;  // no room for the code string: not a candidate
    std::memcpy(code.bytes + 3, candidate.data, static_cast<size_t>(n));
    std::memcpy(code.bytes + 3 + n, tail, std::strlen(tail) + 1);
    TextSet(candidate, code.s);
    return 1;
}

namespace {

struct EndingRule {
    const char* ending;
    const char* tries[3];
    i32 minLength;
};

// Tested top to bottom; the first row whose ending matches is applied.
const EndingRule kParticipleRules[] = {
    {"is", {"it", "ie", "i"}, 2},
    {"it", {"is", "ie", "i"}, 2},
    {"ie", {"is", "it", "i"}, 2},
    {"es", {"ent", "e", nullptr}, 2},
    {"ent", {"e", "es", "ens"}, 3},
    {"nt", {"ns", nullptr, nullptr}, 3},
    {"ns", {"nt", nullptr, nullptr}, 2},
    {"er", {"ez", MR("é"), nullptr}, 2},
    {"ez", {"er", MR("é"), nullptr}, 2},
    {MR("é"), {"er", "ez", nullptr}, 1},
    {"as", {MR("ât"), "a", nullptr}, 2},
    {MR("ât"), {"as", "a", nullptr}, 2},
    {"a", {"as", MR("ât"), nullptr}, 1},
    {"e", {"es", "ent", nullptr}, 1},
    {"i", {"is", "it", "ie"}, 1},
};

bool RuleMatches(const EndingRule& rule, const BoundedString& word) {
    if (GetStringLength(word) < rule.minLength || !TextEndsWith(word, rule.ending)) return false;
    const i32 n = GetStringLength(word);
    // "nt" stands for an ending not preceded by a or e (those are "ent"/"ant").
    if (std::strcmp(rule.ending, "nt") == 0) {
        const u8 before = TextAt(word, n - 3);
        if (before == 'a' || before == 'e') return false;
    }
    if (std::strcmp(rule.ending, "e") == 0 && TextEndsWith(word, "ie")) return false;
    return true;
}

}  // namespace

u16 FindVerbCandidatesForParticiple(i16 wordIndex, const BoundedString& word, StringList& candidates) {
    for (u32 k = 0; k < 20 && k < candidates.count; ++k)
        if (candidates.data[k].count > 0) candidates.data[k].data[0] = 0;
    u16 found = 0;
    for (const EndingRule& rule : kParticipleRules) {
        if (!RuleMatches(rule, word)) continue;
        const i32 stem = GetStringLength(word) - static_cast<i32>(std::strlen(rule.ending));
        for (const char* t : rule.tries) {
            if (t == nullptr) break;
            Work36 w;
            w.Set(word.data, stem);
            const i32 lt = static_cast<i32>(std::strlen(t));
            if (stem + lt > static_cast<i32>(kWordMaxLength)) continue;
            std::memcpy(w.bytes + stem, t, static_cast<size_t>(lt) + 1);
            if (CheckVerbCandidate(wordIndex, w.s) == 1) {
                CopyString(candidates[found], w.s);
                ++found;
            }
        }
        break;
    }
    return found;
}

namespace {

// The word text made comparable with the list: a leading capital lowered
// and the ligature the writer used put back.
void ComparableText(const WordRecord& record, Work36& text) {
    text.Set(record.WordText);
    u8& first = text.bytes[0];
    if (first >= 'A' && first <= 'Z') first = static_cast<u8>(first + 32);
    if (HasLigature(record)) ApplyLigatureSpelling(text.s, record.LigatureMode);
}

i32 Search(const Work36& text, bool verbOnly) {
    const StringList& list = TaggedWordsFor(gCheckingLanguage);
    const i32 n = text.Length();
    const i32 j = FindTaggedWord(list, gTaggedWordCount, text.bytes, n);
    if (j < 0 || !verbOnly) return j;
    return IsTaggedVerbEntry(list[j]) != 0 ? j : -1;
}

bool CutEnding(Work36& text, const char* ending) {
    if (!TextEndsWith(text.s, ending)) return false;
    TextCut(text.s, text.Length() - static_cast<i32>(std::strlen(ending)));
    return true;
}

bool PluralReading(u8 cls, u8 features, u8 mark) {
    if (cls >= 0x80) return (features & 1) != 0 && features < 6;
    return cls >= 64 && cls <= 'k' && cls != 'e' && mark > 32 && (features & 15) > 7;
}

bool FeminineReading(u8 cls, u8 features, u8 mark) {
    if (cls >= 0x80) return features == 4 || features == 5;
    return (cls == 'B' || cls == 'C') && (features >> 4) == 2 &&
           ((mark >= 33 && mark <= 61) || mark == '[' || mark >= 234);
}

}  // namespace

u16 FindWordFormCodes(u16 mode, i16 wordIndex, BoundedArray<u16>& codes) {
    for (i32 k = 0; k < static_cast<i32>(kClearedFormCodes); ++k) codes[k] = 0;
    const WordRecord& record = gWords[wordIndex];
    Work36 text;
    ComparableText(record, text);
    i32 j = Search(text, false);
    const u8 cls = record.ReadingClasses[0];
    const u8 features = record.ReadingFeatures[0];
    const u8 mark = record.ReadingMarks[0];
    if (j < 0 && PluralReading(cls, features, mark)) {
        ComparableText(record, text);
        if (CutEnding(text, "s") || CutEnding(text, "x")) j = Search(text, false);
    }
    if (j < 0 && (mode == 0 || mode == 32) && FeminineReading(cls, features, mark)) {
        ComparableText(record, text);
        if (CutEnding(text, "es") || CutEnding(text, "e")) j = Search(text, false);
    }
    if (mode == 32) {
        codes[0] = static_cast<u16>(j >= 0 ? j : static_cast<i32>(TaggedWordsFor(gCheckingLanguage).count));
        codes[1] = gErrorExtent;
        return 2;
    }
    if (j < 0 && cls >= 0x80 && (features == 7 || features == 8 || features == 54 || features == 58)) {
        ComparableText(record, text);
        if (CutEnding(text, "s") || CutEnding(text, "nt")) j = Search(text, true);
    }
    if (j < 0) return 0;
    const u16 capacity = codes.count < kMaxFormCodes ? static_cast<u16>(codes.count) : kMaxFormCodes;
    return CollectTaggedWordGroup(TaggedWordsFor(gCheckingLanguage), gTaggedWordCount, j, codes.data, capacity);
}
