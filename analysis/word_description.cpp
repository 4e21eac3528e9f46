// The word description renderer: the driver, the readings to describe,
// their categories, the XML element and the synonyms; and the explanation
// hooks it serves.
#include "analysis/word_description.h"

#include <cstdio>
#include <cstring>

#include "analysis/description_steps.h"
#include "analysis/xml_escape.h"
#include "checking/correction_common.h"
#include "checking/explanation.h"
#include "checking/word_access.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "inflection/verb_forms.h"
#include "lexicon/synonyms.h"
#include "morphology/correction_finishing.h"
#include "morphology/token_base_form.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

// ---- Shared helpers -------------------------------------------------------------

bool FrenchText() { return gCheckingLanguage != 0; }
bool FrenchInterface() { return gInterfaceLanguage != 0; }

void AppendName(BoundedString& s, u32 index) { AppendString(s, gCategoryNames.ClampedAt(static_cast<i32>(index))); }

i32 ClauseOfWord(i32 w) {
    i32 clause = -1;
    for (i32 k = 0; k < static_cast<i32>(gSegmentCount) && k < 128; ++k)
        if (gSegments[k].FirstWord <= w) clause = k;
    return clause;
}

void RestoreLigatures(BoundedString& text, i32 w) {
    const WordRecord& word = gWords[w];
    if (word.FirstLigaturePos != kNoLigaturePos) ApplyLigatureSpelling(text, word.LigatureMode);
}

