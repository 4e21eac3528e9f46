// Punctuation and spacing check and its export.
#include "checking/punctuation.h"

#include <cstring>

#include "checking/abbreviations.h"
#include "checking/explanation.h"
#include "checking/paragraph.h"
#include "checking/recorders.h"
#include "checking/tokenizer.h"
#include "frame/automata.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "lexicon/lex_store.h"

PunctTokenRecord gPunctTokens[kPunctTokenCapacity];
u16 gPunctTokenCount = 0;
u16 gPunctCheckedCount = 0;

namespace {

constexpr u8 kCarriageReturn = 0x0D;
constexpr u8 kTab = 0x09;
constexpr u32 kPairBit = 0x80000000u;
constexpr u8 kCategoryLexiconWord = 10;
constexpr u32 kNoIndex = 0xFFFF;

const char* SpacingFormat(u16 kind) {
    const bool french = gInterfaceLanguage == 3;
    switch (kind) {
        case kSpacingTooManySpaces: return french ? "Espaces multiples !" : "Too many spaces!";
        case kSpacingNoSpaceBefore:
            return french ? MR("Pas d’espace devant «" "\u00a0" "%c" "\u00a0" "» !") : "No space before '%c'!";
        case kSpacingSpaceRequiredBefore:
            return french ? MR("Cette espace est nécessaire devant «" "\u00a0" "%c" "\u00a0" "» !")
                          : "This space is required before '%c'!";
        case kSpacingNoSpaceAfter:
            return french ? MR("Pas d’espace derrière «" "\u00a0" "%c" "\u00a0" "» !") : "No space after '%c'!";
        case kSpacingSpaceRequiredAfter:
            return french ? MR("Cette espace est nécessaire derrière «" "\u00a0" "%c" "\u00a0" "» !")
                          : "This space is required after '%c'!";
        default: return "";
    }
}

// ---- Tables of the checking language -------------------------------------------

struct LanguageTables {
    const PunctSignRule* rules = nullptr;
    u32 ruleCount = 0;
    const u8* spaces = nullptr;
    u32 spaceCount = 0;
};

LanguageTables CurrentTables() {
    LanguageTables t;
    const i32 slot = LanguageTableSlot(gCheckingLanguage);
    if (slot < 0) return t;
    if (slot < static_cast<i32>(gPunctSigns.count)) {
        t.rules = gPunctSigns[slot].data;
        t.ruleCount = gPunctSignCounts[slot];
        if (t.ruleCount > gPunctSigns[slot].count) t.ruleCount = gPunctSigns[slot].count;
    }
    if (slot < static_cast<i32>(gSpaceChars.count)) {
        t.spaces = gSpaceChars[slot].data;
        t.spaceCount = gSpaceCharCounts[slot];
        if (t.spaceCount > gSpaceChars[slot].count) t.spaceCount = gSpaceChars[slot].count;
    }
    return t;
}

u8 SpaceChar(const LanguageTables& t, u8 index) {
    return index < t.spaceCount ? t.spaces[index] : static_cast<u8>(' ');
}

// ---- Cutting -----------------------------------------------------------------------------

bool MakeTokenRoom(PunctOutput& out);

// Cuts text[from, to) into tokens with the punctuation automaton; false when
// the check must stop (table full, or a message could not be allocated).
bool CutTokens(const BoundedString& text, u32 from, u32 to, PunctOutput& out) {
    u32 position = from;
    BoundedString token;
    token.Allocate(kTokenCapacity);
    while (position < to) {
        if (gPunctTokenCount >= kPunctTokenCapacity && !MakeTokenRoom(out)) return false;
        i32 first = -1, last = -1;
        if (RunCharAutomaton(gPunctScanAutomaton, gPunctScanAutomatonSize, text,
                             static_cast<i32>(position), static_cast<i32>(to), first, last) == 0)
            return true;
        if (first < 0 || last < first) return true;
        u32 n = static_cast<u32>(last - first + 1);
        if (n > kMaxTokenLength) n = kMaxTokenLength;
        std::memcpy(token.data, text.data + first, n);
        token.data[n] = 0;
        RecordPunctToken(token, static_cast<u32>(first), static_cast<u32>(last));
        position = static_cast<u32>(last) + 1;
    }
    return true;
}

// ---- Checking ----------------------------------------------------------------------------

u32 Length(const PunctTokenRecord& t) { return t.End - t.Start + 1; }

// A space run accepted by a mask of space characters: its first
// character's bit is set, and it is one character, all tabs, or a pair when
// the mask allows pairs.
bool RunAccepted(const PunctTokenRecord& run, u32 mask) {
    if (run.Index >= 31 || (mask & (1u << run.Index)) == 0) return false;
    const u32 n = Length(run);
    return n == 1 || run.AllTabs != 0 || (n == 2 && (mask & kPairBit) != 0);
}

struct Finding {
    u32 start;
    u32 end;
    u16 kind;
    u8 sign;
    char suggestion[3];
};

// Appends the record of a finding; 0 when the message cannot be allocated.
u16 AppendFinding(ParagraphErrorRecord* table, u16& count, const Finding& f) {
    FormatSpacingMessage(f.kind, f.sign);
    const i32 length = GetStringLength(gExplanationText);
    char* message = static_cast<char*>(gMessageAllocator(static_cast<u32>(length) + 1));
    if (message == nullptr) return 0;
    std::memcpy(message, gExplanationText.data, static_cast<size_t>(length));
    message[length] = 0;
    ConvertOutputFromMacRoman(message);

    ParagraphErrorRecord& r = table[count];
    r.start = f.start;
    r.end = f.end;
    r.errorClass = KRZ_CLASS_PUNCTUATION;
    r.message = message;
    r.suggestionCount = 1;
    u32 k = 0;
    for (; f.suggestion[k] != 0; ++k)
        r.suggestions[0][k] = static_cast<char>(ConvertCharFromMacRoman(static_cast<u8>(f.suggestion[k])));
    r.suggestions[0][k] = 0;
    ++count;
    return 1;
}

bool IsSign(u32 i) { return i < gPunctTokenCount && gPunctTokens[i].Kind == kPunctTokenSign; }

// The finding on the left side of sign i, if any.
bool CheckLeft(const LanguageTables& t, u32 i, Finding& f) {
    const PunctTokenRecord& sign = gPunctTokens[i];
    const PunctTokenRecord& prev = gPunctTokens[i - 1];
    const PunctSignRule& r = t.rules[sign.Index];
    bool ok = false;
    if (prev.Kind == kPunctTokenSign) ok = prev.Index < 32 && (r.PrecedingSigns & (1u << prev.Index)) != 0;
    else if (prev.Kind == kPunctTokenSpaces) ok = RunAccepted(prev, r.SpacesBefore);
    else ok = r.WordBefore != 0;
    if (ok || r.CheckBefore == 0) return false;
    if (r.SpaceForbiddenBefore == 1) {
        if (prev.Kind != kPunctTokenSpaces) return false;
        f = {prev.Start, sign.End, kSpacingNoSpaceBefore, r.Sign, {static_cast<char>(r.Sign), 0, 0}};
        return true;
    }
    const u32 start = prev.Kind == kPunctTokenSpaces ? prev.Start : sign.Start;
    f = {start, sign.End, kSpacingSpaceRequiredBefore, r.Sign,
         {static_cast<char>(SpaceChar(t, r.SpaceBeforeIndex)), static_cast<char>(r.Sign), 0}};
    return true;
}

// The finding on the right side of sign i, if any.
bool CheckRight(const LanguageTables& t, u32 i, Finding& f) {
    const PunctTokenRecord& sign = gPunctTokens[i];
    const PunctTokenRecord& next = gPunctTokens[i + 1];
    const PunctSignRule& r = t.rules[sign.Index];
    bool ok = false;
    if (next.Kind == kPunctTokenSign) ok = true;
    else if (next.Kind == kPunctTokenSpaces) ok = RunAccepted(next, r.SpacesAfter) || IsSign(i + 2);
    else ok = r.WordAfter != 0;
    if (ok || r.CheckAfter == 0) return false;
    if (r.SpaceForbiddenAfter == 1) {
        if (next.Kind != kPunctTokenSpaces) return false;
        f = {sign.Start, next.End, kSpacingNoSpaceAfter, r.Sign, {static_cast<char>(r.Sign), 0, 0}};
        return true;
    }
    const u32 end = next.Kind == kPunctTokenSpaces ? next.End : sign.End;
    f = {sign.Start, end, kSpacingSpaceRequiredAfter, r.Sign,
         {static_cast<char>(r.Sign), static_cast<char>(SpaceChar(t, r.SpaceAfterIndex)), 0}};
    return true;
}

// The finding on a run of spaces at token i, if any.
bool CheckRun(u32 i, Finding& f) {
    const PunctTokenRecord& run = gPunctTokens[i];
    bool considered = false;
    // A sentence may open with spaces: any run in French, from three
    // spaces on in English.
    if (i == 0) considered = gCheckingLanguage == 3 || (gCheckingLanguage == 0 && Length(run) >= 3);
    else considered = gPunctTokens[i - 1].Kind == kPunctTokenOther;
    if (!considered) return false;
    const bool lastOrBeforeWord = i + 1 == gPunctTokenCount || gPunctTokens[i + 1].Kind == kPunctTokenOther;
    if (!lastOrBeforeWord || Length(run) < 2 || run.AllTabs != 0) return false;
    f = {run.Start, run.End, kSpacingTooManySpaces, 0, {' ', 0, 0}};
    return true;
}

}  // namespace

