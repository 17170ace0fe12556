#include "support/test_files.h"
#include "table_row.h"
#include "zip/zip_archive.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

const QString kDocument = QStringLiteral("word/document.xml");

QByteArray fixture(const char *name)
{
    return readFile(testData(QStringLiteral("zip/") + QLatin1String(name)));
}

// What data/zip/generate.py puts into word/document.xml.
const QByteArray documentContent =
    QByteArray("<?xml version=\"1.0\"?><w:document><w:body><w:p/></w:body></w:document>\n").repeated(20);

qsizetype endRecord(const QByteArray &zip)
{
    return zip.lastIndexOf("PK\x05\x06");
}

// The central header of the named entry.
qsizetype central(const QByteArray &zip, const QByteArray &name = "word/document.xml")
{
    qsizetype at = zip.indexOf("PK\x01\x02");
    while (at >= 0 && zip.mid(at + 46, name.size()) != name)
        at = zip.indexOf("PK\x01\x02", at + 1);
    return at;
}

template <typename T> void put(QByteArray &zip, qsizetype at, T value)
{
    qToLittleEndian(value, zip.data() + at);
}

quint32 getU32(const QByteArray &zip, qsizetype at)
{
    return qFromLittleEndian<quint32>(zip.constData() + at);
}

QByteArray withComment(QByteArray zip, const QByteArray &comment)
{
    put<quint16>(zip, endRecord(zip) + 20, quint16(comment.size()));
    return zip + comment;
}

// The archive with one fault patched in; change gets the central header of word/document.xml.
QByteArray patched(QByteArray zip, void (*change)(QByteArray &, qsizetype))
{
    change(zip, central(zip));
    return zip;
}

} // namespace

