#include "pricing/quote_totals.h"

#include "pricing/price_profile.h"

#include <QtGlobal>

#include <cmath>

namespace {

// Not greater than 0 (NaN included) and infinite amounts count as 0.
double positiveOrZero(double value)
{
    return value > 0 && std::isfinite(value) ? value : 0;
}

double clampedPercent(double percent)
{
    if (!(percent > 0))
        return 0;
    return percent > 100 ? 100 : percent;
}

double roundedToIncrement(double amount, double increment)
{
    if (!(increment > 0) || !std::isfinite(increment))
        return amount;
    const double quotient = std::round(amount / increment); // halves away from zero
    // 2^63: a quotient this large does not fit the 64-bit count of increments.
    constexpr double int64Limit = 9223372036854775808.0;
    if (!(std::abs(quotient) < int64Limit))
        return amount;
    return static_cast<double>(static_cast<qint64>(quotient)) * increment;
}

} // namespace

double effectiveTaxRate(const PriceProfile &profile)
{
    return clampedPercent(profile.taxRate);
}

QuoteTotals computeQuoteTotals(double itemsSubtotal, int totalCopies, const PriceProfile &profile)
{
    QuoteTotals totals;
    totals.itemsSubtotal = positiveOrZero(itemsSubtotal);
    totals.setupFee = positiveOrZero(profile.setupFee);
    double amount = totals.itemsSubtotal + totals.setupFee;

    if (profile.volumeThreshold > 0 && totalCopies >= profile.volumeThreshold) {
        totals.volumeDiscount = clampedPercent(profile.volumeDiscountPercent) * amount / 100;
        amount -= totals.volumeDiscount;
    }
    totals.quoteDiscount = clampedPercent(profile.quoteDiscountPercent) * amount / 100;
    amount -= totals.quoteDiscount;

    const double minimum = positiveOrZero(profile.minimumCharge);
    if (minimum > amount)
        amount = minimum;

    amount = roundedToIncrement(amount, profile.roundingIncrement);

    const double taxRate = effectiveTaxRate(profile);
    if (!(taxRate > 0)) {
        totals.preTaxAmount = amount;
        totals.grandTotal = amount;
    } else if (!profile.pricesIncludeTax) {
        totals.preTaxAmount = amount;
        totals.taxAmount = amount * taxRate / 100;
        totals.grandTotal = amount + totals.taxAmount;
    } else {
        totals.grandTotal = amount;
        totals.preTaxAmount = amount / (1 + taxRate / 100);
        totals.taxAmount = amount - totals.preTaxAmount;
    }
    return totals;
}
