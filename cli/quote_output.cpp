#include "cli/quote_output.h"

#include "analysis/document_info.h"
#include "analysis/word_render_batch.h"
#include "export/quote_snapshot.h"
#include "pricing/line_pricing.h"
#include "pricing/regional_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

QByteArray quoteJson(const QuoteSnapshot &snapshot, const QList<DocumentInfo> &documents,
                     const QList<WordRendering> &renderings)
{
    const MoneyFormat format(snapshot.profile);
    QJsonArray lines;
    for (qsizetype i = 0; i < snapshot.rows.size(); ++i) {
        const QuoteRow &row = snapshot.rows.at(i);
        const DocumentInfo info = documents.value(i);
        QJsonObject line{{QStringLiteral("fileName"), row.fileName},
                         {QStringLiteral("pageCount"), pageCountFromText(row.pagesText)},
                         {QStringLiteral("paperSize"), info.paperSize},
                         {QStringLiteral("colorMode"), row.colorMode},
                         {QStringLiteral("copies"), copiesFromText(row.copiesText)},
                         {QStringLiteral("unitPrice"), format.parse(row.unitPriceText)},
                         {QStringLiteral("binding"), row.binding},
                         {QStringLiteral("amount"), row.lineAmount}};
        const WordRendering rendering = renderings.value(i);
        line.insert(QStringLiteral("renderedPages"), rendering.renderedPages);
        line.insert(QStringLiteral("pageCountSource"), pageCountSourceName(rendering, false));
        line.insert(QStringLiteral("pageCountMismatch"),
                    rendering.outcome == WordRenderOutcome::Rendered &&
                        pageCountsFarApart(rendering.storedPages, rendering.renderedPages));
        if (!row.pageDetails.isEmpty()) {
            line.insert(QStringLiteral("colorPages"), row.pageDetails.colorPages());
            line.insert(QStringLiteral("pageSizes"), pagesPerSizeText(row.pageDetails));
        }
        lines.append(line);
    }
    const QuoteTotals totals = quoteTotals(snapshot);
    const QJsonObject totalsObject{{QStringLiteral("itemsSubtotal"), totals.itemsSubtotal},
                                   {QStringLiteral("setupFee"), totals.setupFee},
                                   {QStringLiteral("volumeDiscount"), totals.volumeDiscount},
                                   {QStringLiteral("quoteDiscount"), totals.quoteDiscount},
                                   {QStringLiteral("preTaxAmount"), totals.preTaxAmount},
                                   {QStringLiteral("taxAmount"), totals.taxAmount},
                                   {QStringLiteral("grandTotal"), totals.grandTotal},
                                   {QStringLiteral("currency"), format.currencyCode()}};
    return QJsonDocument(
               QJsonObject{{QStringLiteral("lines"), lines}, {QStringLiteral("totals"), totalsObject}})
               .toJson(QJsonDocument::Compact) +
           '\n';
}

namespace {

// Columns padded to their widest cell; numbers right-aligned.
QByteArray alignedTable(const QList<QStringList> &cells, const QList<bool> &rightAligned)
{
    QList<qsizetype> widths(rightAligned.size(), 0);
    for (const QStringList &row : cells) {
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row.at(c).size());
    }
    QString text;
    for (const QStringList &row : cells) {
        QStringList padded;
        for (qsizetype c = 0; c < row.size(); ++c)
            padded.append(rightAligned.at(c) ? row.at(c).rightJustified(widths[c])
                                             : row.at(c).leftJustified(widths[c]));
        text += padded.join(QLatin1String("  ")).trimmed() + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace

QByteArray quoteTable(const QuoteSnapshot &snapshot, const QList<DocumentInfo> &documents)
{
    const MoneyFormat format(snapshot.profile);
    QList<QStringList> lines{{QStringLiteral("File"), QStringLiteral("Pages"), QStringLiteral("Size"),
                              QStringLiteral("Colour"), QStringLiteral("Copies"),
                              QStringLiteral("Unit price"), QStringLiteral("Binding"),
                              QStringLiteral("Amount")}};
    for (qsizetype i = 0; i < snapshot.rows.size(); ++i) {
        const QuoteRow &row = snapshot.rows.at(i);
        const QString size = documents.value(i).paperSize;
        lines.append({row.fileName, row.pagesText, size.isEmpty() ? QStringLiteral("?") : size, row.colorMode,
                      row.copiesText, format.money(format.parse(row.unitPriceText)), row.binding,
                      format.money(row.lineAmount)});
    }
    const QuoteTotals totals = quoteTotals(snapshot);
    const QList<QStringList> sums{
        {QStringLiteral("Items"), format.money(totals.itemsSubtotal)},
        {QStringLiteral("Setup fee"), format.money(totals.setupFee)},
        {QStringLiteral("Volume discount"), format.money(-totals.volumeDiscount)},
        {QStringLiteral("Quote discount"), format.money(-totals.quoteDiscount)},
        {QStringLiteral("Before tax"), format.money(totals.preTaxAmount)},
        {QStringLiteral("Tax (%1%)")
             .arg(format.locale().toString(effectiveTaxRate(snapshot.profile), 'f', 2)),
         format.money(totals.taxAmount)},
        {QStringLiteral("Total"), format.money(totals.grandTotal)}};
    return alignedTable(lines, {false, true, false, false, true, true, false, true}) + '\n' +
           alignedTable(sums, {false, true});
}
