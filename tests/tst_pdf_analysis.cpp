#include "analysis/pdf_analyzer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <QtTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/") + name;
}

const QString kLandscape = QString::fromUtf8(" 横向");

// Everything written to the standard output and error streams while `work` runs.
template <typename Work> QByteArray capturedOutput(Work work)
{
    QTemporaryFile sink;
    if (!sink.open())
        return "cannot capture";
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(STDOUT_FILENO);
    const int savedErr = dup(STDERR_FILENO);
    dup2(sink.handle(), STDOUT_FILENO);
    dup2(sink.handle(), STDERR_FILENO);
    work();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, STDOUT_FILENO);
    dup2(savedErr, STDERR_FILENO);
    close(savedOut);
    close(savedErr);
    sink.seek(0);
    return sink.readAll();
}

// A rotated A4 page followed by an unused stream of `padding` bytes, with a correct
// cross-reference table.
QByteArray paddedPdf(int padding)
{
    const QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595.28 841.89] /Rotate 90 >>",
        "<< /Length " + QByteArray::number(padding) + " >>\nstream\n" + QByteArray(padding, ' ') +
            "\nendstream",
    };
    QByteArray pdf("%PDF-1.4\n");
    QByteArray xref = "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int i = 0; i < objects.size(); ++i) {
        xref += QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n \n";
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const QByteArray start = QByteArray::number(pdf.size());
    pdf += xref + "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\n";
    return pdf + "startxref\n" + start + "\n%%EOF\n";
}

} // namespace

class TestPdfAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixtures_data();
    void fixtures();
    void nothingIsPrinted_data();
    void nothingIsPrinted();
    void unreadablePaths_data();
    void unreadablePaths();
    void largeFileIsReadFromDisk();
    void concurrentCallsAgree();

private:
    QTemporaryDir m_dir;
};

void TestPdfAnalysis::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("size");

    const QString a4Landscape = QStringLiteral("A4") + kLandscape;
    QTest::newRow("A4 portrait") << "a4-portrait.pdf" << 1 << "A4";
    QTest::newRow("landscape by its box") << "a4-landscape-mediabox.pdf" << 1 << a4Landscape;
    QTest::newRow("reversed corners") << "letter-reversed-mediabox.pdf" << 1 << "Letter";
    QTest::newRow("items past the fourth ignored") << "letter-mediabox-extra-items.pdf" << 1 << "Letter";
    QTest::newRow("box inherited from root") << "mediabox-inherited-from-root.pdf" << 1 << "A4";
    QTest::newRow("rotation inherited from root") << "rotate-inherited-from-root.pdf" << 1 << a4Landscape;
    QTest::newRow("rotate 90") << "a4-rotate-90.pdf" << 1 << a4Landscape;
    QTest::newRow("rotate -90") << "a4-rotate-minus-90.pdf" << 1 << a4Landscape;
    QTest::newRow("rotate 180") << "a4-rotate-180.pdf" << 1 << "A4";
    QTest::newRow("rotate 270") << "a4-rotate-270.pdf" << 1 << a4Landscape;
    QTest::newRow("rotate 450") << "a4-rotate-450.pdf" << 1 << a4Landscape;
    QTest::newRow("rotated by qpdf") << "a4-qpdf-rotated-plus-90.pdf" << 1 << a4Landscape;
    QTest::newRow("rotation beyond int range") << "a4-rotate-beyond-int-range.pdf" << 1 << a4Landscape;
    QTest::newRow("rotation not a number") << "a4-rotate-not-a-number.pdf" << 1 << "A4";
    QTest::newRow("first page decides") << "a4-then-a3.pdf" << 2 << "A4";
    QTest::newRow("object streams") << "five-pages-object-streams.pdf" << 5 << "A4";
    QTest::newRow("non-numeric box item") << "mediabox-non-numeric-item.pdf" << 1 << "";
    QTest::newRow("box of three items") << "mediabox-three-items.pdf" << 1 << "";
    QTest::newRow("box not an array") << "mediabox-not-an-array.pdf" << 1 << "";
    QTest::newRow("box missing") << "mediabox-missing.pdf" << 1 << "";
    QTest::newRow("box of zero area") << "mediabox-zero-area.pdf" << 1 << "";
    QTest::newRow("unnamed size") << "unnamed-size-200-inches-square.pdf" << 1
                                  << QString::fromUtf8("5080×5080 mm");
    QTest::newRow("cyclic parents, own box") << "parent-cycle-own-mediabox.pdf" << 1 << "A4";
    QTest::newRow("cyclic parents, no box") << "parent-cycle-no-mediabox.pdf" << 1 << "";
    QTest::newRow("box 63 levels up") << "mediabox-63-levels-up.pdf" << 1 << "A4";
    QTest::newRow("box 64 levels up") << "mediabox-64-levels-up.pdf" << 1 << "";
    QTest::newRow("warnings only: no xref") << "warnings-only-no-xref.pdf" << 1 << "A4";
    QTest::newRow("warnings only: wrong startxref") << "warnings-only-wrong-startxref.pdf" << 5 << "A4";
    QTest::newRow("user password") << "encrypted-user-password.pdf" << 0 << "";
    QTest::newRow("owner password only") << "encrypted-owner-password-only.pdf" << 2 << "A4";
    QTest::newRow("kids loop") << "kids-loop.pdf" << 0 << "";
    QTest::newRow("kids not dictionaries") << "kids-not-dictionaries.pdf" << 3 << "A4";
    QTest::newRow("pages not a dictionary") << "pages-not-a-dictionary.pdf" << 0 << "";
    QTest::newRow("catalog without pages") << "catalog-without-pages.pdf" << 0 << "";
    QTest::newRow("truncated") << "truncated.pdf" << 0 << "";
    QTest::newRow("header only") << "header-only.pdf" << 0 << "";
    QTest::newRow("not a PDF") << "not-a-pdf.pdf" << 0 << "";
    QTest::newRow("empty file") << "empty.pdf" << 0 << "";
}

