// A user lexicon in a scratch directory holding replacement entries, for
// the tests that check text against the user lexicon.
#pragma once
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "frame/bounded_string.h"
#include "krzlib.h"
#include "lexicon/lex_lookup.h"
#include "lexicon/lex_records.h"

namespace lexicon_fixture {

class ScratchLexicon {
public:
    // Opens a new user lexicon; false when it could not be made.
    bool Open() {
        char tmpl[] = "/tmp/krz-lexicon-XXXXXX";
        if (mkdtemp(tmpl) == nullptr) return false;
        dir_ = tmpl;
        return KRZOpenLex((dir_ + "/user.lex").c_str()) == 0;
    }
    // Adds the entry that replaces `word` with `replacement`; 0 when done.
    static i16 AddReplacement(const char* word, const char* replacement) {
        BoundedString text, key;
        text.Allocate(36);
        key.Allocate(36);
        CopyCString(text, word);
        BuildLexKey(text, '>', key);
        FormEntry e;
        InitFormEntry(e);
        CopyString(e.FormText, key);
        CopyCString(e.LemmaText, replacement);
        e.FormClass = '>';
        return InsertLexRecord(e);
    }
    void Close() {
        KRZCloseLex();
        if (!dir_.empty()) std::filesystem::remove_all(dir_);
        dir_.clear();
    }

private:
    std::string dir_;
};

}  // namespace lexicon_fixture
