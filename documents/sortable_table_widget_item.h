#pragma once

#include <QTableWidgetItem>

// Orders rows by SortKeyRole: strings locale-aware, everything else numerically.
class SortableTableWidgetItem : public QTableWidgetItem
{
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem &other) const override;
};
