#include "documents/page_loading_indicator.h"

#include "documents/color_pages_badge.h"
#include "documents/document_columns.h"
#include "documents/page_count_cells.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QPen>
#include <QTableView>
#include <QToolTip>

#include <algorithm>

PageLoadingIndicator::PageLoadingIndicator(QAbstractItemView *view, int column)
    : QStyledItemDelegate(view), m_view(view), m_column(column)
{
    if (auto *table = qobject_cast<QTableView *>(view))
        table->setItemDelegateForColumn(column, this);
    m_timer.setInterval(70);
    connect(&m_timer, &QTimer::timeout, this, &PageLoadingIndicator::advance);
    m_timer.start();
}

void PageLoadingIndicator::paintSpinner(QPainter *painter, const QRectF &cell, int angle)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min<qreal>(std::min(cell.width(), cell.height()) - 4, 14);
    const QRectF arc(cell.left() + (cell.width() - side) / 2.0, cell.top() + (cell.height() - side) / 2.0,
                     side, side);
    QPen pen(QColor(QStringLiteral("#D8DEEA")), 2.0, Qt::SolidLine, Qt::RoundCap);
    painter->setPen(pen);
    painter->drawArc(arc, 0, 360 * 16);
    pen.setColor(QColor(QStringLiteral("#3D64D8")));
    painter->setPen(pen);
    painter->drawArc(arc, -angle * 16, 105 * 16);
    painter->restore();
}

void PageLoadingIndicator::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    const QString badge = colorPagesBadgeText(index.data(PageDetailsRole).value<PageDetails>());
    const QString warning = pageCountBadgeText(index);
    if ((badge.isEmpty() && warning.isEmpty()) || index.data(AnalysingRole).toBool()) {
        QStyledItemDelegate::paint(painter, option, index);
        if (index.data(AnalysingRole).toBool())
            paintSpinner(painter, option.rect, m_angle);
        return;
    }
    // The background spans the whole cell; the count stays centred in what the badge leaves.
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    QStyle *style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, cell.widget);
    QStyleOptionViewItem count(option);
    if (!badge.isEmpty())
        count.rect = paintColorPagesBadge(painter, count.rect, badge);
    if (!warning.isEmpty())
        count.rect = paintPageCountBadge(painter, count.rect, warning);
    QStyledItemDelegate::paint(painter, count, index);
}

QSize PageLoadingIndicator::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString badge = colorPagesBadgeText(index.data(PageDetailsRole).value<PageDetails>());
    if (!badge.isEmpty())
        size.rwidth() += colorPagesBadgeWidth(option.font, badge);
    const QString warning = pageCountBadgeText(index);
    if (!warning.isEmpty())
        size.rwidth() += colorPagesBadgeWidth(option.font, warning);
    return size;
}

bool PageLoadingIndicator::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                     const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() == QEvent::ToolTip && index.data(AnalysingRole).toBool()) {
        QToolTip::showText(event->globalPos(), tr("正在后台识别页数"), view);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

void PageLoadingIndicator::advance()
{
    m_angle = (m_angle + 30) % 360;
    auto *table = qobject_cast<QTableView *>(m_view);
    if (!table || !table->isVisible() || !anyVisibleSpinner())
        return;
    const int x = table->columnViewportPosition(m_column);
    table->viewport()->update(QRect(x, 0, table->columnWidth(m_column), table->viewport()->height()));
}

// Only the rows on screen are looked at, so an idle table of thousands of rows costs nothing.
bool PageLoadingIndicator::anyVisibleSpinner() const
{
    auto *table = qobject_cast<QTableView *>(m_view);
    const QAbstractItemModel *model = table->model();
    const int first = table->rowAt(0);
    if (first < 0)
        return false;
    int last = table->rowAt(table->viewport()->height() - 1);
    if (last < 0)
        last = model->rowCount() - 1;
    for (int row = first; row <= last; ++row) {
        if (model->index(row, m_column).data(AnalysingRole).toBool())
            return true;
    }
    return false;
}
