#include "export/quote_html.h"
#include "export/quote_snapshot.h"
#include "support/guiless_test_main.h"

Q_DECLARE_METATYPE(QuoteSnapshot)

// The quotation builder's faults that reach a customer: markup or placeholders taken from user
// texts, an impossible tax rate, the wrong reading direction. File names are read back from the
// PDF by check_pdf_quote_peers.
class TestQuoteHtml : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void userTextsStayText_data();
    void userTextsStayText();
};

void TestQuoteHtml::userTextsStayText_data()
{
    QTest::addColumn<QuoteSnapshot>("snapshot");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

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
    QTest::newRow("profile and binding texts escaped, placeholders kept")
        << parties
        << QStringList{QStringLiteral("%2 &amp; co"),
                       QStringLiteral("&lt;b&gt;Seller&lt;/b&gt; %3"),
                       QStringLiteral("&quot;x&quot; %8"),
                       QStringLiteral("net &lt;30&gt; %7"),
                       QStringLiteral("80 g &amp; up %1"),
                       QStringLiteral("&lt;ring&gt; %2"),
                       QStringLiteral("&lt;u&gt;2&lt;/u&gt; %4")}
        << QStringList{QStringLiteral("<b>Seller"), QStringLiteral("<ring>"), QStringLiteral("<30>"),
                       QStringLiteral("<u>")};

    QuoteSnapshot highTax = base;
    highTax.profile.taxRate = 150;
    QTest::newRow("tax rate above 100 shown as 100")
        << highTax << QStringList{QStringLiteral("100.00%")} << QStringList{QStringLiteral("150")};
    QuoteSnapshot negativeTax = base;
    negativeTax.profile.taxRate = -7;
    QTest::newRow("negative tax rate shown as 0")
        << negativeTax << QStringList{QStringLiteral("0.00%")} << QStringList{QStringLiteral("-7")};

    QuoteSnapshot arabic = base;
    arabic.profile.localeName = QStringLiteral("ar_EG");
    QTest::newRow("right-to-left locale") << arabic << QStringList{QStringLiteral("<html dir='rtl'>")}
                                          << QStringList{QStringLiteral("dir='ltr'")};
}

void TestQuoteHtml::userTextsStayText()
{
    QFETCH(QuoteSnapshot, snapshot);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString html = buildQuoteHtml(snapshot);
    for (const QString &text : present)
        QVERIFY2(html.contains(text), qPrintable(text));
    for (const QString &text : absent)
        QVERIFY2(!html.contains(text), qPrintable(text));
}

ORVANTA_GUILESS_TEST_MAIN(TestQuoteHtml)
#include "tst_quote_html.moc"
