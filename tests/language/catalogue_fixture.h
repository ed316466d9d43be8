#pragma once
// An installation in a temporary directory with catalogue files in English and German, the
// environment pointing at it, and a presenter that records what would have been shown and
// answers from a queue (the set's default button when the queue is empty).

#include <deque>
#include <string>
#include <vector>

#include "language/message_catalogue.h"
#include "language/message_presenter.h"
#include "runtime/environment.h"
#include "support/test_support.h"

struct PresentedMessage {
    std::string id;  // "SECTION/KEY" of the catalogue's current message, "/" for any other text
    std::string text;
    int button_set = 0;
    int icon = 0;
};

class ScriptedPresenter : public MessagePresenter {
public:
    ScriptedPresenter() : previous_(install_message_presenter(this)) {}
    ~ScriptedPresenter() override { install_message_presenter(previous_); }

    int Present(const std::string& text, int button_set, int icon) override {
        const TalmorError* catalogue = CurrentCatalogue();
        const bool listed = catalogue != nullptr && catalogue->ComposedText() == text;
        shown.push_back({listed ? catalogue->CurrentSection() + "/" + catalogue->CurrentKey() : "/",
                         text, button_set, icon});
        const int answer = answers.empty() ? default_answer(button_set) : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }

    std::vector<PresentedMessage> shown;
    std::deque<int> answers;

private:
    MessagePresenter* previous_;
};

inline const char* const kEnglishCatalogue =
    "[T.A.L.M.O.R.]\r\nCATEGORY=TalmorError\r\n[ERROR_INTERNAL]\r\n"
    "FILE=File\r\nLINE=Line\r\nCOMPILED=Compiled\r\nMESSAGE=Message\r\n"
    "INFORMATION=Information\r\nQUESTION=Question\r\nWARNING=Warning\r\nERROR=Error\r\n"
    "IDOK=OK\r\nIDOKTOALL=OK to All\r\n"
    "[GENERAL]\r\nGENERAL_DIR_NOT_VALID=E The directory\\n\\n\\t'%s'\\n\\nis not valid.\r\n"
    "[TEST]\r\nWARN=W   Careful with %s\r\nONLY=%s\r\nOTHER=X shown as information\r\n"
    "COUNT=I %d tools, %5.2f mm\r\nHOSTILE=E %n%s%s%1000000d %p\r\n"
    "BACKSLASH=I a\\\\nb c:\\\\tmp\r\n";

inline const char* const kGermanCatalogue =
    "[T.A.L.M.O.R.]\r\nCATEGORY=TalmorError\r\n[ERROR_INTERNAL]\r\n"
    "ERROR=Fehler\r\nIDOK=OK\r\nIDCANCEL=Abbrechen\r\n";

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        unload_environment();
        home_ = temp_.mkdir("home");
        temp_.write("home/config/environ.cfg",
                    "[var]\nCB_LANGUAGE_TEST = 1\n[path]\nENV = $KVXHOME/config\n");
        env_.set("KVXHOME", home_).set("KVXLANG", std::nullopt);
        temp_.write("home/texte/TalmorError.ang", kEnglishCatalogue);
        temp_.write("home/texte/TalmorError.all", kGermanCatalogue);
    }
    void TearDown() override { unload_environment(); }

    std::string texte(const std::string& name) const { return home_ + "/texte/" + name; }

    testsupport::TempDir temp_;
    testsupport::ScopedEnv env_;
    std::string home_;
    ScriptedPresenter presenter_;
};
