#include "documents/row_unit_price.h"

#include "documents/document_columns.h"
#include "pricing/line_pricing.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

QString textAt(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

QString colorModeAt(const QTableWidget *table, int row)
{
    const QTableWidgetItem *item = table->item(row, ColorColumn);
    return item ? item->data(PathRole).toString() : QStringLiteral("blackWhite");
}

} // namespace

void writeRowUnitPrice(QTableWidget *table, int row, const PriceProfile &profile)
{
    QTableWidgetItem *price = table->item(row, UnitPriceColumn);
    if (!price)
        return;
    LineInputs line;
    line.pagesText = textAt(table, row, PagesColumn);
    line.colorMode = colorModeAt(table, row);
    if (const QTableWidgetItem *pages = table->item(row, PagesColumn))
        line.pageDetails = pages->data(PageDetailsRole).value<PageDetails>();
    const bool pageByPage = pricedPageByPage(line, profile);
    const QString text = pageByPage ? pageByPageUnitPriceText(profile, line.colorMode, line.pageDetails)
                                    : unitPriceText(profile, textAt(table, row, SizeColumn), line.colorMode);
    // A program write is no edit: it must not reach the validation that marks prices typed.
    const QSignalBlocker blocker(table);
    price->setText(text);
    price->setData(PageByPagePriceRole, pageByPage ? QVariant(text) : QVariant());
    price->setToolTip(pageByPage
                          ? QCoreApplication::translate("MainWindow", "按页计价：每页平均单价，双击可修改")
                          : QCoreApplication::translate("MainWindow", "双击可修改单价"));
}

bool rowUnitPriceTyped(const QTableWidget *table, int row, const PriceProfile &profile)
{
    const QTableWidgetItem *price = table->item(row, UnitPriceColumn);
    if (!price)
        return false;
    return price->text() != price->data(PageByPagePriceRole).toString() &&
           price->text() != unitPriceText(profile, textAt(table, row, SizeColumn), colorModeAt(table, row));
}

void markRowUnitPriceTyped(QTableWidget *table, int row)
{
    if (QTableWidgetItem *price = table->item(row, UnitPriceColumn)) {
        const QSignalBlocker blocker(table);
        price->setData(PageByPagePriceRole, QVariant());
        price->setToolTip(QCoreApplication::translate("MainWindow", "双击可修改单价"));
    }
}
