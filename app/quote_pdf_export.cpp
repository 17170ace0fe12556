#include "app/main_window.h"

#include "export/gui_quote_pdf.h"
#include "export/quote_html.h"
#include "export/quote_snapshot.h"
#include "pricing/regional_format.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>

QString MainWindow::buildQuoteHtml() const
{
    return ::buildQuoteHtml(quoteSnapshot());
}

QString MainWindow::makeQuoteNumber() const
{
    return ::makeQuoteNumber(QDateTime::currentDateTime());
}

void MainWindow::exportQuotePdf()
{
    if (refuseExportWhileAwaitingPagePrices())
        return;
    const QString defaultPath =
        QDir::homePath() +
        tr("/打印报价单_%1.pdf").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmm")));
    const QString path =
        QFileDialog::getSaveFileName(this, tr("导出 PDF 报价单"), defaultPath, tr("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    const QuotePdfResult result = writeQuotePdf(buildQuoteHtml(), displayLocale(activeProfile), path);
    if (result.written)
        statusBar()->showMessage(tr("PDF 报价单已导出：%1").arg(path), 5000);
    else
        QMessageBox::warning(this, tr("导出失败"),
                             tr("无法写入 PDF 报价单：%1\n%2").arg(path, result.errorText));
}
