#include "bench/profile_generation.h"
#include "storage/price_database.h"
#include "storage/profile_json.h"
#include "storage/profile_store.h"
#include "support/sqlite_test_connection.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

Q_DECLARE_METATYPE(PriceProfile)

namespace {

const QStringList storedTables = {QStringLiteral("price_settings"), QStringLiteral("price_profiles")};
const QString profileColumns = QStringLiteral("profile_name,binding,price_a0,price_a1,price_a2,price_a3,"
                                              "price_a4,price_a5,price_b4,price_b5,price_other,"
                                              "color_prices,binding_prices,profile_options");

// The prices of the fixture rows' columns: A0..B5 = 1..8, Other = 9, binding 0.5.
PriceProfile columnPricedProfile()
{
    PriceProfile profile;
    for (PagePriceRow &row : profile.pagePrices)
        row = {1, 2, 3, 4, 5, 6, 7, 8, 0.05, 0.05, 0.05, 9};
    profile.binding = 0.5;
    return profile;
}

LegacyPriceSettings fixtureLegacySettings()
{
    LegacyPriceSettings legacy;
    legacy.currencyCode = QStringLiteral("EUR");
    legacy.taxRate = 12.5;
    return legacy;
}

QString sqlText(const QString &text)
{
    if (text.isNull())
        return QStringLiteral("NULL");
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
}

PriceProfile everyFieldChanged()
{
    PriceProfile profile;
    for (int mode = 0; mode < ColorModeCount; ++mode) {
        for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
            profile.pagePrices[mode][slot] = 0.1 + 0.2 + mode * 1.7 + slot / 3.0;
    }
    profile.binding = 1e-9;
    profile.bindingPrices = {{"none", 0.0},
                             {"cornerStaple", 0.0},
                             {"perfectBinding", 2.75},
                             {"custom:a1b2", 123456789.123},
                             {"custom:环装", 0.3}};
    profile.localeName = QStringLiteral("de_DE");
    profile.currencyCode = QStringLiteral("CHF");
    profile.taxRate = 7.7;
    profile.pricesIncludeTax = true;
    profile.paperStockDescription = QStringLiteral("80 g/m² \"Recycling\"\n2nd line");
    profile.duplexMultiplier = 1.85;
    profile.setupFee = 12.5;
    profile.minimumCharge = 3.333;
    profile.volumeThreshold = 2147483647;
    profile.volumeDiscountPercent = 99.99;
    profile.quoteDiscountPercent = 100;
    profile.roundingIncrement = 0.05;
    profile.sellerName = QStringLiteral("Copy & Print \"Zürich\" <GmbH>");
    profile.sellerContact = QStringLiteral("+41 44 000 00 00, \\ backslash");
    profile.sellerAddress = QStringLiteral("Bahnhofstrasse 1\n8001 Zürich");
    profile.taxIdentifier = QStringLiteral("CHE-123.456.789 MWST");
    profile.customerName = QStringLiteral("株式会社 テスト 🙂");
    profile.customerContact = QStringLiteral("'; DROP TABLE price_profiles; --");
    profile.quoteValidityDays = 3650;
    profile.paymentTerms = QStringLiteral("Tab\there");
    return profile;
}

struct ProfileDatabase
{
    QString path;
    SqliteTestConnection connection;

    explicit ProfileDatabase(const QString &filePath, const QString &options = QString())
        : path(filePath), connection(options)
    {}
    StorageResult open() { return openPriceDatabase(connection.database(), path); }
};

PriceProfileMap reloadProfiles(const QString &path)
{
    ProfileDatabase database(path);
    if (!database.open().ok())
        return {};
    return loadPriceProfiles(database.connection.database(), LegacyPriceSettings()).profiles;
}

} // namespace

class TestProfileStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void legacyRowBecomesDefaultProfile();
    void legacyNullPriceFallsBackToSingleSidedPrice();
    void storedRowLoads_data();
    void storedRowLoads();
    void everyFieldRoundTrips();
    void jsonIsCompactAndSorted();
    void columnsRepeatBlackWhitePrices_data();
    void columnsRepeatBlackWhitePrices();
    void saveReplacesWholeSet();
    void closedConnectionRefusesSave();
    void failedSaveKeepsStoredProfiles_data();
    void failedSaveKeepsStoredProfiles();
    void unreadableStoreIsNeverOverwritten();
    void killedSaveLeavesOldOrNewSet();

private:
    QString freshPath(const QString &name);
    QTemporaryDir m_dir;
};

void TestProfileStore::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestProfileStore::freshPath(const QString &name)
{
    const QString folder = m_dir.filePath(name);
    QDir(folder).removeRecursively();
    return folder + QStringLiteral("/orvanta.db");
}

void TestProfileStore::legacyRowBecomesDefaultProfile()
{
    const QString path = freshPath(QStringLiteral("legacy"));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(
        runSql(path, {"CREATE TABLE price_settings (id INTEGER PRIMARY KEY CHECK(id=1), bw_single REAL, "
                      "bw_double REAL, color_single REAL, color_double REAL, binding REAL, price_a0 REAL, "
                      "price_a1 REAL, price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, "
                      "price_other REAL)",
                      "INSERT INTO price_settings VALUES(1,0.3,0.4,0.9,1.2,0.25,1,2,3,4,5,6,0.7)"}));
    ProfileDatabase database(path);
    QVERIFY(database.open().ok());
    LegacyPriceSettings legacy;
    legacy.currencyCode = QStringLiteral("eur");
    legacy.taxRate = 150;
    const LoadedPriceProfiles loaded = loadPriceProfiles(database.connection.database(), legacy);
    QVERIFY(loaded.result.ok());
    QVERIFY(loaded.defaultProfileCreated);

    PriceProfile expected;
    for (PagePriceRow &row : expected.pagePrices)
        row = {1, 2, 3, 4, 5, 6, 0.3, 0.3, 0.05, 0.05, 0.05, 0.7};
    expected.binding = 0.25;
    expected.currencyCode = QStringLiteral("EUR");
    expected.taxRate = 100;
    QCOMPARE(loaded.profiles.keys(), QStringList{defaultProfileName()});
    QCOMPARE(loaded.profiles.first(), expected);
    QCOMPARE(loaded.baseProfile, expected);

    QVERIFY(savePriceProfiles(database.connection.database(), loaded.profiles, loaded.baseProfile).ok());
    QCOMPARE(dumpTables(path, {"price_profiles"}).size(), 1);
    const LoadedPriceProfiles reloaded =
        loadPriceProfiles(database.connection.database(), LegacyPriceSettings());
    QVERIFY(!reloaded.defaultProfileCreated);
    QCOMPARE(reloaded.profiles, loaded.profiles);
}

void TestProfileStore::legacyNullPriceFallsBackToSingleSidedPrice()
{
    const QString path = freshPath(QStringLiteral("legacy-null"));
    ProfileDatabase database(path);
    QVERIFY(database.open().ok());
    QVERIFY(runSql(path, {"INSERT INTO price_settings(id,bw_single,binding,price_a4,price_b4) "
                          "VALUES(1,0.3,NULL,0.08,NULL)"}));
    const LoadedPriceProfiles loaded =
        loadPriceProfiles(database.connection.database(), LegacyPriceSettings());
    const PagePriceRow &row = loaded.baseProfile.pagePrices[ColorLaser];
    QCOMPARE(row[SlotB4], 0.3);
    QCOMPARE(row[SlotA4], 0.08);
    QCOMPARE(row[SlotOther], 0.3);
    QCOMPARE(row[SlotLetter], 0.05);
    QCOMPARE(loaded.baseProfile.binding, 0.0);
}

