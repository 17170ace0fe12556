#include "analysis/docx_analyzer.h"
#include "analysis/docx_xml.h"
#include "support/zip_test_writer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kLandscape = QStringLiteral(" 横向");

QByteArray appXml(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Properties xmlns=\"http://schemas.openxmlformats.org/"
           "officeDocument/2006/extended-properties\">" +
           body + "</Properties>";
}

QByteArray documentXml(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document "
           "xmlns:w=\"http://schemas.openxmlformats.org/"
           "wordprocessingml/2006/main\"><w:body>" +
           body + "</w:body></w:document>";
}

QByteArray pgSz(const QByteArray &attributes)
{
    return "<w:sectPr><w:pgSz " + attributes + "/></w:sectPr>";
}

QByteArray paragraphs(qsizetype bytes)
{
    QByteArray out;
    for (int i = 0; out.size() < bytes; ++i)
        out += "<w:p><w:r><w:t>Paragraph " + QByteArray::number(i) + " of a long document.</w:t></w:r></w:p>";
    return out;
}

QString scanInPieces(const QByteArray &xml, qsizetype piece)
{
    DocxPageSizeScanner scanner;
    for (qsizetype offset = 0; offset < xml.size(); offset += piece) {
        if (!scanner.addData(QByteArrayView(xml.constData() + offset, qMin(piece, xml.size() - offset))))
            break;
    }
    return scanner.paperSize();
}

QString fixture(const QString &name)
{
    return QStringLiteral(ORVANTA_TEST_DATA_DIR "/docx/") + name;
}

} // namespace

class TestDocxAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageCountFromAppXml_data();
    void pageCountFromAppXml();
    void paperSizeFromDocumentXml_data();
    void paperSizeFromDocumentXml();
    void analysesFixture_data();
    void analysesFixture();
    void analysesLargeDocument_data();
    void analysesLargeDocument();
};

void TestDocxAnalysis::pageCountFromAppXml_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("pages");

    QTest::newRow("12") << appXml("<Pages>12</Pages>") << 12;
    QTest::newRow("white space trimmed") << appXml("<Pages> 12\n</Pages>") << 12;
    QTest::newRow("negative") << appXml("<Pages>-3</Pages>") << 0;
    QTest::newRow("not a number") << appXml("<Pages>abc</Pages>") << 0;
    QTest::newRow("beyond 32 bits") << appXml("<Pages>99999999999</Pages>") << 0;
    QTest::newRow("first Pages counts") << appXml("<Pages>4</Pages><Pages>7</Pages>") << 4;
    QTest::newRow("first Pages counts even when invalid") << appXml("<Pages>x</Pages><Pages>7</Pages>") << 0;
    QTest::newRow("prefix and namespace ignored")
        << QByteArray("<ep:Properties xmlns:ep=\"urn:other\"><ep:Pages>5</ep:Pages></ep:Properties>") << 5;
    QTest::newRow("local name is case-sensitive") << appXml("<pages>5</pages>") << 0;
    QTest::newRow("no Pages") << appXml("<Words>100</Words>") << 0;
    QTest::newRow("malformed before Pages") << QByteArray("<Properties><a></b><Pages>5</Pages>") << 0;
    QTest::newRow("empty part") << QByteArray() << 0;
}

void TestDocxAnalysis::pageCountFromAppXml()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, pages);
    QCOMPARE(docxPageCountFromXml(xml), pages);
}

void TestDocxAnalysis::paperSizeFromDocumentXml_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("paperSize");
    const auto row = [](const char *name, const QByteArray &body, const QString &paperSize) {
        QTest::newRow(name) << documentXml(body) << paperSize;
    };

    const QByteArray a4 = pgSz(R"(w:w="11906" w:h="16838")");
    const QByteArray letter = pgSz(R"(w:w="12240" w:h="15840")");
    const QByteArray a3 = pgSz(R"(w:w="16838" w:h="23811")");
    row("A4", a4, "A4");
    row("A4 landscape", pgSz(R"(w:w="16838" w:h="11906" w:orient="landscape")"), "A4" + kLandscape);
    row("orientation attribute not read", pgSz(R"(w:w="11906" w:h="16838" w:orient="landscape")"), "A4");
    row("custom landscape", pgSz(R"(w:w="8504" w:h="5669")"), "100×150 mm" + kLandscape);
    row("first section counts", "<w:p><w:pPr>" + a4 + "</w:pPr></w:p>" + a3, "A4");
    row("width only skipped", pgSz(R"(w:w="11906")") + a3, "A3");
    row("unparsable width skipped", pgSz(R"(w:w="wide" w:h="16838")") + letter, "Letter");
    row("zero and negative skipped",
        pgSz(R"(w:w="0" w:h="16838")") + pgSz(R"(w:w="-11906" w:h="16838")") + letter, "Letter");
    row("infinity counts as unparsable", pgSz(R"(w:w="inf" w:h="inf")") + letter, "Letter");
    row("no page size", "<w:p/>", QString());
    row("malformed before pgSz", "<w:p><w:r></w:p>" + a4, QString());
    row("malformed after pgSz", a4 + "<w:p><w:r></w:p>", "A4");
    QTest::newRow("other prefix")
        << QByteArray(R"(<x:document xmlns:x="urn:x"><x:pgSz x:w="12240" x:h="15840"/></x:document>)")
        << "Letter";
    QTest::newRow("empty part") << QByteArray() << QString();
}

