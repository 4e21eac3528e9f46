// Word stem derivation for words the dictionary does not know.
#include "morphology/word_stem.h"

#include <cstring>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/mac_roman_literal.h"
#include "frame/records.h"
#include "frame/settings.h"
#include "frame/tables.h"
#include "morphology/dict_format.h"
#include "morphology/section_walk.h"
#include "morphology/token_base_form.h"
#include "morphology/verb_slots.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u8 kVerbFormClass = 0xF0;
constexpr u8 kEnglishVerbClass = 0x80;
constexpr u8 kProperNounClass = 0x40;
constexpr u32 kGuessLemmaRef = 8;
constexpr i16 kSuffixCode = -1;  // the analysis byte is the suffix's code

// One row of a suffix reading table: the suffixes it covers and their
// reading. Readings 2 are not given while the plural flag is set.
struct SuffixReading {
    const char* suffixes[19];
    u8 readings;
    u8 wordClass;
    u8 features;
    i16 analysisByte;
};

const SuffixReading kFrenchReadings[] = {
    {{"us"}, 1, 'A', 28, kSuffixCode},
    {{"au", "eu", "at", "et", "in", "ot", "eau", "age", "oir", "isme", MR("mètre"), "gramme"}, 1, 'A', 20, kSuffixCode},
    {{"is"}, 2, 'C', 28, 73},
    {{"er", "ir", "ier", "fier", "cier"}, 2, 'C', 20, 82},
    {{"ie", "ante", "ente", "onne"}, 2, 'C', 36, kSuffixCode},
    {{"on", "ion", "logue", "graphe"}, 1, 'A', 4, kSuffixCode},
    {{MR("ée")}, 2, kVerbFormClass, 4, 1},
    {{"al"}, 1, 'C', 20, 255},
    {{"el"}, 1, 'C', 20, 233},
    {{"en"}, 1, 'A', 20, 78},
    {{"if"}, 1, 'C', 20, 238},
    {{"me", "te", "ote", "ope", "ale", "ive"}, 2, 'C', 4, 69},
    {{"ai"}, 2, 'C', 20, 73},
    {{"as"}, 2, kVerbFormClass, 25, 1},
    {{"es"}, 2, kVerbFormClass, 7, 1},
    {{"ez"}, 1, kVerbFormClass, 53, 1},
    {{"it"}, 2, 'C', 20, 84},
    {{"ons"}, 2, kVerbFormClass, 52, 1},
    {{"ait", "ant", "ent", "isant"}, 2, 'C', 20, 84},
    {{"era"}, 1, kVerbFormClass, 20, 1},
    {{"ira"}, 1, kVerbFormClass, 20, 15},
    {{"iez"}, 1, kVerbFormClass, 57, 1},
    {{MR("ète"), MR("ère"), MR("âtre"), "cole", "esque", "phobe"}, 1, 'C', 4, 69},
    {{"aux"}, 1, 'C', 24, 161},
    {{"eux"}, 1, 'C', 28, 237},
    {{"ais"}, 2, kVerbFormClass, 12, 1},
    {{"ade", "ate", "ide", "ite", "que", "ique"}, 2, 'C', 4, kSuffixCode},
    {{"eur"}, 1, 'C', 20, kSuffixCode},
    {{"ine", "ose", "ure", MR("acée"), "ance", "ence", "erie", "esse", "ation", "ition", "logie", "cation",
      MR("métrie"), "philie", "pathie", MR("abilité"), "graphie", "isation"},
     1, 'A', 36, kSuffixCode},
    {{MR("ité")}, 2, kVerbFormClass, 2, 1},
    {{"ien"}, 1, 'C', 20, 244},
    {{MR("idé")}, 1, 'C', 20, 92},
    {{MR("eté")}, 2, kVerbFormClass, 2, 7},
    {{MR("été")}, 2, kVerbFormClass, 2, 3},
    {{"air"}, 1, 'C', 20, 82},
    {{"ois"}, 1, 'C', 20, 246},
    {{"eaux"}, 1, 'A', 24, 171},
    {{"ment", "ement", "alement", "blement", "ellement"}, 2, 20, 0, 204},
    {{"able", MR("gène"), "logique"}, 1, 'B', 4, kSuffixCode},
    {{"aire", "iste", MR("oïde"), "oire", "phile", "atoire"}, 1, 'C', 4, kSuffixCode},
    {{"elle", "ette", "euse", MR("ière"), "aise", "oise", "rice", "ative", "ienne", "atrice", "icienne", "issante",
      "isseuse"},
     1, 'C', 36, kSuffixCode},
    {{"atif"}, 1, 'C', 20, 251},
    {{"enne", "isante"}, 1, 'C', 36, 69},
    {{"ible", MR("fère"), "forme"}, 1, 'B', 4, 69},
    {{MR("ât")}, 1, kVerbFormClass, 38, 1},
    {{MR("ît")}, 1, kVerbFormClass, 38, 15},
    {{"ison"}, 1, 'A', 36, 78},
    {{"ateur", "isseur"}, 1, 'C', 20, 236},
    {{"icien"}, 1, 'C', 20, 247},
    {{"type"}, 1, 'A', 4, 69},
    {{"erai"}, 1, kVerbFormClass, 18, 1},
    {{"eras"}, 1, kVerbFormClass, 19, 1},
    {{"erez"}, 1, kVerbFormClass, 22, 1},
    {{"ions"}, 2, kVerbFormClass, 56, 1},
    {{"irai"}, 1, kVerbFormClass, 18, 15},
    {{"iras"}, 1, kVerbFormClass, 19, 15},
    {{"irez"}, 1, kVerbFormClass, 22, 15},
    {{"isse"}, 2, kVerbFormClass, 59, 15},
    {{"erais"}, 1, kVerbFormClass, 42, 1},
    {{"erait"}, 1, kVerbFormClass, 44, 1},
    {{"eriez"}, 1, kVerbFormClass, 46, 1},
    {{"erons"}, 2, kVerbFormClass, 21, 1},
    {{"eront"}, 1, kVerbFormClass, 23, 1},
    {{MR("èrent")}, 1, kVerbFormClass, 29, 1},
    {{"aient"}, 1, kVerbFormClass, 17, 1},
    {{"issage"}, 1, 'A', 20, 174},
    {{"issant"}, 2, 'C', 20, kSuffixCode},
    {{"irais"}, 1, kVerbFormClass, 42, 15},
    {{"irait"}, 1, kVerbFormClass, 44, 15},
    {{"iriez"}, 1, kVerbFormClass, 46, 15},
    {{"irons"}, 2, kVerbFormClass, 21, 15},
    {{"iront"}, 1, kVerbFormClass, 23, 15},
    {{"irent"}, 1, kVerbFormClass, 29, 15},
    {{"isses"}, 2, kVerbFormClass, 31, 15},
    {{"issez"}, 1, kVerbFormClass, 10, 15},
    {{"erions"}, 2, kVerbFormClass, 45, 1},
    {{"irions"}, 2, kVerbFormClass, 45, 15},
    {{"issais"}, 1, kVerbFormClass, 12, 15},
    {{"issait"}, 1, kVerbFormClass, 14, 15},
    {{"issons"}, 2, kVerbFormClass, 9, 15},
    {{"issiez"}, 1, kVerbFormClass, 16, 15},
    {{"issent"}, 1, kVerbFormClass, 61, 15},
    {{"eraient"}, 1, kVerbFormClass, 47, 1},
    {{"ivement", "mment", "airement", MR("èrement"), "ennement", "eusement", "iquement"}, 1, 20, 0, 188},
    {{"iraient"}, 1, kVerbFormClass, 47, 15},
    {{"issions"}, 2, kVerbFormClass, 62, 15},
    {{MR("ibilité")}, 1, 'A', 36, 92},
    {{MR("âmes")}, 1, kVerbFormClass, 27, 1},
    {{MR("âtes")}, 1, kVerbFormClass, 28, 1},
    {{MR("îmes")}, 1, kVerbFormClass, 27, 15},
    {{MR("îtes")}, 1, kVerbFormClass, 28, 15},
    {{"asse"}, 2, kVerbFormClass, 36, 1},
    {{"asses"}, 2, kVerbFormClass, 37, 1},
    {{"assiez"}, 1, kVerbFormClass, 40, 1},
    {{"assent"}, 1, kVerbFormClass, 41, 1},
    {{"assions"}, 2, kVerbFormClass, 39, 1},
    {{"onnement", "issement"}, 1, 'A', 20, 84},
    {{"issaient"}, 1, kVerbFormClass, 17, 15},
};

