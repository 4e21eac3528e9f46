// Verb-form and synonym corrections: participles and infinitives rebuilt
// from the conjugation model, tense and mood, subject-verb agreement, the
// register rule's synonyms, and the shared conjugation stage.
#include <cstring>

#include "checking/correction_common.h"
#include "checking/correction_forms.h"
#include "checking/word_access.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tagged_words.h"
#include "inflection/inflect.h"
#include "inflection/verb_forms.h"
#include "lexicon/synonyms.h"
#include "morphology/correction_finishing.h"
#include "morphology/section_walk.h"
#include "morphology/verb_candidates.h"
#include "morphology/verb_slots.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u8 kMaxModel = 121;
constexpr u8 kEGrave = 0x8F;   // è
constexpr u8 kEAcute = 0x8E;   // é
constexpr u8 kCCedilla = 0x8D; // ç

bool French() { return gCheckingLanguage != 0; }

u8 CurrentSlot(i32 i) {
    const u8 f = WordFeature(i);
    return f > 127 ? static_cast<u8>(f - 128) : f;
}
u8 ModelOf(i32 i) {
    const u8 m = WordMark(i);
    return m > 128 ? static_cast<u8>(m - 128) : m;
}

// Ending text of a slot of the language's model ("$" empty, "0" none).
void SlotEnding(u8 model, u8 slot, BoundedString& out) {
    if (French()) FrenchSlotEnding(FrenchRow(model), slot, out);
    else EnglishSlotEnding(EnglishRow(model), slot, out);
}
// Characters the ending of a slot takes off the form ("$": none).
u32 EndingCut(u8 model, u8 slot) {
    Work36 e;
    SlotEnding(model, slot, e.s);
    if (TextEquals(e.s, "$")) return 0;
    return TextLen(e.s);
}
u16 EndingIndex(u8 model, u8 slot) {
    return French() ? FrenchRow(model).EndingIndexes[slot] : EnglishRow(model).EndingIndexes[slot];
}

void CutEnd(BoundedString& s, u32 n) { TextCut(s, TextLen(s) > n ? TextLen(s) - n : 0); }

// Appends `ending` ("$": nothing) to stem.
void AppendEnding(BoundedString& stem, const BoundedString& ending) {
    if (TextEquals(ending, "$")) return;
    AppendString(stem, ending);
}

bool Accept(i32 i, const BoundedString& form) { return IsKnownForm(form) || gWords[i].CorrectionMark != 0; }

// Form finished by case and quotes, appended to the first correction.
bool AppendFinished(BoundedString& first, i32 i, BoundedString& form) {
    ApplyWordCase(i, form);
    ApplyWordQuotes(i, form);
    return JoinUnderLimit(first, form, 1);
}

// ---- Model rebuild (rules 43, 46, 47) --------------------------------------------

void ModelRebuild(BoundedString& first, i32 i, u8 model, u8 current, u8 target, u32 cut) {
    Work36 form, ending;
    TextCopy(form.s, gWords[i].WordText);
    CutEnd(form.s, cut);
    SlotEnding(model, target, ending.s);
    if (TextLen(ending.s) == 0 || TextAt(ending.s, 0) == '0') {
        gErrorExtent = kNoCorrection;
        return;
    }
    (void)current;
    AppendEnding(form.s, ending.s);
    if (!Accept(i, form.s)) {
        gErrorExtent = kNoCorrection;
        return;
    }
    AppendFinished(first, i, form.s);
}