void TestPdfAnalysis::fixtures()
{
    QFETCH(QString, file);
    QFETCH(int, pages);
    QFETCH(QString, size);

    const QString path = fixture(file);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QCOMPARE(pdfPageCount(path), pages);
    QCOMPARE(pdfPaperSize(path), size);
    const PdfFacts facts = pdfAnalyze(path);
    QCOMPARE(facts.pageCount, pages);
    QCOMPARE(facts.paperSize, size);
}

void TestPdfAnalysis::nothingIsPrinted_data()
{
    QTest::addColumn<QString>("file");
    const QStringList names = QDir(fixture(QString())).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestPdfAnalysis::nothingIsPrinted()
{
    QFETCH(QString, file);
    const QString path = fixture(file);
    const QByteArray output = capturedOutput([&path] {
        pdfAnalyze(path);
        pdfPageCount(path);
        pdfPaperSize(path);
    });
    QCOMPARE(output, QByteArray());
}

void TestPdfAnalysis::unreadablePaths_data()
{
    QTest::addColumn<QString>("path");
    const QString directory = m_dir.filePath(QStringLiteral("directory.pdf"));
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.pdf"));
    QVERIFY(QDir().mkpath(directory));
    QVERIFY(QFileInfo(fifo).exists() || mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("missing.pdf"));
    QTest::newRow("directory named .pdf") << directory;
    QTest::newRow("FIFO named .pdf, must not block") << fifo;
    QTest::newRow("empty path") << QString();
}

void TestPdfAnalysis::unreadablePaths()
{
    QFETCH(QString, path);
    const PdfFacts facts = pdfAnalyze(path);
    QCOMPARE(facts.pageCount, 0);
    QCOMPARE(facts.paperSize, QString());
    QCOMPARE(pdfPageCount(path), 0);
}

// Files over 16 MiB are read by qpdf from the file rather than from memory.
void TestPdfAnalysis::largeFileIsReadFromDisk()
{
    const int padding = 17 * 1024 * 1024;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("padded.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(paddedPdf(padding)) > padding);
    file.close();

    const QByteArray output = capturedOutput([&path] {
        const PdfFacts facts = pdfAnalyze(path);
        QCOMPARE(facts.pageCount, 1);
        QCOMPARE(facts.paperSize, QStringLiteral("A4") + kLandscape);
    });
    QCOMPARE(output, QByteArray());
}

void TestPdfAnalysis::concurrentCallsAgree()
{
    const QStringList names{
        "a4-portrait.pdf", "a4-then-a3.pdf",  "encrypted-user-password.pdf", "five-pages-object-streams.pdf",
        "kids-loop.pdf",   "a4-rotate-90.pdf"};
    QStringList paths;
    for (int round = 0; round < 40; ++round)
        for (const QString &name : names)
            paths << fixture(name);

    QThreadPool pool;
    pool.setMaxThreadCount(8);
    const QList<PdfFacts> results = QtConcurrent::blockingMapped(&pool, paths, &pdfAnalyze);
    for (int i = 0; i < paths.size(); ++i) {
        const PdfFacts alone = pdfAnalyze(paths.at(i));
        QCOMPARE(results.at(i).pageCount, alone.pageCount);
        QCOMPARE(results.at(i).paperSize, alone.paperSize);
    }
}

// The test runner passes "-platform offscreen" to every test, which only a GUI application accepts.
QTEST_MAIN(TestPdfAnalysis)
#include "tst_pdf_analysis.moc"
