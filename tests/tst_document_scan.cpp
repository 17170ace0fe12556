#include "analysis/document_scan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList names(const QStringList &paths)
{
    QStringList result;
    for (const QString &path : paths)
        result.append(QFileInfo(path).fileName());
    result.sort();
    return result;
}

} // namespace

class DocumentScanTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void suffixDecidesSupport_data();
    void suffixDecidesSupport();
    void foldersAreWalkedRecursivelySkippingHiddenEntries();
    void linksAndRepeatedFoldersAreListedOnce();
    void missingPathsAreIgnored();
};

void DocumentScanTest::suffixDecidesSupport_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("supported");
    QTest::addColumn<bool>("legacy");
    QTest::newRow("upper-case pdf") << "/x/A.PDF" << true << false;
    QTest::newRow("docx") << "/x/report.docx" << true << false;
    QTest::newRow("DOC any case") << "/x/REPORT.Doc" << true << true;
    QTest::newRow("wps") << "/x/a.wps" << true << false;
    QTest::newRow("every image suffix") << "/x/a.tiff" << true << false;
    QTest::newRow("jpeg") << "/x/a.jpeg" << true << false;
    QTest::newRow("webp") << "/x/a.webp" << true << false;
    QTest::newRow("no suffix") << "/x/README" << false << false;
    QTest::newRow("dot in folder only") << "/x/v1.pdf/README" << false << false;
    QTest::newRow("text") << "/x/notes.txt" << false << false;
    QTest::newRow("suffix is last dot") << "/x/scan.pdf.txt" << false << false;
    QTest::newRow("docm is not docx") << "/x/a.docm" << false << false;
}

void DocumentScanTest::suffixDecidesSupport()
{
    QFETCH(QString, path);
    QFETCH(bool, supported);
    QFETCH(bool, legacy);
    QCOMPARE(isSupportedDocument(path), supported);
    QCOMPARE(isLegacyDocSuffix(path), legacy);
}

void DocumentScanTest::foldersAreWalkedRecursivelySkippingHiddenEntries()
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("a.pdf")));
    touch(dir.filePath(QStringLiteral("sub/deeper/b.PNG")));
    touch(dir.filePath(QStringLiteral("sub/notes.txt")));
    touch(dir.filePath(QStringLiteral(".hidden.pdf")));
    touch(dir.filePath(QStringLiteral(".git/c.pdf")));
    touch(dir.filePath(QStringLiteral("名前 with spaces %1 📄/d.jpg")));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("empty"))));

    const DocumentScan scan = scanPaths({dir.path()});
    QCOMPARE(names(scan.supported),
             QStringList({QStringLiteral("a.pdf"), QStringLiteral("b.PNG"), QStringLiteral("d.jpg")}));
    QCOMPARE(names(scan.unsupported), QStringList({QStringLiteral("notes.txt")}));
    for (const QString &path : scan.supported)
        QVERIFY(QFileInfo(path).isAbsolute());
}

void DocumentScanTest::linksAndRepeatedFoldersAreListedOnce()
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("docs/a.pdf")));
    touch(dir.filePath(QStringLiteral("docs/inner/b.pdf")));
    // A link back to the top would loop forever if links were followed.
    QVERIFY(QFile::link(dir.path(), dir.filePath(QStringLiteral("docs/inner/loop"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("docs/a.pdf")),
                        dir.filePath(QStringLiteral("docs/link.pdf"))));

    // The folder, a file inside it, and the folder again through another spelling.
    const DocumentScan scan =
        scanPaths({dir.filePath(QStringLiteral("docs")), dir.filePath(QStringLiteral("docs/a.pdf")),
                   dir.filePath(QStringLiteral("docs/inner/../"))});
    QCOMPARE(names(scan.supported), QStringList({QStringLiteral("a.pdf"), QStringLiteral("b.pdf")}));

    // A dropped link to a file still counts; the list keys it by its target.
    const QString viaLink = dir.filePath(QStringLiteral("docs/link.pdf"));
    QCOMPARE(scanPaths({viaLink}).supported, QStringList({viaLink}));
    QCOMPARE(canonicalDocumentPath(viaLink),
             QFileInfo(dir.filePath(QStringLiteral("docs/a.pdf"))).canonicalFilePath());
}

void DocumentScanTest::missingPathsAreIgnored()
{
    const DocumentScan scan = scanPaths({QStringLiteral("/nonexistent/folder"), QString()});
    QVERIFY(scan.supported.isEmpty());
    QVERIFY(scan.unsupported.isEmpty());
    QCOMPARE(canonicalDocumentPath(QStringLiteral("/nonexistent/x.pdf")),
             QStringLiteral("/nonexistent/x.pdf"));
}

QTEST_GUILESS_MAIN(DocumentScanTest)
#include "tst_document_scan.moc"
