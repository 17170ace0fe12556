#include "export/quote_lines.h"

#include "analysis/document_info.h"
#include "pricing/line_pricing.h"
#include "pricing/regional_format.h"

#include <QCoreApplication>

#include <algorithm>

QString pagesCellText(const DocumentInfo &info)
{
    return QString::number(std::max(info.pageCount, 0));
}

QString sizeCellText(const DocumentInfo &info)
{
    return info.paperSize.isEmpty() ? QCoreApplication::translate("MainWindow", "未知") : info.paperSize;
}

LineInputs quoteRowInputs(const QuoteRow &row)
{
    return {row.pagesText, row.copiesText,  row.unitPriceText, row.binding,
            row.colorMode, row.pageDetails, row.unitPriceTyped};
}

double quoteRowAmount(const QuoteRow &row, const PriceProfile &profile, bool duplex,
                      const MoneyFormat &format)
{
    return lineAmount(quoteRowInputs(row), profile, duplex, format);
}

QuoteRow quoteRowForDocument(const DocumentInfo &info, const QuoteChoices &choices,
                             const PriceProfile &profile, bool duplex, const MoneyFormat &format,
                             const PageDetails &details)
{
    QuoteRow row;
    row.filePath = info.filePath;
    row.fileName = info.fileName;
    row.colorMode = choices.colorMode;
    row.pagesText = pagesCellText(info);
    row.paperSize = sizeCellText(info);
    row.copiesText = QString::number(choices.copies);
    row.unitPriceText = format.plain(pagePriceFor(profile, info.paperSize, choices.colorMode));
    row.binding = choices.binding;
    row.pageDetails = details;
    row.pagesEstimated = info.pageCountEstimated;
    if (pricedPageByPage(quoteRowInputs(row), profile))
        row.unitPriceText = pageByPageUnitPriceText(profile, row.colorMode, details);
    row.lineAmount = quoteRowAmount(row, profile, duplex, format);
    return row;
}

QString pageBreakdownText(const QuoteRow &row, const PriceProfile &profile)
{
    if (!pricedPageByPage(quoteRowInputs(row), profile))
        return {};
    return QCoreApplication::translate("MainWindow", "彩色页 %1 · %2")
        .arg(QString::number(row.pageDetails.colorPages()), pagesPerSizeText(row.pageDetails));
}
