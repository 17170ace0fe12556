#include "storage/profile_store.h"

#include "storage/profile_json.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char selectLegacyRow[] =
    "SELECT bw_single,bw_double,color_single,color_double,binding,COALESCE(price_a0,bw_single),"
    "COALESCE(price_a1,bw_single),COALESCE(price_a2,bw_single),COALESCE(price_a3,bw_single),"
    "COALESCE(price_a4,bw_single),COALESCE(price_a5,bw_single),COALESCE(price_b4,bw_single),"
    "COALESCE(price_b5,bw_single),COALESCE(price_other,bw_single) FROM price_settings WHERE id=1";
const char selectProfiles[] =
    "SELECT profile_name,binding,price_a0,price_a1,price_a2,price_a3,price_a4,price_a5,price_b4,price_b5,"
    "price_other,color_prices,binding_prices,profile_options FROM price_profiles ORDER BY profile_name";
const char replaceLegacyRow[] =
    "INSERT OR REPLACE INTO price_settings(id,bw_single,bw_double,color_single,color_double,binding,price_a0,"
    "price_a1,price_a2,price_a3,price_a4,price_a5,price_b4,price_b5,price_other) "
    "VALUES(1,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
const char insertProfile[] =
    "INSERT INTO price_profiles(profile_name,binding,price_a0,price_a1,price_a2,price_a3,price_a4,price_a5,"
    "price_b4,price_b5,price_other,color_prices,binding_prices,profile_options) "
    "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)";

// The stored columns hold slots A0..B5 then Other; the three slots without a column take the default.
void applyColumnPrices(const QSqlQuery &query, int firstColumn, PriceProfile &profile)
{
    for (PagePriceRow &row : profile.pagePrices) {
        for (int slot = SlotA0; slot <= SlotB5; ++slot)
            row[slot] = query.value(firstColumn + slot).toDouble();
        row[SlotOther] = query.value(firstColumn + 8).toDouble();
        row[SlotLetter] = row[SlotLegal] = row[SlotTabloid] = 0.05;
    }
}

double clampedTaxRate(double rate)
{
    if (!(rate > 0))
        return 0;
    return rate > 100 ? 100 : rate;
}

void applyLegacyOptions(const LegacyPriceSettings &legacy, PriceProfile &profile)
{
    profile.currencyCode = legacy.currencyCode.toUpper();
    profile.taxRate = clampedTaxRate(legacy.taxRate);
}

QByteArray columnBytes(const QSqlQuery &query, int column)
{
    return query.value(column).toString().toUtf8();
}

PriceProfile profileFromRow(const QSqlQuery &query, const PriceProfile &base,
                            const LegacyPriceSettings &legacy)
{
    PriceProfile profile = base;
    profile.binding = query.value(1).toDouble();
    applyColumnPrices(query, 2, profile);
    readColorPricesJson(columnBytes(query, 11), profile);
    readBindingPricesJson(columnBytes(query, 12), profile);
    const QByteArray options = columnBytes(query, 13);
    if (options.isEmpty())
        applyLegacyOptions(legacy, profile);
    else
        readProfileOptionsJson(options, profile);
    return profile;
}

StorageResult readFailure(QSqlDatabase &database, const QSqlQuery &query)
{
    const StorageResult result = StorageResult::failure(StorageResult::LoadFailed, query.lastError().text());
    database.close();
    return result;
}

void bindPrices(QSqlQuery &query, int firstPosition, const PriceProfile &profile)
{
    const PagePriceRow &blackWhite = profile.pagePrices[ColorBlackWhite];
    for (int slot = SlotA0; slot <= SlotB5; ++slot)
        query.bindValue(firstPosition + slot, blackWhite[slot]);
    query.bindValue(firstPosition + 8, blackWhite[SlotOther]);
}

