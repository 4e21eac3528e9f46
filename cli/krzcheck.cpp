// krzcheck: a command-line host over the library's exported interface.
//
//   krzcheck [--lang fr|en] [--ui fr|en] [--json] [--lexicon PATH] COMMAND [ARGS]
//   krzcheck --version
//
// Input and output are UTF-8; the library sees Windows-1252 (host_text.h).
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "cli/host_text.h"
#include "krzlib.h"

namespace {

struct Options {
    int lang = 3;        // checking language: 3 French, 0 English
    int ui = -1;         // interface language: 3 French, 0 English; -1 that of --lang
    bool json = false;
    bool version = false;
    bool help = false;
    std::string lexicon;
    bool lexiconOpen = false;  // false: no --lexicon, or a missing file read as empty
    std::string command;
    std::vector<std::string> args;
};

// A line of a text command may hold this many bytes; a longer one is
// refused (exit status 2), so that memory stays bounded whatever the input.
constexpr size_t kMaxLineBytes = 1 << 20;

void Usage() {
    std::fprintf(stderr,
                 "usage: krzcheck [--lang fr|en] [--ui fr|en] [--json] [--lexicon PATH] COMMAND [ARGS]\n"
                 "       krzcheck --version | --help\n");
}

// Returns 0 on success, 2 on a usage error.
int ParseLanguage(const char* value, int* out) {
    if (value == nullptr) return 2;
    if (std::strcmp(value, "fr") == 0) {
        *out = 3;
        return 0;
    }
    if (std::strcmp(value, "en") == 0) {
        *out = 0;
        return 0;
    }
    return 2;
}

int ParseOptions(int argc, char** argv, Options* o) {
    int i = 1;
    for (; i < argc; ++i) {
        const char* a = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        if (std::strcmp(a, "--version") == 0) {
            o->version = true;
        } else if (std::strcmp(a, "--help") == 0) {
            o->help = true;
        } else if (std::strcmp(a, "--json") == 0) {
            o->json = true;
        } else if (std::strcmp(a, "--lang") == 0) {
            if (ParseLanguage(next, &o->lang) != 0) return 2;
            ++i;
        } else if (std::strcmp(a, "--ui") == 0) {
            if (ParseLanguage(next, &o->ui) != 0) return 2;
            ++i;
        } else if (std::strcmp(a, "--lexicon") == 0) {
            if (next == nullptr) return 2;
            o->lexicon = next;
            ++i;
        } else if (a[0] == '-' && a[1] == '-') {
            return 2;
        } else {
            break;
        }
    }
    if (i < argc) o->command = argv[i++];
    for (; i < argc; ++i) o->args.emplace_back(argv[i]);
    if (!o->version && !o->help && o->command.empty()) return 2;
    if (o->ui < 0) o->ui = o->lang;
    return 0;
}

// --help: the manual page (doc/krzcheck.1) in short; keep the two alike.
int PrintHelp() {
    std::fputs(
        "usage: krzcheck [--lang fr|en] [--ui fr|en] [--json] [--lexicon PATH] COMMAND [ARGS]\n"
        "       krzcheck --version | --help\n"
        "\n"
        "Options:\n"
        "  --lang fr|en     checking language (default fr)\n"
        "  --ui fr|en       language of the messages (default: that of --lang)\n"
        "  --json           print JSON instead of lines\n"
        "  --lexicon PATH   open the user lexicon PATH for the run (lex-add creates it)\n"
        "  --version        print the library's version (major.minor)\n"
        "  --help           print this text\n"
        "\n"
        "Commands:\n"
        "  check [FILE]         grammar, spelling and the other rules, every category on\n"
        "  spell [FILE]         spelling only\n"
        "  punct [FILE]         spacing around punctuation signs\n"
        "  suggest WORD         spelling suggestions, best first\n"
        "  infinitive WORD      the infinitive(s) of a verb form\n"
        "  conjugate VERB TENSE the forms of VERB in TENSE, one line each (empty where\n"
        "                       none): 0 present participle, 1 past participles, 2 present,\n"
        "                       3 imperfect, 4 future, 5 simple past, 6 present subjunctive,\n"
        "                       7 imperfect subjunctive, 8 conditional, 9 imperative,\n"
        "                       10 English principal parts; French only: -9 the adjectives\n"
        "                       of a noun, -8 the nouns of an adjective\n"
        "  plural WORD          the plural form(s)\n"
        "  singular WORD        the singular form(s)\n"
        "  analyse WORD         the word kinds of a known word, one number per reading\n"
        "                       (25 a verb form); for an unknown word its suggestions\n"
        "                       (exit status 1)\n"
        "  lex-add WORD         add WORD to the --lexicon with the values the library\n"
        "                       proposes; prints the word and its category\n"
        "  lex-remove WORD      remove every entry of WORD from the --lexicon\n"
        "  lex-list             the words of the --lexicon, one per line\n"
        "  xml [FILE]           each sentence of each line of FILE (standard input when\n"
        "                       absent) as one XML document of its clauses and words\n"
        "                       (declared UTF-8); --json: one array of the documents\n"
        "  relations [FILE]     the relation text of each line of FILE: word records,\n"
        "                       group lines, relation lines and class model, each\n"
        "                       followed by an empty line; --json: one object per\n"
        "                       line (keys records, groups, relations, model)\n"
        "  dict WORD [COUNT]    COUNT entries (default 1, at most 32767) of the French\n"
        "                       reference dictionary from the one WORD locates (the next\n"
        "                       one when WORD is missing), separated by an empty line;\n"
        "                       with --json objects with keys entry, headword, text\n"
        "  dict-at ENTRY [COUNT] the same from entry number ENTRY\n"
        "\n"
        "Output of check, spell and punct: each line of FILE (standard input when absent\n"
        "or -) is one paragraph of at most 1 MiB (a line feed and the CR before it not\n"
        "counted): a longer line is reported, the lines after it are still checked and\n"
        "the status is 2; a byte-order mark is skipped; one line per finding, every\n"
        "finding printed:\n"
        "  LINE:START-END<TAB>CLASS<TAB>span<TAB>message<TAB>suggestion|suggestion...\n"
        "LINE from 1; START and END offsets in the line's characters (code points as\n"
        "written, a combining accent counting apart), 0-based, END\n"
        "inclusive; CLASS the error class (1 lexicon replacement, 2 spelling, 3 grammar,\n"
        "4 to 8 agreements, 9 punctuation); a line feed, tab or NUL byte in a span or\n"
        "message is written as \\n, \\t or \\0. With --json: one object per finding\n"
        "(keys line, start, end, class, text, message, suggestions); word commands\n"
        "print one JSON array.\n"
        "\n"
        "Exit status: 0 text commands found nothing, word and lexicon commands have\n"
        "results; 1 findings, or no result (lex-remove: the word was not there; dict:\n"
        "WORD is not a headword, its records are still printed; dict-at: none);\n"
        "2 a usage, input or library error (message on standard error).\n",
        stdout);
    return 0;
}

int PrintVersion(const Options& o) {
    if (o.json)
        std::printf("[\"%d.%d\"]\n", KRZgetVersion(), KRZgetSubversion());
    else
        std::printf("%d.%d\n", KRZgetVersion(), KRZgetSubversion());
    return 0;
}


// ---- User lexicon ----------------------------------------------------------

std::string Utf8FromCp1252(const char* text) { return host_text::Utf8FromHost(text); }

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        } else {
            out.push_back(c);
        }
    }
    return out + "\"";
}

