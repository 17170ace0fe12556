#include "support/zip_test_writer.h"
#include "zip/zip_archive.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

const QString kDocument = QStringLiteral("word/document.xml");
const QString kCorrupted = QStringLiteral("ZIP 中央目录已损坏");
const QString kInflateFailed = QStringLiteral("ZIP 条目解压失败");
const QString kCheckFailed = QStringLiteral("ZIP 条目校验失败");
const QString kIncomplete = QStringLiteral("ZIP 条目数据不完整");
const QString kLocalHeader = QStringLiteral("ZIP 本地文件头已损坏");
const QString kNoDirectory = QStringLiteral("找不到 ZIP 中央目录");

QString notFound(const QString &name)
{
    return QStringLiteral("ZIP 中不存在条目：%1").arg(name);
}

QString fixture(const QString &name)
{
    return QStringLiteral(ORVANTA_TEST_DATA_DIR "/zip/") + name;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The content the fixture generator puts into word/document.xml and the Unicode-named entry.
QByteArray documentContent()
{
    return QByteArray("<?xml version=\"1.0\"?><w:document><w:body><w:p/></w:body></w:document>\n")
        .repeated(20);
}

QByteArray noteContent()
{
    return QStringLiteral("Grüße aus dem Archiv — 文档说明\n").toUtf8();
}

// Reads the entry through the file, through memory and through the stream; all three must agree.
QByteArray readAllWays(const QString &path, const QString &entry, QString *error)
{
    QString fileError;
    const QByteArray fromFile = ZipArchive::readEntry(path, entry, &fileError);
    QString dataError;
    const QByteArray fromData = ZipArchive::readEntryFromData(readFile(path), entry, &dataError);
    QString streamError;
    QByteArray streamed;
    const bool intact = ZipArchive::streamEntry(
        path, entry,
        [&](QByteArrayView chunk) {
            streamed.append(chunk.data(), chunk.size());
            return true;
        },
        &streamError);
    const bool agree = fromFile == fromData && fileError == dataError && fileError == streamError &&
                       intact == fileError.isEmpty() && (!intact || streamed == fromFile);
    *error =
        agree ? fileError
              : QStringLiteral("entry points disagree: %1 / %2 / %3").arg(fileError, dataError, streamError);
    return fromFile;
}

} // namespace

class TestZipArchive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsFixture_data();
    void readsFixture();
    void readsGeneratedArchive_data();
    void readsGeneratedArchive();
    void reportsOpenError();
    void refusesEntryAboveCallerLimit();
    void streamStopsDeliveringButStillVerifies_data();
    void streamStopsDeliveringButStillVerifies();
};

void TestZipArchive::readsFixture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("error");
    const auto good = [](const char *name, const char *file, const QByteArray &expected,
                         const QString &entry = kDocument) {
        QTest::newRow(name) << QString(file) << entry << expected << QString();
    };
    const auto bad = [](const char *name, const char *file, const QString &error,
                        const QString &entry = kDocument) {
        QTest::newRow(name) << QString(file) << entry << QByteArray() << error;
    };

    const QString note = QStringLiteral("文档/说明.txt");
    const QByteArray document = documentContent();
    good("python deflated", "python-deflated.zip", document);
    good("python unicode name", "python-deflated.zip", noteContent(), note);
    good("python empty entry", "python-deflated.zip", QByteArray(), QStringLiteral("empty.txt"));
    good("python stored", "python-stored.zip", document);
    good("python data descriptor", "python-data-descriptor.zip", document);
    good("python zip64 local header", "python-force-zip64.zip", document);
    good("zip command", "zip-command.zip", document);
    good("zip command unicode stored", "zip-command.zip", noteContent(), note);
    good("zip command streamed", "zip-command-streamed.zip", document);
    good("end record copy in comment", "comment-with-end-record-copy.zip", document);
    good("first of duplicate names", "duplicate-names.zip", "first");

    const QString encrypted = QStringLiteral("不支持加密的 ZIP 条目");
    bad("name is case-sensitive", "python-deflated.zip", notFound("word/Document.xml"), "word/Document.xml");
    bad("empty end record in comment", "comment-with-empty-end-record.zip", notFound(kDocument));
    bad("21 bytes", "too-small.zip", QStringLiteral("ZIP 文件过小或已损坏"));
    bad("empty end record only", "empty-end-record-only.zip", notFound(kDocument));
    bad("no end record", "no-end-record.zip", kNoDirectory);
    bad("directory offset beyond file", "directory-offset-beyond-file.zip", kCorrupted);
    bad("directory bad signature", "directory-bad-signature.zip", kCorrupted);
    bad("directory name past end", "directory-name-past-end.zip", kCorrupted, "missing");
    bad("directory count too high", "directory-count-too-high.zip", kCorrupted, "missing");
    bad("zip command encrypted", "zip-command-encrypted.zip", encrypted);
    bad("encrypted refused before local header", "encrypted-flag-bad-local-offset.zip", encrypted);
    bad("local header bad signature", "local-header-bad-signature.zip", kLocalHeader);
    bad("local lengths past end", "local-lengths-past-end.zip", kIncomplete);
    bad("compressed size past end", "compressed-size-past-end.zip", kIncomplete);
    bad("stored bad crc", "stored-bad-crc.zip", kCheckFailed);
    bad("deflated bad crc", "deflated-bad-crc.zip", kCheckFailed);
    bad("stored size mismatch", "stored-size-mismatch.zip", kCheckFailed);
    bad("deflated truncated stream", "deflated-truncated-stream.zip", kInflateFailed);
    bad("deflated declares more", "deflated-declares-more.zip", kInflateFailed);
    bad("deflated declares less", "deflated-declares-less.zip", kInflateFailed);
    bad("deflated impossible ratio", "deflated-impossible-ratio.zip", kInflateFailed);
    bad("deflated zip64 markers", "deflated-zip64-markers.zip", kIncomplete);
    bad("deflated size beyond int", "deflated-size-beyond-int.zip", kInflateFailed);
    bad("python bzip2 method", "python-bzip2.zip", QStringLiteral("不支持的 ZIP 压缩算法：12"));
    bad("unknown method", "unknown-method-99.zip", QStringLiteral("不支持的 ZIP 压缩算法：99"));
}

