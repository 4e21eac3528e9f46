// The English items of the section walk: ending and suffix codes, class
// bytes, the closed-class table and its word-ending rules, and the readings
// of verb slots (see section_walk.h).
#include <array>
#include <cstring>
#include <iterator>

#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/tables.h"
#include "morphology/dict_format.h"
#include "morphology/section_walk.h"

namespace {

constexpr u8 kClassNoun = '9';
constexpr u8 kClassAdjective = '8';
constexpr u16 kTagAbbreviation = 0x1C00;
constexpr u16 kTagAdverb = 0x3A00;
constexpr u8 kBeModelByte = '%';
constexpr u8 kIsVariant = 129;  // the analysis byte of a variant item
constexpr u8 kEAcute = 0x8E;
constexpr u8 kAGrave = 0x88;

u16 Tag(u8 cls, u32 features) { return static_cast<u16>(cls << 8 | (features & 0xFF)); }

// The key without its reserved prefix (its leading bytes below 'A').
KeyText Stripped(const KeyText& key) {
    KeyText k = key;
    while (k.length > 0 && k.bytes[0] < 'A') {
        ++k.bytes;
        --k.length;
    }
    return k;
}

bool EndsWith(const KeyText& k, const char* text) {
    const u32 n = static_cast<u32>(std::strlen(text));
    return n <= k.length && std::memcmp(k.bytes + k.length - n, text, n) == 0;
}

void Add(EnglishItemResult& out, u16 tag, u8 byte, u8 index = kEnglishAppend) {
    if (out.n >= 6) return;
    EnglishWrite& w = out.writes[out.n++];
    w.tag = tag;
    w.byte = byte;
    w.index = index;
}

// Fixed readings: written from index 0, the count their number.
void Fixed(EnglishItemResult& out, std::initializer_list<u16> tags, u8 byte) {
    out.n = 0;
    out.fromStart = true;
    for (u16 t : tags) Add(out, t, byte);
}

// ---- Endings -------------------------------------------------------------------------

const u8* SuffixText(u32 index, u32 length) {
    if (index >= gEnglishSuffixes.count) return nullptr;
    const BoundedString& s = gEnglishSuffixes.data[index];
    if (s.count < length || GetStringLength(s) != static_cast<i32>(length)) return nullptr;
    return s.data;
}

bool RestEquals(const KeyText& key, u32 r, const u8* text, u32 n) {
    return text != nullptr && n <= r && std::memcmp(key.bytes + key.length - r, text, n) == 0;
}

bool MatchSuffixCode(u8 code, const KeyText& key, u32 r, u8& number) {
    if (r > 8 || r > key.length) return false;
    const u8* rest = key.bytes + key.length - r;
    if (code == 254) {
        if (r != 3 || rest[0] != 'm') return false;
        if (rest[1] == 'a' && rest[2] == 'n') return number = 1, true;
        if (rest[1] == 'e' && rest[2] == 'n') return number = 2, true;
        return false;
    }
    const u32 slot = code - kSuffixCodeFirst;
    if (slot >= 94 || slot >= gLetterTable.count) return false;
    const u32 index = gLetterTable.data[slot];
    const u32 block = index / 32, pos = index % 32;
    if (r >= 2 && block == r - 2 && RestEquals(key, r, SuffixText(index, r), r)) return number = 1, true;
    if (r >= 3 && code < 248 && block == r - 3 && pos >= 16 && pos <= 27 && rest[r - 1] == 's' &&
        RestEquals(key, r, SuffixText(index, r - 1), r - 1))
        return number = 2, true;
    if (r >= 4 && code >= 252 && block == r - 4 && pos == 31 && EndsWith(key, "es") &&
        RestEquals(key, r, SuffixText(index, r - 2), r - 2))
        return number = 2, true;
    if (r >= 4 && code >= 248 && code <= 251 && block == r - 4 && pos >= 28 && pos <= 30 &&
        EndsWith(key, "ies") && RestEquals(key, r, SuffixText(index, r - 2), r - 3))
        return number = 2, true;
    return false;
}

// The singular letter that codes 28..31 and 59..63 name at r = 1.
u8 CodeLetter(u8 code) {
    switch (code) {
        case 28: return kEAcute;
        case 29: return kAGrave;
        case 30: return 's';
        case 31: return 'y';
        case 59: return 'h';
        case 60: return 'o';
        case 61: return 's';
        case 62: return 'x';
        case 63: return 'z';
        default: return 0;
    }
}

// ---- The closed-class table ------------------------------------------------------------

enum Match : u8 { kWhole, kPrefix, kWholeEndingS };
enum Write : u8 { kReplace, kAfter };
struct ClosedRow {
    const char* words;  // blank-separated; a trailing '+' matches a prefix
    u16 tags[4];
    Write write;
};

// Table order decides: the first row naming a word wins. 0x93 is the
// apostrophe of a contracted word, 0x9B the internal hyphen.
constexpr ClosedRow kClosedRows[] = {
    {"the", {0x6530}, kReplace},
    {"them", {0x6008}, kReplace},
    {"they", {0x6108}, kReplace},
    {"this", {0x4F04}, kReplace},
    {"these those", {0x4F08}, kReplace},
    {"that who which", {0x4700}, kReplace},
    {"whom whose", {0x4900}, kReplace},
    {"what", {0x4704, 0x5100}, kReplace},
    {"thy", {0x7000}, kReplace},
    {"their", {0x7A00}, kReplace},
    {"three", {0x5300}, kReplace},
    {"thou", {0x5902}, kReplace},
    {"thee", {0x5A02}, kReplace},
    {"you", {0x5C0A}, kReplace},
    {"she", {0x5E27}, kReplace},
    {"her", {0x7400, 0x6200}, kReplace},
    {"his its", {0x7300}, kReplace},
    {"him h\x93m", {0x5F00}, kReplace},
    // The reflexive pronouns are object pronouns of the class of "her" (the
    // clause analysis matches them with their subject by that class); the
    // sources tag them as pronouns and nothing else names their class, so
    // without this row they read as adjectives ("to myself").
    {"myself yourself himself herself itself oneself thyself ourselves yourselves themselves", {0x6200},
     kReplace},
    {"our", {0x7600}, kReplace},
    {"your", {0x7800}, kReplace},
    {"ours", {0x4401}, kReplace},
    {"hers", {0x4400}, kReplace},
    {"yours", {0x4402}, kReplace},
    {"theirs", {0x4403}, kReplace},
    {"and nor", {0x1000}, kReplace},
    {"either", {0x1000, 0x5100}, kReplace},
    {"neither", {0x1000, 0x4B00, 0x5108}, kReplace},
    {"than though when whereas wherever whether because lest unless although", {0x1100}, kReplace},
    // "however" is an adverb before it is a conjunction ("However, he came").
    {"however", {0x3A00, 0x1100}, kReplace},
    {"then now once", {0x1100, 0x3A00}, kReplace},
    {"wherefore", {0x1100, 0x3900}, kReplace},
    {"if", {0x1100, 0x4104}, kReplace},
    {"why", {0x1100, 0x3A00, 0x3904}, kReplace},
    {"tho thru via qua per from into with above along among across amidst during unlike "
     "against amongst despite through underneath",
     {0x2200}, kReplace},
    {"before for after since until", {0x2200, 0x1100}, kReplace},
    // "upon" governs a noun ("based upon the hymn") and "about" is an
    // adverb before a number too ("about $20,000").
    {"in below beyond between beneath notwithstanding+ beside+ upon about", {0x2200, 0x3A00}, kReplace},
    // "but" joins clauses and phrases far more often than it governs a
    // noun: its coordinating reading comes first.
    {"but", {0x1000, 0x2200, 0x1100, 0x3A00}, kReplace},
    {"off", {0x2200, 0x3700, 0x3A00}, kReplace},
    {"within around without", {0x2200, 0x3A00, 0x3700}, kReplace},
    {"behind", {0x2200, 0x3A00, 0x3800}, kReplace},
    // "yes" answers a question: an interjection before it is an adverb.
    {"yes yep", {0x1200, 0x3A00}, kReplace},
    {"forth maybe thus there+ thence thrice whilst whence where+ not nohow nowhere+ anymore "
     "somewhat too ago fro how oft yet yon poi aft ere also very else ever here soon "
     "often again ahead aloft never quite twice almost enough indeed rather seldom sooner wether "
     "already howbeit instead perhaps tonight upstairs together elsewhere meanwhile therefore "
     "altogether beforehand downstairs henceforth nevertheless e\x93"
     "er ne\x93"
     "er o\x93"
     "er o\x93"
     "clock",
     {0x3A00}, kReplace},
    // "place" and "times" are nouns before all ("in place", "three times").
    {"place", {0x3904, 0x3A00}, kReplace},
    {"times", {0x3908, 0x3A00}, kReplace},
    {"today tomorrow andante allegr+ largo presto rondo scherzo staccato flyaways sideways "
     "doubtless day time coast down on out rear shore side sun up van",
     {0x3A00}, kAfter},
    {"aye yea lee sea east+ north+ south+ west+", {0x3704, 0x3A00}, kReplace},
    {"funny elder", {0x380C}, kReplace},
    {"ill good small great extra first just late less near next little", {0x380C, 0x3A00},
     kReplace},
    {"far farther", {0x3A00, 0x3800}, kReplace},
    {"dead", {0x3700}, kReplace},
    {"moose sheep swine aircraft horsepower hovercraft spacecraft watercraft", {0x3900}, kReplace},
    {"ma mu", {0x3904}, kReplace},
    {"id", {0x1C00, 0x3904}, kReplace},
    {"no", {0x5100, 0x3A00}, kReplace},
    {"all another certain", {0x5100}, kReplace},
    // "some" and "any" determine either number ("some bread", "some
    // books"); the words they begin and "every", "each" are singular.
    {"some any", {0x510C}, kReplace},
    // The pronouns made of "any", "every", "some" and "body", "one",
    // "thing" stand alone, like "nobody" and "nothing".
    {"anybody anyone anything everybody everyone everything somebody someone something", {0x4B04, 0x5104},
     kReplace},
    {"any+ every+ some+ each", {0x5104}, kReplace},
    {"both many several various", {0x5108}, kReplace},
    {"different", {0x5108}, kAfter},
    {"such", {0x5000}, kReplace},
    {"much", {0x3A00, 0x5104, 0x4B04}, kReplace},
    {"none more most", {0x4B00, 0x3A00}, kReplace},
    // "body" is left to the sources, which read it as the noun it is ("a
    // body of men"); the rules tell "some body" written apart by its text.
    {"nobody nothing", {0x4B04}, kReplace},
    // "one" counts before it stands for a noun.
    {"one", {0x5300, 0x4B04}, kReplace},
    // "thing" is a noun first ("a thing", "things").
    {"thing", {0x3904, 0x4B04, 0x3A00}, kReplace},
    {"other others", {0x4B00}, kAfter},
    {"cannot", {0x8000}, kReplace},
    {"bar", {0x8000, 0x3904, 0x2200}, kReplace},
    {"saving", {0x8002, 0x3904, 0x2200}, kReplace},
    {"let\x93s", {0x800C}, kReplace},
    {"x\x93" "d od\x93" "d OK\x93" "d", {0x8003}, kReplace},
    {"x\x93ing od\x93ing OK\x93ing", {0x8002}, kReplace},
    {"that\x93s", {0x4604}, kReplace},
    {"bpi bpr bps cfm cps ext fps fwd kwh mpg mph", {0x1C00}, kReplace},
    {"aha bah fie hah hey huh oho rah tut ugh yah phew", {0x1200}, kReplace},
    {"vox pas res sen vas", {0x410C}, kReplace},
    {"sox", {0x4108}, kReplace},
    {"cum hoc von yom", {0x1800}, kReplace},
};

// Nouns written the same in both numbers, when the key ends in s.
const char* const kInvariableInS = "anopheles chassis contretemps corps patois precis revers species+";

// True when `words` (blank-separated, '+' for a prefix) names the key.
bool ListNames(const char* words, const KeyText& k) {
    const char* p = words;
    while (*p != 0) {
        const char* end = p;
        while (*end != 0 && *end != ' ') ++end;
        u32 n = static_cast<u32>(end - p);
        const bool prefix = n > 0 && p[n - 1] == '+';
        if (prefix) --n;
        if ((prefix ? k.length >= n : k.length == n) && std::memcmp(k.bytes, p, n) == 0) return true;
        p = *end == ' ' ? end + 1 : end;
    }
    return false;
}

u32 TagCountOf(const u16 (&tags)[4]) { return tags[3] != 0 ? 4 : tags[2] != 0 ? 3 : tags[1] != 0 ? 2 : 1; }

// The two-letter class-'8' words.
struct TwoLetterRow {
    const char* words;
    u16 tags[3];
};
const TwoLetterRow kTwoLetterRows[] = {
    {"an", {0x6344}},
    // "as" governs a noun as well ("as a boy", "as of today").
    {"as", {0x2200, 0x1100, 0x3A00}},
    {"at by re", {0x2200}},
    // "on" is an adverb too ("On we went", "and so on"), as the rows of
    // three letters and more say for "down", "out" and "up".
    {"on", {0x2200, 0x3A00}},
    {"he", {0x5D17}},
    {"me", {0x5600}},
    {"my", {0x6D00}},
    {"it", {0x5B07}},
    {"of", {0x2100}},
    {"or", {0x1000}},
    {"se al", {0x1800}},
    {"so", {0x3A00}},
    {"to", {0x2000}},
    {"us", {0x5708}},
    {"we", {0x5809}},
    {"ye", {0x5C02}},
    {"ha hi ho ah eh oh aw ay lo ow", {0x1200}},
};

bool TwoLetterWord(const KeyText& k, u8 byte, EnglishItemResult& out) {
    if (k.length != 2) return false;
    if (ListNames("am", k)) {
        Fixed(out, {0x8006}, kBeModelByte);
        return true;
    }
    for (const TwoLetterRow& row : kTwoLetterRows) {
        if (!ListNames(row.words, k)) continue;
        if (row.tags[2] != 0) Fixed(out, {row.tags[0], row.tags[1], row.tags[2]}, byte);
        else if (row.tags[1] != 0) Fixed(out, {row.tags[0], row.tags[1]}, byte);
        else Fixed(out, {row.tags[0]}, byte);
        return true;
    }
    return false;
}

// The words of the closed-class table by their first byte, each bucket in
// table order, so that a key is compared with the few words that begin as
// it does. Built once from the table.
struct ClosedWord {
    const char* text;
    u8 length;
    bool prefix;
    u8 row;
};
constexpr u32 kClosedWordCapacity = 512;

// The words of the table: their index must hold them all.
constexpr u32 ClosedWordCount() {
    u32 n = 0;
    for (const ClosedRow& row : kClosedRows)
        for (const char* p = row.words; *p != 0; ++p)
            if (*p != ' ' && (p == row.words || p[-1] == ' ')) ++n;
    return n;
}
static_assert(ClosedWordCount() <= kClosedWordCapacity, "the closed-class table outgrew its index");
struct ClosedWordIndex {
    std::array<ClosedWord, kClosedWordCapacity> words{};
    std::array<u16, 257> from{};  // bucket b: words[from[b], from[b + 1])
};

ClosedWordIndex BuildClosedWordIndex() {
    ClosedWordIndex x;
    std::array<u16, 256> counts{};
    auto forEachWord = [](auto&& visit) {
        for (size_t r = 0; r < std::size(kClosedRows); ++r) {
            const char* p = kClosedRows[r].words;
            while (*p != 0) {
                const char* end = p;
                while (*end != 0 && *end != ' ') ++end;
                visit(p, static_cast<u32>(end - p), static_cast<u8>(r));
                p = *end == ' ' ? end + 1 : end;
            }
        }
    };
    forEachWord([&](const char* p, u32, u8) { ++counts[static_cast<u8>(*p)]; });
    for (u32 b = 0; b < 256; ++b) x.from[b + 1] = static_cast<u16>(x.from[b] + counts[b]);
    std::array<u16, 256> next{};
    for (u32 b = 0; b < 256; ++b) next[b] = x.from[b];
    forEachWord([&](const char* p, u32 n, u8 row) {
        const bool prefix = p[n - 1] == '+';
        x.words[next[static_cast<u8>(*p)]++] = {p, static_cast<u8>(prefix ? n - 1 : n), prefix, row};
    });
    return x;
}

// The first row of the closed-class table that names the key; -1: none.
i32 ClosedRowOf(const KeyText& k) {
    static const ClosedWordIndex index = BuildClosedWordIndex();
    static_assert(std::size(kClosedRows) < 256);
    if (k.length == 0) return -1;
    const u8 first = k.bytes[0];
    for (u32 i = index.from[first]; i < index.from[first + 1]; ++i) {
        const ClosedWord& w = index.words[i];
        if ((w.prefix ? k.length >= w.length : k.length == w.length) &&
            std::memcmp(k.bytes, w.text, w.length) == 0)
            return w.row;
    }
    return -1;
}

bool ClosedTableWord(const KeyText& k, u16 computed, u8 number, u8 byte, EnglishItemResult& out) {
    if (ListNames("are", k)) {
        Fixed(out, {0x800A, 0x3904}, kBeModelByte);
        out.writes[0].beRef = out.writes[1].beRef = true;
        return true;
    }
    // "were" is a form of "be" like "are": its model and lemma.
    if (ListNames("were", k)) {
        Fixed(out, {0x800B}, kBeModelByte);
        out.writes[0].beRef = true;
        return true;
    }
    if (ListNames("yours", k) && number == 1) {
        Fixed(out, {0x4400}, byte);
        return true;
    }
    if (EndsWith(k, "s") && ListNames(kInvariableInS, k)) {
        Fixed(out, {0x3900}, byte);
        return true;
    }
    const i32 r = ClosedRowOf(k);
    if (r < 0) return false;
    const ClosedRow& row = kClosedRows[r];
    out.n = 0;
    out.fromStart = true;
    if (row.write == kAfter) Add(out, computed, byte);
    for (u32 i = 0; i < TagCountOf(row.tags); ++i) Add(out, row.tags[i], byte);
    return true;
}

const char* const kLyKeepers =
    "oily ugly wily sly burly curly girly hilly mealy marly scaly silly surly anally comely crawly "
    "cuddly frilly lonely lovely measly nubbly pearly pebbly purply ruffly rumply seemly shelly "
    "steely tinkly unholy unruly wabbly wobbly wiggly unsightly elderly prickly ratably sightly "
    "squally stately stubbly priestly unlovely";
const char* const kLyAdverbsToo = "only early deadly likely yearly friendly gingerly";
const char* const kWayKeepers = "faraway foldaway halfway underway one\x9Bway two\x9Bway";

// The word-ending rules of class-'8' words not in the table. An item filed
// as an adjective ('B': the word lists call it one) keeps its adjective in
// "ly" ("daily", "costly", "friendly"); an adverb item in "ly" (class 20)
// or a word without analysis becomes the adverb.
void WordEndingRules(const KeyText& k, u16 computed, u8 byte, bool adjectiveItem, EnglishItemResult& out) {
    if (EndsWith(k, "ly")) {
        if (ListNames(kLyKeepers, k)) return;
        if (ListNames(kLyAdverbsToo, k)) {
            Add(out, kTagAdverb, byte);
            return;
        }
        if (adjectiveItem) return;
        Fixed(out, {kTagAdverb}, byte < 204 ? 164 : byte);
        return;
    }
    if (EndsWith(k, "ia")) {
        const bool singular = (k.length >= 6 && EndsWith(k, "mania")) ||
                              (k.length >= 9 && (EndsWith(k, "philia") || EndsWith(k, "phobia")));
        out.writes[0].tag = singular ? 0x3904 : 0x3908;
        return;
    }
    if (EndsWith(k, "way")) {
        if (ListNames(kWayKeepers, k)) return;
        if (ListNames("straight+", k)) {
            Add(out, kTagAdverb, byte);
            return;
        }
        Fixed(out, {kTagAdverb}, byte);
    }
    (void)computed;
}

void ClassEightRules(const KeyText& key, u16 computed, u8 number, u8 byte, bool adjectiveItem,
                     EnglishItemResult& out) {
    const KeyText k = Stripped(key);
    if (TwoLetterWord(k, byte, out)) return;
    if (ClosedTableWord(k, computed, number, byte, out)) return;
    WordEndingRules(k, computed, byte, adjectiveItem, out);
}

// Noun-or-adjective words that also read as prepositions and adverbs.
const char* const kSideWords = "nearby opposite over past under";
bool SideWord(const KeyText& k) {
    if (ListNames(kSideWords, k)) return true;
    if (k.length < 5 || k.length > 7 || !EndsWith(k, "side")) return false;
    KeyText head = k;
    head.length -= 4;
    return ListNames("a in up out", head);
}

// ---- Verb slots ----------------------------------------------------------------------------

// The analysis byte of the noun or adjective reading of a base or -s form.
u8 VerbReadingByte(const KeyText& key, u8 model, u8 slot, u32 r) {
    if (model == 17 || model == 114) return 31;
    if (model == 3) {
        const u32 stemEnd = key.length >= r ? key.length - r : 0;
        const u8 last = stemEnd > 0 ? key.bytes[stemEnd - 1] : 0;
        return last == 'h' ? ';' : last == 'x' ? '>' : last == 'z' ? '?' : '=';
    }
    if (model == 14) return '?';
    return slot == 0 ? static_cast<u8>(key.Last() - 0x40) : static_cast<u8>(key.Last(1) + 192);
}

struct VerbWord {
    u8 model;
    u8 slot;
    const char* words;
    u16 tags[3];   // written at indexes 1, 2, 3 (0: leave that index)
    u8 count;
    u8 byte1;      // analysis byte at index 1 (0: the reading byte)
};

const VerbWord kVerbWords[] = {
    {1, 1, "headquarters", {0x3900}, 2, '2'},
    {1, 2, "concerning following regarding respecting", {0x2200}, 2, 7},
    {16, 0, "gee", {0x1200}, 2, 0},
    {16, 0, "like", {0x380C, 0x2200}, 3, 0},
    {16, 0, "home", {0, 0x3A00}, 3, 0},
    {16, 0, "save", {0x3904, 0x2200}, 3, 0},
    {16, 0, "mine", {0x3704, 0x4400}, 3, 0},
    {16, 0, "close", {0x370C, 0x3A00}, 3, 0},
    {16, 0, "while", {0x3904, 0x1100}, 3, 0},
    {16, 0, "police people", {0x3900}, 2, 0},
    {16, 0, "separate", {0x380C}, 2, 0},
    {1, 0, "even fast last", {0x380C, 0x3A00}, 3, 0},
    {1, 0, "back better down", {0, 0x3A00}, 3, 0},
    {1, 0, "except", {0x2200}, 2, 20},
    {1, 0, "elect", {0x3900}, 2, 20},
    {1, 0, "best", {0x380C}, 2, 20},
    {1, 0, "own", {0x380C}, 2, 14},
    {1, 0, "out", {0x3A00}, 2, 20},
    {1, 0, "round", {0, 0x2200}, 3, 0},
    {1, 0, "near", {0x2200, 0x3A00}, 3, 'v'},
    {1, 0, "till", {0x3904, 0x1100, 0x2200}, 4, 0},
};

}  // namespace

