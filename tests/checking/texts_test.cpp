// Explanation texts: the text each finding receives in the two interface
// languages, for both checking languages.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "checking/explanation.h"
#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/sentence_state.h"
#include "frame/settings.h"
#include "frame/tables.h"

// A non-breaking space, written visibly.
#define NB "\u00a0"

namespace {

constexpr u16 kEn = 0;
constexpr u16 kFr = 3;

struct TestWord {
    const char* text;  // Mac Roman
    u8 wordClass = 0;
    u8 feature = 0;
    u8 category = 0;
    u8 mark = 0;
};

struct Case {
    const char* name;
    u16 code;
    u8 variant = 0;
    u16 detail = 0;
    u16 checking = kFr;
    u16 ui = kEn;
    std::vector<TestWord> words = {};
    i16 p = 0;
    u16 gender = 0;
    u16 number = 0;
    u16 person = 0;
    u16 extent = kNoCorrection;
    i16 measure = 0;
    u16 langUniq = 0;
    const char* expected = "";  // Mac Roman
};

void SetWords(const std::vector<TestWord>& words) {
    ResetSentenceState();
    for (u32 i = 0; i < words.size(); ++i) {
        WordRecord& w = gWords[static_cast<i32>(i)];
        CopyCString(w.WordText, words[i].text);
        CopyCString(w.SeparatorText, words[i].text);
        w.ReadingClasses[0] = words[i].wordClass;
        w.ReadingFeatures[0] = words[i].feature;
        w.ReadingCategories[0] = words[i].category;
        w.ReadingMarks[0] = words[i].mark;
        w.ReadingCount = 1;
    }
    gWordCount = static_cast<u16>(words.size());
}

std::string Explain(const Case& c) {
    SetWords(c.words);
    gLastErrorPos = c.p;
    gErrorVariant = c.variant;
    gErrorDetail = c.detail;
    gErrorGender = c.gender;
    gErrorNumber = c.number;
    gErrorPerson = c.person;
    gErrorExtent = c.extent;
    gSentenceMeasure = c.measure;
    gCheckingLanguage = c.checking;
    gInterfaceLanguage = c.ui;
    gActiveLangUniq = c.langUniq;
    FormatErrorExplanation(c.code);
    return reinterpret_cast<const char*>(gExplanationText.data);
}

class TextsTest : public ::testing::Test {
protected:
    void TearDown() override {
        gCheckingLanguage = 3;
        gInterfaceLanguage = 0;
        gActiveLangUniq = 0;
        gHomophoneDescriber = nullptr;
        gVowelSoundTest = nullptr;
        gBaseFormWriter = nullptr;
        ResetSentenceState();
    }
};

const std::vector<TestWord> kQuand = {{"quand"}};
const std::vector<TestWord> kThreeWords = {{"abc"}, {"de"}, {"fgh"}};

const Case kCases[] = {
    // Codes without a text.
    {.name = "code 0", .code = 0, .expected = ""},
    {.name = "code 51", .code = 51, .expected = ""},
    {.name = "code 54", .code = 54, .ui = kFr, .expected = ""},
    {.name = "code 64", .code = 64, .expected = ""},
    {.name = "code 1 M detail 5", .code = 1, .variant = 'M', .detail = 5, .expected = ""},

    // The interface language picks the texts, the checking language the rule.
    {.name = "code 1 K, French texts", .code = 1, .variant = 'K', .checking = kEn, .ui = kFr,
     .expected = MR("Le mot sélectionné est dans sa graphie britannique.")},
    {.name = "code 1 K, English texts", .code = 1, .variant = 'K', .checking = kEn, .ui = kEn,
     .expected = "The selected word is shown in its British spelling."},
    {.name = "code 1 unknown run, hint", .code = 1, .variant = 'A', .detail = 3, .checking = kEn,
     .words = kThreeWords,
     .expected = MR("The English dictionary of the spelling checker does not recognize the selected words."
                    "\nIf you are using the French words “abc de fgh,” you should put them in quotes or italics.")},
    {.name = "code 1 unknown run, single language", .code = 1, .variant = 'A', .detail = 3,
     .checking = kEn, .words = kThreeWords, .langUniq = 1,
     .expected = "The English dictionary of the spelling checker does not recognize the selected words."},
    {.name = "code 1 unknown run, French", .code = 1, .variant = 'B', .detail = 3, .ui = kFr,
     .words = kThreeWords, .langUniq = 1,
     .expected = MR("Les mots sélectionnés sont inconnus du dictionnaire français du vérificateur."
                    "\nEn cas d'emploi des mots anglais «" NB "abc de fgh" NB "», les mettre entre guillemets ou en italiques.")},

    // A register out of range leaves only the frame of the text.
    {.name = "code 8 detail 6", .code = 8, .detail = 6,
     .expected = "The selected word is considered to be \nWould you prefer to use a more conventional term?"},
    {.name = "code 8 detail 6, French", .code = 8, .detail = 6, .ui = kFr,
     .expected = MR("Le mot sélectionné relève \nNe préféreriez-vous pas utiliser un terme plus classique ?")},

    // Homophones: the "=" becomes the interface's closing mark.
    {.name = "code 32 quand", .code = 32, .words = kQuand,
     .expected = MR("Instead of: “quand ”\ndid you mean to write: “où ”?")},
    {.name = "code 32 quand, French", .code = 32, .ui = kFr, .words = kQuand,
     .expected = MR("À la place de" NB ": «" NB "quand »\nne vouliez-vous pas plutôt écrire" NB ": «" NB "où » ?")},
    {.name = "code 32 by mark", .code = 32, .words = {{"fais", 0x80, 0, 0, 0x4A}},
     .expected = MR("Instead of: “faire ”\ndid you mean to write: “rendre ”?")},
    {.name = "code 32 que only on the extent", .code = 32, .words = {{"que"}}, .extent = 9999,
     .expected = MR("Instead of: “que ”\ndid you mean to write: “ce que ”?")},
    {.name = "code 32 vielle", .code = 32, .words = {{"vielle"}},
     .expected = MR("Instead of: “vielle ” (musical instrument)\ndid you mean to write: “vieille ” (feminine form of “vieux”)?")},
    {.name = "code 32 vielle, French", .code = 32, .ui = kFr, .words = {{"vielle"}},
     .expected = MR("À la place de" NB ": «" NB "vielle » (instrument de musique)\nne vouliez-vous pas plutôt écrire" NB
                    ": «" NB "vieille » (féminin de vieux) ?")},
    {.name = "code 32 without descriptions", .code = 32, .words = {{"que"}},
     .expected = MR("Instead of: “\ndid you mean to write: “?")},

    // Hyphens.
    {.name = "code 39 imperative", .code = 39, .detail = 45,
     .words = {{"donne", 0x80, 48}, {"le"}}, .p = 1,
     .expected = MR("Shouldn’t a hyphen link the selected words?"
                    "\nRule: a hyphen is required between an imperative verb and an object personal pronoun.")},
    {.name = "code 39 ordinals, French", .code = 39, .detail = 25, .ui = kFr,
     .expected = MR("Ne manque-t-il pas un trait d'union entre entre les mots sélectionnés" NB "?"
                    "\nRègle" NB ": trait d'union obligatoire dans les adjectifs numéraux composés inférieurs à 100 (à l'exception de ceux terminés par «" NB "et unième" NB "»)."
                    "\n\nExemples incorrects" NB ": vingt neuf / trente-et-un / cent-vingt-huit / quatre-vingt dix-neuvième"
                    "\nExemples corrects : vingt-neuf / trente et un / cent vingt-huit / quatre-vingt-dix-neuvième")},
    {.name = "code 39 English checking stops", .code = 39, .detail = 25, .checking = kEn,
     .expected = MR("Shouldn’t a hyphen link the selected words?")},

    // Code 40: the French texts skip "à" on the spelling-form road.
    {.name = "code 40 after à", .code = 40, .words = {{MR("à"), ' ', 0, 15}, {"manger", 0x80, 0, 13}},
     .p = 1, .extent = 127, .expected = MR("Instead of: “à” (preposition), did you mean to write: “a”?")},
    {.name = "code 40 after à, French, spelling-form road", .code = 40, .ui = kFr,
     .words = {{MR("à"), ' ', 0, 15}, {"manger", 0x80, 0, 13}}, .p = 1, .extent = 127,
     .expected = MR("Les mots sélectionnés semblent de types grammaticaux incompatibles" NB ": préposition pour «" NB "à" NB "» et verbe à l'infinitif pour «" NB "manger" NB "».")},
    {.name = "code 40 after à, French", .code = 40, .ui = kFr,
     .words = {{MR("à"), ' ', 0, 15}, {"manger", 0x80, 0, 13}}, .p = 1,
     .expected = MR("À la place de" NB ": «" NB "à" NB "» (préposition), ne vouliez-vous pas écrire" NB ": «" NB "a" NB "»" NB "?")},
    {.name = "code 40 fixed expression", .code = 40, .words = {{"tout", 0x17, 0, 18}, {"fait", 0x18, 0, 18}},
     .p = 1,
     .expected = MR("The selected words seem to be of incompatible grammatical types: fixed expression for “tout” and fixed expression for “fait.”")},
    {.name = "code 40 comma", .code = 40, .variant = 'C', .checking = kEn, .words = {{","}},
     .expected = "Did you mean to separate the selected words?"},

    // Agreement of a qualifier: the phrase follows each language's order.
    {.name = "code 41 English checking", .code = 41, .detail = 1, .checking = kEn,
     .words = {{"friend", 'A'}},
     .expected = MR("Check the agreement in gender between “friend” (noun) and that which precedes it."
                    "\nRule 1: members of a noun clause generally agree in number."
                    "\n\nCounterexamples: two reliable friend / these nice exemple / an alumni"
                    "\nCorrect examples: two reliable friends / these nice exemples / an alumnus")},
    {.name = "code 41 French checking", .code = 41, .detail = 3, .words = {{"chattes", 'A'}},
     .gender = 2, .number = 2,
     .expected = MR("Check the agreement in gender and in number between “chattes” (feminine plural noun) and that which precedes it."
                    "\nRule 1: members of a noun clause generally agree in gender and number."
                    "\n\nCounterexamples: des cas obscure / divers autre possibilités"
                    "\nCorrect examples: des cas obscurs / diverses autres possibilités")},
    {.name = "code 41 French checking, French", .code = 41, .detail = 3, .ui = kFr,
     .words = {{"chattes", 'A'}}, .gender = 2, .number = 2,
     .expected = MR("Vérifiez l'accord en genre et en nombre entre «" NB "chattes" NB "» (nom féminin pluriel) et ce qui le précède."
                    "\nRègle 1" NB ": les membres du groupe nominal s'accordent en genre et en nombre."
                    "\n\nExemples incorrects :  des cas obscure / divers autre possibilités"
                    "\nExemples corrects : des cas obscurs / diverses autres possibilités")},
    // 'F': the word agrees with the group after it ("Quelle est le chemin").
    {.name = "code 41 F, following group", .code = 41, .variant = 'F', .detail = 1,
     .words = {{"Quelle", 'A'}}, .gender = 2, .number = 1,
     .expected = MR("Check the agreement in gender between “Quelle” (feminine singular noun) and the group that follows it."
                    "\nRule 1: members of a noun clause generally agree in gender and number."
                    "\n\nCounterexamples: un chat noire / tout douceur / une conseil amical"
                    "\nCorrect examples: un chat noir / toute douceur / un conseil amical")},
    {.name = "code 41 F, following group, French", .code = 41, .variant = 'F', .detail = 2, .ui = kFr,
     .words = {{"Seule", 'A'}}, .gender = 2, .number = 1,
     .expected = MR("Vérifiez l'accord en nombre entre «" NB "Seule" NB "» (nom féminin singulier) et le groupe qui le suit."
                    "\nRègle 1" NB ": les membres du groupe nominal s'accordent en genre et en nombre."
                    "\n\nExemples incorrects :  deux ami fidèles / quelque bonnes idées / ces bon exemple"
                    "\nExemples corrects : deux amis fidèles / quelques bonnes idées / ce bon exemple")},
    {.name = "code 41 colour below 32", .code = 41, .variant = 'C', .detail = 31, .expected = ""},

    // Subject and verb.
    {.name = "code 44 English checking, no aspect", .code = 44, .checking = kEn, .number = 1,
     .person = 3,
     .expected = "The selected word is a verb in the third person singular. Check its agreement  with its subject."
                 "\nRule 2: the verb agrees with the subject(s) in number and in person."
                 "\n\nCounterexamples: he love his cat / they wants more / you was right"
                 "\nCorrect examples: he loves his cat / they want more / you were right"},
    {.name = "code 44 interrogative", .code = 44, .variant = 'I', .gender = 1, .number = 1,
     .expected = MR("Check the agreement in gender of the higlighted word (masculine singular interrogative verb form)."
                    "\nRule 2-I: The interrogative verb form agrees with the subject in number and in person (first, second, or third)."
                    "\n\nCounterexample: Vos clientes ont-ils accepté son offre ? "
                    "\nCorrect example: Vos clientes ont-elles accepté son offre ? ")},
    {.name = "code 44 interrogative, French", .code = 44, .variant = 'I', .ui = kFr, .gender = 1,
     .number = 1,
     .expected = MR("Vérifiez l'accord en genre du mot sélectionné (forme verbale interrogative masculin singulier)."
                    "\nRègle 2-I" NB ": la forme verbale interrogative s'accorde au sujet en nombre et en personne."
                    "\n\nExemple incorrect : vos clientes ont-ils accepté son offre" NB "? "
                    "\nExemple correct : vos clientes ont-elles accepté son offre" NB "? ")},

    // Attribute agreement.
    {.name = "code 45 G", .code = 45, .variant = 'G', .detail = 1, .words = {{"mon"}}, .gender = 1,
     .number = 1,
     .expected = MR("Check the agreement in gender of the masculine singular modifying clause beginning with “mon.”"
                    "\nRule 4-G: the modifying clause agrees with the subject in gender and number. It still agrees in gender even if there is no pure noun at its center."
                    "\n\nCounterexamples: ils sont mon candidat / elles semblent le plus ancien"
                    "\nCorrect examples: ils sont mes candidats / elles semblent les plus anciennes")},
    {.name = "code 45 G, French", .code = 45, .variant = 'G', .detail = 1, .ui = kFr,
     .words = {{"mon"}}, .gender = 1, .number = 1,
     .expected = MR("Vérifiez l'accord en genre du groupe attribut masculin singulier commençant par «" NB "mon" NB "»."
                    "\nRègle 4-G" NB ": le groupe attribut s’accorde au sujet en nombre. Il s'accorde aussi en genre si son noyau n'est pas un nom pur."
                    "\n\nExemples incorrects : ils sont mon candidat / elles semblent le plus ancien"
                    "\nExemples corrects : ils sont mes candidats / elles semblent les plus anciennes")},
    {.name = "code 45 other variant, French", .code = 45, .detail = 2, .ui = kFr,
     .words = {{"grandes", 'E'}}, .number = 1,
     .expected = MR("Vérifiez l'accord en nombre de l'adjectif singulier «" NB "grandes" NB "»."
                    "Accordez le complément «" NB "grandes" NB "» au nom auquel il se rapporte.")},
    {.name = "code 45 English checking", .code = 45, .variant = 'T', .detail = 1, .checking = kEn,
     .expected = ""},

    // Sentence-level texts.
    {.name = "code 48 detail 6, French", .code = 48, .detail = 6, .ui = kFr,
     .expected = MR("Équilibrez les ")},
    {.name = "code 49 detail -1", .code = 49, .detail = 0xFFFF,
     .expected = "Check the selected verb, which is followed in this phrase by a direct object, although it is "},
    {.name = "code 49 detail 2", .code = 49, .detail = 2,
     .expected = "Check the selected verb, which is followed in this phrase by a direct object, although it is normally pronominal."},
    {.name = "code 52 English, no article", .code = 52, .checking = kEn, .words = {{"the"}, {"apple"}},
     .p = 1, .expected = ""},
    {.name = "code 52 an unit", .code = 52, .checking = kEn, .words = {{"an"}, {"unit"}}, .p = 1,
     .expected = MR("The two selected words are incompatible. Use “a” rather than “an” before words beginning with the vowels 'u' or 'e' if they are pronounced: [ju:]-> (These are considered semiconsonants).\nNota bene: The conventional phonetic notation [ju:] corresponds to the sound 'you'."
                    "\n\nCounterexamples: an European, an ewe, an Utopian, an unit"
                    "\nCorrect examples: a European, a ewe, a Utopian, a unit")},
    {.name = "code 52 ce + vowel, French", .code = 52, .ui = kFr, .words = {{"ce"}, {"arbre"}}, .p = 1,
     .expected = MR("Les deux mots sélectionnés sont incompatibles" NB ": devant une voyelle, «" NB "ce" NB "» est remplacé par «" NB "cet" NB "»."
                    "\n\nExemples incorrects : ce arbre /  ce automne"
                    "\nExemples corrects : cet arbre / cet automne")},
    {.name = "code 53 French detail 0", .code = 53, .ui = kFr,
     .expected = MR("\nNote sur l'emploi de l'indicatif ou du subjonctif" NB ": l'indicatif est le mode du fait (présent, passé, à venir, sous condition). Le subjonctif ne s'engage pas sur sa réalité mais"
                    " sert à exprimer hypothèse, doute, crainte, souhait, etc."
                    "\n\nExemples incorrects : je vois qu'il vienne / il est douteux qu'il vient"
                    "\nExemples corrects : je vois qu'il vient / il est douteux qu'il vienne")},
    // The pronoun is written with its capital: "to John and I".
    {.name = "code 40 subject pronoun I", .code = 40, .variant = 'A', .checking = kEn,
     .words = {{"and"}, {"I"}}, .p = 1,
     .expected = MR("Instead of: “I” (subject pronoun), did you mean to write: “me” (object pronoun)?")},
    {.name = "code 55 measure 3", .code = 55, .measure = 3, .expected = ""},
    {.name = "code 55 measure 4, French", .code = 55, .ui = kFr, .measure = 4,
     .expected = MR("Dans la phrase incluant la sélection, ne manque-t-il pas un verbe" NB "?")},
    {.name = "code 59 other variant", .code = 59, .variant = 'X', .expected = ""},
    {.name = "code 61, French", .code = 61, .detail = 3, .ui = kFr,
     .expected = MR("Dans la phrase qui débute à la sélection, il y a 3 pronoms relatifs.")},
    {.name = "code 63", .code = 63, .measure = 57,
     .expected = "Warning: long sentence (57 words).  For stylistic reasons it may be wise to break the sentence into smaller units."},
};

TEST_F(TextsTest, TextOfEachCase) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Explain(c), std::string(c.expected));
    }
}

