#include "toolfiles/variable_definitions.h"

#include <cstdlib>
#include <map>

#include "platform/file_stamp.h"
#include "platform/filesystem.h"
#include "platform/profile.h"
#include "runtime/environment.h"

struct VariableDefinitions::Content {
    platform::FileStamp stamp;
    platform::ProfileDocument document;
};

namespace {

constexpr std::size_t kLabelCapacity = 1024;  // 1023 characters and a terminator

// Parsed files by path. Every tool that is loaded or saved asks for its labels, so the file is
// parsed again only when it changed on disk.
std::map<std::string, std::shared_ptr<const VariableDefinitions::Content>>& cache() {
    static std::map<std::string, std::shared_ptr<const VariableDefinitions::Content>> files;
    return files;
}

std::string language_code() {
    const char* language = std::getenv("KVXLANG");
    if (language != nullptr && *language != '\0') {
        return language;
    }
    // The configuration may name the language; it can only be loaded with an installation.
    const char* home = std::getenv("KVXHOME");
    if (home != nullptr && *home != '\0') {
        if (auto configured = get_variable("KVXLANG"); configured && !configured->empty()) {
            return *configured;
        }
    }
    return "ang";
}

}  // namespace

std::string VariableDefinitionsPath() {
    const char* home = std::getenv("KVXHOME");
    std::string directory = platform::join_path(home != nullptr ? home : "", "texte");
    return platform::join_path(directory, "kvxvars." + language_code());
}

std::optional<VariableDefinitions> VariableDefinitions::Open(const std::string& path) {
    std::string resolved = platform::resolve_case(path);
    if (!platform::is_regular_file(resolved)) {
        cache().erase(resolved);
        return std::nullopt;
    }
    auto stamp = platform::file_stamp(resolved).value_or(platform::FileStamp{});
    auto& slot = cache()[resolved];
    if (!slot || !(slot->stamp == stamp)) {
        auto content = std::make_shared<Content>();
        content->stamp = stamp;
        content->document =
            platform::ProfileDocument::load(resolved).value_or(platform::ProfileDocument());
        slot = std::move(content);
    }
    VariableDefinitions definitions;
    definitions.path_ = path;
    definitions.content_ = slot;
    return definitions;
}

std::string VariableDefinitions::Label(const std::string& key,
                                       const std::string& default_value) const {
    return content_->document.get_string("kvxvars", key, default_value, kLabelCapacity);
}
