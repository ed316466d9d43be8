#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/app_fixture.h"
#include "support/test_support.h"

namespace {

using testsupport::run_cli;

TEST(StartupCommand, PrintsTheConfigurationAndEachMessageOnOneLine) {
    apptest::Installation install;
    const auto path = [&](const std::string& relative) { return install.path(relative); };
    install.root.mkdir("zone");
    const std::string marker = "[T.A.L.M.O.R.]\nCutter-Base=Karvex - CutterBase\n";
    install.root.write(
        "prog/CutterBase.INI",
        marker + "[GENERAL]\nLast Tool Dir=/tools/drills\nShow Consistency Message=2\n");
    install.env.set("KVXZONE", path("zone/")).set("KVX_CUTTER_DIR", path("zone"));
    install.env.set("KVX_CUTTER_HOOK_COMMAND", path("prog/CutterBase")).set("KVX_FEDRIX", "1");
    const std::string system = install.root.write("xdg/CutterBase/CutterBase.INI", marker);
    const std::string huge = "/" + std::string(10000, '9');
    auto result = run_cli({"startup", "-tpnum", "7", "-o", huge, huge});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, "output_file\t" + huge + "\ntoolpath_number\t7\nworkzone_directory\t" +
                              path("zone") + "\ntool_directory\t" + path("zone") +
                              "\nfedrix_enabled\t1\nprogram_directory\t" + path("prog") +
                              "\nsettings_path\t" + install.user_settings() +
                              "\ninstallation_settings_path\t" + path("prog/CutterBase.INI") +
                              "\nlast_tool_directory\t/tools/drills\nshow_consistency_message\t1"
                              "\ndiameter_mode\t0\nsettings_layer\t" +
                              system + "\nsettings_layer\t" + path("prog/CutterBase.INI") + "\n");
    EXPECT_EQ(result.err, "");

    install.env.set("KVXZONE", std::nullopt);
    result = run_cli({"startup", "word"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out, "output_file\tcutter.out\ntoolpath_number\t0\n");
    EXPECT_EQ(result.err,
              "CUTTERBASE/CUTBASE_TPNUM_UNKNOWN\ttpnum word\n"
              "LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE\tno\\nzone\n");
}

TEST(Cli, HelpAndVersionNeedNothingAndUnknownOptionsShowTheUsage) {
    testsupport::ScopedEnv env;
    env.set("KVXHOME", std::nullopt);
    const auto help = run_cli({"--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_TRUE(help.out.starts_with("usage: cutterbase-cli [--verbose] [--quiet] COMMAND ...\n"));
    EXPECT_TRUE(help.out.ends_with("\n  vet [DIR]\n")) << help.out;
    const auto version = run_cli({"--quiet", "--version"});
    EXPECT_TRUE(std::regex_match(
        version.out, std::regex("cutterbase-cli \\d+(\\.\\d+)+( \\(revision [0-9a-f]+\\))?\n")))
        << version.out;
    const auto unknown = run_cli({"-h"});
    EXPECT_EQ(help.err + version.err + unknown.out, "");
    EXPECT_EQ(unknown.exit_code, 2);
    EXPECT_EQ(unknown.err, "cutterbase-cli: unknown command '-h'\n" + help.out);
}

}  // namespace
