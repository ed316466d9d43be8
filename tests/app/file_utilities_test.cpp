#include "app/file_utilities.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "app/file_chooser.h"
#include "app_fixture.h"
#include "platform/filesystem.h"

namespace {

using apptest::Installation;
using testing::HasSubstr;

class FileUtilities : public testing::Test {
protected:
    void SetUp() override {
        install.root.mkdir("tools/Mills");
        install.root.write("tools/Mills/T1.wkz", "t1");
        install.root.write("tools/Mills/t2.wkz", "t2");
        install.root.write("tools/Mills/t2.ncs", "n2");
        install.root.mkdir("tools/Mills/sub.wkz");
    }
    std::string path(const std::string& relative) const { return install.root.file(relative); }
    void make_read_only(const std::string& relative) const {
        ASSERT_EQ(::chmod(path(relative).c_str(), 0444), 0);
        ASSERT_TRUE(platform::is_read_only(path(relative)));
    }
    std::vector<std::string> keys() const {
        std::vector<std::string> result;
        for (const auto& raised : install.presenter.messages) {
            result.push_back(raised.key);
        }
        return result;
    }

    Installation install;
};

TEST_F(FileUtilities, ValidateDirectory) {
    struct Case {
        std::string relative;
        bool ok;
        std::string after;  // relative form of the directory afterwards
    } cases[] = {
        {"tools/Mills", true, "tools/Mills"},
        {"tools/Mills//", true, "tools/Mills"},
        {"TOOLS/mills/", true, "TOOLS/mills"},
        {"tools/Mills/sub.wkz", true, "tools/Mills/sub.wkz"},
        {"tools/Mills/..", true, "tools/Mills/.."},
        {"tools/Mills/T1.wkz", false, "tools/Mills/T1.wkz"},
        {"tools/missing/", false, "tools/missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.relative);
        std::string directory = path(c.relative);
        EXPECT_EQ(ValidateDirectory(directory, false, false), c.ok);
        EXPECT_EQ(directory, path(c.after));
    }
    std::string root = "///";
    EXPECT_TRUE(ValidateDirectory(root, false, false));
    EXPECT_EQ(root, "/");
    std::string empty;
    EXPECT_FALSE(ValidateDirectory(empty, false, false));
    EXPECT_TRUE(install.presenter.messages.empty());
}

TEST_F(FileUtilities, ValidateDirectoryReportsAndFallsBack) {
    std::string directory = path("missing/");
    EXPECT_FALSE(ValidateDirectory(directory, true, false));
    EXPECT_EQ(directory, path("missing"));
    ASSERT_EQ(keys(), std::vector<std::string>{"GENERAL_DIR_NOT_VALID"});
    EXPECT_EQ(install.presenter.messages[0].text, "dir " + path("missing"));

    EXPECT_FALSE(ValidateDirectory(directory, false, true));
    EXPECT_EQ(directory, platform::current_directory().value());
    EXPECT_EQ(install.presenter.messages.size(), 1u);
}

TEST_F(FileUtilities, ValidateFile) {
    EXPECT_TRUE(ValidateFile(path("tools/Mills/T1.wkz"), false));
    EXPECT_TRUE(ValidateFile(path("tools/mills/t1.WKZ"), false));
    EXPECT_TRUE(ValidateFile(path("tools/Mills/sub.wkz"), false));
    EXPECT_TRUE(ValidateFile(path("tools/Mills/*.ncs"), false));
    EXPECT_FALSE(ValidateFile(path("tools/Mills/"), false));
    EXPECT_FALSE(ValidateFile("", false));
    EXPECT_TRUE(install.presenter.messages.empty());
    EXPECT_FALSE(ValidateFile(path("tools/Mills/t9.wkz"), true));
    ASSERT_EQ(keys(), std::vector<std::string>{"GENERAL_FILE_NOT_VALID"});
    EXPECT_EQ(install.presenter.messages[0].text, "file " + path("tools/Mills/t9.wkz"));
}

TEST_F(FileUtilities, DeleteFileAskClearsReadOnlyOnlyWhenDeleting) {
    make_read_only("tools/Mills/T1.wkz");
    install.presenter.answers = {kAnswerNo};
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/T1.wkz"), true));
    EXPECT_TRUE(platform::is_read_only(path("tools/Mills/T1.wkz")));
    ASSERT_EQ(keys(), std::vector<std::string>{"GENERAL_DELETE_FILE"});
    EXPECT_EQ(install.presenter.messages[0].buttons, kButtonsYesNo);
    EXPECT_EQ(install.presenter.messages[0].text, "delete " + path("tools/Mills/T1.wkz"));

    EXPECT_TRUE(DeleteFileAsk(path("tools/Mills/T1.wkz"), false));
    EXPECT_FALSE(platform::exists(path("tools/Mills/T1.wkz")));
    EXPECT_EQ(install.presenter.messages.size(), 1u);

    install.presenter.answers = {kAnswerYes};
    EXPECT_TRUE(DeleteFileAsk(path("tools/mills/T2.WKZ"), true));
    EXPECT_FALSE(platform::exists(path("tools/Mills/t2.wkz")));
    EXPECT_TRUE(platform::exists(path("tools/Mills/t2.ncs")));
}

TEST_F(FileUtilities, DeleteFileAskRefusesWhatIsNoFile) {
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/missing.wkz"), false));
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/sub.wkz"), false));
    EXPECT_TRUE(platform::is_directory(path("tools/Mills/sub.wkz")));
}

TEST_F(FileUtilities, DeleteFileAskRemovesALinkNotItsTarget) {
    make_read_only("tools/Mills/t2.ncs");
    ASSERT_EQ(::symlink(path("tools/Mills/t2.ncs").c_str(), path("tools/link.ncs").c_str()), 0);
    EXPECT_TRUE(DeleteFileAsk(path("tools/link.ncs"), false));
    EXPECT_TRUE(platform::exists(path("tools/Mills/t2.ncs")));
    EXPECT_TRUE(platform::is_read_only(path("tools/Mills/t2.ncs")));
}

TEST_F(FileUtilities, DeletePatternRemovesMatchingFilesOnly) {
    make_read_only("tools/Mills/T1.wkz");
    install.root.write("tools/Mills/keep.txt", "k");
    EXPECT_TRUE(DeletePattern(path("tools/MILLS/*.WKZ")));
    EXPECT_FALSE(platform::exists(path("tools/Mills/T1.wkz")));
    EXPECT_FALSE(platform::exists(path("tools/Mills/t2.wkz")));
    EXPECT_TRUE(platform::is_directory(path("tools/Mills/sub.wkz")));
    EXPECT_TRUE(platform::exists(path("tools/Mills/t2.ncs")));
    EXPECT_TRUE(platform::exists(path("tools/Mills/keep.txt")));

    EXPECT_TRUE(DeletePattern(path("tools/Mills/*.none")));
    EXPECT_TRUE(DeletePattern(path("nowhere/*")));
    EXPECT_TRUE(install.presenter.messages.empty());
}

TEST_F(FileUtilities, DeletePatternInTheCurrentDirectory) {
    const std::string previous = platform::current_directory().value();
    ASSERT_TRUE(platform::set_current_directory(path("tools/Mills")));
    const bool deleted = DeletePattern("*.ncs");
    platform::set_current_directory(previous);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(platform::exists(path("tools/Mills/t2.ncs")));
    EXPECT_TRUE(platform::exists(path("tools/Mills/t2.wkz")));
}

TEST_F(FileUtilities, CreateDirectoryAsk) {
    EXPECT_TRUE(CreateDirectoryAsk(path("tools/mills/"), true));
    EXPECT_TRUE(install.presenter.messages.empty());

    install.presenter.answers = {kAnswerNo};
    EXPECT_FALSE(CreateDirectoryAsk(path("tools/new"), true));
    EXPECT_FALSE(platform::exists(path("tools/new")));
    ASSERT_EQ(keys(), std::vector<std::string>{"GENERAL_CREATE_DIR"});
    EXPECT_EQ(install.presenter.messages[0].buttons, kButtonsYesNo);
    EXPECT_EQ(install.presenter.messages[0].text, "create " + path("tools/new"));

    install.presenter.answers = {kAnswerYes};
    EXPECT_TRUE(CreateDirectoryAsk(path("tools/new//"), true));
    EXPECT_TRUE(platform::is_directory(path("tools/new")));

    EXPECT_FALSE(CreateDirectoryAsk(path("a/b"), false));
    EXPECT_FALSE(platform::exists(path("a")));
    EXPECT_FALSE(CreateDirectoryAsk(path("tools/Mills/T1.wkz"), false));
    EXPECT_EQ(install.presenter.messages.size(), 2u);
}

TEST_F(FileUtilities, MessagesNameTheirOrigin) {
    GetCatalogue()->SetDetail(1);
    install.presenter.answers = {kAnswerNo, kAnswerNo};
    std::string directory = path("missing");
    ValidateDirectory(directory, true, false);
    ValidateFile(path("missing"), true);
    DeleteFileAsk(path("tools/Mills/T1.wkz"), true);
    CreateDirectoryAsk(path("missing"), true);
    const int lines[] = {245, 278, 291, 550};
    ASSERT_EQ(install.presenter.messages.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(install.presenter.messages[i].section, "GENERAL");
        EXPECT_THAT(install.presenter.messages[i].text,
                    HasSubstr(apptest::origin_text("basics", lines[i])));
    }
}

class QueuedChooser : public FileChooser {
public:
    std::optional<std::string> choose_directory(void*, const std::string& title) override {
        titles.push_back(title);
        return answer;
    }
    std::optional<std::string> choose_save_file(void*, const SaveFileRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> answer;
    std::vector<std::string> titles;
};

TEST(BrowseForDirectory, AsksTheInstalledChooser) {
    int window = 0;
    std::string directory = "/before";
    EXPECT_FALSE(BrowseForDirectory(&window, "Choose", directory));

    QueuedChooser chooser;
    FileChooser* previous = install_file_chooser(&chooser);
    EXPECT_FALSE(BrowseForDirectory(nullptr, "Choose", directory));
    EXPECT_TRUE(chooser.titles.empty());

    EXPECT_FALSE(BrowseForDirectory(&window, "Choose", directory));
    EXPECT_EQ(directory, "/before");
    chooser.answer = "";
    EXPECT_FALSE(BrowseForDirectory(&window, "Choose", directory));
    chooser.answer = "/" + std::string(kMaxCurrentDirectory, 'x');
    EXPECT_FALSE(BrowseForDirectory(&window, "Choose", directory));
    chooser.answer = "/tools";
    EXPECT_TRUE(BrowseForDirectory(&window, "Choose Tool Directory", directory));
    EXPECT_EQ(directory, "/tools");
    EXPECT_EQ(chooser.titles.back(), "Choose Tool Directory");
    install_file_chooser(previous);
}

}  // namespace
