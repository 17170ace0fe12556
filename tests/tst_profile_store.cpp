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
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

Q_DECLARE_METATYPE(PriceProfile)
Q_DECLARE_METATYPE(LegacyPriceSettings)

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

// A database at path holding profiles, written through the store itself.
bool storedDatabase(const QString &path, const PriceProfileMap &profiles)
{
    ProfileDatabase database(path);
    return database.open().ok() &&
           savePriceProfiles(database.connection.database(), profiles, PriceProfile()).ok();
}

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
    void legacyRowBecomesDefaultProfile_data();
    void legacyRowBecomesDefaultProfile();
    void storedRowLoads_data();
    void storedRowLoads();
    void everyFieldRoundTrips();
    void jsonIsCompactAndSorted();
    void columnsRepeatBlackWhitePrices_data();
    void columnsRepeatBlackWhitePrices();
    void saveReplacesWholeSet();
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

void TestProfileStore::legacyRowBecomesDefaultProfile_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<LegacyPriceSettings>("legacy");
    QTest::addColumn<PriceProfile>("expected");

    LegacyPriceSettings legacy;
    legacy.currencyCode = QStringLiteral("eur");
    legacy.taxRate = 150;
    PriceProfile full;
    for (PagePriceRow &row : full.pagePrices)
        row = {1, 2, 3, 4, 5, 6, 0.3, 0.3, 0.05, 0.05, 0.05, 0.7};
    full.binding = 0.25;
    full.currencyCode = QStringLiteral("EUR");
    full.taxRate = 100;
    QTest::newRow("B4 and B5 added by the upgrade take the single-sided price")
        << "VALUES(1,0.3,0.4,0.9,1.2,0.25,1,2,3,4,5,6,0.7)" << legacy << full;

    PriceProfile nulls;
    for (PagePriceRow &row : nulls.pagePrices)
        row = {0.3, 0.3, 0.3, 0.3, 0.08, 0.3, 0.3, 0.3, 0.05, 0.05, 0.05, 0.3};
    nulls.binding = 0;
    QTest::newRow("NULL prices fall back to the single-sided price")
        << "(id,bw_single,binding,price_a4,price_other) VALUES(1,0.3,NULL,0.08,NULL)" << LegacyPriceSettings()
        << nulls;
}

void TestProfileStore::legacyRowBecomesDefaultProfile()
{
    QFETCH(QString, values);
    QFETCH(LegacyPriceSettings, legacy);
    QFETCH(PriceProfile, expected);
    const QString path = freshPath(QStringLiteral("legacy"));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(
        runSql(path, {"CREATE TABLE price_settings (id INTEGER PRIMARY KEY CHECK(id=1), bw_single REAL, "
                      "bw_double REAL, color_single REAL, color_double REAL, binding REAL, price_a0 REAL, "
                      "price_a1 REAL, price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, "
                      "price_other REAL)",
                      "INSERT INTO price_settings " + values}));
    ProfileDatabase database(path);
    QVERIFY(database.open().ok());
    const LoadedPriceProfiles loaded = loadPriceProfiles(database.connection.database(), legacy);
    QVERIFY(loaded.result.ok());
    QVERIFY(loaded.defaultProfileCreated);
    QCOMPARE(loaded.profiles, (PriceProfileMap{{defaultProfileName(), expected}}));
    QCOMPARE(loaded.baseProfile, expected);

    QVERIFY(savePriceProfiles(database.connection.database(), loaded.profiles, loaded.baseProfile).ok());
    const LoadedPriceProfiles reloaded =
        loadPriceProfiles(database.connection.database(), LegacyPriceSettings());
    QVERIFY(!reloaded.defaultProfileCreated);
    QCOMPARE(reloaded.profiles, loaded.profiles);
}

