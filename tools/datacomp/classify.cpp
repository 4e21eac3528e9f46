// Word classes of the French dictionary.
//
// How the source's categories become tags (ClassifyForm):
//
//   source po:                  tag / class byte            notes
//   ------------------------    ------------------------    -----------------------------
//   nom                         'A' gender+number           noun
//   adj                         'B' gender+number           adjective
//   nom + adj                   'C' gender+number           noun or adjective
//   npr, prn, patr              0x40 gender, singular       proper noun (section 9)
//   titr (without nom)          class 28 (0x1C00)           title abbreviation (Mme, Dr)
//   adv                         class 20                    adverb
//   interj                      class 18                    interjection
//   a word of kLocutionWords    class 23 / 24 / 25          a word that exists only inside
//     with a loc.* line                                     fixed locutions (below)
//   loc.adv (other words)       class 25                    part of an adverbial locution
//   loc.cj, loc.prep, loc.adj,  class 26                    part of a locution; on a
//     loc.nom ... (other words)                             function-word line, only when
//                                                           no other subtype gives a class
//   nb (cardinal numbers)       class byte 163 ('R' 0x08)
//   v… (verb codes)             Verb                        encoded by the verb models
//   mg (function word)          the closed-class table below, by word and subtype;
//                               unlisted subtypes by the defaults of ClosedDefault
//   nbro, pfx, sfx, err,        Skip                        Roman numerals (recognised by
//   ponc, sign                                              the analysis), fragments, errors
//
// Gender: is:mas -> m, is:fem -> f, is:epi (or none) -> no gender; number:
// is:sg -> 1, is:pl -> 2, is:inv -> 3; a noun or adjective line without
// number reads as singular, or invariable when it ends in s, x or z.
//
// The class bytes and the tags the walk gives them (ReadClassByte; N = 4 x
// number, G = the ending's gender bits, m = 0x10, f = 0x20):
//   137 B N       138 B G+N     139 C m+N     140 C f+N     141 M N
//   142 N N       143 C N       144 U 0x45    145 V 0x45    146 W 0x05
//   147 X 0x09    148 Y 0x06    149 Z 0x46    150 [ 0x06    153 \ 0x02
//   154 ] N+19    155 ^ N+35    157 _ 0x07    158 C 0x28    159 ` 0x0B
//   160 a 0x4F    161 b 0x0F    162 C 0x18    163 R 0x08    164 S 0x08
//   165..173 D N+17, N+18 (sections 9/10: 0x40 G+4), N+19, N+33, N+34,
//            N+35, N+1, N+2, N+3
//   174 F m+N     175 F 0x18    176 F f+N     177 F 0x28    178 F 0x04
//   180 0x40 0x24 183 0x40 0x04 184 G 0x00 (sections 9/10: 0x40 0x14)
//   185 H 0x00    186..189 I 0x14 0x18 0x24 0x28             190 Q G+N
//   191 Q m+N     192 J f+N     193 K 0x14    194 K 0x24    195 K 0x14
//   196 B m+N     197 B f+N     198 B G+N after e/es, else M G+N
//   199 N G+N after e/es, else B G+N           200 B 0x00
//   201 } 0x18 after s, else 0x04             202 } 0x28 after s, else 0x04
//   203 C G+N     204 B 0x18    205 B 0x28    206 C 0x18    207 C 0x28
//   208 A m+N     209 A 0x14    210 A 0x18    211 A f+N     212 A 0x24
//   213 A 0x28    214 A N       215 A G+N
//   216 B G+N when the last or second-last letter is e, else A G+N
//   217..229 m 0x14, n 0x64, o 0x08, p 0x14, q 0x64, r 0x08, s 0x14, t 0x64,
//            u 0x08, v 0x04, w 0x08, x 0x04, y 0x08
//   231 { 0x08    232 O 0x54    233 O 0x14    234 O 0x24    235 O 0x08
//   236 P m+N     237 P f+N     238 P 0x30+N  239 Q 0x14    240 Q 0x24
//   241 Q 0x34    242 Q 0x18    243 Q 0x28    244 C 0x90+N  245 B 0x54
//   246 Q 0x08    247 B 0x08    248 A 0x1C    249 A 0x2C    250 E N
//   251 E G+N     252 A 0x20-N
//   35..121: fixed reading sets written in place of earlier readings:
//   35 en, 40 si/comme, 41 que, 107 au, 108 aux (masculine only: unused),
//   109 the -dit compounds, 110 leur, 111 de, 112 du, 113 des, 115 le,
//   116 la, 117 les, 118 l', 119 aux (both genders), 120 un, 121 une.
//   Below 35: tag = class << 8 (22 "ne" and the key "jusque" add 0x40).
//
// Feature bit 0x40 comes with the class byte: je (144), me (145), te (149),
// se (160), ce (232), ma/ta/sa (218/221/224), le/la (115/116), de (111),
// que (41), ne (22), jusque (34 + key rule): the words that elide before a
// vowel; and 245 (B 0x54) for the adjectives that stand only before a vowel
// sound (bel, nouvel, vieil, fol, mol).
#include "tools/datacomp/classify.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "frame/mac_roman_literal.h"
#include "tools/datacomp/hunspell.h"
#include "tools/datacomp/source_text.h"

