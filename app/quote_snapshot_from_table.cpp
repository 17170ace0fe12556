#include "app/main_window.h"

#include "documents/document_columns.h"
#include "documents/page_detail_cells.h"
#include "documents/page_count_cells.h"
#include "export/page_count_marks.h"
#include "export/quote_lines.h"
#include "export/quote_snapshot.h"
#include "pricing/regional_format.h"

#include <QComboBox>
#include <QDateTime>
#include <QTableWidget>

QuoteSnapshot MainWindow::quoteSnapshot() const
{
    QuoteSnapshot snapshot;
    snapshot.profile = activeProfile;
    snapshot.profileName = profileCombo ? profileCombo->currentText() : QString();
    snapshot.customBindingMethods = customBindingMethods;
    snapshot.duplex = isDuplex();
    snapshot.createdAt = QDateTime::currentDateTime();
    const MoneyFormat format(activeProfile);
    snapshot.rows.reserve(documentTable->rowCount());
    for (int row = 0; row < documentTable->rowCount(); ++row) {
        QuoteRow line;
        line.filePath = documentPathAt(row);
        line.fileName = cellText(row, FileNameColumn);
        line.colorMode = rowColorMode(row);
        line.pagesText = cellText(row, PagesColumn);
        line.paperSize = sizeTextWithoutFailureMark(cellText(row, SizeColumn));
        line.copiesText = cellText(row, CopiesColumn);
        line.unitPriceText = cellText(row, UnitPriceColumn);
        line.binding = rowBinding(row);
        // The same inputs the bottom bar prices with, so that exports and window agree.
        if (const QTableWidgetItem *pages = documentTable->item(row, PagesColumn)) {
            line.pageDetails = pages->data(PageDetailsRole).value<PageDetails>();
            line.pagesEstimated = pages->data(PageCountEstimatedRole).toBool();
        }
        const QTableWidgetItem *price = documentTable->item(row, UnitPriceColumn);
        line.unitPriceTyped = price && price->text() != price->data(PageByPagePriceRole).toString();
        line.pageCountMark =
            pageCountMark(rowWordRendering(documentTable, row), rowUsesRenderedCount(documentTable, row));
        line.lineAmount = quoteRowAmount(line, activeProfile, snapshot.duplex, format);
        snapshot.rows.append(line);
    }
    return snapshot;
}