bool MatchEnglishEnding(u8 code, bool modified, const KeyText& key, u32 r, u8& number,
                        bool& abbreviation) {
    abbreviation = false;
    number = 0;
    if (code >= kSuffixCodeFirst) return MatchSuffixCode(code, key, r, number);
    if (modified && code >= 32) code = static_cast<u8>(code - 32);
    if (r > key.length) return false;
    const u8 last = key.Last();
    switch (r) {
        case 0:
            if (code == 27) return number = 1, true;
            if (code == 30) return number = 2, true;   // our reading: the word itself as a plural
            if (code == 32) return number = (last == 's' || last == 'x' || last == 'z') ? 3 : 1, true;
            if (code == 64) return number = 1, abbreviation = true, true;
            return false;
        case 1:
            if (code >= 1 && code <= 26) return last == code + 96 && (number = 1, true);
            if (code >= 33 && code <= 58) return last == code + 64 && (number = 1, true);
            if (code == 32) return last == 's' && (number = 2, true);
            if (CodeLetter(code) != 0) return last == CodeLetter(code) && (number = 1, true);
            return false;
        case 2:
            if (code >= 33 && code <= 58) return key.Last(1) == code + 64 && last == 's' && (number = 2, true);
            if (code == 30) return EndsWith(key, "es") && (number = 2, true);
            return false;
        case 3: {
            if (code != 31 && (code < 59 || code > 63)) return false;
            if (!EndsWith(key, "es")) return false;
            const u8 first = key.Last(2);
            return (code == 31 ? first == 'i' : first == CodeLetter(code)) && (number = 2, true);
        }
        default:
            return false;
    }
}