// Opens (or creates) the lexicon given with --lexicon: 0, or 2 with a message.
int OpenLexicon(const Options& o) {
    int32_t r = KRZOpenLex(o.lexicon.c_str());
    if (r == 0) return 0;
    std::fprintf(stderr, "krzcheck: cannot open lexicon %s (%d)\n", o.lexicon.c_str(), static_cast<int>(r));
    return 2;
}

// lex-list: the lexicon's words of the checking language (names and
// expressions always), one per line in the library's order.
int ListLexicon(const Options& o) {
    if (o.lexicon.empty() || !o.args.empty()) {
        Usage();
        return 2;
    }
    LexListRecord* list = nullptr;
    int32_t n = o.lexiconOpen ? KRZGetListWordsLex(&list, o.lang == 0 ? 1 : 8) : 0;
    if (n < 0) {
        std::fprintf(stderr, "krzcheck: cannot list the lexicon (%d)\n", static_cast<int>(n));
        return 2;
    }
    std::string out = o.json ? "[" : "";
    for (int32_t i = 0; i < n; ++i) {
        std::string word = Utf8FromCp1252(list[i].text);
        if (o.json) out += (i > 0 ? "," : "") + JsonString(word);
        else out += word + "\n";
    }
    if (o.json) out += "]\n";
    std::fputs(out.c_str(), stdout);
    KRZDisposeListWordsLex(list);
    return n > 0 ? 0 : 1;
}


// ---- Text commands ---------------------------------------------------------

// The host form of a WORD argument; false, with the message lex-add gives,
// when the argument is not valid UTF-8 (the word asked for is unknown).
bool HostWord(const std::string& argument, std::string& word) {
    const host_text::HostText host = host_text::FromUtf8(argument);
    if (host.invalid) {
        std::fprintf(stderr, "krzcheck: %s: not valid UTF-8\n", host_text::ValidUtf8(argument).c_str());
        return false;
    }
    word = host.bytes;
    return true;
}

