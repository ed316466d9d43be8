#include "app/tool_removal.h"

#include "app/shared_library_messages.h"
#include "language/message_catalogue.h"
#include "platform/filesystem.h"
#include "platform/trash_location.h"

namespace {

constexpr const char* kModule = "basics";

bool trashable(const std::string& path) {
    return !platform::trash_directory_for(path).empty();
}

}  // namespace

DeleteOutcome RemoveFileAsked(const std::string& path, const TrashMove& move_to_trash,
                              const std::function<bool()>& confirm) {
    const auto remove_for_good = [&path] {
        const DeleteOutcome outcome = DeleteFileAsked(path, false);
        if (outcome == DeleteOutcome::Failed) {
            ReportNotDeleted(path);
        }
        return outcome;
    };
    // A folder that took a tool's name is not the tool: the usual question, then a refusal.
    const bool file = platform::exists(path) && !platform::is_directory(path);
    const bool trash = file && trashable(path);
    if (file && !trash) {
        if (!AskDeleteWithoutTrash(path) || (confirm && !confirm())) {
            return DeleteOutcome::Declined;
        }
        return remove_for_good();
    }
    if (Message(kModule, 291, __DATE__, __TIME__, "GENERAL", "GENERAL_DELETE_FILE", kButtonsYesNo,
                path) != kAnswerYes) {
        return DeleteOutcome::Declined;
    }
    if (!platform::exists(path)) {
        return DeleteOutcome::AlreadyGone;
    }
    if (confirm && !confirm()) {
        return DeleteOutcome::Declined;
    }
    if (!file) {
        return remove_for_good();
    }
    if (trash && move_to_trash(platform::resolve_case(path))) {
        return DeleteOutcome::Deleted;
    }
    if (!AskDeleteWithoutTrash(path)) {
        return DeleteOutcome::Declined;
    }
    return remove_for_good();
}

bool RemoveCompanionFile(const std::string& path, const TrashMove& move_to_trash) {
    if (!platform::exists(path)) {
        return true;
    }
    if (!platform::is_directory(path) && trashable(path) &&
        move_to_trash(platform::resolve_case(path))) {
        return true;
    }
    return DeleteFileAsk(path, false) || !platform::exists(path);
}
