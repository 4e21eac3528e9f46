// The relation text export and its group writer.
#include "analysis/relation_text.h"

#include <cstring>

#include "analysis/relation_model.h"
#include "analysis/relation_records.h"
#include "analysis/xml_output.h"
#include "checking/paragraph.h"
#include "checking/recorders.h"
#include "checking/sentence_check.h"
#include "checking/tokenizer.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "krzlib.h"
#include "morphology/correction_finishing.h"
#include "morphology/token_base_form.h"

namespace {

constexpr u32 kMaxSegments = 128;
constexpr u32 kNoOffset = 0xFFFFFFFF;

const WordRecord& W(i32 x) { return gWords.ClampedAt(x); }
u16 Fc(i32 x) { return W(x).FunctionCode; }
u8 Cat(i32 x) { return W(x).ReadingCategories[0]; }
SegmentRecord& Seg(i32 s) { return gSegments.ClampedAt(s); }
i32 Count() { return static_cast<i32>(gSegmentCount); }
u8 Kind(i32 s) { return s < Count() ? Seg(s).SegmentKind : 0; }
i32 Head(i32 s) { return Seg(s).LastWord; }
const char* Str(const BoundedString& s) { return reinterpret_cast<const char*>(s.data); }

// ---- Segment normalisation ---------------------------------------------------

// Removes the n segments after s (their words fall into s).
void RemoveAfter(i32 s, i32 n) {
    for (i32 k = s + 1; k + n < Count(); ++k) {
        SegmentRecord& to = Seg(k);
        const SegmentRecord& from = Seg(k + n);
        to.Gender = from.Gender;
        to.Number = from.Number;
        to.Person = from.Person;
        to.SegmentKind = from.SegmentKind;
        to.FirstWord = from.FirstWord;
        to.LastWord = from.LastWord;
    }
    gSegmentCount = static_cast<u16>(Count() - n);
}

void JoinVerbChains() {
    for (i32 s = 0; s + 1 < Count(); ++s) {
        const u8 k = Kind(s);
        if (!(k == 14 || k == 12 || k == 11 || (k == 13 && Fc(Seg(s).FirstWord) != 75))) continue;
        i32 n = 0;
        for (i32 j = s + 1; j < Count(); ++j) {
            const bool verb = Kind(j) >= 11 && Kind(j) <= 14;
            if (!verb && !(Cat(Head(j)) == 2 && Kind(j + 1) == 13)) break;
            ++n;
        }
        if (n == 0) continue;
        const bool preposition = Cat(Seg(s + n).FirstWord) == 15;
        RemoveAfter(s, n);
        Seg(s).LastWord = static_cast<u8>(Seg(s).LastWord + n + (preposition ? 1 : 0));
    }
}

void JoinAgentComplements() {
    for (i32 s = 0; s < Count(); ++s) {
        if (Kind(s) != 24 && Kind(s) != 23) continue;
        i32 n = 0;
        while (s + n + 1 < Count() - 1 && Kind(s + n + 1) == 23 && Fc(Head(s + n + 1)) == 84) ++n;
        if (n == 0) continue;
        const i32 last = s + n, after = s + n + 1;
        if (after < Count() && W(Head(after)).LinkedWord == Head(last))
            gWords[Head(after)].LinkedWord = static_cast<u16>(Head(s));
        if (Kind(s) == 24) gWords[Head(s)].LinkedWord = static_cast<u16>(W(Head(last)).LinkedWord - n);
        RemoveAfter(s, n);
        if (s + 1 < Count() && Kind(s + 1) == 24 && Cat(Head(s + 1)) == 5) --gWords[Head(s + 1)].LinkedWord;
    }
}

bool Determiner(i32 x) { return Cat(x) == 7 || Cat(x) == 8 || Cat(x) == 9; }

// Splits noun group s at a determiner after a conjunction or comma: the
// group before, the conjunction, the group from the determiner. False
// when nothing splits (or the table has no room for two more groups).
bool SplitCoordination(i32 s) {
    const i32 first = Seg(s).FirstWord, end = GroupEnd(s);
    for (i32 x = first + 1; x <= end; ++x) {
        const u8 before = Cat(x - 1);
        if (!Determiner(x) || !(before == 16 || before == 21 || W(x - 1).ReadingClasses[0] == '*')) continue;
        if (static_cast<u32>(Count()) + 2 > kMaxSegments) return false;
        i32 c = x - 1;
        while (c > first && W(c).ReadingClasses[0] == '*') --c;
        for (i32 k = Count() - 1; k > s; --k) Seg(k + 2) = Seg(k);
        gSegmentCount = static_cast<u16>(Count() + 2);
        SegmentRecord conjunction{};
        conjunction.SegmentKind = 16;
        conjunction.FirstWord = conjunction.LastWord = static_cast<u8>(c);
        SegmentRecord group = Seg(s);
        group.FirstWord = static_cast<u8>(x);
        group.LastWord = static_cast<u8>(end);
        for (i32 y = x; y <= end; ++y)
            if (W(y).ReadingClasses[0] == 'A') {
                group.LastWord = static_cast<u8>(y);
                break;
            }
        Seg(s + 1) = conjunction;
        Seg(s + 2) = group;
        if (Head(s) >= c) Seg(s).LastWord = static_cast<u8>(c > first ? c - 1 : first);
        for (i32 k = s + 3; k < Count(); ++k)
            if (Kind(k) == 24) {
                gWords[Head(k)].LinkedWord = static_cast<u16>(W(Head(k)).LinkedWord + 2);
                break;
            }
        return true;
    }
    return false;
}

void JoinCoordinations() {
    for (i32 s = 0; s < Count(); ++s) {
        if (Kind(s) != 24 && Kind(s) != 23) continue;
        if (SplitCoordination(s)) continue;
        if (s < 2 || !Determiner(Seg(s).FirstWord) || (Kind(s - 1) != 21 && Kind(s - 1) != 16)) continue;
        if ((Kind(s - 2) != 23 && Kind(s - 2) != 24) || Fc(Head(s - 2)) != Fc(Head(s))) continue;
        const u8 f = W(Head(s - 2)).ReadingFeatures[0];
        Seg(s - 2).Number = static_cast<u8>((f & 15) / 4);
        Seg(s - 2).Gender = static_cast<u8>(f >> 4);
        gWords[Head(s)].LinkedWord = W(Head(s - 2)).LinkedWord;
    }
}

// ---- Group lines -----------------------------------------------------------

struct KindText {
    const char* marker;  // null: none
    const char* text;    // null: no text
    bool letters;        // takes the number and gender letters
    bool giver;          // takes the head ("donneur") index
};

KindText NounGroupText(i32 s) {
    const i32 h = Head(s);
    switch (Fc(h)) {
        case 70: return {">>", "GNominal cod %c %c - donneur en %d :", true, true};
        case 71: return {"@", "GNominal coi %c %c - donneur en %d :", true, true};
        case 72: return {">", "GNominal cdn %c %c - donneur en %d :", true, true};
        case 73:
        case 75: return {nullptr, "GNominal cpt %c %c - donneur en %d :", true, true};
        case 77: return {"=", "GAttribut %c %c - donneur en %d :", true, true};
        case 79:
            if (Cat(h) == 5) return {nullptr, "Pronom relatif - donneur en %d :", false, true};
            return {nullptr, nullptr, false, false};
        case 85: return {nullptr, "GNominal adv %c %c - donneur en %d :", true, true};
        default: return {nullptr, nullptr, false, false};
    }
}

KindText GroupText(i32 s) {
    const i32 first = Seg(s).FirstWord;
    const u8 mark = W(first).ReadingMarks[0] & 0x7F;
    switch (Kind(s)) {
        case 14:
            if (mark == 16 && Fc(first + 1) == 81) return {"[", "GVerbal pronominal:", false, false};
            if ((mark == 16 && Fc(first + 1) == 82) || ((W(first + 1).ReadingMarks[0] & 0x7F) == 16 && Fc(first + 2) == 82))
                return {"[", "GVerbal passif :", false, false};
            return {"[", "GVerbal actif :", false, false};
        case 24:
            if (W(first).GroupMark == 84) return {nullptr, "PrInterrogatif :", false, false};
            if (Cat(first) == 5) return {nullptr, "PrRelatif %c %c :", true, false};
            if (Cat(first) == 1) return {nullptr, "PrPersonnel suj %c %c :", true, false};
            return {"#", "GNominal suj %c %c - donneur en %d :", true, true};
        case 26: return {nullptr, MR("PrPersonnel réfléchi :"), false, false};
        case 23:
            if (Cat(first) == 2) return {nullptr, "PrPersonnel cpt %c %c :", true, false};
            return NounGroupText(s);
        case 13: return {nullptr, MR("GVerbal à l'infinitif :"), false, false};
        case 12: return {nullptr, MR("GVerbal au participe présent :"), false, false};
        case 17:
        case 22: return {nullptr, "ConjSubordination :", false, false};
        case 16: return {nullptr, "ConjCoordination :", false, false};
        case 10:
            switch (Fc(first)) {
                case 77: return {"=", "GAttribut %c %c - donneur en %d :", true, true};
                case 76: return {nullptr, MR("GEpithète %c %c - donneur en %d :"), true, true};
                case 82: return {nullptr, "Forme verbale passive :", false, false};
                case 81: return {nullptr, "Forme verbale pronominale :", false, false};
                case 83: return {nullptr, " Forme verbale interrogative :", false, false};
                case 74: return {nullptr, nullptr, false, false};
                default: return {nullptr, "GNominal xxx ? :", false, false};
            }
        case 21: return {nullptr, "Virgule :", false, false};
        default: return {nullptr, nullptr, false, false};
    }
}

void WriteGroupLines(const TextOut& out) {
    ResetRelationModel();
    for (i32 s = 0; s < Count(); ++s) {
        const SegmentRecord& g = Seg(s);
        const char number = g.Number == 1 ? 'S' : g.Number == 2 ? 'P' : '0';
        const char gender = g.Gender == 1 ? 'M' : g.Gender == 2 ? 'F' : '0';
        AppendToBuffer(out.buffer, out.capacity, "Gr %d : ", s);
        const KindText t = GroupText(s);
        if (t.marker != nullptr) RecordRelationMarker(static_cast<u16>(s), t.marker);
        if (t.text != nullptr) {
            if (t.letters && t.giver) AppendToBuffer(out.buffer, out.capacity, t.text, number, gender, g.LastWord);
            else if (t.letters) AppendToBuffer(out.buffer, out.capacity, t.text, number, gender);
            else if (t.giver) AppendToBuffer(out.buffer, out.capacity, t.text, g.LastWord);
            else AppendToBuffer(out.buffer, out.capacity, "%s", t.text);
        }
        for (i32 x = g.FirstWord; x <= GroupEnd(s); ++x) AppendToBuffer(out.buffer, out.capacity, " %s", Str(W(x).BaseText));
        AppendToBuffer(out.buffer, out.capacity, "\n");
    }
}

// ---- Relation-marker lines -----------------------------------------------------

constexpr u32 kLineBytes = 2000;

void AddWords(char* line, i32 s) {
    for (i32 x = Seg(s).FirstWord; x <= GroupEnd(s); ++x) AppendToBuffer(line, kLineBytes, "%s ", Str(W(x).WordText));
}

// The noun complements ("> ") and other complements ("- ") after group u.
void AddComplements(char* line, i32 u) {
    i32 k = u + 1;
    for (; k < Count() && Kind(k) == 23 && Fc(Head(k)) == 72 && W(Head(k)).LinkedWord == Head(k - 1); ++k) {
        AppendToBuffer(line, kLineBytes, "> ");
        AddWords(line, k);
    }
    for (; k < Count() && Kind(k) == 23 && Fc(Head(k)) == 73; ++k) {
        AppendToBuffer(line, kLineBytes, "- ");
        AddWords(line, k);
    }
}

const char* ComplementMarker(u16 fc) {
    switch (fc) {
        case 70: return ">> ";
        case 71: return "@ ";
        case 73: return "- ";
        case 77: return "= ";
        case 85: return "~ ";
        default: return "";
    }
}

void WriteLine(const TextOut& out, const char* line) { AppendToBuffer(out.buffer, out.capacity, "%s\n", line); }

void VerbPart(const TextOut& out, char* a, char* b, i32 s, i32 v, i32 subject) {
    const bool french = gCheckingLanguage != 0;
    AppendToBuffer(a, kLineBytes, "[ ");
    if (!french) AppendToBuffer(a, kLineBytes, "to ");
    for (i32 x = Seg(s).FirstWord; x <= GroupEnd(s); ++x) {
        const u8 cls = W(x).ReadingClasses[0];
        const bool auxiliary = french ? cls == 128 : cls == 242;
        if (auxiliary && Fc(x) != 82) continue;
        AppendToBuffer(a, kLineBytes, "%s ", Str(Fc(x) == 82 ? W(x).WordText : W(x).BaseText));
    }
    AppendToBuffer(a, kLineBytes, "] ");
    if (s + 1 >= Count()) return WriteLine(out, a);
    i32 k = s + 1;
    for (; k < Count(); ++k) {
        const u16 f = Fc(Head(k));
        if (f != 71 && f != 73 && f != 85) break;
        AppendToBuffer(a, kLineBytes, "%s", ComplementMarker(f));
        AddWords(a, k);
    }
    if (W(Head(k)).LinkedWord != v && Fc(Head(k)) != 77) return WriteLine(out, a);
    for (i32 c = k; c < Count(); ++c) {
        const WordRecord& h = W(Head(c));
        const bool object = h.LinkedWord == v && (h.FunctionCode == 70 || h.FunctionCode == 71 || h.FunctionCode == 73);
        const bool attribute = h.FunctionCode == 77 && h.LinkedWord == subject && W(v).ReadingMarks[0] >= 128;
        if (!object && !attribute) continue;
        std::memcpy(b, a, kLineBytes);
        AppendToBuffer(b, kLineBytes, "%s", ComplementMarker(h.FunctionCode));
        AddWords(b, c);
        AddComplements(b, c);
        WriteLine(out, b);
    }
}

void WriteMarkerLines(const TextOut& out) {
    static char a[kLineBytes], b[kLineBytes];
    a[0] = b[0] = 0;
    const bool french = gCheckingLanguage != 0;
    for (i32 s = 0; s < Count(); ++s) {
        if (Kind(s) != 14 && Kind(s) != 13 && Kind(s) != 12) continue;
        i32 v = Head(s);
        const bool auxiliary = french ? W(v).ReadingClasses[0] == 128 : W(v).ReadingMarks[0] == '&';
        if (auxiliary && Cat(v + 1) == 11) ++v;
        if (Fc(v) == 38) {
            a[0] = 0;
            VerbPart(out, a, b, s, v, -1);
            continue;
        }
        if (Fc(v) == 83) continue;
        for (i32 t = 0; t < Count(); ++t) {
            if ((Kind(t) != 24 && Kind(t) != 13) || W(Head(t)).LinkedWord != s) continue;
            if (Kind(s) == 14 || (s > 0 && Kind(s - 1) != 14 && Kind(s) >= 11 && Kind(s) <= 13)) a[0] = b[0] = 0;
            const i32 u = Cat(Seg(t).FirstWord) == 5 && t > 0 ? t - 1 : t;
            AppendToBuffer(a, kLineBytes, "# ");
            AddWords(a, u);
            AddComplements(a, u);
            VerbPart(out, a, b, s, v, t);
        }
    }
}

// ---- One sentence -----------------------------------------------------------

void SetCategoryCodes() {
    for (i32 i = 0; i < static_cast<i32>(gWordCount); ++i) {
        WordRecord& w = gWords[i];
        w.GroupMark = static_cast<u8>(GetTokenBaseForm(static_cast<i16>(i), w.BaseText));
        if (w.FirstLigaturePos != 0xFFFF) ApplyLigatureSpelling(w.BaseText, w.LigatureMode);
        if (w.WordCaseMode > 0 && (w.GroupMark == 22 || w.GroupMark == 23)) ApplyCapitalization(w.BaseText);
    }
}

}  // namespace