namespace {

struct ClosedRow {
    const char* word;     // UTF-8
    const char* subtype;  // po: value, "*" any line of the word (mg or not)
    u8 classByte;
};

// Function words one by one. A word listed with "*" takes its class byte on
// every source line (its noun/adjective lines included).
const ClosedRow kClosedRows[] = {
    // Articles and contracted articles.
    {"le", "det", 115}, {"le", "properobj", 115},
    {"la", "det", 116}, {"la", "properobj", 116},
    {"les", "det", 117}, {"les", "properobj", 117},
    {"un", "det", 120}, {"une", "det", 121},
    {"de", "det", 111}, {"de", "prep", 111},
    {"du", "det", 112}, {"des", "det", 113},
    {"au", "det", 107}, {"au", "prep", 107},
    {"aux", "det", 119}, {"aux", "prep", 119},
    {"audit", "det", 109}, {"auxdits", "det", 109}, {"auxdites", "det", 109},
    {"dudit", "det", 109}, {"desdits", "det", 109}, {"desdites", "det", 109},
    {"ledit", "det", 109}, {"ladite", "det", 109}, {"lesdits", "det", 109},
    {"lesdites", "det", 109},
    // Demonstratives.
    {"ce", "detdem", 232}, {"ce", "prodem", 178},
    {"cet", "detdem", 233}, {"cette", "detdem", 234}, {"ces", "detdem", 235},
    {"celui", "prodem", 174}, {"ceux", "prodem", 175}, {"celle", "prodem", 176},
    {"celles", "prodem", 177}, {"ceci", "prodem", 178}, {"cela", "prodem", 178},
    {"ça", "prodem", 178}, {"ci", "prodem", 178}, {"çuilà", "prodem", 174},
    {"celui-ci", "prodem", 174}, {"celui-là", "prodem", 174},
    {"ceux-ci", "prodem", 175}, {"ceux-là", "prodem", 175},
    {"celle-ci", "prodem", 176}, {"celle-là", "prodem", 176},
    {"celles-ci", "prodem", 177}, {"celles-là", "prodem", 177},
    // Possessive determiners.
    {"mon", "detpos", 217}, {"ma", "detpos", 218}, {"mes", "detpos", 219},
    {"ton", "detpos", 220}, {"ta", "detpos", 221}, {"tes", "detpos", 222},
    {"son", "detpos", 223}, {"sa", "detpos", 224}, {"ses", "detpos", 225},
    {"notre", "detpos", 226}, {"nos", "detpos", 227}, {"votre", "detpos", 228},
    {"vos", "detpos", 229}, {"leur", "detpos", 110}, {"leur", "properobj", 110},
    {"leurs", "*", 231},
    // Possessive pronouns (the source files them as nouns/adjectives).
    {"mien", "*", 165}, {"tien", "*", 166}, {"sien", "*", 167},
    {"mienne", "*", 168}, {"tienne", "*", 169}, {"sienne", "*", 170},
    {"nôtre", "*", 171}, {"vôtre", "*", 172},
    {"miens", "*", 165}, {"tiens", "*", 166}, {"siens", "*", 167},
    {"miennes", "*", 168}, {"tiennes", "*", 169}, {"siennes", "*", 170},
    {"nôtres", "*", 171}, {"vôtres", "*", 172},
    // Personal pronouns.
    {"je", "propersuj", 144}, {"me", "properobj", 145}, {"moi", "properobj", 146},
    {"nous", "propersuj", 147}, {"nous", "properobj", 147},
    {"tu", "propersuj", 148}, {"te", "properobj", 149}, {"toi", "properobj", 150},
    {"vous", "propersuj", 153}, {"vous", "properobj", 153},
    {"il", "propersuj", 154}, {"ils", "propersuj", 154}, {"on", "propersuj", 154},
    {"elle", "propersuj", 155}, {"elles", "propersuj", 155},
    {"lui", "propersuj", 157}, {"lui", "properobj", 157},
    {"eux", "propersuj", 159}, {"se", "properobj", 160}, {"soi", "properobj", 161},
    {"moi-même", "properobj", 146}, {"toi-même", "properobj", 150},
    {"soi-même", "properobj", 161}, {"lui-même", "propersuj", 157},
    {"elle-même", "propersuj", 155}, {"elles-mêmes", "propersuj", 155},
    {"eux-mêmes", "propersuj", 159}, {"nous-même", "propersuj", 147},
    {"nous-mêmes", "propersuj", 147}, {"vous-même", "propersuj", 153},
    {"vous-mêmes", "propersuj", 153},
    {"en", "prep", 35}, {"en", "properobj", 35},
    // Relative, interrogative and indefinite pronouns.
    {"que", "cjsub", 41}, {"que", "proint", 41}, {"que", "prorel", 41},
    {"qui", "proint", 184}, {"qui", "prorel", 184}, {"quoi", "proint", 184},
    {"quoi", "prorel", 184}, {"dont", "prorel", 184}, {"où", "advint", 184}, {"où", "prorel", 184}, {"quiconque", "proind", 185},
    {"quiconque", "prorel", 185}, {"autrui", "proind", 185}, {"rien", "proneg", 185},
    {"personne", "proneg", 185}, {"plupart", "proind", 185},
    {"lequel", "proint", 186}, {"lequel", "prorel", 186}, {"auquel", "proint", 186},
    {"auquel", "prorel", 186}, {"duquel", "proint", 186}, {"duquel", "prorel", 186},
    {"lesquels", "proint", 187}, {"lesquels", "prorel", 187},
    {"auxquels", "proint", 187}, {"auxquels", "prorel", 187},
    {"desquels", "proint", 187}, {"desquels", "prorel", 187},
    {"laquelle", "proint", 188}, {"laquelle", "prorel", 188},
    {"lesquelles", "proint", 189}, {"lesquelles", "prorel", 189},
    {"auxquelles", "proint", 189}, {"auxquelles", "prorel", 189},
    {"desquelles", "proint", 189}, {"desquelles", "prorel", 189},
    {"chacun", "proind", 193}, {"chacune", "proind", 194},
    {"quelqu'un", "proind", 195}, {"quelqu'une", "proind", 194},
    // Indefinite determiners.
    {"quel", "detind", 190}, {"quel", "detex", 190},
    {"tout", "detind", 239}, {"tout", "proind", 239}, {"toute", "detind", 240},
    {"tous", "detind", 242}, {"toutes", "detind", 243}, {"toutes", "proind", 243},
    {"chaque", "detind", 241}, {"plusieurs", "detind", 246}, {"plusieurs", "proind", 246},
    {"divers", "detind", 242}, {"diverses", "detind", 243},
    {"aucun", "proneg", 236}, {"aucun", "detneg", 236}, {"aucune", "proneg", 237},
    {"nul", "proneg", 236}, {"nul", "detneg", 236},
    // Conjunctions.
    {"si", "cjsub", 40}, {"comme", "cjsub", 40}, {"comme", "adv", 40},
    {"et", "cjco", 16}, {"ou", "cjco", 16}, {"mais", "cjco", 16}, {"or", "cjco", 16},
    {"donc", "cjco", 16}, {"car", "cjco", 16}, {"ni", "cjco", 16},
    {"c'est-à-dire", "cjco", 16},
    // Negation.
    {"ne", "negadv", 22}, {"ne", "preverb", 22},
};

constexpr u8 kNoClass = 0;

// Words that exist only inside fixed locutions, with the class the locution
// matcher reads on their first reading: 23 a locution's opening word, 24 a
// later word, 25 a word of a Latin or foreign phrase. The matcher checks
// that the rest of the locution stands around such a word and reports it
// otherwise, so the classes come from this list and not from the source's
// locution subtypes: the source files "tant", "afin" or "auprès" as parts
// of locutions too, yet they are words of their own. A word of the list
// that the source files with a locution subtype takes its class on every
// line but a verb's (ClassifyLocutionWord).
//
// A word marked "ordinary too" is also an ordinary word ("juger" and
// "peut" verb forms): it takes its locution reading even where the source
// files it under its ordinary category only, and that reading comes first,
// before the ordinary ones (the compiler files it in a section the lookup
// walks before the sections of verb forms).
//
// Of the list, the source has no line for "negro", "canto", "dona",
// "doble", "domo", "grata", "varietur", "vau-l'eau", "tire-larigot"; it
// files "improviste", "insu", "modus" and a few more as nouns only: their
// locution reading is not encoded (datacomp's report names every such word).
struct LocutionWordRow {
    const char* word;  // UTF-8
    u8 classByte;
    bool ordinaryToo = false;
};

const LocutionWordRow kLocutionWords[] = {
    // Opening words.
    {"parce", 23}, {"tandis", 23}, {"alter", 23}, {"honoris", 23}, {"made", 23}, {"sine", 23},
    {"urbi", 23}, {"persona", 23}, {"quant", 23},
    // Later words.
    {"posteriori", 24}, {"priori", 24}, {"fortiori", 24}, {"giorno", 24}, {"courre", 24},
    {"jeun", 24}, {"perpète", 24}, {"perpette", 24}, {"quia", 24}, {"rebours", 24},
    {"vau-l'eau", 24}, {"brûle-pourpoint", 24}, {"tire-larigot", 24}, {"tue-tête", 24},
    {"envi", 24, true}, {"improviste", 24}, {"instar", 24}, {"encontre", 24}, {"insu", 24},
    {"hoc", 24}, {"valorem", 24}, {"abrupto", 24}, {"aequo", 24}, {"cathedra", 24},
    {"cetera", 24}, {"caetera", 24}, {"facto", 24}, {"visu", 24}, {"emblée", 24},
    {"arrache-pied", 24}, {"extenso", 24}, {"extremis", 24}, {"petto", 24}, {"situ", 24},
    {"vitro", 24}, {"vivo", 24}, {"juger", 24, true}, {"varietur", 24}, {"catimini", 24},
    {"tapinois", 24}, {"guingois", 24}, {"traviole", 24}, {"mégarde", 24}, {"domo", 24},
    {"bene", 24}, {"dona", 24}, {"vitae", 24}, {"doble", 24}, {"tremens", 24}, {"qua", 24},
    {"orbi", 24}, {"quanti", 24}, {"grata", 24}, {"peut", 24, true}, {"entrefaites", 24},
    // Latin and foreign phrases.
    {"modus", 25}, {"negro", 25}, {"numerus", 25}, {"statu", 25}, {"canto", 25}, {"nec", 25},
};

bool IsLocutionSubtype(const std::string& po) { return po.rfind("loc.", 0) == 0; }

// The class of a locution subtype on a line of a word not in the list.
u8 LocutionPartClass(const std::string& po) { return po == "loc.adv" ? 25 : 26; }

bool SameText(const char* a, const std::string& b) { return b == a; }

// Default class of a function word whose (word, subtype) is not listed.
u8 ClosedDefault(const std::string& subtype) {
    if (subtype == "prep" || subtype == "prepv") return kClassPreposition;
    if (subtype == "cjco" || subtype == "cj") return kClassCoordinating;
    if (subtype == "cjsub") return kClassSubordinating;
    if (subtype == "negadv") return kClassNegation;
    if (subtype == "adv" || subtype == "advint" || subtype == "proadv") return kClassAdverb;
    return kNoClass;
}

// Function-word subtypes, in the order a line's fields are tried.
bool IsMgSubtype(const std::string& po) {
    static const char* const kSubtypes[] = {
        "det", "detdem", "detpos", "detind", "detneg", "detex", "prodem", "proind",
        "proneg", "proint", "prorel", "propersuj", "properobj", "preverb", "proadv",
        "prep", "prepv", "cjco", "cjsub", "cj", "adv", "advint", "negadv",
        "loc.cj", "loc.cjsub", "loc.prep", "loc.prepv", "loc.adv"};
    for (const char* s : kSubtypes)
        if (po == s) return true;
    return false;
}

u8 NumberOf(const SourceForm& f) {
    if (HasIs(f, "inv")) return 3;
    if (HasIs(f, "pl")) return 2;
    if (HasIs(f, "sg")) return 1;
    const std::string& w = f.form;
    char last = w.empty() ? 0 : w.back();
    return (last == 's' || last == 'x' || last == 'z') ? 3 : 1;
}

u8 GenderOf(const SourceForm& f) {
    bool m = HasIs(f, "mas"), fe = HasIs(f, "fem");
    if (m && !fe) return kGenderMasc;
    if (fe && !m) return kGenderFem;
    return 0;
}

u16 NominalTag(u8 letter, const SourceForm& f) {
    return static_cast<u16>(letter << 8 | GenderOf(f) | NumberOf(f) << 2);
}

FormClass Skip(const char* why) {
    FormClass c;
    c.kind = FormKind::Skip;
    c.reason = why;
    return c;
}

FormClass Closed(u8 classByte) {
    FormClass c;
    c.kind = FormKind::Closed;
    c.classByte = classByte;
    return c;
}

FormClass Verb() {
    FormClass c;
    c.kind = FormKind::Verb;
    return c;
}

FormClass Nominal(u16 tag) {
    FormClass c;
    c.kind = FormKind::Nominal;
    c.tag = tag;
    return c;
}

bool KeyEndsInEOrEs(const std::string& key) {
    return EndsWith(key, "e") || EndsWith(key, "es");
}

}  // namespace

