#include "app/main_window.h"

#include "export/gui_quote_documents.h"
#include "export/quote_html.h"
#include "export/quote_snapshot.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

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
    const QuoteSnapshot quote = issuedQuote();
    const QString error = writeQuoteDocument(quote, QuoteDocument::Pdf, path);
    if (error.isEmpty())
        recordIssuedQuote(quote, tr("PDF 报价单已导出：%1").arg(path));
    else
        QMessageBox::warning(this, tr("导出失败"), error);
}