namespace {

StringList& AnalysisWork() {
    static StringList work;
    if (work.valid == 0) InitByteMatrix(work, 16, 36);
    return work;
}

// ---- Step 2: the readings ---------------------------------------------------------

u16 Tag(u8 cls, u8 features) { return static_cast<u16>(cls << 8 | features); }
u8 ClassOf(u16 tag) { return static_cast<u8>(tag >> 8); }
u8 FeaturesOf(u16 tag) { return static_cast<u8>(tag & 0xFF); }

void Push(DescribedReadings& l, u16 tag, u8 mark) {
    if (l.count >= kAnalysisSlots) return;
    l.tags[l.count] = tag;
    l.marks[l.count] = mark;
    ++l.count;
}

void Insert(DescribedReadings& l, u16 at, u16 tag, u8 mark) {
    if (l.count >= kAnalysisSlots) --l.count;
    for (u16 k = l.count; k > at; --k) {
        l.tags[k] = l.tags[k - 1];
        l.marks[k] = l.marks[k - 1];
    }
    l.tags[at] = tag;
    l.marks[at] = mark;
    ++l.count;
}

void Remove(DescribedReadings& l, u16 at) {
    for (u16 k = at; k + 1 < l.count; ++k) {
        l.tags[k] = l.tags[k + 1];
        l.marks[k] = l.marks[k + 1];
    }
    --l.count;
}

void RemoveRepeatedTags(DescribedReadings& l) {
    for (u16 i = 0; i < l.count; ++i)
        for (u16 j = static_cast<u16>(i + 1); j < l.count;) {
            if (l.tags[j] == l.tags[i]) Remove(l, j);
            else ++j;
        }
}

// French: a noun-or-adjective reading becomes a noun reading and an
// adjective reading.
void SplitNounAdjective(DescribedReadings& l) {
    for (u16 i = 0; i < l.count; ++i) {
        const u8 c = ClassOf(l.tags[i]);
        if (c != 'C' && c != 'M' && c != 'N') continue;
        u8 f = FeaturesOf(l.tags[i]);
        const u8 adjectiveFeatures = f;
        if (c == 'M' && f < 16) f = static_cast<u8>(f + 16);
        if (c == 'N' && f < 32) f = static_cast<u8>(f + 32);
        l.tags[i] = Tag('A', f);
        Insert(l, static_cast<u16>(i + 1), Tag('B', adjectiveFeatures), l.marks[i]);
        ++i;
    }
}

// English marks whose past or participle form is also the other one.
bool SharesPastForms(u8 m) {
    if (m <= 26) return m != 19 && m != 23 && m != 24;
    if (m == 35 || m == 38 || (m >= 40 && m <= 44) || m == 47 || m == 48) return true;
    if (std::strchr("9:;<?@ADF", m) != nullptr) return true;
    if (m >= 73 && m <= 99)
        return m != 'N' && m != 'U' && m != 'W' && m != 92 && m != 93 && m != 94 && m != 96 && m != 97;
    return std::strchr("ghklmnqsv", m) != nullptr;
}

void AddEnglishPastReadings(const Rendering& r, DescribedReadings& l) {
    if (l.count == 0) return;
    const u8 c = ClassOf(l.tags[0]), f = FeaturesOf(l.tags[0]);
    if (c < 128 || f < 3 || !SharesPastForms(l.marks[0])) return;
    const u8 m = l.marks[0];
    if (r.recordedClass >= 128 && r.recordedFeatures == 3) Insert(l, 1, Tag(c, 4), m);
    else if (r.recordedClass >= 128 && r.recordedFeatures == 4) Insert(l, 1, Tag(c, 3), m);
    else if (r.recordedClass == 'B') {
        l.count = 0;
        Push(l, Tag(c, f), m);
        Push(l, Tag(c, f), m);
        Push(l, Tag(c, static_cast<u8>(f + 1)), m);
    }
}

// Moves the reading that matches the recorded one to the front.
void RecordedReadingFirst(const Rendering& r, DescribedReadings& l) {
    const u8 c = r.recordedClass, f = r.recordedFeatures, m = r.recordedMark;
    const auto find = [&](bool byClass, bool byFeatures, bool byMark) -> i32 {
        for (u16 i = 0; i < l.count; ++i)
            if ((!byClass || ClassOf(l.tags[i]) == c) && (!byFeatures || FeaturesOf(l.tags[i]) == f) &&
                (!byMark || l.marks[i] == m))
                return i;
        return -1;
    };
    i32 k = find(true, true, true);
    if (k < 0) k = find(true, false, true);
    if (k < 0) k = find(true, false, false);
    if (k < 0) k = find(false, false, true);
    if (k <= 0) return;
    const u16 tag = l.tags[k];
    const u8 mark = l.marks[k];
    Remove(l, static_cast<u16>(k));
    Insert(l, 0, tag, mark);
}

// A short "d" word of class 'Q' ("de", "du", "des") is a preposition and
// also an article: after its 'Q' reading comes a class 'j' reading with the
// same features. The first reading is the recorded one unless the word's
// first category is 8, as the categories read it.
void AddPartitiveArticleReadings(const Rendering& r, DescribedReadings& l) {
    const WordRecord& word = gWords[r.w];
    if (word.WordText.data[0] != 'd' || TextLen(word.WordText) >= 4) return;
    for (u16 k = 0; k < l.count; ++k) {
        const bool recorded = k == 0 && word.ReadingCategories[0] != 8;
        const u8 c = recorded ? r.recordedClass : ClassOf(l.tags[k]);
        if (c != 'Q') continue;
        const u16 article = Tag('j', recorded ? r.recordedFeatures : FeaturesOf(l.tags[k]));
        if (k + 1 < l.count && l.tags[k + 1] == article) continue;
        Insert(l, static_cast<u16>(k + 1), article, l.marks[k]);
        ++k;
    }
}

void AnalyseWordText(const Rendering& r, DescribedReadings& l) {
    Work36 text;
    TextCopy(text.s, gWords[r.w].WordText);
    u16 count = 0;
    gCaseMode = kCaseAsked;
    AnalyseWordForms(FrenchText() ? 800 : 0, text.s, count, AnalysisWork());
    for (u16 k = 0; k < count && k < kAnalysisSlots; ++k) Push(l, gWordTagCodes[k], gWordAnalysisBytes[k]);
}

}  // namespace

