#include "documents/column_resize_freeze.h"

#include <QHeaderView>
#include <QTableWidget>

ColumnResizeFreeze::ColumnResizeFreeze(QTableWidget *table) : m_table(table)
{
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        if (header->sectionResizeMode(column) == QHeaderView::ResizeToContents) {
            m_frozen.append(column);
            header->setSectionResizeMode(column, QHeaderView::Fixed);
        }
    }
}

ColumnResizeFreeze::~ColumnResizeFreeze()
{
    QHeaderView *header = m_table->horizontalHeader();
    for (int column : std::as_const(m_frozen))
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}