u8 ClosedClassByte(const std::string& word, const std::string& subtype) {
    for (const ClosedRow& r : kClosedRows) {
        if (!SameText(r.word, word)) continue;
        if (std::strcmp(r.subtype, "*") == 0 || subtype == r.subtype) return r.classByte;
    }
    return kNoClass;
}

bool IsClosedClassWord(const std::string& word) {
    for (const ClosedRow& r : kClosedRows)
        if (SameText(r.word, word)) return true;
    return false;
}

namespace {

// Nouns whose plural the source files as a word of its own, spelt with
// another beginning than the singular: the pairs the compiler links, so
// that the plural reads as a form of its singular and the plural and
// singular operations find one from the other. Both forms come from the
// source; the table only pairs them.
const std::pair<const char*, const char*> kIrregularPlurals[] = {
    {"œil", "yeux"},           {"ciel", "cieux"},         {"aïeul", "aïeux"},
    {"monsieur", "messieurs"}, {"madame", "mesdames"},    {"mademoiselle", "mesdemoiselles"},
    {"bonhomme", "bonshommes"}, {"gentilhomme", "gentilshommes"},
};

}  // namespace

std::string IrregularPluralSingular(const std::string& plural) {
    for (const auto& [sg, pl] : kIrregularPlurals)
        if (plural == pl) return sg;
    return "";
}

