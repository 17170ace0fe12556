#include "storage/settings_keys.h"

#include <QSettings>
#include <QVariantMap>

CustomBindingMap loadCustomBindingMethods(const QSettings &settings)
{
    CustomBindingMap methods;
    const QVariant value = settings.value(QLatin1String(SettingsKeys::customBindingMethods));
    if (value.typeId() != QMetaType::QVariantMap)
        return methods;
    const QVariantMap stored = value.toMap();
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        const QString name = it.value().toString().trimmed();
        if (it.key().startsWith(QLatin1String("custom:")) && !name.isEmpty())
            methods.insert(it.key(), name);
    }
    return methods;
}

void saveCustomBindingMethods(QSettings &settings, const CustomBindingMap &methods)
{
    QVariantMap stored;
    for (auto it = methods.cbegin(); it != methods.cend(); ++it)
        stored.insert(it.key(), it.value());
    settings.setValue(QLatin1String(SettingsKeys::customBindingMethods), stored);
}

QString readActivePriceProfile(const QSettings &settings)
{
    return settings.value(QLatin1String(SettingsKeys::activePriceProfile), defaultProfileName()).toString();
}

void writeActivePriceProfile(QSettings &settings, const QString &name)
{
    settings.setValue(QLatin1String(SettingsKeys::activePriceProfile), name);
}

QString readPrintMode(const QSettings &settings)
{
    const QString duplex = QStringLiteral("duplex");
    return settings.value(QLatin1String(SettingsKeys::printMode)).toString() == duplex
               ? duplex
               : QStringLiteral("simplex");
}

void writePrintMode(QSettings &settings, const QString &mode)
{
    settings.setValue(QLatin1String(SettingsKeys::printMode), mode);
}

LegacyPriceSettings readLegacyPriceSettings(const QSettings &settings)
{
    LegacyPriceSettings legacy;
    legacy.currencyCode =
        settings.value(QLatin1String(SettingsKeys::currencyCode), legacy.currencyCode).toString();
    legacy.taxRate = settings.value(QLatin1String(SettingsKeys::taxRate), legacy.taxRate).toDouble();
    return legacy;
}

QString chooseActiveProfileName(const PriceProfileMap &profiles, const QString &storedName)
{
    if (profiles.contains(storedName))
        return storedName;
    return profiles.isEmpty() ? QString() : profiles.firstKey();
}