void TestProfileStore::storedRowLoads_data()
{
    QTest::addColumn<QString>("colorPrices");
    QTest::addColumn<QString>("bindingPrices");
    QTest::addColumn<QString>("options");
    QTest::addColumn<PriceProfile>("expected");

    const PriceProfile columns = columnPricedProfile();
    PriceProfile legacyOptions = columns;
    legacyOptions.currencyCode = QStringLiteral("EUR");
    legacyOptions.taxRate = 12.5;
    const QString noOptions;

    QTest::newRow("NULL JSON columns: column prices, settings currency and tax")
        << QString() << QString() << noOptions << legacyOptions;
    QTest::newRow("empty option text reads the settings store")
        << QString() << QString() << QString("") << legacyOptions;
    QTest::newRow("invalid color JSON keeps the column prices")
        << QString("{\"blackWhite\":[1,2") << QString() << noOptions << legacyOptions;
    QTest::newRow("color JSON that is an array keeps the column prices")
        << QString("[[1,2,3]]") << QString() << noOptions << legacyOptions;

    PriceProfile twelve = legacyOptions;
    twelve.pagePrices[ColorInkjet] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    QTest::newRow("12 numbers replace one colour mode")
        << QString("{\"inkjetColor\":[11,12,13,14,15,16,17,18,19,20,21,22]}") << QString() << noOptions
        << twelve;

    PriceProfile nine = legacyOptions;
    nine.pagePrices[ColorLaser] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 19, 19, 19};
    QTest::newRow("9 numbers: the ninth fills Letter, Legal, Tabloid and Other")
        << QString("{\"laserColor\":[11,12,13,14,15,16,17,18,19]}") << QString() << noOptions << nine;

    PriceProfile nineWithText = legacyOptions;
    nineWithText.pagePrices[ColorBlackWhite] = {11, 2, 13, 14, 15, 16, 17, 18, 9, 9, 9, 9};
    QTest::newRow("9 numbers with texts keep those slots, the ninth defaults to Other")
        << QString("{\"blackWhite\":[11,\"2.5\",13,14,15,16,17,18,null]}") << QString() << noOptions
        << nineWithText;

    QTest::newRow("10 numbers are ignored") << QString("{\"blackWhite\":[11,12,13,14,15,16,17,18,19,20]}")
                                            << QString() << noOptions << legacyOptions;

    PriceProfile bindings = legacyOptions;
    bindings.bindingPrices = {
        {"cornerStaple", 0.0}, {"custom:x", 0.0}, {"custom:y", 0.0}, {"saddleStitch", 1.5}};
    QTest::newRow("binding prices: text, negative and null become 0")
        << QString()
        << QString("{\"saddleStitch\":1.5,\"cornerStaple\":\"0.3\",\"custom:x\":-2,\"custom:y\":null}")
        << noOptions << bindings;
    QTest::newRow("binding prices that are not an object are ignored")
        << QString() << QString("[1,2]") << noOptions << legacyOptions;

    PriceProfile clamped = columns;
    clamped.taxRate = 100;
    clamped.quoteValidityDays = 1;
    clamped.volumeThreshold = 0;
    clamped.volumeDiscountPercent = 0;
    clamped.quoteDiscountPercent = 100;
    clamped.duplexMultiplier = 0;
    clamped.setupFee = 0;
    clamped.minimumCharge = 0;
    clamped.roundingIncrement = 0;
    clamped.currencyCode = QStringLiteral("JPY");
    QTest::newRow("out-of-range options are clamped")
        << QString() << QString()
        << QString(
               "{\"taxRate\":150,\"quoteValidityDays\":0,\"volumeThreshold\":-3,"
               "\"volumeDiscountPercent\":-5,\"quoteDiscountPercent\":101,\"duplexMultiplier\":-1,"
               "\"setupFee\":-0.5,\"minimumCharge\":-1e300,\"roundingIncrement\":0,\"currencyCode\":\"jpy\"}")
        << clamped;

    PriceProfile huge = columns;
    huge.quoteValidityDays = 3650;
    huge.volumeThreshold = 2147483647;
    QTest::newRow("huge integers clamp instead of overflowing")
        << QString() << QString() << QString("{\"quoteValidityDays\":1e12,\"volumeThreshold\":1e300}")
        << huge;

    QTest::newRow("invalid option JSON keeps the defaults without reading the settings store")
        << QString() << QString() << QString("{not json") << columns;
    QTest::newRow("option JSON that is not an object keeps the defaults")
        << QString() << QString() << QString("\"EUR\"") << columns;

    PriceProfile wrongTypes = columns;
    QTest::newRow("options of the wrong type keep the base values")
        << QString() << QString()
        << QString("{\"taxRate\":\"19\",\"pricesIncludeTax\":1,\"currencyCode\":5,\"quoteValidityDays\":2.5,"
                   "\"volumeThreshold\":\"7\",\"sellerName\":42}")
        << wrongTypes;
}