bool HasIrregularPlural(const std::string& singular) {
    for (const auto& [sg, pl] : kIrregularPlurals)
        if (singular == sg) return true;
    return false;
}

std::vector<u16> FurtherFunctionWordTags(const SourceForm& f, u16 first) {
    std::vector<u16> out;
    if (!HasPo(f, "mg") || (first >> 8) >= 35) return out;
    for (const std::string& po : f.po) {
        if (!IsMgSubtype(po)) continue;
        const u8 c = ClosedDefault(po);
        if (c != kClassPreposition && c != kClassCoordinating && c != kClassSubordinating && c != kClassAdverb)
            continue;
        const u16 tag = static_cast<u16>(c << 8 | ElisionFeature(c, f.form));
        if (tag != first && std::find(out.begin(), out.end(), tag) == out.end()) out.push_back(tag);
    }
    return out;
}

namespace {

// A Roman numeral written as an ordinal ("Ier", "Ire", "IIe", "Xes").
bool RomanOrdinal(const std::string& form) {
    size_t n = 0;
    while (n < form.size() && std::strchr("IVXLCDM", form[n]) != nullptr) ++n;
    if (n == 0) return false;
    static const char* const kEndings[] = {"er", "ers", "re", "res", "e", "es", "d", "ds", "de", "des", "nd", "nds"};
    for (const char* e : kEndings)
        if (form.compare(n, std::string::npos, e) == 0) return true;
    return false;
}

}  // namespace

