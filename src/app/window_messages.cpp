#include "app/window_messages.h"

#include "app/library_check.h"
#include "language/builtin_texts.h"
#include "language/message_catalogue.h"

namespace {

constexpr char kModule[] = "CutterBaseDlg";

int raise(BuiltinText text, int buttons, const std::string& argument = {}) {
    TalmorError* catalogue = GetCatalogue();
    return catalogue->InternalMessage(kModule, 0, __DATE__, __TIME__,
                                      builtin_text(text, catalogue->LanguageIndex()), buttons,
                                      make_format_arguments(argument));
}

}  // namespace

bool AskDiscardEdits() {
    return raise(BuiltinText::DiscardEdits, kButtonsYesNo) == kAnswerYes;
}

void ReportToolpathUnreadable(const std::string& path) {
    raise(BuiltinText::ToolpathUnreadable, kButtonsOk, path);
}

std::string NotAToolFileNote() {
    return builtin_text(BuiltinText::NotAToolFileNote, GetCatalogue()->LanguageIndex());
}

bool AskWriteUnreadableReference(const std::string& path) {
    return raise(BuiltinText::WriteUnreadableReference, kButtonsYesNo, path) == kAnswerYes;
}

void ReportToolNameNotInChangeFile(const std::string& path) {
    raise(BuiltinText::ToolNameNotInChangeFile, kButtonsOk, path);
}

void ReportNotADirectory(const std::string& path) {
    raise(BuiltinText::NotADirectory, kButtonsOk, path);
}

bool AskSaveToolWithErrors(const std::vector<ToolFinding>& errors) {
    const int language = GetCatalogue()->LanguageIndex();
    std::string list;
    for (const ToolFinding& finding : errors) {
        list += (list.empty() ? "\t" : "\n\t") + FindingText(finding, language);
    }
    return raise(BuiltinText::SaveToolWithErrors, kButtonsYesNo, list) == kAnswerYes;
}
