#include "storage/settings_keys.h"
#include "support/test_environment.h"

#include <QSettings>
#include <QTest>

class TestSettingsKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void customBindingMethodsLoad_data();
    void customBindingMethodsLoad();
    void droppedMethodsVanishAfterNextSave();
    void printMode_data();
    void printMode();
    void activePriceProfileDefaultsToGeneral();
    void legacyPriceSettings_data();
    void legacyPriceSettings();
    void chooseActiveProfile_data();
    void chooseActiveProfile();
};

void TestSettingsKeys::initTestCase()
{
    isolateTestEnvironment(QStringLiteral("tst_settings_keys"));
}

void TestSettingsKeys::init()
{
    QSettings().clear();
}

void TestSettingsKeys::customBindingMethodsLoad_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<CustomBindingMap>("expected");

    QTest::newRow("absent key gives no methods") << QVariant() << CustomBindingMap();
    QTest::newRow("a plain string is not a map")
        << QVariant(QStringLiteral("custom:a=Ring")) << CustomBindingMap();
    QTest::newRow("a list is not a map") << QVariant(QStringList{"custom:a", "Ring"}) << CustomBindingMap();

    const QVariantMap mixed{{"custom:ring", "  Ring binder "},
                            {"custom:blank", "   "},
                            {"custom:empty", QString()},
                            {"ring", "No prefix"},
                            {"Custom:case", "Wrong case"},
                            {"custom:热熔", "热熔装订"},
                            {"custom:number", 5}};
    QTest::newRow("entries without prefix or with blank names are dropped, names trimmed")
        << QVariant(mixed)
        << CustomBindingMap{
               {"custom:ring", "Ring binder"}, {"custom:热熔", "热熔装订"}, {"custom:number", "5"}};
}

void TestSettingsKeys::customBindingMethodsLoad()
{
    QFETCH(QVariant, stored);
    QFETCH(CustomBindingMap, expected);
    QSettings settings;
    if (stored.isValid())
        settings.setValue(QStringLiteral("customBindingMethods"), stored);
    settings.sync();
    QCOMPARE(loadCustomBindingMethods(QSettings()), expected);
}

void TestSettingsKeys::droppedMethodsVanishAfterNextSave()
{
    {
        QSettings settings;
        settings.setValue(QStringLiteral("customBindingMethods"),
                          QVariantMap{{"plain", "No prefix"}, {"custom:a", "Ring \"A\""}, {"custom:b", " "}});
    }
    const CustomBindingMap loaded = loadCustomBindingMethods(QSettings());
    {
        QSettings settings;
        saveCustomBindingMethods(settings, loaded);
    }
    const QVariantMap stored = QSettings().value(QStringLiteral("customBindingMethods")).toMap();
    QCOMPARE(stored, QVariantMap({{"custom:a", "Ring \"A\""}}));
    QCOMPARE(loadCustomBindingMethods(QSettings()), loaded);
}

void TestSettingsKeys::printMode_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");

    QTest::newRow("absent reads simplex") << QVariant() << "simplex";
    QTest::newRow("duplex is kept") << QVariant("duplex") << "duplex";
    QTest::newRow("other case reads simplex") << QVariant("Duplex") << "simplex";
}

void TestSettingsKeys::printMode()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    QSettings settings;
    if (stored.isValid())
        writePrintMode(settings, stored.toString());
    QCOMPARE(readPrintMode(settings), expected);
}

void TestSettingsKeys::activePriceProfileDefaultsToGeneral()
{
    QSettings settings;
    QCOMPARE(readActivePriceProfile(settings), QStringLiteral("通用"));
    writeActivePriceProfile(settings, QStringLiteral("学生 'VIP'"));
    settings.sync();
    QCOMPARE(readActivePriceProfile(QSettings()), QStringLiteral("学生 'VIP'"));
}

void TestSettingsKeys::legacyPriceSettings_data()
{
    QTest::addColumn<QVariant>("currency");
    QTest::addColumn<QVariant>("taxRate");
    QTest::addColumn<QString>("expectedCurrency");
    QTest::addColumn<double>("expectedTaxRate");

    QTest::newRow("absent keys give USD and no tax") << QVariant() << QVariant() << "USD" << 0.0;
    QTest::newRow("stored values are read as they are") << QVariant("eur") << QVariant(150) << "eur" << 150.0;
    QTest::newRow("tax rate stored as text") << QVariant("JPY") << QVariant("8.5") << "JPY" << 8.5;
    QTest::newRow("unreadable tax rate is 0") << QVariant("USD") << QVariant("abc") << "USD" << 0.0;
}

void TestSettingsKeys::legacyPriceSettings()
{
    QFETCH(QVariant, currency);
    QFETCH(QVariant, taxRate);
    QFETCH(QString, expectedCurrency);
    QFETCH(double, expectedTaxRate);
    {
        QSettings settings;
        if (currency.isValid())
            settings.setValue(QStringLiteral("currencyCode"), currency);
        if (taxRate.isValid())
            settings.setValue(QStringLiteral("taxRate"), taxRate);
    }
    const LegacyPriceSettings legacy = readLegacyPriceSettings(QSettings());
    QCOMPARE(legacy.currencyCode, expectedCurrency);
    QCOMPARE(legacy.taxRate, expectedTaxRate);
}

void TestSettingsKeys::chooseActiveProfile_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, const QStringList &names, const char *stored,
                        const char *expected) {
        QTest::newRow(name) << names << QString(stored) << QString(expected);
    };
    row("stored name present", {"b", "a", "通用"}, "b", "b");
    row("deleted profile falls back to the first by name", {"b", "a"}, "通用", "a");
    row("case differs, so the first by name", {"Shop", "a"}, "shop", "Shop");
    row("no profiles gives no name", {}, "通用", "");
}

void TestSettingsKeys::chooseActiveProfile()
{
    QFETCH(QStringList, names);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    PriceProfileMap profiles;
    for (const QString &name : names)
        profiles.insert(name, PriceProfile());
    QCOMPARE(chooseActiveProfileName(profiles, stored), expected);
}

QTEST_GUILESS_MAIN(TestSettingsKeys)
#include "tst_settings_keys.moc"
