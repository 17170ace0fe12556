#include "pricing/line_pricing.h"
#include "pricing/price_profile.h"
#include "pricing/regional_format.h"
#include "support/guiless_test_main.h"
#include "support/memory_catalogue.h"

#include <QElapsedTimer>
#include <QTranslator>

#include <functional>
#include <limits>

class TestPricing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultProfile();
    void profileEquality();
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
    void recalculationIsCheap();
};

void TestPricing::defaultProfile()
{
    const PriceProfile profile;
    QCOMPARE(pagePriceFor(profile, QStringLiteral("A4"), QStringLiteral("blackWhite")), 0.05);
    QCOMPARE(bindingFeeFor(profile, QStringLiteral("cornerStaple")), 0.2);
    QCOMPARE(bindingFeeFor(profile, QStringLiteral("saddleStitch")), 0.0);
    QCOMPARE(defaultProfileName(), QStringLiteral("通用"));
}

void TestPricing::profileEquality()
{
    const PriceProfile base;
    QVERIFY(base == PriceProfile());
    // Every field takes part: change one at a time.
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
    for (qsizetype i = 0; i < changes.size(); ++i) {
        PriceProfile changed = base;
        changes.at(i)(changed);
        QVERIFY2(changed != base, qPrintable(QStringLiteral("field change %1 not compared").arg(i)));
    }
}

void TestPricing::bindingFee_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("storedKey");
    QTest::addColumn<double>("storedFee");
    QTest::addColumn<double>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("corner staple falls back to binding") << "cornerStaple"
                                                         << "" << 0.0 << 0.2;
    QTest::newRow("stored corner staple fee wins even at 0") << "cornerStaple"
                                                             << "cornerStaple" << 0.0 << 0.0;
    QTest::newRow("stored corner staple fee") << "cornerStaple"
                                              << "cornerStaple" << 0.7 << 0.7;
    QTest::newRow("none is free even if stored") << "none"
                                                 << "none" << 3.0 << 0.0;
    QTest::newRow("stored built-in fee") << "perfectBinding"
                                         << "perfectBinding" << 1.5 << 1.5;
    QTest::newRow("stored custom fee") << "custom:a1"
                                       << "custom:a1" << 2.5 << 2.5;
    QTest::newRow("unknown custom key") << "custom:gone"
                                        << "" << 0.0 << 0.0;
    QTest::newRow("negative stored fee counts as 0") << "doubleStaple"
                                                     << "doubleStaple" << -1.0 << 0.0;
    QTest::newRow("NaN stored fee counts as 0") << "doubleStaple"
                                                << "doubleStaple" << nan << 0.0;
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
    QCOMPARE(keys.at(7), QStringLiteral("coilBinding"));
    QCOMPARE(keys.mid(8), QStringList({"custom:a", "custom:b", "custom:empty"}));

    QCOMPARE(bindingLabel(QStringLiteral("saddleStitch"), custom), QStringLiteral("骑马钉"));
    QCOMPARE(bindingLabel(QStringLiteral("custom:b"), custom), QStringLiteral("Alpha"));
    QCOMPARE(bindingLabel(QStringLiteral("custom:empty"), custom), QString());
    QCOMPARE(bindingLabel(QStringLiteral("custom:gone"), custom), QStringLiteral("无装订"));
    QCOMPARE(bindingLabel(QStringLiteral("none"), custom), QStringLiteral("无装订"));

    QCOMPARE(colorModeIndex(QStringLiteral("LaserColor")), ColorBlackWhite);
    QCOMPARE(colorModeIndex(QStringLiteral("laserColor")), ColorLaser);
    QCOMPARE(colorModeLabel(QStringLiteral("inkjetColor")), QStringLiteral("喷墨彩"));
    QCOMPARE(colorModeLabel(QString()), QStringLiteral("黑白"));
    QCOMPARE(profileDisplayName(QStringLiteral("Shop")), QStringLiteral("Shop"));
}

void TestPricing::translatedLabels()
{
    const QByteArray catalogue = buildQmCatalogue({{"MainWindow", "激光彩", QStringLiteral("Laser Color")},
                                                   {"MainWindow", "角钉", QStringLiteral("Corner staple")},
                                                   {"MainWindow", "通用", QStringLiteral("General")}});
    QTranslator translator;
    QVERIFY(translator.load(reinterpret_cast<const uchar *>(catalogue.constData()), int(catalogue.size())));
    QCoreApplication::installTranslator(&translator);
    const QString color = colorModeLabel(QStringLiteral("laserColor"));
    const QString binding = bindingLabel(QStringLiteral("cornerStaple"), {});
    const QString profile = profileDisplayName(defaultProfileName());
    const QString storedName = defaultProfileName();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(color, QStringLiteral("Laser Color"));
    QCOMPARE(binding, QStringLiteral("Corner staple"));
    QCOMPARE(profile, QStringLiteral("General"));
    QCOMPARE(storedName, QStringLiteral("通用"));
}

