#include "gui/framework/numeric_locale.h"

#include <clocale>

void keepNumericLocaleC() {
    std::setlocale(LC_NUMERIC, "C");
}
