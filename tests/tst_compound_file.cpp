#include "analysis/compound_file.h"
#include "compound_file_builder.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTest>

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray data(size, Qt::Uninitialized);
    quint32 state = quint32(seed) * 2654435761u + 1;
    for (int i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        data[i] = char(state >> 24);
    }
    return data;
}

// Small goes to the mini stream, Large and Cutoff to regular sectors.
QList<TestStream> standardStreams()
{
    return {{QStringLiteral("Small"), pattern(300, 1)},
            {QStringLiteral("Large"), pattern(5000, 2)},
            {QStringLiteral("Cutoff"), pattern(4096, 3)},
            {QStringLiteral("Tiny"), pattern(1, 4)},
            {QStringLiteral("Empty"), QByteArray()}};
}

struct Reading
{
    bool opened = false;
    std::optional<QByteArray> data;
};

Reading readFrom(QByteArray bytes, const QString &name)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CompoundFile file(&buffer);
    Reading reading;
    reading.opened = file.open();
    if (reading.opened)
        reading.data = file.readStream(name);
    return reading;
}

int streamIndex(const QString &name)
{
    const QList<TestStream> streams = standardStreams();
    for (int i = 0; i < streams.size(); ++i) {
        if (streams.at(i).name == name)
            return i;
    }
    return -1;
}

quint32 sectorAt(const TestCompoundFile &file, qint64 offset)
{
    return quint32(offset / file.sectorSize - 1);
}

} // namespace

class TestCompoundFileReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEveryStream_data();
    void readsEveryStream();
    void ignoresUpperSizeHalfInVersion3();
    void comparesNamesAsTheFormatDoes_data();
    void comparesNamesAsTheFormatDoes();
    void looksUpNames_data();
    void looksUpNames();
    void rejectsDamage_data();
    void rejectsDamage();
};

void TestCompoundFileReader::readsEveryStream_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<uint>("minFatSectors");
    QTest::newRow("version 3") << 3 << 1u;
    QTest::newRow("version 4") << 4 << 1u;
    QTest::newRow("version 3, FAT continued in one DIFAT sector") << 3 << 130u;
    QTest::newRow("version 3, FAT continued in two DIFAT sectors") << 3 << 250u;
    QTest::newRow("version 4, FAT continued in a DIFAT sector") << 4 << 115u;
}

void TestCompoundFileReader::readsEveryStream()
{
    QFETCH(int, version);
    QFETCH(uint, minFatSectors);
    const TestCompoundFile file = buildCompoundFile(standardStreams(), version, minFatSectors);
    QCOMPARE(file.fatSectorCount >= minFatSectors, true);
    for (const TestStream &stream : standardStreams()) {
        const Reading reading = readFrom(file.bytes, stream.name);
        QVERIFY(reading.opened);
        if (stream.data.isEmpty()) {
            QVERIFY2(!reading.data, "an empty stream counts as not available");
            continue;
        }
        QVERIFY2(reading.data.has_value(), qPrintable(stream.name));
        QCOMPARE(*reading.data, stream.data);
    }
}

void TestCompoundFileReader::ignoresUpperSizeHalfInVersion3()
{
    TestCompoundFile file = buildCompoundFile(standardStreams(), 3);
    putU32(file.bytes, entryOffset(file, streamIndex(QStringLiteral("Large"))) + 124, 0xDEADBEEF);
    const Reading reading = readFrom(file.bytes, QStringLiteral("Large"));
    QVERIFY(reading.data.has_value());
    QCOMPARE(reading.data->size(), 5000);
}

void TestCompoundFileReader::comparesNamesAsTheFormatDoes_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("shorter name first even when later in the alphabet") << "ZZ"
                                                                        << "aaa" << -1;
    QTest::newRow("case does not matter") << "WordDocument"
                                          << "WORDdocument" << 0;
    QTest::newRow("compared after upper-casing") << "_"
                                                 << "a" << 1;
    QTest::newRow("control character prefix") << "\x05SummaryInformation"
                                              << "\x05SummaryInformatioN" << 0;
    QTest::newRow("non-ASCII letters are upper-cased too")
        << QString::fromUtf8("é") << QString::fromUtf8("É") << 0;
}

