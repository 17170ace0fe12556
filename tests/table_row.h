#pragma once

#include <QTest>

// QCOMPARE for one row of a table walked in a loop: a mismatch names the row and ends the test.
#define ROW_COMPARE(row, a, e)                                                                               \
    if (!QTest::qCompare(a, e, row, #e, __FILE__, __LINE__))                                                 \
    return
