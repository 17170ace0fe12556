#include "app/main_window.h"

#include "analysis/document_scan.h"
#include "documents/column_resize_freeze.h"
#include "documents/document_columns.h"
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

void MainWindow::forgetDocumentPath(const QString &path)
{
    const QString key = canonicalDocumentPath(path).toLower();
    knownDocumentKeys.remove(key);
    knownDocumentPaths.erase(std::remove_if(knownDocumentPaths.begin(), knownDocumentPaths.end(),
                                            [&key](const QString &known) { return known.toLower() == key; }),
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
    for (int row : std::as_const(rows)) {
        forgetDocumentPath(documentPathAt(row));
        documentTable->removeRow(row);
    }
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
    knownDocumentPaths.clear();
    knownDocumentKeys.clear();
    recalculate();
    statusBar()->showMessage(tr("清单已清空"), 2500);
}