namespace {

void ReadClassByte(const KeyText& key, u8 c, u8 code, u8 number, bool abbreviation, EnglishItemResult& out) {
    out = EnglishItemResult{};
    const u32 n4 = 4u * number;
    if (abbreviation) {
        Add(out, kTagAbbreviation, code);
        out.kind = 3;
        return;
    }
    u8 cls = c;
    u16 tag = 0;
    switch (c) {
        case 'A':
            tag = Tag(kClassNoun, n4);
            break;
        case 20:
            if (!EndsWith(key, "ly")) {
                tag = Tag(20, n4);
                break;
            }
            [[fallthrough]];
        case 'B':
        case '8':
            if (code == 27 && key.length >= 2 && key.Last() == 's' && key.Last(1) < 'a') {
                cls = kClassNoun;
                tag = Tag(kClassNoun, 8);
            } else {
                cls = kClassAdjective;
                tag = Tag(kClassAdjective, 12);
            }
            break;
        case 58:
            tag = kTagAdverb;
            break;
        case 'C':
        case '7':
        case 'M':
        case 'N':
        case 'E':
            if (number >= 2) {
                cls = kClassNoun;
                tag = Tag(kClassNoun, n4);
            } else if (c == 'E') {
                cls = kClassAdjective;
                tag = Tag(kClassAdjective, 12);
            } else {
                if (c == 'C') cls = '7';
                tag = Tag(cls, cls == '7' && code < 32 ? 12 : n4);
            }
            break;
        default:
            tag = Tag(c, n4);
            break;
    }
    Add(out, tag, code);
    if ((cls == '7' || cls == 'M' || cls == 'N') && number == 1) {
        const KeyText k = Stripped(key);
        if (SideWord(k)) Fixed(out, {0x2200, 0x4304, 0x3A00}, code);
        else if (ListNames("other", k)) Add(out, 0x4B00, code);
    }
    if (cls == kClassAdjective) ClassEightRules(key, tag, number, code, c == 'B', out);
}

}  // namespace

