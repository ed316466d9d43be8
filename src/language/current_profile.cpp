#include "language/current_profile.h"

#include <memory>
#include <vector>

#include "language/profile_rewrite.h"
#include "platform/filesystem.h"
#include "platform/profile.h"

namespace {

std::string g_current;

struct StagedDocument {
    std::string path;
    platform::ProfileDocument document;
};

// Files being rewritten; nested rewrites of different files stack.
std::vector<std::unique_ptr<StagedDocument>> g_staged;

platform::ProfileDocument* staged_document(const std::string& path) {
    for (auto it = g_staged.rbegin(); it != g_staged.rend(); ++it) {
        if ((*it)->path == path) {
            return &(*it)->document;
        }
    }
    return nullptr;
}

std::string on_disk(const std::string& path) {
    return platform::resolve_case(path);
}

}  // namespace

std::string set_current_profile(const std::string& path) {
    std::string previous = std::move(g_current);
    g_current = path;
    return previous;
}

const std::string& current_profile() {
    return g_current;
}

std::string read_profile_string(const std::string& section, const std::string& key,
                                const std::string& default_value) {
    if (const platform::ProfileDocument* document = staged_document(g_current)) {
        return document->get_string(section, key, default_value);
    }
    if (g_current.empty()) {
        return platform::ProfileDocument().get_string(section, key, default_value);
    }
    return platform::read_profile_string(on_disk(g_current), section, key, default_value);
}

std::int32_t read_profile_int(const std::string& section, const std::string& key,
                              std::int32_t default_value) {
    if (const platform::ProfileDocument* document = staged_document(g_current)) {
        return document->get_int(section, key, default_value);
    }
    if (g_current.empty()) {
        return default_value;
    }
    return platform::read_profile_int(on_disk(g_current), section, key, default_value);
}

bool write_profile_string(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (platform::ProfileDocument* document = staged_document(g_current)) {
        return document->set(section, key, value);
    }
    if (g_current.empty()) {
        return false;
    }
    return platform::write_profile_string(on_disk(g_current), section, key, value);
}

bool write_profile_int(const std::string& section, const std::string& key, std::int32_t value) {
    return write_profile_string(section, key, std::to_string(value));
}

bool delete_profile_key(const std::string& section, const std::string& key) {
    if (platform::ProfileDocument* document = staged_document(g_current)) {
        return document->remove_key(section, key);
    }
    if (g_current.empty()) {
        return false;
    }
    return platform::write_profile_string(on_disk(g_current), section, key, std::nullopt);
}

ProfileRewrite::ProfileRewrite(const std::string& path, bool start_empty)
    : path_(path), start_empty_(start_empty) {
    auto staged = std::make_unique<StagedDocument>();
    staged->path = path;
    if (!start_empty) {
        std::optional<platform::ProfileDocument> loaded =
            platform::ProfileDocument::load(on_disk(path));
        if (loaded) {
            staged->document = std::move(*loaded);
        } else if (platform::exists(on_disk(path))) {
            return;
        }
    }
    g_staged.push_back(std::move(staged));
    ready_ = true;
}

ProfileRewrite::~ProfileRewrite() {
    if (!ready_) {
        return;
    }
    for (auto it = g_staged.rbegin(); it != g_staged.rend(); ++it) {
        if ((*it)->path == path_) {
            g_staged.erase(std::next(it).base());
            break;
        }
    }
}

bool ProfileRewrite::Commit() {
    const platform::ProfileDocument* document = ready_ ? staged_document(path_) : nullptr;
    if (document == nullptr) {
        return false;
    }
    const std::string target = on_disk(path_);
    if (start_empty_) {
        if (document->to_bytes().empty()) {
            return !platform::exists(target) || platform::delete_file(target);
        }
        return document->save(target);
    }
    return !document->modified() || document->save(target);
}
