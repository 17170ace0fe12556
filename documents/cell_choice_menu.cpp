#include "app/main_window.h"

#include "documents/document_columns.h"
#include "pricing/price_profile.h"

#include <QMenu>
#include <QTableWidget>

#include <algorithm>

void MainWindow::showCellChoiceMenu(int row, int column)
{
    if (column == PagesColumn) {
        showPageCountMenu(row);
        return;
    }
    if ((column != ColorColumn && column != BindingColumn) || row < 0 || row >= documentTable->rowCount())
        return;
    const bool colorColumn = column == ColorColumn;
    auto *menu = new QMenu(documentTable);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString current = colorColumn ? rowColorMode(row) : rowBinding(row);
    // The menu does not block: meanwhile results may re-sort the rows and rows may be moved or
    // removed, so the choice goes to the document the menu was opened for, found by its path.
    const QString document = documentPathAt(row);
    const QFontMetrics metrics(menu->font());
    int width = documentTable->columnWidth(column);
    const QStringList keys = colorColumn ? colorModeKeys() : bindingKeys(customBindingMethods);
    for (const QString &key : keys) {
        const QString text = colorColumn ? colorModeLabel(key) : bindingLabel(key, customBindingMethods);
        QAction *action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(key == current);
        action->setData(key);
        width = std::max(width, metrics.horizontalAdvance(text) + 42);
        connect(action, &QAction::triggered, this, [this, document, colorColumn, key] {
            int target = documentTable->rowCount() - 1;
            while (target >= 0 && documentPathAt(target) != document)
                --target;
            if (target < 0)
                return;
            if (colorColumn)
                setRowColorMode(target, key);
            else
                setRowBinding(target, key);
            fitChoiceColumns();
            recalculate();
        });
    }
    menu->setMinimumWidth(width);
    const QTableWidgetItem *item = documentTable->item(row, column);
    const QPoint corner = item ? documentTable->visualItemRect(item).bottomLeft() : QPoint(0, -1);
    menu->popup(documentTable->viewport()->mapToGlobal(corner));
}
