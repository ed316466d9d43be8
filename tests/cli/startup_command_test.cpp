#include <gtest/gtest.h>

#include <string>

#include "app/app_fixture.h"
#include "support/test_support.h"

namespace {

using apptest::Installation;
using testsupport::run_cli;

class StartupCommand : public testing::Test {
protected:
    void SetUp() override {
        install.root.mkdir("zone");
        install.root.mkdir("tools");
        install.root.write("prog/CutterBase", "program");
        install.env.set("KVXZONE", path("zone/"));
        install.env.set("KVX_CUTTER_DIR", path("tools"));
        install.env.set("KVX_CUTTER_HOOK_COMMAND", path("prog/CutterBase"));
        install.env.set("KVX_FEDRIX", "1");
    }
    std::string path(const std::string& relative) const { return install.root.file(relative); }

    Installation install;
};

TEST_F(StartupCommand, PrintsTheConfiguration) {
    install.root.write("prog/CutterBase.INI",
                       "[T.A.L.M.O.R.]\nCutter-Base=Karvex - CutterBase\n[GENERAL]\n"
                       "Last Tool Dir=/tools/drills\nShow Consistency Message=2\n");
    const auto result = run_cli({"startup", "-tpnum", "7", "-o", "/tmp/change.out"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "output_file\t/tmp/change.out\n"
              "toolpath_number\t7\n"
              "workzone_directory\t" +
                  path("zone") +
                  "\n"
                  "tool_directory\t" +
                  path("tools") +
                  "\n"
                  "fedrix_enabled\t1\n"
                  "program_directory\t" +
                  path("prog") +
                  "\n"
                  "settings_path\t" +
                  path("prog/CutterBase.INI") +
                  "\n"
                  "last_tool_directory\t/tools/drills\n"
                  "show_consistency_message\t1\n"
                  "diameter_mode\t0\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(StartupCommand, WritesEveryMessageAsOneLine) {
    std::string catalogue = apptest::kCatalogue;
    const std::string plain = "CUTBASE_NOTOOL_DIR=W tooldir %s";
    catalogue.replace(catalogue.find(plain), plain.size(), "CUTBASE_NOTOOL_DIR=W two\\nlines\\t%s");
    install.root.write("home/texte/TalmorError.ang", catalogue);
    install.env.set("KVX_CUTTER_DIR", path("missing"));
    install.root.write("prog/CutterBase.INI", "[T.A.L.M.O.R.]\nCutter-Base=Other\n");
    const auto result = run_cli({"startup", "word"}, path("tools"));
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.err,
              "CUTTERBASE/CUTBASE_TPNUM_UNKNOWN\ttpnum word\n"
              "CUTTERBASE/CUTBASE_NOTOOL_DIR\ttwo\\nlines\\tKVX_CUTTER_DIR =" +
                  path("missing") +
                  "\n"
                  "/\t'" +
                  path("prog/CutterBase.INI") + "' ist nicht eine 'Fedrix Tool' Ini-Datei!\n");
    EXPECT_NE(result.out.find("tool_directory\t" + path("tools") + "\n"), std::string::npos);
    EXPECT_NE(result.out.find("last_tool_directory\tC:\\\n"), std::string::npos);
}

TEST_F(StartupCommand, CancelledStartStopsAfterTheCommandLine) {
    install.env.set("KVXZONE", std::nullopt);
    const auto result = run_cli({"startup", "-o", "x.out"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out, "output_file\tx.out\ntoolpath_number\t0\n");
    EXPECT_EQ(result.err, "LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE\tno zone\n");
}

TEST_F(StartupCommand, SurvivesHugeTokens) {
    const std::string huge(10000, '9');
    const auto result = run_cli({"startup", "-o", "/" + huge, "-tpnum", huge, "/" + huge});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out.rfind("output_file\t/" + huge + "\ntoolpath_number\t2147483647\n", 0), 0u);
    EXPECT_EQ(result.err, "");
}

}  // namespace