// A span, message or suggestion with line feeds, tabs and NUL bytes written
// as \n, \t and \0, so that each finding stays one whole line.
std::string EscapedLine(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\0') out += "\\0";
        else if (c != '\r') out.push_back(c);
    }
    return out;
}

// Checks the paragraph from character `start` into the table; returns the
// number of records.
using ParagraphCheck = uint32_t (*)(const char* text, int32_t start, int32_t end, ParagraphErrorRecord* table);

uint32_t CheckGrammar(const char* text, int32_t start, int32_t end, ParagraphErrorRecord* table) {
    return KRZTestGrammarParagraph(text, start, end, table, KRZ_CATEGORY_ALL, 1, 1, 0, 0);
}

uint32_t CheckSpelling(const char* text, int32_t start, int32_t end, ParagraphErrorRecord* table) {
    return KRZTestSpellingParagraph(text, start, end, table, 1, 1, 0, 0);
}

uint32_t CheckPunctuation(const char* text, int32_t start, int32_t end, ParagraphErrorRecord* table) {
    return KRZPunctParagraph(text, start, end, table);
}

// One line of input: its UTF-8 text and the host form the library checks.
struct InputLine {
    int number = 0;
    std::string utf8;
    host_text::HostText host;
};

// Offsets and span are the input's: code points of the line, whatever the
// conversion to the code page joined or replaced.
void PrintFinding(const Options& o, const InputLine& line, const ParagraphErrorRecord& r) {
    uint32_t start = 0, end = 0;
    host_text::InputSpan(line.host, r.start, r.end, start, end);
    const std::string span = host_text::InputText(line.host, line.utf8, r.start, r.end);
    const std::string message = r.message != nullptr ? Utf8FromCp1252(r.message) : "";
    std::vector<std::string> suggestions;
    for (unsigned k = 0; k < r.suggestionCount && k < KRZ_SUGGESTION_SLOTS; ++k) {
        suggestions.push_back(Utf8FromCp1252(std::string(r.suggestions[k], strnlen(r.suggestions[k], KRZ_SUGGESTION_SIZE)).c_str()));
    }
    std::string out;
    if (o.json) {
        out = "{\"line\":" + std::to_string(line.number) + ",\"start\":" + std::to_string(start) +
              ",\"end\":" + std::to_string(end) + ",\"class\":" + std::to_string(r.errorClass) +
              ",\"text\":" + JsonString(span) + ",\"message\":" + JsonString(message) +
              ",\"suggestions\":[";
        for (size_t k = 0; k < suggestions.size(); ++k) out += (k ? "," : "") + JsonString(suggestions[k]);
        out += "]}\n";
    } else {
        out = std::to_string(line.number) + ":" + std::to_string(start) + "-" + std::to_string(end) + "\t" +
              std::to_string(r.errorClass) + "\t" + EscapedLine(span) + "\t" + EscapedLine(message) + "\t";
        for (size_t k = 0; k < suggestions.size(); ++k) out += (k ? "|" : "") + EscapedLine(suggestions[k]);
        out += "\n";
    }
    std::fputs(out.c_str(), stdout);
}

using RecordKey = std::tuple<uint32_t, uint32_t, uint16_t, std::string>;

RecordKey KeyOf(const ParagraphErrorRecord& r) {
    return {r.start, r.end, r.errorClass, r.message != nullptr ? r.message : ""};
}

// Checks one line and prints its findings. A call records at most
// KRZ_MAX_PARAGRAPH_ERRORS; after a full table the check goes on from the
// sentence of the last record, whose findings already printed are not
// printed again. Returns the number printed; `cut` is set when one sentence
// holds more findings than a table (the rest of it is not shown).
size_t CheckLine(const Options& o, ParagraphCheck check, const InputLine& line,
                 std::vector<ParagraphErrorRecord>& table, bool& cut) {
    const std::string& text = line.host.bytes;
    const int32_t end = static_cast<int32_t>(text.size());
    int32_t start = 0;
    size_t printed = 0;
    std::vector<RecordKey> previous;
    for (;;) {
        const uint32_t n = check(text.c_str(), start, end, table.data());
        std::vector<RecordKey> keys;
        size_t fresh = 0;
        for (uint32_t k = 0; k < n; ++k) {
            keys.push_back(KeyOf(table[k]));
            bool seen = false;
            for (const RecordKey& p : previous) seen = seen || p == keys.back();
            if (seen) continue;
            PrintFinding(o, line, table[k]);
            ++fresh;
        }
        const int32_t next = n > 0 ? static_cast<int32_t>(table[n - 1].start) : end;
        KRZClearParagraphTab(table.data(), static_cast<int16_t>(n));
        printed += fresh;
        if (n < KRZ_MAX_PARAGRAPH_ERRORS || next >= end) return printed;
        if (fresh == 0 || (next <= start && !previous.empty())) {
            cut = true;
            return printed;
        }
        start = next;
        previous = std::move(keys);
    }
}

