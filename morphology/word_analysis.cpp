// Word-form analysis driver (see word_analysis.h).
#include "morphology/word_analysis.h"

#include <cstring>

#include "frame/loader.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_records.h"
#include "morphology/accent_variants.h"
#include "morphology/compound_words.h"
#include "morphology/correction_finishing.h"
#include "morphology/dict_format.h"
#include "morphology/reserved_sections.h"
#include "morphology/section_walk.h"
#include "morphology/sound_starts.h"
#include "morphology/suggestion_mode.h"
#include "morphology/word_analysis_steps.h"
#include "morphology/word_lookup.h"
#include "morphology/word_marks.h"

namespace {

constexpr u8 kCCedilla = 0x8D;
constexpr u16 kTagNumber = 0x530C;
constexpr u32 kSlotCount = 16;

bool IsApostrophe(u8 c) { return c == '\'' || c == kCurlyApostrophe; }

void RestoreWord(AnalysisCall& call) { TextSet(*call.word, call.saved.s); }

// Lexicon records hold the analysis in their code string.
void AppendLexAnalysis(AnalysisCall& call, const FormEntry& e) {
    const BoundedString& codes = e.FormCodes;
    const u16 at = *call.count;
    gWordTagCodes[at] = static_cast<u16>(codes[0] << 8 | codes[1]);
    gWordAnalysisBytes[at] = codes[2];
    gWordLemmaRefs[at] = kLexAnalysisRef;
    ++*call.count;
    gFoundInLexicon = 1;
}

FormEntry& LexEntry() {
    static FormEntry entry;
    if (entry.FormText.valid == 0) InitFormEntry(entry);
    return entry;
}
BoundedArray<FormEntry>& LexRecords() {
    static BoundedArray<FormEntry> records;
    if (records.valid == 0) InitFormEntryArray(records, 4);
    return records;
}

// Results 48 and 49 from the first tag's features.
i16 FirstTagRule(i16 result) {
    const u16 tag = gWordTagCodes[0];
    const u8 c = static_cast<u8>(tag >> 8);
    const u8 l = static_cast<u8>(tag & 0xFF);
    if (c < 0x80 && l >= 0x40) {
        if (c == 'B') return kBeforeVowelSound;
        if (l < 0x80) return kBeforeConsonant;
    }
    if (tag == 0x4F14) return kBeforeVowelSound;
    return result;
}

// ---- Step 3: case analysis ------------------------------------------------------

bool IsDigitOrColon(u8 c) { return (c >= '0' && c <= '9') || c == ':'; }

u8 LowerCapital(u8 c, u8 cls) { return cls == 4 ? static_cast<u8>(c + 32) : cls; }

Step Capital(AnalysisCall& call, i32 i, u8 c, u8 cls) {
    BoundedString& w = *call.word;
    call.capsOrPunct = true;
    if (i == 0) {
        gCaseMode = 1;
        const Step s = ApplyFixedCapitalNames(call);
        if (s.kind != StepKind::kGoOn) return s;
    } else {
        const bool afterHyphen = w.data[i - 1] == '-';
        const bool oeAe = i == 1 && c == 'E' && (w.data[0] == 'o' || w.data[0] == 'a');
        if (!afterHyphen && gCaseMode >= 1 && gCaseMode <= 3) {
            if (!oeAe) gCaseMode = call.accentedCapital ? 4 : 3;
        } else if (!afterHyphen && gCaseMode == 0 && !call.digitsSeen) {
            return ToRoman();
        }
        if (afterHyphen && (gCaseMode == 1 || gCaseMode == 2)) gCaseMode = static_cast<u16>(gCaseMode + 4);
    }
    w.data[i] = LowerCapital(c, cls);
    if (cls > 4) {
        call.capsAccents = true;
        call.accentedCapital = true;
        if (gCaseMode == 1 || gCaseMode == 3 || gCaseMode == 5) ++gCaseMode;
    }
    return GoOn();
}

Step CaseAnalysis(AnalysisCall& call) {
    BoundedString& w = *call.word;
    const i32 n = GetStringLength(w);
    const u8 first = call.first;
    const bool mid = TextStartsWith(call.saved.s, "mid-") || TextStartsWith(call.saved.s, "Mid-");
    const bool midPre = mid || TextStartsWith(call.saved.s, "pre-") || TextStartsWith(call.saved.s, "Pre-");
    gCaseMode = 0;
    call.numberPart = n;
    for (i32 i = 0; i < n; ++i) {
        const u8 c = w.data[i];
        const u8 cls = c == kCurlyApostrophe ? 3 : gCharClasses[c];
        if (call.digitsSeen && !IsDigitOrColon(c) && c != ',' && c != '/' && c != '.' && first != '.' &&
            first != '-' && c != '-' && c != 'h' && c != 'H') {
            call.numberPart = i;
            break;
        }
        if (cls == 0) {
            if (n >= 2) return ReturnWith(0);
        } else if (cls == 2) {
            if (i == 0) {
                call.digitsSeen = true;
            } else if (!call.digitsSeen) {
                if (mid) return ApplyMidPreNumber(call);
                if (first == '-' || first == '.' || first == 'h' || first == 'H') call.digitsSeen = true;
                // A decade after a leading apostrophe ('90s) is left to
                // the apostrophe forms.
                else if (!IsApostrophe(first)) return ReturnWith(0);
            }
        } else if (cls == 3) {
            call.capsOrPunct = true;
            if (c == '/' && !call.digitsSeen) call.slashSeen = true;
            const u8 next = TextAt(w, i + 1);
            if (midPre && next >= '1' && next <= '9') return ApplyMidPreNumber(call);
        } else if (cls >= 4) {
            const Step s = Capital(call, i, c, cls);
            if (s.kind != StepKind::kGoOn) return s;
        } else if (i >= 2 && (gCaseMode == 3 || gCaseMode == 4) && !(i == n - 1 && c == 's')) {
            return ToRoman();
        }
    }
    return GoOn();
}

// ---- Step 13: vowel-sound probes ----------------------------------------------------

// Whether the dictionary knows a word written in capitals in lower case or
// with a capital initial ("HOUSE", "EUROPEAN"); the analysis slots are
// scratch here.
bool KnownBesideCapitals(AnalysisCall& call, const BoundedString& lowered) {
    Work36 w;
    w.Set(lowered);
    MarkWord(w.s);
    bool known = LookupInto(call, w.s, 0) > 0;
    if (!known) {
        w.bytes[0] = UpperAscii(w.bytes[0]);
        known = LookupInto(call, w.s, 0) > 0;
    }
    *call.count = 0;
    return known;
}

// The sound the English word of the call begins with (sound_starts.h).
u8 EnglishSoundOfWord(AnalysisCall& call) {
    Work36 lowered;
    lowered.Set(call.saved.s);
    const i32 n = lowered.Length();
    for (i32 i = 0; i < n; ++i) {
        u8& c = lowered.bytes[i];
        c = c == kCurlyApostrophe ? static_cast<u8>('\'') : LowerAscii(c);
    }
    const bool capitals = gCaseMode == 3 || gCaseMode == 4;
    const bool known = capitals && FindSoundStartMark(kSoundKindCapitals, lowered.bytes, static_cast<u32>(n)) == 0 &&
                       KnownBesideCapitals(call, lowered.s);
    return EnglishSoundStart(lowered.s, capitals, known);
}

bool FrenchVowelStart(u8 c) {
    return c == 'a' || c == 'e' || c == 'h' || c == 'i' || c == 'o' || c == 'u' || c == 'y' ||
           (c > 'z' && c != kCCedilla);
}

u16 WithOperation(u16 mode, u8 op) { return static_cast<u16>((mode & 0xFF00) | op); }

bool LexiconHoldsForProbe(const BoundedString& word) {
    static const u8 kKeyBytes[] = {60, 61, 64, 65, 66};
    u8 bytes[kLexKeyCapacity];
    BoundedString key;
    key.View(bytes, kLexKeyCapacity);
    for (u8 k : kKeyBytes) {
        BuildLexKey(word, k, key);
        if (LookupLexEntry(key, LexEntry()) != 0) return true;
    }
    return false;
}

Step VowelProbeSecondHalf(AnalysisCall& call);

Step VowelProbe(AnalysisCall& call) {
    Work36& probe = call.work;
    probe.Set(*call.word);
    const i32 n = probe.Length();
    const bool french = call.French();
    if (call.Operation() == 49) {
        for (i32 i = 0; i < n; ++i) {
            u8& c = probe.bytes[i];
            if (c == ' ') c = kMarkBlank;
            c = LowerAscii(c);
            if (c == '-') c = kMarkHyphen;
            else if (c == kAGraveByte && i + 1 < n) c = kMarkAGrave;
        }
        const bool found = LexiconHoldsForProbe(call.saved.s);
        probe.bytes[0] = LowerAscii(probe.bytes[0]);
        call.extended = true;
        if (!french) {
            // A word either sound fits ("herb") takes "a" as well.
            const bool vowel = !found && EnglishSoundOfWord(call) == kSoundVowel;
            call.mode = vowel ? static_cast<u16>(call.mode - 15) : 0;
            // A word in capitals or with a hyphen would be found by the
            // capitals or compound attempts, which do not tell it apart
            // ("a FBI", "a X-ray"): it goes to the second lookup at once.
            if (vowel && (gCaseMode == 3 || gCaseMode == 4 || TextContains(call.saved.s, '-')))
                return VowelProbeSecondHalf(call);
        } else if (!found && FrenchVowelStart(probe.bytes[0])) {
            call.mode = WithOperation(call.mode, 34);
        }
        return GoOn();
    }
    probe.bytes[0] = LowerAscii(probe.bytes[0]);
    // ... and "an".
    const bool vowel = french ? FrenchVowelStart(probe.bytes[0]) : EnglishSoundOfWord(call) != kSoundConsonant;
    if (!vowel) {
        *call.count = 0;
        return ReturnWith(kNoVowelSound);
    }
    call.extended = true;
    call.mode = french ? WithOperation(call.mode, 33) : 33;
    return GoOn();
}

u16 SecondLookupMode(const AnalysisCall& call) { return call.French() ? 832 : 32; }

// An English word the dictionary holds only with its capitals ("Italian",
// "FBI", "X-ray"), looked up as written: the word is left marked and found.
bool EnglishFoundAsWritten(AnalysisCall& call) {
    if (call.French() || gCaseMode == 0) return false;
    BoundedString& w = *call.word;
    RestoreWord(call);
    MarkWord(w);
    return LookupInto(call, w, SecondLookupMode(call)) > 0;
}

Step VowelProbeSecondHalf(AnalysisCall& call) {
    BoundedString& w = *call.word;
    RestoreWord(call);
    if (gCaseMode > 0) RestoreAccentedLowercase(w);
    MarkWord(w);
    if (LookupInto(call, w, SecondLookupMode(call)) == 0 && !EnglishFoundAsWritten(call)) {
        RestoreWord(call);
        return ReturnWith(0);
    }
    UnmarkWord(w);
    if (gCaseMode > 0) ApplyCapitalization(w);
    const bool plainClass = (gWordTagCodes[0] >> 8) == 0x10;
    return {StepKind::kReturnAsIs, static_cast<i16>(plainClass ? 1 : kNoVowelSound)};
}

// ---- Step 8: the plain lookup --------------------------------------------------------

// "is" -> "iz", then "ys" -> "yz", in a copy of `from`.
bool Respelled(AnalysisCall& call, const BoundedString& from, bool lowerFirst) {
    for (const char* pair : {"is", "ys"}) {
        call.work.Set(from);
        if (lowerFirst) call.work.bytes[0] = LowerAscii(call.work.bytes[0]);
        const i32 n = call.work.Length();
        for (i32 i = 0; i + 1 < n; ++i) {
            if (call.work.bytes[i] != pair[0] || call.work.bytes[i + 1] != pair[1]) continue;
            call.work.bytes[i + 1] = 'z';
            if (LookupInto(call, call.work.s, call.mode) > 0) return true;
            break;
        }
    }
    *call.count = 0;
    return false;
}

// Known with a capital initial, or in the reserved sections: gCaseMode 77.
bool KnownInOtherForm(AnalysisCall& call) {
    BoundedString& w = *call.word;
    call.work.Set(w);
    call.work.bytes[0] = UpperAscii(call.work.bytes[0]);
    u16 detail = 0;
    if (LookupInto(call, call.work.s, call.mode) > 0) {
        detail = 1;
    } else {
        u16 found = 0;
        if (LookupFrenchReserved(kModeFrenchPlain, kSectionCapital, w, gWordTagCodes, found))
            detail = 1;
        else if (LookupFrenchReserved(kModeFrenchPlain, kSectionCapitals, w, gWordTagCodes, found))
            detail = 3;
        else if (gActiveMedical != 0) {
            static const u8 kMedical[] = {kCapitalisedMedicalKey, kCapitalisedMedicalKey};
            const i16 section = static_cast<i16>(gDictSectionCount - 2);
            if (LookupReservedKey(call.mode, section, kMedical, 2, w, gWordTagCodes, found))
                detail = 2;
        }
    }
    if (detail == 0) return false;
    gCaseMode = kCaseOtherForm;
    gErrorDetail = detail;
    *call.count = 0;
    return true;
}

Step FoundPlain(AnalysisCall& call, u16 found) {
    const u16 tag = gWordTagCodes[0];
    if (!call.French()) {
        const BoundedString& w = *call.word;
        if (TextEquals(w, "a")) return Success(kBeforeConsonant);
        if (TextEquals(w, "an")) return Success(kBeforeVowelSound);
        if (gWordAnalysisBytes[0] == '@') {
            if (call.trailingPeriod) return Success(1);
            if (tag < 0x8000) {
                gCaseMode = kCaseMissingPeriod;
                *call.count = 0;
                return ReturnWith(0);
            }
        } else if (call.trailingPeriod) {
            return ToRoman();
        }
        return ReturnWith(static_cast<i16>(found));
    }
    if (call.extended) {
        const i16 r = FirstTagRule(0);
        if (r != 0) return Success(r);
    }
    return ReturnWith(static_cast<i16>(found));
}

Step PlainLookup(AnalysisCall& call) {
    BoundedString& w = *call.word;
    const u16 found = LookupInto(call, w, call.mode);
    if (found > 0) return FoundPlain(call, found);
    const u8 op = call.Operation();
    if (op == 33 || op == 34) {
        if (LookupInto(call, w, call.French() ? 832 : 0) == 0) return ReturnWith(0);
        const bool plainClass = (gWordTagCodes[0] >> 8) == 0x10;
        return ReturnWith(call.French() && plainClass ? 1 : kNoVowelSound);
    }
    if (gCaseMode == 0 && KnownInOtherForm(call)) return ReturnWith(0);
    if (!call.French()) return ReturnWith(Respelled(call, call.saved.s, false) ? 1 : 0);
    if (LookupInto(call, w, 832) == 0) return ReturnWith(0);
    return ReturnWith((gWordTagCodes[0] >> 8) == 0x10 ? 1 : kNoVowelSound);
}

// ---- Steps 9 and 10: apostrophes and hyphens ---------------------------------------------

Step PunctuationPath(AnalysisCall& call) {
    BoundedString& w = *call.word;
    MarkWord(w);
    call.marked.Set(w);
    const i32 n = GetStringLength(w);
    i32 at = 0;
    while (at < n && w.data[at] != kMarkHyphen && w.data[at] != kMarkApostrophe) ++at;
    call.hyphen = std::memchr(w.data, kMarkHyphen, static_cast<size_t>(n)) != nullptr;
    if (at == n || w.data[at] == kMarkHyphen) return GoOn();
    // A word whose spelling holds the apostrophe (aujourd'hui, presqu'île)
    // before the elided word and what follows it.
    if (call.French()) {
        call.work.Set(w);
        const u16 found = LookupInto(call, call.work.s, call.mode);
        if (found > 0) return Success(static_cast<i16>(found));
    }
    const Step s = call.French() ? ApplyFrenchElisions(call, at) : ApplyEnglishApostropheForms(call);
    return s.kind == StepKind::kToHyphen ? GoOn() : s;
}

Step HyphenPath(AnalysisCall& call) {
    if (!call.hyphen) return GoOn();
    BoundedString& w = *call.word;
    i32 n = GetStringLength(w);
    if (n == 2) {
        *call.count = 0;
        return ReturnWith(1);
    }
    i32 lead = 0;
    while (lead < n && w.data[lead] == kMarkHyphen) ++lead;
    if (lead == n) return Success(1);
    if (lead > 0) {
        TextSet(w, w.data + lead, n - lead);
        n -= lead;
    }
    bool smallBytes = true;
    for (i32 i = 0; i < n; ++i) smallBytes = smallBytes && w.data[i] <= '9';
    if (smallBytes) {
        *call.count = 0;
        return ReturnWith(1);
    }
    if (w.data[n - 1] == kMarkApostrophe) w.data[--n] = 0;
    call.work.Set(w);
    const i16 r = AnalyseCompoundWord(call.mode, call.work.s, gWordTagCodes, *call.count);
    if (r > 0) return Success(r);
    if (!call.French() && w.data[0] >= 'a' && w.data[0] <= 'z') {
        call.work.Set(w);
        call.work.bytes[0] = UpperAscii(call.work.bytes[0]);
        if (LookupInto(call, call.work.s, call.mode) > 0) {
            gCaseMode = kCaseOtherForm;
            *call.count = 0;
            return ToRoman();
        }
    }
    *call.count = 0;
    return GoOn();
}

// ---- Step 11: capitalised and reserved-section attempts ----------------------------------

Step EnglishCapitalised(AnalysisCall& call) {
    Work36& t = call.work;
    t.Set(call.marked.s);
    if (t.bytes[0] != 'I') t.bytes[0] = LowerAscii(t.bytes[0]);
    u16 found = LookupInto(call, t.s, call.mode);
    if (found > 0) {
        if (gWordAnalysisBytes[0] == '@') {
            if (call.trailingPeriod) return Success(1);
            if (gWordTagCodes[0] < 0x8000) {
                gCaseMode = kCaseMissingPeriod;
                *call.count = 0;
                return ReturnWith(0);
            }
        }
        return Success(static_cast<i16>(found));
    }
    if (Respelled(call, call.saved.s, true)) return Success(1);
    const i32 n = call.marked.Length();
    t.Set(call.marked.s);
    t.bytes[0] = UpperAscii(t.bytes[0]);
    if ((found = LookupInto(call, t.s, call.mode)) > 0) return Success(static_cast<i16>(found));
    t.Set(call.marked.s);
    t.bytes[0] = UpperAscii(t.bytes[0]);
    for (i32 i = 1; i < n - 1; ++i) t.bytes[i] = UpperAscii(t.bytes[i]);
    if ((found = LookupInto(call, t.s, call.mode)) > 0) return Success(static_cast<i16>(found));
    if ((gCaseMode == 3 || gCaseMode == 4) && n == 4) {
        t.bytes[3] = UpperAscii(t.bytes[3]);
        if ((found = LookupInto(call, t.s, call.mode)) > 0) return Success(static_cast<i16>(found));
    }
    *call.count = 0;
    return GoOn();
}

// Sections 10, then 1, 2 and 5. GoOn: the last attempts.
Step ReservedSections(AnalysisCall& call) {
    BoundedString& w = *call.word;
    u16 found = 0;
    if (!LookupFrenchReserved(kModeFrenchPlain, kSectionCapitals, w, gWordTagCodes, found)) {
        const u16 n = LookupInto(call, w, call.mode);
        return n > 0 ? Success(FirstTagRule(static_cast<i16>(n))) : GoOn();
    }
    if (gCaseMode >= 3) {
        *call.count = found;
        return Success(1);
    }
    const u16 caseMode = gCaseMode;
    gCaseMode = 0;
    const u16 mode = call.French() ? kModeFrenchPlain : 0;
    u16 store[20] = {};
    BoundedArray<u16> scratch;
    scratch.View(store, 20);
    u16 count = 0;
    const bool any = LookupReserved(mode, kSectionShort, w, scratch, count) ||
                     LookupReserved(mode, kSectionShortVerbs, w, scratch, count) ||
                     LookupReserved(mode, kSectionAll5, w, scratch, count);
    gCaseMode = caseMode;
    // The sentence's first word with a capital initial: its lower-case
    // entry comes first.
    if (!any && gSentenceInitialWord != 0 && (caseMode == 1 || caseMode == 2)) {
        const u16 n = LookupInto(call, w, call.mode);
        if (n > 0) return Success(FirstTagRule(static_cast<i16>(n)));
    }
    if (!any) {
        gCaseMode = kCaseOtherForm;
        gErrorDetail = 3;
        *call.count = 0;
        return ReturnWith(0);
    }
    return LookupInto(call, w, call.mode) > 0 ? Success(FirstTagRule(1)) : GoOn();
}

Step LastAttempts(AnalysisCall& call) {
    BoundedString& w = *call.word;
    if (call.hyphen) {
        call.work.Set(w);
        const i16 r = AnalyseCompoundWord(call.mode, call.work.s, gWordTagCodes, *call.count);
        if (r >= 1) return Success(FirstTagRule(r));
    }
    if (gCaseMode == 3) {
        i32 n = GetStringLength(w);
        for (i32 i = 0; i < n; ++i) {
            if (call.French() && w.data[i] == '.') {
                std::memmove(w.data + i, w.data + i + 1, static_cast<size_t>(n - i));
                --n;
                --i;
                continue;
            }
            w.data[i] = LowerAscii(w.data[i]);
        }
        const u16 found = LookupInto(call, w, call.mode);
        if (found > 0) {
            UnmarkWord(w);
            return {StepKind::kReturnAsIs, static_cast<i16>(found)};
        }
    }
    if (call.French() && call.capsAccents) return ToRoman();
    // Accents dropped from the capitals: their accented spellings.
    const i16 r = RestoreAccentsByVariants(call.mode, w, *call.count, *call.slots);
    return r > 0 ? Success(r) : ToRoman();
}

Step CapitalisedAttempts(AnalysisCall& call) {
    if (gCaseMode == 0) return ToRoman();
    if (!call.French()) {
        const Step s = EnglishCapitalised(call);
        if (s.kind != StepKind::kGoOn) return s;
    }
    if (!call.hyphen) {
        const Step s = ReservedSections(call);
        if (s.kind != StepKind::kGoOn) return s;
    }
    *call.count = 0;
    return LastAttempts(call);
}

// ---- Step 12: Roman numerals and the user lexicon --------------------------------------

// A French ordinal in Roman numerals (XIXe, IIe, IIes, Ier, Ire): the
// capital numeral and the ending of "2e", "1er", "1re". The adjective's tag.
u16 FrenchRomanOrdinalTag(const BoundedString& w) {
    const i32 n = GetStringLength(w);
    i32 numeral = n;
    while (numeral > 0 && w.data[numeral - 1] >= 'a' && w.data[numeral - 1] <= 'z') --numeral;
    if (numeral == 0 || numeral == n) return 0;
    for (i32 i = 0; i < numeral; ++i)
        if (w.data[i] < 'A' || w.data[i] > 'Z') return 0;
    Work36 ending;
    ending.Set(w.data + numeral, n - numeral);
    const bool first = numeral == 1 && w.data[0] == 'I';
    const bool singular = first ? ending.Is("er") || ending.Is("re") : ending.Is("e");
    const bool plural = first ? ending.Is("ers") || ending.Is("res") : ending.Is("es");
    if (!singular && !plural) return 0;
    Work36 digits;
    digits.Set(w.data, numeral);
    if (!IsRomanNumeral(digits.s)) return 0;
    return singular ? 0x4204 : 0x4208;
}

// An English Roman numeral of two letters or more with its period, as a
// chapter or section heading writes it ("II.", "XIV.").
bool RomanNumeralWithPeriod(AnalysisCall& call) {
    const i32 n = call.saved.Length();
    if (call.French() || n < 3 || call.saved.At(n - 1) != '.') return false;
    call.work.Set(call.saved.bytes, n - 1);
    return IsRomanNumeral(call.work.s);
}

Step RomanAndLexicon(AnalysisCall& call) {
    if (IsRomanNumeral(call.saved.s) || RomanNumeralWithPeriod(call)) {
        SetFixedTags(call, &kTagNumber, 1);
        return Success(1);
    }
    if (call.French()) {
        const u16 ordinal = FrenchRomanOrdinalTag(call.saved.s);
        if (ordinal != 0) {
            SetFixedTags(call, &ordinal, 1);
            return Success(1);
        }
    }
    const u8 op = call.Operation();
    if (op == 33 || op == 34) return VowelProbeSecondHalf(call);
    static const u8 kEnglishKeys[] = {56, 57, 58, 59};
    static const u8 kFrenchKeys[] = {60, 61, 65, 66};
    const u8* keys = call.French() ? kFrenchKeys : kEnglishKeys;
    u8 bytes[kLexKeyCapacity];
    BoundedString key;
    key.View(bytes, kLexKeyCapacity);
    *call.count = 0;
    BoundedArray<FormEntry>& records = LexRecords();
    for (u32 k = 0; k < 4; ++k) {
        BuildLexKey(call.saved.s, keys[k], key);
        const i16 n = LookupLexRecords(key, records);
        for (i16 i = 0; i < n && i < 4; ++i) AppendLexAnalysis(call, records.data[i]);
    }
    RestoreWord(call);
    return GoOn();
}

// ---- Steps 14 and 15 ---------------------------------------------------------------------

bool IsFunctionWord(const BoundedString& w) {
    for (u32 k = 0; k < gFrenchFunctionWords.count; ++k)
        if (TextEquals(w, reinterpret_cast<const char*>(gFrenchFunctionWords.data[k].data))) return true;
    return false;
}

i16 FinalLexiconForm(AnalysisCall& call, i16 result) {
    if (IsFunctionWord(call.saved.s)) return result;
    if (!call.saved.Is("cet") && GetFirstLexForm(call.saved.s, LexEntry(), kLexClassProperNoun) != 0)
        AppendLexAnalysis(call, LexEntry());
    if (*call.count > 0 && result == 0) result = 1;
    return result;
}

// The analysis slots around the accent restoration, which analyses again.
struct SavedSlots {
    u16 tags[kAnalysisSlots];
    u8 bytes[kAnalysisSlots];
    u32 refs[kAnalysisSlots];
    void Save() {
        for (i32 i = 0; i < kAnalysisSlots; ++i) {
            tags[i] = gWordTagCodes[i];
            bytes[i] = gWordAnalysisBytes[i];
            refs[i] = gWordLemmaRefs[i];
        }
    }
    void Restore() const {
        for (i32 i = 0; i < kAnalysisSlots; ++i) {
            gWordTagCodes[i] = tags[i];
            gWordAnalysisBytes[i] = bytes[i];
            gWordLemmaRefs[i] = refs[i];
        }
    }
};

i16 SuccessStep(AnalysisCall& call, i16 result) {
    RestoreWord(call);
    if (!call.mode803 && gCaseMode >= 1) {
        SavedSlots slots;
        slots.Save();
        const u16 found = gFoundInLexicon;
        RestoreAccentedLowercase(*call.word);
        slots.Restore();
        gFoundInLexicon = found;
    }
    if (gCaseMode > 0 && *call.count > 0) return result;
    return FinalLexiconForm(call, result);
}

// ---- Steps 1 to 11 ---------------------------------------------------------------------

void Begin(AnalysisCall& call) {
    StringList& slots = *call.slots;
    for (u32 k = 0; k < kSlotCount && k < slots.count; ++k)
        if (slots.data[k].valid != 0 && slots.data[k].count > 0) slots.data[k].data[0] = 0;
    *call.count = 0;
    if (call.mode == 803) {
        call.mode803 = true;
        call.mode = gCheckingLanguage != 0 ? kModeFrenchPlain : 0;
    }
    call.extended = call.Operation() > 31;
    TextCut(*call.word, static_cast<i32>(kWordMaxLength));
    call.saved.Set(*call.word);
    call.length = call.saved.Length();
    call.first = call.saved.At(0);
    call.capsAccents = gAccentsOnCapitals != 0;
}

Step Analyse(AnalysisCall& call) {
    if (!call.French()) {
        const Step s = ApplyPeriodAbbreviations(call);
        if (s.kind != StepKind::kGoOn) return s;
    }
    if (gCaseMode == kCaseAsked || gVariantIndex == 2) {
        const Step s = CaseAnalysis(call);
        if (s.kind != StepKind::kGoOn) return s;
    } else if (gCaseMode == 1 && TextEquals(*call.word, "i")) {
        call.capsOrPunct = true;
    }
    const u8 op = call.Operation();
    if (op == 48 || op == 49) {
        const Step s = VowelProbe(call);
        if (s.kind != StepKind::kGoOn) return s;
    }
    if (gCaseMode > 0) call.capsOrPunct = true;
    const u8 now = call.Operation();
    if (now == 5 || now == 7) {
        // Suggestion mode ends the call.
        CollectWordSuggestions(call.mode, *call.word, *call.count, *call.slots, call.capsOrPunct);
        return ReturnWith(0);
    }
    if (now >= 1 && now <= 31) {
        *call.count = 0;
        return ReturnWith(0);
    }
    Step s = ApplyFixedForms(call);
    if (s.kind != StepKind::kGoOn) return s;
    if (!call.capsOrPunct) return PlainLookup(call);
    s = PunctuationPath(call);
    if (s.kind != StepKind::kGoOn) return s;
    s = HyphenPath(call);
    if (s.kind != StepKind::kGoOn) return s;
    return CapitalisedAttempts(call);
}

}  // namespace

