#include "app/main_window.h"

#include "documents/document_columns.h"

#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>

void MainWindow::showSortMenu(int column)
{
    if (column != FileNameColumn && column != PagesColumn && column != SizeColumn)
        return;
    QMenu menu(this);
    auto addChoice = [&](const QString &text, int attribute, Qt::SortOrder order) {
        QAction *action = menu.addAction(text);
        connect(action, &QAction::triggered, this, [this, column, attribute, order] {
            if (column == FileNameColumn)
                nameSortAttribute = attribute;
            applySort(column, order);
        });
    };
    if (column == FileNameColumn) {
        addChoice(tr("名称：A → Z"), 0, Qt::AscendingOrder);
        addChoice(tr("名称：Z → A"), 0, Qt::DescendingOrder);
        menu.addSeparator();
        addChoice(tr("文件格式：A → Z"), TypeKeyRole, Qt::AscendingOrder);
        addChoice(tr("文件格式：Z → A"), TypeKeyRole, Qt::DescendingOrder);
        menu.addSeparator();
        addChoice(tr("创建时间：新 → 旧"), CreatedRole, Qt::DescendingOrder);
        addChoice(tr("创建时间：旧 → 新"), CreatedRole, Qt::AscendingOrder);
        menu.addSeparator();
        addChoice(tr("文件大小：大 → 小"), SizeRole, Qt::DescendingOrder);
        addChoice(tr("文件大小：小 → 大"), SizeRole, Qt::AscendingOrder);
    } else if (column == PagesColumn) {
        addChoice(tr("页数：升序"), 0, Qt::AscendingOrder);
        addChoice(tr("页数：降序"), 0, Qt::DescendingOrder);
    } else {
        addChoice(tr("尺寸：升序（小 → 大）"), 0, Qt::AscendingOrder);
        addChoice(tr("尺寸：降序（大 → 小）"), 0, Qt::DescendingOrder);
    }
    QHeaderView *header = documentTable->horizontalHeader();
    const QPoint corner(header->sectionViewportPosition(column), header->height());
    menu.exec(header->mapToGlobal(corner));
}

void MainWindow::applySort(int column, Qt::SortOrder order)
{
    sortColumn = column;
    sortOrder = order;
    if (column == FileNameColumn) {
        for (int row = 0; row < documentTable->rowCount(); ++row) {
            QTableWidgetItem *item = documentTable->item(row, FileNameColumn);
            if (!item)
                continue;
            item->setData(SortKeyRole,
                          nameSortAttribute == 0 ? QVariant(item->text()) : item->data(nameSortAttribute));
        }
    }
    documentTable->sortItems(column, order);
}
