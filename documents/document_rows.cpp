#include "app/main_window.h"

#include "analysis/document_scan.h"
#include "documents/document_columns.h"
#include "documents/row_unit_price.h"
#include "documents/sortable_table_widget_item.h"
#include "pricing/line_pricing.h"
#include "pricing/regional_format.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

QTableWidgetItem *MainWindow::makeItem(const QString &text, Qt::Alignment alignment, bool editable) const
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

void MainWindow::addDocument(const QString &path)
{
    const QFileInfo info(path);
    const QString absolutePath = info.absoluteFilePath();
    // A drop reserves all its rows at once: inserting them one by one relayouts every spinner
    // of the table for each new row.
    int row = documentTable->rowCount();
    if (reservedRows > 0) {
        row -= reservedRows--;
    } else {
        documentTable->insertRow(row);
        documentTable->setRowHeight(row, DocumentRowHeight);
    }

    auto *nameItem = new SortableTableWidgetItem(info.fileName());
    nameItem->setData(PathRole, absolutePath);
    nameItem->setData(SortKeyRole, info.fileName());
    QDateTime created = info.birthTime();
    if (!created.isValid())
        created = info.lastModified();
    nameItem->setData(CreatedRole, created.toMSecsSinceEpoch());
    nameItem->setData(SizeRole, info.size());
    nameItem->setData(TypeKeyRole,
                      QString(info.suffix().toLower() + QLatin1Char('\t') + info.fileName().toLower()));
    nameItem->setToolTip(absolutePath);
    nameItem->setFlags(nameItem->flags() & ~Qt::ItemIsEditable);
    documentTable->setItem(row, FileNameColumn, nameItem);

    setRowColorMode(row, colorModeCombo->currentData().toString());

    auto *pagesItem = new SortableTableWidgetItem;
    pagesItem->setData(SortKeyRole, 0);
    pagesItem->setTextAlignment(Qt::AlignCenter);
    pagesItem->setFlags(pagesItem->flags() & ~Qt::ItemIsEditable);
    pagesItem->setToolTip(tr("正在后台识别页数，识别结果不可手动修改"));
    pagesItem->setData(AnalysingRole, true);
    documentTable->setItem(row, PagesColumn, pagesItem);

    auto *sizeItem = new SortableTableWidgetItem;
    sizeItem->setData(SortKeyRole, 0.0);
    sizeItem->setTextAlignment(Qt::AlignCenter);
    sizeItem->setFlags(sizeItem->flags() & ~Qt::ItemIsEditable);
    sizeItem->setToolTip(tr("正在识别文档纸张尺寸"));
    documentTable->setItem(row, SizeColumn, sizeItem);

    QTableWidgetItem *copiesItem =
        makeItem(QString::number(globalCopiesSpin->value()), Qt::AlignCenter, true);
    copiesItem->setToolTip(tr("双击可修改份数"));
    documentTable->setItem(row, CopiesColumn, copiesItem);

    QTableWidgetItem *priceItem =
        makeItem(unitPriceText(QString(), rowColorMode(row)), Qt::AlignCenter, true);
    priceItem->setToolTip(tr("双击可修改单价"));
    documentTable->setItem(row, UnitPriceColumn, priceItem);

    setRowBinding(row, bindingCombo->currentData().toString());
    documentTable->setItem(row, AmountColumn, makeItem(QStringLiteral("0.00"), Qt::AlignCenter, false));

    setEmptyHintVisible(false);
    if (addingDocuments)
        raiseChoiceColumnWidths(row);
    else
        fitChoiceColumns();

    if (!isLegacyDocSuffix(absolutePath))
        startAnalysis(absolutePath);
}

QString MainWindow::documentPathAt(int row) const
{
    if (row < 0 || row >= documentTable->rowCount())
        return {};
    const QTableWidgetItem *item = documentTable->item(row, FileNameColumn);
    return item ? item->data(PathRole).toString() : QString();
}

QString MainWindow::cellText(int row, int column) const
{
    const QTableWidgetItem *item = documentTable->item(row, column);
    return item ? item->text() : QString();
}

QString MainWindow::rowColorMode(int row) const
{
    const QTableWidgetItem *item = documentTable->item(row, ColorColumn);
    return item ? item->data(PathRole).toString() : QStringLiteral("blackWhite");
}

QString MainWindow::rowBinding(int row) const
{
    const QTableWidgetItem *item = documentTable->item(row, BindingColumn);
    return item ? item->data(PathRole).toString() : QStringLiteral("none");
}

void MainWindow::setRowColorMode(int row, const QString &key)
{
    if (row < 0 || row >= documentTable->rowCount())
        return;
    QTableWidgetItem *item = documentTable->item(row, ColorColumn);
    if (!item) {
        item = makeItem(QString(), Qt::AlignLeft | Qt::AlignVCenter, false);
        documentTable->setItem(row, ColorColumn, item);
    }
    item->setData(PathRole, key);
    item->setText(colorModeLabel(key));
    item->setToolTip(tr("单击可修改颜色"));
    writeRowUnitPrice(documentTable, row, activeProfile);
}

void MainWindow::setRowBinding(int row, const QString &key)
{
    if (row < 0 || row >= documentTable->rowCount())
        return;
    QTableWidgetItem *item = documentTable->item(row, BindingColumn);
    if (!item) {
        item = makeItem(QString(), Qt::AlignLeft | Qt::AlignVCenter, false);
        documentTable->setItem(row, BindingColumn, item);
    }
    item->setData(PathRole, key);
    item->setText(bindingLabel(key, customBindingMethods));
    item->setToolTip(tr("装订费：%1/份").arg(formatMoney(activeProfile, bindingFeeFor(activeProfile, key))));
}

void MainWindow::moveRow(int from, int to)
{
    const int rows = documentTable->rowCount();
    if (from < 0 || from >= rows || to < 0 || to >= rows || from == to)
        return;
    const QSignalBlocker blocker(documentTable);
    QList<QTableWidgetItem *> items;
    for (int column = 0; column < DocumentColumnCount; ++column)
        items.append(documentTable->takeItem(from, column));
    documentTable->removeRow(from);
    documentTable->insertRow(to);
    documentTable->setRowHeight(to, DocumentRowHeight);
    for (int column = 0; column < DocumentColumnCount; ++column)
        documentTable->setItem(to, column, items.at(column));
    documentTable->selectRow(to);
    recalculate();
}
