#include "storage/price_database.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>

namespace {

const char createPriceSettings[] =
    "CREATE TABLE IF NOT EXISTS price_settings (id INTEGER PRIMARY KEY CHECK(id=1), bw_single REAL, "
    "bw_double REAL, color_single REAL, color_double REAL, binding REAL, price_a0 REAL, price_a1 REAL, "
    "price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, price_b4 REAL, price_b5 REAL, "
    "price_other REAL)";
const char createPriceProfiles[] =
    "CREATE TABLE IF NOT EXISTS price_profiles (profile_name TEXT PRIMARY KEY, binding REAL, price_a0 REAL, "
    "price_a1 REAL, price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, price_b4 REAL, price_b5 "
    "REAL, "
    "price_other REAL, color_prices TEXT)";
const char createQuotes[] =
    "CREATE TABLE IF NOT EXISTS quotes (id INTEGER PRIMARY KEY AUTOINCREMENT, quote_no TEXT UNIQUE, "
    "customer TEXT, created_at TEXT, file_count INTEGER, total_pages INTEGER, total_amount REAL, "
    "detail_json TEXT)";

StorageResult execGuarded(QSqlDatabase &database, const QString &statement)
{
    QSqlQuery query(database);
    if (query.exec(statement))
        return {};
    return StorageResult::failure(StorageResult::UpgradeFailed, query.lastError().text());
}

// A failure of the pragma only means no column is known, so every ALTER is attempted and reports.
QSet<QString> columnNames(QSqlDatabase &database, const QString &table)
{
    QSet<QString> names;
    QSqlQuery query(database);
    if (query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        while (query.next())
            names.insert(query.value(1).toString());
    }
    return names;
}

} // namespace

QString defaultPriceDatabasePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/orvanta.db");
}

StorageResult openPriceDatabase(QSqlDatabase &database, const QString &filePath)
{
    // A folder that cannot be created makes the open fail, which is what gets reported.
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    database.setDatabaseName(filePath);
    if (!database.open())
        return StorageResult::failure(StorageResult::OpenFailed, database.lastError().text());
    return upgradePriceDatabase(database);
}

StorageResult upgradePriceDatabase(QSqlDatabase &database)
{

    StorageResult result = execGuarded(database, QLatin1String(createPriceSettings));
    if (!result.ok())
        return result;

    const QSet<QString> settingsColumns = columnNames(database, QStringLiteral("price_settings"));
    const QStringList priceColumns = {
        QStringLiteral("price_a0"), QStringLiteral("price_a1"), QStringLiteral("price_a2"),
        QStringLiteral("price_a3"), QStringLiteral("price_a4"), QStringLiteral("price_a5"),
        QStringLiteral("price_b4"), QStringLiteral("price_b5"), QStringLiteral("price_other")};
    for (const QString &column : priceColumns) {
        if (settingsColumns.contains(column))
            continue;
        result = execGuarded(database,
                             QStringLiteral("ALTER TABLE price_settings ADD COLUMN %1 REAL").arg(column));
        if (!result.ok())
            return result;
    }

    result = execGuarded(database, QLatin1String(createPriceProfiles));
    if (!result.ok())
        return result;

    const QSet<QString> profileColumns = columnNames(database, QStringLiteral("price_profiles"));
    for (const char *column : {"color_prices", "binding_prices", "profile_options"}) {
        if (profileColumns.contains(QLatin1String(column)))
            continue;
        result = execGuarded(
            database,
            QStringLiteral("ALTER TABLE price_profiles ADD COLUMN %1 TEXT").arg(QLatin1String(column)));
        if (!result.ok())
            return result;
    }

    return execGuarded(database, QLatin1String(createQuotes));
}