// Runs every statement of a save inside the caller's transaction; false with the first error text.
// The queries are gone when it returns, so commit and rollback find no statement in progress.
bool writeProfiles(QSqlDatabase &database, const PriceProfileMap &profiles, const PriceProfile &legacySource,
                   QString *error)
{
    auto fail = [error](const QSqlQuery &query) {
        *error = query.lastError().text();
        return false;
    };

    QSqlQuery legacy(database);
    if (!legacy.prepare(QLatin1String(replaceLegacyRow)))
        return fail(legacy);
    const PagePriceRow &blackWhite = legacySource.pagePrices[ColorBlackWhite];
    legacy.bindValue(0, blackWhite[SlotOther]);
    legacy.bindValue(1, blackWhite[SlotOther]);
    legacy.bindValue(2, legacySource.pagePrices[ColorInkjet][SlotOther]);
    legacy.bindValue(3, legacySource.pagePrices[ColorLaser][SlotOther]);
    legacy.bindValue(4, legacySource.binding);
    bindPrices(legacy, 5, legacySource);
    if (!legacy.exec())
        return fail(legacy);

    QSqlQuery remove(database);
    if (!remove.exec(QStringLiteral("DELETE FROM price_profiles")))
        return fail(remove);

    QSqlQuery insert(database);
    if (!insert.prepare(QLatin1String(insertProfile)))
        return fail(insert);
    for (auto it = profiles.cbegin(); it != profiles.cend(); ++it) {
        const PriceProfile &profile = it.value();
        insert.bindValue(0, it.key());
        insert.bindValue(1, profile.binding);
        bindPrices(insert, 2, profile);
        insert.bindValue(11, QString::fromUtf8(colorPricesJson(profile)));
        insert.bindValue(12, QString::fromUtf8(bindingPricesJson(profile)));
        insert.bindValue(13, QString::fromUtf8(profileOptionsJson(profile)));
        if (!insert.exec())
            return fail(insert);
    }
    return true;
}

} // namespace

LoadedPriceProfiles loadPriceProfiles(QSqlDatabase &database, const LegacyPriceSettings &legacy)
{
    LoadedPriceProfiles loaded;
    if (!database.isOpen())
        return loaded;

    PriceProfile &base = loaded.baseProfile;
    {
        QSqlQuery query(database);
        if (!query.prepare(QLatin1String(selectLegacyRow)) || !query.exec()) {
            loaded.result = readFailure(database, query);
            return loaded;
        }
        if (query.next()) {
            applyColumnPrices(query, 5, base);
            base.binding = query.value(4).toDouble();
        } else if (query.lastError().isValid()) {
            loaded.result = readFailure(database, query);
            return loaded;
        }
    }

    {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        if (!query.exec(QLatin1String(selectProfiles))) {
            loaded.result = readFailure(database, query);
            return loaded;
        }
        while (query.next())
            loaded.profiles.insert(query.value(0).toString(), profileFromRow(query, base, legacy));
        // A read that stops half-way must not look like a shorter list.
        if (query.lastError().isValid()) {
            loaded.result = readFailure(database, query);
            return loaded;
        }
    }

    if (loaded.profiles.isEmpty()) {
        applyLegacyOptions(legacy, base);
        loaded.profiles.insert(defaultProfileName(), base);
        loaded.defaultProfileCreated = true;
    }
    return loaded;
}

StorageResult savePriceProfiles(QSqlDatabase &database, const PriceProfileMap &profiles,
                                const PriceProfile &activeProfile)
{
    if (!database.isOpen())
        return StorageResult::failure(StorageResult::DatabaseUnavailable, QString());
    if (!database.transaction())
        return StorageResult::failure(StorageResult::SaveFailed, database.lastError().text());

    const auto general = profiles.constFind(defaultProfileName());
    const PriceProfile &legacySource = general != profiles.cend() ? general.value() : activeProfile;
    QString error;
    if (!writeProfiles(database, profiles, legacySource, &error)) {
        database.rollback();
        return StorageResult::failure(StorageResult::SaveFailed, error);
    }
    if (!database.commit()) {
        const QString commitError = database.lastError().text();
        database.rollback();
        return StorageResult::failure(StorageResult::SaveFailed, commitError);
    }
    return {};
}
