#pragma once
// Window tests are QtTest classes registered with CUTTERBASE_GUI_TEST(Class) at the start of a
// line after the class; the test program runs one class by name (as ctest does) or all of them.
// Tests find widgets by id or object name, never by position or caption, never depend on focus
// or activation (the offscreen platform models neither), and measure geometry against the font.

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
