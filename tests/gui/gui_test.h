#pragma once
// QtTest classes registered with CUTTERBASE_GUI_TEST(Class); widgets found by id, never by focus.

#include <QAbstractItemView>
#include <QObject>
#include <functional>
#include <memory>

namespace guitest {

using Factory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char* name, Factory factory);

// A column's texts as the view shows them, and the mouse on a row as the user clicks it.
QStringList columnTexts(const QAbstractItemView& view, int column = 0, int role = Qt::DisplayRole);
void clickRow(QAbstractItemView& view, int row, Qt::MouseButton button = Qt::LeftButton,
              bool twice = false);

}  // namespace guitest

#define CUTTERBASE_GUI_TEST(Class)         \
    static const bool kRegistered##Class = \
        guitest::registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