class TestZipArchive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The file, memory and stream entry points must give the same answer.
    void readsEntry()
    {
        using Z = QByteArray &;
        using C = qsizetype;
        const QByteArray d = fixture("python-deflated.zip"), s = fixture("python-stored.zip"),
                         doc = documentContent;
        const QByteArray note = QStringLiteral("Grüße aus dem Archiv — 文档说明\n").toUtf8(),
                         empty = "PK\x05\x06" + QByteArray(18, 0);
        const QString w = kDocument, missing = QStringLiteral("ZIP 中不存在条目：%1"),
                      bad = QStringLiteral("ZIP 中央目录已损坏");
        const QString inflate = QStringLiteral("ZIP 条目解压失败"),
                      check = QStringLiteral("ZIP 条目校验失败");
        const QString incomplete = QStringLiteral("ZIP 条目数据不完整");
        QByteArray big;
        for (int i = 0; big.size() < 3 * 1024 * 1024; ++i)
            big += "<w:p><w:r><w:t>paragraph " + QByteArray::number(i) + "</w:t></w:r></w:p>";
        // clang-format off
        const struct { const char *name; QByteArray archive; QString entry; QByteArray expected; QString error; } rows[] = {
            {"python deflated", d, w, doc, {}}, {"empty entry", d, "empty.txt", "", {}}, {"python stored", s, w, doc, {}},
            {"python data descriptor", fixture("python-data-descriptor.zip"), w, doc, {}},
            {"python zip64 local header", fixture("python-force-zip64.zip"), w, doc, {}},
            {"zip command", fixture("zip-command.zip"), w, doc, {}},
            {"zip command unicode stored", fixture("zip-command.zip"), QStringLiteral("文档/说明.txt"), note, {}},
            {"zip command streamed", fixture("zip-command-streamed.zip"), w, doc, {}},
            {"first of duplicate names", fixture("duplicate-names.zip"), w, "first", {}},
            {"3 MiB deflated entry", zipArchive({{w, big}}), w, big, {}},
            {"end record copy in the comment", withComment(d, "note " + d.mid(endRecord(d))), w, doc, {}},
            {"65535-byte comment", withComment(d, QByteArray(65535, 'c')), w, doc, {}},
            {"65536 bytes trailing", d + QByteArray(65536, '\0'), w, {}, QStringLiteral("找不到 ZIP 中央目录")},
            {"no end record", d.left(endRecord(d)), w, {}, QStringLiteral("找不到 ZIP 中央目录")},
            {"empty end record in the comment", withComment(d, empty), w, {}, missing.arg(w)},
            {"name is case-sensitive", d, "word/Document.xml", {}, missing.arg("word/Document.xml")},
            {"21 bytes", d.right(21), w, {}, QStringLiteral("ZIP 文件过小或已损坏")},
            {"directory bad signature", patched(d, [](Z z, C c) { put<quint32>(z, c, 0x02014b51); }), w, {}, bad},
            {"directory name past the end", patched(d, [](Z z, C) { put<quint16>(z, central(z, "empty.txt") + 28, 60000); }),
             "missing", {}, bad},
            {"zip command encrypted", fixture("zip-command-encrypted.zip"), w, {}, QStringLiteral("不支持加密的 ZIP 条目")},
            {"local header bad signature", patched(d, [](Z z, C c) { put<quint32>(z, getU32(z, c + 42), 0x04034b00); }), w,
             {}, QStringLiteral("ZIP 本地文件头已损坏")},
            {"compressed size past the end", patched(d, [](Z z, C c) { put<quint32>(z, c + 20, z.size()); }), w, {}, incomplete},
            {"deflated bad crc", patched(d, [](Z z, C c) { put<quint32>(z, c + 16, 0x12345678); }), w, {}, check},
            {"stored size mismatch", patched(s, [](Z z, C c) { put<quint32>(z, c + 24, getU32(z, c + 24) + 1); }), w, {}, check},
            {"deflated truncated stream", patched(d, [](Z z, C c) { put<quint32>(z, c + 20, 10); }), w, {}, inflate},
            {"deflated declares more", patched(d, [](Z z, C c) { put<quint32>(z, c + 24, getU32(z, c + 24) + 1); }), w, {}, inflate},
            {"deflated declares less", patched(d, [](Z z, C c) { put<quint32>(z, c + 24, getU32(z, c + 24) - 1); }), w, {}, inflate},
            {"impossible deflate ratio", patched(d, [](Z z, C c) { put<quint32>(z, c + 24, 2000000000); }), w, {}, inflate},
            {"bzip2 method", fixture("python-bzip2.zip"), w, {}, QStringLiteral("不支持的 ZIP 压缩算法：12")}};
        // clang-format on
        QTemporaryDir dir;
        for (const auto &row : rows) {
            QFile file(dir.filePath("archive.zip"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(row.archive) == row.archive.size());
            file.close();
            QString fileError, dataError, streamError;
            const QByteArray fromFile = ZipArchive::readEntry(file.fileName(), row.entry, &fileError);
            const QByteArray fromData = ZipArchive::readEntryFromData(row.archive, row.entry, &dataError);
            QByteArray streamed;
            const bool intact = ZipArchive::streamEntry(
                file.fileName(), row.entry,
                [&](QByteArrayView chunk) { return streamed.append(chunk), true; }, &streamError);
            ROW_COMPARE(row.name, QStringList({fileError, dataError, streamError, intact ? "intact" : ""}),
                        QStringList({row.error, row.error, row.error, row.error.isEmpty() ? "intact" : ""}));
            QVERIFY2(fromFile == row.expected && fromData == row.expected &&
                         (!intact || streamed == row.expected),
                     row.name);
        }
    }

    void callerLimitAndOpenError()
    {
        const QString path = QStringLiteral(ORVANTA_TEST_DATA_DIR "/zip/python-deflated.zip");
        QString message;
        QVERIFY(ZipArchive::readEntry(path, kDocument, &message, documentContent.size() - 1).isEmpty());
        QCOMPARE(message, QStringLiteral("ZIP 条目解压失败"));
        QCOMPARE(ZipArchive::readEntry(path, kDocument, nullptr, documentContent.size()), documentContent);
        QFile missing(path + "-missing");
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        QVERIFY(ZipArchive::readEntry(missing.fileName(), kDocument, &message).isEmpty());
        QCOMPARE(message, missing.errorString());
    }

    // A sink that declines after the first piece still gets the entry verified; an impossible ratio
    // is refused before anything is inflated.
    void streamStopsDeliveringButStillVerifies()
    {
        QByteArray big;
        for (int i = 0; big.size() < 1024 * 1024; ++i)
            big += QByteArray::number(i * 7919) + ' ';
        const QByteArray zip = zipArchive({{kDocument, big}});
        using Z = QByteArray &;
        // clang-format off
        const struct { const char *name; QByteArray archive; QStringList errors; int pieces; } rows[] = {
            {"intact", zip, {""}, 1},
            {"bad crc", patched(zip, [](Z z, qsizetype c) { z[c + 16] = char(z[c + 16] ^ 1); }), {"ZIP 条目校验失败"}, 1},
            {"damaged stream tail", patched(zip, [](Z z, qsizetype c) { z[c - 3] = char(z[c - 3] ^ 0x55); }),
             {"ZIP 条目解压失败", "ZIP 条目校验失败"}, 1},
            {"impossible ratio", patched(zip, [](Z z, qsizetype c) { put<quint32>(z, c + 20, 100); }), {"ZIP 条目解压失败"}, 0}};
        // clang-format on
        for (const auto &row : rows) {
            int pieces = 0;
            QString message;
            const bool intact = ZipArchive::streamEntryFromData(
                row.archive, kDocument, [&](QByteArrayView chunk) { return ++pieces, chunk.isEmpty(); },
                &message);
            ROW_COMPARE(row.name, pieces, row.pieces);
            ROW_COMPARE(row.name, intact, message.isEmpty());
            QVERIFY2(row.errors.contains(message), qPrintable(message));
        }
    }
};

// QTEST_MAIN: the test runner passes -platform, which only a GUI application accepts.
QTEST_MAIN(TestZipArchive)
#include "tst_zip_archive.moc"