// Reads one line, without its line feed and the CR before it, of at most
// kMaxLineBytes bytes: 1 read, 0 end of input, -1 read error, -2 the line is
// longer (it is read to its end, keeping no more than the limit and a CR).
int ReadLine(FILE* in, std::string& text) {
    text.clear();
    bool longer = false;
    int c = 0;
    while ((c = std::getc(in)) != EOF && c != '\n') {
        if (text.size() <= kMaxLineBytes) text.push_back(static_cast<char>(c));
        else longer = true;
    }
    if (std::ferror(in)) return -1;
    if (c == EOF && text.empty()) return 0;
    if (!longer && !text.empty() && text.back() == '\r') text.pop_back();
    return longer || text.size() > kMaxLineBytes ? -2 : 1;
}

// Hands each line of FILE (standard input when absent or "-") to
// `paragraph` as one paragraph; 0, or 2 with a message (a usage or read
// error, or a line too long: that line is skipped and the others are read).
int ForEachParagraph(const Options& o, const std::function<void(const InputLine&)>& paragraph) {
    if (o.args.size() > 1) {
        Usage();
        return 2;
    }
    const bool standardInput = o.args.empty() || o.args[0] == "-";
    const char* name = standardInput ? "standard input" : o.args[0].c_str();
    FILE* in = stdin;
    if (!standardInput) {
        in = std::fopen(name, "rb");
        if (in == nullptr) {
            std::fprintf(stderr, "krzcheck: cannot read %s: %s\n", name, std::strerror(errno));
            return 2;
        }
    }
    int status = 0;
    bool refused = false;
    InputLine line;
    while ((status = ReadLine(in, line.utf8)) == 1 || status == -2) {
        ++line.number;
        if (status == -2) {
            std::fprintf(stderr, "krzcheck: %s: line %d is longer than %zu bytes\n", name, line.number, kMaxLineBytes);
            refused = true;
            continue;
        }
        // A byte-order mark opens the text; it is not part of the line.
        if (line.number == 1 && line.utf8.compare(0, 3, "\xEF\xBB\xBF") == 0) line.utf8.erase(0, 3);
        line.host = host_text::FromUtf8(line.utf8);
        paragraph(line);
    }
    const int readError = errno;
    if (in != stdin) std::fclose(in);
    if (status == -1) {
        std::fprintf(stderr, "krzcheck: cannot read %s: %s\n", name, std::strerror(readError));
        return 2;
    }
    return refused ? 2 : 0;
}

// check / spell / punct: one paragraph per line of FILE (standard input
// when absent); 0 when nothing is found, 1 with findings, 2 on errors.
int RunTextCommand(const Options& o, ParagraphCheck check) {
    std::vector<ParagraphErrorRecord> table(KRZ_MAX_PARAGRAPH_ERRORS);
    bool found = false;
    const int status = ForEachParagraph(o, [&](const InputLine& line) {
        bool cut = false;
        found = CheckLine(o, check, line, table, cut) > 0 || found;
        if (cut) std::fprintf(stderr, "krzcheck: line %d: a sentence has more findings than are shown\n", line.number);
    });
    if (status != 0) return status;
    return found ? 1 : 0;
}

// ---- Sentence analysis -----------------------------------------------------

// Texts printed as they come: one after the other, or as one JSON array
// opened with the first text (or at the end, when there is none) and
// closed at the end, whatever stopped the run.
struct TextStream {
    const Options& o;
    bool opened = false;
    bool any = false;
    void Open() {
        if (o.json && !opened) std::fputs("[", stdout);
        opened = true;
    }
    void Add(const std::string& text) {
        Open();
        if (o.json) {
            std::fputs(((any ? "," : "") + text).c_str(), stdout);
        } else {
            std::fputs(text.c_str(), stdout);
        }
        any = true;
    }
    // Closes the array; with a failed run, only one that was opened.
    void Close(bool failed) {
        if (!failed) Open();
        if (o.json && opened) std::fputs("]\n", stdout);
        std::fflush(stdout);
    }
};

// One sentence document, or one paragraph's relation texts, is written
// into this buffer at a time (a document of a sentence of the most words
// the library analyses stays well within it).
constexpr uint32_t kAnalysisBufferBytes = 1u << 18;

// The text of a library buffer in UTF-8; a buffer that came back full may
// have been cut, which the library does not say: warn.
std::string AnalysisText(const char* buffer, uint32_t size, const InputLine& line) {
    const size_t n = strnlen(buffer, size);
    if (n + 1 >= size)
        std::fprintf(stderr, "krzcheck: line %d: an analysis filled its %u-byte buffer and may be cut\n",
                     line.number, static_cast<unsigned>(size));
    return Utf8FromCp1252(std::string(buffer, n).c_str());
}