void ParticipleRules(BoundedString& first, u16 rule, i32 i) {
    const u8 cls = WordClass(i);
    const u8 cat = WordCategory(i);
    const u8 model = ModelOf(i);
    u8 current = CurrentSlot(i);
    if (model > kMaxModel && French()) {
        gErrorExtent = kNoCorrection;
        return;
    }
    u32 cut = EndingCut(model, SlotOfVerbTagCode(current));
    if (rule == kCodeParticipleAgreement) {
        if (!French()) return;
        const u8 v = gErrorVariant;
        if (v == 'B' || v == 'E' || (v == 'D' && gErrorExtent < 2)) {
            if (cls < 128 || (gErrorGender == 1 && gErrorNumber == 1)) return;
            ModelRebuild(first, i, model, current, 2, cut);
            return;
        }
        if (!(cat == 11 || (cat == 10 && cls >= 128))) return;
        if (current == 7 || current == 55) cut = 2;
        ModelRebuild(first, i, model, current, static_cast<u8>(gErrorExtent + 1), cut);
        return;
    }
    if (rule == kCodeInfinitiveForParticiple) {
        if (!(cat == 13 || (!French() && cat == 14))) return;
        if (French()) {
            ModelRebuild(first, i, model, current, static_cast<u8>(gErrorExtent + 1), cut);
        } else {
            if (current == 32) current = 3;
            ModelRebuild(first, i, model, current, 4, EndingCut(model, current));
        }
        return;
    }
    // 47
    if (!((cat == 10 || cat == 11 || (!French() && cat == 14)) && cls >= 128)) return;
    if (!French()) cut = EndingCut(model, current);
    ModelRebuild(first, i, model, current, 0, cut);
}

// ---- Stem and endings --------------------------------------------------------------

struct Stage {
    u8 model = 0;
    bool cedilla = false;
};

// Models 4, 5, 6 and 110 write "ç" before a, o, â; 4, 5, 6 take the endings of 1, 3, 2.
bool PrepareModel(Stage& st, u8 model) {
    if (model > kMaxModel) return false;
    st.cedilla = model == 4 || model == 5 || model == 6 || model == 110;
    st.model = model == 4 ? 1 : model == 5 ? 3 : model == 6 ? 2 : model;
    return true;
}

// The stem: the text less the ending of the current slot.
void CutStem(const Stage& st, const BoundedString& text, u8 current, BoundedString& stem) {
    TextCopy(stem, text);
    const bool noCut = EndingIndex(st.model, current) == 9 && st.model != 8 && French();
    if (!noCut) CutEnd(stem, EndingCut(st.model, current));
    u32 keep = 0;
    if (st.model == 43 || st.model == 47) keep = 1;
    else if (st.model == 87 || st.model == 113) keep = 2;
    else if (st.model == 114) keep = 3;
    if (keep > 0 && French()) TextCut(stem, keep);
}

// Last position of byte b in s, or -1.
i32 LastOf(const BoundedString& s, u8 b) {
    for (i32 k = static_cast<i32>(TextLen(s)) - 1; k >= 0; --k)
        if (s.data[k] == b) return k;
    return -1;
}

// The target ending, through the stem alternation when the model changes
// the stem for the slot. False: no correction.
bool TargetEnding(const Stage& st, BoundedString& stem, u8 target, BoundedString& ending) {
    SlotEnding(st.model, target, ending);
    if (TextLen(ending) == 0) return false;
    if (TextAt(ending, 0) != '0') return true;
    if (TextEquals(ending, "0")) {
        // The model has no such form unless an alternate row gives it.
    }
    u8 other = 0;
    i32 at = -1;
    switch (st.model) {
        case 2:
            other = 103;
            if ((at = LastOf(stem, 'e')) >= 0) stem.data[at] = kEGrave;
            break;
        case 103: case 93:
            other = st.model == 103 ? 2 : 3;
            if ((at = LastOf(stem, kEGrave)) >= 0) {
                stem.data[at] = st.model == 103 ? 'e' : kEAcute;
                if (stem.data[at + 1] == 'c') stem.data[at + 1] = kCCedilla;
            }
            break;
        case 3: case 5: case 12:
            other = 93;
            if ((at = LastOf(stem, kEAcute)) >= 0) stem.data[at] = kEGrave;
            break;
        case 13: other = 9; break;
        case 83: other = 4; break;
        default: return false;
    }
    if (other == 4) {
        FrenchSlotEnding(FrenchRow(4), target, ending);
    } else {
        SlotEnding(other, target, ending);
    }
    if (TextLen(ending) == 0 || TextAt(ending, 0) == '0') return false;
    if (st.model == 83 && (at = LastOf(stem, kCCedilla)) >= 0) {
        stem.data[at] = 'c';
        const u8 e0 = TextAt(ending, 0), e1 = TextAt(ending, 1);
        if (at > 0 && e0 == 'e') {
            if (stem.data[at - 1] == 'e' && e1 != 'z') stem.data[at - 1] = kEGrave;
            else if (stem.data[at - 1] == kEAcute && e1 != 'z' && e1 != 'r') stem.data[at - 1] = kEGrave;
        }
    }
    return true;
}

