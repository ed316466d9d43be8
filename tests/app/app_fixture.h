#pragma once
// A temporary installation for the app tests: KVXHOME with an environ.cfg and a catalogue whose
// texts echo their argument, none of the start-up variables set, and a presenter that records
// every message (with the catalogue's section and key) and answers from a queue.

#include <deque>
#include <string>
#include <vector>

#include "language/message_catalogue.h"
#include "runtime/environment.h"
#include "support/test_support.h"

namespace apptest {

struct Raised {
    std::string id;  // "SECTION/KEY", or "/" for a message that is not from the catalogue
    std::string text;
    int buttons = 0;
};

class ScriptedPresenter : public MessagePresenter {
public:
    int Present(const std::string& text, int button_set, int) override {
        const TalmorError* catalogue = CurrentCatalogue();
        const bool listed = catalogue != nullptr && catalogue->ComposedText() == text;
        messages.push_back(
            {listed ? catalogue->CurrentSection() + "/" + catalogue->CurrentKey() : "/", text,
             button_set});
        const int answer = answers.empty() ? default_answer(button_set) : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    std::vector<Raised> messages;
    std::deque<int> answers;
};

inline constexpr const char* kCatalogue =
    "[T.A.L.M.O.R.]\nCATEGORY=TalmorError\n[GENERAL]\nGENERAL_DIR_NOT_VALID=E dir "
    "%s\nGENERAL_FILE_NOT_VALID=E file %s\n"
    "GENERAL_DELETE_FILE=Q delete %s\nGENERAL_CREATE_DIR=Q create %s\n"
    "[CUTTERBASE]\nCUTBASE_TPNUM_UNKNOWN=E tpnum %s\nCUTBASE_NOTOOL_DIR=W tooldir %s\n"
    "CUTBASE_NOCUTTER_HOOK=W hook %s\n[LIB_TALMOR_GMBH]\nKARVEX_ZONEINF_NOZONE=E no zone\n";

class Installation {
public:
    Installation() {
        for (const char* name : {"KVXLANG", "ENVPATH", "KVXNULL", "KVXZONE", "KVX_CUTTER_DIR",
                                 "KVX_FEDRIX", "KVX_CUTTER_HOOK_COMMAND", "KVXUSERAD"}) {
            env.set(name, std::nullopt);
        }
        configure("[var]\n[path]\nENV = $KVXHOME/config\n");
        root.write("home/texte/TalmorError.ang", kCatalogue);
        env.set("KVXHOME", root.file("home"));
        GetCatalogue()->Init("ang");
        previous_ = install_message_presenter(&presenter);
    }
    ~Installation() {
        install_message_presenter(previous_);
        unload_environment();
    }
    void configure(const std::string& text) {
        root.write("home/config/environ.cfg", text);
        unload_environment();
    }
    std::string path(const std::string& relative) const { return root.file(relative); }
    std::vector<std::string> ids() const {
        std::vector<std::string> result;
        for (const auto& raised : presenter.messages) {
            result.push_back(raised.id);
        }
        return result;
    }

    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    ScriptedPresenter presenter;

private:
    MessagePresenter* previous_ = nullptr;
};

}  // namespace apptest
