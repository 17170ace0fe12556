#include "analysis/compound_file.h"

#include <QBitArray>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace {

constexpr quint32 maxRegularSector = 0xFFFFFFFA;
constexpr quint32 endOfChain = 0xFFFFFFFE;
constexpr quint32 noStream = 0xFFFFFFFF;
constexpr int headerSize = 512;
constexpr int headerDifatEntries = 109;
constexpr int directoryEntrySize = 128;
constexpr int miniSectorSize = 64;
constexpr qint64 miniStreamCutoff = 4096;
constexpr qint64 maxStreamSize = std::numeric_limits<qint32>::max();

constexpr quint8 typeStorage = 1;
constexpr quint8 typeStream = 2;
constexpr quint8 typeRoot = 5;

quint16 u16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 u32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

QVector<quint32> sectorWords(const QByteArray &sector)
{
    QVector<quint32> words(sector.size() / 4);
    for (qsizetype i = 0; i < words.size(); ++i)
        words[i] = u32(sector.constData() + 4 * i);
    return words;
}

} // namespace

int compareDirectoryNames(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t ua = a.at(i).toUpper().unicode();
        const char16_t ub = b.at(i).toUpper().unicode();
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
    return 0;
}

CompoundFile::CompoundFile(QIODevice *device) : m_device(device)
{}

bool CompoundFile::open()
{
    m_open = false;
    if (!m_device || !m_device->isReadable() || m_device->isSequential())
        return false;
    m_fileSize = m_device->size();

    QByteArray header(headerSize, Qt::Uninitialized);
    if (!readAt(0, header.data(), headerSize))
        return false;
    static const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    const char *h = header.constData();
    if (!header.startsWith(QByteArray::fromRawData(signature, 8)))
        return false;
    m_majorVersion = u16(h + 26);
    m_sectorShift = u16(h + 30);
    if (!((m_majorVersion == 3 && m_sectorShift == 9) || (m_majorVersion == 4 && m_sectorShift == 12)))
        return false;
    if (u16(h + 28) != 0xFFFE || u16(h + 32) != 6 || u32(h + 56) != miniStreamCutoff)
        return false;
    m_sectorSize = 1u << m_sectorShift;
    // The header occupies the first sector; a truncated last sector still counts as present.
    const qint64 sectors =
        std::max<qint64>(0, (m_fileSize - m_sectorSize + m_sectorSize - 1) >> m_sectorShift);
    m_sectorCount = quint32(
        std::min<qint64>({sectors, qint64(maxRegularSector) + 1, qint64(std::numeric_limits<int>::max())}));

    m_open = loadFat(header) && loadDirectory(u32(h + 48)) && loadMiniStream(u32(h + 60));
    return m_open;
}

bool CompoundFile::loadFat(const QByteArray &header)
{
    const quint32 fatSectorCount = u32(header.constData() + 44);
    if (fatSectorCount == 0 || fatSectorCount > m_sectorCount)
        return false;

    QVector<quint32> fatSectors;
    fatSectors.reserve(fatSectorCount);
    for (int i = 0; i < headerDifatEntries && quint32(fatSectors.size()) < fatSectorCount; ++i)
        fatSectors.append(u32(header.constData() + 76 + 4 * i));

    // Further FAT sector numbers live in a chain of DIFAT sectors, each ending with the next one's number.
    quint32 difatSector = u32(header.constData() + 68);
    QBitArray visited{int(m_sectorCount)};
    QByteArray sector(int(m_sectorSize), Qt::Uninitialized);
    while (quint32(fatSectors.size()) < fatSectorCount) {
        if (difatSector >= m_sectorCount || visited.testBit(int(difatSector)))
            return false;
        visited.setBit(int(difatSector));
        if (!readAt(sectorOffset(difatSector), sector.data(), m_sectorSize))
            return false;
        const QVector<quint32> words = sectorWords(sector);
        for (qsizetype i = 0; i + 1 < words.size() && quint32(fatSectors.size()) < fatSectorCount; ++i)
            fatSectors.append(words.at(i));
        difatSector = words.constLast();
    }

    m_fat.clear();
    m_fat.reserve(qsizetype(fatSectorCount) * (m_sectorSize / 4));
    for (const quint32 fatSector : std::as_const(fatSectors)) {
        if (fatSector >= m_sectorCount || !readAt(sectorOffset(fatSector), sector.data(), m_sectorSize))
            return false;
        m_fat += sectorWords(sector);
    }
    return true;
}

