#include "export/gui_quote_pdf.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

bool usesLetterPaper(const QLocale &locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
        return true;
    default:
        return false;
    }
}

QuotePdfResult writeQuotePdf(const QString &html, const QLocale &locale, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(usesLetterPaper(locale) ? QPageSize::Letter : QPageSize::A4));
        writer.setCreator(QStringLiteral("Orvanta"));
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
    } // the writer finishes the file when it goes
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (file.size() == 0) {
        file.cancelWriting();
        return {false, QCoreApplication::translate("MainWindow", "无法生成 PDF 页面")};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, QString()};
}
