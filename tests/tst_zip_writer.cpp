#include "support/guiless_test_main.h"
#include "zip/zip_archive.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestZipWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void failureKeepsPreviousFile_data();
    void failureKeepsPreviousFile();

private:
    QTemporaryDir dir;
};

void TestZipWriter::roundTrip_data()
{
    QTest::addColumn<QList<ZipEntry>>("entries");
    QTest::addColumn<int>("method"); // of the first entry
    const QByteArray xml = QByteArray("<row r=\"1\"/>").repeated(500);
    QByteArray noise(4096, '\0'); // stands for already compressed data
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QList<ZipEntry> many;
    for (int i = 0; i < 0xFFFF; ++i)
        many.append({QString::number(i), QByteArray::number(i)});
    const ZipEntry last{QStringLiteral("last.txt"), "last"};
    QTest::newRow("no entries: the end record alone") << QList<ZipEntry>() << -1;
    QTest::newRow("65535 entries") << many << 0;
    QTest::newRow("empty data stored") << QList<ZipEntry>{{"empty.txt", {}}, last} << 0;
    QTest::newRow("short text stored") << QList<ZipEntry>{{"a.txt", "abc"}, last} << 0;
    QTest::newRow("incompressible data stored") << QList<ZipEntry>{{"image.jpg", noise}, last} << 0;
    QTest::newRow("repetitive XML deflated") << QList<ZipEntry>{{"xl/worksheets/sheet1.xml", xml}, last} << 8;
    QTest::newRow("UTF-8 name") << QList<ZipEntry>{{QStringLiteral("报价/明细 ü.xml"), xml}, last} << 8;
    QTest::newRow("65535-byte name") << QList<ZipEntry>{{QString(0xFFFF, QLatin1Char('n')), "x"}, last} << 0;
}

// Our reader gets the entries back intact; the end record counts them; the first local header
// holds the UTF-8 flag, the method and a zero time and date.
void TestZipWriter::roundTrip()
{
    QFETCH(QList<ZipEntry>, entries);
    QFETCH(int, method);
    const QString path = dir.filePath(QStringLiteral("round.zip"));
    QString error;
    QVERIFY2(ZipArchive::writeArchive(path, entries, &error), qPrintable(error));
    const QByteArray archive = readFile(path);
    QCOMPARE(archive.right(22).left(4), QByteArray("PK\x05\x06"));
    QCOMPARE(qFromLittleEndian<quint16>(archive.constData() + archive.size() - 12), quint16(entries.size()));
    QCOMPARE(archive.size() == 22, entries.isEmpty());
    if (entries.isEmpty())
        return;
    QCOMPARE(ZipArchive::readEntry(path, entries.first().name, &error), entries.first().data);
    QCOMPARE(ZipArchive::readEntry(path, entries.last().name, &error), entries.last().data);
    QCOMPARE(qFromLittleEndian<quint16>(archive.constData() + 6), quint16(0x0800));
    QCOMPARE(qFromLittleEndian<quint16>(archive.constData() + 8), quint16(method));
    QCOMPARE(qFromLittleEndian<quint32>(archive.constData() + 10), 0u);
}

void TestZipWriter::failureKeepsPreviousFile_data()
{
    QTest::addColumn<QList<ZipEntry>>("entries");
    QTest::addColumn<QString>("error");
    const ZipEntry valid{QStringLiteral("a.xml"), QByteArray("<a/>").repeated(100)};
    const QString invalid = QStringLiteral("ZIP 条目过大或名称无效");
    QTest::newRow("empty name after a written entry") << QList<ZipEntry>{valid, {QString(), "x"}} << invalid;
    QTest::newRow("name over 65535 bytes")
        << QList<ZipEntry>{{QString(0x10000, QLatin1Char('n')), "x"}} << invalid;
    QTest::newRow("65536 entries") << QList<ZipEntry>(0x10000, valid) << QStringLiteral("ZIP 文件数量过多");
}

void TestZipWriter::failureKeepsPreviousFile()
{
    QFETCH(QList<ZipEntry>, entries);
    QFETCH(QString, error);
    const QString path = dir.filePath(QStringLiteral("previous.xlsx"));
    QFile previous(path);
    QVERIFY(previous.open(QIODevice::WriteOnly) && previous.write("previous") == 8);
    previous.close();
    QString message;
    QVERIFY(!ZipArchive::writeArchive(path, entries, &message));
    QCOMPARE(message, error);
    QCOMPARE(readFile(path), QByteArray("previous"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("previous.xlsx*")}, QDir::Files).size(), 1);
}

ORVANTA_GUILESS_TEST_MAIN(TestZipWriter)
#include "tst_zip_writer.moc"
