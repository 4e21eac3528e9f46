// Set phrases of the short English words "at", "by", "in", "of" and "on":
// the words of a phrase take the part of speech of the whole phrase and
// keep one reading, so that the elimination by category pairs sees one
// adverb, noun, preposition or conjunction. The phrases are rows of data
// (head, the words after it, the effect and the tests around it); the
// rules that look before the head or at more than words are code.
#include <cstring>
#include <iterator>

#include "rules/english/english_disambiguation.h"
#include "rules/rule_words.h"

using namespace rules;

namespace english {

namespace {

// What word i+1 must be for the phrase to count.
enum Next : u8 {
    kAnyNext,
    kNounNext,           // a noun reading in slot 0 or 1
    kArticleNext,        // an article
    kNoNounNext,         // no noun reading
    kNoNounArticleNext,  // an article without a noun reading
    kPossessiveNext,     // a possessive determiner (class 109 to 123)
    kOwnNext,            // a determiner of class 109 or more, the head not among the first two words
};
// What the word after the phrase must be.
enum After : u8 {
    kAnyAfter,
    kEndAfter,               // the phrase ends the sentence
    kNoNounAfter,            // no noun reading there (or the sentence ends)
    kNoPrepositionAfter,     // no preposition there (or the sentence ends)
    kNoSecondNounAfter,      // no noun reading in its slot 1
};
// Which words after the head keep one reading and lose their features.
enum Keep : u8 { kKeepAll, kKeepLast };

struct SetPhrase {
    const char* head;
    // The words after the head, blank-separated; a word may be a|b|c (one
    // of them), and one ending in '*' is any word that begins so.
    const char* rest;
    PhraseEffect effect;
    Next next;
    After after;
    Keep keep;
};

constexpr PhraseEffect kAdv = PhraseEffect::kAdverbial;
constexpr PhraseEffect kNom = PhraseEffect::kNominal;
constexpr PhraseEffect kPrep = PhraseEffect::kPrepositional;
constexpr PhraseEffect kConj = PhraseEffect::kConjunctive;

// In their order of trial (the longest phrases of a head first where two
// begin alike).
const SetPhrase kPhrases[] = {
    {"at", "any rate", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "long last", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "arm's length", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "once|most|will", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "all costs|times", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "all", kAdv, kAnyNext, kEndAfter, kKeepAll},
    {"at", "one stroke|go", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "this point", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "no time", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "a discount|loss|par|run|standstill", kNom, kNoNounArticleNext, kAnyAfter, kKeepLast},
    {"at", "a dash|glance|stroke|time|touch", kAdv, kNoNounArticleNext, kAnyAfter, kKeepLast},
    {"at", "the ready", kNom, kAnyNext, kNoNounAfter, kKeepAll},
    {"at", "the very most", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "the same time", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "the most|outset", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "the expense|mercy|pleasure|risk of", kPrep, kAnyNext, kAnyAfter, kKeepAll},
    {"at", "* best", kNom, kPossessiveNext, kAnyAfter, kKeepAll},
    {"at",
     "bay|ease|fault|hand|home|issue|large|leisure|liberty|loggerheads|odds|peace|rest|sea|table|variance|work",
     kNom, kNounNext, kAnyAfter, kKeepAll},
    {"at", "first glance|hand|sight", kNom, kNounNext, kAnyAfter, kKeepAll},
    {"at", "best|heart|last|least|once|present|sight|worst", kAdv, kNounNext, kAnyAfter, kKeepAll},
    {"by", "word of mouth", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"by", "the by|bye|book|piece|way|rules*", kAdv, kNoNounNext, kAnyAfter, kKeepLast},
    {"by", "and by|large", kAdv, kNoNounNext, kAnyAfter, kKeepLast},
    {"by", "all|any|no mean*", kAdv, kNoNounNext, kAnyAfter, kKeepLast},
    {"by", "means|order|reason|way of", kPrep, kNounNext, kAnyAfter, kKeepAll},
    {"by",
     "accident|chance|day|far|halves|hand|heart|little|luck|name|mistake|reputation|return|rote|rule|sight|turns|"
     "degree*",
     kAdv, kNounNext, kAnyAfter, kKeepAll},
    {"in", "a flash|manner|nutshell|sense|way", kAdv, kArticleNext, kAnyAfter, kKeepAll},
    {"in", "the air|balance|end|fog|shade", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "the clear", kNom, kAnyNext, kNoNounAfter, kKeepAll},
    {"in", "the least|lump|mass", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "the main", kAdv, kAnyNext, kNoNounAfter, kKeepAll},
    {"in", "the first place", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "the last analysis", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "the short|long run", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "no|some|any|all|many respect*", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "no time|way", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "any case|event", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "due course|time", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "other words", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "short order", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "no condition", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "order|regard|relation to", kPrep, kAnyNext, kAnyAfter, kKeepAll},
    {"in",
     "advance|case|conclusion|course|danger|favor|favour|lieu|place|respect|spite|support|terms|token of",
     kPrep, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "concert with", kPrep, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "return for", kPrep, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "case|condition that", kConj, kAnyNext, kAnyAfter, kKeepAll},
    // "in dispair" as the list has it, and its right spelling.
    {"in",
     "arrears|charge|commission|condition|confidence|danger|demand|depth|disagreement|dispair|despair|doubt|"
     "evidence|focus|gear|hand|height|league|length|line|luck|play|place|practice|print|season|service|sight|step|"
     "stock|store|support|trouble|touch|tune|turn|use|vogue|width",
     kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "order", kNom, kAnyNext, kNoPrepositionAfter, kKeepAll},
    {"in", "full swing|view", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"in",
     "absentia|advance|case|check|circles|concert|detail|effect|extremis|fact|name|part|passing|principle|return|"
     "stride|time|toto|unison|vivo|vitro|ways",
     kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"in", "common|full|kind", kAdv, kAnyNext, kNoSecondNounAfter, kKeepAll},
    {"of", "no|little effect|help", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"of", "some|much|any help", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"of", "course", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"of", "sorts", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"of", "a sort", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"of", "no|little avail", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"of", "all people|things", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "account|top of", kPrep, kNounNext, kAnyAfter, kKeepAll},
    {"on",
     "approval|duty|edge|fire|ground|hand|leave|order|record|sale|show|schedule|sight|strike|top|time|trial",
     kNom, kNounNext, kAnyAfter, kKeepAll},
    {"on", "earth|faith|foot|paper|purpose", kAdv, kNounNext, kAnyAfter, kKeepAll},
    {"on", "square|whole", kAdv, kNounNext, kNoNounAfter, kKeepAll},
    {"on", "condition that", kConj, kNounNext, kAnyAfter, kKeepAll},
    {"on", "a par|spree", kNom, kArticleNext, kAnyAfter, kKeepAll},
    {"on", "the safe side", kNom, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "the score|spur|strength of", kPrep, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "the one|other hand", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "the alert|beam|books|cheap|hook|loose|march|mend|move|offensive|rocks|run|spree", kNom, kAnyNext,
     kAnyAfter, kKeepAll},
    {"on", "the average|contrary|fly|quiet|spot|stump|way", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "all sides|fours", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "one side|hand", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "no account|consideration", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "and off|on", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "that score", kAdv, kAnyNext, kAnyAfter, kKeepAll},
    {"on", "* own", kNom, kOwnNext, kAnyAfter, kKeepAll},
};

constexpr u32 kRows = static_cast<u32>(std::size(kPhrases));
constexpr u32 kMostWords = 4;          // words after a head
constexpr u32 kMostAlternatives = 512;  // alternatives of the whole table

// One alternative of a phrase word: its bytes in the row's text, a prefix
// when it ended in '*'.
struct Alternative {
    const char* text = nullptr;
    u8 length = 0;
    u8 first = 0;
    bool prefix = false;
};

// The table's rows by head and by the first word after it, and the words
// of each row split into their alternatives, gathered once.
struct PhraseIndex {
    u32 heads[kRows] = {};  // the first row of each distinct head
    u32 headCount = 0;
    u8 head[kRows] = {};        // each row's head among `heads`
    u64 firstBytes[kRows] = {};  // the first bytes of the row's first word after the head, one bit per byte modulo 64
    u8 words[kRows] = {};       // the words after the head
    // Row r's word k has the alternatives from wordStart[r][k] up to
    // wordStart[r][k + 1].
    u16 wordStart[kRows][kMostWords + 1] = {};
    Alternative alternatives[kMostAlternatives];
    u32 alternativeCount = 0;
};

// The number of words of row r at word i (the head included), 0 when the
// words after i do not match it. texts[k] holds word i+1+k once read.
i32 Match(const PhraseIndex& x, i32 i, u32 r, AlternativeText (&texts)[kMostWords], u32& read) {
    const i32 n = x.words[r];
    for (i32 k = 0; k < n; ++k) {
        const i32 w = i + 1 + k;
        if (w >= Count()) return 0;
        while (read <= static_cast<u32>(k)) {
            texts[read] = ReadAlternativeText(i + 1 + static_cast<i32>(read));
            ++read;
        }
        bool fits = false;
        AlternativeText& t = texts[k];
        for (u32 a = x.wordStart[r][k]; a < x.wordStart[r][k + 1] && !fits; ++a) {
            const Alternative& alt = x.alternatives[a];
            // An exact text refuses an alternative of another first byte
            // (an empty prefix, any word, has none to refuse).
            if (t.word.exact && alt.length > 0 && alt.first != t.word.first) continue;
            fits = FitsAlternative(t, alt.text, alt.length, alt.prefix);
        }
        if (!fits) return 0;
    }
    return n + 1;
}

bool NextFits(i32 i, Next next) {
    const bool noun = HasNounReading(i + 1);
    const bool article = Cat(i + 1) == 7;
    switch (next) {
        case kNounNext: return noun;
        case kNoNounNext: return !noun;
        case kArticleNext: return article;
        case kNoNounArticleNext: return article && !noun;
        case kPossessiveNext: return Cls(i + 1) >= 109 && Cls(i + 1) <= 123;
        case kOwnNext: return i > 1 && Cat(i + 1) == 8 && Cls(i + 1) >= 109;
        default: return true;
    }
}

bool AfterFits(i32 w, After after) {
    switch (after) {
        case kEndAfter: return EndsSentence(w);
        case kNoNounAfter: return EndsSentence(w) || !HasNounReading(w);
        case kNoPrepositionAfter: return EndsSentence(w) || Cat(w) != 15;
        case kNoSecondNounAfter: return !(Readings(w) > 1 && Cat(w, 1) == 10);
        default: return true;
    }
}

// One bit per byte (modulo 64) that an alternative of the first word of
// `rest` begins with; every bit for a word that may be any word, or for no
// word at all.
u64 FirstWordBytes(const char* rest) {
    if (*rest == 0 || *rest == ' ') return ~u64{0};
    u64 bits = 0;
    for (const char* p = rest; *p != 0 && *p != ' ';) {
        if (*p == '*' || *p == '|') return ~u64{0};  // "*" alone, or an empty alternative
        bits |= u64{1} << (static_cast<u8>(*p) & 63);
        while (*p != 0 && *p != ' ' && *p != '|') ++p;
        if (*p == '|') ++p;
    }
    return bits;
}

// Splits row r's words into alternatives (the words blank-separated, the
// alternatives of a word '|'-separated).
void SplitRow(PhraseIndex& x, u32 r) {
    const char* p = kPhrases[r].rest;
    u32 k = 0;
    while (*p != 0 && k < kMostWords) {
        x.wordStart[r][k] = static_cast<u16>(x.alternativeCount);
        for (;;) {
            const char* end = p;
            while (*end != 0 && *end != ' ' && *end != '|') ++end;
            size_t n = static_cast<size_t>(end - p);
            const bool prefix = n > 0 && p[n - 1] == '*';
            if (prefix) --n;
            if (x.alternativeCount < kMostAlternatives) {
                x.alternatives[x.alternativeCount++] = Alternative{p, static_cast<u8>(n < 255 ? n : 255), static_cast<u8>(*p), prefix};
            }
            p = end;
            if (*p != '|') break;
            ++p;
        }
        ++k;
        x.wordStart[r][k] = static_cast<u16>(x.alternativeCount);
        if (*p == ' ') ++p;
    }
    x.words[r] = static_cast<u8>(k);
}

PhraseIndex BuildIndex() {
    PhraseIndex x;
    for (u32 r = 0; r < kRows; ++r) {
        u32 h = 0;
        while (h < x.headCount && std::strcmp(kPhrases[x.heads[h]].head, kPhrases[r].head) != 0) ++h;
        if (h == x.headCount) x.heads[x.headCount++] = r;
        x.head[r] = static_cast<u8>(h);
        x.firstBytes[r] = FirstWordBytes(kPhrases[r].rest);
        SplitRow(x, r);
    }
    return x;
}

const PhraseIndex& Index() {
    static const PhraseIndex index = BuildIndex();
    return index;
}

}  // namespace

bool HasNounReading(i32 w) { return Cat(w) == 10 || (Readings(w) > 1 && Cat(w, 1) == 10); }

bool EndsSentence(i32 w) {
    if (w >= Count()) return true;
    return w == Count() - 1 && (Cat(w) == 20 || Cat(w) == 27);
}

void MarkPhrase(i32 i, i32 k, PhraseEffect e, bool lastOnly) {
    static const u8 kCategory[] = {18, 10, 15, 17};
    static const u8 kClass[] = {26, '.', ',', '*'};
    const auto x = static_cast<u8>(e);
    for (i32 j = i; j < i + k; ++j) SetReading0(j, kCategory[x], kClass[x]);
    if (e == PhraseEffect::kConjunctive) {
        KeepOne(i + 1);
        return;
    }
    // The three-word prepositions of "in" and "by" ending in a link word:
    // the middle word alone keeps one reading, features stay.
    const i32 last = i + k - 1;
    if (e == PhraseEffect::kPrepositional && k == 3 && (Is(i, "in") || Is(i, "by")) &&
        (Is(last, "to") || Is(last, "of") || Is(last, "with") || Is(last, "for"))) {
        KeepOne(i + 1);
        return;
    }
    for (i32 j = lastOnly ? last : i + 1; j <= last; ++j) {
        KeepOne(j);
        W(j).ReadingFeatures[0] = 0;
    }
}

AlternativeText ReadAlternativeText(i32 w) {
    AlternativeText t;
    t.word = ReadLiteralWord(w);
    return t;
}

bool FitsAlternative(AlternativeText& t, const char* alternative, size_t n, bool prefix) {
    if (n == 0) return prefix;
    if (n >= 64) return false;
    if (t.word.exact) {
        // Is and Begins as written: the first byte refuses most, then the
        // lengths (a text that fills its buffer compares over the buffer).
        const BoundedString& text = W(t.word.i).WordText;
        if (static_cast<u8>(alternative[0]) != t.word.first) return false;
        if (t.length < 0) t.length = TextLength(t.word.i);
        const size_t length = static_cast<size_t>(t.length);
        if (prefix) return n <= length && std::memcmp(text.data, alternative, n) == 0;
        if (text.count > n) return length == n && std::memcmp(text.data, alternative, n) == 0;
        return length == text.count && std::memcmp(text.data, alternative, text.count) == 0;
    }
    char buffer[64];
    std::memcpy(buffer, alternative, n);
    buffer[n] = 0;
    return prefix ? Begins(t.word.i, buffer) : Is(t.word.i, buffer);
}

bool WordIsAlternative(i32 w, const char* word, size_t length) {
    AlternativeText t = ReadAlternativeText(w);
    for (size_t start = 0; start <= length;) {
        const void* bar = std::memchr(word + start, '|', length - start);
        const size_t k = bar != nullptr ? static_cast<size_t>(static_cast<const char*>(bar) - word) : length;
        size_t n = k - start;
        const bool prefix = n > 0 && word[start + n - 1] == '*';
        if (prefix) --n;
        if (FitsAlternative(t, word + start, n, prefix)) return true;
        start = k + 1;
    }
    return false;
}

bool MarkShortSetPhrase(i32 i) {
    const PhraseIndex& x = Index();
    bool headFits[kRows] = {};
    for (u32 h = 0; h < x.headCount; ++h) headFits[h] = Is(i, kPhrases[x.heads[h]].head);
    // The word after the head is compared exactly: a row whose first word
    // cannot begin with its first byte is passed over.
    const BoundedString& next = W(i + 1).WordText;
    const bool exact = i + 1 > 0 && next.valid != 0;
    const u64 bit = u64{1} << (next.data[0] & 63);
    AlternativeText texts[kMostWords];
    u32 read = 0;
    for (u32 r = 0; r < kRows; ++r) {
        const SetPhrase& p = kPhrases[r];
        if (!headFits[x.head[r]] || !NextFits(i, p.next)) continue;
        if (exact && (x.firstBytes[r] & bit) == 0) continue;
        const i32 k = Match(x, i, r, texts, read);
        if (k == 0 || !AfterFits(i + k, p.after)) continue;
        MarkPhrase(i, k, p.effect, p.keep == kKeepLast);
        if (Is(i, "in")) KeepOne(i);
        return true;
    }
    return false;
}

}  // namespace english
