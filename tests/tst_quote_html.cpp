#include "export/quote_html.h"
#include "export/quote_snapshot.h"
#include "support/guiless_test_main.h"

Q_DECLARE_METATYPE(QuoteSnapshot)

// The quotation builder's faults that reach a customer: markup or placeholders taken from user
// texts, an impossible tax rate, the wrong reading direction, a 12-hour quote number.
class TestQuoteHtml : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void userTextsStayText_data();
    void userTextsStayText();
    void quoteNumberUsesTheTwentyFourHourClock();
};

void TestQuoteHtml::userTextsStayText_data()
{
    QTest::addColumn<QuoteSnapshot>("snapshot");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    QuoteSnapshot base;
    base.profile.localeName = QStringLiteral("en_US");
    base.createdAt = QDateTime(QDate(2026, 3, 1), QTime(9, 0));
    QuoteRow row;
    row.fileName = QStringLiteral("a<b>&\"c\" %1.pdf");
    row.paperSize = QStringLiteral("<i>A4</i>");
    row.copiesText = QStringLiteral("<u>2</u>");
    base.rows = {row};
    QTest::newRow("file name, size and copies escaped, %1 kept")
        << base
        << QStringList{QStringLiteral("a&lt;b&gt;&amp;&quot;c&quot; %1.pdf"), QStringLiteral("&lt;i&gt;A4"),
                       QStringLiteral("&lt;u&gt;2")}
        << QStringList{QStringLiteral("<b>"), QStringLiteral("<i>"), QStringLiteral("<u>")};

    QuoteSnapshot parties = base;
    parties.profileName = QStringLiteral("%2 & co");
    parties.profile.sellerName = QStringLiteral("<b>Seller</b> %3");
    parties.profile.customerContact = QStringLiteral("\"x\" %8");
    parties.profile.paymentTerms = QStringLiteral("net <30> %7");
    parties.profile.paperStockDescription = QStringLiteral("80 g & up %1");
    parties.customBindingMethods.insert(QStringLiteral("custom:a"), QStringLiteral("<ring> %2"));
    parties.rows.first().binding = QStringLiteral("custom:a");
    QTest::newRow("profile and binding texts escaped, placeholders kept")
        << parties
        << QStringList{QStringLiteral("%2 &amp; co"),      QStringLiteral("&lt;b&gt;Seller&lt;/b&gt; %3"),
                       QStringLiteral("&quot;x&quot; %8"), QStringLiteral("net &lt;30&gt; %7"),
                       QStringLiteral("80 g &amp; up %1"), QStringLiteral("&lt;ring&gt; %2")}
        << QStringList{QStringLiteral("<b>Seller"), QStringLiteral("<ring>"), QStringLiteral("<30>")};

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
    QTest::newRow("left-to-right locale") << base << QStringList{QStringLiteral("<html dir='ltr'>")}
                                          << QStringList{QStringLiteral("dir='rtl'")};
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

void TestQuoteHtml::quoteNumberUsesTheTwentyFourHourClock()
{
    QCOMPARE(makeQuoteNumber(QDateTime(QDate(2026, 12, 6), QTime(21, 5, 9))),
             QStringLiteral("Q20261206210509"));
}

ORVANTA_GUILESS_TEST_MAIN(TestQuoteHtml)
#include "tst_quote_html.moc"
