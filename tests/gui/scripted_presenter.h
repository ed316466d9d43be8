#pragma once
// Records every message; answers from a queue of control ids ("to All" ones remembered).

#include <deque>
#include <string>
#include <vector>

#include "language/message_catalogue.h"
#include "language/message_presenter.h"

namespace guitest {

struct ShownMessage {
    std::string id;  // "SECTION/KEY" of a catalogue message, empty for a plain one
    std::string text;
    int buttonSet = 0;
    int icon = 0;
    bool plain = false;
};

class ScriptedPresenter : public MessagePresenter {
public:
    ScriptedPresenter() : previous_(install_message_presenter(this)) {}
    ~ScriptedPresenter() override { install_message_presenter(previous_); }
    ScriptedPresenter(const ScriptedPresenter&) = delete;
    ScriptedPresenter& operator=(const ScriptedPresenter&) = delete;

    int Present(const std::string& text, int button_set, int icon) override {
        const TalmorError* catalogue = CurrentCatalogue();
        const std::string id = catalogue != nullptr
                                   ? catalogue->CurrentSection() + "/" + catalogue->CurrentKey()
                                   : "/";
        shown.push_back({id, text, button_set, icon, false});
        return answer(button_set, false);
    }
    int PresentPlain(const std::string& text, int button_set, int icon) override {
        shown.push_back({"", text, button_set, icon, true});
        return answer(button_set, true);
    }

    std::vector<ShownMessage> shown;
    std::deque<int> buttons;

private:
    int answer(int buttonSet, bool plain) {
        if (buttons.empty()) {
            return default_answer(buttonSet);
        }
        const int control = buttons.front();
        buttons.pop_front();
        for (const MessageButton& button : buttons_of_set(buttonSet)) {
            if (button.control == control) {
                if (button.remembers && !plain && CurrentCatalogue() != nullptr) {
                    CurrentCatalogue()->RememberAnswer(button.answer);
                }
                return button.answer;
            }
        }
        return control;
    }

    MessagePresenter* previous_;
};

}  // namespace guitest
