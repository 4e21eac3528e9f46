// Word description, the tagged-word rows: the word's entries in the
// tagged-word list of the checking language (homophones, function words)
// and, for a French verb form, the verb forms it may stand for, each as
// "word= what it is".
#include <cstring>

#include "analysis/description_steps.h"
#include "checking/word_access.h"
#include "frame/loader.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tagged_words.h"
#include "inflection/inflect.h"
#include "morphology/verb_candidates.h"

namespace {

constexpr u32 kRowCapacity = 120;

// What the codes of one entry have said so far.
struct EntryCodes {
    u16 category = 0;
    u8 lastNumberCode = 0;   // last of M F S P I D
    char remarks[8] = {};    // $ % & ( met, in order
};

bool IsNumberCode(u8 c) { return c != 0 && std::strchr("MFSPID", c) != nullptr; }

// The code tokens of an entry: each " \xA4" + code up to the next blank.
// Returns the position after the last code (where the comment begins).
u32 NextCode(const BoundedString& e, u32 p, u32& codeStart, u32& codeLength) {
    const u32 n = TextLen(e);
    if (p + 2 >= n || e.data[p] != ' ' || e.data[p + 1] != kTaggedAnnotationMark) return 0;
    codeStart = p + 2;
    u32 q = codeStart;
    while (q < n && e.data[q] != ' ') ++q;
    codeLength = q - codeStart;
    return q;
}

// The last gender or number code of the entry (for the adjective's name 50
// and the article of the example).
u8 LastNumberCode(const BoundedString& e, u32 p) {
    u8 last = 0;
    u32 start = 0, length = 0;
    while ((p = NextCode(e, p, start, length)) != 0)
        if (length == 1 && IsNumberCode(e.data[start])) last = e.data[start];
    return last;
}

const char* ExampleArticle(u8 code) {
    switch (code) {
        case 'M': return "un ";
        case 'F': return "une ";
        case 'P': return "des ";
        case 'I': case 'D': return "un ou des ";
        default: return "";
    }
}

// A "V" code: the word rendered as a verb reading of the slot.
void AppendVerbCode(const Rendering& owner, BoundedString& row, const BoundedString& word, u8 slot) {
    static Rendering v;
    v.w = owner.w;
    v.tense = v.number = v.gender = v.person = v.sign = 0;
    TextCopy(v.form.s, word);
    TextCopy(v.text.s, row);
    AppendName(v.text.s, 1);
    Work36 infinitive;
    if (TextEquals(word, "sachez")) {
        CopyCString(infinitive.s, "savoir");
    } else {
        static StringList forms;
        if (forms.valid == 0) InitByteMatrix(forms, 16, 36);
        u16 count = 0;
        InflectWord((FrenchText() ? 3u : 0u) << 8 | 1u, word, count, forms);
        TextCopy(infinitive.s, count > 0 ? forms[0] : word);
    }
    if (FrenchInterface()) AppendCString(v.text.s, "  \xC7\xCA");
    else AppendCString(v.text.s, "  \xD2");
    if (!FrenchText()) AppendCString(v.text.s, "to ");
    AppendString(v.text.s, infinitive.s);
    AppendCString(v.text.s, FrenchInterface() ? "\xCA\xC8" : "\xD3");
    if (FrenchText()) AppendFrenchTense(v, slot);
    else AppendEnglishTense(v, slot);
    TextCopy(row, v.text.s);
}

void AppendEntryCode(const Rendering& r, BoundedString& row, const BoundedString& word, const u8* code, u32 n,
                     EntryCodes& codes) {
    if (n >= 2 && code[0] >= '0' && code[0] <= '9' && code[1] >= '0' && code[1] <= '9') {
        const u16 nn = static_cast<u16>((code[0] - '0') * 10 + (code[1] - '0'));
        if ((nn >= 7 && nn <= 13) || nn == 26) codes.category = nn;
        if (nn < 25 || codes.category == 26) AppendName(row, nn);
        return;
    }
    if (n >= 2 && code[0] == 'V') {
        u8 slot = 0;
        for (u32 k = 1; k < n && k < 3 && code[k] >= '0' && code[k] <= '9'; ++k) slot = static_cast<u8>(slot * 10 + code[k] - '0');
        codes.category = 1;
        AppendVerbCode(r, row, word, slot);
        return;
    }
    if (n != 1) return;
    const u8 c = code[0];
    static constexpr const char kNumberCodes[] = "MFSPI";
    if (const char* at = std::strchr(kNumberCodes, c); at != nullptr && c != 0) {
        if (codes.category == 12 && c != 'I' && c == codes.lastNumberCode) AppendName(row, 50);
        AppendName(row, static_cast<u32>(51 + (at - kNumberCodes)));
    } else if (c == 'D') {
        AppendName(row, 53);
        AppendName(row, 62);
        AppendName(row, 54);
    } else if (const char* remark = std::strchr("$%&(", c); remark != nullptr && c != 0) {
        const size_t k = std::strlen(codes.remarks);
        if (k + 1 < sizeof codes.remarks) codes.remarks[k] = static_cast<char>(c);
    }
}

void AppendEntryExample(BoundedString& row, const BoundedString& word, const EntryCodes& codes) {
    if (codes.category < 11 || codes.category > 13) return;
    if (!FrenchText()) {
        AppendCString(row, EnglishArticleExample(word));
    } else if (codes.category == 12) {
        const u8 last = TextLast(word);
        AppendCString(row, last == 's' || last == 'x' ? " : qq'un ou qqchose qui sont " : " : qq'un ou qqchose qui est ");
    } else {
        AppendCString(row, " : ");
        AppendCString(row, ExampleArticle(codes.lastNumberCode));
    }
    AppendString(row, word);
}

// Double blanks become one; the leading " - " goes.
void TidyRow(BoundedString& row) {
    u32 n = TextLen(row), out = 0;
    for (u32 k = 0; k < n; ++k) {
        if (row.data[k] == ' ' && out > 0 && row.data[out - 1] == ' ') continue;
        row.data[out++] = row.data[k];
    }
    row.data[out] = 0;
    n = out;
    const u32 drop = n >= 3 ? 3 : n;
    std::memmove(row.data, row.data + drop, n - drop + 1);
}

// The comment of the verb's own entry in the tagged list (its infinitive
// coded "V0"), which every verb-candidate row carries; empty when none.
void InfinitiveComment(const BoundedString& form, BoundedString& comment) {
    TextClear(comment);
    static StringList forms;
    if (forms.valid == 0) InitByteMatrix(forms, 16, 36);
    Work36 word;
    TextCopy(word.s, form);
    u16 count = 0;
    InflectWord(3u << 8 | 1u, word.s, count, forms);
    if (count == 0) return;
    const StringList& list = TaggedWordsFor(gCheckingLanguage);
    const i32 n = static_cast<i32>(TextLen(forms[0]));
    const i32 j = FindTaggedWord(list, gTaggedWordCount, forms[0].data, n);
    if (j < 0 || j >= static_cast<i32>(list.count)) return;
    const BoundedString& entry = list[j];
    u32 start = 0, length = 0;
    const u32 p = NextCode(entry, 3 + static_cast<u32>(n), start, length);
    if (p == 0 || length != 2 || entry.data[start] != 'V' || entry.data[start + 1] != '0') return;
    u32 end = p, s0 = 0, l0 = 0;
    for (u32 q = p; (q = NextCode(entry, q, s0, l0)) != 0;) end = q;
    if (end < TextLen(entry)) AppendBytesToString(comment, entry.data + end, static_cast<i32>(TextLen(entry) - end));
}

}  // namespace