void TestProfileStore::storedRowLoads()
{
    QFETCH(QString, colorPrices);
    QFETCH(QString, bindingPrices);
    QFETCH(QString, options);
    QFETCH(PriceProfile, expected);

    const QString path = freshPath(QStringLiteral("row"));
    ProfileDatabase database(path);
    QVERIFY(database.open().ok());
    QVERIFY(runSql(
        path, {QStringLiteral("INSERT INTO price_profiles(%1) VALUES('row',0.5,1,2,3,4,5,6,7,8,9,%2,%3,%4)")
                   .arg(profileColumns, sqlText(colorPrices), sqlText(bindingPrices), sqlText(options))}));
    const LoadedPriceProfiles loaded =
        loadPriceProfiles(database.connection.database(), fixtureLegacySettings());
    QVERIFY(loaded.result.ok());
    QVERIFY(!loaded.defaultProfileCreated);
    QCOMPARE(loaded.profiles.keys(), QStringList{"row"});
    const PriceProfile actual = loaded.profiles.value(QStringLiteral("row"));
    QCOMPARE(actual.bindingPrices, expected.bindingPrices);
    QVERIFY(actual == expected);
}

void TestProfileStore::everyFieldRoundTrips()
{
    PriceProfileMap profiles;
    profiles.insert(defaultProfileName(), PriceProfile());
    profiles.insert(QStringLiteral("Mike's \"VIP\" rate"), everyFieldChanged());
    profiles.insert(QStringLiteral("学生价 🙂"), everyFieldChanged());
    profiles.insert(QStringLiteral("'); DELETE FROM price_profiles; --"), PriceProfile());
    profiles.insert(QStringLiteral(" trailing space "), PriceProfile());

    const QString path = freshPath(QStringLiteral("round-trip"));
    {
        ProfileDatabase database(path);
        QVERIFY(database.open().ok());
        const StorageResult saved =
            savePriceProfiles(database.connection.database(), profiles, PriceProfile());
        QVERIFY2(saved.ok(), qPrintable(saved.databaseText));
    }
    const PriceProfileMap reloaded = reloadProfiles(path);
    QCOMPARE(reloaded.keys(), profiles.keys());
    for (const QString &name : profiles.keys())
        QVERIFY2(reloaded.value(name) == profiles.value(name), qPrintable(name));
}

void TestProfileStore::jsonIsCompactAndSorted()
{
    PriceProfile profile;
    profile.bindingPrices = {{"custom:b", 1.5}, {"cornerStaple", 0.25}, {"custom:a", 0}};
    profile.sellerName = QStringLiteral("店");
    QCOMPARE(bindingPricesJson(profile), QByteArray(R"({"cornerStaple":0.25,"custom:a":0,"custom:b":1.5})"));
    QCOMPARE(
        QString::fromUtf8(profileOptionsJson(profile)),
        QString(
            R"({"currencyCode":"USD","customerContact":"","customerName":"","duplexMultiplier":1,)"
            R"("localeName":"","minimumCharge":0,"paperStockDescription":"","paymentTerms":"",)"
            R"("pricesIncludeTax":false,"quoteDiscountPercent":0,"quoteValidityDays":30,)"
            R"("roundingIncrement":0.01,"sellerAddress":"","sellerContact":"","sellerName":"店",)"
            R"("setupFee":0,"taxIdentifier":"","taxRate":0,"volumeDiscountPercent":0,"volumeThreshold":0})"));
    profile.pagePrices[ColorInkjet][SlotOther] = 0.3;
    const QByteArray row = "[0.05,0.05,0.05,0.05,0.05,0.05,0.05,0.05,0.05,0.05,0.05,";
    QCOMPARE(colorPricesJson(profile), "{\"blackWhite\":" + row + "0.05],\"inkjetColor\":" + row +
                                           "0.3],\"laserColor\":" + row + "0.05]}");
}