i32 GroupEnd(i32 s) {
    if (s + 1 < Count()) return Seg(s + 1).FirstWord - 1;
    return static_cast<i32>(gWordCount) - 1;
}

void WriteGroupAnalysis(const TextOut* outs, u16* recordCounter) {
    SetCategoryCodes();
    WriteWordRecords(outs[0].buffer, outs[0].capacity, recordCounter);
    JoinVerbChains();
    JoinAgentComplements();
    JoinCoordinations();
    WriteGroupLines(outs[1]);
    static char model[4096];
    model[0] = 0;
    WriteRelationModel(model, sizeof model);
    WriteMarkerLines(outs[2]);
    AppendToBuffer(outs[3].buffer, outs[3].capacity, "%s", model);
}

namespace {

struct RelationRun {
    const TextOut* outs;
    u16* counter;
    u16 checkOption;
};

void RenderRelations(const RelationRun& run, ParagraphWalk& w, u32 first, u32 last) {
    gHitHistoryCount = 0;
    CheckSentence(w.copy, 1, 1, run.checkOption, 1, AccountAnalysisError, nullptr, 0, 0, 0, 1);
    const TextOut& t = run.outs[3];
    AppendToBuffer(t.buffer, t.capacity, "t: ");
    // An empty paragraph has no sentence text to copy.
    if (first != kNoOffset && t.buffer != nullptr) {
        const u32 used = static_cast<u32>(strnlen(t.buffer, t.capacity));
        const u32 n = last - first + 1;
        if (n + 2 <= t.capacity - used) {
            std::memcpy(t.buffer + used, w.copy.data + first, n);
            t.buffer[used + n] = '\n';
            t.buffer[used + n + 1] = 0;
        }
    }
    WriteGroupAnalysis(run.outs, run.counter);
}

void RunRelations(const char* text, const RelationRun& run) {
    ParagraphWalk w;
    OpenParagraphWalk(w, text, 0, 1, false);
    const u32 length = static_cast<u32>(w.textLength);
    u32 scan = 0, sentenceStart = 0, first = kNoOffset, last = 0;
    while (sentenceStart <= length) {
        i32 tf = 0, tl = 0;
        w.position = scan;
        const u16 r = ReadWalkToken(w, tf, tl);
        if (r == kNoWalkToken) break;
        if (first == kNoOffset) first = static_cast<u32>(tf);
        if (r != kTokenStartsSentence) {
            if (w.token.data[0] != 13) last = static_cast<u32>(tl);
            scan = static_cast<u32>(tl) + 1;
            gCurrentOffset = scan;
            continue;
        }
        const bool stuck = gCurrentOffset <= sentenceStart && gWordCount == 0;
        RenderRelations(run, w, first, last);
        first = kNoOffset;
        ResetSentenceState();
        if (stuck) break;
        scan = sentenceStart = gCurrentOffset;
    }
    if (sentenceStart <= length) RenderRelations(run, w, first, last);
    ResetSentenceState();
}

}  // namespace

extern "C" KRZ_API void KRZUMLSentenceAnalysis(const char* text, uint32_t checkOption, uint16_t bufferCount,
                                               char** buffers, const uint32_t* bufferSizes, uint16_t* recordCounter) {
    ApplyCallOptions();
    if (buffers == nullptr || bufferSizes == nullptr) return;
    for (u16 k = 0; k < bufferCount; ++k)
        if (buffers[k] != nullptr && bufferSizes[k] > 0) buffers[k][0] = 0;
    if (bufferCount < 4 || text == nullptr || recordCounter == nullptr) return;
    TextOut outs[4];
    for (u16 k = 0; k < 4; ++k) outs[k] = TextOut{buffers[k], bufferSizes[k]};
    try {
        RunRelations(text, RelationRun{outs, recordCounter, static_cast<u16>(checkOption)});
    } catch (...) {
        ResetSentenceState();
    }
    for (u16 k = 0; k < bufferCount; ++k)
        if (buffers[k] != nullptr && bufferSizes[k] > 0) ConvertOutputFromMacRoman(buffers[k]);
}
