#include "app/main_window.h"

#include "documents/column_resize_freeze.h"
#include "documents/document_columns.h"
#include "documents/page_detail_cells.h"
#include "documents/row_unit_price.h"

#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>

void MainWindow::buildPageDetailPass()
{
    pageDetailPass = new PageDetailPass(this);
    // A label of its own beside the language rather than a status message: messages about page
    // counts and edits come and go meanwhile and would hide it.
    auto *progress = new QLabel(statusBar());
    progress->setObjectName(QStringLiteral("pageDetailProgress"));
    statusBar()->insertPermanentWidget(0, progress);
    connect(pageDetailPass, &PageDetailPass::progressChanged, progress, [progress](int done, int total) {
        progress->setText(total > 0 ? tr("正在分析每页颜色和尺寸 %1/%2").arg(done).arg(total) : QString());
    });
    connect(pageDetailPass, &PageDetailPass::detailsReady, this,
            [this](const QList<PageDetailResult> &results) { applyPageDetails(results); });
}

void MainWindow::setPageDetailAnalyzer(const PageDetailAnalyzer &analyzer)
{
    pageDetailPass->setAnalyzer(analyzer);
}

void MainWindow::applyPageDetails(const QList<PageDetailResult> &results)
{
    QHash<QString, int> rowByPath;
    rowByPath.reserve(documentTable->rowCount());
    for (int row = documentTable->rowCount() - 1; row >= 0; --row)
        rowByPath.insert(documentPathAt(row), row);

    QSet<QString> sizeTexts;
    {
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        for (const auto &[path, details, failure, retrying] : results) {
            const int row = rowByPath.value(path, -1);
            if (row < 0)
                continue; // removed while it was measured
            if (failure == PageDetailFailure::None)
                showPageDetails(documentTable, row, details);
            else
                showPageDetailFailure(documentTable, row, failure, retrying);
            if (!rowUnitPriceTyped(documentTable, row, activeProfile))
                writeRowUnitPrice(documentTable, row, activeProfile);
            sizeTexts.insert(cellText(row, SizeColumn));
        }
    }
    raiseSizeColumnWidth(sizeTexts);
    recalculate();
}

int MainWindow::rowsAwaitingPagePrices() const
{
    // Without page-by-page pricing the details change no amount. A Word file's details come from
    // its rendering, so one still waiting for it is being checked too.
    if (!activeProfile.pricePageByPage)
        return 0;
    return pageDetailPass->pendingCount() + wordRenderPass->pendingCount() + int(wordFilesToRender.size());
}

bool MainWindow::refuseExportWhileAwaitingPagePrices()
{
    const int awaiting = rowsAwaitingPagePrices();
    if (awaiting == 0)
        return false;
    QMessageBox::information(this, tr("暂不能导出"),
                             tr("当前价格角色按页计价，还有 %n 个文档正在检查每页的颜色和尺寸，"
                                "检查完成前的金额不是最终金额。请等底部的“暂估”消失后再导出。",
                                nullptr, awaiting));
    return true;
}
