#include "app/cutter_base_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "app_fixture.h"
#include "platform/filesystem.h"

namespace {

using apptest::Installation;

constexpr const char* kWritten =
    "[T.A.L.M.O.R.]\r\n"
    "Cutter-Base=Karvex - CutterBase\r\n"
    "[GENERAL]\r\n"
    "Last Tool Dir=/tools/mills\r\n"
    "Show Consistency Message=1\r\n";

TEST(CutterBaseSettings, MissingFileKeepsDefaultsSilently) {
    Installation install;
    CutterBaseSettings settings(install.root.file("CutterBase.INI"));
    EXPECT_EQ(settings.Check(), 0);
    EXPECT_EQ(settings.LastToolDirectory(), "C:\\");
    EXPECT_EQ(settings.ShowConsistencyMessage(), 0);
    EXPECT_TRUE(install.presenter.messages.empty());
}

TEST(CutterBaseSettings, ReadsOwnFile) {
    struct Case {
        std::string general;
        std::string last_tool_directory;
        int show;
    } cases[] = {
        {"Last Tool Dir=/tools/mills\r\nShow Consistency Message=1\r\n", "/tools/mills", 1},
        {"last tool dir =  /tools \r\nSHOW CONSISTENCY MESSAGE=-7x\r\n", "/tools", -7},
        {"Show Consistency Message=abc\r\n", "C:\\", 0},
        {"Show Consistency Message=99999999999\r\n", "C:\\", 1215752191},
        {"", "C:\\", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.general);
        Installation install;
        const std::string path = install.root.write(
            "CutterBase.INI",
            "[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n[GENERAL]\r\n" + c.general);
        CutterBaseSettings settings(path);
        EXPECT_EQ(settings.Check(), 1);
        EXPECT_EQ(settings.LastToolDirectory(), c.last_tool_directory);
        EXPECT_EQ(settings.ShowConsistencyMessage(), c.show);
        EXPECT_TRUE(install.presenter.messages.empty());
    }
}

TEST(CutterBaseSettings, ForeignFileIsAnnouncedAndIgnored) {
    const std::string markers[] = {
        "[T.A.L.M.O.R.]\r\nCutter-Base=\"Karvex - CutterBase \"\r\n",
        "[T.A.L.M.O.R.]\r\nCutter-Base=karvex - cutterbase\r\n",
        "[T.A.L.M.O.R.]\r\nCutter-Base=Fedrix\r\n",
        "[OTHER]\r\nCutter-Base=Karvex - CutterBase\r\n",
        "",
    };
    for (const auto& marker : markers) {
        SCOPED_TRACE(marker);
        Installation install;
        const std::string path = install.root.write(
            "CutterBase.INI",
            marker + "[GENERAL]\r\nLast Tool Dir=/elsewhere\r\nShow Consistency Message=1\r\n");
        CutterBaseSettings settings(path);
        settings.Check();
        EXPECT_EQ(settings.LastToolDirectory(), "C:\\");
        EXPECT_EQ(settings.ShowConsistencyMessage(), 0);
        ASSERT_EQ(install.presenter.messages.size(), 1u);
        const auto& box = install.presenter.messages[0];
        EXPECT_EQ(box.text, "'" + path + "' ist nicht eine 'Fedrix Tool' Ini-Datei!");
        EXPECT_EQ(box.section, "");
        EXPECT_EQ(box.buttons, kButtonsOk);
    }
}

TEST(CutterBaseSettings, WriteReplacesTheWholeFile) {
    Installation install;
    const std::string path = install.root.write(
        "CutterBase.INI",
        "; notes\r\n[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n"
        "[GENERAL]\r\nShow Consistency Message=1\r\nExtra=kept?\r\n[OTHER]\r\nx=1\r\n");
    CutterBaseSettings settings(path);
    ASSERT_EQ(settings.Check(), 1);
    settings.SetLastToolDirectory("/tools/mills");
    ASSERT_TRUE(settings.ResetFile(true));
    EXPECT_EQ(testsupport::read_file(path), kWritten);

    CutterBaseSettings again(path);
    ASSERT_EQ(again.Check(), 1);
    EXPECT_EQ(again.LastToolDirectory(), "/tools/mills");
    EXPECT_EQ(again.ShowConsistencyMessage(), 1);
    EXPECT_TRUE(install.presenter.messages.empty());
}

TEST(CutterBaseSettings, WriteCreatesOneMissingDirectoryLevel) {
    Installation install;
    CutterBaseSettings settings(install.root.file("program/CutterBase.INI"));
    settings.SetLastToolDirectory("/t");
    ASSERT_TRUE(settings.ResetFile(true));
    EXPECT_TRUE(platform::is_regular_file(install.root.file("program/CutterBase.INI")));

    CutterBaseSettings deep(install.root.file("a/b/CutterBase.INI"));
    EXPECT_FALSE(deep.ResetFile(true));
    EXPECT_FALSE(platform::exists(install.root.file("a")));
}

TEST(CutterBaseSettings, ForeignFileIsOverwrittenOnWrite) {
    Installation install;
    const std::string path =
        install.root.write("CutterBase.INI", "[T.A.L.M.O.R.]\r\nCutter-Base=Other\r\n");
    CutterBaseSettings settings(path);
    settings.Check();
    settings.SetLastToolDirectory("/tools/mills");
    ASSERT_TRUE(settings.ResetFile(true));
    EXPECT_EQ(testsupport::read_file(path),
              "[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n[GENERAL]\r\n"
              "Last Tool Dir=/tools/mills\r\nShow Consistency Message=0\r\n");
}

}  // namespace
