#include "app/startup_configuration.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app_fixture.h"
#include "platform/filesystem.h"

namespace {

using Ids = std::vector<std::string>;
using Value = std::optional<std::string>;

// The fixture's texts name their message ("tooldir", "hook"); the rest: the cli's startup test.
TEST(Startup, CommandLineDirectoriesSettingsPathsAndTheirMessages) {
    apptest::Installation install;
    const auto path = [&](const std::string& relative) { return install.path(relative); };
    install.root.mkdir("zone");
    install.root.mkdir("tools/Mills");
    install.root.write("prog/bin/CutterBase.exe", "program");
    install.env.set("KVXZONE", path("zone") + "// ");
    install.env.set("KVX_CUTTER_HOOK_COMMAND", path("prog/bin/CutterBase.exe"));
    const std::string long_path = "/" + std::string(1100, 'd');
    // An unusable tool directory: the current directory stands in.
    const std::pair<Value, std::string> libraries[] = {
        {path("tools/Mills/none.wkz"), path("tools/Mills/none.wkz")},
        {std::nullopt, ""},
        {"$NO_SUCH_ROOT/tools", "Undefined_NO_SUCH_ROOT/tools"},
        {long_path, long_path},
    };
    for (const auto& [value, shown] : libraries) {
        install.presenter.shown.clear();
        install.env.set("KVX_CUTTER_DIR", value);
        EXPECT_EQ(ConfigureStartup().tool_directory, platform::current_directory().value());
        EXPECT_EQ(install.ids(true), Ids{"tooldir KVX_CUTTER_DIR =" + shown});
    }
    install.env.set("KVX_CUTTER_DIR", path("tools"));
    const std::string long_directory = path(std::string(300, 'h'));
    const std::string executable = ExecutableDirectory();
    // Without the program's name in the hook, the executable's directory, never "c:".
    const std::tuple<Value, std::string, bool> hooks[] = {
        {path("prog/bin/CutterBase.exe -tpnum 3"), path("prog/bin"), false},
        {path("prog/bin/cutterbase.exe"), executable, false},
        {"CutterBase.exe", "", true},
        {std::nullopt, executable, false},
        {long_directory + "/CutterBase", long_directory, true},
    };
    for (const auto& [hook, directory, reported] : hooks) {
        install.presenter.shown.clear();
        install.env.set("KVX_CUTTER_HOOK_COMMAND", hook);
        EXPECT_EQ(ConfigureStartup().program_directory, directory);
        EXPECT_EQ(install.ids(true),
                  reported ? Ids{"hook KVX_CUTTER_HOOK_COMMAND =" + directory} : Ids{});
    }
    EXPECT_TRUE(platform::is_regular_file(executable + "/test_app"));
    EXPECT_EQ(RunningApplicationName(), "test_app");

    const std::string home = install.path("user/.config/CutterBase/cb.INI");
    const Ids etc = {"/etc/xdg/CutterBase/cb.INI"},
              ba = {"/b/CutterBase/cb.INI", "/a/CutterBase/cb.INI"};
    // XDG_CONFIG_HOME, XDG_CONFIG_DIRS (relative ones not taken), the user's and system's files
    const std::tuple<Value, Value, std::string, Ids> cases[] = {
        {install.path("config"), "", install.path("config/CutterBase/cb.INI"), etc},
        {"relative/config", "/a:relative::/b/", home, ba},
        {std::nullopt, std::nullopt, home, etc},
    };
    for (const auto& [user, system, user_file, system_files] : cases) {
        install.env.set("XDG_CONFIG_HOME", user).set("XDG_CONFIG_DIRS", system);
        EXPECT_EQ(UserSettingsPath("cb"), user_file);
        EXPECT_EQ(SystemSettingsPaths("cb"), system_files);
    }

    const std::string huge(10000, '7');
    // Arguments, output file, toolpath number, texts of CUTBASE_TPNUM_UNKNOWN ("tpnum").
    const std::tuple<Ids, std::string, std::int32_t, Ids> command_lines[] = {
        {{"/o", "out.txt", "/tpnum", "7"}, "out.txt", 7, {}},
        {{"-TPNUM", "7", "/O"}, "cutter.out", 0, {"tpnum 7", "tpnum /O"}},
        {{"-tpnum", "-4"}, "cutter.out", 0, {}},  // "-4" is a flag
        {{"-tpnum", "0", "-tpnum", "abc"}, "cutter.out", 0, {"tpnum 0", "tpnum abc"}},
        {{"bare", "-tpnum", "5", "late"}, "cutter.out", 5, {"tpnum bare"}},
        {{"-o", "a", "b", "-", "c"}, "a", 0, {"tpnum b", "tpnum c"}},
        // Clamped beyond 32 bits: digits must never wrap round to toolpath 0.
        {{"-tpnum", " -99999999999"}, "cutter.out", -2147483647 - 1, {}},
        {{"-o", "/" + huge, "-tpnum", huge}, "/" + huge, 2147483647, {}},
    };
    for (const auto& [arguments, output_file, toolpath_number, reported] : command_lines) {
        install.presenter.shown.clear();
        CutBaseCmdLine command_line;
        ParseCommandLine(command_line, arguments);
        EXPECT_EQ(command_line.OutputFile(), output_file) << arguments.back().substr(0, 20);
        EXPECT_EQ(command_line.ToolpathNumber(), toolpath_number);
        EXPECT_EQ(install.ids(true), reported);
    }
}

}  // namespace
