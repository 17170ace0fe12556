#pragma once

#include <QStyledItemDelegate>
#include <QTimer>

class QAbstractItemView;

// The spinner in the pages cell of a row whose analysis is still running. It is painted by the
// pages column's delegate rather than being a widget per row: a drop of thousands of files would
// otherwise put thousands of child widgets into the table, and every layout, paint and mouse move
// walks all of them. One timer turns every visible spinner. Once measured, a row whose pages are
// partly in colour shows how many beside its count.
class PageLoadingIndicator : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Installs itself as the delegate of the view's column.
    PageLoadingIndicator(QAbstractItemView *view, int column);

    int angle() const { return m_angle; }
    // Paints the spinner in a cell rectangle; also used for screenshots of a single cell.
    static void paintSpinner(QPainter *painter, const QRectF &cell, int angle);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    void advance();
    bool anyVisibleSpinner() const;

    QAbstractItemView *m_view;
    int m_column;
    int m_angle = 0;
    QTimer m_timer;
};