// A subject-verb finding under French checking: the person phrase takes
// the number, the aspect follows the detail.
TEST_F(TextsTest, FrenchPersonPhrase) {
    Case c{.name = "code 44", .code = 44, .detail = 2, .ui = kFr, .words = {{"vont", 0x80}},
           .number = 2, .person = 3};
    const std::string french = Explain(c);
    EXPECT_EQ(french.rfind(MR("Le mot sélectionné est un verbe à la 3e personne du pluriel. "
                              "Vérifiez l'accord en nombre de celui-ci avec son sujet.\n"),
                           0),
              0u);
    c.ui = kEn;
    const std::string english = Explain(c);
    EXPECT_EQ(english.rfind("The selected word is a verb in the third person plural. Check its "
                            "agreement in number with its subject.\n",
                            0),
              0u);
    // A verb form shared by the first and second persons says so whatever
    // the reported person.
    c.words = {{"chantions", 0x80, 0x30, 0, 30}};
    EXPECT_EQ(Explain(c).rfind("The selected word is a verb in the first or second person plural.", 0),
              0u);
}

// English checking: the agreement text moves the detail to 2.
TEST_F(TextsTest, QualifierAgreementLeavesDetailTwo) {
    Case c{.name = "code 41", .code = 41, .detail = 1, .checking = kEn, .ui = kFr,
           .words = {{"friend", 'A'}}};
    const std::string text = Explain(c);
    EXPECT_EQ(gErrorDetail, 2);
    EXPECT_NE(text.find(MR("Vérifiez l'accord en genre entre")), std::string::npos);
    EXPECT_NE(text.find("two reliable friend"), std::string::npos);
}