void TestProfileStore::storedRowLoads_data()
{
    QTest::addColumn<QString>("colorPrices");
    QTest::addColumn<QString>("bindingPrices");
    QTest::addColumn<QString>("options");
    QTest::addColumn<PriceProfile>("expected");
    // nullptr stores NULL.
    const auto row = [](const char *name, const char *color, const char *binding, const char *options,
                        const PriceProfile &expected) {
        QTest::newRow(name) << QString(color) << QString(binding) << QString(options) << expected;
    };

    const PriceProfile columns = columnPricedProfile();
    PriceProfile legacy = columns;
    legacy.currencyCode = QStringLiteral("EUR");
    legacy.taxRate = 12.5;
    row("NULL JSON columns: column prices, settings currency and tax", nullptr, nullptr, nullptr, legacy);
    row("empty option text reads the settings store", nullptr, nullptr, "", legacy);
    row("invalid color JSON keeps the column prices", R"({"blackWhite":[1,2)", nullptr, nullptr, legacy);

    PriceProfile twelve = legacy;
    twelve.pagePrices[ColorInkjet] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    row("12 numbers replace one colour mode", R"({"inkjetColor":[11,12,13,14,15,16,17,18,19,20,21,22]})",
        nullptr, nullptr, twelve);
    PriceProfile nine = legacy;
    nine.pagePrices[ColorLaser] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 19, 19, 19};
    row("9 numbers: the ninth fills Letter, Legal, Tabloid and Other",
        R"({"laserColor":[11,12,13,14,15,16,17,18,19]})", nullptr, nullptr, nine);
    PriceProfile nineWithText = legacy;
    nineWithText.pagePrices[ColorBlackWhite] = {11, 2, 13, 14, 15, 16, 17, 18, 9, 9, 9, 9};
    row("9 numbers with texts keep those slots, the ninth defaults to Other",
        R"({"blackWhite":[11,"2.5",13,14,15,16,17,18,null]})", nullptr, nullptr, nineWithText);
    row("10 numbers are ignored", R"({"blackWhite":[11,12,13,14,15,16,17,18,19,20]})", nullptr, nullptr,
        legacy);

    PriceProfile bindings = legacy;
    bindings.bindingPrices = {
        {"cornerStaple", 0.0}, {"custom:x", 0.0}, {"custom:y", 0.0}, {"saddleStitch", 1.5}};
    row("binding prices: text, negative and null become 0", nullptr,
        R"({"saddleStitch":1.5,"cornerStaple":"0.3","custom:x":-2,"custom:y":null})", nullptr, bindings);
    row("binding prices that are not an object are ignored", nullptr, "[1,2]", nullptr, legacy);

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
    row("out-of-range options are clamped", nullptr, nullptr,
        R"({"taxRate":150,"quoteValidityDays":0,"volumeThreshold":-3,"volumeDiscountPercent":-5,)"
        R"("quoteDiscountPercent":101,"duplexMultiplier":-1,"setupFee":-0.5,"minimumCharge":-1e300,)"
        R"("roundingIncrement":0,"currencyCode":"jpy"})",
        clamped);
    PriceProfile huge = columns;
    huge.quoteValidityDays = 3650;
    huge.volumeThreshold = 2147483647;
    row("huge integers clamp instead of overflowing", nullptr, nullptr,
        R"({"quoteValidityDays":1e12,"volumeThreshold":1e300})", huge);
    row("invalid option JSON keeps the defaults without reading the settings store", nullptr, nullptr,
        "{not json", columns);
    row("options of the wrong type keep the base values", nullptr, nullptr,
        R"({"taxRate":"19","pricesIncludeTax":1,"currencyCode":5,"quoteValidityDays":2.5,)"
        R"("volumeThreshold":"7","sellerName":42})",
        columns);
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
        loadPriceProfiles(database.connection.database(), LegacyPriceSettings{QStringLiteral("EUR"), 12.5});
    QVERIFY(loaded.result.ok());
    QVERIFY(!loaded.defaultProfileCreated);
    QCOMPARE(loaded.profiles, (PriceProfileMap{{QStringLiteral("row"), expected}}));
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
    QVERIFY(storedDatabase(path, profiles));
    QCOMPARE(reloadProfiles(path), profiles);
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
    QVERIFY(storedDatabase(path, profiles));
    const QStringList rows = dumpTables(path, storedTables);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0), expectedLegacyRow);
    QVERIFY2(rows.at(1).contains(QLatin1String("|0.75|0|1|2|3|4|5|6|7|11.5|{")), qPrintable(rows.at(1)));
}

void TestProfileStore::saveReplacesWholeSet()
{
    const QString path = freshPath(QStringLiteral("replace"));
    QVERIFY(storedDatabase(path, profileGeneration(1)));
    const PriceProfileMap smaller = {{QStringLiteral("only"), everyFieldChanged()}};
    QVERIFY(storedDatabase(path, smaller));
    QCOMPARE(reloadProfiles(path), smaller);
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
    QVERIFY(storedDatabase(path, oldProfiles));
    const QStringList storedBefore = dumpTables(path, storedTables);

    ProfileDatabase database(path, fault == ReadOnlyFile ? QStringLiteral("QSQLITE_OPEN_READONLY")
                                   : fault == WriteLockDefaultTimeout
                                       ? QString()
                                       : QStringLiteral("QSQLITE_BUSY_TIMEOUT=300"));
    QVERIFY(database.open().ok());
    QSqlDatabase &connection = database.connection.database();
    QCOMPARE(loadPriceProfiles(connection, LegacyPriceSettings()).profiles, oldProfiles);

    SqliteTestConnection blocker;
    QVERIFY(blocker.open(path));
    QSqlQuery blocking(blocker.database());
    QSqlQuery pageCount(connection);
    if (fault == WriteLock || fault == WriteLockDefaultTimeout) {
        QVERIFY(blocking.exec(QStringLiteral("BEGIN IMMEDIATE")));
    } else if (fault == ReaderBlocksCommit) {
        // A statement still reading keeps its shared lock until it is finished.
        QVERIFY(blocking.exec(QStringLiteral("BEGIN")));
        QVERIFY(blocking.exec(QStringLiteral("SELECT profile_name FROM price_profiles")) && blocking.next());
    } else if (fault == DiskFull) {
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

    blocking.finish();
    QSqlQuery(blocker.database()).exec(QStringLiteral("ROLLBACK"));
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
    QVERIFY(storedDatabase(path, stored));
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
    QVERIFY(storedDatabase(path, profileGeneration(0)));

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