const SuffixReading kEnglishReadings[] = {
    {{"ed", "ffed", "vved"}, 1, 0x80, 3, 1},
    {{"ly", "est", "ful", "ish", "ous", "able", "ical", "iest", "ious", "less", "like", "free", "eless", "ional",
      "istic"},
     1, 'B', 12, kSuffixCode},
    {{"ae"}, 1, 'A', 8, 255},
    {{"al", "an", "ic", "ary", "ory", "ant", "ent", "ier"}, 1, 'C', 4, kSuffixCode},
    {{"ee", "el", "er", "et", "on", "or", "age", "ate", "ion", "ism", "ist", "ancy", "ness", "ance", "ence", "ment",
      "ship", "land", "eness"},
     1, 'A', 4, kSuffixCode},
    {{"iness", "ation", "ement", "edness", "liness", "ionist", "ability", "fulness", "ingness", "ishness",
      "iveness", "ousness", "ableness", "iousness", "lessness"},
     1, 'A', 4, kSuffixCode},
    {{"cy"}, 1, 'A', 4, 248},
    {{"us"}, 1, 'A', 4, 253},
    {{"ely", "ily", "ively"}, 2, 20, 0, 25},
    {{"ing", "ffing", "vving"}, 2, 0x80, 2, 1},
    {{"ive"}, 2, 'B', 0, kSuffixCode},
    {{"ify"}, 1, 0x80, 0, 17},
    {{"ize"}, 1, 0x80, 0, 16},
    {{"man"}, 1, 'A', 4, 254},
    {{"ery"}, 2, 'A', 4, 250},
    {{"ity"}, 2, 'A', 4, 251},
    {{"ess"}, 1, 'A', 4, 252},
    {{"ably", "ally", "edly", "antly", "ently", "fully", "ingly", "ishly", "ously", "ically", "iously", "lessly"},
     1, 20, 0, 25},
    {{"some", "ible", "esque"}, 1, 'B', 12, 5},
    {{"most"}, 1, 'B', 12, 20},
    {{"men"}, 1, 'A', 8, 254},
    {{"ium"}, 1, 'A', 4, 45},
    {{"ies"}, 2, 0x80, 1, 17},
    {{"ises"}, 2, 0x80, 1, 16},
    {{"izes"}, 1, 0x80, 1, 16},
    {{"ifies"}, 1, 0x80, 1, 17},
    {{"ency"}, 1, 'A', 4, 249},
    {{"cies"}, 2, 'A', 8, 248},
    {{"uses"}, 2, 'A', 8, 253},
    {{"ings"}, 1, 'A', 8, 39},
    {{"ives", "ables"}, 1, 'A', 8, 37},
    {{"eries"}, 2, 'A', 8, 250},
    {{"ities"}, 2, 'A', 8, 251},
    {{"esses"}, 1, 'A', 8, 252},
    {{"worthy"}, 1, 'B', 12, 25},
    {{"ied", "ified"}, 1, 0x80, 3, 17},
    {{"ised", "ized"}, 1, 0x80, 3, 16},
    {{"bbed"}, 1, 0x80, 3, 4},   {{"dded"}, 1, 0x80, 3, 5},   {{"gged"}, 1, 0x80, 3, 6},
    {{"kked"}, 1, 0x80, 3, 15},  {{"lled"}, 1, 0x80, 3, 7},   {{"mmed"}, 1, 0x80, 3, 8},
    {{"nned"}, 1, 0x80, 3, 9},   {{"pped"}, 1, 0x80, 3, 10},  {{"rred"}, 1, 0x80, 3, 11},
    {{"ssed"}, 1, 0x80, 3, 12},  {{"tted"}, 1, 0x80, 3, 13},  {{"zzed"}, 1, 0x80, 3, 14},
    {{"bbing"}, 2, 0x80, 2, 4},  {{"dding"}, 2, 0x80, 2, 5},  {{"gging"}, 2, 0x80, 2, 6},
    {{"kking"}, 2, 0x80, 2, 15}, {{"lling"}, 2, 0x80, 2, 7},  {{"mming"}, 2, 0x80, 2, 8},
    {{"nning"}, 2, 0x80, 2, 9},  {{"pping"}, 2, 0x80, 2, 10}, {{"rring"}, 2, 0x80, 2, 11},
    {{"ssing"}, 2, 0x80, 2, 12}, {{"tting"}, 2, 0x80, 2, 13}, {{"zzing"}, 2, 0x80, 2, 14},
    {{"ying"}, 1, 0x80, 2, 17},
    {{"ising", "izing"}, 1, 0x80, 2, 16},
    {{"ifying"}, 1, 0x80, 2, 17},
};

