#include "app/shared_library_messages.h"

#include "language/builtin_texts.h"
#include "language/message_catalogue.h"

namespace {

constexpr char kModule[] = "CutterBaseDlg";

int raise(BuiltinText text, int buttons, const std::string& argument) {
    TalmorError* catalogue = GetCatalogue();
    return catalogue->InternalMessage(kModule, 0, __DATE__, __TIME__,
                                      builtin_text(text, catalogue->LanguageIndex()), buttons,
                                      make_format_arguments(argument));
}

ConflictAnswer answerOf(int answer) {
    switch (answer) {
        case kAnswerYes:
            return ConflictAnswer::Overwrite;
        case kAnswerNo:
            return ConflictAnswer::KeepTheirs;
        default:
            return ConflictAnswer::Cancel;
    }
}

}  // namespace

ConflictAnswer AskSaveOverChange(const DiskDifference& difference) {
    const BuiltinText text = difference.state == DiskState::Removed ? BuiltinText::RemovedOnDisk
                                                                    : BuiltinText::ChangedOnDisk;
    return answerOf(raise(text, kButtonsYesNoCancel, difference.path));
}

ConflictAnswer AskDeleteChanged(const std::string& path) {
    return answerOf(raise(BuiltinText::ChangedBeforeDelete, kButtonsYesNoCancel, path));
}

bool AskDeleteWithoutTrash(const std::string& path) {
    return raise(BuiltinText::DeleteWithoutTrash, kButtonsYesNo, path) == kAnswerYes;
}

void ReportNotDeleted(const std::string& path) {
    raise(BuiltinText::NotDeleted, kButtonsOk, path);
}

std::string ReloadedNote() {
    return builtin_text(BuiltinText::ReloadedNote, GetCatalogue()->LanguageIndex());
}
