#pragma once

// Builds small, well-formed compound files in memory for the reader tests, and reports where the
// structures ended up so that a test can damage them on purpose.

#include "analysis/compound_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtEndian>

#include <algorithm>

struct TestStream
{
    QString name;
    QByteArray data;
};

struct TestCompoundFile
{
    QByteArray bytes;
    int sectorSize = 512;
    qint64 fatOffset = 0;        // file offset of the first FAT sector
    qint64 directoryOffset = 0;  // file offset of the root entry
    qint64 miniFatOffset = -1;   // file offset of the first mini FAT sector, -1 when none
    QList<quint32> startSectors; // per stream, in the order given
    quint32 fatSectorCount = 0;
};

inline void putU16(QByteArray &bytes, qint64 offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

inline void putU32(QByteArray &bytes, qint64 offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

inline quint32 getU32(const QByteArray &bytes, qint64 offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// Directory entry offset of stream i (entry i + 1; the root is entry 0).
inline qint64 entryOffset(const TestCompoundFile &file, int stream)
{
    return file.directoryOffset + 128 * qint64(stream + 1);
}

// FAT entry offset of a sector; FAT sectors are consecutive in these files.
inline qint64 fatEntryOffset(const TestCompoundFile &file, quint32 sector)
{
    return file.fatOffset + 4 * qint64(sector);
}

namespace testcfb {

constexpr quint32 freeSector = 0xFFFFFFFF;
constexpr quint32 endOfChain = 0xFFFFFFFE;
constexpr quint32 fatSector = 0xFFFFFFFD;
constexpr quint32 difatSector = 0xFFFFFFFC;
constexpr quint32 noStream = 0xFFFFFFFF;

// Links the sorted range [first, last) as a balanced binary tree; returns its root entry index.
inline quint32 linkTree(QList<int> &order, int first, int last, QList<quint32> &left, QList<quint32> &right)
{
    if (first >= last)
        return noStream;
    const int middle = (first + last) / 2;
    const int entry = order.at(middle);
    left[entry] = linkTree(order, first, middle, left, right);
    right[entry] = linkTree(order, middle + 1, last, left, right);
    return quint32(entry);
}

} // namespace testcfb

// version 3 (512-byte sectors) or 4 (4096-byte sectors); minFatSectors pads the FAT so that tests
// can force FAT sector numbers out of the header into DIFAT sectors.
inline TestCompoundFile buildCompoundFile(const QList<TestStream> &streams, int version = 3,
                                          quint32 minFatSectors = 1)
{
    using namespace testcfb;
    TestCompoundFile out;
    const int ss = version == 4 ? 4096 : 512;
    out.sectorSize = ss;
    const quint32 perFatSector = quint32(ss / 4);

    QList<quint32> fat;
    QByteArray body; // everything after the header, sector by sector
    auto allocate = [&](const QByteArray &data) {
        const quint32 first = quint32(fat.size());
        const int count = std::max(1, int((data.size() + ss - 1) / ss));
        for (int i = 0; i < count; ++i)
            fat.append(i + 1 < count ? first + quint32(i) + 1 : endOfChain);
        QByteArray padded = data;
        padded.append(QByteArray(count * ss - data.size(), '\0'));
        body.append(padded);
        return first;
    };

    QByteArray miniStream;
    QList<quint32> miniFat;
    for (const TestStream &stream : streams) {
        if (stream.data.isEmpty()) {
            out.startSectors.append(endOfChain);
        } else if (stream.data.size() >= 4096) {
            out.startSectors.append(allocate(stream.data));
        } else {
            const quint32 first = quint32(miniFat.size());
            const int count = int((stream.data.size() + 63) / 64);
            for (int i = 0; i < count; ++i)
                miniFat.append(i + 1 < count ? first + quint32(i) + 1 : endOfChain);
            miniStream.append(stream.data);
            miniStream.append(QByteArray(count * 64 - stream.data.size(), '\0'));
            out.startSectors.append(first);
        }
    }
    const quint32 miniStreamStart = miniStream.isEmpty() ? endOfChain : allocate(miniStream);
    QByteArray miniFatBytes;
    for (const quint32 entry : std::as_const(miniFat)) {
        miniFatBytes.append(QByteArray(4, '\0'));
        putU32(miniFatBytes, miniFatBytes.size() - 4, entry);
    }
    if (!miniFatBytes.isEmpty())
        miniFatBytes.append(QByteArray((ss - miniFatBytes.size() % ss) % ss, char(0xFF)));
    const quint32 miniFatStart = miniFatBytes.isEmpty() ? endOfChain : allocate(miniFatBytes);
    if (miniFatStart != endOfChain)
        out.miniFatOffset = ss + qint64(miniFatStart) * ss;

    // Directory: root, then the streams, linked into a balanced tree in the format's name order.
    const int entryCount = int(streams.size()) + 1;
    QList<int> order;
    for (int i = 1; i < entryCount; ++i)
        order.append(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return compareDirectoryNames(streams.at(a - 1).name, streams.at(b - 1).name) < 0;
    });
    QList<quint32> left(entryCount, noStream), right(entryCount, noStream);
    const quint32 rootChild = linkTree(order, 0, int(order.size()), left, right);
    const int perDirSector = ss / 128;
    QByteArray directory(((entryCount + perDirSector - 1) / perDirSector) * ss, '\0');
    for (int i = 0; i < directory.size() / 128; ++i) {
        const qint64 e = 128 * qint64(i);
        putU32(directory, e + 68, noStream);
        putU32(directory, e + 72, noStream);
        putU32(directory, e + 76, noStream);
        if (i >= entryCount)
            continue;
        const QString name = i == 0 ? QStringLiteral("Root Entry") : streams.at(i - 1).name;
        for (int c = 0; c < name.size(); ++c)
            putU16(directory, e + 2 * c, name.at(c).unicode());
        putU16(directory, e + 64, quint16(2 * (name.size() + 1)));
        directory[e + 66] = char(i == 0 ? 5 : 2);
        directory[e + 67] = 1; // black
        if (i == 0) {
            putU32(directory, e + 76, rootChild);
            putU32(directory, e + 116, miniStreamStart);
            putU32(directory, e + 120, quint32(miniStream.size()));
        } else {
            putU32(directory, e + 68, left.at(i));
            putU32(directory, e + 72, right.at(i));
            putU32(directory, e + 116, out.startSectors.at(i - 1));
            putU32(directory, e + 120, quint32(streams.at(i - 1).data.size()));
        }
    }
    const quint32 directoryStart = allocate(directory);
    out.directoryOffset = ss + qint64(directoryStart) * ss;

    // FAT and DIFAT sectors go last; their number depends on the total, so settle it first.
    const quint32 used = quint32(fat.size());
    quint32 fatCount = minFatSectors, difatCount = 0;
    for (;;) {
        const quint32 needed = std::max<quint32>(
            minFatSectors, (used + fatCount + difatCount + perFatSector - 1) / perFatSector);
        const quint32 difatNeeded = needed > 109 ? (needed - 109 + perFatSector - 2) / (perFatSector - 1) : 0;
        if (needed == fatCount && difatNeeded == difatCount)
            break;
        fatCount = needed;
        difatCount = difatNeeded;
    }
    const quint32 firstFat = used;
    const quint32 firstDifat = used + fatCount;
    for (quint32 i = 0; i < fatCount; ++i)
        fat.append(fatSector);
    for (quint32 i = 0; i < difatCount; ++i)
        fat.append(difatSector);
    while (quint32(fat.size()) < fatCount * perFatSector)
        fat.append(freeSector);
    QByteArray fatBytes(fat.size() * 4, '\0');
    for (qsizetype i = 0; i < fat.size(); ++i)
        putU32(fatBytes, 4 * i, fat.at(i));
    body.append(fatBytes);
    out.fatOffset = ss + qint64(firstFat) * ss;
    out.fatSectorCount = fatCount;

    QByteArray difat(qsizetype(difatCount) * ss, char(0xFF));
    for (quint32 i = 109, slot = 0; i < fatCount; ++i, ++slot) {
        const quint32 sector = slot / (perFatSector - 1);
        putU32(difat, qint64(sector) * ss + 4 * (slot % (perFatSector - 1)), firstFat + i);
    }
    for (quint32 d = 0; d < difatCount; ++d)
        putU32(difat, qint64(d) * ss + ss - 4, d + 1 < difatCount ? firstDifat + d + 1 : endOfChain);
    body.append(difat);

    QByteArray header(ss, '\0');
    header.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    putU16(header, 24, 0x3E);
    putU16(header, 26, quint16(version));
    putU16(header, 28, 0xFFFE);
    putU16(header, 30, version == 4 ? 12 : 9);
    putU16(header, 32, 6);
    putU32(header, 40, version == 4 ? quint32(directory.size() / ss) : 0);
    putU32(header, 44, fatCount);
    putU32(header, 48, directoryStart);
    putU32(header, 56, 4096);
    putU32(header, 60, miniFatStart);
    putU32(header, 64, quint32(miniFatBytes.size() / ss));
    putU32(header, 68, difatCount ? firstDifat : endOfChain);
    putU32(header, 72, difatCount);
    for (int i = 0; i < 109; ++i)
        putU32(header, 76 + 4 * i, quint32(i) < fatCount ? firstFat + quint32(i) : freeSector);
    out.bytes = header + body;
    return out;
}
