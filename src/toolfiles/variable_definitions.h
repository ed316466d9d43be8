#pragma once
// The variable definitions file: labels of the TP_ names in the user's language, section
// "kvxvars" of KVXHOME/texte/kvxvars.<language>.

#include <memory>
#include <optional>
#include <string>

// Where the file of the user's language would be (KVXHOME unset counts as empty; the language
// is KVXLANG, "ang" when unset).
std::string VariableDefinitionsPath();

class VariableDefinitions {
public:
    // Whether a file exists there is decided on disk each time; its content is parsed again
    // only when the file changed. nullopt when no file exists at the path.
    static std::optional<VariableDefinitions> Open(const std::string& path);

    const std::string& Path() const { return path_; }
    // Value of the key in section "kvxvars" (at most 1023 characters), or the default.
    std::string Label(const std::string& key, const std::string& default_value) const;

    struct Content;

private:
    std::string path_;
    std::shared_ptr<const Content> content_;
};
