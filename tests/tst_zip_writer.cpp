#include "support/guiless_test_main.h"
#include "support/test_files.h"
#include "zip/zip_archive.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

class TestZipWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QList<ZipEntry>>("entries");
        QTest::addColumn<int>("method"); // of the first entry
        QTest::addColumn<QString>("error");
        const QByteArray xml = QByteArray("<row r=\"1\"/>").repeated(500);
        QByteArray noise(4096, '\0'); // stands for already compressed data
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QList<ZipEntry> many;
        for (int i = 0; i < 0xFFFF; ++i)
            many.append({QString::number(i), QByteArray::number(i)});
        const ZipEntry last{QStringLiteral("last.txt"), "last"};
        const QString invalid = QStringLiteral("ZIP 条目过大或名称无效");
        QTest::newRow("no entries: the end record alone") << QList<ZipEntry>() << -1 << QString();
        QTest::newRow("65535 entries") << many << 0 << QString();
        QTest::newRow("empty data stored") << QList<ZipEntry>{{"empty.txt", {}}, last} << 0 << QString();
        QTest::newRow("incompressible data stored")
            << QList<ZipEntry>{{"image.jpg", noise}, last} << 0 << QString();
        QTest::newRow("UTF-8 name, deflated")
            << QList<ZipEntry>{{QStringLiteral("报价/明细 ü.xml"), xml}, last} << 8 << QString();
        QTest::newRow("65535-byte name")
            << QList<ZipEntry>{{QString(0xFFFF, QLatin1Char('n')), "x"}, last} << 0 << QString();
        // A refused archive leaves the previous file as it was.
        QTest::newRow("empty name after a written entry")
            << QList<ZipEntry>{last, {QString(), "x"}} << 0 << invalid;
        QTest::newRow("name over 65535 bytes")
            << QList<ZipEntry>{{QString(0x10000, QLatin1Char('n')), "x"}} << 0 << invalid;
        QTest::newRow("65536 entries")
            << many + QList<ZipEntry>{last} << 0 << QStringLiteral("ZIP 文件数量过多");
    }

    // Our reader gets the entries back intact; the end record counts them; the first local header
    // holds the UTF-8 flag, the method and a zero time and date. A failure leaves no temporary file.
    void roundTrip()
    {
        QFETCH(QList<ZipEntry>, entries);
        QFETCH(int, method);
        QFETCH(QString, error);
        const QString path = dir.filePath(QStringLiteral("round.zip"));
        QVERIFY(!writeFile(path, "previous").isEmpty());
        QString message;
        QCOMPARE(ZipArchive::writeArchive(path, entries, &message), error.isEmpty());
        QCOMPARE(message, error);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
        const QByteArray archive = readFile(path);
        QCOMPARE(archive == "previous", !error.isEmpty());
        if (!error.isEmpty())
            return;
        QCOMPARE(archive.right(22).left(4), QByteArray("PK\x05\x06"));
        QCOMPARE(qFromLittleEndian<quint16>(archive.constData() + archive.size() - 12),
                 quint16(entries.size()));
        QCOMPARE(archive.size() == 22, entries.isEmpty());
        if (entries.isEmpty())
            return;
        QCOMPARE(ZipArchive::readEntry(path, entries.first().name, &message), entries.first().data);
        QCOMPARE(ZipArchive::readEntry(path, entries.last().name, &message), entries.last().data);
        QCOMPARE(qFromLittleEndian<quint16>(archive.constData() + 6), quint16(0x0800));
        QCOMPARE(qFromLittleEndian<quint16>(archive.constData() + 8), quint16(method));
        QCOMPARE(qFromLittleEndian<quint32>(archive.constData() + 10), 0u);
    }
};

ORVANTA_GUILESS_TEST_MAIN(TestZipWriter)
#include "tst_zip_writer.moc"