void ReadEnglishClassByte(const KeyText& key, u8 c, u8 code, u8 number, bool abbreviation, u8 variant,
                          EnglishItemResult& out) {
    ReadClassByte(key, c, code, variant == kIsVariant && number == 1 ? 2 : number, abbreviation, out);
    for (u8 i = 0; variant != 0 && i < out.n; ++i)
        if (out.writes[i].byte == code) out.writes[i].byte = variant;
}

i32 EnglishSlotMatch(u32 model, const KeyText& key, u32 r) {
    if (model >= gEnglishEndingRows.count || r > kEnglishMaxVerbRemainder) return -1;
    const EnglishEndingRow& row = gEnglishEndingRows.data[model];
    const bool whole = row.EndingLengths.last >= 4 && row.EndingIndexes.last >= 4;
    for (u32 t = 0; t < 5; ++t) {
        const i32 at = static_cast<i32>(t);
        const u32 length = whole ? row.EndingLengths.data[t] : row.EndingLengths[at];
        const u32 index = whole ? row.EndingIndexes.data[t] : row.EndingIndexes[at];
        if (length == 0) continue;
        if (r == 0) {
            if (length != 1) continue;
            const u8* text = EndingText(1, index);
            if (text != nullptr && text[0] == '$') return static_cast<i32>(t);
            continue;
        }
        if (length != r || r > key.length) continue;
        const u8* text = EndingText(r, index);
        if (text == nullptr) continue;
        if (r == 1 && (text[0] == '0' || text[0] == '$')) continue;
        if (std::memcmp(text, key.bytes + key.length - r, r) == 0) return static_cast<i32>(t);
    }
    return -1;
}

