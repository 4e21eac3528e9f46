// Word-category codes and the French and English category labels, indexed
// by WordCategory (the three lists are parallel). Leading blanks belong to
// the labels, which are appended after other text.
#include "frame/mac_roman_literal.h"
#include "frame/tables.h"

namespace {

const char* const kCategoryCodes[] = {
    "O",  // 0
    "V",  // 1
    "PAP",  // 2
    "PP",  // 3
    "PD",  // 4
    "PR",  // 5
    "PIND",  // 6
    "ART",  // 7
    "DET",  // 8
    "ARC",  // 9
    "NP",  // 10
    "N",  // 11
    "ADJ",  // 12
    "NA",  // 13
    "LOC",  // 14
    "PRP",  // 15
    "COC",  // 16
    "COS",  // 17
    "ADV",  // 18
    "ITJ",  // 19
    "ONO",  // 20
    "SIG",  // 21
    "SIGP",  // 22
    "NPP",  // 23
    "INC",  // 24
    "PINT",  // 25
    "ADP",  // 26
    "inf",  // 27
    "ppre",  // 28
    "ppas",  // 29
    "ppas",  // 30
    "pres",  // 31
    "imparf",  // 32
    "futur",  // 33
    "futant",  // 34
    "subj",  // 35
    "impsubj",  // 36
    "condi",  // 37
    "imper",  // 38
    "impousub",  // 39
    "prete",  // 40
    "passimp",  // 41
    "passcomp",  // 42
    "passant",  // 43
    "pqparf",  // 44
    "infpass",  // 45
    "subjpass",  // 46
    "condipass",  // 47
    "auxil",  // 48
    "pres",  // 49
    "",  // 50
    "m",  // 51
    "f",  // 52
    "sg",  // 53
    "pl",  // 54
    "O",  // 55
    "",  // 56
    "",  // 57
    "",  // 58
    "",  // 59
    "",  // 60
    "NBR",  // 61
    "",  // 62
    "APP",  // 63
    "",  // 64
    "",  // 65
    "ADD",  // 66
    "cop",  // 67
    "O",  // 68
    "PCT",  // 69
    "cod",  // 70
    "coi",  // 71
    "cdn",  // 72
    "cni",  // 73
    "vactif",  // 74
    "suj",  // 75
    "epi",  // 76
    "att",  // 77
    "elv",  // 78
    "rep",  // 79
    "subimpl",  // 80
    "vpron",  // 81
    "vpass",  // 82
    "vint",  // 83
    "cap",  // 84
    "cav",  // 85
    "cinfc",  // 86
    "",  // 87
    "",  // 88
    "",  // 89
    "",  // 90
    "",  // 91
    "apo",  // 92
    "progr",  // 93
    "",  // 94
    "POSTP",  // 95
};

const char* const kFrenchCategoryLabels[] = {
    "",  // 0
    "verbe",  // 1
    "adjectif ou pronom possessif",  // 2
    "pronom personnel",  // 3
    MR("pronom démonstratif"),  // 4
    "pronom relatif",  // 5
    MR("pronom indéfini"),  // 6
    "article",  // 7
    MR("déterminant"),  // 8
    MR("article contracté"),  // 9
    "nom propre",  // 10
    "nom",  // 11
    "adjectif",  // 12
    "nom ou adjectif",  // 13
    "partie de locution",  // 14
    MR("préposition"),  // 15
    "conjonction de coordination",  // 16
    "conjonction de subordination",  // 17
    "adverbe",  // 18
    "interjection",  // 19
    MR("onomatopée"),  // 20
    "sigle",  // 21
    MR("sigle présumé"),  // 22
    MR("nom propre présumé"),  // 23
    "mot inconnu",  // 24
    "pronom interrogatif",  // 25
    "adjectif possessif",  // 26
    MR(" à l'infinitif"),  // 27
    MR(" au participe présent"),  // 28
    MR(" au participe passé"),  // 29
    MR(" au participe passé ou au passé simple"),  // 30
    MR(" au présent"),  // 31
    MR(" à l'imparfait"),  // 32
    " au futur",  // 33
    MR(" au futur antérieur"),  // 34
    " au subjonctif",  // 35
    MR(" à l'imparfait du subjonctif"),  // 36
    " au conditionnel",  // 37
    MR(" à l'impératif"),  // 38
    MR(" à l'imparfait ou au subjonctif"),  // 39
    MR(" au prétérit"),  // 40
    MR(" au passé simple"),  // 41
    MR(" au passé composé"),  // 42
    MR(" au passé antérieur"),  // 43
    " au plus-que-parfait",  // 44
    MR(" à l'infinitif passé"),  // 45
    MR(" au subjonctif passé"),  // 46
    MR(" au conditionnel passé"),  // 47
    " auxiliaire",  // 48
    MR(" au présent ou au passé simple"),  // 49
    " au",  // 50
    " masculin",  // 51
    MR(" féminin"),  // 52
    " singulier",  // 53
    " pluriel",  // 54
    " invariable",  // 55
    " en nombre",  // 56
    " [premier 'e' muet]",  // 57
    " [dernier 'e' muet]",  // 58
    " ['s' final muet]",  // 59
    MR(" ['t' final prononcé]"),  // 60
    "nombre",  // 61
    " ou",  // 62
    MR("participe passé ou adjectif"),  // 63
    MR(" à singulier irrégulier"),  // 64
    MR(" à pluriel irrégulier"),  // 65
    MR("adjectif démonstratif"),  // 66
    "verbe copule",  // 67
    "contraction",  // 68
    "signe de ponctuation",  // 69
    MR("le complément direct du verbe"),  // 70
    MR("le complément indirect du verbe"),  // 71
    MR("le complément de nom de"),  // 72
    MR("un complément"),  // 73
    "verbe actif",  // 74
    "sujet",  // 75
    MR("épithète de"),  // 76
    "attribut de",  // 77
    MR("élément de locution verbale"),  // 78
    MR("représentant de"),  // 79
    "subordination implicite",  // 80
    MR("à la voix pronominale"),  // 81
    MR("à la voix passive"),  // 82
    MR("à la forme interrogative"),  // 83
    MR("un complément d'agent du passif"),  // 84
    MR("un complément adverbial du verbe"),  // 85
    MR("un complément d'infinitif complément"),  // 86
    "argot",  // 87
    "familier",  // 88
    "populaire",  // 89
    MR("littéraire"),  // 90
    "vieilli",  // 91
    MR("en apposition à"),  // 92
    MR("à la forme progressive"),  // 93
    MR("Catégorie de vocabulaire"),  // 94
    "postposition",  // 95
};

const char* const kEnglishCategoryLabels[] = {
    "",  // 0
    "verb",  // 1
    "possessive adjective or pronoun",  // 2
    "personal pronoun",  // 3
    "demonstrative pronoun",  // 4
    "relative pronoun",  // 5
    "indefinite pronoun",  // 6
    "article",  // 7
    "qualifier",  // 8
    "contracted article",  // 9
    "proper noun",  // 10
    "noun",  // 11
    "adjective",  // 12
    "noun or adjective",  // 13
    "element of locution",  // 14
    "preposition",  // 15
    "coordinating conjunction",  // 16
    "subordinating conjunction",  // 17
    "adverb",  // 18
    "interjection",  // 19
    "onomatopoeia",  // 20
    "acronym or abbreviation",  // 21
    "assumed acronym or abbreviation",  // 22
    "assumed proper noun",  // 23
    "unknown word",  // 24
    "interrogative pronoun",  // 25
    "possessive adjective",  // 26
    " in the infinitive",  // 27
    " in the present participle",  // 28
    " in the past participle",  // 29
    " in the past participle or in the litterary preterite",  // 30
    " in the present",  // 31
    " in the imperfect",  // 32
    " in the future",  // 33
    " in the future perfect",  // 34
    " in the present subjunctive",  // 35
    " in the imperfect subjunctive",  // 36
    " in the conditional",  // 37
    " in the imperative",  // 38
    " in the imperfect or in the present subjunctive",  // 39
    " in the preterite",  // 40
    " in the litterary preterite",  // 41
    " in the compound past",  // 42
    " in the past perfect historic",  // 43
    " in the pluperfect",  // 44
    " in the past infinitive",  // 45
    " in the past subjonctive",  // 46
    " in the past conditional",  // 47
    " auxiliary verb",  // 48
    " in the present or in the litterary preterite",  // 49
    " in the",  // 50
    " masculine",  // 51
    " feminine",  // 52
    " singular",  // 53
    " plural",  // 54
    " invariable",  // 55
    " in number",  // 56
    " [first 'e' is silent]",  // 57
    " [last 'e' is silent]",  // 58
    " [last 's' is silent]",  // 59
    " [last 't' is sounded]",  // 60
    "number",  // 61
    " or",  // 62
    "past participle or adjective",  // 63
    " with irregular singular",  // 64
    " with irregular plural",  // 65
    "demonstrative adjective",  // 66
    "copula",  // 67
    "contraction",  // 68
    "punctuation mark",  // 69
    "a direct object of the verb",  // 70
    "an indirect object of the verb",  // 71
    "a prepositional object of",  // 72
    "an object",  // 73
    "active verb",  // 74
    "subject",  // 75
    "epithet of",  // 76
    "attribute of",  // 77
    "part of a verbal expression",  // 78
    "referring to",  // 79
    "implicit subordination",  // 80
    "used in pronominal form",  // 81
    "in passive voice",  // 82
    "in the interrogative",  // 83
    "an agent for the passive voice",  // 84
    "an adverbial predicate",  // 85
    "an object of an object infinitive",  // 86
    "slang",  // 87
    "colloquial",  // 88
    "unsophisticated",  // 89
    "litterary",  // 90
    "archaic",  // 91
    "in apposition to",  // 92
    "in the progressive form",  // 93
    "Type of vocabulary",  // 94
    "postposition",  // 95
};

}  // namespace

StringList gCategoryCodes = MakeLiteralList(kCategoryCodes);
StringList gFrenchCategoryLabels = MakeLiteralList(kFrenchCategoryLabels);
StringList gEnglishCategoryLabels = MakeLiteralList(kEnglishCategoryLabels);
