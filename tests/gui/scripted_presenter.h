#pragma once
// Records every message; answers from a queue of control ids ("to All" ones remembered).

#include <deque>
#include <string>
#include <vector>

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
    ScriptedPresenter();
    ~ScriptedPresenter() override;
    ScriptedPresenter(const ScriptedPresenter&) = delete;
    ScriptedPresenter& operator=(const ScriptedPresenter&) = delete;

    int Present(const std::string& text, int button_set, int icon) override;
    int PresentPlain(const std::string& text, int button_set, int icon) override;

    std::vector<ShownMessage> shown;
    std::deque<int> buttons;

private:
    int answer(int buttonSet, bool plain);

    MessagePresenter* previous_;
};

}  // namespace guitest
