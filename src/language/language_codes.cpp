#include "language/language_codes.h"

#include "platform/ascii_case.h"

namespace {
const char* const kCodes[kLanguageCount] = {"ang", "all", "fra", "esp", "sue"};
const int kLocales[kLanguageCount] = {1033, 1031, 1036, 1034, 1053};

bool valid(int index) {
    return index >= 0 && index < kLanguageCount;
}
}  // namespace

const char* LanguageCode(int index) {
    return kCodes[valid(index) ? index : 0];
}

int LanguageIndex(const std::string& code) {
    for (int i = 0; i < kLanguageCount; ++i) {
        if (platform::ascii_equal_ignoring_case(code, kCodes[i])) {
            return i;
        }
    }
    return 0;
}

int LocaleIdentifier(int index) {
    return kLocales[valid(index) ? index : 0];
}
