#include <gtest/gtest.h>

#include <string>

#include "app/app_fixture.h"
#include "support/test_support.h"

namespace {

using testsupport::run_cli;

TEST(StartupCommand, PrintsTheConfigurationAndEachMessageOnOneLine) {
    apptest::Installation install;
    const auto path = [&](const std::string& relative) { return install.path(relative); };
    install.root.mkdir("zone");
    install.root.write("prog/CutterBase.INI",
                       "[T.A.L.M.O.R.]\nCutter-Base=Karvex - CutterBase\n[GENERAL]\n"
                       "Last Tool Dir=/tools/drills\nShow Consistency Message=2\n");
    install.env.set("KVXZONE", path("zone/")).set("KVX_CUTTER_DIR", path("zone"));
    install.env.set("KVX_CUTTER_HOOK_COMMAND", path("prog/CutterBase")).set("KVX_FEDRIX", "1");
    const std::string huge = "/" + std::string(10000, '9');
    auto result = run_cli({"startup", "-tpnum", "7", "-o", huge, huge});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, "output_file\t" + huge + "\ntoolpath_number\t7\nworkzone_directory\t" +
                              path("zone") + "\ntool_directory\t" + path("zone") +
                              "\nfedrix_enabled\t1\nprogram_directory\t" + path("prog") +
                              "\nsettings_path\t" + install.user_settings() +
                              "\ninstallation_settings_path\t" + path("prog/CutterBase.INI") +
                              "\nlast_tool_directory\t/tools/drills\nshow_consistency_message\t1"
                              "\ndiameter_mode\t0\n");
    EXPECT_EQ(result.err, "");

    install.env.set("KVXZONE", std::nullopt);
    result = run_cli({"startup", "word"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out, "output_file\tcutter.out\ntoolpath_number\t0\n");
    EXPECT_EQ(result.err,
              "CUTTERBASE/CUTBASE_TPNUM_UNKNOWN\ttpnum word\n"
              "LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE\tno\\nzone\n");
}

}  // namespace