// relations: per paragraph the four texts of the relation export (word
// records, group lines, relation lines, model), each followed by an empty
// line; one record counter for the whole run. Each paragraph is printed
// once it is analysed.
int RunRelations(const Options& o) {
    static const char* const kKeys[4] = {"records", "groups", "relations", "model"};
    constexpr uint32_t kSize = 1u << 16;
    std::vector<char> storage(4 * static_cast<size_t>(kSize), 0);
    char* buffers[4] = {storage.data(), storage.data() + kSize, storage.data() + 2 * kSize,
                        storage.data() + 3 * kSize};
    const uint32_t sizes[4] = {kSize, kSize, kSize, kSize};
    TextStream stream{o};
    bool any = false;
    uint16_t counter = 0;
    const int status = ForEachParagraph(o, [&](const InputLine& line) {
        KRZUMLSentenceAnalysis(line.host.bytes.c_str(), 0, 4, buffers, sizes, &counter);
        std::string out = o.json ? "{" : "";
        for (int k = 0; k < 4; ++k) {
            const std::string text = AnalysisText(buffers[k], kSize, line);
            any = any || !text.empty();
            if (o.json) out += std::string(k > 0 ? "," : "") + JsonString(kKeys[k]) + ":" + JsonString(text);
            else out += text + "\n";
        }
        if (o.json) out += "}";
        stream.Add(out);
    });
    stream.Close(status != 0);
    if (status != 0) return status;
    return any ? 0 : 1;
}

// xml: one document per sentence, its declaration naming the encoding it
// is printed in (UTF-8). The line is cut into its sentences first; each
// sentence is then analysed on its own into one buffer and its document
// printed at once, so that memory stays bounded by the line whatever the
// number of its sentences.
int RunXml(const Options& o) {
    std::vector<char> buffer(kAnalysisBufferBytes, 0);
    std::vector<uint32_t> starts;
    std::string sentence;
    TextStream stream{o};
    const int status = ForEachParagraph(o, [&](const InputLine& line) {
        const std::string& text = line.host.bytes;
        uint32_t n = 0;
        MeravolisGetNbSentences(text.c_str(), &n);
        starts.assign(n, 0);
        uint32_t count = 0;
        MeravolisGetSentencesBreak(text.c_str(), n, &count, starts.data());
        for (uint32_t k = 0; k < count && k < n; ++k) {
            const size_t from = std::min<size_t>(starts[k], text.size());
            const size_t to = k + 1 < count ? std::min<size_t>(starts[k + 1], text.size()) : text.size();
            sentence.assign(text, from, to > from ? to - from : 0);
            buffer[0] = 0;
            MeravolisOneSentenceAnalysisProcess(sentence.c_str(), kAnalysisBufferBytes, buffer.data(), 0);
            std::string d = AnalysisText(buffer.data(), kAnalysisBufferBytes, line);
            if (d.empty()) continue;
            const std::string declared = "encoding=\"ISO-8859-1\"";
            const size_t at = d.find(declared);
            if (at != std::string::npos) d.replace(at, declared.size(), "encoding=\"UTF-8\"");
            stream.Add(o.json ? JsonString(d) : d);
        }
    });
    stream.Close(status != 0);
    if (status != 0) return status;
    return stream.any ? 0 : 1;
}

// ---- Word commands ---------------------------------------------------------

// Prints the results (36-byte slots) one per line, or as one JSON array;
// 0 with results, 1 without.
int PrintWordResults(const Options& o, const char* slots, int count) {
    std::string out = o.json ? "[" : "";
    for (int i = 0; i < count; ++i) {
        std::string word = Utf8FromCp1252(slots + 36 * i);
        if (o.json) out += (i > 0 ? "," : "") + JsonString(word);
        else out += word + "\n";
    }
    if (o.json) out += "]\n";
    std::fputs(out.c_str(), stdout);
    return count > 0 ? 0 : 1;
}

// suggest WORD: the spelling suggestions, best first.
int RunSuggest(const Options& o) {
    if (o.args.size() != 1) {
        Usage();
        return 2;
    }
    std::string word;
    if (!HostWord(o.args[0], word)) return 2;
    char slots[12 * 36] = {};
    int16_t count = 0;
    const int16_t r = KRZSuggestions(word.c_str(), &count, slots, 0, static_cast<uint16_t>(o.lang));
    if (r < 0) {
        std::fprintf(stderr, "krzcheck: suggest failed (%d)\n", static_cast<int>(r));
        return 2;
    }
    return PrintWordResults(o, slots, count);
}