void FormatSpacingMessage(u16 kind, u8 sign) {
    ClearExplanationText();
    AppendExplanationText(SpacingFormat(kind), sign);
}

void RecordPunctToken(const BoundedString& token, u32 start, u32 end) {
    u8 first = token.count > 0 ? token.data[0] : 0;
    i32 length = GetStringLength(token);
    if (CompareWordText(token, "...") == kCompareEqual) {
        first = kEllipsisByte;
        length = 1;
    }
    if (length == 1 && first == kCarriageReturn) return;
    if (gPunctTokenCount >= kPunctTokenCapacity) return;
    PunctTokenRecord& t = gPunctTokens[gPunctTokenCount];
    t = PunctTokenRecord{};
    t.Start = start;
    t.End = end;
    const u32 sign = length == 1 ? FindPunctSignIndex(first) : kNoIndex;
    const u32 space = sign == kNoIndex ? FindSpaceCharIndex(first) : kNoIndex;
    if (sign != kNoIndex) {
        t.Kind = kPunctTokenSign;
        t.Index = static_cast<u8>(sign);
    } else if (space != kNoIndex) {
        t.Kind = kPunctTokenSpaces;
        t.Index = static_cast<u8>(space);
        t.AllTabs = 1;
        for (i32 k = 0; k < length; ++k)
            if (token.data[k] != kTab) t.AllTabs = 0;
    } else {
        t.Kind = kPunctTokenOther;
    }
    ++gPunctTokenCount;
}

