#pragma once
// QtTest classes registered with CUTTERBASE_GUI_TEST(Class); widgets found by id, never by focus.

#include <QObject>
#include <functional>
#include <memory>

namespace guitest {

using Factory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char* name, Factory factory);

}  // namespace guitest

#define CUTTERBASE_GUI_TEST(Class)         \
    static const bool kRegistered##Class = \
        guitest::registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