bool CompoundFile::loadDirectory(quint32 firstSector)
{
    const auto sectors = chain(m_fat, firstSector, m_sectorCount, -1);
    if (!sectors || sectors->isEmpty())
        return false;

    const int perSector = int(m_sectorSize / directoryEntrySize);
    m_entries.clear();
    m_entries.reserve(sectors->size() * perSector);
    QByteArray sector(int(m_sectorSize), Qt::Uninitialized);
    for (const quint32 s : *sectors) {
        if (!readAt(sectorOffset(s), sector.data(), m_sectorSize))
            return false;
        for (int i = 0; i < perSector; ++i) {
            const char *e = sector.constData() + i * directoryEntrySize;
            DirectoryEntry entry;
            const int nameBytes = u16(e + 64);
            if (nameBytes >= 2 && nameBytes <= 64 && nameBytes % 2 == 0) {
                entry.name.resize(nameBytes / 2 - 1);
                for (qsizetype c = 0; c < entry.name.size(); ++c)
                    entry.name[c] = QChar(u16(e + 2 * c));
            }
            entry.type = quint8(e[66]);
            entry.left = u32(e + 68);
            entry.right = u32(e + 72);
            entry.child = u32(e + 76);
            entry.startSector = u32(e + 116);
            // Version 3 files may leave garbage in the upper half of the size.
            entry.size = m_majorVersion == 3 ? u32(e + 120) : qFromLittleEndian<quint64>(e + 120);
            m_entries.append(entry);
        }
    }
    return m_entries.constFirst().type == typeRoot;
}

bool CompoundFile::loadMiniStream(quint32 firstMiniFatSector)
{
    m_miniFat.clear();
    m_miniStreamSectors.clear();
    m_miniStreamSize = 0;

    const DirectoryEntry &root = m_entries.constFirst();
    if (root.size == 0)
        return true;
    if (root.size > quint64(m_sectorCount) * m_sectorSize)
        return false;
    const qint64 wanted = qint64((root.size + m_sectorSize - 1) >> m_sectorShift);
    const auto container = chain(m_fat, root.startSector, m_sectorCount, wanted);
    if (!container || container->size() < wanted)
        return false;
    m_miniStreamSectors = *container;
    m_miniStreamSize = qint64(root.size);

    if (firstMiniFatSector == endOfChain)
        return true;
    const auto miniFatSectors = chain(m_fat, firstMiniFatSector, m_sectorCount, -1);
    if (!miniFatSectors)
        return false;
    QByteArray sector(int(m_sectorSize), Qt::Uninitialized);
    for (const quint32 s : *miniFatSectors) {
        if (!readAt(sectorOffset(s), sector.data(), m_sectorSize))
            return false;
        m_miniFat += sectorWords(sector);
    }
    return true;
}

qint64 CompoundFile::sectorOffset(quint32 sector) const
{
    return (qint64(sector) + 1) << m_sectorShift;
}

bool CompoundFile::readAt(qint64 offset, char *buffer, qint64 length) const
{
    if (offset < 0 || length < 0 || offset > m_fileSize || length > m_fileSize - offset)
        return false;
    if (m_device->pos() != offset && !m_device->seek(offset))
        return false;
    return m_device->read(buffer, length) == length;
}

// Follows a chain through the given allocation table until its end, or until `wanted` sectors
// were collected (-1: to the end). A sector out of range or met twice ends the walk with nothing.
std::optional<QVector<quint32>> CompoundFile::chain(const QVector<quint32> &table, quint32 start,
                                                    quint32 limit, qint64 wanted) const
{
    limit = std::min<quint32>(limit, quint32(table.size()));
    QVector<quint32> sectors;
    QBitArray visited{int(limit)};
    quint32 current = start;
    while (current != endOfChain && (wanted < 0 || sectors.size() < wanted)) {
        if (current >= limit || visited.testBit(int(current)))
            return std::nullopt;
        visited.setBit(int(current));
        sectors.append(current);
        current = table.at(current);
    }
    return sectors;
}