// infinitive / plural / singular WORD: the forms, one per line.
int RunWordForms(const Options& o) {
    if (o.args.size() != 1) {
        Usage();
        return 2;
    }
    std::string word;
    if (!HostWord(o.args[0], word)) return 2;
    const uint16_t lang = static_cast<uint16_t>(o.lang);
    char slots[2 * 36] = {};
    int count = 0;
    int16_t r = 0;
    if (o.command == "infinitive") {
        uint16_t n = 0;
        r = KRZInfinitive(word.c_str(), &n, slots, 0, lang);
        count = n;
    } else if (o.command == "plural") {
        int16_t n = 0;
        r = KRZPlural(word.c_str(), &n, slots, 0, lang);
        count = n;
    } else {
        uint16_t n = 0;
        r = KRZSingular(word.c_str(), &n, slots, 0, lang);
        count = n;
    }
    if (r < 0) {
        std::fprintf(stderr, "krzcheck: %s failed (%d)\n", o.command.c_str(), static_cast<int>(r));
        return 2;
    }
    return PrintWordResults(o, slots, count);
}

// The tense argument: 0 .. 10, or -9 / -8 (related adjectives / nouns).
bool ParseTense(const std::string& text, uint16_t* tense) {
    if (text.empty() || text.size() > 3) return false;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return false;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    if (text[0] == '-') value = -value;
    if (!(value >= 0 && value <= 10) && value != -9 && value != -8) return false;
    *tense = static_cast<uint16_t>(value);
    return true;
}

// conjugate VERB TENSE: one line per form (an empty line where the form
// does not exist); 0 when at least one form exists.
int RunConjugate(const Options& o) {
    uint16_t tense = 0;
    if (o.args.size() != 2 || !ParseTense(o.args[1], &tense)) {
        Usage();
        return 2;
    }
    std::string word;
    if (!HostWord(o.args[0], word)) return 2;
    char slots[6 * 36] = {};
    int16_t count = 0;
    uint16_t flags = 0;
    const int16_t r = KRZConjugate2(word.c_str(), tense, &count, slots, &flags, 0, static_cast<uint16_t>(o.lang));
    if (r == -2) {
        std::fprintf(stderr, "krzcheck: %s has no tense %s (%s)\n", o.lang == 0 ? "English" : "French",
                     o.args[1].c_str(), o.lang == 0 ? "10: principal parts" : "0 to 9, -9, -8");
        return 2;
    }
    if (r < 0) {
        std::fprintf(stderr, "krzcheck: conjugate failed (%d)\n", static_cast<int>(r));
        return 2;
    }
    // 9 (unknown word), 11 (no verb reading), 20 (not an infinitive): the
    // slots still hold the stems the engine tried, not forms.
    if (r == 9 || r == 11 || r == 20) count = 0;
    PrintWordResults(o, slots, count);
    for (int i = 0; i < count; ++i)
        if (slots[36 * i] != 0) return 0;
    return 1;
}

bool IsWordCommand(const std::string& command) {
    return command == "suggest" || command == "infinitive" || command == "conjugate" || command == "plural" ||
           command == "singular" || command == "analyse";
}

// analyse WORD: a known word's kinds, one number per reading (0 with
// results); an unknown word's suggestions (1).
int RunAnalyse(const Options& o) {
    if (o.args.size() != 1) {
        Usage();
        return 2;
    }
    std::string word;
    if (!HostWord(o.args[0], word)) return 2;
    uint16_t kindCount = 0;
    uint8_t kinds[8] = {};
    int16_t suggestionCount = 0;
    char suggestions[12 * 36] = {};
    const int16_t known = KRZOneWordAnalysis(word.c_str(), &kindCount, kinds, &suggestionCount, suggestions, 0, 1,
                                             static_cast<int16_t>(o.lang));
    if (known != 1) {
        PrintWordResults(o, suggestions, suggestionCount);
        return 1;
    }
    std::string out = o.json ? "[" : "";
    for (unsigned i = 0; i < kindCount && i < 8; ++i) {
        const std::string kind = std::to_string(kinds[i]);
        if (o.json) out += (i > 0 ? "," : "") + JsonString(kind);
        else out += kind + "\n";
    }
    if (o.json) out += "]\n";
    std::fputs(out.c_str(), stdout);
    return kindCount > 0 ? 0 : 1;  // a blank or empty word has no reading
}

bool IsTextCommand(const std::string& command) {
    return command == "check" || command == "spell" || command == "punct";
}

// Loads the data of the checking language (before a lexicon is opened,
// which the start-up would forget) and selects the two languages.
void StartLibrary(const Options& o) {
    KRZInit(o.lang, o.lang == 0 ? 1 : 0);
    KRZSetLanguage(static_cast<uint16_t>(o.lang));
    KRZSetInterfLanguage(static_cast<uint16_t>(o.ui));
}

