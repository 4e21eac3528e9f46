// The library's constant word lists: spelling alternatives, sound-alike
// spellings, suffixes by length block, number words and function words.
// Every list is an array of views on the literals below (never written).
// Words with non-ASCII letters go through MR(); MRH() also turns each '-'
// into the internal hyphen mark 0x9B.
#include "frame/mac_roman_literal.h"
#include "frame/tables.h"

namespace {

template <mac_roman_literal::Utf8Literal S>
inline constexpr auto kHyphenMarked = [] {
    auto text = mac_roman_literal::ToMacRoman(S);
    for (std::size_t i = 0; i < text.length; ++i) {
        if (text.text[i] == '-') text.text[i] = static_cast<char>(0x9B);
    }
    return text;
}();

#define MRH(s) (kHyphenMarked<::mac_roman_literal::Utf8Literal(s)>.c_str())

// Spelling-alternative rows: key character, five digits d1..d5, then five
// groups of d1..d5 characters (the digits count the characters after them).
const char* const kEnglishSpellingRows[] = {
    MR("a48802eoàâaiayahauyaiahauazx"),  // 0
    "b22202pvbbbbvn",  // 1
    MR("c48832skgçccckchqukchckkhkitixv"),  // 2
    "d12602tddddgjggsf",  // 3
    MR("e68863aiéèêëeeeaieeieeaeieyieieaiezrw"),  // 4
    "f04202ffphffdg",  // 5
    "g26802jcgggudgggugnnejfh",  // 6
    "h00002gj",  // 7
    MR("i46802yeîïiiieeyeeeieyiiuo"),  // 8
    "j14002ggedghk",  // 9
    "k28402cqckquchkhhkkkjl",  // 10
    "l02202llllkm",  // 11
    MR("m12203nmmmmlùn"),  // 12
    "n12201mnnnnb",  // 13
    MR("o48832uaôöooouawoaouoowoaouowip"),  // 14
    "p12401bpppphfo",  // 15
    "q00402ucuksw",  // 16
    "r06402rrrhwrrrhret",  // 17
    MR("s38493cçzscstswsssscscchhssitiqda"),  // 18
    "t14462dttthtthticiisiry",  // 19
    MR("u48202oûüùouooeaeuuuyi"),  // 20
    "v22202wbvvvvcb",  // 21
    "w12603vwhhwrrwwxqe",  // 22
    "x08403cccsxcxhcxhxwcz",  // 23
    "y12202iieyytu",  // 24
    "z12203szzzzaex",  // 25
    MR("â30000aäà"),  // 26
    MR("ä30000aâà"),  // 27
    MR("ç10000c"),  // 28
    MR("é40000eèêë"),  // 29
    MR("è40000eéêë"),  // 30
    MR("ê40000eéèë"),  // 31
    MR("ë40000eêéè"),  // 32
    MR("î20000iï"),  // 33
    MR("ï20000iî"),  // 34
    MR("ô20000oö"),  // 35
    MR("ö20000oô"),  // 36
    MR("û30000uüù"),  // 37
    MR("ü30000uûù"),  // 38
    "\x9B" "00000",  // 39
};

const char* const kFrenchSpellingRows[] = {
    MR("a22601eâaaaaauoiz"),  // 0
    "b02202bbbbvn",  // 1
    MR("c38862çksccscqusscccthctxhquitixv"),  // 2
    "d02202ddddsf",  // 3
    MR("e44202aéèêeeheeezr"),  // 4
    "f04202ffphffdg",  // 5
    "g16602jgggugeggegugfh",  // 6
    "h00802aaeeiioogj",  // 7
    MR("i36202yîïiihihyiiuo"),  // 8
    "j12002ggehk",  // 9
    "k16202ckkquckhkjl",  // 10
    "l02232llllillkm",  // 11
    MR("m12202nmmmmlù"),  // 12
    "n12201mnnnnb",  // 13
    MR("o26432ôöauhooooouuuooip"),  // 14
    "p02401pppphfo",  // 15
    "q02431cqucukuchs",  // 16
    "r02402rrrrhret",  // 17
    MR("s34862cçzscssssstscsçsscitiqd"),  // 18
    "t16462dssttthtthticiisiry",  // 19
    MR("u24262ûühuouuusuxxusyi"),  // 20
    "v12202wvvvvcb",  // 21
    "w10201vwwx",  // 22
    "x08002ccctcskswc",  // 23
    MR("y34202iîïhyhiyytu"),  // 24
    MR("z42202stcçzzzzae"),  // 25
    MR("â30000aäê"),  // 26
    MR("ä30000aâë"),  // 27
    MR("ç42000cstzss"),  // 28
    MR("é38000èêeetaiéeer"),  // 29
    MR("è38000éêeetaieier"),  // 30
    MR("ê38000éèeetaieier"),  // 31
    MR("ë40000eéèê"),  // 32
    MR("î30000iïy"),  // 33
    MR("ï30000iîy"),  // 34
    MR("ô22000oöhô"),  // 35
    MR("ö20000oô"),  // 36
    MR("û22000uühû"),  // 37
    MR("ü20000uû"),  // 38
    "\x9B" "00000",  // 39
};

// Suffixes in blocks of 32 by length: block b holds the suffixes tried for
// a remainder of b + 2 letters; positions matter ("" fills free places).
const char* const kEnglishSuffixes[] = {
    "al", "ed", "er", "ic", "ly", "us", "ae", "", "", "",  // 0
    "", "", "", "", "", "", "al", "an", "ee", "el",  // 10
    "er", "et", "ic", "on", "or", "", "", "", "", "",  // 20
    "cy", "us", "ion", "ant", "ary", "ely", "ent", "est", "ful", "ier",  // 30
    "ily", "ing", "ish", "ism", "ity", "ive", "ory", "ous", "age", "ant",  // 40
    "ate", "ent", "ier", "ing", "ion", "ism", "ist", "ive", "ify", "ize",  // 50
    "man", "ery", "ity", "ess", "ence", "ency", "able", "ably", "ally", "ancy",  // 60
    "edly", "ical", "iest", "ious", "less", "like", "ness", "some", "most", "ible",  // 70
    "able", "ance", "ence", "ment", "ship", "men", "ium", "land", "free", "ies",  // 80
    "ises", "izes", "ifies", "ency", "cies", "uses", "antly", "eless", "eness", "ently",  // 90
    "fully", "iness", "ingly", "ional", "ishly", "istic", "ively", "ously", "esque", "ings",  // 100
    "ives", "ables", "ation", "ement", "", "", "", "", "", "",  // 110
    "", "", "", "", "", "eries", "ities", "esses", "edness", "ically",  // 120
    "iously", "lessly", "liness", "worthy", "", "", "", "", "", "",  // 130
    "ied", "ised", "ized", "ified", "ionist", "bbed", "dded", "ffed", "gged", "kked",  // 140
    "lled", "mmed", "nned", "pped", "rred", "ssed", "tted", "vved", "zzed", "",  // 150
    "ability", "fulness", "ingness", "ishness", "iveness", "ousness", "bbing", "dding", "ffing", "gging",  // 160
    "kking", "lling", "mming", "nning", "pping", "rring", "ssing", "tting", "vving", "zzing",  // 170
    "ying", "ising", "izing", "ifying", "", "", "", "", "", "",  // 180
    "", "", "ableness", "iousness", "lessness",  // 190
};

const char* const kFrenchSuffixes[] = {
    "us", "au", "eu", "is", "at", "er", "et", "ie", "in", "on",  // 0
    "ot", MR("ée"), "al", "el", "en", "if", "ir", "me", "te", "ai",  // 10
    "as", "es", "ez", "it", "ons", "ait", "era", "ira", "iez", MR("ète"),  // 20
    "ote", "ope", "eau", "aux", "eux", "ais", "ade", "age", "ant", "ate",  // 30
    "eur", "ide", "ier", "ine", "ite", MR("ité"), "ion", "que", "oir", "ose",  // 40
    "ure", "", "ale", "ent", MR("ère"), "ien", "ive", MR("idé"), MR("eté"), MR("été"),  // 50
    "fier", "cier", "air", "ois", "eaux", "ment", MR("âtre"), "cole", "able", MR("acée"),  // 60
    "aire", "ance", "ence", "elle", "erie", "esse", "ette", "euse", MR("gène"), MR("ière"),  // 70
    "ique", "isme", "iste", "ment", MR("oïde"), "oire", "aise", "ante", "atif", "enne",  // 80
    "ente", "ible", "oise", "onne", "rice", MR("fère"), "ement", MR("ât"), MR("ît"), "ison",  // 90
    "ation", "ement", "ition", "logie", "logue", MR("mètre"), "phile", "ateur", "ative", "icien",  // 100
    "ienne", "isant", "esque", "phobe", "forme", "type", "erai", "eras", "erez", "ions",  // 110
    "irai", "iras", "irez", "isse", "erais", "erait", "eriez", "erons", "eront", MR("èrent"),  // 120
    "", "aient", "atoire", "cation", "gramme", "graphe", "issage", MR("métrie"), "philie", "pathie",  // 130
    "atrice", "isante", "issant", "isseur", "irais", "irait", "iriez", "irons", "iront", "irent",  // 140
    "isses", "issez", "erions", "irions", "issais", "issait", "issons", "issiez", "issent", "eraient",  // 150
    "alement", "ivement", "iraient", "issions", MR("abilité"), "graphie", MR("ibilité"), "isation", "logique", "icienne",  // 160
    "issante", "isseuse", MR("âmes"), MR("âtes"), MR("îmes"), MR("îtes"), "asse", "asses", "assiez", "assent",  // 170
    "assions", "", "", "", "", "", "mment", "airement", MR("èrement"), "blement",  // 180
    "onnement", "ennement", "ellement", "eusement", "iquement", "issaient", "issement",  // 190
};

// Entry 0 is empty; the index is the number (ordinals from 31). Entry 42
// is spelled "twelfth" so that the ordinal is recognised in text.
const char* const kEnglishNumberWords[] = {
    "", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",  // 0
    "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen",  // 10
    "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety", "hundred", "thousand",  // 20
    "hundredth", "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth", "ninth",  // 30
    "tenth", "eleventh", "twelfth", "thirteenth", "fourteenth", "fifteenth", "sixteenth", "seventeenth", "eighteenth", "nineteenth",  // 40
    "thousandth",  // 50
};

// Cardinals, ordinals, pronoun chains (hyphens as 0x9B) and prefixes.
const char* const kFrenchNumberWords[] = {
    "vingts", "un", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf",  // 0
    "dix", "onze", "douze", "treize", "quatorze", "quinze", "seize", MRH("dix-sept"), MRH("dix-huit"), MRH("dix-neuf"),  // 10
    "vingt", MR("unième"), MR("deuxième"), MR("troisième"), MR("quatrième"), MR("cinquième"), MR("sixième"), MR("septième"), MR("huitième"), MR("neuvième"),  // 20
    MR("dixième"), MR("onzième"), MR("douzième"), MR("treizième"), MR("quatorzième"), MR("quinzième"), MR("seizième"), MRH("dix-septième"), MRH("dix-huitième"), MRH("dix-neuvième"),  // 30
    "y", "moi", "toi", "lui", "nous", "vous", "leur", "le", "la", "les",  // 40
    "m", "t", MRH("le-moi"), MRH("le-toi"), MRH("le-lui"), MRH("le-nous"), MRH("le-vous"), MRH("le-leur"), MRH("la-moi"), MRH("la-toi"),  // 50
    MRH("la-lui"), MRH("la-nous"), MRH("la-vous"), MRH("la-leur"), MRH("les-moi"), MRH("les-toi"), MRH("les-lui"), MRH("les-nous"), MRH("les-vous"), MRH("les-leur"),  // 60
    "en", MRH("nous-en"), MRH("vous-en"), MRH("lui-en"), MRH("leur-en"), MRH("les-y"), "type", MR("clé"), MR("même"), MR("mêmes"),  // 70
    "ce", "ci", MR("là"), "pseudo", "extra", "crypto", MR("néo"), "ultra", "semi", "ex",  // 80
    "quasi", MR("pré"), "demi", "mi", "anti", "pro", "non", "mini", "super", "hyper",  // 90
    "mono", "poly", "pre", "neo",  // 100
};

const char* const kFrenchFunctionWords[] = {
    "le", "la", "les", "l'", "un", "une", "de", "d'", "du", "des",  // 0
    "qu'", "que", "et", "ou", "ni", "ne", "n'", "si", "est", "dit",  // 10
    "en", "pas", "bien", "mal", "pire", "par", "pour", "sur", "sous", "dans",  // 20
    "vers", "avant", "mais", "lui", "ton", "son", "fait", "faire", "avoir", MR("être"),  // 30
    "ce", "comme", "car", "tu", "elle", "elles", "nous", "vous", "rien", "point",  // 40
    "c'", "tout",  // 50
};

#undef MRH

}  // namespace

StringList gEnglishSpellingRows = MakeLiteralList(kEnglishSpellingRows);
StringList gFrenchSpellingRows = MakeLiteralList(kFrenchSpellingRows);
StringList gEnglishSuffixes = MakeLiteralList(kEnglishSuffixes);
StringList gFrenchSuffixes = MakeLiteralList(kFrenchSuffixes);
StringList gEnglishNumberWords = MakeLiteralList(kEnglishNumberWords);
StringList gFrenchNumberWords = MakeLiteralList(kFrenchNumberWords);
StringList gFrenchFunctionWords = MakeLiteralList(kFrenchFunctionWords);
