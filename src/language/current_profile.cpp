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
    bool read_only = false;  // a reading: writes go to the file
    bool readable = true;
};

// Files being read or rewritten; nested ones of different files stack.
std::vector<std::unique_ptr<StagedDocument>> g_staged;

StagedDocument* staged(const std::string& path) {
    for (auto it = g_staged.rbegin(); it != g_staged.rend(); ++it) {
        if ((*it)->path == path) {
            return it->get();
        }
    }
    return nullptr;
}

const platform::ProfileDocument* staged_document(const std::string& path) {
    const StagedDocument* found = staged(path);
    return found != nullptr ? &found->document : nullptr;
}

platform::ProfileDocument* staged_for_writing(const std::string& path) {
    StagedDocument* found = staged(path);
    return found != nullptr && !found->read_only ? &found->document : nullptr;
}

void unstage(const std::string& path) {
    for (auto it = g_staged.rbegin(); it != g_staged.rend(); ++it) {
        if ((*it)->path == path) {
            g_staged.erase(std::next(it).base());
            return;
        }
    }
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

// Written under the name given: a file that differs only in case is read, never replaced.
bool write_profile_string(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (platform::ProfileDocument* document = staged_for_writing(g_current)) {
        return document->set(section, key, value);
    }
    if (g_current.empty()) {
        return false;
    }
    return platform::write_profile_string(g_current, section, key, value);
}

bool write_profile_int(const std::string& section, const std::string& key, std::int32_t value) {
    return write_profile_string(section, key, std::to_string(value));
}

bool delete_profile_key(const std::string& section, const std::string& key) {
    if (platform::ProfileDocument* document = staged_for_writing(g_current)) {
        return document->remove_key(section, key);
    }
    if (g_current.empty()) {
        return false;
    }
    return platform::write_profile_string(g_current, section, key, std::nullopt);
}

ProfileReading::ProfileReading(const std::string& path) : path_(path) {
    if (const StagedDocument* enclosing = staged(path)) {
        readable_ = enclosing->readable;
        return;
    }
    auto reading = std::make_unique<StagedDocument>();
    reading->path = path;
    reading->read_only = true;
    if (!path.empty()) {
        std::optional<platform::ProfileDocument> loaded =
            platform::ProfileDocument::load(on_disk(path));
        if (loaded) {
            reading->document = std::move(*loaded);
        } else {
            reading->readable = !platform::exists(on_disk(path));
        }
    }
    readable_ = reading->readable;
    g_staged.push_back(std::move(reading));
    owner_ = true;
}

ProfileReading::~ProfileReading() {
    if (owner_) {
        unstage(path_);
    }
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
    if (ready_) {
        unstage(path_);
    }
}

bool ProfileRewrite::Commit() {
    const platform::ProfileDocument* document = ready_ ? staged_for_writing(path_) : nullptr;
    if (document == nullptr) {
        return false;
    }
    if (start_empty_ && document->to_bytes().empty()) {
        const std::string existing = on_disk(path_);
        return !platform::exists(existing) || platform::delete_file(existing);
    }
    // Under the name given, as every write: the old file may have been found in another case.
    if (start_empty_) {
        return document->save(path_);
    }
    return !document->modified() || document->save(path_);
}