// ---- Lexicon changes -------------------------------------------------------

bool IsLexChangeCommand(const std::string& command) { return command == "lex-add" || command == "lex-remove"; }

const char* LexRefusal(int code) {
    switch (code) {
        case -1: return "the main dictionary already knows the word";
        case -2: return "the word is already in the lexicon";
        case -3: return "the word is already an abbreviation";
        case -4: return "a French function word cannot be added";
        case -5: return "the lexicon file could not be written";
        case -6: return "too many expressions sound alike";
        case -7: return "a proper noun must begin with a capital";
        case -8: return "out of memory";
        case -9: return "the lexicon failed its check";
        case -11: return "no lexicon is open";
        case -13: return "another process kept the lexicon locked";
        case 1: return "a single word may not contain blanks";
        case 3: return "unknown model verb";
        case 4: case 6: return "the model is not an infinitive";
        case 5: return "the verb does not end like its model";
        case 10: return "the word is too long";
        case 11: case 15: case 18: return "the word does not fit its inflection class";
        case 16: case 17: return "too many ligatures";
        case 19: return "the word is too short";
        case 20: return "a character is not allowed";
        default: return "refused";
    }
}

// lex-add WORD: inserts the word with the values the library proposes.
int AddLexWord(const Options& o) {
    if (o.lexicon.empty() || o.args.size() != 1) {
        Usage();
        return 2;
    }
    const host_text::HostText host = host_text::FromUtf8(o.args[0]);
    if (host.invalid || host.unmapped) {
        std::fprintf(stderr, "krzcheck: %s: %s\n", host_text::ValidUtf8(o.args[0]).c_str(),
                     host.invalid ? "not valid UTF-8" : "a character is outside the code page");
        return 2;
    }
    const std::string& word = host.bytes;
    uint16_t expression = 0, category = 0, gender = 0, cls = 0, flag = 0;
    char model[36] = {0};
    const uint16_t language = static_cast<uint16_t>(o.lang);
    const int proposal =
        KRZAnalyseWordLex(word.c_str(), &expression, &category, &gender, &cls, &flag, model, language);
    if (proposal != 0) {
        std::fprintf(stderr, "krzcheck: %s: %s (%d)\n", o.args[0].c_str(), LexRefusal(proposal), proposal);
        return 2;
    }
    // Opened only now: a word refused so far leaves no new lexicon file.
    if (OpenLexicon(o) != 0) return 2;
    const int r = KRZInsertLex(word.c_str(), expression, category, gender, cls, flag, model, "", language);
    if (r != 0) {
        std::fprintf(stderr, "krzcheck: %s: %s (%d)\n", o.args[0].c_str(), LexRefusal(r), r);
        return 2;
    }
    if (o.json) std::printf("[%s,%u]\n", JsonString(o.args[0]).c_str(), category);
    else std::printf("%s\t%u\n", o.args[0].c_str(), category);
    return 0;
}

// lex-remove WORD: removes every entry of the word (in the checking
// language, or a proper noun); 1 when there was none.
int RemoveLexWord(const Options& o) {
    if (o.lexicon.empty() || o.args.size() != 1) {
        Usage();
        return 2;
    }
    if (!o.lexiconOpen) return 1;
    std::string word;
    if (!HostWord(o.args[0], word)) return 2;
    LexListRecord* list = nullptr;
    const int32_t n = KRZGetListWordsLex(&list, o.lang == 0 ? 1 : 8);
    if (n < 0) {
        std::fprintf(stderr, "krzcheck: cannot list the lexicon (%d)\n", static_cast<int>(n));
        return 2;
    }
    std::vector<uint16_t> categories;
    for (int32_t i = 0; i < n; ++i)
        if (word == list[i].text) categories.push_back(list[i].category);
    KRZDisposeListWordsLex(list);
    for (uint16_t category : categories) {
        const int r = KRZRemoveLex(word.c_str(), category, o.lang);
        if (r != 0) {
            std::fprintf(stderr, "krzcheck: %s: %s (%d)\n", o.args[0].c_str(), LexRefusal(r), r);
            return 2;
        }
    }
    return categories.empty() ? 1 : 0;
}

// ---- Reference dictionary --------------------------------------------------

// COUNT: 1 .. 32767 (default 1).
bool ParseDictCount(const std::vector<std::string>& args, size_t at, int16_t* count) {
    *count = 1;
    if (args.size() <= at) return true;
    const std::string& t = args[at];
    if (t.empty() || t.size() > 5 || t.find_first_not_of("0123456789") != std::string::npos) return false;
    const long v = std::stol(t);
    if (v < 1 || v > 32767) return false;
    *count = static_cast<int16_t>(v);
    return true;
}