void CedillaRule(const Stage& st, BoundedString& stem, const BoundedString& ending) {
    const u8 e = TextAt(ending, 0);
    if (st.cedilla && (e == 'a' || e == 'o' || e == 0x89) && TextLen(stem) > 0)
        stem.data[TextLen(stem) - 1] = kCCedilla;
}

// Rule 44 step 2's mapping of merged slot codes.
u8 MapSlot(u8 slot, u8 person) {
    switch (slot) {
        case 51: return person == 1 ? 6 : 8;
        case 52: return 9;
        case 53: return 10;
        case 54: case 61: return 11;
        case 55: return person == 2 ? 7 : 6;
        case 56: case 62: return 15;
        case 57: case 63: return 16;
        case 58: return 7;
        case 59: return 30;
        case 60: return 8;
        default: return slot;
    }
}

// Current slot as rule 53 reads it.
u8 TenseSlot(i32 i) {
    u8 slot = CurrentSlot(i);
    if (slot == 60) slot = 8;
    else if (slot == 52) slot = 9;
    else if (slot == 53) slot = 10;
    else if (slot == 59) slot = 30;
    if (slot < 6) {
        Work36 copy;
        TextCopy(copy.s, gWords[i].WordText);
        u16 count = 0;
        gCaseMode = 65535;
        if (LookupWordForm(800, copy.s, gWordTagCodes, count) > 0 && count > 0)
            slot = static_cast<u8>(gWordTagCodes[0] & 0xFF);
    }
    return slot;
}

// ---- Mood after if (53) -----------------------------------------------------------

void SetChecked(BoundedString& first, i32 k, BoundedString& form) {
    if (!Accept(k, form)) {
        gErrorExtent = kNoCorrection;
        return;
    }
    AppendFinished(first, k, form);
}

void EnglishMoodText(BoundedString& first, i32 i) {
    const BoundedString& t = gWords[i].WordText;
    Work36 form;
    auto fixed = [&](const char* s) { CopyCString(first, s); };
    switch (gErrorDetail) {
        case 9: {
            CopyCString(first, "have ");
            TextCopy(form.s, t);
            ApplyWordCase(i, form.s);
            AppendUnderLimit(first, form.s);
            return;
        }
        case 8: {
            const u8 model = ModelOf(i);
            if (model == 34) {
                if (TextEquals(t, "do") || TextEquals(t, "does") || TextEquals(t, "did"))
                    fixed(WordIs(i + 1, "not") ? "would" : "would do");
                else if (TextEquals(t, "don't") || TextEquals(t, "doesn't") || TextEquals(t, "didn't"))
                    fixed("wouldn't");
            } else if (model == 33) {
                if (TextEquals(t, "shall")) fixed("should");
            } else if (model == 31) {
                if (TextEquals(t, "will")) fixed("would");
                else if (TextEquals(t, "won't")) fixed("wouldn't");
            } else if (model == 29) {
                if (TextEquals(t, "may")) fixed("might");
                else if (TextEquals(t, "mayn't")) fixed("might not");
            } else if (model == 28) {
                if (TextEquals(t, "can")) fixed("could");
                else if (TextEquals(t, "can't")) fixed("couldn't");
                else if (TextEquals(t, "cannot")) fixed("could not");
            } else {
                if (!EnglishBaseForm(i, form.s)) {
                    gErrorExtent = kNoCorrection;
                    return;
                }
                if (!Accept(i, form.s)) {
                    gErrorExtent = kNoCorrection;
                    return;
                }
                ApplyWordCase(i, form.s);
                ApplyWordQuotes(i, form.s);
                CopyCString(first, "would ");
                AppendUnderLimit(first, form.s);
                return;
            }
            if (TextLen(first) > 0) ApplyWordCase(i, first);
            return;
        }
        case 2: case 4: case 6: {
            const i32 v = gErrorDetail == 2 ? i : i + 1;
            if (!WordExists(v) || WordClass(v) < 128) {
                gErrorExtent = kNoCorrection;
                return;
            }
            const BoundedString& vt = gWords[v].WordText;
            const char* text = nullptr;
            bool withNext = false;
            if (gErrorDetail == 2) {
                if (TextEquals(vt, "don't") || TextEquals(vt, "doesn't")) text = "didn't";
                else if (TextEquals(vt, "can't") || TextEquals(vt, "cannot")) text = "couldn't";
                else if (TextEquals(vt, "isn't") || TextEquals(vt, "aren't") || TextEquals(vt, "ain't")) text = "wouldn't be";
                else if (TextEquals(vt, "hasn't") || TextEquals(vt, "haven't")) text = "wouldn't have";
                else if (TextEquals(vt, "shan't")) text = "shouldn't";
                else if (TextEquals(vt, "mayn't")) text = "might not";
            } else if (gErrorDetail == 4) {
                if (TextEquals(vt, "not")) text = "do not";
                else if (TextEquals(t, "won't")) { text = "do not "; withNext = true; }
            } else {
                if (TextEquals(vt, "not")) text = "did not";
                else if (TextEquals(t, "wouldn't")) { text = "did not "; withNext = true; }
            }
            if (text != nullptr) {
                CopyCString(first, text);
                if (withNext) {
                    TextCopy(form.s, gWords[i + 1].WordText);
                    ApplyWordCase(i + 1, form.s);
                    AppendUnderLimit(first, form.s);
                }
                return;
            }
            const u8 model = ModelOf(v);
            TextCopy(form.s, vt);
            if (model < 30 || model > 32) {
                CutEnd(form.s, EndingCut(model, CurrentSlot(v)));
                Work36 ending;
                SlotEnding(model, static_cast<u8>(gErrorExtent), ending.s);
                if (TextLen(ending.s) == 0 || TextAt(ending.s, 0) == '0') {
                    gErrorExtent = kNoCorrection;
                    return;
                }
                AppendEnding(form.s, ending.s);
            }
            SetChecked(first, v, form.s);
            return;
        }
        default: return;
    }
}

