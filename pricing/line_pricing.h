#pragma once

#include "analysis/page_details.h"
#include "pricing/price_profile.h"

#include <QString>

class MoneyFormat;

// Slot a paper-size text prices as: its first space-separated word, upper-cased.
PaperSizeSlot pageSlotFor(const QString &paperSize);
double pagePriceFor(const PriceProfile &profile, const QString &paperSize, const QString &colorMode);
// The text written into a unit-price cell.
QString unitPriceText(const PriceProfile &profile, const QString &paperSize, const QString &colorMode);

// Page count of a pages-cell text: 0 unless it is a base-10 int of at least 1.
int pageCountFromText(const QString &text);
// Copies of a copies-cell text: 1 unless it is a base-10 int of at least 2.
int copiesFromText(const QString &text);

// The cells of one table row that its amount depends on.
struct LineInputs
{
    QString pagesText;
    QString copiesText;
    QString unitPriceText;
    QString bindingKey;
    // Only read when the profile prices page by page.
    QString colorMode = QStringLiteral("blackWhite");
    PageDetails pageDetails = {};
    bool unitPriceTyped = false; // the operator's own unit price overrides the page-by-page price
};

// The pages of a row priced one by one: each page at its own size, a colour row's grey pages at
// the black-and-white price. Unrounded, before duplex factor and copies.
double pageByPageCost(const PriceProfile &profile, const QString &colorMode, const PageDetails &details);
// The unit-price cell of a page-by-page row: the average cost of its pages.
QString pageByPageUnitPriceText(const PriceProfile &profile, const QString &colorMode,
                                const PageDetails &details);
// Whether a line is priced page by page: the option is on, the details cover exactly the pages in
// the pages cell and the operator typed no unit price of their own.
bool pricedPageByPage(const LineInputs &line, const PriceProfile &profile);

// (pages × unit price × duplex factor + binding fee) × copies, unrounded; for a line priced page
// by page, pages × unit price is pageByPageCost.
double lineAmount(const LineInputs &line, const PriceProfile &profile, bool duplex);
double lineAmount(const LineInputs &line, const PriceProfile &profile, bool duplex,
                  const MoneyFormat &format);
