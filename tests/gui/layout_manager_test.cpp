// The layout manager on real dialogs: the truncation and minimum-size rules, and the main
// dialog's table.

#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QTest>

#include "gui/framework/layout_manager.h"
#include "gui_test.h"

namespace {

// A dialog that places its controls through a manager, as the resizable windows do.
class ManagedDialog : public QDialog {
public:
    ManagedDialog() { resize(400, 300); }
    LayoutManager* layout = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QDialog::resizeEvent(event);
        if (layout != nullptr) {
            layout->Resize(width(), height());
        }
    }
};

QWidget* control(QWidget* parent, const QRect& rect) {
    auto* widget = new QPushButton(parent);
    widget->setGeometry(rect);
    return widget;
}

struct MainEntry {
    int id;
    int mx, my, dx, dy, sx, sy;
};

// The main dialog's registrations, in their order.
const MainEntry kMainDialog[] = {
    {1010, 0, 0, 1, 1, 1, 0},   {1003, 0, 0, 1, 1, 1, 0},   {1007, 1, 0, 1, 1, 0, 0},
    {1001, 0, 0, 1, 2, 1, 1},   {0, 1, 0, 1, 2, 0, 1},      {1088, 0, 1, 1, 2, 0, 0},
    {1089, 0, 1, 1, 2, 1, 0},   {1014, 1, 1, 1, 2, 0, 0},   {1, 0, 1, 1, 2, 1, 1},
    {1006, 0, 1, 18, 1, 3, 0},  {1009, 3, 1, 18, 1, 3, 0},  {1002, 6, 1, 18, 1, 4, 0},
    {1027, 10, 1, 18, 1, 0, 0}, {1000, 10, 1, 18, 1, 4, 0}, {1004, 14, 1, 18, 1, 4, 0},
};

}  // namespace

class LayoutManagerTest : public QObject {
    Q_OBJECT

private slots:
    void placesEachControlFromItsAddedRectangle_data() {
        QTest::addColumn<QList<int>>("factors");  // mx, my, dx, dy, sx, sy
        QTest::addColumn<QRect>("added");
        QTest::addColumn<QSize>("change");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("eighteenths: 16.67 cut to 16, 22.2 to 22")
            << QList<int>{3, 0, 18, 1, 4, 0} << QRect(10, 10, 50, 20) << QSize(100, 0)
            << QRect(26, 10, 72, 20);
        QTest::newRow("negative change cut toward zero")
            << QList<int>{3, 0, 18, 1, 0, 0} << QRect(100, 10, 50, 20) << QSize(-100, 0)
            << QRect(84, 10, 50, 20);
        QTest::newRow("each term cut on its own")
            << QList<int>{1, 0, 3, 1, 1, 0} << QRect(10, 10, 50, 20) << QSize(2, 0)
            << QRect(10, 10, 50, 20);
        QTest::newRow("divisors 0 stay put")
            << QList<int>{5, 5, 0, 0, 5, 5} << QRect(10, 10, 50, 20) << QSize(100, 100)
            << QRect(10, 10, 50, 20);
        QTest::newRow("smaller owner moves left and shrinks")
            << QList<int>{1, 0, 2, 1, 1, 0} << QRect(100, 10, 50, 20) << QSize(-40, 0)
            << QRect(80, 10, 30, 20);
        QTest::newRow("negative width becomes 10")
            << QList<int>{0, 0, 1, 1, 1, 0} << QRect(100, 10, 50, 20) << QSize(-100, 0)
            << QRect(100, 10, 10, 20);
        QTest::newRow("left below 0 becomes 0")
            << QList<int>{1, 0, 1, 1, 0, 0} << QRect(30, 10, 50, 20) << QSize(-100, 0)
            << QRect(0, 10, 10, 20);
        QTest::newRow("top below 0 and negative height")
            << QList<int>{0, 1, 1, 1, 0, 1} << QRect(10, 30, 50, 20) << QSize(0, -100)
            << QRect(10, 0, 50, 10);
        QTest::newRow("half the height") << QList<int>{0, 1, 1, 2, 0, 1} << QRect(10, 30, 50, 20)
                                         << QSize(0, 51) << QRect(10, 55, 50, 45);
        // Only that the arithmetic stays defined (the sanitizer build checks it).
        QTest::newRow("huge factors stay in range")
            << QList<int>{INT_MAX, 0, 1, 1, INT_MAX, 0} << QRect(10, 10, 50, 20) << QSize(100, 0)
            << QRect();
    }
    void placesEachControlFromItsAddedRectangle() {
        QFETCH(QList<int>, factors);
        QFETCH(QRect, added);
        QFETCH(QSize, change);
        QFETCH(QRect, expected);
        ManagedDialog dialog;
        QWidget* widget = control(&dialog, added);
        LayoutManager manager(&dialog);
        manager.Add(widget, factors[0], factors[1], factors[2], factors[3], factors[4], factors[5]);
        manager.Resize(400 + change.width(), 300 + change.height());
        if (expected.isNull()) {
            QVERIFY(widget->width() >= 0);
        } else {
            QCOMPARE(widget->geometry(), expected);
        }
    }

