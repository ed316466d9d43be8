#pragma once
// The five languages of the installation's text files, by index.

#include <string>

inline constexpr int kLanguageCount = 5;

// "ang", "all", "fra", "esp", "sue"; an index outside 0..4 gives "ang".
const char* LanguageCode(int index);
// The first index whose code equals `code` ignoring case; 0 when none does.
int LanguageIndex(const std::string& code);
// Windows locale identifiers: 1033, 1031, 1036, 1034, 1053; an index outside 0..4 gives 1033.
int LocaleIdentifier(int index);
