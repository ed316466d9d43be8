#include "language/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "catalogue_fixture.h"
#include "language/current_profile.h"
#include "language/typed_profile.h"
#include "platform/filesystem.h"

namespace {

using testsupport::read_file;

// A settings-like file: reads a name and a depth, writes them back.
class SampleFile : public IniFile {
public:
    using IniFile::IniFile;
    std::string profile_while_found, name = "unset", name_while_writing;
    double depth = 0.8;

protected:
    int OnFileFound() override {
        profile_while_found = current_profile();
        name = read_profile_string("GENERAL", "Name", name);
        depth = read_profile_real("GENERAL", "Depth", depth);
        return 1;
    }
    void Write() override {
        write_profile_string("GENERAL", "Name", name);
        name_while_writing = read_profile_string("GENERAL", "Name", "");
        write_profile_real("GENERAL", "Depth", depth, 3);
    }
};

using IniFileTest = CatalogueTest;

// The file found ignoring case is read; the rewrite goes under the name given beside it.
TEST_F(IniFileTest, CheckReadsAFileFoundIgnoringCaseAndAnnouncesAMissingOneWhenAsked) {
    const std::string path =
        temp_.write("Settings/App.INI", "[GENERAL]\nName=mill\nDepth=0.12345\n");
    set_current_profile("before.ini");
    SampleFile file(temp_.file("settings/app.ini"), 1);
    EXPECT_EQ(file.Check(), 1);
    EXPECT_EQ(file.profile_while_found, temp_.file("settings/app.ini"));
    EXPECT_EQ(file.name, "mill");
    EXPECT_EQ(current_profile(), "before.ini");
    set_current_profile("");
    file.name = "changed";
    EXPECT_TRUE(file.ResetFile(false));
    EXPECT_EQ(read_file(temp_.file("Settings/app.ini")), "[GENERAL]\nName=changed\nDepth=0.123\n");
    EXPECT_EQ(read_file(path), "[GENERAL]\nName=mill\nDepth=0.12345\n");
    EXPECT_TRUE(presenter_.shown.empty());

    const std::string missing = temp_.file("missing.ini");
    EXPECT_EQ(SampleFile(missing, 0).Check(), 0);
    EXPECT_TRUE(presenter_.shown.empty());
    EXPECT_EQ(SampleFile(missing, 1).Check(), 0);
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(presenter_.shown[0].text,
              "The Initialization File\n\n\t'" + missing + "'\n\ndoes not exist!");
}

TEST_F(IniFileTest, ResetFileRewritesAllOrOnlyItsOwnEntries) {
    const std::string old = "; keep\r\n[OLD]\r\nx=1\r\n[GENERAL]\r\nName=old\r\n";
    const std::string path = temp_.write("app.ini", old);
    SampleFile file(path, 0);
    file.name = "new";
    EXPECT_TRUE(file.ResetFile(false));
    EXPECT_EQ(read_file(path),
              "; keep\r\n[OLD]\r\nx=1\r\n[GENERAL]\r\nName=new\r\nDepth=0.800\r\n");
    EXPECT_TRUE(file.ResetFile(true));
    EXPECT_EQ(read_file(path), "[GENERAL]\r\nName=new\r\nDepth=0.800\r\n");
    EXPECT_EQ(file.name_while_writing, "new");
    temp_.write("app.ini", old);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(file.ResetFile(true) || file.ResetFile(false));
    EXPECT_EQ(read_file(path), old);
    // A fresh file with nothing written is removed; of missing directories only the last one
    // is created.
    const std::string plain_path = temp_.write("plain.ini", old);
    EXPECT_TRUE(IniFile(plain_path, 0).ResetFile(true));
    EXPECT_FALSE(platform::exists(plain_path));
    EXPECT_TRUE(SampleFile(temp_.file("settings/app.ini"), 0).ResetFile(true));
    EXPECT_EQ(read_file(temp_.file("settings/app.ini")),
              "[GENERAL]\r\nName=unset\r\nDepth=0.800\r\n");
    EXPECT_FALSE(SampleFile(temp_.file("a/b/app.ini"), 0).ResetFile(true));
    EXPECT_FALSE(platform::exists(temp_.file("a")));
}

}  // namespace
