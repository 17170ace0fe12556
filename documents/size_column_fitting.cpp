#include "app/main_window.h"

#include "documents/document_columns.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

// The size column has a fixed width so that it does not jump while results arrive, but a
// translated landscape suffix ("100×150 mm альбомная") needs more than that width: the column
// grows to the widest size text it is given and never shrinks below its usual width.
void MainWindow::raiseSizeColumnWidth(const QSet<QString> &sizeTexts)
{
    const QFontMetrics metrics(documentTable->font());
    int width = documentTable->columnWidth(SizeColumn);
    for (const QString &text : sizeTexts)
        width = std::max(width, metrics.horizontalAdvance(text) + 24);
    if (width != documentTable->columnWidth(SizeColumn))
        documentTable->setColumnWidth(SizeColumn, width);
}
