// The verb segments of an English sentence: a verb form after another verb
// (46, 47), a bare infinitive after an object, the search for the subject
// before the verb (or after it, in questions and verb-first sentences),
// the subject and verb links, and their agreement in person and number
// (44).
#include "rules/english/english_clause_call.h"
#include "rules/english/english_clause_stages.h"
#include "rules/english/english_verb_patterns.h"

namespace english {

using namespace rules;
using namespace clause;

namespace {

constexpr u16 kActiveVerb = 74;
constexpr u16 kSubject = 75;
constexpr u16 kInterrogative = 83;

// What the subject search of one verb segment k keeps.
struct Search {
    i32 k = 0;
    i32 v = 0;           // the verb segment's first word
    bool coord = false;  // the verb follows a conjunction (a second predicate)
    bool relative = false;
    i32 clauses = 0;
    i32 clean = 0;       // subject-like records outside inner clauses
    u16 detail = 3;
    u8 variant = 0;      // 'X' for a modal written with -s
};

enum class Verdict : u8 { kOk, kMismatch, kReport };

bool Even(i32 n) { return n % 2 == 0; }

// A record headed by an object pronoun, a "you" or a "we", or of kind 26.
bool PronounRecord(i32 j) {
    const i32 f = First(j);
    return Kind(j) == 26 || Cat(f) == 2 || Cls(f) == 'X' || Cls(f) == 92;
}

bool RelativeSubject(i32 j) { return Kind(j) == 24 && RelativeHead(j); }

void TestBefore(Search& s, i32 j) {
    const i32 k = s.k;
    if (Kind(j) == 16 || (Kind(j) == 21 && (k == N() - 1 || Kind(k + 1) == 16))) s.coord = true;
    if (RelativeSubject(j)) s.relative = true;
}

void StartFlags(Search& s) {
    const i32 k = s.k, v = s.v;
    s.coord = Kind(k - 1) == 16 || (Kind(k - 1) == 21 && k != N() - 1 && Kind(k + 1) == 16) ||
              (Count() > 1 && Kind(k - 1) == 21 && Kind(k - 2) == 14 && Feat(v) < 48 &&
               Feat(v) % 6 == Feat(First(k - 2)) % 6);
    s.relative = Kind(k - 1) == 24 && RelativeNotWhat(k - 1);
    if (k > 1 && PronounRecord(k - 1)) TestBefore(s, k - 2);
    if (k > 2 && PronounRecord(k - 2) && Cat(First(k - 1)) == 2) TestBefore(s, k - 3);
    if (k > 3 && Kind(k - 3) == 21 && Kind(k - 2) == 23 && Kind(k - 1) == 21 && RelativeSubject(k - 4))
        s.relative = true;
}

// Brackets and dashes between the word after j's first word and v.
i32 Parentheses(i32 j, i32 v) {
    i32 n = 0;
    for (i32 w = First(j) + 1; w <= v; ++w) {
        const u8 c = Letter(w, 0);
        if (c == '(' || c == ')' || (c == '-' && Letter(w - 1, 0) != '-')) ++n;
    }
    return n;
}

bool ClauseBoundary(i32 j) {
    const i32 f = First(j);
    return (Kind(j) == 14 && Seg(j).State != 2 && Feat(f) != 12) || Kind(j) == 17 || Kind(j) == 22 ||
           RelativeNotWhat(j) || PrepositionRelative(j);
}

bool Accepted(const Search& s, i32 j, i32 paren) {
    const SegmentRecord& r = Seg(j);
    const i32 f = First(j);
    if (Even(paren) && s.relative && (r.SegmentKind == 24 || (r.SegmentKind == 23 && Cat(f) != 2 && r.State != 4)))
        return true;
    if (r.SegmentKind == 24 && ((Even(s.clauses) && Even(paren) && !RelativeNotWhat(j)) || s.coord) &&
        (r.State != 2 || j == s.k - 1))
        return true;
    if (s.coord && Feat(f) == 12) return true;
    // The noun phrase "whose" opens is the subject of its clause ("men who
    // were tall and whose sons were kind").
    if (s.clauses == 0 && r.SegmentKind == 23 && j > 0 && Last(j - 1) == f - 1 && Is(f - 1, "whose")) return true;
    // A subject pronoun is the subject of its clause also where the
    // linking pass made its record kind 23 ("the steps which he had
    // lowered").
    return Cat(f) == 1 && Even(s.clauses) && Even(paren) && r.State != 2;
}

// The tests that make a candidate report 44 though it was not confirmed
// (or not accepted); never for one between brackets or dashes, which the
// search passes over ("he (they) goes").
bool ReportAnyway(const Search& s, i32 j, i32 paren) {
    const i32 f = First(j);
    if (!Even(paren)) return false;
    if (s.clauses == 0 && Cat(f) == 1) return true;
    if (Kind(j) == 17 && Begins(f, "qu") && !s.coord && s.clean != 0) return true;
    // A clause opened by "what" is itself a noun phrase and the subject of
    // the verb after it ("I know what they want is money").
    if (Is(f, "what") || Is(f, "whatever")) return false;
    return !s.relative && !Even(s.clauses) && RelativeHead(j) && !s.coord && Kind(j) == 24;
}

// A form of "be": its model, or "were", which our data files among the
// closed-class words without the model of "be".
bool Were(i32 v) { return Begins(v, "were") || (v == 0 && Begins(v, "Were")); }
bool BeForm(i32 v) { return Mark(v) == '%' || Mark(v) == 165 || Were(v); }

// "were" with a singular subject is a subjunctive after "if", "had" (and,
// beyond the conditional, after "wish", "though", "whether", "unless").
bool SubjunctiveBefore(i32 v) {
    static const char* const kWords[] = {"if", "had", "wish", "though", "whether", "unless", nullptr};
    for (i32 i = 0; i < v; ++i)
        if (IsOneOf(i, kWords)) return true;
    return false;
}

// "ain't", read as "are not", stands for every person and number ("I
// ain't", "she ain't"): it agrees with any subject.
bool WrittenAint(i32 v) {
    const BoundedString& t = W(v).SeparatorText;
    return GetStringLength(t) == 5 && (t.data[0] | 0x20) == 'a' && (t.data[1] | 0x20) == 'i' &&
           (t.data[2] | 0x20) == 'n' && (t.data[4] | 0x20) == 't';
}

// "be" against its subject (person p, number n).
Verdict AgreeBe(Search& s, u8 p, u8 n) {
    const i32 v = s.v;
    const u8 f = Feat(v);
    if (WrittenAint(v)) return Verdict::kOk;
    auto mismatch = [&s](u16 d) {
        s.detail = d;
        return Verdict::kMismatch;
    };
    if (f == 12) return Verdict::kOk;
    if (Were(v)) {
        if (SubjunctiveBefore(v) || n != 1 || v == 0) return Verdict::kOk;
        if (!Is(v - 1, "it")) return mismatch(2);
        return v < 2 || Is(v - 2, "as") ? Verdict::kOk : mismatch(2);
    }
    switch (f) {
        case 3: return n != 2 ? Verdict::kOk : mismatch(p == 2 ? 3 : 2);
        case 6:
            Seg(s.k).Person = 1;
            if (n == 1) return p == 1 ? Verdict::kOk : mismatch(1);
            return mismatch(p == 1 ? 2 : 3);
        case 10: return n != 1 || p == 2 ? Verdict::kOk : mismatch(2);
        case 1:
            if (n == 2) return mismatch(p == 3 ? 2 : 3);
            return p != 3 ? mismatch(1) : Verdict::kOk;
        default: return Verdict::kMismatch;
    }
}

// A base form our data cannot tell from a past: the models whose base
// serves as past ("burst", "knit", "read"), and the verb forms filed
// without a model ("cannot").
bool BaseMayBePast(i32 v) {
    const u8 m = Model(v);
    return m == 20 || m == 36 || m == 27;
}

// A base before "not" is taken for a modal use ("he need not"), and "do
// not" or "have not" written out after a singular subject for the old
// subjunctive ("if he do not come"); "he don't", "he haven't" are no
// standard English. The two words of a
// contraction share the span of what was written.
bool NotWrittenApart(i32 v) { return Is(v + 1, "not") && W(v + 1).StartOffset != W(v).StartOffset; }

// A feature byte above 15 other than 24 is read (and kept) by its low
// four bits.
u8 ReducedFeatures(i32 v) {
    u8& f = W(v).ReadingFeatures[0];
    if (f > 15 && f != 24) f = static_cast<u8>(f & 15);
    return f;
}

// The clause of the subject hangs on a word of demand or need, right
// before it or before its "that": a base form there is the mandative
// subjunctive ("I suggested she sell it", "insisting that he leave", "it
// is vital that he go").
bool MandativeClause(i32 subject) {
    static const char* const kStems[] = {"suggest", "insist", "demand", "recommend", "requir",  "propos",
                                         "request", "urg",    "advis",  "essential", "vital",  "important",
                                         "necessary", "imperative", nullptr};
    i32 w = First(subject) - 1;
    if (w >= 1 && Is(w, "that")) --w;
    if (w < 0) return false;
    for (const char* const* stem = kStems; *stem != nullptr; ++stem)
        if (Begins(w, *stem)) return true;
    return false;
}

// A word with a capital initial right after another inside the sentence
// is part of a name ("the Nobel Peace Prize ceremony", "at Haven House"),
// not a verb.
bool InsideName(i32 v) {
    auto capital = [](i32 i) { return W(i).WordCaseMode == 1 || W(i).WordCaseMode == 2; };
    // The sentence's first word has its capital anyway: it counts as a
    // name's only when it reads as a noun ("Arrow Key ...", not "He Go").
    if (v >= 1 && capital(v) && capital(v - 1) && (v >= 2 || Cat(0) == 10)) return true;
    // A capital initial after a lower-case word names a thing, a label or
    // a command ("call it Quit"): English writes no verb so.
    const u8 c = Letter(v - 1, 0);
    return v >= 2 && capital(v) && c >= 'a' && c <= 'z';
}

// Any other verb against its subject s.
Verdict AgreeVerb(Search& s, i32 subject, u8 p, u8 n) {
    const i32 v = s.v;
    const u8 f = ReducedFeatures(v);
    const u8 m = Mark(v);
    if (Seg(s.k).Person == 7 || f == 3 || f == 24 || f == 12) return Verdict::kOk;
    if (f == 0) {
        if (Between(m, 28, 33) || (m == '$' && Is(v + 1, "not")) || m == 26 || p != 3 || n != 1) return Verdict::kOk;
        if (BaseMayBePast(v) || (Is(v + 1, "not") && ((m != '"' && m != '&') || NotWrittenApart(v)))) return Verdict::kOk;
        if (MandativeClause(subject) || InsideName(v)) return Verdict::kOk;
        s.detail = 3;
        return Verdict::kMismatch;
    }
    if (f == 1) {
        if (Between(m, 28, 33)) {
            s.variant = 'X';
            return Verdict::kReport;
        }
        if ((p == 3 && n != 2) || W(First(subject)).QuoteFlags != 0) return Verdict::kOk;
        s.detail = p == 3 ? (n != 2 ? 3 : 2) : (n == 1 ? 1 : 3);
    }
    return Verdict::kMismatch;
}

// The subject segment the correction reads: the nearest subject of the
// verb's own clause, else the phrase after the verb or a later subject.
u16 SubjectExtent(i32 k, i32 v) {
    if (gLastRule == 40 && gLastErrorPos == v) return kNoCorrection;
    i32 c = 0;
    for (i32 m = k - 1; m >= 0; --m) {
        if (m == k - 1 && Kind(k - 1) == 16) ++c;
        if (m == k - 2 && Kind(k - 2) == 16 && (Kind(k - 1) == 26 || Kind(k - 1) == 2)) ++c;
        const bool relative = RelativeHead(m) || PrepositionRelative(m);
        if (c == 0 && Kind(m) == 24 && relative) return static_cast<u16>(m);
        if (Kind(m) == 14 || Kind(m) == 22 || RelativeHead(m)) {
            ++c;
        } else if (Even(c) && Kind(m) == 24 && !RelativeHead(m) && (Cat(First(m)) != 1 || c == 0) &&
                   Seg(m).State == 0) {
            return static_cast<u16>(m);
        }
    }
    const u8 after = Cat(First(k + 1));
    if (k + 1 < N() && Kind(k + 1) == 23 && after != 15 && after != 9 && after != 2) return static_cast<u16>(k + 1);
    for (i32 m = k + 1; m < N(); ++m)
        if (Kind(m) == 24) return static_cast<u16>(m);
    return kNoCorrection;
}

// Rule 44 at the verb segment's first word, when its gate passes; `subject`
// is the subject the verb was found to disagree with, -1 when the report
// rests on the clause structure alone.
RuleCode ReportAgreement(const Search& s, i32 subject, u16& out) {
    if (!MayReport(kCodeSubjectVerbAgreement, s.v)) return 0;
    RuleReport r = Report(kCodeSubjectVerbAgreement, s.v);
    r.number = Seg(s.k).Number;
    r.person = Seg(s.k).Person;
    r.kind = 2;
    r.detail = s.detail;
    if (s.variant != 0) r.variant = s.variant;
    r.extent = SubjectExtent(s.k, s.v);
    return Commit(r, out);
}

// Verb and subject point at each other (segment indexes).
void LinkSubject(i32 k, i32 subject, i32 v) {
    i32 link = Feat(v) == 12 ? k : subject;
    if (Is(First(subject), "who") || Is(First(subject), "that")) --link;
    W(Last(k)).LinkedWord = static_cast<u16>(link);
    W(Last(subject)).LinkedWord = static_cast<u16>(k);
}

void TakeSubject(i32 k, i32 subject, i32 v) {
    SegmentRecord& verb = Seg(k);
    SegmentRecord& s = Seg(subject);
    verb.Gender = s.Gender;
    if (Cls(s.FirstWord) == 92) verb.Number = 0;
    else if (s.Number == 0 && Cat(s.FirstWord) != 2) s.Number = verb.Number;
    LinkSubject(k, subject, v);
    W(Last(k)).FunctionCode = kActiveVerb;
}

// "there" alone before or after a form of "be" stands in for the noun
// phrase that follows them ("there is a dog", "there are dogs", "was there
// a dog"): the segment of that phrase, else -1. The phrase must follow
// right after, read as determiners, adjectives and nouns up to a noun head
// whose own number is the phrase's and that no noun or number follows
// ("there was nothing", "a place where pictures are" are left alone). A
// phrase with a word of quantity ("there are a few", "there's lots of"), a
// singular one without a determiner or with a number ("there were four
// more", "three pretty ones"), or that "of" or a coordination continues,
// leaves the number open ("there are a lot of people", "there are a dog
// and a cat").
i32 ExistentialPhrase(i32 there, i32 v) {
    const i32 f = First(there);
    if (Last(there) != f || !Is(f, "there") || !BeForm(v)) return -1;
    const bool inverted = v < f;
    const i32 np = inverted ? there + 1 : there + 2;
    // No finite verb follows "was there", "is there": a plural noun read
    // as a verb there ("was there bugs") is the phrase.
    if (inverted && np < N() && Kind(np) == 14 && First(np) == f + 1 && Last(np) == f + 1 && PluralNounForm(f + 1)) {
        Seg(np).SegmentKind = 24;
        Seg(np).Number = 2;
        Seg(np).Person = 3;
        return np;
    }
    if (np >= N() || (Kind(np) != 10 && Kind(np) != 23 && Kind(np) != 24)) return -1;
    if (First(np) != (inverted ? f + 1 : v + 1)) return -1;
    // The head: the last of the determiners, adjectives and nouns that
    // open the phrase (its record may name a later word).
    i32 head = First(np);
    while (head < Last(np) && (Cat(head + 1) == 7 || Cat(head + 1) == 8 || Cat(head + 1) == 10)) ++head;
    const u8 n = Seg(np).Number;
    if (Cat(head) != 10 || Cls(head) != 'A' || Feat(head) != (n == 1 ? 4 : 8)) return -1;
    static const char* const kQuantity[] = {"few", "couple", "many", "dozen", "lot", "lots", "number", "more", nullptr};
    for (i32 w = First(np); w <= head; ++w) {
        if (w < head && Cat(w) != 7 && Cat(w) != 8 && Cat(w) != 10) return -1;
        if ((n == 1 && Cat(w) == 8) || IsOneOf(w, kQuantity)) return -1;
    }
    if (n == 1 && Cat(First(np)) != 7) return -1;
    const i32 after = head + 1;
    if (after >= rules::Count() || Cat(after) == 10 || Cat(after) == 8) return after >= rules::Count() ? np : -1;
    if (n == 1 && (Is(after, "of") || Is(after, "and") || Is(after, "or") || Is(after, ","))) return -1;
    return np;
}

// Agreement of v with the subject found before it; a mismatch is reported
// when the subject stands right before the verb, or on the tests of
// ReportAnyway.
RuleCode CheckAgreement(Search& s, i32 subject, u16& out) {
    if (const i32 np = ExistentialPhrase(subject, s.v); np >= 0) {
        Seg(subject).Number = Seg(np).Number;
        Seg(subject).Person = 3;
    }
    const u8 p = Seg(subject).Person, n = Seg(subject).Number;
    const Verdict verdict = BeForm(s.v) ? AgreeBe(s, p, n) : AgreeVerb(s, subject, p, n);
    if (verdict == Verdict::kOk) return 0;
    if (verdict == Verdict::kReport) return ReportAgreement(s, subject, out);
    const bool confirmed = subject == s.k - 1 && Kind(subject) == 24 && Cat(Last(s.k) - 1) != 20 &&
                           Cat(Last(s.k) - 1) != 21 && Cat(Last(s.k) - 1) != 27;
    if (confirmed) return ReportAgreement(s, subject, out);
    if (ReportAnyway(s, subject, 0)) return ReportAgreement(s, -1, out);
    return 0;
}

// Whether a semicolon or a colon stands among words a..b: a clause ends
// there, and no subject after it belongs to a verb before it.
bool ClauseMarkBetween(i32 a, i32 b) {
    for (i32 w = a; w <= b; ++w)
        if (Is(w, ";") || Is(w, ":")) return true;
    return false;
}

// The subject after the verb (questions, verb-first sentences): the first
// subject-like record before the next clause.
i32 SubjectAfter(ClauseCall& c, i32 k, i32 clean) {
    if (c.verbFirst) clean = 0;
    for (i32 j = k + 1; j < N(); ++j) {
        const u8 kind = Kind(j);
        if (kind == 14 || kind == 22 || kind == 17 || kind == 21) return -1;
        if (ClauseMarkBetween(Last(k) + 1, First(j) - 1)) return -1;
        if (kind == 24 && !RelativeHead(j)) return j;
        if (kind != 23 || clean != 0) continue;
        const i32 f = First(j);
        if (Cat(f) == 15 || Cls(f) == 'f' || Cls(f) == 'g' || Cat(f) == 2) continue;
        if (j == k + 1 || (j == k + 2 && (c.infinitiveFlag == 1 || c.participleFlag == 1)) ||
            (j == k + 3 && Kind(j - 1) == 13 &&
             (c.infinitiveFlag == 1 || Kind(j - 2) == 26 || c.participleFlag == 2)))
            return j;
    }
    return -1;
}

bool AgreesAfter(const Search& s, u8 p, u8 n) {
    const i32 v = s.v;
    if (WrittenAint(v)) return true;
    if (Mark(v) != 165 && !Were(v)) {
        const u8 f = ReducedFeatures(v);
        if (Seg(s.k).Person == 7 || f == 3 || f == 24) return true;
        if (f == 0) return Between(Mark(v), 28, 33) || p != 3 || n != 1;
        return f == 1 && p == 3 && n == 1;
    }
    if (Were(v)) return true;
    switch (Feat(v)) {
        case 3: return n != 2;
        case 6: Seg(s.k).Person = 1; return n == 1 && p == 1;
        case 10: return !(n == 1 && p != 2);
        default: return Is(v, "is") && n != 2 && p == 3;
    }
}

// "Who knows", "What happened": the question word is the subject.
bool QuestionWordSubject(const ClauseCall& c, i32 k) {
    return c.verbFirst && k == 1 && Kind(0) == 24 && (Is(0, "who") || Is(0, "what"));
}

// A plain verb's base form with no subject before it is an imperative
// ("..., send a photo") or stands in a set phrase ("how come"): English
// puts a subject after a verb of its own only in a question's auxiliary
// or "be", so the phrase after it is an object.
bool NoSubjectAfter(i32 v) {
    const u8 m = Mark(v);
    return Feat(v) == 0 && !Between(m, 28, 40) && m != 165;
}

RuleCode ComplementStep(ClauseCall& c, Search& s, u16& out) {
    if (QuestionWordSubject(c, s.k) || NoSubjectAfter(s.v)) return 0;
    const i32 subject = SubjectAfter(c, s.k, s.clean);
    if (subject < 0) return 0;
    if (const i32 np = ExistentialPhrase(subject, s.v); np >= 0) {
        Seg(subject).Number = Seg(np).Number;
        Seg(subject).Person = 3;
    }
    if (!AgreesAfter(s, Seg(subject).Person, Seg(subject).Number)) {
        s.detail = 1;
        return ReportAgreement(s, subject, out);
    }
    W(Last(subject)).FunctionCode = kSubject;
    Seg(subject).SegmentKind = 24;
    W(s.v).FunctionCode = kActiveVerb;
    if (c.verbFirst) {
        W(Last(s.k)).FunctionCode = kInterrogative;
        c.verbFirst = false;
    }
    LinkSubject(s.k, subject, s.v);
    return 0;
}

// No subject before the verb: an infinitive after a conjunction, a second
// imperative, a bare "let's", or a verb that needs its subject after it.
RuleCode NoSubjectBefore(ClauseCall& c, Search& s, u16& out) {
    const i32 k = s.k, v = s.v;
    const u8 before = Cat(First(k - 1));
    const bool joined = Feat(v) == 0 && (before == 16 || before == 21);
    if (joined) {
        i32 m = k - 1;
        while (m >= 0 && Kind(m) != 13 && Kind(m) != 14 && Kind(m) != 17) --m;
        if (m >= 0 && Kind(m) == 13) {
            Seg(k).SegmentKind = 13;
            return 0;
        }
        if (Kind(0) == 14 && Feat(First(0)) == 0) return 0;
    }
    if (Feat(v) == 12) return 0;
    // "don't" with no subject before it and a base form right after is an
    // imperative ("my advice is: don't dose it").
    if (Is(v, "do") && Is(v + 1, "not") && k < N() - 1 && Kind(k + 1) == 13 && First(k + 1) == v + 2) return 0;
    // A base form ending the sentence right after a preposition or a
    // conjunction of time is its object used as a noun ("after deploy");
    // a verb right after "what" or "who" has that word for subject ("about
    // what happened").
    static const char* const kTime[] = {"after", "before", "until", "since", nullptr};
    const bool objectNoun = Feat(v) == 0 && k == N() - 1 && v == Last(k) && v >= 1 &&
                            ((Cat(v - 1) == 15 && !Is(v - 1, "to")) || IsOneOf(v - 1, kTime));
    if (objectNoun || (v >= 1 && (Is(v - 1, "what") || Is(v - 1, "who")))) return 0;
    const bool last = k == N() - 1;
    if (!last) {
        const i32 next = First(k + 1);
        c.infinitiveFlag = Kind(k + 1) == 13 ? 1 : 0;
        c.participleFlag = (Kind(k + 1) == 10 || Kind(k + 1) == 11) && Cls(next) >= 128 ? 1 : 0;
        if (k < N() - 2 && Kind(k + 1) == 11 && Kind(k + 2) == 13) c.participleFlag = 2;
    }
    const i32 next = First(k + 1);
    const u8 nc = Cat(next);
    const bool linkingBefore =
        Mark(v) > 128 && ((Kind(k + 1) == 23 && nc != 7 && nc != 4 && nc != 8) ||
                          (Kind(k + 1) == 10 && nc != 10 && c.participleFlag == 0));
    if (last || Is(next, "that") || Cls(next) == 20 || Cls(next) == 21 || linkingBefore) {
        s.detail = 3;
        return ReportAgreement(s, -1, out);
    }
    return ComplementStep(c, s, out);
}

bool AfterPreposition(i32 w) {
    static const char* const kPrepositions[] = {"in", "on", "at", "with", "of", "from", "by", "about",
                                                "into", "upon", nullptr};
    // "as", "than", "like" and "but" may open a clause ("as far as it
    // went").
    static const char* const kClauseOpeners[] = {"as", "than", "like", "but", nullptr};
    return (Cat(w - 1) == 15 && !IsOneOf(w - 1, kClauseOpeners)) || IsOneOf(w - 1, kPrepositions);
}

// The subject search before v, from k - 1 back to 0.
RuleCode SearchSubject(ClauseCall& c, Search& s, u16& out) {
    const i32 k = s.k;
    for (i32 j = k - 1; j >= 0; --j) {
        // "you" and "it" after a preposition are its object ("pride in
        // you is"), also where the preposition was read as an adverb.
        if (First(j) > 0 && AfterPreposition(First(j)) && (Is(First(j), "you") || Is(First(j), "it"))) continue;
        const i32 paren = Parentheses(j, s.v);
        if (j > 1 && Kind(j + 1) == 21 && Kind(j + 2) == 14 && Kind(j - 1) == 24 && Kind(j - 2) == 21) {
            --j;  // an inserted clause: j and j - 1 are passed over
            continue;
        }
        if (ClauseBoundary(j)) {
            if (s.clauses != 0 || !RelativeHead(j)) s.relative = false;
            if (RelativeHead(j) && ((Kind(j + 1) == 21 && Kind(k - 1) == 21) ||
                                    (Kind(j - 1) == 24 && Kind(j - 2) == 24) ||
                                    (Kind(j) == 14 && Feat(First(j)) == 12 && Kind(j - 1) == 24)))
                s.relative = true;
            if (Even(paren)) ++s.clauses;
        }
        if (!s.relative && j >= 2 && Kind(k - 1) == 23 && (Kind(k - 2) == 14 || Kind(k - 2) == 13)) s.relative = true;
        if (Kind(j) == 24 && Seg(j).State == 0 && Even(s.clauses) && Even(paren)) ++s.clean;
        if (Accepted(s, j, paren)) {
            TakeSubject(k, j, s.v);
            return CheckAgreement(s, j, out);
        }
        if (ReportAnyway(s, j, paren)) return ReportAgreement(s, -1, out);
    }
    return NoSubjectBefore(c, s, out);
}

bool ObjectPhrase(i32 x) { return Kind(x) == 24 || (Kind(x) == 23 && Cat(First(x)) != 15); }

// A verb segment opened by a verb that takes an object and a bare
// infinitive ("make", "let"), not "have" nor "be".
bool CausativeVerb(i32 x) {
    const i32 f = First(x);
    return Kind(x) == 14 && Cls(f) == 242 && !HaveOrLinkingBe(Mark(f));
}

// A base form right after an object pronoun ("made him go", "let us go",
// "heard him say"), or after "not" after a verb ("you need not go"), is a
// bare infinitive: an object pronoun is no subject, and a finite verb does
// not follow "not".
bool BareInfinitive(i32 v) {
    if (v < 1 || Feat(v) != 0) return false;
    // No finite verb follows "be" ("Be quiet", "to be sure").
    if (Is(v - 1, "be")) return true;
    return v >= 2 && (Cat(v - 1) == 2 || (Is(v - 1, "not") && Cat(v - 2) == 14));
}

// Rules 46 and 47: the second of two verb segments in a row.
RuleCode CheckVerbAfterVerb(const ClauseCall& c, i32 k, i32 v, u16& out) {
    if (Seg(k).State == 1 || c.verbSegments <= c.subordinates + 1 || Kind(k - 1) != 14) return 0;
    const i32 u = First(k - 1);
    if (Cat(u + 1) >= 20 || Cat(v - 1) >= 20) return 0;
    if (k == 2 && Seg(2).Number == 1 && (Seg(2).Person == 3 || Seg(2).Person == 5) && Is(0, "whoever")) return 0;
    if (Cls(u) != 242) return 0;
    if (gLastRule == 40 && gLastErrorPos == v) {
        gErrorExtent = kNoCorrection;
        return 0;
    }
    const u8 f = Feat(v);
    // A form that also serves as participle stands well after "have" and
    // "be"; so does any past form after "were", which our data files
    // without the model of "be" (its participle keeps the verb category).
    const bool haveOrBe = HaveOrLinkingBe(Mark(u));
    if (BaseIsParticiple(v) || (f == 24 && haveOrBe) || Were(u) || !NextToVerb(k)) return 0;
    // "was" and "were" right after "had" or "will" begin a clause of their
    // own: the word before ends a relative clause without its pronoun ("the
    // effect your plan had was") or is a noun ("Vivian's will was").
    if (Is(v, "was") || Is(v, "were")) return 0;
    RuleCode code = 0;
    if (f == 3 && haveOrBe) code = kCodeInfinitiveForParticiple;
    else if (f == 3 || f == 24) code = kCodeParticipleForInfinitive;
    // A third-person form after a modal or "do" ("she can goes", "he will
    // goes"): the verb does not agree, as it takes no person there ("what I
    // do is", the pseudo-cleft, is no such pair).
    else if ((f & 15) == 1 && Between(Mark(u), 28, 34) && Readings(v) == 1 && !BeForm(v)) code = kCodeSubjectVerbAgreement;
    if (code == 0 || !MayReport(code, v)) return 0;
    RuleReport r = Report(code, v);
    r.extent = 0;
    r.detail = code == kCodeInfinitiveForParticiple ? 3 : f;
    if (code == kCodeSubjectVerbAgreement) {
        r.kind = 2;
        r.detail = 3;
    }
    return Commit(r, out);
}

RuleCode CheckVerbSegment(ClauseCall& c, i32 k, u16& out) {
    Search s;
    s.k = k;
    s.v = First(k);
    ++c.verbSegments;
    if (Seg(k).State != 1 && k > 1 && Kind(k - 1) == 21 && Kind(k - 2) == 23) {
        Seg(k).State = 2;
        return 0;
    }
    if (const RuleCode r = CheckVerbAfterVerb(c, k, s.v, out); r != 0) return r;
    if ((k > 1 && ObjectPhrase(k - 1) && CausativeVerb(k - 2)) ||
        (k >= 5 && ObjectPhrase(k - 1) && ObjectPhrase(k - 3) && Kind(k - 2) == 16 && CausativeVerb(k - 4)) ||
        BareInfinitive(s.v)) {
        Seg(k).SegmentKind = 13;
        return 0;
    }
    if (c.verbFirst) return ComplementStep(c, s, out);
    W(s.v).FunctionCode = kActiveVerb;
    StartFlags(s);
    return SearchSubject(c, s, out);
}

}  // namespace

RuleCode CheckVerbSegments(ClauseCall& c, u16& out) {
    if (c.openingComplement) {
        Search s;
        s.v = First(0);
        if (const RuleCode r = ComplementStep(c, s, out); r != 0) return r;
    }
    for (i32 k = c.start; k < N(); ++k) {
        if (Kind(k) != 14) continue;
        if (const RuleCode r = CheckVerbSegment(c, k, out); r != 0) return r;
    }
    return 0;
}

}  // namespace english
