// The XML sentence documents: the buffer the clause writer appends to, the
// bounded appends (plain and escaped), and the sentence-analysis worker
// shared by the sentence-document exports.
#pragma once
#include "frame/bounded_array.h"
#include "frame/types.h"

// The buffer AppendXmlOutput writes to (set by WriteClauseStructureXml).
struct XmlOutput {
    char* buffer = nullptr;
    u32 capacity = 0;
};
extern XmlOutput gXmlOutput;

// Formats (printf conventions) and appends to the NUL-terminated text of
// buffer, within its capacity: text that does not fit is dropped, the
// buffer stays terminated, and a null or zero-capacity buffer is never
// written.
void AppendToBuffer(char* buffer, u32 capacity, const char* format, ...) __attribute__((format(printf, 3, 4)));
void AppendXmlOutput(const char* format, ...) __attribute__((format(printf, 1, 2)));
void AppendXmlOutputEscaped(const BoundedString& text);

// The whole document of the sentence in gWords, whose analysis tables are
// in place: frame, original text (escaped), clause structure.
void WriteSentenceDocument(char* buffer, u32 capacity, const u8* sentence, u32 length);

// The worker of the sentence-document exports. Null buffers, word list or
// starts are not written; sentenceCount must not be null.
struct SentenceAnalysisCall {
    const char* text = nullptr;
    u16 accentsOnCapitals = 0;
    u16 checkOption = 0;
    u32 maxSentences = 0;
    u32* sentenceCount = nullptr;
    char** buffers = nullptr;
    u32 bufferSize = 0;
    char* wordList = nullptr;
    u32 wordListSize = 0;
    u32* sentenceStarts = nullptr;
};
void RunSentenceAnalysis(const SentenceAnalysisCall& call);

// The label of a class byte in the word list ("(verbe)\n" ... or "\n").
const char* WordListLabel(u8 classByte);
