// The explanation texts in both interface languages: one row per passage
// with its English and its French text. The French rules are explained in
// English with French examples, and the English rules in French with
// English examples, so either text serves either checking language.
#include "checking/explanation_texts.h"

#include "frame/mac_roman_literal.h"

namespace {

struct TextRow {
    TextId id;
    const char* english;
    const char* french;
};

// clang-format off
constexpr TextRow kTexts[] = {
    // Code 1: unknown word.
    {kT1CapitalGroup,
     "The selected word should be capitalized. (This is often the case for English adjectives designating groups of people.)",
     MR("Le mot sélectionné demande une majuscule initiale (c'est notamment le cas des adjectifs anglais désignant des groupes humains )")},
    {kT1CapitalProperNoun,
     "The selected word is a proper noun which begins with a capital letter.",
     MR("Le mot sélectionné est un nom propre (ou un prénom) qui demande une majuscule initiale")},
    {kT1CapitalAcronym,
     "If the selected word is an acronym or an abbreviation, it is normally written in capitals.",
     MR("Si le mot sélectionné est un sigle, il s'écrit normalement en majuscules")},
    {kT1CapitalFinal,
     "The selected word normally ends with a capital.",
     MR("Le mot sélectionné demande normalement une majuscule finale")},
    {kT1FrUnknownWord,
     "The French dictionary of the spelling checker does not recognize the selected word.",
     MR("Le mot sélectionné est inconnu du dictionnaire français du vérificateur.")},
    {kT1FrUnknownWordHint,
     MR("\nIf you are using the English word “%s,” you should put it in quotes or italics."),
     MR("\nEn cas d'emploi du mot anglais « %s », le mettre entre guillemets ou en italiques.")},
    {kT1FrUnknownWords,
     "The French dictionary of the spelling checker does not recognize the selected words.",
     MR("Les mots sélectionnés sont inconnus du dictionnaire français du vérificateur.")},
    {kT1FrUnknownWordsHint,
     MR("\nIf you are using the English words “%s,” you should put them in quotes or italics."),
     MR("\nEn cas d'emploi des mots anglais « %s », les mettre entre guillemets ou en italiques.")},
    {kT1FrOrdinal,
     MR("The French dictionary of the spelling checker does not recognize the selected word."
     "\nThe correct abbreviations for ordinal numbers are: "
     "\n “1er” for “premier,” “1ers” for “premiers,” “1re” for “première,” “1res” for “premières,”"
     "\n “2d” for “second,” “2ds” for “seconds,” “2de” for “seconde,” “2des” for “secondes,”"
     "\n “2e” for “deuxième,” “2es” for “deuxièmes, “3e” for “troisième,” “3es” for “troisièmes,” etc."),
     MR("Le mot sélectionné est inconnu du dictionnaire français du vérificateur."
     "\nLes abréviations correctes de l'adjectif numéral sont : "
     "\n 1er pour premier, 1ers pour premiers, 1re pour première, 1res pour premières,"
     "\n 2d pour second, 2ds pour seconds, 2de pour seconde, 2des pour secondes,"
     "\n 2e pour deuxième, 2es pour deuxièmes, 3e pour troisième, 3es pour troisièmes, etc.")},
    {kT1FrOther,
     "The French dictionary of the spelling checker does not recognize the selected word. Check its spelling.",
     MR("Le mot sélectionné est inconnu du dictionnaire français du vérificateur. Vérifiez son orthographe.")},
    {kT1EnPeriod,
     "The selected word is an abbreviation usually followed by a period.",
     MR("Le mot sélectionné est une abréviation à terminer normalement par un point.")},
    {kT1EnAdjectivePlural,
     "Did you make an adjective plural?  (Adjectives are always invariable in English.)",
     "N'auriez-vous pas mis au pluriel un adjectif - toujours invariable en anglais ?"},
    {kT1EnAuxiliaryS,
     MR("Did you add an “s” to an auxiliary verb (which should be invariable in English, except for the auxiliaries “to have” and “to be”?"),
     MR("N'auriez-vous pas mis un « s », à un verbe auxiliaire (donc invariable à la 3e personne du singulier) ?")},
    {kT1EnComparative,
     MR("Did you construct a comparative of a long adjective or adverb by adding the ending “-er”?  Instead, you should precede the adjective or adverb with “more.”"),
     MR("N'auriez-vous pas construit le comparatif d'un adjectif ou d'un adverbe long par une terminaison en  « er », alors qu'il devrait l'être avec « more  » ?")},
    {kT1EnSuperlative,
     MR("Did you construct a superlative of a long adjective or adverb by adding the ending “-est”?  Instead, you should precede the adjective or adverb with “most.”"),
     MR("N'auriez-vous pas construit le superlatif d'un adjectif ou d'un adverbe long par une terminaison en  « est », alors qu'il devrait l'être avec « most  » ?")},
    {kT1EnAmerican,
     "The selected word is shown in its American spelling.",
     MR("Le mot sélectionné est dans sa graphie américaine.")},
    {kT1EnBritish,
     "The selected word is shown in its British spelling.",
     MR("Le mot sélectionné est dans sa graphie britannique.")},
    {kT1EnUnknownWord,
     "The English dictionary of the spelling checker does not recognize the selected word.",
     MR("Le mot sélectionné est inconnu du dictionnaire anglais du vérificateur.")},
    {kT1EnUnknownWordHint,
     MR("\nIf you are using the French word “%s,” you should put it in quotes or italics."),
     MR("\nEn cas d'emploi du mot français « %s », le mettre entre guillemets ou en italiques.")},
    {kT1EnUnknownWords,
     "The English dictionary of the spelling checker does not recognize the selected words.",
     MR("Les mots sélectionnés sont inconnus du dictionnaire anglais du vérificateur.")},
    {kT1EnUnknownWordsHint,
     MR("\nIf you are using the French words “%s,” you should put them in quotes or italics."),
     MR("\nEn cas d'emploi des mots français « %s », les mettre entre guillemets ou en italiques.")},
    {kT1EnOther,
     "The English dictionary of the spelling checker does not recognize the selected word. Check its spelling.",
     MR("Le mot sélectionné est inconnu du dictionnaire anglais du vérificateur. Vérifiez son orthographe.")},
    // Codes 2, 3, 4, 8, 16.
    {kT2,
     "The selected words have been identified as an abbreviation or an acronym.",
     MR("Les mots sélectionnés ont été identifiés comme un sigle.")},
    {kT3,
     "The selected word is an abbreviation. Do you wish to replace it?",
     MR("Le mot sélectionné a été identifié comme une abréviation. Désirez-vous le remplacer ?")},
    {kT4,
     "The sentence beginning with the selected text is too long to be checked.",
     MR("La phrase qui débute à la sélection est trop longue pour pouvoir être vérifiée.")},
    {kT8Lead,
     "The selected word is considered to be ",
     MR("Le mot sélectionné relève ")},
    {kT8Slang,
     "slang.",
     "du vocabulaire de l'argot."},
    {kT8Colloquial,
     "colloquial.",
     "du vocabulaire familier."},
    {kT8Unsophisticated,
     "unsophisticated.",
     "du vocabulaire populaire."},
    {kT8Literary,
     "literary.",
     MR("du vocabulaire littéraire.")},
    {kT8Archaic,
     "archaic.",
     "d'un vocabulaire vieilli."},
    {kT8Tail,
     "\nWould you prefer to use a more conventional term?",
     MR("\nNe préféreriez-vous pas utiliser un terme plus classique ?")},
    {kT16,
     "The selected words are identical.  Check to see that this duplication is deliberate.",
     MR("Les deux mots sélectionnés sont identiques. Vérifiez que ce redoublement est volontaire.")},
    // Code 32: homophones.
    {kT32VielleWritten,
     "vielle = (musical instrument)",
     "vielle = (instrument de musique)"},
    {kT32VielleMeant,
     MR("vieille = (feminine form of “vieux”)"),
     MR("vieille = (féminin de vieux)")},
    {kT32QuandWritten,
     "quand =",
     "quand ="},
    {kT32QuandMeant,
     MR("où ="),
     MR("où =")},
    {kT32DansWritten,
     "dans =",
     "dans ="},
    {kT32DansMeant,
     MR("à ="),
     MR("à =")},
    {kT32FaireWritten,
     "faire =",
     "faire ="},
    {kT32FaireMeant,
     "rendre =",
     "rendre ="},
    {kT32ConnaitreWritten,
     MR("connaître ="),
     MR("connaître =")},
    {kT32ConnaitreMeant,
     "savoir =",
     "savoir ="},
    {kT32EtreWritten,
     MR("être ="),
     MR("être =")},
    {kT32EtreMeant,
     "avoir =",
     "avoir ="},
    {kT32QueWritten,
     "que =",
     "que ="},
    {kT32QueMeant,
     "ce que =",
     "ce que ="},
    {kT32InsteadOf,
     MR("Instead of: “%s"),
     MR("À la place de : « %s")},
    {kT32DidYouMean,
     MR("\ndid you mean to write: “%s?"),
     MR("\nne vouliez-vous pas plutôt écrire : « %s ?")},
    // Codes 37, 38.
    {kT37Missing,
     MR("Is there a ligature (“æ,” “œ”) missing from the selected word?  (Many people consider ligatures optional.)"),
     MR("Ne manque-t-il pas une ligature au mot sélectionné ?")},
    {kT37Abusive,
     MR("There is a ligature (“æ,” “œ”) in the selected word when there shouldn't be."),
     MR("N'y a-t-il pas une ligature abusive au mot sélectionné ?")},
    {kT37MainAe,
     MR("\nThe main words containing the ligature “æ” are: “althæa,” “cæcum,” “cæsium,” “(et) cætera,” “chamærops,” “nævus(i),” “tænia,” “uræus,” and their derivatives."),
     MR("\nPrincipaux mots à ligature « æ » : althæa, cæcum, cæsium, (et) cætera, chamærops, nævus(i), tænia, uræus et leurs dérivés.")},
    {kT37MainOe,
     MR("\nThe main words containing the ligature “œ” are: “angstrœm,” “bœuf,” “cœlentérés,” “cœur,” “fœhn,” “lœss,” “mœurs,” “sœur”,” “vœu” and their derivatives, along with words beginning with “œ” (“œil,” “œuf,” “œuvre,” etc.)."),
     MR("\nPrincipaux mots à ligature « œ » : angstrœm, bœuf, cœlentérés, cœur, fœhn, lœss, mœurs, sœur, vœu et leurs dérivés ainsi que les mots commençant par « œ » (œil, œuf, œuvre, etc.).")},
    {kT38,
     MR("Shouldn’t the selected word, which was entered into the lexicon as a proper noun, be capitalized?"),
     MR("Ne manque-t-il pas une majuscule au mot sélectionné qui a été entré au lexique comme un nom propre ?")},
    // Code 39: hyphen.
    {kT39Abusive,
     "The selected words appear to be hyphenated when they should not be."
     "\nRule: No hypen between an imperative verb and its object pronouns if they are followed by another verb in the infinitive.",
     MR("Les mots sélectionnés ne seraient-ils pas liés abusivement ?"
     "\nRègle : pas de trait d'union entre le verbe à l'impératif et les pronoms personnels objets s'ils sont suivis d'un verbe à l'infinitif")},
    {kT39Missing,
     MR("Shouldn’t a hyphen link the selected words?"),
     MR("Ne manque-t-il pas un trait d'union entre entre les mots sélectionnés ?")},
    {kT39RuleNumbers,
     MR("\nRule: hypens are required for writing compound numbers (numbers comprised of two or more words) lower than 100.  Exception: numbers ending with “et un,” e.g., “vingt et un.”"),
     MR("\nRègle : trait d'union obligatoire dans les nombres composés inférieurs à 100 (à l'exception de ceux terminés par « et un »).")},
    {kT39RuleOrdinals,
     MR("\nRule: hyphens are required when writing compound ordinal numbers (e.g., “soixante-dixième,” “quatre-vingtième,” etc.) under 100.  Exception: those ordinals ending with “et unième,” e.g., “vingt et unième.”"),
     MR("\nRègle : trait d'union obligatoire dans les adjectifs numéraux composés inférieurs à 100 (à l'exception de ceux terminés par « et unième »).")},
    {kT39RuleImperative,
     "\nRule: a hyphen is required between an imperative verb and an object personal pronoun.",
     MR("\nRègle : trait d'union obligatoire entre le verbe à l'impératif et le pronom personnel objet.")},
    {kT39RuleInterrogative,
     "\nRule: a hyphen is required between a verb and its personal pronoun in interrogative inversions.",
     MR("\nRègle : trait d'union obligatoire entre le verbe en mode interrogatif et le pronom personnel.")},
    {kT39RuleCiLa,
     MR("\nRule: a hyphen is required before “ci” or “là” in a demonstrative construction, such as: “cet homme-ci.”"),
     MR("\nRègle : trait d'union obligatoire devant « ci » ou « là » dans une tournure démonstrative : « cet homme-ci ».")},
    {kT39RuleMeme,
     MR("\nRule: a hyphen is required between a personal pronoun and the adjective “même.”  Example: “lui-même.”"),
     MR("\nRègle : trait d'union obligatoire entre le pronom personnel et « même ». Exemple : « lui-même ».")},
    {kT39RuleAfter,
     MR("\nRule: a hyphen is required after “%s” if it is followed by a noun."),
     MR("\nRègle : trait d'union obligatoire après « %s » s'il est suivi d'un nom.")},
    {kT39RuleDemi,
     MR("\nRule: a hyphen is required after the adjective “demi” when it is followed by a noun.  Example: “demi-heure.”"),
     MR("\nRègle : trait d'union obligatoire après l'adjectif « demi » suivi d'un nom.")},
    {kT39Examples,
     MR("\n\nCounterexamples: vingt neuf / trente-et-un / cent-vingt-huit / quatre-vingt dix-neuvième"
     "\nCorrect examples: vingt-neuf / trente et un / cent vingt-huit / quatre-vingt-dix-neuvième"),
     MR("\n\nExemples incorrects : vingt neuf / trente-et-un / cent-vingt-huit / quatre-vingt dix-neuvième"
     "\nExemples corrects : vingt-neuf / trente et un / cent vingt-huit / quatre-vingt-dix-neuvième")},
    // Code 40: word-sequence family.
    {kT40Comma,
     "Did you add an unnecessary comma between the selected words?",
     MR("N'auriez-vous pas mis une virgule par erreur après le mot sélectionné ?")},
    {kT40Separate,
     "Did you mean to separate the selected words?",
     MR("N'auriez-vous pas séparé par erreur les mots sélectionnés ?")},
    {kT40Redundant,
     "Redundant construction.",
     "Contruction redondante"},
    {kT40EnAuxiliaryS,
     MR("Did you add an “s” to an auxiliary verb (which should be invariable in English, except for the auxiliaries “to have” and “to be”?"),
     MR("N'auriez-vous pas mis un s à un verbe auxiliaire (donc invariable à la 3e personne du singulier) ?")},
    {kT40EnLowerI,
     MR("Did you write “i” instead of “I” (first person singular pronoun)?"),
     MR("N'auriez-vous pas écrit 'i' au lieu de 'I' (pronom personnel sujet - 1e personne du singulier) ?")},
    {kT40EnAdjectiveAfter,
     "Questionable construction: English adjectives preceed the noun."
     "\n Counterexample: a man strong."
     "\n Correct example: a strong man.",
     MR("Séquence suspecte : l'adjectif anglais doit précéder le nom."
     "\n Exemple incorrect : a man strong."
     "\n Exemple correct : a strong man.")},
    {kT40EnNot,
     MR("Questionable construction: principal verb followed by “not.”"
     "\n Rule: verbs (with the exception of auxiliaries) are formed with the auxiliary verb “to do”"
     "\n Counterexample: he sleeps not at night."
     "\n Correct example: he does not sleep at night."
     "\n Exceptions: the following verbs can be used both ways: “to think,” “to believe,” “to suppose,” “to expect.” Example: “I believe not” or “I don't believe.”"),
     MR("Séquence suspecte : verbe suivi de « not »."
     "\n Règle : la forme négative d'un verbe anglais non auxiliaire se construit avec l'auxiliaire  « to do »."
     "\n Exemple incorrect : he sleeps not at night."
     "\n Exemple correct : he does not sleep at night."
     "\n Exceptions : les verbes « to think », « to believe », « to suppose », « to expect » acceptent les deux formes négatives. Exemple : « I believe not » ou « I don't believe ».")},
    {kT40EnComparative,
     MR("Did you mistakenly use the comparative of “%s” instead of the superlative?"),
     MR("N'auriez-vous pas utilisé par erreur le comparatif au lieu du superlatif de « %s » ?")},
    {kT40EnSuperlative,
     MR("Did you mistakenly use the superlative of “%s” instead of the comparative?"),
     MR("N'auriez-vous pas utilisé par erreur le superlatif au lieu du comparatif de « %s » ?")},
    {kT40EnMore,
     MR("Did you mistakenly construct the comparative of the short adjective “%s” by using the word “more”?"),
     MR("N'auriez-vous pas construit par erreur le comparatif de l'adjectif court « %s » avec « more » ?")},
    {kT40EnMost,
     MR("Did you mistakenly construct the superlative of the short adjective “%s” by using the word “most”?"),
     MR("N'auriez-vous pas construit par erreur le superlatif de l'adjectif court « %s » avec « most » ?")},
    {kT40EnAnd,
     MR("You've placed a comma instead of “and” before the last item in a list."
     "\nRule: Use “and” before the last item in a list."
     "\n\nSample error: She ate an apple, an orange, a banana"
     "\nCorrect example: She ate an apple, an orange and a banana"),
     MR("N'auriez-vous pas utilisé par erreur la virgule au lieu de « and » avant le denier terme de l'énumération ?"
     "\nRègle : La conjonction « and » est préférable à la virgule avant le dernier terme d'une énumération."
     "\n\nExemple incorrect : she ate an apple, an orange, a banana"
     "\nExemple correct : she ate an apple, an orange and a banana")},
    {kT40EnThere,
     MR("Instead of: “there” (adverb), did you mean to write: “they're” (contraction of “they are”)?"),
     MR("À la place de : « there » (adverbe), ne vouliez-vous pas écrire : « they're » (they are compacté) ?")},
    {kT40EnTheir,
     MR("Instead of: “their” (possessive adjective), did you mean to write:“there” (adverb)?"),
     MR("À la place de : « their » (adjectif possessif), ne vouliez-vous pas écrire : « there » (adverbe) ?")},
    {kT40EnHe,
     MR("Instead of: “he” (subject pronoun), did you mean to write: “him” (object pronoun)?"),
     MR("À la place de : « he » (pronom personnel sujet), ne vouliez-vous pas écrire : « him » (pronom personnel objet) ?")},
    {kT40EnThey,
     MR("Instead of: “they” (subject pronoun), did you mean to write: “them” (object pronoun)?"),
     MR("À la place de : « they » (pronom personnel sujet), ne vouliez-vous pas écrire : « them » (pronom personnel objet) ?")},
    {kT40EnI,
     MR("Instead of: “I” (subject pronoun), did you mean to write: “me” (object pronoun)?"),
     MR("À la place de : « I » (pronom personnel sujet), ne vouliez-vous pas écrire : « me » (pronom personnel objet) ?")},
    {kT40EnWe,
     MR("Instead of: “we” (subject pronoun), did you mean to write: “us” (object pronoun)?"),
     MR("À la place de : « we » (pronom personnel sujet), ne vouliez-vous pas écrire : « us » (pronom personnel objet) ?")},
    {kT40EnIts,
     MR("Instead of: “it's” (contraction of “it is”), did you mean to write: “its” (a possessive adjective)?"),
     MR("À la place de : « it's » (it is compacté), ne vouliez-vous pas écrire : « its » (adjectif possessif) ?")},
    {kT40EnLets,
     MR("Instead of: “let's” (contraction of “let us”), did you mean to write: “lets” (from the verb “to let”)?"),
     MR("À la place de : « let's » (let us compacté), ne vouliez-vous pas écrire : « lets » (du verbe to let) ?")},
    {kT40EnAdverb,
     MR("The selected words seem to be of incompatible grammatical types: %s for “%s” and adjective for “%s.”"
     "\nRule: Adverbs (and not adjectives) are used to modify verbs"),
     MR("Les mots sélectionnés semblent de types grammaticaux incompatibles : %s pour « %s » et adjectif pour « %s »."
     "\nRègle : Les adverbes (et non les adjectifs) servent à qualifier les verbes")},
    {kT40EnHaveIng,
     MR("Questionable construction: “have” followed by a present participle."
     "\nRule: the perfect is built with the past participle, the progressive with “be.”"
     "\n\nCounterexample: we have working on it."
     "\nCorrect examples: we have worked on it / we are working on it / we have been working on it."),
     MR("Séquence suspecte : « have » suivi d'un participe présent."
     "\nRègle : le parfait se construit avec le participe passé, la forme progressive avec « be »."
     "\n\nExemple incorrect : we have working on it."
     "\nExemples corrects : we have worked on it / we are working on it / we have been working on it.")},
    {kT40EnLetTo,
     MR("Questionable construction: “to” after “let” and its object."
     "\nRule: “let” is followed by the infinitive without “to.”"
     "\n\nCounterexample: let him to decide."
     "\nCorrect example: let him decide."),
     MR("Séquence suspecte : « to » après « let » et son complément."
     "\nRègle : « let » est suivi de l'infinitif sans « to »."
     "\n\nExemple incorrect : let him to decide."
     "\nExemple correct : let him decide.")},
    {kT40EnWorthTo,
     MR("Questionable construction: an infinitive after “worth.”"
     "\nRule: “worth” is followed by the -ing form of the verb."
     "\n\nCounterexample: it is worth to try."
     "\nCorrect example: it is worth trying."),
     MR("Séquence suspecte : un infinitif après « worth »."
     "\nRègle : « worth » est suivi de la forme en -ing du verbe."
     "\n\nExemple incorrect : it is worth to try."
     "\nExemple correct : it is worth trying.")},
    {kT40EnOfHave,
     MR("Did you write “of” instead of “have” after the modal verb?"
     "\n\nCounterexample: I must of missed it."
     "\nCorrect example: I must have missed it."),
     MR("N'auriez-vous pas écrit « of » au lieu de « have » après le verbe modal ?"
     "\n\nExemple incorrect : I must of missed it."
     "\nExemple correct : I must have missed it.")},
    {kT40EnBeBe,
     MR("Questionable construction: two forms of the verb “be” in a row."
     "\n\nCounterexamples: the issue is been tracked / I am not be ready."
     "\nCorrect examples: the issue is being tracked / I am not ready."),
     MR("Séquence suspecte : deux formes du verbe « be » à la suite."
     "\n\nExemples incorrects : the issue is been tracked / I am not be ready."
     "\nExemples corrects : the issue is being tracked / I am not ready.")},
    {kT40EnOneOf,
     MR("Questionable construction: a singular noun after “one of.”"
     "\nRule: “one of” picks one among several: the noun after it is plural."
     "\n\nCounterexample: one of the best tool."
     "\nCorrect example: one of the best tools."),
     MR("Séquence suspecte : un nom singulier après « one of »."
     "\nRègle : « one of » désigne un élément parmi plusieurs : le nom qui suit est au pluriel."
     "\n\nExemple incorrect : one of the best tool."
     "\nExemple correct : one of the best tools.")},
    {kT40EnPrevReal,
     MR("Instead of: “real” (adjective), did you mean to write: “really” (adverb)?"),
     MR("À la place de : « real » (adjectif), ne vouliez-vous pas écrire : « really » (adverbe) ?")},
    {kT40EnPrevItIs,
     MR("Instead of: “it's” (contraction of: it is), did you mean to write:“its” (possessive adjective)?"),
     MR("À la place de : « it's » (contraction de : it is), ne vouliez-vous pas écrire : « its » (adjectif possessif) ?")},
    {kT40EnPrevIts,
     MR("Instead of: “its” (a possessive adjective), did you mean to write: “it's” (contraction of “it is”)?"),
     MR("À la place de : « its » (adjectif possessif), ne vouliez-vous pas écrire : « it's » (contraction pronom + verbe) ?")},
    {kT40EnPrevYouAre,
     MR("Instead of: “you're” (contraction of: you are), did you mean to write: “your” (possessive adjective)?"),
     MR("À la place de : « you're » (contraction de : you are), ne vouliez-vous pas écrire : « your » (adjectif possessif) ?")},
    {kT40EnPrevTheyAre,
     MR("Instead of: “they're” (contraction of: they are), did you mean to write: “their” (possessive adjective)?"),
     MR("À la place de : « they're » (contraction de : they are), ne vouliez-vous pas écrire : « their » (adjectif possessif) ?")},
    {kT40EnPrevThere,
     MR("Instead of: “there” (adverb), did you mean to write: “their” (possessive adjective)?"),
     MR("À la place de : « there » (adverbe), ne vouliez-vous pas écrire : « their » (adjectif possessif) ?")},
    {kT40EnPrevHim,
     MR("Instead of: “him” (object pronoun), did you mean to write: “he” (subject pronoun)?"),
     MR("À la place de : « him » (pronom personnel objet), ne vouliez-vous pas écrire : « he » (pronom personnel sujet) ?")},
    {kT40EnPrevThem,
     MR("Instead of: “them” (object pronoun), did you mean to write: “they” (subject pronoun)?"),
     MR("À la place de : « them » (pronom personnel objet), ne vouliez-vous pas écrire : « they » (pronom personnel sujet) ?")},
    {kT40EnPrevMe,
     MR("Instead of: “me” (object pronoun), did you mean to write: “I” (subject pronoun)?"),
     MR("À la place de : « me » (pronom personnel objet), ne vouliez-vous pas écrire : « I » (pronom personnel sujet) ?")},
    {kT40EnPrevUs,
     MR("Instead of: “us” (object pronoun), did you mean to write: “we” (subject pronoun)?"),
     MR("À la place de : « us » (pronom personnel objet), ne vouliez-vous pas écrire : « we » (pronom personnel sujet) ?")},
    {kT40EnPrevHer,
     MR("Instead of: “her” (possessive adjective), did you mean to write: “she” (subject pronoun)?"),
     MR("À la place de : « her » (adjectif possessif), ne vouliez-vous pas écrire : « she » (pronom personnel sujet) ?")},
    {kT40EnPrevSome,
     MR("Instead of: “some” did you mean to write: “any” (generally used after a negative)?"),
     MR("À la place de : « some », ne vouliez-vous pas écrire : « any » (requis après une négation) ?")},
    {kT40EnPrevTo,
     MR("Instead of “to” (preposition), did you mean to write “too” (adverb)?"),
     MR("À la place de « to », ne vouliez-vous pas écrire « too » ?")},
    {kT40EnPrevLets,
     MR("Instead of “lets” (a form of the verb “to let”), did you mean to write “let's” (contraction of “let us\")?"),
     MR("À la place de « lets », ne vouliez-vous pas écrire « let's » (auxiliaire de l'impératif) ?")},
    {kT40EnPrevYour,
     MR("Instead of “your” (a possessive adjective), did you mean to write “you're” (contraction of “you are”)?"),
     MR("À la place de « your » (adjectif possessif), ne vouliez-vous pas écrire « you're » (you are compacté) ?")},
    {kT40EnPrevCant,
     MR("Instead of “cant” (meaning “jargon”), did you mean to write “can't” (contraction of “cannot”) ?"),
     MR("À la place de « cant » , ne vouliez-vous pas écrire « can't » (cannot compacté) ?")},
    {kT40EnTypes,
     MR("The selected words seem to be of incompatible grammatical types: %s for “%s” and %s for “%s.”"),
     MR("Les mots sélectionnés semblent de types grammaticaux incompatibles : %s pour « %s » et %s pour « %s ».")},
    {kT40EnRules,
     MR("\nRules: Short adjectives or adverbs form their comparative by adding the suffix “-er” and their superlative by the suffix “-est.”"
     "\nThe comparatives and superlatives of longer adjectives and adverbs are generally formed by placing “more” (for comparatives) and “most” (for superlatives) before the word."
     "\nThe “short” adjectives and adverbs are those which consist of only one syllable, or which have two syllables but end in “-y,” “-er,” “ow,” or “le.”"
     "\nExceptions: “apt,” “cross,” “dead,” “drunk,” “frank,” “glad,” “real” all behave like long adjectives."
     "\nIrregular comparatives: “better” for “good” and “well” / “worse” for “bad” / “further” for “far.”"
     "\nIrregular superlatives: “best” for “good” and “well” / “worst” for “bad” / “furthest” for “far.”"),
     MR("\nRègles : Les adjectifs ou adverbes courts forment leur comparatif avec le suffixe « er » et leur superlatif avec le suffixe « est »."
     "\nLes comparatifs et superlatifs des adjectifs ou adverbes longs sont formés en les faisant précéder de « more » et « most » respectivement."
     "\nOn appelle ici courts les adjectifs ou adverbes d'une syllabe et ceux de deux syllabes terminés par y, er, ow, le."
     "\nExceptions : « apt », « cross », « dead », « drunk », « frank », « glad », « real » se comportent comme des adjectifs longs."
     "\nComparatifs irréguliers : « better » pour « good » et « well » / « worse » pour « bad » / « further » pour « far »."
     "\nSuperlatifs irréguliers : « best » pour « good » et « well » / « worst » pour « bad » / « furthest » pour « far ».")},
    {kT40EnExampleS,
     "\n\nCounterexample: he is the more intelligent man" "\nCorrect example: he is the most intelligent man",
     "\n\nExemple incorrect : he is the more intelligent man" "\nExemple correct : he is the most intelligent man"},
    {kT40EnExampleK,
     "\n\nCounterexample: he is laziest than you" "\nCorrect example: he is lazier than you",
     "\n\nExemple incorrect : he is laziest than you" "\nExemple correct : he is lazier than you"},
    {kT40EnExampleL,
     "\n\nCounterexample: she seemed most intelligent than him" "\nCorrect example: she seemed more intelligent than him",
     "\n\nExemple incorrect : she seemed most intelligent than him" "\nExemple correct : she seemed more intelligent than him"},
    {kT40EnExampleM,
     "\n\nCounterexamples: a more sad time / it looked more low" "\nCorrect examples: a sadder time / it looked lower",
     "\n\nExemples incorrects : a more sad time / it looked more low" "\nExemples corrects :  a sadder time / it looked lower"},
    {kT40EnExampleQ,
     "\n\nCounterexample: he was our most strong leader" "\nCorrect example: he was the strongest leader",
     "\n\nExemple incorrect : he was our most strong leader" "\nExemple correct :  he was the strongest leader"},
    {kT40FrPronounOrder,
     "The selected words are two personal pronouns which are in the wrong order.",
     MR("Les mots sélectionnés sont deux pronoms personnels dont l'ordre est incorrect.")},
    {kT40FrPronounOrderReflexive,
     MR("\nRule: the reflexive personal pronoun precedes the direct object pronoun."
     "\n\nCounterexamples: le sage le se dit / il les me prêtera"
     "\nCorrect examples: le sage se le dit / il me les prêtera"),
     MR("\nRègle : le pronom personnel réfléchi doit précéder le pronom personnel objet direct."
     "\n\nExemples incorrects : le sage le se dit / il les me prêtera"
     "\nExemples corrects : le sage se le dit / il me les prêtera")},
    {kT40FrPronounOrderDirect,
     MR("\nRule: the direct object pronoun precedes the indirect object pronoun."
     "\n\nCounterexamples: on leur le donne / il lui les prêtera"
     "\nCorrect examples: on le leur donne / il les lui prêtera"),
     MR("\nRègle : le pronom personnel objet direct doit précéder le pronom personnel objet indirect."
     "\n\nExemples incorrects : on leur le donne / il lui les prêtera"
     "\nExemples corrects : on le leur donne / il les lui prêtera")},
    {kT40FrQuantA,
     MR("The selected words form a questionable sequence. Did you mean to write “quant à” (“pertaining to,” “as for”)?"),
     MR("Les mots sélectionnés forment une séquence suspecte. Ne vouliez-vous pas écrire « quant à » (« relativement à », « pour ce qui est de ») ?")},
    {kT40FrCapitalA,
     MR("Instead of “A” (3rd person singular present of the verb “avoir”), did you mean to write “À” (preposition)?\n(The option for requiring accents on capital letters is activated)"),
     MR("À la place de : « A » (3e personne singulier présent du verbe avoir), ne vouliez-vous pas écrire : « À » (préposition) ?\n(L'option de prise en compte des majuscules accentuées est active)")},
    {kT40FrA,
     MR("Instead of: “a” (3rd person singular present of the verb “avoir”), did you mean to write “à” (preposition)?"),
     MR("À la place de : « a » (3e personne singulier présent du verbe avoir), ne vouliez-vous pas écrire : « à » (préposition) ?")},
    {kT40FrAGrave,
     MR("Instead of: “à” (preposition), did you mean to write: “a” (third person singular in the present of the verb “avoir”)?"),
     MR("À la place de : « à » (préposition), ne vouliez-vous pas écrire : « a » (3e personne singulier présent du verbe avoir) ?")},
    {kT40FrFut,
     MR("Instead of: “fut” (third person singular in the “passé simple” of the verb “être”), did you mean to write: “fût” (noun: “barrel,” “tree trunk”…)?"),
     MR("À la place de : « fut » (3e personne singulier passé simple du verbe être), ne vouliez-vous pas écrire : « fût » (nom : tonneau, tronc…) ?")},
    {kT40FrCe,
     MR("Instead of: “ce” (a demonstrative: “this”), did you mean to write: “se” (reflexive personal pronoun: “himself,” “herself”)?"),
     MR("À la place de : « ce » (démonstratif), ne vouliez-vous pas écrire : « se » (pronom personnel réfléchi) ?")},
    {kT40FrCApostrophe,
     MR("Instead of: “c'” (a demonstrative: “this”), did you mean to write: “s'” (reflexive personal pronoun: “himself,” “herself”)?"),
     MR("À la place de : « c' » (démonstratif), ne vouliez-vous pas écrire : « s' » (pronom personnel réfléchi) ?")},
    {kT40FrFoi,
     MR("Instead of “foi” (faith), did you mean to write “fois” (time)?"),
     MR("À la place de : « foi » (croyance), ne vouliez-vous pas écrire : « fois »  ?")},
    {kT40FrCentVingt,
     MR("“cent” and “vingt” take an “-s” in the plural if they form the last part of a compound number."
     "\n\nCounterexamples: deux cent / deux cents vingt / quatre-vingts-dix"
     "\nCorrect examples: deux cents / deux cent vingt / quatre-vingts"),
     MR("« cent et vingt » prennent le pluriel s'ils terminent un nombre composé."
     "\n\nExemples incorrects : deux cent / deux cents vingt / quatre-vingts-dix"
     "\nExemples corrects : deux cents / deux cent vingt / quatre-vingts")},
    {kT40FrSubjectPronoun,
     "Instead of a subject pronoun did you mean to use a disjunctive pronoun?"
     "\n\nCounterexamples: Il mange avec je"
     "\nCorrect examples: Il mange avec moi",
     MR("À la place du pronom personnel sujet, ne vouliez-vous pas utiliser le pronom personnel disjoint ?"
     "\n\nExemples incorrects : il mange avec je"
     "\nExemples corrects : il mange avec moi")},
    {kT40FrPrevLeurs,
     MR("Instead of: “leurs” (possessive adjective: “theirs”), did you mean to write: “leur” (personal pronoun: “to them”)?"),
     MR("À la place de : « leurs » (déterminant possessif), ne vouliez-vous pas écrire : « leur » (pronom personnel) ?")},
    {kT40FrPrevOu,
     MR("Instead of: “ou” (conjunction: “or”), did you mean to write: “où” (adverb of place: “where”)?"),
     MR("À la place de : « ou » (conjonction), ne vouliez-vous pas écrire : « où » (adverbe de lieu) ?")},
    {kT40FrPrevQuelques,
     MR("Instead of: “quelques” (indefinite adjective: “some,” “a few”), did you mean to write: “quelque” (adverb used before a number, e.g., “quelque cent personnes” ---> “some one hundred people”)?"),
     MR("À la place de : « quelques » (déterminant), ne vouliez-vous pas écrire : « quelque » (adverbe - devant un nombre) ?")},
    {kT40FrPrevCe,
     MR("Instead of: “ce” (a demonstrative: “this”), did you mean to write: “se” (reflexive personal pronoun: “himself,” “herself”)?"),
     MR("À la place de : « ce » (démonstratif), ne vouliez-vous pas écrire : « se » (pronom personnel réfléchi) ?")},
    {kT40FrPrevCApostrophe,
     MR("Instead of: “c” (a demonstrative, “this”), did you mean to write: “s'” (reflexive personal pronoun: “himself,” “herself”)?"),
     MR("À la place de : « c » (démonstratif), ne vouliez-vous pas écrire : « s' » (pronom personnel réfléchi) ?")},
    {kT40FrPrevQuelqu,
     MR("Instead of: “%s,” did you mean to write: “quel” (or “quelle,” “quels,” or “quelles”) + “que”?"
     "\nDo not confuse “quelque” (adjective: “some,” “a few”) with “quel que” (concessive: e.g., “quel que soit le prix” ---> “whatever the price may be”)."),
     MR("À la place de : « %s », ne vouliez-vous pas écrire : « quel(le/s) que » ?"
     "\nIl ne faut pas confondre « quelque » (déterminant) avec « quel que » (concessif).")},
    {kT40FrPrevQuoique,
     MR("Instead of: “quoique” (subordinating conjunction: “although”), did you mean to write: “quoi que” (concessive: e.g. “quoi que tu fasses” ---> “whatever you do”)?"),
     MR("À la place de : « quoique » (conjonction de subordination), ne vouliez-vous pas écrire : « quoi que » (concessif) ?")},
    {kT40FrPrevAGrave,
     MR("Instead of: “à” (preposition), did you mean to write: “a”?"),
     MR("À la place de : « à » (préposition), ne vouliez-vous pas écrire : « a » ?")},
    {kT40FrPrevCentVingt,
     MR("“cent et vingt” take plural forms if they are part of a compound number."
     "\n\nCounterexamples: deux cent / deux cents vingt / quatre-vingts-dix"
     "\nCorrect examples: deux cents / deux cent vingt / quatre-vingts"),
     MR("« cent et vingt » prennent le pluriel s'ils terminent un nombre composé."
     "\n\nExemples incorrects : deux cent / deux cents vingt / quatre-vingts-dix"
     "\nExemples corrects : deux cents / deux cent vingt / quatre-vingts")},
    {kT40FrTypesBefore,
     MR("The selected words seem to be of incompatible grammatical types: %s for “%s” and %s for “%s.”"),
     MR("Les mots sélectionnés semblent de types grammaticaux incompatibles : %s pour « %s » et %s pour « %s ».")},
    {kT40FrLocution,
     "The selected words (part of a set expression) seem incompatible with the preceding word.",
     MR("Les mots sélectionnés (partie d'une locution figée) semblent incompatibles avec le mot précédent.")},
    {kT40FrTypes,
     MR("The selected words seem to be of incompatible grammatical types: %s for “%s” and %s for “%s.”"),
     MR("Les mots sélectionnés semblent de types grammaticaux incompatibles : %s pour « %s » et %s pour « %s ».")},
    // Code 41: agreement of a qualifier.
    {kT41EnPlural,
     "Did you mistakenly put the selected adjective in the plural?",
     MR("N'auriez-vous pas mis au pluriel par erreur l'adjectif sélectionné ?")},
    {kT41ColourCompound,
     MR("In this usage, “%s” does not agree."
     "\nRule 1-C: compound adjectives of color are invariable."
     "\n\nCounterexamples: des yeux bleus pervenche(s) / une teinte violette foncée"
     "\nCorrect examples: des yeux bleus / des yeux bleu pervenche (1) / une teinte violet foncé"
     "\n(1) “des yeux bleu pervenche” meaning “des yeux d'un bleu pervenche”"),
     MR("Dans cet usage, « %s » ne s'accorde pas."
     "\nRègle 1-C : les adjectifs composés de couleur sont invariables. "
     "\n\nExemples incorrects : des yeux bleus pervenche(s) / une teinte violette foncée"
     "\nExemples corrects : des yeux bleus / des yeux bleu pervenche (1) / une teinte violet foncé"
     "\n(1) « des yeux bleu pervenche » signifiant « des yeux d'un bleu pervenche »")},
    {kT41ColourNoun,
     MR("In this usage, “%s” does not agree."
     "\nRule 1-C: nouns used as adjectives of color are invariable."
     "\n\nCounterexamples: des yeux marrons / des mers bleues indigo"
     "\nCorrect examples: des marrons / des yeux marron / des mers bleu indigo"
     "\nNote: a few other nouns used as adjectives follow the same pattern: “nord (les quartiers nord),” “ouest,” “sud,” “est,” “ultra (des élus ultra),” “bœuf (des effets bœuf),” “maison (des employés maison),” etc., "
     "as do foreign nouns occasionally used as adjectives: “sterling,” “kitsch,” “soft,” “open,” “waterproof,” etc."),
     MR("Dans cet usage, « %s » ne s'accorde pas."
     "\nRègle 1-C : les noms utilisés comme adjectifs de couleur sont invariables."
     "\n\nExemples incorrects : des yeux marrons / des mers bleues indigo"
     "\nExemples corrects : des marrons / des yeux marron / des mers bleu indigo"
     "\nNote : quelques autres noms employés en adjectifs se comportent de même : nord (les quartiers nord), ouest, sud, est, ultra (des élus ultra), bœuf (des effets bœuf), maison (des employés maison), etc., "
     "ainsi que des noms étrangers utilisés occasionnellement en adjectifs : sterling, kitsch, soft, open, waterproof, etc.")},
    {kT41CheckX,
     MR("Check the agreement in %s of “%s” %s"),
     MR("Vérifiez l'accord en %s de « %s » %s")},
    {kT41CheckOther,
     MR("Check the agreement in %s between “%s” %s and that which precedes it"),
     MR("Vérifiez l'accord en %s entre « %s » %s et ce qui le précède")},
    {kT41CheckFollowing,
     MR("Check the agreement in %s between “%s” %s and the group that follows it"),
     MR("Vérifiez l'accord en %s entre « %s » %s et le groupe qui le suit")},
    {kT41Period,
     ".",
     "."},
    {kT41RuleEnglish,
     "\nRule 1: members of a noun clause generally agree in number.",
     MR("\nRègle 1 : les membres du groupe nominal s'accordent en nombre.")},
    {kT41RuleFrench,
     "\nRule 1: members of a noun clause generally agree in gender and number.",
     MR("\nRègle 1 : les membres du groupe nominal s'accordent en genre et en nombre.")},
    {kT41ExamplesGender,
     "\n\nCounterexamples: un chat noire / tout douceur / une conseil amical"
     "\nCorrect examples: un chat noir / toute douceur / un conseil amical",
     "\n\nExemples incorrects :  un chat noire / tout douceur / une conseil amical"
     "\nExemples corrects : un chat noir / toute douceur / un conseil amical"},
    {kT41ExamplesEnglish,
     "\n\nCounterexamples: two reliable friend / these nice exemple / an alumni"
     "\nCorrect examples: two reliable friends / these nice exemples / an alumnus",
     "\n\nExemples incorrects :  two reliable friend / these nice exemple / an alumni"
     "\nExemples corrects :  two reliable friends / these nice exemples / an alumnus"},
    {kT41ExamplesNumber,
     MR("\n\nCounterexamples: deux ami fidèles / quelque bonnes idées / ces bon exemple"
     "\nCorrect examples: deux amis fidèles / quelques bonnes idées / ce bon exemple"),
     MR("\n\nExemples incorrects :  deux ami fidèles / quelque bonnes idées / ces bon exemple"
     "\nExemples corrects : deux amis fidèles / quelques bonnes idées / ce bon exemple")},
    {kT41ExamplesBoth,
     MR("\n\nCounterexamples: des cas obscure / divers autre possibilités"
     "\nCorrect examples: des cas obscurs / diverses autres possibilités"),
     MR("\n\nExemples incorrects :  des cas obscure / divers autre possibilités"
     "\nExemples corrects : des cas obscurs / diverses autres possibilités")},
    {kT41AspectGender,
     "gender",
     "genre"},
    {kT41AspectNumber,
     "number",
     "nombre"},
    {kT41AspectBoth,
     "gender and in number",
     "genre et en nombre"},
    // Gender and number words of the phrases of codes 41, 44 and 45.
    {kTMasculine,
     "masculine ",
     " masculin"},
    {kTFeminine,
     "feminine ",
     MR(" féminin")},
    {kTSingular,
     "singular ",
     " singulier"},
    {kTPlural,
     "plural ",
     " pluriel"},
    // Code 42.
    {kT42Relative,
     MR("Check the agreement of the relative pronoun “%s” with that which precedes."),
     MR("Vérifiez l'accord du pronom relatif « %s » avec ce qui le précède.")},
    {kT42Qualifier,
     MR("Check the gender agreement of the qualifier “%s” with what follows it."
     "\nRule 1-R: an element representing the noun clause agrees with it in gender."
     "\n\nCounterexample: chacune de mes parents"
     "\nCorrect example: chacun de mes parents"),
     MR("Vérifiez l'accord en genre de « %s » avec ce qui le suit."
     "\nRègle 1-R : le représentant du groupe nominal s'accorde en genre avec lui."
     "\n\nExemple incorrect : chacune de mes parents"
     "\nExemple correct : chacun de mes parents")},
    // Code 43: past participle.
    {kT43Lead,
     MR("Check the agreement of the past participle “%s.”"),
     MR("Vérifiez l'accord du participe passé « %s ».")},
    {kT43RuleA,
     MR("\nRule 3A: after the auxiliary “être” (and after any other verb than the auxiliary “avoir”), the past participle agrees with the grammatical subject, like an adjective."
     "\n\nCounterexamples: elle est mal tombé / ils semblent calmé"
     "\nCorrect examples: elle est mal tombée / ils semblent calmés"),
     MR("\nRègle 3A : après tout verbe autre que « avoir », le participe passé s’accorde avec le sujet, comme un adjectif."
     "\n\nExemples incorrects :  elle est mal tombé / ils semblent calmé"
     "\nExemples corrects : elle est mal tombée /  ils semblent calmés")},
    {kT43RuleB,
     MR("\nRule 3B: after the auxiliary verb “avoir,” and if there is no preceding direct object, the past participle remains in the masculine singular."
     "\n\nCounterexamples: tu as accomplis des exploits / ces conférencières ont manquées de clarté"
     "\nCorrect examples: tu as accompli des exploits / ces conférencières ont manqué de clarté"),
     MR("\nRègle 3B : après le verbe « avoir » non précédé d’un complément d’objet direct, le participe passé reste invariable (masculin singulier)."
     "\n\nExemples incorrects : tu as accomplis des exploits /  ces conférencières ont manquées de clarté"
     "\nExemples corrects : tu as accompli des exploits / ces conférencières ont manqué de clarté")},
    {kT43RuleC,
     MR("\nRule 3C: after the verb “avoir” when it is preceded by a direct object, the past participle will agree with the object in gender and in number."
     "\n\nCounterexamples: elle les a rencontrée / je sais les exploits que tu as accompli"
     "\nCorrect examples: elle les a rencontrés / je sais les exploits que tu as accomplis"),
     MR("\nRègle 3C : après le verbe « avoir » précédé d’un complément d’objet direct, le participe passé s’accorde avec celui-ci en genre et en nombre."
     "\n\nExemples incorrects : elle les a rencontrée / je sais les exploits que tu as accompli"
     "\nExemples corrects : elle les a rencontrés / je sais les exploits que tu as accomplis")},
    {kT43RuleD1,
     MR("\nRule 3D-1: if there is no direct object other than the reflexive pronoun ('me,' 'te,' 'se,' etc.), the past participle of a pronominal verb agrees with that pronoun, which is the same in number and gender as the subject (*)."
     "\n\nCounterexamples: ils se sont lavé / elle s'est trompé de genre"
     "\nCorrect examples: ils se sont lavés / elle s'est trompée de genre"
     "\n\n (*): The reflexive pronoun is a direct object in 'ils se sont lavés' because “laver” takes a direct object (“they washed themselves”)."
     "\nOn the other hand, if the verb takes an indirect object ('se parler,' 'se dire,' for example), the reflexive pronoun is indirect, and there is no agreement."),
     MR("\nRègle 3D-1 : sans autre complément d'objet direct que le pronom réfléchi (me, te, se), le participe passé d’un verbe pronominal s’accorde à ce pronom, et donc au sujet (*)."
     "\n\nExemples incorrects : ils se sont lavé /  elle s'est trompé de genre"
     "\nExemples corrects : ils se sont lavés / elle s'est trompée de genre"
     "\n\n (*) : le pronom réfléchi est un complément direct dans 'ils se sont lavés' puisque la phrase équivaut à 'ils ont lavé eux-mêmes'."
     "\nAu contraire, le pronom réfléchi serait un complément indirect si 'se' équivalait à 'à eux-mêmes'.")},
    {kT43RuleD2,
     MR("\nRule 3D-2: when followed by a direct object in the predicate, the past participle of pronominal verbs does not change:"
     "\n\nCounterexamples: ils se sont lavées les mains / elle s'est donnée la mort"
     "\nCorrect examples: ils se sont lavé les mains / elle s'est donné la mort"),
     MR("\nRègle 3D-2 : suivi d'un complément d'objet direct, le participe passé d’un verbe pronominal reste invariable."
     "\n\nExemples incorrects : ils se sont lavées les mains /  elle s'est donnée la mort"
     "\nExemples corrects : ils se sont lavé les mains / elle s'est donné la mort")},
    {kT43RuleD3,
     MR("\nRule 3D-3: when preceded by a direct object other than the reflexive pronoun (“me,” “te,” “se”), the past participle of a pronominal verb agrees with that object."
     "\n\nCounterexamples: les mains qu'ils se sont lavés / elles se les sont lavé"
     "\nCorrect examples: les mains qu'ils se sont lavées / elles se les sont lavés (ou lavées)"
     "\nException: the past participle remains invariable when the direct object is the pronoun “en.” \nExample: ils s'en sont moqué"),
     MR("\nRègle 3D-3 : précédé d’un complément d’objet autre que le pronom réfléchi (me, te, se), le participe passé d’un verbe pronominal s’accorde à ce complément."
     "\n\nExemples incorrects : les mains qu'ils se sont lavés /  elles se les sont lavé"
     "\nExemples corrects : les mains qu'ils se sont lavées / elles se les sont lavés (ou lavées)"
     "\nException : le participe passé reste invariable lorsque le complément direct est « en ».\nExemple : ils s'en sont moqué")},
    {kT43RuleD4,
     MR("\nRule 3D-4: if the reflexive pronoun is an indirect object, and if there is no preceding direct object, the past participle of a reflexive verb remains unchanged."
     "\n\nCounterexamples: ils se sont téléphonés / ils se sont nuis"
     "\nCorrect examples: ils se sont téléphoné / ils se sont nui"
     "\n('ils se sont nui' = 'ils ont nui à eux-mêmes'. 'Se' is thus an indirect object.)"),
     MR("\nRègle 3D-4 : si le pronom réfléchi est un complément indirect et s'il n'y a pas de complément direct, le participe passé d’un verbe pronominal reste invariable."
     "\n\nExemples incorrects : ils se sont téléphonés /  ils se sont nuis"
     "\nExemples corrects :  ils se sont téléphoné /  ils se sont nui"
     "\n('ils se sont nui' = 'ils ont nui à eux-mêmes'. 'se' est donc complément indirect).")},
    {kT43RuleE,
     MR("\nRule 3E: before an infinitive the past participle of certain verbs do not change.  (In effect, the infinitive serves as a direct object.)  These verbs are: "
     "laisser, devoir, pouvoir, faire, savoir, dire, croire, permettre, penser, prévoir, vouloir."
     "\n\nCounterexample: les idées que j'ai faites triompher"
     "\nCorrect example: les idées que j'ai fait triompher"),
     MR("\nRègle 3E : devant un infinitif, le participe passé de certains verbes reste invariable. Ce sont les verbes : "
     "laisser, devoir, pouvoir, faire, savoir, dire, croire, permettre, penser, prévoir, vouloir."
     "\n\nExemple incorrect : les idées que j'ai faites triompher"
     "\nExemple correct : les idées que j'ai fait triompher")},
    // Code 44: subject and verb.
    {kT44EnLead,
     "The selected word is a verb",
     MR("Le mot sélectionné est un verbe")},
    {kT44EnThirdSingular,
     " in the third person singular.",
     MR(" à la 3e personne du singulier.")},
    {kT44EnPeriod,
     ".",
     "."},
    {kT44EnCheck,
     " Check its agreement %s with its subject.",
     MR(" Vérifiez son accord %s avec son sujet.")},
    {kT44EnRule,
     "\nRule 2: the verb agrees with the subject(s) in number and in person."
     "\n\nCounterexamples: he love his cat / they wants more / you was right"
     "\nCorrect examples: he loves his cat / they want more / you were right",
     MR("\nRègle 2 : le verbe s'accorde au(x) sujet(s) en nombre et en personne."
     "\n\nExemples incorrects : he love his cat /  they wants more / you was right"
     "\nExemples corrects :  he loves his cat /  they want more / you were right")},
    {kT44EnAspectPerson,
     "in person",
     "en personne"},
    {kT44EnAspectNumber,
     "in number",
     "en nombre"},
    {kT44EnAspectBoth,
     "in number and in person",
     "en nombre et en personne"},
    {kT44FrVerbAfterVerb,
     "Questionable construction: the selected word is a verb following another verb.",
     MR("Construction suspecte : le mot sélectionné est un verbe consécutif d'un autre verbe.")},
    {kT44FrEtre,
     MR("Have you used the auxiliary “être” instead of “avoir”?"),
     MR("N'auriez-vous pas utilisé l'auxiliaire « être » au lieu de « avoir » ?")},
    {kT44FrAvoir,
     MR("Have you used the auxiliary “avoir” instead of “être”?"
     "\nRule: the auxiliary “être” is generally required (except in the rare case of transitive usage) for the following verbs: advenir, aller, arriver, décéder, descendre, devenir, entrer, intervenir, monter, mourir, naître, obvenir, partir, parvenir, provenir, redescendre, redevenir, remonter, rentrer, rester, ressortir, retomber, retourner, revenir, sortir, survenir, tomber, venir."
     "\n\nCounterexamples: elle a mal tombé / ils ont resté"
     "\nCorrect examples: elle est mal tombée / ils sont restés"),
     MR("N'auriez-vous pas utilisé l'auxiliaire « avoir » au lieu de « être » ?"
     "\nRègle : l'auxiliaire « être » est obligatoire pour les verbes : advenir, aller, arriver, décéder, descendre, devenir, entrer, intervenir, monter, mourir, naître, obvenir, partir, parvenir, provenir, redescendre, redevenir, remonter, rentrer, rester, ressortir, retomber, retourner, revenir, sortir, survenir, tomber, venir (sauf emploi transitif moins fréquent)."
     "\n\nExemples incorrects : elle a mal tombé /  ils ont resté"
     "\nExemples corrects : elle est mal tombée / ils sont restés")},
    {kT44FrInterrogative,
     "interrogative verb form",
     "forme verbale interrogative"},
    {kT44FrCheckGender,
     "Check the agreement in gender of the higlighted word (%s).",
     MR("Vérifiez l'accord en genre du mot sélectionné (%s).")},
    {kT44FrRuleInterrogative,
     MR("\nRule 2-I: The interrogative verb form agrees with the subject in number and in person (first, second, or third)."
     "\n\nCounterexample: Vos clientes ont-ils accepté son offre ? "
     "\nCorrect example: Vos clientes ont-elles accepté son offre ? "),
     MR("\nRègle 2-I : la forme verbale interrogative s'accorde au sujet en nombre et en personne."
     "\n\nExemple incorrect : vos clientes ont-ils accepté son offre ? "
     "\nExemple correct : vos clientes ont-elles accepté son offre ? ")},
    {kT44FrImperative,
     MR("There is a questionable verb form at the beginning of this phrase. Did you mean to use the imperative instead?"
     "\n\nCounterexample: Aimes ton prochain comme toi-même"
     "\nCorrect example: Aime ton prochain comme toi-même"),
     MR("Forme verbale suspecte en tête de phrase. Ne vouliez-vous pas plutôt utiliser l'impératif ?"
     "\n\nExemple incorrect : Aimes ton prochain comme toi-même"
     "\nExemple correct : Aime ton prochain comme toi-même")},
    {kT44Person1,
     "first person",
     "1re personne"},
    {kT44Person2,
     "second person",
     "2e personne"},
    {kT44Person3,
     "third person",
     "3e personne"},
    {kT44Person12,
     "first or second person",
     "1re ou 2e personne"},
    {kT44Person13,
     "first or third person",
     "1re ou 3e personne"},
    {kT44Person23,
     "second ou third person",
     "2e ou 3e personne"},
    {kT44OfSingular,
     " singular",
     " du singulier"},
    {kT44OfPlural,
     " plural",
     " du pluriel"},
    {kT44FrVerbIn,
     "The selected word is a verb in the %s.",
     MR("Le mot sélectionné est un verbe à la %s. ")},
    {kT44FrCheck,
     " Check its agreement %s with its subject.",
     MR("Vérifiez l'accord %s de celui-ci avec son sujet.")},
    {kT44FrRule,
     MR("\nRule 2: the verb agrees with its subject(s)(1) in number and person."
     "\n\nCounterexamples: tu va fort / nous achèteront ce logiciel / lui et moi sont d'accord"
     "\nCorrect examples: tu vas fort / nous achèterons ce logiciel / lui et moi sommes d'accord"
     "\n(1) In the case of multiple subjects, the verb is in the plural, and its person is determined thus:"
     "\n - put the verb in the first person if one of the subjects is in the first person;"
     "\n - otherwise, put the verb in the second person if one of the verbs is in the second person,"
     "\n - and in all other cases, put verb in the third person."),
     MR("\nRègle 2 : le verbe s'accorde au(x) sujet(s)(1) en nombre et en personne."
     "\n\nExemples incorrects : tu va fort /  nous achèteront ce logiciel / lui et moi sont d'accord"
     "\nExemples corrects : tu vas fort / nous achèterons ce logiciel / lui et moi sommes d'accord"
     "\n(1) En cas de sujets multiples, le verbe est au pluriel et sa personne se détermine ainsi :"
     "\n - verbe à la 1re personne si l'un des sujets est à la 1re personne,"
     "\n - puis, verbe à la 2e personne si l'un des sujets est à la 2e personne,"
     "\n - enfin, verbe à la 3e personne - donc quand tous les sujets y sont.")},
    {kT44FrAspectPerson,
     "in person",
     "en personne"},
    {kT44FrAspectNumber,
     "in number",
     "en nombre"},
    {kT44FrAspectBoth,
     "in number and person",
     "en nombre et en personne"},
    // Code 45: attribute and determiner agreement.
    {kT45EnPlural,
     "Have you mistakenly put the selected predicate in the plural?",
     MR("N'auriez-vous pas mis au pluriel par erreur l'attribut sélectionné ?")},
    {kT45OfThe,
     "of the ",
     ""},
    {kT45Predicate,
     "predicate",
     "de l'attribut"},
    {kT45PredicateAdjective,
     "predicate adjective",
     "de l'adjectif attribut"},
    {kT45ModifyingClause,
     "modifying clause",
     "du groupe attribut"},
    {kT45Epithet,
     "adjectival epithet",
     MR("de l'adjectif épithète")},
    {kT45BeginningWith,
     " beginning with",
     MR(" commençant par")},
    {kT45Adjective,
     "",
     "de l'adjectif"},
    {kT45ArticleElided,
     "",
     "de l'"},
    {kT45ArticleDu,
     "",
     "du "},
    {kT45CheckGender,
     MR("Check the agreement in gender %s “%s.”"),
     MR("Vérifiez l'accord en genre %s « %s ».")},
    {kT45CheckNumber,
     MR("Check the agreement in number %s “%s.”"),
     MR("Vérifiez l'accord en nombre %s « %s ».")},
    {kT45CheckBoth,
     MR("Check the agreement in gender and number %s “%s.”"),
     MR("Vérifiez l'accord en genre et nombre %s « %s ».")},
    {kT45RuleT,
     "\nRule 4-T: the predicate adjective agrees with the subject in gender and number."
     "\n\nCounterexamples: elle est bien joli / lui et moi devenons adulte"
     "\nCorrect examples: elle est bien jolie / lui et moi devenons adultes",
     MR("\nRègle 4-T : l'adjectif attribut s’accorde au sujet en genre et en nombre."
     "\n\nExemples incorrects : elle est bien joli / lui et moi devenons adulte"
     "\nExemples corrects : elle est bien jolie / lui et moi devenons adultes")},
    {kT45RuleG,
     "\nRule 4-G: the modifying clause agrees with the subject in gender and number. It still agrees in gender even if there is no pure noun at its center."
     "\n\nCounterexamples: ils sont mon candidat / elles semblent le plus ancien"
     "\nCorrect examples: ils sont mes candidats / elles semblent les plus anciennes",
     MR("\nRègle 4-G : le groupe attribut s’accorde au sujet en nombre. Il s'accorde aussi en genre si son noyau n'est pas un nom pur."
     "\n\nExemples incorrects : ils sont mon candidat / elles semblent le plus ancien"
     "\nExemples corrects : ils sont mes candidats / elles semblent les plus anciennes")},
    {kT45RuleE,
     MR("\nRule 4-E: epithets agree in gender and number with the noun (or pronoun) to which they refer."
     "\n\nCounterexamples: des mers houleux / des règles sans doute violé"
     "\nCorrect examples: des mers houleuses / des règles sans doute violées"),
     MR("\nRègle 4-E : l'épithète s’accorde en genre et en nombre au nom (ou pronom) auquel elle se rapporte."
     "\n\nExemples incorrects : des mers houleux / des règles sans doute violé"
     "\nExemples corrects : des mers houleuses / des règles sans doute violées")},
    {kT45RuleR,
     MR("Predicate adjectives are invariable after such verbs as “parler,” “voir,” “sentir” (and their synomymes)."
     "\n\nCounterexample: ils parlent espagnols"
     "\nCorrect example: ils parlent espagnol"),
     MR("La construction réduite du complément est invariable après parler, etc."
     "\n\nExemple incorrect : ils parlent espagnols"
     "\nExemple correct : ils parlent espagnol")},
    {kT45Complement,
     MR("Make the complement “%s” agree with the noun to which it refers."),
     MR("Accordez le complément « %s » au nom auquel il se rapporte.")},
    // Codes 46 to 50.
    {kT46EnPreterite,
     "Questionable construction: the selected word is a verb in the preterite."
     "\nWouldn't it be preferable to use the past participle of this verb?"
     "\n\nCounterexamples: she has forgot / he is showed"
     "\nCorrect examples: she has forgotten / he is shown",
     MR("Construction suspecte : le mot sélectionné est un verbe au prétérit."
     "\nNe vouliez-vous pas plutôt utiliser le participe passé de ce verbe ?"
     "\n\nExemples incorrects : she has forgot /  he is showed"
     "\nExemples corrects : she has forgotten /   he is shown")},
    {kT46EnInfinitive,
     "Questionable construction: the selected word is a verb in the infinitive."
     "\nWouldn't it be preferable to use the past participle of this verb?"
     "\n\nCounterexamples: we have establish / you are know"
     "\nCorrect examples: we have established / you are known",
     MR("Construction suspecte : le mot sélectionné est un verbe à l'infinitif."
     "\nNe vouliez-vous pas plutôt utiliser le participe passé de ce verbe ?"
     "\n\nExemples incorrects : we have establish /  you are know"
     "\nExemples corrects : we have established /  you are known")},
    {kT46Fr,
     MR("Questionable construction: the selected word is a verb in the infinitive."
     "\nWouldn’t it be preferable to use the past participle of this verb?"
     "\n\nCounterexamples: ils ont tenter le diable / elles sont forcer de passer"
     "\nCorrect examples: ils ont tenté le diable / elles sont forcées de passer"),
     MR("Construction suspecte : le mot sélectionné est un verbe à l'infinitif."
     "\nNe vouliez-vous pas plutôt utiliser le participe passé de ce verbe ?"
     "\n\nExemples incorrects : ils ont tenter le diable /  elles sont forcer de passer"
     "\nExemples corrects : ils ont tenté le diable / elles sont forcées de passer")},
    {kT47EnLead,
     "Questionable construction: the selected word is a",
     MR("Construction suspecte : le mot sélectionné est un verbe")},
    {kT47EnPreterite,
     " verb in the preterite,",
     MR(" au prétérit,")},
    {kT47EnParticiple,
     " past participle,",
     MR(" au participe passé,")},
    {kT47EnEither,
     " past participle or verb in the preterite,",
     MR(" au participe passé ou au prétérit,")},
    {kT47EnTail,
     MR(" following an auxiliary verb." "\nWouldn’t it be preferable to use the infinitive?"),
     MR(" consécutif d'un verbe auxiliaire." "\nNe vouliez-vous pas plutôt utiliser l'infinitif ?")},
    {kT47FrLead,
     "Questionable construction: the selected word is a past participle",
     MR("Construction suspecte : le mot sélectionné est un verbe au participe passé")},
    {kT47FrSemiAuxiliary,
     " following a semi-auxiliary verb.",
     MR(" consécutif d'un verbe semi-auxiliaire.")},
    {kT47FrInfinitive,
     " following an infinitive.",
     MR(" consécutif d'un infinitif.")},
    {kT47FrReflexive,
     " following a reflexive personal pronoun.",
     MR(" consécutif d'un pronom personnel réfléchi.")},
    {kT47FrParticiple,
     " following another past participle.",
     MR(" consécutif d'un autre participe passé.")},
    {kT47FrPrepositional,
     " following a prepositional phrase.",
     MR(" consécutif d'une locution prépositive.")},
    {kT47FrTail,
     MR("\nWouldn’t it preferable to use the infinitive form of the verb?"),
     MR("\nNe vouliez-vous pas plutôt utiliser l'infinitif du verbe ?")},
    {kT48Lead,
     "There seems to be a stray ",
     MR("Équilibrez les ")},
    {kT48Quote,
     "quotation mark.",
     "guillemets."},
    {kT48Apostrophe,
     "apostrophe.",
     "apostrophes."},
    {kT48Parenthesis,
     "parenthesis.",
     MR("parenthèses.")},
    {kT48Bracket,
     "bracket.",
     "crochets."},
    {kT48Brace,
     "curly brace.",
     "accolades."},
    {kT49Direct,
     "Check the selected verb, which is followed in this phrase by a direct object, although it is ",
     MR("Vérifiez le verbe sélectionné qui est suivi d'un complément direct, bien que son emploi soit ")},
    {kT49Intransitive,
     "normally intransitive.",
     "normalement intransitif."},
    {kT49Pronominal,
     "normally pronominal.",
     "normalement pronominal."},
    {kT49IntransitiveOrPronominal,
     "normally intransitive or pronominal.",
     "normalement intransitif ou pronominal."},
    {kT49HerePronominal,
     "pronominal.",
     "ici pronominal."},
    {kT49Preposition,
     "Check the construction of the selected verb, which is rarely followed by the preposition ",
     MR("Vérifiez la construction du verbe sélectionné qui est rarement suivi de la préposition ")},
    {kT49PrepA,
     MR("“à.”"),
     MR("« à ».")},
    {kT49PrepAu,
     MR("“au.”"),
     MR("« au ».")},
    {kT49PrepPour,
     MR("“pour.”"),
     MR("« pour ».")},
    {kT49PrepAvec,
     MR("“avec.”"),
     MR("« avec ».")},
    {kT49Reflexive,
     "Check the selected verb, which is normally used with a reflexive pronoun",
     MR("Vérifiez le verbe sélectionné qui est normalement d'emploi pronominal.")},
    {kT49Disjunctive,
     MR("The selected object pronoun appears to be wrong.\nUse disjunctive pronouns as the objects of prepositions."
     "\n\nCounterexamples: il a parlé avec me / il part sans les"
     "\nCorrect examples: il a parlé avec moi / il part sans eux"),
     MR("Le pronom personnel sélectionné semble incorrect.\nUtiliser le pronom personnel disjoint comme complément prépositionnel."
     "\n\nExemples incorrects : il a parlé avec me / il part sans les"
     "\nExemples corrects : il a parlé avec moi / il part sans eux")},
    {kT49ObjectPosition,
     MR("The position of the selected direct object pronoun appears to be wrong.\nDirect object pronouns should go before the verb in standard constructions."
     "\n\nCounterexamples: il a parlé me / il frappe le"
     "\nCorrect examples: il m'a parlé / il le frappe"),
     MR("La position du complément direct du verbe sélectionné semble incorrecte.\nLe pronom personnel objet se place avant le verbe."
     "\n\nExemples incorrects : il a parlé me / il frappe le"
     "\nExemples corrects : il m'a parlé / il le frappe")},
    {kT49NeedsPreposition,
     MR("The predicate of the selected verb requires a preposition (like “à”.)"),
     MR("Le complément du verbe sélectionné demande ici une préposition (comme « à »).")},
    {kT49InfinitiveBare,
     MR("The selected verb is usually not followed by a preposition when it precedes an infinitive."
     "\n\nCounterexamples: il ose à affirmer / il veut de dormir"
     "\nCorrect examples: il ose affirmer / il veut dormir"),
     MR("Le complément infinitif du verbe sélectionné se construit normalement sans préposition."
     "\n\nExemples incorrects : il ose à affirmer / il veut de dormir"
     "\nExemples corrects : il ose affirmer / il veut dormir")},
    {kT49InfinitiveA,
     MR("The selected verb is usually followed by the preposition “à” when it precedes an infinitive."
     "\n\nCounterexamples: il m'a aidé de rédiger / il hésite abandonner"
     "\nCorrect examples: il m'a aidé à rédiger / il hésite à abandonner"),
     MR("Le complément infinitif du verbe sélectionné se construit normalement avec la préposition « à »."
     "\n\nExemples incorrects : il m'a aidé de rédiger / il hésite abandonner"
     "\nExemples corrects : il m'a aidé à rédiger / il hésite à abandonner")},
    {kT49InfinitiveDe,
     MR("The selected verb is usually followed by the preposition “de” when it precedes an infinitive."
     "\n\nCounterexamples: il a refusé se taire / il regrette à nous quitter"
     "\nCorrect examples: il a refusé de se taire / il regrette de nous quitter"),
     MR("Le complément infinitif du verbe sélectionné se construit normalement avec la préposition « de »."
     "\n\nExemples incorrects : il a refusé se taire / il regrette à nous quitter"
     "\nExemples corrects : il a refusé de se taire / il regrette de nous quitter")},
    {kT49InfinitiveSome,
     MR("The selected verb is usually followed by a preposition (like “de”) when it precedes an infinitive."
     "\n\nCounterexamples: il continue parler"
     "\nCorrect examples: il continue de parler / il continue à parler"),
     MR("Le complément infinitif du verbe sélectionné se construit normalement avec une préposition (par exemple « de »)."
     "\n\nExemple incorrect : il continue parler"
     "\nExemples corrects : il continue de parler / il continue à parler")},
    {kT50,
     MR("Following an expression of quantity, partitive or indefinite articles become “de” instead of "
     "“des,” “de la,” or “du”."
     "\n\nCounterexamples: elle achète un litre du vin / il a beaucoup des amis"
     "\nCorrect examples: elle achète un litre de vin / il a beaucoup d'amis"),
     MR("L'article partitif et le déterminant indéfini de quantité se construisent avec « de » et non avec "
     "« des », « du » ou « de la »."
     "\n\nExemples incorrects : elle achète un litre du vin / il a beaucoup des amis"
     "\nExemples corrects : elle achète un litre de vin / il a beaucoup d'amis")},
    // Code 52: incompatible neighbours.
    {kT52EnA,
     MR("The two selected words are incompatible. Use the form 'an' instead of 'a' before a vowel (except those pronounced [ju:]) or an unaspirated “h.”\n Nota bene: The conventional phonetic notation [ju:] corresponds to the sound 'you'"
     "\n\nCounterexamples: a adventure, a insult, a umbrella, a honour"
     "\nCorrect examples: an adventure, an insult, an umbrella, an honour"),
     MR("Les deux mots sélectionnés sont incompatibles. \nUtilisez la forme « an » au lieu de « a » devant une voyelle (sauf celles prononcées [ju:]) ou un h non aspiré.\nNB : la notation phonétique conventionnelle [ju:] correspond au son « you »."
     "\n\nExemples incorrects : a adventure, a insult, a umbrella, a honour"
     "\nExemples corrects : an adventure, an insult, an umbrella, an honour")},
    {kT52EnOne,
     MR("The two selected words are incompatible: before “one ,” use “a” rather than “an.”"),
     MR("Les deux mots sélectionnés sont incompatibles : devant « one », utilisez « a » plutôt que « an ».")},
    {kT52EnYou,
     MR("The two selected words are incompatible. Use “a” rather than “an” before words beginning with the vowels 'u' or 'e' if they are pronounced: [ju:]-> (These are considered semiconsonants).\nNota bene: The conventional phonetic notation [ju:] corresponds to the sound 'you'."
     "\n\nCounterexamples: an European, an ewe, an Utopian, an unit"
     "\nCorrect examples: a European, a ewe, a Utopian, a unit"),
     MR("Les deux mots sélectionnés sont incompatibles. Utilisez « a » plutôt que « an » devant les mots commençant par les voyelles « u » ou « e » si elles sont prononcées [ju:] (ce qui en fait des semi-consonnes).\nNB : la notation phonétique conventionnelle [ju:] correspond au son « you »."
     "\n\nExemples incorrects : an European, an ewe, an Utopian, an unit"
     "\nExemples corrects : a European, a ewe, a Utopian, a unit")},
    {kT52EnAn,
     MR("The two selected words are incompatible. Use the form 'a' instead of 'an' before a consonant or an aspirated “h.”"),
     MR("Les deux mots sélectionnés sont incompatibles. Utilisez la forme  « a » au lieu de « an » devant une consonne, un h aspiré")},
    {kT52VowelAdjective,
     "The two selected words are incompatible: The following adjectives take a different form when preceding a vowel: "
     "beau -> bel, nouveau -> nouvel, vieux -> vieil, fou -> fol, mou -> mol."
     "\n\nCounterexamples: un nouveau ami / un fou espoir"
     "\nCorrect examples: un nouvel ami / un fol espoir / un espoir fou",
     MR("Les deux mots sélectionnés sont incompatibles. Ces adjectifs sont modifiés devant une voyelle : "
     "beau -> bel, nouveau -> nouvel, vieux -> vieil, fou -> fol, mou -> mol."
     "\n\nExemples incorrects : un nouveau ami /  un fou espoir"
     "\nExemples corrects : un nouvel ami / un fol espoir / un espoir fou")},
    {kT52VowelPossessive,
     MR("The two selected words are incompatible: when coming before a vowel, the feminine possessive adjective "
     "takes the masculine form (for reasons of euphony)."
     "\n\nCounterexamples: ma amie / sa idée"
     "\nCorrect examples: mon amie / son idée"),
     MR("Les deux mots sélectionnés sont incompatibles : devant une voyelle, l'adjectif possessif féminin "
     "prend la forme masculine (par raison d'euphonie)."
     "\n\nExemples incorrects : ma amie /  sa idée"
     "\nExemples corrects : mon amie / son idée")},
    {kT52VowelCe,
     MR("The two selected words are incompatible: when coming before a vowel, “ce” is replaced by “cet.”"
     "\n\nCounterexamples: ce arbre / ce automne"
     "\nCorrect examples: cet arbre / cet automne"),
     MR("Les deux mots sélectionnés sont incompatibles : devant une voyelle, « ce » est remplacé par « cet »."
     "\n\nExemples incorrects : ce arbre /  ce automne"
     "\nExemples corrects : cet arbre / cet automne")},
    {kT52VowelAuDu,
     MR("The two selected words are incompatible: when coming before a vowel, “au” and “du” are replaced by “à l'” and “de l'.”"
     "\n\nCounterexamples: du embarras au ennui"
     "\nCorrect examples: de l'embarras à l'ennui"),
     MR("Les deux mots sélectionnés sont incompatibles : devant une voyelle, « au » et « du » sont remplacés par « à l' » et « de l' »."
     "\n\nExemples incorrects : du embarras au ennui"
     "\nExemples corrects : de l'embarras à l'ennui")},
    {kT52VowelElision,
     MR("The two selected words are incompatible: contraction (elision) is required before a vowel (or before an unaspirated “h”) for the following words:"
     "\n - the articles “le,” “la,” “de,”"
     "\n - the pronouns “je,” “le,” “la,” “me,” “te,” “se,” “ce”"
     "\nas well as: “ne,” “que,” “jusque” and “si” (when it is followed by “il” or “ils”)."
     "\n\nCounterexamples: il ne a que à se avancer si il le ose"
     "\nCorrect examples: il n'a qu'à s'avancer s'il l'ose"),
     MR("Les deux mots sélectionnés sont incompatibles : élision obligatoire devant une voyelle (ou « h » non aspiré) pour :"
     "\n - les articles « le », « la », « de »,"
     "\n - les pronoms « je », « le », « la », « me », « te », « se », « ce »"
     "\nainsi que : « ne », « que », « jusque » et « si » (quand il est suivi de « il » ou « ils »)."
     "\n\nExemples incorrects : il ne a que à se avancer si il le ose"
     "\nExemples corrects : il n'a qu'à s'avancer s'il l'ose")},
    {kT52ConsonantAdjective,
     "The two selected words are incompatible: The following adjectives are modified when they come before a consonant: "
     "bel -> beau, nouvel -> nouveau, vieil -> vieux, fol -> fou, mol -> mou."
     "\n\nCounterexample: un nouvel projet"
     "\nCorrect examples: un nouveau projet / un nouvel espoir",
     MR("Les deux mots sélectionnés sont incompatibles. Ces adjectifs sont modifiés devant une consonne : "
     "bel -> beau, nouvel -> nouveau, vieil -> vieux, fol -> fou, mol -> mou."
     "\n\nExemple incorrect : un nouvel projet"
     "\nExemples corrects : un nouveau projet /  un nouvel espoir")},
    {kT52ConsonantCet,
     MR("The two selected words are incompatible: before a consonant, use “ce” or “cette.”"
     "\n\nCounterexamples: cet héros / cet amie"
     "\nCorrect examples: ce héros / cette amie"),
     MR("Les deux mots sélectionnés sont incompatibles : devant une consonne, utilisez « ce » ou « cette »."
     "\n\nExemples incorrects : cet héros /  cet amie"
     "\nExemples corrects : ce héros / cette amie")},
    {kT52ConsonantOnze,
     MR("The two selected words are incompatible: no contraction (elision) before certain words even though they begin with a vowel: "
     "onze et onzième, ouistiti, uhlan."
     "\n\nCounterexample: l'onze décembre 1928"
     "\nCorrect example: le onze décembre 1928"
     "\nNote: contraction is allowed, but not required, before “ouate” and its derivatives "
     "and, depending on the meaning, before “oui” and “une”: “l'une d'elles,” but “du sang à la une.”"),
     MR("Les deux mots sélectionnés sont incompatibles : élision interdite devant quelques mots à voyelle initiale : "
     "onze et onzième, ouistiti, uhlan."
     "\n\nExemple incorrect : l'onze décembre 1928"
     "\nExemple correct : le onze décembre 1928"
     "\nNote : élision autorisée mais non obligatoire pour « ouate » et ses dérivés "
     "et, suivant le sens, pour « oui » et « une » : « l'une d'elles » mais « du sang à la une ».")},
    {kT52ConsonantY,
     MR("The two selected words are incompatible: do not contract (or elide) before a word beginning with “y + vowell” (except “yeuse”)."
     "\n\nCounterexamples: l'yaourt et l'yang"
     "\nCorrect examples: le yaourt et le yang"),
     MR("Les deux mots sélectionnés sont incompatibles : élision interdite devant les mots commençant par « y » suivi d'une voyelle (sauf « yeuse »)."
     "\n\nExemples incorrects : l'yaourt et l'yang"
     "\nExemples corrects : le yaourt et le yang")},
    {kT52ConsonantADe,
     MR("The two selected words are incompatible: before a definite article, “à” and “de” are contracted into “au/aux” and “du/des.”"
     "\n\nCounterexamples: du embarras, au ennui"
     "\nCorrect examples: de l'embarras, à l'ennui"),
     MR("Les deux mots sélectionnés sont incompatibles : devant l'article défini , « à » et « de » sont contractés en « au/aux » et « du/des »."
     "\n\nExemples incorrects : du embarras au ennui"
     "\nExemples corrects : de l'embarras à l'ennui")},
    {kT52ConsonantOther,
     MR("The two selected words are incompatible: do not contract (or elide) words coming before a consonant or an aspirated “h.”"
     "\n\nCounterexamples: l'héros et l'handicap"
     "\nCorrect examples: le héros et le handicap"),
     MR("Les deux mots sélectionnés sont incompatibles : élision interdite devant une consonne (ou un « h » aspiré)."
     "\n\nExemples incorrects : l'héros et l'handicap"
     "\nExemples corrects : le héros et le handicap")},
    // Code 53: mood or tense after "if" / "si".
    {kT53EnPreterite,
     MR("The selected word is a verb in a questionable tense."
     "\nRule: Use the preterit after “if” when the principal clause is in the conditional."
     "\n\nCounterexample: if I have the time, I would do it"
     "\nCorrect example: if I had the time, I would do it"),
     MR("Le mot sélectionné est un verbe dont le temps est suspect."
     "\nRègle : prétérit obligatoire après « if », si la principale est au conditionnel"
     "\n\nExemple incorrect : if I have the time, I would do it"
     "\nExemple correct : if I had the time, I would do it")},
    {kT53EnFuture,
     MR("The selected word is a verb in the future after “if,” which seems questionable."
     "\nRule: The future is generally not used after “if” (instead, use the present or the preterit)."
     "\n\nCounterexample: if I will agree"
     "\nCorrect examples: if I agree / if I agreed"),
     MR("Le mot sélectionné est un verbe au futur après « if », ce qui semble suspect."
     "\nRègle : futur interdit après « if » (présent ou prétérit autorisés)."
     "\n\nExemple incorrect : if I will agree"
     "\nExemples corrects : if I agree / if I agreed")},
    {kT53EnConditional,
     MR("The selected word is a verb in the conditional after “if,” which seems questionable."
     "\nRule: The conditional is generally not used after “if” (instead, use the present or the preterit)"
     "\n\nCounterexample: if I would agree"
     "\nCorrect examples: if I agree / if I agreed"),
     MR("Le mot sélectionné est un verbe au conditionnel après « if », ce qui semble suspect."
     "\nRègle : conditionnel interdit après « if » (présent ou prétérit autorisés)"
     "\n\nExemple incorrect : if I would agree"
     "\nExemples corrects : if I agree / if I agreed")},
    {kT53EnMain,
     MR("The selected word is a verb whose tense is questionable for use in the principal clause."
     "\nRule: The conditional is generally used in the principal clause when the subordinated clause begins with “if” and when the verb is in the preterit."
     "\n\nCounterexample: if I had the time, I do it"
     "\nExemple correct : Correct example: if I had the time, I would do it"),
     MR("Le mot sélectionné est un verbe dont le temps est suspect dans la proposition principale."
     "\nRègle : conditionnel obligatoire dans la principale, si la subordonnée commence par 'if' et a son verbe au prétérit"
     "\n\nExemple incorrect : if I had the time, I do it"
     "\nExemple correct : if I had the time, I would do it")},
    {kT53EnModal,
     MR("The selected modal verb appears to be misused."
     "\nRule: past participles do not follow modal verbs, other than the auxiliaries “to have” ou “to be”"
     "\n\nSample error: I might crossed the street"
     "\nCorrect example: I might have crossed the street"),
     MR("Le mot sélectionné est un verbe auxiliaire dans une construction suspecte."
     "\nRègle : pas de participe passé directement après un auxiliaire autre que « to have » ou « to be »"
     "\n\nExemple incorrect : I might crossed the street"
     "\nExemple correct : I might have crossed the street")},
    {kT53FrSubjunctive,
     "The selected word is a verb in the subjunctive, which seems questionable.",
     MR("Le mot sélectionné est un verbe au subjonctif, ce qui semble suspect.")},
    {kT53FrIndicative,
     "The selected word is a verb in the indicative, which seems questionable.",
     MR("Le mot sélectionné est un verbe à l'indicatif, ce qui semble suspect.")},
    {kT53FrFuture,
     MR("The selected word is a verb in the future.  The construction is questionable."
     "\nRule: the future should not be used in the subordinated clause if the verb in the main clause is in the imperfect or “passé simple.”"
     "\n\nCounterexamples: je savais qu'il viendra / je sus qu'il viendra"
     "\nCorrect examples: je savais qu'il viendrait / je sus qu'il viendrait"),
     MR("Le mot sélectionné est un verbe au futur, ce qui semble suspect."
     "\nRègle : futur interdit dans la proposition subordonnée si le verbe de la principale est à l'imparfait ou au passé simple."
     "\n\nExemples incorrects : je savais qu'il viendra /  je sus qu'il viendra"
     "\nExemples corrects : je savais qu'il viendrait / je sus qu'il viendrait")},
    {kT53FrFutureSi,
     MR("The selected word is a verb conjugated in the future, following “si.”  The construction is questionable."
     "\nRule: the future should not be used after “si.”  Ordinarily the present indicative or the imperfect will be used."
     "\n\nCounterexample: si nous aurons le temps"
     "\nCorrect examples: si nous avons le temps / si nous avions le temps"),
     MR("Le mot sélectionné est un verbe au futur après « si », ce qui semble suspect."
     "\nRègle : futur interdit après « si » (présent ou imparfait autorisés)."
     "\n\nExemple incorrect : si nous aurons le temps"
     "\nExemples corrects : si nous avons le temps / si nous avions le temps")},
    {kT53FrSubjunctiveSi,
     MR("The selected word is a verb in the subjunctive, used after “si”; the construction is questionable."
     "\nRule: the subjunctive should not be used after “si.”  Ordinarily the present indicative or the imperfect will be used."
     "\n\nCounterexample: si je lise bien ce texte"
     "\nCorrect examples: si je lis bien ce texte / si je lisais bien ce texte"),
     MR("Le mot sélectionné est un verbe au subjonctif après « si », ce qui semble suspect."
     "\nRègle : subjonctif interdit après « si » (indicatif présent ou imparfait autorisés)"
     "\n\nExemple incorrect : si je lise bien ce texte"
     "\nExemples corrects : si je lis bien ce texte / si je lisais bien ce texte")},
    {kT53FrConditionalSi,
     MR("The selected word is a verb in the conditional following “si”; the construction is questionable."
     "\nRule: the conditional should generally not be used after “si.”  Ordinarily the present indicative or the imperfect will be used."
     "\n\nCounterexample: si nous aurions le temps"
     "\nCorrect examples: si nous avons le temps / si nous avions le temps"),
     MR("Le mot sélectionné est un verbe au conditionnel après « si », ce qui semble suspect."
     "\nRègle : conditionnel interdit après « si » (indicatif présent ou imparfait autorisés)"
     "\n\nExemple incorrect : si nous aurions le temps"
     "\nExemples corrects : si nous avons le temps / si nous avions le temps")},
    {kT53FrImperativeSi,
     MR("The selected word is a verb in the imperative, following “si”; this construction is questionable."
     "\nRule: the imperative should not be used after “si.”  Usually the present indicative or the imperfect will be used.)"),
     MR("Le mot sélectionné est un verbe à l'impératif après « si », ce qui semble suspect."
     "\nRègle : impératif interdit après « si » (indicatif présent ou imparfait autorisés)")},
    {kT53FrMain,
     MR("The selected word is a verb whose tense is questionable in the main clause."
     "\nRule: the conditional is required in the main clause if the subordinated clause begins with “si” and if its verb is in the imperfect."
     "\n\nCounterexample: si j'avais le temps, j'irai la voir"
     "\nCorrect example: si j'avais le temps, j'irais la voir"),
     MR("Le mot sélectionné est un verbe dont le temps est suspect dans la proposition principale."
     "\nRègle : conditionnel obligatoire dans la principale, si la subordonnée commence par 'si' et a son verbe à l'imparfait"
     "\n\nExemple incorrect : si j'avais le temps, j'irai la voir"
     "\nExemple correct : si j'avais le temps, j'irais la voir")},
    {kT53FrMoodNote,
     MR("\nHow to choose between the indicative and subjunctive:  Generally speaking, the indicative serves to express past, present, and future events or facts.  The subjunctive makes no claims about the reality of an action, but"
     " serves to express hypotheses, doubts, fears, wishes, etc."
     "\n\nCounterexamples: je vois qu'il vienne / il est douteux qu'il vient"
     "\nCounterexamples: je sais qu'il vienne / il est sûr qu'il vienne"),
     MR("\nNote sur l'emploi de l'indicatif ou du subjonctif : l'indicatif est le mode du fait (présent, passé, à venir, sous condition). Le subjonctif ne s'engage pas sur sa réalité mais"
     " sert à exprimer hypothèse, doute, crainte, souhait, etc."
     "\n\nExemples incorrects : je vois qu'il vienne / il est douteux qu'il vient"
     "\nExemples corrects : je vois qu'il vient / il est douteux qu'il vienne")},
    // Codes 55 to 63.
    {kT55,
     "In the sentence including the selected text it seems that a verb is missing.",
     MR("Dans la phrase incluant la sélection, ne manque-t-il pas un verbe ?")},
    {kT56,
     "The selected sentence includes an interrogative form, but it seems to be missing a question mark.",
     MR("Dans la phrase qui finit à la sélection et qui comporte une forme verbale interrogative, il semble manquer le point d'interrogation final.")},
    {kT57,
     "The selected sentence ends with a question mark, but it does not seem to include an interrogative construction.",
     MR("Dans la phrase qui finit à la sélection et qui finit par un point d'interrogation, il semble manquer une forme verbale interrogative.")},
    {kT58,
     "The sentence beginning with the selected text could not be analysed by the grammar checker (perhaps because there are too many errors in the sentence).",
     MR("La phrase suspecte qui débute à la sélection n'a pu être analysée par le vérificateur (peut-être à cause de la présence d'un nombre trop important de fautes dans la phrase).")},
    {kT59N,
     MR("In the sentence containing the selected text, there seems to be an incomplete negation: there is no “ne.”"),
     MR("Négation incomplète dans la phrase incluant la sélection, il semble manquer un 'ne'.")},
    {kT59P,
     MR("In the sentence containing the selected text, there seems to be an incomplete negation: it seems there is a “ne” which is not followed by “pas,” “plus,” “jamais,” or other negative form."),
     MR("Négation incomplète dans la phrase incluant la sélection, il semble qu’il y ait un 'ne' non suivi d’un 'pas' ou équivalent.")},
    {kT60,
     "The selected word is repeated in the sentence.  For reasons of style, one often tries to avoid such repetitions.  To vary your word choice, consult one of the dictionaries.",
     MR("Le mot sélectionné est répété dans la phrase.")},
    {kT61,
     "In the sentence beginning with the selected text, there are %d relative pronouns.  This makes for a cumbersome sentence, and it may be wise to break it into smaller units.",
     MR("Dans la phrase qui débute à la sélection, il y a %d pronoms relatifs.")},
    {kT62,
     "The selected word signals the beginning of a new subordinated phrase, following at least two others.  This makes for a cumbersome sentence, and you may wish to divide it into smaller units.",
     MR("Le mot sélectionné entame un nouveau complément, à la suite d'au moins deux autres.")},
    {kT63,
     "Warning: long sentence (%d words).  For stylistic reasons it may be wise to break the sentence into smaller units.",
     MR("Attention : phrase longue (%d mots).")},
};
// clang-format on

static_assert(sizeof kTexts / sizeof kTexts[0] == kTextCount, "one row per passage");

constexpr bool RowsInIdOrder() {
    for (u32 i = 0; i < kTextCount; ++i) {
        if (kTexts[i].id != i) return false;
    }
    return true;
}
static_assert(RowsInIdOrder(), "row i holds passage i");

struct NameRow {
    const char* english;
    const char* french;
};

// Names of the class letters A..S (1..19).
constexpr NameRow kClassNames[] = {
    {"", ""},
    {"noun", "nom"},
    {"adjective", "adjectif"},
    {"noun or adjective", "nom ou adjectif"},
    {"pronoun or possessive adjective", "pronom ou adjectif possessif"},
    {"adjective", "adjectif"},
    {"demonstrative pronoun", MR("pronom démonstratif")},
    {"relative or interrogative pronoun", "pronom relatif ou interrogatif"},
    {"relative or indefinite pronoun", MR("pronom relatif ou indéfini")},
    {"relative pronoun or qualifier", MR("pronom ou déterminant relatif")},
    {"indefinite pronoun or qualifier", MR("pronom ou déterminant indéfini")},
    {"indefinite pronoun", MR("pronom indéfini")},
    {"indefinite pronoun or adverb", MR("pronom ou adverbe indéfini")},
    {"noun or adjective", "nom ou adjectif"},
    {"noun or adjective", "nom ou adjectif"},
    {"demonstrative article", MR("déterminant démonstratif")},
    {"qualifier", MR("déterminant")},
    {"qualifier", MR("déterminant")},
    {"ordinal number", MR("déterminant numéral")},
    {"ordinal number", MR("déterminant numéral")},
};

// Names of the syntactic categories 1..17.
constexpr NameRow kCategoryNames[] = {
    {"", ""},
    {"subject pronoun", "pronom personnel sujet"},
    {"object pronoun", "pronom personnel objet"},
    {"personal pronoun", "pronom personnel"},
    {"demonstrative pronoun", MR("pronom démonstratif")},
    {"relative pronoun", "pronom relatif"},
    {"indefinite pronoun", MR("pronom indéfini")},
    {"article", "article"},
    {"qualifier", MR("déterminant")},
    {"contracted article", MR("article contracté")},
    {"noun or adjective", "nom ou adjectif"},
    {"past participle", MR("verbe au participe passé")},
    {"present participle", MR("verbe au participe présent")},
    {"verb infinitive", MR("verbe à l'infinitif")},
    {"conjugated verb", MR("verbe conjugué")},
    {"preposition", MR("préposition")},
    {"concoordinating conjunction", "conjonction de coordination"},
    {"subordinating conjunction", "conjonction de subordination"},
};

constexpr u32 kClassNameCount = sizeof kClassNames / sizeof kClassNames[0];
constexpr u32 kCategoryNameCount = sizeof kCategoryNames / sizeof kCategoryNames[0];

// Category name 18 under French checking.
constexpr NameRow kFixedExpressionName = {"fixed expression", MR("partie de locution figée")};
constexpr NameRow kAdverbName = {"adverb", "adverbe"};

const char* InLanguage(const NameRow& row, u16 french) { return french != 0 ? row.french : row.english; }

}  // namespace

const char* ExplanationText(TextId id, u16 french) {
    if (id >= kTextCount) return "";
    return french != 0 ? kTexts[id].french : kTexts[id].english;
}

const char* ClassNameText(u32 index, u16 french) {
    return index < kClassNameCount ? InLanguage(kClassNames[index], french) : "";
}

const char* CategoryNameText(u32 index, u16 french) {
    return index < kCategoryNameCount ? InLanguage(kCategoryNames[index], french) : "";
}

const char* FixedExpressionNameText(u16 french) { return InLanguage(kFixedExpressionName, french); }
const char* AdverbNameText(u16 french) { return InLanguage(kAdverbName, french); }
