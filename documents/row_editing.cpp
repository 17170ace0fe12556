#include "app/main_window.h"

#include "analysis/document_scan.h"
#include "documents/column_resize_freeze.h"
#include "documents/document_columns.h"
#include "documents/row_unit_price.h"
#include "pricing/regional_format.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>

#include <algorithm>

void MainWindow::applyColorModeToAllRows()
{
    const QString key = colorModeCombo->currentData().toString();
    {
        // Each row's new unit price is valid by construction; one recalculation follows.
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        for (int row = 0; row < documentTable->rowCount(); ++row)
            setRowColorMode(row, key);
    }
    fitChoiceColumns();
    recalculate();
}

void MainWindow::applyBindingToAllRows()
{
    const QString key = bindingCombo->currentData().toString();
    {
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        for (int row = 0; row < documentTable->rowCount(); ++row)
            setRowBinding(row, key);
    }
    fitChoiceColumns();
    recalculate();
}

void MainWindow::applyCopiesToAllRows(int copies)
{
    {
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        const QString text = QString::number(copies);
        for (int row = 0; row < documentTable->rowCount(); ++row) {
            if (QTableWidgetItem *item = documentTable->item(row, CopiesColumn))
                item->setText(text);
        }
    }
    recalculate();
}

void MainWindow::validateEditedCell(int row, int column)
{
    QTableWidgetItem *item = documentTable->item(row, column);
    if (!item || (column != CopiesColumn && column != UnitPriceColumn))
        return;
    QString normal;
    if (column == CopiesColumn) {
        bool ok = false;
        const qlonglong copies = item->text().toLongLong(&ok, 10);
        const bool fitsInt =
            ok && copies >= std::numeric_limits<int>::min() && copies <= std::numeric_limits<int>::max();
        normal = QString::number(fitsInt ? std::clamp<qlonglong>(copies, 1, 9999) : 1);
    } else {
        markRowUnitPriceTyped(documentTable, row);
        const MoneyFormat format(activeProfile);
        bool ok = false;
        double price = format.parse(item->text(), &ok);
        if (!ok || !(price > 0))
            price = 0;
        else if (price > 9999)
            price = 9999;
        normal = format.plain(price);
    }
    if (normal != item->text()) {
        const QSignalBlocker blocker(documentTable);
        item->setText(normal);
    }
    recalculate();
}

// One pass over the list for the whole removal: deleting thousands of selected rows one path at
// a time would scan the list once per row.
void MainWindow::forgetDocumentPaths(const QStringList &paths)
{
    QSet<QString> keys;
    for (const QString &path : paths)
        keys.insert(canonicalDocumentPath(path).toLower());
    for (const QString &key : std::as_const(keys))
        knownDocumentKeys.remove(key);
    knownDocumentPaths.erase(
        std::remove_if(knownDocumentPaths.begin(), knownDocumentPaths.end(),
                       [&keys](const QString &known) { return keys.contains(known.toLower()); }),
        knownDocumentPaths.end());
}

void MainWindow::removeSelectedDocuments()
{
    const QModelIndexList selected = documentTable->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    QList<int> rows;
    for (const QModelIndex &index : selected)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    QStringList removedPaths;
    {
        const ColumnResizeFreeze freeze(documentTable);
        for (int row : std::as_const(rows)) {
            removedPaths.append(documentPathAt(row));
            documentTable->removeRow(row);
        }
    }
    pageDetailPass->cancel(removedPaths);
    forgetWordRendering(removedPaths);
    forgetDocumentPaths(removedPaths);
    if (documentTable->rowCount() > 0)
        documentTable->selectRow(std::min(documentTable->rowCount() - 1, rows.last()));
    recalculate();
    statusBar()->showMessage(tr("已从清单中移除 %n 个文档", nullptr, int(rows.size())), 2500);
}

void MainWindow::clearAll()
{
    if (documentTable->rowCount() == 0)
        return;
    documentTable->setRowCount(0);
    pageDetailPass->cancelAll();
    wordRenderPass->cancelAll();
    wordFilesToRender.clear();
    knownDocumentPaths.clear();
    knownDocumentKeys.clear();
    recalculate();
    statusBar()->showMessage(tr("清单已清空"), 2500);
}
