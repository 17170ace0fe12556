#include "documents/sortable_table_widget_item.h"

#include "documents/document_columns.h"

bool SortableTableWidgetItem::operator<(const QTableWidgetItem &other) const
{
    const QVariant mine = data(SortKeyRole);
    const QVariant theirs = other.data(SortKeyRole);
    if (mine.typeId() == QMetaType::QString || theirs.typeId() == QMetaType::QString)
        return QString::localeAwareCompare(mine.toString(), theirs.toString()) < 0;
    return mine.toDouble() < theirs.toDouble();
}
