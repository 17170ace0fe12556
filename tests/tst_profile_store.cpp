#include "bench/profile_generation.h"
#include "storage/price_database.h"
#include "storage/profile_json.h"
#include "storage/profile_store.h"
#include "storage/settings_keys.h"
#include "support/sqlite_test_connection.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QStringList storedTables = {QStringLiteral("price_settings"), QStringLiteral("price_profiles")};
const QString profilesWithoutJson = QStringLiteral(
    "CREATE TABLE price_profiles (profile_name TEXT PRIMARY KEY, binding REAL, price_a0 REAL, price_a1 REAL, "
    "price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, price_b4 REAL, price_b5 REAL, price_other "
    "REAL)");
// Every option changed, with the quotes and separators a person may type.
const QByteArray everyOption =
    R"({"currencyCode":"CHF","customerContact":"'; DROP TABLE price_profiles; --","customerName":"株式会社 🙂",)"
    R"("duplexMultiplier":1.85,"localeName":"de_DE","minimumCharge":3.333,"paperStockDescription":"80 g/m² \"R\"\n2",)"
    R"("paymentTerms":"Tab\there","pricePageByPage":true,"pricesIncludeTax":true,"quoteDiscountPercent":100,"quoteValidityDays":3650,)"
    R"("roundingIncrement":0.05,"sellerAddress":"Bahnhofstrasse 1\n8001 Zürich","sellerContact":"\\ backslash",)"
    R"("sellerName":"Copy & Print <GmbH>","setupFee":12.5,"taxIdentifier":"CHE-123.456.789 MWST","taxRate":7.7,)"
    R"("volumeDiscountPercent":99.99,"volumeThreshold":2147483647})";

PriceProfile everyFieldChanged()
{
    PriceProfile profile;
    readProfileOptionsJson(everyOption, profile);
    for (int mode = 0; mode < ColorModeCount; ++mode) {
        for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
            profile.pagePrices[mode][slot] = 0.1 + 0.2 + mode * 1.7 + slot / 3.0;
    }
    profile.binding = 1e-9;
    profile.bindingPrices = {{"cornerStaple", 0.0}, {"custom:a1b2", 123456789.123}, {"custom:环装", 0.3}};
    return profile;
}

// What the profile writes, as one object cut to the members of expected; "binding" is the column.
QJsonObject written(const PriceProfile &profile, const QJsonObject &expected)
{
    QVariantMap all = QJsonDocument::fromJson(profileOptionsJson(profile)).object().toVariantMap();
    all.insert(QJsonDocument::fromJson(colorPricesJson(profile)).object().toVariantMap());
    all.insert(QJsonDocument::fromJson(bindingPricesJson(profile)).object().toVariantMap());
    all.insert(QStringLiteral("binding"), profile.binding);
    QJsonObject cut;
    for (const QString &key : expected.keys())
        cut.insert(key, QJsonValue::fromVariant(all.value(key)));
    return cut;
}

// An open connection to the store at path; options are the driver's connect options.
struct Store
{
    SqliteTestConnection connection;
    StorageResult opened;
    explicit Store(const QString &path, const QString &options = QString()) : connection(options)
    {
        opened = openPriceDatabase(connection.database(), path);
    }
    QSqlDatabase &db() { return connection.database(); }
    LoadedPriceProfiles load(const LegacyPriceSettings &legacy = {})
    {
        return loadPriceProfiles(db(), legacy);
    }
    StorageResult save(const PriceProfileMap &profiles)
    {
        return savePriceProfiles(db(), profiles, PriceProfile());
    }
};

} // namespace

class TestProfileStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    // A path in a folder of its own that does not exist yet.
    QString freshPath(const char *name)
    {
        QDir(m_dir.filePath(QLatin1String(name))).removeRecursively();
        QDir().mkpath(m_dir.filePath(QLatin1String(name)));
        return m_dir.filePath(QLatin1String(name) + QStringLiteral("/orvanta.db"));
    }

