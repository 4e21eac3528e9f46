// The lexicon file and memory image: open, load, save, image exports, and
// the cases where a user's words or files must not be lost.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "frame/loader.h"
#include "lexicon/lex_lookup.h"
#include "lexicon_fixture.h"

namespace {

class LexFileTest : public LexiconTest {};

const Bytes kNewLexicon = {0x30, 0x32, 0x37, 0x30, 0, 0, 0, 1, 0, 0, 0, 0};

// The file written after inserting "zorbul" and its plural as nouns.
const Bytes kZorbulFile = [] {
    Bytes b = {0x30, 0x32, 0x37, 0x30, 0, 0, 0, 2, 0, 0, 0, 2};
    auto entry = [&](const std::string& key, u32 distanceAtClass, u8 number) {
        for (std::size_t j = 0; j <= key.size(); ++j) {
            u32 d = j == 6 ? distanceAtClass : 0;
            b.push_back(j < key.size() ? static_cast<u8>(key[j]) : 0);
            b.insert(b.end(), {static_cast<u8>(d >> 16), static_cast<u8>(d >> 8), static_cast<u8>(d)});
        }
        b.insert(b.end(), {0x00, 0x2e});
        Bytes lemma(36, 0);
        std::memcpy(lemma.data(), "zorbul", 6);
        b.insert(b.end(), lemma.begin(), lemma.end());
        b.insert(b.end(), {0x41, 0x41, number, 0x4c, 0, 0, 0, 0, 0, 0});
    };
    entry("zorbulA", 0x50, 0x14);
    entry("zorbulsA", 0, 0x18);
    return b;
}();

void InsertWord(const std::string& key, const std::string& lemma, u8 cls, const Bytes& codes = {}) {
    FormEntry e = Entry(key, lemma, cls, codes);
    ASSERT_EQ(InsertLexRecord(e), 0);
}

// Makes every write past `bytes` fail (EFBIG) until the guard ends.
struct FileSizeLimit {
    rlimit saved{};
    void (*oldHandler)(int);
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, oldHandler);
    }
};

TEST_F(LexFileTest, NewAndEmptyFilesBecomeEmptyLexicons) {
    std::string created = OpenNew("new.lex");
    EXPECT_EQ(ReadAll(created), kNewLexicon);
    EXPECT_EQ(KRZGetCounterLex(), 1u);
    EXPECT_EQ(KRZGetLexiconSize(), 12u);

    std::string empty = Path("empty.lex");
    WriteAll(empty, {});
    EXPECT_EQ(KRZOpenLex(empty.c_str()), 0);
    EXPECT_EQ(ReadAll(empty), kNewLexicon);

    // The signature alone: an empty lexicon with counter 0, not rewritten.
    std::string bare = Path("bare.lex");
    WriteAll(bare, {0x30, 0x32, 0x37, 0x30});
    EXPECT_EQ(KRZOpenLex(bare.c_str()), 0);
    EXPECT_EQ(KRZGetCounterLex(), 0u);
    EXPECT_EQ(KRZGetLexiconSize(), 12u);
    EXPECT_EQ(ReadAll(bare).size(), 4u);
    InsertWord("motA", "mot", 'A');
    EXPECT_EQ(SaveLexiconChange(), 0);
    EXPECT_EQ(KRZGetCounterLex(), 1u);
    EXPECT_EQ(ReadAll(bare).size(), KRZGetLexiconSize());
}

TEST_F(LexFileTest, SavedFileMatchesTheWorkedExampleByteForByte) {
    std::string path = OpenNew();
    InsertWord("zorbulA", "zorbul", 'A', {0x41, 0x14, 0x4C});
    InsertWord("zorbulsA", "zorbul", 'A', {0x41, 0x18, 0x4C});
    ASSERT_EQ(SaveLexiconChange(), 0);
    EXPECT_EQ(ReadAll(path), kZorbulFile);
    EXPECT_EQ(Image(), kZorbulFile);
    EXPECT_EQ(CheckLexiconStructure(), 0);
}

TEST_F(LexFileTest, FileRoundTrip) {
    std::string path = OpenNew();
    InsertWord("zorbulA", "zorbul", 'A', {0x41, 0x14, 0x4C});
    InsertWord("saint\x9bjean@", "Saint-Jean", '@', {'@', 0, 0, 1, 'S', 'J'});
    InsertWord("zorbulsA", "zorbul", 'A', {0x41, 0x18, 0x4C});
    ASSERT_EQ(SaveLexiconChange(), 0);
    Bytes image = Image();
    KRZCloseLex();
    EXPECT_EQ(KRZGetLexiconSize(), 12u);
    EXPECT_EQ(KRZOpenLex(path.c_str()), 0);
    EXPECT_EQ(Image(), image);
    EXPECT_EQ(KRZGetCounterLex(), 2u);
    FormEntry found = Entry("", "", 0);
    EXPECT_EQ(LookupLexEntry(Key("saint\x9bjean@"), found), 1);
    EXPECT_EQ(Text(found.LemmaText), "Saint-Jean");
}

