#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "support/test_support.h"

namespace {

using Names = std::vector<std::string>;

TEST(WildcardMatch, WindowsMeaningOfStarQuestionAndPoint) {
    // Pattern and name in pairs.
    const char* const matching[] = {"*.*",    "README", "*.",    "README", "*.",    "..",
                                    "a?.txt", "a.txt",  "a??",   "a",      "*.WKZ", "mill.wkz",
                                    "*.wkz",  ".wkz",   "a*b*c", "aXbYc",  "[a]",   "[A]"};
    const char* const differing[] = {"*.",  "a.txt", "*.",    ".profile",   "a?.txt", "abc.txt",
                                     "a?c", "a.c",   "*.wkz", "mill.wkz.1", "*.t?t",  "x.tt"};
    for (std::size_t i = 0; i < std::size(matching); i += 2) {
        EXPECT_TRUE(platform::wildcard_match(matching[i], matching[i + 1])) << matching[i];
    }
    for (std::size_t i = 0; i < std::size(differing); i += 2) {
        EXPECT_FALSE(platform::wildcard_match(differing[i], differing[i + 1])) << differing[i];
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

Names names(const std::vector<platform::DirectoryEntry>& entries) {
    Names out;
    for (const auto& e : entries) {
        out.push_back(e.name);
    }
    return out;
}

TEST(FindFiles, SortsIgnoringCaseAndFillsAttributes) {
    testsupport::TempDir dir;
    for (const char* name : {"Lib/b.wkz", "Lib/A.wkz", "Lib/c.txt", "Lib/README", "Lib/_x.wkz"}) {
        dir.write(name, "bb");
    }
    dir.mkdir("Lib/sub");
    ASSERT_EQ(::symlink(dir.file("Lib").c_str(), dir.file("Lib/loop").c_str()), 0);
    EXPECT_EQ(names(platform::find_files(dir.file("Lib/*"))),
              (Names{".", "..", "A.wkz", "b.wkz", "c.txt", "loop", "README", "sub", "_x.wkz"}));
    const auto entries = platform::find_files(dir.file("lib/?.wkz"));
    ASSERT_EQ(names(entries), (Names{"A.wkz", "b.wkz"}));
    EXPECT_EQ(entries[1].size, 2);
    const auto loop = platform::find_files(dir.file("LIB/LOOP"));
    ASSERT_EQ(loop.size(), 1u);
    EXPECT_TRUE(loop[0].is_directory);
    EXPECT_TRUE(loop[0].is_symlink);
    EXPECT_TRUE(platform::find_files(dir.file("nowhere/*")).empty());
    EXPECT_TRUE(platform::find_files(dir.file("Lib/")).empty());
}

}  // namespace
