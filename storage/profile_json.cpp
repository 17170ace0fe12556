#include "storage/profile_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

const char *const colorModeMembers[ColorModeCount] = {"blackWhite", "inkjetColor", "laserColor"};

QJsonObject parseObject(const QByteArray &json, bool *isObject)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    *isObject = error.error == QJsonParseError::NoError && document.isObject();
    return document.object();
}

QByteArray compact(const QJsonObject &object)
{
    // QJsonObject keeps its members sorted by key, so the text comes out sorted.
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Above max gives max; not greater than min (NaN included) gives min.
double clampToRange(double value, double min, double max)
{
    if (!(value > min))
        return min;
    return value > max ? max : value;
}

double notNegative(double value)
{
    return value > 0 ? value : 0;
}

void readString(const QJsonObject &object, const char *key, QString &field, const QString &fallback)
{
    const QJsonValue value = object.value(QLatin1String(key));
    field = value.isString() ? value.toString() : fallback;
}

void readNumber(const QJsonObject &object, const char *key, double &field)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isDouble())
        field = value.toDouble();
}

// An integral number, clamped as a double before conversion so huge values cannot overflow.
void readInteger(const QJsonObject &object, const char *key, int &field, int min, int max)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return;
    const double number = value.toDouble();
    if (std::isfinite(number) && number != std::trunc(number))
        return;
    field = static_cast<int>(clampToRange(number, min, max));
}

} // namespace

QByteArray colorPricesJson(const PriceProfile &profile)
{
    QJsonObject object;
    for (int mode = 0; mode < ColorModeCount; ++mode) {
        QJsonArray prices;
        for (double price : profile.pagePrices[mode])
            prices.append(price);
        object.insert(QLatin1String(colorModeMembers[mode]), prices);
    }
    return compact(object);
}

QByteArray bindingPricesJson(const PriceProfile &profile)
{
    QJsonObject object;
    for (auto it = profile.bindingPrices.cbegin(); it != profile.bindingPrices.cend(); ++it)
        object.insert(it.key(), it.value());
    return compact(object);
}

QByteArray profileOptionsJson(const PriceProfile &profile)
{
    QJsonObject object;
    object.insert(QLatin1String("localeName"), profile.localeName);
    object.insert(QLatin1String("currencyCode"), profile.currencyCode);
    object.insert(QLatin1String("taxRate"), profile.taxRate);
    object.insert(QLatin1String("pricesIncludeTax"), profile.pricesIncludeTax);
    object.insert(QLatin1String("paperStockDescription"), profile.paperStockDescription);
    object.insert(QLatin1String("duplexMultiplier"), profile.duplexMultiplier);
    object.insert(QLatin1String("setupFee"), profile.setupFee);
    object.insert(QLatin1String("minimumCharge"), profile.minimumCharge);
    object.insert(QLatin1String("volumeThreshold"), profile.volumeThreshold);
    object.insert(QLatin1String("volumeDiscountPercent"), profile.volumeDiscountPercent);
    object.insert(QLatin1String("quoteDiscountPercent"), profile.quoteDiscountPercent);
    object.insert(QLatin1String("roundingIncrement"), profile.roundingIncrement);
    object.insert(QLatin1String("sellerName"), profile.sellerName);
    object.insert(QLatin1String("sellerContact"), profile.sellerContact);
    object.insert(QLatin1String("sellerAddress"), profile.sellerAddress);
    object.insert(QLatin1String("taxIdentifier"), profile.taxIdentifier);
    object.insert(QLatin1String("customerName"), profile.customerName);
    object.insert(QLatin1String("customerContact"), profile.customerContact);
    object.insert(QLatin1String("quoteValidityDays"), profile.quoteValidityDays);
    object.insert(QLatin1String("paymentTerms"), profile.paymentTerms);
    object.insert(QLatin1String("pricePageByPage"), profile.pricePageByPage);
    return compact(object);
}

