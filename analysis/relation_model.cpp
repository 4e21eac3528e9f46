// The relation model of a sentence and its text.
#include "analysis/relation_model.h"

#include <cstring>

#include "analysis/relation_text.h"
#include "analysis/xml_output.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "inflection/word_exports.h"

namespace {

constexpr u16 kNamed = 65534;  // a relation or verb group named by its text
constexpr u16 kMany = 999;

struct Name {
    char text[36] = {};
};
struct ClassEntry {
    u16 segment;
    Name name;
};
struct AttributeEntry {
    Name owner, attribute;
};
struct VerbEntry {
    u16 segment, kind;
    Name name;
};
struct SubjectEntry {
    u16 segment, maximum;
};
struct Frame {
    u16 firstSubject = 0, lastSubject = 0, firstVerb = 0, lastVerb = 0;
    u16 firstComplement = kNoSegment, lastComplement = kNoSegment;
};
struct Relation {
    u16 from, to, fromMax, toMin, toMax, kind;
    Name name;
};

struct Model {
    BoundedArray<ClassEntry> classes;
    BoundedArray<AttributeEntry> attributes;
    BoundedArray<VerbEntry> verbs;
    BoundedArray<SubjectEntry> subjects;
    BoundedArray<Frame> frames;
    BoundedArray<Relation> relations;
    u32 classCount = 0, attributeCount = 0, verbCount = 0, subjectCount = 0, frameCount = 0, relationCount = 0;
    bool pending = false;
    Model() {
        classes.Allocate(kMaxClasses);
        attributes.Allocate(kMaxAttributes);
        verbs.Allocate(kMaxVerbGroups);
        subjects.Allocate(kMaxSubjects);
        frames.Allocate(kMaxVerbGroups + 1);
        relations.Allocate(kMaxRelations);
    }
};

Model& M() {
    static Model model;
    return model;
}
Frame& CurrentFrame() { return M().frames.ClampedAt(static_cast<i32>(M().frameCount) - 1); }

void SetName(Name& n, const char* text) {
    std::strncpy(n.text, text, sizeof n.text - 1);
    n.text[sizeof n.text - 1] = 0;
}
void SetName(Name& n, const BoundedString& s) { SetName(n, reinterpret_cast<const char*>(s.data)); }

const WordRecord& W(i32 x) { return gWords.ClampedAt(x); }
u16 Code(i32 x) { return W(x).GroupMark; }
const SegmentRecord& Seg(i32 s) { return gSegments.ClampedAt(s); }
i32 Head(i32 s) { return Seg(s).LastWord; }
bool Plural(i32 s) { return s != kNoSegment && Seg(s).Number == 2; }
const char* Str(const BoundedString& s) { return reinterpret_cast<const char*>(s.data); }

// Code 1 read as a verb form of category 10 counts as 63.
u16 ModelCode(i32 x) {
    const WordRecord& w = W(x);
    if (Code(x) == 1 && w.ReadingCategories[0] == 10 && w.ReadingClasses[0] > 127) return 63;
    return Code(x);
}
bool ContentCode(u16 c) { return c == 1 || (c >= 10 && c <= 13) || (c >= 21 && c <= 24) || c == 63; }

const BoundedString& FirstResult(u16 tense, const BoundedString& word, i32 wanted) {
    static StringList results;
    if (results.count == 0) InitByteMatrix(results, 6, 36);
    i16 count = 0;
    u16 flags = 0;
    ConjugateCore(tense, word, count, results, flags, 0, gCheckingLanguage);
    return count > wanted ? results[wanted] : word;
}

}  // namespace

// ---- Base forms -------------------------------------------------------------

namespace {
const BoundedString& Kept(const BoundedString& form) {
    static BoundedString kept;
    if (kept.valid == 0) kept.Allocate(36);
    TextCopy(kept, form);
    return kept;
}
}  // namespace

