#include "export/quote_html.h"

#include "export/page_count_marks.h"
#include "export/quote_lines.h"
#include "export/quote_snapshot.h"
#include "pricing/line_pricing.h"
#include "pricing/quote_totals.h"
#include "pricing/regional_format.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

const char pageTemplate[] =
    "<html dir='%1'><head><meta charset='utf-8'><style>body{font-family:'Segoe UI','Noto "
    "Sans',Arial,sans-serif;color:#273248;}h1{color:#1f3f9e;margin-bottom:8px}.seller{font-size:16px;"
    "margin-top:4px}.customer{margin-top:10px;padding:8px;background:#f6f8fc;border:1px solid "
    "#e2e7f0}table{width:100%;border-collapse:collapse;margin-top:20px;}th{background:#eef2ff;}th,td{"
    "border:1px solid #dce2ee;padding:7px;text-align:center;}td:first-child{text-align:start;}.meta{"
    "line-height:1.6;color:#68738a}.summary{text-align:end;font-size:15px;line-height:1.7;margin-top:"
    "18px}.brand{font-size:10px;color:#8a94a6;margin-top:24px}</style></head><body><h1>%2</h1>%3<div "
    "class='meta'>%4</div><table>%5%6</table><div class='summary'>%7</div>%8<div "
    "class='brand'>Orvanta</div></body></html>";

QString rowsHtml(const QuoteSnapshot &snapshot, const MoneyFormat &format)
{
    const QString rowTemplate = QStringLiteral(
        "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td><td>%8</td></tr>");
    const QString bindingTemplate = QCoreApplication::translate("MainWindow", "%1（%2/份）");
    QString rows;
    rows.reserve(snapshot.rows.size() * 400);
    for (const QuoteRow &row : snapshot.rows) {
        const QString binding =
            bindingTemplate.arg(bindingLabel(row.binding, snapshot.customBindingMethods),
                                format.money(bindingFeeFor(snapshot.profile, row.binding)));
        // Pages and copies are numbers in every row the window makes; escaping keeps an edited
        // cell from becoming markup all the same.
        rows += rowTemplate.arg(
            escaped(row.fileName), escaped(colorModeLabel(row.colorMode)),
            escaped(row.pageCountMark.isEmpty() ? row.pagesText
                                                : row.pagesText + QLatin1Char(' ') + row.pageCountMark),
            escaped(row.paperSize), escaped(row.copiesText), format.money(format.parse(row.unitPriceText)),
            escaped(binding), format.money(row.lineAmount));
        // A row priced page by page says what its pages are on a line of its own, across the table,
        // so the narrow file-name column keeps its width.
        const QString breakdown = pageBreakdownText(row, snapshot.profile);
        if (!breakdown.isEmpty())
            rows += QStringLiteral("<tr><td colspan='8' class='meta' align='left'>%1</td></tr>")
                        .arg(escaped(breakdown));
    }
    return rows;
}

QString partiesHtml(const PriceProfile &profile)
{
    QString html;
    const QString meta = QStringLiteral("<div class='meta'>%1</div>");
    if (!profile.sellerName.isEmpty())
        html +=
            QStringLiteral("<div class='seller'><strong>%1</strong></div>").arg(escaped(profile.sellerName));
    if (!profile.sellerAddress.isEmpty())
        html += meta.arg(escaped(profile.sellerAddress));
    if (!profile.sellerContact.isEmpty())
        html += meta.arg(escaped(profile.sellerContact));
    if (!profile.taxIdentifier.isEmpty())
        html += QStringLiteral("<div class='meta'>%1: %2</div>")
                    .arg(QCoreApplication::translate("MainWindow", "税号"), escaped(profile.taxIdentifier));
    if (!profile.customerName.isEmpty() || !profile.customerContact.isEmpty())
        html += QStringLiteral("<div class='customer'><strong>%1</strong><br>%2<br>%3</div>")
                    .arg(QCoreApplication::translate("MainWindow", "客户"), escaped(profile.customerName),
                         escaped(profile.customerContact));
    return html;
}

