#include "storage/price_database.h"
#include "storage/profile_store.h"
#include "support/sqlite_test_connection.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList allTables = {QStringLiteral("price_settings"), QStringLiteral("price_profiles"),
                               QStringLiteral("quotes")};
const QStringList settingsColumns = {"id",       "bw_single", "bw_double", "color_single", "color_double",
                                     "binding",  "price_a0",  "price_a1",  "price_a2",     "price_a3",
                                     "price_a4", "price_a5",  "price_b4",  "price_b5",     "price_other"};
const QStringList profileColumns = {"profile_name",   "binding",        "price_a0",    "price_a1",
                                    "price_a2",       "price_a3",       "price_a4",    "price_a5",
                                    "price_b4",       "price_b5",       "price_other", "color_prices",
                                    "binding_prices", "profile_options"};
// Tables as older versions created them.
const QString oldestSettings = QStringLiteral(
    "CREATE TABLE price_settings (id INTEGER PRIMARY KEY CHECK(id=1), bw_single REAL, bw_double REAL, "
    "color_single REAL, color_double REAL, binding REAL");
const QString settingsWithoutB4B5 =
    oldestSettings + QStringLiteral(", price_a0 REAL, price_a1 REAL, price_a2 REAL, price_a3 REAL, "
                                    "price_a4 REAL, price_a5 REAL, price_other REAL)");
const QString profilesWithoutJson = QStringLiteral(
    "CREATE TABLE price_profiles (profile_name TEXT PRIMARY KEY, binding REAL, price_a0 REAL, price_a1 REAL, "
    "price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, price_b4 REAL, price_b5 REAL, "
    "price_other REAL");

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

StorageResult openOnce(const QString &path, const QString &options = QString())
{
    SqliteTestConnection connection(options);
    return openPriceDatabase(connection.database(), path);
}

// Schema and rows, to tell whether an open changed anything.
QStringList snapshot(const QString &path)
{
    QStringList lines = dumpTables(path, allTables);
    SqliteTestConnection connection;
    if (!connection.open(path))
        return {QStringLiteral("cannot open")};
    QSqlQuery query(connection.database());
    query.exec(QStringLiteral("SELECT sql FROM sqlite_master ORDER BY name"));
    while (query.next())
        lines << query.value(0).toString();
    return lines;
}

// What the window does after a failed open: nothing is loaded, nothing can be saved.
void verifyNothingLoadsOrSaves(SqliteTestConnection &connection)
{
    const LoadedPriceProfiles loaded = loadPriceProfiles(connection.database(), LegacyPriceSettings());
    QVERIFY(loaded.profiles.isEmpty());
    QVERIFY(!loaded.defaultProfileCreated);
    QVERIFY(!connection.database().isOpen());
    QCOMPARE(
        savePriceProfiles(connection.database(), {{defaultProfileName(), PriceProfile()}}, PriceProfile())
            .kind,
        StorageResult::DatabaseUnavailable);
}

} // namespace

class TestPriceDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void newUserGetsFolderAndTables();
    void upgradeAddsMissingColumnsOnce_data();
    void upgradeAddsMissingColumnsOnce();
    void damagedFileIsReportedAndKept_data();
    void damagedFileIsReportedAndKept();
    void uncreatableFolderFailsToOpen();
    void failedUpgradeOfReadOnlyFileWritesNothing();

private:
    QTemporaryDir m_dir;
};

void TestPriceDatabase::initTestCase()
{
    isolateTestEnvironment(QStringLiteral("tst_price_database"));
    QVERIFY(m_dir.isValid());
}