// English suffixes the guess skips: ion ant ent ier ing ism ity ive ence
// ency able.
constexpr u32 kEnglishSkipped[] = {32, 33, 36, 39, 41, 43, 44, 45, 64, 65, 80};

template <size_t N>
const SuffixReading* ReadingOf(const SuffixReading (&table)[N], const BoundedString& suffix) {
    for (const SuffixReading& row : table)
        for (const char* s : row.suffixes) {
            if (s == nullptr) break;
            if (TextEquals(suffix, s)) return &row;
        }
    return nullptr;
}

// The suffix code of list entry `index`: 160 + its first position in the
// letter table (0 when it is not there).
u8 SuffixCode(u32 index) {
    u32 k = 0;
    for (u32 p = 0; p < gLetterTable.count; ++p)
        if (gLetterTable[static_cast<i32>(p)] == index) {
            k = p;
            break;
        }
    return static_cast<u8>((k + 160) & 0xFF);
}

struct Guess {
    i16 index;
    WordRecord& record;
    bool french;
    Work36 t;      // the word, shortened by a removed plural s
    bool plural = false;
    u16& readings;
    u8& cls;
    u8& features;
    u8& byte;

    i32 L() const { return t.Length(); }
    u8 Last(i32 k = 0) const { return t.At(L() - 1 - k); }
    void Set(u16 r, u8 c, u8 f, u8 b) {
        readings = r;
        cls = c;
        features = f;
        byte = b;
    }
    void Base(const BoundedString& text) { TextSet(record.BaseText, text); }
};

