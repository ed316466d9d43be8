#include "language/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "catalogue_fixture.h"
#include "language/current_profile.h"
#include "language/typed_profile.h"
#include "platform/filesystem.h"

namespace {

using testsupport::read_file;

// A settings-like file: reads a marker and a value, writes them back.
class SampleFile : public IniFile {
public:
    using IniFile::IniFile;

    int found = 0;
    std::string profile_while_found;
    std::string name = "unset";
    double depth = 0.8;
    bool fail_halfway = false;

protected:
    int OnFileFound() override {
        ++found;
        profile_while_found = current_profile();
        name = read_profile_string("GENERAL", "Name", name);
        depth = read_profile_real("GENERAL", "Depth", depth);
        return 1;
    }
    void Write() override {
        write_profile_string("GENERAL", "Name", name);
        write_profile_real("GENERAL", "Depth", depth, 3);
    }
};

using IniFileTest = CatalogueTest;

TEST_F(IniFileTest, CheckReadsAnExistingFileAsTheCurrentProfile) {
    const std::string path = temp_.write("app.ini", "[GENERAL]\nName=mill\nDepth=0.12345\n");
    set_current_profile("before.ini");
    SampleFile file(path, 1);
    EXPECT_EQ(file.Check(), 1);
    EXPECT_EQ(file.found, 1);
    EXPECT_EQ(file.profile_while_found, path);
    EXPECT_EQ(file.name, "mill");
    EXPECT_DOUBLE_EQ(file.depth, 0.123);
    EXPECT_EQ(current_profile(), "before.ini");
    EXPECT_TRUE(presenter_.shown.empty());
    set_current_profile("");
}

TEST_F(IniFileTest, AMissingFileIsAnnouncedInItsLanguageOnlyWhenAsked) {
    const std::string path = temp_.file("missing.ini");
    SampleFile quiet(path, 0);
    EXPECT_EQ(quiet.Check(), 0);
    EXPECT_TRUE(presenter_.shown.empty());

    SampleFile loud(path, 1);
    EXPECT_EQ(loud.Check(), 0);
    EXPECT_EQ(loud.found, 0);
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(presenter_.shown[0].text,
              "The Initialization File\n\n\t'" + path + "'\n\ndoes not exist!");

    loud.SetLanguageIndex(1);
    loud.Check();
    ASSERT_EQ(presenter_.shown.size(), 2u);
    EXPECT_EQ(presenter_.shown[1].text,
              "Die Initialisierungsdatei\n\n\t'" + path + "'\n\nexistiert nicht!");

    // A directory of that name is no file.
    temp_.mkdir("missing.ini");
    EXPECT_EQ(quiet.Check(), 0);
}

TEST_F(IniFileTest, ResetFileWithDeleteStartsAfresh) {
    const std::string path =
        temp_.write("app.ini", "; old comment\r\n[OLD]\r\nx=1\r\n[GENERAL]\r\nName=old\r\n");
    SampleFile file(path, 0);
    file.name = "new";
    file.depth = 0.8;
    EXPECT_TRUE(file.ResetFile(true));
    EXPECT_EQ(read_file(path), "[GENERAL]\r\nName=new\r\nDepth=0.800\r\n");
}

TEST_F(IniFileTest, ResetFileWithoutDeleteKeepsTheRest) {
    const std::string path =
        temp_.write("app.ini", "; keep\r\n[OLD]\r\nx=1\r\n[GENERAL]\r\nName=old\r\n");
    SampleFile file(path, 0);
    file.name = "new";
    EXPECT_TRUE(file.ResetFile(false));
    EXPECT_EQ(read_file(path),
              "; keep\r\n[OLD]\r\nx=1\r\n[GENERAL]\r\nName=new\r\nDepth=0.800\r\n");
    // Nothing to change: the file is left as it is.
    IniFile plain(path, 0);
    EXPECT_TRUE(plain.ResetFile(false));
}

TEST_F(IniFileTest, ResetFileCreatesOneMissingDirectoryLevel) {
    SampleFile file(temp_.file("settings/app.ini"), 0);
    EXPECT_TRUE(file.ResetFile(true));
    EXPECT_EQ(read_file(temp_.file("settings/app.ini")),
              "[GENERAL]\r\nName=unset\r\nDepth=0.800\r\n");

    SampleFile deep(temp_.file("a/b/app.ini"), 0);
    EXPECT_FALSE(deep.ResetFile(true));
    EXPECT_FALSE(platform::exists(temp_.file("a")));

    SampleFile no_directory(temp_.file("c/app.ini"), 0);
    EXPECT_FALSE(no_directory.ResetFile(false));
    EXPECT_FALSE(platform::exists(temp_.file("c")));
}

TEST_F(IniFileTest, AFailedRewriteLeavesTheOldFile) {
    const std::string old = "[GENERAL]\r\nName=old\r\n";
    const std::string path = temp_.write("app.ini", old);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    SampleFile file(path, 0);
    file.name = "new";
    EXPECT_FALSE(file.ResetFile(true));
    EXPECT_FALSE(file.ResetFile(false));
    EXPECT_EQ(read_file(path), old);
}

TEST_F(IniFileTest, AFreshFileWithNothingWrittenIsRemoved) {
    const std::string path = temp_.write("app.ini", "[GENERAL]\r\nName=old\r\n");
    IniFile file(path, 0);
    EXPECT_TRUE(file.ResetFile(true));
    EXPECT_FALSE(platform::exists(path));
    EXPECT_TRUE(file.ResetFile(true));
}

TEST_F(IniFileTest, HookReadsSeeWhatItHasWritten) {
    class Counter : public IniFile {
    public:
        using IniFile::IniFile;
        int seen = -1;

    protected:
        void Write() override {
            write_profile_int("S", "n", 41);
            seen = read_profile_int("S", "n", 0) + 1;
            write_profile_int("S", "n", seen);
        }
    };
    const std::string path = temp_.file("counter.ini");
    Counter file(path, 0);
    EXPECT_TRUE(file.ResetFile(true));
    EXPECT_EQ(file.seen, 42);
    EXPECT_EQ(read_file(path), "[S]\r\nn=42\r\n");
}

TEST_F(IniFileTest, PathsResolveIgnoringCase) {
    temp_.write("Settings/App.INI", "[GENERAL]\nName=found\n");
    SampleFile file(temp_.file("settings/app.ini"), 0);
    EXPECT_EQ(file.Check(), 1);
    EXPECT_EQ(file.name, "found");
    file.name = "changed";
    EXPECT_TRUE(file.ResetFile(false));
    EXPECT_EQ(read_file(temp_.file("Settings/App.INI")),
              "[GENERAL]\nName=changed\nDepth=0.800\r\n");
}

}  // namespace
