#pragma once

#include "pricing/price_profile.h"
#include "storage/storage_result.h"

// The price profiles, custom binding methods and print mode the window would start with.
struct StoredPricing
{
    PriceProfileMap profiles;
    PriceProfile baseProfile; // priced with when no profile is stored under the active name
    QString activeName;
    CustomBindingMap customBindingMethods;
    bool duplex = false;
    StorageResult result;
};

// Reads the window's database and settings without changing either: the database is upgraded and
// read in a private copy, so an older file is understood and never rewritten.
StoredPricing loadStoredPricing();
