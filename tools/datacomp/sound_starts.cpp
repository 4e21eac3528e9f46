// The English sound-start block (see sound_starts.h).
#include "tools/datacomp/sound_starts.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "frame/bounded_string.h"
#include "frame/mac_roman.h"
#include "frame/records.h"
#include "tools/datacomp/homophones.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }

bool Speakable(const std::string& w) {
    if (w.empty() || !IsAsciiLetter(w[0]) || w.size() >= kWordCapacity) return false;
    return std::all_of(w.begin(), w.end(), [](char c) { return IsAsciiLetter(c) || c == '-' || c == '\''; });
}

// Two letters or more, all of them capitals ("FBI", "X-RAY").
bool InCapitals(const std::string& w) {
    u32 letters = 0;
    for (char c : w) {
        if (!IsAsciiLetter(c)) continue;
        if (!IsAsciiUpper(c)) return false;
        ++letters;
    }
    return letters >= 2;
}

std::string Lowered(const std::string& w) {
    std::string s = w;
    for (char& c : s) c = static_cast<char>(LowerAscii(static_cast<u8>(c)));
    return s;
}

bool LetterRuleSaysVowel(const std::string& lowered) {
    Work36 t;
    t.Set(lowered.c_str());
    return EnglishLetterVowelStart(t.s);
}

// espeak-ng's English vowels begin with one of these ("aI", "3:", "@L" ...).
bool IsVowelPhoneme(char c) { return std::string("aeiouAEIOUV03@").find(c) != std::string::npos; }

}  // namespace

std::vector<std::string> SoundStartCandidates(const std::vector<SourceForm>& forms) {
    std::set<std::string> words;
    for (const SourceForm& f : forms)
        if (Speakable(f.form)) words.insert(f.form);
    std::vector<std::string> out(words.begin(), words.end());
    for (char c = 'a'; c <= 'z'; ++c)
        if (words.count(std::string(1, c)) == 0) out.emplace_back(1, c);
    return out;
}

u8 FirstSoundOf(const std::string& phonemes) {
    for (char c : phonemes) {
        // Stress, syllable and pause marks; blanks.
        if (c == '\'' || c == ',' || c == '%' || c == '=' || c == '_' || c == '|' || c == ' ' || c == '\r')
            continue;
        return IsVowelPhoneme(c) ? kSoundVowel : kSoundConsonant;
    }
    return 0;
}

std::vector<SoundStartEntry> BuildSoundStarts(const std::vector<std::string>& words,
                                              const std::vector<std::string>& american,
                                              const std::vector<std::string>& british) {
    std::map<std::pair<u8, std::string>, u8> marks;
    for (size_t i = 0; i < words.size() && i < american.size() && i < british.size(); ++i) {
        const u8 us = FirstSoundOf(american[i]);
        const u8 gb = FirstSoundOf(british[i]);
        if (us == 0 || gb == 0) continue;
        const u8 mark = us == gb ? us : kSoundEither;
        const u8 kind = InCapitals(words[i]) ? kSoundKindCapitals : kSoundKindWord;
        auto [it, fresh] = marks.emplace(std::make_pair(kind, Lowered(words[i])), mark);
        if (!fresh && it->second != mark) it->second = kSoundEither;
    }
    std::vector<SoundStartEntry> out;
    for (const auto& [key, mark] : marks) {
        if (key.first == kSoundKindWord && mark != kSoundEither &&
            (mark == kSoundVowel) == LetterRuleSaysVowel(key.second))
            continue;
        out.push_back({mark, key.first, key.second});
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<u8> EncodeSoundStartBlock(const std::vector<SoundStartEntry>& entries) {
    std::vector<u8> block;
    for (const SoundStartEntry& e : entries) {
        block.push_back(e.mark);
        block.push_back(e.kind);
        block.insert(block.end(), e.word.begin(), e.word.end());
        block.push_back(0);
    }
    return block;
}

bool CompileSoundStartBlock(const EnglishSourcePaths& paths, const std::string& workDir,
                            std::vector<u8>& block, CompileReport& report, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(workDir, ec);
    EnglishSources sources;
    if (!ReadEnglishSources(paths, sources, error)) return false;
    EnglishFormStats stats;
    const std::vector<std::string> words = SoundStartCandidates(BuildEnglishForms(sources, stats));
    std::vector<std::string> american, british;
    if (!RunEspeak("en-us", words, workDir, american, error) ||
        !RunEspeak("en-gb", words, workDir, british, error))
        return false;
    const std::vector<SoundStartEntry> entries = BuildSoundStarts(words, american, british);
    u32 counts[3] = {0, 0, 0};
    for (const SoundStartEntry& e : entries)
        ++counts[e.mark == kSoundVowel ? 0 : e.mark == kSoundConsonant ? 1 : 2];
    report.Note("sound starts (English): " + std::to_string(words.size()) + " words pronounced, " +
                std::to_string(entries.size()) + " listed (" + std::to_string(counts[0]) + " vowel, " +
                std::to_string(counts[1]) + " consonant, " + std::to_string(counts[2]) + " either)");
    block = EncodeSoundStartBlock(entries);
    return true;
}
