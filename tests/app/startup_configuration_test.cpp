#include "app/startup_configuration.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_fixture.h"
#include "platform/filesystem.h"

namespace {

using Ids = std::vector<std::string>;

class Startup : public testing::Test {
protected:
    void SetUp() override {
        install.root.mkdir("zone");
        install.root.mkdir("tools/Mills");
        install.root.write("prog/CutterBase/bin/CutterBase", "program");
        install.env.set("KVXZONE", path("zone") + "// ");
        install.env.set("KVX_CUTTER_DIR", path("tools") + "//");
        install.env.set("KVX_CUTTER_HOOK_COMMAND", path("prog/CutterBase/bin/CutterBase") + " -x");
    }
    std::string path(const std::string& relative) const { return install.path(relative); }

    apptest::Installation install;
};

TEST_F(Startup, ReadsEveryStep) {
    install.env.set("KVXUSERAD", "DIAMETER");
    install.configure("[var]\nKVX_FEDRIX = 1\n[path]\nENV = $KVXHOME/config\n");
    install.root.write("prog/CutterBase/bin/CutterBase.INI",
                       "[T.A.L.M.O.R.]\nCutter-Base=Karvex - CutterBase\n[GENERAL]\n"
                       "Last Tool Dir=/tools/drills\n");
    const StartupConfiguration configuration = ConfigureStartup();
    EXPECT_FALSE(configuration.cancel);
    EXPECT_EQ(configuration.workzone_directory, path("zone"));
    EXPECT_EQ(configuration.tool_directory, path("tools"));
    EXPECT_TRUE(configuration.fedrix_enabled);
    EXPECT_EQ(configuration.program_directory, path("prog/CutterBase/bin"));
    ASSERT_NE(configuration.settings, nullptr);
    EXPECT_EQ(configuration.settings->LastToolDirectory(), "/tools/drills");
    EXPECT_TRUE(configuration.diameter_mode);
    EXPECT_TRUE(install.presenter.messages.empty());

    install.env.set("KVX_FEDRIX", "01").set("KVXUSERAD", "diameters").set("KVXZONE", "//  ");
    const StartupConfiguration other = ConfigureStartup();
    EXPECT_EQ(other.workzone_directory, "/");
    EXPECT_FALSE(other.fedrix_enabled);
    EXPECT_FALSE(other.diameter_mode);
}

TEST_F(Startup, CancelsWithoutWorkzone) {
    install.env.set("KVXZONE", std::nullopt);
    const StartupConfiguration configuration = ConfigureStartup();
    EXPECT_TRUE(configuration.cancel);
    EXPECT_EQ(configuration.settings, nullptr);
    EXPECT_EQ(install.ids(), Ids{"LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE"});
}

TEST_F(Startup, UnusableToolDirectoryFallsBackToTheCurrentDirectory) {
    const std::string long_path = "/" + std::string(1100, 'd');
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {path("tools/Mills/none.wkz"), path("tools/Mills/none.wkz")},
        {std::nullopt, ""},
        {"$NO_SUCH_ROOT/tools", "Undefined_NO_SUCH_ROOT/tools"},
        {long_path, long_path},
    };
    for (const auto& [value, shown] : cases) {
        install.presenter.messages.clear();
        install.env.set("KVX_CUTTER_DIR", value);
        const StartupConfiguration configuration = ConfigureStartup();
        EXPECT_EQ(configuration.tool_directory, platform::current_directory().value());
        EXPECT_EQ(install.ids(), Ids{"CUTTERBASE/CUTBASE_NOTOOL_DIR"});
        EXPECT_EQ(install.presenter.messages.at(0).text, "tooldir KVX_CUTTER_DIR =" + shown);
    }
}

TEST_F(Startup, ProgramDirectoryComesFromTheHookCommand) {
    install.root.write("prog/bin/CutterBase.exe", "program");
    const std::string long_directory = path(std::string(300, 'h'));
    const struct {
        std::optional<std::string> hook;
        std::string directory;
        bool reported;
    } cases[] = {
        {path("prog/bin/CutterBase.exe -tpnum 3"), path("prog/bin"), false},
        {path("prog/bin/cutterbase.exe"), "c:", true},
        {"CutterBase.exe", "", true},
        {std::nullopt, "c:", true},
        {path("prog/nowhere/CutterBase"), path("prog/nowhere"), true},
        {long_directory + "/CutterBase", long_directory, true},
    };
    for (const auto& c : cases) {
        install.presenter.messages.clear();
        install.env.set("KVX_CUTTER_HOOK_COMMAND", c.hook);
        const StartupConfiguration configuration = ConfigureStartup();
        EXPECT_EQ(configuration.program_directory, c.directory);
        EXPECT_EQ(configuration.settings->Path(), c.directory + "/CutterBase.INI");
        if (c.reported) {
            EXPECT_EQ(install.ids(), Ids{"CUTTERBASE/CUTBASE_NOCUTTER_HOOK"});
            EXPECT_EQ(install.presenter.messages.at(0).text,
                      "hook KVX_CUTTER_HOOK_COMMAND =" + c.directory);
        } else {
            EXPECT_TRUE(install.presenter.messages.empty());
        }
    }
}

}  // namespace
