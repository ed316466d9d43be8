#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "platform/profile.h"
#include "support/test_support.h"

// The demo installation scripts/demo starts, checked through cutterbase-cli on a copy.

namespace {

using testsupport::read_file;
using testsupport::run_cli;

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

TEST_F(DemoInstallation, StartsOnItsLibraryForAConsistentToolAndCoversWhatTheProgramReads) {
    EXPECT_NE(
        run_cli({"startup"}).out.find("\ntool_directory\t" + tools_ + "\nfedrix_enabled\t1\n"),
        std::string::npos);
    // The toolpath names a consistent tool; the reworked one differs.
    EXPECT_EQ(run_cli({"toolpath", "TP_INDEX82", "TP_TYPE"}).out,
              "TP_INDEX82\tchar\t0\t.\\Bullnose\\D10_R2.wkz\nTP_TYPE\tchar\t0\tZ-level roughing\n");
    EXPECT_EQ(run_cli({"check", tools_ + "/Bullnose/D10_R2.wkz"}).exit_code, 0);
    const std::string reground = tools_ + "/Bullnose/D10_R2_reground.wkz";
    EXPECT_EQ(run_cli({"check", reground}).exit_code, 1);
    EXPECT_EQ(run_cli({"apply", reground, "-o", root_.file("reground.out")}).exit_code, 0);
    EXPECT_EQ(read_file(root_.file("reground.out")),
              "!EDIT_LEVEL=4 &TP_CDESC=Bull nose D10 R2 reground &TP_BRAD=4.950 &TP_CRAD=1.800 "
              "&TP_FRCUT=1000.000 &TP_CPPNUM=8 &TP_INDEX82=.\\Bullnose\\D10_R2_reground.wkz ");

    // Every tool and Fedrix file reads; every cutter shape and size form is there.
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
    EXPECT_TRUE(images["3"] + images["4"] >= 15 && images["4"] >= 2);
    const std::string shapes = std::regex_replace(rows, std::regex("[^\n]*\t(\\d*)\n"), "$1");
    EXPECT_EQ(std::set<char>(shapes.begin(), shapes.end()), (std::set<char>{'5', '6', '7'}));
    EXPECT_FALSE(std::regex_search(parameters, std::regex("\t(Text|Real|Integer)\t0\t")));
    EXPECT_NE(parameters.find("\tTP_BRAD\t"), std::string::npos);
    EXPECT_NE(parameters.find("\tTP_CDIAM\t"), std::string::npos);
    // English and German alike line by line but for the texts, holding every message raised.
    const std::string texts = home_ + "/texte/";
    const auto keys = [&](const std::string& name) {
        return std::regex_replace(read_file(texts + name), std::regex("=[^\r\n]*"), "=");
    };
    for (const std::string file :
         {"TalmorError", "KvxCutterBase", "kvxvars", "tpvarinfo", "texte"}) {
        EXPECT_EQ(keys(file + ".ang"), keys(file + ".all")) << file;
    }
    // Caption sections ("SECTION/") and messages ("SECTION/KEY").
    const auto captions = *platform::ProfileDocument::load(texts + "KvxCutterBase.ang");
    const auto messages = *platform::ProfileDocument::load(texts + "TalmorError.ang");
    EXPECT_EQ(captions.keys("CUTTERBASEDLG").size(), 15u);
    for (const std::string id :
         {"T.A.L.M.O.R./", "LISTCTRLTOOL/", "PAGETOOL/", "PAGEMACHINE/", "PAGEFEDRIXOPTIMIZE/",
          "PAGEFEDRIXADVANCED/", "PAGEFEDRIXADVANCED2/", "UNITS/", "GENERAL/GENERAL_DIR_NOT_VALID",
          "GENERAL/GENERAL_FILE_NOT_VALID", "GENERAL/GENERAL_DELETE_FILE",
          "GENERAL/GENERAL_CREATE_DIR", "GENERAL/GENERAL_CREATION",
          "CUTTERBASE/CUTBASE_TPNUM_UNKNOWN", "CUTTERBASE/CUTBASE_NOTOOL_DIR",
          "CUTTERBASE/CUTBASE_NOCUTTER_HOOK", "LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE",
          "LIB_TALMOR_GMBH/KARVEX_TOOL_INCONSISTENT"}) {
        const std::string section = id.substr(0, id.find('/')), key = id.substr(id.find('/') + 1);
        EXPECT_FALSE(key.empty() ? captions.keys(section).empty()
                                 : messages.get_string(section, key, "").empty())
            << id;
    }
}

}  // namespace
