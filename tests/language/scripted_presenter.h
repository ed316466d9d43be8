#pragma once
// A presenter for tests: records what would have been shown and answers from a queue (the
// set's default button when the queue is empty). Installed for the life of the object.

#include <deque>
#include <string>
#include <vector>

#include "language/message_presenter.h"

struct PresentedMessage {
    std::string text;
    int button_set = 0;
    int icon = 0;
};

class ScriptedPresenter : public MessagePresenter {
public:
    ScriptedPresenter() : previous_(install_message_presenter(this)) {}
    ~ScriptedPresenter() override { install_message_presenter(previous_); }
    ScriptedPresenter(const ScriptedPresenter&) = delete;
    ScriptedPresenter& operator=(const ScriptedPresenter&) = delete;

    int Present(const std::string& text, int button_set, int icon) override {
        shown.push_back({text, button_set, icon});
        if (answers.empty()) {
            return default_answer(button_set);
        }
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<PresentedMessage> shown;
    std::deque<int> answers;

private:
    MessagePresenter* previous_;
};