u16 CapitalisedWordTag(u16 tag, const std::string& form) {
    const u8 cls = static_cast<u8>(tag >> 8);
    if (cls != kClassNoun && cls != kClassAdjective) return tag;
    if (cls == kClassAdjective && RomanOrdinal(form)) return tag;
    const u8 number = ((tag >> 2) & 3) == 2 ? 8 : 4;
    return static_cast<u16>(kClassProperNoun << 8 | (tag & 0x30) | number);
}

bool ReadsBeforeOtherReadings(u16 tag) {
    const u8 c = static_cast<u8>(tag >> 8);
    return c == kClassCoordinating || c == kClassSubordinating || (c >= 32 && c <= kClassPreposition);
}

FormClass ClassifyStemOnlyVerbForm(const SourceForm& f) {
    if (HasPo(f, "ppas") && HasPo(f, "adj")) return Nominal(NominalTag(kClassAdjective, f));
    return Verb();
}

u8 ElisionFeature(u8 c, const std::string& key) {
    return c == 22 || (c == 34 && key == "jusque") ? 0x40 : 0;
}

std::string LocutionListSpelling(std::string word) {
    for (const auto& [ligature, letters] : {std::pair<const char*, const char*>{"æ", "ae"}, {"œ", "oe"}})
        for (size_t at = word.find(ligature); at != std::string::npos; at = word.find(ligature, at))
            word.replace(at, std::strlen(ligature), letters);
    return word;
}

const LocutionWordRow* FindLocutionWord(const std::string& word) {
    const std::string listed = LocutionListSpelling(word);
    for (const LocutionWordRow& r : kLocutionWords)
        if (SameText(r.word, listed)) return &r;
    return nullptr;
}

u8 LocutionWordClass(const std::string& word) {
    const LocutionWordRow* r = FindLocutionWord(word);
    return r != nullptr ? r->classByte : kNoClass;
}

bool IsOrdinaryLocutionWord(const std::string& word) {
    const LocutionWordRow* r = FindLocutionWord(word);
    return r != nullptr && r->ordinaryToo;
}

std::vector<std::string> LocutionWords() {
    std::vector<std::string> words;
    for (const LocutionWordRow& r : kLocutionWords) words.emplace_back(r.word);
    return words;
}

bool IsLocutionLine(const SourceForm& f) {
    for (const std::string& po : f.po)
        if (IsLocutionSubtype(po)) return true;
    return false;
}

FormClass ClassifyLocutionWord(const SourceForm& f) {
    if (!VerbCodeOf(f).empty()) return Verb();
    return Nominal(static_cast<u16>(LocutionWordClass(f.form) << 8));
}

