// The first sentence of a text, read and checked as the analysis exports
// check it; its words stay in the word table while the object lives.
#pragma once
#include <memory>
#include <string>

#include "../checking/acceptance_fixture.h"
#include "analysis/paragraph_frame.h"
#include "checking/paragraph.h"

class AnalysedSentence {
public:
    void Load(const char* utf8) {
        walk_.reset();
        text_ = acceptance::Utf8ToWindows1252(utf8);
        walk_ = std::make_unique<AnalysisWalk>(text_.c_str(), 0, TokenSet::kParagraph);
        CollectSentence(walk_->walk, true);
        CheckAnalysedSentence(walk_->walk.copy, 0, 1);
    }
    void Reset() { walk_.reset(); }
    // The text in the host's code page.
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    std::unique_ptr<AnalysisWalk> walk_;
};