TEST_F(LexFileTest, ImageExportsAndRoundTrip) {
    std::string path = OpenNew();
    InsertWord("motA", "mot", 'A', {0x41, 0x14});
    ASSERT_EQ(SaveLexiconChange(), 0);
    Bytes image(KRZGetLexiconSize());
    EXPECT_EQ(KRZGetLexicon(image.data(), static_cast<uint32_t>(image.size()) - 1), -8);
    EXPECT_EQ(KRZGetLexicon(nullptr, 1000), -8);
    EXPECT_EQ(KRZGetLexicon(image.data(), static_cast<uint32_t>(image.size())), 0);

    InsertWord("autreA", "autre", 'A');
    ASSERT_EQ(SaveLexiconChange(), 0);
    EXPECT_EQ(KRZGetCounterLex(), 3u);
    EXPECT_EQ(KRZSetLexicon(image.data(), static_cast<uint32_t>(image.size())), 0);
    EXPECT_EQ(KRZGetCounterLex(), 2u);  // taken over, not raised
    EXPECT_EQ(Image(), image);
    EXPECT_EQ(ReadAll(path), image);
}

// Files that are not sound lexicons: refused, left as they were, and no
// later change can write over them.
TEST_F(LexFileTest, FilesThatAreNotLexiconsAreRefusedAndNeverWritten) {
    Bytes valid = kZorbulFile;
    struct Case {
        const char* name;
        Bytes bytes;
    };
    std::vector<Case> cases = {
        {"text", {'h', 'e', 'l', 'l', 'o', '\n'}},
        {"short", {0x30, 0x32}},
        {"wrong signature", {0x30, 0x32, 0x37, 0x31, 0, 0, 0, 1, 0, 0, 0, 0}},
        {"count differs", MakeImage({}, 1, 1)},
    };
    for (u32 n = 5; n <= 11; ++n) cases.push_back({"cut header", Bytes(valid.begin(), valid.begin() + n)});
    for (u32 n = 13; n < valid.size(); n += 7) cases.push_back({"cut body", Bytes(valid.begin(), valid.begin() + n)});
    Bytes bad = valid;
    bad[12 + 27] = 0x90;  // a distance past the end
    cases.push_back({"broken chain", bad});

    for (const Case& c : cases) {
        Reset();
        std::filesystem::remove(Path("good.lex"));
        std::string good = OpenNew("good.lex");
        InsertWord("motA", "mot", 'A');
        ASSERT_EQ(SaveLexiconChange(), 0);
        Bytes goodBytes = ReadAll(good);

        std::string foreign = Path("foreign");
        WriteAll(foreign, c.bytes);
        EXPECT_EQ(KRZOpenLex(foreign.c_str()), -10) << c.name;
        EXPECT_EQ(ReadAll(foreign), c.bytes) << c.name;
        EXPECT_EQ(KRZGetLexiconSize(), 12u) << c.name;
        EXPECT_EQ(LexFileHandle, nullptr) << c.name;
        EXPECT_EQ(InsertLexRecord(Entry("xA", "x", 'A')), kLexNotOpen) << c.name;
        EXPECT_EQ(SaveLexiconChange(), kLexNotOpen) << c.name;
        EXPECT_EQ(KRZSetLexicon(valid.data(), static_cast<uint32_t>(valid.size())), kLexFileError) << c.name;
        EXPECT_EQ(ReadAll(foreign), c.bytes) << c.name;
        EXPECT_EQ(ReadAll(good), goodBytes) << c.name;  // the previous lexicon's file too
    }
}

TEST_F(LexFileTest, PathsThatCannotBeOpened) {
    std::string tooLong = Path(std::string(2100, 'x'));
    std::vector<std::string> paths = {Path("missing/dir/user.lex"), dir, tooLong, ""};
    for (const std::string& p : paths) {
        OpenNew("previous.lex");
        EXPECT_EQ(KRZOpenLex(p.c_str()), -5);
        EXPECT_EQ(LexFileHandle, nullptr);
        EXPECT_STREQ(GetLexiconPath(), "");
    }
    EXPECT_EQ(KRZOpenLex(nullptr), -5);
}

