#pragma once
// The application's message presenter: every message of the catalogue and every plain message
// shows in a MessageDialog, modal over the active modal window. The application installs one at
// start (install_message_presenter) and removes it before it ends.

#include "language/message_presenter.h"

class MessageDialogPresenter : public MessagePresenter {
public:
    int Present(const std::string& text, int button_set, int icon) override;
    int PresentPlain(const std::string& text, int button_set, int icon) override;
};
