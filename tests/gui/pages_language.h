#pragma once
// The captions of the property pages in English and German from the demo's language files.

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <string>

namespace guitest {

inline std::string demoCaptions(const char* language, std::initializer_list<const char*> names) {
    std::ifstream file(std::string(CUTTERBASE_DEMO_DIR) + "/kvxhome/texte/KvxCutterBase." +
                       language);
    std::string line, sections;
    for (bool wanted = false; std::getline(file, line);) {
        wanted = line.starts_with('[')
                     ? std::ranges::count(names, line.substr(0, line.find(']') + 1)) > 0
                     : wanted;
        sections += wanted ? line + "\n" : "";
    }
    return sections;
}

inline const std::string kEnglishPageCaptions =
    demoCaptions("ang", {"[PAGETOOL]", "[PAGEMACHINE]"});
inline const std::string kGermanPageCaptions = demoCaptions("all", {"[PAGETOOL]", "[PAGEMACHINE]"});
inline const std::string kEnglishFedrixCaptions = demoCaptions(
    "ang", {"[PAGEFEDRIXOPTIMIZE]", "[PAGEFEDRIXADVANCED]", "[PAGEFEDRIXADVANCED2]", "[UNITS]"});
inline const std::string kGermanFedrixCaptions = demoCaptions(
    "all", {"[PAGEFEDRIXOPTIMIZE]", "[PAGEFEDRIXADVANCED]", "[PAGEFEDRIXADVANCED2]", "[UNITS]"});

}  // namespace guitest
