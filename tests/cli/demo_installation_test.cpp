#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "support/test_support.h"

// The demo installation that scripts/demo starts the program on, checked through the
// command-line program on a copy, so that a change of the core or of the data cannot leave it
// broken unnoticed.

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

// The fields of each line of a listing, the indentation left out.
std::vector<std::vector<std::string>> rows(const std::string& listing) {
    std::vector<std::vector<std::string>> result;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        auto& fields = result.emplace_back(1);
        for (const char c : line.substr(line.find_first_not_of(' '))) {
            c == '\t' ? fields.emplace_back() : fields.back() += c;
        }
    }
    return result;
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

TEST_F(DemoInstallation, StartsWithoutAMessageAndFindsItsLibraryAndSettings) {
    const auto result = run_cli({"startup", "-tpnum", "1", "-o", root_.file("cutter.out")});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "output_file\t" + root_.file("cutter.out") +
                              "\ntoolpath_number\t1\nworkzone_directory\t" +
                              root_.file("workzone") + "\ntool_directory\t" + tools_ +
                              "\nfedrix_enabled\t1\nprogram_directory\t" + home_ +
                              "/bin\nsettings_path\t" + root_.file("CutterBase/CutterBase.INI") +
                              "\ninstallation_settings_path\t" + home_ + "/bin/CutterBase.INI" +
                              "\nlast_tool_directory\t" + tools_ +
                              "\nshow_consistency_message\t1\ndiameter_mode\t0\nsettings_layer\t" +
                              home_ + "/bin/CutterBase.INI\n");
}

TEST_F(DemoInstallation, TheToolpathNamesAConsistentToolAndTheReworkedOneDiffers) {
    auto result = run_cli({"toolpath", "TP_INDEX82", "TP_TYPE"});
    EXPECT_EQ(result.out,
              "TP_INDEX82\tchar\t0\t.\\Bullnose\\D10_R2.wkz\nTP_TYPE\tchar\t0\tZ-level roughing\n");

    EXPECT_EQ(run_cli({"check", tools_ + "/Bullnose/D10_R2.wkz"}).exit_code, 0);

    result = run_cli({"check", tools_ + "/Bullnose/D10_R2_reground.wkz"});
    EXPECT_EQ(result.exit_code, 1) << result.err;
    EXPECT_EQ(result.out,
              "Description\t\tBull nose D10 R2\t\t\tBull nose D10 R2 reground\n"
              "Body Radius\t\t5.000\t\t\t4.950\n"
              "Corner Radius\t\t2.000\t\t\t1.800\n"
              "Cutting Feedrate\t\t1200.000\t\t\t1000.000\n"
              "Tool Number\t\t7\t\t\t8\n");
    result = run_cli(
        {"apply", tools_ + "/Bullnose/D10_R2_reground.wkz", "-o", root_.file("reground.out")});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(read_file(root_.file("reground.out")),
              "!EDIT_LEVEL=4 &TP_CDESC=Bull nose D10 R2 reground &TP_BRAD=4.950 &TP_CRAD=1.800 "
              "&TP_FRCUT=1000.000 &TP_CPPNUM=8 &TP_INDEX82=.\\Bullnose\\D10_R2_reground.wkz ");
}

// Every tool of the tree reads with every parameter known and every Fedrix file reads; the
// library holds every cutter shape in both size forms, with and without Fedrix settings.
TEST_F(DemoInstallation, TheLibraryCoversTheCutterShapesSizeFormsAndFedrixFiles) {
    const auto tree = run_cli({"tree"});
    ASSERT_EQ(tree.exit_code, 0) << tree.err;
    std::map<std::string, int> images;
    std::set<std::string> shapes;  // the list's, with the folders' empty one
    std::set<std::string> size_forms;
    for (const auto& item : rows(tree.out)) {
        const std::string& path = item.back();
        if (++images[item[0]] && item[0] == "1") {
            for (const auto& row : rows(run_cli({"list", path}).out)) {
                shapes.insert(row.back());
            }
        } else if (item[0] != "0") {
            for (const auto& parameter : rows(run_cli({"show", path}).out)) {
                EXPECT_EQ(parameter.at(3), "1") << path << ": " << parameter[1];
                size_forms.insert(
                    parameter[1] == "TP_BRAD" || parameter[1] == "TP_CDIAM" ? parameter[1] : "");
            }
        }
        if (item[0] == "4") {
            EXPECT_EQ(run_cli({"fedrix", path.substr(0, path.rfind('.')) + ".ncs"}).exit_code, 0)
                << path;
        }
    }
    EXPECT_GE(images["1"], 4);
    EXPECT_GE(images["3"] + images["4"], 15);
    EXPECT_GE(images["4"], 2);
    EXPECT_EQ(shapes, (std::set<std::string>{"", "5", "6", "7"}));
    EXPECT_EQ(size_forms, (std::set<std::string>{"", "TP_BRAD", "TP_CDIAM"}));
}

// English and German carry the same sections and keys, and every message the program raises
// is found in both.
TEST_F(DemoInstallation, BothLanguagesHoldEveryTextTheProgramReads) {
    const std::string texts = home_ + "/texte/";
    for (const char* file : {"TalmorError", "KvxCutterBase", "kvxvars", "tpvarinfo", "texte"}) {
        EXPECT_EQ(sections_and_keys(texts + file + ".ang"),
                  sections_and_keys(texts + file + ".all"))
            << file;
    }
    const auto language = sections_and_keys(texts + "KvxCutterBase.ang");
    for (const char* section :
         {"T.A.L.M.O.R.", "CUTTERBASEDLG", "LISTCTRLTOOL", "PAGETOOL", "PAGEMACHINE",
          "PAGEFEDRIXOPTIMIZE", "PAGEFEDRIXADVANCED", "PAGEFEDRIXADVANCED2", "UNITS"}) {
        EXPECT_TRUE(language.count(section)) << section;
    }
    EXPECT_EQ(language.at("CUTTERBASEDLG").size(), 15u);

    // Each message the program raises, after its [SECTION].
    const std::string messages =
        "[GENERAL] GENERAL_DIR_NOT_VALID GENERAL_FILE_NOT_VALID GENERAL_DELETE_FILE "
        "GENERAL_CREATE_DIR GENERAL_CREATION [CUTTERBASE] CUTBASE_TPNUM_UNKNOWN CUTBASE_NOTOOL_DIR "
        "CUTBASE_NOCUTTER_HOOK [LIB_TALMOR_GMBH] KARVEX_ZONEINF_NOZONE KARVEX_TOOL_INCONSISTENT";
    for (const char* code : {"ang", "all"}) {
        env_.set("KVXLANG", code);
        std::istringstream words(messages);
        std::string section;
        for (std::string key; words >> key;) {
            if (key.front() == '[') {
                section = key.substr(1, key.size() - 2);
                continue;
            }
            const auto result = run_cli({"message", section, key, "a", "b"});
            EXPECT_EQ(result.exit_code, 0) << code << " " << key;
            EXPECT_EQ(result.out.find("???"), std::string::npos) << code << " " << result.out;
        }
    }
}

}  // namespace
