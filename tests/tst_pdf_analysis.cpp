#include "analysis/pdf_analyzer.h"
#include "analysis/pdf_page_object_scan.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString fixture(const QString &name)
{
    return testData(QStringLiteral("pdf/") + name);
}

const QString kLandscape = QString::fromUtf8(" 横向");

// Everything written to the standard output and error streams while `work` runs.
template <typename Work> QByteArray capturedOutput(Work work)
{
    QTemporaryFile sink;
    if (!sink.open())
        return "cannot capture";
    std::fflush(nullptr);
    const int saved[] = {dup(STDOUT_FILENO), dup(STDERR_FILENO)};
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO})
        dup2(sink.handle(), stream);
    work();
    std::fflush(nullptr);
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        dup2(saved[stream - 1], stream);
        close(saved[stream - 1]);
    }
    sink.seek(0);
    return sink.readAll();
}

} // namespace

class TestPdfAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixturesQuietly();
    void estimates_data();
    void estimates();
    void pageObjectScan_data();
    void pageObjectScan();
    void unreadablePaths();

private:
    QTemporaryDir m_dir;
};

// check_pdf_against_pdfinfo holds every fixture's page count and size against poppler's; here qpdf
// must never write to the terminal, whatever the file, and a file over 16 MiB, which qpdf reads
// from the disk rather than from memory, gives the same answer.
void TestPdfAnalysis::fixturesQuietly()
{
    const QString padded = m_dir.filePath(QStringLiteral("padded.pdf"));
    QFile file(padded);
    QVERIFY(QFile::copy(fixture("a4-rotate-90.pdf"), padded) && file.open(QIODevice::Append));
    QVERIFY(file.write(QByteArray(17 * 1024 * 1024, '\n')) > 0);
    file.close();
    QStringList paths{padded};
    for (const QString &name : QDir(testData(QStringLiteral("pdf"))).entryList({QStringLiteral("*.pdf")}))
        paths << fixture(name);
    QVERIFY(paths.size() > 30);
    for (const QString &path : paths) {
        int pages = -1, counted = -2;
        QCOMPARE(capturedOutput([&] { pages = pdfAnalyze(path).pageCount, counted = pdfPageCount(path); }),
                 QByteArray());
        QVERIFY2(pages == counted, qPrintable(path));
    }
    QCOMPARE(pdfAnalyze(padded).paperSize, QStringLiteral("A4") + kLandscape);
}

// What no reader opens: its page objects counted, flagged as an estimate; mutool counts the same.
void TestPdfAnalysis::estimates_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("estimated");
    QTest::newRow("xref table and trailer missing") << "xref-table-missing.pdf" << 5 << true;
    QTest::newRow("startxref and trailer missing") << "startxref-missing.pdf" << 5 << true;
    QTest::newRow("truncated in a stream") << "truncated.pdf" << 5 << true;
    QTest::newRow("pages in object streams, xref stream missing")
        << "object-streams-xref-stream-missing.pdf" << 5 << true;
    QTest::newRow("spellings of page objects") << "page-object-variants.pdf" << 3 << true;
    QTest::newRow("user password: the page object is plain") << "encrypted-user-password.pdf" << 1 << true;
    QTest::newRow("no page object stays 0") << "catalog-without-pages.pdf" << 0 << false;
    QTest::newRow("not a PDF") << "not-a-pdf.pdf" << 0 << false;
    QTest::newRow("readable: counted, not estimated") << "five-pages.pdf" << 5 << false;
}

void TestPdfAnalysis::estimates()
{
    QFETCH(QString, file);
    QFETCH(int, pages);
    QFETCH(bool, estimated);
    const PdfFacts facts = pdfAnalyze(fixture(file));
    QCOMPARE(facts.pageCount, pages);
    QCOMPARE(facts.pageCountEstimated, estimated);
    QCOMPARE(pdfPageCount(fixture(file)), pages);
}

void TestPdfAnalysis::pageObjectScan_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pages");
    const QByteArray page = "<</Type/Page>>";
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("no spaces, CR line ends") << "1 0 obj\r" + page + "\rendobj" << 1;
    QTest::newRow("/Pages and /PageLabel")
        << QByteArray("1 0 obj<</Type/Pages>>endobj 2 0 obj<</Type /PageLabel>>endobj") << 0;
    QTest::newRow("comment between key and value") << QByteArray("1 0 obj<</Type%/Pages\n/Page>>endobj") << 1;
    QTest::newRow("escaped names") << QByteArray(
                                          "1 0 obj<</Type/Pa#67e>>endobj 2 0 obj<</Type/Page#73>>endobj")
                                   << 1;
    QTest::newRow("in a string, a stream, a nested dictionary")
        << QByteArray("1 0 obj<</T(\\)/Type/Page)/A<</Type/Page>>>>stream\n/Type/Page\nendstream endobj")
        << 0;
    QTest::newRow("outside any object") << QByteArray("trailer") + page << 0;
    QTest::newRow("redefined as no page") << "1 0 obj" + page + "endobj 1 0 obj null endobj" << 0;
    QTest::newRow("redefined as a page") << "1 0 obj null endobj 1 0 obj" + page + "endobj" << 1;
    QTest::newRow("stream without endstream") << "1 0 obj<<>>stream\n" + page + "endobj 2 0 obj" + page << 1;
    QTest::newRow("unterminated string") << "1 0 obj" + page + "endobj 2 0 obj<</T(x 3 0 obj" + page << 1;
    QTest::newRow("huge object number counts, a negative one starts none")
        << "99999999999 0 obj" + page + " -1 0 obj" + page << 1;
    QTest::newRow("object stream that does not inflate")
        << "1 0 obj<</Type/ObjStm/Filter/FlateDecode>>stream\nxyz" + page + "endstream endobj" << 0;
    const QByteArray tree =
        "1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj 2 0 obj<</Type/Pages/Kids[3 0 R]>>endobj ";
    QTest::newRow("a page outside the tree") << tree + "3 0 obj" + page + "endobj 4 0 obj" + page << 1;
    QTest::newRow("a tree that reaches no page") << tree + "4 0 obj" + page << 1;
    QTest::newRow("deep nesting") << QByteArray(1 << 20, '<') + "1 0 obj" + page << 1;
}

void TestPdfAnalysis::pageObjectScan()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pages);
    QCOMPARE(scanPdfPageObjects(bytes), pages);
    // The pieces a file arrives in change nothing.
    PdfPageObjectScanner scanner;
    for (qsizetype i = 0; i < bytes.size(); i += 7)
        scanner.feed(bytes.constData() + i, std::min<qsizetype>(7, bytes.size() - i));
    QCOMPARE(scanner.finish(), pages);
}

void TestPdfAnalysis::unreadablePaths()
{
    const QString directory = m_dir.filePath(QStringLiteral("directory.pdf"));
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.pdf")); // must not block
    QVERIFY(QDir().mkpath(directory) && mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    for (const QString &path : {m_dir.filePath(QStringLiteral("missing.pdf")), directory, fifo, QString()})
        QCOMPARE(pdfAnalyze(path).pageCount, 0);
}

// The test runner passes "-platform offscreen" to every test, which only a GUI application accepts.
QTEST_MAIN(TestPdfAnalysis)
#include "tst_pdf_analysis.moc"
