#pragma once
// Keeps the controls of a resizable dialog or page in place when it changes size: each registered
// control moves and grows by fixed fractions of the change of the owner's size (mx/dx and sx/dx of
// the change in width, my/dy and sy/dy of the change in height), never by what other controls do.
// The owner creates the manager once its controls stand at their template places (the base size
// is the owner's size then), adds the controls, and calls Resize from its resizeEvent. Managed
// owners place their controls with absolute geometry, not with a QLayout.

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

struct LayoutEntry {
    QPointer<QWidget> control;
    int mx = 0;
    int my = 0;
    int dx = 0;
    int dy = 0;
    int sx = 0;
    int sy = 0;
    // The control's rectangle when it was added, in the owner's coordinates; right and bottom
    // lie one past the last pixel.
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class LayoutManager {
public:
    // Records the owner (not owned) and its current size as the base size.
    explicit LayoutManager(QWidget* owner);

    // Appends an entry for the control at its current place; a null control is ignored.
    void Add(QWidget* control, int mx, int my, int dx, int dy, int sx, int sy);
    // Places every control for the owner's new size, always from its added rectangle; a divisor
    // below 1 leaves that direction alone. A control keeps at least its left/top at 0 and a
    // width/height of 10 pixels where the arithmetic would turn it inside out.
    void Resize(int width, int height);
    void Destroy();

    QSize BaseSize() const { return base_; }
    const std::vector<LayoutEntry>& Entries() const { return entries_; }

private:
    QPointer<QWidget> owner_;
    QSize base_;
    std::vector<LayoutEntry> entries_;
};
