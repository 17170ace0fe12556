#include "export/quote_workbook.h"

#include "export/page_count_marks.h"
#include "export/quote_lines.h"
#include "pricing/price_profile.h"
#include "pricing/quote_totals.h"
#include "pricing/regional_format.h"

#include <QCoreApplication>

#include <cmath>

namespace {

enum CellStyle
{
    TitleStyle = 1,
    HeaderStyle,
    TextStyle,
    CountStyle,
    MoneyStyle,
    TotalStyle
};

QString label(const char *source)
{
    return QCoreApplication::translate("MainWindow", source);
}

// Appends cells by plain concatenation, so that user texts and numbers land only in their own places.
class SheetWriter
{
public:
    explicit SheetWriter(int decimals) : decimals(decimals) {}

    void text(const QString &ref, int style, const QString &value)
    {
        xml += QLatin1String("<c r=\"") + ref + QLatin1String("\" s=\"") + QString::number(style) +
               QLatin1String("\" t=\"inlineStr\"><is><t xml:space=\"preserve\">") + value.toHtmlEscaped() +
               QLatin1String("</t></is></c>");
    }

    void number(const QString &ref, int style, double value)
    {
        xml += QLatin1String("<c r=\"") + ref + QLatin1String("\" s=\"") + QString::number(style) +
               QLatin1String("\"><v>") + numberText(value, style == CountStyle ? 0 : decimals) +
               QLatin1String("</v></c>");
    }

    void beginRow(int row, const char *attributes = "")
    {
        xml += QLatin1String("<row r=\"") + QString::number(row) + QLatin1Char('"') +
               QLatin1String(attributes) + QLatin1Char('>');
    }
    void endRow() { xml += QLatin1String("</row>"); }

    QString xml;

private:
    // A value that is not finite would make the file unreadable; a rounded zero is never "-0".
    static QString numberText(double value, int decimals)
    {
        if (!std::isfinite(value))
            value = 0;
        QString text = QString::number(value, 'f', decimals);
        if (text.startsWith(QLatin1Char('-')) &&
            text.count(QLatin1Char('0')) + text.count(QLatin1Char('.')) + 1 == text.size())
            text.remove(0, 1);
        return text;
    }

