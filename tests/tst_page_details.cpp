#include "analysis/document_analyzer.h"
#include "analysis/page_detail_analysis.h"
#include "analysis/pdf_page_facts.h"
#include "support/guiless_test_main.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <random>

namespace {

const QString kData = QStringLiteral(ORVANTA_TEST_DATA_DIR);
const QString kClassification = kData + QStringLiteral("/pages/classification.pdf");
const QString kLandscape = QString::fromUtf8(" 横向");

// A 600 × 800 picture: paper colour everywhere, `ink` where `inked(x, y)`, plus channel noise.
QImage picture(QRgb paper, QRgb ink, const std::function<bool(int, int)> &inked, int noise = 0)
{
    QImage image(600, 800, QImage::Format_RGB32);
    std::mt19937 random(13);
    std::uniform_int_distribution<int> jitter(-noise, noise);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = inked(x, y) ? ink : paper;
            const int grey = jitter(random); // the same on every channel: a grey scan's noise
            image.setPixel(x, y,
                           qRgb(qBound(0, qRed(c) + grey, 255), qBound(0, qGreen(c) + grey, 255),
                                qBound(0, qBlue(c) + grey, 255)));
        }
    }
    return image;
}

} // namespace

class TestPageDetails : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classification_data();
    void classification();
    void images_data();
    void images();
    void wordFiles_data();
    void wordFiles();
    void fallbackReader();
    void malformed_data();
    void malformed();

private:
    QTemporaryDir m_dir;
};

void TestPageDetails::classification_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("color");
    QTest::addColumn<QString>("size");
    // One row per page of the generated document; make-fixtures.py says how each page is drawn.
    QTest::newRow("grey text") << 1 << false << "A4";
    QTest::newRow("grey photo saved as colour JPEG") << 2 << false << "A4";
    QTest::newRow("grey photo in a grey JPEG") << 3 << false << "A4";
    QTest::newRow("grey chart drawn in RGB") << 4 << false << "A4";
    QTest::newRow("one red underline") << 5 << true << "A4";
    QTest::newRow("small colour logo") << 6 << true << "A4";
    QTest::newRow("sepia-toned scan: near-neutral") << 7 << false << "A4";
    QTest::newRow("colour chart") << 8 << true << "A4";
    QTest::newRow("colour text") << 9 << true << "A4";
    QTest::newRow("A3 landscape") << 10 << false << QStringLiteral("A3") + kLandscape;
    QTest::newRow("A5 turned upright by /Rotate") << 11 << true << "A5";
    QTest::newRow("A3 media box cropped to A4") << 12 << false << "A4";
}

void TestPageDetails::classification()
{
    QFETCH(int, page);
    QFETCH(bool, color);
    QFETCH(QString, size);
    static const QList<PdfPageFacts> facts = pdfPageFacts(kClassification);
    QCOMPARE(facts.size(), 12);
    QCOMPARE(facts.at(page - 1).color, color);
    QCOMPARE(facts.at(page - 1).paperSize, size);
    // The whole document through the pass the window runs.
    if (page == 1) {
        const PageDetails details = analyzePageDetails(analyzeDocument(kClassification));
        QCOMPARE(details.colorPages(), 5);
        QCOMPARE(pagesPerSizeText(details), QStringLiteral("A4 10, A3%1 1, A5 1").arg(kLandscape));
    }
}

void TestPageDetails::images_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("color");
    const auto text = [](int x, int y) { return x > 50 && x < 550 && y % 20 < 6; };
    QTest::newRow("grey scan with noise saved as colour JPEG")
        << picture(qRgb(235, 235, 235), qRgb(30, 30, 30), text, 20) << "jpg" << false;
    QTest::newRow("sepia-toned scan")
        << picture(qRgb(242, 233, 216), qRgb(72, 60, 46), text) << "jpg" << false;
    QTest::newRow("0.7 mm red speck at 150 dpi")
        << picture(qRgb(255, 255, 255), qRgb(255, 0, 0), [](int x, int y) { return x < 4 && y < 4; }) << "png"
        << false;
    QTest::newRow("2 mm logo at 150 dpi")
        << picture(qRgb(255, 255, 255), qRgb(20, 60, 200), [](int x, int y) { return x < 12 && y < 12; })
        << "png" << true;
    QTest::newRow("pale yellow highlight")
        << picture(qRgb(255, 255, 255), qRgb(255, 255, 200), [](int, int y) { return y > 400 && y < 420; })
        << "jpg" << true;
}

