#pragma once

#include "storage/quote_store.h"

#include <QAbstractTableModel>

// The listed quotes, one row each; the list comes from one query, so ten thousand rows are cheap.
class QuoteHistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NumberColumn,
        DateColumn,
        CustomerColumn,
        FilesColumn,
        PagesColumn,
        TotalColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(const QList<QuoteListEntry> &entries);
    const QuoteListEntry &entry(int row) const { return entries.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<QuoteListEntry> entries;
};
