#include "scripted_presenter.h"

#include "language/message_catalogue.h"

namespace guitest {

ScriptedPresenter::ScriptedPresenter() : previous_(install_message_presenter(this)) {}

ScriptedPresenter::~ScriptedPresenter() {
    install_message_presenter(previous_);
}

int ScriptedPresenter::Present(const std::string& text, int button_set, int icon) {
    const TalmorError* catalogue = CurrentCatalogue();
    const std::string id =
        catalogue != nullptr ? catalogue->CurrentSection() + "/" + catalogue->CurrentKey() : "/";
    shown.push_back({id, text, button_set, icon, false});
    return answer(button_set, false);
}

int ScriptedPresenter::PresentPlain(const std::string& text, int button_set, int icon) {
    shown.push_back({"", text, button_set, icon, true});
    return answer(button_set, true);
}

int ScriptedPresenter::answer(int buttonSet, bool plain) {
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

}  // namespace guitest