void BuildDescribedReadings(Rendering& r, DescribedReadings& l) {
    const WordRecord& word = gWords[r.w];
    const u16 recorded = Tag(r.recordedClass, r.recordedFeatures);
    l.count = 0;
    l.category = 0xFFFF;
    if (word.ReadingCategories[0] == 20 || word.ReadingCategories[0] == 21) l.category = 69;
    if (TextEquals(word.WordText, "REECRITURE")) l.category = 16;
    if (l.category != 0xFFFF || (r.recordedMark == 0 && TextContains(word.WordText, '-'))) {
        Push(l, recorded, r.recordedMark);
        return;
    }
    AnalyseWordText(r, l);
    RemoveRepeatedTags(l);
    if (word.CorrectionMark == 0) {
        if (FrenchText()) SplitNounAdjective(l);
        else AddEnglishPastReadings(r, l);
        const u8 c = r.recordedClass;
        const u8 firstClass = l.count > 0 ? ClassOf(l.tags[0]) : c;
        if (((c == 26 || (c >= 42 && c <= 47)) && firstClass != c && (firstClass < 23 || firstClass > 26)) ||
            (c == 240 && TextContains(word.WordText, '_')))
            Insert(l, 0, recorded, r.recordedMark);
    }
    if (r.recordedClass == 'M' && r.recordedFeatures < 16) r.recordedFeatures = static_cast<u8>(r.recordedFeatures + 16);
    if (r.recordedClass == 'N' && r.recordedFeatures < 16) r.recordedFeatures = static_cast<u8>(r.recordedFeatures + 32);
    RecordedReadingFirst(r, l);
    // Nothing found: the recorded reading is described.
    if (l.count == 0) Push(l, recorded, r.recordedMark);
    if (word.CorrectionMark == 1) l.count = 1;
    AddPartitiveArticleReadings(r, l);
}

// ---- Step 3: categories ---------------------------------------------------------------

namespace {

bool InterrogativeContext(i32 w) {
    const i32 last = static_cast<i32>(gWordCount) - 1;
    if (!WordIs(last, "?")) return false;
    if (w == 0) return true;
    if (w == 1 && WordCategory(0) > 14) return true;
    return WordCategory(w - 1) == 21;
}

u8 EnglishClass(u8 c) {
    switch (c) {
        case '8': return 'B';
        case '9': return 'A';
        case ':': return 20;
        case ';': return 128;
        case '7': return 'C';
        default: return c;
    }
}

u16 ProperNounCategory(const WordRecord& word, u8 f, u16 plain) {
    if (word.WordCaseMode >= 3) return f > 0 ? 21 : 22;
    if (f == 0) return word.WordCaseMode >= 1 ? 23 : 24;
    return plain;
}

u16 LetterCategory(const Rendering& r, u8 c, u8 f) {
    const WordRecord& word = gWords[r.w];
    if (c == 64) return ProperNounCategory(word, f, 10);
    if (c == 'B') return word.WordCaseMode > 0 ? ProperNounCategory(word, f, 12) : 12;
    if (c == 'A' || c == '+') return 11;
    if (c == 'E' || c == '}' || c == '.') return 12;
    if (c == 'C' || c == 'M' || c == 'N') return (f & 15) >= 8 ? 11 : 13;
    if (c == 'D') return 2;
    if (c == 'f' || c == 'g') return 9;
    if (c == '&' || c == ',') return 15;
    if (c == 'O') return 66;
    if (c == 'R' || c == 'S') return 61;
    if (c == 'Q') return word.WordText.data[0] == 'd' && TextLen(word.WordText) < 4 ? 15 : 8;
    if (c == 'P' || c == '/') return 8;
    if (c >= 'm' && c <= '{') return 26;
    if (c >= 'c' && c <= 'l') return 7;
    if (c >= 'J' && c <= 'L') return 6;
    if (c >= 'G' && c <= 'I') return InterrogativeContext(r.w) ? 25 : 5;
    if (c == 'F') return 4;
    if ((c >= 'T' && c <= 'b') || c == '|') return 3;
    if (c == '*') return 17;
    return 0;
}

u16 LowClassCategory(u8 c) {
    if (c == 25) return 11;
    if (c == 36 || c == 37) return 9;
    if (c == 31) return 95;
    if (c == 18) return 19;
    if (c == 28) return 21;
    if (c == 20 || c == 21 || c == 22 || c == 23 || c == 26) return 18;
    if (c == 17) return 17;
    if (c == 16) return 16;
    if (c >= 32 && c <= 35) return 15;
    return 0;
}

}  // namespace

u16 CategoryOfReading(const Rendering& r, u8 cls, u8 features, const DescribedReadings& list) {
    if (list.category != 0xFFFF) return list.category;
    const u8 c = FrenchText() ? cls : EnglishClass(cls);
    if (c >= 128 || c == '-') return 1;
    u16 category = c >= 38 ? LetterCategory(r, c, features) : LowClassCategory(c);
    if (c == 0 && features == 0) {
        if (gWordTagCodes[0] == 0x1C00) return 69;
        category = 24;
    }
    if (category == 24 || category == 0) {
        const WordRecord& word = gWords[r.w];
        if (TextEquals(word.WordText, "car") || TextEquals(word.WordText, "mais")) return 16;
        if (c == 0 && word.ReadingCategories[0] == 16) return 16;
    }
    return category;
}

