#include "app/main_window.h"

#include "documents/document_columns.h"
#include "export/quote_snapshot.h"
#include "pricing/line_pricing.h"
#include "pricing/regional_format.h"

#include <QComboBox>
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
    for (int row = 0; row < documentTable->rowCount(); ++row) {
        QuoteRow line{cellText(row, FileNameColumn),
                      rowColorMode(row),
                      cellText(row, PagesColumn),
                      cellText(row, SizeColumn),
                      cellText(row, CopiesColumn),
                      cellText(row, UnitPriceColumn),
                      rowBinding(row),
                      0};
        // The amount exactly as recalculate shows it in the bottom bar.
        line.lineAmount = ::lineAmount({line.pagesText, line.copiesText, line.unitPriceText, line.binding},
                                       activeProfile, snapshot.duplex, format);
        snapshot.rows.append(line);
    }
    return snapshot;
}
