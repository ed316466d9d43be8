#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "language/message_catalogue.h"

namespace {

class CapturingPresenter : public MessagePresenter {
public:
    int Present(const std::string& composed, int button_set, int icon_value) override {
        shown = true;
        text = composed;
        icon = icon_value;
        return default_answer(button_set);
    }

    bool shown = false;
    std::string text;
    int icon = 0;
};

// Line breaks and tabs as the two characters a catalogue file holds for them.
std::string escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

int command_message(const CommandArguments& arguments) {
    if (arguments.size() < 2) {
        std::fputs("usage: cutterbase-cli message SECTION KEY [ARG...]\n", stderr);
        return 2;
    }
    FormatArguments texts(arguments.begin() + 2, arguments.end());
    CapturingPresenter capture;
    MessagePresenter* previous = install_message_presenter(&capture);
    TalmorError* catalogue = GetCatalogue();
    catalogue->Message("cutterbase-cli", __LINE__, __DATE__, __TIME__, arguments[0], arguments[1],
                       kButtonsOk, texts);
    install_message_presenter(previous);
    if (!catalogue->Exists()) {
        std::fprintf(stderr, "cutterbase-cli: message catalogue '%s' not found\n",
                     catalogue->Path().c_str());
        return 1;
    }
    if (!capture.shown) {
        std::fputs("cutterbase-cli: no message shown\n", stderr);
        return 1;
    }
    const std::string line = std::to_string(capture.icon) + "\t" + catalogue->CategoryName() +
                             "\t" + escape(capture.text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    return 0;
}