    int decimals;
};

QString cellRef(char column, int row)
{
    return QLatin1Char(column) + QString::number(row);
}

int integerOrZero(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

} // namespace

QString quoteWorksheetXml(const QuoteSnapshot &snapshot)
{
    const PriceProfile &profile = snapshot.profile;
    const QString currency = effectiveCurrencyCode(profile);
    const QuoteTotals totals = quoteTotals(snapshot);
    const QDate today = snapshot.createdAt.isValid() ? snapshot.createdAt.date() : QDate::currentDate();
    SheetWriter sheet(currencyDecimals(currency));
    // Pricing page by page adds a last column with each row's breakdown.
    const bool byPage = profile.pricePageByPage;
    const QString lastColumn = byPage ? QStringLiteral("J") : QStringLiteral("I");

    sheet.beginRow(1, " ht=\"28\" customHeight=\"1\"");
    sheet.text(QStringLiteral("A1"), TitleStyle, QCoreApplication::translate("MainWindow", "打印核价明细"));
    sheet.endRow();

    sheet.beginRow(2);
    sheet.text(QStringLiteral("A2"), TextStyle, QCoreApplication::translate("MainWindow", "价格角色"));
    sheet.text(QStringLiteral("B2"), TextStyle, snapshot.profileName);
    sheet.text(QStringLiteral("C2"), TextStyle, QCoreApplication::translate("MainWindow", "币种"));
    sheet.text(QStringLiteral("D2"), TextStyle, currency);
    sheet.text(QStringLiteral("E2"), TextStyle, QCoreApplication::translate("MainWindow", "税率"));
    sheet.number(QStringLiteral("F2"), MoneyStyle, effectiveTaxRate(profile));
    sheet.text(QStringLiteral("G2"), TextStyle, QCoreApplication::translate("MainWindow", "含税合计"));
    sheet.text(QStringLiteral("H2"), TextStyle, currency);
    sheet.number(QStringLiteral("I2"), TotalStyle, totals.grandTotal);
    sheet.endRow();

    sheet.beginRow(3);
    sheet.text(QStringLiteral("A3"), TextStyle, QCoreApplication::translate("MainWindow", "公司名称"));
    sheet.text(QStringLiteral("B3"), TextStyle, profile.sellerName);
    sheet.text(QStringLiteral("C3"), TextStyle, QCoreApplication::translate("MainWindow", "纸张/克重"));
    sheet.text(QStringLiteral("D3"), TextStyle, profile.paperStockDescription);
    sheet.text(QStringLiteral("E3"), TextStyle, QCoreApplication::translate("MainWindow", "打印方式"));
    sheet.text(QStringLiteral("F3"), TextStyle,
               snapshot.duplex ? QCoreApplication::translate("MainWindow", "双面")
                               : QCoreApplication::translate("MainWindow", "单面"));
    sheet.text(QStringLiteral("G3"), TextStyle, QCoreApplication::translate("MainWindow", "有效期至"));
    sheet.text(
        QStringLiteral("H3"), TextStyle,
        displayLocale(profile).toString(today.addDays(profile.quoteValidityDays), QLocale::ShortFormat));
    if (byPage)
        sheet.text(QStringLiteral("I3"), TextStyle, QCoreApplication::translate("MainWindow", "按页计价"));
    sheet.endRow();

    const char *headers[] = {
        QT_TRANSLATE_NOOP("MainWindow", "文件名称"), QT_TRANSLATE_NOOP("MainWindow", "颜色"),
        QT_TRANSLATE_NOOP("MainWindow", "页数"),     QT_TRANSLATE_NOOP("MainWindow", "尺寸"),
        QT_TRANSLATE_NOOP("MainWindow", "份数"),     QT_TRANSLATE_NOOP("MainWindow", "单价/页"),
        QT_TRANSLATE_NOOP("MainWindow", "装订方式"), QT_TRANSLATE_NOOP("MainWindow", "装订费"),
        QT_TRANSLATE_NOOP("MainWindow", "小计"),     QT_TRANSLATE_NOOP("MainWindow", "按页明细")};
    sheet.beginRow(4, " ht=\"22\" customHeight=\"1\"");
    for (int column = 0; column < (byPage ? 10 : 9); ++column)
        sheet.text(cellRef(char('A' + column), 4), HeaderStyle, label(headers[column]));
    sheet.endRow();

    int row = 5;
    for (const QuoteRow &line : snapshot.rows) {
        sheet.beginRow(row);
        sheet.text(cellRef('A', row), TextStyle,
                   line.pageCountMark.isEmpty() ? line.fileName
                                                : line.fileName + QStringLiteral("  ") + line.pageCountMark);
        sheet.text(cellRef('B', row), TextStyle, colorModeLabel(line.colorMode));
        sheet.number(cellRef('C', row), CountStyle, integerOrZero(line.pagesText));
        sheet.text(cellRef('D', row), TextStyle, line.paperSize);
        sheet.number(cellRef('E', row), CountStyle, integerOrZero(line.copiesText));
        sheet.number(cellRef('F', row), MoneyStyle, parseAmount(profile, line.unitPriceText));
        sheet.text(cellRef('G', row), TextStyle, bindingLabel(line.binding, snapshot.customBindingMethods));
        sheet.number(cellRef('H', row), MoneyStyle, bindingFeeFor(profile, line.binding));
        sheet.number(cellRef('I', row), MoneyStyle, line.lineAmount);
        if (byPage)
            sheet.text(cellRef('J', row), TextStyle, pageBreakdownText(line, profile));
        sheet.endRow();
        ++row;
    }
    const int lastDataRow = row - 1;

    const std::pair<const char *, double> summary[] = {
        {QT_TRANSLATE_NOOP("MainWindow", "商品金额"), totals.itemsSubtotal},
        {QT_TRANSLATE_NOOP("MainWindow", "起步费"), totals.setupFee},
        {QT_TRANSLATE_NOOP("MainWindow", "数量折扣"), -totals.volumeDiscount},
        {QT_TRANSLATE_NOOP("MainWindow", "整单折扣"), -totals.quoteDiscount},
        {QT_TRANSLATE_NOOP("MainWindow", "税前金额"), totals.preTaxAmount},
        {QT_TRANSLATE_NOOP("MainWindow", "税额"), totals.taxAmount},
        {QT_TRANSLATE_NOOP("MainWindow", "含税合计"), totals.grandTotal}};
    row = lastDataRow + 2; // one blank row
    for (const auto &[text, value] : summary) {
        sheet.beginRow(row);
        sheet.text(cellRef('H', row), TextStyle, label(text));
        sheet.number(cellRef('I', row), TotalStyle, value);
        sheet.endRow();
        ++row;
    }
    if (const QString legend = pageCountMarksLegend(snapshot.rows); !legend.isEmpty()) {
        sheet.beginRow(row);
        sheet.text(cellRef('A', row), TextStyle, legend);
        sheet.endRow();
    }

    return QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                         "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                         "<sheetViews><sheetView workbookViewId=\"0\" showGridLines=\"0\">"
                         "<pane ySplit=\"4\" topLeftCell=\"A5\" activePane=\"bottomLeft\" state=\"frozen\"/>"
                         "</sheetView></sheetViews><cols>"
                         "<col min=\"1\" max=\"1\" width=\"46\" customWidth=\"1\"/>"
                         "<col min=\"2\" max=\"2\" width=\"10\" customWidth=\"1\"/>"
                         "<col min=\"3\" max=\"4\" width=\"16\" customWidth=\"1\"/>"
                         "<col min=\"5\" max=\"9\" width=\"12\" customWidth=\"1\"/>") +
           (byPage ? QLatin1String("<col min=\"10\" max=\"10\" width=\"36\" customWidth=\"1\"/>")
                   : QLatin1String()) +
           QLatin1String("</cols><sheetData>") + sheet.xml +
           QLatin1String("</sheetData><autoFilter ref=\"A4:") + lastColumn + QString::number(lastDataRow) +
           QLatin1String("\"/><mergeCells count=\"1\"><mergeCell ref=\"A1:") + lastColumn +
           QLatin1String("1\"/></mergeCells></worksheet>");
}
