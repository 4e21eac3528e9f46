// The English sound-start block (KRZDATA 403, read by
// morphology/sound_starts.h): the words whose first sound is not the one
// the library's letter rule gives them, and every word of the list written
// in capitals, each with the sound espeak-ng begins it with.
//
// Every English source form of ASCII letters, hyphens and apostrophes, and
// the 26 letters, is spoken by the American and the British voices; the
// first phoneme of each pronunciation is a vowel or a consonant. A word
// both voices begin alike gets that sound ('V', 'C'); one they begin
// differently gets 'E' (either article is right). Forms that share a key
// (the word in lower case) and disagree get 'E' too.
#pragma once
#include <string>
#include <vector>

#include "frame/types.h"
#include "morphology/sound_starts.h"
#include "tools/datacomp/english_sources.h"
#include "tools/datacomp/source_forms.h"

struct SoundStartEntry {
    u8 mark = 0;        // 'V', 'C' or 'E'
    u8 kind = 0;        // 'w' a word, 'I' a word in capitals
    std::string word;   // lower case
    bool operator<(const SoundStartEntry& o) const {
        return kind != o.kind ? kind < o.kind : word < o.word;
    }
};

// The words to pronounce: the forms espeak-ng can be given (ASCII letters,
// hyphens, apostrophes; a letter first), then the letters a to z, each once.
std::vector<std::string> SoundStartCandidates(const std::vector<SourceForm>& forms);

// The first sound of an espeak-ng phoneme line: 'V', 'C', or 0 when the
// line holds no phoneme.
u8 FirstSoundOf(const std::string& phonemes);

// The block's entries from the candidates and their American and British
// phoneme lines (same order), sorted by kind and word.
std::vector<SoundStartEntry> BuildSoundStarts(const std::vector<std::string>& words,
                                              const std::vector<std::string>& american,
                                              const std::vector<std::string>& british);

// Block bytes: mark, kind, word, NUL for each entry in order.
std::vector<u8> EncodeSoundStartBlock(const std::vector<SoundStartEntry>& entries);

// The compiler's stage: reads the English sources, runs espeak-ng in
// workDir (created) and encodes the block. False with `error` when a
// source or espeak-ng fails.
bool CompileSoundStartBlock(const EnglishSourcePaths& paths, const std::string& workDir,
                            std::vector<u8>& block, CompileReport& report, std::string& error);