std::optional<int> CompoundFile::findChild(int storage, const QString &name) const
{
    const int count = int(m_entries.size());
    QBitArray visited{count};
    quint32 node = m_entries.at(storage).child;
    while (node != noStream) {
        if (node >= quint32(count) || visited.testBit(int(node)))
            return std::nullopt;
        visited.setBit(int(node));
        const DirectoryEntry &entry = m_entries.at(node);
        if (entry.type != typeStream && entry.type != typeStorage)
            return std::nullopt;
        const int order = compareDirectoryNames(name, entry.name);
        if (order == 0)
            return int(node);
        node = order < 0 ? entry.left : entry.right;
    }
    return std::nullopt;
}

std::optional<QByteArray> CompoundFile::readStream(const QString &name) const
{
    if (!m_open)
        return std::nullopt;
    const auto index = findChild(0, name);
    if (!index)
        return std::nullopt;
    const DirectoryEntry &entry = m_entries.at(*index);
    if (entry.type != typeStream || entry.size < 1 || entry.size > quint64(maxStreamSize))
        return std::nullopt;
    const qint64 size = qint64(entry.size);
    return size < miniStreamCutoff ? readMini(entry.startSector, size) : readRegular(entry.startSector, size);
}

std::optional<QByteArray> CompoundFile::readRegular(quint32 start, qint64 size) const
{
    const qint64 wanted = (size + m_sectorSize - 1) >> m_sectorShift;
    if (wanted > qint64(m_sectorCount))
        return std::nullopt;
    const auto sectors = chain(m_fat, start, m_sectorCount, wanted);
    if (!sectors || sectors->size() < wanted)
        return std::nullopt;

    QByteArray data(size, Qt::Uninitialized);
    // Runs of consecutive sectors are read in one go.
    qsizetype i = 0;
    while (i < sectors->size()) {
        qsizetype run = 1;
        while (i + run < sectors->size() && sectors->at(i + run) == sectors->at(i) + quint32(run))
            ++run;
        const qint64 begin = qint64(i) << m_sectorShift;
        const qint64 length = std::min<qint64>(qint64(run) << m_sectorShift, size - begin);
        if (!readAt(sectorOffset(sectors->at(i)), data.data() + begin, length))
            return std::nullopt;
        i += run;
    }
    return data;
}

std::optional<QByteArray> CompoundFile::readMini(quint32 start, qint64 size) const
{
    if (size > m_miniStreamSize)
        return std::nullopt;
    const qint64 wanted = (size + miniSectorSize - 1) / miniSectorSize;
    const quint32 miniSectorsInStream = quint32((m_miniStreamSize + miniSectorSize - 1) / miniSectorSize);
    const auto sectors = chain(m_miniFat, start, miniSectorsInStream, wanted);
    if (!sectors || sectors->size() < wanted)
        return std::nullopt;

    QByteArray data(size, Qt::Uninitialized);
    // Neighbouring mini sectors usually lie next to each other in the file too; read them together.
    qint64 runFileOffset = -1;
    qint64 runDataOffset = 0;
    qint64 runLength = 0;
    for (qsizetype i = 0; i < sectors->size(); ++i) {
        const qint64 streamOffset = qint64(sectors->at(i)) * miniSectorSize;
        const qint64 length = std::min<qint64>(miniSectorSize, size - qint64(i) * miniSectorSize);
        if (streamOffset + length > m_miniStreamSize)
            return std::nullopt;
        const quint32 container = m_miniStreamSectors.at(streamOffset >> m_sectorShift);
        const qint64 fileOffset = sectorOffset(container) + (streamOffset & (m_sectorSize - 1));
        if (runLength > 0 && fileOffset == runFileOffset + runLength) {
            runLength += length;
            continue;
        }
        if (runLength > 0 && !readAt(runFileOffset, data.data() + runDataOffset, runLength))
            return std::nullopt;
        runFileOffset = fileOffset;
        runDataOffset = qint64(i) * miniSectorSize;
        runLength = length;
    }
    if (!readAt(runFileOffset, data.data() + runDataOffset, runLength))
        return std::nullopt;
    return data;
}
