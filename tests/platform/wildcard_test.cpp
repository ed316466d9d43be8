#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "support/test_support.h"

namespace {

struct MatchCase {
    const char* pattern;
    const char* name;
    bool expected;
};

TEST(WildcardMatch, WindowsMeaningOfStarQuestionAndPoint) {
    const MatchCase cases[] = {
        {"*.*", "README", true},
        {"*.*", "a.txt", true},
        {"*.*", ".", true},
        {"*.", "README", true},
        {"*.", "a.txt", false},
        {"*.", ".", true},
        {"*.", "..", true},
        {"*.", ".profile", false},
        {"a?.txt", "a.txt", true},
        {"a?.txt", "ab.txt", true},
        {"a?.txt", "abc.txt", false},
        {"a??", "a", true},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"a?c", "a.c", false},
        {"*.WKZ", "mill.wkz", true},
        {"*.wkz", "mill.wkz.1", false},
        {"*.wkz", "a.b.wkz", true},
        {"*.wkz", ".wkz", true},
        {"Tool.wkz", "TOOL.WKZ", true},
        {"Tool.wkz", "Tool.wk", false},
        {"*", "..", true},
        {"*a", "bA", true},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXbYd", false},
        {"*.t?t", "x.txt", true},
        {"*.t?t", "x.tt", false},
        {"*.n*", "tool.ncs", true},
        {"*.n*", "tool", false},
        {"[a]", "[A]", true},
    };
    for (const MatchCase& c : cases) {
        EXPECT_EQ(platform::wildcard_match(c.pattern, c.name), c.expected)
            << c.pattern << " vs " << c.name;
    }
}

TEST(WildcardMatch, ManyStarsOnALongNameFinishQuickly) {
    const std::string name(5000, 'a');
    std::string pattern;
    for (int i = 0; i < 200; ++i) {
        pattern += "*a";
    }
    EXPECT_TRUE(platform::wildcard_match(pattern, name));
    EXPECT_FALSE(platform::wildcard_match(pattern + "b", name));
}

std::vector<std::string> names(const std::vector<platform::DirectoryEntry>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) {
        out.push_back(e.name);
    }
    return out;
}

class FindFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("Lib/b.wkz", "bb");
        dir.write("Lib/A.wkz", "a");
        dir.write("Lib/c.txt", "");
        dir.write("Lib/README", "");
        dir.write("Lib/_x.wkz", "");
        dir.mkdir("Lib/sub");
    }
    testsupport::TempDir dir;
};

TEST_F(FindFiles, SortsIgnoringCaseWithDotEntriesFirst) {
    EXPECT_EQ(names(platform::find_files(dir.file("Lib/*"))),
              (std::vector<std::string>{".", "..", "A.wkz", "b.wkz", "c.txt", "README", "sub",
                                        "_x.wkz"}));
    EXPECT_EQ(names(platform::find_files(dir.file("Lib/*.WKZ"))),
              (std::vector<std::string>{"A.wkz", "b.wkz", "_x.wkz"}));
    EXPECT_EQ(names(platform::find_files(dir.file("Lib/*."))),
              (std::vector<std::string>{".", "..", "README", "sub"}));
}

TEST_F(FindFiles, ResolvesTheDirectoryIgnoringCaseAndFillsAttributes) {
    const auto entries = platform::find_files(dir.file("lib/?.wkz"));
    ASSERT_EQ(names(entries), (std::vector<std::string>{"A.wkz", "b.wkz"}));
    EXPECT_EQ(entries[1].size, 2);
    EXPECT_FALSE(entries[1].is_directory);
    EXPECT_GT(entries[1].modified, 0);
    const auto sub = platform::find_files(dir.file("LIB/SUB"));
    ASSERT_EQ(sub.size(), 1u);
    EXPECT_TRUE(sub[0].is_directory);
}

TEST_F(FindFiles, MarksLinksToDirectories) {
    ASSERT_EQ(::symlink(dir.file("Lib").c_str(), dir.file("Lib/loop").c_str()), 0);
    const auto entries = platform::find_files(dir.file("Lib/loop"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].is_directory);
    EXPECT_TRUE(entries[0].is_symlink);
}

TEST_F(FindFiles, NothingForMissingDirectoryOrEmptyPattern) {
    EXPECT_TRUE(platform::find_files(dir.file("nowhere/*")).empty());
    EXPECT_TRUE(platform::find_files(dir.file("Lib/")).empty());
    EXPECT_TRUE(platform::find_files(dir.file("Lib/*.none")).empty());
}

}  // namespace