void TestPriceDatabase::newUserGetsFolderAndTables()
{
    const QString path = defaultPriceDatabasePath();
    QCOMPARE(path, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/orvanta.db");
    QVERIFY(!QFileInfo::exists(QFileInfo(path).absolutePath()));

    const StorageResult result = openOnce(path);
    QVERIFY2(result.ok(), qPrintable(result.databaseText));
    QCOMPARE(tableColumns(path, QStringLiteral("price_settings")), settingsColumns);
    QCOMPARE(tableColumns(path, QStringLiteral("price_profiles")), profileColumns);
    QCOMPARE(tableColumns(path, QStringLiteral("quotes")).size(), 8);
    QCOMPARE(dumpTables(path, allTables), QStringList());
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
}

void TestPriceDatabase::upgradeAddsMissingColumnsOnce_data()
{
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("expectedColumns");
    QTest::addColumn<QString>("expectedRow");

    QStringList b4b5Appended = settingsColumns.mid(0, 12) << "price_other"
                                                          << "price_b4"
                                                          << "price_b5";
    QTest::newRow("price_settings without price_b4 and price_b5 gains both in order and keeps its row")
        << QStringList{settingsWithoutB4B5,
                       "INSERT INTO price_settings VALUES(1,0.3,0.3,0.9,1.2,0.5,1,2,3,4,5,6,0.7)"}
        << "price_settings" << b4b5Appended
        << "price_settings: 1|0.3|0.3|0.9|1.2|0.5|1|2|3|4|5|6|0.7|NULL|NULL";
    QTest::newRow("oldest price_settings gains all nine price columns")
        << QStringList{oldestSettings + ")", "INSERT INTO price_settings VALUES(1,0.1,0.2,0.3,0.4,0.5)"}
        << "price_settings" << settingsColumns
        << "price_settings: 1|0.1|0.2|0.3|0.4|0.5|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL";
    QTest::newRow("price_profiles without the JSON columns gains all three in order")
        << QStringList{profilesWithoutJson + ")",
                       "INSERT INTO price_profiles VALUES('shop',0.5,1,2,3,4,5,6,7,8,9)"}
        << "price_profiles" << profileColumns << "price_profiles: shop|0.5|1|2|3|4|5|6|7|8|9|NULL|NULL|NULL";
    QTest::newRow("price_profiles with color_prices only gains the two later columns")
        << QStringList{profilesWithoutJson + ", color_prices TEXT)",
                       "INSERT INTO price_profiles VALUES('shop',0.5,1,2,3,4,5,6,7,8,9,'{}')"}
        << "price_profiles" << profileColumns << "price_profiles: shop|0.5|1|2|3|4|5|6|7|8|9|{}|NULL|NULL";
}

void TestPriceDatabase::upgradeAddsMissingColumnsOnce()
{
    QFETCH(QStringList, fixture);
    QFETCH(QString, table);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).left(20) + ".db");
    QVERIFY(runSql(path, fixture));
    const StorageResult result = openOnce(path);
    QVERIFY2(result.ok(), qPrintable(result.databaseText));
    QTEST(tableColumns(path, table), "expectedColumns");
    QFETCH(QString, expectedRow);
    QCOMPARE(dumpTables(path, {table}), QStringList{expectedRow});
    QCOMPARE(tableColumns(path, QStringLiteral("quotes")).size(), 8);

    const QStringList upgraded = snapshot(path);
    QVERIFY(openOnce(path).ok());
    QCOMPARE(snapshot(path), upgraded);
}

void TestPriceDatabase::damagedFileIsReportedAndKept_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text file") << QByteArray("price list\n0.05 per page\n");
    QTest::newRow("database header followed by garbage")
        << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\xff');
}

void TestPriceDatabase::damagedFileIsReportedAndKept()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("damaged/orvanta.db"));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(writeFile(path, content));

    SqliteTestConnection connection;
    const StorageResult opened = openPriceDatabase(connection.database(), path);
    QVERIFY2(opened.kind == StorageResult::OpenFailed || opened.kind == StorageResult::UpgradeFailed,
             qPrintable(opened.databaseText));
    QVERIFY(!opened.databaseText.isEmpty());
    verifyNothingLoadsOrSaves(connection);
    QCOMPARE(readFile(path), content);
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList{"orvanta.db"});
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
}

void TestPriceDatabase::uncreatableFolderFailsToOpen()
{
    const QString blocker = m_dir.filePath(QStringLiteral("plain-file"));
    QVERIFY(writeFile(blocker, "not a folder"));

    SqliteTestConnection connection;
    const StorageResult opened = openPriceDatabase(connection.database(), blocker + "/Orvanta/orvanta.db");
    QCOMPARE(opened.kind, StorageResult::OpenFailed);
    QVERIFY(!opened.databaseText.isEmpty());
    QVERIFY(!connection.database().isOpen());
    QCOMPARE(loadPriceProfiles(connection.database(), LegacyPriceSettings()).baseProfile, PriceProfile());
    verifyNothingLoadsOrSaves(connection);
    QCOMPARE(readFile(blocker), QByteArray("not a folder"));
}

// An old file the upgrade cannot touch: the profiles cannot be read with the current columns, and
// nothing may replace them.
void TestPriceDatabase::failedUpgradeOfReadOnlyFileWritesNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("readonly-old.db"));
    QVERIFY(runSql(path, {profilesWithoutJson + ")",
                          "INSERT INTO price_profiles VALUES('shop',0.5,1,2,3,4,5,6,7,8,9)"}));
    const QByteArray before = readFile(path);

    SqliteTestConnection connection(QStringLiteral("QSQLITE_OPEN_READONLY"));
    const StorageResult opened = openPriceDatabase(connection.database(), path);
    QCOMPARE(opened.kind, StorageResult::UpgradeFailed);
    QVERIFY(opened.databaseText.contains(QLatin1String("readonly")));
    QCOMPARE(loadPriceProfiles(connection.database(), LegacyPriceSettings()).result.kind,
             StorageResult::LoadFailed);
    verifyNothingLoadsOrSaves(connection);
    QCOMPARE(readFile(path), before);
}

QTEST_GUILESS_MAIN(TestPriceDatabase)
#include "tst_price_database.moc"
