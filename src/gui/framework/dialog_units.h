#pragma once
// The dialog tables give positions and sizes in dialog units: a quarter of the font's average
// character width horizontally and an eighth of its height vertically. A window converts them
// with its own font, so the templates keep their proportions whatever font the desktop uses.

#include <QFont>
#include <QRect>

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int left, int top, int width, int height) const;

    int baseWidth() const { return baseWidth_; }
    int baseHeight() const { return baseHeight_; }

private:
    int baseWidth_;
    int baseHeight_;
};
