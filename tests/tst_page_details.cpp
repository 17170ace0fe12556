#include "analysis/document_analyzer.h"
#include "analysis/page_detail_analysis.h"
#include "support/guiless_test_main.h"

#include <QtTest>

static const QString kData = QStringLiteral(ORVANTA_TEST_DATA_DIR "/");

// Each page of pages/classification.pdf is held against Ghostscript and pdfinfo by
// check_page_details_peers; here whole documents, pictures and damaged files.
class TestPageDetails : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data();
    void documents();
};

void TestPageDetails::documents_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("colorPages");
    QTest::addColumn<QString>("sizes"); // pagesPerSizeText(), empty without page details
    const QString a3 = QString::fromUtf8("A3 横向 1");
    QTest::newRow("whole document") << "pages/classification.pdf" << 6 << "A4 12, " + a3 + ", A5 1";
    // Highlight, stamp, ink, printing field and a stamp not shown on screen print in colour; a
    // field that does not print and a hidden stamp do not.
    QTest::newRow("annotations as printed") << "pages/annotations.pdf" << 5 << "A4 7";
    QTest::newRow("TIFF: colour, sepia, colour page") << "pages/three-pages.tif" << 2 << "A5 3";
    QTest::newRow("DOC counted by rendering") << "doc/a3-landscape-1-page.doc" << 0 << a3;
    QTest::newRow("DOC with a stored count") << "doc/a4-portrait-3-pages.doc" << 0 << "";
    // qpdf cannot rebuild the zeroed cross-reference stream, Qt PDF can.
    QTest::newRow("damaged xref stream") << "pages/damaged-xref-stream.pdf" << 0 << "A4 3, A3 2";
    // Damaged files: never a crash, a hang or a read out of bounds.
    QTest::newRow("PDF with its middle scrambled")
        << "pages/scrambled.pdf" << 6 << "A4 10, ? 2, " + a3 + ", A5 1";
    QTest::newRow("truncated") << "pdf/truncated.pdf" << 0 << "";
    QTest::newRow("user password") << "pdf/encrypted-user-password.pdf" << 0 << "";
    QTest::newRow("page tree loop") << "pdf/kids-loop.pdf" << 0 << "? 1";
}

void TestPageDetails::documents()
{
    QFETCH(QString, file);
    QFETCH(int, colorPages);
    QFETCH(QString, sizes);
    DocumentInfo info = analyzeDocument(kData + file);
    // Only the damaged cross-reference stream needs the second engine.
    QCOMPARE(info.countFromFallbackReader, file.contains(QLatin1String("xref")));
    info.pageCount = std::max(info.pageCount, 1); // the pass must not trust the first pass's count
    const PageDetails details = analyzePageDetails(info);
    QCOMPARE(details.isEmpty() ? QString() : pagesPerSizeText(details), sizes);
    QCOMPARE(details.colorPages(), colorPages);
    const std::atomic_bool cancelled{true};
    QVERIFY(analyzePageDetails(info, &cancelled).isEmpty());
}

ORVANTA_GUILESS_TEST_MAIN(TestPageDetails)
#include "tst_page_details.moc"