void FrenchMoodText(BoundedString& first, i32 i) {
    const u8 current = TenseSlot(i);
    Stage st;
    if (!PrepareModel(st, ModelOf(i))) {
        gErrorExtent = kNoCorrection;
        return;
    }
    Work36 stem, ending;
    CutStem(st, gWords[i].WordText, current, stem.s);
    if (!TargetEnding(st, stem.s, static_cast<u8>(gErrorExtent), ending.s)) {
        gErrorExtent = kNoCorrection;
        return;
    }
    CedillaRule(st, stem.s, ending.s);
    AppendEnding(stem.s, ending.s);
    ApplyWordLigature(i, stem.s);
    SetChecked(first, i, stem.s);
}

// ---- Subject and verb (44) --------------------------------------------------------

// The subject segment the finding names, in both modes: the rewritten
// clause table belongs to the analysis renderers.
const SegmentRecord* SubjectSegment() {
    const u16 k = static_cast<u16>(gErrorExtent & 0xFF);
    if (gSegments.count == 0) return nullptr;
    return &gSegments[k];
}

u8 ResolvePerson(u8 slot) {
    const u8 m = slot % 3;
    switch (gErrorPerson) {
        case 4: return m != 0 ? 2 : 1;
        case 5: return m != 0 ? 3 : 1;
        case 6: return m == 1 ? 2 : 3;
        case 7: return static_cast<u8>(m + 1);
        default: return static_cast<u8>(gErrorPerson);
    }
}

void InvertedSubject(BoundedString& first, i32 i, const SegmentRecord& seg) {
    Work36 form;
    TextCopy(form.s, gWords[i].WordText);
    const i32 hyphen = LastOf(form.s, '-');
    TextCut(form.s, static_cast<u32>(hyphen));
    if (seg.Person != 3 || gErrorNumber != seg.Number || (seg.Number != 1 && seg.Number != 2)) {
        gErrorExtent = kNoCorrection;
        return;
    }
    const bool plural = seg.Number == 2;
    // The pronoun follows the gender of the report protocol: 1 masculine.
    if (gErrorGender == 2) AppendCString(form.s, plural ? "-elles" : "-elle");
    else AppendCString(form.s, plural ? "-ils" : "-il");
    SetChecked(first, i, form.s);
}

