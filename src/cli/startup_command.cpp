// cutterbase-cli startup: the start-up configuration the program would compute with the given
// command line, for administrators setting up an installation.

#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/startup_configuration.h"
#include "cli/commands.h"
#include "cli/output_text.h"
#include "language/message_catalogue.h"
#include "language/message_presenter.h"

namespace {

// Writes each message as SECTION/KEY<TAB>TEXT to standard error. A message that does not come
// from the catalogue (the settings file's plain box) has an empty section and key.
class StandardErrorLinePresenter : public MessagePresenter {
public:
    int Present(const std::string& text, int button_set, int) override {
        std::string section;
        std::string key;
        const TalmorError* catalogue = CurrentCatalogue();
        if (catalogue != nullptr && catalogue->ComposedText() == text) {
            section = catalogue->CurrentSection();
            key = catalogue->CurrentKey();
        }
        std::fprintf(stderr, "%s/%s\t%s\n", section.c_str(), key.c_str(),
                     EscapeLineBreaks(text).c_str());
        return default_answer(button_set);
    }
};

void print_field(const char* name, const std::string& value) {
    const std::string line = std::string(name) + "\t" + EscapeLineBreaks(value) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
}

void print_flag(const char* name, bool value) {
    print_field(name, value ? "1" : "0");
}

}  // namespace

int command_startup(const CommandArguments& arguments) {
    StandardErrorLinePresenter presenter;
    MessagePresenter* previous = install_message_presenter(&presenter);

    CutBaseCmdLine command_line;
    ParseCommandLine(command_line, arguments);
    print_field("output_file", command_line.OutputFile());
    print_field("toolpath_number", std::to_string(command_line.ToolpathNumber()));

    const StartupConfiguration configuration = ConfigureStartup();
    int status = 0;
    if (configuration.cancel) {
        status = 1;
    } else {
        print_field("workzone_directory", configuration.workzone_directory);
        print_field("tool_directory", configuration.tool_directory);
        print_flag("fedrix_enabled", configuration.fedrix_enabled);
        print_field("program_directory", configuration.program_directory);
        print_field("settings_path", configuration.settings->Path());
        print_field("installation_settings_path", configuration.settings->InstallationPath());
        print_field("last_tool_directory", configuration.settings->LastToolDirectory());
        print_flag("show_consistency_message",
                   configuration.settings->ShowConsistencyMessage() != 0);
        print_flag("diameter_mode", configuration.diameter_mode);
        for (const std::string& layer : configuration.settings->LayersRead()) {
            print_field("settings_layer", layer);
        }
    }
    std::fflush(stdout);
    install_message_presenter(previous);
    return status;
}
