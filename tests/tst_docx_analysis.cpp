#include "analysis/docx_analyzer.h"
#include "analysis/docx_xml.h"
#include "support/test_files.h"
#include "table_row.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray appXml(const QByteArray &body)
{
    return "<Properties "
           "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">" +
           body + "</Properties>";
}

QByteArray documentXml(const QByteArray &body)
{
    return "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
           body + "</w:body></w:document>";
}

QByteArray pgSz(const QByteArray &attributes)
{
    return "<w:sectPr><w:pgSz " + attributes + "/></w:sectPr>";
}

} // namespace

class TestDocxAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageCount()
    {
        // clang-format off
        const struct { const char *name; QByteArray xml; int pages; } rows[] = {
            {"white space trimmed", appXml("<Pages> 12\n</Pages>"), 12},
            {"negative", appXml("<Pages>-3</Pages>"), 0},
            {"beyond 32 bits", appXml("<Pages>99999999999</Pages>"), 0},
            {"first Pages counts even when invalid", appXml("<Pages>x</Pages><Pages>7</Pages>"), 0},
            {"prefix and namespace ignored", "<ep:Properties xmlns:ep=\"urn:x\"><ep:Pages>5</ep:Pages></ep:Properties>", 5},
            {"local name is case-sensitive", appXml("<pages>5</pages>"), 0},
            {"malformed before Pages", "<Properties><a></b><Pages>5</Pages>", 0}};
        // clang-format on
        for (const auto &row : rows)
            ROW_COMPARE(row.name, docxPageCountFromXml(row.xml), row.pages);
    }

    // The scan must not depend on where the part is cut into pieces.
    void paperSize()
    {
        const QByteArray a4 = pgSz(R"(w:w="11906" w:h="16838")"), letter = pgSz(R"(w:w="12240" w:h="15840")");
        // clang-format off
        const struct { const char *name; QByteArray body; QString paperSize; } rows[] = {
            {"orientation attribute not read", pgSz(R"(w:w="11906" w:h="16838" w:orient="landscape")"), "A4"},
            {"custom landscape", pgSz(R"(w:w="8504" w:h="5669")"), "100×150 mm 横向"},
            {"first section counts", "<w:p><w:pPr>" + a4 + "</w:pPr></w:p>" + pgSz(R"(w:w="16838" w:h="23811")"), "A4"},
            {"width only skipped", pgSz(R"(w:w="11906")") + letter, "Letter"},
            {"unparsable width skipped", pgSz(R"(w:w="wide" w:h="16838")") + letter, "Letter"},
            {"zero and negative skipped", pgSz(R"(w:w="0" w:h="1")") + pgSz(R"(w:w="-1" w:h="1")") + letter, "Letter"},
            {"infinity counts as unparsable", pgSz(R"(w:w="inf" w:h="inf")") + letter, "Letter"},
            {"malformed before pgSz", "<w:p><w:r></w:p>" + a4, ""},
            {"malformed after pgSz", a4 + "<w:p><w:r></w:p>", "A4"}};
        // clang-format on
        for (const auto &row : rows) {
            const QByteArray xml = documentXml(row.body);
            for (const qsizetype piece : {qsizetype(1), qsizetype(7), xml.size()}) {
                DocxPageSizeScanner scanner;
                for (qsizetype at = 0; at < xml.size() && scanner.addData(xml.mid(at, piece));)
                    at += piece;
                ROW_COMPARE(row.name, scanner.paperSize(), row.paperSize);
            }
            ROW_COMPARE(row.name, docxPaperSizeFromXml(xml), row.paperSize);
        }
        QCOMPARE(docxPaperSizeFromXml(
                     R"(<x:document xmlns:x="urn:x"><x:pgSz x:w="12240" x:h="15840"/></x:document>)"),
                 QStringLiteral("Letter"));
    }

    void analysesFile()
    {
        const QByteArray a4 = pgSz("w:w=\"11906\" w:h=\"16838\""), pages = appXml("<Pages>250</Pages>");
        const auto package = [](const QByteArray &app, const QByteArray &document) {
            return zipArchive({{"docProps/app.xml", app}, {"word/document.xml", documentXml(document)}});
        };
        // Without a package the row names a fixture.
        // clang-format off
        const struct { const char *name; QByteArray package; int pages; QString paperSize; } rows[] = {
            {"python-a4-portrait.docx", {}, 3, "A4"}, {"python-no-app-xml.docx", {}, 0, "A4"},
            {"python-document-xml-bad-crc.docx", {}, 3, ""}, {"libreoffice-a4-portrait.docx", {}, 3, "A4"},
            {"libreoffice-a4-landscape.docx", {}, 1, "A4 横向"}, {"libreoffice-a4-then-a3-sections.docx", {}, 2, "A4"},
            {"does-not-exist.docx", {}, 0, ""}, {"../doc/a4-portrait-3-pages.doc", {}, 0, ""},
            {"8 MiB text node", package(pages, "<w:p><w:r><w:t>" + QByteArray(8 << 20, 'x') + "</w:t></w:r></w:p>" + a4),
             250, "A4"},
            // One token larger than any real document holds is refused rather than buffered whole.
            {"17 MiB attribute", package(pages, "<w:p w:x=\"" + QByteArray(17 << 20, 'x') + "\"/>" + a4), 250, ""},
            {"app.xml above its limit", package(appXml("<Pages>3</Pages>" + QByteArray(5 << 20, ' ')), a4), 0, "A4"}};
        // clang-format on
        QTemporaryDir dir;
        for (const auto &row : rows) {
            const QString path = row.package.isEmpty() ? testData(QStringLiteral("docx/") + row.name)
                                                       : writeFile(dir.filePath("large.docx"), row.package);
            ROW_COMPARE(row.name, docxPageCount(path), row.pages);
            ROW_COMPARE(row.name, docxPaperSize(path), row.paperSize);
        }
    }
};

// QTEST_MAIN: the test runner passes -platform, which only a GUI application accepts.
QTEST_MAIN(TestDocxAnalysis)
#include "tst_docx_analysis.moc"
