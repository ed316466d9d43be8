#pragma once
// KVXHOME with a catalogue whose texts echo their argument; HOME in the test's folder.

#include <sstream>
#include <string>
#include <vector>

#include "language/catalogue_fixture.h"

namespace apptest {

inline constexpr const char* kCatalogue =
    "[T.A.L.M.O.R.]\nCATEGORY=TalmorError\n[GENERAL]\nGENERAL_DIR_NOT_VALID=E dir "
    "%s\nGENERAL_FILE_NOT_VALID=E file %s\n"
    "GENERAL_DELETE_FILE=Q delete %s\nGENERAL_CREATE_DIR=Q create %s\n"
    "[CUTTERBASE]\nCUTBASE_TPNUM_UNKNOWN=E tpnum %s\nCUTBASE_NOTOOL_DIR=W tooldir %s\n"
    "CUTBASE_NOCUTTER_HOOK=W hook %s\n[LIB_TALMOR_GMBH]\nKARVEX_ZONEINF_NOZONE=E no\\nzone\n";

// A tool file of the blank-separated "NAME=VALUE" entries.
inline std::string tool_file(const std::string& entries) {
    std::string bytes = "Tool **\r\n";
    std::istringstream words(entries);
    for (std::string entry; words >> entry;) {
        bytes += "Label                    :       &" + entry + "\r\n";
    }
    return bytes;
}

class Installation {
public:
    Installation() {
        for (const char* name : {"KVXLANG", "ENVPATH", "KVXNULL", "KVXZONE", "KVX_CUTTER_DIR",
                                 "KVX_FEDRIX", "KVX_CUTTER_HOOK_COMMAND", "KVXUSERAD"}) {
            env.set(name, std::nullopt);
        }
        root.write("home/config/environ.cfg", "[var]\n[path]\nENV = $KVXHOME/config\n");
        unload_environment();
        root.write("home/texte/TalmorError.ang", kCatalogue);
        env.set("KVXHOME", root.file("home"));
        // Settings a test writes land in its own folder, never in the real user's.
        env.set("HOME", root.file("user")).set("XDG_CONFIG_HOME", std::nullopt);
        env.set("XDG_CONFIG_DIRS", root.file("xdg"));
        GetCatalogue()->Init("ang");
    }
    ~Installation() { unload_environment(); }
    std::string path(const std::string& relative) const { return root.file(relative); }
    // What was shown so far: the catalogue ids, or with `texts` the texts.
    std::vector<std::string> ids(bool texts = false) const {
        std::vector<std::string> result;
        for (const auto& shown : presenter.shown) {
            result.push_back(texts ? shown.text : shown.id);
        }
        return result;
    }

    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    ScriptedPresenter presenter;
};

}  // namespace apptest
