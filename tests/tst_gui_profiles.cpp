#include "app/application_setup.h"
#include "documents/document_columns.h"
#include "pricing/regional_format.h"
#include "storage/price_database.h"
#include "storage/settings_keys.h"
#include "support/gui_test_support.h"
#include "support/sqlite_test_connection.h"
#include "support/test_environment.h"
#include "support/test_files.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Black-and-white prices for A4 and A3; laser colour costs four times as much everywhere.
PriceProfile profileWith(double a4, double a3, double cornerStaple = 0, const char *currency = "USD")
{
    PriceProfile profile;
    for (PagePriceRow &row : profile.pagePrices)
        row.fill(0.07);
    profile.pagePrices[ColorBlackWhite][SlotA4] = a4;
    profile.pagePrices[ColorBlackWhite][SlotA3] = a3;
    for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
        profile.pagePrices[ColorLaser][slot] = profile.pagePrices[ColorBlackWhite][slot] * 4;
    profile.bindingPrices.insert(QStringLiteral("cornerStaple"), cornerStaple);
    profile.currencyCode = QLatin1String(currency);
    return profile;
}

QString activeSetting()
{
    return QSettings().value(SettingsKeys::activePriceProfile).toString();
}

} // namespace

class ProfilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString page(const QString &name, int width, int height)
    {
        writeTestPage(m_dir.filePath(name), width, height);
        return m_dir.filePath(name);
    }
    QString a4() { return page(QStringLiteral("a4.png"), 2480, 3508); }

