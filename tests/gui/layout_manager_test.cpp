// The layout manager on real dialogs (the main window's own table: the main window test).

#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QTest>

#include "gui/framework/layout_manager.h"
#include "gui_test.h"
#include "table_rows.h"

namespace {

// A dialog of 400 x 300 pixels, the base size of its managers.
class ManagedDialog : public QDialog {
public:
    ManagedDialog() { resize(400, 300); }
};

QWidget* control(QWidget* parent, const QRect& rect) {
    auto* widget = new QPushButton(parent);
    widget->setGeometry(rect);
    return widget;
}

struct Placement {
    const char* name;
    int factors[6];  // mx, my, dx, dy, sx, sy
    QRect added;
    QSize change;
    QRect expected;  // null: only that the arithmetic stays defined (the sanitizer build checks)
};

const Placement kPlacements[] = {
    {"16.67 to 16, 22.2 to 22", {3, 0, 18, 1, 4, 0}, {10, 10, 50, 20}, {100, 0}, {26, 10, 72, 20}},
    {"negative toward zero", {3, 0, 18, 1, 0, 0}, {100, 10, 50, 20}, {-100, 0}, {84, 10, 50, 20}},
    {"each term cut on its own", {1, 0, 3, 1, 1, 0}, {10, 10, 50, 20}, {2, 0}, {10, 10, 50, 20}},
    {"divisors 0 stay put", {5, 5, 0, 0, 5, 5}, {10, 10, 50, 20}, {100, 100}, {10, 10, 50, 20}},
    {"smaller owner shrinks", {1, 0, 2, 1, 1, 0}, {100, 10, 50, 20}, {-40, 0}, {80, 10, 30, 20}},
    {"negative width is 10", {0, 0, 1, 1, 1, 0}, {100, 10, 50, 20}, {-100, 0}, {100, 10, 10, 20}},
    {"left below 0 is 0", {1, 0, 1, 1, 0, 0}, {30, 10, 50, 20}, {-100, 0}, {0, 10, 10, 20}},
    {"top below 0, height < 0", {0, 1, 1, 1, 0, 1}, {10, 30, 50, 20}, {0, -100}, {10, 0, 50, 10}},
    {"half the height", {0, 1, 1, 2, 0, 1}, {10, 30, 50, 20}, {0, 51}, {10, 55, 50, 45}},
    {"huge factors in range", {INT_MAX, 0, 1, 1, INT_MAX, 0}, {10, 10, 50, 20}, {100, 0}, {}},
};

}  // namespace

class LayoutManagerTest : public QObject {
    Q_OBJECT

private slots:
    void placesEachControlFromItsAddedRectangle_data() { guitest::addRows(kPlacements); }
    void placesEachControlFromItsAddedRectangle() {
        const Placement& row = guitest::fetchRow(kPlacements);
        ManagedDialog dialog;
        QWidget* widget = control(&dialog, row.added);
        LayoutManager manager(&dialog);
        const int* f = row.factors;
        manager.Add(widget, f[0], f[1], f[2], f[3], f[4], f[5]);
        // Placed from the added rectangle every time: an earlier size leaves no trace.
        manager.Resize(437, 251);
        manager.Resize(400 + row.change.width(), 300 + row.change.height());
        if (row.expected.isNull()) {
            QVERIFY(widget->width() >= 0);
        } else {
            QCOMPARE(widget->geometry(), row.expected);
        }
    }

    // Frames, null and deleted controls, and Destroy.
    void framesDeletedControlsAndDestroy() {
        ManagedDialog dialog;
        auto* frame = new QFrame(&dialog);
        frame->setGeometry(50, 50, 200, 200);
        QWidget* inner = control(frame, QRect(10, 10, 20, 20));
        QWidget* gone = control(&dialog, QRect(20, 0, 10, 10));
        LayoutManager manager(&dialog);
        manager.Add(nullptr, 1, 1, 1, 1, 1, 1);
        manager.Add(gone, 1, 0, 1, 1, 0, 0);
        manager.Add(inner, 1, 0, 1, 1, 0, 0);
        QCOMPARE(manager.Entries().back().left, 60);
        delete gone;
        manager.Resize(420, 300);
        QCOMPARE(inner->geometry(), QRect(30, 10, 20, 20));
        manager.Destroy();
        manager.Resize(500, 300);
        QCOMPARE(inner->geometry(), QRect(30, 10, 20, 20));
    }
};

CUTTERBASE_GUI_TEST(LayoutManagerTest)

#include "layout_manager_test.moc"
