#include "app/cutter_base_settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "app_fixture.h"
#include "platform/filesystem.h"

namespace {

const std::string kMarker = "[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n";

TEST(CutterBaseSettings, TheUsersFileOverTheInstallationsDefaults) {
    apptest::Installation install;
    const std::string installation = install.path("prog/CutterBase.INI");
    const std::string user = install.user_settings();
    // Another product's file: only the exact marker counts, not one quoted or with a blank.
    const std::string foreign =
        "[T.A.L.M.O.R.]\r\nCutter-Base=\"Karvex - CutterBase \"\r\n[GENERAL]\r\n"
        "Last Tool Dir=/f\r\nShow Consistency Message=2\r\n";
    const std::string defaults =
        kMarker + "[GENERAL]\r\nLast Tool Dir=/inst\r\nShow Consistency Message=1\r\n";
    // Names in other cases, the value with blanks around it.
    const std::string own = kMarker + "[general]\r\nlast tool dir =  /user \r\n";
    using Shown = std::vector<std::string>;
    // installation's file, user's file, last tool directory, consistency message, shown
    const std::tuple<const std::string*, const std::string*, const char*, int, Shown> cases[] = {
        {nullptr, nullptr, "/lib", 0, {}},
        {&defaults, nullptr, "/inst", 1, {}},
        {nullptr, &own, "/user", 0, {}},
        {&defaults, &own, "/user", 1, {}},
        {&foreign, &own, "/user", 0, {installation}},
        {&defaults, &foreign, "/inst", 1, {user}},
    };
    for (const auto& [installed, users, last, show, shown] : cases) {
        std::remove(installation.c_str());
        std::remove(user.c_str());
        if (installed != nullptr) {
            install.root.write("prog/CutterBase.INI", *installed);
        }
        if (users != nullptr) {
            install.root.write("user/.config/CutterBase/CutterBase.INI", *users);
        }
        install.presenter.shown.clear();
        CutterBaseSettings settings(user, 0, installation);
        settings.SetLastToolDirectory("/lib");
        EXPECT_EQ(settings.Read(), users != nullptr ? 1 : 0);
        EXPECT_EQ(settings.LastToolDirectory(), last);
        EXPECT_EQ(settings.ShowConsistencyMessage(), show);
        Shown texts;
        for (const std::string& path : shown) {
            texts.push_back("'" + path + "' ist nicht eine 'Fedrix Tool' Ini-Datei!");
        }
        EXPECT_EQ(install.ids(true), texts)
            << (installed ? "installation " : "") << (users ? "user" : "");
    }
}

TEST(CutterBaseSettings, SaveWritesTheUsersFileAndCreatesItsFolders) {
    apptest::Installation install;
    const std::string defaults =
        kMarker + "[GENERAL]\r\nLast Tool Dir=/inst\r\nShow Consistency Message=1\r\n";
    const std::string installation = install.root.write("prog/CutterBase.INI", defaults);
    ASSERT_EQ(::chmod(install.path("prog").c_str(), 0555), 0);
    // No configuration folder at all yet.
    const std::string user = install.path("new/config/CutterBase/CutterBase.INI");
    CutterBaseSettings settings(user, 0, installation);
    settings.Read();
    settings.SetLastToolDirectory("/tools/mills");
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(
        testsupport::read_file(user),
        kMarker + "[GENERAL]\r\nLast Tool Dir=/tools/mills\r\nShow Consistency Message=1\r\n");
    EXPECT_EQ(testsupport::read_file(installation), defaults);
    EXPECT_EQ(platform::find_files(install.path("prog/*")).size(), 3u);  // ".", ".." and the file
    ::chmod(install.path("prog").c_str(), 0755);
    CutterBaseSettings again(user);
    EXPECT_EQ(again.Check(), 1);
    EXPECT_EQ(again.LastToolDirectory(), "/tools/mills");
    EXPECT_TRUE(install.presenter.shown.empty());

    // A file in the way of the folder: nothing is written.
    install.root.write("blocked", "");
    EXPECT_FALSE(CutterBaseSettings(install.path("blocked/CutterBase/CutterBase.INI")).Save());
}

}  // namespace
