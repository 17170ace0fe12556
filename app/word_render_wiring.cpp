#include "app/main_window.h"

#include "analysis/paper_size.h"
#include "documents/column_resize_freeze.h"
#include "documents/document_columns.h"
#include "documents/page_count_cells.h"
#include "documents/row_unit_price.h"

#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>

#include <algorithm>

void MainWindow::buildWordRenderPass()
{
    wordRenderPass = new WordRenderPass(this);
    auto *progress = new QLabel(statusBar());
    progress->setObjectName(QStringLiteral("wordRenderProgress"));
    statusBar()->insertPermanentWidget(0, progress);
    connect(wordRenderPass, &WordRenderPass::busyChanged, progress, [progress](int files) {
        progress->setText(files > 0 ? tr("正在渲染 %n 个 Word 文件", nullptr, files) : QString());
    });
    connect(wordRenderPass, &WordRenderPass::renderingsReady, this,
            [this](const QList<WordRenderResult> &results) { applyWordRenderings(results); });
}

void MainWindow::setWordRenderer(const WordRenderer &renderer)
{
    wordRenderPass->setRenderer(renderer);
}

bool MainWindow::queueWordRendering(const DocumentInfo &info)
{
    if (!wordRenderPass->isAvailable() || !hasWordSuffix(info.filePath))
        return false;
    wordFilesToRender.append(info.filePath);
    return true;
}

// One run of the suite per drop: the files wait until every page count of the drop is shown.
void MainWindow::startQueuedWordRendering()
{
    if (pendingAnalyses > 0 || wordFilesToRender.isEmpty())
        return;
    wordRenderPass->enqueue(wordFilesToRender);
    wordFilesToRender.clear();
}

void MainWindow::forgetWordRendering(const QStringList &paths)
{
    wordRenderPass->cancel(paths);
    for (const QString &path : paths)
        wordFilesToRender.removeAll(path);
}

void MainWindow::applyWordRenderings(const QList<WordRenderResult> &results)
{
    QHash<QString, int> rowByPath;
    for (int row = documentTable->rowCount() - 1; row >= 0; --row)
        rowByPath.insert(documentPathAt(row), row);
    QSet<QString> sizeTexts;
    {
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        for (const auto &[path, rendering] : results) {
            const int row = rowByPath.value(path, -1);
            if (row < 0)
                continue;
            if (rendering.outcome == WordRenderOutcome::NotRendered) {
                // Not a Word file after all: measured as the first pass saw it.
                DocumentInfo info = documentInfoFor(path);
                info.pageCount = cellText(row, PagesColumn).toInt();
                if (info.pageCount >= 1)
                    pageDetailPass->enqueue(info);
                continue;
            }
            QTableWidgetItem *size = documentTable->item(row, SizeColumn);
            if (size && !rendering.paperSize.isEmpty() && size->data(SortKeyRole).toDouble() <= 0) {
                size->setText(rendering.paperSize);
                size->setData(SortKeyRole, paperSizeSortKey(rendering.paperSize));
                size->setToolTip(tr("文档纸张尺寸：%1").arg(rendering.paperSize));
            }
            showWordRendering(documentTable, row, rendering, false);
            if (!rowUnitPriceTyped(documentTable, row, activeProfile))
                writeRowUnitPrice(documentTable, row, activeProfile);
            sizeTexts.insert(cellText(row, SizeColumn));
        }
    }
    raiseSizeColumnWidth(sizeTexts);
    recalculate();
    if (sortColumn >= 0)
        applySort(sortColumn, sortOrder);
}

void MainWindow::setDocumentsUseRenderedCount(const QStringList &paths, bool useRendered)
{
    {
        const QSignalBlocker blocker(documentTable);
        for (int row = 0; row < documentTable->rowCount(); ++row) {
            if (!paths.contains(documentPathAt(row)) || !rowHasRenderedAlternative(documentTable, row))
                continue;
            showWordRendering(documentTable, row, rowWordRendering(documentTable, row), useRendered);
            if (!rowUnitPriceTyped(documentTable, row, activeProfile))
                writeRowUnitPrice(documentTable, row, activeProfile);
        }
    }
    documentTable->viewport()->update();
    recalculate();
    if (sortColumn >= 0)
        applySort(sortColumn, sortOrder);
}

QStringList MainWindow::selectedDocumentsWithRenderedAlternative(bool *allUseRendered) const
{
    QStringList paths;
    bool all = true;
    for (const int row : selectedRowsAscending()) {
        if (rowHasRenderedAlternative(documentTable, row)) {
            paths.append(documentPathAt(row));
            all = all && rowUsesRenderedCount(documentTable, row);
        }
    }
    *allUseRendered = all && !paths.isEmpty();
    return paths;
}

void MainWindow::showPageCountMenu(int row)
{
    if (row < 0 || row >= documentTable->rowCount() || !rowHasRenderedAlternative(documentTable, row))
        return;
    const WordRendering rendering = rowWordRendering(documentTable, row);
    const bool rendered = rowUsesRenderedCount(documentTable, row);
    const QString document = documentPathAt(row);
    auto *menu = new QMenu(documentTable);
    menu->setObjectName(QStringLiteral("pageCountMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const std::pair<QString, bool> choices[] = {
        {tr("按文件存储页数计价：%1 页").arg(rendering.storedPages), false},
        {tr("按渲染页数计价：%1 页").arg(rendering.renderedPages), true}};
    for (const auto &[text, useRendered] : choices) {
        QAction *action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(useRendered == rendered);
        connect(action, &QAction::triggered, this,
                [this, document, use = useRendered] { setDocumentsUseRenderedCount({document}, use); });
    }
    const QTableWidgetItem *item = documentTable->item(row, PagesColumn);
    const QPoint corner = item ? documentTable->visualItemRect(item).bottomLeft() : QPoint(0, -1);
    menu->popup(documentTable->viewport()->mapToGlobal(corner));
}
