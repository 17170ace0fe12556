#include "app/main_window.h"

#include "documents/column_resize_freeze.h"
#include "documents/document_columns.h"
#include "pricing/line_pricing.h"
#include "pricing/quote_totals.h"
#include "pricing/regional_format.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

LineInputs lineInputsAt(const QTableWidget *table, int row)
{
    auto text = [table, row](int column) {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->text() : QString();
    };
    auto key = [table, row](int column, const QString &fallback) {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->data(PathRole).toString() : fallback;
    };
    const QTableWidgetItem *pages = table->item(row, PagesColumn);
    const QTableWidgetItem *price = table->item(row, UnitPriceColumn);
    LineInputs line{text(PagesColumn), text(CopiesColumn), text(UnitPriceColumn),
                    key(BindingColumn, QStringLiteral("none")),
                    key(ColorColumn, QStringLiteral("blackWhite"))};
    if (pages)
        line.pageDetails = pages->data(PageDetailsRole).value<PageDetails>();
    // Text other than what the page-by-page pricing wrote there was typed by the operator.
    line.unitPriceTyped = price && price->text() != price->data(PageByPagePriceRole).toString();
    return line;
}

} // namespace

bool MainWindow::isDuplex() const
{
    return printModeCombo && printModeCombo->currentData().toString() == QLatin1String("duplex");
}

QString MainWindow::unitPriceText(const QString &paperSize, const QString &colorMode) const
{
    return ::unitPriceText(activeProfile, paperSize, colorMode);
}

double MainWindow::lineAmount(int row) const
{
    return ::lineAmount(lineInputsAt(documentTable, row), activeProfile, isDuplex());
}

void MainWindow::recalculate()
{
    const MoneyFormat format(activeProfile);
    const bool duplex = isDuplex();
    double itemsSubtotal = 0;
    qint64 totalCopies = 0; // 9999 copies on a few hundred thousand rows would overflow an int
    qint64 totalPages = 0;
    {
        // The amount cells are not user input; their writes need no validation.
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        for (int row = 0; row < documentTable->rowCount(); ++row) {
            const LineInputs line = lineInputsAt(documentTable, row);
            const int copies = copiesFromText(line.copiesText);
            totalCopies += copies;
            totalPages += qint64(pageCountFromText(line.pagesText)) * copies;
            const double amount = ::lineAmount(line, activeProfile, duplex, format);
            itemsSubtotal += amount;
            if (QTableWidgetItem *amountItem = documentTable->item(row, AmountColumn)) {
                amountItem->setText(format.plain(amount));
                amountItem->setData(SortKeyRole, amount);
            }
        }
    }

    const int rows = documentTable->rowCount();
    fileCountLabel->setText(tr("%n 个文件", nullptr, rows));
    pageCountLabel->setText(
        tr("%n 页", nullptr, int(std::min<qint64>(totalPages, std::numeric_limits<int>::max()))));
    const QuoteTotals totals = computeQuoteTotals(
        itemsSubtotal, int(std::min<qint64>(totalCopies, std::numeric_limits<int>::max())), activeProfile);
    amountValue->setText(format.money(totals.grandTotal));
    amountValue->setToolTip(tr("商品：%1\n起步费：%2\n折扣：%3\n税前：%4\n税额（%5%）：%6")
                                .arg(format.money(totals.itemsSubtotal), format.money(totals.setupFee),
                                     format.money(totals.volumeDiscount + totals.quoteDiscount),
                                     format.money(totals.preTaxAmount),
                                     format.locale().toString(effectiveTaxRate(activeProfile), 'f', 2),
                                     format.money(totals.taxAmount)));
    const int awaiting = rowsAwaitingPagePrices();
    provisionalLabel->setText(tr("暂估，%n 个文档仍在检查", nullptr, awaiting));
    provisionalLabel->setVisible(awaiting > 0);
    exportButton->setEnabled(rows > 0 && pendingAnalyses == 0);
    setEmptyHintVisible(rows == 0);
}
