#include "analysis/pdf_analyzer.h"

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
    return QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/") + name;
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
    void fixtures_data();
    void fixtures();
    void unreadablePaths();

private:
    QTemporaryDir m_dir;
};

void TestPdfAnalysis::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("size");

    const QString a4Landscape = QStringLiteral("A4") + kLandscape;
    QTest::newRow("landscape by its box") << "a4-landscape-mediabox.pdf" << 1 << a4Landscape;
    QTest::newRow("reversed corners") << "letter-reversed-mediabox.pdf" << 1 << "Letter";
    QTest::newRow("items past the fourth ignored") << "letter-mediabox-extra-items.pdf" << 1 << "Letter";
    QTest::newRow("box inherited from root") << "mediabox-inherited-from-root.pdf" << 1 << "A4";
    QTest::newRow("rotation inherited from root") << "rotate-inherited-from-root.pdf" << 1 << a4Landscape;
    QTest::newRow("rotate 90") << "a4-rotate-90.pdf" << 1 << a4Landscape;
    QTest::newRow("rotate -90") << "a4-rotate-minus-90.pdf" << 1 << a4Landscape;
    QTest::newRow("rotate 180") << "a4-rotate-180.pdf" << 1 << "A4";
    QTest::newRow("rotate 270") << "a4-rotate-270.pdf" << 1 << a4Landscape;
    QTest::newRow("rotation beyond int range") << "a4-rotate-beyond-int-range.pdf" << 1 << a4Landscape;
    QTest::newRow("rotation not a number") << "a4-rotate-not-a-number.pdf" << 1 << "A4";
    QTest::newRow("first page decides") << "a4-then-a3.pdf" << 2 << "A4";
    QTest::newRow("object streams") << "five-pages-object-streams.pdf" << 5 << "A4";
    QTest::newRow("non-numeric box item") << "mediabox-non-numeric-item.pdf" << 1 << "";
    QTest::newRow("box of three items") << "mediabox-three-items.pdf" << 1 << "";
    QTest::newRow("box missing") << "mediabox-missing.pdf" << 1 << "";
    QTest::newRow("box of zero area") << "mediabox-zero-area.pdf" << 1 << "";
    QTest::newRow("cyclic parents, own box") << "parent-cycle-own-mediabox.pdf" << 1 << "A4";
    QTest::newRow("cyclic parents, no box") << "parent-cycle-no-mediabox.pdf" << 1 << "";
    QTest::newRow("box 63 levels up") << "mediabox-63-levels-up.pdf" << 1 << "A4";
    QTest::newRow("box 64 levels up") << "mediabox-64-levels-up.pdf" << 1 << "";
    QTest::newRow("warnings only: no xref") << "warnings-only-no-xref.pdf" << 1 << "A4";
    QTest::newRow("user password") << "encrypted-user-password.pdf" << 0 << "";
    QTest::newRow("owner password only") << "encrypted-owner-password-only.pdf" << 2 << "A4";
    // Files over 16 MiB are read by qpdf from the file rather than from memory.
    const QString padded = m_dir.filePath(QStringLiteral("padded.pdf"));
    QFile file(padded);
    QVERIFY(QFile::copy(fixture("a4-rotate-90.pdf"), padded) && file.open(QIODevice::Append));
    QVERIFY(file.write(QByteArray(17 * 1024 * 1024, '\n')) > 0);
    QTest::newRow("large file, read from disk") << padded << 1 << a4Landscape;
    QTest::newRow("kids loop without a page") << "kids-loop.pdf" << 0 << "";
    QTest::newRow("node under the root twice counts once") << "kids-node-twice.pdf" << 1 << "A4";
    QTest::newRow("kids loop back to the root") << "kids-loop-to-root.pdf" << 1 << QStringLiteral("A3");
    QTest::newRow("kids not dictionaries") << "kids-not-dictionaries.pdf" << 3 << "A4";
    QTest::newRow("catalog without pages") << "catalog-without-pages.pdf" << 0 << "";
    QTest::newRow("truncated") << "truncated.pdf" << 0 << "";
    QTest::newRow("not a PDF") << "not-a-pdf.pdf" << 0 << "";
}

// qpdf never writes to the terminal, whatever the file.
void TestPdfAnalysis::fixtures()
{
    QFETCH(QString, file);
    QFETCH(int, pages);
    QFETCH(QString, size);

    const QString path = QFileInfo(file).isAbsolute() ? file : fixture(file);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QByteArray output = capturedOutput([&] {
        QCOMPARE(pdfPageCount(path), pages);
        const PdfFacts facts = pdfAnalyze(path);
        QCOMPARE(facts.pageCount, pages);
        QCOMPARE(facts.paperSize, size);
    });
    QCOMPARE(output, QByteArray());
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
