#include "export/quote_snapshot.h"

#include "pricing/line_pricing.h"

#include <algorithm>
#include <limits>

QuoteTotals quoteTotals(const QuoteSnapshot &snapshot)
{
    double sum = 0;
    qint64 copies = 0;
    for (const QuoteRow &row : snapshot.rows) {
        sum += row.lineAmount;
        copies += copiesFromText(row.copiesText);
    }
    return computeQuoteTotals(sum, int(std::min<qint64>(copies, std::numeric_limits<int>::max())), snapshot.profile);
}
