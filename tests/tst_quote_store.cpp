#include "export/quote_html.h"
#include "export/quote_workbook.h"
#include "storage/price_database.h"
#include "storage/quote_record_json.h"
#include "storage/quote_store.h"
#include "support/guiless_test_main.h"
#include "support/sqlite_test_connection.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Two rows, one priced page by page, with a typed unit price, a custom binding and every rule set.
QuoteSnapshot sampleQuote(const QDateTime &at)
{
    QuoteSnapshot quote;
    quote.createdAt = at;
    quote.profileName = QStringLiteral("Laden \"1\"");
    quote.duplex = true;
    quote.profile.localeName = QStringLiteral("de_DE");
    quote.profile.taxRate = 19;
    quote.profile.setupFee = 2.5;
    quote.profile.pricePageByPage = true;
    quote.profile.customerName = QStringLiteral("Kunde & Co");
    quote.profile.bindingPrices.insert(QStringLiteral("custom:ring"), 0.7);
    quote.customBindingMethods.insert(QStringLiteral("custom:ring"), QStringLiteral("Ring <A>"));
    QuoteRow first;
    first.filePath = QStringLiteral("/docs/a&b.pdf");
    first.fileName = QStringLiteral("a&b.pdf");
    first.pagesText = QStringLiteral("3");
    first.copiesText = QStringLiteral("2");
    first.unitPriceText = QStringLiteral("0,13");
    first.binding = QStringLiteral("custom:ring");
    first.colorMode = QStringLiteral("laserColor");
    first.pageDetails.addPages(QStringLiteral("A4"), true, 2);
    first.pageDetails.addPages(QStringLiteral("A3"), false);
    first.lineAmount = 1.37;
    QuoteRow second = first;
    second.fileName = QStringLiteral("scan_2024.pdf");
    second.unitPriceTyped = true;
    second.pagesEstimated = true;
    second.pageCountMark = QStringLiteral("* ≠ 1");
    second.lineAmount = 0.1 + 0.2; // not a round binary number
    quote.rows = {first, second};
    issueQuote(quote, QStringLiteral("Q1"), QStringLiteral("de_DE"));
    return quote;
}

int rowCount(QSqlDatabase &database)
{
    return int(listQuotes(database, {}).entries.size());
}

} // namespace

// The quote history's faults: a number issued twice, a failed write that takes the document with
// it or half a row, an old or hand-written row that breaks the list, a re-issue that differs.
class TestQuoteStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reissueRendersTheSameDocuments();
    void numbersStayUniqueWithinOneSecond();
    void failedInsertKeepsDocumentAndTable();
    void oddRowsAreListedAndKeptAsTheyAre();
};

void TestQuoteStore::reissueRendersTheSameDocuments()
{
    const QuoteSnapshot issued = sampleQuote(QDateTime(QDate(2026, 3, 1), QTime(9, 30, 5)));
    std::optional<QuoteSnapshot> again = readQuoteRecordJson(quoteRecordJson(issued));
    QVERIFY(again);
    QCOMPARE(quoteRecordJson(*again), quoteRecordJson(issued));
    QCOMPARE(buildQuoteHtml(*again), buildQuoteHtml(issued));
    QCOMPARE(quoteWorksheetXml(*again), quoteWorksheetXml(issued));
    // The stored totals are the issued ones, not summed again under a changed rule.
    again->profile.setupFee = 99;
    QCOMPARE(quoteTotals(*again).grandTotal, quoteTotals(issued).grandTotal);
}

void TestQuoteStore::numbersStayUniqueWithinOneSecond()
{
    QTemporaryDir dir;
    SqliteTestConnection connection;
    QVERIFY(openPriceDatabase(connection.database(), dir.filePath(QStringLiteral("q.db"))).ok());
    const QDateTime second(QDate(2026, 3, 1), QTime(9, 30, 5));
    QStringList numbers;
    for (int i = 0; i < 3; ++i) {
        QuoteSnapshot quote = sampleQuote(second);
        quote.quoteNumber = nextQuoteNumber(connection.database(), second);
        QCOMPARE(saveQuote(connection.database(), quote), QString());
        numbers.prepend(quote.quoteNumber);
    }
    QCOMPARE(numbers, QStringList({"Q20260301093005-3", "Q20260301093005-2", "Q20260301093005"}));
    QStringList listed;
    for (const QuoteListEntry &entry : listQuotes(connection.database(), {}).entries)
        listed.append(entry.number);
    QCOMPARE(listed, numbers); // newest first
    QuoteFilter byFile;
    byFile.text = QStringLiteral("SCAN_2024");
    QCOMPARE(listQuotes(connection.database(), byFile).entries.size(), 3);
    byFile.text = QStringLiteral("scan%2024"); // a wildcard typed is a character searched for
    QCOMPARE(listQuotes(connection.database(), byFile).entries.size(), 0);
}

