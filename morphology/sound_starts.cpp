// English vowel-sound starts (see sound_starts.h).
#include "morphology/sound_starts.h"

#include "frame/bounded_string.h"
#include "frame/resources.h"
#include "morphology/dict_format.h"

namespace {

struct SoundBlock {
    const u8* data = nullptr;
    u32 size = 0;
};

SoundBlock EmbeddedSoundBlock() {
    SoundBlock b;
    FindEmbeddedBlock("KRZDATA", kEnglishSoundStartsBlock, &b.data, &b.size);
    return b;
}

SoundBlock& Block() {
    static SoundBlock block = EmbeddedSoundBlock();
    return block;
}

// Compares the entry from `s` (its mark byte) with kind + word.
int CompareEntry(const u8* data, u32 s, u32 end, u8 kind, const u8* word, u32 length) {
    u32 i = s + 1;
    for (u32 k = 0; k <= length; ++k, ++i) {
        const u8 want = k == 0 ? kind : word[k - 1];
        const u8 have = i < end ? data[i] : 0;
        if (have != want) return have < want ? -1 : 1;
    }
    return i < end ? 1 : 0;
}

// Letters whose name begins with a vowel sound: a, e, f, h, i, l, m, n, o,
// r, s, x ("an MP", "an X-ray"); u and y are named with a "y" sound.
bool LetterNameVowelStart(u8 c) {
    switch (c) {
        case 'a': case 'e': case 'f': case 'h': case 'i': case 'l':
        case 'm': case 'n': case 'o': case 'r': case 's': case 'x': return true;
        default: return false;
    }
}

u32 HyphenAt(const BoundedString& w) {
    const u32 n = TextLen(w);
    for (u32 i = 1; i < n; ++i)
        if (w.data[i] == '-' || w.data[i] == kMarkHyphen) return i;
    return 0;
}

}  // namespace

bool EnglishLetterVowelStart(const BoundedString& w) {
    const u8 c1 = TextAt(w, 1);
    const u8 c2 = TextAt(w, 2);
    switch (TextAt(w, 0)) {
        case 'a':
        case 'i': return true;
        case 'e': return c1 != 'u' && c1 != 'w';
        case 'o': return !(c1 == 'n' && c2 == 'e');
        case 'u': {
            const bool letter = c2 >= 'a' && c2 <= 'z';
            return !(c1 == 't' || c1 == 'b' || (c1 == 'n' && c2 == 'i') || (c1 == 's' && letter && c2 != 'h') ||
                     (c1 == 'r' && (c2 == 'e' || c2 == 'i')));
        }
        case 'h': return TextStartsWith(w, "hour") || TextStartsWith(w, "hono") || TextStartsWith(w, "heir");
        default: return false;
    }
}

u8 FindSoundStartMark(u8 kind, const u8* word, u32 length) {
    const SoundBlock& b = Block();
    u32 lo = 0, hi = b.size;
    while (lo < hi) {
        u32 s = lo + (hi - lo) / 2;
        while (s > lo && b.data[s - 1] != 0) --s;
        u32 e = s;
        while (e < b.size && b.data[e] != 0) ++e;
        const int c = CompareEntry(b.data, s, e, kind, word, length);
        if (c == 0) return b.data[s];
        if (c < 0) lo = e + 1;
        else hi = s;
    }
    return 0;
}

u8 EnglishSoundStart(const BoundedString& w, bool capitals, bool dictionaryWord) {
    const u32 n = TextLen(w);
    if (n == 0) return kSoundConsonant;
    if (capitals) {
        const u8 mark = FindSoundStartMark(kSoundKindCapitals, w.data, n);
        if (mark != 0) return mark;
        const u8 spelt = LetterNameVowelStart(w.data[0]) ? kSoundVowel : kSoundConsonant;
        if (!dictionaryWord) return spelt;
        // Read letter by letter or as the word ("a MAC", "an RA"): when the
        // two readings differ, either article is right.
        return EnglishSoundStart(w, false, false) == spelt ? spelt : kSoundEither;
    }
    u8 mark = FindSoundStartMark(kSoundKindWord, w.data, n);
    // A compound the list lacks sounds as its first part ("one-off").
    if (mark == 0) {
        const u32 h = HyphenAt(w);
        if (h > 0) mark = FindSoundStartMark(kSoundKindWord, w.data, h);
    }
    if (mark != 0) return mark;
    return EnglishLetterVowelStart(w) ? kSoundVowel : kSoundConsonant;
}

void UseSoundStartBlock(const u8* data, u32 size) {
    Block() = data != nullptr ? SoundBlock{data, size} : EmbeddedSoundBlock();
}