void FrenchSubjectVerbText(BoundedString& first, BoundedString& second, u16 rule, i32 i) {
    const SegmentRecord* seg = SubjectSegment();
    if (seg == nullptr) {
        gErrorExtent = kNoCorrection;
        return;
    }
    u8 current = TenseSlot(i);
    u8 target = 0;
    if (gErrorExtent == 127) {
        target = 48;
        if (current != 8) current = 7;
    } else {
        const u8 mapped = MapSlot(current, seg->Person);
        const u8 person = ResolvePerson(mapped);
        i32 t = mapped;
        const bool vous = WordClass(seg->FirstWord) == '\\';
        if (gErrorNumber != 0 && gErrorNumber != seg->Number)
            t += (vous || gErrorNumber <= seg->Number) ? 3 : -3;
        if (person != 0 && person != seg->Person) t += static_cast<i32>(seg->Person) - person;
        if (mapped >= 48 && mapped <= 50) t = seg->Person + 5 + (seg->Number == 2 ? 3 : 0);
        if (vous) t = (mapped / 6) * 6 + 4;
        if (t < 0) t = 0;
        target = static_cast<u8>(t);
        current = mapped;
    }
    if (gErrorGender != 0 && TextContains(gWords[i].WordText, '-')) {
        InvertedSubject(first, i, *seg);
        return;
    }
    RunConjugationStage(first, second, rule, i, gWords[i].WordText, ModelOf(i), current, target);
}

void EnglishSubjectVerbText(BoundedString& first, i32 i) {
    const SegmentRecord* seg = SubjectSegment();
    if (seg == nullptr) {
        gErrorExtent = kNoCorrection;
        return;
    }
    const u8 mark = WordMark(i);
    const bool singular = seg->Number != 2;
    Work36 form;
    if (mark == 37 || mark == 165) {
        const u8 current = CurrentSlot(i);
        if (current == 3 && !singular) CopyCString(form.s, "were");
        else if (current == 11 && singular) CopyCString(form.s, "was");
        else if (singular && seg->Person == 1) CopyCString(form.s, "am");
        else if (singular && seg->Person == 3) CopyCString(form.s, "is");
        else CopyCString(form.s, "are");
        AppendFinished(first, i, form.s);
        return;
    }
    const u8 model = ModelOf(i);
    TextCopy(form.s, gWords[i].WordText);
    const bool negated = TextEndsWith(form.s, "n't");
    if (negated) CutEnd(form.s, 3);
    CutEnd(form.s, EndingCut(model, CurrentSlot(i)));
    Work36 ending;
    SlotEnding(model, seg->Person == 3 && singular ? 1 : 0, ending.s);
    if (TextLen(ending.s) == 0 || TextAt(ending.s, 0) == '0') {
        gErrorExtent = kNoCorrection;
        return;
    }
    AppendEnding(form.s, ending.s);
    if (negated) {
        if (!Accept(i, form.s)) {
            gErrorExtent = kNoCorrection;
            return;
        }
        AppendCString(form.s, "n't");
        AppendFinished(first, i, form.s);
        return;
    }
    SetChecked(first, i, form.s);
}

// ---- Register (8) -----------------------------------------------------------------

StringList& SynonymList() {
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, 24, 1000);
    return list;
}

// Synonym k's text: from the entry's third byte, its length in the second.
void SynonymText(const BoundedString& entry, BoundedString& out) {
    const u32 n = entry.count > 2 ? entry.data[1] : 0;
    CopyBytesToString(out, entry.data + 2, n > entry.count - 2 ? entry.count - 2 : n);
}

const char* ReflexivePronoun(u8 slot, bool elided) {
    switch (slot % 6) {
        case 0: return elided ? "m'" : "me ";
        case 1: return elided ? "t'" : "te ";
        case 3: return "nous ";
        case 4: return "vous ";
        default: return elided ? "s'" : "se ";
    }
}

bool IsLinkWord(const BoundedString& s, u32 at, u32 n) {
    static const char* const kWords[] = {"de", "d'", "du", "des", MR("à"), "en", "avec", "sans"};
    for (const char* w : kWords) {
        const u32 l = static_cast<u32>(std::strlen(w));
        const bool elided = w[l - 1] == '\'';
        if (at + l > n || std::memcmp(s.data + at, w, l) != 0) continue;
        if (elided || at + l == n || s.data[at + l] == ' ') return true;
    }
    return false;
}

