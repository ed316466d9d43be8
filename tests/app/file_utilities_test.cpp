#include "app/file_utilities.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "app/file_chooser.h"
#include "app_fixture.h"
#include "platform/filesystem.h"

namespace {

using Ids = std::vector<std::string>;

class FileUtilities : public testing::Test {
protected:
    void SetUp() override {
        install.root.write("tools/Mills/T1.wkz", "t1");
        install.root.write("tools/Mills/t2.wkz", "t2");
        install.root.write("tools/Mills/t2.ncs", "n2");
        install.root.mkdir("tools/Mills/sub.wkz");
    }
    std::string path(const std::string& relative) const { return install.path(relative); }
    void make_read_only(const std::string& relative) const {
        ASSERT_EQ(::chmod(path(relative).c_str(), 0444), 0);
    }

    apptest::Installation install;
};

TEST_F(FileUtilities, ValidateDirectoryAndFile) {
    const struct {
        std::string relative, stripped;
        bool directory, file;
    } cases[] = {
        {"tools/Mills//", "tools/Mills", true, false},
        {"TOOLS/mills", "TOOLS/mills", true, true},
        {"tools/Mills/sub.wkz", "tools/Mills/sub.wkz", true, true},
        {"tools/Mills/..", "tools/Mills/..", true, true},
        {"tools/mills/t1.WKZ", "tools/mills/t1.WKZ", false, true},
        {"tools/Mills/*.ncs", "tools/Mills/*.ncs", false, true},
        {"tools/missing/", "tools/missing", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.relative);
        std::string directory = path(c.relative);
        EXPECT_EQ(ValidateDirectory(directory, false, false), c.directory);
        EXPECT_EQ(directory, path(c.stripped));
        EXPECT_EQ(ValidateFile(path(c.relative), false), c.file);
    }
    std::string root = "//";
    EXPECT_TRUE(ValidateDirectory(root, false, false));
    EXPECT_EQ(root, "/");
    EXPECT_TRUE(install.presenter.messages.empty());

    std::string missing = path("missing/");
    EXPECT_FALSE(ValidateDirectory(missing, true, true));
    EXPECT_EQ(missing, platform::current_directory().value());
    EXPECT_FALSE(ValidateFile(path("missing"), true));
    EXPECT_EQ(install.ids(),
              (Ids{"GENERAL/GENERAL_DIR_NOT_VALID", "GENERAL/GENERAL_FILE_NOT_VALID"}));
    EXPECT_EQ(install.presenter.messages[0].text, "dir " + path("missing"));
}

TEST_F(FileUtilities, DeleteFileAskClearsReadOnlyOnlyWhenDeleting) {
    make_read_only("tools/Mills/T1.wkz");
    install.presenter.answers = {kAnswerNo, kAnswerYes};
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/T1.wkz"), true));
    EXPECT_TRUE(platform::is_read_only(path("tools/Mills/T1.wkz")));
    EXPECT_TRUE(DeleteFileAsk(path("tools/mills/T2.WKZ"), true));
    EXPECT_EQ(install.presenter.messages[0].buttons, kButtonsYesNo);
    EXPECT_EQ(install.presenter.messages[1].text, "delete " + path("tools/mills/T2.WKZ"));
    EXPECT_TRUE(DeleteFileAsk(path("tools/Mills/T1.wkz"), false));
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/T1.wkz"), false));
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/sub.wkz"), false));
    EXPECT_EQ(install.presenter.messages.size(), 2u);
    EXPECT_FALSE(platform::exists(path("tools/Mills/T1.wkz")));
    EXPECT_FALSE(platform::exists(path("tools/Mills/t2.wkz")));
    EXPECT_TRUE(platform::is_directory(path("tools/Mills/sub.wkz")));

    // A link goes, its read-only target stays as it was.
    make_read_only("tools/Mills/t2.ncs");
    ASSERT_EQ(::symlink(path("tools/Mills/t2.ncs").c_str(), path("link.ncs").c_str()), 0);
    EXPECT_TRUE(DeleteFileAsk(path("link.ncs"), false));
    EXPECT_TRUE(platform::is_read_only(path("tools/Mills/t2.ncs")));
}

TEST_F(FileUtilities, DeletePatternRemovesMatchingFilesOnly) {
    make_read_only("tools/Mills/T1.wkz");
    EXPECT_TRUE(DeletePattern(path("tools/MILLS/*.WKZ")));
    EXPECT_FALSE(platform::exists(path("tools/Mills/T1.wkz")));
    EXPECT_FALSE(platform::exists(path("tools/Mills/t2.wkz")));
    EXPECT_TRUE(platform::is_directory(path("tools/Mills/sub.wkz")));
    EXPECT_TRUE(platform::exists(path("tools/Mills/t2.ncs")));
    EXPECT_TRUE(DeletePattern(path("nowhere/*")));

    const std::string previous = platform::current_directory().value();
    ASSERT_TRUE(platform::set_current_directory(path("tools/Mills")));
    EXPECT_TRUE(DeletePattern("*.ncs"));
    platform::set_current_directory(previous);
    EXPECT_FALSE(platform::exists(path("tools/Mills/t2.ncs")));
}

TEST_F(FileUtilities, CreateDirectoryAsk) {
    install.presenter.answers = {kAnswerNo, kAnswerYes};
    EXPECT_TRUE(CreateDirectoryAsk(path("tools/mills/"), true));
    EXPECT_FALSE(CreateDirectoryAsk(path("tools/new"), true));
    EXPECT_FALSE(platform::exists(path("tools/new")));
    EXPECT_TRUE(CreateDirectoryAsk(path("tools/new//"), true));
    EXPECT_TRUE(platform::is_directory(path("tools/new")));
    EXPECT_EQ(install.ids(), (Ids{"GENERAL/GENERAL_CREATE_DIR", "GENERAL/GENERAL_CREATE_DIR"}));
    EXPECT_FALSE(CreateDirectoryAsk(path("a/b"), false));
    EXPECT_FALSE(platform::exists(path("a")));
    EXPECT_FALSE(CreateDirectoryAsk(path("tools/Mills/T1.wkz"), false));
}

class AnsweringChooser : public FileChooser {
public:
    std::optional<std::string> choose_directory(void*, const std::string&) override {
        return answer;
    }
    std::optional<std::string> choose_save_file(void*, const SaveFileRequest&) override {
        return {};
    }
    std::optional<std::string> answer;
};

TEST(BrowseForDirectory, AsksTheInstalledChooser) {
    int window = 0;
    std::string directory = "/before";
    EXPECT_FALSE(BrowseForDirectory(&window, "Choose", directory));
    AnsweringChooser chooser;
    FileChooser* previous = install_file_chooser(&chooser);
    for (const auto& answer : {std::optional<std::string>(), std::optional<std::string>("")}) {
        chooser.answer = answer;
        EXPECT_FALSE(BrowseForDirectory(&window, "Choose", directory));
    }
    chooser.answer = "/tools";
    EXPECT_FALSE(BrowseForDirectory(nullptr, "Choose", directory));
    EXPECT_TRUE(BrowseForDirectory(&window, "Choose", directory));
    EXPECT_EQ(directory, "/tools");
    install_file_chooser(previous);
}

}  // namespace
