// French explanation texts, for both checking languages (the English rules
// are explained in French with English examples).
#include "checking/explanation.h"
#include "checking/explanation_texts.h"
#include "frame/mac_roman_literal.h"

void FormatErrorExplanationFrench(u16 code) { BuildErrorExplanation(code, 1); }

const char* FrenchClassName(u32 index) {
    static const char* const kNames[20] = {
        "", "nom", "adjectif", "nom ou adjectif", "pronom ou adjectif possessif", "adjectif",
        MR("pronom démonstratif"), "pronom relatif ou interrogatif", MR("pronom relatif ou indéfini"),
        MR("pronom ou déterminant relatif"), MR("pronom ou déterminant indéfini"), MR("pronom indéfini"),
        MR("pronom ou adverbe indéfini"), "nom ou adjectif", "nom ou adjectif",
        MR("déterminant démonstratif"), MR("déterminant"), MR("déterminant"), MR("déterminant numéral"),
        MR("déterminant numéral")};
    return index < 20 ? kNames[index] : "";
}

const char* FrenchCategoryName(u32 index) {
    static const char* const kNames[18] = {
        "", "pronom personnel sujet", "pronom personnel objet", "pronom personnel",
        MR("pronom démonstratif"), "pronom relatif", MR("pronom indéfini"), "article",
        MR("déterminant"), MR("article contracté"), "nom ou adjectif", MR("verbe au participe passé"),
        MR("verbe au participe présent"), MR("verbe à l'infinitif"), MR("verbe conjugué"),
        MR("préposition"), "conjonction de coordination", "conjonction de subordination"};
    return index < 18 ? kNames[index] : "";
}

const char* FrenchFixedExpressionName() { return MR("partie de locution figée"); }
const char* FrenchAdverbName() { return "adverbe"; }

