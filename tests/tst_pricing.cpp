#include "pricing/line_pricing.h"
#include "pricing/price_profile.h"
#include "pricing/regional_format.h"
#include "support/guiless_test_main.h"
#include "support/test_translator.h"

#include <functional>
#include <limits>

Q_DECLARE_METATYPE(LineInputs)

namespace {
const double notANumber = std::numeric_limits<double>::quiet_NaN();
}

class TestPricing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void profileEqualityComparesEveryField();
    void bindingFee_data();
    void bindingFee();
    void labelsAndKeys();
    void translatedLabels();
    void pageSlot_data();
    void pageSlot();
    void counts_data();
    void counts();
    void lineAmount_data();
    void lineAmount();
    void unitPriceText_data();
    void unitPriceText();
};

// The storage round trip relies on == to notice a field that was not saved.
void TestPricing::profileEqualityComparesEveryField()
{
    const QList<std::function<void(PriceProfile &)>> changes = {
        [](PriceProfile &p) { p.pagePrices[ColorLaser][SlotTabloid] = 1; },
        [](PriceProfile &p) { p.binding = 1; },
        [](PriceProfile &p) { p.bindingPrices.insert(QStringLiteral("none"), 0); },
        [](PriceProfile &p) { p.localeName = QStringLiteral("de_DE"); },
        [](PriceProfile &p) { p.currencyCode = QStringLiteral("EUR"); },
        [](PriceProfile &p) { p.taxRate = 1; },
        [](PriceProfile &p) { p.pricesIncludeTax = true; },
        [](PriceProfile &p) { p.paperStockDescription = QStringLiteral("x"); },
        [](PriceProfile &p) { p.duplexMultiplier = 2; },
        [](PriceProfile &p) { p.setupFee = 1; },
        [](PriceProfile &p) { p.minimumCharge = 1; },
        [](PriceProfile &p) { p.volumeThreshold = 1; },
        [](PriceProfile &p) { p.volumeDiscountPercent = 1; },
        [](PriceProfile &p) { p.quoteDiscountPercent = 1; },
        [](PriceProfile &p) { p.roundingIncrement = 1; },
        [](PriceProfile &p) { p.sellerName = QStringLiteral("x"); },
        [](PriceProfile &p) { p.sellerContact = QStringLiteral("x"); },
        [](PriceProfile &p) { p.sellerAddress = QStringLiteral("x"); },
        [](PriceProfile &p) { p.taxIdentifier = QStringLiteral("x"); },
        [](PriceProfile &p) { p.customerName = QStringLiteral("x"); },
        [](PriceProfile &p) { p.customerContact = QStringLiteral("x"); },
        [](PriceProfile &p) { p.quoteValidityDays = 1; },
        [](PriceProfile &p) { p.paymentTerms = QStringLiteral("x"); },
    };
    QVERIFY(PriceProfile() == PriceProfile());
    for (qsizetype i = 0; i < changes.size(); ++i) {
        PriceProfile changed;
        changes.at(i)(changed);
        QVERIFY2(changed != PriceProfile(),
                 qPrintable(QStringLiteral("field change %1 not compared").arg(i)));
    }
}

void TestPricing::bindingFee_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("storedKey");
    QTest::addColumn<double>("storedFee");
    QTest::addColumn<double>("expected");
    const auto row = [](const char *name, const char *key, const char *storedKey, double stored,
                        double expected) {
        QTest::newRow(name) << QString(key) << QString(storedKey) << stored << expected;
    };
    row("corner staple falls back to binding", "cornerStaple", "", 0.0, 0.2);
    row("stored corner staple fee wins even at 0", "cornerStaple", "cornerStaple", 0.0, 0.0);
    row("none is free even if stored", "none", "none", 3.0, 0.0);
    row("stored custom fee", "custom:a1", "custom:a1", 2.5, 2.5);
    row("unknown custom key", "custom:gone", "", 0.0, 0.0);
    row("negative stored fee counts as 0", "doubleStaple", "doubleStaple", -1.0, 0.0);
    row("NaN stored fee counts as 0", "doubleStaple", "doubleStaple", notANumber, 0.0);
    row("infinite stored fee counts as 0", "doubleStaple", "doubleStaple",
        std::numeric_limits<double>::infinity(), 0.0);
}