bool ScanSentencePunctuation(const BoundedString& text, u32 sentenceStart, u32 sentenceEnd, PunctOutput& out) {
    gPunctTokenCount = 0;
    gPunctCheckedCount = 0;
    if (gWordCount == 0) return true;
    u32 position = sentenceStart;
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
        const WordRecord& w = gWords[i];
        if (w.ReadingCategories[0] != kCategoryLexiconWord || w.StartOffset < position) continue;
        if (!CutTokens(text, position, w.StartOffset, out)) return false;
        if (gPunctTokenCount >= kPunctTokenCapacity && !MakeTokenRoom(out)) return false;
        PunctTokenRecord& t = gPunctTokens[gPunctTokenCount++];
        t = PunctTokenRecord{w.StartOffset, w.EndOffset, kPunctTokenOther, 0, 0};
        position = w.EndOffset + 1;
    }
    u32 end = gWords[gWordCount - 1].EndOffset + 1;
    if (sentenceEnd > end) end = sentenceEnd;
    return position >= end || CutTokens(text, position, end, out);
}

namespace {

// Checks tokens [from, to) and appends a record per finding; see
// CheckSentencePunctuation for the result.
u16 CheckPunctTokens(PunctOutput& out, u32 from, u32 to) {
    const LanguageTables t = CurrentTables();
    for (u32 i = from; i < to; ++i) {
        const PunctTokenRecord& token = gPunctTokens[i];
        Finding found[2];
        u32 n = 0;
        if (token.Kind == kPunctTokenSpaces) {
            if (CheckRun(i, found[n])) ++n;
        } else if (token.Kind == kPunctTokenSign && token.Index < t.ruleCount) {
            if (i > 0 && CheckLeft(t, i, found[n])) ++n;
            if (i + 1 < gPunctTokenCount && CheckRight(t, i, found[n])) ++n;
        }
        for (u32 k = 0; k < n; ++k) {
            // The host's table holds 60 records; the check stops there.
            if (*out.count >= KRZ_MAX_PARAGRAPH_ERRORS) return 1;
            if (AppendFinding(out.table, *out.count, found[k]) == 0) return 0;
        }
    }
    return 1;
}

// A full token buffer: the tokens whose right-hand neighbours (two at most)
// are known are checked, and the last three move to the front, the first of
// them already checked and kept as left-hand context of the next one.
bool MakeTokenRoom(PunctOutput& out) {
    constexpr u32 kKept = 3;
    out.status = CheckPunctTokens(out, gPunctCheckedCount, gPunctTokenCount - 2);
    if (out.status == 0 || *out.count >= KRZ_MAX_PARAGRAPH_ERRORS) return false;
    std::memmove(gPunctTokens, gPunctTokens + gPunctTokenCount - kKept, kKept * sizeof(PunctTokenRecord));
    gPunctTokenCount = kKept;
    gPunctCheckedCount = 1;
    return true;
}

}  // namespace

