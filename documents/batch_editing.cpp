#include "app/main_window.h"

#include "documents/column_resize_freeze.h"
#include "documents/document_columns.h"
#include "documents/row_unit_price.h"
#include "pricing/line_pricing.h"
#include "pricing/regional_format.h"

#include <QInputDialog>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>

#include <algorithm>

// The table selects whole rows, so the rows of the selection ranges are the selected rows; asking
// the selection model for fully selected rows checks every column of every row instead.
QList<int> MainWindow::selectedRowsAscending() const
{
    QList<bool> selected(documentTable->rowCount(), false);
    for (const QItemSelectionRange &range : documentTable->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            selected[row] = true;
    }
    QList<int> rows;
    for (int row = 0; row < selected.size(); ++row) {
        if (selected.at(row))
            rows.append(row);
    }
    return rows;
}

// Every unit price written here is valid by construction; validating each write would
// recalculate once per row, so the table's signals stay blocked and one recalculation follows.
void MainWindow::setSelectedRowsColorMode(const QString &key)
{
    const QList<int> rows = selectedRowsAscending();
    {
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        for (int row : rows)
            setRowColorMode(row, key);
    }
    fitChoiceColumns();
    recalculate();
    statusBar()->showMessage(tr("已将 %n 个文件设为%1", nullptr, int(rows.size())).arg(colorModeLabel(key)),
                             3000);
}

void MainWindow::setSelectedRowsBinding(const QString &key)
{
    const QList<int> rows = selectedRowsAscending();
    {
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        for (int row : rows)
            setRowBinding(row, key);
    }
    fitChoiceColumns();
    recalculate();
    statusBar()->showMessage(tr("已将 %n 个文件的装订方式设为%1", nullptr, int(rows.size()))
                                 .arg(bindingLabel(key, customBindingMethods)),
                             3000);
}

void MainWindow::setSelectedRowsText(int column, const QString &text)
{
    const QSignalBlocker blocker(documentTable);
    const ColumnResizeFreeze freeze(documentTable);
    for (int row : selectedRowsAscending()) {
        if (QTableWidgetItem *item = documentTable->item(row, column))
            item->setText(text);
        if (column == UnitPriceColumn)
            markRowUnitPriceTyped(documentTable, row);
    }
}

void MainWindow::askSelectedRowsCopies(int clickedRow, int count)
{
    bool ok = false;
    const int copies =
        QInputDialog::getInt(this, tr("批量设置份数"), tr("将选中的 %n 个文件设置为多少份？", nullptr, count),
                             copiesFromText(cellText(clickedRow, CopiesColumn)), 1, 9999, 1, &ok);
    if (!ok)
        return;
    setSelectedRowsText(CopiesColumn, QString::number(copies));
    recalculate();
    statusBar()->showMessage(tr("已将 %n 个文件的份数设为 %1", nullptr, count).arg(copies), 3000);
}

void MainWindow::askSelectedRowsUnitPrice(int clickedRow, int count)
{
    const MoneyFormat format(activeProfile);
    const double current = std::max(0.0, format.parse(cellText(clickedRow, UnitPriceColumn)));
    bool ok = false;
    const QString answer = QInputDialog::getText(
        this, tr("批量设置单价"),
        tr("将选中的 %n 个文件设置为多少 %1？", nullptr, count).arg(format.currencyCode()), QLineEdit::Normal,
        format.plain(current), &ok);
    if (!ok)
        return;
    bool parsed = false;
    const double price = format.parse(answer, &parsed);
    if (!parsed || price < 0 || price > 9999) {
        QMessageBox::warning(this, tr("输入无效"), tr("请输入 0 到 9999 之间的有效金额。"), QMessageBox::Ok);
        return;
    }
    setSelectedRowsText(UnitPriceColumn, format.plain(price));
    recalculate();
    statusBar()->showMessage(tr("已设置 %n 个文件的单价", nullptr, count), 3000);
}