void TestPageDetails::images()
{
    QFETCH(QImage, image);
    QFETCH(QString, format);
    QFETCH(bool, color);
    const QString path = m_dir.filePath(QStringLiteral("%1.%2").arg(QTest::currentDataTag(), format));
    image.setDotsPerMeterX(5906); // 150 dpi: a 600 × 800 picture is 102 × 135 mm
    image.setDotsPerMeterY(5906);
    QVERIFY(image.save(path, nullptr, 90));
    const DocumentInfo info = analyzeDocument(path);
    PageDetails expected;
    expected.addPages(info.paperSize, color);
    QCOMPARE(analyzePageDetails(info), expected);
}

void TestPageDetails::wordFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sizes"); // empty: no page details
    QTest::newRow("DOC counted by rendering")
        << "doc/a3-landscape-1-page.doc" << QStringLiteral("A3") + kLandscape + " 1";
    QTest::newRow("DOC with a stored count") << "doc/a4-portrait-3-pages.doc"
                                             << "";
    QTest::newRow("DOCX") << "docx/python-a4-portrait.docx"
                          << "";
}

void TestPageDetails::wordFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, sizes);
    DocumentInfo info = documentInfoFor(kData + QLatin1Char('/') + file);
    info.pageCount = 1; // as the first pass found
    const PageDetails details = analyzePageDetails(info);
    QCOMPARE(details.isEmpty() ? QString() : pagesPerSizeText(details), sizes);
    QCOMPARE(details.colorPages(), 0);
}

void TestPageDetails::fallbackReader()
{
    // qpdf cannot rebuild the zeroed cross-reference stream; the second engine reads all pages.
    const QString damaged = kData + QStringLiteral("/pages/damaged-xref-stream.pdf");
    const DocumentInfo info = analyzeDocument(damaged);
    QCOMPARE(info.pageCount, 5);
    QCOMPARE(info.paperSize, QStringLiteral("A4"));
    QVERIFY(info.countFromFallbackReader);
    QVERIFY(!analyzeDocument(kClassification).countFromFallbackReader);
    QCOMPARE(pagesPerSizeText(analyzePageDetails(info)), QStringLiteral("A4 3, A3 2"));
    const std::atomic_bool cancelled{true};
    QVERIFY(analyzePageDetails(info, &cancelled).isEmpty());
}

void TestPageDetails::malformed_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("pages");
    const QByteArray whole = [] {
        QFile file(kClassification);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const auto written = [this](const QString &name, const QByteArray &bytes) {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                    : QString();
    };
    QByteArray scrambled = whole;
    for (qsizetype i = scrambled.size() / 3; i < scrambled.size() * 2 / 3; i += 97)
        scrambled[i] = char(scrambled[i] ^ 0x5a);
    QTest::newRow("cut in half") << written(QStringLiteral("half.pdf"), whole.left(whole.size() / 2)) << 0;
    QTest::newRow("middle third scrambled") << written(QStringLiteral("scrambled.pdf"), scrambled) << 12;
    QTest::newRow("truncated") << kData + "/pdf/truncated.pdf" << 0;
    QTest::newRow("not a PDF") << kData + "/pdf/not-a-pdf.pdf" << 0;
    QTest::newRow("user password") << kData + "/pdf/encrypted-user-password.pdf" << 0;
    QTest::newRow("kids loop") << kData + "/pdf/kids-loop.pdf" << 1;
    QTest::newRow("no media box") << kData + "/pdf/mediabox-missing.pdf" << 1;
}

void TestPageDetails::malformed()
{
    QFETCH(QString, path);
    QFETCH(int, pages);
    DocumentInfo info = documentInfoFor(path);
    info.pageCount = 1; // the pass must not trust the first pass's count
    QCOMPARE(analyzePageDetails(info).pageCount(), pages);
}

ORVANTA_GUILESS_TEST_MAIN(TestPageDetails)
#include "tst_page_details.moc"
