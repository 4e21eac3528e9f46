// The own word tests of the locution pass for words of one to three bytes
// that are not function words: fixed locutions opened or closed by "à",
// "y", "au" and the like, and words whose reading hangs on a neighbour.
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "morphology/word_lookup.h"
#include "rules/french/french_locutions.h"
#include "rules/french/locution_rows.h"

namespace locution {

namespace {

constexpr Match W = Match::kWhole;

bool Always(i32, u16) { return true; }


// Word k is missing or does not begin with "qu".
bool NoQuAt(i32 k) { return !Has(k) || !Begins(k, "qu"); }

// The stretch of "il n'y a guère" or "il n'y a <adverb> longtemps": its last
// word, or 0 when the words after "a" are neither.
i32 GuereStretchEnd(i32 i) {
    if (Is(i + 2, MR("guère"))) return i + 2;
    if (CatIs(i + 2, 18) && Is(i + 3, "longtemps")) return i + 3;
    return 0;
}

void FinNounAdjective(i32 i) {
    Set(i, 10, 66, 20);
    SecondLemma(i);
    KeepOne(i);
}

const WordTest kOneByte[] = {
    {"1", MR("à"), W, [](i32 i, u16) { return Has(i + 1) && SameText(i - 1, i + 1); },
     [](i32 i, u16) {
         Adverbial(i - 1, i + 1);
         KeepOne(i - 1, i + 1);
     },
     nullptr},
    {"2", MR("à"), W,
     [](i32 i, u16) {
         return Has(i + 1) && ClsIs(i - 1, 83) && ClsIs(i + 1, 83) && (!Has(i + 2) || !Begins(i + 2, "heure"));
     },
     [](i32 i, u16) {
         SetCat(i, 18);
         SetCat(i + 1, 18);
         SetFeat(i - 1, 8);
     },
     nullptr},
    {"3", MR("à"), W,
     [](i32 i, u16) { return IsAny(i - 1, "sauf", "face", MR("grâce"), "quant", "quitte", "suite"); },
     [](i32 i, u16) {
         Prepositional(i - 1, i);
         KeepOne(i - 1);
     },
     nullptr},
    {"4", MR("à"), W, [](i32 i, u16) { return Is(i + 1, "travers"); },
     [](i32 i, u16) {
         Prepositional(i, i + 1);
         KeepOne(i + 1);
     },
     nullptr},
    {"5", MR("à"), W,
     [](i32 i, u16) {
         return i >= 2 && ((Is(i - 2, "par") && Is(i - 1, "rapport")) || (Is(i - 2, "de") && Is(i - 1, MR("manière"))));
     },
     [](i32 i, u16) { Prepositional(i - 2, i); }, nullptr},
    {"6", MR("à"), W,
     [](i32 i, u16) {
         return IsAny(i + 1, "califourchon", "croupetons", MR("découvert"), "fond", "loisir", "part", "peine", "pic",
                      "plat", MR("présent"), MR("tâtons"), "reculons", "regret", MR("brûle-pourpoint"),
                      "tire-larigot", MR("tue-tête"), "pied", "cheval");
     },
     [](i32 i, u16) {
         Adverbial(i, i + 1);
         KeepOne(i + 1);
         if (Is(i + 1, "plat") && Is(i + 2, "ventre")) Set(i + 2, 18, 26);
     },
     nullptr},
    {"7", MR("à"), W,
     [](i32 i, u16) {
         const i32 a = i + 1, b = i + 2;
         return Has(b) && ((Is(a, "vrai") && Is(b, "dire")) || (Is(a, "dire") && Is(b, "vrai")) ||
                           (Is(a, "coeur") && Is(b, "joie")) || (Is(a, "vau-l'") && Is(b, "eau")) ||
                           (Is(a, "bon") && Is(b, "escient")) || (Is(a, "mauvais") && Is(b, "escient")));
     },
     [](i32 i, u16) {
         Adverbial(i, i + 2);
         KeepOne(i + 1, i + 2);
     },
     nullptr},
    {"8", MR("à"), W,
     [](i32 i, u16) {
         return Is(i + 1, "la") &&
                IsAny(i + 2, MR("dérobée"), "con", "diable", "hussarde", MR("légère"), "manque", "noix", "papa",
                      "perfection", "sauvette", "va-comme-je-te-pousse", "va-vite", MR("volée"));
     },
     [](i32 i, u16) {
         Adverbial(i, i + 2);
         KeepOne(i + 1);
     },
     nullptr},
    {"9", MR("à"), W,
     [](i32 i, u16) {
         const i32 a = i + 1, b = i + 2, c = i + 3;
         return Has(c) && ((Is(a, "la") && Is(b, "bonne") && Is(c, "franquette")) ||
                           (Is(a, "bouche") && Is(b, "que") && Is(c, "veux-tu")) ||
                           (Is(a, "tire") && Is(b, "d'") && Is(c, "aile")));
     },
     [](i32 i, u16) {
         Adverbial(i, i + 3);
         KeepOne(i + 1);
     },
     nullptr},
    {"10", MR("à"), W,
     [](i32 i, u16) {
         return Is(i + 1, "l'") && IsAny(i + 2, "ancienne", "anglaise", "aveuglette", MR("étourdie"));
     },
     [](i32 i, u16) {
         Adverbial(i, i + 2);
         KeepOne(i + 1);
     },
     nullptr},
    {"11", MR("à"), W,
     [](i32 i, u16) {
         return Begins(i + 1, "le") && (Begins(i + 1, "lesq") || Begins(i + 1, "lesd") || Is(i + 1, "lequel") ||
                                        Is(i + 1, "ledit"));
     },
     [](i32 i, u16) { ReturnAtOnce(129 + i); }, nullptr},
    {"12", MR("à"), W,
     [](i32 i, u16) { return Is(i + 1, "savoir") && ((i > 0 && CatIs(i - 1, 21)) || Begins(i + 2, ":")); },
     [](i32 i, u16) {
         Adverbial(i, i + 1);
         KeepOne(i + 1);
     },
     nullptr},
    {"13", "y", W, [](i32 i, u16) { return Is(i + 1, "compris"); },
     [](i32 i, u16) {
         SetCat(i + 1, 18);
         KeepOne(i + 1);
     },
     "15"},
    {"14", "y", W, [](i32 i, u16) { return Has(i + 1) && !(Is(i - 1, "il") && Is(i + 1, "a")); },
     [](i32 i, u16) { SetCat(i, 2); }, "15"},
    {"15", "y", W,
     [](i32 i, u16) {
         return Is(i - 1, "il") && Is(i + 1, "a") && IsAny(i + 2, "longtemps", "peu") && NoQuAt(i + 3);
     },
     [](i32 i, u16) { Adverbial(i - 1, i + 1); }, nullptr},
    {"16", "y", W,
     [](i32 i, u16) {
         return Is(i - 1, "il") && Is(i + 1, "a") && (Cat(i + 2) == 18 || Cat(i + 2, 1) == 18) &&
                IsAny(i + 3, "longtemps", "peu") && NoQuAt(i + 4);
     },
     [](i32 i, u16) { Adverbial(i - 1, i + 2); }, nullptr},
    {"17", "y", W,
     [](i32 i, u16) {
         if (i < 2 || !Has(i + 3) || !Is(i - 2, "il") || !Is(i - 1, "n'") || !Is(i + 1, "a")) return false;
         const i32 end = GuereStretchEnd(i);
         return end != 0 && NoQuAt(end + 1);
     },
     [](i32 i, u16) {
         for (i32 k = i - 2; k <= i + 1; ++k) SetCat(k, 18);
         for (i32 k = i - 2; k <= i + 2; ++k) SetCls(k, 26);
     },
     nullptr},
};

const WordTest kTwoBytes[] = {
    // "au plus", "au moins", "au mieux", "au pire" are adverbs: "au"
    // keeps its contracted class but opens no noun group (as "du" of "du
    // moins" does), so the adverb after it is no group's head.
    {"18", "au", W, [](i32 i, u16) { return IsAny(i + 1, "plus", "moins", "mieux", "pire"); },
     [](i32 i, u16) {
         KeepOne(i);
         SetFeat(i, 0);
         SetCat(i, 18);
     },
     nullptr},
    {"19", "au", W,
     [](i32 i, u16) {
         return IsAny(i + 1, "demeurant", MR("dépourvu"), "prorata") || Begins(i + 1, MR("débott"));
     },
     [](i32 i, u16) { Adverbial(i, i + 1); }, nullptr},
    {"20", "au", W,
     [](i32 i, u16) { return Is(i + 1, "fur") && Is(i + 2, "et") && Is(i + 3, MR("à")) && Is(i + 4, "mesure"); },
     [](i32 i, u16) {
         if (Is(i + 5, "que")) Conjunctive(i, i + 5);
         else if (Begins(i + 5, "d")) Prepositional(i, i + 5);
         else Adverbial(i, i + 4);
     },
     nullptr},
    {"21", "au", W, [](i32 i, u16) { return IsAny(i - 1, "face", MR("grâce"), "suite"); },
     [](i32 i, u16) { Prepositional(i - 1, i); }, nullptr},
    // "si il ou elle": the whole "si" stands before the pair.
    {"22", "il", W,
     [](i32 i, u16) { return Is(i - 1, "si") && !(IsAny(i + 1, "ou", "et") && IsAny(i + 2, "elle", "elles")); },
     [](i32 i, u16) {
         Report(128 + i);
         gErrorExtent = static_cast<u16>(i);
     },
     nullptr},
    {"23", "in", W, [](i32 i, u16) { return Is(i + 1, "fine"); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i, i + 1);
         Adverbial(i, i + 1);
     },
     nullptr},
    {"24", "or", W, [](i32 i, u16) { return CatIs(i - 1, 10); },
     [](i32 i, u16) {
         SetCat(i, 18);
         SecondLemma(i);
         KeepOne(i);
     },
     nullptr},
    {"25", "or", W, [](i32 i, u16) { return CatIs(i - 1, 7) || CatIs(i - 1, 8); },
     [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"26", "or", W, Always,
     [](i32 i, u16) {
         Set(i, 16, 16, 0);
         SecondLemma(i);
         KeepOne(i);
     },
     nullptr},
    {"27", MR("où"), W, [](i32 i, u16) { return i >= 2 && Is(i - 2, "au") && IsAny(i - 1, "cas", "point"); },
     [](i32 i, u16) { Conjunctive(i - 2, i); }, nullptr},
    {"28", "s'", W, [](i32 i, u16) { return ClsIs(i + 1, 93); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 17, 17, 0);
         gWords.ClampedAt(i).ReadingLemmaRefs.ClampedAt(0) = LookupTextSlotPreserving("si", 1);
     },
     nullptr},
};

const WordTest kThreeBytes[] = {
    {"29", "aux", W, [](i32 i, u16) { return Has(i + 1) && IsAny(i - 1, "face", MR("grâce"), "suite"); },
     [](i32 i, u16) {
         Prepositional(i - 1, i);
         KeepOne(i - 1);
     },
     nullptr},
    {"30", "mon", W, [](i32 i, u16) { return VowelStart(i + 1); }, [](i32 i, u16) { SetFeat(i, 4); }, nullptr},
    {"31", "bon", W, [](i32 i, u16) { return i >= 2 && Is(i - 1, "de") && IsAny(i - 2, "pour", "tout"); },
     [](i32 i, u16) {
         Adverbial(i - 2, i);
         SecondLemma(i);
         KeepOne(i);
     },
     nullptr},
    {"32", "bon", W, [](i32 i, u16) { return CatIs(i - 1, 17) || (i >= 2 && Begins(i - 2, "mauvais")); },
     [](i32 i, u16) {
         Set(i, 8, 81, 20);
         SecondLemma(i);
         KeepOne(i);
     },
     nullptr},
    {"33", "bus", W, [](i32 i, u16) { return CatIn(i - 1, 7, 10); }, [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"34", "cas", W, [](i32 i, u16) { return i >= 2 && Is(i - 2, "dans") && Is(i - 1, "ce"); },
     [](i32 i, u16) {
         Adverbial(i - 2, i);
         KeepOne(i - 2, i - 1);
     },
     nullptr},
    {"35", "cas", W, [](i32 i, u16) { return Is(i - 1, "auquel"); }, [](i32 i, u16) { Conjunctive(i - 1, i); },
     nullptr},
    {"36", "fin", W, [](i32 i, u16) { return Begins(i + 1, MR("prêt")); },
     [](i32 i, u16) {
         ThirdLemma(i);
         KeepOne(i);
         Set(i, 18, 20);
     },
     nullptr},
    {"37", "fin", W, [](i32 i, u16) { return Has(i + 1) && (CatIs(i - 1, 7) || CatIs(i - 1, 8)) && Feat(i - 1) > 31; },
     [](i32 i, u16) { KeepOne(i); }, nullptr},
    {"38", "fin", W,
     [](i32 i, u16) {
         return Has(i + 1) && ((CatIs(i + 1, 10) && Feat(i + 1) < 32) || (CatIs(i - 1, 10) && Feat(i - 1) < 32));
     },
     [](i32 i, u16) { FinNounAdjective(i); }, nullptr},
    {"39", "fin", W, Always,
     [](i32 i, u16) {
         if (ClsIs(i - 1, 131)) FinNounAdjective(i);
         else KeepOne(i);
     },
     nullptr},
    {"40", "foi", W,
     [](i32 i, u16) {
         if (IsAny(i - 1, "chaque", "cette", MR("première"), MR("dernière"))) return true;
         const BoundedString& prev = gWords.ClampedAt(i - 1).WordText;
         return ClsIs(i - 1, 66) && FindCSubstring(prev, MR("ième")) == GetStringLength(prev) - 3;
     },
     [](i32 i, u16) { Report(256 + i); }, nullptr},
    {"41", MR("gré"), W, [](i32 i, u16) { return i >= 2 && Is(i - 1, "bon") && Is(i - 2, "de"); },
     [](i32 i, u16) {
         Adverbial(i - 2, i);
         KeepOne(i - 2, i - 1);
     },
     nullptr},
    {"42", MR("gré"), W, [](i32 i, u16) { return Is(i - 1, "bon") && Is(i + 1, "mal") && Is(i + 2, MR("gré")); },
     [](i32 i, u16) {
         Adverbial(i - 1, i + 2);
         KeepOne(i - 1);
         KeepOne(i + 1);
     },
     nullptr},
    {"43", "nul", W, [](i32 i, u16) { return Has(i + 1) && Cat(i + 1) == 0; }, [](i32 i, u16) { Set(i, 6, 75); },
     nullptr},
    {"44", "peu", W,
     [](i32 i, u16) { return Has(i + 1) && Cls(i + 1) != 66 && Cls(i + 1) != 67 && Is(i - 1, "de"); },
     [](i32 i, u16) {
         KeepOne(i - 1);
         Set(i - 1, 18, 26);
         SetCls(i, 26);
     },
     nullptr},
    {"45", "peu", W,
     [](i32 i, u16) { return Has(i + 1) && Cls(i + 1) != 66 && Cls(i + 1) != 67 && CatIs(i - 1, 7); },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 10, 65, 20);
     },
     nullptr},
    {"46", "rue", W,
     [](i32 i, u16) {
         return ClsIs(i - 1, 82) || ClsIs(i - 1, 83) || (i >= 2 && CatIs(i - 1, 21) && (ClsIs(i - 2, 82) || ClsIs(i - 2, 83)));
     },
     [](i32 i, u16) {
         KeepOne(i);
         Set(i, 10, 65, 36, 69);
     },
     nullptr},
    {"47", "sus", W, [](i32 i, u16) { return ClsIs(i - 1, 85); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 14, 240, 24, 41);
     },
     nullptr},
    {"48", "sus", W, [](i32 i, u16) { return ClsIs(i - 1, 89); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 14, 240, 25, 41);
     },
     nullptr},
    {"49", "sus", W, [](i32 i, u16) { return (Cls(i - 1) > 127 && Mark(i - 1) > 127) || CatIs(i - 1, 10); },
     [](i32 i, u16) {
         SecondLemma(i);
         KeepOne(i);
         Set(i, 11, 240, 3, 41);
     },
     nullptr},
    {"50", "sus", W, Always,
     [](i32 i, u16) {
         Set(i, 18, 20);
         if (Mark(i - 1) == 31 || Is(i - 1, "en") || Is(i + 1, MR("à"))) KeepOne(i);
     },
     nullptr},
    {"51", "qui", W, [](i32 i, u16) { return i == 1 && CatIs(0, 15); }, [](i32, u16) { SetCat(0, 18); }, nullptr},
    // "été" keeps one reading before any of its rows is tried.
    {"52a", MR("été"), W, Always, [](i32 i, u16) { KeepOne(i); }, "52"},
    // The noun after a determiner or "en", and after "l'" or "d'" whatever
    // their readings: no object pronoun or preposition stands right before
    // the participle ("pendant l'été", "une tournée d'été").
    {"52", MR("été"), W,
     [](i32 i, u16) {
         return (Count(i - 1) == 1 && (CatIn(i - 1, 7, 10) || Is(i - 1, "en"))) || Is(i - 1, "l'") || Is(i - 1, "d'");
     },
     [](i32 i, u16) { Set(i, 10, 65, 20, 92); }, nullptr},
    // "tout" (not the adverb "toujours", after which "été" is the
    // participle as after any adverb: "il a toujours été malade").
    {"53", MR("été"), W,
     [](i32 i, u16) { return i >= 2 && Begins(i - 1, "tou") && !Is(i - 1, "toujours") && ClsIs(i - 2, 194); },
     [](i32 i, u16 mode) {
         SetCat(i, 18);
         SecondLemma(i);
         if (mode == 1) {
             SetMark(i - 2, 16);
             SetCls(i - 2, 131);
         }
     },
     nullptr},
    {"54", MR("été"), W, Always,
     [](i32 i, u16) {
         Set(i, 11, 131, 2, 16);
         SecondLemma(i);
     },
     nullptr},
};

}  // namespace

WordTestTable ShortWordTests(i32 length) {
    if (length == 1) return TableOf(kOneByte);
    if (length == 2) return TableOf(kTwoBytes);
    if (length == 3) return TableOf(kThreeBytes);
    return {nullptr, 0};
}

}  // namespace locution
