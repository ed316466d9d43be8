#include "toolfiles/variable_definitions.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "platform/code_page.h"
#include "platform/file_stamp.h"
#include "platform/filesystem.h"
#include "platform/profile.h"
#include "platform/profile_text.h"
#include "runtime/environment.h"

namespace {

constexpr char kSection[] = "kvxvars";
constexpr std::size_t kLabelCapacity = 1024;  // 1023 characters and a terminator

// Keys compare as the profile file compares them: ignoring case within the code page. Both
// take the caller's key as a view, so that a lookup copies nothing; every tool that is loaded
// looks up each of its names, so the case folding is a table.
const std::array<unsigned char, 256>& upper_table() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> upper{};
        for (std::size_t c = 0; c < upper.size(); ++c) {
            upper[c] = static_cast<unsigned char>(platform::code_page_upper(static_cast<char>(c)));
        }
        return upper;
    }();
    return table;
}

struct FoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const {
        const auto& upper = upper_table();
        std::uint64_t hash = 14695981039346656037ull;
        for (char c : key) {
            hash = (hash ^ upper[static_cast<unsigned char>(c)]) * 1099511628211ull;
        }
        return static_cast<std::size_t>(hash);
    }
};
struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        if (a.size() != b.size()) {
            return false;
        }
        const auto& upper = upper_table();
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (upper[static_cast<unsigned char>(a[i])] !=
                upper[static_cast<unsigned char>(b[i])]) {
                return false;
            }
        }
        return true;
    }
};

}  // namespace

// The labels of one reading of the file, each already cut to what a label holds.
struct VariableDefinitions::Content {
    std::unordered_map<std::string, const std::string*, FoldedHash, FoldedEqual> labels;
};

namespace {

struct CachedFile {
    platform::FileStamp stamp;
    // A file that could not be read is read again next time, whatever its stamp.
    bool read = false;
    std::shared_ptr<const VariableDefinitions::Content> content;
};

// Files by path. Every tool that is saved or reported asks for its labels: a stat decides
// whether the file is still there and unchanged, and only a changed file is read again.
std::map<std::string, CachedFile, std::less<>>& cache() {
    static std::map<std::string, CachedFile, std::less<>> files;
    return files;
}

// Tools are also read on worker threads.
std::mutex& cache_mutex() {
    static std::mutex mutex;
    return mutex;
}

// Each label text once for the whole run, so that the records of every tool loaded can point
// to it instead of holding a copy. Only texts of definitions files come here: a few hundred,
// and a file read again adds only the texts it changed.
const std::string* shared_label(std::string text) {
    static std::unordered_set<std::string> texts;
    return &*texts.insert(std::move(text)).first;
}

std::shared_ptr<const VariableDefinitions::Content> read_labels(const std::string& path,
                                                                bool& read) {
    const std::optional<platform::ProfileDocument> document = platform::ProfileDocument::load(path);
    read = document.has_value();
    auto content = std::make_shared<VariableDefinitions::Content>();
    if (document) {
        // The first of equal keys is the one a lookup in the file finds.
        for (const std::string& key : document->keys(kSection)) {
            if (content->labels.find(key) == content->labels.end()) {
                content->labels.emplace(
                    key, shared_label(document->get_string(kSection, key, "", kLabelCapacity)));
            }
        }
    }
    return content;
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
    return platform::join_path(platform::join_path(home != nullptr ? home : "", "texte"),
                               "kvxvars." + language_code());
}

std::optional<VariableDefinitions> VariableDefinitions::Open(const std::string& path) {
    const std::optional<platform::FileStamp> stamp = platform::regular_file_stamp(path);
    const std::lock_guard<std::mutex> lock(cache_mutex());
    auto& files = cache();
    auto found = files.find(path);
    if (!stamp) {
        if (found != files.end()) {
            found->second.content.reset();
        }
        return std::nullopt;
    }
    if (found == files.end()) {
        found = files.emplace(path, CachedFile{}).first;
    }
    CachedFile& file = found->second;
    if (!file.content || !file.read || !(file.stamp == *stamp)) {
        file.stamp = *stamp;
        file.content = read_labels(path, file.read);
    }
    VariableDefinitions definitions;
    definitions.content_ = file.content;
    return definitions;
}

const std::string* VariableDefinitions::Find(std::string_view key) const {
    const auto found = content_->labels.find(platform::profile_text::trim_spaces(key));
    return found != content_->labels.end() ? found->second : nullptr;
}

std::string VariableDefinitions::Label(std::string_view key, std::string_view default_value) const {
    if (const std::string* label = Find(key)) {
        return *label;
    }
    while (!default_value.empty() && default_value.back() == ' ') {
        default_value.remove_suffix(1);
    }
    return std::string(default_value.substr(0, kLabelCapacity - 1));
}
