#include "gui/main/search_texts.h"

#include <array>
#include <cstddef>

#include "language/language_codes.h"

namespace {

struct Texts {
    const char* english;
    const char* german;  // UTF-8
};

constexpr Texts kTexts[] = {
    {"Search tools: words, d:10, r:2-5, cr:1, no:12, shape:ball, fedrix:yes, problem:yes",
     "Werkzeuge suchen: W\u00F6rter, d:10, r:2-5, cr:1, no:12, shape:ball, fedrix:yes, "
     "problem:yes"},
    {"Search tools", "Werkzeuge suchen"},
    {"Found tools", "Gefundene Werkzeuge"},
    {"Reading the tool library", "Werkzeugbibliothek wird gelesen"},
    {"Reading the tool library: %v of %m tools",
     "Werkzeugbibliothek wird gelesen: %v von %m Werkzeugen"},
    {"%1 tools found", "%1 Werkzeuge gefunden"},
    {"1 tool found", "1 Werkzeug gefunden"},
    {"Findings of the tool", "Befunde des Werkzeugs"},
    {" (+%1 more)", " (+%1 weitere)"},
};
static_assert(std::size(kTexts) == static_cast<std::size_t>(SearchText::More) + 1);

}  // namespace

QString searchText(SearchText which, int languageIndex) {
    const Texts& texts = kTexts[static_cast<std::size_t>(which)];
    const bool german = LanguageCode(languageIndex) == std::string("all");
    return QString::fromUtf8(german ? texts.german : texts.english);
}
