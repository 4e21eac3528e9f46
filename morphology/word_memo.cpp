// The memo of word analyses (see word_memo.h).
#include "morphology/word_memo.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/bounded_string.h"
#include "frame/report.h"
#include "frame/tables.h"
#include "morphology/answer_context.h"
#include "morphology/asked_questions.h"
#include "morphology/dict_format.h"
#include "morphology/section_memo.h"
#include "morphology/word_analysis.h"
#include "morphology/word_lookup.h"

namespace {

constexpr u32 kWays = 4;          // entries a question may take
constexpr u32 kEntries = 8192;    // a power of two
constexpr u32 kWordBytes = 24;    // longer words are not remembered
constexpr u32 kWordSpan = 48;     // bytes of the word's buffer followed
// Analyses that write more are not remembered: on books, nine in ten
// analyses write fewer than 32 bytes and nearly all fewer than 64, so an
// entry takes 96 bytes.
constexpr u32 kPayload = 54;
constexpr u32 kStrings = 16;
constexpr u32 kStringBytes = 36;
constexpr u32 kSlots = 20;

// The places an analysis writes, by number: the word's buffer, the sixteen
// work strings, the three slot arrays, gCaseMode, gFoundInLexicon,
// gErrorDetail, gErrorVariant and gLookupWorkString.
constexpr u32 kWord = 0;
constexpr u32 kFirstString = 1;
constexpr u32 kTags = kFirstString + kStrings;
constexpr u32 kBytes = kTags + 1;
constexpr u32 kRefs = kBytes + 1;
constexpr u32 kCaseMode = kRefs + 1;
constexpr u32 kFoundInLexicon = kCaseMode + 1;
constexpr u32 kErrorDetail = kFoundInLexicon + 1;
constexpr u32 kErrorVariant = kErrorDetail + 1;
constexpr u32 kLookupWork = kErrorVariant + 1;
constexpr u32 kPlaces = kLookupWork + 1;
constexpr u32 kStateBytes = kWordSpan + kStrings * kStringBytes + kSlots * 7 + 7 + kStringBytes;
// The byte loops over a state run over a whole number of 16-byte blocks
// (the bytes past the places stay 0 and count for nothing).
constexpr u32 kStateRoom = (kStateBytes + 15) / 16 * 16;

// Written into what the first analysis of a question does not read, once
// with each filling.
constexpr u8 kFillerA = 0x00;
constexpr u8 kFillerB = 0xFF;

struct Place {
    u8* at;
    u32 size;
};

// The places of one call.
struct Places {
    BoundedString* word;
    StringList* slots;
    u32 span;  // bytes of the word's buffer followed
    u32 length;  // of the word as given

