#include "pricing/price_profile.h"
#include "pricing/regional_format.h"
#include "support/guiless_test_main.h"

// Runs with the C locale as the system locale, which names no currency.
class TestCurrencyFallback : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fallsBackToUsd();
};

void TestCurrencyFallback::fallsBackToUsd()
{
    QVERIFY(QLocale::system().currencySymbol(QLocale::CurrencyIsoCode).isEmpty());
    PriceProfile profile;
    profile.currencyCode = QStringLiteral("¥");
    QCOMPARE(effectiveCurrencyCode(profile), QStringLiteral("USD"));
    QCOMPARE(currencyDecimals(profile), 2);
    QCOMPARE(MoneyFormat(profile).plain(0.05), QStringLiteral("0.05"));
}

int main(int argc, char **argv)
{
    return runGuilessTest<TestCurrencyFallback>(argc, argv, "C.UTF-8");
}
#include "tst_currency_fallback.moc"
