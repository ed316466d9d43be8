#include "gui/framework/dialog_units.h"

#include <QFontMetrics>

namespace {

// The average width of the Latin letters, rounded, as the dialog templates were laid out with.
int averageLetterWidth(const QFontMetrics& metrics) {
    const int letters = 52;
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (width / (letters / 2) + 1) / 2;
}

// units * base / divisor, rounded to the nearest pixel.
int scale(int units, int base, int divisor) {
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    baseWidth_ = averageLetterWidth(metrics);
    baseHeight_ = metrics.height();
}

int DialogUnits::x(int units) const {
    return scale(units, baseWidth_, 4);
}

int DialogUnits::y(int units) const {
    return scale(units, baseHeight_, 8);
}

QRect DialogUnits::rect(int left, int top, int width, int height) const {
    return QRect(x(left), y(top), x(width), y(height));
}