void ComputeCanonicalForm(Rendering& r) {
    WordRecord& word = gWords[r.w];
    const u8 c = r.cls;
    const bool underscore = TextContains(word.WordText, '_');
    const bool keep = (c >= 23 && c <= 26) || (c >= 42 && c <= 46) || c == '/' ||
                      ((c == 240 || c == '-') && underscore);
    if (c == 64 && r.mark == 0) {
        TextCopy(r.fc.s, word.WordText);
    } else {
        if (!keep) GetTokenBaseForm(static_cast<i16>(r.w), word.BaseText);
        TextCopy(r.fc.s, word.BaseText);
        if (TextLen(r.fc.s) == 0) TextCopy(r.fc.s, word.WordText);
    }
    if (!FrenchText() && TextLen(r.fc.s) >= 2 && TextEndsWith(r.fc.s, "'s")) TextCut(r.fc.s, TextLen(r.fc.s) - 2);
}

// ---- Step 11: the XML element -----------------------------------------------------------

namespace {

void AppendCode(BoundedString& s, u32 index) { AppendString(s, gCategoryCodes.ClampedAt(static_cast<i32>(index))); }

void AppendNumber(BoundedString& s, u32 n) {
    char digits[12];
    std::snprintf(digits, sizeof digits, "%u", n);
    AppendCString(s, digits);
}

// The canonical form written in the element.
void AppendElementForm(const Rendering& r, BoundedString& s) {
    const WordRecord& word = gWords[r.w];
    if (r.category == 69 && TextEquals(word.WordText, "\"")) return AppendCString(s, "&#34;");
    if (r.category == 69 && TextEquals(word.WordText, "'")) return AppendCString(s, "&#39;");
    if (FrenchText() && r.category == 3 && word.ReadingCategories[0] == 2) {
        if (r.cls == 'V') return AppendCString(s, "moi");
        if (r.cls == 'Z') return AppendCString(s, "toi");
        if (r.cls == 'a') return AppendCString(s, "soi");
        if (r.cls == '|') {
            if (word.FunctionCode == 70) return AppendXmlEscaped(s, word.WordText);
            const u8 f = r.features;
            if (((f >> 2) & 3) == 2) return AppendCString(s, "eux/elles");
            return AppendCString(s, ((f >> 4) & 3) == 2 ? "elle" : "lui");
        }
    }
    AppendXmlEscaped(s, r.fc.s);
}

}  // namespace

void BuildWordElement(const Rendering& r, BoundedString& e) {
    const WordRecord& word = gWords[r.w];
    TextClear(e);
    AppendCString(e, "<");
    AppendCode(e, r.category);
    AppendCString(e, " rang=\"");
    AppendNumber(e, static_cast<u32>(r.w));
    AppendCString(e, "\" nbr=\"");
    AppendCode(e, r.number);
    AppendCString(e, "\" gen=\"");
    AppendCode(e, r.gender);
    AppendCString(e, "\" prs=\"");
    AppendNumber(e, r.person % 10);
    AppendCString(e, "\" temps=\"");
    AppendCode(e, r.tense);
    if (word.ReadingCategories[0] > 64) AppendCString(e, MR("\" antécédent=\"oui"));
    AppendCString(e, "\" rolegram=\"");
    // A word without a function is written "O", not as the last code.
    if (word.FunctionCode < gCategoryCodes.count) AppendCode(e, word.FunctionCode);
    else AppendCode(e, 0);
    if (word.FunctionCode == 72) {
        AppendCString(e, "\" motrang=\"");
        AppendNumber(e, word.LinkedWord);
    }
    if (word.FunctionCode == 83 || r.sign == 2) AppendCString(e, "\" signe=\"?");
    else if (r.sign == 1) AppendCString(e, "\" signe=\"-");
    AppendCString(e, "\" fc=\"");
    AppendElementForm(r, e);
    AppendCString(e, "\">");
    AppendXmlEscaped(e, word.WordText);
    AppendCString(e, "</");
    AppendCode(e, r.category);
    AppendCString(e, ">");
}

// ---- The driver ---------------------------------------------------------------------------

