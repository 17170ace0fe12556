#include "app/main_window.h"

#include "analysis/document_analyzer.h"
#include "analysis/legacy_doc_analyzer.h"
#include "analysis/paper_size.h"
#include "documents/column_resize_freeze.h"
#include "documents/document_columns.h"
#include "documents/row_unit_price.h"
#include "export/quote_lines.h"

#include <QFutureWatcher>
#include <QHash>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>
#include <QtConcurrent>

#include <algorithm>

namespace {

// A task that ended with an exception still answers for its files, so the pending count
// reaches zero and the rows stop spinning.
QList<DocumentInfo> notDetected(const QList<QString> &paths)
{
    QList<DocumentInfo> results;
    for (const QString &path : paths)
        results.append(documentInfoFor(path));
    return results;
}

} // namespace

void MainWindow::startAnalysis(const QString &path)
{
    auto *watcher = new QFutureWatcher<DocumentInfo>(this);
    ++pendingAnalyses;
    connect(watcher, &QFutureWatcher<DocumentInfo>::finished, this, [this, watcher, path] {
        QList<DocumentInfo> results;
        try {
            results.append(watcher->result());
        } catch (...) {
            results = notDetected({path});
        }
        watcher->deleteLater();
        queueAnalysisResults(results);
    });
    watcher->setFuture(QtConcurrent::run(&analysisPool, analyzeDocument, path));
}

void MainWindow::analyzeLegacyDocBatch(const QList<QString> &paths)
{
    if (paths.isEmpty())
        return;
    pendingAnalyses += paths.size();
    auto *watcher = new QFutureWatcher<QList<DocumentInfo>>(this);
    connect(watcher, &QFutureWatcher<QList<DocumentInfo>>::finished, this, [this, watcher, paths] {
        QList<DocumentInfo> results;
        try {
            results = watcher->result();
        } catch (...) {
            results = notDetected(paths);
        }
        watcher->deleteLater();
        queueAnalysisResults(results);
    });
    watcher->setFuture(QtConcurrent::run(&legacyDocPool, analyzeLegacyDocuments, QStringList(paths)));
}

// Results that finish close together are applied in one pass with one recalculation and one
// re-sort; once the event loop is idle the table reads as if they had been applied one by one.
void MainWindow::queueAnalysisResults(const QList<DocumentInfo> &results)
{
    queuedResults.append(results);
    if (resultFlushScheduled)
        return;
    resultFlushScheduled = true;
    QMetaObject::invokeMethod(
        this, [this] { applyQueuedResults(); }, Qt::QueuedConnection);
}

void MainWindow::applyAnalysisResult(const DocumentInfo &info)
{
    queuedResults.append(info);
    applyQueuedResults();
}

void MainWindow::applyQueuedResults()
{
    resultFlushScheduled = false;
    QList<DocumentInfo> results;
    results.swap(queuedResults);
    if (results.isEmpty())
        return;

    QHash<QString, int> rowByPath;
    rowByPath.reserve(documentTable->rowCount());
    for (int row = documentTable->rowCount() - 1; row >= 0; --row)
        rowByPath.insert(documentPathAt(row), row); // lowest row wins

    QSet<QString> sizeTexts;
    {
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        for (const DocumentInfo &info : std::as_const(results)) {
            --pendingAnalyses;
            const int row = rowByPath.value(info.filePath, -1);
            if (row >= 0) {
                writeAnalysisResult(row, info);
                sizeTexts.insert(cellText(row, SizeColumn));
                // Word files get their page details from the office suite's rendering.
                if (!queueWordRendering(info) && info.pageCount >= 1)
                    pageDetailPass->enqueue(info);
            }
        }
    }
    raiseSizeColumnWidth(sizeTexts);
    recalculate();
    if (sortColumn >= 0)
        applySort(sortColumn, sortOrder);
    reportAnalysisProgress();
    startQueuedWordRendering();
    for (const DocumentInfo &info : std::as_const(results))
        showLegacyDocNoticeIfNeeded(info);
}

void MainWindow::writeAnalysisResult(int row, const DocumentInfo &info)
{
    const bool detected = info.pageCount >= 1;
    if (QTableWidgetItem *pages = documentTable->item(row, PagesColumn)) {
        pages->setData(AnalysingRole, QVariant());
        pages->setData(PageDetailsRole, QVariant()); // measured again for this count
        const int count = std::max(info.pageCount, 0);
        pages->setText(pagesCellText(info));
        pages->setData(SortKeyRole, count);
        pages->setData(PageCountEstimatedRole, info.pageCountEstimated);
        pages->setForeground(QColor(detected ? QStringLiteral("#202938") : QStringLiteral("#D78624")));
        pages->setToolTip(!detected ? tr("未能识别文件页数")
                          : info.pageCountEstimated ? tr("页数为估计值：文件已损坏，按其中的页面对象计数")
                          : info.countFromFallbackReader ? tr("页数由备用 PDF 阅读器识别，不可手动修改")
                                                         : tr("文件识别页数，不可手动修改"));
    }
    if (QTableWidgetItem *size = documentTable->item(row, SizeColumn)) {
        size->setText(sizeCellText(info));
        size->setData(SortKeyRole, paperSizeSortKey(info.paperSize));
        size->setToolTip(info.paperSize.isEmpty() ? tr("未能读取文档纸张尺寸")
                                                  : tr("文档纸张尺寸：%1").arg(info.paperSize));
    }
    writeRowUnitPrice(documentTable, row, activeProfile);
}

void MainWindow::showLegacyDocNoticeIfNeeded(const DocumentInfo &info)
{
    if (info.fileType != QLatin1String("DOC") || info.pageCount > 0 || legacyDocNoticeShown ||
        isWordAutomationAvailable())
        return;
    legacyDocNoticeShown = true;
    QMessageBox::information(this, tr("旧版 DOC 识别受限"),
                             tr("未安装 LibreOffice，且该 DOC 文件没有可用的内置页数。\n"
                                "PDF 和 DOCX 仍可正常使用；如需识别此类旧版 DOC，请安装 LibreOffice。"),
                             QMessageBox::Ok);
}

void MainWindow::reportAnalysisProgress()
{
    if (pendingAnalyses <= 0)
        statusBar()->showMessage(tr("文档页数识别完成"), 3000);
    else
        statusBar()->showMessage(tr("正在后台识别页数，还剩 %n 个文档…", nullptr, pendingAnalyses));
}
