#include "app/main_window.h"

#include "analysis/document_scan.h"
#include "documents/column_resize_freeze.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QUrl>

void MainWindow::addPaths(const QStringList &paths)
{
    const DocumentScan scan = scanPaths(paths);
    if (scan.supported.isEmpty() && !paths.isEmpty()) {
        if (scan.unsupported.isEmpty()) {
            statusBar()->showMessage(tr("没有找到支持的 PDF、Word、WPS 或图片文件"), 4000);
        } else {
            QMessageBox::information(
                this, tr("导入完成"),
                tr("导入了 0 个文件，%1 个不支持的文件未导入").arg(scan.unsupported.size()), QMessageBox::Ok);
        }
        return;
    }

    // Every file is checked against the list as it was before this drop.
    QStringList newFiles;
    QStringList newKeys;
    for (const QString &path : scan.supported) {
        const QString canonical = canonicalDocumentPath(path);
        if (!knownDocumentKeys.contains(canonical.toLower())) {
            newFiles.append(path);
            newKeys.append(canonical);
        }
    }

    QList<QString> legacyDocuments;
    {
        // Row creation writes cells; validating each write would recalculate once per cell.
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        documentTable->setUpdatesEnabled(false);
        addingDocuments = true;
        reservedRows = newFiles.size();
        documentTable->setRowCount(documentTable->rowCount() + reservedRows);
        for (int i = 0; i < newFiles.size(); ++i) {
            addDocument(newFiles.at(i));
            knownDocumentPaths.append(newKeys.at(i));
            knownDocumentKeys.insert(newKeys.at(i).toLower());
            if (isLegacyDocSuffix(newFiles.at(i)))
                legacyDocuments.append(newFiles.at(i));
        }
        addingDocuments = false;
        measuredChoiceTexts.clear();
        documentTable->setUpdatesEnabled(true);
    }
    if (!newFiles.isEmpty())
        fitChoiceColumns();
    analyzeLegacyDocBatch(legacyDocuments);
    recalculate();

    if (!newFiles.isEmpty())
        statusBar()->showMessage(tr("已添加 %n 个文档，正在后台识别页数…", nullptr, int(newFiles.size())));
    else
        statusBar()->showMessage(tr("所选文档已在清单中"), 3000);

    if (!scan.unsupported.isEmpty()) {
        QMessageBox::information(
            this, tr("导入完成"),
            tr("导入了 %1 个文件，%2 个不支持的文件未导入").arg(newFiles.size()).arg(scan.unsupported.size()),
            QMessageBox::Ok);
    }
}

void MainWindow::setDropActive(bool on)
{
    if (documentTable->property("dropActive").toBool() == on)
        return;
    documentTable->setProperty("dropActive", on);
    documentTable->setStyleSheet(
        on ? QStringLiteral("QTableWidget#documentTable { border: 2px solid #3157D5; background: #F5F7FF; }")
           : QString());
    documentTable->viewport()->update();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    setDropActive(true);
    event->acceptProposedAction();
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDropActive(false);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    setDropActive(false);
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    addPaths(paths);
    event->acceptProposedAction();
}
