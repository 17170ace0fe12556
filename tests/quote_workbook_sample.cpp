// Writes a sample quote workbook (path, currency code, row count 0..3) and prints as JSON the
// inputs and the figures the window computes for them, for the peer checks to compare against.
#include "export/quote_workbook.h"
#include "pricing/line_pricing.h"
#include "pricing/regional_format.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QuoteSnapshot snapshot;
    PriceProfile &profile = snapshot.profile;
    profile.currencyCode = args.value(2);
    profile.taxRate = 13;
    profile.setupFee = 5;
    profile.volumeThreshold = 2;
    profile.volumeDiscountPercent = 10;
    profile.quoteDiscountPercent = 5;
    profile.bindingPrices.insert(QStringLiteral("saddleStitch"), 1.5);
    profile.sellerName = QStringLiteral("Print & <Co>");
    snapshot.profileName = QStringLiteral("门店 \"%1\"");
    snapshot.duplex = true;
    snapshot.createdAt = QDateTime::currentDateTime();
    const QStringList samples[] = {{"A & B <1> %1.pdf", "12", "A4", "3", "cornerStaple"},
                                   {"报价 \"%2\".docx", "5", "Letter", "abc", "none"},
                                   {"scan.png", "1", "A3 横向", "2", "saddleStitch"}};
    QJsonArray rows;
    for (int i = 0; i < qBound(0, args.value(3).toInt(), 3); ++i) {
        const QStringList &s = samples[i];
        QuoteRow row{s[0], QStringLiteral("laserColor"), s[1], s[2], s[3], {}, s[4], 0};
        row.unitPriceText = unitPriceText(profile, row.paperSize, row.colorMode);
        row.lineAmount = lineAmount({row.pagesText, row.copiesText, row.unitPriceText, row.binding}, profile,
                                    snapshot.duplex, MoneyFormat(profile));
        snapshot.rows.append(row);
        rows.append(QJsonObject{{"fileName", row.fileName},
                                {"pagesText", row.pagesText},
                                {"copiesText", row.copiesText},
                                {"unitPrice", parseAmount(profile, row.unitPriceText)},
                                {"bindingFee", bindingFeeFor(profile, row.binding)},
                                {"lineAmount", row.lineAmount}});
    }
    const QuoteTotals t = quoteTotals(snapshot);
    const QJsonObject figures{
        {"decimals", currencyDecimals(profile)},
        {"rows", rows},
        {"totals", QJsonArray{t.itemsSubtotal, t.setupFee, -t.volumeDiscount, -t.quoteDiscount,
                              t.preTaxAmount, t.taxAmount, t.grandTotal}}};
    const WorkbookResult result = writeQuoteWorkbook(snapshot, args.value(1));
    std::fputs(QJsonDocument(figures).toJson(QJsonDocument::Compact).constData(), stdout);
    return result.status == WorkbookStatus::Written ? 0 : 1;
}