u16 CheckSentencePunctuation(PunctOutput& out) {
    const u16 status = CheckPunctTokens(out, gPunctCheckedCount, gPunctTokenCount);
    gPunctCheckedCount = gPunctTokenCount;
    return status;
}

namespace {

u32 PunctParagraph(const char* text, i32 start, i32 end, ParagraphErrorRecord* table) {
    ApplyCallOptions();
    if (text == nullptr || table == nullptr || start < 0 || end < 0) return 0;

    ParagraphWalk w;
    OpenParagraphWalk(w, text, start, 1, false);
    for (;;) {
        const bool more = CollectSentence(w, false);
        const bool empty = gWordCount == 0;
        // A sentence longer than the word table is cut to the token that
        // starts the next one (or the text's end), not to its last word kept.
        const u32 sentenceEnd = more ? w.position : static_cast<u32>(w.textLength);
        // Abbreviations of the user lexicon ("R:D") are kept whole.
        if (IsUserLexiconEmpty() == 0) MatchLexiconAbbreviations(w.copy, nullptr, nullptr, 0, 0);
        PunctOutput out{table, &gParagraphErrorCount, 1};
        const u16 recorded = ScanSentencePunctuation(w.copy, w.sentenceStart, sentenceEnd, out)
                                 ? CheckSentencePunctuation(out)
                                 : out.status;
        ResetSentenceState();
        if (!more || recorded == 0 || gParagraphErrorCount >= KRZ_MAX_PARAGRAPH_ERRORS) break;
        // The token that ended the sentence is read again as the next one's
        // first; a sentence that could not take a single word skips it.
        if (empty) w.position = static_cast<u32>(w.lastEnd) + 1;
        w.sentenceStart = w.position;
        if (w.sentenceStart > static_cast<u32>(end)) break;
    }
    ResetSentenceState();
    return gParagraphErrorCount;
}

}  // namespace

