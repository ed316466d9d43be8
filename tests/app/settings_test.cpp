#include "app/cutter_base_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "app_fixture.h"

namespace {

const std::string kMarker = "[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n";

TEST(CutterBaseSettings, ReadsOnlyFilesWithTheExactMarker) {
    apptest::Installation install;
    CutterBaseSettings settings(install.root.write(
        "a.INI",
        kMarker + "[general]\r\nlast tool dir =  /t \r\nSHOW CONSISTENCY MESSAGE=-7x\r\n"));
    EXPECT_EQ(settings.Check(), 1);
    EXPECT_EQ(settings.LastToolDirectory(), "/t");
    EXPECT_EQ(settings.ShowConsistencyMessage(), -7);
    // Another product's file: only the exact marker counts.
    const std::string other =
        install.root.write("b.INI",
                           "[T.A.L.M.O.R.]\r\nCutter-Base=\"Karvex - CutterBase \"\r\n[general]\r\n"
                           "Last Tool Dir=/x\r\nShow Consistency Message=1\r\n");
    CutterBaseSettings foreign(other);
    EXPECT_EQ(foreign.Check(), 1);
    EXPECT_EQ(foreign.LastToolDirectory(), "C:\\");
    EXPECT_EQ(install.ids(), std::vector<std::string>{"/"});
    EXPECT_EQ(install.ids(true),
              std::vector<std::string>{"'" + other + "' ist nicht eine 'Fedrix Tool' Ini-Datei!"});
}

TEST(CutterBaseSettings, WriteReplacesTheFileAndReadsBack) {
    apptest::Installation install;
    const std::string path = install.root.write(
        "CutterBase.INI", "; old\r\n" + kMarker + "[GENERAL]\r\nShow Consistency Message=1\r\n");
    CutterBaseSettings settings(path);
    settings.Check();
    settings.SetLastToolDirectory("/tools/mills");
    ASSERT_TRUE(settings.ResetFile(true));
    EXPECT_EQ(
        testsupport::read_file(path),
        kMarker + "[GENERAL]\r\nLast Tool Dir=/tools/mills\r\nShow Consistency Message=1\r\n");
    CutterBaseSettings again(path);
    EXPECT_EQ(again.Check(), 1);
    EXPECT_EQ(again.LastToolDirectory(), "/tools/mills");

    CutterBaseSettings missing(install.path("program/CutterBase.INI"));
    EXPECT_EQ(missing.Check(), 0);
    EXPECT_TRUE(missing.ResetFile(true));
    EXPECT_TRUE(CutterBaseSettings(missing.Path()).Check());
    EXPECT_TRUE(install.presenter.shown.empty());
}

}  // namespace