void TestProfileStore::columnsRepeatBlackWhitePrices_data()
{
    QTest::addColumn<bool>("withDefaultProfile");
    QTest::addColumn<QString>("expectedLegacyRow");

    QTest::newRow("legacy row comes from the default profile")
        << true << "price_settings: 1|11.5|11.5|21.5|31.5|0.75|0|1|2|3|4|5|6|7|11.5";
    QTest::newRow("legacy row comes from the active profile without a default profile")
        << false << "price_settings: 1|0.05|0.05|0.05|0.05|0.2|0.05|0.05|0.05|0.05|0.05|0.05|0.05|0.05|0.05";
}

void TestProfileStore::columnsRepeatBlackWhitePrices()
{
    QFETCH(bool, withDefaultProfile);
    QFETCH(QString, expectedLegacyRow);

    PriceProfile profile;
    for (int mode = 0; mode < ColorModeCount; ++mode) {
        for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
            profile.pagePrices[mode][slot] = mode * 10 + slot + (slot == SlotOther ? 0.5 : 0);
    }
    profile.binding = 0.75;
    PriceProfileMap profiles;
    profiles.insert(withDefaultProfile ? defaultProfileName() : QStringLiteral("shop"), profile);

    const QString path = freshPath(QStringLiteral("columns"));
    ProfileDatabase database(path);
    QVERIFY(database.open().ok());
    QVERIFY(savePriceProfiles(database.connection.database(), profiles, PriceProfile()).ok());
    const QStringList rows = dumpTables(path, storedTables);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0), expectedLegacyRow);
    QVERIFY2(rows.at(1).contains(QLatin1String("|0.75|0|1|2|3|4|5|6|7|11.5|{")), qPrintable(rows.at(1)));
}

void TestProfileStore::saveReplacesWholeSet()
{
    const QString path = freshPath(QStringLiteral("replace"));
    ProfileDatabase database(path);
    QVERIFY(database.open().ok());
    QSqlDatabase &connection = database.connection.database();
    QVERIFY(savePriceProfiles(connection, profileGeneration(1), PriceProfile()).ok());
    const PriceProfileMap smaller = {{QStringLiteral("only"), everyFieldChanged()}};
    QVERIFY(savePriceProfiles(connection, smaller, PriceProfile()).ok());
    QCOMPARE(reloadProfiles(path), smaller);
}

void TestProfileStore::closedConnectionRefusesSave()
{
    SqliteTestConnection connection;
    const LoadedPriceProfiles loaded = loadPriceProfiles(connection.database(), LegacyPriceSettings());
    QVERIFY(loaded.result.ok());
    QVERIFY(loaded.profiles.isEmpty());
    const StorageResult saved =
        savePriceProfiles(connection.database(), profileGeneration(1), PriceProfile());
    QCOMPARE(saved.kind, StorageResult::DatabaseUnavailable);
    QVERIFY(!saved.ok());
}

enum Fault
{
    ReadOnlyFile,
    WriteLock,
    WriteLockDefaultTimeout,
    ReaderBlocksCommit,
    DiskFull
};

