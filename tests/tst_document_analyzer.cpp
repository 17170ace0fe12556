#include "analysis/document_analyzer.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// The dispatcher picks the analyser by suffix; WPS files may be either kind of package.
class DocumentAnalyzerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void suffixPicksTheAnalyser_data();
    void suffixPicksTheAnalyser();

private:
    QTemporaryDir m_dir;
};

void DocumentAnalyzerTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QImage image(2480, 3508, QImage::Format_Mono);
    image.fill(1);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    QVERIFY(image.save(m_dir.filePath(QStringLiteral("scan.png"))));
}

void DocumentAnalyzerTest::suffixPicksTheAnalyser_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("paperSize");
    const QString data = QStringLiteral(ORVANTA_TEST_DATA_DIR);
    QTest::newRow("pdf") << data + "/pdf/five-pages.pdf"
                         << "five.PDF" << 5 << "A4";
    QTest::newRow("docx") << data + "/docx/libreoffice-a4-landscape.docx"
                          << "a.docx" << 1 << "A4 横向";
    QTest::newRow("wps as a zip package") << data + "/docx/libreoffice-letter.docx"
                                          << "b.wps" << 1 << "Letter";
    QTest::newRow("wps as a compound file") << data + "/doc/letter-portrait-2-pages.doc"
                                            << "c.WPS" << 2 << "Letter";
    QTest::newRow("wps compound file without page count") << data + "/doc/a3-landscape-1-page.doc"
                                                          << "d.wps" << 0 << "A3 横向";
    QTest::newRow("image") << m_dir.filePath(QStringLiteral("scan.png")) << "e.tif" << 1 << "A4";
    QTest::newRow("pdf suffix on an image")
        << m_dir.filePath(QStringLiteral("scan.png")) << "f.pdf" << 0 << "";
    QTest::newRow("docx suffix on a pdf") << data + "/pdf/five-pages.pdf"
                                          << "g.docx" << 0 << "";
}

void DocumentAnalyzerTest::suffixPicksTheAnalyser()
{
    QFETCH(QString, source);
    QFETCH(QString, name);
    QFETCH(int, pages);
    QFETCH(QString, paperSize);
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    QVERIFY(QFile::copy(source, path));

    const DocumentInfo info = analyzeDocument(path);
    QCOMPARE(info.filePath, path);
    QCOMPARE(info.fileName, name);
    QCOMPARE(info.fileType, name.section(QLatin1Char('.'), -1).toUpper());
    QCOMPARE(info.pageCount, pages);
    QCOMPARE(info.paperSize, paperSize);
}

QTEST_GUILESS_MAIN(DocumentAnalyzerTest)
#include "tst_document_analyzer.moc"
