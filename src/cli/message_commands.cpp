#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/output_text.h"
#include "language/message_catalogue.h"

namespace {

// Prints every message instead of showing it, also one the catalogue raises about itself
// while it loads.
class PrintingPresenter : public MessagePresenter {
public:
    int Present(const std::string& text, int button_set, int icon) override {
        ++shown;
        const std::string line = std::to_string(icon) + "\t" + GetCatalogue()->CategoryName() +
                                 "\t" + EscapeLineBreaks(text) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
        return default_answer(button_set);
    }

    int shown = 0;
};

}  // namespace

int command_message(const CommandArguments& arguments) {
    if (arguments.size() < 2) {
        std::fputs("usage: cutterbase-cli message SECTION KEY [ARG...]\n", stderr);
        return 2;
    }
    FormatArguments texts(arguments.begin() + 2, arguments.end());
    PrintingPresenter printer;
    MessagePresenter* previous = install_message_presenter(&printer);
    TalmorError* catalogue = GetCatalogue();
    catalogue->Message("cutterbase-cli", __LINE__, __DATE__, __TIME__, arguments[0], arguments[1],
                       kButtonsOk, texts);
    install_message_presenter(previous);
    std::fflush(stdout);
    if (!catalogue->Exists()) {
        std::fprintf(stderr, "cutterbase-cli: message catalogue '%s' not found\n",
                     catalogue->Path().c_str());
        return 1;
    }
    if (printer.shown == 0) {
        std::fputs("cutterbase-cli: no message shown\n", stderr);
        return 1;
    }
    return 0;
}
