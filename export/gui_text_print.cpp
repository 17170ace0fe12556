#include "export/gui_text_print.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextOption>
#include <QTextTable>

namespace {

// Painting a page of a collapsed-border table costs Qt every row of the table (it resolves the
// shared borders cell by cell), so a long table prints in rows times pages; laying it out is dearer
// too. Every cell keeps its top and left border and only the last row and column keep the bottom
// and right one: with no cell spacing that draws the same single grid lines, and Qt paints only the
// rows on the page.
void separateCollapsedBorders(QTextTable *table)
{
    QTextTableFormat tableFormat = table->format();
    if (!tableFormat.borderCollapse())
        return;
    tableFormat.setBorderCollapse(false);
    tableFormat.setCellSpacing(0);
    table->setFormat(tableFormat);
    const int rows = table->rows();
    const int columns = table->columns();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            QTextTableCell cell = table->cellAt(row, column);
            if (cell.row() != row || cell.column() != column)
                continue; // covered by a spanning cell
            QTextTableCellFormat format = cell.format().toTableCellFormat();
            if (row + cell.rowSpan() < rows)
                format.setBottomBorder(0);
            if (column + cell.columnSpan() < columns)
                format.setRightBorder(0);
            cell.setFormat(format);
        }
    }
}

void separateCollapsedBorders(QTextFrame *frame)
{
    const QList<QTextFrame *> children = frame->childFrames();
    for (QTextFrame *child : children) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            separateCollapsedBorders(table);
        separateCollapsedBorders(child);
    }
}

} // namespace

bool printHtmlDocument(const QString &html, QPagedPaintDevice &device)
{
    // The defaults QTextDocument::print applies to an unpaginated document: a 2 mm printer margin
    // when none is set, a 2 cm frame margin and the page number below the bottom right corner.
    if (device.pageLayout().margins(QPageLayout::Millimeter).isNull())
        device.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const int dpiY = device.logicalDpiY();
    const int margin = int((2 / 2.54) * dpiY);
    const QRectF body(0, 0, device.width(), device.height());

    // The source is parsed and adjusted without a layout; the printed copy gets its layout and
    // device while still empty, so the content is laid out once, as it arrives.
    QTextDocument source;
    source.setHtml(html);
    separateCollapsedBorders(source.rootFrame());
    QTextFrameFormat rootFormat = source.rootFrame()->frameFormat();
    rootFormat.setMargin(margin);
    QTextDocument document;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    layout->setPaintDevice(&device);
    document.setDefaultFont(source.defaultFont());
    // A word too long for its table cell widens the column instead of being cut at a letter: names
    // carry their own break opportunities, and other cells hold short words.
    QTextOption textOption = document.defaultTextOption();
    textOption.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(textOption);
    document.rootFrame()->setFrameFormat(rootFormat);
    document.setPageSize(body.size());
    QTextCursor(&document).insertFragment(QTextDocumentFragment(&source));

    const QFont pageNumberFont(document.defaultFont());
    const QPointF pageNumberPos(body.width() - margin, body.height() - margin +
                                                           QFontMetrics(pageNumberFont, &device).ascent() +
                                                           5 * dpiY / 72.0);
    const int pages = document.pageCount();
    for (int index = 1; index <= pages; ++index) {
        if (index > 1 && !device.newPage())
            return false;
        painter.save();
        painter.translate(body.left(), body.top() - (index - 1) * body.height());
        const QRectF view(0, (index - 1) * body.height(), body.width(), body.height());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, context);
        painter.setClipping(false);
        painter.setFont(pageNumberFont);
        const QString pageText = QString::number(index);
        painter.drawText(qRound(pageNumberPos.x() - painter.fontMetrics().horizontalAdvance(pageText)),
                         qRound(pageNumberPos.y() + view.top()), pageText);
        painter.restore();
    }
    return painter.end();
}
