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

quint16 u16At(const QByteArray &data, qsizetype offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

} // namespace

class TestZipWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void entryCountBounds_data();
    void entryCountBounds();
    void failureKeepsPreviousFile_data();
    void failureKeepsPreviousFile();

private:
    QTemporaryDir dir;
};

void TestZipWriter::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("method");
    const QByteArray xml = QByteArray("<row r=\"1\"/>").repeated(500);
    QTest::newRow("empty data stored") << "empty.txt" << QByteArray() << 0;
    QTest::newRow("short text stored") << "a.txt" << QByteArray("abc") << 0;
    QByteArray noise(4096, '\0'); // stands for already compressed data
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QTest::newRow("incompressible data stored") << "image.jpg" << noise << 0;
    QTest::newRow("repetitive XML deflated") << "xl/worksheets/sheet1.xml" << xml << 8;
    QTest::newRow("UTF-8 name") << QStringLiteral("报价/明细 ü.xml") << xml << 8;
    QTest::newRow("65535-byte name") << QString(0xFFFF, QLatin1Char('n')) << QByteArray("x") << 0;
}

// Our reader gets every entry back intact; the second local header holds the UTF-8 flag, the
// method and a zero time and date.
void TestZipWriter::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    QFETCH(int, method);
    const QString path = dir.filePath(QStringLiteral("round.zip"));
    const QList<ZipEntry> entries{{QStringLiteral("first.txt"), "first"}, {name, data}};
    QString error;
    QVERIFY2(ZipArchive::writeArchive(path, entries, &error), qPrintable(error));
    for (const ZipEntry &entry : entries)
        QCOMPARE(ZipArchive::readEntry(path, entry.name, &error), entry.data);
    const QByteArray archive = readFile(path);
    const int second = 30 + 9 + 5; // after the first entry's header, name and stored data
    QCOMPARE(u16At(archive, second + 6), quint16(0x0800));
    QCOMPARE(u16At(archive, second + 8), quint16(method));
    QCOMPARE(qFromLittleEndian<quint32>(archive.constData() + second + 10), 0u);
}

void TestZipWriter::entryCountBounds_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("no entries: the end record alone") << 0;
    QTest::newRow("65535 entries") << 0xFFFF;
}

void TestZipWriter::entryCountBounds()
{
    QFETCH(int, count);
    QList<ZipEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.append({QString::number(i), QByteArray::number(i)});
    const QString path = dir.filePath(QStringLiteral("count.zip"));
    QVERIFY(ZipArchive::writeArchive(path, entries));
    const QByteArray archive = readFile(path);
    QCOMPARE(archive.right(22).left(4), QByteArray("PK\x05\x06"));
    QCOMPARE(u16At(archive, archive.size() - 12), quint16(count));
    QCOMPARE(archive.size() == 22, count == 0);
    if (count > 0)
        QCOMPARE(ZipArchive::readEntry(path, QString::number(count - 1)), QByteArray::number(count - 1));
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
