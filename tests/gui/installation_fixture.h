#pragma once
// KVXHOME in a temporary directory with catalogues and language files; the catalogue in English.

#include <string>

#include "support/test_support.h"

namespace guitest {

inline constexpr char kApplication[] = "KvxCutterBase";
// The language names of a language file's first section.
inline constexpr char kLanguageNames[] =
    "ang=English\r\nall=Deutsch\r\nfra=Fran\xE7"
    "ais\r\nesp=Espa\xF1ol\r\nsue=Svenska\r\n";

class Installation {
public:
    Installation();
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    // Loads the catalogue in the language ("ang", "all", ...).
    void useCatalogue(const std::string& language);
    std::string home() const { return home_; }
    // Writes a file below KVXHOME/texte.
    std::string writeText(const std::string& name, const std::string& bytes);

private:
    testsupport::TempDir temp_;
    testsupport::ScopedEnv env_;
    std::string home_;
};

}  // namespace guitest