namespace {

// The remainders MatchEnglishEnding takes for a code below the suffix codes.
u32 PlainEndingRemainders(u8 code) {
    u32 bits = 0;
    if (code == 27 || code == 30 || code == 32 || code == 64) bits |= 1u << 0;
    if ((code >= 1 && code <= 26) || (code >= 33 && code <= 58) || code == 32 || CodeLetter(code) != 0)
        bits |= 1u << 1;
    if ((code >= 33 && code <= 58) || code == 30) bits |= 1u << 2;
    if (code == 31 || (code >= 59 && code <= 63)) bits |= 1u << 3;
    return bits;
}

}  // namespace

u32 EnglishItemRemainders(bool verb, u8 byte) {
    if (!verb) {
        // A suffix code matches two to eight letters; a modifier mark may
        // stand before a plain code, which then reads 32 lower.
        if (byte >= kSuffixCodeFirst) return 0x1FCu;
        return PlainEndingRemainders(byte) | (byte >= 32 ? PlainEndingRemainders(static_cast<u8>(byte - 32)) : 0);
    }
    const u32 model = byte & 0x7Fu;
    const u32 upToMax = (1u << (kEnglishMaxVerbRemainder + 1)) - 1;
    if (model >= gEnglishEndingRows.count) return upToMax;  // the walk reports the model
    const EnglishEndingRow& row = gEnglishEndingRows.data[model];
    const bool whole = row.EndingLengths.last >= 4 && row.EndingIndexes.last >= 4;
    u32 bits = 0;
    for (u32 t = 0; t < 5; ++t) {
        const u32 length = whole ? row.EndingLengths.data[t] : row.EndingLengths[static_cast<i32>(t)];
        if (length == 1) bits |= 3u;  // "$" (nothing left) or one letter
        else if (length != 0) bits |= 1u << (length < 31 ? length : 31);
    }
    return bits & upToMax;
}