void TestPricing::pageSlot_data()
{
    QTest::addColumn<QString>("paperSize");
    QTest::addColumn<int>("slot");
    QTest::newRow("landscape suffix ignored") << "A4 横向" << int(SlotA4);
    QTest::newRow("lower case") << "a4" << int(SlotA4);
    QTest::newRow("JIS-B5 prices as B5") << "JIS-B5" << int(SlotB5);
    QTest::newRow("B5 landscape") << "B5 横向" << int(SlotB5);
    QTest::newRow("JIS-B4 lower case prices as B4") << "jis-b4" << int(SlotB4);
    QTest::newRow("A0") << "A0" << int(SlotA0);
    QTest::newRow("A5") << "A5" << int(SlotA5);
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
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QString>("copies");
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<QString>("binding");
    QTest::addColumn<bool>("duplex");
    QTest::addColumn<double>("duplexMultiplier");
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<double>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto row = [](const char *name, const char *pages, const char *copies, const char *price,
                        const char *binding, bool duplex, double multiplier, const char *locale,
                        double expected) {
        QTest::newRow(name) << QString(pages) << QString(copies) << QString(price) << QString(binding)
                            << duplex << multiplier << QString(locale) << expected;
    };
    // Default profile: corner staple 0.2 per copy.
    row("pages still being detected", "", "3", "0.05", "cornerStaple", false, 1.0, "C", 0.6);
    row("duplex multiplier applies", "10", "2", "0.10", "none", true, 1.6, "C", 3.2);
    row("duplex multiplier 0 leaves binding", "10", "2", "0.10", "cornerStaple", true, 0.0, "C", 0.4);
    row("NaN duplex multiplier", "10", "1", "0.10", "none", true, nan, "C", 0.0);
    row("binding fee per copy, not per page", "7", "4", "0.5", "cornerStaple", true, 2.0, "C", 28.8);
    row("copies 0 count as 1", "10", "0", "0.10", "none", false, 1.0, "C", 1.0);
    row("German decimal comma", "10", "1", "0,15", "none", false, 1.0, "de_DE", 1.5);
    row("German falls back to the C locale", "10", "1", "0.15", "none", false, 1.0, "de_DE", 1.5);
    row("negative unit price", "10", "1", "-0.5", "cornerStaple", false, 1.0, "C", 0.2);
    row("unparsable unit price", "10", "1", "abc", "none", false, 1.0, "C", 0.0);
    row("infinite unit price", "10", "1", "inf", "none", false, 1.0, "C", 0.0);
}

void TestPricing::lineAmount()
{
    QFETCH(QString, pages);
    QFETCH(QString, copies);
    QFETCH(QString, unitPrice);
    QFETCH(QString, binding);
    QFETCH(bool, duplex);
    QFETCH(double, duplexMultiplier);
    QFETCH(QString, localeName);
    QFETCH(double, expected);
    PriceProfile profile;
    profile.duplexMultiplier = duplexMultiplier;
    profile.localeName = localeName;
    const LineInputs line{pages, copies, unitPrice, binding};
    const double amount = ::lineAmount(line, profile, duplex);
    QCOMPARE(amount, expected);
    QCOMPARE(::lineAmount(line, profile, duplex, MoneyFormat(profile)), amount);
}

void TestPricing::unitPriceText_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("colorMode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << "en_US"
                             << "USD"
                             << "blackWhite"
                             << "0.05";
    QTest::newRow("German") << "de_DE"
                            << "EUR"
                            << "blackWhite"
                            << "0,05";
    QTest::newRow("no minor unit") << "ja_JP"
                                   << "JPY"
                                   << "blackWhite"
                                   << "0";
    QTest::newRow("three decimals") << "en_US"
                                    << "KWD"
                                    << "blackWhite"
                                    << "0.050";
    QTest::newRow("colour mode selects the row") << "en_US"
                                                 << "USD"
                                                 << "inkjetColor"
                                                 << "1.25";
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

// A recalculation walks every row; 5,000 rows must stay far below a frame's worth of time.
void TestPricing::recalculationIsCheap()
{
    PriceProfile profile;
    profile.localeName = QStringLiteral("de_DE");
    QList<LineInputs> lines;
    for (int i = 0; i < 5000; ++i) {
        lines.append({QString::number(i % 40 + 1), QString::number(i % 3),
                      QStringLiteral("0,%1").arg(i % 90 + 10),
                      i % 2 ? QStringLiteral("cornerStaple") : QStringLiteral("none")});
    }
    qint64 best = std::numeric_limits<qint64>::max();
    double total = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const MoneyFormat format(profile);
        total = 0;
        for (const LineInputs &line : lines)
            total += ::lineAmount(line, profile, true, format);
        best = std::min(best, timer.nsecsElapsed());
    }
    QVERIFY(total > 0);
    QVERIFY2(best < 20'000'000, qPrintable(QStringLiteral("%1 ms").arg(best / 1e6)));
    qInfo("5000 line amounts: %.2f ms", best / 1e6);
}

ORVANTA_GUILESS_TEST_MAIN(TestPricing)
#include "tst_pricing.moc"
