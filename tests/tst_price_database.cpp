#include "storage/price_database.h"
#include "storage/profile_store.h"
#include "support/sqlite_test_connection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList allTables = {QStringLiteral("price_settings"), QStringLiteral("price_profiles"),
                               QStringLiteral("quotes")};

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

QStringList schema(const QString &path)
{
    QStringList statements;
    SqliteTestConnection connection;
    if (!connection.open(path))
        return statements;
    QSqlQuery query(connection.database());
    query.exec(QStringLiteral("SELECT sql FROM sqlite_master ORDER BY name"));
    while (query.next())
        statements << query.value(0).toString();
    return statements;
}

} // namespace

class TestPriceDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void newUserGetsFolderAndTables();
    void upgradeAddsMissingColumns_data();
    void upgradeAddsMissingColumns();
    void secondOpenChangesNothing();
    void damagedFileIsReportedOnceAndKept_data();
    void damagedFileIsReportedOnceAndKept();
    void uncreatableFolderFailsToOpen();
    void failedUpgradeOfReadOnlyFileWritesNothing();

private:
    QTemporaryDir m_dir;
};

void TestPriceDatabase::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("OrvantaTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_price_database"));
    QVERIFY(m_dir.isValid());
}

void TestPriceDatabase::newUserGetsFolderAndTables()
{
    const QString path = defaultPriceDatabasePath();
    QVERIFY(path.endsWith(QLatin1String("/orvanta.db")));
    QVERIFY2(path.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
             qPrintable(path));
    QDir(QFileInfo(path).absolutePath()).removeRecursively();

    {
        SqliteTestConnection connection;
        const StorageResult result = openPriceDatabase(connection.database(), path);
        QVERIFY2(result.ok(), qPrintable(result.databaseText));
    }
    QVERIFY(QFile::exists(path));
    QCOMPARE(tableColumns(path, QStringLiteral("price_settings")),
             QStringList({"id", "bw_single", "bw_double", "color_single", "color_double", "binding",
                          "price_a0", "price_a1", "price_a2", "price_a3", "price_a4", "price_a5", "price_b4",
                          "price_b5", "price_other"}));
    QCOMPARE(tableColumns(path, QStringLiteral("price_profiles")),
             QStringList({"profile_name", "binding", "price_a0", "price_a1", "price_a2", "price_a3",
                          "price_a4", "price_a5", "price_b4", "price_b5", "price_other", "color_prices",
                          "binding_prices", "profile_options"}));
    QCOMPARE(tableColumns(path, QStringLiteral("quotes")).size(), 8);
    QCOMPARE(dumpTables(path, allTables), QStringList());
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
}

