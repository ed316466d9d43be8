#include "app/cutter_base_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app_fixture.h"

namespace {

const std::string kMarker = "[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n";
const std::string kShown = "Show Consistency Message=1\r\n";

// Least important first: XDG_CONFIG_DIRS backwards, the program directory, the user's file.
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
    // files ("" none); last directory, message switch, files read ("!": foreign), messages
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"", "", "", ""}, "/lib 0 0"},
        {{both, directory, "", ""}, "/dir 1 0 1 0"},
        {{"", both, hidden, ""}, "/both 0 1 2 0"},
        {{hidden, directory, both, directory}, "/dir 1 0 1 2 3 0"},
        {{"", "", foreign, directory}, "/dir 0 2! 3 1"},
        {{foreign, "", both, foreign}, "/both 1 0! 2 3! 2"},
    };
    std::vector<std::string> paths;
    for (const std::string& file : files) {
        paths.push_back(install.path(file));
    }
    for (const auto& [contents, expected] : cases) {
        for (std::size_t i = 0; i < files.size(); ++i) {
            std::remove(paths[i].c_str());
            if (!contents[i].empty()) {
                install.root.write(files[i], contents[i]);
            }
        }
        install.presenter.shown.clear();
        CutterBaseSettings settings(paths[3], 0, paths[2], {paths[0], paths[1]});
        settings.SetLastToolDirectory("/lib");
        EXPECT_EQ(settings.Read(), contents[3].empty() ? 0 : 1);
        std::string seen =
            settings.LastToolDirectory() + " " + std::to_string(settings.ShowConsistencyMessage());
        const std::vector<std::string> shown = install.ids(true);
        for (const std::string& layer : settings.LayersRead()) {
            const std::string message = "'" + layer + "' ist nicht eine 'Fedrix Tool' Ini-Datei!";
            seen += " " +
                    std::to_string(std::find(paths.begin(), paths.end(), layer) - paths.begin()) +
                    (std::count(shown.begin(), shown.end(), message) ? "!" : "");
        }
        EXPECT_EQ(seen + " " + std::to_string(shown.size()), expected);
    }
    // Save writes the user's file and creates its folders; the other layers stay.
    const std::string defaults = kMarker + "[GENERAL]\r\nLast Tool Dir=/inst\r\n" + kShown;
    const std::string installation = install.root.write("prog/CutterBase.INI", defaults);
    const std::string user = install.path("new/config/CutterBase/CutterBase.INI");
    CutterBaseSettings settings(user, 0, installation);
    settings.Read();
    settings.SetLastToolDirectory("/tools/mills");
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(testsupport::read_file(user),
              kMarker + "[GENERAL]\r\nLast Tool Dir=/tools/mills\r\n" + kShown);
    EXPECT_EQ(testsupport::read_file(installation), defaults);

    // A file in the way of the folder: nothing is written.
    install.root.write("blocked", "");
    EXPECT_FALSE(CutterBaseSettings(install.path("blocked/CutterBase/CutterBase.INI")).Save());
}

}  // namespace
