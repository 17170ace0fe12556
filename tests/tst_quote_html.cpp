#include "export/quote_html.h"
#include "export/quote_snapshot.h"
#include "support/guiless_test_main.h"

// The quotation builder's faults that reach a customer: markup or placeholders taken from user
// texts, an impossible tax rate, the wrong reading direction. File names are read back from the
// PDF by check_pdf_quote_peers.
class TestQuoteHtml : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void userTextsStayText();
};

void TestQuoteHtml::userTextsStayText()
{
    QuoteSnapshot base;
    base.profile.localeName = QStringLiteral("en_US");
    base.createdAt = QDateTime(QDate(2026, 3, 1), QTime(9, 0));
    base.rows = {QuoteRow{}};
    QuoteSnapshot parties = base;
    parties.profileName = QStringLiteral("%2 & co");
    parties.profile.sellerName = QStringLiteral("<b>Seller</b> %3");
    parties.profile.customerContact = QStringLiteral("\"x\" %8");
    parties.profile.paymentTerms = QStringLiteral("net <30> %7");
    parties.profile.paperStockDescription = QStringLiteral("80 g & up %1");
    parties.customBindingMethods.insert(QStringLiteral("custom:a"), QStringLiteral("<ring> %2"));
    parties.rows.first().binding = QStringLiteral("custom:a");
    parties.rows.first().copiesText = QStringLiteral("<u>2</u> %4"); // an edited cell, never markup
    QuoteSnapshot highTax = base, negativeTax = base, arabic = base;
    highTax.profile.taxRate = 150;
    negativeTax.profile.taxRate = -7;
    arabic.profile.localeName = QStringLiteral("ar_EG");
    QuoteSnapshot byPage = base;
    byPage.profile.pricePageByPage = true;
    byPage.rows.first().pagesText = QStringLiteral("3");
    byPage.rows.first().pageDetails.addPages(QStringLiteral("A4"), false, 2);
    byPage.rows.first().pageDetails.addPages(QStringLiteral("<b>"), true);
    QuoteSnapshot notByPage = byPage;
    notByPage.profile.pricePageByPage = false;
    const struct
    {
        const char *name;
        const QuoteSnapshot &snapshot;
        QStringList present, absent;
    } rows[] = {{"profile and binding texts escaped, placeholders kept",
                 parties,
                 {"%2 &amp; co", "&lt;b&gt;Seller&lt;/b&gt; %3", "&quot;x&quot; %8", "net &lt;30&gt; %7",
                  "80 g &amp; up %1", "&lt;ring&gt; %2", "&lt;u&gt;2&lt;/u&gt; %4"},
                 {"<b>Seller", "<ring>", "<30>", "<u>"}},
                {"tax rate above 100 shown as 100", highTax, {"100.00%"}, {"150"}},
                {"negative tax rate shown as 0", negativeTax, {"0.00%"}, {"-7"}},
                {"right-to-left locale", arabic, {"<html dir='rtl'>"}, {"dir='ltr'"}},
                {"page by page: the option and the row's breakdown, escaped",
                 byPage,
                 {"按页计价：", "<td colspan='8' class='meta' align='left'>彩色页 1 · A4 2, &lt;b&gt; 1</td>"},
                 {"<b>"}},
                {"option off: no breakdown", notByPage, {}, {"按页计价", "彩色页"}}};
    for (const auto &row : rows) {
        const QString html = buildQuoteHtml(row.snapshot);
        for (const QString &text : row.present)
            QVERIFY2(html.contains(text), qPrintable(row.name + QStringLiteral(": ") + text));
        for (const QString &text : row.absent)
            QVERIFY2(!html.contains(text), qPrintable(row.name + QStringLiteral(": ") + text));
    }
}

ORVANTA_GUILESS_TEST_MAIN(TestQuoteHtml)
#include "tst_quote_html.moc"
