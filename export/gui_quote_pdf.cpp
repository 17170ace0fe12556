#include "export/gui_quote_pdf.h"

#include "export/gui_text_print.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

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
    bool printed = false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(usesLetterPaper(locale) ? QPageSize::Letter : QPageSize::A4));
        writer.setCreator(QStringLiteral("Orvanta"));
        // The style sheet sizes text in CSS pixels, which the document takes as device pixels: at
        // the writer's default 1200 dpi they would print a few points high.
        writer.setResolution(96);
        printed = printHtmlDocument(html, writer);
    } // the writer finishes the file when it goes
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!printed || file.size() == 0) {
        file.cancelWriting();
        return {false, QCoreApplication::translate("MainWindow", "无法生成 PDF 页面")};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, QString()};
}
