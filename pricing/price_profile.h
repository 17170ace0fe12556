#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <array>

// Paper-size slots of the per-page price tables, in stored order.
enum PaperSizeSlot {
    SlotA0,
    SlotA1,
    SlotA2,
    SlotA3,
    SlotA4,
    SlotA5,
    SlotB4, // also JIS-B4
    SlotB5, // also JIS-B5
    SlotLetter,
    SlotLegal,
    SlotTabloid,
    SlotOther,
    PaperSizeSlotCount
};

enum ColorModeIndex { ColorBlackWhite, ColorInkjet, ColorLaser, ColorModeCount };

using PagePriceRow = std::array<double, PaperSizeSlotCount>;

// One named price profile. The name is the key of the map that holds it, never a field.
struct PriceProfile
{
    std::array<PagePriceRow, ColorModeCount> pagePrices = defaultPagePrices();
    double binding = 0.2; // corner-staple fee when bindingPrices has no entry for it
    QMap<QString, double> bindingPrices;
    QString localeName;
    QString currencyCode = QStringLiteral("USD");
    double taxRate = 0;
    bool pricesIncludeTax = false;
    QString paperStockDescription;
    double duplexMultiplier = 1.0;
    double setupFee = 0;
    double minimumCharge = 0;
    int volumeThreshold = 0;
    double volumeDiscountPercent = 0;
    double quoteDiscountPercent = 0;
    double roundingIncrement = 0.01;
    QString sellerName;
    QString sellerContact;
    QString sellerAddress;
    QString taxIdentifier;
    QString customerName;
    QString customerContact;
    int quoteValidityDays = 30;
    QString paymentTerms;
    // Price every page at its own size, and the grey pages of a colour row at the black-and-white
    // price; off by default so that quotes made before the option existed keep their amounts.
    bool pricePageByPage = false;

    static std::array<PagePriceRow, ColorModeCount> defaultPagePrices();
    bool operator==(const PriceProfile &other) const;
    bool operator!=(const PriceProfile &other) const { return !(*this == other); }
};

using PriceProfileMap = QMap<QString, PriceProfile>;
using CustomBindingMap = QMap<QString, QString>; // custom key -> display name

// The name of the profile created when none is stored.
QString defaultProfileName();
// A profile name as listed: the default profile's name translated, every other name as stored.
QString profileDisplayName(const QString &name);

// "blackWhite", "inkjetColor", "laserColor" in display order.
QStringList colorModeKeys();
// Index into pagePrices; any unknown key (compared case-sensitively) is black and white.
ColorModeIndex colorModeIndex(const QString &key);

const PagePriceRow &pagePriceTable(const PriceProfile &profile, const QString &colorMode);
PagePriceRow &pagePriceTable(PriceProfile &profile, const QString &colorMode);

// Per-copy fee of a binding key; a negative or non-finite stored fee counts as 0.
double bindingFeeFor(const PriceProfile &profile, const QString &bindingKey);

// The eight built-in keys in display order, then the custom keys in key order.
QStringList builtInBindingKeys();
QStringList bindingKeys(const CustomBindingMap &customBindingMethods);

// Translated display names (context "MainWindow").
QString colorModeLabel(const QString &key);
QString bindingLabel(const QString &key, const CustomBindingMap &customBindingMethods);
