#pragma once

#include "export/quote_snapshot.h"
#include "pricing/line_pricing.h"

struct DocumentInfo;
class MoneyFormat;

// The top-bar choices a new row takes over.
struct QuoteChoices
{
    QString colorMode = QStringLiteral("blackWhite");
    QString binding = QStringLiteral("none");
    int copies = 1;
};

// The texts an analysed document shows in its pages and size cells.
QString pagesCellText(const DocumentInfo &info);
QString sizeCellText(const DocumentInfo &info);

// The inputs the bottom bar prices a row with.
LineInputs quoteRowInputs(const QuoteRow &row);

// A row's amount exactly as the bottom bar adds it up.
double quoteRowAmount(const QuoteRow &row, const PriceProfile &profile, bool duplex,
                      const MoneyFormat &format);

// The row the window shows for an analysed document added with these choices, priced. With page
// details and a profile that prices page by page, the unit price is the average page cost.
QuoteRow quoteRowForDocument(const DocumentInfo &info, const QuoteChoices &choices,
                             const PriceProfile &profile, bool duplex, const MoneyFormat &format,
                             const PageDetails &details = {});

// What the pages of a row priced page by page are: "彩色页 3 · A4 38, A3 2" (context
// "MainWindow"). Empty for a row priced as one size and colour.
QString pageBreakdownText(const QuoteRow &row, const PriceProfile &profile);