FormClass ClassifyForm(const SourceForm& f) {
    if (!VerbCodeOf(f).empty()) return Verb();
    if (u8 any = ClosedClassByte(f.form, "*"); any != kNoClass) return Closed(any);
    if (LocutionWordClass(f.form) != kNoClass && IsLocutionLine(f)) return ClassifyLocutionWord(f);
    if (HasPo(f, "mg")) {
        for (const std::string& po : f.po) {
            if (!IsMgSubtype(po)) continue;
            if (u8 c = ClosedClassByte(f.form, po); c != kNoClass) return Closed(c);
        }
        // Unlisted: determiners and pronouns by gender and number as 'Q'
        // (indefinite), the rest by subtype.
        for (const std::string& po : f.po) {
            if (po == "detind" || po == "detneg" || po == "detex" || po == "proind" ||
                po == "proneg")
                return Nominal(NominalTag('Q', f));
        }
        for (const std::string& po : f.po) {
            if (!IsMgSubtype(po)) continue;
            if (u8 c = ClosedDefault(po); c != kNoClass)
                return Nominal(static_cast<u16>(c << 8 | ElisionFeature(c, f.form)));
        }
        for (const std::string& po : f.po)
            if (IsLocutionSubtype(po)) return Nominal(static_cast<u16>(LocutionPartClass(po) << 8));
        return Skip("function word without a class");
    }
    if (HasPo(f, "nbro")) return Skip("roman numeral");
    if (HasPo(f, "pfx") || HasPo(f, "sfx")) return Skip("word fragment");
    if (HasPo(f, "err")) return Skip("marked as an error");
    if (HasPo(f, "ponc") || HasPo(f, "sign")) return Skip("sign");
    if (HasPo(f, "nb")) return Closed(163);
    if (HasPo(f, "npr") || HasPo(f, "prn") || HasPo(f, "patr"))
        return Nominal(static_cast<u16>(kClassProperNoun << 8 | GenderOf(f) | 4));
    bool noun = HasPo(f, "nom"), adj = HasPo(f, "adj");
    // A title that is a noun too ("monsieur", "madame") reads as the noun.
    if (HasPo(f, "titr") && !noun) return Nominal(static_cast<u16>(kClassAbbreviation << 8));
    if (adj) {
        // The adjectives of the bel/nouvel kind: masculine singular forms
        // used only before a vowel sound.
        static const char* const kBeforeVowel[] = {"bel", "nouvel", "vieil", "fol", "mol"};
        for (const char* w : kBeforeVowel)
            if (f.form == w && !HasIs(f, "fem")) return Closed(245);
    }
    if (noun && adj) return Nominal(NominalTag(kClassNounAdjective, f));
    if (noun) return Nominal(NominalTag(kClassNoun, f));
    if (adj) return Nominal(NominalTag(kClassAdjective, f));
    if (HasPo(f, "adv")) return Nominal(static_cast<u16>(kClassAdverb << 8));
    if (HasPo(f, "interj")) return Nominal(static_cast<u16>(kClassInterjection << 8));
    for (const std::string& po : f.po)
        if (IsLocutionSubtype(po)) return Nominal(static_cast<u16>(LocutionPartClass(po) << 8));
    return Skip("category without a class");
}

EndingResult MatchEndingCode(u8 code, const std::string& rest, const std::string& key) {
    EndingResult r;
    const size_t n = rest.size();
    const u8 keyLast = key.empty() ? 0 : static_cast<u8>(key.back());
    auto sxz = [](u8 c) { return c == 's' || c == 'x' || c == 'z'; };
    auto ok = [&](u8 number, u8 gender) {
        r.match = true;
        r.number = number;
        r.gender = gender;
        return r;
    };
    const u8 e = MRC("é"), ii = MRC("ï"), ee = MRC("ë"), eg = MRC("è"), ec = MRC("ê"),
             ag = MRC("à"), oc = MRC("ô"), ug = MRC("ù");
    if (n == 0) {
        if (code == 27 || code == 91) return ok(sxz(keyLast) ? 3 : 1, 0);
        if (code == 59) return ok(sxz(keyLast) ? 3 : 1, kGenderMasc);
        return r;
    }
    const u8 c0 = static_cast<u8>(rest[0]);
    if (n == 1) {
        if (code >= 1 && code <= 26 && c0 == code + 96) return ok(sxz(c0) ? 3 : 1, 0);
        if (code >= 33 && code <= 58 && c0 == code + 64) return ok(c0 == 's' ? 3 : 1, kGenderMasc);
        if (code >= 65 && code <= 90 && c0 == code + 32) return ok(1, 0);
        if ((code == 28 || code == 92) && c0 == e) return ok(1, 0);
        if (code == 60 && c0 == e) return ok(1, kGenderMasc);
        if ((code == 29 || code == 93) && c0 == ii) return ok(1, 0);
        if (code == 61 && c0 == ii) return ok(1, kGenderMasc);
        if ((code == 94 && c0 == ee) || (code == 95 && c0 == eg) || (code == 64 && c0 == ec) ||
            (code == 30 && c0 == ag) || (code == 31 && c0 == oc) || (code == 32 && c0 == ug))
            return ok(1, 0);
        if (code == 91 && c0 == 's') return ok(2, 0);
        if (code == 59) {
            if (c0 == 'e') return ok(1, kGenderFem);
            // "s after a letter other than s": the letter before the remainder.
            u8 before = key.size() >= 2 ? static_cast<u8>(key[key.size() - 2]) : 0;
            if (c0 == 's' && before != 's') return ok(2, kGenderMasc);
        }
        return r;
    }
    const u8 c1 = static_cast<u8>(rest[1]);
    if (n == 2) {
        if (code >= 65 && code <= 90 && c0 == code + 32 && c1 == 's') return ok(2, 0);
        if (code >= 33 && code <= 58 && c0 == code + 64) {
            if (c1 == 's' && code != 51) return ok(2, kGenderMasc);
            if (c1 == 'e') return ok(1, kGenderFem);
        }
        if (code == 59 && c0 == 'e' && c1 == 's') return ok(2, kGenderFem);
        if (c1 == 's' && ((code == 92 && c0 == e) || (code == 93 && c0 == ii) ||
                          (code == 94 && c0 == ee) || (code == 95 && c0 == eg) ||
                          (code == 64 && c0 == ec)))
            return ok(2, 0);
        if ((code == 60 && c0 == e) || (code == 61 && c0 == ii)) {
            if (c1 == 's') return ok(2, kGenderMasc);
            if (c1 == 'e') return ok(1, kGenderFem);
        }
        return r;
    }
    if (n == 3 && rest[1] == 'e' && rest[2] == 's') {
        if (code >= 33 && code <= 58 && c0 == code + 64) return ok(2, kGenderFem);
        if ((code == 60 && c0 == e) || (code == 61 && c0 == ii)) return ok(2, kGenderFem);
    }
    return r;
}

