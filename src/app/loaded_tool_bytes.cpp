#include "app/loaded_tool_bytes.h"

#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "platform/path_identity.h"

namespace {

// A question answered for another version is asked again; a file rewritten without pause by a
// script must not keep the window asking for ever.
constexpr int kMaxQuestions = 5;

std::optional<std::string> readIfThere(const std::string& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    return platform::read_file(path);
}

DiskState stateOf(const std::optional<std::string>& loaded, const std::optional<std::string>& now) {
    if (loaded == now) {
        return DiskState::Unchanged;
    }
    return loaded && !now ? DiskState::Removed : DiskState::Changed;
}

}  // namespace

void LoadedToolBytes::Capture(const std::string& tool_path, const std::string& fedrix_path) {
    tool_path_ = tool_path;
    fedrix_path_ = fedrix_path;
    tool_bytes_ = readIfThere(tool_path);
    fedrix_bytes_ = readIfThere(fedrix_path);
}

void LoadedToolBytes::Forget() {
    *this = LoadedToolBytes();
}

bool LoadedToolBytes::IsToolPath(const std::string& path) const {
    if (tool_path_.empty() || path.empty()) {
        return false;
    }
    if (platform::ascii_equal_ignoring_case(platform::absolute_normal_path(path),
                                            platform::absolute_normal_path(tool_path_))) {
        return true;
    }
    const auto mine = platform::file_identity(tool_path_);
    return mine && mine == platform::file_identity(path);
}

DiskDifference LoadedToolBytes::Compare() const {
    if (tool_path_.empty()) {
        return {};
    }
    const DiskState tool = stateOf(tool_bytes_, readIfThere(tool_path_));
    if (tool != DiskState::Unchanged) {
        return {tool, tool_path_};
    }
    const DiskState fedrix = stateOf(fedrix_bytes_, readIfThere(fedrix_path_));
    if (fedrix != DiskState::Unchanged) {
        return {fedrix, fedrix_path_};
    }
    return {};
}

std::string LoadedToolBytes::DiskSnapshot() const {
    const auto part = [](const std::optional<std::string>& bytes) {
        return bytes ? std::to_string(bytes->size()) + ":" + *bytes : std::string("-");
    };
    return part(readIfThere(tool_path_)) + "|" + part(readIfThere(fedrix_path_));
}

WriteDecision DecideBeforeWrite(const LoadedToolBytes& loaded, const ConflictQuestion& ask) {
    for (int asked = 0; asked < kMaxQuestions; ++asked) {
        const DiskDifference difference = loaded.Compare();
        if (difference.state == DiskState::Unchanged) {
            return WriteDecision::Write;
        }
        const std::string seen = loaded.DiskSnapshot();
        const ConflictAnswer answer = ask(difference);
        if (answer == ConflictAnswer::Cancel) {
            return WriteDecision::Back;
        }
        if (loaded.DiskSnapshot() != seen) {
            continue;
        }
        return answer == ConflictAnswer::Overwrite ? WriteDecision::Write : WriteDecision::Reload;
    }
    return WriteDecision::Back;
}
