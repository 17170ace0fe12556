#pragma once

#include "export/quote_snapshot.h"

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

// A row's amount exactly as the bottom bar adds it up.
double quoteRowAmount(const QuoteRow &row, const PriceProfile &profile, bool duplex,
                      const MoneyFormat &format);

// The row the window shows for an analysed document added with these choices, priced.
QuoteRow quoteRowForDocument(const DocumentInfo &info, const QuoteChoices &choices,
                             const PriceProfile &profile, bool duplex, const MoneyFormat &format);