bool IsCapitalInitial(u8 c) { return (c >= 'A' && c <= 'Z') || (c >= 0x80 && c <= 0x86) || c == 0xBE || c == 0xCE; }

StringList& WorkList() {
    static StringList list;
    if (list.valid == 0) InitByteMatrix(list, 16, 36);
    return list;
}

bool AcceptTail(bool french, u8 cls, u8 byte) {
    if (french)
        return cls == 'A' || cls == 'B' || cls == 'C' || (cls >= 0x80 && byte < 112) || cls == 18 || cls == 'M' ||
               cls == 'N';
    return cls == 56 || cls == 57 || cls == 58 || (cls >= 0x80 && (byte < 27 || byte > 33));
}

// Step 3: a known tail. 1 accepted (done), 0 nothing known, -1 a tail
// known but of a class the guess does not take.
i32 KnownTail(Guess& g) {
    const i32 n = g.L();
    if (n < 7) return 0;
    for (i32 s = 1; s < n - 5; ++s) {
        Work36 w;
        w.Set(g.t.bytes + s, n - s);
        for (i32 k = 0; k < w.Length(); ++k) w.bytes[k] = ToLowerMacRoman(w.bytes[k]);
        Work36 analysed;
        analysed.Set(w.s);
        u16 count = 0;
        gCaseMode = kCaseAsked;
        AnalyseWordForms(g.french ? kModeFrenchPlain : kModeEnglishPlain, analysed.s, count, WorkList());
        if (count == 0) continue;
        u8 cls = static_cast<u8>(gWordTagCodes[0] >> 8);
        const u8 features = static_cast<u8>(gWordTagCodes[0] & 0xFF);
        const u8 byte = gWordAnalysisBytes[0];
        const u32 lemma = gWordLemmaRefs[0];
        if (!AcceptTail(g.french, cls, byte)) return -1;
        if (w.At(0) == '-') w.Set(w.bytes + 1, w.Length() - 1);
        Work36 saved;
        saved.Set(g.record.WordText);
        TextSet(g.record.WordText, w.s);
        g.record.ReadingClasses[0] = cls;
        g.record.ReadingFeatures[0] = features;
        g.record.ReadingMarks[0] = byte;
        g.record.ReadingLemmaRefs[0] = lemma;
        Work36 base;
        GetTokenBaseForm(g.index, base.s);
        Work36 text;
        text.Set(g.t.bytes, s);
        AppendString(text.s, base.s);
        g.Base(text.s);
        TextSet(g.record.WordText, saved.s);
        if (g.french && (cls == 'M' || cls == 'N')) cls = 'C';
        if (!g.french) cls = cls == 56 ? 'B' : cls == 57 ? 'A' : cls == 58 ? 20 : cls;
        g.Set(static_cast<u16>(s + 128), cls, features, byte);
        return 1;
    }
    return 0;
}