u16 gSentenceInitialWord = 0;

bool AnalysisCall::French() const { return gCheckingLanguage != 0; }

u16 LookupInto(AnalysisCall& call, BoundedString& w, u16 mode) {
    *call.count = 0;
    LookupWordForm(mode, w, gWordTagCodes, *call.count);
    return *call.count;
}

void SetFixedTags(AnalysisCall& call, const u16* tags, u16 n) {
    for (u16 i = 0; i < n; ++i) gWordTagCodes[i] = tags[i];
    *call.count = n;
}

namespace {

// Nesting of the analysis through the accent restoration of its success
// step; a deeper call finds nothing.
constexpr u32 kMaxNesting = 4;
u32 gAnalysisNesting = 0;

struct NestingGuard {
    NestingGuard() { ++gAnalysisNesting; }
    ~NestingGuard() { --gAnalysisNesting; }
};

}  // namespace

i16 AnalyseWordForms(u16 mode, BoundedString& word, u16& count, StringList& slots) {
    count = 0;
    if (word.valid == 0 || word.count == 0 || gAnalysisNesting >= kMaxNesting) return 0;
    NestingGuard guard;
    AnalysisCall call;
    call.mode = mode;
    call.word = &word;
    call.count = &count;
    call.slots = &slots;
    Begin(call);
    Step s = Analyse(call);
    if (s.kind == StepKind::kToRoman) {
        s = RomanAndLexicon(call);
        if (s.kind == StepKind::kGoOn) return FinalLexiconForm(call, 0);
    }
    switch (s.kind) {
        case StepKind::kSuccess: return SuccessStep(call, s.result);
        case StepKind::kReturnAsIs: return s.result;
        default: RestoreWord(call); return s.result;
    }
}