    Place At(u32 p) const {
        if (p == kWord) return {word->data, span};
        if (p < kTags) return {slots->data[p - kFirstString].data, kStringBytes};
        switch (p) {
            case kTags: return {reinterpret_cast<u8*>(gWordTagCodes.data), kSlots * 2};
            case kBytes: return {gWordAnalysisBytes.data, kSlots};
            case kRefs: return {reinterpret_cast<u8*>(gWordLemmaRefs.data), kSlots * 4};
            case kCaseMode: return {reinterpret_cast<u8*>(&gCaseMode), 2};
            case kFoundInLexicon: return {reinterpret_cast<u8*>(&gFoundInLexicon), 2};
            case kErrorDetail: return {reinterpret_cast<u8*>(&gErrorDetail), 2};
            case kErrorVariant: return {&gErrorVariant, 1};
            default: return {gLookupWorkString.data, kStringBytes};
        }
    }
    // The leading bytes of place p not filled before the first analysis
    // (every byte after them is): they are part of the question (the word
    // as given, the two globals the analysis reads on entry) or the first
    // byte of a work string (emptied first).
    u32 Kept(u32 p) const {
        const u32 size = At(p).size;
        if (p == kWord) return length + 1 < size ? length + 1 : size;
        if (p >= kFirstString && p < kTags) return 1;
        return p == kCaseMode || p == kFoundInLexicon ? size : 0;
    }
};

// A copy of every place, one after the other.
struct State {
    u8 bytes[kStateRoom] = {};
};

void Save(const Places& where, State& s) {
    u32 o = 0;
    for (u32 p = 0; p < kPlaces; ++p) {
        const Place place = where.At(p);
        std::memcpy(s.bytes + o, place.at, place.size);
        o += place.size;
    }
    std::memset(s.bytes + o, 0, kStateRoom - o);
}

void Load(const Places& where, const State& s) {
    u32 o = 0;
    for (u32 p = 0; p < kPlaces; ++p) {
        const Place place = where.At(p);
        std::memcpy(place.at, s.bytes + o, place.size);
        o += place.size;
    }
}

// The analysis empties the work strings first; the memo does the same
// before it writes back.
void EmptyWorkStrings(StringList& slots) {
    for (u32 k = 0; k < kStrings && k < slots.count; ++k)
        if (slots.data[k].valid != 0 && slots.data[k].count > 0) slots.data[k].data[0] = 0;
}

// What a probe reads of an entry, kept apart so that the ways of a place
// share half a cache line. A way takes an entry the first time it keeps an
// analysis and keeps it after: entries are handed out in order, so that a
// text with few words to remember touches few pages of them. Whether the
// entry holds an analysis of the memo's stamp is the entry's to tell.
struct Way {
    u32 hash = 0;
    u16 entry = 0;  // 0: none yet (entry 0 is never handed out)
    u16 used = 0;   // the low bits of the clock when last asked
};
static_assert(sizeof(Way) * kWays == 32);
static_assert(kEntries <= 0x10000);

struct Entry {
    u32 stamp = 0;  // 0: empty
    u16 mode = 0;
    u16 caseIn = 0;
    u16 foundIn = 0;
    u8 flags = 0;
    u8 length = 0;
    u8 span = 0;
    u8 payloadLength = 0;
    i16 answer = 0;
    u16 count = 0;
    u8 key[kWordBytes] = {};
    // Runs of written bytes: place, offset, length, then the bytes.
    u8 payload[kPayload] = {};
};
static_assert(sizeof(Entry) == 96);

// Every member starts at zero, so that the memo lies in .bss and the
// library file holds no empty table: stamp 0 is no stamp, and the first
// question sets the context and takes stamp 1.
struct Memo {
    AnswerContext context{.language = 0};
    u32 stamp = 0;
    u32 clock = 0;
    u32 entriesGiven = 0;  // entries 1 to entriesGiven are taken
    alignas(32) Way ways[kEntries];
    Entry entries[kEntries];
    // The questions asked under this stamp (16 KB).
    AskedQuestions<14> asked;
};

Memo& TheMemo() {
    static Memo memo;
    return memo;
}

bool gBusy = false;

void Forget(Memo& m) {
    m.asked.Clear();
    if (++m.stamp == 0) {
        for (Entry& e : m.entries) e.stamp = 0;
        m.stamp = 1;
    }
}

struct Question {
    u16 mode;
    u16 caseIn;
    u16 foundIn;
    u8 flags;
    u8 length;
    u8 span;
    const u8* word;
};

u32 Hash(const Question& q) {
    u32 h = 2166136261u;
    h = (h ^ q.mode) * 16777619u;
    h = (h ^ q.caseIn) * 16777619u;
    h = (h ^ q.flags) * 16777619u;
    for (u32 i = 0; i < q.length; ++i) h = (h ^ q.word[i]) * 16777619u;
    return h ^ (h >> 15);
}

bool Matches(const Entry& e, u32 stamp, const Question& q) {
    return e.stamp == stamp && e.length == q.length && e.mode == q.mode && e.caseIn == q.caseIn &&
           e.foundIn == q.foundIn && e.flags == q.flags && e.span == q.span &&
           std::memcmp(e.key, q.word, q.length) == 0;
}

void WriteBack(const Entry& e, const Places& where) {
    EmptyWorkStrings(*where.slots);
    for (u32 i = 0; i + 3 <= e.payloadLength;) {
        const Place place = where.At(e.payload[i]);
        const u32 offset = e.payload[i + 1];
        const u32 n = e.payload[i + 2];
        std::memcpy(place.at + offset, e.payload + i + 3, n);
        i += 3 + n;
    }
}

// Byte k of the places, one after the other, is kept (Places::Kept).
struct KeptBytes {
    u8 at[kStateRoom] = {};
};

void MarkKept(const Places& where, KeptBytes& kept) {
    u32 o = 0;
    for (u32 p = 0; p < kPlaces; ++p) {
        const u32 size = where.At(p).size;
        const u32 n = where.Kept(p);
        std::memset(kept.at + o, 1, n);
        std::memset(kept.at + o + n, 0, size - n);
        o += size;
    }
    std::memset(kept.at + o, 0, kStateRoom - o);
}

// Appends the runs of bytes the analysis wrote: a byte not filled that
// differs from `asked`, or a filled byte that came out the same from both
// fillings. False when they do not fit.
bool Record(const Places& where, const KeptBytes& kept, const State& asked, const State& first, const State& second,
            Entry& e) {
    u8 written[kStateRoom];
    for (u32 k = 0; k < kStateRoom; ++k)
        written[k] = kept.at[k] != 0 ? second.bytes[k] != asked.bytes[k] : first.bytes[k] == second.bytes[k];
    u32 used = 0;
    u32 o = 0;
    for (u32 p = 0; p < kPlaces; ++p) {
        const u32 size = where.At(p).size;
        const u8* w = written + o;
        for (u32 i = 0; i < size;) {
            if (w[i] == 0) {
                ++i;
                continue;
            }
            u32 n = 1;
            while (i + n < size && w[i + n] != 0) ++n;
            if (used + 3 + n > kPayload) return false;
            e.payload[used] = static_cast<u8>(p);
            e.payload[used + 1] = static_cast<u8>(i);
            e.payload[used + 2] = static_cast<u8>(n);
            std::memcpy(e.payload + used + 3, second.bytes + o + i, n);
            used += 3 + n;
            i += n;
        }
        o += size;
    }
    e.payloadLength = static_cast<u8>(used);
    return true;
}

// Fills what the analysis does not read with `filler`.
void FillUnread(const Places& where, u8 filler) {
    for (u32 p = 0; p < kPlaces; ++p) {
        const Place place = where.At(p);
        const u32 from = where.Kept(p);
        std::memset(place.at + from, filler, place.size - from);
    }
}

// True when both analyses wrote the same bytes: every filled byte came out
// the same or as its filling, every other byte the same.
bool Agree(const KeptBytes& kept, const State& first, const State& second) {
    u8 differ = 0;
    for (u32 k = 0; k < kStateRoom; ++k) {
        const u8 a = first.bytes[k];
        const u8 b = second.bytes[k];
        differ |= static_cast<u8>(a != b) & (static_cast<u8>(kept.at[k] != 0) | static_cast<u8>(a != kFillerA) |
                                             static_cast<u8>(b != kFillerB));
    }
    return differ == 0;
}

// The state a plain analysis leaves (the places hold `second`): the bytes
// left as filled get their old contents back.
void RestoreUnwritten(const Places& where, const KeptBytes& kept, const State& held, const State& first,
                      const State& second) {
    static State restored;
    for (u32 k = 0; k < kStateRoom; ++k)
        restored.bytes[k] = kept.at[k] == 0 && first.bytes[k] != second.bytes[k] ? held.bytes[k] : second.bytes[k];
    Load(where, restored);
}

bool Fits(u16 mode, const BoundedString& word, const StringList& slots) {
    const u8 op = static_cast<u8>(mode & 0xFF);
    if (op >= 1 && op <= 31) return false;  // suggestions, or nothing to remember
    if (gBusy || gSectionMemoPauses != 0 || word.valid == 0 || word.count == 0) return false;
    if (slots.count < kStrings) return false;
    for (u32 k = 0; k < kStrings; ++k)
        if (slots.data[k].valid == 0 || slots.data[k].count != kStringBytes) return false;
    return gWordTagCodes.count == kSlots && gWordAnalysisBytes.count == kSlots && gWordLemmaRefs.count == kSlots &&
           gLookupWorkString.count == kStringBytes;
}

struct BusyGuard {
    BusyGuard() { gBusy = true; }
    ~BusyGuard() { gBusy = false; }
};

i16 Analyse(const Question& q, BoundedString& word, u16& count, StringList& slots) {
    return AnalyseWordForms(q.mode, word, count, slots);
}

// The first analysis of a question, learning what it writes: it runs twice,
// with what it does not read filled with each filling; a byte that comes out
// the same both times was written. An analysis that does not agree with
// itself, meets a data fault or changes the context runs once more as it
// is and is not remembered.
i16 AnalyseAndKeep(Memo& m, const Question& q, const Places& where, BoundedString& word, u16& count,
                   StringList& slots, Entry& e) {
    const u32 stamp = m.stamp;
    const u32 faults = gDictFaultCount;
    const u16 lastFault = gDictLastFault;
    u8 key[kWordBytes];
    std::memcpy(key, q.word, q.length);
    EmptyWorkStrings(slots);
    static State held;
    static State asked;
    static State first;
    static State second;
    Save(where, held);
    i16 answers[2] = {};
    u16 counts[2] = {};
    try {
        FillUnread(where, kFillerA);
        Save(where, asked);
        answers[0] = Analyse(q, word, counts[0], slots);
        Save(where, first);
        Load(where, held);
        FillUnread(where, kFillerB);
        answers[1] = Analyse(q, word, counts[1], slots);
        Save(where, second);
    } catch (...) {
        Load(where, held);
        throw;
    }
    static KeptBytes kept;
    MarkKept(where, kept);
    const bool sound = gDictFaultCount == faults && CurrentAnswerContext() == m.context && m.stamp == stamp &&
                       answers[0] == answers[1] && counts[0] == counts[1] && Agree(kept, first, second);
    if (!sound) {
        Load(where, held);
        gDictFaultCount = faults;
        gDictLastFault = lastFault;
        e.stamp = 0;
        return Analyse(q, word, count, slots);
    }
    RestoreUnwritten(where, kept, held, first, second);
    count = counts[1];
    if (!Record(where, kept, asked, first, second, e)) {
        e.stamp = 0;
        return answers[1];
    }
    e.stamp = stamp;
    e.mode = q.mode;
    e.caseIn = q.caseIn;
    e.foundIn = q.foundIn;
    e.flags = q.flags;
    e.length = q.length;
    e.span = q.span;
    std::memcpy(e.key, key, q.length);
    e.answer = answers[1];
    e.count = counts[1];
    return answers[1];
}

#ifndef NDEBUG
// Debug builds: the remembered analysis against a fresh one from the same
// state; a difference stops the program.
i16 CrossCheck(const Entry& e, const Places& where, u16 mode, BoundedString& word, u16& count,
               StringList& slots) {
    static State start;
    static State replayed;
    static State fresh;
    Save(where, start);
    WriteBack(e, where);
    Save(where, replayed);
    Load(where, start);
    const i16 answer = AnalyseWordForms(mode, word, count, slots);
    Save(where, fresh);
    u32 o = 0;
    for (u32 p = 0; p < kPlaces; ++p) {
        const u32 size = where.At(p).size;
        for (u32 i = 0; i < size; ++i) {
            if (replayed.bytes[o + i] == fresh.bytes[o + i]) continue;
            std::fprintf(stderr, "word memo: \"%.*s\" mode %u: place %u byte %u remembered %u, fresh %u\n",
                         static_cast<int>(e.length), reinterpret_cast<const char*>(e.key), mode, p, i,
                         replayed.bytes[o + i], fresh.bytes[o + i]);
            std::abort();
        }
        o += size;
    }
    if (answer != e.answer || count != e.count) {
        std::fprintf(stderr, "word memo: \"%.*s\" mode %u: answer %d/%u remembered, %d/%u fresh\n",
                     static_cast<int>(e.length), reinterpret_cast<const char*>(e.key), mode, e.answer, e.count,
                     answer, count);
        std::abort();
    }
    return answer;
}
#endif

}  // namespace

