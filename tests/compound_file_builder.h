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
    qint64 fatOffset = 0;        // file offset of the first FAT sector; FAT sectors are consecutive
    qint64 directoryOffset = 0;  // file offset of the root entry; stream i is entry i + 1
    qint64 miniFatOffset = -1;   // file offset of the first mini FAT sector, -1 when none
    QList<quint32> startSectors; // per stream, in the order given
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

namespace testcfb {

constexpr quint32 endOfChain = 0xFFFFFFFE, none = 0xFFFFFFFF;

// Appends data to body in whole sectors chained in table; returns the first sector.
inline quint32 allocate(QList<quint32> &table, QByteArray &body, const QByteArray &data, int size)
{
    const quint32 first = quint32(table.size());
    const int count = std::max(1, int((data.size() + size - 1) / size));
    for (int i = 0; i < count; ++i)
        table.append(i + 1 < count ? first + quint32(i) + 1 : endOfChain);
    body += data + QByteArray(count * size - data.size(), '\0');
    return first;
}

inline QByteArray words(const QList<quint32> &values, int padTo = 1)
{
    QByteArray out((values.size() * 4 + padTo - 1) / padTo * padTo, char(0xFF));
    for (qsizetype i = 0; i < values.size(); ++i)
        putU32(out, 4 * i, values.at(i));
    return out;
}

} // namespace testcfb

// version 3 (512-byte sectors) or 4 (4096-byte sectors); minFatSectors pads the FAT so that tests
// can force FAT sector numbers out of the header into DIFAT sectors.
inline TestCompoundFile buildCompoundFile(const QList<TestStream> &streams, int version = 3,
                                          quint32 minFatSectors = 1)
{
    using namespace testcfb;
    TestCompoundFile out;
    const int ss = out.sectorSize = version == 4 ? 4096 : 512;
    const quint32 perFat = quint32(ss / 4);
    QList<quint32> fat, miniFat;
    QByteArray body, miniStream; // body: everything after the header, sector by sector
    for (const TestStream &s : streams)
        out.startSectors.append(s.data.isEmpty()        ? endOfChain
                                : s.data.size() >= 4096 ? allocate(fat, body, s.data, ss)
                                                        : allocate(miniFat, miniStream, s.data, 64));
    const quint32 miniStreamStart = miniStream.isEmpty() ? endOfChain : allocate(fat, body, miniStream, ss);
    const QByteArray miniFatBytes = words(miniFat, ss);
    const quint32 miniFatStart = miniFat.isEmpty() ? endOfChain : allocate(fat, body, miniFatBytes, ss);
    out.miniFatOffset = miniFat.isEmpty() ? -1 : ss + qint64(miniFatStart) * ss;

    // Directory: the root, then the streams; the root's child is the first name in the format's
    // order, each entry's right sibling the next one.
    QList<int> order;
    for (int i = 1; i <= streams.size(); ++i)
        order.append(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return compareDirectoryNames(streams.at(a - 1).name, streams.at(b - 1).name) < 0;
    });
    QByteArray directory(((streams.size() + 1) * 128 + ss - 1) / ss * ss, '\0');
    for (qint64 e = 0; e < directory.size(); e += 128)
        putU32(directory, e + 68, none), putU32(directory, e + 72, none), putU32(directory, e + 76, none);
    for (int i = 0; i <= streams.size(); ++i) {
        const qint64 e = 128 * i;
        const QString name = i == 0 ? QStringLiteral("Root Entry") : streams.at(i - 1).name;
        for (int c = 0; c < name.size(); ++c)
            putU16(directory, e + 2 * c, name.at(c).unicode());
        putU16(directory, e + 64, quint16(2 * (name.size() + 1)));
        directory[e + 66] = char(i == 0 ? 5 : 2);
        directory[e + 67] = 1; // black
        putU32(directory, e + 116, i == 0 ? miniStreamStart : out.startSectors.at(i - 1));
        putU32(directory, e + 120, quint32(i == 0 ? miniStream.size() : streams.at(i - 1).data.size()));
    }
    for (int k = 0; k < order.size(); ++k)
        putU32(directory, k == 0 ? 76 : 128 * order.at(k - 1) + 72, quint32(order.at(k)));
    const quint32 directoryStart = allocate(fat, body, directory, ss);
    out.directoryOffset = ss + qint64(directoryStart) * ss;

    // FAT and DIFAT sectors go last; their number depends on the total, so settle it first.
    const quint32 used = quint32(fat.size());
    quint32 fatCount = minFatSectors, difatCount = 0;
    for (quint32 lastFat = 0, lastDifat = 1; lastFat != fatCount || lastDifat != difatCount;) {
        lastFat = fatCount, lastDifat = difatCount;
        fatCount = std::max(minFatSectors, (used + lastFat + lastDifat + perFat - 1) / perFat);
        difatCount = fatCount > 109 ? (fatCount - 109 + perFat - 2) / (perFat - 1) : 0;
    }
    fat += QList<quint32>(fatCount, 0xFFFFFFFD) + QList<quint32>(difatCount, 0xFFFFFFFC);
    fat += QList<quint32>(fatCount * perFat - fat.size(), none);
    out.fatOffset = ss + qint64(used) * ss;
    QList<quint32> difat; // 109 FAT sector numbers in the header, the rest in chained DIFAT sectors
    for (quint32 i = 0; i < std::max(fatCount, 109u); ++i) {
        if (i > 109 && (i - 109) % (perFat - 1) == 0)
            difat.append(used + fatCount + (i - 109) / (perFat - 1));
        difat.append(i < fatCount ? used + i : none);
    }
    while (difatCount && (difat.size() - 109) % perFat != 0)
        difat.append((difat.size() - 109) % perFat == perFat - 1 ? endOfChain : none);

    QByteArray header = words({0xE011CFD0, 0xE11AB1A1, 0, 0, 0, 0, 0x3E | quint32(version) << 16,
                               0xFFFE | (version == 4 ? 12u : 9u) << 16, 6, 0,
                               version == 4 ? quint32(directory.size() / ss) : 0, fatCount, directoryStart, 0,
                               4096, miniFatStart, quint32(miniFatBytes.size() / ss),
                               difatCount ? used + fatCount : endOfChain, difatCount}) +
                        words(difat.mid(0, 109));
    out.bytes = header + QByteArray(ss - header.size(), '\0') + body + words(fat) + words(difat.mid(109));
    return out;
}
