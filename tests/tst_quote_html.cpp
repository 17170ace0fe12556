#include "export/file_name_breaks.h"
#include "export/quote_html.h"
#include "export/quote_snapshot.h"
#include "support/guiless_test_main.h"

// The quotation builder's faults that reach a customer: markup or placeholders taken from user
// texts, an impossible tax rate, the wrong reading direction, a file name cut inside a word. File
// names are read back from the PDF by check_pdf_quote_peers.
class TestQuoteHtml : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void userTextsStayText();
    void fileNamesWrapAtSeparators_data();
    void fileNamesWrapAtSeparators();
};

void TestQuoteHtml::fileNamesWrapAtSeparators_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maxRun");
    QTest::addColumn<QString>("shown"); // "|" for each place the name may wrap
    QTest::addColumn<bool>("shortened");
    QTest::newRow("after each separator")
        << "scan_2024_10p_r180_final_v2.pdf" << 26 << "scan_|2024_|10p_|r180_|final_|v2.|pdf" << false;
    QTest::newRow("never inside a word") << "classification.pdf" << 26 << "classification.|pdf" << false;
    QTest::newRow("spaces and hyphens")
        << "Bericht 2024 - A.pdf" << 26 << "Bericht |2024 |-| |A.|pdf" << false;
    QTest::newRow("between ideographs") << "报价单_v2.pdf" << 26 << "报|价|单|_|v2.|pdf" << false;
    QTest::newRow("markup is only text here") << "a<b>&\"c\".pdf" << 26 << "a<b>&\"c\".|pdf" << false;
    QTest::newRow("overlong run keeps both ends")
        << "supercalifragilisticexpialidocious_x.pdf" << 16 << "supercal…ocious_|x.|pdf" << true;
}

void TestQuoteHtml::fileNamesWrapAtSeparators()
{
    QFETCH(QString, name);
    QFETCH(int, maxRun);
    QFETCH(QString, shown);
    QFETCH(bool, shortened);
    const BreakableName breakable = breakableFileName(name, maxRun);
    QCOMPARE(QString(breakable.text).replace(QChar(0x200B), u'|'), shown);
    QCOMPARE(breakable.shortened, shortened);
}

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
    QuoteSnapshot longNames = base;
    longNames.rows = {QuoteRow{}, QuoteRow{}};
    longNames.rows[0].fileName =
        QStringLiteral("scan_2024_10p_r180_very_long_customer_document_name_final_v2.pdf");
    longNames.rows[1].fileName = QStringLiteral("a.pdf");
    QuoteSnapshot notByPage = byPage;
    notByPage.profile.pricePageByPage = false;
    const struct
    {
        const char *name;
        const QuoteSnapshot &snapshot;
        QStringList present, absent;
    } rows[] = {
        {"profile and binding texts escaped, placeholders kept",
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
        {"option off: no breakdown", notByPage, {}, {"按页计价", "彩色页"}},
        {"a name that may wrap is kept whole in the text, a short one once",
         longNames,
         {"customer_\u200Bdocument_", ">scan_2024_10p_r180_very_long_customer_document_name_final_v2.pdf</p>",
          "<td>a.pdf</td>"},
         {">a.pdf</p>"}},
        {"money right-aligned, the sign with the amount, the summary in rows",
         base,
         {"<td class='n' align='right'>USD 0.00</td></tr>",
          "<td class='s n'>数量折扣：</td><td class='s n' align='right'>−USD 0.00",
          "<table class='summary' align='right'>"},
         {"数量折扣：−"}}};
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
