#include "app/main_window.h"

#include "documents/desktop_launcher.h"
#include "documents/document_columns.h"
#include "pricing/price_profile.h"

#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMessageBox>
#include <QPersistentModelIndex>
#include <QTableWidget>
#include <QUrl>

#include <functional>
#include <vector>

void MainWindow::showRowContextMenu(const QPoint &position)
{
    const QModelIndex index = documentTable->indexAt(position);
    if (!index.isValid())
        return;
    const int row = index.row();
    QItemSelectionModel *selection = documentTable->selectionModel();
    if (!selection->isRowSelected(row, QModelIndex()))
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const int count = int(selectedRowsAscending().size());
    const QString path = documentPathAt(row);
    // Results that arrive while the menu is open may re-sort the rows; the clicked document is
    // followed rather than its old row number.
    const QPersistentModelIndex clicked(index);

    QMenu menu(this);
    std::vector<std::pair<QAction *, std::function<void()>>> handlers;
    auto addEntry = [&handlers](QMenu *into, const QString &text, std::function<void()> handler) {
        QAction *action = into->addAction(text);
        handlers.emplace_back(action, std::move(handler));
        return action;
    };

    const bool fileExists = QFileInfo::exists(path);
    addEntry(&menu, tr("打开文件"), [this, path] { openDocument(path); })->setEnabled(fileExists);
    addEntry(&menu, tr("打开文件所在位置"), [this, path] { showInFolder(path); })->setEnabled(fileExists);

    if (count > 1) {
        menu.addSeparator();
        QMenu *colors = menu.addMenu(tr("颜色"));
        for (const QString &key : colorModeKeys())
            addEntry(colors, colorModeLabel(key), [this, key] { setSelectedRowsColorMode(key); });
        addEntry(&menu, tr("份数…"), [this, clicked, count] { askSelectedRowsCopies(clicked.row(), count); });
        addEntry(&menu, tr("单价…"),
                 [this, clicked, count] { askSelectedRowsUnitPrice(clicked.row(), count); });
        QMenu *bindings = menu.addMenu(tr("装订方式"));
        for (const QString &key : bindingKeys(customBindingMethods))
            addEntry(bindings, bindingLabel(key, customBindingMethods),
                     [this, key] { setSelectedRowsBinding(key); });
    }

    bool rendered = false;
    if (const QStringList switchable = selectedDocumentsWithRenderedAlternative(&rendered);
        !switchable.isEmpty()) {
        // Checked while every such selected row is priced by its rendering; choosing it switches them all.
        menu.addSeparator();
        QAction *action = addEntry(&menu, tr("按渲染页数计价"), [this, switchable, rendered] {
            setDocumentsUseRenderedCount(switchable, !rendered);
        });
        action->setCheckable(true);
        action->setChecked(rendered);
    }

    menu.addSeparator();
    const bool single = count <= 1;
    addEntry(&menu, tr("上移"), [this, clicked] {
        if (clicked.isValid())
            moveRow(clicked.row(), clicked.row() - 1);
    })->setEnabled(single && row > 0);
    addEntry(&menu, tr("下移"), [this, clicked] {
        if (clicked.isValid())
            moveRow(clicked.row(), clicked.row() + 1);
    })->setEnabled(single && row + 1 < documentTable->rowCount());
    addEntry(&menu, tr("删除"), [this] { removeSelectedDocuments(); });

    QAction *chosen = menu.exec(documentTable->viewport()->mapToGlobal(position));
    for (const auto &[action, handler] : handlers) {
        if (action == chosen) {
            handler();
            break;
        }
    }
}

void MainWindow::openDocument(const QString &path)
{
    if (!path.isEmpty() && desktopLauncher.openUrl && desktopLauncher.openUrl(QUrl::fromLocalFile(path)))
        return;
    QMessageBox::warning(this, tr("无法打开文件"), tr("无法使用电脑默认软件打开该文件：\n%1").arg(path),
                         QMessageBox::Ok);
}

void MainWindow::showInFolder(const QString &path)
{
    if (path.isEmpty() || revealInFolder(path, desktopLauncher))
        return;
    QMessageBox::warning(this, tr("无法定位文件"), tr("无法打开文件所在位置：\n%1").arg(path),
                         QMessageBox::Ok);
}
