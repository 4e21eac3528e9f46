// The sentence documents: the clause writer on tables set by hand for "Le
// chat dort." (the word elements come from the built-in French
// dictionary), the document frame, and the sentence loop of the exports.
#include <fstream>
#include <string>
#include <vector>

#ifdef KRZ_HAVE_EXPAT
#include <expat.h>
#endif

#include "../checking/acceptance_fixture.h"
#include "analysis/clause_xml.h"
#include "analysed_sentence.h"
#include "analysis/xml_output.h"
#include "frame/bounded_string.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/tables.h"

namespace {

std::string Element(const char* tag, const char* attributes, const char* text) {
    return std::string("<") + tag + " " + attributes + ">" + text + "</" + tag + ">";
}

SegmentRecord Seg(u8 kind, u8 first, u8 last, u8 level = 0) {
    SegmentRecord s{};
    s.SegmentKind = kind;
    s.FirstWord = first;
    s.LastWord = last;
    s.Link = level;
    return s;
}

#ifdef KRZ_HAVE_EXPAT
// Parses a Windows-1252 document strictly; the text of every element,
// gathered in UTF-8. False (with the parser's message) when it does not parse.
bool Parse(const std::string& document, std::string& text, std::string& error) {
    XML_Parser p = XML_ParserCreate(nullptr);
    XML_SetUserData(p, &text);
    XML_SetCharacterDataHandler(p, [](void* data, const XML_Char* s, int n) {
        static_cast<std::string*>(data)->append(s, static_cast<size_t>(n));
    });
    const bool ok = XML_Parse(p, document.data(), static_cast<int>(document.size()), 1) == XML_STATUS_OK;
    if (!ok) error = XML_ErrorString(XML_GetErrorCode(p));
    XML_ParserFree(p);
    return ok;
}
#endif

class SentenceXmlTest : public acceptance::AcceptanceTest {
protected:
    void TearDown() override {
        sentence_.Reset();
        gAnalysisMode = 0;
        gRewriteSegmentCount = 0;
        gSegmentCount = 0;
        acceptance::AcceptanceTest::TearDown();
    }
    void Load(const char* utf8) { sentence_.Load(utf8); }
    // "Le chat dort.": a subject clause and a verb clause, each with its
    // group; the final sign alone.
    void InjectCatSleeps() {
        Load("Le chat dort.");
        ASSERT_EQ(gWordCount, 4);
        gRewriteSegmentCount = 3;
        gRewriteSegments[0] = Seg(24, 0, 1);
        gRewriteSegments[1] = Seg(14, 2, 2);
        gRewriteSegments[2] = Seg(20, 3, 3);
        gSegmentCount = 3;
        for (i32 k = 0; k < 3; ++k) gSegments[k] = gRewriteSegments[k];
        gSegments[0].Gender = gSegments[0].Number = 1;
        for (i32 i = 0; i < 4; ++i) {
            gWords[i].FunctionCode = 0;
            gWords[i].LinkedWord = 65535;
        }
        gWords[1].FunctionCode = 75;
        gWords[2].FunctionCode = 74;
        gWords[2].LinkedWord = 0;
    }
    // The document of the sentence in hand, in the host's code page.
    std::string Document(u32 capacity = 65536) {
        std::vector<char> buffer(capacity + 1, 'x');
        buffer[0] = 0;
        WriteSentenceDocument(buffer.data(), capacity, reinterpret_cast<const u8*>(sentence_.Text().c_str()),
                              static_cast<u32>(sentence_.Text().size()));
        EXPECT_EQ(buffer[capacity], 'x') << "written past the capacity";
        return std::string(buffer.data());
    }
    std::string ClauseText() {
        std::vector<char> buffer(65536, 0);
        WriteClauseStructureXml(buffer.data(), static_cast<u32>(buffer.size()));
        return std::string(buffer.data());
    }

