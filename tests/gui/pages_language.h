#pragma once
// The captions of the property pages in English and German, as the demo installation's language
// files give them (Windows-1252): its sections of the tool and security pages, and of the three
// Fedrix pages with the units.

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <string>

namespace guitest {

// The named sections of the demo's KvxCutterBase.<language>, each with its lines.
inline std::string demoCaptions(const char* language, std::initializer_list<const char*> names) {
    std::ifstream file(std::string(CUTTERBASE_DEMO_DIR) + "/kvxhome/texte/KvxCutterBase." +
                       language);
    std::string line, sections;
    bool wanted = false;
    while (std::getline(file, line)) {
        if (line.starts_with('[')) {
            wanted = std::find(names.begin(), names.end(), line.substr(0, line.find(']') + 1)) !=
                     names.end();
        }
        if (wanted) {
            sections += line + "\n";
        }
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
