#include "app/cutter_base_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "app_fixture.h"

namespace {

const std::string kMarker = "[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n";

TEST(CutterBaseSettings, Read) {
    const struct {
        std::string marker, general, last_tool_directory;
        int show;
    } cases[] = {
        {kMarker, "Last Tool Dir=/t/m\r\nShow Consistency Message=1\r\n", "/t/m", 1},
        {kMarker, "last tool dir =  /t \r\nSHOW CONSISTENCY MESSAGE=-7x\r\n", "/t", -7},
        // Files of another product: only the exact marker counts.
        {"[T.A.L.M.O.R.]\r\nCutter-Base=\"Karvex - CutterBase \"\r\n", "Last Tool Dir=/x\r\n",
         "C:\\", 0},
        {"[T.A.L.M.O.R.]\r\nCutter-Base=karvex - cutterbase\r\n", "Last Tool Dir=/x\r\n", "C:\\",
         0},
        {"", "Last Tool Dir=/x\r\nShow Consistency Message=1\r\n", "C:\\", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marker + c.general);
        apptest::Installation install;
        const std::string path =
            install.root.write("CutterBase.INI", c.marker + "[general]\r\n" + c.general);
        CutterBaseSettings settings(path);
        EXPECT_EQ(settings.Check(), 1);
        EXPECT_EQ(settings.LastToolDirectory(), c.last_tool_directory);
        EXPECT_EQ(settings.ShowConsistencyMessage(), c.show);
        if (c.marker != kMarker) {
            ASSERT_EQ(install.ids(), std::vector<std::string>{"/"});
            EXPECT_EQ(install.presenter.messages[0].text,
                      "'" + path + "' ist nicht eine 'Fedrix Tool' Ini-Datei!");
        } else {
            EXPECT_TRUE(install.presenter.messages.empty());
        }
    }
}

TEST(CutterBaseSettings, WriteReplacesTheFileAndReadsBack) {
    apptest::Installation install;
    const std::string path = install.root.write(
        "CutterBase.INI",
        "; old\r\n" + kMarker + "[GENERAL]\r\nShow Consistency Message=1\r\nX=1\r\n");
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
    EXPECT_EQ(again.ShowConsistencyMessage(), 1);

    CutterBaseSettings missing(install.path("program/CutterBase.INI"));
    EXPECT_EQ(missing.Check(), 0);
    EXPECT_EQ(missing.LastToolDirectory(), "C:\\");
    EXPECT_TRUE(missing.ResetFile(true));
    EXPECT_TRUE(CutterBaseSettings(missing.Path()).Check());
    EXPECT_TRUE(install.presenter.messages.empty());
}

}  // namespace