TEST_F(LexFileTest, ImagesAreCheckedBeforeAnythingChanges) {
    std::string path = OpenNew();
    InsertWord("motA", "mot", 'A');
    ASSERT_EQ(SaveLexiconChange(), 0);
    Bytes before = Image();
    Bytes file = ReadAll(path);

    Bytes valid = kZorbulFile;
    Bytes wrongSignature = valid;
    wrongSignature[3] = '1';
    Bytes countDiffers = valid;
    countDiffers[11] = 3;
    Bytes brokenChain = valid;
    brokenChain[12 + 27] = 0x60;
    struct Case {
        const char* name;
        Bytes image;
        u32 size;
        i16 expected;
    };
    std::vector<Case> cases = {
        {"size 0", valid, 0, -10},
        {"size 5", valid, 5, -10},
        {"size 11", valid, 11, -10},
        {"wrong signature", wrongSignature, static_cast<u32>(valid.size()), -10},
        {"truncated", valid, static_cast<u32>(valid.size()) - 3, -10},
        {"count differs", countDiffers, static_cast<u32>(valid.size()), -10},
        {"broken chain", brokenChain, static_cast<u32>(valid.size()), -10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KRZSetLexicon(c.image.data(), c.size), c.expected) << c.name;
        EXPECT_EQ(Image(), before) << c.name;
        EXPECT_EQ(ReadAll(path), file) << c.name;
        EXPECT_NE(LexFileHandle, nullptr) << c.name;
    }
    EXPECT_EQ(KRZSetLexicon(nullptr, 100), -10);
    Bytes huge = MakeImage({}, 0, 0);
    EXPECT_EQ(KRZSetLexicon(huge.data(), 12u + kLexMaxBodySize + 1), -8);  // refused before any read
    EXPECT_EQ(Image(), before);
}

TEST_F(LexFileTest, FailedSaveKeepsTheOldFileAndMemory) {
    std::string path = OpenNew();
    InsertWord("motA", "mot", 'A');
    ASSERT_EQ(SaveLexiconChange(), 0);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    Bytes file = ReadAll(path);
    Bytes image = Image();

    // A change whose save fails is rolled back by its caller's snapshot.
    LexSnapshot snapshot;
    ASSERT_TRUE(TakeLexSnapshot(snapshot));
    InsertWord("nouveauA", "nouveau", 'A');
    {
        FileSizeLimit limit(20);
        EXPECT_EQ(SaveLexiconChange(), kLexFileError);
    }
    EXPECT_EQ(KRZGetCounterLex(), 2u);
    RestoreLexSnapshot(snapshot);
    EXPECT_EQ(Image(), image);
    EXPECT_EQ(ReadAll(path), file);
    EXPECT_NE(LexFileHandle, nullptr);

    // A new image whose write fails leaves the previous lexicon in place.
    {
        FileSizeLimit limit(20);
        EXPECT_EQ(KRZSetLexicon(kZorbulFile.data(), static_cast<uint32_t>(kZorbulFile.size())), kLexFileError);
    }
    EXPECT_EQ(Image(), image);
    EXPECT_EQ(ReadAll(path), file);

    // Nothing is left beside the file, and its permissions survive a save.
    EXPECT_EQ(SaveLexiconChange(), 0);
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    std::size_t files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir)) files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);
}

TEST_F(LexFileTest, SavingThroughALinkKeepsTheLink) {
    std::string target = OpenNew("real.lex");
    KRZCloseLex();
    std::string link = Path("link.lex");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    ASSERT_EQ(KRZOpenLex(link.c_str()), 0);
    InsertWord("motA", "mot", 'A');
    ASSERT_EQ(SaveLexiconChange(), 0);
    struct stat st;
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadAll(target), Image());
}

TEST_F(LexFileTest, OpeningAnotherLexiconClosesThePreviousOne) {
    std::string first = OpenNew("first.lex");
    InsertWord("motA", "mot", 'A');
    ASSERT_EQ(SaveLexiconChange(), 0);
    Bytes firstBytes = ReadAll(first);
    std::string second = OpenNew("second.lex");
    EXPECT_EQ(KRZGetLexiconSize(), 12u);
    InsertWord("autreA", "autre", 'A');
    ASSERT_EQ(SaveLexiconChange(), 0);
    EXPECT_EQ(ReadAll(first), firstBytes);
    EXPECT_EQ(ReadAll(second), Image());
}