const BoundedString& InfinitiveForOutput(const BoundedString& w) { return Kept(FirstResult(1, w, 0)); }
const BoundedString& SecondConjugateFormForOutput(const BoundedString& w) { return Kept(FirstResult(2, w, 2)); }
const BoundedString& SingularForOutput(const BoundedString& w) {
    static StringList results;
    if (results.count == 0) InitByteMatrix(results, 2, 36);
    i16 count = 0;
    const u16 r = SingularCore(w, count, results, 0, gCheckingLanguage);
    return Kept(r == 38 || count < 1 ? w : results[0]);
}

// ---- Model ----------------------------------------------------------------

void ResetRelationModel() {
    if (gCheckingLanguage == 0) return;
    Model& m = M();
    m.classCount = m.attributeCount = m.verbCount = m.subjectCount = m.relationCount = 0;
    m.frameCount = 1;
    m.pending = false;
    m.frames[0] = Frame{};
}

namespace {

void AddAttribute(const BoundedString& owner, const BoundedString& attribute) {
    Model& m = M();
    if (m.attributeCount >= kMaxAttributes) return;
    AttributeEntry& a = m.attributes[static_cast<i32>(m.attributeCount++)];
    SetName(a.owner, owner);
    SetName(a.attribute, attribute);
}

void AddRelation(u16 from, u16 fromMax, u16 kind, const char* name, u16 to, u16 toMax) {
    Model& m = M();
    if (m.relationCount >= kMaxRelations) return;
    Relation& r = m.relations[static_cast<i32>(m.relationCount++)];
    r = Relation{from, to, fromMax, 1, toMax, kind, {}};
    SetName(r.name, name);
}

bool IsLoneEtre(i32 s) {
    return GroupEnd(s) == Seg(s).FirstWord && TextEquals(W(Seg(s).FirstWord).BaseText, MR("être"));
}

void RecordClass(u16 s) {
    Model& m = M();
    if (m.classCount >= kMaxClasses) return;
    const u16 c = ModelCode(Head(s));
    if (!(c == 1 || c == 63 || c == 10 || c == 11 || c == 13 || (c >= 21 && c <= 24))) return;
    ClassEntry& e = m.classes[static_cast<i32>(m.classCount++)];
    e.segment = s;
    SetName(e.name, W(Head(s)).BaseText);
    for (i32 x = Seg(s).FirstWord; x <= GroupEnd(s); ++x) {
        if (x == Head(s)) continue;
        const u16 wc = ModelCode(x);
        if (wc == 12) AddAttribute(W(Head(s)).BaseText, W(x).BaseText);
        else if (wc == 63) AddAttribute(W(Head(s)).BaseText, InfinitiveForOutput(W(x).BaseText));
    }
}

// "=" beside a lone "être": the attributes of the frame's subjects. True
// when the frame has such a verb group.
bool RecordAttributes(u16 s, bool& gave) {
    Model& m = M();
    const Frame& f = CurrentFrame();
    bool lone = false;
    for (u32 v = f.firstVerb; v < m.verbCount; ++v) lone = lone || m.verbs[static_cast<i32>(v)].kind == kNamed;
    if (!lone) return false;
    for (i32 x = Seg(s).FirstWord; x <= GroupEnd(s); ++x) {
        const u16 c = ModelCode(x);
        const bool verbForm = W(x).ReadingCategories[0] == 10 && W(x).ReadingClasses[0] >= 128;
        if (c != 12 && c != 63 && !verbForm) continue;
        for (u32 k = f.firstSubject; k < m.subjectCount; ++k) {
            const BoundedString& owner = W(Head(m.subjects[static_cast<i32>(k)].segment)).BaseText;
            AddAttribute(owner, c == 12 ? W(x).BaseText : InfinitiveForOutput(W(x).BaseText));
            gave = true;
        }
    }
    return true;
}

bool HasContentWord(i32 s);

void RecordComplement(u16 s) {
    Model& m = M();
    if (m.relationCount >= kMaxRelations) return;
    i32 p = static_cast<i32>(s) - 1;
    while (p >= 0 && !HasContentWord(p)) --p;
    const u16 from = p >= 0 ? static_cast<u16>(p) : kNoSegment;
    const u16 fromMax = Plural(from) ? kMany : 1;
    const u16 toMax = Plural(s) ? kMany : 1;
    const i32 w = Seg(s).FirstWord;
    const BoundedString& b = W(w).BaseText;
    const bool de = TextEquals(b, "de") || TextEquals(b, "d'");
    if (de && GroupEnd(s) > w && Code(w + 1) != 2 && Code(w + 1) != 7)
        AddRelation(from, fromMax, kNamed, MR("est-composé-de"), s, toMax);
    else if (!de && !TextEquals(b, "du"))
        AddRelation(from, fromMax, kNamed, Str(b), s, toMax);
    else
        AddRelation(s, toMax, kNamed, MR("est-composé-de"), from, fromMax);
}

bool HasContentWord(i32 s) {
    for (i32 x = Seg(s).FirstWord; x <= GroupEnd(s); ++x)
        if (ContentCode(Code(x))) return true;
    for (i32 x = Seg(s).FirstWord; x <= GroupEnd(s); ++x) {
        const u16 c = Code(x);
        if (c == 2 || c == 3 || c == 4 || c == 6) return true;
    }
    return false;
}

}  // namespace