void TestDocxAnalysis::paperSizeFromDocumentXml()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, paperSize);
    QCOMPARE(docxPaperSizeFromXml(xml), paperSize);
    // The scan must not depend on where the part is cut into pieces.
    QCOMPARE(scanInPieces(xml, 1), paperSize);
    QCOMPARE(scanInPieces(xml, 7), paperSize);
}

void TestDocxAnalysis::analysesFixture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("paperSize");

    const QString landscape = "A4" + kLandscape;
    QTest::newRow("python A4 portrait") << "python-a4-portrait.docx" << 3 << "A4";
    QTest::newRow("python A4 landscape") << "python-a4-landscape.docx" << 1 << landscape;
    QTest::newRow("python A4 then A3") << "python-a4-then-a3-sections.docx" << 2 << "A4";
    QTest::newRow("python without app.xml") << "python-no-app-xml.docx" << 0 << "A4";
    QTest::newRow("python without pgSz") << "python-no-page-size.docx" << 1 << QString();
    QTest::newRow("python malformed document") << "python-malformed-document-xml.docx" << 1 << QString();
    QTest::newRow("python document bad crc") << "python-document-xml-bad-crc.docx" << 3 << QString();
    QTest::newRow("libreoffice A4 portrait") << "libreoffice-a4-portrait.docx" << 3 << "A4";
    QTest::newRow("libreoffice A4 landscape") << "libreoffice-a4-landscape.docx" << 1 << landscape;
    QTest::newRow("libreoffice A4 then A3") << "libreoffice-a4-then-a3-sections.docx" << 2 << "A4";
    QTest::newRow("missing file") << "does-not-exist.docx" << 0 << QString();
    QTest::newRow("not a zip package") << "../zip/no-end-record.zip" << 0 << QString();
}

void TestDocxAnalysis::analysesFixture()
{
    QFETCH(QString, file);
    QFETCH(int, pages);
    QFETCH(QString, paperSize);
    QCOMPARE(docxPageCount(fixture(file)), pages);
    QCOMPARE(docxPaperSize(fixture(file)), paperSize);
}

void TestDocxAnalysis::analysesLargeDocument_data()
{
    QTest::addColumn<QByteArray>("appXml");
    QTest::addColumn<QByteArray>("documentXml");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("paperSize");

    const QByteArray a4 = pgSz("w:w=\"11906\" w:h=\"16838\"");
    const QByteArray pages = appXml("<Pages>250</Pages>");
    QTest::newRow("pgSz after 40 MiB") << pages << documentXml(paragraphs(40 << 20) + a4) << 250 << "A4";
    QTest::newRow("8 MiB text node") << pages
                                     << documentXml("<w:p><w:r><w:t>" + QByteArray(8 << 20, 'x') +
                                                    "</w:t></w:r></w:p>" + a4)
                                     << 250 << "A4";
    // One token larger than any real document holds is refused rather than buffered whole.
    QTest::newRow("17 MiB attribute")
        << pages << documentXml("<w:p w:x=\"" + QByteArray(17 << 20, 'x') + "\"/>" + a4) << 250 << QString();
    QTest::newRow("app.xml above its limit")
        << appXml("<Pages>3</Pages>" + QByteArray(5 << 20, ' ')) << documentXml(a4) << 0 << "A4";
}

void TestDocxAnalysis::analysesLargeDocument()
{
    QFETCH(QByteArray, appXml);
    QFETCH(QByteArray, documentXml);
    QFETCH(int, pages);
    QFETCH(QString, paperSize);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("large.docx"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(deflatedZipArchive({{"docProps/app.xml", appXml}, {"word/document.xml", documentXml}}));
    file.close();
    QCOMPARE(docxPageCount(file.fileName()), pages);
    QCOMPARE(docxPaperSize(file.fileName()), paperSize);
}

// QTEST_MAIN: the test runner passes -platform, which only a GUI application accepts.
QTEST_MAIN(TestDocxAnalysis)
#include "tst_docx_analysis.moc"
