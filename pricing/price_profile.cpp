#include "pricing/price_profile.h"

#include <QCoreApplication>

#include <cmath>

std::array<PagePriceRow, ColorModeCount> PriceProfile::defaultPagePrices()
{
    std::array<PagePriceRow, ColorModeCount> prices;
    for (PagePriceRow &row : prices)
        row.fill(0.05);
    return prices;
}

bool PriceProfile::operator==(const PriceProfile &other) const
{
    return pagePrices == other.pagePrices && binding == other.binding &&
           bindingPrices == other.bindingPrices && localeName == other.localeName &&
           currencyCode == other.currencyCode && taxRate == other.taxRate &&
           pricesIncludeTax == other.pricesIncludeTax &&
           paperStockDescription == other.paperStockDescription &&
           duplexMultiplier == other.duplexMultiplier && setupFee == other.setupFee &&
           minimumCharge == other.minimumCharge && volumeThreshold == other.volumeThreshold &&
           volumeDiscountPercent == other.volumeDiscountPercent &&
           quoteDiscountPercent == other.quoteDiscountPercent &&
           roundingIncrement == other.roundingIncrement && sellerName == other.sellerName &&
           sellerContact == other.sellerContact && sellerAddress == other.sellerAddress &&
           taxIdentifier == other.taxIdentifier && customerName == other.customerName &&
           customerContact == other.customerContact && quoteValidityDays == other.quoteValidityDays &&
           paymentTerms == other.paymentTerms && pricePageByPage == other.pricePageByPage;
}

QString defaultProfileName()
{
    return QStringLiteral("通用");
}

QString profileDisplayName(const QString &name)
{
    if (name == defaultProfileName())
        return QCoreApplication::translate("MainWindow", "通用");
    return name;
}

QStringList colorModeKeys()
{
    return {QStringLiteral("blackWhite"), QStringLiteral("inkjetColor"), QStringLiteral("laserColor")};
}

ColorModeIndex colorModeIndex(const QString &key)
{
    if (key == QLatin1String("inkjetColor"))
        return ColorInkjet;
    if (key == QLatin1String("laserColor"))
        return ColorLaser;
    return ColorBlackWhite;
}

const PagePriceRow &pagePriceTable(const PriceProfile &profile, const QString &colorMode)
{
    return profile.pagePrices[colorModeIndex(colorMode)];
}

PagePriceRow &pagePriceTable(PriceProfile &profile, const QString &colorMode)
{
    return profile.pagePrices[colorModeIndex(colorMode)];
}

double bindingFeeFor(const PriceProfile &profile, const QString &bindingKey)
{
    if (bindingKey == QLatin1String("none"))
        return 0;
    double fee = 0;
    const auto it = profile.bindingPrices.constFind(bindingKey);
    if (it != profile.bindingPrices.constEnd())
        fee = it.value();
    else if (bindingKey == QLatin1String("cornerStaple"))
        fee = profile.binding;
    // A negative or non-finite fee would make every line with this binding meaningless.
    return fee > 0 && std::isfinite(fee) ? fee : 0;
}

QStringList builtInBindingKeys()
{
    return {QStringLiteral("none"),         QStringLiteral("cornerStaple"),   QStringLiteral("doubleStaple"),
            QStringLiteral("saddleStitch"), QStringLiteral("perfectBinding"), QStringLiteral("combBinding"),
            QStringLiteral("wireOBinding"), QStringLiteral("coilBinding")};
}

QStringList bindingKeys(const CustomBindingMap &customBindingMethods)
{
    return builtInBindingKeys() + customBindingMethods.keys();
}

QString colorModeLabel(const QString &key)
{
    switch (colorModeIndex(key)) {
    case ColorInkjet:
        return QCoreApplication::translate("MainWindow", "喷墨彩");
    case ColorLaser:
        return QCoreApplication::translate("MainWindow", "激光彩");
    default:
        return QCoreApplication::translate("MainWindow", "黑白");
    }
}

QString bindingLabel(const QString &key, const CustomBindingMap &customBindingMethods)
{
    if (key == QLatin1String("cornerStaple"))
        return QCoreApplication::translate("MainWindow", "角钉");
    if (key == QLatin1String("doubleStaple"))
        return QCoreApplication::translate("MainWindow", "双钉");
    if (key == QLatin1String("saddleStitch"))
        return QCoreApplication::translate("MainWindow", "骑马钉");
    if (key == QLatin1String("perfectBinding"))
        return QCoreApplication::translate("MainWindow", "胶装");
    if (key == QLatin1String("combBinding"))
        return QCoreApplication::translate("MainWindow", "梳式装订");
    if (key == QLatin1String("wireOBinding"))
        return QCoreApplication::translate("MainWindow", "铁圈装订");
    if (key == QLatin1String("coilBinding"))
        return QCoreApplication::translate("MainWindow", "螺旋装订");
    const auto it = customBindingMethods.constFind(key);
    if (it != customBindingMethods.constEnd())
        return it.value();
    return QCoreApplication::translate("MainWindow", "无装订");
}
