#include "app/main_window.h"

#include "export/gui_quote_documents.h"
#include "export/quote_snapshot.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

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
    const QuoteSnapshot quote = issuedQuote();
    const QString error = writeQuoteDocument(quote, QuoteDocument::Workbook, path);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, tr("导出失败"), error);
        return;
    }
    recordIssuedQuote(quote, tr("Excel 明细已导出：%1").arg(path));
}