// One synonym into `out`; false when it gives no correction.
bool SynonymForm(BoundedString& synonym, i32 j, bool firstSynonym, BoundedString& out) {
    TextClear(out);
    Work72 kept;
    // Part from "(" set aside.
    for (u32 k = 0; k < TextLen(synonym); ++k) {
        if (synonym.data[k] != '(') continue;
        CopyBytesToString(kept.s, synonym.data + k, TextLen(synonym) - k);
        TextCut(synonym, k > 0 && synonym.data[k - 1] == ' ' ? k - 1 : k);
        break;
    }
    const u8 cls = WordClass(j);
    if (cls > 127 && WordFeature(j) != 0 && WordCategory(j) != 10) {
        u32 reflexive = 0;
        if (TextStartsWith(synonym, "s'")) reflexive = 1;
        else if (TextStartsWith(synonym, "se ")) reflexive = 2;
        if (reflexive != 0) {
            Work36 rest;
            CopyBytesToString(rest.s, synonym.data + (reflexive == 1 ? 2 : 3), TextLen(synonym) - (reflexive == 1 ? 2 : 3));
            TextCopy(synonym, rest.s);
        }
        const u8 slot = CurrentSlot(j);
        if (reflexive != 0 && firstSynonym && cls < 192 && slot >= 2 && slot <= 5) return false;
        u16 count = 0;
        Work36 copy;
        TextCopy(copy.s, synonym);
        gCaseMode = 65535;
        u8 model = 0;
        if (LookupWordForm(800, copy.s, gWordTagCodes, count) > 0) {
            for (u16 k = 0; k < count; ++k) {
                if ((gWordTagCodes[k] >> 8) >= 0x80) {
                    model = gWordAnalysisBytes[k];
                    break;
                }
            }
        }
        Work72 built;
        if (!RunConjugationStage(built.s, out, 8, j, synonym, model, 0, slot)) return false;
        TextClear(out);
        if (reflexive != 0) {
            const bool elided = reflexive == 1 && BeginsWithVowelByte(built.s);
            CopyCString(out, ReflexivePronoun(slot, elided));
        }
        AppendString(out, built.s);
    } else if (WordCategory(j) == 10) {
        const u32 n = TextLen(synonym);
        u32 end = n;
        for (u32 k = 0; k < n; ++k) {
            if ((k == 0 || synonym.data[k - 1] == ' ') && k > 0 && IsLinkWord(synonym, k, n)) {
                end = k > 0 ? k - 1 : 0;
                break;
            }
        }
        if (end < n) {
            Work72 rest;
            CopyBytesToString(rest.s, synonym.data + end, n - end);
            AppendString(rest.s, kept.s);
            TextCopy(kept.s, rest.s);
            TextCut(synonym, end);
        }
        if ((WordFeature(j) & 15) > 7) {
            static StringList results;
            if (results.valid == 0) InitByteMatrix(results, 16, 36);
            u32 start = 0;
            const u32 len = TextLen(synonym);
            for (u32 k = 0; k <= len; ++k) {
                if (k < len && synonym.data[k] != ' ') continue;
                Work36 word;
                CopyBytesToString(word.s, synonym.data + start, k - start);
                u16 count = 0;
                const u16 r = InflectWord(static_cast<u32>((gCheckingLanguage << 8) | 3), word.s, count, results);
                if (!(r >= 34 && r <= 36) && count > 0) TextCopy(word.s, results[0]);
                if (TextLen(out) > 0) AppendCString(out, " ");
                AppendString(out, word.s);
                start = k + 1;
            }
        } else {
            TextCopy(out, synonym);
        }
    } else {
        TextCopy(out, synonym);
    }
    if (TextLen(kept.s) > 0) {
        if (TextAt(kept.s, 0) != ' ') AppendCString(out, " ");
        AppendString(out, kept.s);
    }
    FinishWordForm(j, out);
    return true;
}