ClassReading ReadClassByteAnywhere(u8 c, EndingResult ending, const std::string& key, u16 section);

// In the capitalised-word section a noun class byte spells a name (the
// library reads it so): the plural names have no class byte of their own.
ClassReading ReadClassByte(u8 c, EndingResult ending, const std::string& key, u16 section) {
    ClassReading out = ReadClassByteAnywhere(c, ending, key, section);
    if (section != 9) return out;
    for (u32 i = 0; i < out.count; ++i)
        if ((out.tags[i] >> 8) == 'A') out.tags[i] = static_cast<u16>(kClassProperNoun << 8 | (out.tags[i] & 0xFF));
    return out;
}

ClassReading ReadClassByteAnywhere(u8 c, EndingResult ending, const std::string& key, u16 section) {
    ClassReading out;
    if (!ending.match) return out;
    const u8 N = static_cast<u8>(ending.number * 4);
    const u8 G = ending.gender;
    const bool properSection = section == 9 || section == 10;
    auto one = [&](u8 letter, u8 features) {
        out.tags[0] = static_cast<u16>(letter << 8 | features);
        out.count = 1;
        return out;
    };
    auto set = [&](std::initializer_list<u16> tags) {
        out.count = 0;
        for (u16 t : tags) out.tags[out.count++] = t;
        out.replaces = true;
        return out;
    };
    if (properSection && ending.number == 2 && (c == 166 || c == 180 || c == 183 || c == 184))
        return out;
    if (c < 35) return one(c, ElisionFeature(c, key));
    if (c < 128) {
        const u8 k0 = key.empty() ? 0 : static_cast<u8>(key[0]);
        switch (c) {
            case 35: return set({0x2200, 0x7C00});
            case 40: return set({0x1400, 0x1100});
            case 41: return set({0x4740, 0x1140, 0x1440});
            case 107: return set({0x6614});
            case 108: return set({0x6718});
            case 109:
                if (k0 == 'a') return set({0x6728});
                if (k0 == 'd') return set({0x2528});
                return set({0x6814, 0x5214});
            case 110: return set({0x7A07, 0x5F0B});
            case 111: return set({0x6A40, 0x2140});
            case 112:
                if (k0 == '1') return set({0x6B54, 0x2414});
                if (k0 == '4') return set({0x2414});
                if (k0 == '2') return set({0x6C08, 0x2508});
                return set({0x6354, 0x7C54});
            case 113:
                if (k0 == '2') return set({0x6C08, 0x2508});
                if (k0 == '4') return set({0x2518});
                return set({0x6354, 0x7C54});
            case 115: return set({0x6354, 0x7C54});
            case 116: return set({0x6464, 0x7C64});
            case 117: return set({0x6538, 0x7C38});
            case 118: return set({0x6654});
            case 119: return set({0x6738});
            case 120: return set({0x6814, 0x5214});
            case 121: return set({0x6924, 0x5224});
            default: return out;
        }
    }
    const bool eEnd = KeyEndsInEOrEs(key);
    const u8 last = key.empty() ? 0 : static_cast<u8>(key.back());
    const u8 last2 = key.size() < 2 ? 0 : static_cast<u8>(key[key.size() - 2]);
    switch (c) {
        case 137: return one('B', N);
        case 138: return one('B', G + N);
        case 139: return one('C', 0x10 + N);
        case 140: return one('C', 0x20 + N);
        case 141: return one('M', N);
        case 142: return one('N', N);
        case 143: return one('C', N);
        case 144: return one('U', 0x45);
        case 145: return one('V', 0x45);
        case 146: return one('W', 0x05);
        case 147: return one('X', 0x09);
        case 148: return one('Y', 0x06);
        case 149: return one('Z', 0x46);
        case 150: return one(0x5B, 0x06);
        case 153: return one(0x5C, 0x02);
        case 154: return one(0x5D, N + 19);
        case 155: return one(0x5E, N + 35);
        case 157: return one(0x5F, 0x07);
        case 158: return one('C', 0x28);
        case 159: return one(0x60, 0x0B);
        case 160: return one('a', 0x4F);
        case 161: return one('b', 0x0F);
        case 162: return one('C', 0x18);
        case 163: return one('R', 0x08);
        case 164: return one('S', 0x08);
        case 165: return one('D', N + 17);
        case 166: return properSection ? one(0x40, G + 4) : one('D', N + 18);
        case 167: return one('D', N + 19);
        case 168: return one('D', N + 33);
        case 169: return one('D', N + 34);
        case 170: return one('D', N + 35);
        case 171: return one('D', N + 1);
        case 172: return one('D', N + 2);
        case 173: return one('D', N + 3);
        case 174: return one('F', 0x10 + N);
        case 175: return one('F', 0x18);
        case 176: return one('F', 0x20 + N);
        case 177: return one('F', 0x28);
        case 178: return one('F', 0x04);
        case 180: return one(0x40, 0x24);
        case 183: return one(0x40, 0x04);
        case 184: return properSection ? one(0x40, 0x14) : one('G', 0x00);
        case 185: return one('H', 0x00);
        case 186: return one('I', 0x14);
        case 187: return one('I', 0x18);
        case 188: return one('I', 0x24);
        case 189: return one('I', 0x28);
        case 190: return one('Q', G + N);
        case 191: return one('Q', 0x10 + N);
        case 192: return one('J', 0x20 + N);
        case 193: return one('K', 0x14);
        case 194: return one('K', 0x24);
        case 195: return one('K', 0x14);
        case 196: return one('B', 0x10 + N);
        case 197: return one('B', 0x20 + N);
        case 198: return eEnd ? one('B', G + N) : one('M', G + N);
        case 199: return eEnd ? one('N', G + N) : one('B', G + N);
        case 200: return one('B', 0x00);
        case 201: return one(0x7D, last == 's' ? 0x18 : 0x04);
        case 202: return one(0x7D, last == 's' ? 0x28 : 0x04);
        case 203: return one('C', G + N);
        case 204: return one('B', 0x18);
        case 205: return one('B', 0x28);
        case 206: return one('C', 0x18);
        case 207: return one('C', 0x28);
        case 208: return one('A', 0x10 + N);
        case 209: return one('A', 0x14);
        case 210: return one('A', 0x18);
        case 211: return one('A', 0x20 + N);
        case 212: return one('A', 0x24);
        case 213: return one('A', 0x28);
        case 214: return one('A', N);
        case 215: return one('A', G + N);
        case 216: return (last == 'e' || last2 == 'e') ? one('B', G + N) : one('A', G + N);
        case 217: return one('m', 0x14);
        case 218: return one('n', 0x64);
        case 219: return one('o', 0x08);
        case 220: return one('p', 0x14);
        case 221: return one('q', 0x64);
        case 222: return one('r', 0x08);
        case 223: return one('s', 0x14);
        case 224: return one('t', 0x64);
        case 225: return one('u', 0x08);
        case 226: return one('v', 0x04);
        case 227: return one('w', 0x08);
        case 228: return one('x', 0x04);
        case 229: return one('y', 0x08);
        case 231: return one(0x7B, 0x08);
        case 232: return one('O', 0x54);
        case 233: return one('O', 0x14);
        case 234: return one('O', 0x24);
        case 235: return one('O', 0x08);
        case 236: return one('P', 0x10 + N);
        case 237: return one('P', 0x20 + N);
        case 238: return one('P', 0x30 + N);
        case 239: return one('Q', 0x14);
        case 240: return one('Q', 0x24);
        case 241: return one('Q', 0x34);
        case 242: return one('Q', 0x18);
        case 243: return one('Q', 0x28);
        case 244: return one('C', 0x90 + N);
        case 245: return one('B', 0x54);
        case 246: return one('Q', 0x08);
        case 247: return one('B', 0x08);
        case 248: return one('A', 0x1C);
        case 249: return one('A', 0x2C);
        case 250: return one('E', N);
        case 251: return one('E', G + N);
        case 252: return one('A', static_cast<u8>(0x20 - N));
        default: {
            // Class byte with tag 0: an analysis all the same.
            out.tags[0] = 0;
            out.count = 1;
            return out;
        }
    }
}

