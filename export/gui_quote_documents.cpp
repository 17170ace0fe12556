#include "export/gui_quote_documents.h"

#include "export/gui_quote_pdf.h"
#include "export/quote_html.h"
#include "export/quote_language.h"
#include "export/quote_snapshot.h"
#include "export/quote_workbook.h"
#include "pricing/regional_format.h"

#include <QCoreApplication>

QString writeQuoteDocument(const QuoteSnapshot &quote, QuoteDocument kind, const QString &path)
{
    const QuoteLanguage language(quote.language);
    if (kind == QuoteDocument::Workbook)
        return writeQuoteWorkbook(quote, path).errorText;
    const QuotePdfResult result = writeQuotePdf(buildQuoteHtml(quote), displayLocale(quote.profile), path);
    if (result.written)
        return {};
    return QCoreApplication::translate("MainWindow", "无法写入 PDF 报价单：%1\n%2")
        .arg(path, result.errorText);
}
