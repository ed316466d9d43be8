#include "app/cutter_base_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "app_fixture.h"

namespace {

const std::string kMarker = "[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n";
const std::string kShown = "Show Consistency Message=1\r\n";

// The layers, least important first: two system folders (the second of XDG_CONFIG_DIRS read
// first), the program directory, the user's file on top.
TEST(CutterBaseSettings, EachLayerOverTheOnesBeforeIt) {
    apptest::Installation install;
    const std::vector<std::string> files = {"xdg2/CutterBase.INI", "xdg1/CutterBase.INI",
                                            "prog/CutterBase.INI",
                                            "user/.config/CutterBase/CutterBase.INI"};
    // Another product's file: only the exact marker counts, not one quoted or with a blank.
    const std::string foreign =
        "[T.A.L.M.O.R.]\r\nCutter-Base=\"Karvex - CutterBase \"\r\n[GENERAL]\r\n"
        "Last Tool Dir=/f\r\nShow Consistency Message=2\r\n";
    const std::string both = kMarker + "[GENERAL]\r\nLast Tool Dir=/both\r\n" + kShown;
    // Names in other cases, the value with blanks around it.
    const std::string directory = kMarker + "[general]\r\nlast tool dir =  /dir \r\n";
    const std::string hidden = kMarker + "[GENERAL]\r\nShow Consistency Message=0\r\n";
    using Layers = std::vector<std::string>;
    // the four files ("" none), last tool directory, consistency message, files read, foreign
    const std::tuple<Layers, const char*, int, std::vector<int>, std::vector<int>> cases[] = {
        {{"", "", "", ""}, "/lib", 0, {}, {}},
        {{both, directory, "", ""}, "/dir", 1, {0, 1}, {}},
        {{"", both, hidden, ""}, "/both", 0, {1, 2}, {}},
        {{hidden, directory, both, directory}, "/dir", 1, {0, 1, 2, 3}, {}},
        {{"", "", foreign, directory}, "/dir", 0, {2, 3}, {2}},
        {{foreign, "", both, foreign}, "/both", 1, {0, 2, 3}, {0, 3}},
    };
    for (const auto& [contents, last, show, read, rejected] : cases) {
        for (std::size_t i = 0; i < files.size(); ++i) {
            std::remove(install.path(files[i]).c_str());
            if (!contents[i].empty()) {
                install.root.write(files[i], contents[i]);
            }
        }
        install.presenter.shown.clear();
        CutterBaseSettings settings(install.path(files[3]), 0, install.path(files[2]),
                                    {install.path(files[0]), install.path(files[1])});
        settings.SetLastToolDirectory("/lib");
        EXPECT_EQ(settings.Read(), contents[3].empty() ? 0 : 1);
        EXPECT_EQ(settings.LastToolDirectory(), last);
        EXPECT_EQ(settings.ShowConsistencyMessage(), show);
        Layers layers;
        for (int index : read) {
            layers.push_back(install.path(files[index]));
        }
        EXPECT_EQ(settings.LayersRead(), layers);
        Layers texts;
        for (int index : rejected) {
            texts.push_back("'" + install.path(files[index]) +
                            "' ist nicht eine 'Fedrix Tool' Ini-Datei!");
        }
        EXPECT_EQ(install.ids(true), texts) << testing::PrintToString(read);
    }
}

TEST(CutterBaseSettings, SaveWritesTheUsersFileAndCreatesItsFolders) {
    apptest::Installation install;
    const std::string defaults = kMarker + "[GENERAL]\r\nLast Tool Dir=/inst\r\n" + kShown;
    const std::string installation = install.root.write("prog/CutterBase.INI", defaults);
    // No configuration folder at all yet.
    const std::string user = install.path("new/config/CutterBase/CutterBase.INI");
    CutterBaseSettings settings(user, 0, installation);
    settings.Read();
    settings.SetLastToolDirectory("/tools/mills");
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(testsupport::read_file(user),
              kMarker + "[GENERAL]\r\nLast Tool Dir=/tools/mills\r\n" + kShown);
    EXPECT_EQ(testsupport::read_file(installation), defaults);
    EXPECT_TRUE(install.presenter.shown.empty());

    // A file in the way of the folder: nothing is written.
    install.root.write("blocked", "");
    EXPECT_FALSE(CutterBaseSettings(install.path("blocked/CutterBase/CutterBase.INI")).Save());
}

}  // namespace