// The word list of an unknown run keeps below 72 characters, skipping the
// tokens that do not fit.
TEST_F(TextsTest, UnknownRunListSkipsLongTokens) {
    const std::string token(35, 'x');
    Case c{.name = "code 1", .code = 1, .variant = 'A', .detail = 3, .checking = kEn};
    c.words = {{token.c_str()}, {token.c_str()}, {token.c_str()}};
    EXPECT_EQ(Explain(c),
              std::string("The English dictionary of the spelling checker does not recognize the selected words.") +
                  MR("\nIf you are using the French words “") + token + MR(" ,” you should put them in quotes or italics."));
}

// Homophone descriptions and the vowel test come from word analysis; the
// texts use what it answers.
u16 FakeDescriber(i16, char (*entries)[120]) {
    std::snprintf(entries[0], 120, "%s", "verre = glass");
    std::snprintf(entries[1], 120, "%s", "vert = green");
    return 2;
}
u16 FakeRowDescriber(i16, char (*entries)[120]) {
    std::snprintf(entries[0], 120, "%s", gInterfaceLanguage != 0 ? MR("la= article défini") : "la= definite article");
    std::snprintf(entries[1], 120, "%s", gInterfaceLanguage != 0 ? MR("là= adverbe") : MR("là= adverb"));
    return 2;
}
u16 FakeVowelSound(const BoundedString& text) { return CompareWordText(text, "homme") == kCompareEqual; }
i16 gBaseFormWord = -2;
void FakeBaseForm(i16 word) { gBaseFormWord = word; }

