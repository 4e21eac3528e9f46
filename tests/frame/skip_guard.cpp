// A listener that turns a skipped test into a failure unless the test is
// listed, with the reason it may skip, in tests/data/allowed_skips.txt:
// ctest counts a skip as a pass, so a skip whose reason has passed would
// otherwise hide a test for good.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace {

// Suite.Test (or Suite.* for a whole suite) -> reason, from the list (lines
// "Suite.Test<TAB>reason"; '#' starts a comment).
std::map<std::string, std::string> AllowedSkips() {
    std::map<std::string, std::string> allowed;
    std::ifstream in(std::string(KRZ_TEST_DATA_DIR) + "/allowed_skips.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos && tab + 1 < line.size()) allowed[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return allowed;
}

class SkipListener : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& info) override {
        if (!info.result()->Skipped()) return;
        static const std::map<std::string, std::string> allowed = AllowedSkips();
        const std::string name = std::string(info.test_suite_name()) + "." + info.name();
        if (allowed.count(name) == 0 && allowed.count(std::string(info.test_suite_name()) + ".*") == 0)
            ADD_FAILURE() << name << " skipped, and tests/data/allowed_skips.txt does not list it with a "
                                     "reason: a skip whose reason has passed becomes a failure";
    }
};

[[maybe_unused]] const bool gRegistered = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new SkipListener);
    return true;
}();

}  // namespace