void TestCompoundFileReader::comparesNamesAsTheFormatDoes()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(compareDirectoryNames(a, b), order);
    QCOMPARE(compareDirectoryNames(b, a), -order);
}

void TestCompoundFileReader::looksUpNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("exact") << "WordDocument" << true;
    QTest::newRow("lower case") << "worddocument" << true;
    QTest::newRow("upper case") << "1TABLE" << true;
    QTest::newRow("control character name") << "\x05SummaryInformation" << true;
    QTest::newRow("prefix only") << "WordDocumen" << false;
    QTest::newRow("longer") << "WordDocuments" << false;
    QTest::newRow("missing") << "0Table" << false;
}

void TestCompoundFileReader::looksUpNames()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    QList<TestStream> streams;
    for (const char *n :
         {"WordDocument", "1Table", "\x05SummaryInformation", "\x05DocumentSummaryInformation", "\x01CompObj",
          "Data", "a", "zz", "Macros", "ObjectPoolX"})
        streams.append({QString::fromLatin1(n), QByteArray(n)});
    const Reading reading = readFrom(buildCompoundFile(streams).bytes, name);
    QVERIFY(reading.opened);
    QCOMPARE(reading.data.has_value(), found);
}

void TestCompoundFileReader::rejectsDamage_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("stream");

    QTest::newRow("bad signature") << "signature" << false << "Small";
    QTest::newRow("truncated header") << "short-header" << false << "Small";
    QTest::newRow("unknown major version") << "version" << false << "Small";
    QTest::newRow("version 3 with 4096-byte sectors") << "sector-shift" << false << "Small";
    QTest::newRow("FAT sector count beyond the file") << "fat-count" << false << "Small";
    QTest::newRow("FAT sector number past the end") << "fat-sector" << false << "Small";
    QTest::newRow("DIFAT chain loops") << "difat-loop" << false << "Small";
    QTest::newRow("DIFAT sector past the end") << "difat-sector" << false << "Small";
    QTest::newRow("directory chain loops") << "directory-loop" << false << "Small";
    QTest::newRow("first entry is not the root") << "root-type" << false << "Small";
    QTest::newRow("mini stream larger than the file") << "mini-stream-huge" << false << "Small";
    QTest::newRow("mini stream longer than its chain") << "mini-stream-long" << false << "Small";
    QTest::newRow("FAT chain loops") << "fat-loop" << true << "Large";
    QTest::newRow("FAT chain points past the end") << "fat-past-end" << true << "Large";
    QTest::newRow("FAT chain ends early") << "fat-short" << true << "Large";
    QTest::newRow("FAT chain runs into a free sector") << "fat-free" << true << "Large";
    QTest::newRow("stream starts past the end") << "start-past-end" << true << "Large";
    QTest::newRow("stream larger than the file") << "size-huge" << true << "Large";
    QTest::newRow("stream size above 2^31 - 1") << "size-2g" << true << "Large";
    QTest::newRow("stream size above 4 GiB in version 4") << "size-4g" << true << "Large";
    QTest::newRow("mini chain loops") << "mini-loop" << true << "Small";
    QTest::newRow("mini sector past the mini stream") << "mini-past-end" << true << "Small";
    QTest::newRow("mini stream too small for the stream") << "mini-stream-short" << true << "Small";
    QTest::newRow("directory tree loops") << "tree-loop" << true << "Tiny";
    QTest::newRow("tree child past the directory") << "tree-past-end" << true << "Tiny";
    QTest::newRow("tree reaches an unused entry") << "tree-unused" << true << "Tiny";
    QTest::newRow("storage where a stream is expected") << "storage" << true << "Tiny";
}

