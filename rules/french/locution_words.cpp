// The locution-word loop that opens the matcher's second pass. Word
// analysis gives a word that exists only inside a fixed locution a first
// reading of class 23 (it opens the locution), 24 (a later word) or 25 (a
// word of a Latin or foreign phrase). For each such word the rest of its
// locution must stand around it: then the locution's words are retagged,
// else the word is reported as a locution word out of place (the loop goes
// on after a report, so a later one replaces it).
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "rules/french/french_locutions.h"
#include "rules/french/locution_rows.h"
#include "rules/french/matcher_loops.h"

namespace {

using namespace locution;

constexpr u8 kPhraseClass = '+';       // a word of a recognised foreign phrase
constexpr u8 kConjunctionClass = '*';  // "parce que", "tandis que"
constexpr u8 kInsideClass = 26;        // a word retagged inside a locution

i32 Words() { return static_cast<i32>(gWordCount); }
// Written with a capital (65535: the analysis did not say).
bool Capitalised(i32 k) {
    const u16 mode = Has(k) ? gWords.ClampedAt(k).WordCaseMode : 0;
    return mode > 0 && mode != 65535;
}

// ---- class 23: the word opens its locution

enum class Opening : u8 { kAccepted, kMissing, kNoRow, kOpen };

// The rows of the opening words, in their order: the first whose word
// matches decides.
Opening OpeningRow(i32 i) {
    const i32 n = i + 1, a = i + 2;
    if (IsAny(i, "parce", "tandis")) {
        if (!Begins(n, "qu")) return Opening::kMissing;
        KeepOne(n);
        Set(i, 17, kConjunctionClass);
        Set(n, 17, kConjunctionClass, 0);
        return Opening::kAccepted;
    }
    if (Is(i, "alter")) {
        if (!Is(n, "ego")) return Opening::kMissing;
        Set(i, 10, kPhraseClass);
        SetCls(n, kPhraseClass);
        return Opening::kAccepted;
    }
    if (Is(i, "honoris")) {
        if (!Is(n, "causa")) return Opening::kMissing;
        SetCat(n, 18);
        SetCls(i, 24);
        return Opening::kAccepted;
    }
    if (Is(i, "made")) {
        if (!Is(n, "in")) return Opening::kMissing;
        KeepOne(n);
        Set(n, 18, 24);
        return Opening::kAccepted;
    }
    if (Is(i, "sine")) return Is(n, "die") || (Is(n, "qua") && Is(a, "non")) ? Opening::kAccepted : Opening::kMissing;
    if (Is(i, "urbi")) return Is(n, "et") && Is(a, "orbi") ? Opening::kAccepted : Opening::kMissing;
    if (Is(i, "persona")) {
        if (!Is(n, "grata") && !(Is(n, "non") && Is(a, "grata"))) return Opening::kMissing;
        Set(n, 18, 24);
        return Opening::kAccepted;
    }
    if (Begins(i, "aujourd")) {
        if (!Is(n, "hui")) return Opening::kMissing;
        Set(n, 18, 24);
        return Opening::kAccepted;
    }
    if (Begins(i, "prud")) return Begins(n, "hom") ? Opening::kAccepted : Opening::kMissing;
    if (Begins(i, "entr"))
        return Begins(n, "aper") || Begins(n, MR("égorg")) ? Opening::kAccepted : Opening::kMissing;
    if (Is(i, "quant")) {
        // Before a word of another class "quant" changes nothing here (the
        // homophone pass judges "quant" for "quand").
        if (!ClsIs(n, ' ')) return Opening::kOpen;
        SetCat(n, 18);
        return Opening::kAccepted;
    }
    if (Begins(i, "vau-l'")) {
        if (!Begins(n, "eau")) return Opening::kMissing;
        Set(n, 18, 24);
        return Opening::kAccepted;
    }
    return Opening::kNoRow;
}

void OpeningWord(i32 i) {
    switch (OpeningRow(i)) {
        case Opening::kAccepted:
        case Opening::kOpen: return;
        case Opening::kMissing: Report(257 + i); return;
        case Opening::kNoRow: break;
    }
    // A stray opening word, unless capitalised; as the sentence's last word
    // the report names the word itself ('Z').
    if (Capitalised(i)) return;
    if (i == Words() - 1) {
        Report(257 + i);
        gErrorVariant = 'Z';
    } else if (!ClsIs(i + 1, 24) && !ClsIs(i + 1, kInsideClass)) {
        Report(257 + i);
    }
}

// ---- class 24: the word follows the rest of its locution

// What a later word's row does to the words before it once accepted.
enum class Retag : u8 {
    kNone,
    kBeforeAdverb,        // the word before: category 18
    kA,                   // the word before: category 18, class 23
    kA1,                  // as kA, one reading
    kThreeWords,          // "à l'improviste": class 26 on the three
    kTwoWords,            // "à son insu": the two before, one reading, 18
    kPhrase,              // "curriculum vitae": both words class '+'
    kNoun16,              // "nota bene"
    kNoun36,              // "prima dona"
    kNoun24,              // "tutti quanti"
    kEntrefaites,         // "sur ces entrefaites"
};

enum class Failure : u8 {
    kReport,
    kReportDetail,        // detail 1
    kNothing,
    kUnlessOpeningBefore  // nothing when the word before has class 23
};

struct LaterRow {
    const char* words[10];
    bool (*accepted)(i32 i);
    Retag retag;
    Failure failure;
};

bool Before(i32 i, const char* w) { return Is(i - 1, w); }
// "à" two words before, or "A" opening the sentence two words before (the
// word keeps its capital: its case mode tells it).
bool ATwoBefore(i32 i) {
    return Is(i - 2, MR("à")) || (i == 2 && IsAny(0, "a", "A") && Capitalised(0));
}
bool DeterminerBeforeInsu(i32 k) {
    const u8 c = Cls(k);
    if (c == 109 || c == 112 || c == 115 || c == 118 || c == 120 || c == 122) return true;
    return Count(k) >= 2 && (Cls(k, 1) == 112 || Cls(k, 1) == 115);
}

const LaterRow kLaterRows[] = {
    {{"posteriori", "priori", "fortiori", "giorno"}, [](i32 i) { return Before(i, "a"); }, Retag::kBeforeAdverb,
     Failure::kReport},
    {{"courre", "jeun", MR("perpète"), "perpette", "quia", "rebours", "vau-l'eau", MR("brûle-pourpoint"),
      "tire-larigot", MR("tue-tête")},
     [](i32 i) { return Before(i, MR("à")); }, Retag::kA, Failure::kReport},
    {{"envi"}, [](i32 i) { return i >= 2 && Before(i, "l'") && ATwoBefore(i); }, Retag::kThreeWords,
     Failure::kNothing},
    {{"improviste", "instar"}, [](i32 i) { return i >= 2 && Before(i, "l'") && ATwoBefore(i); }, Retag::kThreeWords,
     Failure::kReportDetail},
    {{"encontre", "insu"},
     [](i32 i) { return i >= 2 && (Before(i, "l'") || DeterminerBeforeInsu(i - 1)) && ATwoBefore(i); },
     Retag::kTwoWords, Failure::kReportDetail},
    {{"hoc", "valorem"}, [](i32 i) { return Before(i, "ad"); }, Retag::kA, Failure::kReport},
    {{"abrupto", "aequo", "cathedra"}, [](i32 i) { return Before(i, "ex"); }, Retag::kA, Failure::kReport},
    {{"cetera", "caetera"}, [](i32 i) { return Before(i, "et"); }, Retag::kA, Failure::kUnlessOpeningBefore},
    {{"facto", "visu"}, [](i32 i) { return Before(i, "de"); }, Retag::kA, Failure::kUnlessOpeningBefore},
    {{MR("emblée"), "arrache-pied"}, [](i32 i) { return Before(i, "d'"); }, Retag::kA,
     Failure::kUnlessOpeningBefore},
    {{"extenso", "extremis", "petto", "situ", "vitro", "vivo"}, [](i32 i) { return Before(i, "in"); }, Retag::kA1,
     Failure::kReport},
    {{"juger"}, [](i32 i) { return Before(i, "au"); }, Retag::kA1, Failure::kNothing},
    {{"varietur"}, [](i32 i) { return Before(i, "ne"); }, Retag::kA1, Failure::kReport},
    {{"catimini", "tapinois"}, [](i32 i) { return Before(i, "en"); }, Retag::kA1, Failure::kReport},
    {{"guingois", "traviole"}, [](i32 i) { return Before(i, "de"); }, Retag::kA1, Failure::kReport},
    {{MR("mégarde")}, [](i32 i) { return Before(i, "par"); }, Retag::kA1, Failure::kReport},
    {{"domo"}, [](i32 i) { return Before(i, "pro"); }, Retag::kA1, Failure::kReport},
    {{"bene"}, [](i32 i) { return Begins(i - 1, "nota"); }, Retag::kNoun16, Failure::kReport},
    {{"dona"}, [](i32 i) { return Before(i, "prima"); }, Retag::kNoun36, Failure::kReport},
    {{"vitae"}, [](i32 i) { return Begins(i - 1, "curric"); }, Retag::kPhrase, Failure::kReport},
    {{"doble"}, [](i32 i) { return Before(i, "paso"); }, Retag::kPhrase, Failure::kReport},
    {{"tremens"}, [](i32 i) { return Begins(i - 1, "delirium"); }, Retag::kPhrase, Failure::kReport},
    {{"qua"}, [](i32 i) { return i < Words() - 1 && Before(i, "sine") && Is(i + 1, "non"); }, Retag::kNone,
     Failure::kReport},
    {{"orbi"}, [](i32 i) { return i >= 2 && Before(i, "et") && Is(i - 2, "urbi"); }, Retag::kNone,
     Failure::kReport},
    {{"quanti"}, [](i32 i) { return i >= 2 && Is(i - 2, "et") && Before(i, "tutti"); }, Retag::kNoun24,
     Failure::kReport},
    {{"grata"}, [](i32 i) { return Is(i - 2, "persona") || Before(i, "persona") || Before(i, "non"); },
     Retag::kNone, Failure::kReport},
    // "peut" of "on ne peut plus", "sauve qui peut"; elsewhere a stray
    // "peut" changes nothing.
    {{"peut"}, [](i32 i) { return Is(i - 2, "on") || Is(i - 2, "sauve") || Before(i, "ne"); }, Retag::kNone,
     Failure::kNothing},
    {{"entrefaites"}, [](i32 i) { return i >= 2 && Before(i, "ces") && Is(i - 2, "sur"); }, Retag::kEntrefaites,
     Failure::kReport},
};

const LaterRow* LaterRowOf(i32 i) {
    for (const LaterRow& row : kLaterRows)
        for (const char* w : row.words)
            if (w != nullptr && Is(i, w)) return &row;
    return nullptr;
}

void NounBefore(i32 p, u8 feat) {
    KeepOne(p);
    Set(p, 10, 'A', feat);
}

void ApplyRetag(Retag r, i32 i) {
    const i32 p = i - 1, q = i - 2;
    switch (r) {
        case Retag::kNone: return;
        case Retag::kBeforeAdverb: SetCat(p, 18); return;
        case Retag::kA1: KeepOne(p); [[fallthrough]];
        case Retag::kA: Set(p, 18, 23); return;
        case Retag::kThreeWords:
            KeepOne(q, p);
            for (i32 k = q; k <= i; ++k) SetCls(k, kInsideClass);
            [[fallthrough]];
        case Retag::kTwoWords:
            KeepOne(q, p);
            SetCat(q, 18);
            SetCat(p, 18);
            return;
        case Retag::kPhrase:
            Set(i, 10, kPhraseClass);
            SetCls(p, kPhraseClass);
            return;
        case Retag::kNoun16: NounBefore(p, 16); return;
        case Retag::kNoun36: NounBefore(p, 36); return;
        case Retag::kNoun24: Set(p, 10, 'A', 24); return;
        case Retag::kEntrefaites:
            KeepOne(q, p);
            Set(q, 18, 23);
            Set(p, 18, kInsideClass);
            return;
    }
}

void LaterWord(i32 i) {
    const LaterRow* row = LaterRowOf(i);
    if (row == nullptr) {
        // A stray later word, unless capitalised or after another
        // locution word.
        const u8 before = Cls(i - 1);
        if (!Capitalised(i) && before != 23 && before != 25 && before != kInsideClass) Report(256 + i);
        return;
    }
    if (row->accepted(i)) {
        ApplyRetag(row->retag, i);
        return;
    }
    switch (row->failure) {
        case Failure::kNothing: return;
        case Failure::kUnlessOpeningBefore:
            if (ClsIs(i - 1, 23)) return;
            Report(256 + i);
            return;
        case Failure::kReportDetail: gErrorDetail = 1; [[fallthrough]];
        case Failure::kReport: Report(256 + i); return;
    }
}

// ---- class 25: Latin and foreign phrases

// Every word from `from` to `to` becomes part of one noun-like unit.
void Unit(i32 from, i32 to) {
    for (i32 k = from; k <= to; ++k) Set(k, 10, kPhraseClass);
}

struct PhraseRow {
    const char* first;
    const char* second;
};

const PhraseRow kTwoWordPhrases[] = {
    {"modus", "vivendi"}, {"negro", "spiritual"}, {"numerus", "clausus"}, {"statu", "quo"}};

void LatinPhrase(i32 i) {
    for (const PhraseRow& row : kTwoWordPhrases) {
        if (!Is(i, row.first)) continue;
        if (Is(i + 1, row.second)) Unit(i, i + 1);
        else Report(257 + i);
        return;
    }
    if (Is(i, "canto") && i > 0) {
        if (!Is(i - 1, "bel")) {
            Report(256 + i);
            return;
        }
        Unit(i - 1, i);
        SetFeat(i - 1, 0);
        return;
    }
    if (Is(i, "nec")) {
        if (Is(i + 1, "plus") && Is(i + 2, "ultra")) Unit(i, i + 2);
        else Report(257 + i);
    }
}

}  // namespace

void MatchLocutionWords(u16 /*mode*/) {
    for (i32 i = 0; i < Words(); ++i) {
        const u8 c = Cls(i);
        if (c == 23) OpeningWord(i);
        else if (c == 24 && i > 0) LaterWord(i);
        else if (c == 25) LatinPhrase(i);
    }
}
