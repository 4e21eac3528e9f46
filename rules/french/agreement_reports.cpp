// The French agreement pre-cascade: its stages in order, and the reports
// made once the group table stands (the held group disagreement with the
// forms of its correction, the gender checks of rule 42).
#include <utility>

#include "frame/mac_roman_literal.h"
#include "frame/settings.h"
#include "rules/french/french_agreement.h"
#include "rules/french/french_cascades.h"

namespace french_agreement {

using namespace rules;

namespace {

bool OppositeGenders(u8 a, u8 b) { return (a == 1 && b == 2) || (a == 2 && b == 1); }

// The first record after h of one of the two kinds, or -1.
i32 NextOfKind(i32 h, u8 kind, u8 other) {
    for (i32 k = h + 1; k < SegCount(); ++k)
        if (Kind(k) == kind || Kind(k) == other) return k;
    return -1;
}

// Rule 42 at the first word of record `group`, whose gender clashes with
// that of record `other`.
RuleCode Report42(i32 group, i32 other, u16& out) {
    const SegmentRecord& g = Seg(group);
    if (!OppositeGenders(g.Gender, Seg(other).Gender)) return 0;
    const i32 pos = First(group);
    if (!MayReport(42, pos)) return 0;
    RuleReport r = ReportFromGlobals(42, pos);
    r.extent = static_cast<u16>(2 * Seg(other).Gender + g.Number - 2 + (g.Number == 0 ? 2 : 0));
    r.gender = g.Gender;
    r.number = g.Number;
    return Commit(r, out);
}

// "l'" followed by a word beginning with "un" (l'un, l'une).
bool TheOne(i32 word) { return Is(word, "l'") && Begins(word + 1, "un"); }

// The interrogative "quel" before a form of "être" is the attribute of the
// group after the verb and agrees with it: "Quelle est cette force ?",
// "Quels sont ces gens ?", "Quelle que soit la force", "Quels qu'en soient
// les raisons". The record of that group, or -1.
i32 QuelSubject(i32 q) {
    static const char* const kQuel[] = {"quel", "quelle", "quels", "quelles", nullptr};
    static const char* const kEtre[] = {"est", "sont", MR("était"), MR("étaient"), "sera", "seront", "serait",
                                        "seraient", "fut", "furent", "soit", "soient", MR("fût"), "fussent",
                                        nullptr};
    static const char* const kQue[] = {"que", "qu'", nullptr};
    if (!IsOneOf(q, kQuel)) return -1;
    i32 v = q + 1;
    if (IsOneOf(v, kQue)) {
        ++v;
        if (Is(v, "en")) ++v;
    }
    if (v + 1 >= Count() || !IsOneOf(v, kEtre)) return -1;
    const i32 d = v + 1;
    if (!CatIn(d, 7, 8)) return -1;
    for (i32 s = 0; s < SegCount(); ++s) {
        if (First(s) != d) continue;
        if (Kind(s) != 23 && Kind(s) != 24 && Kind(s) != 10) return -1;
        // The first of coordinated subjects gives the whole neither its
        // gender nor its number ("quelles que soient la vitesse et
        // l'efficacité", "quels que soient le carnage, le crime").
        const i32 next = LastWordOf(s) + 1;
        const bool comma = Is(next, ",") && next + 1 < Count() && CatIn(next + 1, 7, 8);
        const bool listed = next < Count() && (Is(next, "et") || Is(next, "ou") || Is(next, "ni") || comma);
        return listed ? -1 : s;
    }
    return -1;
}

// "seul" opening the sentence before a determiner qualifies the group it
// stands before ("Seule la mort compte", "Seuls les enfants jouent"), but
// not a time expression, which is the subject's ("seul le soir, il lit"):
// the record of that group, or -1.
i32 SeulGroup(i32 q) {
    static const char* const kSeul[] = {"seul", "seule", "seuls", "seules", nullptr};
    if (q != 0 || !IsOneOf(q, kSeul) || !CatIn(q + 1, 7, 8)) return -1;
    for (i32 s = 0; s < SegCount(); ++s) {
        if (First(s) != q + 1) continue;
        if ((Kind(s) != 23 && Kind(s) != 24) || Seg(s).State == 2) return -1;
        const i32 next = LastWordOf(s) + 1;
        const bool listed = next < Count() && (Is(next, "et") || Is(next, "ou") || Is(next, "ni"));
        return listed ? -1 : s;
    }
    return -1;
}

// "tout" before a determiner agrees with the group it opens ("toutes les
// femmes", "tout ce bruit", "tous deux"): the record of that group, or -1.
// Only where a group may start: at the start, after a noun or a
// coordinating conjunction; after a comma or a verb it may be the pronoun ("ils aiment tous la
// mer"), after a preposition or an adverb a locution ("du tout", "après
// tout", "pour tous").
i32 ToutGroup(i32 q) {
    static const char* const kTout[] = {"tout", "toute", "tous", "toutes", nullptr};
    if (!IsOneOf(q, kTout) || !CatIn(q + 1, 7, 8)) return -1;
    static const char* const kJoins[] = {"et", "ou", "mais", "car", "donc", "ni", nullptr};
    if (q > 0 && Cat(q - 1) != 10 && Cat(q - 1) != 20 && !IsOneOf(q - 1, kJoins)) return -1;
    for (i32 s = 0; s < SegCount(); ++s) {
        if (First(s) != q + 1) continue;
        return Kind(s) == 23 || Kind(s) == 24 ? s : -1;
    }
    return -1;
}

// Gender and number of "tout" as written; 0 for the other words.
u8 ToutGender(i32 q) { return Ends(q, "te") || Ends(q, "tes") ? 2 : (Begins(q, "tou") ? 1 : 0); }
u8 ToutNumber(i32 q) { return Ends(q, "s") ? 2 : (Begins(q, "tou") ? 1 : 0); }

struct WordAgreement {
    u8 gender = 0;
    u8 number = 0;
};

// A word's own gender and number from its first reading (both, or none:
// 0); an elided word has lost the ending that shows them.
WordAgreement OwnAgreement(i32 i) {
    if (Ends(i, "'") || Ends(i, "\xD5")) return {};
    const u8 f = static_cast<u8>(Feat(i) & 0x3F);
    u8 g = static_cast<u8>(f >> 4);
    u8 n = static_cast<u8>((f & 15) / 4);
    return {static_cast<u8>(g > 2 ? 0 : g), static_cast<u8>(n > 2 ? 0 : n)};
}

bool EpithetClass(i32 i) {
    const u8 c = Cls(i);
    return Readings(i) == 1 && Cat(i) == 10 && (c == 'B' || c == 'C' || c == 'M' || c == 'N');
}

}  // namespace

bool FindCoordinatedEpithets(RuleReport& found) {
    for (i32 d = 0; d + 4 < Count(); ++d) {
        const i32 noun = d + 4;
        if (!CatIn(d, 7, 8) || !Is(d + 2, "et") || !EpithetClass(d + 1) || Cls(d + 1) == 'A' || !EpithetClass(d + 3))
            continue;
        if (Readings(noun) != 1 || Cat(noun) != 10 || (Cls(noun) != 'A' && Cls(noun) != 'C')) continue;
        if (noun + 1 < Count() && Cat(noun + 1) == 10) continue;
        WordAgreement ref = OwnAgreement(noun);
        const WordAgreement det = OwnAgreement(d);
        if (ref.gender == 0) ref.gender = det.gender;
        if (ref.number == 0) ref.number = det.number;
        // A noun of either gender after a determiner of either gender: the
        // two adjectives still share one gender ("les amoureux et
        // merveilleuses imbéciles"), and each is reported.
        const WordAgreement one = OwnAgreement(d + 1), two = OwnAgreement(d + 3);
        const bool split = ref.gender == 0 && OppositeGenders(one.gender, two.gender);
        for (const i32 a : {d + 1, d + 3}) {
            const WordAgreement own = OwnAgreement(a);
            if (split) ref.gender = a == d + 1 ? two.gender : one.gender;
            const bool gender = OppositeGenders(own.gender, ref.gender);
            const bool number = OppositeGenders(own.number, ref.number);
            if ((!gender && !number) || !MayReport(41, a)) continue;
            RuleReport r = ReportFromGlobals(41, a);
            r.detail = static_cast<u16>((gender ? 1 : 0) + (number ? 2 : 0));
            r.kind = 1;
            r.gender = own.gender;
            r.number = own.number;
            r.extent = static_cast<u16>(ref.gender == 0 ? ref.number : 2 * ref.gender + ref.number - 2);
            found = r;
            return true;
        }
    }
    return false;
}

RuleCode CheckQualifierBeforeGroup(u16& out) {
    for (i32 q = 0; q + 1 < Count(); ++q) {
        i32 s = QuelSubject(q);
        if (s < 0) s = SeulGroup(q);
        const bool tout = s < 0;
        if (tout) s = ToutGroup(q);
        if (s < 0) continue;
        const u8 f = static_cast<u8>(Feat(q) & 0x3F);
        const u8 g = tout ? ToutGender(q) : static_cast<u8>(f >> 4);
        const u8 n = tout ? ToutNumber(q) : static_cast<u8>((f & 15) / 4);
        const SegmentRecord& group = Seg(s);
        const bool gender = OppositeGenders(g, group.Gender);
        const bool number = OppositeGenders(n, group.Number);
        if ((!gender && !number) || !MayReport(41, q)) continue;
        RuleReport r = ReportFromGlobals(41, q);
        r.variant = 'F';
        r.detail = static_cast<u16>((gender ? 1 : 0) + (number ? 2 : 0));
        r.kind = 1;
        r.gender = g;
        r.number = n;
        r.extent = static_cast<u16>(group.Gender == 0 ? group.Number : 2 * group.Gender + group.Number - 2);
        return Commit(r, out);
    }
    return 0;
}

RuleCode CheckBeforeContractedArticle(u16& out) {
    if (SegCount() <= 1) return 0;
    for (i32 s = 1; s < SegCount(); ++s) {
        const i32 first = First(s);
        if (Kind(s) != 23 || Cat(first) != 9) continue;
        if (Cat(first - 1) != 8 && !TheOne(First(s - 1))) continue;
        if (Cls(first) == '%') Seg(s).State = 4;
        if (Cls(first) != '%' || s <= 1) continue;
        if (const RuleCode r = Report42(s - 1, s, out); r != 0) return r;
    }
    return 0;
}

RuleCode CheckAcrossPreposition(i32 s, u16& out) {
    if (s <= 0 || s >= SegCount() - 1) return 0;
    if (Cat(First(s - 1)) != 8 && !TheOne(First(s - 1))) return 0;
    if (Cls(First(s)) != '&') return 0;
    return Report42(s - 1, s + 1, out);
}

RuleCode ReportHeldAgreement(const HeldFindings& held, u16& out) {
    RuleReport r = held.agreement;
    r.kind = 1;
    const i32 h = held.record;
    const i32 v = held.groupNumber;
    const bool last = h >= SegCount() - 1;
    i32 main = r.extent > 4 ? kNoCorrection : r.extent;
    i32 second = held.alternative;
    bool pair = true;
    auto swap = [&main, &second] { std::swap(main, second); };
    const i32 a = held.alternative;
    if (main == kNoCorrection || a > 4 || static_cast<i16>(a) <= 0) {
        pair = false;  // no correction, or none from the first word: no arithmetic
    } else if (Is(First(h), "de") || Is(First(h), "d'")) {
        // with its pair
    } else if (!last && Kind(h + 1) == 10 && (main - a == 2 || main - a == -2) && Seg(h + 1).Gender != 0) {
        main = a;
        second = 2 * Seg(h + 1).Gender - 1;
    } else if (Kind(h) == 23) {
        if (h > 0 && Kind(h - 1) == 14 && Cls(First(h - 1)) == 131 && Cat(First(h)) != 15) {
            main += Seg(h - 1).Number - v;
            pair = false;
        } else if (Cls(First(h)) == '%') {
            main += 2 - v;
            pair = false;
        } else if (const i32 k = NextOfKind(h, 14, 14); k >= 0) {
            if (Cat(First(k) - 1) == 5 && Seg(k).Number == v) swap();
        }
    } else if (Kind(h) == 24) {
        const i32 k = NextOfKind(h, 14, 22);
        if (k >= 0 && Kind(k) == 14) {
            if (Seg(k).Number == v) swap();
        } else if (!last && Kind(h + 1) == 10) {
            const i32 d = main - a;
            const u8 next = Seg(h + 1).Number;
            if ((d == 1 || d == -1) && next != 0 && next != v) swap();
        } else if (h > 0 && Cls(First(h) - 1) == '&' && v == 2) {
            swap();
        }
    }
    r.extent = static_cast<u16>(pair && second != 0 ? main + 256 * second : main);
    return Commit(r, out);
}

}  // namespace french_agreement

RuleCode CheckFrenchAgreementRules(u16& wordIndex) {
    using namespace french_agreement;
    if (const RuleCode r = NumberNounGroups(wordIndex); r != 0) return r;
    // The adjectives are found on the words as numbered; the report waits
    // for the table, whose records give its span.
    RuleReport epithet;
    const bool epithetFound = FindCoordinatedEpithets(epithet);
    HeldFindings held;
    BuildGroupTable(held);
    // The findings leave in the dispatcher's order: the held 41, the 42s,
    // then the held 52.
    if (held.agreementHeld) return ReportHeldAgreement(held, wordIndex);
    if (epithetFound) return rules::Commit(epithet, wordIndex);
    if (const RuleCode r = CheckQualifierBeforeGroup(wordIndex); r != 0) return r;
    if (const RuleCode r = CheckBeforeContractedArticle(wordIndex); r != 0) return r;
    if (const RuleCode r = RewriteGroupTable(wordIndex); r != 0) return r;
    if (held.neighbourHeld) return rules::Commit(held.neighbour, wordIndex);
    return 0;
}
