#include <gtest/gtest.h>

#include <string>

#include "app/app_fixture.h"
#include "support/test_support.h"

namespace {

using testsupport::run_cli;

class StartupCommand : public testing::Test {
protected:
    void SetUp() override {
        install.root.mkdir("zone");
        install.root.mkdir("tools");
        install.root.write("prog/CutterBase", "program");
        install.env.set("KVXZONE", path("zone/")).set("KVX_CUTTER_DIR", path("tools"));
        install.env.set("KVX_CUTTER_HOOK_COMMAND", path("prog/CutterBase"));
    }
    std::string path(const std::string& relative) const { return install.path(relative); }

    apptest::Installation install;
};

TEST_F(StartupCommand, PrintsTheConfiguration) {
    install.env.set("KVX_FEDRIX", "1");
    install.root.write("prog/CutterBase.INI",
                       "[T.A.L.M.O.R.]\nCutter-Base=Karvex - CutterBase\n[GENERAL]\n"
                       "Last Tool Dir=/tools/drills\nShow Consistency Message=2\n");
    const std::string huge = "/" + std::string(10000, '9');
    const auto result = run_cli({"startup", "-tpnum", "7", "-o", huge, huge});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, "output_file\t" + huge + "\ntoolpath_number\t7\nworkzone_directory\t" +
                              path("zone") + "\ntool_directory\t" + path("tools") +
                              "\nfedrix_enabled\t1\nprogram_directory\t" + path("prog") +
                              "\nsettings_path\t" + path("prog/CutterBase.INI") +
                              "\nlast_tool_directory\t/tools/drills\nshow_consistency_message\t1"
                              "\ndiameter_mode\t0\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(StartupCommand, WritesEachMessageAsOneLine) {
    std::string catalogue = apptest::kCatalogue;
    const std::string plain = "W tooldir %s";
    catalogue.replace(catalogue.find(plain), plain.size(), "W two\\nlines\\t%s");
    install.root.write("home/texte/TalmorError.ang", catalogue);
    install.env.set("KVX_CUTTER_DIR", path("missing"));
    install.root.write("prog/CutterBase.INI", "[T.A.L.M.O.R.]\nCutter-Base=Other\n");
    auto result = run_cli({"startup", "word"}, path("tools"));
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.err,
              "CUTTERBASE/CUTBASE_TPNUM_UNKNOWN\ttpnum word\n"
              "CUTTERBASE/CUTBASE_NOTOOL_DIR\ttwo\\nlines\\tKVX_CUTTER_DIR =" +
                  path("missing") + "\n/\t'" + path("prog/CutterBase.INI") +
                  "' ist nicht eine 'Fedrix Tool' Ini-Datei!\n");
    EXPECT_NE(result.out.find("\ntool_directory\t" + path("tools") + "\n"), std::string::npos);

    install.env.set("KVXZONE", std::nullopt);
    result = run_cli({"startup", "-o", "x.out"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out, "output_file\tx.out\ntoolpath_number\t0\n");
    EXPECT_EQ(result.err, "LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE\tno zone\n");
}

}  // namespace
