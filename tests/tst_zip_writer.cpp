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

quint16 u16At(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

} // namespace

class TestZipWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(dir.isValid()); }
    void roundTrip_data();
    void roundTrip();
    void emptyListIsEndRecordOnly();
    void entryCountLimit();
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
    QByteArray random(4096, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
    QTest::newRow("empty data stored") << "empty.txt" << QByteArray() << 0;
    QTest::newRow("short text stored") << "a.txt" << QByteArray("abc") << 0;
    QTest::newRow("incompressible data stored") << "noise.bin" << random << 0;
    QTest::newRow("repetitive XML deflated")
        << "xl/worksheets/sheet1.xml" << QByteArray("<row r=\"1\"/>").repeated(500) << 8;
    QTest::newRow("UTF-8 name") << QStringLiteral("报价/明细 ü.xml") << QByteArray("<x/>").repeated(50) << 8;
    QTest::newRow("65535-byte name") << QString(0xFFFF, QLatin1Char('n')) << QByteArray("x") << 0;
}

// Our reader gets every entry back intact; the local header holds the method, the UTF-8 flag and
// a zero time and date.
void TestZipWriter::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    QFETCH(int, method);
    const QString path = dir.filePath(QStringLiteral("round.zip"));
    const QList<ZipEntry> entries{{QStringLiteral("first.txt"), "first"}, {name, data}};
    QString error;
    QVERIFY2(ZipArchive::writeArchive(path, entries, &error), qPrintable(error));
    for (const ZipEntry &entry : entries) {
        QCOMPARE(ZipArchive::readEntry(path, entry.name, &error), entry.data);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    const QByteArray archive = readFile(path);
    const int second = 30 + 9 + 5; // after the first entry's header, name and stored data
    QCOMPARE(u16At(archive, second + 6), quint16(0x0800));
    QCOMPARE(u16At(archive, second + 8), quint16(method));
    QCOMPARE(qFromLittleEndian<quint32>(archive.constData() + second + 10), 0u);
}

void TestZipWriter::emptyListIsEndRecordOnly()
{
    const QString path = dir.filePath(QStringLiteral("empty.zip"));
    QVERIFY(ZipArchive::writeArchive(path, {}));
    QCOMPARE(readFile(path), QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
}

void TestZipWriter::entryCountLimit()
{
    QList<ZipEntry> entries;
    for (int i = 0; i < 0xFFFF; ++i)
        entries.append({QString::number(i), QByteArray::number(i)});
    const QString path = dir.filePath(QStringLiteral("many.zip"));
    QVERIFY(ZipArchive::writeArchive(path, entries));
    QCOMPARE(ZipArchive::readEntry(path, QStringLiteral("65534")), QByteArray("65534"));
    QCOMPARE(u16At(readFile(path).right(22), 10), quint16(0xFFFF));

    entries.append({QStringLiteral("one too many"), "x"});
    const QString refused = dir.filePath(QStringLiteral("refused.zip"));
    QString error;
    QVERIFY(!ZipArchive::writeArchive(refused, entries, &error));
    QCOMPARE(error, QStringLiteral("ZIP 文件数量过多"));
    QVERIFY(!QFile::exists(refused));
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
    QTest::newRow("too many entries")
        << QList<ZipEntry>(0x10000, valid) << QStringLiteral("ZIP 文件数量过多");
}

void TestZipWriter::failureKeepsPreviousFile()
{
    QFETCH(QList<ZipEntry>, entries);
    QFETCH(QString, error);
    const QString path = dir.filePath(QStringLiteral("previous.xlsx"));
    QFile previous(path);
    QVERIFY(previous.open(QIODevice::WriteOnly) && previous.write("previous content") == 16);
    previous.close();
    QString message;
    QVERIFY(!ZipArchive::writeArchive(path, entries, &message));
    QCOMPARE(message, error);
    QCOMPARE(readFile(path), QByteArray("previous content"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("previous.xlsx*")}, QDir::Files).size(), 1);
}

ORVANTA_GUILESS_TEST_MAIN(TestZipWriter)
#include "tst_zip_writer.moc"
