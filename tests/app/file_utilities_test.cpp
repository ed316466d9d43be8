#include "app/file_utilities.h"
#include "app/path_parts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <tuple>

#include "app_fixture.h"
#include "platform/filesystem.h"

namespace {

using Ids = std::vector<std::string>;

struct FileUtilities : testing::Test {
    void SetUp() override {
        install.root.write("tools/Mills/T1.wkz", "x");
        install.root.write("tools/Mills/t2.wkz", "x");
        install.root.mkdir("tools/Mills/sub.wkz");
        ASSERT_EQ(::chmod(path("tools/Mills/T1.wkz").c_str(), 0444), 0);
    }
    std::string path(const std::string& relative) const { return install.path(relative); }

    apptest::Installation install;
};

TEST_F(FileUtilities, ValidateDirectoryAndFile) {
    // Path, what ValidateDirectory leaves of it, directory valid, file valid.
    const std::tuple<std::string, std::string, bool, bool> cases[] = {
        {"tools/Mills//", "tools/Mills", true, false},
        {"tools/mills/t1.WKZ", "tools/mills/t1.WKZ", false, true},
        {"tools/Mills/*2.wkz", "tools/Mills/*2.wkz", false, true},
        {"tools/missing/", "tools/missing", false, false},
    };
    for (const auto& [relative, stripped, directory_valid, file_valid] : cases) {
        SCOPED_TRACE(relative);
        std::string directory = path(relative);
        EXPECT_EQ(ValidateDirectory(directory, false, false), directory_valid);
        EXPECT_EQ(directory, path(stripped));
        EXPECT_EQ(ValidateFile(path(relative), false), file_valid);
    }
    std::string missing = path("missing/");
    EXPECT_FALSE(ValidateDirectory(missing, true, true));
    EXPECT_EQ(missing, platform::current_directory().value());
    EXPECT_FALSE(ValidateFile(path("missing"), true));
    EXPECT_EQ(install.ids(true), (Ids{"dir " + path("missing"), "file " + path("missing")}));
}

TEST_F(FileUtilities, DeletingAsksFirstAndLeavesDirectoriesAndLinkTargets) {
    install.presenter.answers = {kAnswerNo, kAnswerYes};
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/T1.wkz"), true));
    EXPECT_TRUE(platform::is_read_only(path("tools/Mills/T1.wkz")));
    EXPECT_TRUE(DeleteFileAsk(path("tools/mills/T2.WKZ"), true));
    EXPECT_FALSE(platform::exists(path("tools/Mills/t2.wkz")));
    EXPECT_EQ(install.ids(), (Ids{"GENERAL/GENERAL_DELETE_FILE", "GENERAL/GENERAL_DELETE_FILE"}));
    EXPECT_EQ(install.presenter.shown[1].text, "delete " + path("tools/mills/T2.WKZ"));
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/sub.wkz"), false));
    // A link goes, its read-only target stays as it was.
    ASSERT_EQ(::symlink(path("tools/Mills/T1.wkz").c_str(), path("link.wkz").c_str()), 0);
    EXPECT_TRUE(DeleteFileAsk(path("link.wkz"), false));
    EXPECT_TRUE(platform::is_read_only(path("tools/Mills/T1.wkz")));
    EXPECT_TRUE(DeleteFileAsk(path("tools/Mills/T1.wkz"), false));
    EXPECT_FALSE(platform::exists(path("tools/Mills/T1.wkz")));
}

TEST(PathParts, NormalizePath) {
    const std::tuple<std::string, bool, std::string> cases[] = {
        {"/tools/./mills/../../drills/t.wkz", true, "/drills/t.wkz"},
        {"/../lib", false, "/../lib"},
        // Failing discards the steps up already taken, not the "/./" removal.
        {"/a/./b/../../../c", false, "/a/b/../../../c"},
        // A name that starts with two points is no step up.
        {"/lib/..hidden/../t.wkz", true, "/lib/t.wkz"},
    };
    for (const auto& [given, ok, result] : cases) {
        std::string path = given;
        EXPECT_EQ(NormalizePath(path), ok) << given;
        EXPECT_EQ(path, result) << given;
    }
}

}  // namespace
