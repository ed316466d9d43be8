#include "gui/pages/type_text.h"

#include "platform/number_text.h"

std::string TypeText(int index) {
    return std::to_string(index + 1);
}

int TypeIndex(const std::string& text, int count) {
    const int number = platform::parse_leading_int(text);
    return number >= 1 && number <= count ? number - 1 : 0;
}