void TestPricing::bindingFee()
{
    QFETCH(QString, key);
    QFETCH(QString, storedKey);
    QFETCH(double, storedFee);
    PriceProfile profile;
    if (!storedKey.isEmpty())
        profile.bindingPrices.insert(storedKey, storedFee);
    QTEST(bindingFeeFor(profile, key), "expected");
}

void TestPricing::labelsAndKeys()
{
    const CustomBindingMap custom = {{QStringLiteral("custom:a"), QStringLiteral("Zeta")},
                                     {QStringLiteral("custom:b"), QStringLiteral("Alpha")},
                                     {QStringLiteral("custom:empty"), QString()}};
    const QStringList keys = bindingKeys(custom);
    QCOMPARE(keys.size(), 11);
    QCOMPARE(keys.first(), QStringLiteral("none"));
    QCOMPARE(keys.mid(7), QStringList({"coilBinding", "custom:a", "custom:b", "custom:empty"}));

    QCOMPARE(bindingLabel(QStringLiteral("custom:b"), custom), QStringLiteral("Alpha"));
    QCOMPARE(bindingLabel(QStringLiteral("custom:empty"), custom), QString());
    QCOMPARE(bindingLabel(QStringLiteral("custom:gone"), custom), QStringLiteral("无装订"));

    QCOMPARE(colorModeIndex(QStringLiteral("LaserColor")), ColorBlackWhite);
    QCOMPARE(colorModeIndex(QStringLiteral("laserColor")), ColorLaser);
    QCOMPARE(colorModeLabel(QString()), QStringLiteral("黑白"));
}

// Labels are translated for display; the stored name of the default profile never is.
void TestPricing::translatedLabels()
{
    const TestTranslator translator({{"MainWindow/激光彩", "Laser Color"},
                                     {"MainWindow/角钉", "Corner staple"},
                                     {"MainWindow/通用", "General"}});
    QCOMPARE(colorModeLabel(QStringLiteral("laserColor")), QStringLiteral("Laser Color"));
    QCOMPARE(bindingLabel(QStringLiteral("cornerStaple"), {}), QStringLiteral("Corner staple"));
    QCOMPARE(profileDisplayName(defaultProfileName()), QStringLiteral("General"));
    QCOMPARE(profileDisplayName(QStringLiteral("Shop")), QStringLiteral("Shop"));
    QCOMPARE(defaultProfileName(), QStringLiteral("通用"));
}

void TestPricing::pageSlot_data()
{
    QTest::addColumn<QString>("paperSize");
    QTest::addColumn<int>("slot");
    QTest::newRow("landscape suffix ignored") << "A4 横向" << int(SlotA4);
    QTest::newRow("lower case") << "a4" << int(SlotA4);
    QTest::newRow("JIS-B5 prices as B5") << "JIS-B5" << int(SlotB5);
    QTest::newRow("JIS-B4 lower case prices as B4") << "jis-b4" << int(SlotB4);
    QTest::newRow("A0") << "A0" << int(SlotA0);
    QTest::newRow("Letter") << "Letter" << int(SlotLetter);
    QTest::newRow("Legal landscape") << "Legal 横向" << int(SlotLegal);
    QTest::newRow("Tabloid") << "Tabloid" << int(SlotTabloid);
    QTest::newRow("unknown name") << "A6" << int(SlotOther);
    QTest::newRow("millimetre text") << "100×150 mm" << int(SlotOther);
    QTest::newRow("empty") << "" << int(SlotOther);
    QTest::newRow("leading space gives an empty first word") << " A4" << int(SlotOther);
}

void TestPricing::pageSlot()
{
    QFETCH(QString, paperSize);
    QTEST(int(pageSlotFor(paperSize)), "slot");
}