    void repeatedResizingDoesNotDrift() {
        ManagedDialog dialog;
        QWidget* widget = control(&dialog, QRect(10, 20, 30, 40));
        LayoutManager manager(&dialog);
        dialog.layout = &manager;
        dialog.show();
        manager.Add(widget, 3, 1, 18, 3, QSize(4, 2));
        for (int width : {437, 405, 399, 413}) {
            dialog.resize(width, 300 + width % 7);
        }
        dialog.resize(400, 300);
        QCOMPARE(widget->geometry(), QRect(10, 20, 30, 40));
        dialog.resize(500, 390);
        QCOMPARE(widget->geometry(), QRect(26, 50, 52, 100));
    }

    void controlsInsideFramesMoveInTheOwnersCoordinates() {
        ManagedDialog dialog;
        auto* frame = new QFrame(&dialog);
        frame->setGeometry(50, 50, 200, 200);
        QWidget* inner = control(frame, QRect(10, 10, 20, 20));
        LayoutManager manager(&dialog);
        manager.Add(inner, 1, 0, 1, 1, 0, 0);
        QCOMPARE(manager.Entries().front().left, 60);
        manager.Resize(420, 300);
        QCOMPARE(inner->geometry(), QRect(30, 10, 20, 20));
    }

    void addIgnoresNullRemoveTakesTheFirstDestroyTakesAll() {
        ManagedDialog dialog;
        QWidget* a = control(&dialog, QRect(0, 0, 10, 10));
        QWidget* b = control(&dialog, QRect(20, 0, 10, 10));
        LayoutManager manager(&dialog);
        manager.Add(nullptr, 1, 1, 1, 1, 1, 1);
        manager.Add(a, 1, 0, 1, 1, 0, 0);
        manager.Add(b, 1, 0, 1, 1, 0, 0);
        manager.Add(a, 0, 0, 1, 1, 1, 0);
        manager.Remove(a);
        QCOMPARE(manager.Entries().size(), std::size_t(2));
        QCOMPARE(manager.Entries()[1].sx, 1);
        manager.Resize(410, 300);
        QCOMPARE(a->geometry(), QRect(0, 0, 20, 10));
        delete b;
        manager.Resize(420, 300);
        QCOMPARE(a->geometry(), QRect(0, 0, 30, 10));
        manager.Destroy();
        QVERIFY(manager.Entries().empty());
        manager.Resize(500, 300);
        QCOMPARE(a->geometry(), QRect(0, 0, 30, 10));
    }

    // 180 pixels wider and 100 higher: the bottom row shares the width 3 : 3 : 4 : 4 : 4.
    void mainDialogTable() {
        ManagedDialog dialog;
        std::vector<QWidget*> controls;
        LayoutManager manager(&dialog);
        int left = 0;
        for (const MainEntry& entry : kMainDialog) {
            controls.push_back(control(&dialog, QRect(left, 10 + left / 4, 20, 10)));
            left += 20;
            manager.Add(controls.back(), entry.mx, entry.my, entry.dx, entry.dy, entry.sx,
                        entry.sy);
        }
        dialog.layout = &manager;
        dialog.show();
        dialog.resize(580, 400);
        struct Change {
            int id, moveX, moveY, growX, growY;
        };
        const Change expected[] = {
            {1010, 0, 0, 180, 0},   {1003, 0, 0, 180, 0},    {1007, 180, 0, 0, 0},
            {1001, 0, 0, 180, 50},  {0, 180, 0, 0, 50},      {1088, 0, 50, 0, 0},
            {1089, 0, 50, 180, 0},  {1014, 180, 50, 0, 0},   {1, 0, 50, 180, 50},
            {1006, 0, 100, 30, 0},  {1009, 30, 100, 30, 0},  {1002, 60, 100, 40, 0},
            {1027, 100, 100, 0, 0}, {1000, 100, 100, 40, 0}, {1004, 140, 100, 40, 0},
        };
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const LayoutEntry& entry = manager.Entries()[i];
            const QRect now = controls[i]->geometry();
            const Change& change = expected[i];
            QCOMPARE(change.id, kMainDialog[i].id);
            QCOMPARE(now, QRect(entry.left + change.moveX, entry.top + change.moveY,
                                20 + change.growX, 10 + change.growY));
        }
    }
};

CUTTERBASE_GUI_TEST(LayoutManagerTest)

#include "layout_manager_test.moc"