void TestProfileStore::failedSaveKeepsStoredProfiles_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("read-only database file") << int(ReadOnlyFile) << "readonly";
    QTest::newRow("another connection holds the write lock") << int(WriteLock) << "locked";
    QTest::newRow("write lock with the driver's default busy timeout")
        << int(WriteLockDefaultTimeout) << "locked";
    QTest::newRow("a reader keeps the commit from getting its lock") << int(ReaderBlocksCommit) << "locked";
    QTest::newRow("disk full during the inserts") << int(DiskFull) << "full";
}

void TestProfileStore::failedSaveKeepsStoredProfiles()
{
    QFETCH(int, fault);
    QFETCH(QString, expectedText);

    const QString path = freshPath(QStringLiteral("fault"));
    const PriceProfileMap oldProfiles = profileGeneration(3);
    {
        ProfileDatabase setup(path);
        QVERIFY(setup.open().ok());
        QVERIFY(savePriceProfiles(setup.connection.database(), oldProfiles, PriceProfile()).ok());
    }
    const QStringList storedBefore = dumpTables(path, storedTables);

    QString options;
    if (fault == ReadOnlyFile)
        options = QStringLiteral("QSQLITE_OPEN_READONLY");
    else if (fault != WriteLockDefaultTimeout)
        options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=300");
    ProfileDatabase database(path, options);
    QVERIFY(database.open().ok());
    QSqlDatabase &connection = database.connection.database();
    QCOMPARE(loadPriceProfiles(connection, LegacyPriceSettings()).profiles, oldProfiles);

    auto blocker = std::make_unique<SqliteTestConnection>();
    std::unique_ptr<QSqlQuery> openRead;
    QVERIFY(blocker->open(path));
    if (fault == WriteLock || fault == WriteLockDefaultTimeout) {
        QVERIFY(QSqlQuery(blocker->database()).exec(QStringLiteral("BEGIN IMMEDIATE")));
    } else if (fault == ReaderBlocksCommit) {
        QVERIFY(blocker->database().transaction());
        openRead = std::make_unique<QSqlQuery>(blocker->database());
        QVERIFY(openRead->exec(QStringLiteral("SELECT profile_name FROM price_profiles")));
        QVERIFY(openRead->next());
    } else if (fault == DiskFull) {
        QSqlQuery pageCount(connection);
        QVERIFY(pageCount.exec(QStringLiteral("PRAGMA page_count")) && pageCount.next());
        QVERIFY(QSqlQuery(connection)
                    .exec(QStringLiteral("PRAGMA max_page_count=%1").arg(pageCount.value(0).toInt())));
    }

    PriceProfileMap newProfiles = profileGeneration(5);
    for (int index = 0; index < 100; ++index)
        newProfiles.insert(QStringLiteral("extra %1").arg(index), everyFieldChanged());
    QElapsedTimer timer;
    timer.start();
    const StorageResult saved = savePriceProfiles(connection, newProfiles, PriceProfile());
    QCOMPARE(saved.kind, StorageResult::SaveFailed);
    QVERIFY2(saved.databaseText.contains(expectedText), qPrintable(saved.databaseText));
    QVERIFY2(timer.elapsed() < 10000, "a blocked save must give up");

    openRead.reset();
    if (fault == ReaderBlocksCommit || fault == WriteLock || fault == WriteLockDefaultTimeout)
        blocker->database().rollback();
    blocker.reset();

    QCOMPARE(dumpTables(path, storedTables), storedBefore);
    QCOMPARE(reloadProfiles(path), oldProfiles);
    QCOMPARE(loadPriceProfiles(connection, LegacyPriceSettings()).profiles, oldProfiles);

    // The failed save left no transaction behind: once the fault is gone the same connection saves.
    if (fault == DiskFull)
        QVERIFY(QSqlQuery(connection).exec(QStringLiteral("PRAGMA max_page_count=1073741823")));
    if (fault != ReadOnlyFile) {
        const StorageResult retried = savePriceProfiles(connection, newProfiles, PriceProfile());
        QVERIFY2(retried.ok(), qPrintable(retried.databaseText));
        QCOMPARE(reloadProfiles(path), newProfiles);
    }
}