// The records, separated by an empty line (or as a JSON array).
void PrintDictRecords(const Options& o, const std::vector<LitDictResultRecord>& records, uint16_t count,
                      uint32_t first) {
    std::string out = o.json ? "[" : "";
    for (uint16_t i = 0; i < count; ++i) {
        const LitDictResultRecord& r = records[i];
        const std::string text = Utf8FromCp1252(r.text);
        const std::string head = Utf8FromCp1252(std::string(r.text, std::min<size_t>(r.headwordLength, 999)).c_str());
        if (o.json) {
            out += std::string(i > 0 ? "," : "") + "{\"entry\":" + std::to_string(first + i) +
                   ",\"headword\":" + JsonString(head) + ",\"text\":" + JsonString(text) + "}";
        } else {
            out += (i > 0 ? "\n" : "") + text + "\n";
        }
    }
    if (o.json) out += "]\n";
    std::fputs(out.c_str(), stdout);
}

// dict WORD [COUNT]: the entries from the one the word locates; 0 when its
// headword is the word. dict-at ENTRY [COUNT]: the entries from number
// ENTRY; 0 when there are any.
int RunDict(const Options& o) {
    int16_t max = 1;
    if (o.args.empty() || o.args.size() > 2 || !ParseDictCount(o.args, 1, &max)) {
        Usage();
        return 2;
    }
    std::vector<LitDictResultRecord> records(static_cast<size_t>(max));
    uint16_t count = 0;
    if (o.command == "dict") {
        std::string word;
        if (!HostWord(o.args[0], word)) return 2;
        uint32_t entry = 0;
        const int16_t exact = KRZLitDictWord(word.c_str(), records.data(), max, &count, &entry);
        PrintDictRecords(o, records, count, entry);
        return exact == 1 ? 0 : 1;
    }
    const std::string& t = o.args[0];
    if (t.empty() || t.size() > 10 || t.find_first_not_of("0123456789") != std::string::npos ||
        std::stoull(t) > 0xFFFFFFFFull) {
        Usage();
        return 2;
    }
    const uint32_t entry = static_cast<uint32_t>(std::stoull(t));
    KRZLitDictOffset(entry, records.data(), max, &count);
    PrintDictRecords(o, records, count, entry);
    return count > 0 ? 0 : 1;
}

bool IsKnownCommand(const std::string& command) {
    return command == "lex-list" || IsLexChangeCommand(command) || IsWordCommand(command) || IsTextCommand(command) ||
           command == "dict" || command == "dict-at" || command == "xml" || command == "relations";
}

// Opens the lexicon given with --lexicon for the command. Only lex-add
// creates a missing file or writes the header of an empty one (it opens the
// lexicon itself once the word has passed its checks); for any other command
// a missing or empty file is an empty lexicon and is left as it is. 0, or 2
// with a message.
int OpenLexiconFor(Options& o) {
    struct stat st;
    if (o.lexicon.empty() || o.command == "lex-add") return 0;
    if (stat(o.lexicon.c_str(), &st) != 0) {
        if (errno == ENOENT) return 0;
    } else if (S_ISREG(st.st_mode) && st.st_size == 0) {
        return 0;
    }
    if (OpenLexicon(o) != 0) return 2;
    o.lexiconOpen = true;
    return 0;
}

int RunCommand(const Options& o) {
    if (o.command == "lex-list") return ListLexicon(o);
    if (o.command == "lex-add") return AddLexWord(o);
    if (o.command == "lex-remove") return RemoveLexWord(o);
    if (o.command == "suggest") return RunSuggest(o);
    if (o.command == "analyse") return RunAnalyse(o);
    if (o.command == "dict" || o.command == "dict-at") return RunDict(o);
    if (o.command == "conjugate") return RunConjugate(o);
    if (o.command == "infinitive" || o.command == "plural" || o.command == "singular") return RunWordForms(o);
    if (o.command == "xml") return RunXml(o);
    if (o.command == "relations") return RunRelations(o);
    if (o.command == "check") return RunTextCommand(o, CheckGrammar);
    if (o.command == "spell") return RunTextCommand(o, CheckSpelling);
    return RunTextCommand(o, CheckPunctuation);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (ParseOptions(argc, argv, &o) != 0) {
        Usage();
        return 2;
    }
    if (o.help) return PrintHelp();
    if (o.version) return PrintVersion(o);
    if (!IsKnownCommand(o.command)) {
        std::fprintf(stderr, "krzcheck: unknown command: %s\n", o.command.c_str());
        Usage();
        return 2;
    }
    if (o.command != "lex-list") StartLibrary(o);
    if (OpenLexiconFor(o) != 0) return 2;
    int status = RunCommand(o);
    KRZCloseLex();
    // Output that could not be written is an error, whatever was found.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "krzcheck: cannot write the output: %s\n", std::strerror(errno));
        status = 2;
    }
    return status;
}
