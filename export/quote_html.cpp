#include "export/quote_html.h"

#include "export/file_name_breaks.h"
#include "export/page_count_marks.h"
#include "export/quote_lines.h"
#include "export/quote_snapshot.h"
#include "pricing/line_pricing.h"
#include "pricing/quote_totals.h"
#include "pricing/regional_format.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// Numbers and money keep to one line and to the right of their cells; the file name takes the room
// it needs and wraps only where the name allows it. A small letter spacing keeps the font from
// drawing "fi" as one ligature glyph, which would hide "classification.pdf" from a search of the
// PDF's text.
const char pageTemplate[] =
    "<html dir='%1'><head><meta charset='utf-8'><style>body{font-family:'Segoe UI','Noto "
    "Sans',Arial,sans-serif;color:#273248;letter-spacing:0.1px}h1{color:#1f3f9e;margin-bottom:8px}"
    ".seller{font-size:16px;margin-top:4px}.customer{margin-top:10px;padding:8px;background:#f6f8fc;"
    "border:1px solid #e2e7f0}table{border-collapse:collapse;margin-top:20px}table.items{font-size:11px}"
    "th{background:#eef2ff;}th,td{border:1px solid #dce2ee;padding:4px 5px}td.n{white-space:nowrap}"
    ".meta{line-height:1.6;color:#68738a}table.summary{font-size:14px;margin-top:0}td.s{border-style:"
    "none;padding:1px 0 1px 24px}.brand{font-size:10px;color:#8a94a6;margin-top:24px}</style></head>"
    "<body><h1>%2</h1>%3<div class='meta'>%4</div><table class='items' width='100%'>%5%6</table><table "
    "width='100%'><tr><td class='s'><table class='summary' align='right'>%7</table></td></tr></table>%8"
    "<div class='brand'>Orvanta</div></body></html>";

// The table's width in text units at its font size on an A4 page (the narrower of the two papers)
// and what a cell's padding and border take. A run of a file name up to the longest length is shown
// whole; the shortest is what a cell still gets when the other columns take every width they need.
constexpr int tableUnits = 92;
constexpr int cellPaddingUnits = 2;
constexpr int shortestRunUnits = 16;
constexpr int longestRunUnits = 26;

enum Column
{
    Name,
    Color,
    Pages,
    Size,
    Copies,
    UnitPrice,
    Binding,
    Amount,
    ColumnCount
};

bool isNumberColumn(int column)
{
    return column == Pages || column == Copies || column == UnitPrice || column == Amount;
}

QStringList headerLabels()
{
    return {QCoreApplication::translate("MainWindow", "文件名称"),
            QCoreApplication::translate("MainWindow", "颜色"),
            QCoreApplication::translate("MainWindow", "页数"),
            QCoreApplication::translate("MainWindow", "尺寸"),
            QCoreApplication::translate("MainWindow", "份数"),
            QCoreApplication::translate("MainWindow", "单价/页"),
            QCoreApplication::translate("MainWindow", "装订方式"),
            QCoreApplication::translate("MainWindow", "小计")};
}

QString cellHtml(int column, const QString &text)
{
    // Pages and copies are numbers in every row the window makes; escaping keeps an edited cell from
    // becoming markup all the same. Money texts are inserted as they are.
    if (column == UnitPrice || column == Amount)
        return QStringLiteral("<td class='n' align='right'>%1</td>").arg(text);
    if (isNumberColumn(column))
        return QStringLiteral("<td class='n' align='right'>%1</td>").arg(escaped(text));
    return QStringLiteral("<td>%1</td>").arg(escaped(text));
}

// A name that may wrap or is shortened is written once more whole, in a white line a pixel high,
// so that the PDF's text holds it exactly as the window shows it.
QString nameCellHtml(const QString &name, int runUnits, int oneLineUnits)
{
    if (textUnits(name) <= oneLineUnits)
        return QStringLiteral("<td>%1</td>").arg(escaped(name));
    const BreakableName shown = breakableFileName(name, runUnits);
    return QStringLiteral(
               "<td>%1<p style='white-space:nowrap;font-size:1px;color:#ffffff;margin:0'>%2</p></td>")
        .arg(escaped(shown.text), escaped(name));
}

// What the name column has left when every other column takes its widest cell, either wrapped at
// its spaces or (`wrapped` false) on one line. Money and numbers never wrap.
int nameColumnUnits(const QList<QStringList> &cells, const QStringList &header, bool wrapped)
{
    int others = 0;
    for (int column = Color; column < ColumnCount; ++column) {
        const auto width = [&](const QString &text) {
            return wrapped && !isNumberColumn(column) ? longestWordUnits(text) : textUnits(text);
        };
        int widest = width(header.at(column)) * 11 / 10; // headers are bold
        for (const QStringList &row : cells)
            widest = qMax(widest, width(row.at(column)));
        others += widest + cellPaddingUnits;
    }
    return tableUnits - others - cellPaddingUnits;
}

// Marks a page count estimated from a damaged file, explained once below the table. "*" already
// marks a count taken from a Word file's rendering.
QString estimateMark()
{
    return QStringLiteral("≈");
}

