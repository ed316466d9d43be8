#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/app_fixture.h"
#include "cli/cli_outcome.h"

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
    EXPECT_EQ(outcome({"startup", "-tpnum", "7", "-o", huge, huge}),
              "0|output_file\t" + huge + "\ntoolpath_number\t7\nworkzone_directory\t" +
                  path("zone") + "\ntool_directory\t" + path("zone") +
                  "\nfedrix_enabled\t1\nprogram_directory\t" + path("prog") + "\nsettings_path\t" +
                  install.user_settings() + "\ninstallation_settings_path\t" +
                  path("prog/CutterBase.INI") +
                  "\nlast_tool_directory\t/tools/drills\nshow_consistency_message\t1"
                  "\ndiameter_mode\t0\nsettings_layer\t" +
                  system + "\nsettings_layer\t" + path("prog/CutterBase.INI") + "\n|");

    install.env.set("KVXZONE", std::nullopt);
    EXPECT_EQ(outcome({"startup", "word"}),
              "1|output_file\tcutter.out\ntoolpath_number\t0\n|CUTTERBASE/"
              "CUTBASE_TPNUM_UNKNOWN\ttpnum word\n"
              "LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE\tno\\nzone\n");
}

TEST(Cli, HelpAndVersionNeedNothingAndUnknownOptionsShowTheUsage) {
    testsupport::ScopedEnv env;
    env.set("KVXHOME", std::nullopt);
    const auto help = run_cli({"--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_TRUE(help.out.starts_with("usage: cutterbase-cli [--verbose] [--quiet] COMMAND ...\n"));
    EXPECT_TRUE(help.out.ends_with(
        "\n  import SOURCE --into DIR [--format tbl|csv|fctb] [--overwrite] [--dry-run]\n"))
        << help.out;
    const auto version = run_cli({"--quiet", "--version"});
    EXPECT_TRUE(std::regex_match(
        version.out, std::regex("cutterbase-cli \\d+(\\.\\d+)+( \\(revision [0-9a-f]+\\))?\n")))
        << version.out;
    EXPECT_EQ(help.err + version.err, "");
    EXPECT_EQ(outcome({"-h"}), "2||cutterbase-cli: unknown command '-h'\n" + help.out);
}

}  // namespace