// Renders one entry ("201où §18 de lieu") into `row`: "où= adverbe de lieu".
void RenderTaggedEntry(const Rendering& r, const BoundedString& entry, BoundedString& row) {
    TextClear(row);
    const i32 length = TaggedWordLength(entry);
    if (length <= 0 || static_cast<u32>(3 + length) > TextLen(entry)) return;
    Work36 word;
    CopyBytesToString(word.s, entry.data + 3, length);
    AppendCString(row, " - ");
    AppendString(row, word.s);
    AppendCString(row, "= ");
    EntryCodes codes;
    u32 p = 3 + static_cast<u32>(length);
    codes.lastNumberCode = LastNumberCode(entry, p);
    u32 start = 0, n = 0, next = 0;
    while ((next = NextCode(entry, p, start, n)) != 0) {
        AppendEntryCode(r, row, word.s, entry.data + start, n, codes);
        p = next;
    }
    AppendEntryExample(row, word.s, codes);
    for (const char* k = codes.remarks; *k != 0; ++k) AppendName(row, static_cast<u32>(57 + (std::strchr("$%&(", *k) - "$%&(")));
    if (p < TextLen(entry)) AppendBytesToString(row, entry.data + p, static_cast<i32>(TextLen(entry) - p));
    TidyRow(row);
}

void DescribeTaggedEntries(Rendering& r, WordDescription& d) {
    static DescriptionText row;
    u16 rows = 0;
    const auto add = [&](const BoundedString& entry) {
        if (rows >= d.formTexts.count) return;
        RenderTaggedEntry(r, entry, row.s);
        CopyString(d.formTexts[rows], row.s);
        ++rows;
    };
    if (r.mode != kDescribeExplanation && FrenchText() && r.recordedClass >= 128) {
        static StringList candidates;
        if (candidates.valid == 0) InitByteMatrix(candidates, 20, 36);
        Work36 text, comment;
        TextCopy(text.s, gWords[r.w].WordText);
        RestoreLigatures(text.s, r.w);
        InfinitiveComment(text.s, comment.s);
        const u16 n = FindVerbCandidatesForParticiple(static_cast<i16>(r.w), text.s, candidates);
        for (u16 k = 0; k < n; ++k) {
            AppendString(candidates[k], comment.s);
            add(candidates[k]);
        }
        if (CheckVerbCandidate(static_cast<i16>(r.w), text.s) > 0) {
            AppendString(text.s, comment.s);
            add(text.s);
        }
    }
    static BoundedArray<u16> codes;
    if (codes.valid == 0) codes.Allocate(kMaxFormCodes);
    const u16 n = FindWordFormCodes(r.mode, static_cast<i16>(r.w), codes);
    const StringList& list = TaggedWordsFor(gCheckingLanguage);
    static const BoundedString kNone;
    for (u16 k = 0; k < n && k < kMaxFormCodes; ++k) {
        // An index outside the list (a word not listed) gives an empty row.
        if (codes[k] < list.count) add(list[codes[k]]);
        else add(kNone);
    }
    d.formCount = rows;
}
