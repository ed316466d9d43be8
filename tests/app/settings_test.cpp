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
    EXPECT_EQ(foreign.LastToolDirectory(), "");
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

TEST(CutterBaseSettings, TheUsersFileOverTheInstallationsDefaults) {
    apptest::Installation install;
    const std::string installation = install.path("prog/CutterBase.INI");
    const std::string user = install.user_settings();
    const std::string foreign =
        "[T.A.L.M.O.R.]\r\nCutter-Base=Other\r\n[GENERAL]\r\nLast Tool Dir=/f\r\n";
    const std::string defaults =
        kMarker + "[GENERAL]\r\nLast Tool Dir=/inst\r\nShow Consistency Message=1\r\n";
    const std::string own = kMarker + "[GENERAL]\r\nLast Tool Dir=/user\r\n";
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

    // A file in the way of the folder: nothing is written.
    install.root.write("blocked", "");
    EXPECT_FALSE(CutterBaseSettings(install.path("blocked/CutterBase/CutterBase.INI")).Save());
}

}  // namespace