void RecordRelationMarker(u16 s, const char* marker) {
    if (gCheckingLanguage == 0) return;
    Model& m = M();
    const auto is = [marker](const char* t) { return std::strcmp(marker, t) == 0; };
    if (is("#") || is("@") || is(">>") || is("=") || is(">")) RecordClass(s);
    if (m.pending && (is("#") || is("["))) {
        Frame& f = m.frames.ClampedAt(static_cast<i32>(m.frameCount));
        if (m.frameCount < m.frames.count) ++m.frameCount;
        f = Frame{};
        f.firstSubject = f.lastSubject = static_cast<u16>(m.subjectCount);
        f.firstVerb = f.lastVerb = static_cast<u16>(m.verbCount);
        m.pending = false;
    }
    Frame& f = CurrentFrame();
    if (is("#")) {
        if (m.subjectCount < kMaxSubjects) {
            m.subjects[static_cast<i32>(m.subjectCount)] = SubjectEntry{s, static_cast<u16>(Plural(s) ? kMany : 1)};
            f.lastSubject = static_cast<u16>(m.subjectCount++);
        }
        return;
    }
    if (is("[")) {
        if (m.verbCount < kMaxVerbGroups) {
            VerbEntry& v = m.verbs[static_cast<i32>(m.verbCount++)];
            v.segment = s;
            v.kind = IsLoneEtre(s) ? kNamed : s;
            SetName(v.name, v.kind == kNamed ? "est-un" : "");
        }
        f.lastVerb = static_cast<u16>(m.verbCount);
        return;
    }
    if (is(">>") || is("@")) {
        if (f.firstComplement == kNoSegment) f.firstComplement = s;
        f.lastComplement = s;
    } else if (is(">")) {
        if (f.firstComplement != kNoSegment && s == f.lastComplement + 1) f.lastComplement = s;
    }
    bool gave = false;
    // An "=" that gives no attribute goes on as a complement, even beside
    // a lone "être" ("le chat est un animal").
    if (is("=") && RecordAttributes(s, gave) && gave) return;
    if (is(">>") || is("@") || is("=")) {
        m.pending = true;
        for (u32 k = f.firstSubject; k < m.subjectCount; ++k)
            for (u32 v = f.firstVerb; v < m.verbCount; ++v) {
                const SubjectEntry& subject = m.subjects[static_cast<i32>(k)];
                const VerbEntry& verb = m.verbs[static_cast<i32>(v)];
                AddRelation(subject.segment, subject.maximum, verb.kind, verb.name.text, s, Plural(s) ? kMany : 1);
            }
        return;
    }
    if (is(">")) RecordComplement(s);
}

