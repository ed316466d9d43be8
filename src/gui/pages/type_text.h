#pragma once
// Enumerations kept as text parameters (TP_ZSTEPTYPE, TP_LITYPE, TP_STEPTYPE): one digit, the
// radio button's position plus one.

#include <string>

std::string TypeText(int index);
// The position a text gives among `count` buttons. A text that names none of them (a type code
// this program does not know, or no number at all) gives the first, so that what the page stores
// is always one of its buttons' codes.
int TypeIndex(const std::string& text, int count);
