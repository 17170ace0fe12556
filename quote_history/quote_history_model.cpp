#include "quote_history/quote_history_model.h"

#include <QDateTime>
#include <QLocale>

void QuoteHistoryModel::setSource(const QList<QuoteListEntry> &firstPage, const PageSource &source)
{
    beginResetModel();
    pageSource = source;
    entries = firstPage;
    hasMore = entries.size() >= PageSize;
    endResetModel();
}

bool QuoteHistoryModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && hasMore;
}

void QuoteHistoryModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || !hasMore)
        return;
    const QList<QuoteListEntry> page = pageSource(int(entries.size()));
    hasMore = page.size() >= PageSize;
    if (page.isEmpty())
        return;
    beginInsertRows({}, int(entries.size()), int(entries.size() + page.size() - 1));
    entries += page;
    endInsertRows();
}

int QuoteHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(entries.size());
}

int QuoteHistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuoteHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= entries.size())
        return {};
    const QuoteListEntry &entry = entries.at(index.row());
    if (role == Qt::TextAlignmentRole)
        return index.column() >= FilesColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                             : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const QLocale locale;
    switch (index.column()) {
    case NumberColumn:
        return entry.number;
    case DateColumn: {
        // A row another version wrote keeps its own date text.
        const QDateTime at = QDateTime::fromString(entry.createdAt, Qt::ISODate);
        return at.isValid() ? locale.toString(at, QLocale::ShortFormat) : entry.createdAt;
    }
    case CustomerColumn:
        return entry.customer;
    case FilesColumn:
        return locale.toString(entry.fileCount);
    case PagesColumn:
        return locale.toString(entry.totalPages);
    case TotalColumn:
        return locale.toString(entry.totalAmount, 'f', 2);
    default:
        return {};
    }
}

QVariant QuoteHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NumberColumn:
        return tr("报价编号");
    case DateColumn:
        return tr("日期");
    case CustomerColumn:
        return tr("客户");
    case FilesColumn:
        return tr("文件");
    case PagesColumn:
        return tr("页数");
    case TotalColumn:
        return tr("合计");
    default:
        return {};
    }
}