QString estimateLegendHtml(const QuoteSnapshot &snapshot)
{
    for (const QuoteRow &row : snapshot.rows) {
        if (row.pagesEstimated)
            return QStringLiteral("<p class='meta'>%1 %2</p>")
                .arg(estimateMark(), escaped(QCoreApplication::translate(
                                        "MainWindow", "页数为估计值：文件已损坏，按其中的页面对象计数")));
    }
    return {};
}

QString rowsHtml(const QuoteSnapshot &snapshot, const MoneyFormat &format)
{
    const QString bindingTemplate = QCoreApplication::translate("MainWindow", "%1（%2/份）");
    QList<QStringList> cells;
    cells.reserve(snapshot.rows.size());
    for (const QuoteRow &row : snapshot.rows) {
        const QString binding =
            bindingTemplate.arg(bindingLabel(row.binding, snapshot.customBindingMethods),
                                format.money(bindingFeeFor(snapshot.profile, row.binding)));
        const QString pages = (row.pagesEstimated ? estimateMark() : QString()) + row.pagesText +
                              (row.pageCountMark.isEmpty() ? QString() : QLatin1Char(' ') + row.pageCountMark);
        cells.append({row.fileName, colorModeLabel(row.colorMode), pages, row.paperSize,
                      row.copiesText, format.money(format.parse(row.unitPriceText)), binding,
                      format.money(row.lineAmount)});
    }
    const QStringList header = headerLabels();
    const int runUnits = qBound(shortestRunUnits, nameColumnUnits(cells, header, true), longestRunUnits);
    const int oneLineUnits = nameColumnUnits(cells, header, false);
    QString rows;
    rows.reserve(snapshot.rows.size() * 400);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        rows += QStringLiteral("<tr>") + nameCellHtml(cells.at(i).at(Name), runUnits, oneLineUnits);
        for (int column = Color; column < ColumnCount; ++column)
            rows += cellHtml(column, cells.at(i).at(column));
        rows += QStringLiteral("</tr>");
        // A row priced page by page says what its pages are on a line of its own, across the table,
        // so the narrow file-name column keeps its width.
        const QString breakdown = pageBreakdownText(snapshot.rows.at(i), snapshot.profile);
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
            .arg(quoteNumberOf(snapshot), escaped(snapshot.profileName),
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
    const QStringList labels = headerLabels();
    QString html = QStringLiteral("<tr>");
    for (int column = Name; column < ColumnCount; ++column)
        html += QStringLiteral("<th align='%1'>%2</th>")
                    .arg(isNumberColumn(column) ? QStringLiteral("right") : QStringLiteral("left"),
                         labels.at(column));
    return html + QStringLiteral("</tr>");
}

// The summary's lines as rows of label and amount, the amount (with its sign) in a right-aligned
// cell, filled in afterwards like the text they come from. The summary's table is right-aligned in
// a full-width one: a right-aligned table of its own Qt draws past the page's right margin.
QString summaryRows(const QString &lines)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    const QString strongOpen = QStringLiteral("<strong>"), strongClose = QStringLiteral("</strong>");
    QString rows;
    for (QString line : lines.split(QStringLiteral("<br>"))) {
        const bool strong = line.startsWith(strongOpen) && line.endsWith(strongClose);
        if (strong)
            line = line.mid(strongOpen.size(), line.size() - strongOpen.size() - strongClose.size());
        const QString open = strong ? strongOpen : QString();
        const QString close = strong ? strongClose : QString();
        qsizetype amount = line.lastIndexOf(placeholder);
        while (amount > 0 && !line.at(amount - 1).isSpace() && line.at(amount - 1) != QChar(0xFF1A))
            --amount;
        if (amount < 0)
            rows += QStringLiteral("<tr><td class='s n' colspan='2' align='right'>%1%2%3</td></tr>")
                        .arg(open, line, close);
        else
            rows += QStringLiteral(
                        "<tr><td class='s n'>%1%2%3</td><td class='s n' align='right'>%1%4%3</td></tr>")
                        .arg(open, line.left(amount), close, line.mid(amount));
    }
    return rows;
}

QString summaryHtml(const QuoteSnapshot &snapshot, const MoneyFormat &format)
{
    const QuoteTotals totals = quoteTotals(snapshot);
    QString html =
        summaryRows(QCoreApplication::translate(
                        "MainWindow",
                        "商品金额：%1<br>起步费：%2<br>数量折扣：−%3<br>整单折扣：−%4<br>税前金额：%5<br>"
                        "税额（%6%）：%7<br><strong>合计：%8</strong>"))
            .arg(format.money(totals.itemsSubtotal), format.money(totals.setupFee),
                 format.money(totals.volumeDiscount), format.money(totals.quoteDiscount),
                 format.money(totals.preTaxAmount))
            .arg(format.locale().toString(effectiveTaxRate(snapshot.profile), 'f', 2))
            .arg(format.money(totals.taxAmount), format.money(totals.grandTotal));
    if (snapshot.profile.pricesIncludeTax)
        html += QStringLiteral("<tr><td class='s meta' colspan='2' align='right'>%1</td></tr>")
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
             estimateLegendHtml(snapshot) + marksLegendHtml(snapshot) + closingHtml(snapshot.profile));
}
