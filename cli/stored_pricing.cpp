#include "cli/stored_pricing.h"

#include "storage/price_database.h"
#include "storage/profile_store.h"
#include "storage/settings_keys.h"

#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QTemporaryDir>

namespace {

const char connectionName[] = "orvanta-cli";

StorageResult readProfiles(const QString &copyPath, StoredPricing &pricing, const QSettings &settings)
{
    QSqlDatabase database =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(connectionName));
    StorageResult result = openPriceDatabase(database, copyPath);
    if (result.ok()) {
        const LoadedPriceProfiles loaded = loadPriceProfiles(database, readLegacyPriceSettings(settings));
        result = loaded.result;
        pricing.profiles = loaded.profiles;
        pricing.baseProfile = loaded.baseProfile;
    }
    database.close();
    return result;
}

} // namespace

StoredPricing loadStoredPricing()
{
    StoredPricing pricing;
    const QSettings settings;
    pricing.customBindingMethods = loadCustomBindingMethods(settings);
    pricing.duplex = readPrintMode(settings) == QLatin1String("duplex");

    QTemporaryDir folder;
    const QString copyPath = folder.filePath(QStringLiteral("orvanta.db"));
    const QString storedPath = defaultPriceDatabasePath();
    if (QFile::exists(storedPath)) {
        QFile stored(storedPath);
        if (!stored.copy(copyPath)) {
            pricing.result = StorageResult::failure(StorageResult::OpenFailed, stored.errorString());
            return pricing;
        }
        // The copy keeps the original's permissions; a read-only file must still take the upgrade.
        QFile::setPermissions(copyPath, QFile::ReadOwner | QFile::WriteOwner);
    }
    pricing.result = readProfiles(copyPath, pricing, settings);
    QSqlDatabase::removeDatabase(QLatin1String(connectionName));
    pricing.activeName = chooseActiveProfileName(pricing.profiles, readActivePriceProfile(settings));
    return pricing;
}
