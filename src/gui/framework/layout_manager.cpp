#include "gui/framework/layout_manager.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// trunc(factor * fraction) as an int; a result beyond the int range is cut to it.
int truncated(int factor, double fraction) {
    const double value = std::trunc(factor * fraction);
    return static_cast<int>(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

double fraction(int change, int divisor) {
    return divisor < 1 ? 0.0 : static_cast<double>(change) / divisor;
}

int sum(long long a, long long b) {
    return static_cast<int>(std::clamp(a + b, (long long)INT_MIN, (long long)INT_MAX));
}

}  // namespace

LayoutManager::LayoutManager(QWidget* owner) : owner_(owner), base_(owner->size()) {}

void LayoutManager::Add(QWidget* control, int mx, int my, int dx, int dy, int sx, int sy) {
    if (control == nullptr || owner_ == nullptr) {
        return;
    }
    QPoint topLeft = control->pos();
    if (control->parentWidget() != owner_ && control->parentWidget() != nullptr) {
        topLeft = control->parentWidget()->mapTo(owner_, topLeft);
    }
    LayoutEntry entry;
    entry.control = control;
    entry.mx = mx;
    entry.my = my;
    entry.dx = dx;
    entry.dy = dy;
    entry.sx = sx;
    entry.sy = sy;
    entry.left = topLeft.x();
    entry.top = topLeft.y();
    entry.right = topLeft.x() + control->width();
    entry.bottom = topLeft.y() + control->height();
    entries_.push_back(entry);
}

void LayoutManager::Resize(int width, int height) {
    if (owner_ == nullptr) {
        return;
    }
    const int changeX = sum(width, -static_cast<long long>(base_.width()));
    const int changeY = sum(height, -static_cast<long long>(base_.height()));
    for (const LayoutEntry& entry : entries_) {
        QWidget* control = entry.control;
        if (control == nullptr) {
            continue;
        }
        const double fx = fraction(changeX, entry.dx);
        const double fy = fraction(changeY, entry.dy);
        const int moveX = truncated(entry.mx, fx);
        const int moveY = truncated(entry.my, fy);
        int left = sum(entry.left, moveX);
        int top = sum(entry.top, moveY);
        int right = sum(sum(entry.right, moveX), truncated(entry.sx, fx));
        int bottom = sum(sum(entry.bottom, moveY), truncated(entry.sy, fy));
        left = std::max(left, 0);
        top = std::max(top, 0);
        if (right < left) {
            right = sum(left, 10);
        }
        if (bottom < top) {
            bottom = sum(top, 10);
        }
        QPoint topLeft(left, top);
        if (control->parentWidget() != owner_ && control->parentWidget() != nullptr) {
            topLeft = control->parentWidget()->mapFrom(owner_, topLeft);
        }
        control->setGeometry(topLeft.x(), topLeft.y(), right - left, bottom - top);
    }
    owner_->update();
}

void LayoutManager::Destroy() {
    entries_.clear();
}
