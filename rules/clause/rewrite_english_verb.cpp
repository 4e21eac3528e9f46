// The rebuilt English verb: a clause whose auxiliary has a complement
// ending in a participle-like adjective before a noun ("has a broken
// leg") is spelled out after the sentence in three words, a marker, the
// noun as subject and the verb rebuilt from its model, each with a
// one-word segment and clause of its own.
#include "rules/clause/rewrite.h"

#include "frame/bounded_string.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "morphology/dict_format.h"
#include "morphology/word_lookup.h"
#include "rules/rule_words.h"

namespace rewrite {

namespace {

using rules::Cat;
using rules::Cls;
using rules::W;

constexpr i32 kTableLimit = 127;  // the last record of each table stays free
constexpr u8 kWantedForm = 0;     // the base form of the model row

struct Scratch {
    Work36 form;
    BoundedArray<u16> tags;
    Scratch() { tags.Allocate(kAnalysisSlots); }
};

Scratch& Work() {
    static Scratch s;
    return s;
}

// The noun (after adverb-like words) that ends clause r's complement, or
// -1 when the clause does not qualify.
i32 RewrittenNoun(i32 r) {
    const i32 first = ClauseFirst(r);
    const u8 mark = rules::Model(first);
    if (mark != '%' && mark != '&') return -1;
    const i32 s = GroupOf(first);
    i32 w = ClauseFirst(r + 1) - 1;
    while (w > first && Cat(w) == 18) --w;
    if (s + 1 >= Groups() || Group(s + 1).FirstWord >= ClauseFirst(r + 1)) return -1;
    const u16 fc = W(Group(s + 1).LastWord).FunctionCode;
    if (fc != 70 && fc != 77) return -1;
    if ((Cls(w) != 'A' && Cls(w) != '+') || Cat(w - 1) != 10) return -1;
    return w;
}

void AppendEnding(BoundedString& text, const u8* ending, u32 length) {
    const i32 n = GetStringLength(text);
    for (u32 k = 0; k < length && n + static_cast<i32>(k) + 1 < static_cast<i32>(text.count); ++k) {
        text[n + static_cast<i32>(k)] = ending[k];
        text[n + static_cast<i32>(k) + 1] = 0;
    }
}

bool IsBare(const u8* text, u32 length) { return text == nullptr || (length == 1 && text[0] == '$'); }

// The verb's form rebuilt in `out` from its analysis: the stem of the
// analysed form with the ending of the wanted form. False when the word
// has no verb analysis past its base and third-person forms.
bool RebuildForm(i32 v, BoundedString& out) {
    Scratch& st = Work();
    CopyString(st.form.s, W(v).WordText);
    u16 count = 0;
    LookupWordForm(0, st.form.s, st.tags, count);
    i32 found = -1;
    for (i32 k = 0; k < count && found < 0; ++k) {
        const u16 tag = st.tags[k];
        if ((tag >> 8) > 127 && (tag & 15) > 1) found = k;
    }
    if (found < 0 || gEnglishEndingRows.count == 0) return false;
    const u8 model = gWordAnalysisBytes[0];
    const EnglishEndingRow& row = gEnglishEndingRows.ClampedAt(model);
    const i32 slot = st.tags[found] & 15;  // the form, without the model's flag
    const u32 cutLength = row.EndingLengths.ClampedAt(slot);
    const u8* cut = EndingText(cutLength, row.EndingIndexes.ClampedAt(slot));
    CopyString(out, W(v).WordText);
    const i32 n = GetStringLength(out);
    if (!IsBare(cut, cutLength) && static_cast<i32>(cutLength) <= n) out[n - static_cast<i32>(cutLength)] = 0;
    const u32 length = row.EndingLengths.ClampedAt(kWantedForm);
    const u8* ending = EndingText(length, row.EndingIndexes.ClampedAt(kWantedForm));
    if (model != 127 && model != 125 && !IsBare(ending, length)) AppendEnding(out, ending, length);
    return true;
}

void AppendClause(i32 word, u8 kind, u8 level) {
    SegmentRecord seg;
    seg.SegmentKind = kind;
    seg.FirstWord = seg.LastWord = static_cast<u8>(word);
    SegmentRecord clause = seg;
    seg.Link = static_cast<u8>(Groups() > 0 ? Group(Groups() - 1).Link + 1 : 0);
    clause.Link = level;
    Group(Groups()) = seg;
    ++gSegmentCount;
    Clause(Clauses()) = clause;
    ++gRewriteSegmentCount;
}

bool Room() {
    return gWordCount + 3 <= kTableLimit && gSegmentCount + 3 <= kTableLimit && gRewriteSegmentCount + 3 <= kTableLimit;
}

void AppendWords(i32 noun, const BoundedString& form) {
    const i32 n = static_cast<i32>(gWordCount);
    const i32 k = Clauses();
    const u8 level = Clauses() > 0 ? Level(k - 1) : 0;
    WordRecord& marker = W(n);
    ClearWordRecord(marker);
    marker.ReadingCount = 1;
    marker.ReadingCategories[0] = 16;
    marker.ReadingClasses[0] = 16;
    CopyCString(marker.WordText, "REECRITURE");
    CopyCString(marker.BaseText, "REECRITURE");
    WordRecord& subject = W(n + 1);
    CopyWordRecord(subject, W(noun));
    subject.FunctionCode = 75;
    subject.LinkedWord = static_cast<u16>(n + 1);
    WordRecord& verb = W(n + 2);
    CopyWordRecord(verb, W(noun - 1));
    verb.ReadingCategories[0] = 14;
    verb.ReadingClasses[0] = 128;
    verb.FunctionCode = 74;
    verb.GroupMark = 1;
    CopyString(verb.BaseText, form);
    verb.LinkedWord = static_cast<u16>(k + 1);
    for (i32 x = n; x < n + 3; ++x) W(x).OriginalIndex = kRewriteWordMark;
    gWordCount = static_cast<u16>(n + 3);
    AppendClause(n, 16, static_cast<u8>(level + 1));
    AppendClause(n + 1, 24, static_cast<u8>(level + 2));
    AppendClause(n + 2, 14, static_cast<u8>(level + 2));
}

}  // namespace

void AppendRebuiltVerb() {
    if (gCheckingLanguage != 0) return;
    static Work36 form;
    for (i32 r = 0; r < Clauses(); ++r) {
        if (ClauseKind(r) != 14) continue;
        const i32 noun = RewrittenNoun(r);
        if (noun < 0 || !RebuildForm(noun - 1, form.s)) continue;
        if (Room()) AppendWords(noun, form.s);
        return;
    }
}

}  // namespace rewrite
