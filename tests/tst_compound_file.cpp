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

// What a damage row may change, and where the structures are.
struct Target
{
    const TestCompoundFile &file;
    QByteArray &b;
    qint64 root;   // root directory entry
    qint64 entry;  // the stream's directory entry
    quint32 start; // the stream's first sector or mini sector
};
using Damage = void (*)(Target &);

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestCompoundFileReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEveryStream_data();
    void readsEveryStream();
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

void TestCompoundFileReader::comparesNamesAsTheFormatDoes_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    const auto row = [](const char *name, const QString &a, const QString &b, int order) {
        QTest::newRow(name) << a << b << order;
    };
    row("shorter name first even when later in the alphabet", "ZZ", "aaa", -1);
    row("case does not matter", "WordDocument", "WORDdocument", 0);
    row("compared after upper-casing", "_", "a", 1);
    row("control character prefix", "\x05SummaryInformation", "\x05SummaryInformatioN", 0);
    row("non-ASCII letters are upper-cased too", "é", "É", 0);
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
    QTest::addColumn<int>("version");
    QTest::addColumn<uint>("minFatSectors");
    QTest::addColumn<QString>("stream");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("size"); // -1: the stream is not available
    const auto row = [](const char *name, const char *stream, bool opens, Damage damage, int version = 3,
                        uint minFatSectors = 1, int size = -1) {
        QTest::newRow(name) << version << minFatSectors << QString(stream) << damage << opens << size;
    };
    const uint withDifat = 250; // FAT sectors, so that the header's 109 slots overflow into DIFAT sectors
    row("bad signature", "Small", false, [](Target &t) { t.b[0] = 0; });
    row("truncated header", "Small", false, [](Target &t) { t.b.truncate(300); });
    row("unknown major version", "Small", false, [](Target &t) { putU16(t.b, 26, 5); });
    row("version 3 with 4096-byte sectors", "Small", false, [](Target &t) { putU16(t.b, 30, 12); });
    row("FAT sector count beyond the file", "Small", false, [](Target &t) { putU32(t.b, 44, 0x00FFFFFF); });
    row("FAT sector number past the end", "Small", false, [](Target &t) { putU32(t.b, 76, 0x00100000); });
    row(
        "DIFAT chain loops", "Small", false,
        [](Target &t) {
            const quint32 first = getU32(t.b, 68);
            putU32(t.b, t.file.sectorSize * (qint64(first) + 2) - 4, first);
        },
        3, withDifat);
    row(
        "DIFAT sector past the end", "Small", false, [](Target &t) { putU32(t.b, 68, 0x7FFFFFF0); }, 3,
        withDifat);
    row("directory chain loops", "Small", false, [](Target &t) {
        const quint32 sector = quint32(t.root / t.file.sectorSize - 1);
        putU32(t.b, fatEntryOffset(t.file, sector + 1), sector);
    });
    row("first entry is not the root", "Small", false, [](Target &t) { t.b[t.root + 66] = 1; });
    row("mini stream larger than the file", "Small", false,
        [](Target &t) { putU32(t.b, t.root + 120, 0x00100000); });
    row("mini stream longer than its chain", "Small", false,
        [](Target &t) { putU32(t.b, t.root + 120, getU32(t.b, t.root + 120) + quint32(t.file.sectorSize)); });
    row("FAT chain loops", "Large", true,
        [](Target &t) { putU32(t.b, fatEntryOffset(t.file, t.start + 5), t.start); });
    row("FAT chain points past the end", "Large", true,
        [](Target &t) { putU32(t.b, fatEntryOffset(t.file, t.start + 2), 0x00FFFFFF); });
    row("FAT chain ends early", "Large", true,
        [](Target &t) { putU32(t.b, fatEntryOffset(t.file, t.start + 2), testcfb::endOfChain); });
    row("FAT chain runs into a free sector", "Large", true,
        [](Target &t) { putU32(t.b, fatEntryOffset(t.file, t.start + 2), testcfb::freeSector); });
    row("stream starts past the end", "Large", true,
        [](Target &t) { putU32(t.b, t.entry + 116, 0x00FFFFFF); });
    row("stream larger than the file", "Large", true,
        [](Target &t) { putU32(t.b, t.entry + 120, 0x10000000); });
    row(
        "stream size above 2^31 - 1", "Large", true,
        [](Target &t) { putU32(t.b, t.entry + 120, 0x80000000); }, 4);
    row(
        "stream size above 4 GiB in version 4", "Large", true,
        [](Target &t) { putU32(t.b, t.entry + 124, 1); }, 4);
    row(
        "upper size half ignored in version 3", "Large", true,
        [](Target &t) { putU32(t.b, t.entry + 124, 0xDEADBEEF); }, 3, 1, 5000);
    row("mini chain loops", "Small", true,
        [](Target &t) { putU32(t.b, t.file.miniFatOffset + 4 * (qint64(t.start) + 2), t.start); });
    row("mini sector past the mini stream", "Small", true,
        [](Target &t) { putU32(t.b, t.file.miniFatOffset + 4 * (qint64(t.start) + 1), 0x7FFF); });
    row("mini stream too small for the stream", "Small", true,
        [](Target &t) { putU32(t.b, t.root + 120, 200); });
    row("directory tree loops", "Tiny", true, [](Target &t) {
        const qint64 top = t.root + 128 * qint64(getU32(t.b, t.root + 76));
        putU32(t.b, top + 68, getU32(t.b, t.root + 76));
        putU32(t.b, top + 72, getU32(t.b, t.root + 76));
    });
    row("tree child past the directory", "Tiny", true, [](Target &t) { putU32(t.b, t.root + 76, 1000); });
    row("tree reaches an unused entry", "Tiny", true, [](Target &t) { putU32(t.b, t.root + 76, 7); });
    row("storage where a stream is expected", "Tiny", true, [](Target &t) { t.b[t.entry + 66] = 1; });
}

void TestCompoundFileReader::rejectsDamage()
{
    QFETCH(int, version);
    QFETCH(uint, minFatSectors);
    QFETCH(QString, stream);
    QFETCH(Damage, damage);
    TestCompoundFile file = buildCompoundFile(standardStreams(), version, minFatSectors);
    Target target{file, file.bytes, file.directoryOffset, entryOffset(file, streamIndex(stream)),
                  file.startSectors.at(streamIndex(stream))};
    damage(target);

    QElapsedTimer timer;
    timer.start();
    const Reading reading = readFrom(file.bytes, stream);
    QTEST(reading.opened, "opens");
    QTEST(reading.data ? int(reading.data->size()) : -1, "size");
    QVERIFY(timer.elapsed() < 2000);
}

// A GUI application object so that the "-platform offscreen" the test runner passes is understood.
QTEST_MAIN(TestCompoundFileReader)
#include "tst_compound_file.moc"