QString metaHtml(const QuoteSnapshot &snapshot, const MoneyFormat &format)
{
    const QDate today = snapshot.createdAt.date();
    QString html =
        QCoreApplication::translate(
            "MainWindow",
            "报价编号：%1<br>价格角色：%2<br>报价日期：%3<br>有效期至：%4<br>币种：%5<br>打印方式：%6")
            .arg(makeQuoteNumber(snapshot.createdAt), escaped(snapshot.profileName),
                 format.locale().toString(today, QLocale::ShortFormat),
                 format.locale().toString(today.addDays(snapshot.profile.quoteValidityDays),
                                          QLocale::ShortFormat),
                 format.currencyCode(),
                 snapshot.duplex ? QCoreApplication::translate("MainWindow", "双面")
                                 : QCoreApplication::translate("MainWindow", "单面"));
    if (snapshot.profile.pricePageByPage)
        html += QStringLiteral("<br>") +
                QCoreApplication::translate("MainWindow", "按页计价：每页按其尺寸和颜色计价");
    if (!snapshot.profile.paperStockDescription.isEmpty())
        html += QStringLiteral("<br>") + QCoreApplication::translate("MainWindow", "纸张/克重：%1")
                                             .arg(escaped(snapshot.profile.paperStockDescription));
    return html;
}

QString headerHtml()
{
    return QStringLiteral("<tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th><th>%5</th><th>%6</th><th>%7</th>"
                          "<th>%8</th></tr>")
        .arg(QCoreApplication::translate("MainWindow", "文件名称"),
             QCoreApplication::translate("MainWindow", "颜色"),
             QCoreApplication::translate("MainWindow", "页数"),
             QCoreApplication::translate("MainWindow", "尺寸"),
             QCoreApplication::translate("MainWindow", "份数"),
             QCoreApplication::translate("MainWindow", "单价/页"),
             QCoreApplication::translate("MainWindow", "装订方式"),
             QCoreApplication::translate("MainWindow", "小计"));
}

QString summaryHtml(const QuoteSnapshot &snapshot, const MoneyFormat &format)
{
    const QuoteTotals totals = quoteTotals(snapshot);
    QString html =
        QCoreApplication::translate(
            "MainWindow", "商品金额：%1<br>起步费：%2<br>数量折扣：−%3<br>整单折扣：−%4<br>税前金额：%5<br>"
                          "税额（%6%）：%7<br><strong>合计：%8</strong>")
            .arg(format.money(totals.itemsSubtotal), format.money(totals.setupFee),
                 format.money(totals.volumeDiscount), format.money(totals.quoteDiscount),
                 format.money(totals.preTaxAmount))
            .arg(format.locale().toString(effectiveTaxRate(snapshot.profile), 'f', 2))
            .arg(format.money(totals.taxAmount), format.money(totals.grandTotal));
    if (snapshot.profile.pricesIncludeTax)
        html += QStringLiteral("<br><span class='meta'>%1</span>")
                    .arg(QCoreApplication::translate("MainWindow", "以上价格已含税"));
    return html;
}

QString closingHtml(const PriceProfile &profile)
{
    QString html;
    if (!profile.paymentTerms.isEmpty())
        html +=
            QStringLiteral("<p><strong>%1</strong><br>%2</p>")
                .arg(QCoreApplication::translate("MainWindow", "付款条款"), escaped(profile.paymentTerms));
    html += QStringLiteral("<p class='meta'>%1</p>")
                .arg(QCoreApplication::translate("MainWindow",
                                                 "本报价由 Orvanta 生成，最终价格以实际生产确认为准。"));
    return html;
}

QString marksLegendHtml(const QuoteSnapshot &snapshot)
{
    const QString legend = pageCountMarksLegend(snapshot.rows);
    return legend.isEmpty() ? QString() : QStringLiteral("<p class='meta'>%1</p>").arg(escaped(legend));
}

} // namespace

QString makeQuoteNumber(const QDateTime &at)
{
    return QStringLiteral("Q%1").arg(at.toString(QStringLiteral("yyyyMMddhhmmss")));
}

QString buildQuoteHtml(const QuoteSnapshot &snapshot)
{
    const MoneyFormat format(snapshot.profile);
    const QString direction =
        format.locale().textDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
    return QString::fromUtf8(pageTemplate)
        .arg(direction, QCoreApplication::translate("MainWindow", "文档打印报价单"),
             partiesHtml(snapshot.profile), metaHtml(snapshot, format), headerHtml(),
             rowsHtml(snapshot, format), summaryHtml(snapshot, format),
             marksLegendHtml(snapshot) + closingHtml(snapshot.profile));
}