void TestQuoteStore::failedInsertKeepsDocumentAndTable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.db"));
    SqliteTestConnection connection;
    QVERIFY(openPriceDatabase(connection.database(), path).ok());
    QuoteSnapshot quote = sampleQuote(QDateTime::currentDateTime());
    QCOMPARE(saveQuote(connection.database(), quote), QString());
    QVERIFY(
        runSql(path, {"CREATE TRIGGER full BEFORE INSERT ON quotes BEGIN SELECT RAISE(ABORT,'disk full'); "
                      "END"}));
    const QString workbook = dir.filePath(QStringLiteral("quote.xlsx"));
    quote.quoteNumber = nextQuoteNumber(connection.database(), quote.createdAt);
    QCOMPARE(writeQuoteWorkbook(quote, workbook).status, WorkbookStatus::Written);
    QVERIFY(saveQuote(connection.database(), quote).contains(QLatin1String("disk full")));
    QVERIFY(QFile(workbook).size() > 0);
    QCOMPARE(rowCount(connection.database()), 1);
    // The connection is usable again: the failed transaction was rolled back.
    QVERIFY(runSql(path, {"DROP TRIGGER full"}));
    QCOMPARE(saveQuote(connection.database(), quote), QString());
    QCOMPARE(rowCount(connection.database()), 2);
}

void TestQuoteStore::oddRowsAreListedAndKeptAsTheyAre()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.db"));
    QVERIFY(runSql(
        path, {"CREATE TABLE quotes (id INTEGER PRIMARY KEY AUTOINCREMENT, quote_no TEXT UNIQUE, customer "
               "TEXT, created_at TEXT, file_count INTEGER, total_pages INTEGER, total_amount REAL, "
               "detail_json TEXT)",
               "INSERT INTO quotes VALUES(1,'A-1','Old','yesterday','many',NULL,'12,5','not json')",
               "INSERT INTO quotes VALUES(2,'A-2',NULL,NULL,NULL,NULL,NULL,NULL)",
               "INSERT INTO quotes VALUES(3,'A-3','Hand','2025-01-02','2','7',3.5,"
               "'{\"rows\":[\"x.pdf\",{\"fileName\":7},{\"fileName\":\"x.pdf\"}],\"total\":1}')",
               "INSERT INTO quotes VALUES(4,NULL,'x.pdf','2025-01-03',1,1,1,'[1,2]')"}));
    const QStringList before = dumpTables(path, {QStringLiteral("quotes")});
    SqliteTestConnection connection;
    QVERIFY(openPriceDatabase(connection.database(), path).ok());
    const QList<QuoteListEntry> all = listQuotes(connection.database(), {}).entries;
    QCOMPARE(all.size(), 4);
    QCOMPARE(all.last().id, 2); // no date: last
    QCOMPARE(all.at(2).totalPages, 7);
    QuoteFilter byFile;
    byFile.text = QStringLiteral("x.pdf");
    const QuoteListing found = listQuotes(connection.database(), byFile);
    QCOMPARE(found.error, QString());
    QCOMPARE(found.entries.size(), 2); // the hand-written file name and the customer
    byFile.from = QDate(2025, 1, 3);
    QCOMPARE(listQuotes(connection.database(), byFile).entries.size(), 1);
    for (const char *number : {"A-1", "A-2", "A-3"}) {
        const StoredQuote stored = loadQuote(connection.database(), QLatin1String(number));
        QVERIFY(stored.found && !stored.record);
    }
    QCOMPARE(dumpTables(path, {QStringLiteral("quotes")}), before);
}

int main(int argc, char **argv)
{
    return runGuilessTest<TestQuoteStore>(argc, argv, "C.UTF-8");
}
#include "tst_quote_store.moc"