void TestPriceDatabase::upgradeAddsMissingColumns_data()
{
    QTest::addColumn<QStringList>("fixture");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("expectedColumns");
    QTest::addColumn<QStringList>("expectedRows");

    QTest::newRow("price_settings without price_b4 and price_b5 gains both in order and keeps its row")
        << QStringList{"CREATE TABLE price_settings (id INTEGER PRIMARY KEY CHECK(id=1), bw_single REAL, "
                       "bw_double REAL, color_single REAL, color_double REAL, binding REAL, price_a0 REAL, "
                       "price_a1 REAL, price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, "
                       "price_other REAL)",
                       "INSERT INTO price_settings VALUES(1,0.3,0.3,0.9,1.2,0.5,1,2,3,4,5,6,0.7)"}
        << "price_settings"
        << QStringList{"id",       "bw_single", "bw_double",   "color_single", "color_double",
                       "binding",  "price_a0",  "price_a1",    "price_a2",     "price_a3",
                       "price_a4", "price_a5",  "price_other", "price_b4",     "price_b5"}
        << QStringList{"price_settings: 1|0.3|0.3|0.9|1.2|0.5|1|2|3|4|5|6|0.7|NULL|NULL"};

    QTest::newRow("oldest price_settings gains all nine price columns")
        << QStringList{"CREATE TABLE price_settings (id INTEGER PRIMARY KEY CHECK(id=1), bw_single REAL, "
                       "bw_double REAL, color_single REAL, color_double REAL, binding REAL)",
                       "INSERT INTO price_settings VALUES(1,0.1,0.2,0.3,0.4,0.5)"}
        << "price_settings"
        << QStringList{"id",       "bw_single", "bw_double", "color_single", "color_double",
                       "binding",  "price_a0",  "price_a1",  "price_a2",     "price_a3",
                       "price_a4", "price_a5",  "price_b4",  "price_b5",     "price_other"}
        << QStringList{"price_settings: 1|0.1|0.2|0.3|0.4|0.5|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL"};

    QTest::newRow("price_profiles without the JSON columns gains all three in order")
        << QStringList{"CREATE TABLE price_profiles (profile_name TEXT PRIMARY KEY, binding REAL, price_a0 "
                       "REAL, "
                       "price_a1 REAL, price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, "
                       "price_b4 REAL, price_b5 REAL, price_other REAL)",
                       "INSERT INTO price_profiles VALUES('shop',0.5,1,2,3,4,5,6,7,8,9)"}
        << "price_profiles"
        << QStringList{"profile_name", "binding",      "price_a0",       "price_a1",       "price_a2",
                       "price_a3",     "price_a4",     "price_a5",       "price_b4",       "price_b5",
                       "price_other",  "color_prices", "binding_prices", "profile_options"}
        << QStringList{"price_profiles: shop|0.5|1|2|3|4|5|6|7|8|9|NULL|NULL|NULL"};

    QTest::newRow("price_profiles with color_prices only gains the two later columns")
        << QStringList{"CREATE TABLE price_profiles (profile_name TEXT PRIMARY KEY, binding REAL, price_a0 "
                       "REAL, "
                       "price_a1 REAL, price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, "
                       "price_b4 REAL, price_b5 REAL, price_other REAL, color_prices TEXT)",
                       "INSERT INTO price_profiles VALUES('shop',0.5,1,2,3,4,5,6,7,8,9,'{}')"}
        << "price_profiles"
        << QStringList{"profile_name", "binding",      "price_a0",       "price_a1",       "price_a2",
                       "price_a3",     "price_a4",     "price_a5",       "price_b4",       "price_b5",
                       "price_other",  "color_prices", "binding_prices", "profile_options"}
        << QStringList{"price_profiles: shop|0.5|1|2|3|4|5|6|7|8|9|{}|NULL|NULL"};
}

void TestPriceDatabase::upgradeAddsMissingColumns()
{
    QFETCH(QStringList, fixture);
    QFETCH(QString, table);
    QFETCH(QStringList, expectedColumns);
    QFETCH(QStringList, expectedRows);

    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).left(20) + ".db");
    QVERIFY(runSql(path, fixture));
    {
        SqliteTestConnection connection;
        const StorageResult result = openPriceDatabase(connection.database(), path);
        QVERIFY2(result.ok(), qPrintable(result.databaseText));
    }
    QCOMPARE(tableColumns(path, table), expectedColumns);
    QCOMPARE(dumpTables(path, {table}), expectedRows);
    QCOMPARE(tableColumns(path, QStringLiteral("quotes")).size(), 8);
}

void TestPriceDatabase::secondOpenChangesNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("twice.db"));
    QVERIFY(runSql(path, {"CREATE TABLE price_settings (id INTEGER PRIMARY KEY CHECK(id=1), bw_single REAL, "
                          "bw_double REAL, color_single REAL, color_double REAL, binding REAL)",
                          "INSERT INTO price_settings VALUES(1,0.1,0.2,0.3,0.4,0.5)"}));
    {
        SqliteTestConnection connection;
        QVERIFY(openPriceDatabase(connection.database(), path).ok());
    }
    const QStringList schemaAfterFirst = schema(path);
    const QStringList rowsAfterFirst = dumpTables(path, allTables);
    {
        SqliteTestConnection connection;
        QVERIFY(openPriceDatabase(connection.database(), path).ok());
    }
    QCOMPARE(schema(path), schemaAfterFirst);
    QCOMPARE(dumpTables(path, allTables), rowsAfterFirst);
}

void TestPriceDatabase::damagedFileIsReportedOnceAndKept_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("text file") << QByteArray("price list\n0.05 per page\n");
    QByteArray header("SQLite format 3");
    header.append('\0');
    header.append(QByteArray(4080, '\xff'));
    QTest::newRow("database header followed by garbage") << header;
    QByteArray noise(8192, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 131 + 7) & 0xff);
    QTest::newRow("binary noise") << noise;
}