void TestZipArchive::readsFixture()
{
    QFETCH(QString, file);
    QFETCH(QString, entry);
    QFETCH(QByteArray, expected);
    QFETCH(QString, error);

    QString message;
    const QByteArray result = readAllWays(fixture(file), entry, &message);
    QCOMPARE(message, error);
    QCOMPARE(result, expected);
}

void TestZipArchive::readsGeneratedArchive_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("error");

    const QByteArray base = readFile(fixture("python-deflated.zip"));
    const QByteArray document = documentContent();
    QByteArray commented = base;
    qToLittleEndian<quint16>(65535, commented.data() + commented.size() - 2);
    QTest::newRow("65535-byte comment") << commented + QByteArray(65535, 'c') << document << QString();
    QTest::newRow("65535 bytes trailing") << base + QByteArray(65535, '\0') << document << QString();
    QTest::newRow("65536 bytes trailing") << base + QByteArray(65536, '\0') << QByteArray() << kNoDirectory;

    QByteArray big;
    for (int i = 0; big.size() < 3 * 1024 * 1024; ++i)
        big += "<w:p><w:r><w:t>paragraph " + QByteArray::number(i) + "</w:t></w:r></w:p>";
    QTest::newRow("3 MiB deflated entry")
        << deflatedZipArchive({{kDocument.toUtf8(), big}}) << big << QString();
}

void TestZipArchive::readsGeneratedArchive()
{
    QFETCH(QByteArray, archive);
    QFETCH(QByteArray, expected);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("archive.zip"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(archive), archive.size());
    file.close();

    QString message;
    const QByteArray result = readAllWays(file.fileName(), kDocument, &message);
    QCOMPARE(message, error);
    QCOMPARE(result.size(), expected.size());
    QVERIFY(result == expected);
}

void TestZipArchive::reportsOpenError()
{
    const QString path = fixture("does-not-exist.zip");
    QFile file(path);
    QVERIFY(!file.open(QIODevice::ReadOnly));
    QString message;
    QVERIFY(ZipArchive::readEntry(path, kDocument, &message).isEmpty());
    QCOMPARE(message, file.errorString());
    QVERIFY(!message.isEmpty());
    QVERIFY(ZipArchive::readEntry(fixture("deflated-bad-crc.zip"), kDocument).isEmpty()); // no error pointer
}

void TestZipArchive::refusesEntryAboveCallerLimit()
{
    const QString path = fixture("python-deflated.zip");
    const qint64 size = documentContent().size();
    QString message;
    QVERIFY(ZipArchive::readEntry(path, kDocument, &message, size - 1).isEmpty());
    QCOMPARE(message, kInflateFailed);
    QCOMPARE(ZipArchive::readEntry(path, kDocument, nullptr, size), documentContent());
}

void TestZipArchive::streamStopsDeliveringButStillVerifies_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("pieces");

    QByteArray big;
    for (int i = 0; big.size() < 1024 * 1024; ++i)
        big += QByteArray::number(i * 7919) + ' ';
    const QByteArray archive = deflatedZipArchive({{kDocument.toUtf8(), big}});
    QTest::newRow("intact") << archive << QString() << 1;
    QByteArray badCrc = archive;
    badCrc[badCrc.indexOf("PK\x01\x02") + 16] = char(badCrc[badCrc.indexOf("PK\x01\x02") + 16] ^ 1);
    QTest::newRow("bad crc after the first piece") << badCrc << kCheckFailed << 1;
    QByteArray badTail = archive;
    const qsizetype dataEnd = archive.indexOf("PK\x01\x02");
    badTail[dataEnd - 3] = char(badTail[dataEnd - 3] ^ 0x55);
    QTest::newRow("damaged stream tail") << badTail << QString("damaged") << 1;
    // Refused before anything is inflated or allocated.
    QTest::newRow("impossible ratio delivers nothing")
        << readFile(fixture("deflated-impossible-ratio.zip")) << kInflateFailed << 0;
}

void TestZipArchive::streamStopsDeliveringButStillVerifies()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, error);

    int pieces = 0;
    QString message;
    const bool intact = ZipArchive::streamEntryFromData(
        archive, kDocument,
        [&](QByteArrayView chunk) {
            ++pieces;
            return chunk.isEmpty();
        },
        &message);
    QTEST(pieces, "pieces");
    QCOMPARE(intact, error.isEmpty());
    if (error == "damaged")
        QVERIFY(message == kInflateFailed || message == kCheckFailed);
    else
        QCOMPARE(message, error);
}

// QTEST_MAIN: the test runner passes -platform, which only a GUI application accepts.
QTEST_MAIN(TestZipArchive)
#include "tst_zip_archive.moc"
