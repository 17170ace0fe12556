#include "analysis/document_info.h"
#include "analysis/paper_size.h"
#include "export/quote_lines.h"
#include "pricing/line_pricing.h"
#include "pricing/price_profile.h"
#include "pricing/quote_totals.h"
#include "pricing/regional_format.h"
#include "support/guiless_test_main.h"
#include "table_row.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

PriceProfile profile(const QString &localeName, const QString &currency = QStringLiteral("EUR"))
{
    PriceProfile p;
    p.localeName = localeName;
    p.currencyCode = currency;
    return p;
}

double points(double mm)
{
    return mm * 72 / 25.4;
}

} // namespace

// Prices, totals, money texts and paper sizes. Runs with Icelandic as the system locale: decimal
// comma, and ISK has no minor unit.
class TestPricing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Custom labels come from the profile (built-in ones are checked translated in the window by
    // tst_gui_translations).
    void labels()
    {
        const CustomBindingMap custom = {{"custom:b", "Alpha"}, {"custom:empty", QString()}};
        QCOMPARE(bindingKeys(custom).mid(7), QStringList({"coilBinding", "custom:b", "custom:empty"}));
        QCOMPARE(bindingLabel("custom:b", custom), QStringLiteral("Alpha"));
        QCOMPARE(bindingLabel("custom:empty", custom), QString());
        QCOMPARE(bindingLabel("custom:gone", custom), QStringLiteral("无装订"));
        QCOMPARE(colorModeIndex("LaserColor"), ColorBlackWhite);
    }

    // The cells of a line: paper-size slot, page and copy counts, binding fee, and the line amount.
    void lineInputs()
    {
        // clang-format off
        const struct { const char *text; int slot, pages, copies; } texts[] = {
            {"A4 横向", SlotA4, 0, 1}, {"jis-b4", SlotB4, 0, 1}, {"JIS-B5", SlotB5, 0, 1}, {" A4", SlotOther, 0, 1},
            {"0", SlotOther, 0, 1}, {"2", SlotOther, 2, 2}, {"-5", SlotOther, 0, 1}, {"2.5", SlotOther, 0, 1},
            {"2147483648", SlotOther, 0, 1}};
        // clang-format on
        for (const auto &t : texts) {
            ROW_COMPARE(t.text, int(pageSlotFor(t.text)), t.slot);
            ROW_COMPARE(t.text, pageCountFromText(t.text), t.pages);
            ROW_COMPARE(t.text, copiesFromText(t.text), t.copies);
        }

        // Stored fees (NaN: none stored); corner staple falls back to the profile's binding fee of 0.2.
        // clang-format off
        const struct { const char *key; double stored, fee; } fees[] = {
            {"cornerStaple", kNaN, 0.2}, {"cornerStaple", 0, 0}, {"none", 3, 0}, {"doubleStaple", -1, 0},
            {"doubleStaple", kInf, 0}};
        // clang-format on
        for (const auto &f : fees) {
            PriceProfile profile;
            if (!std::isnan(f.stored))
                profile.bindingPrices.insert(f.key, f.stored);
            ROW_COMPARE(f.key, bindingFeeFor(profile, f.key), f.fee);
        }

        // clang-format off
        const struct { const char *name; LineInputs line; bool duplex; double multiplier; const char *locale; double amount; }
        lines[] = {
            {"pages still being detected", {"", "3", "0.05", "cornerStaple"}, false, 1, "C", 0.6},
            {"duplex multiplier", {"10", "2", "0.10", "none"}, true, 1.6, "C", 3.2},
            {"duplex multiplier NaN", {"10", "1", "0.10", "cornerStaple"}, true, kNaN, "C", 0.2},
            {"binding fee per copy, not per page", {"7", "4", "0.5", "cornerStaple"}, true, 2, "C", 28.8},
            {"copies 0 count as 1", {"10", "0", "0.10", "none"}, false, 1, "C", 1.0},
            {"German decimal comma", {"10", "1", "0,15", "none"}, false, 1, "de_DE", 1.5},
            {"German falls back to the C locale", {"10", "1", "0.15", "none"}, false, 1, "de_DE", 1.5},
            {"negative unit price", {"10", "1", "-0.5", "cornerStaple"}, false, 1, "C", 0.2},
            {"infinite unit price", {"10", "1", "inf", "none"}, false, 1, "C", 0.0}};
        // clang-format on
        for (const auto &l : lines) {
            PriceProfile profile = ::profile(l.locale);
            profile.duplexMultiplier = l.multiplier;
            ROW_COMPARE(l.name, lineAmount(l.line, profile, l.duplex), l.amount);
            ROW_COMPARE(l.name, lineAmount(l.line, profile, l.duplex, MoneyFormat(profile)), l.amount);
        }
        PriceProfile german = profile("de_DE");
        pagePriceTable(german, "inkjetColor")[SlotA4] = 1.25;
        QCOMPARE(unitPriceText(german, "A4 横向", "inkjetColor"), QStringLiteral("1,25"));
        QCOMPARE(unitPriceText(german, "A4", "blackWhite"), QStringLiteral("0,05"));
    }

    // A row built from an analysed document (size unknown: the other slot). Page by page, each page
    // costs its own size's price, the grey pages of a colour row the black-and-white price; the unit
    // price shows the average.
    void pageByPage()
    {
        PriceProfile p = profile("C");
        p.duplexMultiplier = 1.5;
        pagePriceTable(p, "blackWhite") = {0, 0, 0, 0.3, 0.1, 0, 0, 0, 0, 0, 0, 0.5};
        pagePriceTable(p, "laserColor") = {0, 0, 0, 2, 1, 0, 0, 0, 0, 0, 0, 3};
        const PageDetails mixed{{{"A4", false, 16}, {"A4", true, 3}, {"A3 横向", true, 1}}};
        // clang-format off
        const struct { const char *name; bool on; const char *color; int pages; PageDetails details; int copies;
                       const char *binding; bool duplex; const char *typed; double amount; const char *unit; } rows[] = {
            {"option off: the old price exactly", false, "laserColor", 20, mixed, 1, "none", false, "", 60, "3.00"},
            {"colour row: grey pages at the grey price", true, "laserColor", 20, mixed, 1, "none", false, "", 6.6, "0.33"},
            {"grey row: every page at the grey price", true, "blackWhite", 20, mixed, 1, "none", false, "", 2.2, "0.11"},
            {"duplex, copies and binding as before", true, "laserColor", 20, mixed, 3, "cornerStaple", true, "", 30.3, "0.33"},
            {"a typed unit price overrides", true, "laserColor", 20, mixed, 1, "none", false, "0.50", 10, "0.50"},
            {"details of other pages than the cell's", true, "laserColor", 21, mixed, 1, "none", false, "", 63, "3.00"},
            {"no details: one size and colour", true, "laserColor", 20, {}, 1, "none", false, "", 60, "3.00"},
            {"unknown page size: the other slot", true, "laserColor", 2, {{{"", false, 1}, {"", true, 1}}}, 1, "none", false,
             "", 3.5, "1.75"},
            {"a group of negative pages costs nothing", true, "blackWhite", 1, {{{"A4", false, 2}, {"A3", false, -1}}}, 1,
             "none", false, "", 0.2, "0.20"}};
        // clang-format on
        for (const auto &r : rows) {
            p.pricePageByPage = r.on;
            DocumentInfo info;
            info.pageCount = r.pages;
            QuoteRow row = quoteRowForDocument(info, {r.color, r.binding, r.copies}, p, r.duplex,
                                               MoneyFormat(p), r.details);
            if ((row.unitPriceTyped = *r.typed))
                row.unitPriceText = r.typed;
            ROW_COMPARE(r.name, quoteRowAmount(row, p, r.duplex, MoneyFormat(p)), r.amount);
            ROW_COMPARE(r.name, row.unitPriceText, QString(r.unit));
        }
    }

    void totals()
    {
        using P = PriceProfile &;
        const auto with = [](void (*set)(P)) {
            PriceProfile p;
            set(p);
            return p;
        };
        // Expected: items, setup fee, volume discount, quote discount, pre-tax amount, tax, grand total.
        // clang-format off
        const struct { const char *name; double items; int copies; PriceProfile profile; QList<double> expected; } rows[] = {
            {"minimum charge on an empty quote, then tax", 0, 0, with([](P p) { p.minimumCharge = 5, p.taxRate = 10; }),
             {0, 0, 0, 0, 5, 0.5, 5.5}},
            {"volume threshold reached", 100, 10, with([](P p) { p.volumeThreshold = 10, p.volumeDiscountPercent = 10; }),
             {100, 0, 10, 0, 90, 0, 90}},
            {"volume threshold missed", 100, 9, with([](P p) { p.volumeThreshold = 10, p.volumeDiscountPercent = 10; }),
             {100, 0, 0, 0, 100, 0, 100}},
            {"threshold 0 disables", 100, 1000, with([](P p) { p.volumeDiscountPercent = 10; }), {100, 0, 0, 0, 100, 0, 100}},
            {"setup fee, then volume, then quote discount", 100, 1, with([](P p) {
                p.setupFee = 10, p.volumeThreshold = 1, p.volumeDiscountPercent = 10, p.quoteDiscountPercent = 5; }),
             {100, 10, 11, 4.95, 94.05, 0, 94.05}},
            {"volume percent above 100, NaN quote percent", 100, 1, with([](P p) {
                p.setupFee = 10, p.volumeThreshold = 1, p.volumeDiscountPercent = 150, p.quoteDiscountPercent = kNaN; }),
             {100, 10, 110, 0, 0, 0, 0}},
            {"minimum charge then rounding", 3, 1, with([](P p) { p.minimumCharge = 5, p.roundingIncrement = 1; }),
             {3, 0, 0, 0, 5, 0, 5}},
            {"halves round away from zero", 4.25, 1, with([](P p) { p.roundingIncrement = 0.5; }), {4.25, 0, 0, 0, 4.5, 0, 4.5}},
            {"negative rounding increment", 4.4, 1, with([](P p) { p.roundingIncrement = -1; }), {4.4, 0, 0, 0, 4.4, 0, 4.4}},
            {"infinite rounding increment", 4.4, 1, with([](P p) { p.roundingIncrement = kInf; }), {4.4, 0, 0, 0, 4.4, 0, 4.4}},
            {"quotient beyond 64 bits left unrounded", 1e10 + 0.3, 1, with([](P p) { p.roundingIncrement = 1e-12; }),
             {1e10 + 0.3, 0, 0, 0, 1e10 + 0.3, 0, 1e10 + 0.3}},
            // The quotient decides: 2.675 / 0.01 is 267.5 exactly.
            {"2.675 to the cent", 2.675, 1, with([](P p) { p.roundingIncrement = 0.01; }), {2.675, 0, 0, 0, 2.68, 0, 2.68}},
            {"tax on top", 100, 1, with([](P p) { p.taxRate = 20; }), {100, 0, 0, 0, 100, 20, 120}},
            {"tax included", 120, 1, with([](P p) { p.taxRate = 20, p.pricesIncludeTax = true; }), {120, 0, 0, 0, 100, 20, 120}},
            {"tax rate above 100 included", 100, 1, with([](P p) { p.taxRate = 150, p.pricesIncludeTax = true; }),
             {100, 0, 0, 0, 50, 50, 100}},
            {"NaN tax, negative setup fee, NaN minimum", 10, 1, with([](P p) {
                p.taxRate = kNaN, p.setupFee = -3, p.minimumCharge = kNaN; }), {10, 0, 0, 0, 10, 0, 10}},
            {"negative items subtotal", -10, 1, {}, {0, 0, 0, 0, 0, 0, 0}},
            {"infinite items subtotal", kInf, 1, {}, {0, 0, 0, 0, 0, 0, 0}}};
        // clang-format on
        for (const auto &r : rows) {
            const QuoteTotals t = computeQuoteTotals(r.items, r.copies, r.profile);
            const QList<double> amounts{t.itemsSubtotal, t.setupFee,  t.volumeDiscount, t.quoteDiscount,
                                        t.preTaxAmount,  t.taxAmount, t.grandTotal};
            ROW_COMPARE(r.name, amounts, r.expected);
        }
    }

    void money()
    {
        // clang-format off
        const struct { const char *stored, *code; int decimals; } codes[] = {
            {" eur ", "EUR", 2}, {"jpy", "JPY", 0}, {"KWD", "KWD", 3}, {"XYZ", "XYZ", 2}, {"EURO", "ISK", 0},
            {"E1R", "ISK", 0}, {"ÉUR", "ISK", 0}};
        // clang-format on
        for (const auto &c : codes) {
            const PriceProfile p = profile(QString(), QString::fromUtf8(c.stored));
            ROW_COMPARE(c.stored, effectiveCurrencyCode(p), QString(c.code));
            ROW_COMPARE(c.stored, currencyDecimals(p), c.decimals);
            ROW_COMPARE(c.stored, MoneyFormat(p).decimals(), c.decimals);
        }

        // Money texts must never show a negative zero ("-0.00" or "(USD 0.00)"); "" leaves the rest
        // unchecked.
        const QString nbsp(QChar(0x00A0));
        // clang-format off
        const struct { const char *locale, *currency; double amount; QString money, plain; } amounts[] = {
            {"en_US", "USD", 1234.5, "USD 1,234.50", "1,234.50"}, {"en_US", "USD", -5.0, "(USD 5.00)", "-5.00"},
            {"de_DE", "EUR", 1234.5, "1.234,50" + nbsp + "EUR", "1.234,50"}, {"ja_JP", "jpy", 1234.5, "JPY 1,235", "1,235"},
            {"en_US", "KWD", 12.3456, "KWD 12.346", "12.346"}, {"", "EUR", 0.05, "0,05" + nbsp + "EUR", "0,05"},
            {"en_US", "USD", 2.675, "USD 2.67", "2.67"}, // stored just below the half
            {"en_US", "USD", -0.0, "", "0.00"}, {"en_US", "USD", std::nextafter(-0.005, 0.0), "", "0.00"},
            {"en_US", "USD", -0.005, "", "-0.01"}, {"en_US", "JPY", -0.5, "", "-1"}, {"en_US", "KWD", -0.0004, "", "0.000"}};
        // clang-format on
        for (const auto &a : amounts) {
            const PriceProfile p = profile(a.locale, a.currency);
            const QByteArray row =
                QStringLiteral("%1 %2 %3").arg(a.locale, a.currency).arg(a.amount).toUtf8();
            const QString shown = formatMoney(p, a.amount);
            ROW_COMPARE(row, MoneyFormat(p).plain(a.amount), a.plain);
            ROW_COMPARE(row, a.money.isEmpty() ? QString() : shown, a.money);
            const bool showsZero = !shown.contains(QRegularExpression(QStringLiteral("[1-9]")));
            QVERIFY2(!showsZero || !(shown.contains(u'-') || shown.contains(u'(')), row);
        }

        // clang-format off
        const struct { const char *locale, *text; double value; bool ok; } texts[] = {
            {"de_DE", "0,15", 0.15, true}, {"de_DE", "0.15", 0.15, true}, {"de_DE", "  2,5 ", 2.5, true},
            {"", "0,25", 0.25, true}, {"en_US", "abc", 0, false}, {"en_US", "inf", 0, false}, {"de_DE", "1e999", 0, false}};
        // clang-format on
        for (const auto &t : texts) {
            const PriceProfile p = profile(t.locale);
            bool ok = !t.ok;
            ROW_COMPARE(t.text, parseAmount(p, t.text, &ok), t.value);
            ROW_COMPARE(t.text, ok, t.ok);
            ROW_COMPARE(t.text, MoneyFormat(p).parse(t.text), t.value);
        }
    }

    void paperSize()
    {
        // clang-format off
        const struct { const char *name; double width, height; QString label; } sizes[] = {
            {"A4 in PDF points, landscape", 841.89, 595.28, "A4 横向"}, {"Letter", 612, 792, "Letter"},
            {"3.95 mm over is A4", points(213.95), points(300.95), "A4"},
            {"4.25 mm over is not", points(214.25), points(297), "214×297 mm"},
            {"B5 and JIS-B5 overlap gives B5", points(179), points(253.5), "B5"},
            {"millimetres, landscape, rounded up", points(150), points(100.6), "101×150 mm 横向"},
            {"millimetres rounded down", points(100.4), points(150), "100×150 mm"},
            {"square page has no suffix", 500, 500, "176×176 mm"}, {"negative height", 600, -800, ""},
            {"NaN width", kNaN, 800, ""}, {"side too large for whole millimetres", 1e30, 1e30, ""}};
        // clang-format on
        for (const auto &s : sizes)
            ROW_COMPARE(s.name, paperSizeLabel(s.width, s.height), s.label);
        QCOMPARE(paperSizeSortKey("A4 横向"), paperSizeSortKey("A4"));
        QVERIFY(paperSizeSortKey("A4") > paperSizeSortKey("A5"));
        QCOMPARE(paperSizeSortKey("letter"), 0.0); // names are case-sensitive
        QCOMPARE(paperSizeSortKey("100×150 mm 横向"), 15000.0);
        QCOMPARE(paperSizeSortKey("x 12.5×20 and 5×6"), 250.0);
    }
};

int main(int argc, char **argv)
{
    return runGuilessTest<TestPricing>(argc, argv, "is_IS.UTF-8");
}
#include "tst_pricing.moc"
