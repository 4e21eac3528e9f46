// Set phrases of the short English words "at", "by", "in", "of" and "on":
// the words of a phrase take the part of speech of the whole phrase and
// keep one reading, so that the elimination by category pairs sees one
// adverb, noun, preposition or conjunction.
#include <cstring>

#include "rules/english/english_disambiguation.h"
#include "rules/rule_words.h"

using namespace rules;

namespace english {

namespace {

enum Effect : u8 { kAdverbial, kNominal, kPrepositional, kConjunctive };
// What the word after the head must be for the phrase to count.
enum Next : u8 { kAnyNext, kNounNext, kArticleNext, kNoNounNext };

struct SetPhrase {
    const char* head;
    const char* rest;  // the words after the head, blank-separated
    Effect effect;
    Next next;
};

// In their order of trial (the longest phrases of a head first where two
// begin alike).
const SetPhrase kPhrases[] = {
    {"at", "any rate", kNominal, kAnyNext}, {"at", "long last", kNominal, kAnyNext},
    {"at", "arm's length", kNominal, kAnyNext}, {"at", "all costs", kAdverbial, kAnyNext},
    {"at", "all times", kAdverbial, kAnyNext}, {"at", "one stroke", kAdverbial, kAnyNext},
    {"at", "one go", kAdverbial, kAnyNext}, {"at", "this point", kAdverbial, kAnyNext},
    {"at", "no time", kAdverbial, kAnyNext}, {"at", "the very most", kAdverbial, kAnyNext},
    {"at", "the same time", kAdverbial, kAnyNext}, {"at", "the most", kAdverbial, kAnyNext},
    {"at", "the outset", kAdverbial, kAnyNext}, {"at", "the expense of", kPrepositional, kAnyNext},
    {"at", "the mercy of", kPrepositional, kAnyNext}, {"at", "the pleasure of", kPrepositional, kAnyNext},
    {"at", "the risk of", kPrepositional, kAnyNext}, {"at", "once", kAdverbial, kAnyNext},
    {"at", "most", kAdverbial, kAnyNext}, {"at", "will", kAdverbial, kAnyNext},
    {"at", "first glance", kNominal, kNounNext}, {"at", "first hand", kNominal, kNounNext},
    {"at", "first sight", kNominal, kNounNext},
    {"at", "bay|ease|fault|hand|home|issue|large|leisure|liberty|loggerheads|odds|peace|rest|sea|table|variance|work",
     kNominal, kNounNext},
    {"at", "best|heart|last|least|present|sight|worst", kAdverbial, kNounNext},
    {"by", "word of mouth", kAdverbial, kAnyNext},
    {"by", "means of", kPrepositional, kNounNext}, {"by", "order of", kPrepositional, kNounNext},
    {"by", "reason of", kPrepositional, kNounNext}, {"by", "way of", kPrepositional, kNounNext},
    {"by", "the by|bye|book|piece|way|rules", kAdverbial, kNoNounNext},
    {"by", "and by|large", kAdverbial, kNoNounNext},
    {"by", "all means", kAdverbial, kNoNounNext}, {"by", "any means", kAdverbial, kNoNounNext},
    {"by", "no means", kAdverbial, kNoNounNext},
    {"by",
     "accident|chance|day|far|halves|hand|heart|little|luck|name|mistake|reputation|return|rote|rule|sight|turns",
     kAdverbial, kNounNext},
    {"in", "a flash|manner|nutshell|sense|way", kAdverbial, kArticleNext},
    {"in", "the first place", kAdverbial, kAnyNext}, {"in", "the last analysis", kAdverbial, kAnyNext},
    {"in", "the short run", kAdverbial, kAnyNext}, {"in", "the long run", kAdverbial, kAnyNext},
    {"in", "the air|balance|end|fog|shade", kNominal, kAnyNext},
    {"in", "the least|lump|mass", kAdverbial, kAnyNext},
    {"in", "no time|way", kAdverbial, kAnyNext}, {"in", "any case|event", kAdverbial, kAnyNext},
    {"in", "due course|time", kAdverbial, kAnyNext}, {"in", "other words", kAdverbial, kAnyNext},
    {"in", "short order", kAdverbial, kAnyNext}, {"in", "no condition", kNominal, kAnyNext},
    {"in", "order to", kPrepositional, kAnyNext}, {"in", "regard to", kPrepositional, kAnyNext},
    {"in", "relation to", kPrepositional, kAnyNext},
    {"in", "advance|case|conclusion|course|danger|favor|favour|lieu|place|respect|spite|support|terms|token of",
     kPrepositional, kAnyNext},
    {"in", "concert with", kPrepositional, kAnyNext}, {"in", "return for", kPrepositional, kAnyNext},
    {"in", "case that", kConjunctive, kAnyNext}, {"in", "condition that", kConjunctive, kAnyNext},
    {"in", "full swing|view", kNominal, kAnyNext},
    // "in dispair" as the list has it, and its right spelling.
    {"in",
     "arrears|charge|commission|condition|danger|demand|depth|disagreement|dispair|despair|doubt|evidence|focus|"
     "gear|hand|height|league|length|line|luck|play|place|practice|print|season|service|sight|step|stock|store|"
     "support|trouble|touch|tune|turn|use|vogue|width",
     kNominal, kAnyNext},
    {"in",
     "absentia|advance|case|check|circles|concert|detail|effect|extremis|fact|name|part|passing|principle|return|"
     "stride|time|toto|unison|vivo|vitro|ways",
     kAdverbial, kAnyNext},
    {"of", "no effect|help", kNominal, kAnyNext}, {"of", "no avail", kAdverbial, kAnyNext}, {"of", "little effect|help", kNominal, kAnyNext},
    {"of", "some help", kNominal, kAnyNext}, {"of", "much help", kNominal, kAnyNext},
    {"of", "any help", kNominal, kAnyNext}, {"of", "course", kAdverbial, kAnyNext},
    {"of", "sorts", kNominal, kAnyNext}, {"of", "a sort", kNominal, kAnyNext},
    {"of", "little avail", kAdverbial, kAnyNext}, {"of", "all people|things", kAdverbial, kAnyNext},
    {"on", "account of", kPrepositional, kNounNext}, {"on", "top of", kPrepositional, kNounNext},
    {"on",
     "approval|duty|edge|fire|ground|hand|leave|order|record|sale|show|schedule|sight|strike|top|time|trial",
     kNominal, kNounNext},
    {"on", "earth|faith|foot|paper|purpose", kAdverbial, kNounNext},
    {"on", "condition that", kConjunctive, kNounNext}, {"on", "a par|spree", kNominal, kArticleNext},
    {"on", "the safe side", kNominal, kAnyNext}, {"on", "the score of", kPrepositional, kAnyNext},
    {"on", "the spur of", kPrepositional, kAnyNext}, {"on", "the strength of", kPrepositional, kAnyNext},
    {"on", "the one hand", kAdverbial, kAnyNext}, {"on", "the other hand", kAdverbial, kAnyNext},
    {"on",
     "the alert|beam|books|cheap|hook|loose|march|mend|move|offensive|rocks|run|spree",
     kNominal, kAnyNext},
    {"on", "the average|contrary|fly|quiet|spot|stump|way", kAdverbial, kAnyNext},
    {"on", "all sides|fours", kAdverbial, kAnyNext}, {"on", "one side|hand", kAdverbial, kAnyNext},
    {"on", "no account|consideration", kAdverbial, kAnyNext}, {"on", "and off|on", kAdverbial, kAnyNext},
    {"on", "that score", kAdverbial, kAnyNext},
};


// The number of words of the phrase at word i (the head included), 0 when
// the words after i do not match `rest`.
i32 Match(i32 i, const char* rest) {
    i32 w = i + 1;
    const char* p = rest;
    while (*p != 0) {
        const char* end = std::strchr(p, ' ');
        const size_t length = end != nullptr ? static_cast<size_t>(end - p) : std::strlen(p);
        if (w >= Count() || !WordIsAlternative(w, p, length)) return 0;
        ++w;
        p += length;
        if (*p == ' ') ++p;
    }
    return w - i;
}

bool NextFits(i32 i, Next next) {
    const bool noun = Cat(i + 1) == 10 || (Readings(i + 1) > 1 && Cat(i + 1, 1) == 10);
    switch (next) {
        case kNounNext: return noun;
        case kNoNounNext: return !noun;
        case kArticleNext: return Cat(i + 1) == 7;
        default: return true;
    }
}

void Apply(i32 i, i32 k, Effect e, bool threeWordPreposition) {
    static const u8 kCategory[] = {18, 10, 15, 17};
    static const u8 kClass[] = {26, '.', ',', '*'};
    for (i32 j = i; j < i + k; ++j) SetReading0(j, kCategory[e], kClass[e]);
    if (e == kConjunctive) {
        KeepOne(i + 1);
    } else if (threeWordPreposition) {
        KeepOne(i + 1);
    } else {
        for (i32 j = i + 1; j < i + k; ++j) {
            KeepOne(j);
            W(j).ReadingFeatures[0] = 0;
        }
    }
    if (Is(i, "in")) KeepOne(i);
}

}  // namespace

bool WordIsAlternative(i32 w, const char* word, size_t length) {
    char buffer[64];
    size_t start = 0;
    for (size_t k = 0; k <= length; ++k) {
        if (k < length && word[k] != '|') continue;
        const size_t n = k - start;
        if (n > 0 && n < sizeof buffer) {
            std::memcpy(buffer, word + start, n);
            buffer[n] = 0;
            if (Is(w, buffer)) return true;
        }
        start = k + 1;
    }
    return false;
}

bool MarkShortSetPhrase(i32 i) {
    for (const SetPhrase& p : kPhrases) {
        if (!Is(i, p.head) || !NextFits(i, p.next)) continue;
        const i32 k = Match(i, p.rest);
        if (k == 0) continue;
        const bool inOrBy = Is(i, "in") || Is(i, "by");
        const bool lastIsLink = Is(i + k - 1, "to") || Is(i + k - 1, "of") || Is(i + k - 1, "with") || Is(i + k - 1, "for");
        Apply(i, k, p.effect, p.effect == kPrepositional && k == 3 && inOrBy && lastIsLink);
        return true;
    }
    return false;
}

}  // namespace english