void TestPricing::counts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("copies");
    QTest::newRow("empty") << "" << 0 << 1;
    QTest::newRow("zero") << "0" << 0 << 1;
    QTest::newRow("one") << "1" << 1 << 1;
    QTest::newRow("two") << "2" << 2 << 2;
    QTest::newRow("negative") << "-5" << 0 << 1;
    QTest::newRow("letters") << "abc" << 0 << 1;
    QTest::newRow("decimal") << "2.5" << 0 << 1;
    QTest::newRow("beyond 32 bits") << "2147483648" << 0 << 1;
    QTest::newRow("largest int") << "2147483647" << 2147483647 << 2147483647;
}

void TestPricing::counts()
{
    QFETCH(QString, text);
    QTEST(pageCountFromText(text), "pages");
    QTEST(copiesFromText(text), "copies");
}

void TestPricing::lineAmount_data()
{
    QTest::addColumn<LineInputs>("line");
    QTest::addColumn<bool>("duplex");
    QTest::addColumn<double>("duplexMultiplier");
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<double>("expected");
    const auto row = [](const char *name, LineInputs line, bool duplex, double multiplier, const char *locale,
                        double expected) {
        QTest::newRow(name) << line << duplex << multiplier << QString(locale) << expected;
    };
    // Default profile: corner staple 0.2 per copy.
    row("pages still being detected", {"", "3", "0.05", "cornerStaple"}, false, 1.0, "C", 0.6);
    row("duplex multiplier applies", {"10", "2", "0.10", "none"}, true, 1.6, "C", 3.2);
    row("duplex multiplier 0 leaves binding", {"10", "2", "0.10", "cornerStaple"}, true, 0.0, "C", 0.4);
    row("NaN duplex multiplier", {"10", "1", "0.10", "none"}, true, notANumber, "C", 0.0);
    row("binding fee per copy, not per page", {"7", "4", "0.5", "cornerStaple"}, true, 2.0, "C", 28.8);
    row("copies 0 count as 1", {"10", "0", "0.10", "none"}, false, 1.0, "C", 1.0);
    row("German decimal comma", {"10", "1", "0,15", "none"}, false, 1.0, "de_DE", 1.5);
    row("German falls back to the C locale", {"10", "1", "0.15", "none"}, false, 1.0, "de_DE", 1.5);
    row("negative unit price", {"10", "1", "-0.5", "cornerStaple"}, false, 1.0, "C", 0.2);
    row("unparsable unit price", {"10", "1", "abc", "none"}, false, 1.0, "C", 0.0);
    row("infinite unit price", {"10", "1", "inf", "none"}, false, 1.0, "C", 0.0);
}

void TestPricing::lineAmount()
{
    QFETCH(LineInputs, line);
    QFETCH(bool, duplex);
    PriceProfile profile;
    QFETCH(double, duplexMultiplier);
    profile.duplexMultiplier = duplexMultiplier;
    QFETCH(QString, localeName);
    profile.localeName = localeName;
    const double amount = ::lineAmount(line, profile, duplex);
    QTEST(amount, "expected");
    QCOMPARE(::lineAmount(line, profile, duplex, MoneyFormat(profile)), amount);
}

void TestPricing::unitPriceText_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("colorMode");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const char *locale, const char *currency, const char *mode,
                        const char *expected) {
        QTest::newRow(name) << QString(locale) << QString(currency) << QString(mode) << QString(expected);
    };
    row("English", "en_US", "USD", "blackWhite", "0.05");
    row("German", "de_DE", "EUR", "blackWhite", "0,05");
    row("no minor unit", "ja_JP", "JPY", "blackWhite", "0");
    row("three decimals", "en_US", "KWD", "blackWhite", "0.050");
    row("colour mode selects the row", "en_US", "USD", "inkjetColor", "1.25");
}

void TestPricing::unitPriceText()
{
    QFETCH(QString, localeName);
    QFETCH(QString, currency);
    QFETCH(QString, colorMode);
    PriceProfile profile;
    profile.localeName = localeName;
    profile.currencyCode = currency;
    pagePriceTable(profile, QStringLiteral("inkjetColor"))[SlotA4] = 1.25;
    QTEST(::unitPriceText(profile, QStringLiteral("A4 横向"), colorMode), "expected");
}

ORVANTA_GUILESS_TEST_MAIN(TestPricing)
#include "tst_pricing.moc"
