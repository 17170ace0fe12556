#include "storage/quote_record_json.h"

#include "export/quote_snapshot.h"
#include "storage/profile_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char formatName[] = "orvanta-quote-1";

QJsonObject objectOf(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

QByteArray textOf(const QJsonValue &value)
{
    return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

QString stringAt(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

double numberAt(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toDouble();
}

const std::pair<const char *, double QuoteTotals::*> totalMembers[] = {
    {"itemsSubtotal", &QuoteTotals::itemsSubtotal},   {"setupFee", &QuoteTotals::setupFee},
    {"volumeDiscount", &QuoteTotals::volumeDiscount}, {"quoteDiscount", &QuoteTotals::quoteDiscount},
    {"preTaxAmount", &QuoteTotals::preTaxAmount},     {"taxAmount", &QuoteTotals::taxAmount},
    {"grandTotal", &QuoteTotals::grandTotal}};

QJsonArray pageDetailsJson(const PageDetails &details)
{
    QJsonArray groups;
    for (const PageGroup &group : details.groups)
        groups.append(QJsonObject{{QStringLiteral("paperSize"), group.paperSize},
                                  {QStringLiteral("color"), group.color},
                                  {QStringLiteral("pages"), group.pages}});
    return groups;
}

PageDetails readPageDetails(const QJsonArray &groups)
{
    PageDetails details;
    for (const QJsonValue &value : groups) {
        const QJsonObject group = value.toObject();
        details.groups.append({stringAt(group, "paperSize"), group.value(QLatin1String("color")).toBool(),
                               group.value(QLatin1String("pages")).toInt()});
    }
    return details;
}

QJsonObject rowJson(const QuoteRow &row)
{
    return {{QStringLiteral("filePath"), row.filePath},
            {QStringLiteral("fileName"), row.fileName},
            {QStringLiteral("colorMode"), row.colorMode},
            {QStringLiteral("pages"), row.pagesText},
            {QStringLiteral("paperSize"), row.paperSize},
            {QStringLiteral("copies"), row.copiesText},
            {QStringLiteral("unitPrice"), row.unitPriceText},
            {QStringLiteral("binding"), row.binding},
            {QStringLiteral("amount"), row.lineAmount},
            {QStringLiteral("pageDetails"), pageDetailsJson(row.pageDetails)},
            {QStringLiteral("unitPriceTyped"), row.unitPriceTyped},
            {QStringLiteral("pagesEstimated"), row.pagesEstimated},
            {QStringLiteral("pageCountMark"), row.pageCountMark}};
}

QuoteRow readRow(const QJsonObject &object)
{
    QuoteRow row;
    row.filePath = stringAt(object, "filePath");
    row.fileName = stringAt(object, "fileName");
    row.colorMode = object.value(QLatin1String("colorMode")).toString(row.colorMode);
    row.pagesText = stringAt(object, "pages");
    row.paperSize = stringAt(object, "paperSize");
    row.copiesText = stringAt(object, "copies");
    row.unitPriceText = stringAt(object, "unitPrice");
    row.binding = object.value(QLatin1String("binding")).toString(row.binding);
    row.lineAmount = numberAt(object, "amount");
    row.pageDetails = readPageDetails(object.value(QLatin1String("pageDetails")).toArray());
    row.unitPriceTyped = object.value(QLatin1String("unitPriceTyped")).toBool();
    row.pagesEstimated = object.value(QLatin1String("pagesEstimated")).toBool();
    row.pageCountMark = stringAt(object, "pageCountMark");
    return row;
}

} // namespace

QByteArray quoteRecordJson(const QuoteSnapshot &quote)
{
    QJsonArray rows;
    for (const QuoteRow &row : quote.rows)
        rows.append(rowJson(row));
    QJsonObject totals;
    const QuoteTotals issued = quoteTotals(quote);
    for (const auto &[name, member] : totalMembers)
        totals.insert(QLatin1String(name), issued.*member);
    QJsonObject customBindings;
    for (auto it = quote.customBindingMethods.cbegin(); it != quote.customBindingMethods.cend(); ++it)
        customBindings.insert(it.key(), it.value());
    const QJsonObject profile{{QStringLiteral("binding"), quote.profile.binding},
                              {QStringLiteral("colorPrices"), objectOf(colorPricesJson(quote.profile))},
                              {QStringLiteral("bindingPrices"), objectOf(bindingPricesJson(quote.profile))},
                              {QStringLiteral("options"), objectOf(profileOptionsJson(quote.profile))}};
    const QJsonObject record{{QStringLiteral("format"), QLatin1String(formatName)},
                             {QStringLiteral("quoteNo"), quoteNumberOf(quote)},
                             {QStringLiteral("createdAt"), quote.createdAt.toString(Qt::ISODate)},
                             {QStringLiteral("language"), quote.language},
                             {QStringLiteral("profileName"), quote.profileName},
                             {QStringLiteral("duplex"), quote.duplex},
                             {QStringLiteral("customBindingMethods"), customBindings},
                             {QStringLiteral("profile"), profile},
                             {QStringLiteral("rows"), rows},
                             {QStringLiteral("totals"), totals}};
    return QJsonDocument(record).toJson(QJsonDocument::Compact);
}

std::optional<QuoteSnapshot> readQuoteRecordJson(const QByteArray &json)
{
    const QJsonObject record = objectOf(json);
    if (stringAt(record, "format") != QLatin1String(formatName) ||
        !record.value(QLatin1String("rows")).isArray() || !record.value(QLatin1String("totals")).isObject())
        return std::nullopt;
    QuoteSnapshot quote;
    quote.quoteNumber = stringAt(record, "quoteNo");
    quote.createdAt = QDateTime::fromString(stringAt(record, "createdAt"), Qt::ISODate);
    quote.language = stringAt(record, "language");
    quote.profileName = stringAt(record, "profileName");
    quote.duplex = record.value(QLatin1String("duplex")).toBool();
    const QJsonObject customBindings = record.value(QLatin1String("customBindingMethods")).toObject();
    for (auto it = customBindings.constBegin(); it != customBindings.constEnd(); ++it)
        quote.customBindingMethods.insert(it.key(), it.value().toString());
    const QJsonObject profile = record.value(QLatin1String("profile")).toObject();
    quote.profile.binding = profile.value(QLatin1String("binding")).toDouble(quote.profile.binding);
    readColorPricesJson(textOf(profile.value(QLatin1String("colorPrices"))), quote.profile);
    readBindingPricesJson(textOf(profile.value(QLatin1String("bindingPrices"))), quote.profile);
    readProfileOptionsJson(textOf(profile.value(QLatin1String("options"))), quote.profile);
    for (const QJsonValue &row : record.value(QLatin1String("rows")).toArray())
        quote.rows.append(readRow(row.toObject()));
    const QJsonObject totals = record.value(QLatin1String("totals")).toObject();
    QuoteTotals issued;
    for (const auto &[name, member] : totalMembers)
        issued.*member = numberAt(totals, name);
    quote.totals = issued;
    return quote;
}