// The last suffix of the list (in list order) that ends the word.
i32 MatchSuffix(const Guess& g, const StringList& list, bool english) {
    i32 match = -1;
    for (u32 k = 0; k < list.count; ++k) {
        if (english) {
            bool skip = false;
            for (u32 x : kEnglishSkipped) skip = skip || x == k;
            if (skip) continue;
        }
        const BoundedString& s = list[static_cast<i32>(k)];
        const i32 n = GetStringLength(s);
        if (n > 0 && n <= g.L() && TextEndsWith(g.t.s, reinterpret_cast<const char*>(s.data))) match = static_cast<i32>(k);
    }
    return match;
}

void ApplyReading(Guess& g, const SuffixReading& row, u32 index) {
    const u16 readings = row.readings == 2 && g.plural ? 0 : row.readings;
    const u8 byte = row.analysisByte == kSuffixCode ? SuffixCode(index) : static_cast<u8>(row.analysisByte);
    g.Set(readings, row.wordClass, row.features, byte);
}

bool ShortenedByOne(const BoundedString& s) {
    static const char* const kOne[] = {"me", "te", "ote", "ope", "ade", "ate", "ide", "ite", "que", "ique",
                                       "ale", "ive", MR("eté"), MR("été"), MR("ité")};
    for (const char* x : kOne)
        if (TextEquals(s, x)) return true;
    return false;
}

// A first-group verb guess whose stem ends in c, ç, g or ge takes the
// model of those spellings (4: placer, 11: manger).
void RefineFirstGroupModel(Guess& g, const BoundedString& suffix, i32 stemLength) {
    const u8 q = g.t.At(stemLength - 1);
    const bool geStem = q == 'e' && g.t.At(stemLength - 2) == 'g';
    if (q != 'c' && q != MRC("ç") && q != 'g' && !geStem) return;
    const u8 slot = SlotOfVerbTagCode(g.features);
    if (gEndingRows.count < 2) return;
    const EndingRow& row = gEndingRows[1];
    const u32 length = row.EndingLengths[slot];
    const u8* text = length > 0 ? EndingText(length, row.EndingIndexes[slot]) : nullptr;
    if (text == nullptr || static_cast<i32>(length) != GetStringLength(suffix) ||
        std::memcmp(text, suffix.data, length) != 0)
        return;
    const u8 f = text[0];
    if ((q == 'c' && (f == 'e' || f == 'i')) || (q == MRC("ç") && (f == 'a' || f == 'o'))) g.byte = 4;
    else if ((q == 'g' && (f == 'e' || f == 'i')) || (geStem && (f == 'a' || f == 'o'))) g.byte = 11;
}