// ---- Model text -----------------------------------------------------------

void AppendSegmentWords(u16 first, u16 last, char* buffer, u32 capacity) {
    if (first == kNoSegment || last == kNoSegment) return;
    for (i32 s = first; s <= last && s < static_cast<i32>(gSegmentCount); ++s)
        for (i32 x = Seg(s).FirstWord; x <= GroupEnd(s); ++x) AppendToBuffer(buffer, capacity, "%s ", Str(W(x).SeparatorText));
    if (buffer == nullptr || capacity == 0) return;
    size_t n = strnlen(buffer, capacity);
    while (n > 0) {
        const u8 c = static_cast<u8>(buffer[n - 1]);
        if (c == '(' || c == ')' || c == '-') break;
        if (!((c >= 32 && c <= 47) || (c >= 58 && c <= 64))) break;
        buffer[--n] = 0;
    }
}

namespace {

void WriteClassName(u16 s, char* buffer, u32 capacity) {
    if (s == kNoSegment) {
        AppendToBuffer(buffer, capacity, "??? ");
        return;
    }
    const i32 last = GroupEnd(s);
    bool any = false;
    for (i32 x = Seg(s).FirstWord; x <= last; ++x) {
        const u16 c = ModelCode(x);
        if (!ContentCode(c)) continue;
        any = true;
        const BoundedString& text = c == 1 ? InfinitiveForOutput(W(x).BaseText) : SingularForOutput(W(x).SeparatorText);
        AppendToBuffer(buffer, capacity, x == last ? "%s" : "%s ", Str(text));
    }
    if (any) return;
    for (i32 x = Seg(s).FirstWord; x <= last; ++x) {
        const u16 c = Code(x);
        if (c == 2 || c == 3 || c == 4 || c == 6) AppendToBuffer(buffer, capacity, x == last ? "%s" : "%s ", Str(W(x).BaseText));
    }
}

bool Auxiliary(i32 x) { return TextEquals(W(x).BaseText, MR("être")) || TextEquals(W(x).BaseText, "avoir"); }

void WriteRelationName(u16 v, char* buffer, u32 capacity) {
    const i32 first = Seg(v).FirstWord, last = GroupEnd(v);
    i32 p = first;
    if (Auxiliary(p))
        while (p < last && Auxiliary(p + 1)) ++p;
    AppendToBuffer(buffer, capacity, "%s", Str(SecondConjugateFormForOutput(W(p).BaseText)));
    if (p == last) return;
    i32 q = p + 1;
    if (Auxiliary(p)) {
        q = p + 1;
        while (q <= last && Code(q) != 1) ++q;
        if (q <= last) AppendToBuffer(buffer, capacity, "-%s", Str(InfinitiveForOutput(W(q).BaseText)));
    }
    if (TextEquals(W(p).BaseText, MR("être")) && TextEquals(W(q - 1).BaseText, "composer")) {
        AppendToBuffer(buffer, capacity, "-%s", "de");
        return;
    }
    for (i32 x = q; x <= last; ++x) AppendToBuffer(buffer, capacity, "-%s", Str(W(x).BaseText));
}

// The verb words of a verb group: from the first full verb on, the
// auxiliaries left out; the first one after `lead`. False when none.
bool WriteVerbWords(u16 s, const char* lead, char* buffer, u32 capacity) {
    bool started = false;
    for (i32 x = Seg(s).FirstWord; x <= GroupEnd(s); ++x) {
        const WordRecord& w = W(x);
        const bool auxiliary = Code(x) == 1 && w.ReadingClasses[0] == 128;
        if (!started) {
            if (Code(x) != 1 || auxiliary || (w.ReadingCategories[0] == 10 && w.ReadingClasses[0] > 127)) continue;
            AppendToBuffer(buffer, capacity, "%s", lead);
            started = true;
        }
        if (!auxiliary) AppendToBuffer(buffer, capacity, "%s ", Str(w.BaseText));
    }
    return started;
}

void ReplaceCommas(char* buffer, u32 capacity, size_t from) {
    const size_t n = strnlen(buffer, capacity);
    for (size_t k = from; k < n; ++k)
        if (buffer[k] == ',') buffer[k] = ' ';
}

}  // namespace

