// The sound-start list: first sounds read from espeak-ng's phoneme lines,
// the entries the compiler keeps, and the round trip through the block the
// library reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/bounded_string.h"
#include "tools/datacomp/homophones.h"
#include "tools/datacomp/sound_starts.h"

namespace {

u8 SoundOf(const char* word, bool capitals = false, bool known = false) {
    Work36 t;
    t.Set(word);
    return EnglishSoundStart(t.s, capitals, known);
}

// The words that tell the list's use: (lower-cased word, written in
// capitals, sound).
struct SoundCase {
    const char* word;
    bool capitals;
    u8 sound;
};
const SoundCase kCases[] = {
    {"hour", false, kSoundVowel},        {"honest", false, kSoundVowel},
    {"university", false, kSoundConsonant}, {"one", false, kSoundConsonant},
    {"one-off", false, kSoundConsonant}, {"european", false, kSoundConsonant},
    {"unimportant", false, kSoundVowel}, {"x-ray", false, kSoundVowel},
    {"apple", false, kSoundVowel},       {"pear", false, kSoundConsonant},
    {"fbi", true, kSoundVowel},          {"nasa", true, kSoundConsonant},
    {"mp", true, kSoundVowel},           {"ufo", true, kSoundConsonant},
    {"herb", false, kSoundEither},
};

// Installs a block for the test's length.
struct BlockInUse {
    std::vector<u8> bytes;
    explicit BlockInUse(std::vector<u8> b) : bytes(std::move(b)) { UseSoundStartBlock(bytes.data(), static_cast<u32>(bytes.size())); }
    ~BlockInUse() { UseSoundStartBlock(nullptr, 0); }
};

void ExpectCases() {
    for (const SoundCase& c : kCases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(SoundOf(c.word, c.capitals), c.sound);
    }
}

}  // namespace

TEST(SoundStarts, FirstSoundOfPhonemeLines) {
    EXPECT_EQ(FirstSoundOf("'aU3"), kSoundVowel);
    EXPECT_EQ(FirstSoundOf(",VnImp'o@t@nt"), kSoundVowel);
    EXPECT_EQ(FirstSoundOf("'3:b"), kSoundVowel);
    EXPECT_EQ(FirstSoundOf("j,u:nIv'3:sI#t#i"), kSoundConsonant);
    EXPECT_EQ(FirstSoundOf("w'Vn"), kSoundConsonant);
    EXPECT_EQ(FirstSoundOf("h'3:b"), kSoundConsonant);
    EXPECT_EQ(FirstSoundOf(" _"), 0);
}

// Hand-made phoneme lines as espeak-ng writes them: only the words the
// spelling misjudges, the ones the voices disagree on and the capitals are
// kept, and the library reads the encoded block back.
TEST(SoundStarts, CompiledEntriesRoundTripThroughTheBlock) {
    const std::vector<std::string> words = {"hour", "honest", "university", "unimportant", "apple",
                                            "herb", "FBI", "NASA", "x", "one"};
    const std::vector<std::string> us = {"'aU3", "'0nIst", "j,u:nIv'3:sI#t#i", ",VnImp'o@t@nt", "'ap@L",
                                         "'3:b", ",Efb,i:;'aI", "n'asa#", "'Eks", "w'Vn"};
    std::vector<std::string> gb = us;
    gb[5] = "h'3:b";
    const std::vector<SoundStartEntry> entries = BuildSoundStarts(words, us, gb);
    std::vector<std::string> kept;
    for (const SoundStartEntry& e : entries) kept.push_back(std::string{char(e.mark), char(e.kind)} + e.word);
    EXPECT_EQ(kept, (std::vector<std::string>{"VIfbi", "CInasa", "Ewherb", "Vwhonest", "Vwunimportant", "Vwx"}));

    BlockInUse block(EncodeSoundStartBlock(entries));
    ExpectCases();
    // A word in capitals that the list lacks: its first letter's name, or,
    // when the dictionary knows the word, either sound where the word and
    // the letter's name differ.
    EXPECT_EQ(SoundOf("hkpq", true, false), kSoundVowel);
    EXPECT_EQ(SoundOf("mac", true, true), kSoundEither);
    EXPECT_EQ(SoundOf("apple", true, true), kSoundVowel);
    EXPECT_EQ(SoundOf("book", true, true), kSoundConsonant);
    EXPECT_EQ(FindSoundStartMark(kSoundKindWord, reinterpret_cast<const u8*>("fbi"), 3), 0);
}

// The words spoken by espeak-ng itself.
TEST(SoundStarts, EspeakVoicesGiveTheListsSounds) {
    if (std::system("command -v espeak-ng >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "espeak-ng is not installed (scripts/setup installs it)";
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "krz_sound_starts_test";
    std::filesystem::create_directories(dir);
    const std::vector<std::string> words = {"hour",  "honest", "university", "one", "European", "unimportant",
                                            "X-ray", "apple",  "pear",       "FBI", "NASA",     "UFO",
                                            "herb"};
    std::vector<std::string> us, gb;
    std::string error;
    ASSERT_TRUE(RunEspeak("en-us", words, dir.string(), us, error)) << error;
    ASSERT_TRUE(RunEspeak("en-gb", words, dir.string(), gb, error)) << error;
    BlockInUse block(EncodeSoundStartBlock(BuildSoundStarts(words, us, gb)));
    ExpectCases();
}
