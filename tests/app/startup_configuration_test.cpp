#include "app/startup_configuration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/file_utilities.h"
#include "app_fixture.h"
#include "platform/filesystem.h"

namespace {

using apptest::Installation;

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
    std::string path(const std::string& relative) const { return install.root.file(relative); }
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& raised : install.presenter.messages) {
            result.push_back(raised.key + ": " + raised.text);
        }
        return result;
    }

    Installation install;
};

TEST_F(Startup, ReadsEveryStepFromTheEnvironment) {
    install.env.set("KVX_FEDRIX", "1");
    install.env.set("KVXUSERAD", "DIAMETER");
    install.root.write("prog/CutterBase/bin/CutterBase.INI",
                       "[T.A.L.M.O.R.]\nCutter-Base=Karvex - CutterBase\n[GENERAL]\n"
                       "Last Tool Dir=/tools/drills\nShow Consistency Message=1\n");
    const StartupConfiguration configuration = ConfigureStartup();
    EXPECT_FALSE(configuration.cancel);
    EXPECT_EQ(configuration.workzone_directory, path("zone"));
    EXPECT_EQ(configuration.tool_directory, path("tools"));
    EXPECT_TRUE(configuration.fedrix_enabled);
    EXPECT_EQ(configuration.program_directory, path("prog/CutterBase/bin"));
    ASSERT_NE(configuration.settings, nullptr);
    EXPECT_EQ(configuration.settings->Path(), path("prog/CutterBase/bin/CutterBase.INI"));
    EXPECT_EQ(configuration.settings->LastToolDirectory(), "/tools/drills");
    EXPECT_EQ(configuration.settings->ShowConsistencyMessage(), 1);
    EXPECT_TRUE(configuration.diameter_mode);
    EXPECT_THAT(texts(), testing::IsEmpty());
}

TEST_F(Startup, VariablesMayComeFromTheConfiguration) {
    install.env.set("KVX_CUTTER_DIR", std::nullopt);
    install.env.set("TOOLROOT", path("tools"));
    install.configure(
        "[var]\nKVX_CUTTER_DIR = $TOOLROOT\\Mills\nKVX_FEDRIX = 1\nKVXUSERAD = diameter\n"
        "[path]\nENV = $KVXHOME/config\n");
    const StartupConfiguration configuration = ConfigureStartup();
    EXPECT_EQ(configuration.tool_directory, path("tools/Mills"));
    EXPECT_TRUE(configuration.fedrix_enabled);
    EXPECT_TRUE(configuration.diameter_mode);
    EXPECT_THAT(texts(), testing::IsEmpty());
}

TEST_F(Startup, WithoutWorkzoneTheWindowCancels) {
    install.env.set("KVXZONE", std::nullopt);
    const StartupConfiguration configuration = ConfigureStartup();
    EXPECT_TRUE(configuration.cancel);
    EXPECT_EQ(configuration.settings, nullptr);
    ASSERT_EQ(install.presenter.messages.size(), 1u);
    EXPECT_EQ(install.presenter.messages[0].section, "LIB_TALMOR_GMBH");
    EXPECT_EQ(texts(), std::vector<std::string>{"KARVEX_ZONEINF_NOZONE: no zone"});
}

TEST_F(Startup, WorkzoneLosesTrailingBlanksAndSeparatorsOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"/zone/ /", "/zone"}, {"/", "/"}, {"//  ", "/"}, {"  ", ""}, {"a b", "a b"},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        install.env.set("KVXZONE", value);
        EXPECT_EQ(ConfigureStartup().workzone_directory, expected);
    }
}

TEST_F(Startup, UnusableToolDirectoryFallsBackToTheCurrentDirectory) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {path("missing"), path("missing")},
        {path("tools/Mills/none.wkz"), path("tools/Mills/none.wkz")},
        {std::nullopt, ""},
        {"$NO_SUCH_ROOT/tools", "Undefined_NO_SUCH_ROOT/tools"},
        {"/" + std::string(1100, 'd'), "/" + std::string(1100, 'd')},
    };
    for (const auto& [value, shown] : cases) {
        SCOPED_TRACE(value.value_or("(undefined)").substr(0, 60));
        install.presenter.messages.clear();
        install.env.set("KVX_CUTTER_DIR", value);
        const StartupConfiguration configuration = ConfigureStartup();
        EXPECT_FALSE(configuration.cancel);
        EXPECT_EQ(configuration.tool_directory, platform::current_directory().value());
        ASSERT_EQ(install.presenter.messages.size(), 1u);
        EXPECT_EQ(install.presenter.messages[0].key, "CUTBASE_NOTOOL_DIR");
        EXPECT_EQ(install.presenter.messages[0].text, "tooldir KVX_CUTTER_DIR =" + shown);
    }
}

