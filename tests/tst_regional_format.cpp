#include "pricing/price_profile.h"
#include "pricing/regional_format.h"
#include "support/guiless_test_main.h"

#include <QRegularExpression>

#include <cmath>

namespace {

PriceProfile profileWith(const QString &localeName, const QString &currencyCode)
{
    PriceProfile profile;
    profile.localeName = localeName;
    profile.currencyCode = currencyCode;
    return profile;
}

} // namespace

// Runs with Icelandic as the system locale: decimal comma, and ISK has no minor unit.
class TestRegionalFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void currencyCode_data();
    void currencyCode();
    void formatting_data();
    void formatting();
    void noNegativeZero_data();
    void noNegativeZero();
    void parsing_data();
    void parsing();
};

void TestRegionalFormat::initTestCase()
{
    QCOMPARE(QLocale::system().name(), QStringLiteral("is_IS"));
}

void TestRegionalFormat::currencyCode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("decimals");
    const auto row = [](const char *name, const char *stored, const char *code, int decimals) {
        QTest::newRow(name) << QString(stored) << QString(code) << decimals;
    };
    row("lower case with spaces", " eur ", "EUR", 2);
    row("lower case without minor unit", "jpy", "JPY", 0);
    row("three decimals", "KWD", "KWD", 3);
    row("unknown code has two decimals", "XYZ", "XYZ", 2);
    row("currency sign falls back to the system", "€", "ISK", 0);
    row("four letters fall back", "EURO", "ISK", 0);
    row("digit falls back", "E1R", "ISK", 0);
    row("empty falls back", "", "ISK", 0);
    row("non-ASCII letter falls back", "ÉUR", "ISK", 0);
}

void TestRegionalFormat::currencyCode()
{
    QFETCH(QString, stored);
    const PriceProfile profile = profileWith(QString(), stored);
    QTEST(effectiveCurrencyCode(profile), "code");
    QTEST(currencyDecimals(profile), "decimals");
    QTEST(MoneyFormat(profile).decimals(), "decimals");
}

void TestRegionalFormat::formatting_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("plain");
    const auto row = [](const char *name, const char *locale, const char *currency, double amount,
                        const QString &money, const char *plain) {
        QTest::newRow(name) << QString(locale) << QString(currency) << amount << money << QString(plain);
    };
    const QString nbsp(QChar(0x00A0));
    row("English", "en_US", "USD", 1234.5, "USD 1,234.50", "1,234.50");
    row("English negative", "en_US", "USD", -5.0, "(USD 5.00)", "-5.00");
    row("German", "de_DE", "EUR", 1234.5, "1.234,50" + nbsp + "EUR", "1.234,50");
    row("yen has no minor unit", "ja_JP", "jpy", 1234.5, "JPY 1,235", "1,235");
    row("dinar has three decimals", "en_US", "KWD", 12.3456, "KWD 12.346", "12.346");
    row("empty locale name uses the system", "", "EUR", 0.05, "0,05" + nbsp + "EUR", "0,05");
    // QLocale rounds the exact binary value: 2.675 and 1.005 are stored just below the half.
    row("2.675 is just below the half", "en_US", "USD", 2.675, "USD 2.67", "2.67");
    row("1.005 is just below the half", "en_US", "USD", 1.005, "USD 1.00", "1.00");
    row("an exact half rounds away from zero", "en_US", "USD", 0.125, "USD 0.13", "0.13");
}

void TestRegionalFormat::formatting()
{
    QFETCH(QString, localeName);
    QFETCH(QString, currency);
    QFETCH(double, amount);
    const PriceProfile profile = profileWith(localeName, currency);
    QTEST(formatMoney(profile, amount), "money");
    QTEST(MoneyFormat(profile).plain(amount), "plain");
}

void TestRegionalFormat::noNegativeZero_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("plain");
    QTest::newRow("negative zero") << "USD" << -0.0 << "0.00";
    QTest::newRow("just above minus half a cent") << "USD" << std::nextafter(-0.005, 0.0) << "0.00";
    QTest::newRow("minus half a cent") << "USD" << -0.005 << "-0.01";
    QTest::newRow("minus half a yen") << "JPY" << -0.5 << "-1";
    QTest::newRow("negative below half a fils") << "KWD" << -0.0004 << "0.000";
}

// "-0.00" (or "(USD 0.00)" in English) must never be shown.
void TestRegionalFormat::noNegativeZero()
{
    QFETCH(QString, currency);
    QFETCH(double, amount);
    const MoneyFormat format(profileWith(QStringLiteral("en_US"), currency));
    QTEST(format.plain(amount), "plain");
    const QString money = format.money(amount);
    const bool showsZero = !money.contains(QRegularExpression(QStringLiteral("[1-9]")));
    QVERIFY2(!showsZero || !(money.contains(u'-') || money.contains(u'(')), qPrintable(money));
}

void TestRegionalFormat::parsing_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("ok");
    const auto row = [](const char *name, const char *locale, const char *text, double value, bool ok) {
        QTest::newRow(name) << QString(locale) << QString(text) << value << ok;
    };
    row("German decimal comma", "de_DE", "0,15", 0.15, true);
    row("German accepts a decimal point", "de_DE", "0.15", 0.15, true);
    row("German grouping", "de_DE", "1.500", 1500.0, true);
    row("surrounding spaces", "de_DE", "  2,5 ", 2.5, true);
    row("negative", "en_US", "-3.5", -3.5, true);
    row("system locale when empty", "", "0,25", 0.25, true);
    row("empty text", "en_US", "", 0.0, false);
    row("letters", "en_US", "abc", 0.0, false);
    row("infinity is no amount", "en_US", "inf", 0.0, false);
    row("NaN is no amount", "en_US", "nan", 0.0, false);
    row("overflow", "de_DE", "1e999", 0.0, false);
}

void TestRegionalFormat::parsing()
{
    QFETCH(QString, localeName);
    QFETCH(QString, text);
    const PriceProfile profile = profileWith(localeName, QStringLiteral("EUR"));
    QFETCH(bool, ok);
    bool parsedOk = !ok;
    const double value = parseAmount(profile, text, &parsedOk);
    QTEST(value, "value");
    QCOMPARE(parsedOk, ok);
    QCOMPARE(MoneyFormat(profile).parse(text), value);
}

int main(int argc, char **argv)
{
    return runGuilessTest<TestRegionalFormat>(argc, argv, "is_IS.UTF-8");
}
#include "tst_regional_format.moc"