u16 IsWholeDictionaryForm(const BoundedString& word) {
    const i32 n = GetStringLength(word);
    if (n == 0 || n > static_cast<i32>(kMaxExpandedWordLength)) return 0;
    u16 store[20] = {};
    BoundedArray<u16> tags;
    tags.View(store, 20);
    const u16 mode = gCheckingLanguage != 0 ? kModeFrenchPlain : 0;
    const u16 savedCase = gCaseMode;
    Work36 t;
    u16 count = 0;
    // A word in capitals (AUJOURD'HUI) is looked up in lower case whole.
    bool lower = false, upper = false;
    for (i32 k = 0; k < n; ++k) {
        const u8 c = word.data[k];
        lower |= IsLetterMacRoman(c) != 0 && IsUpperMacRoman(c) == 0;
        upper |= IsUpperMacRoman(c) != 0;
    }
    const bool capitals = upper && !lower && n > 1;
    for (i32 attempt = 0; attempt < 2 && count == 0; ++attempt) {
        t.Set(word);
        MarkWord(t.s);
        const bool capital = t.bytes[0] >= 'A' && t.bytes[0] <= 'Z';
        if (attempt == 1 && !capital && !capitals) break;
        if (attempt == 1 && capitals) {
            for (i32 k = 0; k < n; ++k) t.bytes[k] = ToLowerMacRoman(t.bytes[k]);
        } else if (attempt == 1) {
            t.bytes[0] = LowerAscii(t.bytes[0]);
        }
        gCaseMode = attempt == 0 && capital ? (capitals ? 3 : 1) : 0;
        LookupWordForm(mode, t.s, tags, count);
    }
    gCaseMode = savedCase;
    return count > 0 ? 1 : 0;
}