TEST_F(Startup, CancelsWhenNotEvenTheCurrentDirectoryFits) {
    std::string deep = install.root.path();
    while (deep.size() <= kMaxCurrentDirectory) {
        deep += "/" + std::string(60, 'n');
    }
    ASSERT_TRUE(platform::create_directories(deep));
    const std::string previous = platform::current_directory().value();
    ASSERT_TRUE(platform::set_current_directory(deep));
    install.env.set("KVX_CUTTER_DIR", path("missing"));
    const StartupConfiguration configuration = ConfigureStartup();
    platform::set_current_directory(previous);
    EXPECT_TRUE(configuration.cancel);
    EXPECT_EQ(configuration.settings, nullptr);
}

TEST_F(Startup, ProgramDirectoryComesFromTheHookCommand) {
    install.root.write("prog/bin/CutterBase.exe", "program");
    struct Case {
        std::optional<std::string> hook;
        std::string directory;
        bool reported;
    } cases[] = {
        {path("prog/CutterBase/bin/CutterBase"), path("prog/CutterBase/bin"), false},
        {path("prog/bin/CutterBase.exe -tpnum 3"), path("prog/bin"), false},
        {path("prog/bin/cutterbase.exe"), "c:", true},
        {"CutterBase.exe", "", true},
        {std::nullopt, "c:", true},
        {path("prog/nowhere/CutterBase"), path("prog/nowhere"), true},
        {"$NO_SUCH_ROOT/bin/CutterBase", "Undefined_NO_SUCH_ROOT/bin", true},
        {path(std::string(300, 'h') + "/CutterBase"), path(std::string(300, 'h')), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hook.value_or("(undefined)").substr(0, 80));
        install.presenter.messages.clear();
        install.env.set("KVX_CUTTER_HOOK_COMMAND", c.hook);
        const StartupConfiguration configuration = ConfigureStartup();
        EXPECT_EQ(configuration.program_directory, c.directory);
        ASSERT_NE(configuration.settings, nullptr);
        EXPECT_EQ(configuration.settings->Path(), c.directory + "/CutterBase.INI");
        if (c.reported) {
            EXPECT_EQ(texts(), std::vector<std::string>{"CUTBASE_NOCUTTER_HOOK: hook "
                                                        "KVX_CUTTER_HOOK_COMMAND =" +
                                                        c.directory});
        } else {
            EXPECT_THAT(texts(), testing::IsEmpty());
        }
    }
}

TEST_F(Startup, SwitchesCompareTheirValues) {
    struct Case {
        std::optional<std::string> fedrix, userad;
        bool fedrix_enabled, diameter_mode;
    } cases[] = {
        {"1", "Diameter", true, true},
        {"01", "radius", false, false},
        {"yes", "diameters", false, false},
        {std::nullopt, std::nullopt, false, false},
    };
    for (const auto& c : cases) {
        install.env.set("KVX_FEDRIX", c.fedrix).set("KVXUSERAD", c.userad);
        const StartupConfiguration configuration = ConfigureStartup();
        EXPECT_EQ(configuration.fedrix_enabled, c.fedrix_enabled);
        EXPECT_EQ(configuration.diameter_mode, c.diameter_mode);
    }
}

TEST_F(Startup, MessagesNameTheirOrigin) {
    GetCatalogue()->SetDetail(1);
    install.env.set("KVX_CUTTER_DIR", path("missing"));
    install.env.set("KVX_CUTTER_HOOK_COMMAND", std::nullopt);
    ConfigureStartup();
    install.env.set("KVXZONE", std::nullopt);
    ConfigureStartup();
    const int lines[] = {203, 239, 191};
    ASSERT_EQ(install.presenter.messages.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_THAT(install.presenter.messages[i].text,
                    testing::HasSubstr(apptest::origin_text("CutterBaseDlg", lines[i])));
    }
}

}  // namespace