void FrenchSuffixResult(Guess& g, const BoundedString& suffix) {
    const i32 ls = GetStringLength(suffix);
    const i32 stemLength = g.L() - ls;
    if (g.cls == kVerbFormClass) {
        i32 cut = ls;
        if (ShortenedByOne(suffix)) cut = 1;
        else if (TextEquals(suffix, "ier") || TextEquals(suffix, "cier") || TextEquals(suffix, "fier") || TextEquals(suffix, "er"))
            cut = 2;
        Work36 base;
        base.Set(g.t.bytes, g.L() - cut);
        if (g.byte == 1) AppendCString(base.s, g.t.At(stemLength - 1) == 'e' ? "r" : "er");
        else if (g.byte == 15) AppendCString(base.s, "ir");
        g.Base(base.s);
    } else {
        g.Base(g.t.s);
    }
    g.record.ReadingLemmaRefs[0] = kGuessLemmaRef;
    if (g.cls == kVerbFormClass && g.byte == 1) RefineFirstGroupModel(g, suffix, stemLength);
    if (g.cls != kVerbFormClass && g.plural) g.features = static_cast<u8>(g.features + 4);
}

void FrenchPlainResult(Guess& g) {
    g.record.ReadingLemmaRefs[0] = kGuessLemmaRef;
    Work36 base;
    base.Set(g.t.s);
    if (g.cls == kVerbFormClass && g.byte == 1) {
        TextCut(base.s, base.Length() - 1);
        AppendCString(base.s, "er");
    }
    g.Base(base.s);
    if (!g.plural) return;
    if (g.cls >= 0x80) g.features = g.features == 2 ? 3 : g.features == 4 ? 5 : static_cast<u8>(g.features + 4);
    else g.features = static_cast<u8>(g.features + 4);
}

void FrenchDefaults(Guess& g) {
    const u8 c1 = g.Last(), c2 = g.Last(1);
    if (c1 == 's') g.Set(1, 'A', 20, 19);
    else if (c1 == 'e' && (c2 == 'a' || c2 == 'e' || c2 == 'o' || c2 == 'j' || c2 == 'w')) g.Set(1, 'B', 4, 'E');
    else if (c1 == 'e') g.Set(2, 'C', 4, 'E');
    else if (c1 == 'a') g.Set(2, 'C', 4, 'A');
    else if (c1 == MRC("é")) g.Set(2, kVerbFormClass, 2, 1);
    else g.Set(1, 'A', 4, static_cast<u8>(c1 - 32));
}

// English verb guesses: the base form before the suffix.
void EnglishVerbBase(Guess& g, const BoundedString& suffix, Work36& base) {
    const i32 n = g.L();
    base.Set(g.t.s);
    const bool ed = TextEndsWith(suffix, "ed");
    const bool ing = TextEndsWith(suffix, "ing");
    const bool es = TextEndsWith(suffix, "es");
    if (g.byte == 17) {  // carry, study, classify
        if (TextEndsWith(suffix, "ied") || TextEndsWith(suffix, "ies")) {
            TextCut(base.s, n - 3);
            AppendCString(base.s, "y");
        } else if (ing) {
            TextCut(base.s, n - 3);
        }
    } else if (g.byte == 16) {  // realise, realize
        if (ed || es) TextCut(base.s, n - 1);
        else if (ing) {
            TextCut(base.s, n - 3);
            AppendCString(base.s, "e");
        }
    } else if (g.byte >= 4 && g.byte <= 15) {  // a doubled consonant
        TextCut(base.s, n - (ed ? 3 : 4));
    } else if (ed || ing) {
        TextCut(base.s, n - (ed ? 2 : 3));
    } else if (es) {
        TextCut(base.s, n - 1);
    }
}

