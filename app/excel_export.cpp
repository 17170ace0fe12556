#include "app/main_window.h"

#include "export/quote_workbook.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>

void MainWindow::exportExcel()
{
    if (refuseExportWhileAwaitingPagePrices())
        return;
    const QString defaultPath =
        QDir::homePath() +
        tr("/核价明细_%1.xlsx").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmm")));
    QString path =
        QFileDialog::getSaveFileName(this, tr("导出 Excel 明细"), defaultPath, tr("Excel 工作簿 (*.xlsx)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        path += QLatin1String(".xlsx");
    const WorkbookResult result = writeQuoteWorkbook(quoteSnapshot(), path);
    if (result.status != WorkbookStatus::Written) {
        QMessageBox::warning(this, tr("导出失败"), result.errorText);
        return;
    }
    statusBar()->showMessage(tr("Excel 明细已导出：%1").arg(path), 5000);
}
