#include "pricing/price_profile.h"
#include "pricing/quote_totals.h"
#include "support/guiless_test_main.h"

#include <limits>

namespace {

QList<double> amounts(const QuoteTotals &t)
{
    return {t.itemsSubtotal, t.setupFee,  t.volumeDiscount, t.quoteDiscount,
            t.preTaxAmount,  t.taxAmount, t.grandTotal};
}

const double notANumber = std::numeric_limits<double>::quiet_NaN();
const double infinity = std::numeric_limits<double>::infinity();

} // namespace

Q_DECLARE_METATYPE(PriceProfile)
Q_DECLARE_METATYPE(QuoteTotals)

class TestQuoteTotals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void totals_data();
    void totals();
};

void TestQuoteTotals::totals_data()
{
    QTest::addColumn<double>("items");
    QTest::addColumn<int>("copies");
    QTest::addColumn<PriceProfile>("profile");
    // items, setup, volume, quote, pre-tax, tax, grand total
    QTest::addColumn<QuoteTotals>("expected");

    auto row = [](const char *name, double items, int copies, const PriceProfile &profile,
                  QuoteTotals expected) { QTest::newRow(name) << items << copies << profile << expected; };
    PriceProfile r;
    row("empty quote", 0, 0, r, {});
    r.minimumCharge = 5;
    row("empty quote with minimum charge", 0, 0, r, {0, 0, 0, 0, 5, 0, 5});
    r.taxRate = 10;
    row("minimum charge plus tax", 0, 0, r, {0, 0, 0, 0, 5, 0.5, 5.5});

    r = {};
    r.volumeThreshold = 10;
    r.volumeDiscountPercent = 10;
    row("volume threshold reached", 100, 10, r, {100, 0, 10, 0, 90, 0, 90});
    row("volume threshold missed", 100, 9, r, {100, 0, 0, 0, 100, 0, 100});
    r.volumeThreshold = 0;
    row("threshold 0 disables the volume discount", 100, 1000, r, {100, 0, 0, 0, 100, 0, 100});

    r = {};
    r.setupFee = 10;
    r.volumeThreshold = 1;
    r.volumeDiscountPercent = 10;
    r.quoteDiscountPercent = 5;
    row("quote discount after volume discount", 100, 1, r, {100, 10, 11, 4.95, 94.05, 0, 94.05});
    r.volumeDiscountPercent = 150;
    r.quoteDiscountPercent = notANumber;
    row("volume percent above 100, NaN quote percent", 100, 1, r, {100, 10, 110, 0, 0, 0, 0});

    r = {};
    r.minimumCharge = 5;
    r.roundingIncrement = 1;
    row("minimum charge then rounding", 3, 1, r, {3, 0, 0, 0, 5, 0, 5});
    r = {};
    r.roundingIncrement = 0.5;
    row("round to nearest half", 4.4, 1, r, {4.4, 0, 0, 0, 4.5, 0, 4.5});
    row("halves round away from zero", 4.25, 1, r, {4.25, 0, 0, 0, 4.5, 0, 4.5});
    r.roundingIncrement = 0;
    row("rounding increment 0", 4.444, 1, r, {4.444, 0, 0, 0, 4.444, 0, 4.444});
    r.roundingIncrement = -1;
    row("negative rounding increment", 4.444, 1, r, {4.444, 0, 0, 0, 4.444, 0, 4.444});
    r.roundingIncrement = infinity;
    row("infinite rounding increment", 4.444, 1, r, {4.444, 0, 0, 0, 4.444, 0, 4.444});
    r.roundingIncrement = 1e-12;
    row("quotient beyond 64 bits is left unrounded", 1e10 + 0.3, 1, r,
        {1e10 + 0.3, 0, 0, 0, 1e10 + 0.3, 0, 1e10 + 0.3});
    r.roundingIncrement = 0.01;
    // The quotient decides: 2.675 / 0.01 is 267.5, 1.005 / 0.01 is just below 100.5.
    row("2.675 to the cent", 2.675, 1, r, {2.675, 0, 0, 0, 2.68, 0, 2.68});
    row("1.005 to the cent", 1.005, 1, r, {1.005, 0, 0, 0, 1.0, 0, 1.0});

    r = {};
    r.taxRate = 20;
    row("tax on top", 100, 1, r, {100, 0, 0, 0, 100, 20, 120});
    r.pricesIncludeTax = true;
    row("tax included", 120, 1, r, {120, 0, 0, 0, 100, 20, 120});
    r.taxRate = 150;
    row("tax rate above 100 included", 100, 1, r, {100, 0, 0, 0, 50, 50, 100});
    r.pricesIncludeTax = false;
    row("tax rate above 100 on top", 100, 1, r, {100, 0, 0, 0, 100, 100, 200});
    r.taxRate = notANumber;
    row("NaN tax rate", 100, 1, r, {100, 0, 0, 0, 100, 0, 100});

    r = {};
    r.setupFee = -3;
    r.minimumCharge = notANumber;
    row("negative setup fee, NaN minimum", 10, 1, r, {10, 0, 0, 0, 10, 0, 10});
    r = {};
    row("negative items subtotal", -10, 1, r, {});
    row("NaN items subtotal", notANumber, 1, r, {});
    row("infinite items subtotal", infinity, 1, r, {});
}

void TestQuoteTotals::totals()
{
    QFETCH(double, items);
    QFETCH(int, copies);
    QFETCH(PriceProfile, profile);
    QFETCH(QuoteTotals, expected);
    QCOMPARE(amounts(computeQuoteTotals(items, copies, profile)), amounts(expected));
}

ORVANTA_GUILESS_TEST_MAIN(TestQuoteTotals)
#include "tst_quote_totals.moc"
