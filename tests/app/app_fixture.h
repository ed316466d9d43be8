#pragma once
// An installation in a temporary directory for the app tests: KVXHOME with an environ.cfg and
// an English catalogue whose texts echo their argument, a process environment without the
// variables start-up reads, and a presenter that records every message and answers from a
// queue.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "language/message_catalogue.h"
#include "language/message_presenter.h"
#include "runtime/environment.h"
#include "support/test_support.h"

namespace apptest {

struct Raised {
    std::string section;  // empty for a message that is not from the catalogue
    std::string key;
    std::string text;
    int buttons = 0;
    int icon = 0;
};

class ScriptedPresenter : public MessagePresenter {
public:
    int Present(const std::string& text, int button_set, int icon) override {
        Raised raised{{}, {}, text, button_set, icon};
        const TalmorError* catalogue = CurrentCatalogue();
        if (catalogue != nullptr && catalogue->ComposedText() == text) {
            raised.section = catalogue->CurrentSection();
            raised.key = catalogue->CurrentKey();
        }
        messages.push_back(raised);
        if (answers.empty()) {
            return default_answer(button_set);
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Raised> messages;
    std::deque<int> answers;
};

inline constexpr const char* kCatalogue =
    "[T.A.L.M.O.R.]\r\n"
    "CATEGORY=TalmorError\r\n"
    "[ERROR_INTERNAL]\r\n"
    "FILE=FILE\r\n"
    "LINE=LINE\r\n"
    "[GENERAL]\r\n"
    "GENERAL_DIR_NOT_VALID=E dir %s\r\n"
    "GENERAL_FILE_NOT_VALID=E file %s\r\n"
    "GENERAL_DELETE_FILE=Q delete %s\r\n"
    "GENERAL_CREATE_DIR=Q create %s\r\n"
    "[CUTTERBASE]\r\n"
    "CUTBASE_TPNUM_UNKNOWN=E tpnum %s\r\n"
    "CUTBASE_NOTOOL_DIR=W tooldir %s\r\n"
    "CUTBASE_NOCUTTER_HOOK=W hook %s\r\n"
    "[LIB_TALMOR_GMBH]\r\n"
    "KARVEX_ZONEINF_NOZONE=E no zone\r\n";

class Installation {
public:
    Installation() {
        for (const char* name :
             {"KVXHOME", "KVXLANG", "ENVPATH", "KVXNULL", "KVXZONE", "KVX_CUTTER_DIR", "KVX_FEDRIX",
              "KVX_CUTTER_HOOK_COMMAND", "KVXUSERAD", "KVXTMP", "KVXTMPDIR"}) {
            env.set(name, std::nullopt);
        }
        root.write("home/config/environ.cfg", "[var]\n[path]\nENV = $KVXHOME/config\n");
        root.write("home/texte/TalmorError.ang", kCatalogue);
        env.set("KVXHOME", home());
        unload_environment();
        GetCatalogue()->Init("ang");
        previous_ = install_message_presenter(&presenter);
    }
    ~Installation() {
        install_message_presenter(previous_);
        GetCatalogue()->SetDetail(0);
        unload_environment();
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    std::string home() const { return root.file("home"); }
    // Replaces the configuration (after the process environment, the second source of
    // variables).
    void configure(const std::string& text) {
        root.write("home/config/environ.cfg", text);
        unload_environment();
    }

    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    ScriptedPresenter presenter;

private:
    MessagePresenter* previous_ = nullptr;
};

// The origin lines the catalogue adds to a message in detail mode.
inline std::string origin_text(const std::string& module, int line) {
    return "FILE:\t\t" + module + "\nLINE:\t\t" + std::to_string(line) + "\n";
}

}  // namespace apptest
