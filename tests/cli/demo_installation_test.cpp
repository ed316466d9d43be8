#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
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

class DemoInstallation : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(CUTTERBASE_DEMO_DIR, root_.path(),
                              std::filesystem::copy_options::recursive);
        home_ = root_.file("kvxhome");
        tools_ = home_ + "/tools";
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

    testsupport::TempDir root_;
    testsupport::ScopedEnv env_;
    std::string home_;
    std::string tools_;
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
    result = run_cli({"apply", tools_ + "/Bullnose/D10_R2.wkz", "-o", root_.file("same.out")});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(read_file(root_.file("same.out")), "!EDIT_LEVEL=1 ");

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

// Every tool of the tree reads, and the library holds every cutter shape in both size forms,
// with and without Fedrix settings.
TEST_F(DemoInstallation, TheLibraryCoversTheCutterShapesSizeFormsAndFedrixFiles) {
    const auto tree = run_cli({"tree"});
    ASSERT_EQ(tree.exit_code, 0) << tree.err;
    const std::regex kShownRow("[^\t]*\t([^\t]*)\t[^\t]*\t([^\t]*)\t([^\t]*)");
    int folders = 0;
    int fedrix_tools = 0;
    std::set<std::string> shapes;
    std::set<std::string> size_forms;
    std::istringstream in(tree.out);
    for (std::string line; std::getline(in, line);) {
        const auto fields = line.substr(line.find_first_not_of(' '));
        const std::string image = fields.substr(0, fields.find('\t'));
        const std::string path = fields.substr(fields.rfind('\t') + 1);
        if (image == "1") {
            ++folders;
            continue;
        }
        if (image != "3" && image != "4") {
            continue;
        }
        fedrix_tools += image == "4";
        if (image == "4") {
            const std::string ncs = path.substr(0, path.rfind('.')) + ".ncs";
            EXPECT_EQ(run_cli({"fedrix", ncs}).out.substr(0, 48),
                      "T.A.L.M.O.R.\tFedrix\tFedrix Tool Information\nBASI")
                << ncs;
        }
        std::map<std::string, std::string> parameters;
        std::istringstream shown(run_cli({"show", path}).out);
        for (std::string row; std::getline(shown, row);) {
            std::smatch cells;  // label, name, kind, known, value
            ASSERT_TRUE(std::regex_match(row, cells, kShownRow)) << path << ": " << row;
            EXPECT_EQ(cells[2], "1") << path << ": " << row;
            parameters[cells[1]] = cells[3];
        }
        ASSERT_TRUE(parameters.count("TP_CRAD")) << path;
        const bool diameter_form = parameters.count("TP_CDIAM") != 0;
        size_forms.insert(diameter_form ? "TP_CDIAM" : "TP_BRAD");
        const double radius = diameter_form ? std::stod(parameters["TP_CDIAM"]) / 2
                                            : std::stod(parameters.at("TP_BRAD"));
        const double corner = std::stod(parameters["TP_CRAD"]);
        shapes.insert(corner == 0 ? "flat" : corner == radius ? "ball" : "bull-nose");
    }
    EXPECT_GE(folders, 4);
    EXPECT_GE(std::count(tree.out.begin(), tree.out.end(), '\n') - folders - 1, 15);
    EXPECT_GE(fedrix_tools, 2);
    EXPECT_EQ(shapes, (std::set<std::string>{"ball", "bull-nose", "flat"}));
    EXPECT_EQ(size_forms, (std::set<std::string>{"TP_BRAD", "TP_CDIAM"}));
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

    const std::pair<const char*, const char*> messages[] = {
        {"GENERAL", "GENERAL_DIR_NOT_VALID"},
        {"GENERAL", "GENERAL_FILE_NOT_VALID"},
        {"GENERAL", "GENERAL_DELETE_FILE"},
        {"GENERAL", "GENERAL_CREATE_DIR"},
        {"GENERAL", "GENERAL_CREATION"},
        {"CUTTERBASE", "CUTBASE_TPNUM_UNKNOWN"},
        {"CUTTERBASE", "CUTBASE_NOTOOL_DIR"},
        {"CUTTERBASE", "CUTBASE_NOCUTTER_HOOK"},
        {"LIB_TALMOR_GMBH", "KARVEX_ZONEINF_NOZONE"},
        {"LIB_TALMOR_GMBH", "KARVEX_TOOL_INCONSISTENT"},
    };
    for (const char* code : {"ang", "all"}) {
        env_.set("KVXLANG", code);
        for (const auto& [section, key] : messages) {
            const auto result = run_cli({"message", section, key, "a", "b"});
            EXPECT_EQ(result.exit_code, 0) << code << " " << key;
            EXPECT_EQ(result.out.find("???"), std::string::npos) << code << " " << result.out;
        }
    }
}

}  // namespace
