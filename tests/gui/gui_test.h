#pragma once
// QtTest classes registered with CUTTERBASE_GUI_TEST(Class); widgets found by id, never by focus.

#include <QAbstractItemView>
#include <QObject>
#include <QTest>
#include <cstddef>
#include <functional>
#include <memory>

namespace guitest {

using Factory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char* name, Factory factory);

// A column's texts as the view shows them, and the mouse on a row as the user clicks it.
QStringList columnTexts(const QAbstractItemView& view, int column = 0, int role = Qt::DisplayRole);
void clickRow(QAbstractItemView& view, int row, Qt::MouseButton button = Qt::LeftButton,
              bool twice = false);
// Runs `command`, closing the report window it opens; the report's summary and text.
QStringList reportOf(const std::function<void()>& command);
// "objectName (class)" of each input control below `root` without an accessible name.
QStringList namelessControls(QWidget* root);

// Each entry of a table becomes one QtTest row named by its `name`, so a failure names its case.
template <typename Row, std::size_t N>
void addRows(const Row (&rows)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i) {
        QTest::newRow(rows[i].name) << static_cast<int>(i);
    }
}

template <typename Row, std::size_t N>
const Row& fetchRow(const Row (&rows)[N]) {
    QFETCH(int, row);
    return rows[row];
}

}  // namespace guitest

#define CUTTERBASE_GUI_TEST(Class)         \
    static const bool kRegistered##Class = \
        guitest::registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
