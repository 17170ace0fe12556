#pragma once

#include "pricing/price_profile.h"
#include "storage/profile_store.h"

class QSettings;

// Keys of the settings store and their readers; every reader falls back to the key's default.
namespace SettingsKeys {
inline constexpr char activePriceProfile[] = "activePriceProfile";
inline constexpr char printMode[] = "printMode";
inline constexpr char customBindingMethods[] = "customBindingMethods";
inline constexpr char currencyCode[] = "currencyCode";
inline constexpr char taxRate[] = "taxRate";
} // namespace SettingsKeys

// Entries whose key lacks the "custom:" prefix or whose trimmed name is empty are dropped.
CustomBindingMap loadCustomBindingMethods(const QSettings &settings);
void saveCustomBindingMethods(QSettings &settings, const CustomBindingMap &methods);

QString readActivePriceProfile(const QSettings &settings);
void writeActivePriceProfile(QSettings &settings, const QString &name);

// "simplex" or "duplex"; anything else reads as "simplex".
QString readPrintMode(const QSettings &settings);
void writePrintMode(QSettings &settings, const QString &mode);

// currencyCode and taxRate as stored (a non-number reads as 0); loading upper-cases and clamps them.
LegacyPriceSettings readLegacyPriceSettings(const QSettings &settings);

// The stored name when the set holds it, otherwise the first name in key order (empty for no profiles).
QString chooseActiveProfileName(const PriceProfileMap &profiles, const QString &storedName);