private Q_SLOTS:
    void initTestCase() { useTestStyle(); }
    void init() { isolateTestEnvironment(QStringLiteral("tst_gui_profiles")); }
    void cleanupTestCase() { init(); }

    // The profile the window starts with and prices a new A4 page by (what older versions stored is
    // taken over by the store, tst_profile_store).
    void startingProfile_data()
    {
        QTest::addColumn<PriceProfileMap>("stored");
        QTest::addColumn<QString>("activeName"); // empty: the key is absent
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("pricing"); // laser-colour A4 and B4 prices, currency, tax rate
        const auto row = [](const char *name, const PriceProfileMap &stored, const char *active,
                            const char *selected, const char *pricing) {
            QTest::newRow(name) << stored << QString(active) << QString(selected) << QString(pricing);
        };
        const PriceProfileMap three = {{QStringLiteral("Office"), profileWith(0.10, 0.5)},
                                       {QStringLiteral("Copyshop"), profileWith(0.20, 0.5)},
                                       {QStringLiteral("通用"), profileWith(0.30, 0.5)}};
        row("new user", {}, nullptr, "通用", "0.05 0.05 USD 0");
        row("absent key takes the default profile", three, nullptr, "通用", "1.20 0.28 USD 0");
        row("name differing in case takes the first by name", three, "office", "Copyshop", "0.80 0.28 USD 0");
    }
    void startingProfile()
    {
        QFETCH(PriceProfileMap, stored);
        QFETCH(QString, activeName);
        QFETCH(QString, selected);
        WindowHarness ui(stored, activeName);
        QCOMPARE(ui.boxTitles, QStringList());
        QCOMPARE(ui.child<QComboBox>("profileCombo")->currentData().toString(), selected);
        QCOMPARE(activeSetting(), selected);
        QVERIFY(ui.add({a4(), page(QStringLiteral("b4.png"), 2953, 4169)}));
        auto *color = ui.child<QComboBox>("colorModeCombo");
        color->setCurrentIndex(color->findData(QStringLiteral("laserColor")));
        const QString total = ui.text("amountValue");
        QTEST(QString(ui.cell(QStringLiteral("a4.png"), UnitPriceColumn) + QLatin1Char(' ') +
                      ui.cell(QStringLiteral("b4.png"), UnitPriceColumn) +
                      (total.contains(QLatin1String("USD")) ? " USD " : " no USD ") +
                      QString::number(ui.window().currentProfile().taxRate)),
              "pricing");
        // What was created for a new user is stored at once.
        QCOMPARE(dumpTables(defaultPriceDatabasePath(), {QStringLiteral("price_profiles")}).size(),
                 stored.isEmpty() ? 1 : 3);
    }

    // Switching re-prices every row, typed prices included, and is remembered with the print mode.
    void switchingProfileRepricesEveryRow()
    {
        const PriceProfile beta = profileWith(0.25, 0.40, 1.00, "EUR");
        {
            WindowHarness ui(
                {{QStringLiteral("Alpha"), profileWith(0.10, 0.30, 0.30)}, {QStringLiteral("Beta"), beta}},
                QStringLiteral("Alpha"));
            QVERIFY(ui.add({a4(), page(QStringLiteral("a3.png"), 3508, 4961)}));
            auto *binding = ui.child<QComboBox>("bindingCombo");
            binding->setCurrentIndex(binding->findData(QStringLiteral("cornerStaple")));
            const int a3 = ui.rowOf(QStringLiteral("a3.png"));
            ui.window().setRowColorMode(a3, QStringLiteral("laserColor"));
            auto *table = ui.child<QTableWidget>("documentTable");
            table->item(ui.rowOf(QStringLiteral("a4.png")), UnitPriceColumn)->setText(QStringLiteral("9.99"));
            QCOMPARE(ui.cell(QStringLiteral("a4.png"), AmountColumn), QStringLiteral("10.29"));

            auto *profiles = ui.child<QComboBox>("profileCombo");
            profiles->setCurrentIndex(profiles->findData(QStringLiteral("Beta")));
            QCOMPARE(ui.cell(QStringLiteral("a4.png"), AmountColumn), QStringLiteral("1.25"));
            QCOMPARE(ui.cell(QStringLiteral("a3.png"), AmountColumn), QStringLiteral("2.60"));
            QCOMPARE(table->item(a3, BindingColumn)->toolTip(),
                     QStringLiteral("装订费：%1/份").arg(formatMoney(beta, 1.00)));
            QVERIFY2(ui.text("amountValue").contains(QStringLiteral("3.85")) &&
                         ui.text("amountValue").contains("EUR"),
                     qPrintable(ui.text("amountValue")));
            auto *printMode = ui.child<QComboBox>("printModeCombo");
            printMode->setCurrentIndex(printMode->findData(QStringLiteral("duplex")));
            saveScreenshot(&ui.window(), QStringLiteral("profiles-switched"));
        }
        WindowHarness reopened;
        QCOMPARE(reopened.child<QComboBox>("profileCombo")->currentData().toString(), QStringLiteral("Beta"));
        QCOMPARE(reopened.window().currentProfile(), beta);
        QVERIFY(reopened.window().isDuplex());
        QCOMPARE(reopened.boxTitles, QStringList());
    }

    void damagedStorageLeavesTheDefaults_data()
    {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<QStringList>("statements"); // none: the database file holds random bytes
        QTest::addColumn<QString>("message");
        QTest::newRow("database file of random bytes")
            << false << QStringList() << "数据库升级失败|not a database";
        QTest::newRow("database folder is a regular file")
            << true << QStringList() << "数据库错误|unable to open";
        // Every table and upgraded column exists, but the profiles are not where they are looked for.
        QTest::newRow("profile table of another layout")
            << false << QStringList{"ALTER TABLE price_profiles RENAME COLUMN profile_name TO name"}
            << "数据库错误|no such column";
    }
    void damagedStorageLeavesTheDefaults()
    {
        QFETCH(bool, folderIsAFile);
        QFETCH(QStringList, statements);
        QFETCH(QString, message);
        const QString blocked = folderIsAFile
                                    ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                    : defaultPriceDatabasePath();
        QDir().mkpath(QFileInfo(blocked).absolutePath());
        QSettings().setValue(SettingsKeys::activePriceProfile, QStringLiteral("Office"));
        if (!statements.isEmpty())
            storeTestProfiles({{QStringLiteral("Office"), PriceProfile()}});
        QVERIFY(statements.isEmpty()
                    ? !writeFile(blocked, QByteArray(folderIsAFile ? 0 : 8192, '\xA5')).isEmpty()
                    : runSql(blocked, statements));
        const QByteArray bytes = readFile(blocked);
        {
            WindowHarness ui;
            QCOMPARE(ui.boxTitles, QStringList{message.section(QLatin1Char('|'), 0, 0)});
            QVERIFY2(ui.boxTexts.value(0).contains(message.section(QLatin1Char('|'), 1), Qt::CaseInsensitive),
                     qPrintable(ui.boxTexts.value(0)));
            QCOMPARE(ui.child<QComboBox>("profileCombo")->count(), 0);
            QVERIFY(ui.add({a4()}));
            QCOMPARE(ui.cell(QStringLiteral("a4.png"), UnitPriceColumn), QStringLiteral("0.05"));
            QCOMPARE(ui.boxTitles.size(), 1);
        }
        QCOMPARE(activeSetting(), QStringLiteral("Office")); // kept for when the file is readable again
        // Nothing was written next to or into the file that could not be read.
        QCOMPARE(readFile(blocked), bytes);
        QCOMPARE(QDir(QFileInfo(blocked).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(blocked).fileName()});
    }
};

QTEST_MAIN(ProfilesTest)
#include "tst_gui_profiles.moc"
