#pragma once

#include "storage/quote_store.h"

#include <QAbstractTableModel>

#include <functional>

// The listed quotes, one row each, read a page at a time as the view scrolls to them, so that ten
// thousand stored quotes open as quickly as two hundred.
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

    static constexpr int PageSize = 200;
    // Returns up to PageSize quotes from an offset on.
    using PageSource = std::function<QList<QuoteListEntry>(int offset)>;

    // Shows the first page, already read, and reads the others from source when scrolled to.
    void setSource(const QList<QuoteListEntry> &firstPage, const PageSource &source);
    const QuoteListEntry &entry(int row) const { return entries.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    PageSource pageSource;
    QList<QuoteListEntry> entries;
    bool hasMore = false;
};
