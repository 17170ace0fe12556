#include "export/quote_snapshot.h"

#include "pricing/line_pricing.h"
#include "pricing/regional_format.h"

#include <algorithm>
#include <limits>

namespace {

int clampedInt(qint64 value)
{
    return int(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

} // namespace

QuoteTotals quoteTotals(const QuoteSnapshot &snapshot)
{
    if (snapshot.totals)
        return *snapshot.totals;
    double sum = 0;
    qint64 copies = 0;
    for (const QuoteRow &row : snapshot.rows) {
        sum += row.lineAmount;
        copies += copiesFromText(row.copiesText);
    }
    return computeQuoteTotals(sum, clampedInt(copies), snapshot.profile);
}

QString quoteNumberOf(const QuoteSnapshot &snapshot)
{
    return snapshot.quoteNumber.isEmpty()
               ? QStringLiteral("Q%1").arg(snapshot.createdAt.toString(QStringLiteral("yyyyMMddhhmmss")))
               : snapshot.quoteNumber;
}

void issueQuote(QuoteSnapshot &snapshot, const QString &number, const QString &language)
{
    snapshot.quoteNumber = number;
    snapshot.language = language;
    if (snapshot.profile.localeName.isEmpty())
        snapshot.profile.localeName = displayLocale(snapshot.profile).name();
    snapshot.totals.reset();
    snapshot.totals = quoteTotals(snapshot);
}

int quotePageCount(const QuoteSnapshot &snapshot)
{
    qint64 pages = 0;
    for (const QuoteRow &row : snapshot.rows)
        pages += qint64(pageCountFromText(row.pagesText)) * copiesFromText(row.copiesText);
    return clampedInt(pages);
}