namespace {

void RenderReading(Rendering& r, const DescribedReadings& list, u16 k) {
    const WordRecord& word = gWords[r.w];
    const bool recorded = k == 0 && word.ReadingCategories[0] != 8;
    r.first = k == 0;
    r.cls = recorded ? r.recordedClass : ClassOf(list.tags[k]);
    r.features = recorded ? r.recordedFeatures : FeaturesOf(list.tags[k]);
    r.mark = recorded ? r.recordedMark : list.marks[k];
    r.tense = r.number = r.gender = r.person = r.sign = 0;
    r.category = CategoryOfReading(r, r.cls, r.features, list);
    TextClear(r.text.s);
    TextClear(r.role.s);
    AppendName(r.text.s, r.category);
    if (r.first) ComputeCanonicalForm(r);
    TextCopy(r.form.s, word.WordText);
    RestoreLigatures(r.form.s, r.w);
    if (r.category == 1) DescribeVerbReading(r);
    else if (r.category >= 7 && r.category <= 13) DescribeNominalReading(r);
    else DescribeOtherReading(r);
    if (r.first) BuildRoleText(r);
}

void StoreFirstReading(Rendering& r, WordDescription& d) {
    CopyString(d.mainTexts[0], r.text.s);
    d.mainCount = r.roleCount;
    if (r.roleCount >= 2 || gAnalysisMode == 1) CopyString(d.mainTexts[1], r.role.s);
    if (gAnalysisMode != 1) return;
    static BoundedString element;
    if (element.valid == 0) element.Allocate(1024);
    BuildWordElement(r, element);
    CopyString(d.mainTexts[2], element);
    ++d.mainCount;
}

// The base word of the dictionary group that holds `text` (the first form
// the verb-form walk gives for the group base), internal marks restored;
// false when the walk gives none.
bool VerbGroupBaseWord(BoundedString& text) {
    static StringList forms;
    if (forms.valid == 0) InitByteMatrix(forms, 16, 36);
    Work36 w;
    TextCopy(w.s, text);
    u16 n = 0;
    GenerateVerbForms((3u << 8) | 6u, w.s, forms, n);
    if (n == 0 || TextLen(forms[0]) == 0) return false;
    TextCopy(text, forms[0]);
    for (u32 k = 0; k < TextLen(text); ++k) {
        if (text.data[k] == 155) text.data[k] = '-';
        else if (text.data[k] == 139) text.data[k] = MRC("à");
    }
    return true;
}

// Step 13: the synonyms of the word's base form (French).
void DescribeSynonyms(const Rendering& r, WordDescription& d) {
    WordRecord& word = gWords[r.w];
    Work36 text;
    u16 category = 0;
    const u8 c = r.recordedClass;
    const u8 f = r.recordedFeatures & 63;
    if (c == 'A' && f >= 32 && f <= 39) {
        TextCopy(text.s, word.WordText);
        category = 11;
    } else if (c == 'A' && f >= 40) {
        category = 11;
        TextCopy(text.s, word.WordText);
        if (TextLast(text.s) == 's') TextCut(text.s, TextLen(text.s) - 1);
        else if (r.recordedMark != 129 || !VerbGroupBaseWord(text.s)) return;  // no base form to look up
    } else if (c >= 'A') {
        category = GetTokenBaseForm(static_cast<i16>(r.w), word.BaseText);
        TextCopy(text.s, word.BaseText);
    } else {
        category = GetTokenBaseForm(static_cast<i16>(r.w), word.BaseText);
        TextCopy(text.s, word.WordText);
    }
    static StringList rows;
    if (rows.valid == 0) InitByteMatrix(rows, 16, 1000);
    const u16 n = BuildSynonymList(0, static_cast<u8>(category), r.recordedFeatures, text.s, rows);
    for (u16 k = 0; k < n && k < d.synonymTexts.count; ++k) {
        const BoundedString& row = rows[k];
        CopyBytesToString(d.synonymTexts[k], row.data + 2, static_cast<i32>(strnlen(
            reinterpret_cast<const char*>(row.data + 2), row.count > 2 ? row.count - 2 : 0)));
    }
    d.synonymCount = n < d.synonymTexts.count ? n : static_cast<u16>(d.synonymTexts.count);
    TextCopy(word.BaseText, text.s);
}

}  // namespace