const char* FrenchText(TextId id) {
    switch (id) {
        // ---- Code 1 ----
        case kT1CapitalGroup: return MR("Le mot sélectionné demande une majuscule initiale (c'est notamment le cas des adjectifs anglais désignant des groupes humains )");
        case kT1CapitalProperNoun: return MR("Le mot sélectionné est un nom propre (ou un prénom) qui demande une majuscule initiale");
        case kT1CapitalAcronym: return MR("Si le mot sélectionné est un sigle, il s'écrit normalement en majuscules");
        case kT1CapitalFinal: return MR("Le mot sélectionné demande normalement une majuscule finale");
        case kT1FrUnknownWord: return MR("Le mot sélectionné est inconnu du dictionnaire français du vérificateur.");
        case kT1FrUnknownWordHint: return MR("\nEn cas d'emploi du mot anglais « %s », le mettre entre guillemets ou en italiques.");
        case kT1FrUnknownWords: return MR("Les mots sélectionnés sont inconnus du dictionnaire français du vérificateur.");
        case kT1FrUnknownWordsHint: return MR("\nEn cas d'emploi des mots anglais « %s », les mettre entre guillemets ou en italiques.");
        case kT1FrOrdinal:
            return MR("Le mot sélectionné est inconnu du dictionnaire français du vérificateur."
                      "\nLes abréviations correctes de l'adjectif numéral sont : "
                      "\n 1er pour premier, 1ers pour premiers, 1re pour première, 1res pour premières,"
                      "\n 2d pour second, 2ds pour seconds, 2de pour seconde, 2des pour secondes,"
                      "\n 2e pour deuxième, 2es pour deuxièmes, 3e pour troisième, 3es pour troisièmes, etc.");
        case kT1FrOther: return MR("Le mot sélectionné est inconnu du dictionnaire français du vérificateur. Vérifiez son orthographe.");
        case kT1EnPeriod: return MR("Le mot sélectionné est une abréviation à terminer normalement par un point.");
        case kT1EnAdjectivePlural: return "N'auriez-vous pas mis au pluriel un adjectif - toujours invariable en anglais ?";
        case kT1EnAuxiliaryS: return MR("N'auriez-vous pas mis un « s », à un verbe auxiliaire (donc invariable à la 3e personne du singulier) ?");
        case kT1EnComparative: return MR("N'auriez-vous pas construit le comparatif d'un adjectif ou d'un adverbe long par une terminaison en  « er », alors qu'il devrait l'être avec « more  » ?");
        case kT1EnSuperlative: return MR("N'auriez-vous pas construit le superlatif d'un adjectif ou d'un adverbe long par une terminaison en  « est », alors qu'il devrait l'être avec « most  » ?");
        case kT1EnAmerican: return MR("Le mot sélectionné est dans sa graphie américaine.");
        case kT1EnBritish: return MR("Le mot sélectionné est dans sa graphie britannique.");
        case kT1EnUnknownWord: return MR("Le mot sélectionné est inconnu du dictionnaire anglais du vérificateur.");
        case kT1EnUnknownWordHint: return MR("\nEn cas d'emploi du mot français « %s », le mettre entre guillemets ou en italiques.");
        case kT1EnUnknownWords: return MR("Les mots sélectionnés sont inconnus du dictionnaire anglais du vérificateur.");
        case kT1EnUnknownWordsHint: return MR("\nEn cas d'emploi des mots français « %s », les mettre entre guillemets ou en italiques.");
        case kT1EnOther: return MR("Le mot sélectionné est inconnu du dictionnaire anglais du vérificateur. Vérifiez son orthographe.");

        // ---- Codes 2 to 16 ----
        case kT2: return MR("Les mots sélectionnés ont été identifiés comme un sigle.");
        case kT3: return MR("Le mot sélectionné a été identifié comme une abréviation. Désirez-vous le remplacer ?");
        case kT4: return MR("La phrase qui débute à la sélection est trop longue pour pouvoir être vérifiée.");
        case kT8Lead: return MR("Le mot sélectionné relève ");
        case kT8Slang: return "du vocabulaire de l'argot.";
        case kT8Colloquial: return "du vocabulaire familier.";
        case kT8Unsophisticated: return "du vocabulaire populaire.";
        case kT8Literary: return MR("du vocabulaire littéraire.");
        case kT8Archaic: return "d'un vocabulaire vieilli.";
        case kT8Tail: return MR("\nNe préféreriez-vous pas utiliser un terme plus classique ?");
        case kT16: return MR("Les deux mots sélectionnés sont identiques. Vérifiez que ce redoublement est volontaire.");

        // ---- Code 32 ----
        case kT32VielleWritten: return "vielle = (instrument de musique)";
        case kT32VielleMeant: return MR("vieille = (féminin de vieux)");
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
        case kT32InsteadOf: return MR("À la place de : « %s");
        case kT32DidYouMean: return MR("\nne vouliez-vous pas plutôt écrire : « %s ?");

        // ---- Codes 37 to 39 ----
        case kT37Missing: return "Ne manque-t-il pas une ligature au mot sélectionné ?";
        case kT37Abusive: return MR("N'y a-t-il pas une ligature abusive au mot sélectionné ?");
        case kT37MainAe: return MR("\nPrincipaux mots à ligature « æ » : althæa, cæcum, cæsium, (et) cætera, chamærops, nævus(i), tænia, uræus et leurs dérivés.");
        case kT37MainOe: return MR("\nPrincipaux mots à ligature « œ » : angstrœm, bœuf, cœlentérés, cœur, fœhn, lœss, mœurs, sœur, vœu et leurs dérivés ainsi que les mots commençant par « œ » (œil, œuf, œuvre, etc.).");
        case kT38: return MR("Ne manque-t-il pas une majuscule au mot sélectionné qui a été entré au lexique comme un nom propre ?");
        case kT39Abusive:
            return MR("Les mots sélectionnés ne seraient-ils pas liés abusivement ?"
                      "\nRègle : pas de trait d'union entre le verbe à l'impératif et les pronoms personnels objets s'ils sont suivis d'un verbe à l'infinitif");
        case kT39Missing: return MR("Ne manque-t-il pas un trait d'union entre entre les mots sélectionnés ?");
        case kT39RuleNumbers: return MR("\nRègle : trait d'union obligatoire dans les nombres composés inférieurs à 100 (à l'exception de ceux terminés par « et un »).");
        case kT39RuleOrdinals: return MR("\nRègle : trait d'union obligatoire dans les adjectifs numéraux composés inférieurs à 100 (à l'exception de ceux terminés par « et unième »).");
        case kT39RuleImperative: return MR("\nRègle : trait d'union obligatoire entre le verbe à l'impératif et le pronom personnel objet.");
        case kT39RuleInterrogative: return MR("\nRègle : trait d'union obligatoire entre le verbe en mode interrogatif et le pronom personnel.");
        case kT39RuleCiLa: return MR("\nRègle : trait d'union obligatoire devant « ci » ou « là » dans une tournure démonstrative : « cet homme-ci ».");
        case kT39RuleMeme: return MR("\nRègle : trait d'union obligatoire entre le pronom personnel et « même ». Exemple : « lui-même ».");
        case kT39RuleAfter: return MR("\nRègle : trait d'union obligatoire après « %s » s'il est suivi d'un nom.");
        case kT39RuleDemi: return MR("\nRègle : trait d'union obligatoire après l'adjectif « demi » suivi d'un nom.");
        case kT39Examples:
            return MR("\n\nExemples incorrects : vingt neuf / trente-et-un / cent-vingt-huit / quatre-vingt dix-neuvième"
                      "\nExemples corrects : vingt-neuf / trente et un / cent vingt-huit / quatre-vingt-dix-neuvième");

        // ---- Code 40 ----
        case kT40Comma: return MR("N'auriez-vous pas mis une virgule par erreur après le mot sélectionné ?");
        case kT40Separate: return MR("N'auriez-vous pas séparé par erreur les mots sélectionnés ?");
        case kT40Redundant: return "Contruction redondante";
        case kT40EnAuxiliaryS: return MR("N'auriez-vous pas mis un s à un verbe auxiliaire (donc invariable à la 3e personne du singulier) ?");
        case kT40EnLowerI: return MR("N'auriez-vous pas écrit 'i' au lieu de 'I' (pronom personnel sujet - 1e personne du singulier) ?");
        case kT40EnAdjectiveAfter:
            return MR("Séquence suspecte : l'adjectif anglais doit précéder le nom."
                      "\n Exemple incorrect : a man strong."
                      "\n Exemple correct : a strong man.");
        case kT40EnNot:
            return MR("Séquence suspecte : verbe suivi de « not »."
                      "\n Règle : la forme négative d'un verbe anglais non auxiliaire se construit avec l'auxiliaire  « to do »."
                      "\n Exemple incorrect : he sleeps not at night."
                      "\n Exemple correct : he does not sleep at night."
                      "\n Exceptions : les verbes « to think », « to believe », « to suppose », « to expect » acceptent les deux formes négatives. Exemple : « I believe not » ou « I don't believe ».");
        case kT40EnComparative: return MR("N'auriez-vous pas utilisé par erreur le comparatif au lieu du superlatif de « %s » ?");
        case kT40EnSuperlative: return MR("N'auriez-vous pas utilisé par erreur le superlatif au lieu du comparatif de « %s » ?");
        case kT40EnMore: return MR("N'auriez-vous pas construit par erreur le comparatif de l'adjectif court « %s » avec « more » ?");
        case kT40EnMost: return MR("N'auriez-vous pas construit par erreur le superlatif de l'adjectif court « %s » avec « most » ?");
        case kT40EnAnd:
            return MR("N'auriez-vous pas utilisé par erreur la virgule au lieu de « and » avant le denier terme de l'énumération ?"
                      "\nRègle : La conjonction « and » est préférable à la virgule avant le dernier terme d'une énumération."
                      "\n\nExemple incorrect : she ate an apple, an orange, a banana"
                      "\nExemple correct : she ate an apple, an orange and a banana");
        case kT40EnThere: return MR("À la place de : « there » (adverbe), ne vouliez-vous pas écrire : « they're » (they are compacté) ?");
        case kT40EnTheir: return MR("À la place de : « their » (adjectif possessif), ne vouliez-vous pas écrire : « there » (adverbe) ?");
        case kT40EnHe: return MR("À la place de : « he » (pronom personnel sujet), ne vouliez-vous pas écrire : « him » (pronom personnel objet) ?");
        case kT40EnThey: return MR("À la place de : « they » (pronom personnel sujet), ne vouliez-vous pas écrire : « them » (pronom personnel objet) ?");
        case kT40EnI: return MR("À la place de : « I » (pronom personnel sujet), ne vouliez-vous pas écrire : « me » (pronom personnel objet) ?");
        case kT40EnWe: return MR("À la place de : « we » (pronom personnel sujet), ne vouliez-vous pas écrire : « us » (pronom personnel objet) ?");
        case kT40EnIts: return MR("À la place de : « it's » (it is compacté), ne vouliez-vous pas écrire : « its » (adjectif possessif) ?");
        case kT40EnLets: return MR("À la place de : « let's » (let us compacté), ne vouliez-vous pas écrire : « lets » (du verbe to let) ?");
        case kT40EnAdverb:
            return MR("Les mots sélectionnés semblent de types grammaticaux incompatibles : %s pour « %s » et adjectif pour « %s »."
                      "\nRègle : Les adverbes (et non les adjectifs) servent à qualifier les verbes");
        case kT40EnPrevReal: return MR("À la place de : « real » (adjectif), ne vouliez-vous pas écrire : « really » (adverbe) ?");
        case kT40EnPrevItIs: return MR("À la place de : « it's » (contraction de : it is), ne vouliez-vous pas écrire : « its » (adjectif possessif) ?");
        case kT40EnPrevIts: return MR("À la place de : « its » (adjectif possessif), ne vouliez-vous pas écrire : « it's » (contraction pronom + verbe) ?");
        case kT40EnPrevYouAre: return MR("À la place de : « you're » (contraction de : you are), ne vouliez-vous pas écrire : « your » (adjectif possessif) ?");
        case kT40EnPrevTheyAre: return MR("À la place de : « they're » (contraction de : they are), ne vouliez-vous pas écrire : « their » (adjectif possessif) ?");
        case kT40EnPrevThere: return MR("À la place de : « there » (adverbe), ne vouliez-vous pas écrire : « their » (adjectif possessif) ?");
        case kT40EnPrevHim: return MR("À la place de : « him » (pronom personnel objet), ne vouliez-vous pas écrire : « he » (pronom personnel sujet) ?");
        case kT40EnPrevThem: return MR("À la place de : « them » (pronom personnel objet), ne vouliez-vous pas écrire : « they » (pronom personnel sujet) ?");
        case kT40EnPrevMe: return MR("À la place de : « me » (pronom personnel objet), ne vouliez-vous pas écrire : « I » (pronom personnel sujet) ?");
        case kT40EnPrevUs: return MR("À la place de : « us » (pronom personnel objet), ne vouliez-vous pas écrire : « we » (pronom personnel sujet) ?");
        case kT40EnPrevHer: return MR("À la place de : « her » (adjectif possessif), ne vouliez-vous pas écrire : « she » (pronom personnel sujet) ?");
        case kT40EnPrevSome: return MR("À la place de : « some », ne vouliez-vous pas écrire : « any » (requis après une négation) ?");
        case kT40EnPrevTo: return MR("À la place de « to », ne vouliez-vous pas écrire « too » ?");
        case kT40EnPrevLets: return MR("À la place de « lets », ne vouliez-vous pas écrire « let's » (auxiliaire de l'impératif) ?");
        case kT40EnPrevYour: return MR("À la place de « your » (adjectif possessif), ne vouliez-vous pas écrire « you're » (you are compacté) ?");
        case kT40EnPrevCant: return MR("À la place de « cant » , ne vouliez-vous pas écrire « can't » (cannot compacté) ?");
        case kT40EnTypes: return MR("Les mots sélectionnés semblent de types grammaticaux incompatibles : %s pour « %s » et %s pour « %s ».");
        case kT40EnRules:
            return MR("\nRègles : Les adjectifs ou adverbes courts forment leur comparatif avec le suffixe « er » et leur superlatif avec le suffixe « est »."
                      "\nLes comparatifs et superlatifs des adjectifs ou adverbes longs sont formés en les faisant précéder de « more » et « most » respectivement."
                      "\nOn appelle ici courts les adjectifs ou adverbes d'une syllabe et ceux de deux syllabes terminés par y, er, ow, le."
                      "\nExceptions : « apt », « cross », « dead », « drunk », « frank », « glad », « real » se comportent comme des adjectifs longs."
                      "\nComparatifs irréguliers : « better » pour « good » et « well » / « worse » pour « bad » / « further » pour « far »."
                      "\nSuperlatifs irréguliers : « best » pour « good » et « well » / « worst » pour « bad » / « furthest » pour « far ».");
        case kT40EnExampleS: return "\n\nExemple incorrect : he is the more intelligent man" "\nExemple correct : he is the most intelligent man";
        case kT40EnExampleK: return "\n\nExemple incorrect : he is laziest than you" "\nExemple correct : he is lazier than you";
        case kT40EnExampleL: return "\n\nExemple incorrect : she seemed most intelligent than him" "\nExemple correct : she seemed more intelligent than him";
        case kT40EnExampleM: return "\n\nExemples incorrects : a more sad time / it looked more low" "\nExemples corrects :  a sadder time / it looked lower";
        case kT40EnExampleQ: return "\n\nExemple incorrect : he was our most strong leader" "\nExemple correct :  he was the strongest leader";
        case kT40FrPronounOrder: return MR("Les mots sélectionnés sont deux pronoms personnels dont l'ordre est incorrect.");
        case kT40FrPronounOrderReflexive:
            return MR("\nRègle : le pronom personnel réfléchi doit précéder le pronom personnel objet direct."
                      "\n\nExemples incorrects : le sage le se dit / il les me prêtera"
                      "\nExemples corrects : le sage se le dit / il me les prêtera");
        case kT40FrPronounOrderDirect:
            return MR("\nRègle : le pronom personnel objet direct doit précéder le pronom personnel objet indirect."
                      "\n\nExemples incorrects : on leur le donne / il lui les prêtera"
                      "\nExemples corrects : on le leur donne / il les lui prêtera");
        case kT40FrQuantA: return MR("Les mots sélectionnés forment une séquence suspecte. Ne vouliez-vous pas écrire « quant à » (« relativement à », « pour ce qui est de ») ?");
        case kT40FrCapitalA: return MR("À la place de : « A » (3e personne singulier présent du verbe avoir), ne vouliez-vous pas écrire : « À » (préposition) ?\n(L'option de prise en compte des majuscules accentuées est active)");
        case kT40FrA: return MR("À la place de : « a » (3e personne singulier présent du verbe avoir), ne vouliez-vous pas écrire : « à » (préposition) ?");
        case kT40FrAGrave: return MR("À la place de : « à » (préposition), ne vouliez-vous pas écrire : « a » (3e personne singulier présent du verbe avoir) ?");
        case kT40FrFut: return MR("À la place de : « fut » (3e personne singulier passé simple du verbe être), ne vouliez-vous pas écrire : « fût » (nom : tonneau, tronc…) ?");
        case kT40FrCe: return MR("À la place de : « ce » (démonstratif), ne vouliez-vous pas écrire : « se » (pronom personnel réfléchi) ?");
        case kT40FrCApostrophe: return MR("À la place de : « c' » (démonstratif), ne vouliez-vous pas écrire : « s' » (pronom personnel réfléchi) ?");
        case kT40FrFoi: return MR("À la place de : « foi » (croyance), ne vouliez-vous pas écrire : « fois »  ?");
        case kT40FrCentVingt:
            return MR("« cent et vingt » prennent le pluriel s'ils terminent un nombre composé."
                      "\n\nExemples incorrects : deux cent / deux cents vingt / quatre-vingts-dix"
                      "\nExemples corrects : deux cents / deux cent vingt / quatre-vingts");
        case kT40FrSubjectPronoun:
            return MR("À la place du pronom personnel sujet, ne vouliez-vous pas utiliser le pronom personnel disjoint ?"
                      "\n\nExemples incorrects : il mange avec je"
                      "\nExemples corrects : il mange avec moi");
        case kT40FrPrevLeurs: return MR("À la place de : « leurs » (déterminant possessif), ne vouliez-vous pas écrire : « leur » (pronom personnel) ?");
        case kT40FrPrevOu: return MR("À la place de : « ou » (conjonction), ne vouliez-vous pas écrire : « où » (adverbe de lieu) ?");
        case kT40FrPrevQuelques: return MR("À la place de : « quelques » (déterminant), ne vouliez-vous pas écrire : « quelque » (adverbe - devant un nombre) ?");
        case kT40FrPrevCe: return MR("À la place de : « ce » (démonstratif), ne vouliez-vous pas écrire : « se » (pronom personnel réfléchi) ?");
        case kT40FrPrevCApostrophe: return MR("À la place de : « c » (démonstratif), ne vouliez-vous pas écrire : « s' » (pronom personnel réfléchi) ?");
        case kT40FrPrevQuelqu:
            return MR("À la place de : « %s », ne vouliez-vous pas écrire : « quel(le/s) que » ?"
                      "\nIl ne faut pas confondre « quelque » (déterminant) avec « quel que » (concessif).");
        case kT40FrPrevQuoique: return MR("À la place de : « quoique » (conjonction de subordination), ne vouliez-vous pas écrire : « quoi que » (concessif) ?");
        case kT40FrPrevAGrave: return MR("À la place de : « à » (préposition), ne vouliez-vous pas écrire : « a » ?");
        case kT40FrPrevCentVingt:
            return MR("« cent et vingt » prennent le pluriel s'ils terminent un nombre composé."
                      "\n\nExemples incorrects : deux cent / deux cents vingt / quatre-vingts-dix"
                      "\nExemples corrects : deux cents / deux cent vingt / quatre-vingts");
        case kT40FrTypesBefore: return MR("Les mots sélectionnés semblent de types grammaticaux incompatibles : %s pour « %s » et %s pour « %s ».");
        case kT40FrLocution: return MR("Les mots sélectionnés (partie d'une locution figée) semblent incompatibles avec le mot précédent.");
        case kT40FrTypes: return MR("Les mots sélectionnés semblent de types grammaticaux incompatibles : %s pour « %s » et %s pour « %s ».");

        // ---- Code 41 ----
        case kT41EnPlural: return MR("N'auriez-vous pas mis au pluriel par erreur l'adjectif sélectionné ?");
        case kT41ColourCompound:
            return MR("Dans cet usage, « %s » ne s'accorde pas."
                      "\nRègle 1-C : les adjectifs composés de couleur sont invariables. "
                      "\n\nExemples incorrects : des yeux bleus pervenche(s) / une teinte violette foncée"
                      "\nExemples corrects : des yeux bleus / des yeux bleu pervenche (1) / une teinte violet foncé"
                      "\n(1) « des yeux bleu pervenche » signifiant « des yeux d'un bleu pervenche »");
        case kT41ColourNoun:
            return MR("Dans cet usage, « %s » ne s'accorde pas."
                      "\nRègle 1-C : les noms utilisés comme adjectifs de couleur sont invariables."
                      "\n\nExemples incorrects : des yeux marrons / des mers bleues indigo"
                      "\nExemples corrects : des marrons / des yeux marron / des mers bleu indigo"
                      "\nNote : quelques autres noms employés en adjectifs se comportent de même : nord (les quartiers nord), ouest, sud, est, ultra (des élus ultra), bœuf (des effets bœuf), maison (des employés maison), etc., "
                      "ainsi que des noms étrangers utilisés occasionnellement en adjectifs : sterling, kitsch, soft, open, waterproof, etc.");
        case kT41CheckX: return MR("Vérifiez l'accord en %s de « %s » %s");
        case kT41CheckOther: return MR("Vérifiez l'accord en %s entre « %s » %s et ce qui le précède");
        case kT41Period: return ".";
        case kT41RuleEnglish: return MR("\nRègle 1 : les membres du groupe nominal s'accordent en nombre.");
        case kT41RuleFrench: return MR("\nRègle 1 : les membres du groupe nominal s'accordent en genre et en nombre.");
        case kT41ExamplesGender:
            return "\n\nExemples incorrects :  un chat noire / tout douceur / une conseil amical"
                   "\nExemples corrects : un chat noir / toute douceur / un conseil amical";
        case kT41ExamplesEnglish:
            return "\n\nExemples incorrects :  two reliable friend / these nice exemple / an alumni"
                   "\nExemples corrects :  two reliable friends / these nice exemples / an alumnus";
        case kT41ExamplesNumber:
            return MR("\n\nExemples incorrects :  deux ami fidèles / quelque bonnes idées / ces bon exemple"
                      "\nExemples corrects : deux amis fidèles / quelques bonnes idées / ce bon exemple");
        case kT41ExamplesBoth:
            return MR("\n\nExemples incorrects :  des cas obscure / divers autre possibilités"
                      "\nExemples corrects : des cas obscurs / diverses autres possibilités");
        case kT41AspectGender: return "genre";
        case kT41AspectNumber: return "nombre";
        case kT41AspectBoth: return "genre et en nombre";
        case kTMasculine: return " masculin";
        case kTFeminine: return MR(" féminin");
        case kTSingular: return " singulier";
        case kTPlural: return " pluriel";

        // ---- Codes 42 and 43 ----
        case kT42Relative: return MR("Vérifiez l'accord du pronom relatif « %s » avec ce qui le précède.");
        case kT42Qualifier:
            return MR("Vérifiez l'accord en genre de « %s » avec ce qui le suit."
                      "\nRègle 1-R : le représentant du groupe nominal s'accorde en genre avec lui."
                      "\n\nExemple incorrect : chacune de mes parents"
                      "\nExemple correct : chacun de mes parents");
        case kT43Lead: return MR("Vérifiez l'accord du participe passé « %s ».");
        case kT43RuleA:
            return MR("\nRègle 3A : après tout verbe autre que « avoir », le participe passé s’accorde avec le sujet, comme un adjectif."
                      "\n\nExemples incorrects :  elle est mal tombé / ils semblent calmé"
                      "\nExemples corrects : elle est mal tombée /  ils semblent calmés");
        case kT43RuleB:
            return MR("\nRègle 3B : après le verbe « avoir » non précédé d’un complément d’objet direct, le participe passé reste invariable (masculin singulier)."
                      "\n\nExemples incorrects : tu as accomplis des exploits /  ces conférencières ont manquées de clarté"
                      "\nExemples corrects : tu as accompli des exploits / ces conférencières ont manqué de clarté");
        case kT43RuleC:
            return MR("\nRègle 3C : après le verbe « avoir » précédé d’un complément d’objet direct, le participe passé s’accorde avec celui-ci en genre et en nombre."
                      "\n\nExemples incorrects : elle les a rencontrée / je sais les exploits que tu as accompli"
                      "\nExemples corrects : elle les a rencontrés / je sais les exploits que tu as accomplis");
        case kT43RuleD1:
            return MR("\nRègle 3D-1 : sans autre complément d'objet direct que le pronom réfléchi (me, te, se), le participe passé d’un verbe pronominal s’accorde à ce pronom, et donc au sujet (*)."
                      "\n\nExemples incorrects : ils se sont lavé /  elle s'est trompé de genre"
                      "\nExemples corrects : ils se sont lavés / elle s'est trompée de genre"
                      "\n\n (*) : le pronom réfléchi est un complément direct dans 'ils se sont lavés' puisque la phrase équivaut à 'ils ont lavé eux-mêmes'."
                      "\nAu contraire, le pronom réfléchi serait un complément indirect si 'se' équivalait à 'à eux-mêmes'.");
        case kT43RuleD2:
            return MR("\nRègle 3D-2 : suivi d'un complément d'objet direct, le participe passé d’un verbe pronominal reste invariable."
                      "\n\nExemples incorrects : ils se sont lavées les mains /  elle s'est donnée la mort"
                      "\nExemples corrects : ils se sont lavé les mains / elle s'est donné la mort");
        case kT43RuleD3:
            return MR("\nRègle 3D-3 : précédé d’un complément d’objet autre que le pronom réfléchi (me, te, se), le participe passé d’un verbe pronominal s’accorde à ce complément."
                      "\n\nExemples incorrects : les mains qu'ils se sont lavés /  elles se les sont lavé"
                      "\nExemples corrects : les mains qu'ils se sont lavées / elles se les sont lavés (ou lavées)"
                      "\nException : le participe passé reste invariable lorsque le complément direct est « en ».\nExemple : ils s'en sont moqué");
        case kT43RuleD4:
            return MR("\nRègle 3D-4 : si le pronom réfléchi est un complément indirect et s'il n'y a pas de complément direct, le participe passé d’un verbe pronominal reste invariable."
                      "\n\nExemples incorrects : ils se sont téléphonés /  ils se sont nuis"
                      "\nExemples corrects :  ils se sont téléphoné /  ils se sont nui"
                      "\n('ils se sont nui' = 'ils ont nui à eux-mêmes'. 'se' est donc complément indirect).");
        case kT43RuleE:
            return MR("\nRègle 3E : devant un infinitif, le participe passé de certains verbes reste invariable. Ce sont les verbes : "
                      "laisser, devoir, pouvoir, faire, savoir, dire, croire, permettre, penser, prévoir, vouloir."
                      "\n\nExemple incorrect : les idées que j'ai faites triompher"
                      "\nExemple correct : les idées que j'ai fait triompher");

        // ---- Code 44 ----
        case kT44EnLead: return MR("Le mot sélectionné est un verbe");
        case kT44EnThirdSingular: return MR(" à la 3e personne du singulier.");
        case kT44EnPeriod: return ".";
        case kT44EnCheck: return MR(" Vérifiez son accord %s avec son sujet.");
        case kT44EnRule:
            return MR("\nRègle 2 : le verbe s'accorde au(x) sujet(s) en nombre et en personne."
                      "\n\nExemples incorrects : he love his cat /  they wants more / you was right"
                      "\nExemples corrects :  he loves his cat /  they want more / you were right");
        case kT44EnAspectPerson: return "en personne";
        case kT44EnAspectNumber: return "en nombre";
        case kT44EnAspectBoth: return "en nombre et en personne";
        case kT44FrVerbAfterVerb: return MR("Construction suspecte : le mot sélectionné est un verbe consécutif d'un autre verbe.");
        case kT44FrEtre: return MR("N'auriez-vous pas utilisé l'auxiliaire « être » au lieu de « avoir » ?");
        case kT44FrAvoir:
            return MR("N'auriez-vous pas utilisé l'auxiliaire « avoir » au lieu de « être » ?"
                      "\nRègle : l'auxiliaire « être » est obligatoire pour les verbes : advenir, aller, arriver, décéder, descendre, devenir, entrer, intervenir, monter, mourir, naître, obvenir, partir, parvenir, provenir, redescendre, redevenir, remonter, rentrer, rester, ressortir, retomber, retourner, revenir, sortir, survenir, tomber, venir (sauf emploi transitif moins fréquent)."
                      "\n\nExemples incorrects : elle a mal tombé /  ils ont resté"
                      "\nExemples corrects : elle est mal tombée / ils sont restés");
        case kT44FrInterrogative: return "forme verbale interrogative";
        case kT44FrCheckGender: return MR("Vérifiez l'accord en genre du mot sélectionné (%s).");
        case kT44FrRuleInterrogative:
            return MR("\nRègle 2-I : la forme verbale interrogative s'accorde au sujet en nombre et en personne."
                      "\n\nExemple incorrect : vos clientes ont-ils accepté son offre ? "
                      "\nExemple correct : vos clientes ont-elles accepté son offre ? ");
        case kT44FrImperative:
            return MR("Forme verbale suspecte en tête de phrase. Ne vouliez-vous pas plutôt utiliser l'impératif ?"
                      "\n\nExemple incorrect : Aimes ton prochain comme toi-même"
                      "\nExemple correct : Aime ton prochain comme toi-même");
        case kT44Person1: return "1re personne";
        case kT44Person2: return "2e personne";
        case kT44Person3: return "3e personne";
        case kT44Person12: return "1re ou 2e personne";
        case kT44Person13: return "1re ou 3e personne";
        case kT44Person23: return "2e ou 3e personne";
        case kT44OfSingular: return " du singulier";
        case kT44OfPlural: return " du pluriel";
        case kT44FrVerbIn: return MR("Le mot sélectionné est un verbe à la %s. ");
        case kT44FrCheck: return MR("Vérifiez l'accord %s de celui-ci avec son sujet.");
        case kT44FrRule:
            return MR("\nRègle 2 : le verbe s'accorde au(x) sujet(s)(1) en nombre et en personne."
                      "\n\nExemples incorrects : tu va fort /  nous achèteront ce logiciel / lui et moi sont d'accord"
                      "\nExemples corrects : tu vas fort / nous achèterons ce logiciel / lui et moi sommes d'accord"
                      "\n(1) En cas de sujets multiples, le verbe est au pluriel et sa personne se détermine ainsi :"
                      "\n - verbe à la 1re personne si l'un des sujets est à la 1re personne,"
                      "\n - puis, verbe à la 2e personne si l'un des sujets est à la 2e personne,"
                      "\n - enfin, verbe à la 3e personne - donc quand tous les sujets y sont.");
        case kT44FrAspectPerson: return "en personne";
        case kT44FrAspectNumber: return "en nombre";
        case kT44FrAspectBoth: return "en nombre et en personne";

        // ---- Code 45 ----
        case kT45EnPlural: return MR("N'auriez-vous pas mis au pluriel par erreur l'attribut sélectionné ?");
        case kT45OfThe: return "";  // English phrases only
        case kT45Predicate: return "de l'attribut";
        case kT45PredicateAdjective: return "de l'adjectif attribut";
        case kT45ModifyingClause: return "du groupe attribut";
        case kT45Epithet: return MR("de l'adjectif épithète");
        case kT45BeginningWith: return MR(" commençant par");
        case kT45Adjective: return "de l'adjectif";
        case kT45ArticleElided: return "de l'";
        case kT45ArticleDu: return "du ";
        case kT45CheckGender: return MR("Vérifiez l'accord en genre %s « %s ».");
        case kT45CheckNumber: return MR("Vérifiez l'accord en nombre %s « %s ».");
        case kT45CheckBoth: return MR("Vérifiez l'accord en genre et nombre %s « %s ».");
        case kT45RuleT:
            return MR("\nRègle 4-T : l'adjectif attribut s’accorde au sujet en genre et en nombre."
                      "\n\nExemples incorrects : elle est bien joli / lui et moi devenons adulte"
                      "\nExemples corrects : elle est bien jolie / lui et moi devenons adultes");
        case kT45RuleG:
            return MR("\nRègle 4-G : le groupe attribut s’accorde au sujet en nombre. Il s'accorde aussi en genre si son noyau n'est pas un nom pur."
                      "\n\nExemples incorrects : ils sont mon candidat / elles semblent le plus ancien"
                      "\nExemples corrects : ils sont mes candidats / elles semblent les plus anciennes");
        case kT45RuleE:
            return MR("\nRègle 4-E : l'épithète s’accorde en genre et en nombre au nom (ou pronom) auquel elle se rapporte."
                      "\n\nExemples incorrects : des mers houleux / des règles sans doute violé"
                      "\nExemples corrects : des mers houleuses / des règles sans doute violées");
        case kT45RuleR:
            return MR("La construction réduite du complément est invariable après parler, etc."
                      "\n\nExemple incorrect : ils parlent espagnols"
                      "\nExemple correct : ils parlent espagnol");
        case kT45Complement: return MR("Accordez le complément « %s » au nom auquel il se rapporte.");

        // ---- Codes 46 to 50 ----
        case kT46EnPreterite:
            return MR("Construction suspecte : le mot sélectionné est un verbe au prétérit."
                      "\nNe vouliez-vous pas plutôt utiliser le participe passé de ce verbe ?"
                      "\n\nExemples incorrects : she has forgot /  he is showed"
                      "\nExemples corrects : she has forgotten /   he is shown");
        case kT46EnInfinitive:
            return MR("Construction suspecte : le mot sélectionné est un verbe à l'infinitif."
                      "\nNe vouliez-vous pas plutôt utiliser le participe passé de ce verbe ?"
                      "\n\nExemples incorrects : we have establish /  you are know"
                      "\nExemples corrects : we have established /  you are known");
        case kT46Fr:
            return MR("Construction suspecte : le mot sélectionné est un verbe à l'infinitif."
                      "\nNe vouliez-vous pas plutôt utiliser le participe passé de ce verbe ?"
                      "\n\nExemples incorrects : ils ont tenter le diable /  elles sont forcer de passer"
                      "\nExemples corrects : ils ont tenté le diable / elles sont forcées de passer");
        case kT47EnLead: return MR("Construction suspecte : le mot sélectionné est un verbe");
        case kT47EnPreterite: return MR(" au prétérit,");
        case kT47EnParticiple: return MR(" au participe passé,");
        case kT47EnEither: return MR(" au participe passé ou au prétérit,");
        case kT47EnTail: return MR(" consécutif d'un verbe auxiliaire." "\nNe vouliez-vous pas plutôt utiliser l'infinitif ?");
        case kT47FrLead: return MR("Construction suspecte : le mot sélectionné est un verbe au participe passé");
        case kT47FrSemiAuxiliary: return MR(" consécutif d'un verbe semi-auxiliaire.");
        case kT47FrInfinitive: return MR(" consécutif d'un infinitif.");
        case kT47FrReflexive: return MR(" consécutif d'un pronom personnel réfléchi.");
        case kT47FrParticiple: return MR(" consécutif d'un autre participe passé.");
        case kT47FrPrepositional: return MR(" consécutif d'une locution prépositive.");
        case kT47FrTail: return MR("\nNe vouliez-vous pas plutôt utiliser l'infinitif du verbe ?");
        case kT48Lead: return MR("Équilibrez les ");
        case kT48Quote: return "guillemets.";
        case kT48Apostrophe: return "apostrophes.";
        case kT48Parenthesis: return MR("parenthèses.");
        case kT48Bracket: return "crochets.";
        case kT48Brace: return "accolades.";
        case kT49Direct: return MR("Vérifiez le verbe sélectionné qui est suivi d'un complément direct, bien que son emploi soit ");
        case kT49Intransitive: return "normalement intransitif.";
        case kT49Pronominal: return "normalement pronominal.";
        case kT49IntransitiveOrPronominal: return "normalement intransitif ou pronominal.";
        case kT49HerePronominal: return "ici pronominal.";
        case kT49Preposition: return MR("Vérifiez la construction du verbe sélectionné qui est rarement suivi de la préposition ");
        case kT49PrepA: return MR("« à ».");
        case kT49PrepAu: return MR("« au ».");
        case kT49PrepPour: return MR("« pour ».");
        case kT49PrepAvec: return MR("« avec ».");
        case kT49Reflexive: return MR("Vérifiez le verbe sélectionné qui est normalement d'emploi pronominal.");
        case kT49Disjunctive:
            return MR("Le pronom personnel sélectionné semble incorrect.\nUtiliser le pronom personnel disjoint comme complément prépositionnel."
                      "\n\nExemples incorrects : il a parlé avec me / il part sans les"
                      "\nExemples corrects : il a parlé avec moi / il part sans eux");
        case kT49ObjectPosition:
            return MR("La position du complément direct du verbe sélectionné semble incorrecte.\nLe pronom personnel objet se place avant le verbe."
                      "\n\nExemples incorrects : il a parlé me / il frappe le"
                      "\nExemples corrects : il m'a parlé / il le frappe");
        case kT49NeedsPreposition: return MR("Le complément du verbe sélectionné demande ici une préposition (comme « à »).");
        case kT49InfinitiveBare:
            return MR("Le complément infinitif du verbe sélectionné se construit normalement sans préposition."
                      "\n\nExemples incorrects : il ose à affirmer / il veut de dormir"
                      "\nExemples corrects : il ose affirmer / il veut dormir");
        case kT49InfinitiveA:
            return MR("Le complément infinitif du verbe sélectionné se construit normalement avec la préposition « à »."
                      "\n\nExemples incorrects : il m'a aidé de rédiger / il hésite abandonner"
                      "\nExemples corrects : il m'a aidé à rédiger / il hésite à abandonner");
        case kT49InfinitiveDe:
            return MR("Le complément infinitif du verbe sélectionné se construit normalement avec la préposition « de »."
                      "\n\nExemples incorrects : il a refusé se taire / il regrette à nous quitter"
                      "\nExemples corrects : il a refusé de se taire / il regrette de nous quitter");
        case kT49InfinitiveSome:
            return MR("Le complément infinitif du verbe sélectionné se construit normalement avec une préposition (par exemple « de »)."
                      "\n\nExemple incorrect : il continue parler"
                      "\nExemples corrects : il continue de parler / il continue à parler");
        case kT50:
            return MR("L'article partitif et le déterminant indéfini de quantité se construisent avec « de » et non avec "
                      "« des », « du » ou « de la »."
                      "\n\nExemples incorrects : elle achète un litre du vin / il a beaucoup des amis"
                      "\nExemples corrects : elle achète un litre de vin / il a beaucoup d'amis");

        // ---- Code 52 ----
        case kT52EnA:
            return MR("Les deux mots sélectionnés sont incompatibles. \nUtilisez la forme « an » au lieu de « a » devant une voyelle (sauf celles prononcées [ju:]) ou un h non aspiré.\nNB : la notation phonétique conventionnelle [ju:] correspond au son « you »."
                      "\n\nExemples incorrects : a adventure, a insult, a umbrella, a honour"
                      "\nExemples corrects : an adventure, an insult, an umbrella, an honour");
        case kT52EnOne: return MR("Les deux mots sélectionnés sont incompatibles : devant « one », utilisez « a » plutôt que « an ».");
        case kT52EnYou:
            return MR("Les deux mots sélectionnés sont incompatibles. Utilisez « a » plutôt que « an » devant les mots commençant par les voyelles « u » ou « e » si elles sont prononcées [ju:] (ce qui en fait des semi-consonnes).\nNB : la notation phonétique conventionnelle [ju:] correspond au son « you »."
                      "\n\nExemples incorrects : an European, an ewe, an Utopian, an unit"
                      "\nExemples corrects : a European, a ewe, a Utopian, a unit");
        case kT52EnAn: return MR("Les deux mots sélectionnés sont incompatibles. Utilisez la forme  « a » au lieu de « an » devant une consonne, un h aspiré");
        case kT52VowelAdjective:
            return MR("Les deux mots sélectionnés sont incompatibles. Ces adjectifs sont modifiés devant une voyelle : "
                      "beau -> bel, nouveau -> nouvel, vieux -> vieil, fou -> fol, mou -> mol."
                      "\n\nExemples incorrects : un nouveau ami /  un fou espoir"
                      "\nExemples corrects : un nouvel ami / un fol espoir / un espoir fou");
        case kT52VowelPossessive:
            return MR("Les deux mots sélectionnés sont incompatibles : devant une voyelle, l'adjectif possessif féminin "
                      "prend la forme masculine (par raison d'euphonie)."
                      "\n\nExemples incorrects : ma amie /  sa idée"
                      "\nExemples corrects : mon amie / son idée");
        case kT52VowelCe:
            return MR("Les deux mots sélectionnés sont incompatibles : devant une voyelle, « ce » est remplacé par « cet »."
                      "\n\nExemples incorrects : ce arbre /  ce automne"
                      "\nExemples corrects : cet arbre / cet automne");
        case kT52VowelAuDu:
            return MR("Les deux mots sélectionnés sont incompatibles : devant une voyelle, « au » et « du » sont remplacés par « à l' » et « de l' »."
                      "\n\nExemples incorrects : du embarras au ennui"
                      "\nExemples corrects : de l'embarras à l'ennui");
        case kT52VowelElision:
            return MR("Les deux mots sélectionnés sont incompatibles : élision obligatoire devant une voyelle (ou « h » non aspiré) pour :"
                      "\n - les articles « le », « la », « de »,"
                      "\n - les pronoms « je », « le », « la », « me », « te », « se », « ce »"
                      "\nainsi que : « ne », « que », « jusque » et « si » (quand il est suivi de « il » ou « ils »)."
                      "\n\nExemples incorrects : il ne a que à se avancer si il le ose"
                      "\nExemples corrects : il n'a qu'à s'avancer s'il l'ose");
        case kT52ConsonantAdjective:
            return MR("Les deux mots sélectionnés sont incompatibles. Ces adjectifs sont modifiés devant une consonne : "
                      "bel -> beau, nouvel -> nouveau, vieil -> vieux, fol -> fou, mol -> mou."
                      "\n\nExemple incorrect : un nouvel projet"
                      "\nExemples corrects : un nouveau projet /  un nouvel espoir");
        case kT52ConsonantCet:
            return MR("Les deux mots sélectionnés sont incompatibles : devant une consonne, utilisez « ce » ou « cette »."
                      "\n\nExemples incorrects : cet héros /  cet amie"
                      "\nExemples corrects : ce héros / cette amie");
        case kT52ConsonantOnze:
            return MR("Les deux mots sélectionnés sont incompatibles : élision interdite devant quelques mots à voyelle initiale : "
                      "onze et onzième, ouistiti, uhlan."
                      "\n\nExemple incorrect : l'onze décembre 1928"
                      "\nExemple correct : le onze décembre 1928"
                      "\nNote : élision autorisée mais non obligatoire pour « ouate » et ses dérivés "
                      "et, suivant le sens, pour « oui » et « une » : « l'une d'elles » mais « du sang à la une ».");
        case kT52ConsonantY:
            return MR("Les deux mots sélectionnés sont incompatibles : élision interdite devant les mots commençant par « y » suivi d'une voyelle (sauf « yeuse »)."
                      "\n\nExemples incorrects : l'yaourt et l'yang"
                      "\nExemples corrects : le yaourt et le yang");
        case kT52ConsonantADe:
            return MR("Les deux mots sélectionnés sont incompatibles : devant l'article défini , « à » et « de » sont contractés en « au/aux » et « du/des »."
                      "\n\nExemples incorrects : du embarras au ennui"
                      "\nExemples corrects : de l'embarras à l'ennui");
        case kT52ConsonantOther:
            return MR("Les deux mots sélectionnés sont incompatibles : élision interdite devant une consonne (ou un « h » aspiré)."
                      "\n\nExemples incorrects : l'héros et l'handicap"
                      "\nExemples corrects : le héros et le handicap");

        // ---- Code 53 ----
        case kT53EnPreterite:
            return MR("Le mot sélectionné est un verbe dont le temps est suspect."
                      "\nRègle : prétérit obligatoire après « if », si la principale est au conditionnel"
                      "\n\nExemple incorrect : if I have the time, I would do it"
                      "\nExemple correct : if I had the time, I would do it");
        case kT53EnFuture:
            return MR("Le mot sélectionné est un verbe au futur après « if », ce qui semble suspect."
                      "\nRègle : futur interdit après « if » (présent ou prétérit autorisés)."
                      "\n\nExemple incorrect : if I will agree"
                      "\nExemples corrects : if I agree / if I agreed");
        case kT53EnConditional:
            return MR("Le mot sélectionné est un verbe au conditionnel après « if », ce qui semble suspect."
                      "\nRègle : conditionnel interdit après « if » (présent ou prétérit autorisés)"
                      "\n\nExemple incorrect : if I would agree"
                      "\nExemples corrects : if I agree / if I agreed");
        case kT53EnMain:
            return MR("Le mot sélectionné est un verbe dont le temps est suspect dans la proposition principale."
                      "\nRègle : conditionnel obligatoire dans la principale, si la subordonnée commence par 'if' et a son verbe au prétérit"
                      "\n\nExemple incorrect : if I had the time, I do it"
                      "\nExemple correct : if I had the time, I would do it");
        case kT53EnModal:
            return MR("Le mot sélectionné est un verbe auxiliaire dans une construction suspecte."
                      "\nRègle : pas de participe passé directement après un auxiliaire autre que « to have » ou « to be »"
                      "\n\nExemple incorrect : I might crossed the street"
                      "\nExemple correct : I might have crossed the street");
        case kT53FrSubjunctive: return MR("Le mot sélectionné est un verbe au subjonctif, ce qui semble suspect.");
        case kT53FrIndicative: return MR("Le mot sélectionné est un verbe à l'indicatif, ce qui semble suspect.");
        case kT53FrFuture:
            return MR("Le mot sélectionné est un verbe au futur, ce qui semble suspect."
                      "\nRègle : futur interdit dans la proposition subordonnée si le verbe de la principale est à l'imparfait ou au passé simple."
                      "\n\nExemples incorrects : je savais qu'il viendra /  je sus qu'il viendra"
                      "\nExemples corrects : je savais qu'il viendrait / je sus qu'il viendrait");
        case kT53FrFutureSi:
            return MR("Le mot sélectionné est un verbe au futur après « si », ce qui semble suspect."
                      "\nRègle : futur interdit après « si » (présent ou imparfait autorisés)."
                      "\n\nExemple incorrect : si nous aurons le temps"
                      "\nExemples corrects : si nous avons le temps / si nous avions le temps");
        case kT53FrSubjunctiveSi:
            return MR("Le mot sélectionné est un verbe au subjonctif après « si », ce qui semble suspect."
                      "\nRègle : subjonctif interdit après « si » (indicatif présent ou imparfait autorisés)"
                      "\n\nExemple incorrect : si je lise bien ce texte"
                      "\nExemples corrects : si je lis bien ce texte / si je lisais bien ce texte");
        case kT53FrConditionalSi:
            return MR("Le mot sélectionné est un verbe au conditionnel après « si », ce qui semble suspect."
                      "\nRègle : conditionnel interdit après « si » (indicatif présent ou imparfait autorisés)"
                      "\n\nExemple incorrect : si nous aurions le temps"
                      "\nExemples corrects : si nous avons le temps / si nous avions le temps");
        case kT53FrImperativeSi:
            return MR("Le mot sélectionné est un verbe à l'impératif après « si », ce qui semble suspect."
                      "\nRègle : impératif interdit après « si » (indicatif présent ou imparfait autorisés)");
        case kT53FrMain:
            return MR("Le mot sélectionné est un verbe dont le temps est suspect dans la proposition principale."
                      "\nRègle : conditionnel obligatoire dans la principale, si la subordonnée commence par 'si' et a son verbe à l'imparfait"
                      "\n\nExemple incorrect : si j'avais le temps, j'irai la voir"
                      "\nExemple correct : si j'avais le temps, j'irais la voir");
        case kT53FrMoodNote:
            return MR("\nNote sur l'emploi de l'indicatif ou du subjonctif : l'indicatif est le mode du fait (présent, passé, à venir, sous condition). Le subjonctif ne s'engage pas sur sa réalité mais"
                      " sert à exprimer hypothèse, doute, crainte, souhait, etc."
                      "\n\nExemples incorrects : je vois qu'il vienne / il est douteux qu'il vient"
                      "\nExemples corrects : je vois qu'il vient / il est douteux qu'il vienne");

        // ---- Codes 55 to 63 ----
        case kT55: return MR("Dans la phrase incluant la sélection, ne manque-t-il pas un verbe ?");
        case kT56: return MR("Dans la phrase qui finit à la sélection et qui comporte une forme verbale interrogative, il semble manquer le point d'interrogation final.");
        case kT57: return MR("Dans la phrase qui finit à la sélection et qui finit par un point d'interrogation, il semble manquer une forme verbale interrogative.");
        case kT58: return MR("La phrase suspecte qui débute à la sélection n'a pu être analysée par le vérificateur (peut-être à cause de la présence d'un nombre trop important de fautes dans la phrase).");
        case kT59N: return MR("Négation incomplète dans la phrase incluant la sélection, il semble manquer un 'ne'.");
        case kT59P: return MR("Négation incomplète dans la phrase incluant la sélection, il semble qu’il y ait un 'ne' non suivi d’un 'pas' ou équivalent.");
        case kT60: return MR("Le mot sélectionné est répété dans la phrase.");
        case kT61: return MR("Dans la phrase qui débute à la sélection, il y a %d pronoms relatifs.");
        case kT62: return MR("Le mot sélectionné entame un nouveau complément, à la suite d'au moins deux autres.");
        case kT63: return "Attention : phrase longue (%d mots).";
        case kTextCount: break;
    }
    return "";
}