void TestCompoundFileReader::rejectsDamage()
{
    QFETCH(QString, fault);
    QFETCH(bool, opens);
    QFETCH(QString, stream);

    const bool difat = fault.startsWith(QLatin1String("difat"));
    const int version = fault == QLatin1String("size-4g") || fault == QLatin1String("size-2g") ? 4 : 3;
    TestCompoundFile file = buildCompoundFile(standardStreams(), version, difat ? 250 : 1);
    QByteArray &b = file.bytes;
    const qint64 root = file.directoryOffset;
    const qint64 entry = entryOffset(file, streamIndex(stream));
    const quint32 start = file.startSectors.at(streamIndex(stream));
    const quint32 directorySector = sectorAt(file, root);
    const quint32 firstDifat = getU32(b, 68);

    if (fault == QLatin1String("signature"))
        b[0] = 0;
    else if (fault == QLatin1String("short-header"))
        b.truncate(300);
    else if (fault == QLatin1String("version"))
        putU16(b, 26, 5);
    else if (fault == QLatin1String("sector-shift"))
        putU16(b, 30, 12);
    else if (fault == QLatin1String("fat-count"))
        putU32(b, 44, 0x00FFFFFF);
    else if (fault == QLatin1String("fat-sector"))
        putU32(b, 76, 0x00100000);
    else if (fault == QLatin1String("difat-loop"))
        putU32(b, file.sectorSize * (qint64(firstDifat) + 2) - 4, firstDifat);
    else if (fault == QLatin1String("difat-sector"))
        putU32(b, 68, 0x7FFFFFF0);
    else if (fault == QLatin1String("directory-loop"))
        putU32(b, fatEntryOffset(file, directorySector + 1), directorySector);
    else if (fault == QLatin1String("root-type"))
        b[root + 66] = 1;
    else if (fault == QLatin1String("mini-stream-huge"))
        putU32(b, root + 120, 0x00100000);
    else if (fault == QLatin1String("mini-stream-long"))
        putU32(b, root + 120, getU32(b, root + 120) + quint32(file.sectorSize));
    else if (fault == QLatin1String("fat-loop"))
        putU32(b, fatEntryOffset(file, start + 5), start);
    else if (fault == QLatin1String("fat-past-end"))
        putU32(b, fatEntryOffset(file, start + 2), 0x00FFFFFF);
    else if (fault == QLatin1String("fat-short"))
        putU32(b, fatEntryOffset(file, start + 2), testcfb::endOfChain);
    else if (fault == QLatin1String("fat-free"))
        putU32(b, fatEntryOffset(file, start + 2), testcfb::freeSector);
    else if (fault == QLatin1String("start-past-end"))
        putU32(b, entry + 116, 0x00FFFFFF);
    else if (fault == QLatin1String("size-huge"))
        putU32(b, entry + 120, 0x10000000);
    else if (fault == QLatin1String("size-2g"))
        putU32(b, entry + 120, 0x80000000);
    else if (fault == QLatin1String("size-4g"))
        putU32(b, entry + 124, 1);
    else if (fault == QLatin1String("mini-loop"))
        putU32(b, file.miniFatOffset + 4 * (qint64(start) + 2), start);
    else if (fault == QLatin1String("mini-past-end"))
        putU32(b, file.miniFatOffset + 4 * (qint64(start) + 1), 0x7FFF);
    else if (fault == QLatin1String("mini-stream-short"))
        putU32(b, root + 120, 200);
    else if (fault == QLatin1String("tree-loop")) {
        const quint32 top = getU32(b, root + 76);
        putU32(b, root + 128 * qint64(top) + 68, top);
        putU32(b, root + 128 * qint64(top) + 72, top);
    } else if (fault == QLatin1String("tree-past-end"))
        putU32(b, root + 76, 1000);
    else if (fault == QLatin1String("tree-unused"))
        putU32(b, root + 76, 7);
    else if (fault == QLatin1String("storage"))
        b[entry + 66] = 1;
    else
        QFAIL("unknown fault");

    QElapsedTimer timer;
    timer.start();
    const Reading reading = readFrom(b, stream);
    QCOMPARE(reading.opened, opens);
    QVERIFY(!reading.data.has_value());
    QVERIFY(timer.elapsed() < 2000);
}

// A GUI application object so that the "-platform offscreen" the test runner passes is understood.
QTEST_MAIN(TestCompoundFileReader)
#include "tst_compound_file.moc"