void RegisterSynonymText(BoundedString& first, BoundedString& second, i32 i) {
    if (!French()) return;
    const i32 j = gErrorVariant == 'P' ? i + 1 : i;
    if (!WordExists(j)) return;
    StringList& list = SynonymList();
    const u16 n = BuildSynonymList(1, gWords[j].GroupMark, WordFeature(j), gWords[j].BaseText, list);
    if (n < 2) {
        gErrorExtent = kNoCorrection;
        return;
    }
    Work72 synonyms[2];
    u32 count = 0;
    Work72 text;
    SynonymText(list[1], text.s);
    const i32 ou = FindCSubstring(text.s, " OU ");
    if (n == 2 && ou > 0) {
        CopyBytesToString(synonyms[0].s, text.s.data, static_cast<u32>(ou - 1));
        CopyBytesToString(synonyms[1].s, text.s.data + ou + 3, TextLen(text.s) - static_cast<u32>(ou + 3));
        count = 2;
    } else {
        TextCopy(synonyms[0].s, text.s);
        count = 1;
        if (n > 2) {
            SynonymText(list[2], synonyms[1].s);
            count = 2;
        }
    }
    Work72 out;
    BoundedString* dest[2] = {&first, &second};
    u32 made = 0;
    for (u32 k = 0; k < count; ++k) {
        const u16 savedExtent = gErrorExtent;
        if (!SynonymForm(synonyms[k].s, j, k == 0, out.s)) {
            if (k == 0) {
                gErrorExtent = kNoCorrection;
                return;
            }
            gErrorExtent = savedExtent;
            continue;
        }
        if (GetStringLength(out.s) >= kCorrectionLimit) {
            gErrorExtent = kNoCorrection;
            return;
        }
        TextCopy(*dest[made++], out.s);
    }
    if (n > 2) gErrorExtent = kExtentAlternative;
}

// Forms of word i in `mode` into the list; their number.
i16 FormsOf(i32 i, u16 op, StringList& list) {
    return BuildWordFormsForCorrection(static_cast<u16>((gCheckingLanguage << 8) + op), static_cast<i16>(i), list);
}

StringList& StageForms() {
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, kMaxCorrectionForms, 36);
    return list;
}

// Step 6's second correction for French: the forms of the word, or a form
// of a verb behind a participle.
void SecondFromForms(BoundedString& first, BoundedString& second, i32 i) {
    StringList& forms = StageForms();
    if (gErrorExtent == 126) {
        const i16 n = FormsOf(i, 5, forms);
        if (n >= 1) TextCopy(first, forms[0]);
        if (n >= 2) {
            TextCopy(second, forms[1]);
            gErrorExtent = static_cast<u16>(gErrorExtent + 256);
        }
        return;
    }
    if (gErrorVariant == 'A' || gErrorVariant == 'V') {
        if (FormsOf(i, 5, forms) >= 1) {
            TextCopy(second, forms[0]);
            gErrorExtent = static_cast<u16>(gErrorExtent + 256);
        }
        return;
    }
    if (gErrorExtent >= 256 && gErrorExtent != kNoCorrection) return;
    static StringList candidates;
    if (candidates.valid == 0) InitByteMatrix(candidates, 20, 36);
    WordRecord& w = gWords[i];
    Work36 savedText;
    TextCopy(savedText.s, w.WordText);
    const u8 c = w.ReadingClasses[0], f = w.ReadingFeatures[0], cat = w.ReadingCategories[0], m = w.ReadingMarks[0];
    const u16 savedRule = gLastRule;
    const i16 savedPos = gLastErrorPos;
    const u16 n = FindVerbCandidatesForParticiple(static_cast<i16>(i), w.WordText, candidates);
    for (u16 k = 0; k < n && k < 3; ++k) {
        Work36 word;
        CopyTaggedWord(candidates[k], word.s);
        TextCopy(w.WordText, word.s);
        if (FormsOf(i, 6, forms) >= 1) {
            Work36 form;
            TextCopy(form.s, forms[0]);
            TextCopy(w.WordText, savedText.s);
            ApplyWordCase(i, form.s);
            ApplyWordQuotes(i, form.s);
            ApplyWordLigature(i, form.s);
            TextCopy(second, form.s);
            gErrorExtent = static_cast<u16>(gErrorExtent + 257);
            break;
        }
    }
    TextCopy(w.WordText, savedText.s);
    w.ReadingClasses[0] = c;
    w.ReadingFeatures[0] = f;
    w.ReadingCategories[0] = cat;
    w.ReadingMarks[0] = m;
    gLastRule = savedRule;
    gLastErrorPos = savedPos;
    if (gErrorExtent == kNoCorrection) gErrorExtent = 0;
}

}  // namespace

