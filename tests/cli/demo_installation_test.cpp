#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "support/test_support.h"

// The demo installation scripts/demo starts, checked through cutterbase-cli on a copy.

namespace {

using testsupport::read_file;
using testsupport::run_cli;

// Section -> keys of an initialisation file, read as the program reads it.
std::map<std::string, std::set<std::string>> sections_and_keys(const std::string& path) {
    const auto file = platform::ProfileDocument::load(path).value_or(platform::ProfileDocument());
    std::map<std::string, std::set<std::string>> keys;
    for (const std::string& section : file.section_names()) {
        const std::vector<std::string> names = file.keys(section);
        keys[section].insert(names.begin(), names.end());
    }
    return keys;
}

struct DemoInstallation : ::testing::Test {
    testsupport::TempDir root_;
    testsupport::ScopedEnv env_;
    std::string home_ = root_.file("kvxhome");
    std::string tools_ = home_ + "/tools";

    void SetUp() override {
        std::filesystem::copy(CUTTERBASE_DEMO_DIR, root_.path(),
                              std::filesystem::copy_options::recursive);
        // Everything else comes from the installation's own configuration.
        env_.set("KVXHOME", home_)
            .set("KVXZONE", root_.file("workzone"))
            .set("HOME", root_.path())
            .set("XDG_CONFIG_HOME", root_.path())
            .set("XDG_CONFIG_DIRS", root_.file("xdg"));
        for (const char* name :
             {"KVXLANG", "KVX_CUTTER_DIR", "KVX_CUTTER_HOOK_COMMAND", "KVX_FEDRIX", "KVXUSERAD",
              "KVXTMPDIR", "KVXDATA", "ENVPATH", "TXTPATH"}) {
            env_.set(name, std::nullopt);
        }
    }
};

TEST_F(DemoInstallation, StartsOnItsLibraryAndSettingsForAConsistentTool) {
    const auto started = run_cli({"startup", "-tpnum", "1", "-o", root_.file("cutter.out")});
    EXPECT_EQ(std::to_string(started.exit_code) + started.err + started.out,
              "0output_file\t" + root_.file("cutter.out") +
                  "\ntoolpath_number\t1\nworkzone_directory\t" + root_.file("workzone") +
                  "\ntool_directory\t" + tools_ + "\nfedrix_enabled\t1\nprogram_directory\t" +
                  home_ + "/bin\nsettings_path\t" + root_.file("CutterBase/CutterBase.INI") +
                  "\ninstallation_settings_path\t" + home_ + "/bin/CutterBase.INI" +
                  "\nlast_tool_directory\t" + tools_ +
                  "\nshow_consistency_message\t1\ndiameter_mode\t0\nsettings_layer\t" + home_ +
                  "/bin/CutterBase.INI\n");
    // The toolpath names a consistent tool; the reworked one differs.
    EXPECT_EQ(run_cli({"toolpath", "TP_INDEX82", "TP_TYPE"}).out,
              "TP_INDEX82\tchar\t0\t.\\Bullnose\\D10_R2.wkz\nTP_TYPE\tchar\t0\tZ-level roughing\n");
    EXPECT_EQ(run_cli({"check", tools_ + "/Bullnose/D10_R2.wkz"}).exit_code, 0);
    const auto result = run_cli({"check", tools_ + "/Bullnose/D10_R2_reground.wkz"});
    EXPECT_EQ(std::to_string(result.exit_code) + result.err + result.out,
              "1Description\t\tBull nose D10 R2\t\t\tBull nose D10 R2 reground\n"
              "Body Radius\t\t5.000\t\t\t4.950\n"
              "Corner Radius\t\t2.000\t\t\t1.800\n"
              "Cutting Feedrate\t\t1200.000\t\t\t1000.000\n"
              "Tool Number\t\t7\t\t\t8\n");
    EXPECT_EQ(run_cli({"apply", tools_ + "/Bullnose/D10_R2_reground.wkz", "-o",
                       root_.file("reground.out")})
                  .exit_code,
              0);
    EXPECT_EQ(read_file(root_.file("reground.out")),
              "!EDIT_LEVEL=4 &TP_CDESC=Bull nose D10 R2 reground &TP_BRAD=4.950 &TP_CRAD=1.800 "
              "&TP_FRCUT=1000.000 &TP_CPPNUM=8 &TP_INDEX82=.\\Bullnose\\D10_R2_reground.wkz ");
}

// Every tool and Fedrix file reads; every cutter shape and size form is there.
TEST_F(DemoInstallation, TheLibraryAndTheTextsCoverWhatTheProgramReads) {
    const std::string tree = run_cli({"tree"}).out;
    std::map<std::string, int> images;
    std::string rows, parameters;
    const std::regex item("(\\d)\t[^\t]*\t([^\n]*)\n");
    for (std::sregex_iterator i(tree.begin(), tree.end(), item), end; i != end; ++i) {
        const std::string image = (*i)[1], path = (*i)[2];
        ++images[image];
        rows += image == "1" ? run_cli({"list", path}).out : "";
        parameters += image == "3" || image == "4" ? run_cli({"show", path}).out : "";
        if (image == "4") {
            EXPECT_EQ(run_cli({"fedrix", path.substr(0, path.rfind('.')) + ".ncs"}).exit_code, 0)
                << path;
        }
    }
    EXPECT_GE(images["1"], 4);
    EXPECT_GE(images["3"] + images["4"], 15);
    EXPECT_GE(images["4"], 2);
    const std::string shapes = std::regex_replace(rows, std::regex("[^\n]*\t(\\d*)\n"), "$1");
    EXPECT_EQ(std::set<char>(shapes.begin(), shapes.end()), (std::set<char>{'5', '6', '7'}));
    EXPECT_FALSE(std::regex_search(parameters, std::regex("\t(Text|Real|Integer)\t0\t")));
    EXPECT_NE(parameters.find("\tTP_BRAD\t"), std::string::npos);
    EXPECT_NE(parameters.find("\tTP_CDIAM\t"), std::string::npos);
    // English and German alike, holding every message the program raises.
    const std::string texts = home_ + "/texte/";
    for (const char* file : {"TalmorError", "KvxCutterBase", "kvxvars", "tpvarinfo", "texte"}) {
        EXPECT_EQ(sections_and_keys(texts + file + ".ang"),
                  sections_and_keys(texts + file + ".all"))
            << file;
    }
    auto captions = sections_and_keys(texts + "KvxCutterBase.ang");
    for (const char* section :
         {"T.A.L.M.O.R.", "CUTTERBASEDLG", "LISTCTRLTOOL", "PAGETOOL", "PAGEMACHINE",
          "PAGEFEDRIXOPTIMIZE", "PAGEFEDRIXADVANCED", "PAGEFEDRIXADVANCED2", "UNITS"}) {
        EXPECT_TRUE(captions.count(section)) << section;
    }
    EXPECT_EQ(captions["CUTTERBASEDLG"].size(), 15u);
    auto messages = sections_and_keys(texts + "TalmorError.ang");
    for (const std::string id :
         {"GENERAL/GENERAL_DIR_NOT_VALID", "GENERAL/GENERAL_FILE_NOT_VALID",
          "GENERAL/GENERAL_DELETE_FILE", "GENERAL/GENERAL_CREATE_DIR", "GENERAL/GENERAL_CREATION",
          "CUTTERBASE/CUTBASE_TPNUM_UNKNOWN", "CUTTERBASE/CUTBASE_NOTOOL_DIR",
          "CUTTERBASE/CUTBASE_NOCUTTER_HOOK", "LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE",
          "LIB_TALMOR_GMBH/KARVEX_TOOL_INCONSISTENT"}) {
        EXPECT_TRUE(messages[id.substr(0, id.find('/'))].count(id.substr(id.find('/') + 1))) << id;
    }
}

}  // namespace