void ReadEnglishVerbSlot(const KeyText& key, u8 model, u8 flags, u8 slot, u8 operation,
                         EnglishItemResult& out) {
    out = EnglishItemResult{};
    u16 verb = static_cast<u16>(0x8000 + slot);
    Add(out, verb, model);
    out.writes[0].keepCount = operation >= 5;
    if (slot <= 1) {
        // The remainder the slot matched: its ending's length, 0 for "$".
        u32 r = 0;
        if (model < gEnglishEndingRows.count) {
            const EnglishEndingRow& row = gEnglishEndingRows.data[model];
            const u32 length = row.EndingLengths[slot];
            const u8* text = EndingText(length, row.EndingIndexes[slot]);
            r = (length == 1 && text != nullptr && text[0] == '$') ? 0 : length;
        }
        const u8 byte = VerbReadingByte(key, model, slot, r);
        const u16 step = static_cast<u16>(4 * slot);
        u16 extra = 0;
        if (flags == 135) extra = 0x3904 + step, verb += 16;
        if (flags == 136) extra = 0x3904 + step;
        if (flags == 137 && model != 106) extra = 0x3905 + step;
        if (slot == 0 && flags == 144) extra = 0x380C, verb += 16;
        if (slot == 0 && flags == 145) extra = 0x380D;
        if (slot == 1 && flags == 138) extra = 0x3908;
        if (flags == 152) extra = 0x3704 + step;
        out.writes[0].tag = verb;
        if (extra != 0) Add(out, extra, byte);
    }
    const KeyText k = Stripped(key);
    for (const VerbWord& vw : kVerbWords) {
        if (vw.model != model || vw.slot != slot) continue;
        if (model == 1 && slot == 0 && k.length >= 8) continue;
        if (!ListNames(vw.words, k)) continue;
        const u8 lastByte = static_cast<u8>(key.Last() - 0x60);
        for (u8 i = 0; i < 3; ++i) {
            if (vw.tags[i] == 0) continue;
            u8 byte = model;
            if (i == 0 && vw.byte1 != 0) byte = vw.byte1;
            if (i == 1 && vw.count == 3) byte = lastByte;
            Add(out, vw.tags[i], byte, static_cast<u8>(i + 1));
        }
        out.setCount = vw.count;
        break;
    }
}