void EnglishSuffixResult(Guess& g, const BoundedString& suffix) {
    Work36 base;
    base.Set(g.t.s);
    const i32 n = g.L();
    if (g.cls < kEnglishVerbClass) {
        if (g.features == 8) {
            if (g.byte == 31) {
                TextCut(base.s, n - 3);
                AppendCString(base.s, "y");
            } else if (g.byte == 61 || g.byte == 253) {
                TextCut(base.s, n - 2);
            } else if (g.Last() == 's') {
                TextCut(base.s, n - 1);
            }
        }
    } else {
        EnglishVerbBase(g, suffix, base);
    }
    g.Base(base.s);
    g.record.ReadingLemmaRefs[0] = kGuessLemmaRef;
}

void EnglishPlainResult(Guess& g) {
    g.record.ReadingLemmaRefs[0] = kGuessLemmaRef;
    g.Base(g.t.s);
    if (g.plural) g.features = static_cast<u8>(g.features + 4);
}

void EnglishDefaults(Guess& g) {
    const u8 c1 = g.Last(), c2 = g.Last(1);
    if (c1 == 's') g.Set(1, 'A', 0, 19);
    else if (c1 == 'h' && (c2 == 'c' || c2 == 's')) g.Set(1, 'A', 8, ';');
    else if (c1 == 'y') g.Set(2, 'C', 4, (c2 == 'a' || c2 == 'e' || c2 == 'i' || c2 == 'o' || c2 == 'u') ? 57 : 31);
    else g.Set(2, 'C', 4, static_cast<u8>(c1 - 64));
}

// Steps 4 and 5 for one language; true when a guess was made, false when
// a plural s was removed for a new attempt.
bool SuffixGuess(Guess& g) {
    const StringList& list = g.french ? gFrenchSuffixes : gEnglishSuffixes;
    const i32 k = MatchSuffix(g, list, !g.french);
    if (k >= 0) {
        const BoundedString& suffix = list[k];
        const SuffixReading* row = g.french ? ReadingOf(kFrenchReadings, suffix) : ReadingOf(kEnglishReadings, suffix);
        if (row != nullptr) {
            ApplyReading(g, *row, static_cast<u32>(k));
            if (g.french) FrenchSuffixResult(g, suffix);
            else EnglishSuffixResult(g, suffix);
            return true;
        }
    }
    const u8 c1 = g.Last();
    if (c1 == 'x' || c1 == 'z') {
        g.Set(1, 'A', g.french ? 28 : 0, static_cast<u8>(c1 - 96));
    } else if (c1 == 's' && g.Last(1) != 's' && g.L() > 1) {
        TextCut(g.t.s, g.L() - 1);
        g.plural = true;
        return false;
    } else if (g.french) {
        FrenchDefaults(g);
    } else {
        EnglishDefaults(g);
    }
    if (g.french) FrenchPlainResult(g);
    else EnglishPlainResult(g);
    return true;
}

}  // namespace

i16 DeriveWordStemForm(i16 wordIndex, u16& readings, u8& wordClass, u8& features, u8& analysisByte) {
    WordRecord& record = gWords[wordIndex];
    Guess g{wordIndex, record, gCheckingLanguage != 0, {}, false, readings, wordClass, features, analysisByte};
    g.t.Set(record.WordText);
    gCaseMode = kCaseAsked;
    if (wordIndex > 0 && IsCapitalInitial(g.t.At(0))) {
        g.Set(1, kProperNounClass, 0, static_cast<u8>(g.Last() - 64));
        return 0;
    }
    readings = 0;
    for (;;) {
        const i32 tail = KnownTail(g);
        if (tail == 1) return 0;
        if (SuffixGuess(g)) return 0;
    }
}
