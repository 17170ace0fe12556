#pragma once

#include "pricing/price_profile.h"
#include "storage/storage_result.h"

class QSqlDatabase;

// Options older versions kept in the settings store, used for profiles stored without options.
// Loading upper-cases the code and clamps the rate to 0..100.
struct LegacyPriceSettings
{
    QString currencyCode = QStringLiteral("USD");
    double taxRate = 0;
};

struct LoadedPriceProfiles
{
    PriceProfileMap profiles;
    // The defaults with the oldest stored prices applied: what the active profile is when no profile matches.
    PriceProfile baseProfile;
    // "通用" was created because the store held no profile; the caller saves it.
    bool defaultProfileCreated = false;
    // LoadFailed when a stored table could not be read. The connection is then closed so that no
    // later save can replace profiles that were never seen; the window keeps working with what was read.
    StorageResult result;
};

// Reads every profile, migrating older formats. A closed connection loads nothing and is not a failure.
LoadedPriceProfiles loadPriceProfiles(QSqlDatabase &database, const LegacyPriceSettings &legacy);

// Replaces all stored profiles in one transaction: either everything is written or the database keeps
// its previous content. The oldest-format row is written from "通用", or from activeProfile without it.
StorageResult savePriceProfiles(QSqlDatabase &database, const PriceProfileMap &profiles,
                                const PriceProfile &activeProfile);