namespace {

void EachWord(const char* words, void (*fn)(const char*, u32, void*), void* context) {
    const char* p = words;
    while (*p != 0) {
        const char* end = p;
        while (*end != 0 && *end != ' ') ++end;
        const u32 n = static_cast<u32>(end - p);
        if (n > 0 && p[n - 1] != '+') fn(p, n, context);
        p = *end == ' ' ? end + 1 : end;
    }
}

}  // namespace

void ForEachEnglishVerbWordWithReadings(void (*fn)(const char* word, u32 length, void* context), void* context) {
    for (const VerbWord& vw : kVerbWords) EachWord(vw.words, fn, context);
}

void ForEachEnglishClosedWord(void (*fn)(const char* word, u32 length, void* context), void* context) {
    EachWord("am are were yours", fn, context);
    EachWord(kInvariableInS, fn, context);
    for (const ClosedRow& row : kClosedRows) EachWord(row.words, fn, context);
    for (const TwoLetterRow& row : kTwoLetterRows) EachWord(row.words, fn, context);
}

void ForEachEnglishAdverbAfterWord(void (*fn)(const char* word, u32 length, void* context), void* context) {
    for (const ClosedRow& row : kClosedRows)
        if (row.write == kAfter && row.tags[0] == kTagAdverb) EachWord(row.words, fn, context);
}

void ForEachEnglishSideWord(void (*fn)(const char* word, u32 length, void* context), void* context) {
    EachWord(kSideWords, fn, context);
    EachWord("aside inside upside outside", fn, context);
}

void ForEachEnglishClosedPrefix(void (*fn)(const char* prefix, u32 length, void* context), void* context) {
    auto prefixes = [&](const char* words) {
        for (const char* p = words; *p != 0;) {
            const char* end = p;
            while (*end != 0 && *end != ' ') ++end;
            const u32 n = static_cast<u32>(end - p);
            if (n > 1 && p[n - 1] == '+') fn(p, n - 1, context);
            p = *end == ' ' ? end + 1 : end;
        }
    };
    prefixes(kInvariableInS);
    for (const ClosedRow& row : kClosedRows) prefixes(row.words);
}