i16 RememberedWordAnalysis(u16 mode, BoundedString& word, u16& count, StringList& slots) {
    const i32 length = GetStringLength(word);
    if (length <= 0 || length > static_cast<i32>(kWordBytes) || !Fits(mode, word, slots)) {
        return AnalyseWordForms(mode, word, count, slots);
    }
    const BusyGuard busy;
    Memo& m = TheMemo();
    const AnswerContext now = CurrentAnswerContext();
    if (m.stamp == 0 || !(now == m.context)) {
        m.context = now;
        Forget(m);
    }
    const u32 span = word.count < kWordSpan ? word.count : kWordSpan;
    const Question q{mode,
                     gCaseMode,
                     gFoundInLexicon,
                     static_cast<u8>((gVariantIndex == 2 ? 1 : 0) | (gSentenceInitialWord != 0 ? 2 : 0)),
                     static_cast<u8>(length),
                     static_cast<u8>(span),
                     word.data};
    const Places where{&word, &slots, span, static_cast<u32>(length)};
    const u32 hash = Hash(q);
    // A question asked once is analysed plainly, its ways unread (a
    // remembered question was asked before under this stamp, so its mark is
    // set).
    if (m.asked.FirstAsking(hash)) return Analyse(q, word, count, slots);
    const u32 first = hash & (kEntries - kWays);
    Way* ways = m.ways + first;
    // The way to take: one without an entry, else the one asked longest ago
    // (ages are counted on the clock's low bits).
    u32 oldest = 0;
    u16 oldestAge = 0;
    for (u32 k = 0; k < kWays; ++k) {
        Way& w = ways[k];
        const u16 age = w.entry == 0 ? 0xFFFF : static_cast<u16>(m.clock - w.used);
        if (age > oldestAge) {
            oldest = k;
            oldestAge = age;
        }
        if (w.entry == 0 || w.hash != hash || !Matches(m.entries[w.entry], m.stamp, q)) continue;
        w.used = static_cast<u16>(++m.clock);
        const Entry& e = m.entries[w.entry];
#ifndef NDEBUG
        return CrossCheck(e, where, mode, word, count, slots);
#else
        WriteBack(e, where);
        count = e.count;
        return e.answer;
#endif
    }
    Way& w = ways[oldest];
    if (w.entry == 0) {
        if (m.entriesGiven == kEntries - 1) return Analyse(q, word, count, slots);
        w.entry = static_cast<u16>(++m.entriesGiven);
    }
    Entry& e = m.entries[w.entry];
    const i16 answer = AnalyseAndKeep(m, q, where, word, count, slots, e);
    w.hash = hash;
    // A way whose analysis was not kept is the first to take again.
    w.used = static_cast<u16>(e.stamp != 0 ? ++m.clock : m.clock - 0xFFFEu);
    return answer;
}

void ForgetWordAnalyses() { Forget(TheMemo()); }
