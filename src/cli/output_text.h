#pragma once
// Texts as the command-line tool writes them: one record a line.

#include <string>

// Line breaks and tabs as the two characters "\n" and "\t", so that a text stays in its field.
std::string EscapeLineBreaks(const std::string& text);