void TestProfileStore::unreadableStoreIsNeverOverwritten()
{
    // Another program holds the file exclusively while the window starts: the read fails, and
    // neither the default profile nor a later save may replace the profiles that were not read.
    const QString path = freshPath(QStringLiteral("unreadable"));
    const PriceProfileMap stored = profileGeneration(2);
    {
        ProfileDatabase setup(path);
        QVERIFY(setup.open().ok());
        QVERIFY(savePriceProfiles(setup.connection.database(), stored, PriceProfile()).ok());
    }
    ProfileDatabase database(path, QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
    QVERIFY(database.open().ok());

    SqliteTestConnection blocker;
    QVERIFY(blocker.open(path));
    QVERIFY(QSqlQuery(blocker.database()).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    const LoadedPriceProfiles loaded =
        loadPriceProfiles(database.connection.database(), LegacyPriceSettings());
    QVERIFY(QSqlQuery(blocker.database()).exec(QStringLiteral("ROLLBACK")));

    QCOMPARE(loaded.result.kind, StorageResult::LoadFailed);
    QVERIFY(loaded.result.databaseText.contains(QLatin1String("locked")));
    QVERIFY(!loaded.defaultProfileCreated);
    QVERIFY(loaded.profiles.isEmpty());
    QCOMPARE(savePriceProfiles(database.connection.database(), {{defaultProfileName(), PriceProfile()}},
                               PriceProfile())
                 .kind,
             StorageResult::DatabaseUnavailable);
    QCOMPARE(reloadProfiles(path), stored);
}

void TestProfileStore::killedSaveLeavesOldOrNewSet()
{
    const QString program = QStringLiteral(ORVANTA_BINARY_DIR "/bench/bench_profile_store");
    if (!QFile::exists(program))
        QSKIP("bench_profile_store is not built");

    const QString path = freshPath(QStringLiteral("crash"));
    {
        ProfileDatabase setup(path);
        QVERIFY(setup.open().ok());
        QVERIFY(savePriceProfiles(setup.connection.database(), profileGeneration(0), PriceProfile()).ok());
    }

    QRandomGenerator random(20261206);
    const int kills = 200;
    int previous = 0;
    int hotJournals = 0;
    for (int run = 0; run < kills; ++run) {
        QProcess saver;
        saver.start(program, {QStringLiteral("--save-loop"), path});
        QVERIFY2(saver.waitForReadyRead(10000), qPrintable(saver.readAllStandardError()));
        QThread::usleep(random.bounded(40000));
        QVERIFY2(saver.state() == QProcess::Running, qPrintable(saver.readAllStandardError()));
        saver.kill();
        QVERIFY(saver.waitForFinished(10000));

        QFile journal(path + QStringLiteral("-journal"));
        if (journal.exists() && journal.size() > 0)
            ++hotJournals;

        ProfileDatabase check(path);
        QVERIFY(check.open().ok());
        QSqlQuery integrity(check.connection.database());
        QVERIFY(integrity.exec(QStringLiteral("PRAGMA integrity_check")) && integrity.next());
        QCOMPARE(integrity.value(0).toString(), QStringLiteral("ok"));
        const LoadedPriceProfiles loaded =
            loadPriceProfiles(check.connection.database(), LegacyPriceSettings());
        QVERIFY(loaded.result.ok());
        QVERIFY(!loaded.defaultProfileCreated);
        const int generation = generationOf(loaded.profiles);
        QVERIFY2(
            generation >= previous,
            qPrintable(
                QStringLiteral("run %1: generation %2 after %3").arg(run).arg(generation).arg(previous)));
        QVERIFY2(loaded.profiles == profileGeneration(generation),
                 qPrintable(QStringLiteral("run %1: mixed set, generation %2").arg(run).arg(generation)));
        previous = generation;
    }
    qInfo("%d kills, %d generations committed, %d kills left a hot journal", kills, previous, hotJournals);
    QVERIFY2(hotJournals > 0, "no kill landed inside a save");
}

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profile_store.moc"
