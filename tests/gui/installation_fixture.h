#pragma once
// KVXHOME in a temporary directory with catalogues and language files; the catalogue in English.

#include <string>

#include "language/message_catalogue.h"
#include "runtime/environment.h"
#include "support/test_support.h"

namespace guitest {

inline constexpr char kApplication[] = "KvxCutterBase";
// The language names of a language file's first section.
inline constexpr char kLanguageNames[] =
    "ang=English\r\nall=Deutsch\r\nfra=Fran\xE7"
    "ais\r\nesp=Espa\xF1ol\r\nsue=Svenska\r\n";

class Installation {
public:
    Installation() {
        unload_environment();
        home_ = temp_.mkdir("home");
        temp_.write("home/config/environ.cfg",
                    "[var]\nCB_GUI_TEST = 1\n[path]\nENV = $KVXHOME/config\n");
        env_.set("KVXHOME", home_).set("KVXLANG", std::nullopt);
        // The demo's catalogues, the English one with a question of the tests' own.
        writeText("TalmorError.ang", demoText("TalmorError.ang") +
                                         "\r\n[TEST]\r\nOVERWRITE=Q The tool file '%s' "
                                         "exists.\\nOverwrite it?\r\n");
        writeText("TalmorError.all", demoText("TalmorError.all"));
        for (const char* language : {".ang", ".all"}) {
            writeText(
                kApplication + std::string(language),
                std::string("[T.A.L.M.O.R.]\r\nPRODUCT=") + kApplication + "\r\n" + kLanguageNames);
        }
        useCatalogue("ang");
    }
    ~Installation() {
        useCatalogue("ang");
        unload_environment();
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    void useCatalogue(const std::string& language) { GetCatalogue()->Init(language); }
    std::string home() const { return home_; }
    std::string writeText(const std::string& name, const std::string& bytes) {
        return temp_.write("home/texte/" + name, bytes);
    }

private:
    static std::string demoText(const std::string& name) {
        return testsupport::read_file(std::string(CUTTERBASE_DEMO_DIR) + "/kvxhome/texte/" + name);
    }

    testsupport::TempDir temp_;
    testsupport::ScopedEnv env_;
    std::string home_;
};

}  // namespace guitest