void TestPriceDatabase::damagedFileIsReportedOnceAndKept()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("damaged/orvanta.db"));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(writeFile(path, content));

    SqliteTestConnection connection;
    const StorageResult opened = openPriceDatabase(connection.database(), path);
    QVERIFY(!opened.ok());
    QVERIFY2(opened.kind == StorageResult::OpenFailed || opened.kind == StorageResult::UpgradeFailed,
             qPrintable(opened.databaseText));
    QVERIFY(!opened.databaseText.isEmpty());

    // The window carries on: loading yields nothing usable and closes the connection, so the
    // default profile is neither created nor saved over the damaged file.
    const LoadedPriceProfiles loaded = loadPriceProfiles(connection.database(), LegacyPriceSettings());
    QVERIFY(loaded.profiles.isEmpty());
    QVERIFY(!loaded.defaultProfileCreated);
    QVERIFY(!connection.database().isOpen());

    PriceProfileMap profiles;
    profiles.insert(defaultProfileName(), PriceProfile());
    QCOMPARE(savePriceProfiles(connection.database(), profiles, PriceProfile()).kind,
             StorageResult::DatabaseUnavailable);

    QCOMPARE(readFile(path), content);
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList{"orvanta.db"});
    QDir(QFileInfo(path).absolutePath()).removeRecursively();
}

void TestPriceDatabase::uncreatableFolderFailsToOpen()
{
    const QString blocker = m_dir.filePath(QStringLiteral("plain-file"));
    QVERIFY(writeFile(blocker, "not a folder"));
    const QString path = blocker + QStringLiteral("/Orvanta/orvanta.db");

    SqliteTestConnection connection;
    const StorageResult opened = openPriceDatabase(connection.database(), path);
    QCOMPARE(opened.kind, StorageResult::OpenFailed);
    QVERIFY(!opened.databaseText.isEmpty());
    QVERIFY(!connection.database().isOpen());

    const LoadedPriceProfiles loaded = loadPriceProfiles(connection.database(), LegacyPriceSettings());
    QVERIFY(loaded.profiles.isEmpty());
    QVERIFY(loaded.result.ok());
    QCOMPARE(loaded.baseProfile, PriceProfile());
    QCOMPARE(savePriceProfiles(connection.database(), loaded.profiles, PriceProfile()).kind,
             StorageResult::DatabaseUnavailable);
    QCOMPARE(readFile(blocker), QByteArray("not a folder"));
}

void TestPriceDatabase::failedUpgradeOfReadOnlyFileWritesNothing()
{
    // An old file the upgrade cannot touch: the upgrade fails, the profiles cannot be read with the
    // current columns, and nothing may replace them.
    const QString path = m_dir.filePath(QStringLiteral("readonly-old.db"));
    QVERIFY(runSql(path, {"CREATE TABLE price_profiles (profile_name TEXT PRIMARY KEY, binding REAL, "
                          "price_a0 REAL, price_a1 REAL, price_a2 REAL, price_a3 REAL, price_a4 REAL, "
                          "price_a5 REAL, price_b4 REAL, price_b5 REAL, price_other REAL)",
                          "INSERT INTO price_profiles VALUES('shop',0.5,1,2,3,4,5,6,7,8,9)"}));
    const QByteArray before = readFile(path);

    SqliteTestConnection connection(QStringLiteral("QSQLITE_OPEN_READONLY"));
    const StorageResult opened = openPriceDatabase(connection.database(), path);
    QCOMPARE(opened.kind, StorageResult::UpgradeFailed);
    QVERIFY(opened.databaseText.contains(QLatin1String("readonly")));

    const LoadedPriceProfiles loaded = loadPriceProfiles(connection.database(), LegacyPriceSettings());
    QCOMPARE(loaded.result.kind, StorageResult::LoadFailed);
    QVERIFY(!loaded.defaultProfileCreated);
    QVERIFY(!connection.database().isOpen());
    QCOMPARE(readFile(path), before);
}

QTEST_GUILESS_MAIN(TestPriceDatabase)
#include "tst_price_database.moc"
