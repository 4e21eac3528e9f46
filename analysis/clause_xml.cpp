// The clause-structure writer of the sentence documents.
#include "analysis/clause_xml.h"

#include "analysis/word_description.h"
#include "analysis/xml_output.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/token_base_form.h"

namespace {

constexpr u16 kNone = 0xFFFF;

// Function codes the writer reads and sets.
enum : u16 {
    kPint = 25, kImper = 38, kAuxil = 48, kCop = 67, kPct = 69, kCod = 70, kCoi = 71, kCni = 73,
    kVactif = 74, kSuj = 75, kRep = 79, kSubimpl = 80, kVpron = 81, kVpass = 82, kVint = 83, kProgr = 93,
};

struct Writer {
    StringList alt, form, main, synonyms;
    i16 depth = 0;
    i32 pending = -1;  // clause of the relative waiting for its place
};

// ---- Tables ---------------------------------------------------------------

u16 Words() { return gWordCount; }
u16 Clauses() { return gRewriteSegmentCount; }
const WordRecord& W(i32 x) { return gWords.ClampedAt(x); }
u16 Fc(i32 x) { return W(x).FunctionCode; }
u8 Cls(i32 x) { return W(x).ReadingClasses[0]; }
u8 Cat(i32 x) { return W(x).ReadingCategories[0]; }
const SegmentRecord& Clause(i32 i) { return gRewriteSegments.ClampedAt(i); }
// First word of clause i; past the last clause, the end of the sentence.
i32 ClauseFirst(i32 i) { return i < static_cast<i32>(Clauses()) ? Clause(i).FirstWord : Words(); }
i32 ClauseLast(i32 i) { return Clause(i).LastWord; }
const SegmentRecord& Group(i32 g) { return gSegments.ClampedAt(g); }
i32 GroupFirst(i32 g) { return g < static_cast<i32>(gSegmentCount) ? Group(g).FirstWord : Words(); }
i32 GroupLast(i32 g) { return Group(g).LastWord; }
u8 GroupKind(i32 g) { return g < static_cast<i32>(gSegmentCount) ? Group(g).SegmentKind : 0; }
// The group holding word x: the last one whose first word is not after x.
i32 GroupOf(i32 x) {
    i32 g = 0;
    for (i32 k = 0; k < static_cast<i32>(gSegmentCount); ++k)
        if (Group(k).FirstWord <= x) g = k;
    return g;
}
bool IsObjectPronoun(i32 x) { return x >= 0 && Cat(x) == 2; }

// ---- Writing primitives ---------------------------------------------------

const char* Indent(i32 k) {
    static const char kBlanks[] = "                                ";
    if (k < 0) k = 0;
    if (k > 16) k = 16;
    return kBlanks + (sizeof kBlanks - 1) - 2 * static_cast<u32>(k);
}
void Line(i32 k) { AppendXmlOutput("\n%s", Indent(k)); }
void Text(const BoundedString& s) { AppendXmlOutput("%s", reinterpret_cast<const char*>(s.data)); }

void Word(Writer& wr, i32 x, i32 k) {
    WordDescription d{wr.alt, wr.form, wr.main, wr.synonyms};
    DescribeWordAnalysis(0, static_cast<u16>(x), d);
    Line(k);
    Text(wr.main[2]);
}

// " word" for each word from a while below b, escaped.
void WordList(i32 a, i32 b) {
    for (i32 x = a; x < b && x < static_cast<i32>(Words()); ++x) {
        AppendXmlOutput(" ");
        AppendXmlOutputEscaped(W(x).WordText);
    }
}

void Open(Writer& wr, const char* tag) {
    Line(wr.depth);
    AppendXmlOutput("<%s>", tag);
    ++wr.depth;
}
void Close(Writer& wr, const char* tag) {
    Line(wr.depth - 1);
    AppendXmlOutput("</%s>", tag);
    --wr.depth;
}

void Liecplts(const Writer& wr, i32 x) {
    Line(wr.depth);
    AppendXmlOutput("<COC role=\"liecplts\" fc=\"");
    AppendXmlOutputEscaped(W(x).WordText);
    AppendXmlOutput("\">");
    AppendXmlOutputEscaped(W(x).WordText);
    AppendXmlOutput("</COC>");
}

void Prp() { AppendXmlOutput("%s", MR("<PRP nbr=\"0\" gen=\"0\" prs=\"3\" temps=\"0\" rolegram=\"0\" fc=\"à\">à</PRP>")); }

// A coordination that leaves the P element: "agregverb" or "agregsuj" over
// the words of the group holding x.
void Aggregate(const char* role, const char* space, i32 x) {
    const i32 g = GroupOf(x);
    AppendXmlOutput("\n</P>\n%s<COC role=\"%s\"%s>", Indent(1), role, space);
    WordList(GroupFirst(g), GroupLast(g) + 1);
    AppendXmlOutput("</COC>\n<P>");
}

// ---- Complement walk ------------------------------------------------------

bool ComplementKind(u8 k) { return k == 23 || k == 10 || k == 11 || k == 12 || k == 13; }

// x is a coordinating conjunction followed by a conjugated verb (directly,
// or after a word of class 22 or category 18).
bool CoordinatesVerbs(i32 x) {
    const i32 n = Words();
    if (x + 1 < n && Cls(x + 1) > 127 && Cat(x + 1) == 14) return true;
    return x + 2 < n && (Cls(x + 1) == 22 || Cat(x + 1) == 18) && Cls(x + 2) > 127 && Cat(x + 2) == 14;
}

// Closes the group element the complement walk left open, if any.
void CloseOpened(Writer& wr, const char*& opened) {
    if (opened == nullptr) return;
    Close(wr, opened);
    opened = nullptr;
}

// The groups of the words from `from` while below `end`, after a verb or a
// participle of clause i. A group element is closed after its group's last
// word, and also wherever the walk leaves the group before that word (a
// punctuation word, a coordination, the clause's end): the element never
// stays open past the walk.
void ComplementWalk(Writer& wr, i32 i, i32 from, i32 end) {
    const char* opened = nullptr;
    for (i32 x = from; x < end && x < static_cast<i32>(Words()); ++x) {
        if (Fc(x) == kPct || Fc(ClauseLast(i)) == kVpass) continue;
        const i32 g = GroupOf(x);
        const u8 k = GroupKind(g);
        if (!ComplementKind(k) && !(k == 16 && x == GroupLast(g))) continue;
        if (k == 16) {
            CloseOpened(wr, opened);
            if (CoordinatesVerbs(x)) return;
            if (x == static_cast<i32>(Words()) - 2 || (Cls(x + 1) != 22 && Cat(x + 1) != 14)) {
                Liecplts(wr, x);
                wr.depth = 2;
                continue;
            }
        }
        if (x == GroupFirst(g)) {
            CloseOpened(wr, opened);
            wr.depth = 3;
            opened = Cat(x) == 15 || Cat(x) == 9 ? "GP" : "GN";
            Open(wr, opened);
        }
        Word(wr, x, wr.depth);
        if (x + 1 == GroupFirst(g + 1)) CloseOpened(wr, opened);
    }
    CloseOpened(wr, opened);
}

// The subject walk's run of groups from word `from` to `last` (inclusive):
// GNs over groups of kind 23, 13, 12 or 10. False when a group of kind 24,
// or one ending in a word of category 64 or more, stopped it.
bool SubjectRun(Writer& wr, i32 from, i32 last, i32 clauseEnd) {
    bool open = false, stopped = false;
    for (i32 x = from; x <= last && x < static_cast<i32>(Words()); ++x) {
        if (Cls(x) == 22) continue;
        const i32 g = GroupOf(x);
        const u8 k = GroupKind(g);
        if (k == 24 || Cat(GroupLast(g)) >= 64) {
            stopped = true;
            break;
        }
        if (k == 16 && GroupFirst(g) < clauseEnd && GroupKind(g + 1) == 23) {
            if (open) Close(wr, "GN");
            open = false;
            Liecplts(wr, x);
            continue;
        }
        if (k != 23 && k != 13 && k != 12 && k != 10) continue;
        if (x == GroupFirst(g)) {
            if (open) Close(wr, "GN");
            Open(wr, "GN");
            open = true;
        }
        Word(wr, x, wr.depth);
        if (open && x == GroupLast(g) && GroupKind(g + 1) == 16) {
            Close(wr, "GN");
            open = false;
        }
    }
    if (open) Close(wr, "GN");
    return !stopped;
}

// ---- Trailing rules -------------------------------------------------------

bool SameLevel(i32 a, i32 b) { return Clause(a).Link == Clause(b).Link; }
bool IndirectRelative(i32 c, i32 sameAs) {
    return c >= 0 && SameLevel(c, sameAs) && Clause(c).SegmentKind == 23 && Fc(ClauseLast(c)) == kCoi;
}

void TrailingRules(Writer& wr, i32 i, i32 w, i32 S) {
    i32 mark = 0;
    if (IndirectRelative(S - 1, S)) mark = 1;
    else if (i > 0 && IndirectRelative(i - 1, i)) mark = 2;
    if (mark != 0 && S - mark >= 0) {
        const i32 c = S - mark;
        gWords[ClauseLast(c)].FunctionCode = kCni;
        ComplementWalk(wr, i, ClauseFirst(c), ClauseLast(c) + 1);
    }
    if (i > 0 && Clause(i - 1).SegmentKind == 23 && Fc(w) == kVpass && W(ClauseLast(i - 1)).LinkedWord == w) {
        const i32 g = GroupOf(ClauseLast(i - 1));
        Open(wr, "GN");
        for (i32 x = GroupFirst(g); x <= GroupLast(g); ++x) Word(wr, x, wr.depth);
        Close(wr, "GN");
        if (!SubjectRun(wr, GroupFirst(g + 1), ClauseFirst(i) - 1, ClauseFirst(i))) return;
    }
    // Both bounds of each leading group come from the group table.
    if (mark == 0 && gSegmentCount > 0 && GroupKind(0) == 23 && W(GroupLast(0)).LinkedWord == w) {
        for (i32 g = 0; g < static_cast<i32>(gSegmentCount) && GroupKind(g) == 23; ++g) {
            Open(wr, "GN");
            for (i32 x = GroupFirst(g); x <= GroupLast(g); ++x) Word(wr, x, wr.depth);
            Close(wr, "GN");
        }
    }
}

// ---- Verb clauses ---------------------------------------------------------

void SubjectGroup(Writer& wr, i32 i, i32 S, i32 s) {
    AppendXmlOutput("\n%s<SN>", Indent(1));
    const i32 g = GroupOf(s);
    if (wr.pending >= 0 && W(ClauseLast(i)).LinkedWord == wr.pending) {
        const i32 antecedent = W(ClauseLast(wr.pending)).LinkedWord;
        AppendXmlOutput("\n%s<PR role=\"subrelat\" ranglien=\"%d\" motlien=\"", Indent(1), antecedent);
        AppendXmlOutputEscaped(W(antecedent).WordText);
        AppendXmlOutput("\">");
        AppendXmlOutputEscaped(W(ClauseFirst(wr.pending)).WordText);
        AppendXmlOutput("</PR>");
        wr.pending = -1;
    } else {
        for (i32 x = GroupFirst(g); x <= GroupLast(g); ++x)
            if (Cls(x) != 22 && Cat(x) != 15 && Cat(x) != 9 && Fc(x) != kRep && Fc(x) != kPint) Word(wr, x, 2);
    }
    wr.depth = 3;
    SubjectRun(wr, GroupFirst(g + 1), ClauseLast(S), ClauseFirst(S + 1));
    AppendXmlOutput("\n%s</SN>", Indent(1));
}

void Auxiliary(Writer& wr, i32 w, i32 g) {
    auto pas = [](i32 x) { return TextEquals(W(x).WordText, "pas") || TextEquals(W(x).WordText, "not"); };
    if (g > 0 && Fc(GroupFirst(g - 1)) == kAuxil) Word(wr, GroupFirst(g - 1), 2);
    else if (w > 1 && Fc(w - 2) == kAuxil && (IsObjectPronoun(w - 1) || pas(w - 1))) Word(wr, w - 2, 2);
    else if (w >= 3 && Fc(w - 3) == kAuxil && (IsObjectPronoun(w - 2) || pas(w - 2)) && IsObjectPronoun(w - 1))
        Word(wr, w - 3, 2);
}

void ObjectPronouns(Writer& wr, i32 w, i32 g) {
    if (gCheckingLanguage == 0 || !IsObjectPronoun(w - 1)) return;
    if (IsObjectPronoun(w - 2) && Fc(w - 2) == kCod) {
        Word(wr, w - 2, 3);
        Line(3);
        Prp();
        Word(wr, w - 1, 3);
    } else if (IsObjectPronoun(w - 2) && Fc(w - 2) == kCoi) {
        Word(wr, w - 1, 3);
        Line(3);
        Prp();
        Word(wr, w - 2, 3);
    } else if (Fc(w - 1) == kCod) {
        Word(wr, w - 1, 3);
    } else {
        const i32 last = GroupLast(g);
        const bool lastGroup = g + 1 >= static_cast<i32>(gSegmentCount);
        const bool noPrp = Fc(last) == kVpron || (Cls(last) >= 192 && (lastGroup || Fc(GroupLast(g + 1)) != kCod));
        if (!noPrp) {
            Line(2);
            Prp();
        }
        Word(wr, w - 1, 3);
    }
}

void InterrogativeWord(Writer& wr, i32 i) {
    WordRecord& first = gWords[0];
    GetTokenBaseForm(0, first.BaseText);
    Line(3);
    const u8 state = Clause(i).State;
    const char* open = nullptr;
    const char* close = nullptr;
    if (state == 129) {
        AppendXmlOutput("<PINT nbr=\"0\" gen=\"0\" prs=\"3\" temps=\"0\" rolegram=\"cod\" fc=\"quoi\">que</PINT>");
    } else if (state == 130) {
        open = "<PINT nbr=\"0\" gen=\"0\" prs=\"3\" temps=\"0\" rolegram=\"cod\" fc=\"";
        close = "</PINT>";
    } else if (state == 131) {
        open = "<ADV nbr=\"0\" gen=\"0\" prs=\"0\" temps=\"0\" rolegram=\"cav\" fc=\"";
        close = "</ADV>";
    } else if (state == 132) {
        const SegmentRecord& s = Group(0);
        AppendXmlOutput("<DET nbr=\"%s\" gen=\"%s\" prs=\"3\" temps=\"0\" rolegram=\"att\" fc=\"",
                        s.Number == 1 ? "sg" : s.Number == 2 ? "pl" : "O",
                        s.Gender == 1 ? "m" : s.Gender == 2 ? "f" : "O");
        close = "</DET>";
    } else if (state == 128) {
        AppendXmlOutput("<GN>");
        for (i32 x = ClauseFirst(i); x <= ClauseLast(i); ++x) Word(wr, x, 4);
        Line(3);
        AppendXmlOutput("</GN>\n");
    }
    if (open != nullptr) AppendXmlOutput("%s", open);
    if (close == nullptr) return;
    AppendXmlOutputEscaped(first.BaseText);
    AppendXmlOutput("\">");
    AppendXmlOutputEscaped(first.WordText);
    AppendXmlOutput("%s", close);
}

// A pending relative standing for an object: the antecedent's group.
bool PendingObject(Writer& wr) {
    if (wr.pending < 0) return false;
    const SegmentRecord& p = Clause(wr.pending);
    const bool repLast = Fc(ClauseLast(wr.pending)) == kRep;
    if (!(p.SegmentKind == 22 || (p.SegmentKind == 23 && repLast))) return false;
    const i32 a = GroupOf(W(ClauseFirst(wr.pending)).LinkedWord);
    const bool preposition = Cat(GroupFirst(a)) == 15;
    const u16 role = preposition ? kCoi : kCod;
    gWords[GroupLast(a)].FunctionCode = role;
    Line(3);
    AppendXmlOutput("<GN>");
    wr.depth = 4;
    for (i32 x = GroupFirst(a); x <= GroupLast(a); ++x) {
        if (Cat(x) == 15 && !repLast) continue;
        if (Fc(x) == kSuj) gWords[x].FunctionCode = role;
        Word(wr, x, 4);
    }
    Line(3);
    AppendXmlOutput("</GN>");
    wr.pending = -1;
    return true;
}

void VerbGroup(Writer& wr, i32 i, i32 w, i32 S) {
    AppendXmlOutput("\n%s<SV>", Indent(1));
    const i32 g = GroupOf(w);
    if (Fc(w) == kVint && Clause(i).Link == 0 && Group(g).State == 127) gWords[w].FunctionCode = kCop;
    Auxiliary(wr, w, g);
    for (i32 x = GroupFirst(g); x <= GroupLast(g); ++x)
        if (Cls(x) != 22) Word(wr, x, 2);
    wr.depth = 3;
    ObjectPronouns(wr, w, g);
    if (Fc(w) == kVint && Clause(i).Link == 0 && Clause(i).State > 127) InterrogativeWord(wr, i);
    wr.depth = PendingObject(wr) ? 4 : 3;
    ComplementWalk(wr, i, GroupFirst(g + 1), ClauseFirst(i + 1));
    TrailingRules(wr, i, w, S);
    AppendXmlOutput("\n%s</SV>", Indent(1));
}

bool IsVerbFunction(u16 f) {
    return f == kVactif || f == kCop || f == kVpron || f == kVpass || f == kVint || f == kImper || f == kProgr;
}

// The subject clause a verb is linked to holds its subject: when none of
// its words carries the subject's role (a name the analysis read as an
// epithet, say), its last word, the group's head, takes it.
void MarkSubjectHead(i32 S) {
    if (Clause(S).SegmentKind != 24) return;
    const i32 end = ClauseFirst(S + 1) < static_cast<i32>(Words()) ? ClauseFirst(S + 1) : Words();
    for (i32 s = ClauseFirst(S); s < end; ++s)
        if (Fc(s) == kSuj || Fc(s) == kRep) return;
    const i32 head = ClauseLast(S);
    if (head < end && Cat(head) != 16 && Cat(head) != 21) gWords[head].FunctionCode = kSuj;
}

// True when clause e is a subject that no verb clause is linked to.
bool FreeSubject(i32 e) {
    if (Clause(e).SegmentKind != 24) return false;
    for (i32 k = 0; k < static_cast<i32>(Clauses()); ++k)
        if (Clause(k).SegmentKind == 14 && W(ClauseLast(k)).LinkedWord == e) return false;
    return true;
}

// The nearest free subject clause of clause i's level from i in one
// direction (step -1 or 1), up to the next verb clause; Clauses() when none.
i32 NearestFreeSubject(i32 i, i32 step) {
    for (i32 e = i + step; e >= 0 && e < static_cast<i32>(Clauses()); e += step) {
        if (Clause(e).Link != Clause(i).Link) continue;
        if (Clause(e).SegmentKind == 14) break;
        if (FreeSubject(e)) return e;
    }
    return Clauses();
}

// The subject clause of verb clause i: the clause its last word is linked
// to, when that holds a subject (or is the clause itself). The rewriter
// leaves no link when its subject search stops at a verb that disagrees
// with its subject ("Ils mange"), and a fronted-attribute reading leaves
// the link of its own segment count; the words stay, and the nearest free
// subject clause of the level, before the verb or else after it, is the
// verb's. Clauses() when there is none.
i32 SubjectClause(i32 i) {
    const i32 S = W(ClauseLast(i)).LinkedWord;
    if (S == i) return S;
    if (S < static_cast<i32>(Clauses())) {
        if (Clause(S).SegmentKind == 24) return S;
        for (i32 s = ClauseFirst(S); s < ClauseFirst(S + 1) && s < static_cast<i32>(Words()); ++s)
            if (Fc(s) == kSuj || Fc(s) == kRep) return S;
    }
    const i32 before = NearestFreeSubject(i, -1);
    return before < static_cast<i32>(Clauses()) ? before : NearestFreeSubject(i, 1);
}

void VerbClause(Writer& wr, i32 i) {
    const i32 n = Words();
    for (i32 w = ClauseFirst(i); w < ClauseFirst(i + 1) && w < n; ++w) {
        if (!IsVerbFunction(Fc(w))) {
            if (Cat(w) == 16 && w + 1 < n && (Cat(w + 1) == 14 || CoordinatesVerbs(w))) Aggregate("agregverb", " ", w);
            continue;
        }
        const i32 S = SubjectClause(i);
        // An imperative, or a verb without a subject clause: the verb group
        // alone, its words kept.
        if (Fc(w) == kImper || (i == 0 && Fc(0) == kImper) || S >= static_cast<i32>(Clauses())) {
            VerbGroup(wr, i, w, i);
            continue;
        }
        MarkSubjectHead(S);
        bool written = false;
        for (i32 s = ClauseFirst(S); s < ClauseFirst(S + 1) && s < n; ++s) {
            if (Cat(s) == 16 && (s == 0 || Cat(s - 1) != 16)) {
                if (GroupKind(GroupOf(s) + 1) == 24) Aggregate("agregsuj", "", s);
            } else if (Cat(s) != 21 && (Fc(s) == kSuj || Fc(s) == kRep || (Cat(s) >= 64 && wr.pending >= 0))) {
                if (Cat(s) >= 64 && Fc(s) != kSuj && Fc(s) != kRep) gWords[s].FunctionCode = kSuj;
                SubjectGroup(wr, i, S, s);
                VerbGroup(wr, i, w, S);
                written = true;
            }
            if (S == i && Fc(ClauseLast(i)) != kVpass) break;
        }
        // A subject clause without a subject word still leaves the verb.
        if (!written) VerbGroup(wr, i, w, i);
    }
}

// ---- Clauses --------------------------------------------------------------

void ImplicitSubordination(Writer& wr, i32 i) {
    i32 g = 0;
    while (g < static_cast<i32>(gSegmentCount) && GroupFirst(g) <= ClauseFirst(i)) ++g;
    const i32 subject = GroupLast(g - 2);
    gWords[subject].FunctionCode = kSuj;
    AppendXmlOutput("\n%s<SN>", Indent(1));
    Word(wr, subject, 2);
    AppendXmlOutput("\n%s</SN>", Indent(1));
    AppendXmlOutput("\n%s<SV>", Indent(1));
    wr.depth = 2;
    Word(wr, ClauseLast(i), 2);
    // No trailing rule follows: the clause has no subject clause of its own.
    ComplementWalk(wr, i, GroupFirst(g), ClauseFirst(i + 1));
    AppendXmlOutput("\n%s</SV>", Indent(1));
}

void WriteClause(Writer& wr, i32 i) {
    const SegmentRecord& c = Clause(i);
    const u8 kind = c.SegmentKind;
    if (kind == 17) {
        AppendXmlOutput("\n<COS role=\"subconj\">");
        WordList(c.FirstWord, ClauseFirst(i + 1));
        AppendXmlOutput("</COS>");
    } else if (kind == 22 && static_cast<i16>(Fc(c.FirstWord)) >= 0) {
        wr.pending = i;
    } else if ((kind == 23 || kind == 24) && Fc(c.LastWord) == kRep) {
        wr.pending = i;
    } else if (kind == 16 && TextEquals(W(c.FirstWord).WordText, "REECRITURE")) {
        WordDescription d{wr.alt, wr.form, wr.main, wr.synonyms};
        DescribeWordAnalysis(0, c.FirstWord, d);
        AppendXmlOutput("\n%s", Indent(1));
        Text(wr.main[2]);
    } else if ((kind == 12 || kind == 13) && Fc(c.LastWord) == kSubimpl) {
        ImplicitSubordination(wr, i);
    } else if (kind == 14) {
        VerbClause(wr, i);
    }
}

}  // namespace