TEST_F(TextsTest, WordAnalysisServices) {
    gHomophoneDescriber = FakeDescriber;
    Case c{.name = "code 32", .code = 32, .words = {{"verre"}}};
    EXPECT_EQ(Explain(c), std::string(MR("Instead of: “verre ” glass\ndid you mean to write: “vert ” green?")));

    // A word description writes "la= article": the guillemet still gets its
    // blank inside, the curly quote closes on the word.
    gHomophoneDescriber = FakeRowDescriber;
    c.words = {{"la"}};
    EXPECT_EQ(Explain(c), std::string(MR("Instead of: “la” definite article\ndid you mean to write: “là” adverb?")));
    c.ui = kFr;
    EXPECT_EQ(Explain(c), std::string(MR("À la place de" NB ": «" NB "la » article défini\nne vouliez-vous pas plutôt écrire" NB
                                         ": «" NB "là » adverbe ?")));

    gVowelSoundTest = FakeVowelSound;
    Case d{.name = "code 52", .code = 52, .words = {{"ce"}, {"homme"}}, .p = 1};
    EXPECT_NE(Explain(d).find(MR("“ce” is replaced by “cet.”")), std::string::npos);
    d.words = {{"le"}, {"onze"}};
    EXPECT_NE(Explain(d).find("no contraction (elision) before certain words"), std::string::npos);

    gBaseFormWriter = FakeBaseForm;
    Case e{.name = "code 49", .code = 49, .detail = 8, .extent = 4};
    Explain(e);
    EXPECT_EQ(gBaseFormWord, 4);
    gBaseFormWord = -2;
    e.extent = kNoCorrection;
    Explain(e);
    EXPECT_EQ(gBaseFormWord, -2);
}

// Codes 40, 41 and 45 refill the shared name list.
TEST_F(TextsTest, NameListRefilled) {
    Case c{.name = "code 45", .code = 45, .variant = 'T', .detail = 1, .ui = kFr, .words = {{"belle", 'A'}}};
    Explain(c);
    EXPECT_EQ(CompareWordText(gWordClassNames[1], "nom"), kCompareEqual);
    EXPECT_EQ(CompareWordText(gWordClassNames[18], MR("déterminant numéral")), kCompareEqual);
    Case d{.name = "code 40", .code = 40, .checking = kEn, .ui = kEn, .words = {{"x"}, {"y"}}, .p = 1};
    Explain(d);
    EXPECT_EQ(CompareWordText(gWordClassNames[1], "subject pronoun"), kCompareEqual);
    EXPECT_EQ(CompareWordText(gWordClassNames[18], ""), kCompareEqual);
    EXPECT_EQ(CompareWordText(gWordClassNames[19], ""), kCompareEqual);
}

}  // namespace
