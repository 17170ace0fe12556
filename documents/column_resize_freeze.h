#pragma once

#include <QList>

class QTableWidget;

// Fits-to-contents columns measure their cells on every change of any cell, which makes writing
// thousands of rows quadratic. While an instance lives those columns keep their width; they are
// measured once when it goes away.
class ColumnResizeFreeze
{
public:
    explicit ColumnResizeFreeze(QTableWidget *table);
    ~ColumnResizeFreeze();

    ColumnResizeFreeze(const ColumnResizeFreeze &) = delete;
    ColumnResizeFreeze &operator=(const ColumnResizeFreeze &) = delete;

private:
    QTableWidget *m_table;
    QList<int> m_frozen;
};
