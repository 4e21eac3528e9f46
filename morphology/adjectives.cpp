// French irregular adjective forms (see adjectives.h).
#include "morphology/adjectives.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman_literal.h"
#include "frame/report.h"
#include "frame/tables.h"

namespace {

constexpr u32 kModels = 32;
constexpr u32 kExceptionCount = 264;
constexpr u32 kFirstDoublePlural = 236;
constexpr u32 kFirstAuxPlural = 250;

// Per model: masculine singular, masculine plural, feminine singular,
// feminine plural ("$": empty ending).
const char* const kEndings[kModels][4] = {
    {"l", "ux", "le", "les"},          {"$", "s", "e", "es"},
    {"au", "aux", "lle", "lles"},      {"u", "us", "lle", "lles"},
    {"c", "cs", "que", "ques"},        {"$", "$", "se", "ses"},
    {"et", "ets", MR("ète"), MR("ètes")}, {"$", "s", "te", "tes"},
    {"n", "ns", "gne", "gnes"},        {"$", "s", "le", "les"},
    {"ux", "ux", "ille", "illes"},     {"x", "x", "se", "ses"},
    {"x", "x", "sse", "sses"},         {"x", "x", "ce", "ces"},
    {"s", "s", "ce", "ces"},           {"$", "s", "he", "hes"},
    {"is", "is", MR("îche"), MR("îches")}, {"ec", "ecs", MR("èche"), MR("èches")},
    {"$", "x", "de", "des"},           {"$", "s", "se", "ses"},
    {"er", "ers", MR("ère"), MR("ères")}, {"u", "us", MR("uë"), MR("uës")},
    {"$", "s", "ue", "ues"},           {"$", "s", "sse", "sses"},
    {"eu", "eux", MR("aïque"), MR("aïques")}, {MR("ès"), MR("ès"), "esse", "esses"},
    {"f", "fs", "ve", "ves"},          {"ef", "efs", MR("ève"), MR("èves")},
    {"$", "s", "ne", "nes"},           {"ur", "urs", "resse", "resses"},
    {"$", "s", "que", "ques"},         {"r", "rs", "se", "ses"},
};

const char* const kExceptions[kExceptionCount] = {
    "mali-8", MR("béni-8"), "nul-9", "pareil-9", "gentil-9", "vie-10", "jalou-11", "rou-12",
    "fau-12", "dou-13", "tier-14", "fra-16",
    "franc-15", "blanc-15", "s-17", "coi-7", "favori-7", "esquimau-18", "andalou-19", "grec-30",
    "aig-21", "suraig-21", "contig-21", "long-22",
    "oblong-22", "barlong-22", "enchante-29", MR("maître-23"), MR("traître-23"), MR("hébr-24"),
    "rigolo-7", "mormon-1", "lapon-1", "letton-1", "bellot-7", "boulot-7",
    "maigriot-7", MR("pâlot-7"), "sot-7", "vieillot-7", "compl-6", "incompl-6", "concr-6",
    "discr-6", MR("désu-6"), "indiscr-6", "inqui-6", "repl-6",
    "secr-6", "bas-5", "gras-5", "las-5", MR("épais-5"), "gros-5", MR("métis-5"), "expr-25",
    "prof-25", MR("naï-26"), "br-27", "cadu-4",
    "publi-4", "tur-4", "ammonia-4", "be-2", "jume-2", "mance-2", "nouve-2", "morvande-2",
    "tourange-2", "fo-3", "mo-3", "anna-0",
    "axa-0", "basa-0", "causa-0", "coxa-0", "dota-0", "duca-0", "dura-0", "facia-0", "foca-0",
    MR("féca-0"), "glia-0", MR("idéa-0"),
    MR("iléa-0"), MR("inéga-0"), "nasa-0", "niva-0", "noda-0", "nuca-0", "octa-0", "papa-0",
    MR("péna-0"), "riva-0", "roya-0", "rura-0",
    MR("réna-0"), "tota-0", "vaga-0", "vira-0", "vita-0", "voca-0", MR("véna-0"), "zona-0",
    "ana-0", "dua-0", MR("féa-0"), "ora-0",
    "uva-0", MR("éga-0"), "ambig-21", "exig-21", "subaig-21", "bon-28", "con-28", "capon-28",
    MR("félon-28"), "huron-28", MR("maçon-28"), "saxon-28",
    MR("léga-0"), "arien-28", "aryen-28", MR("païen-28"), "loca-0", "bot-1", MR("îlien-28"),
    "vi-26", "jui-26", "acti-26", MR("géli-26"), MR("hâti-26"),
    "nati-26", "oisi-26", MR("réti-26"), "voti-26", "noci-26", "bel-9", "cruel-9", MR("idéel-9"),
    MR("réel-9"), "usuel-9", "net-7", "blet-7",
    "fluet-7", "muet-7", "sujet-7", "suret-7", "codeu-31", "dameu-31", "dateu-31", "jaseu-31",
    "joueu-31", "liseu-31", "nageu-31", "payeu-31",
    "poseu-31", "rageu-31", MR("râleu-31"), MR("rêveu-31"), "rieu-31", "suceu-31",
    MR("tâteu-31"), "tueu-31", "viveu-31", "voyeu-31", "voleu-31", "am-20",
    "fi-20", MR("lég-20"), "khm-20", "ch-20", "qui-6", "mora-0", "ami-1", "bai-1", "dru-1",
    "dur-1", "fat-1", "fin-1",
    "gai-1", "lai-1", "mat-1", MR("mûr-1"), "pat-1", "pur-1", MR("sûr-1"), "sur-1", "nu-1",
    "vil-1", "naval-1", "fatal-1",
    "natal-1", "creu-11", "aqueu-11", "baveu-11", "bileu-11", "boueu-11", "cireu-11", "fameu-11",
    "fumeu-11", "galeu-11", MR("gâteu-11"), "gazeu-11",
    "gueu-11", "hideu-11", "joyeu-11", "juteu-11", "miteu-11", "noueu-11", "ocreu-11",
    "odieu-11", "oiseu-11", "osseu-11", MR("pâteu-11"), MR("péteu-11"),
    "pieu-11", "pileu-11", "piteu-11", "poreu-11", "rameu-31", "rapeu-11", MR("séreu-11"),
    "vaseu-11", MR("véreu-11"), "vineu-11", "vireu-11", "qui-6",
    "meilleur-1", "limeu-31", "mien-28", "tien-28", "sien-28", MR("âgé-1"), "tel-9", "quel-9",
    "atonal-1", "austral-1", "banal-1", "bitonal-1",
    MR("boréal-1"), "final-1", "glacial-1", "jovial-1", "marial-1", "pascal-1",
    MR("périnatal-1"), MR("prénatal-1"), "postnatal-1", "polytonal-1", "atona-0", "austra-0",
    "bana-0", "bitona-0", MR("boréa-0"), "fina-0", "glacia-0", "jovia-0", "maria-0", "pasca-0",
    MR("périnata-0"), MR("prénata-0"), "postnata-0", "polytona-0",
};

bool gFilled = false;

// The exceptions by the first byte of their stem, each with its stem length
// (the hyphen's place) and model, read from gAdjectiveExceptions when it was
// filled; entries without a hyphen or with no such model are left out (the
// search passes over them).
struct ExceptionIndex {
    const BoundedString* table = nullptr;  // the table read; null: not built
    u16 start[257] = {};                   // per first byte, into `order`
    u16 order[kExceptionCount] = {};       // entry numbers, ascending per byte
    u8 stemLength[kExceptionCount] = {};
    u8 model[kExceptionCount] = {};
};

ExceptionIndex gIndex;

// Stem length and model of an entry; false when it has none.
bool ParseException(const BoundedString& entry, u32& hyphen, u32& model) {
    const u32 n = TextLen(entry);
    hyphen = 0;
    while (hyphen < n && entry.data[hyphen] != '-') ++hyphen;
    if (hyphen == n) return false;
    model = entry.data[hyphen + 1] - '0';
    if (hyphen + 2 < n) model = model * 10 + (entry.data[hyphen + 2] - '0');
    return model < kModels;
}

void BuildIndex() {
    ExceptionIndex& x = gIndex;
    u16 counts[256] = {};
    bool kept[kExceptionCount] = {};
    for (u32 i = 0; i < kExceptionCount; ++i) {
        const BoundedString& entry = gAdjectiveExceptions[static_cast<i32>(i)];
        u32 hyphen = 0, model = 0;
        kept[i] = ParseException(entry, hyphen, model);
        if (!kept[i]) continue;
        x.stemLength[i] = static_cast<u8>(hyphen);
        x.model[i] = static_cast<u8>(model);
        ++counts[entry.data[0]];
    }
    x.start[0] = 0;
    for (u32 b = 0; b < 256; ++b) x.start[b + 1] = static_cast<u16>(x.start[b] + counts[b]);
    u16 fill[256];
    for (u32 b = 0; b < 256; ++b) fill[b] = x.start[b];
    for (u32 i = 0; i < kExceptionCount; ++i)
        if (kept[i]) x.order[fill[gAdjectiveExceptions[static_cast<i32>(i)].data[0]]++] = static_cast<u16>(i);
    x.table = gAdjectiveExceptions.data;
}

// Ending of model m, form f (1..4), "$" dropped.
void AppendEnding(BoundedString& out, u32 m, u32 f) {
    const BoundedString& e = gAdjectiveEndings[static_cast<i32>(m + kModels * (f - 1))];
    if (TextEquals(e, "$")) return;
    AppendString(out, e);
}

void DropFinalDollar(BoundedString& s) {
    if (TextLast(s) == '$') TextCut(s, TextLen(s) - 1);
}

}  // namespace

