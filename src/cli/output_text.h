#pragma once
// Texts as the command-line tool writes them: one record a line, fields separated by one TAB.

#include <string>

// Tabs, line feeds and carriage returns as the two characters "\t", "\n" and "\r", so that a
// text stays in its field and its record on one line. Backslashes stay as they are: tool
// references are written with them.
std::string EscapeLineBreaks(const std::string& text);
