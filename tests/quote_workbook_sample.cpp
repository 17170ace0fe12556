// Writes a sample quote workbook (path, currency code, row count 0..3 with "p" after it to price page
// by page, optional first file name)
// and prints as JSON the inputs and the figures the window computes for them, for the peer
// checks to compare against. Exit status 1 with the message on stderr when nothing was written.
#include "export/quote_lines.h"
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
    QuoteSnapshot snapshot{{}, {}, QStringLiteral("门店 \"%1\""), {}, true, QDateTime::currentDateTime()};
    PriceProfile &profile = snapshot.profile;
    profile.currencyCode = args.value(2);
    profile.taxRate = 13;
    profile.setupFee = profile.volumeThreshold = 2;
    profile.volumeDiscountPercent = profile.quoteDiscountPercent = 5;
    profile.pricePageByPage = args.value(3).endsWith(QLatin1Char('p'));
    // The second row's details miss a page, so it keeps its one price.
    const PageDetails details[] = {
        {{{"A4", false, 10}, {"A3", true, 2}}}, {{{"Letter", true, 4}}}, {{{"A3 横向", true, 1}}}};
    const QStringList samples[] = {{args.value(4, "A & B <1> %1.pdf"), "12", "A4", "3", "cornerStaple"},
                                   {"报价 \"%2\".docx", "5", "Letter", "abc", "none"},
                                   {"scan.png", "1", "A3 横向", "2", "cornerStaple"}};
    QJsonArray rows;
    for (int i = 0; i < qBound(0, args.value(3).left(1).toInt(), 3); ++i) {
        const QStringList &s = samples[i];
        QuoteRow row{s[0], QStringLiteral("laserColor"),
                     s[1], s[2],
                     s[3], unitPriceText(profile, s[2], "laserColor"),
                     s[4], 0};
        row.pageDetails = details[i];
        if (pricedPageByPage(quoteRowInputs(row), profile))
            row.unitPriceText = pageByPageUnitPriceText(profile, row.colorMode, row.pageDetails);
        row.lineAmount = quoteRowAmount(row, profile, snapshot.duplex, MoneyFormat(profile));
        snapshot.rows.append(row);
        rows.append(QJsonArray{row.fileName, row.pagesText, row.copiesText,
                               parseAmount(profile, row.unitPriceText), bindingFeeFor(profile, row.binding),
                               row.lineAmount, pageBreakdownText(row, profile)});
    }
    const QuoteTotals t = quoteTotals(snapshot);
    const QJsonArray totals{t.itemsSubtotal, t.setupFee,  -t.volumeDiscount, -t.quoteDiscount,
                            t.preTaxAmount,  t.taxAmount, t.grandTotal};
    std::fputs(QJsonDocument(QJsonObject{{"decimals", currencyDecimals(profile)},
                                         {"lastColumn", profile.pricePageByPage ? "J" : "I"},
                                         {"rows", rows},
                                         {"totals", totals}})
                   .toJson(QJsonDocument::Compact)
                   .constData(),
               stdout);
    const WorkbookResult result = writeQuoteWorkbook(snapshot, args.value(1));
    std::fputs(qPrintable(result.errorText), stderr);
    return result.status == WorkbookStatus::Written ? 0 : 1;
}