    AnalysedSentence sentence_;
};

TEST_F(SentenceXmlTest, DocumentOfASubjectAndAVerb) {
    Start(3, "chat");
    InjectCatSleeps();
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"yes\" ?>\n<PHRASES>\n\n\n"
        "<PHRASEORIG>Le chat dort.</PHRASEORIG>\n\n <!-- la phrase a 1 niveau(x) de proposition -->\n<P>\n"
        "  <SN>\n    " +
        Element("ART", "rang=\"0\" nbr=\"sg\" gen=\"m\" prs=\"3\" temps=\"O\" rolegram=\"O\" fc=\"le\"", "Le") +
        "\n    " +
        Element("N", "rang=\"1\" nbr=\"sg\" gen=\"m\" prs=\"3\" temps=\"O\" rolegram=\"suj\" fc=\"chat\"", "chat") +
        "\n  </SN>\n  <SV>\n    " +
        Element("V", "rang=\"2\" nbr=\"sg\" gen=\"O\" prs=\"3\" temps=\"pres\" rolegram=\"vactif\" fc=\"dormir\"",
                "dort") +
        "\n  </SV>\n</P>\n\n</PHRASES>\n";
    EXPECT_EQ(Document(), expected);
}

// Levels are counted by the increases met in order: a clause at a level
// no count reaches is not written.
TEST_F(SentenceXmlTest, ClauseLevels) {
    Start(3, "chat");
    InjectCatSleeps();
    const struct {
        std::vector<u8> levels;
        u16 count;
    } cases[] = {{{}, 0}, {{0}, 1}, {{0, 2}, 2}, {{0, 2, 2}, 3}, {{0, 1, 1}, 2}};
    for (const auto& c : cases) {
        gRewriteSegmentCount = static_cast<u16>(c.levels.size());
        for (u32 i = 0; i < c.levels.size(); ++i) gRewriteSegments[i] = Seg(20, 3, 3, c.levels[i]);
        EXPECT_EQ(CountClauseLevels(), c.count) << c.levels.size();
        const std::string clauses = ClauseText();
        EXPECT_EQ(clauses.rfind("\n <!-- la phrase a " + std::to_string(c.count) + " niveau(x) de proposition -->", 0),
                  0u)
            << clauses;
        size_t ps = 0;
        for (size_t at = clauses.find("<P>"); at != std::string::npos; at = clauses.find("<P>", at + 1)) ++ps;
        EXPECT_EQ(ps, c.count) << clauses;
    }
    // The verb clause at level 2 of levels 0, 2: two P elements, neither
    // holding it.
    InjectCatSleeps();
    gRewriteSegments[1].Link = 2;
    EXPECT_EQ(ClauseText().find("<SV>"), std::string::npos);
}

// A full buffer keeps its first bytes and its terminator; a zero-capacity
// one is never written.
TEST_F(SentenceXmlTest, CutDocumentsStayTerminated) {
    Start(3, "chat");
    InjectCatSleeps();
    const std::string whole = Document();
    for (u32 capacity : {1u, 10u, 100u, 300u, static_cast<u32>(whole.size())}) {
        const std::string cut = Document(capacity);
        EXPECT_LT(cut.size(), capacity);
        EXPECT_EQ(whole.compare(0, cut.size(), cut), 0) << capacity;
    }
    char untouched[2] = {'x', 'x'};
    WriteSentenceDocument(untouched, 0, reinterpret_cast<const u8*>("a"), 1);
    EXPECT_EQ(untouched[0], 'x');
    WriteSentenceDocument(nullptr, 100, reinterpret_cast<const u8*>("a"), 1);
}

// The sentence text and the word texts are escaped; Windows-1252 bytes
// stay as they are (the documents declare ISO-8859-1 and read 0x80-0x9F
// as C1 characters).
TEST_F(SentenceXmlTest, EscapedDocumentsParse) {
    Start(3, "chat");
    Load("Le chat \" & < > \u0153 \u2019 dort.");
    gRewriteSegmentCount = 1;
    gRewriteSegments[0] = Seg(14, 0, static_cast<u8>(gWordCount - 1));
    gSegmentCount = 1;
    gSegments[0] = Seg(14, 0, static_cast<u8>(gWordCount - 1));
    const std::string document = Document();
    EXPECT_NE(document.find("<PHRASEORIG>Le chat &#34; &amp; &lt; &gt; \x9C \x92 dort.</PHRASEORIG>"),
              std::string::npos)
        << document;
#ifdef KRZ_HAVE_EXPAT
    std::string text, error;
    ASSERT_TRUE(Parse(document, text, error)) << error << "\n" << document;
    EXPECT_NE(text.find("Le chat \" & < > \u009C \u0092 dort."), std::string::npos) << text;
#endif
}

// An element whose escaped texts run past 160 bytes keeps its closing tag.
TEST_F(SentenceXmlTest, LongElementsKeepTheirClosingTag) {
    Start(3, "chat");
    KRZSetInterfLanguage(3);
    Load("Voir le chat ici.");
    ASSERT_EQ(gWordCount, 5);
    CopyCString(gWords[2].WordText, std::string(35, '&').c_str());
    // An imperative (no subject) and its complement group.
    gRewriteSegmentCount = 2;
    gRewriteSegments[0] = Seg(14, 0, 3);
    gRewriteSegments[1] = Seg(20, 4, 4);
    gSegmentCount = 3;
    gSegments[0] = Seg(14, 0, 0);
    gSegments[1] = Seg(10, 1, 3);
    gSegments[2] = Seg(20, 4, 4);
    gWords[0].FunctionCode = 38;
    gWords[3].LinkedWord = 0;  // the clause is its own subject clause
    gWords[2].FunctionCode = 70;
    const std::string document = Document();
    const size_t at = document.find("&amp;&amp;", document.find("<P>"));
    ASSERT_NE(at, std::string::npos) << document;
    const size_t open = document.find('<', document.rfind('\n', at));
    const std::string element = document.substr(open, document.find('\n', at) - open);
    EXPECT_GT(element.size(), 160u);
    const std::string tag = element.substr(1, element.find(' ') - 1);
    EXPECT_EQ(element.substr(element.size() - tag.size() - 3), "</" + tag + ">") << element;
#ifdef KRZ_HAVE_EXPAT
    std::string text, error;
    EXPECT_TRUE(Parse(document, text, error)) << error << "\n" << document;
#endif
}

// ---- The exports ----------------------------------------------------------

class SentenceExportsTest : public acceptance::AcceptanceTest {
protected:
    u32 Count(const char* utf8) {
        const std::string text = acceptance::Utf8ToWindows1252(utf8);
        u32 n = 99;
        MeravolisGetNbSentences(text.c_str(), &n);
        return n;
    }
};

TEST_F(SentenceExportsTest, CountsAndStarts) {
    Start(3, "chat");
    EXPECT_EQ(Count(""), 1u);
    EXPECT_EQ(Count("   "), 1u);
    EXPECT_EQ(Count("Le chat dort."), 1u);
    EXPECT_EQ(Count("Le chat dort. Il rêve."), 2u);
    EXPECT_EQ(Count("Le chat dort\rIl rêve."), 2u);

    const std::string five = "Un. Deux. Trois. Quatre. Cinq.";
    u32 starts[3] = {7, 7, 7};
    u32 n = 0;
    MeravolisGetSentencesBreak(five.c_str(), 2, &n, starts);
    EXPECT_EQ(n, 2u);
    EXPECT_EQ(starts[0], 0u);
    EXPECT_EQ(starts[1], 3u);  // just after the first sentence's last token
    EXPECT_EQ(starts[2], 7u);
}

TEST_F(SentenceExportsTest, DocumentsPerSentence) {
    Start(3, "chat");
    const std::string five = "Un chat. Deux chats. Trois. Quatre. Cinq.";
    std::vector<std::vector<char>> storage(3, std::vector<char>(4096, 'x'));
    char* buffers[3] = {storage[0].data(), storage[1].data(), storage[2].data()};
    u32 n = 0;
    MeravolisSentenceAnalysis(five.c_str(), 0, 2, &n, buffers, 4096);
    EXPECT_EQ(n, 2u);
    EXPECT_NE(std::string(buffers[0]).find("<PHRASEORIG>Un chat.</PHRASEORIG>"), std::string::npos) << buffers[0];
    EXPECT_NE(std::string(buffers[1]).find("<PHRASEORIG>Deux chats.</PHRASEORIG>"), std::string::npos) << buffers[1];
    EXPECT_EQ(storage[2][0], 'x');
    // One clause level, one P element.
    EXPECT_NE(std::string(buffers[0]).find("1 niveau(x)"), std::string::npos) << buffers[0];
    EXPECT_NE(std::string(buffers[0]).find("<P>"), std::string::npos);

    // A carriage return ends the sentence without joining its text.
    const std::string cr = "Le chat dort\rIl r\xEAve.";
    MeravolisSentenceAnalysis(cr.c_str(), 0, 3, &n, buffers, 4096);
    EXPECT_EQ(n, 2u);
    EXPECT_NE(std::string(buffers[0]).find("<PHRASEORIG>Le chat dort</PHRASEORIG>"), std::string::npos) << buffers[0];

    // One sentence only; the empty text leaves its buffer empty.
    std::vector<char> one(4096, 'x');
    MeravolisOneSentenceAnalysisProcess(five.c_str(), 4096, one.data(), 0);
    EXPECT_NE(std::string(one.data()).find("<PHRASEORIG>Un chat.</PHRASEORIG>"), std::string::npos);
    MeravolisSentenceAnalysis("", 0, 1, &n, buffers, 4096);
    EXPECT_EQ(n, 1u);
    EXPECT_EQ(buffers[0][0], 0);

    // No export writes into a zero-capacity buffer.
    storage[0][0] = 'x';
    MeravolisSentenceAnalysis(five.c_str(), 0, 1, &n, buffers, 0);
    EXPECT_EQ(storage[0][0], 'x');
    MeravolisOneSentenceAnalysisProcess(five.c_str(), 0, buffers[0], 0);
    EXPECT_EQ(storage[0][0], 'x');
    char list = 'x';
    MeravolisGetSentenceAnalysis(five.c_str(), 0, 0, 1, &n, nullptr, 0, &list, 0, nullptr);
    EXPECT_EQ(list, 'x');
}

TEST_F(SentenceExportsTest, ProcessCountsAndEmptiesTheBuffers) {
    Start(3, "chat");
    std::vector<std::vector<char>> storage(2, std::vector<char>(16, 'x'));
    char* buffers[2] = {storage[0].data(), storage[1].data()};
    u32 n = 99;
    MeravolisSentenceAnalysisProcess("Un. Deux. Trois.", 0, 2, &n, buffers, 0);
    EXPECT_EQ(n, 2u);
    EXPECT_EQ(buffers[0][0], 0);
    EXPECT_EQ(buffers[1][0], 0);
    n = 99;
    MeravolisSentenceAnalysisProcess("Un.", 0, 2, &n, nullptr, 0);
    EXPECT_EQ(n, 99u);
    MeravolisSentenceAnalysisProcess("Un.", 0, 0, &n, buffers, 0);
    EXPECT_EQ(n, 0u);
}

#ifdef KRZ_HAVE_EXPAT
// Every sentence of the prose texts, in its language, gives a document
// that parses, whatever the clause structure the analysis found: group
// elements closed inside their verb group, control characters of the text
// kept out of the document.
TEST_F(SentenceExportsTest, EveryDocumentOfTheTextsParses) {
    const struct {
        const char* file;
        uint16_t language;
        const char* probe;
    } kTexts[] = {{"hugo_miserables_fr.txt", 3, "chat"},
                  {"ligthart_entre_nous_fr.txt", 3, "chat"},
                  {"austen_pride_en.txt", 0, "cat"},
                  {"morris_nowhere_en.txt", 0, "cat"}};
    constexpr u32 kSize = 1u << 18;
    std::vector<char> buffer(kSize);
    for (const auto& t : kTexts) {
        Start(t.language, t.probe);
        std::ifstream in(std::string(KRZ_TEST_DATA_DIR) + "/text/" + t.file);
        ASSERT_TRUE(in) << t.file;
        std::vector<std::string> paragraphs;
        for (std::string line; std::getline(in, line);) paragraphs.push_back(line);
        // Control characters among the words of a sentence; a complement
        // group still open where its clause ends.
        paragraphs.push_back("Il\x01 dort\x1F \x7F bien\x0B.");
        paragraphs.push_back("Par les longues nuits d'hiver; \u00e0 l'heure o\u00f9 les places froides sont "
                             "d\u00e9sertes, il lisait pr\u00e8s du feu.");
        u32 documents = 0;
        for (const std::string& utf8 : paragraphs) {
            const std::string text = acceptance::Utf8ToWindows1252(utf8);
            u32 n = 0;
            MeravolisGetNbSentences(text.c_str(), &n);
            std::vector<u32> starts(n);
            u32 count = 0;
            MeravolisGetSentencesBreak(text.c_str(), n, &count, starts.data());
            ASSERT_EQ(count, n);
            // Each sentence alone: the export renders the first sentence.
            for (u32 k = 0; k < n; ++k) {
                const size_t end = k + 1 < n ? starts[k + 1] : text.size();
                const std::string sentence = text.substr(starts[k], end - starts[k]);
                MeravolisOneSentenceAnalysisProcess(sentence.c_str(), kSize, buffer.data(), 0);
                const std::string document(buffer.data());
                ASSERT_LT(document.size() + 1, kSize);
                if (document.empty()) continue;
                ++documents;
                std::string words, error;
                EXPECT_TRUE(Parse(document, words, error)) << t.file << ": " << error << "\n" << document;
            }
        }
        EXPECT_GT(documents, paragraphs.size() / 2) << t.file;
        KRZEnd();
    }
}
#endif

TEST(SentenceWordList, Labels) {
    const struct {
        u8 classByte;
        const char* label;
    } cases[] = {{200, "(verbe)\n"}, {'A', "(nom)\n"}, {'B', "(adjectif)\n"},
                 {'C', "(nom ou adjectif)\n"}, {20, "(adverbe)\n"}, {'D', "\n"}};
    for (const auto& c : cases) EXPECT_STREQ(WordListLabel(c.classByte), c.label) << int{c.classByte};
}

}  // namespace