private Q_SLOTS:
    void initTestCase() { isolateTestEnvironment(QStringLiteral("tst_profile_store")); }

    // Damaged and out-of-range values load as sound profiles; a row without options takes those
    // an older version kept in the settings store (here "eur" and 150).
    void storedRowLoads_data()
    {
        QTest::addColumn<QString>("json"); // colour prices, binding prices, options; "NULL" for none
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, const char *color, const char *binding, const char *options,
                            const char *expected) {
            QTest::newRow(name) << QStringList{color, binding, options}.join(QLatin1Char(','))
                                << QByteArray(expected);
        };
        row("no options: column prices, settings currency and tax", "NULL", "NULL", "NULL",
            R"({"blackWhite":[1,2,3,4,5,6,7,8,0.05,0.05,0.05,9],"binding":0.5,"currencyCode":"EUR","taxRate":100})");
        row("empty option text reads the settings store", "NULL", "NULL", "''", R"({"currencyCode":"EUR"})");
        row("12 prices replace a mode, the ninth of 9 fills Letter to Other, texts and 10 prices are skipped",
            R"('{"inkjetColor":[11,12,13,14,15,16,17,18,19,20,21,22],"laserColor":[11,"2.5",13,14,15,16,17,18,19],)"
            R"("blackWhite":[11,12,13,14,15,16,17,18,19,20]}')",
            "NULL", "NULL",
            R"({"inkjetColor":[11,12,13,14,15,16,17,18,19,20,21,22],"laserColor":[11,2,13,14,15,16,17,18,19,19,19,19],)"
            R"("blackWhite":[1,2,3,4,5,6,7,8,0.05,0.05,0.05,9]})");
        row("binding prices: text, negative and null become 0", "NULL",
            R"('{"saddleStitch":1.5,"cornerStaple":"0.3","custom:x":-2,"custom:y":null}')", "NULL",
            R"({"saddleStitch":1.5,"cornerStaple":0,"custom:x":0,"custom:y":0})");
        row("out-of-range options are clamped", "NULL", "NULL",
            R"('{"taxRate":150,"quoteValidityDays":0,"volumeThreshold":-3,"volumeDiscountPercent":-5,)"
            R"("quoteDiscountPercent":101,"duplexMultiplier":-1,"setupFee":-0.5,"minimumCharge":-1e300,)"
            R"("roundingIncrement":-1,"currencyCode":"jpy"}')",
            R"({"taxRate":100,"quoteValidityDays":1,"volumeThreshold":0,"volumeDiscountPercent":0,"pricePageByPage":false,)"
            R"("quoteDiscountPercent":100,"duplexMultiplier":0,"setupFee":0,"minimumCharge":0,)"
            R"("roundingIncrement":0,"currencyCode":"JPY"})");
        row("huge integers clamp instead of overflowing", "NULL", "NULL",
            R"('{"quoteValidityDays":1e12,"volumeThreshold":1e300}')",
            R"({"quoteValidityDays":3650,"volumeThreshold":2147483647})");
        row("invalid option JSON keeps the defaults without reading the settings store", "NULL", "NULL",
            "'{not json'", R"({"currencyCode":"USD","taxRate":0})");
        row("options of the wrong type keep the base values", "NULL", "NULL",
            R"('{"taxRate":"19","pricesIncludeTax":1,"currencyCode":5,"quoteValidityDays":2.5,"sellerName":42,)"
            R"("pricePageByPage":"true"}')",
            R"({"taxRate":0,"pricesIncludeTax":false,"currencyCode":"USD","quoteValidityDays":30,"sellerName":"",)"
            R"("pricePageByPage":false})");
    }
    void storedRowLoads()
    {
        QFETCH(QString, json);
        QFETCH(QByteArray, expected);
        const QString path = freshPath("row");
        Store store(path);
        QVERIFY(
            runSql(path, {"INSERT INTO price_profiles VALUES('row',0.5,1,2,3,4,5,6,7,8,9," + json + ')'}));
        const LoadedPriceProfiles loaded = store.load({QStringLiteral("eur"), 150});
        const QJsonObject wanted = QJsonDocument::fromJson(expected).object();
        QVERIFY(loaded.result.ok() && loaded.profiles.size() == 1 && !wanted.isEmpty());
        QCOMPARE(written(loaded.profiles.first(), wanted), wanted);
    }

    // Names and texts that need quoting survive a save; a later save replaces the whole set. Older
    // versions read the black-and-white prices of "通用" from the columns of the oldest format.
    void everyFieldRoundTrips()
    {
        QCOMPARE(QJsonDocument::fromJson(profileOptionsJson(everyFieldChanged())).object(),
                 QJsonDocument::fromJson(everyOption).object());
        const PriceProfileMap profiles = {
            {defaultProfileName(), everyFieldChanged()},
            {QStringLiteral("Mike's \"VIP\" rate"), everyFieldChanged()},
            {QStringLiteral("'); DELETE FROM price_profiles; --"), PriceProfile()},
            {QStringLiteral(" trailing space "), PriceProfile()}};
        const QString path = freshPath("round-trip");
        Store store(path);
        QVERIFY(store.save(profiles).ok());
        QCOMPARE(store.load().profiles, profiles);
        QVERIFY(runSql(path, {QStringLiteral("DELETE FROM price_profiles")}));
        const PriceProfile fromColumns = store.load().profiles.value(defaultProfileName());
        QCOMPARE(fromColumns.pagePrices[ColorLaser][SlotA4],
                 everyFieldChanged().pagePrices[ColorBlackWhite][SlotA4]);
        QCOMPARE(fromColumns.binding, everyFieldChanged().binding);
        QVERIFY(store.save({{QStringLiteral("only"), PriceProfile()}}).ok());
        QCOMPARE(store.load().profiles.keys(), QStringList{QStringLiteral("only")});
    }

    // Storage faults during a save: nothing of it lands, not even for the connection that saved.
    void failedSaveKeepsStoredProfiles_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("read-only database file") << "QSQLITE_OPEN_READONLY"
                                                 << "readonly";
        QTest::newRow("another connection holds the write lock") << "BEGIN IMMEDIATE"
                                                                 << "locked";
        QTest::newRow("a reader keeps the commit from getting its lock") << "BEGIN"
                                                                         << "locked";
        QTest::newRow("disk full during the inserts") << "PRAGMA max_page_count="
                                                      << "full";
    }
    void failedSaveKeepsStoredProfiles()
    {
        QFETCH(QString, fault);
        const QString path = freshPath("fault");
        QVERIFY(Store(path).save(profileGeneration(3)).ok());
        const QStringList storedBefore = dumpTables(path, storedTables);
        Store store(path, fault.startsWith("QSQLITE") ? fault : QStringLiteral("QSQLITE_BUSY_TIMEOUT=300"));
        SqliteTestConnection blocker;
        QSqlQuery blocking(blocker.open(path) ? blocker.database() : QSqlDatabase());
        // A statement still reading keeps its shared lock until it is finished.
        if (fault.startsWith(QLatin1String("BEGIN")))
            QVERIFY(blocking.exec(fault) && blocking.exec("SELECT profile_name FROM price_profiles") &&
                    blocking.next());
        QSqlQuery pages(store.db());
        if (fault.startsWith(QLatin1String("PRAGMA")))
            QVERIFY(pages.exec("PRAGMA page_count") && pages.next() &&
                    QSqlQuery(store.db()).exec(fault + pages.value(0).toString()));
        PriceProfileMap newProfiles = profileGeneration(5);
        for (int index = 0; index < 100; ++index)
            newProfiles.insert(QStringLiteral("extra %1").arg(index), everyFieldChanged());
        const StorageResult saved = store.save(newProfiles);
        QCOMPARE(saved.kind, StorageResult::SaveFailed);
        QFETCH(QString, message);
        QVERIFY2(saved.databaseText.contains(message), qPrintable(saved.databaseText));
        blocking.finish();
        QSqlQuery(blocker.database()).exec(QStringLiteral("ROLLBACK"));
        QCOMPARE(dumpTables(path, storedTables), storedBefore);
        QCOMPARE(store.load().profiles, profileGeneration(3));
        // The failed save left no transaction open: once the fault is gone the same connection saves.
        QVERIFY(QSqlQuery(store.db()).exec("PRAGMA max_page_count=1073741823") ||
                fault.startsWith("QSQLITE"));
        QVERIFY(store.save(newProfiles).ok() || fault.startsWith("QSQLITE"));
    }

    // Another program holds the file while the window starts: the read fails, and neither the
    // default profile nor a later save may replace the profiles that were not read.
    void unreadableStoreIsNeverOverwritten()
    {
        const QString path = freshPath("unreadable");
        QVERIFY(Store(path).save(profileGeneration(2)).ok());
        Store store(path, QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
        SqliteTestConnection blocker;
        QVERIFY(blocker.open(path) && QSqlQuery(blocker.database()).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        const LoadedPriceProfiles loaded = store.load();
        QVERIFY(QSqlQuery(blocker.database()).exec(QStringLiteral("ROLLBACK")));
        QCOMPARE(loaded.result.kind, StorageResult::LoadFailed);
        QVERIFY(loaded.profiles.isEmpty() && !loaded.defaultProfileCreated);
        QCOMPARE(store.save({{defaultProfileName(), PriceProfile()}}).kind,
                 StorageResult::DatabaseUnavailable);
        QCOMPARE(Store(path).load().profiles, profileGeneration(2));
    }

    // An old file opened read-only cannot be upgraded: nothing loads, saves or changes. Opened
    // normally it gains the new columns once and keeps its rows.
    void oldFileIsUpgradedOnce()
    {
        const QString path = freshPath("upgrade");
        QVERIFY(
            runSql(path, {"CREATE TABLE price_settings (id INTEGER PRIMARY KEY CHECK(id=1), bw_single REAL, "
                          "bw_double REAL, color_single REAL, color_double REAL, binding REAL)",
                          "INSERT INTO price_settings VALUES(1,0.1,0.2,0.3,0.4,0.5)", profilesWithoutJson,
                          "INSERT INTO price_profiles VALUES('shop',0.5,1,2,3,4,5,6,7,8,9)"}));
        const QStringList before = dumpTables(path, storedTables);
        {
            Store readOnly(path, QStringLiteral("QSQLITE_OPEN_READONLY"));
            QCOMPARE(readOnly.opened.kind, StorageResult::UpgradeFailed);
            QVERIFY(readOnly.load().profiles.isEmpty());
            QCOMPARE(readOnly.save({{defaultProfileName(), PriceProfile()}}).kind,
                     StorageResult::DatabaseUnavailable);
        }
        QCOMPARE(dumpTables(path, storedTables), before);
        for (int open = 0; open < 2; ++open)
            QVERIFY(Store(path).opened.ok());
        QCOMPARE(dumpTables(path, storedTables),
                 (QStringList{before.at(0) + QStringLiteral("|NULL").repeated(9),
                              before.at(1) + "|NULL|NULL|NULL"}));
        QCOMPARE(Store(path).load().profiles.keys(), QStringList{QStringLiteral("shop")});
    }

    // Values of the settings store that need care: foreign or blank binding methods, the case of
    // the print mode, a tax rate stored as text, a deleted active profile.
    void settingsFallbacks()
    {
        QSettings settings;
        settings.setValue(SettingsKeys::customBindingMethods, QVariantMap{{"custom:ring", "  Ring "},
                                                                          {"custom:blank", "   "},
                                                                          {"ring", "No prefix"},
                                                                          {"Custom:case", "Wrong case"},
                                                                          {"custom:热熔", "热熔装订"}});
        QCOMPARE(loadCustomBindingMethods(settings),
                 (CustomBindingMap{{"custom:ring", "Ring"}, {"custom:热熔", "热熔装订"}}));
        writePrintMode(settings, QStringLiteral("Duplex"));
        QCOMPARE(readPrintMode(settings), QStringLiteral("simplex"));
        settings.setValue(SettingsKeys::taxRate, QStringLiteral("8.5"));
        QCOMPARE(readLegacyPriceSettings(settings).taxRate, 8.5);
        QCOMPARE(chooseActiveProfileName({{"b", {}}, {"a", {}}, {"c", {}}}, defaultProfileName()),
                 QStringLiteral("a"));
    }

    // Saves killed at random moments leave the previous or the new set, never a mix.
    void killedSaveLeavesOldOrNewSet()
    {
        const QString program = QStringLiteral(ORVANTA_BINARY_DIR "/bench/bench_profile_store");
        const QString path = freshPath("crash");
        QVERIFY(Store(path).save(profileGeneration(0)).ok());
        QRandomGenerator random(20261206);
        int previous = 0;
        int hotJournals = 0;
        for (int run = 0; run < 200; ++run) {
            QProcess saver;
            saver.start(program, {QStringLiteral("--save-loop"), path});
            QVERIFY2(saver.waitForReadyRead(10000), qPrintable(program + saver.readAllStandardError()));
            QThread::usleep(random.bounded(40000));
            QVERIFY2(saver.state() == QProcess::Running, qPrintable(saver.readAllStandardError()));
            saver.kill();
            QVERIFY(saver.waitForFinished(10000));
            hotJournals += QFileInfo(path + QStringLiteral("-journal")).size() > 0;
            Store check(path);
            QSqlQuery integrity(check.db());
            QVERIFY(integrity.exec(QStringLiteral("PRAGMA integrity_check")) && integrity.next());
            QCOMPARE(integrity.value(0).toString(), QStringLiteral("ok"));
            const LoadedPriceProfiles loaded = check.load();
            const int generation = generationOf(loaded.profiles);
            QVERIFY2(
                loaded.result.ok() && generation >= previous &&
                    loaded.profiles == profileGeneration(generation),
                qPrintable(
                    QStringLiteral("run %1: generation %2 after %3").arg(run).arg(generation).arg(previous)));
            previous = generation;
        }
        QVERIFY2(hotJournals > 0, "no kill landed inside a save");
    }
};

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profile_store.moc"
