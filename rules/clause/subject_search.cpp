// The subject of a French verb segment: looked for backwards from the
// verb, then after it (inversion, questions); the verb takes the subject's
// gender, and number or person where its form leaves them open, and the
// two are linked. A verb whose person or number clashes with its subject,
// or that finds none, is reported as rule 44 (kind 2).
#include "frame/mac_roman_literal.h"
#include "rules/clause/clause_verbs.h"

namespace clause_verbs {

using namespace rules;

namespace {

void StartSearch(ClauseFrame& f) {
    f.relativeSeen = 0;
    f.coordinatedVerb = 0;
    f.subjectCount = 0;
    f.groupCount = 0;
    f.bracketCount = 0;
    f.groupCandidate = 0;
    f.matchFound = 0;
    f.participleNext = 0;
    f.infinitiveNext = 0;
    f.searchDetail = 3;
    f.clashSubject = -1;
}

// Segment s holds a subject pronoun pair, a personal pronoun or a
// pronoun of class 'X' or '\'.
bool PronounSegment(i32 s) {
    const i32 w = First(s);
    return Kind(s) == 26 || Cat(w) == 2 || Cls(w) == 'X' || Cls(w) == '\\';
}

// The verb form joins a subject pronoun after a hyphen (its class byte's
// low three bits above 3). The participle stage gives an auxiliary the
// class of a governing verb and so drops those bits ("as-tu fini",
// "se sont-ils dit"); its text still ends in the pronoun, which the word
// analysis joined only where it fits the verb's person.
bool FusedSubject(i32 v) {
    static const char* const kPronouns[] = {"-je", "-tu", "-il", "-elle", "-on", "-nous", "-vous", "-ils", "-elles"};
    if (Cls(v) < 128) return false;
    if ((Cls(v) & 7) > 3) return true;
    for (const char* p : kPronouns)
        if (Ends(v, p)) return true;
    return false;
}

bool RelativeGroup(i32 s) { return Cat(First(s)) == 5 && Kind(s) == 24; }

// Opened by a relative pronoun, or by a preposition and a relative pronoun.
bool RelativeOpening(i32 s) {
    const i32 w = First(s);
    return Cat(w) == 5 || (Cat(w) == 15 && Cat(w + 1) == 5);
}

// Step 2: whether the verb shares an earlier verb's subject, and whether
// a relative pronoun opens its subject segment.
void CoordinationFlags(ClauseFrame& f, i32 i) {
    const i32 v = First(i);
    const bool last = LastSegment(i);
    if (Kind(i - 1) == 16 || (Kind(i - 1) == 21 && !last && Kind(i + 1) == 16)) f.coordinatedVerb = 1;
    if (Kind(i - 1) == 21 && Kind(i - 2) == 14) {
        const u8 a = Feat(v);
        const u8 b = Feat(First(i - 2));
        if ((a < 48 && a % 6 == b % 6) || (a >= 51 && a == b)) f.coordinatedVerb = 1;
    }
    if (RelativeGroup(i - 1)) f.relativeSeen = 1;
    const auto further = [&](i32 s) {
        if (Kind(s) == 16 || (Kind(s) == 21 && (last || Kind(i + 1) == 16))) f.coordinatedVerb = 1;
        if (RelativeGroup(s)) f.relativeSeen = 1;
    };
    if (i > 1 && PronounSegment(i - 1)) further(i - 2);
    if (i > 2 && PronounSegment(i - 2) && Cat(First(i - 1)) == 2) further(i - 3);
    if (i > 3 && Kind(i - 3) == 21 && Kind(i - 2) == 23 && Kind(i - 1) == 21 && RelativeGroup(i - 4))
        f.relativeSeen = 1;
}

// Brackets and dash incises between the verb and candidate k.
u16 Brackets(i32 i, i32 k) {
    u16 n = 0;
    for (i32 w = First(i); w > First(k); --w) {
        const bool dash = Begins(w, "-") && w >= 1 && !Begins(w - 1, "-");
        if (Begins(w, "(") || Begins(w, ")") || dash) ++n;
    }
    return n;
}

// A verb with its hyphenated subject between commas is an incise ("Les
// tiroirs, dit-on, ont été vidés"): a clause of its own that the subject
// of the verb after it spans.
bool Incise(i32 k) { return k > 0 && Kind(k - 1) == 21 && Kind(k + 1) == 21 && FusedSubject(First(k)); }

// A group opened by "du" or "des" whose number clashes with the verb's
// is "de" and an article, the place the inverted subject comes from ("Du
// tronc poussent les branches", "Des champs monte une odeur"): no free
// group that would take the subject after the verb.
bool ContractedPlace(i32 i, i32 k) {
    static const char* const kContracted[] = {"du", "des", nullptr};
    const u8 a = Seg(i).Number;
    const u8 b = Seg(k).Number;
    return Kind(k) == 24 && IsOneOf(First(k), kContracted) && a != 0 && b != 0 && a != b;
}

// Only a comma stands between group k and verb i: a subject is not set
// off from its verb by a comma alone, so the group is a vocative or a
// clause of its own, and the verb may have its subject after it ("—O
// maman, demandèrent Jean et Marie").
bool CommaBeforeVerb(i32 i, i32 k) { return k == i - 2 && Kind(i - 1) == 21 && Is(First(i - 1), ","); }

// The counts kept while walking back over candidate k.
void KeepCounts(ClauseFrame& f, i32 i, i32 k) {
    const i32 w = First(k);
    const bool clause = Kind(k) == 14 && Seg(k).State != 2 && f.coordinatedVerb == 0 && !Incise(k);
    const bool counted = clause || Kind(k) == 17 || Kind(k) == 22 || RelativeOpening(k);
    if (counted) {
        bool keepRelative = false;
        if (f.subjectCount > 0 || Cat(w) != 5) f.relativeSeen = 0;
        else keepRelative = f.relativeSeen == 1;
        if (!keepRelative && Cat(w) == 5 && Kind(k + 1) == 21 &&
            (Kind(i - 1) == 21 || (Kind(i - 1) == 26 && Kind(i - 2) == 21)))
            f.relativeSeen = 1;
        if (Even(f.bracketCount) && !(k == i - 2 && Kind(i - 1) == 16)) ++f.subjectCount;
    }
    if (Kind(k) == 17) f.coordinatedVerb = 0;
    if (Kind(k) == 24 && Seg(k).State == 0 && Even(f.subjectCount) && Even(f.bracketCount) && !ContractedPlace(i, k) &&
        !CommaBeforeVerb(i, k))
        ++f.groupCount;
}

// A noun without determiner that opens a clause right before the verb or
// its clitic pronouns names its subject as a name does ("Papa s'est
// fâché", "maman met la table"): a complement after a verb or a
// preposition stands elsewhere, a vocative between commas.
bool BareNounSubject(i32 i, i32 k) {
    const i32 w = First(k);
    if (Kind(k) != 23 || Cat(w) != 10 || (w > 0 && Cat(w - 1) >= 11 && Cat(w - 1) <= 15)) return false;
    for (i32 s = k + 1; s < i; ++s)
        if (Kind(s) != 26 && Cat(First(s)) != 2) return false;
    return true;
}

// A group headed by a collective or a quantity noun takes a verb in the
// plural as well as in the singular: the verb may agree with the many it
// names ("la majorité sont venus", "une dizaine de voix s'élevèrent");
// "nombre" so only after "un" ("un grand nombre", not "le nombre").
bool CollectiveSubject(i32 k) {
    static const char* const kCollectives[] = {
        MR("quantité"), MR("moitié"), "partie", "fraction", "part", MR("majorité"), MR("minorité"),
        "plupart", "tiers", "quart", "foule", "multitude", MR("infinité"), "tas", "dizaine", "douzaine",
        "quinzaine", "vingtaine", "trentaine", "centaine", "millier", nullptr};
    if (Seg(k).Number != 1 || Seg(k).Person != 3) return false;
    return IsOneOf(Last(k), kCollectives) || (Is(Last(k), "nombre") && Is(First(k), "un"));
}

// A group that can be a member of a coordinated subject: a subject group
// or a noun group that no preposition opens.
bool SubjectMember(i32 s) {
    const u8 c = Cat(First(s));
    return Kind(s) == 24 || (Kind(s) == 23 && c != 15 && c != 9 && c != 2);
}

// Subject k closes a coordination of groups ("Paul et elle", "ni l'un ni
// l'autre", "l'un comme l'autre", "Pierre, Jean, Marc"; a list without a
// conjunction only of names): the person the plural verb takes, the first before the second
// before the third; 0 when k is no such member.
u8 CoordinatedPerson(i32 k) {
    static const char* const kLinks[] = {"et", "ou", "ni", "comme", nullptr};
    u8 person = Seg(k).Person;
    i32 members = 1;
    for (i32 s = k; s >= 2 && SubjectMember(s - 2); s -= 2) {
        const bool conjunction = Kind(s - 1) == 16 && IsOneOf(First(s - 1), kLinks);
        const bool names = Kind(s - 1) == 21 && Cls(Last(s)) == '@' && Cls(Last(s - 2)) == '@';
        if (!conjunction && !names) break;
        ++members;
        const u8 p = Seg(s - 2).Person;
        if (p >= 1 && p < person) person = p;
    }
    return members > 1 ? person : 0;
}

// The inverted subject k opens a coordination ("qu'entretiennent Paul et
// Marie"): the person of the whole as in CoordinatedPerson, else 0.
u8 CoordinatedAfter(i32 k) {
    static const char* const kLinks[] = {"et", "ou", "ni", nullptr};
    if (LastSegment(k + 1) || Kind(k + 1) != 16 || !IsOneOf(First(k + 1), kLinks) || !SubjectMember(k + 2)) return 0;
    const u8 a = Seg(k).Person;
    const u8 b = Seg(k + 2).Person;
    return a >= 1 && a < b ? a : b;
}

// "nous" and "vous" as subject pronouns: their group leaves the number
// open for the attribute ("vous êtes gentil"), but the verb is always in
// the plural, the polite and the formal uses included.
bool PluralPersonPronoun(i32 k) {
    const i32 w = First(k);
    return First(k) == Last(k) && Cat(w) == 1 && (Is(w, "nous") || Is(w, "vous"));
}

// The numbers of verb segment i and subject k clash.
bool NumbersClash(i32 i, i32 k) {
    const u8 a = Seg(i).Number;
    const u8 b = PluralPersonPronoun(k) ? 2 : Seg(k).Number;
    if (a == b || b == 0 || (a == 1 && W(First(k)).QuoteFlags != 0)) return false;
    if (a == 2 && CollectiveSubject(k)) return false;
    const u8 p = CoordinatedPerson(k);
    return !(a == 2 && p != 0 && PersonsAgree(Seg(i).Person, p));
}

// A demonstrative pronoun segment before a relative pronoun heads the
// relative's clause as a noun group does ("Tout ce qui ne peut nuire est
// permis", "ce que tu dis reste vrai").
bool DemonstrativeAntecedent(i32 k) {
    return Kind(k) == 4 && !LastSegment(k) && Kind(k + 1) == 24 && Cat(First(k + 1)) == 5;
}

// A demonstrative pronoun standing alone before the verb, past its
// object pronouns, is its subject when it opens its clause ("comme cela
// se pratique", "mais ça suffit"); after a verb it is that verb's object
// ("on fait ça a la va-vite").
bool DemonstrativeSubject(i32 i, i32 k) {
    if (Kind(k) != 23 || Cat(First(k)) != 4 || First(k) != Last(k)) return false;
    if (k > 0) {
        const u8 before = Kind(k - 1);
        const bool opens = before == 16 || before == 17 || before == 21 || before == 22 || Cat(First(k - 1)) == 5 ||
                           Cat(First(k) - 1) == 20;
        if (!opens) return false;
    }
    for (i32 s = k + 1; s < i; ++s)
        if (Kind(s) != 26 && Cat(First(s)) != 2) return false;
    return true;
}

bool ChosenSubject(const ClauseFrame& f, i32 i, i32 k) {
    const i32 w = First(k);
    const bool group = Kind(k) == 24 || DemonstrativeAntecedent(k);
    if ((BareNounSubject(i, k) || DemonstrativeSubject(i, k)) && Even(f.subjectCount) && Even(f.bracketCount))
        return true;
    if (f.relativeSeen == 1 && Even(f.bracketCount)) {
        if (group || (Kind(k) == 23 && Cat(w) != 2 && Seg(k).State != 4)) return true;
    } else if (group && Even(f.subjectCount) && Even(f.bracketCount)) {
        if (Cat(w) != 5) return true;
        if (f.coordinatedVerb == 1 && k >= 1 && Kind(k - 1) != 17 && Seg(k).State == 2 && k != i - 1) return true;
    }
    return k == i - 1 && Kind(k) == 23 && Begins(First(i) - 1, "qui");
}

// An infinitive segment opening a clause, after its object pronouns if
// any, is the verb's subject ("Partir est difficile", "Si venir coûte
// autant", "S'y rendre est long").
bool InfinitiveSubject(i32 k) {
    if (Kind(k) != 13 || Cat(First(k)) == 15) return false;
    i32 s = k;
    while (s > 0 && Kind(s - 1) == 23 && Cat(First(s - 1)) == 2) --s;
    return s == 0 || Kind(s - 1) == 21 || Kind(s - 1) == 17 || Cat(First(k) - 1) == 20;
}

void LinkSegments(i32 a, i32 b) {
    W(Last(a)).LinkedWord = static_cast<u16>(b);
    W(Last(b)).LinkedWord = static_cast<u16>(a);
}

// Step 7: the subject k before the verb.
void TakeSubjectBefore(ClauseFrame& f, i32 i, i32 k) {
    const i32 v = First(i);
    const i32 w = First(k);
    SegmentRecord& verb = EditSeg(i);
    SegmentRecord& subject = EditSeg(k);
    f.matchFound = 1;
    verb.Gender = subject.Gender;
    // A collective with a plural verb agrees with the many it names: the
    // gender is that of its complement ("la majorité des élèves sont
    // partis"), open when there is none.
    if (verb.Number == 2 && CollectiveSubject(k)) verb.Gender = k + 1 < i && Kind(k + 1) == 23 ? Seg(k + 1).Gender : 0;
    if (Cls(w) == '\\') verb.Number = 0;
    if (Feat(v) > 50 && Feat(v) < 64) {
        verb.Person = subject.Person;
    } else {
        if (Is(w, "on")) {
            verb.Number = 0;
            verb.Gender = 0;
        } else if (subject.Number == 0 && Cat(w) != 2) {
            subject.Number = verb.Number;
        }
        if (Feat(v) > 50) verb.Person = subject.Person;
    }
    W(Last(i)).LinkedWord = static_cast<u16>(Is(w, "qui") && k > 0 ? k - 1 : k);
    W(Last(i)).FunctionCode = 74;
    W(Last(k)).LinkedWord = static_cast<u16>(i);
    f.subjectVerb = i;
    f.verbSubject = k;
}

// Verb i follows a comma or "et", "ou", "puis", and its object or
// reflexive pronouns if any ("et s'était endormi"), that closes the
// complements of the verb whose subject was found last: the verbs of a
// list share their subject ("Le médecin lui prit le pouls, la regarda",
// "qui le prend dans ses bras et le met"). Another verb, clause, free
// group or sign between the two leaves the verb to its own search, and so
// does a verb before "moi" or "toi", which only an imperative takes
// ("Achève-moi").
bool ListedVerb(const ClauseFrame& f, i32 i) {
    static const char* const kStressed[] = {"moi", "toi", nullptr};
    static const char* const kLinks[] = {"et", "ou", "puis", nullptr};
    const i32 v = f.subjectVerb;
    if (v < 0 || v >= i || f.verbSubject >= v || IsOneOf(Last(i) + 1, kStressed)) return false;
    i32 s = i - 1;
    while (s > v && (Kind(s) == 26 || (Kind(s) == 23 && Cat(First(s)) == 2))) --s;
    if (s <= v || First(s) != Last(s)) return false;
    const bool comma = Kind(s) == 21 && Is(First(s), ",");
    const bool link = Kind(s) == 16 && IsOneOf(First(s), kLinks);
    if (!comma && !link) return false;
    for (i32 k = v + 1; k < s; ++k) {
        const u8 kind = Kind(k);
        if (kind == 14 || kind == 16 || kind == 17 || kind == 21 || kind == 22 || kind == 24 || kind == 26 ||
            Cat(First(k)) == 5)
            return false;
    }
    return true;
}

// A verb after a conjunction and a verb whose subject was found shares
// that subject ("les parents qui travaillent et n'ont pas de
// place"): k, or -1 when the two do not agree.
i32 SharedSubject(const ClauseFrame& f, i32 i) {
    const bool joined = f.coordinatedVerb == 1 && f.subjectVerb >= 0 && f.subjectVerb == i - 2 && Kind(i - 1) == 16;
    if (!joined && !ListedVerb(f, i)) return -1;
    const i32 k = f.verbSubject;
    if (NumbersClash(i, k) || !PersonsAgree(Seg(i).Person, Seg(k).Person)) return -1;
    return k;
}

// The subject segment a report names: the nearest free group before the
// verb outside the clauses between them, or -1.
i32 ReportedSubject(const ClauseFrame& f, i32 i) {
    if (i == 0) return f.head >= 0 ? f.head : -1;
    i32 c = 0;
    for (i32 s = i - 1; s >= 0; --s) {
        const i32 w = First(s);
        if ((s == i - 1 && Kind(s) == 16) || (s == i - 2 && Kind(s) == 16 && (Kind(s + 1) == 26 || Kind(s + 1) == 2)))
            ++c;
        if (c == 0 && Kind(s) == 24 && RelativeOpening(s)) return s;
        if (Kind(s) == 14 || Kind(s) == 22 || Cat(w) == 5) ++c;
        if ((c & 1) == 0 && Kind(s) == 24 && Cat(w) != 5 && (Cat(w) != 1 || c == 0)) return s;
    }
    return -1;
}

u16 ReportExtent(const ClauseFrame& f, i32 i) {
    if (const i32 s = ReportedSubject(f, i); s >= 0) return static_cast<u16>(s);
    const i32 n = SegCount();
    const u8 c = Cat(First(i + 1));
    if (i + 1 < n && Kind(i + 1) == 23 && c != 15 && c != 9 && c != 2) return static_cast<u16>(i + 1);
    for (i32 s = i + 1; s < n; ++s)
        if (Kind(s) == 24) return static_cast<u16>(s);
    return 126;
}

// Step 6: the subject-verb report. 0 lets the walk go on: a refused gate,
// or a segment pending for the missing-link rule.
RuleCode Report(const ClauseFrame& f, i32 i, u16& out) {
    const i32 v = First(i);
    if (!MayReport(kCodeSubjectVerbAgreement, v)) return 0;
    if (f.pendingSegment >= 1 || AfterRule40At(v)) return 0;
    RuleReport r = ReportAt(kCodeSubjectVerbAgreement, v);
    r.variant = 0;  // no letter: the plain subject-verb message
    r.detail = f.searchDetail;
    r.kind = 2;
    r.gender = Seg(i).Gender;
    r.number = Seg(i).Number;
    r.person = Seg(i).Person;
    r.extent = ReportExtent(f, i);
    return CommitClauseReport(r, i, out, true);
}

void NextSegmentFlags(ClauseFrame& f, i32 i) {
    if (LastSegment(i)) return;
    const u8 next = Kind(i + 1);
    if ((next == 10 || next == 11) && Cls(First(i + 1)) >= 128) f.participleNext = 1;
    else if (next == 11 && Kind(i + 2) == 13) f.participleNext = 2;
    f.infinitiveNext = next == 13 ? 1 : 0;
}

// The segment k after verb segment i stands where an inverted subject does.
bool RightAfterVerb(const ClauseFrame& f, i32 i, i32 k) {
    if (k == i + 1) return true;
    if (k == i + 2) return f.infinitiveNext == 1 || f.participleNext == 1;
    return k == i + 3 && Kind(k - 1) == 13 && (f.infinitiveNext == 1 || Kind(k - 2) == 26 || f.participleNext == 2);
}

bool InvertedGroup(const ClauseFrame& f, i32 i, i32 k) {
    const i32 w = First(k);
    return f.groupCount == 0 && Kind(k) == 23 && Cat(w) != 15 && Cat(w) != 2 && Cls(w) != 'f' && Cls(w) != 'g' &&
           RightAfterVerb(f, i, k);
}

// The subject k after the verb.
void TakeSubjectAfter(ClauseFrame& f, i32 i, i32 k) {
    const i32 w = First(k);
    SegmentRecord& verb = EditSeg(i);
    SegmentRecord& subject = EditSeg(k);
    f.matchFound = 1;
    if (verb.Number == 0 && Cat(w) != 2 && Cls(w) != '\\') verb.Number = subject.Number;
    verb.Gender = subject.Gender;
    if (Feat(First(i)) > 50) verb.Person = subject.Person;
    W(Last(i)).LinkedWord = static_cast<u16>(k);
    subject.SegmentKind = 24;
    W(Last(k)).FunctionCode = 75;
    W(Last(i)).FunctionCode = f.questionFlag == 1 ? 83 : 74;
    f.questionFlag = 0;
    W(Last(k)).LinkedWord = static_cast<u16>(i);
    f.subjectVerb = i;
    f.verbSubject = k;
}

// A free group after verb i is its inverted subject when only the verb's
// complements and participles stand between them ("qu'ont pour lui vos
// appas", "comme le précise un compte"), and it is no subject pronoun or
// "tout": an inverted personal pronoun is joined to the verb by a hyphen
// ("connaîtras-tu"), so one standing apart opens the next clause or is an
// object ("leur prendra tout"). A sign between them closes the verb's
// clause. "donc" right after the verb is an adverb, no link ("Mais où
// était donc Jean ?").
bool InvertedFreeGroup(i32 i, i32 k) {
    const u8 c = Cat(First(k));
    if (c == 1 || c == 6) return false;
    for (i32 s = i + 1; s < k; ++s) {
        const u8 kind = Kind(s);
        if (kind == 16 && s == i + 1 && Is(First(s), "donc")) continue;
        if (kind != 23 && kind != 13 && kind != 10 && kind != 11 && kind != 26) return false;
    }
    return true;
}

// The forward search of step 8.
RuleCode SearchAfter(ClauseFrame& f, i32 i, u16& out) {
    const i32 n = SegCount();
    i32 k = i + 1;
    for (; k < n; ++k) {
        if (InvertedGroup(f, i, k)) {
            const u8 together = CoordinatedAfter(k);
            // A verb before coordinated subjects may also agree with the
            // nearest one ("Que veut cet équipage et cet air effaré ?").
            if (together != 0 && (Seg(i).Number == 2 || Seg(i).Number == 1)) {
                if (!PersonsAgree(Seg(i).Person, Seg(i).Number == 2 ? together : Seg(k).Person)) break;
                TakeSubjectAfter(f, i, k);
                return 0;
            }
            if (Seg(i).Number != Seg(k).Number && Seg(k).Number != 0) break;
            if (PersonsAgree(Seg(i).Person, Seg(k).Person)) {
                TakeSubjectAfter(f, i, k);
                return 0;
            }
            f.searchDetail = 1;
            return Report(f, i, out);
        }
        if (Kind(k) == 24 && Cat(First(k)) != 5) {
            if (!InvertedFreeGroup(i, k)) break;
            if (Seg(i).Number != Seg(k).Number && Seg(k).Number != 0) break;
            if (!PersonsAgree(Seg(i).Person, Seg(k).Person)) break;
            TakeSubjectAfter(f, i, k);
            return 0;
        }
        if (Kind(k) == 14 || Kind(k) == 22 || Kind(k) == 17) break;
    }
    f.searchDetail = PersonsAgree(Seg(i).Person, Seg(k).Person) ? 2 : 3;
    return f.matchFound == 1 ? 0 : Report(f, i, out);
}

// Segment k is the relative "qui" right before verb i, past its object
// pronouns and "ne", after an antecedent that gave it its number: the
// verb's subject, so the verb has no inverted subject after it ("des
// femmes qui conduise la marche"). The noun before "qui" need not be its
// antecedent ("l'impossibilité de ces choses qui"), so a clash lets the
// search go on backwards, but not forwards; an interrogative "qui" has no
// antecedent and may have its subject after the verb ("et qui étaient ces
// hommes ?").
bool RelativeQuiBefore(i32 i, i32 k) {
    if (k == 0 || Kind(k) != 24 || Cat(First(k)) != 5 || !Is(First(k), "qui")) return false;
    if (Seg(k).Number == 0 || (Kind(k - 1) != 23 && Kind(k - 1) != 24)) return false;
    for (i32 s = k + 1; s < i; ++s)
        if (Kind(s) != 26 && Cat(First(s)) != 2) return false;
    return true;
}

// Step 8: no subject before the verb.
RuleCode NoSubjectBefore(ClauseFrame& f, i32 i, u16& out) {
    const i32 v = First(i);
    if (Is(v, "a") && f.pendingSegment != -1) f.pendingSegment = i;
    NextSegmentFlags(f, i);
    const i32 next = First(i + 1);
    const bool attributive = Mark(v) > 128;
    const u8 c = Cat(next);
    if (LastSegment(i) || Is(next, "que") || Cls(next) == 20 || Cls(next) == 21 ||
        (f.clashSubject >= 0 && RelativeQuiBefore(i, f.clashSubject)) ||
        (attributive && Kind(i + 1) == 23 && c != 7 && c != 4 && c != 8) ||
        (attributive && Kind(i + 1) == 10 && f.participleNext == 0))
        return Report(f, i, out);
    f.matchFound = 0;
    f.searchDetail = 3;
    return SearchAfter(f, i, out);
}

enum class Scan { kGoOn, kFound, kInfinitive, kEnd, kReport };

// "nous" or "vous" right before a verb of another person is its object
// when a subject, an infinitive, a relative pronoun or a conjunction
// stands before it ("l'homme qui vous parle", "ce que nous disent les
// anciens", "ainsi que nous l'enseigne le maître"): the
// pronoun is the subject only of a verb of its own person.
bool ObjectPronoun(i32 i, i32 k) {
    const i32 w = First(k);
    if (k == 0 || Cat(w) != 1 || (Cls(w) != 'X' && Cls(w) != '\\')) return false;
    for (i32 s = k + 1; s < i; ++s)
        if (Kind(s) != 26 && Cat(First(s)) != 2) return false;
    return Kind(k - 1) == 24 || Kind(k - 1) == 22 || Kind(k - 1) == 13 || Kind(k - 1) == 17 || Cat(First(k - 1)) == 5;
}

// A subject followed by "d'entre nous" or "d'entre vous" before the verb
// ("certains d'entre nous avons") may take the person of that pronoun:
// that person, else 0.
u8 AmongPerson(i32 i, i32 k) {
    if (k + 1 >= i || Kind(k + 1) != 23) return 0;
    const i32 w = First(k + 1);
    const bool among = (Is(w, "d'") || Is(w, "de")) && Is(w + 1, "entre");
    return among && (Is(Last(k + 1), "nous") || Is(Last(k + 1), "vous")) ? Seg(k + 1).Person : 0;
}

// A "qui" opening the sentence before the first verb has its antecedent
// outside the sentence (a line of verse, a fragment) or asks with the
// subject after the verb ("Qui sont ces gens ?"): the verb agrees with
// words the sentence does not hold.
bool OpeningQui(i32 i, i32 k) {
    if (k != 0 || First(0) != 0 || !Is(0, "qui")) return false;
    for (i32 s = 1; s < i; ++s)
        if (Kind(s) == 14) return false;
    return true;
}

// A question or exclamation mark stands between segment k and the next:
// it closes the statement, and a verb after it has its subject after it
// ("Pourquoi ? demanda le maître", "papa?—Oui, répond papa"). An
// interjection set off by a comma keeps the statement open ("Et les
// hommes, morbleu ! sont faits ainsi").
bool ClosedStatement(i32 k) {
    for (i32 w = Last(k) + 1; w < First(k + 1); ++w) {
        if (Cat(w) != 20) continue;
        if (Begins(w, "?")) return true;
        if (Begins(w, "!") && !(w >= 2 && Is(w - 2, ","))) return true;
    }
    return false;
}

// Coordinator k opens the clause of verb i with only complements opened by
// a preposition between them, and a noun group of the verb's number
// follows the verb: the subject stands after the verb ("et de ces œufs
// sortiront les petits oiseaux").
bool InversionAfterComplement(i32 i, i32 k) {
    static const char* const kLinks[] = {"et", "ou", "mais", "puis", nullptr};
    if (Kind(k) != 16 || k + 1 >= i || !IsOneOf(First(k), kLinks) || LastSegment(i)) return false;
    for (i32 s = k + 1; s < i; ++s)
        if (Kind(s) != 23 || (Cat(First(s)) != 15 && Cat(First(s)) != 9)) return false;
    const i32 g = i + 1;
    const u8 c = Cat(First(g));
    const bool noun = (Kind(g) == 23 || Kind(g) == 24) && c >= 7 && c <= 10 && c != 9;
    return noun && Seg(g).Number == Seg(i).Number && PersonsAgree(Seg(i).Person, Seg(g).Person);
}

// Candidate k is a subject clitic standing right before verb i, past the
// verb's object pronouns only ("elles se fanerait"): it can be nothing but
// that verb's subject, so a clash is the verb's fault and no group further
// back may take its place ("Sans cela, elles se fanerait"). "elle",
// "nous", "vous" are left out: they also stand stressed or as objects, and
// "elle" ends coordinated subjects ("Pierre et elle sont").
bool ClashingClitic(i32 i, i32 k) {
    static const char* const kClitics[] = {"je", "j'", "tu", "il", "ils", "elles", nullptr};
    const i32 w = First(k);
    if (Kind(k) != 24 || w != Last(k) || !IsOneOf(w, kClitics)) return false;
    for (i32 s = k + 1; s < i; ++s)
        if (Kind(s) != 26 && Cat(First(s)) != 2) return false;
    return true;
}

// Steps 4 and 5 for candidate k.
Scan Candidate(ClauseFrame& f, i32 i, i32 k) {
    if (InversionAfterComplement(i, k)) return Scan::kEnd;
    const u8 verbPerson = Seg(i).Person;
    if (OpeningQui(i, k)) return Scan::kFound;
    if (ChosenSubject(f, i, k)) {
        if (NumbersClash(i, k)) {
            if (ObjectPronoun(i, k)) {
                if (Seg(k).State == 0 && f.groupCount > 0) --f.groupCount;
                return Scan::kGoOn;
            }
            if (f.clashSubject < 0) f.clashSubject = k;
            if (ClashingClitic(i, k)) {
                f.searchDetail = 1;
                return Scan::kReport;
            }
            return Scan::kGoOn;
        }
        f.matchFound = 0;
        if (PersonsAgree(verbPerson, Seg(k).Person)) return Scan::kFound;
        if (const u8 p = AmongPerson(i, k); p != 0 && Seg(i).Number == 2 && PersonsAgree(verbPerson, p))
            return Scan::kFound;
        if (f.clashSubject < 0) f.clashSubject = k;
        f.searchDetail = 1;
    } else {
        if (InfinitiveSubject(k)) {
            W(Last(k)).FunctionCode = 75;
            LinkSegments(k, i);
            return Scan::kInfinitive;
        }
        const bool agree = PersonsAgree(verbPerson, Seg(k).Person);
        if (agree) f.matchFound = 1;
        f.searchDetail = agree ? 2 : 3;
    }
    const i32 w = First(k);
    // A "qui" opening the sentence has no antecedent: its clause is the
    // subject of the verb after it ("Qui vivra verra").
    if (k == 0 && w == 0 && i == 2 && Is(w, "qui") && Kind(1) == 14)
        return PersonsAgree(verbPerson, Seg(k).Person) ? Scan::kFound : Scan::kReport;
    if (f.subjectCount == 0 && Cat(w) == 1) return Scan::kReport;
    // A "qu…" conjunction after a comma whose clause closed before the verb
    // (its own verb counted) is an incise: the subject stands before it
    // ("ces textes, quoi qu'on en pense, ont force de loi").
    const bool incise = k > 0 && Kind(k - 1) == 21 && f.subjectCount >= 2 && Even(f.subjectCount);
    if (Kind(k) == 17 && Begins(w, "qu") && f.coordinatedVerb == 0 && !incise)
        return f.groupCount > 0 ? Scan::kReport : Scan::kEnd;
    // Any other conjunction that opens the verb's clause with no group
    // between them has the subject after the verb ("comme le précise un
    // compte", "si avaient été pris des critères"): the groups before it
    // belong to another clause.
    if (Kind(k) == 17 && f.subjectCount == 1 && f.groupCount == 0 && f.coordinatedVerb == 0) return Scan::kEnd;
    if (f.relativeSeen == 0 && !Even(f.subjectCount) && Cat(w) == 5 && f.coordinatedVerb == 0)
        return Kind(k) == 24 ? Scan::kReport : Scan::kEnd;
    return Scan::kGoOn;
}

// A clause opened by "t'" before a verb of the second person singular,
// past "y" or "en", has familiar writing's elided "tu" for subject ("t'as
// raison", "parce que t'en veux"); after a subject the "t'" is an object
// ("je t'aime").
bool ElidedTu(i32 i) {
    if (Seg(i).Person != 2 || Seg(i).Number != 1) return false;
    i32 w = First(i) - 1;
    if (w > 0 && (Is(w, "y") || Is(w, "en"))) --w;
    if (w < 0 || !Is(w, "t'")) return false;
    if (w == 0) return true;
    const u8 c = Cat(w - 1);
    return c == 5 || c == 16 || c == 17 || c == 20 || c == 21;
}

// The impersonal verbs of set phrases have their subject in the phrase:
// "loin s'en faut", "tant s'en faut", "si tant est que", and familiar
// writing's "faut" opening a clause without "il" ("faut pas rêver", "mais
// faut bien que").
bool ImpersonalPhrase(i32 i) {
    static const char* const kFalloir[] = {"faut", "fallait", "faudra", "faudrait", "fallut", nullptr};
    static const char* const kQue[] = {"que", "qu'", nullptr};
    const i32 v = First(i);
    if (v >= 2 && Is(v, "est") && Is(v - 1, "tant") && Is(v - 2, "si") && IsOneOf(v + 1, kQue)) return true;
    if (!IsOneOf(v, kFalloir)) return false;
    if (v >= 2 && Is(v - 1, "en") && Is(v - 2, "s'")) return true;
    i32 w = v - 1;
    if (w >= 0 && (Is(w, "ne") || Is(w, "n'"))) --w;
    if (w >= 0 && Is(w, "y")) --w;
    if (w < 0) return true;
    const u8 c = Cat(w);
    return c == 16 || c == 17 || c == 20 || c == 21;
}

// A question asked without inversion keeps its subject pronoun before
// the verb, past the verb's object pronouns ("Comment vous expliquez ça
// ?", "Pourquoi tu pars ?"): that pronoun when it agrees with the verb,
// else -1.
i32 PronounBeforeInQuestion(i32 i) {
    i32 k = i - 1;
    while (k >= 0 && (Kind(k) == 26 || (Kind(k) == 23 && Cat(First(k)) == 2))) --k;
    if (k < 0 || Kind(k) != 24 || Cat(First(k)) != 1 || First(k) != Last(k)) return -1;
    if (NumbersClash(i, k) || !PersonsAgree(Seg(i).Person, Seg(k).Person)) return -1;
    return k;
}

}  // namespace

RuleCode SearchSubject(ClauseFrame& f, i32 i, u16& out) {
    StartSearch(f);
    f.currentVerb = i;
    f.currentSegment = i;
    // A verb that carries its subject pronoun ("es-tu", "demanda-t-elle")
    // has its subject: the word analysis joined the two only where the
    // pronoun fits the verb's person.
    if (FusedSubject(First(i)) || ElidedTu(i) || ImpersonalPhrase(i)) return 0;
    if (f.questionFlag == 1) {
        if (const i32 k = PronounBeforeInQuestion(i); k >= 0) {
            f.questionFlag = 0;
            TakeSubjectBefore(f, i, k);
            return 0;
        }
        NextSegmentFlags(f, i);
        return SearchAfter(f, i, out);
    }
    const i32 v = First(i);
    W(v).FunctionCode = Kind(i) == 14 && Seg(i).State == 2 ? 38 : 74;
    CoordinationFlags(f, i);
    if (const i32 k = SharedSubject(f, i); k >= 0) {
        TakeSubjectBefore(f, i, k);
        return 0;
    }
    for (i32 k = i - 1; k >= 0; --k) {
        const i32 opening = First(k + 1) - 1;
        if (gLastRule == 15 && Cat(opening) == 20 && Begins(opening, ":")) return Report(f, i, out);
        if (ClosedStatement(k)) break;
        f.bracketCount = Brackets(i, k);
        KeepCounts(f, i, k);
        switch (Candidate(f, i, k)) {
            case Scan::kFound: TakeSubjectBefore(f, i, k); return 0;
            case Scan::kReport:
                if (!ObjectPronoun(i, k)) return Report(f, i, out);
                if (Seg(k).State == 0 && f.groupCount > 0) --f.groupCount;
                break;
            case Scan::kInfinitive: return 0;
            case Scan::kEnd: return NoSubjectBefore(f, i, out);
            case Scan::kGoOn: break;
        }
    }
    return NoSubjectBefore(f, i, out);
}

}  // namespace clause_verbs
