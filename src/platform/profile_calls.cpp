#include "platform/filesystem.h"
#include "platform/profile.h"

namespace platform {
namespace {

ProfileDocument read_or_empty(const std::string& path) {
    return ProfileDocument::load(path).value_or(ProfileDocument());
}

// Loads, edits and saves; the file is written only when the edit changed something.
template <typename Edit>
bool edit_profile(const std::string& path, Edit edit) {
    // Checked first, so that a read-only file fails even when nothing would change.
    if (!can_replace_file(path)) {
        return false;
    }
    ProfileDocument document;
    if (exists(path)) {
        std::optional<ProfileDocument> loaded = ProfileDocument::load(path);
        if (!loaded) {
            return false;  // never overwrite a file we could not read
        }
        document = std::move(*loaded);
    }
    if (!edit(document)) {
        return false;
    }
    return !document.modified() || document.save(path);
}

}  // namespace

std::string read_profile_string(const std::string& path, std::string_view section,
                                std::string_view key, std::string_view default_value,
                                std::size_t capacity) {
    return read_or_empty(path).get_string(section, key, default_value, capacity);
}

std::int32_t read_profile_int(const std::string& path, std::string_view section,
                              std::string_view key, std::int32_t default_value) {
    return read_or_empty(path).get_int(section, key, default_value);
}

std::vector<std::string> read_profile_section_names(const std::string& path) {
    return read_or_empty(path).section_names();
}

std::vector<std::string> read_profile_keys(const std::string& path, std::string_view section) {
    return read_or_empty(path).keys(section);
}

bool write_profile_string(const std::string& path, std::string_view section, std::string_view key,
                          std::optional<std::string_view> value) {
    return edit_profile(path, [&](ProfileDocument& document) {
        return value ? document.set(section, key, *value) : document.remove_key(section, key);
    });
}

bool delete_profile_section(const std::string& path, std::string_view section) {
    return edit_profile(
        path, [&](ProfileDocument& document) { return document.remove_section(section); });
}

}  // namespace platform