extern "C" KRZ_API uint32_t KRZPunctParagraph(const char* text, int32_t start, int32_t end,
                                              ParagraphErrorRecord* table) {
    try {
        return PunctParagraph(text, start, end, table);
    } catch (...) {
        ResetSentenceState();
        return gParagraphErrorCount;
    }
}

// ---- Quotation marks of a paragraph ------------------------------------------------

namespace {

constexpr u8 kOpenGuillemet = 0xC7;   // «
constexpr u8 kCloseGuillemet = 0xC8;  // »
constexpr u8 kOpenDouble = 0xD2;      // “
constexpr u8 kCloseDouble = 0xD3;     // ”
constexpr u8 kOpenSingle = 0xD4;      // ‘
constexpr u8 kCloseSingle = 0xD5;     // ’
constexpr u8 kLowSingle = 0xE2;       // ‚
constexpr u8 kLowDouble = 0xE3;       // „
constexpr u8 kNoBreakSpace = 0xCA;
constexpr u32 kQuoteDepth = 32;
constexpr u32 kStrayCapacity = 64;

struct OpenMark {
    u32 offset;
    u8 mark;
    bool tentative;  // a straight ' before a word: an elision unless closed
    bool mayCarry;   // opens a speech that may run into the next paragraph
};

// One kind of quotation (double or single): the marks still open, and
// whether a mark of the kind was met yet in the paragraph.
struct QuoteStack {
    OpenMark open[kQuoteDepth];
    u32 depth = 0;
    bool seen = false;
    bool closedOnce = false;  // a quotation of the kind was closed in the paragraph
};

struct ParagraphQuotes {
    BoundedArray<u32> offsets;
    BoundedArray<u8> kinds;
    u32 count = 0;
    bool paired = false;
    // Reported speech: the spans of the double quotations, and whether the
    // paragraph is a line of dialogue (it begins with a dash).
    BoundedArray<u32> speechFirst;
    BoundedArray<u32> speechLast;
    u32 speechCount = 0;
    bool dialogue = false;
};

ParagraphQuotes& Quotes() {
    static ParagraphQuotes q;
    if (q.offsets.valid == 0) {
        q.offsets.Allocate(kStrayCapacity);
        q.kinds.Allocate(kStrayCapacity);
        q.speechFirst.Allocate(kStrayCapacity);
        q.speechLast.Allocate(kStrayCapacity);
    }
    return q;
}

void AddStray(ParagraphQuotes& q, u32 offset, u8 kind) {
    if (q.count >= kStrayCapacity) return;
    q.offsets[static_cast<i32>(q.count)] = offset;
    q.kinds[static_cast<i32>(q.count)] = kind;
    ++q.count;
}

void AddSpeech(ParagraphQuotes& q, u32 first, u32 last, u8 kind) {
    if (kind != kStrayDoubleQuote || q.speechCount >= kStrayCapacity) return;
    q.speechFirst[static_cast<i32>(q.speechCount)] = first;
    q.speechLast[static_cast<i32>(q.speechCount)] = last;
    ++q.speechCount;
}

bool IsBlank(u8 c) { return c <= 0x20 || c == kNoBreakSpace; }

bool IsLetterOrDigit(u8 c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    if (c < 0x80) return false;
    switch (c) {
        case kOpenGuillemet: case kCloseGuillemet: case kEllipsisByte: case kNoBreakSpace: case 0xD0: case 0xD1:
        case kOpenDouble: case kCloseDouble: case kOpenSingle: case kCloseSingle: case kLowSingle: case kLowDouble:
        case 0xA0: case 0xA4: case 0xA5: case 0xC0: case 0xC1: case 0xE1: case 0xE4:
            return false;
        default: return true;
    }
}

// A straight double quote opens when it follows a blank, the start, a
// bracket, a dash or another opening mark and does not stand before a blank.
bool StraightDoubleOpens(u8 before, u8 after) {
    const bool afterOpening = IsBlank(before) || before == '(' || before == '[' || before == '{' || before == '-' ||
                              before == 0xD0 || before == 0xD1 || before == kOpenGuillemet ||
                              before == kOpenDouble || before == kOpenSingle || before == '\'';
    return afterOpening && !IsBlank(after);
}

// A quotation carried into the next paragraph opens a speech: at the start
// of the paragraph, after a colon, a sentence end or a closing mark, or
// after a quotation of its kind closed earlier ("Yes," said he, "we ...).
bool OpensSpeech(const BoundedString& text, const QuoteStack& s, u32 offset) {
    if (s.closedOnce) return true;
    i32 k = static_cast<i32>(offset) - 1;
    while (k >= 0 && (IsBlank(text.data[k]) || text.data[k] == '-' || text.data[k] == 0xD0 || text.data[k] == 0xD1))
        --k;
    if (k < 0) return true;
    switch (text.data[k]) {
        case ':': case '.': case '!': case '?': case kEllipsisByte: case '"': case '\'':
        case kCloseGuillemet: case kCloseDouble: case kCloseSingle:
            return true;
        default: return false;
    }
}

void Push(const BoundedString& text, QuoteStack& s, u32 offset, u8 mark, bool tentative) {
    const bool mayCarry = OpensSpeech(text, s, offset);
    s.seen = true;
    if (s.depth < kQuoteDepth) s.open[s.depth++] = {offset, mark, tentative, mayCarry};
}

bool ClosesDouble(u8 opener, u8 closer) {
    switch (closer) {
        case kCloseGuillemet: return opener == kOpenGuillemet;
        case kCloseDouble: return opener == kOpenDouble || opener == kLowDouble;
        case kOpenDouble: return opener == kLowDouble;
        default: return opener == '"';
    }
}

// A closing mark: it closes the nearest opener it fits (the openers above
// it were never closed); with none, it is stray unless it is the first
// mark of its kind (a quotation carried over from the previous paragraph).
void Close(ParagraphQuotes& q, QuoteStack& s, u32 offset, u8 mark, u8 kind) {
    for (u32 d = s.depth; d > 0; --d) {
        const OpenMark& o = s.open[d - 1];
        if (kind == kStrayDoubleQuote && !ClosesDouble(o.mark, mark)) continue;
        for (u32 k = d; k < s.depth; ++k) {
            if (!s.open[k].tentative) AddStray(q, s.open[k].offset, kind);
        }
        AddSpeech(q, o.offset, offset, kind);
        s.depth = d - 1;
        s.seen = true;
        s.closedOnce = true;
        return;
    }
    if (s.seen) AddStray(q, offset, kind);
    else AddSpeech(q, 0, offset, kind);
    s.seen = true;
}

// Openers left at the end: the first firm one carries the quotation into
// the next paragraph when it opens a speech; the others are stray.
void LeaveOpen(ParagraphQuotes& q, const QuoteStack& s, u8 kind, u32 end) {
    bool carried = false;
    for (u32 d = 0; d < s.depth; ++d) {
        const OpenMark& o = s.open[d];
        if (o.tentative) continue;
        if (carried || !o.mayCarry) AddStray(q, o.offset, kind);
        else AddSpeech(q, o.offset, end, kind);
        carried = true;
    }
}

void PairDouble(const BoundedString& text, ParagraphQuotes& q, QuoteStack& s, u32 k, u8 c, u8 before, u8 after) {
    const bool opens = c == kOpenGuillemet || c == kLowDouble ||
                       (c == kOpenDouble && !(s.depth > 0 && s.open[s.depth - 1].mark == kLowDouble &&
                                              !IsBlank(before))) ||
                       (c == '"' && StraightDoubleOpens(before, after));
    if (opens) {
        Push(text, s, k, c, false);
    } else {
        Close(q, s, k, c, kStrayDoubleQuote);
    }
}

// Single marks; an apostrophe between letters, or after a letter with no
// quotation open, belongs to its word.
void PairSingle(const BoundedString& text, ParagraphQuotes& q, QuoteStack& s, u32 k, u8 c, u8 before, u8 after) {
    if (c == kOpenSingle || c == kLowSingle) {
        Push(text, s, k, c, false);
        return;
    }
    const bool letterBefore = IsLetterOrDigit(before);
    const bool letterAfter = IsLetterOrDigit(after);
    if (letterBefore && letterAfter) return;
    if (!letterBefore && letterAfter) {
        if (IsBlank(before) || before == '"' || before == '(' || before == '-' || before == kOpenDouble ||
            before == kOpenGuillemet || before == 0xD0 || before == 0xD1) {
            Push(text, s, k, c, true);
        }
        return;
    }
    if (letterBefore && s.depth == 0) return;  // the boys' hats, Bloomin'
    if (IsBlank(before) && IsBlank(after)) {
        AddStray(q, k, kStraySingleQuote);
        return;
    }
    Close(q, s, k, c, kStraySingleQuote);
}

}  // namespace

