#include "analysis/document_analyzer.h"
#include "analysis/document_scan.h"
#include "table_row.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList names(const QStringList &paths)
{
    QStringList result;
    for (const QString &path : paths)
        result.append(QFileInfo(path).fileName());
    result.sort();
    return result;
}

} // namespace

// Which files a drop lists, and which analyser each one gets.
class DocumentAnalyzerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scanListsSupportedFilesOnce()
    {
        // clang-format off
        const struct { const char *path; bool supported, legacy; } suffixes[] = {
            {"/x/A.PDF", true, false}, {"/x/REPORT.Doc", true, true}, {"/x/a.tiff", true, false},
            {"/x/v1.pdf/README", false, false}, {"/x/scan.pdf.txt", false, false}, {"/x/a.docm", true, false},
            {"/x/a.dotm", false, false}};
        // clang-format on
        for (const auto &s : suffixes) {
            ROW_COMPARE(s.path, isSupportedDocument(s.path), s.supported);
            ROW_COMPARE(s.path, isLegacyDocSuffix(s.path), s.legacy);
        }

        QTemporaryDir dir;
        for (const char *name :
             {"a.pdf", "sub/deeper/b.PNG", "sub/notes.txt", ".hidden.pdf", ".git/c.pdf", "名前 %1 📄/d.jpg"}) {
            QFile file(dir.filePath(name));
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
        }
        // A link back to the top would loop forever if links were followed.
        QVERIFY(QFile::link(dir.path(), dir.filePath("sub/loop")));
        QVERIFY(QFile::link(dir.filePath("a.pdf"), dir.filePath("sub/link.pdf")));
        // The folder, a file inside it, and a folder again through another spelling.
        const DocumentScan scan = scanPaths(
            {dir.path(), dir.filePath("a.pdf"), dir.filePath("sub/deeper/../"), "/nonexistent/folder", ""});
        QCOMPARE(names(scan.supported), QStringList({"a.pdf", "b.PNG", "d.jpg"}));
        QCOMPARE(names(scan.unsupported), QStringList({"notes.txt"}));
        QVERIFY(QFileInfo(scan.supported.first()).isAbsolute());
        // A dropped link to a file still counts; the list keys it by its target.
        const QString viaLink = dir.filePath("sub/link.pdf");
        QCOMPARE(scanPaths({viaLink}).supported, QStringList({viaLink}));
        QCOMPARE(canonicalDocumentPath(viaLink), QFileInfo(dir.filePath("a.pdf")).canonicalFilePath());
        QCOMPARE(canonicalDocumentPath("/nonexistent/x.pdf"), QStringLiteral("/nonexistent/x.pdf"));
    }

    // WPS files may be either kind of Word package; a misnamed file is read as what it is, and
    // keeps its suffix as its type.
    void suffixPicksTheAnalyser()
    {
        QTemporaryDir dir;
        const QString data = QStringLiteral(ORVANTA_TEST_DATA_DIR), png = dir.filePath("scan.png");
        QImage image(2480, 3508, QImage::Format_Mono);
        image.fill(1);
        image.setDotsPerMeterX(11811);
        image.setDotsPerMeterY(11811);
        QVERIFY(image.save(png));
        // clang-format off
        const struct { QString source; const char *name; int pages; QString paperSize; } rows[] = {
            {data + "/pdf/five-pages.pdf", "five.PDF", 5, "A4"},
            {data + "/docx/libreoffice-a4-landscape.docx", "a.docx", 1, "A4 横向"},
            {data + "/docx/libreoffice-letter.docx", "b.wps", 1, "Letter"},
            {data + "/doc/letter-portrait-2-pages.doc", "c.WPS", 2, "Letter"},
            {data + "/doc/a3-landscape-1-page.doc", "d.wps", 0, "A3 横向"},
            {png, "e.tif", 1, "A4"}, {png, "f.pdf", 1, "A4"}, {data + "/pdf/five-pages.pdf", "g.docx", 5, "A4"}};
        // clang-format on
        for (const auto &row : rows) {
            const QString path = dir.filePath(row.name);
            QVERIFY(QFile::copy(row.source, path));
            const DocumentInfo info = analyzeDocument(path);
            ROW_COMPARE(row.name, QStringList({info.filePath, info.fileName, info.fileType}),
                        QStringList({path, row.name, path.section(QLatin1Char('.'), -1).toUpper()}));
            ROW_COMPARE(row.name, info.pageCount, row.pages);
            ROW_COMPARE(row.name, info.paperSize, row.paperSize);
        }
    }
};

QTEST_GUILESS_MAIN(DocumentAnalyzerTest)
#include "tst_document_analyzer.moc"
