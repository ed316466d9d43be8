#pragma once
// The captions and status lines of the search box, its result list and the findings, in English
// and German (the other languages show the English ones). They label controls and describe what
// the list shows; questions go through the message catalogue.

#include <QString>

enum class SearchText {
    Placeholder,   // the empty search box: what may be typed
    BoxName,       // the search box's accessible name
    ResultsName,   // the result list's accessible name
    ProgressName,  // the progress bar's accessible name
    Reading,       // the progress bar: %v of %m tools read
    Found,         // the status line: %1 tools match
    FoundOne,      // the same for a single tool
    FindingsName,  // the shown tool's findings line, accessible name
    More,          // after the first finding: %1 more
};

QString searchText(SearchText which, int languageIndex);