void FillAdjectiveTables() {
    if (gFilled && gAdjectiveEndings.count >= 128 && gAdjectiveExceptions.count >= kExceptionCount)
        return;
    for (u32 f = 0; f < 4; ++f)
        for (u32 m = 0; m < kModels; ++m)
            CopyCString(gAdjectiveEndings[static_cast<i32>(m + kModels * f)], kEndings[m][f]);
    for (u32 i = 0; i < kExceptionCount; ++i)
        CopyCString(gAdjectiveExceptions[static_cast<i32>(i)], kExceptions[i]);
    gFilled = true;
    gIndex.table = nullptr;
}

namespace {

// Exception i matched: the word turned into the form the selector asks for.
void InflectAs(BoundedString& word, u32 i, const Work36& stem, u32 model, i16 selector) {
    Work72 out;
    TextCopy(out.s, stem.s);
    AppendEnding(out.s, model, static_cast<u32>(selector));
    if (i >= kFirstDoublePlural && selector == 2) {
        AppendByteToString(out.s, '&');
        AppendString(out.s, stem.s);
        if (i < kFirstAuxPlural) {
            TextCut(out.s, TextLen(out.s) - 1);
            AppendEnding(out.s, 0, 2);
        } else {
            AppendByteToString(out.s, 'l');
            AppendEnding(out.s, 1, 2);
        }
    }
    DropFinalDollar(out.s);
    TextCopy(word, out.s);
}

// Whether exception i (stem length `hyphen`, model `model`) spells the word
// in one of its four forms; its stem is left in `stem`.
bool ExceptionSpells(const BoundedString& word, u32 wordLength, u32 i, u32 hyphen, u32 model, Work36& stem) {
    const BoundedString& entry = gAdjectiveExceptions[static_cast<i32>(i)];
    // The stem (the entry before its hyphen, no terminator inside) must
    // open the word.
    if (wordLength < hyphen || std::memcmp(word.data, entry.data, hyphen) != 0) return false;
    CopyBytesToString(stem.s, entry.data, hyphen);
    Work36 candidate;
    for (u32 f = 1; f <= 4; ++f) {
        TextCopy(candidate.s, stem.s);
        AppendEnding(candidate.s, model, f);
        if (TextSame(candidate.s, word)) return true;
    }
    return false;
}

}  // namespace

i16 InflectFrenchIrregularAdjective(BoundedString& word) {
    const i16 selector = static_cast<i16>(gErrorExtent);
    if (selector < 1 || selector > 4) return 0;
    FillAdjectiveTables();
    if (gIndex.table != gAdjectiveExceptions.data) BuildIndex();
    const ExceptionIndex& x = gIndex;
    Work36 stem;
    const u32 wordLength = TextLen(word);
    // The entries whose stem opens with the word's first byte, and those
    // opening with the hyphen (an empty stem), in their order.
    const u8 first = word.data[0];
    u32 a = x.start[first], aEnd = x.start[first + 1];
    u32 h = first == '-' ? 0 : x.start['-'], hEnd = first == '-' ? 0 : x.start['-' + 1];
    while (a < aEnd || h < hEnd) {
        const bool takeA = h >= hEnd || (a < aEnd && x.order[a] < x.order[h]);
        const u32 i = takeA ? x.order[a++] : x.order[h++];
        if (!ExceptionSpells(word, wordLength, i, x.stemLength[i], x.model[i], stem)) continue;
        InflectAs(word, i, stem, x.model[i], selector);
        return 1;
    }
    return 0;
}
