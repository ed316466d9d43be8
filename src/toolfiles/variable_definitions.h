#pragma once
// The variable definitions file: labels of the TP_ names in the user's language, section
// "kvxvars" of KVXHOME/texte/kvxvars.<language>.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Where the file of the user's language would be (KVXHOME unset counts as empty; the language
// is KVXLANG, "ang" when unset).
std::string VariableDefinitionsPath();

class VariableDefinitions {
public:
    // Whether a file exists at the path is decided on disk each time, by its stamp (device,
    // inode, size and modification time); the file is read again only when its stamp differs
    // from the one it had when it was last read. nullopt when no regular file is there.
    static std::optional<VariableDefinitions> Open(const std::string& path);

    // Value of the key in section "kvxvars" (at most 1023 characters), or the default.
    std::string Label(std::string_view key, std::string_view default_value) const;
    // The value of the key in section "kvxvars" (at most 1023 characters); nullptr when the
    // section has no such key. The text stays valid and unchanged for the rest of the run, also
    // after the file is read again: records may keep the pointer instead of a copy.
    const std::string* Find(std::string_view key) const;
    // Whether both come from the same reading of the same file.
    bool SameReading(const VariableDefinitions& other) const { return content_ == other.content_; }

    struct Content;

private:
    std::shared_ptr<const Content> content_;
};
