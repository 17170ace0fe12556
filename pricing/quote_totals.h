#pragma once

struct PriceProfile;

struct QuoteTotals
{
    double itemsSubtotal = 0;
    double setupFee = 0;
    double volumeDiscount = 0; // positive amount taken off
    double quoteDiscount = 0;  // positive amount taken off
    double preTaxAmount = 0;
    double taxAmount = 0;
    double grandTotal = 0;
};

// Setup fee, volume and quote discounts, minimum charge, rounding and tax, in that order.
QuoteTotals computeQuoteTotals(double itemsSubtotal, int totalCopies, const PriceProfile &profile);

// Tax rate as the totals apply it: clamped to 0..100, NaN as 0.
double effectiveTaxRate(const PriceProfile &profile);