u16 WriteRelationModel(char* buffer, u32 capacity) {
    if (gCheckingLanguage == 0) return 0;
    Model& m = M();
    for (u32 k = 0; k < m.relationCount; ++k) {
        const Relation& r = m.relations[static_cast<i32>(k)];
        if (r.kind == kNoSegment || r.to == kNoSegment) continue;
        const bool isA = r.kind == kNamed && std::strcmp(r.name.text, "est-un") == 0;
        AppendToBuffer(buffer, capacity, "%s", isA ? "h: " : "r: ");
        WriteClassName(r.from, buffer, capacity);
        AppendToBuffer(buffer, capacity, " ");
        if (r.kind == kNamed) AppendToBuffer(buffer, capacity, "%s", r.name.text);
        else WriteRelationName(r.kind, buffer, capacity);
        AppendToBuffer(buffer, capacity, " ");
        if (!isA) {
            AppendToBuffer(buffer, capacity, "(%d..", r.toMin);
            if (r.toMax == kMany) AppendToBuffer(buffer, capacity, "n) ");
            else AppendToBuffer(buffer, capacity, "%d) ", r.toMax);
        }
        WriteClassName(r.to, buffer, capacity);
        AppendToBuffer(buffer, capacity, "\n");
    }
    for (u32 fi = 0; fi < m.frameCount; ++fi) {
        const Frame& f = m.frames[static_cast<i32>(fi)];
        for (u32 v = f.firstVerb; v < m.verbCount && v < f.lastVerb; ++v) {
            const u16 s = m.verbs[static_cast<i32>(v)].segment;
            if (IsLoneEtre(s)) continue;
            if (!WriteVerbWords(s, "f: ", buffer, capacity)) continue;
            AppendSegmentWords(f.firstComplement, f.lastComplement, buffer, capacity);
            AppendToBuffer(buffer, capacity, "\n");
        }
    }
    for (u32 fi = 0; fi < m.frameCount; ++fi) {
        const Frame& f = m.frames[static_cast<i32>(fi)];
        for (u32 v = f.firstVerb; v < m.verbCount && v < f.lastVerb; ++v)
            for (u32 k = f.firstSubject; k <= f.lastSubject && k < m.subjectCount; ++k) {
                const u16 s = m.verbs[static_cast<i32>(v)].segment;
                if (!WriteVerbWords(s, "o: ", buffer, capacity)) continue;
                size_t from = strnlen(buffer, capacity);
                AppendSegmentWords(f.firstComplement, f.lastComplement, buffer, capacity);
                ReplaceCommas(buffer, capacity, from);
                AppendToBuffer(buffer, capacity, ", ");
                from = strnlen(buffer, capacity);
                WriteClassName(m.subjects[static_cast<i32>(k)].segment, buffer, capacity);
                ReplaceCommas(buffer, capacity, from);
                AppendToBuffer(buffer, capacity, "\n");
            }
    }
    for (u32 c = 0; c < m.classCount; ++c) {
        const ClassEntry& e = m.classes[static_cast<i32>(c)];
        bool related = false;
        for (u32 k = 0; k < m.relationCount; ++k)
            related = related || m.relations[static_cast<i32>(k)].from == e.segment ||
                      m.relations[static_cast<i32>(k)].to == e.segment;
        if (!related) AppendToBuffer(buffer, capacity, "c: %s\n", e.name.text);
    }
    for (u32 a = 0; a < m.attributeCount; ++a) {
        const AttributeEntry& e = m.attributes[static_cast<i32>(a)];
        AppendToBuffer(buffer, capacity, "a: %s=oui/non, %s\n", e.attribute.text, e.owner.text);
    }
    return m.relationCount > 0 ? 1 : 0;
}