u16 CountClauseLevels() {
    u16 levels = Clauses() != 0 ? 1 : 0;
    for (i32 i = 0; i < static_cast<i32>(Clauses()); ++i) {
        const u8 level = Clause(i).Link;
        if (level != 0 && level > levels - 1) ++levels;
    }
    return levels;
}

void WriteClauseStructureXml(char* buffer, u32 capacity) {
    gXmlOutput.buffer = buffer;
    gXmlOutput.capacity = capacity;
    Writer wr;
    InitByteMatrix(wr.alt, 6, 120);
    InitByteMatrix(wr.form, 12, 120);
    InitByteMatrix(wr.main, 3, kWordDescriptionBytes);
    InitByteMatrix(wr.synonyms, 10, 1000);
    const u16 mode = gAnalysisMode;
    gAnalysisMode = 1;  // the descriptions carry the word elements
    const u16 levels = CountClauseLevels();
    AppendXmlOutput("\n <!-- la phrase a %d niveau(x) de proposition -->", levels);
    for (u16 level = 0; level < levels; ++level) {
        AppendXmlOutput("\n<P>");
        for (i32 i = 0; i < static_cast<i32>(Clauses()); ++i)
            if (Clause(i).Link == level) WriteClause(wr, i);
        AppendXmlOutput("\n</P>");
    }
    gAnalysisMode = mode;
}