const std::vector<u8>& ClassBytesForLetter(u8 letter) {
    static const std::vector<u8> kNone;
    static const std::vector<u8> kNoun = {208, 211, 214, 209, 210, 212, 213, 248, 249, 215};
    static const std::vector<u8> kAdjective = {196, 197, 137, 138, 204, 205, 200, 247, 245};
    static const std::vector<u8> kNounAdjective = {139, 140, 143, 203, 162, 206, 158, 207};
    // (the noun bytes spell a name in the capitalised-word section)
    static const std::vector<u8> kProper = {184, 180, 183, 166, 208, 211, 214, 209, 210, 212, 213, 248, 249, 215};
    static const std::vector<u8> kDeterminer = {191, 190, 239, 240, 241, 242, 243, 246};
    static const std::vector<u8> kIndefinite = {192};
    static const std::vector<u8> kPossessivePronoun = {165, 167, 168, 169, 170, 171, 172, 173};
    static const std::vector<u8> kDemonstrative = {174, 176, 175, 177, 178};
    static const std::vector<u8> kNegative = {236, 237, 238};
    static const std::vector<u8> kPersonal3 = {154};
    static const std::vector<u8> kPersonal3f = {155};
    switch (letter) {
        case 'A': return kNoun;
        case 'B': return kAdjective;
        case 'C': return kNounAdjective;
        case 0x40: return kProper;
        case 'Q': return kDeterminer;
        case 'J': return kIndefinite;
        case 'D': return kPossessivePronoun;
        case 'F': return kDemonstrative;
        case 'P': return kNegative;
        case 0x5D: return kPersonal3;
        case 0x5E: return kPersonal3f;
        default: return kNone;
    }
}