void DescribeWordAnalysis(u16 mode, u16 wordIndex, WordDescription& d) {
    d.altCount = d.formCount = d.mainCount = d.synonymCount = 0;
    if (gWordCount == 0) return;
    static Rendering r;
    r.mode = mode;
    r.w = wordIndex < gWordCount ? wordIndex : gWordCount - 1;
    const WordRecord& word = gWords[r.w];
    r.recordedClass = word.ReadingClasses[0];
    r.recordedFeatures = word.ReadingFeatures[0];
    r.recordedMark = word.ReadingMarks[0];
    if (r.recordedClass >= 128 && r.recordedMark >= 128) r.recordedMark = static_cast<u8>(r.recordedMark - 128);
    gCaseMode = kCaseAsked;
    if (mode != kDescribeExplanation) {
        static DescribedReadings list;
        BuildDescribedReadings(r, list);
        for (u16 k = 0; k < list.count; ++k) {
            RenderReading(r, list, k);
            if (k == 0) StoreFirstReading(r, d);
            else if (k - 1 < static_cast<i32>(d.altTexts.count)) CopyString(d.altTexts[k - 1], r.text.s);
        }
        d.altCount = static_cast<u16>(list.count > 0 ? list.count - 1 : 0);
        if (d.altCount > d.altTexts.count) d.altCount = static_cast<u16>(d.altTexts.count);
    }
    DescribeTaggedEntries(r, d);
    if (mode == kDescribeExplanation) {
        gErrorDetail = 0;
        return;
    }
    // The register left here is the one of this word's lookup: a detail a
    // rule left is not read as one.
    gErrorDetail = 0;
    if (FrenchText()) DescribeSynonyms(r, d);
}

// ---- Explanation hooks ------------------------------------------------------------------

namespace {

// The hooks run while a finding is reported: they leave the analysis slots,
// the case mode and the report detail as the rule left them, for the
// suggestions built after the explanation.
struct AnalysisSlotsScope {
    u16 tags[kAnalysisSlots];
    u8 bytes[kAnalysisSlots];
    u32 lemmas[kAnalysisSlots];
    u16 caseMode, detail;
    AnalysisSlotsScope() : caseMode(gCaseMode), detail(gErrorDetail) {
        for (i32 k = 0; k < kAnalysisSlots; ++k) {
            tags[k] = gWordTagCodes[k];
            bytes[k] = gWordAnalysisBytes[k];
            lemmas[k] = gWordLemmaRefs[k];
        }
    }
    ~AnalysisSlotsScope() {
        for (i32 k = 0; k < kAnalysisSlots; ++k) {
            gWordTagCodes[k] = tags[k];
            gWordAnalysisBytes[k] = bytes[k];
            gWordLemmaRefs[k] = lemmas[k];
        }
        gCaseMode = caseMode;
        gErrorDetail = detail;
    }
    AnalysisSlotsScope(const AnalysisSlotsScope&) = delete;
    AnalysisSlotsScope& operator=(const AnalysisSlotsScope&) = delete;
};

// Code 32: the homophone rows of the word.
u16 DescribeHomophones(i16 word, char (*entries)[120]) {
    static StringList alt, form, main, synonyms;
    if (form.valid == 0) {
        InitByteMatrix(alt, 1, 120);
        InitByteMatrix(form, 12, 120);
        InitByteMatrix(main, 1, 120);
        InitByteMatrix(synonyms, 1, 120);
    }
    const AnalysisSlotsScope kept;
    WordDescription d{alt, form, main, synonyms};
    DescribeWordAnalysis(kDescribeExplanation, static_cast<u16>(word < 0 ? 0 : word), d);
    for (u16 k = 0; k < d.formCount && k < 12; ++k) ExportString(entries[k], form[k], 120);
    return d.formCount;
}

// Code 52: the word begins with a vowel sound (a mute h, a y or o or u read
// as a vowel).
u16 StartsWithVowelSoundProbe(const BoundedString& text) {
    const AnalysisSlotsScope kept;
    return ProbesAsVowelSound(text) ? 1 : 0;
}

// Code 49: the base form of the word into its BaseText.
void WriteBaseForm(i16 word) {
    if (!WordExists(word)) return;
    const AnalysisSlotsScope kept;
    GetTokenBaseForm(word, gWords[word].BaseText);
}

}  // namespace

void InstallDescriptionHooks() {
    gHomophoneDescriber = DescribeHomophones;
    gVowelSoundTest = StartsWithVowelSoundProbe;
    gBaseFormWriter = WriteBaseForm;
}
