#include "pricing/line_pricing.h"

#include "pricing/regional_format.h"

#include <algorithm>
#include <cmath>

PaperSizeSlot pageSlotFor(const QString &paperSize)
{
    const qsizetype space = paperSize.indexOf(QLatin1Char(' '));
    const QString name = (space < 0 ? paperSize : paperSize.left(space)).toUpper();
    static const struct
    {
        QLatin1String name;
        PaperSizeSlot slot;
    } slotNames[] = {
        {QLatin1String("A0"), SlotA0},           {QLatin1String("A1"), SlotA1},
        {QLatin1String("A2"), SlotA2},           {QLatin1String("A3"), SlotA3},
        {QLatin1String("A4"), SlotA4},           {QLatin1String("A5"), SlotA5},
        {QLatin1String("B4"), SlotB4},           {QLatin1String("JIS-B4"), SlotB4},
        {QLatin1String("B5"), SlotB5},           {QLatin1String("JIS-B5"), SlotB5},
        {QLatin1String("LETTER"), SlotLetter},   {QLatin1String("LEGAL"), SlotLegal},
        {QLatin1String("TABLOID"), SlotTabloid},
    };
    for (const auto &entry : slotNames) {
        if (name == entry.name)
            return entry.slot;
    }
    return SlotOther;
}

double pagePriceFor(const PriceProfile &profile, const QString &paperSize, const QString &colorMode)
{
    return pagePriceTable(profile, colorMode)[pageSlotFor(paperSize)];
}

QString unitPriceText(const PriceProfile &profile, const QString &paperSize, const QString &colorMode)
{
    return MoneyFormat(profile).plain(pagePriceFor(profile, paperSize, colorMode));
}

int pageCountFromText(const QString &text)
{
    bool ok = false;
    const int pages = text.toInt(&ok, 10);
    return ok && pages >= 1 ? pages : 0;
}

int copiesFromText(const QString &text)
{
    bool ok = false;
    const int copies = text.toInt(&ok, 10);
    return ok && copies >= 2 ? copies : 1;
}

namespace {

// Not greater than 0, NaN or infinite: not a usable factor.
double positiveOrZero(double value)
{
    return value > 0 && std::isfinite(value) ? value : 0;
}

double amountFor(const LineInputs &line, const PriceProfile &profile, bool duplex, double unitPrice)
{
    const double pages = pageCountFromText(line.pagesText);
    const double copies = copiesFromText(line.copiesText);
    const double duplexFactor = duplex ? positiveOrZero(profile.duplexMultiplier) : 1.0;
    const double bindingFee = bindingFeeFor(profile, line.bindingKey);
    const double pagesCost = pricedPageByPage(line, profile)
                                 ? pageByPageCost(profile, line.colorMode, line.pageDetails)
                                 : pages * positiveOrZero(unitPrice);
    return (pagesCost * duplexFactor + bindingFee) * copies;
}

} // namespace

double pageByPageCost(const PriceProfile &profile, const QString &colorMode, const PageDetails &details)
{
    double cost = 0;
    for (const PageGroup &group : details.groups) {
        const QString mode = group.color ? colorMode : QStringLiteral("blackWhite");
        // A group of no pages costs nothing, even one that claims fewer than none.
        cost += std::max(group.pages, 0) * positiveOrZero(pagePriceFor(profile, group.paperSize, mode));
    }
    return cost;
}

QString pageByPageUnitPriceText(const PriceProfile &profile, const QString &colorMode,
                                const PageDetails &details)
{
    const int pages = details.pageCount();
    return MoneyFormat(profile).plain(pages > 0 ? pageByPageCost(profile, colorMode, details) / pages : 0);
}

bool pricedPageByPage(const LineInputs &line, const PriceProfile &profile)
{
    return profile.pricePageByPage && !line.unitPriceTyped && !line.pageDetails.isEmpty() &&
           line.pageDetails.pageCount() == pageCountFromText(line.pagesText);
}

double lineAmount(const LineInputs &line, const PriceProfile &profile, bool duplex)
{
    return amountFor(line, profile, duplex, parseAmount(profile, line.unitPriceText));
}

double lineAmount(const LineInputs &line, const PriceProfile &profile, bool duplex, const MoneyFormat &format)
{
    return amountFor(line, profile, duplex, format.parse(line.unitPriceText));
}