TEST_F(LexFileTest, DetachedLexiconStillAnswersButRefusesChanges) {
    std::string path = OpenNew();
    InsertWord("motA", "mot", 'A');
    ASSERT_EQ(SaveLexiconChange(), 0);
    EXPECT_EQ(KRZCloseLexFile(), 0);
    EXPECT_EQ(KRZCloseLexFile(), 0);
    FormEntry e = Entry("", "", 0);
    EXPECT_EQ(LookupLexEntry(Key("motA"), e), 1);
    EXPECT_EQ(InsertLexRecord(Entry("xA", "x", 'A')), kLexNotOpen);
    EXPECT_EQ(RemoveLexRecord(Entry("motA", "mot", 'A')), kLexNotOpen);
    EXPECT_EQ(SaveLexiconChange(), kLexNotOpen);
    EXPECT_EQ(KRZCloseLex(), 0);
    EXPECT_EQ(KRZCloseLex(), 0);
    EXPECT_EQ(LookupLexEntry(Key("motA"), e), 0);

    // After a close, an image goes to the last lexicon file, which opens.
    EXPECT_EQ(KRZSetLexicon(kZorbulFile.data(), static_cast<uint32_t>(kZorbulFile.size())), 0);
    EXPECT_EQ(ReadAll(path), kZorbulFile);
    EXPECT_NE(LexFileHandle, nullptr);
}

TEST_F(LexFileTest, ImageWithoutAnyPathStaysInMemory) {
    EXPECT_EQ(KRZSetLexicon(kZorbulFile.data(), static_cast<uint32_t>(kZorbulFile.size())), kLexFileError);
    EXPECT_EQ(Image(), kZorbulFile);
    EXPECT_EQ(LexFileHandle, nullptr);
}

TEST_F(LexFileTest, LaterStartUpKeepsAnOpenLexicon) {
    KRZInit(3, 0);
    std::string path = OpenNew();
    InsertWord("motA", "mot", 'A');
    ASSERT_EQ(SaveLexiconChange(), 0);
    Bytes image = Image();
    KRZEnd();
    KRZInit(3, 0);
    EXPECT_NE(LexFileHandle, nullptr);
    EXPECT_EQ(Image(), image);
    InsertWord("autreA", "autre", 'A');
    EXPECT_EQ(SaveLexiconChange(), 0);
    EXPECT_EQ(ReadAll(path), Image());
    KRZEnd();
}

}  // namespace

namespace {

// A save killed before its rename leaves target.~krzPID.N; the next open for
// writing removes those of processes that are gone, and only those.
TEST_F(LexFileTest, TemporariesOfDeadSavesAreRemovedOnOpen) {
    const std::string lex = Path("user.lex");
    WriteAll(lex, kNewLexicon);
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    ASSERT_GT(dead, 0);
    waitpid(dead, nullptr, 0);
    const std::string stale = lex + ".~krz" + std::to_string(dead) + ".0";
    const std::string live = lex + ".~krz" + std::to_string(getppid()) + ".3";
    const std::string other = Path("other.lex.~krz" + std::to_string(dead) + ".0");
    for (const std::string& p : {stale, live, other}) WriteAll(p, {1, 2, 3});
    ASSERT_EQ(KRZOpenLex(lex.c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(live));   // its process may still rename it
    EXPECT_TRUE(std::filesystem::exists(other));  // another lexicon's
}

// A new lexicon whose first write fails (a full disk) leaves no file.
TEST_F(LexFileTest, FailedCreationLeavesNoFile) {
    const std::string lex = Path("new.lex");
    {
        FileSizeLimit limit(2);
        EXPECT_EQ(KRZOpenLex(lex.c_str()), -5);
    }
    EXPECT_FALSE(std::filesystem::exists(lex));
    EXPECT_EQ(LexFileHandle, nullptr);
}

// Another process saved a new file at the path after this one loaded it: a
// change reads those words first and keeps them.
TEST_F(LexFileTest, ChangeKeepsWhatAnotherWriterSaved) {
    const std::string lex = OpenNew();
    const std::string beside = Path("other-process.lex");
    WriteAll(beside, kZorbulFile);
    ASSERT_EQ(std::rename(beside.c_str(), lex.c_str()), 0);
    KRZInit(3, 1);
    ASSERT_EQ(KRZInsertLex("blorbit", 0, 2, 1, 1, 0, "", "", 3), 0);
    EXPECT_EQ(LexEntryCount, 4u);  // zorbul, zorbuls, blorbit, blorbits
    LexListRecord* list = nullptr;
    const int32_t n = KRZGetListWordsLex(&list, 8);
    std::vector<std::string> words;
    for (int32_t i = 0; i < n; ++i) words.push_back(list[i].text);
    KRZDisposeListWordsLex(list);
    EXPECT_EQ(words, (std::vector<std::string>{"blorbit", "zorbul"}));
    ASSERT_EQ(KRZOpenLex(lex.c_str()), 0);  // and the file holds both
    EXPECT_EQ(LexEntryCount, 4u);
    KRZEnd();
}

}  // namespace
