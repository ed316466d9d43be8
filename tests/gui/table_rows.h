#pragma once
// Each entry of a table becomes one QtTest row named by its `name`, so a failure names its case.

#include <QTest>
#include <cstddef>

namespace guitest {

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
