// English explanation texts, for both checking languages (the French rules
// are explained in English with French examples).
#include "checking/explanation.h"
#include "checking/explanation_texts.h"
#include "frame/mac_roman_literal.h"

void FormatErrorExplanationEnglish(u16 code) { BuildErrorExplanation(code, 0); }

const char* EnglishClassName(u32 index) {
    static const char* const kNames[20] = {
        "", "noun", "adjective", "noun or adjective", "pronoun or possessive adjective",
        "adjective", "demonstrative pronoun", "relative or interrogative pronoun",
        "relative or indefinite pronoun", "relative pronoun or qualifier",
        "indefinite pronoun or qualifier", "indefinite pronoun", "indefinite pronoun or adverb",
        "noun or adjective", "noun or adjective", "demonstrative article", "qualifier",
        "qualifier", "ordinal number", "ordinal number"};
    return index < 20 ? kNames[index] : "";
}

const char* EnglishCategoryName(u32 index) {
    static const char* const kNames[18] = {
        "", "subject pronoun", "object pronoun", "personal pronoun", "demonstrative pronoun",
        "relative pronoun", "indefinite pronoun", "article", "qualifier", "contracted article",
        "noun or adjective", "past participle", "present participle", "verb infinitive",
        "conjugated verb", "preposition", "concoordinating conjunction",
        "subordinating conjunction"};
    return index < 18 ? kNames[index] : "";
}

const char* EnglishFixedExpressionName() { return "fixed expression"; }
const char* EnglishAdverbName() { return "adverb"; }