bool EnglishBaseForm(i32 k, BoundedString& out) {
    const u8 model = ModelOf(k);
    const u8 current = CurrentSlot(k);
    TextCopy(out, gWords[k].WordText);
    if (current == 0) return true;
    CutEnd(out, EndingCut(model, current));
    Work36 ending;
    SlotEnding(model, 0, ending.s);
    if (TextLen(ending.s) == 0 || TextAt(ending.s, 0) == '0') return false;
    AppendEnding(out, ending.s);
    return true;
}

bool RunConjugationStage(BoundedString& first, BoundedString& second, u16 rule, i32 i,
                         const BoundedString& text, u8 model, u8 current, u8 target) {
    Stage st;
    if (!PrepareModel(st, model)) {
        gErrorExtent = kNoCorrection;
        return false;
    }
    if (rule == kCodeRegister && French()) {
        if (target == 51 && WordClass(i - 1) == 'U') target = 6;
        else if (target == 55 && WordClass(i - 1) == 'Y') target = 7;
        else target = MapSlot(target, 0);
    }
    Work36 stem, ending;
    current = SlotOfVerbTagCode(current);
    CutStem(st, text, current, stem.s);
    if (rule == kCodePairedSubjectVerb) {
        if (gErrorVariant == 'A') target = 0;
        else if (target < 12) target = static_cast<u8>(target + 24);
        else if (target < 18) target = static_cast<u8>(target + 18);
    } else if (rule == kCodeSubjectVerbAgreement) {
        if (gErrorVariant == 'A') target = static_cast<u8>((gErrorExtent & 0xFF) + 1);
        else if (gErrorVariant == 'V') target = 0;
        else if (gErrorVariant == 'F' || gErrorVariant == 'E') {
            st.model = gErrorVariant == 'F' ? 16 : 17;
            TextClear(stem.s);
            target = current;
        }
    }
    if (!TargetEnding(st, stem.s, target, ending.s)) {
        gErrorExtent = kNoCorrection;
        return false;
    }
    CedillaRule(st, stem.s, ending.s);
    AppendEnding(stem.s, ending.s);
    ApplyWordLigature(i, stem.s);
    if (!Accept(i, stem.s)) {
        gErrorExtent = kNoCorrection;
        return false;
    }
    if (rule == kCodeHomophone) {
        ApplyWordCase(i, stem.s);
        ApplyWordQuotes(i, stem.s);
        TextCopy(first, stem.s);
        return true;
    }
    gCaseMode = gWords[i].WordCaseMode;
    if (TextLen(gWords[i].WordText) == 1 && gCaseMode < 3 && i > 0 && gWords[i - 1].WordCaseMode > 2)
        gCaseMode = static_cast<u16>(gCaseMode + 2);
    if (gCaseMode > 0) ApplyCapitalization(stem.s);
    ApplyWordQuotes(i, stem.s);
    if (!JoinUnderLimit(first, stem.s, 1)) return false;
    if (French() && gAnalysisMode == 0 && rule != kCodeRegister) SecondFromForms(first, second, i);
    return true;
}

void ComposeVerbText(BoundedString& first, BoundedString& second, u16 rule, i32 i) {
    switch (TraitsOf(rule).recipe) {
        case CorrectionRecipe::kParticiple: ParticipleRules(first, rule, i); return;
        case CorrectionRecipe::kMood:
            if (French()) FrenchMoodText(first, i);
            else EnglishMoodText(first, i);
            return;
        case CorrectionRecipe::kSubjectVerb:
            if (WordCategory(i) != 14) return;
            if (French()) FrenchSubjectVerbText(first, second, rule, i);
            else EnglishSubjectVerbText(first, i);
            return;
        case CorrectionRecipe::kSynonym: RegisterSynonymText(first, second, i); return;
        default: return;
    }
}
