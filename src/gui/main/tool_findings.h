#pragma once
// What the library check found, as the window shows it: the findings of each tool by its path
// (from the search index), their texts in the window's language, and the warning mark that the
// tool lists put over a tool's picture.

#include <QIcon>
#include <QString>
#include <string>
#include <vector>

#include "app/library_check.h"
#include "app/tool_index.h"

class ToolFindings {
public:
    void setLanguage(int languageIndex) { language_ = languageIndex; }
    int language() const { return language_; }

    // The index whose findings are shown (not owned); null for none.
    void setIndex(const ToolIndex* index) { index_ = index; }
    // The findings of the tool file at `path`; null when it has none or is not known.
    const std::vector<ToolFinding>* of(const std::string& path) const;

    // One line: the text without line breaks.
    QString text(const ToolFinding& finding) const;
    // One line per finding, for a tooltip.
    QString lines(const std::vector<ToolFinding>& findings) const;

private:
    const ToolIndex* index_ = nullptr;
    int language_ = 0;
};

// `picture` with the warning mark in its lower right corner: a red one for an error, else a
// yellow one.
QIcon markedIcon(const QIcon& picture, QSize size, bool error);