const char* EnglishText(TextId id) {
    switch (id) {
        // ---- Code 1 ----
        case kT1CapitalGroup: return "The selected word should be capitalized. (This is often the case for English adjectives designating groups of people.)";
        case kT1CapitalProperNoun: return "The selected word is a proper noun which begins with a capital letter.";
        case kT1CapitalAcronym: return "If the selected word is an acronym or an abbreviation, it is normally written in capitals.";
        case kT1CapitalFinal: return "The selected word normally ends with a capital.";
        case kT1FrUnknownWord: return "The French dictionary of the spelling checker does not recognize the selected word.";
        case kT1FrUnknownWordHint: return MR("\nIf you are using the English word “%s,” you should put it in quotes or italics.");
        case kT1FrUnknownWords: return "The French dictionary of the spelling checker does not recognize the selected words.";
        case kT1FrUnknownWordsHint: return MR("\nIf you are using the English words “%s,” you should put them in quotes or italics.");
        case kT1FrOrdinal:
            return MR("The French dictionary of the spelling checker does not recognize the selected word."
                      "\nThe correct abbreviations for ordinal numbers are: "
                      "\n “1er” for “premier,” “1ers” for “premiers,” “1re” for “première,” “1res” for “premières,”"
                      "\n “2d” for “second,” “2ds” for “seconds,” “2de” for “seconde,” “2des” for “secondes,”"
                      "\n “2e” for “deuxième,” “2es” for “deuxièmes, “3e” for “troisième,” “3es” for “troisièmes,” etc.");
        case kT1FrOther: return "The French dictionary of the spelling checker does not recognize the selected word. Check its spelling.";
        case kT1EnPeriod: return "The selected word is an abbreviation usually followed by a period.";
        case kT1EnAdjectivePlural: return "Did you make an adjective plural?  (Adjectives are always invariable in English.)";
        case kT1EnAuxiliaryS: return MR("Did you add an “s” to an auxiliary verb (which should be invariable in English, except for the auxiliaries “to have” and “to be”?");
        case kT1EnComparative: return MR("Did you construct a comparative of a long adjective or adverb by adding the ending “-er”?  Instead, you should precede the adjective or adverb with “more.”");
        case kT1EnSuperlative: return MR("Did you construct a superlative of a long adjective or adverb by adding the ending “-est”?  Instead, you should precede the adjective or adverb with “most.”");
        case kT1EnAmerican: return "The selected word is shown in its American spelling.";
        case kT1EnBritish: return "The selected word is shown in its British spelling.";
        case kT1EnUnknownWord: return "The English dictionary of the spelling checker does not recognize the selected word.";
        case kT1EnUnknownWordHint: return MR("\nIf you are using the French word “%s,” you should put it in quotes or italics.");
        case kT1EnUnknownWords: return "The English dictionary of the spelling checker does not recognize the selected words.";
        case kT1EnUnknownWordsHint: return MR("\nIf you are using the French words “%s,” you should put them in quotes or italics.");
        case kT1EnOther: return "The English dictionary of the spelling checker does not recognize the selected word. Check its spelling.";

        // ---- Codes 2 to 16 ----
        case kT2: return "The selected words have been identified as an abbreviation or an acronym.";
        case kT3: return "The selected word is an abbreviation. Do you wish to replace it?";
        case kT4: return "The sentence beginning with the selected text is too long to be checked.";
        case kT8Lead: return "The selected word is considered to be ";
        case kT8Slang: return "slang.";
        case kT8Colloquial: return "colloquial.";
        case kT8Unsophisticated: return "unsophisticated.";
        case kT8Literary: return "literary.";
        case kT8Archaic: return "archaic.";
        case kT8Tail: return "\nWould you prefer to use a more conventional term?";
        case kT16: return "The selected words are identical.  Check to see that this duplication is deliberate.";

        // ---- Code 32 ----
        case kT32VielleWritten: return "vielle = (musical instrument)";
        case kT32VielleMeant: return MR("vielle = (feminine form of “vieux”)");
        case kT32QuandWritten: return "quand =";
        case kT32QuandMeant: return MR("où =");
        case kT32DansWritten: return "dans =";
        case kT32DansMeant: return MR("à =");
        case kT32FaireWritten: return "faire =";
        case kT32FaireMeant: return "rendre =";
        case kT32ConnaitreWritten: return MR("connaître =");
        case kT32ConnaitreMeant: return "savoir =";
        case kT32EtreWritten: return MR("être =");
        case kT32EtreMeant: return "avoir =";
        case kT32QueWritten: return "que =";
        case kT32QueMeant: return "ce que =";
        case kT32InsteadOf: return MR("Instead of: “%s");
        case kT32DidYouMean: return MR("\ndid you mean to write: “%s?");

        // ---- Codes 37 to 39 ----
        case kT37Missing: return MR("Is there a ligature (“æ,” “œ”) missing from the selected word?  (Many people consider ligatures optional.)");
        case kT37Abusive: return MR("There is a ligature (“æ,” “œ”) in the selected word when there shouldn”t be.");
        case kT37MainAe: return MR("\nThe main words containing the ligature “æ” are: “althæa,” “cæcum,” “cæsium,” “(et) cætera,” “chamærops,” “nævus(i),” “tænia,” “uræus,” and their derivatives.");
        case kT37MainOe: return MR("\nThe main words containing the ligature “œ” are: “angstrœm,” “bœuf,” “cœlentérés,” “cœur,” “fœhn,” “lœss,” “mœurs,” “sœur”,” “vœu” and their derivatives, along with words beginning with “œ” (“œil,” “œuf,” “œuvre,” etc.).");
        case kT38: return MR("Shouldn’t the selected word, which was entered into the lexicon as a proper noun, be capitalized?");
        case kT39Abusive:
            return "The selected words appear to be hyphenated when they should not be."
                   "\nRule: No hypen between an imperative verb and its object pronouns if they are followed by another verb in the infinitive.";
        case kT39Missing: return MR("Shouldn’t a hyphen link the selected words?");
        case kT39RuleNumbers: return MR("\nRule: hypens are required for writing compound numbers (numbers comprised of two or more words) lower than 100.  Exception: numbers ending with “et un,” e.g., “vingt et un.”");
        case kT39RuleOrdinals: return MR("\nRule: hyphens are required when writing compound ordinal numbers (e.g., “soixante-dixième,” “quatre-vingtième,” etc.) under 100.  Exception: those ordinals ending with “et unième,” e.g., “vingt et unième.”");
        case kT39RuleImperative: return "\nRule: a hyphen is required between an imperative verb and an object personal pronoun.";
        case kT39RuleInterrogative: return "\nRule: a hyphen is required between a verb and its personal pronoun in interrogative inversions.";
        case kT39RuleCiLa: return MR("\nRule: a hyphen is required before “ci” or “là” in a demonstrative construction, such as: “cet homme-ci.”");
        case kT39RuleMeme: return MR("\nRule: a hyphen is required between a personal pronoun and the adjective “même.”  Example: “lui-même.”");
        case kT39RuleAfter: return MR("\nRule: a hyphen is required after “%s” if it is followed by a noun.");
        case kT39RuleDemi: return MR("\nRule: a hyphen is required after the adjective “demi” when it is followed by a noun.  Example: “demi-heure.”");
        case kT39Examples:
            return MR("\n\nCounterexamples: vingt neuf / trente-et-un / cent-vingt-huit / quatre-vingt dix-neuvième"
                      "\nCorrect examples: vingt-neuf / trente et un / cent vingt-huit / quatre-vingt-dix-neuvième");

        // ---- Code 40 ----
        case kT40Comma: return "Did you add an unnecessary comma between the selected words?";
        case kT40Separate: return "Did you mean to separate the selected words?";
        case kT40Redundant: return "Redundant construction.";
        case kT40EnAuxiliaryS: return MR("Did you add an “s” to an auxiliary verb (which should be invariable in English, except for the auxiliaries “to have” and “to be”?");
        case kT40EnLowerI: return MR("Did you write “i” instead of “I” (first person singular pronoun)?");
        case kT40EnAdjectiveAfter:
            return "Questionable construction: English adjectives preceed the noun."
                   "\n Counterexample: a man strong."
                   "\n Correct example: a strong man.";
        case kT40EnNot:
            return MR("Questionable construction: principal verb followed by “not.”"
                      "\n Rule: verbs (with the exception of auxiliaries) are formed with the auxiliary verb “to do”"
                      "\n Counterexample: he sleeps not at night."
                      "\n Correct example: he does not sleep at night."
                      "\n Exceptions: the following verbs can be used both ways: “to think,” “to believe,” “to suppose,” “to expect.” Example: “I believe not” or “I don't believe.”");
        case kT40EnComparative: return MR("Did you mistakenly use the comparative of “%s” instead of the superlative?");
        case kT40EnSuperlative: return MR("Did you mistakenly use the superlative of “%s” instead of the comparative?");
        case kT40EnMore: return MR("Did you mistakenly construct the comparative of the short adjective “%s” by using the word “more”?");
        case kT40EnMost: return MR("Did you mistakenly construct the superlative of the short adjective “%s” by using the word “most”?");
        case kT40EnAnd:
            return MR("You've placed a comma instead of “and” before the last item in a list."
                      "\nRule: Use “and” before the last item in a list."
                      "\n\nSample error: She ate an apple, an orange, a banana"
                      "\nCorrect example: She ate an apple, an orange and a banana");
        case kT40EnThere: return MR("Instead of: “there” (adverb), did you mean to write: “they're” (contraction of “they are”)?");
        case kT40EnTheir: return MR("Instead of: “their” (possessive adjective), did you mean to write:“there” (adverb)?");
        case kT40EnHe: return MR("Instead of: “he” (subject pronoun), did you mean to write: “him” (object pronoun)?");
        case kT40EnThey: return MR("Instead of: “they” (subject pronoun), did you mean to write: “them” (object pronoun)?");
        case kT40EnI: return MR("Instead of: “I” (subject pronoun), did you mean to write: “me” (object pronoun)?");
        case kT40EnWe: return MR("Instead of: “we” (subject pronoun), did you mean to write: “us” (object pronoun)?");
        case kT40EnIts: return MR("Instead of: “it's” (contraction of “it is”), did you mean to write: “its” (a possessive adjective)?");
        case kT40EnLets: return MR("Instead of: “let's” (contraction of “let us”), did you mean to write: “lets” (from the verb “to let”)?");
        case kT40EnAdverb:
            return MR("The selected words seem to be of incompatible grammatical types: %s for “%s” and adjective for “%s.”"
                      "\nRule: Adverbs (and not adjectives) are used to modify verbs");
        case kT40EnPrevReal: return MR("Instead of: “real” (adjective), did you mean to write: “really” (adverb)?");
        case kT40EnPrevItIs: return MR("Instead of: “it's” (contraction of: it is), did you mean to write:“its” (possessive adjective)?");
        case kT40EnPrevIts: return MR("Instead of: “its” (a possessive adjective), did you mean to write: “it's” (contraction of “it is”)?");
        case kT40EnPrevYouAre: return MR("Instead of: “you're” (contraction of: you are), did you mean to write: “your” (possessive adjective)?");
        case kT40EnPrevTheyAre: return MR("Instead of: “they're” (contraction of: they are), did you mean to write: “their” (possessive adjective)?");
        case kT40EnPrevThere: return MR("Instead of: “there” (adverb), did you mean to write: “their” (possessive adjective)?");
        case kT40EnPrevHim: return MR("Instead of: “him” (object pronoun), did you mean to write: “he” (subject pronoun)?");
        case kT40EnPrevThem: return MR("Instead of: “them” (object pronoun), did you mean to write: “they” (subject pronoun)?");
        case kT40EnPrevMe: return MR("Instead of: “me” (object pronoun), did you mean to write: “I” (subject pronoun)?");
        case kT40EnPrevUs: return MR("Instead of: “us” (object pronoun), did you mean to write: “we” (subject pronoun)?");
        case kT40EnPrevHer: return MR("Instead of: “her” (possessive adjective), did you mean to write: “she” (subject pronoun)?");
        case kT40EnPrevSome: return MR("Instead of: “some” did you mean to write: “any” (generally used after a negative)?");
        case kT40EnPrevTo: return MR("Instead of “to” (preposition), did you mean to write “too” (adverb)?");
        case kT40EnPrevLets: return MR("Instead of “lets” (a form of the verb “to let”), did you mean to write “let's” (contraction of “let us\")?");
        case kT40EnPrevYour: return MR("Instead of “your” (a possessive adjective), did you mean to write “you're” (contraction of “you are”)?");
        case kT40EnPrevCant: return MR("Instead of “cant” (meaning “jargon”), did you mean to write “can't” (contraction of “cannot”) ?");
        case kT40EnTypes: return MR("The selected words seem to be of incompatible grammatical types: %s for “%s” and %s for “%s.”");
        case kT40EnRules:
            return MR("\nRules: Short adjectives or adverbs form their comparative by adding the suffix “-er” and their superlative by the suffix “-est.”"
                      "\nThe comparatives and superlatives of longer adjectives and adverbs are generally formed by placing “more” (for comparatives) and “most” (for superlatives) before the word."
                      "\nThe “short” adjectives and adverbs are those which consist of only one syllable, or which have two syllables but end in “-y,” “-er,” “ow,” or “le.”"
                      "\nExceptions: “apt,” “cross,” “dead,” “drunk,” “frank,” “glad,” “real” all behave like long adjectives."
                      "\nIrregular comparatives: “better” for “good” and “well” / “worse” for “bad” / “further” for “far.”"
                      "\nIrregular superlatives: “best” for “good” and “well” / “worst” for “bad” / “furthest” for “far.”");
        case kT40EnExampleS: return "\n\nCounterexample: he is the more intelligent man" "\nCorrect example: he is the most intelligent man";
        case kT40EnExampleK: return "\n\nCounterexample: he is laziest than you" "\nCorrect example: he is lazier than you";
        case kT40EnExampleL: return "\n\nCounterexample: she seemed most intelligent than him" "\nCorrect example: she seemed more intelligent than him";
        case kT40EnExampleM: return "\n\nCounterexamples: a more sad time / it looked more low" "\nCorrect examples: a sadder time / it looked lower";
        case kT40EnExampleQ: return "\n\nCounterexample: he was our most strong leader" "\nCorrect example: he was the strongest leader";
        case kT40FrPronounOrder: return "The selected words are two personal pronouns which are in the wrong order.";
        case kT40FrPronounOrderReflexive:
            return MR("\nRule: the reflexive personal pronoun precedes the direct object pronoun."
                      "\n\nCounterexamples: le sage le se dit / il les me prêtera"
                      "\nCorrect examples: le sage se le dit / il me les prêtera");
        case kT40FrPronounOrderDirect:
            return MR("\nRule: the direct object pronoun precedes the indirect object pronoun."
                      "\n\nCounterexamples: on leur le donne / il lui les prêtera"
                      "\nCorrect examples: on le leur donne / il les lui prêtera");
        case kT40FrQuantA: return MR("The selected words form a questionable sequence. Did you mean to write “quant à” (“pertaining to,” “as for”)?");
        case kT40FrCapitalA: return MR("Instead of “A” (3rd person singular present of the verb “avoir”), did you mean to write “À” (preposition)?\n(The option for requiring accents on capital letters is activated)");
        case kT40FrA: return MR("Instead of: “a” (3rd person singular present of the verb “avoir”), did you mean to write “à” (preposition)?");
        case kT40FrAGrave: return MR("Instead of: “à” (preposition), did you mean to write: “a” (third person singular in the present of the verb “avoir”)?");
        case kT40FrFut: return MR("Instead of: “fut” (third person singular in the “passé simple” of the verb “être”), did you mean to write: “fût” (noun: “barrel,” “tree trunk”…)?");
        case kT40FrCe: return MR("Instead of: “ce” (a demonstrative: “this”), did you mean to write: “se” (reflexive personal pronoun: “himself,” “herself”)?");
        case kT40FrCApostrophe: return MR("Instead of: “c'” (a demonstrative: “this”), did you mean to write: “s'” (reflexive personal pronoun: “himself,” “herself”)?");
        case kT40FrFoi: return MR("Instead of “foi” (faith), did you mean to write “fois” (time)?");
        case kT40FrCentVingt:
            return MR("“cent” and “vingt” take an “-s” in the plural if they form the last part of a compound number."
                      "\n\nCounterexamples: deux cent / deux cents vingt / quatre-vingts-dix"
                      "\nCorrect examples: deux cents / deux cent vingt / quatre-vingts");
        case kT40FrSubjectPronoun:
            return "Instead of a subject pronoun did you mean to use a disjunctive pronoun?"
                   "\n\nCounterexamples: Il mange avec je"
                   "\nCorrect examples: Il mange avec moi";
        case kT40FrPrevLeurs: return MR("Instead of: “leurs” (possessive adjective: “theirs”), did you mean to write: “leur” (personal pronoun: “to them”)?");
        case kT40FrPrevOu: return MR("Instead of: “ou” (conjunction: “or”), did you mean to write: “où” (adverb of place: “where”)?");
        case kT40FrPrevQuelques: return MR("Instead of: “quelques” (indefinite adjective: “some,” “a few”), did you mean to write: “quelque” (adverb used before a number, e.g., “quelque cent personnes” ---> “some one hundred people”)?");
        case kT40FrPrevCe: return MR("Instead of: “ce” (a demonstrative: “this”), did you mean to write: “se” (reflexive personal pronoun: “himself,” “herself”)?");
        case kT40FrPrevCApostrophe: return MR("Instead of: “c” (a demonstrative, “this”), did you mean to write: “s'” (reflexive personal pronoun: “himself,” “herself”)?");
        case kT40FrPrevQuelqu:
            return MR("Instead of: “%s,” did you mean to write: “quel” (or “quelle,” “quels,” or “quelles”) + “que”?"
                      "\nDo not confuse “quelque” (adjective: “some,” “a few”) with “quel que” (concessive: e.g., “quel que soit le prix” ---> “whatever the price may be”).");
        case kT40FrPrevQuoique: return MR("Instead of: “quoique” (subordinating conjunction: “although”), did you mean to write: “quoi que” (concessive: e.g. “quoi que tu fasses” ---> “whatever you do”)?");
        case kT40FrPrevAGrave: return MR("Instead of: “à” (preposition), did you mean to write: “a”?");
        case kT40FrPrevCentVingt:
            return MR("“cent et vingt” take plural forms if they are part of a compound number."
                      "\n\nCounterexamples: deux cent / deux cents vingt / quatre-vingts-dix"
                      "\nCorrect examples: deux cents / deux cent vingt / quatre-vingts");
        case kT40FrTypesBefore: return MR("The selected words seem to be of incompatible grammatical types: %s for “%s” and %s for “%s.”");
        case kT40FrLocution: return "The selected words (part of a set expression) seem incompatible with the preceding word.";
        case kT40FrTypes: return MR("The selected words seem to be of incompatible grammatical types: %s for “%s” and %s for “%s.”");

        // ---- Code 41 ----
        case kT41EnPlural: return "Did you mistakenly put the selected adjective in the plural?";
        case kT41ColourCompound:
            return MR("In this usage, “%s” does not agree."
                      "\nRule 1-C: compound adjectives of color are invariable."
                      "\n\nCounterexamples: des yeux bleus pervenche(s) / une teinte violette foncée"
                      "\nCorrect examples: des yeux bleus / des yeux bleu pervenche (1) / une teinte violet foncé"
                      "\n(1) “des yeux bleu pervenche” meaning “des yeux d'un bleu pervenche”");
        case kT41ColourNoun:
            return MR("In this usage, “%s” does not agree."
                      "\nRule 1-C: nouns used as adjectives of color are invariable."
                      "\n\nCounterexamples: des yeux marrons / des mers bleues indigo"
                      "\nCorrect examples: des marrons / des yeux marron / des mers bleu indigo"
                      "\nNote: a few other nouns used as adjectives follow the same pattern: “nord (les quartiers nord),” “ouest,” “sud,” “est,” “ultra (des élus ultra),” “bœuf (des effets bœuf),” “maison (des employés maison),” etc., "
                      "as do foreign nouns occasionally used as adjectives: “sterling,” “kitsch,” “soft,” “open,” “waterproof,” etc.");
        case kT41CheckX: return MR("Check the agreement in %s of “%s” %s");
        case kT41CheckOther: return MR("Check the agreement in %s between “%s” %s and that which precedes it");
        case kT41Period: return ".";
        case kT41RuleEnglish: return "\nRule 1: members of a noun clause generally agree in number.";
        case kT41RuleFrench: return "\nRule 1: members of a noun clause generally agree in gender and number.";
        case kT41ExamplesGender:
            return "\n\nCounterexamples: un chat noire / tout douceur / une conseil amical"
                   "\nCorrect examples: un chat noir / toute douceur / un conseil amical";
        case kT41ExamplesEnglish:
            return "\n\nCounterexamples: two reliable friend / these nice exemple / an alumni"
                   "\nCorrect examples: two reliable friends / these nice exemples / an alumnus";
        case kT41ExamplesNumber:
            return MR("\n\nCounterexamples: deux ami fidèles / quelque bonnes idées / ces bon exemple"
                      "\nCorrect examples: deux amis fidèles / quelques bonnes idées / ce bon exemple");
        case kT41ExamplesBoth:
            return MR("\n\nCounterexamples: des cas obscure / divers autre possibilités"
                      "\nCorrect examples: des cas obscurs / diverses autres possibilités");
        case kT41AspectGender: return "gender";
        case kT41AspectNumber: return "number";
        case kT41AspectBoth: return "gender and in number";
        case kTMasculine: return "masculine ";
        case kTFeminine: return "feminine ";
        case kTSingular: return "singular ";
        case kTPlural: return "plural ";

        // ---- Codes 42 and 43 ----
        case kT42Relative: return MR("Check the agreement of the relative pronoun “%s” with that which precedes.");
        case kT42Qualifier:
            return MR("Check the gender agreement of the qualifier “%s” with what follows it."
                      "\nRule 1-R: an element representing the noun clause agrees with it in gender."
                      "\n\nCounterexample: chacune de mes parents"
                      "\nCorrect example: chacun de mes parents");
        case kT43Lead: return MR("Check the agreement of the past participle “%s.”");
        case kT43RuleA:
            return MR("\nRule 3A: after the auxiliary “être” (and after any other verb than the auxiliary “avoir”), the past participle agrees with the grammatical subject, like an adjective."
                      "\n\nCounterexamples: elle est mal tombé / ils semblent calmé"
                      "\nCorrect examples: elle est mal tombée / ils semblent calmés");
        case kT43RuleB:
            return MR("\nRule 3B: after the auxiliary verb “avoir,” and if there is no preceding direct object, the past participle remains in the masculine singular."
                      "\n\nCounterexamples: tu as accomplis des exploits / ces conférencières ont manquées de clarté"
                      "\nCorrect examples: tu as accompli des exploits / ces conférencières ont manqué de clarté");
        case kT43RuleC:
            return MR("\nRule 3C: after the verb “avoir” when it is preceded by a direct object, the past participle will agree with the object in gender and in number."
                      "\n\nCounterexamples: elle les a rencontrée / je sais les exploits que tu as accompli"
                      "\nCorrect examples: elle les a rencontrés / je sais les exploits que tu as accomplis");
        case kT43RuleD1:
            return MR("\nRule 3D-1: if there is no direct object other than the reflexive pronoun ('me,' 'te,' 'se,' etc.), the past participle of a pronominal verb agrees with that pronoun, which is the same in number and gender as the subject (*)."
                      "\n\nCounterexamples: ils se sont lavé / elle s'est trompé de genre"
                      "\nCorrect examples: ils se sont lavés / elle s'est trompée de genre"
                      "\n\n (*): The reflexive pronoun is a direct object in 'ils se sont lavés' because “laver” takes a direct object (“they washed themselves”)."
                      "\nOn the other hand, if the verb takes an indirect object ('se parler,' 'se dire,' for example), the reflexive pronoun is indirect, and there is no agreement.");
        case kT43RuleD2:
            return MR("\nRule 3D-2: when followed by a direct object in the predicate, the past participle of pronominal verbs does not change:"
                      "\n\nCounterexamples: ils se sont lavées les mains / elle s'est donnée la mort"
                      "\nCorrect examples: ils se sont lavé les mains / elle s'est donné la mort");
        case kT43RuleD3:
            return MR("\nRule 3D-3: when preceded by a direct object other than the reflexive pronoun (“me,” “te,” “se”), the past participle of a pronominal verb agrees with that object."
                      "\n\nCounterexamples: les mains qu'ils se sont lavés / elles se les sont lavé"
                      "\nCorrect examples: les mains qu'ils se sont lavées / elles se les sont lavés (ou lavées)"
                      "\nException: the past participle remains invariable when the direct object is the pronoun “en.” \nExample: ils s'en sont moqué");
        case kT43RuleD4:
            return MR("\nRule 3D-4: if the reflexive pronoun is an indirect object, and if there is no preceding direct object, the past participle of a reflexive verb remains unchanged."
                      "\n\nCounterexamples: ils se sont téléphonés / ils se sont nuis"
                      "\nCorrect examples: ils se sont téléphoné / ils se sont nui"
                      "\n('ils se sont nui' = 'ils ont nui à eux-mêmes'. 'Se' is thus an indirect object.)");
        case kT43RuleE:
            return MR("\nRule 3E: before an infinitive the past participle of certain verbs do not change.  (In effect, the infinitive serves as a direct object.)  These verbs are: "
                      "laisser, devoir, pouvoir, faire, savoir, dire, croire, permettre, penser, prévoir, vouloir."
                      "\n\nCounterexample: les idées que j'ai faites triompher"
                      "\nCorrect example: les idées que j'ai fait triompher");

        // ---- Code 44 ----
        case kT44EnLead: return "The selected word is a verb";
        case kT44EnThirdSingular: return " in the third person singular.";
        case kT44EnPeriod: return ".";
        case kT44EnCheck: return " Check its agreement %s with its subject.";
        case kT44EnRule:
            return "\nRule 2: the verb agrees with the subject(s) in number and in person."
                   "\n\nCounterexamples: he love his cat / they wants more / you was right"
                   "\nCorrect examples: he loves his cat / they want more / you were right";
        case kT44EnAspectPerson: return "in person";
        case kT44EnAspectNumber: return "in number";
        case kT44EnAspectBoth: return "in number and in person";
        case kT44FrVerbAfterVerb: return "Questionable construction: the selected word is a verb following another verb.";
        case kT44FrEtre: return MR("Have you used the auxiliary “être” instead of “avoir”?");
        case kT44FrAvoir:
            return MR("Have you used the auxiliary “avoir” instead of “être”?"
                      "\nRule: the auxiliary “être” is generally required (except in the rare case of transitive usage) for the following verbs: advenir, aller, arriver, décéder, descendre, devenir, entrer, intervenir, monter, mourir, naître, obvenir, partir, parvenir, provenir, redescendre, redevenir, remonter, rentrer, rester, ressortir, retomber, retourner, revenir, sortir, survenir, tomber, venir."
                      "\n\nCounterexamples: elle a mal tombé / ils ont resté"
                      "\nCorrect examples: elle est mal tombée / ils sont restés");
        case kT44FrInterrogative: return "interrogative verb form";
        case kT44FrCheckGender: return "Check the agreement in gender of the higlighted word (%s).";
        case kT44FrRuleInterrogative:
            return MR("\nRule 2-I: The interrogative verb form agrees with the subject in number and in person (first, second, or third)."
                      "\n\nCounterexample: Vos clientes ont-ils accepté son offre ? "
                      "\nCorrect example: Vos clientes ont-elles accepté son offre ? ");
        case kT44FrImperative:
            return MR("There is a questionable verb form at the beginning of this phrase. Did you mean to use the imperative instead?"
                      "\n\nCounterexample: Aimes ton prochain comme toi-même"
                      "\nCorrect example: Aime ton prochain comme toi-même");
        case kT44Person1: return "first person";
        case kT44Person2: return "second person";
        case kT44Person3: return "third person";
        case kT44Person12: return "first or second person";
        case kT44Person13: return "first or third person";
        case kT44Person23: return "second ou third person";
        case kT44OfSingular: return " singular";
        case kT44OfPlural: return " plural";
        case kT44FrVerbIn: return "The selected word is a verb in the %s.";
        case kT44FrCheck: return " Check its agreement %s with its subject.";
        case kT44FrRule:
            return MR("\nRule 2: the verb agrees with its subject(s)(1) in number and person."
                      "\n\nCounterexamples: tu va fort / nous achèteront ce logiciel / lui et moi sont d'accord"
                      "\nCorrect examples: tu vas fort / nous achèterons ce logiciel / lui et moi sommes d'accord"
                      "\n(1) In the case of multiple subjects, the verb is in the plural, and its person is determined thus:"
                      "\n - put the verb in the first person if one of the subjects is in the first person;"
                      "\n - otherwise, put the verb in the second person if one of the verbs is in the second person,"
                      "\n - and in all other cases, put verb in the third person.");
        case kT44FrAspectPerson: return "in person";
        case kT44FrAspectNumber: return "in number";
        case kT44FrAspectBoth: return "in number and person";

        // ---- Code 45 ----
        case kT45EnPlural: return "Have you mistakenly put the selected predicate in the plural?";
        case kT45OfThe: return "of the ";
        case kT45Predicate: return "predicate";
        case kT45PredicateAdjective: return "predicate adjective";
        case kT45ModifyingClause: return "modifying clause";
        case kT45Epithet: return "adjectival epithet";
        case kT45BeginningWith: return " beginning with";
        case kT45Adjective: return "";      // French phrases only
        case kT45ArticleElided: return "";  // French phrases only
        case kT45ArticleDu: return "";      // French phrases only
        case kT45CheckGender: return MR("Check the agreement in gender %s “%s.”");
        case kT45CheckNumber: return MR("Check the agreement in number %s “%s.”");
        case kT45CheckBoth: return MR("Check the agreement in gender and number %s “%s.”");
        case kT45RuleT:
            return "\nRule 4-T: the predicate adjective agrees with the subject in gender and number."
                   "\n\nCounterexamples: elle est bien joli / lui et moi devenons adulte"
                   "\nCorrect examples: elle est bien jolie / lui et moi devenons adultes";
        case kT45RuleG:
            return "\nRule 4-G: the modifying clause agrees with the subject in gender and number. It still agrees in gender even if there is no pure noun at its center."
                   "\n\nCounterexamples: ils sont mon candidat / elles semblent le plus ancien"
                   "\nCorrect examples: ils sont mes candidats / elles semblent les plus anciennes";
        case kT45RuleE:
            return MR("\nRule 4-E: epithets agree in gender and number with the noun (or pronoun) to which they refer."
                      "\n\nCounterexamples: des mers houleux / des règles sans doute violé"
                      "\nCorrect examples: des mers houleuses / des règles sans doute violées");
        case kT45RuleR:
            return MR("Predicate adjectives are invariable after such verbs as “parler,” “voir,” “sentir” (and their synomymes)."
                      "\n\nCounterexample: ils parlent espagnols"
                      "\nCorrect example: ils parlent espagnol");
        case kT45Complement: return MR("Make the complement “%s” agree with the noun to which it refers.");

        // ---- Codes 46 to 50 ----
        case kT46EnPreterite:
            return "Questionable construction: the selected word is a verb in the preterite."
                   "\nWouldn't it be preferable to use the past participle of this verb?"
                   "\n\nCounterexamples: she has forgot / he is showed"
                   "\nCorrect examples: she has forgotten / he is shown";
        case kT46EnInfinitive:
            return "Questionable construction: the selected word is a verb in the infinitive."
                   "\nWouldn't it be preferable to use the past participle of this verb?"
                   "\n\nCounterexamples: we have establish / you are know"
                   "\nCorrect examples: we have established / you are known";
        case kT46Fr:
            return MR("Questionable construction: the selected word is a verb in the infinitive."
                      "\nWouldn’t it be preferable to use the past participle of this verb?"
                      "\n\nCounterexamples: ils ont tenter le diable / elles sont forcer de passer"
                      "\nCorrect examples: ils ont tenté le diable / elles sont forcées de passer");
        case kT47EnLead: return "Questionable construction: the selected word is a";
        case kT47EnPreterite: return " verb in the preterite,";
        case kT47EnParticiple: return " past participle,";
        case kT47EnEither: return " past participle or verb in the preterite,";
        case kT47EnTail: return MR(" following an auxiliary verb." "\nWouldn’t it be preferable to use the infinitive?");
        case kT47FrLead: return "Questionable construction: the selected word is a past participle";
        case kT47FrSemiAuxiliary: return " following a semi-auxiliary verb.";
        case kT47FrInfinitive: return " following an infinitive.";
        case kT47FrReflexive: return " following a reflexive personal pronoun.";
        case kT47FrParticiple: return " following another past participle.";
        case kT47FrPrepositional: return " following a prepositional phrase.";
        case kT47FrTail: return MR("\nWouldn’t it preferable to use the infinitive form of the verb?");
        case kT48Lead: return "There seems to be a stray ";
        case kT48Quote: return "quotation mark.";
        case kT48Apostrophe: return "apostrophe.";
        case kT48Parenthesis: return "parenthesis.";
        case kT48Bracket: return "bracket.";
        case kT48Brace: return "curly brace.";
        case kT49Direct: return "Check the selected verb, which is followed in this phrase by a direct object, although it is ";
        case kT49Intransitive: return "normally intransitive.";
        case kT49Pronominal: return "normally pronominal.";
        case kT49IntransitiveOrPronominal: return "normally intransitive or pronominal.";
        case kT49HerePronominal: return "pronominal.";
        case kT49Preposition: return "Check the construction of the selected verb, which is rarely followed by the preposition ";
        case kT49PrepA: return MR("“à.”");
        case kT49PrepAu: return MR("“au.”");
        case kT49PrepPour: return MR("“pour.”");
        case kT49PrepAvec: return MR("“avec.”");
        case kT49Reflexive: return "Check the selected verb, which is normally used with a reflexive pronoun";
        case kT49Disjunctive:
            return MR("The selected object pronoun appears to be wrong.\nUse disjunctive pronouns as the objects of prepositions."
                      "\n\nCounterexamples: il a parlé avec me / il part sans les"
                      "\nCorrect examples: il a parlé avec moi / il part sans eux");
        case kT49ObjectPosition:
            return MR("The position of the selected direct object pronoun appears to be wrong.\nDirect object pronouns should go before the verb in standard constructions."
                      "\n\nCounterexamples: il a parlé me / il frappe le"
                      "\nCorrect examples: il m'a parlé / il le frappe");
        case kT49NeedsPreposition: return MR("The predicate of the selected verb requires a preposition (like “à”.)");
        case kT49InfinitiveBare:
            return "The selected verb is usually not followed by a preposition when it precedes an infinitive."
                   "\n\nCounterexamples: il ose à affirmer / il veut de dormir"
                   "\nCorrect examples: il ose affirmer / il veut dormir";
        case kT49InfinitiveA:
            return MR("The selected verb is usually followed by the preposition “à” when it precedes an infinitive."
                      "\n\nCounterexamples: il m'a aidé de rédiger / il hésite abandonner"
                      "\nCorrect examples: il m'a aidé à rédiger / il hésite à abandonner");
        case kT49InfinitiveDe:
            return MR("The selected verb is usually followed by the preposition “de” when it precedes an infinitive."
                      "\n\nCounterexamples: il a refusé se taire / il regrette à nous quitter"
                      "\nCorrect examples: il a refusé de se taire / il regrette de nous quitter");
        case kT49InfinitiveSome:
            return MR("The selected verb is usually followed by a preposition (like “de”) when it precedes an infinitive."
                      "\n\nCounterexamples: il continue parler"
                      "\nCorrect examples: il continue de parler / il continue à parler");
        case kT50:
            return MR("Following an expression of quantity, partitive or indefinite articles become “de” instead of "
                      "“des,” “de la,” or “du”."
                      "\n\nCounterexamples: elle achète un litre du vin / il a beaucoup des amis"
                      "\nCorrect examples: elle achète un litre de vin / il a beaucoup d'amis");

        // ---- Code 52 ----
        case kT52EnA:
            return MR("The two selected words are incompatible. Use the form 'an' instead of 'a' before a vowel (except those pronounced [ju:]) or an unaspirated “h.”\n Nota bene: The conventional phonetic notation [ju:] corresponds to the sound 'you'"
                      "\n\nCounterexamples: a adventure, a insult, a umbrella, a honour"
                      "\nCorrect examples: an adventure, an insult, an umbrella, an honour");
        case kT52EnOne: return MR("The two selected words are incompatible: before “one ,” use “a” rather than “an.”");
        case kT52EnYou:
            return MR("The two selected words are incompatible. Use “a” rather than “an” before words beginning with the vowels 'u' or 'e' if they are pronounced: [ju:]-> (These are considered semiconsonants).\nNota bene: The conventional phonetic notation [ju:] corresponds to the sound 'you'."
                      "\n\nCounterexamples: an European, an ewe, an Utopian, an unit"
                      "\nCorrect examples: a European, a ewe, a Utopian, a unit");
        case kT52EnAn: return MR("The two selected words are incompatible. Use the form 'a' instead of 'an' before a consonant or an aspirated “h.”");
        case kT52VowelAdjective:
            return "The two selected words are incompatible: The following adjectives take a different form when preceding a vowel: "
                   "beau -> bel, nouveau -> nouvel, vieux -> vieil, fou -> fol, mou -> mol."
                   "\n\nCounterexamples: un nouveau ami / un fou espoir"
                   "\nCorrect examples: un nouvel ami / un fol espoir / un espoir fou";
        case kT52VowelPossessive:
            return MR("The two selected words are incompatible: when coming before a vowel, the feminine possessive adjective "
                      "takes the masculine form (for reasons of euphony)."
                      "\n\nCounterexamples: ma amie / sa idée"
                      "\nCorrect examples: mon amie / son idée");
        case kT52VowelCe:
            return MR("The two selected words are incompatible: when coming before a vowel, “ce” is replaced by “cet.”"
                      "\n\nCounterexamples: ce arbre / ce automne"
                      "\nCorrect examples: cet arbre / cet automne");
        case kT52VowelAuDu:
            return MR("The two selected words are incompatible: when coming before a vowel, “au” and “du” are replaced by “à l'” and “de l'.”"
                      "\n\nCounterexamples: du embarras au ennui"
                      "\nCorrect examples: de l'embarras à l'ennui");
        case kT52VowelElision:
            return MR("The two selected words are incompatible: contraction (elision) is required before a vowel (or before an unaspirated “h”) for the following words:"
                      "\n - the articles “le,” “la,” “de,”"
                      "\n - the pronouns “je,” “le,” “la,” “me,” “te,” “se,” “ce”"
                      "\nas well as: “ne,” “que,” “jusque” and “si” (when it is followed by “il” or “ils”)."
                      "\n\nCounterexamples: il ne a que à se avancer si il le ose"
                      "\nCorrect examples: il n'a qu'à s'avancer s'il l'ose");
        case kT52ConsonantAdjective:
            return "The two selected words are incompatible: The following adjectives are modified when they come before a consonant: "
                   "bel -> beau, nouvel -> nouveau, vieil -> vieux, fol -> fou, mol -> mou."
                   "\n\nCounterexample: un nouvel projet"
                   "\nCorrect examples: un nouveau projet / un nouvel espoir";
        case kT52ConsonantCet:
            return MR("The two selected words are incompatible: before a consonant, use “ce” or “cette.”"
                      "\n\nCounterexamples: cet héros / cet amie"
                      "\nCorrect examples: ce héros / cette amie");
        case kT52ConsonantOnze:
            return MR("The two selected words are incompatible: no contraction (elision) before certain words even though they begin with a vowel: "
                      "onze et onzième, ouistiti, uhlan."
                      "\n\nCounterexample: l'onze décembre 1928"
                      "\nCorrect example: le onze décembre 1928"
                      "\nNote: contraction is allowed, but not required, before “ouate” and its derivatives "
                      "and, depending on the meaning, before “oui” and “une”: “l'une d'elles,” but “du sang à la une.”");
        case kT52ConsonantY:
            return MR("The two selected words are incompatible: do not contract (or elide) before a word beginning with “y + vowell” (except “yeuse”)."
                      "\n\nCounterexamples: l'yaourt et l'yang"
                      "\nCorrect examples: le yaourt et le yang");
        case kT52ConsonantADe:
            return MR("The two selected words are incompatible: before a definite article, “à” and “de” are contracted into “au/aux” and “du/des.”"
                      "\n\nCounterexamples: du embarras, au ennui"
                      "\nCorrect examples: de l'embarras, à l'ennui");
        case kT52ConsonantOther:
            return MR("The two selected words are incompatible: do not contract (or elide) words coming before a consonant or an aspirated “h.”"
                      "\n\nCounterexamples: l'héros et l'handicap"
                      "\nCorrect examples: le héros et le handicap");

        // ---- Code 53 ----
        case kT53EnPreterite:
            return MR("The selected word is a verb in a questionable tense."
                      "\nRule: Use the preterit after “if” when the principal clause is in the conditional."
                      "\n\nCounterexample: if I have the time, I would do it"
                      "\nCorrect example: if I had the time, I would do it");
        case kT53EnFuture:
            return MR("The selected word is a verb in the future after “if,” which seems questionable."
                      "\nRule: The future is generally not used after “if” (instead, use the present or the preterit)."
                      "\n\nCounterexample: if I will agree"
                      "\nCorrect examples: if I agree / if I agreed");
        case kT53EnConditional:
            return MR("The selected word is a verb in the conditional after “if,” which seems questionable."
                      "\nRule: The conditional is generally not used after “if” (instead, use the present or the preterit)"
                      "\n\nCounterexample: if I would agree"
                      "\nCorrect examples: if I agree / if I agreed");
        case kT53EnMain:
            return MR("The selected word is a verb whose tense is questionable for use in the principal clause."
                      "\nRule: The conditional is generally used in the principal clause when the subordinated clause begins with “if” and when the verb is in the preterit."
                      "\n\nCounterexample: if I had the time, I do it"
                      "\nExemple correct : Correct example: if I had the time, I would do it");
        case kT53EnModal:
            return MR("The selected modal verb appears to be misused."
                      "\nRule: past participles do not follow modal verbs, other than the auxiliaries “to have” ou “to be”"
                      "\n\nSample error: I might crossed the street"
                      "\nCorrect example: I might have crossed the street");
        case kT53FrSubjunctive: return "The selected word is a verb in the subjunctive, which seems questionable.";
        case kT53FrIndicative: return "The selected word is a verb in the indicative, which seems questionable.";
        case kT53FrFuture:
            return MR("The selected word is a verb in the future.  The construction is questionable."
                      "\nRule: the future should not be used in the subordinated clause if the verb in the main clause is in the imperfect or “passé simple.”"
                      "\n\nCounterexamples: je savais qu'il viendra / je sus qu'il viendra"
                      "\nCorrect examples: je savais qu'il viendrait / je sus qu'il viendrait");
        case kT53FrFutureSi:
            return MR("The selected word is a verb conjugated in the future, following “si.”  The construction is questionable."
                      "\nRule: the future should not be used after “si.”  Ordinarily the present indicative or the imperfect will be used."
                      "\n\nCounterexample: si nous aurons le temps"
                      "\nCorrect examples: si nous avons le temps / si nous avions le temps");
        case kT53FrSubjunctiveSi:
            return MR("The selected word is a verb in the subjunctive, used after “si”; the construction is questionable."
                      "\nRule: the subjunctive should not be used after “si.”  Ordinarily the present indicative or the imperfect will be used."
                      "\n\nCounterexample: si je lise bien ce texte"
                      "\nCorrect examples: si je lis bien ce texte / si je lisais bien ce texte");
        case kT53FrConditionalSi:
            return MR("The selected word is a verb in the conditional following “si”; the construction is questionable."
                      "\nRule: the conditional should generally not be used after “si.”  Ordinarily the present indicative or the imperfect will be used."
                      "\n\nCounterexample: si nous aurions le temps"
                      "\nCorrect examples: si nous avons le temps / si nous avions le temps");
        case kT53FrImperativeSi:
            return MR("The selected word is a verb in the imperative, following “si”; this construction is questionable."
                      "\nRule: the imperative should not be used after “si.”  Usually the present indicative or the imperfect will be used.)");
        case kT53FrMain:
            return MR("The selected word is a verb whose tense is questionable in the main clause."
                      "\nRule: the conditional is required in the main clause if the subordinated clause begins with “si” and if its verb is in the imperfect."
                      "\n\nCounterexample: si j'avais le temps, j'irai la voir"
                      "\nCorrect example: si j'avais le temps, j'irais la voir");
        case kT53FrMoodNote:
            return MR("\nHow to choose between the indicative and subjunctive:  Generally speaking, the indicative serves to express past, present, and future events or facts.  The subjunctive makes no claims about the reality of an action, but"
                      " serves to express hypotheses, doubts, fears, wishes, etc."
                      "\n\nCounterexamples: je vois qu'il vienne / il est douteux qu'il vient"
                      "\nCounterexamples: je sais qu'il vienne / il est sûr qu'il vienne");

        // ---- Codes 55 to 63 ----
        case kT55: return "In the sentence including the selected text it seems that a verb is missing.";
        case kT56: return "The selected sentence includes an interrogative form, but it seems to be missing a question mark.";
        case kT57: return "The selected sentence ends with a question mark, but it does not seem to include an interrogative construction.";
        case kT58: return "The sentence beginning with the selected text could not be analysed by the grammar checker (perhaps because there are too many errors in the sentence).";
        case kT59N: return MR("In the sentence containing the selected text, there seems to be an incomplete negation: there is no “ne.”");
        case kT59P: return MR("In the sentence containing the selected text, there seems to be an incomplete negation: it seems there is a “ne” which is not followed by “pas,” “plus,” “jamais,” or other negative form.");
        case kT60: return "The selected word is repeated in the sentence.  For reasons of style, one often tries to avoid such repetitions.  To vary your word choice, consult one of the dictionaries.";
        case kT61: return "In the sentence beginning with the selected text, there are %d relative pronouns.  This makes for a cumbersome sentence, and it may be wise to break it into smaller units.";
        case kT62: return "The selected word signals the beginning of a new subordinated phrase, following at least two others.  This makes for a cumbersome sentence, and you may wish to divide it into smaller units.";
        case kT63: return "Warning: long sentence (%d words).  For stylistic reasons it may be wise to break the sentence into smaller units.";
        case kTextCount: break;
    }
    return "";
}