void PairParagraphQuotes(const BoundedString& text) {
    ParagraphQuotes& q = Quotes();
    q.count = 0;
    q.speechCount = 0;
    q.paired = true;
    QuoteStack doubles, singles;
    const i32 n = GetStringLength(text);
    i32 first = 0;
    while (first < n && IsBlank(text.data[first])) ++first;
    q.dialogue = first < n && (text.data[first] == '-' || text.data[first] == 0xD0 || text.data[first] == 0xD1);
    for (i32 k = 0; k < n; ++k) {
        const u8 c = text.data[k];
        const u8 before = k > 0 ? text.data[k - 1] : ' ';
        const u8 after = k + 1 < n ? text.data[k + 1] : ' ';
        const u32 at = static_cast<u32>(k);
        switch (c) {
            case '"': case kOpenGuillemet: case kCloseGuillemet: case kOpenDouble: case kCloseDouble: case kLowDouble:
                PairDouble(text, q, doubles, at, c, before, after);
                break;
            case '\'': case kOpenSingle: case kCloseSingle: case kLowSingle:
                PairSingle(text, q, singles, at, c, before, after);
                break;
            default: break;
        }
    }
    const u32 end = n > 0 ? static_cast<u32>(n - 1) : 0;
    LeaveOpen(q, doubles, kStrayDoubleQuote, end);
    LeaveOpen(q, singles, kStraySingleQuote, end);
}

void ForgetParagraphQuotes() {
    ParagraphQuotes& q = Quotes();
    q.count = 0;
    q.speechCount = 0;
    q.dialogue = false;
    q.paired = false;
}

bool InReportedSpeech(u32 first, u32 last) {
    const ParagraphQuotes& q = Quotes();
    if (q.dialogue) return true;
    for (u32 k = 0; k < q.speechCount; ++k) {
        const i32 i = static_cast<i32>(k);
        if (q.speechFirst[i] <= first && last <= q.speechLast[i]) return true;
    }
    return false;
}

bool ParagraphQuotesPaired() { return Quotes().paired; }

u8 StrayQuoteBetween(u32 first, u32 last) {
    const ParagraphQuotes& q = Quotes();
    u8 kind = 0;
    for (u32 k = 0; k < q.count; ++k) {
        const u32 o = q.offsets[static_cast<i32>(k)];
        if (o < first || o > last) continue;
        const u8 here = q.kinds[static_cast<i32>(k)];
        if (kind == 0 || here < kind) kind = here;  // double marks before single ones
    }
    return kind;
}