void readPriceArray(const QJsonArray &array, PagePriceRow &row)
{
    auto numberOr = [&array](int index, double current) {
        const QJsonValue value = array.at(index);
        return value.isDouble() ? value.toDouble() : current;
    };

    if (array.size() == PaperSizeSlotCount) {
        for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
            row[slot] = numberOr(slot, row[slot]);
    } else if (array.size() == 9) {
        for (int slot = SlotA0; slot <= SlotB5; ++slot)
            row[slot] = numberOr(slot, row[slot]);
        const double other = numberOr(8, row[SlotOther]);
        row[SlotLetter] = row[SlotLegal] = row[SlotTabloid] = row[SlotOther] = other;
    }
}

void readColorPricesJson(const QByteArray &json, PriceProfile &profile)
{
    bool isObject = false;
    const QJsonObject object = parseObject(json, &isObject);
    if (!isObject)
        return;
    for (int mode = 0; mode < ColorModeCount; ++mode)
        readPriceArray(object.value(QLatin1String(colorModeMembers[mode])).toArray(),
                       profile.pagePrices[mode]);
}

void readBindingPricesJson(const QByteArray &json, PriceProfile &profile)
{
    bool isObject = false;
    const QJsonObject object = parseObject(json, &isObject);
    if (!isObject)
        return;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const double fee = it.value().toDouble(0);
        // An infinite fee would make every quote infinite; treat it like any other unusable value.
        profile.bindingPrices.insert(it.key(), std::isfinite(fee) ? notNegative(fee) : 0);
    }
}

bool readProfileOptionsJson(const QByteArray &json, PriceProfile &profile)
{
    bool isObject = false;
    const QJsonObject object = parseObject(json, &isObject);
    if (!isObject)
        return false;

    readString(object, "localeName", profile.localeName, profile.localeName);
    readString(object, "currencyCode", profile.currencyCode, profile.currencyCode);
    profile.currencyCode = profile.currencyCode.toUpper();
    readNumber(object, "taxRate", profile.taxRate);
    profile.taxRate = clampToRange(profile.taxRate, 0, 100);
    const QJsonValue includeTax = object.value(QLatin1String("pricesIncludeTax"));
    if (includeTax.isBool())
        profile.pricesIncludeTax = includeTax.toBool();
    readString(object, "paperStockDescription", profile.paperStockDescription, QString());
    readNumber(object, "duplexMultiplier", profile.duplexMultiplier);
    profile.duplexMultiplier = notNegative(profile.duplexMultiplier);
    readNumber(object, "setupFee", profile.setupFee);
    profile.setupFee = notNegative(profile.setupFee);
    readNumber(object, "minimumCharge", profile.minimumCharge);
    profile.minimumCharge = notNegative(profile.minimumCharge);
    readInteger(object, "volumeThreshold", profile.volumeThreshold, 0, std::numeric_limits<int>::max());
    readNumber(object, "volumeDiscountPercent", profile.volumeDiscountPercent);
    profile.volumeDiscountPercent = clampToRange(profile.volumeDiscountPercent, 0, 100);
    readNumber(object, "quoteDiscountPercent", profile.quoteDiscountPercent);
    profile.quoteDiscountPercent = clampToRange(profile.quoteDiscountPercent, 0, 100);
    readNumber(object, "roundingIncrement", profile.roundingIncrement);
    profile.roundingIncrement = notNegative(profile.roundingIncrement);
    readString(object, "sellerName", profile.sellerName, QString());
    readString(object, "sellerContact", profile.sellerContact, QString());
    readString(object, "sellerAddress", profile.sellerAddress, QString());
    readString(object, "taxIdentifier", profile.taxIdentifier, QString());
    readString(object, "customerName", profile.customerName, QString());
    readString(object, "customerContact", profile.customerContact, QString());
    readInteger(object, "quoteValidityDays", profile.quoteValidityDays, 1, 3650);
    readString(object, "paymentTerms", profile.paymentTerms, QString());
    const QJsonValue pageByPage = object.value(QLatin1String("pricePageByPage"));
    if (pageByPage.isBool())
        profile.pricePageByPage = pageByPage.toBool();
    return true;
}
