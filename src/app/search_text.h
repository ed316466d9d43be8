#pragma once
// Text folded for search: names, descriptions and typed words meet in one form, so that a word
// finds its letters in any case and in either spelling a name can have on disk.

#include <string>
#include <string_view>

// UTF-8 text (anything that is valid UTF-8 and not plain ASCII) is turned into the code page
// first; other bytes are taken as the code page already. Then every letter is upper-cased as
// the code page folds names, so "fräser" in UTF-8 and "FRÄSER" in Windows-1252 fold alike.
std::string FoldSearchText(std::string_view text);
// The same, appended to `out`.
void AppendFoldedSearchText(std::string& out, std::string_view text);

// Whether the bytes are well-formed UTF-8.
bool IsUtf8(std::string_view text);
