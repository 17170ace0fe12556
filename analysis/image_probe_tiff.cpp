#include "analysis/image_probe_formats.h"

#include <QSet>

namespace {

enum Tag : quint16
{
    ImageWidth = 256,
    ImageLength = 257,
    StripOffsets = 273,
    Orientation = 274,
    StripByteCounts = 279,
    XResolution = 282,
    YResolution = 283,
    ResolutionUnit = 296,
    TileOffsets = 324,
    TileByteCounts = 325,
};

// libtiff gives up on longer directory chains as well.
constexpr int maxDirectories = 65535;

struct TiffEntry
{
    quint16 type = 0;
    quint64 count = 0;
    std::size_t dataOffset = 0;
};

quint32 typeSize(quint16 type)
{
    switch (type) {
    case 1: // BYTE
    case 2: // ASCII
    case 6: // SBYTE
    case 7: // UNDEFINED
        return 1;
    case 3: // SHORT
    case 8: // SSHORT
        return 2;
    case 4:  // LONG
    case 9:  // SLONG
    case 11: // FLOAT
    case 13: // IFD
        return 4;
    case 5:  // RATIONAL
    case 10: // SRATIONAL
    case 12: // DOUBLE
    case 16: // LONG8
    case 17: // SLONG8
    case 18: // IFD8
        return 8;
    default:
        return 0;
    }
}

// Classic TIFF and BigTIFF differ only in the widths of offsets, counts and entries.
class TiffStructure
{
public:
    explicit TiffStructure(const ByteView &data) : m_data(data) {}

    // Byte order, variant and the offset of the first directory; false when this is no TIFF.
    bool readHeader(quint64 &firstDirectory)
    {
        if (m_data.startsWith(0, "II", 2))
            m_bigEndian = false;
        else if (m_data.startsWith(0, "MM", 2))
            m_bigEndian = true;
        else
            return false;
        const quint16 version = u16(2);
        if (version == 42) {
            firstDirectory = u32(4);
            return true;
        }
        // BigTIFF: offset size 8, a reserved zero, then the 8-byte first offset.
        if (version != 43 || u16(4) != 8 || u16(6) != 0)
            return false;
        m_big = true;
        firstDirectory = m_data.u64(8, m_bigEndian);
        return true;
    }

    bool directoryFits(quint64 offset) const
    {
        if (offset < 8 || !m_data.has(offset, countSize()))
            return false;
        const quint64 entries = entryCount(offset);
        return entries <= m_data.size() / entrySize() &&
               m_data.has(offset + countSize(), std::size_t(entries) * entrySize());
    }

    // A directory whose link to the next one is cut off ends the chain.
    quint64 nextDirectory(quint64 offset) const
    {
        return offsetAt(offset + countSize() + std::size_t(entryCount(offset)) * entrySize());
    }

    // The entry with this tag whose values lie wholly inside the data; the directory fits.
    bool find(quint64 directory, quint16 tag, TiffEntry &entry) const
    {
        const quint64 entries = entryCount(directory);
        for (quint64 i = 0; i < entries; ++i) {
            const std::size_t at = directory + countSize() + i * entrySize();
            if (u16(at) != tag)
                continue;
            entry.type = u16(at + 2);
            entry.count = m_big ? m_data.u64(at + 4, m_bigEndian) : u32(at + 4);
            const std::size_t valueAt = at + (m_big ? 12 : 8);
            const quint64 size = typeSize(entry.type);
            if (size == 0 || entry.count > m_data.size() / size)
                return false;
            const quint64 length = entry.count * size;
            entry.dataOffset = length <= offsetSize() ? valueAt : offsetAt(valueAt);
            return m_data.has(entry.dataOffset, length);
        }
        return false;
    }

    // An unsigned integer value of a BYTE, SHORT, LONG or LONG8 entry.
    bool integer(const TiffEntry &entry, quint64 index, quint64 &value) const
    {
        if (index >= entry.count)
            return false;
        const std::size_t at = entry.dataOffset + index * typeSize(entry.type);
        switch (entry.type) {
        case 1:
            value = m_data.u8(at);
            return true;
        case 3:
            value = u16(at);
            return true;
        case 4:
            value = u32(at);
            return true;
        case 16:
            value = m_data.u64(at, m_bigEndian);
            return true;
        default:
            return false;
        }
    }

    double rational(const TiffEntry &entry) const
    {
        if (entry.type != 5 || entry.count < 1)
            return 0;
        const quint32 denominator = u32(entry.dataOffset + 4);
        return denominator == 0 ? 0 : double(u32(entry.dataOffset)) / denominator;
    }

    bool integerTag(quint64 directory, quint16 tag, quint64 &value) const
    {
        TiffEntry entry;
        return find(directory, tag, entry) && integer(entry, 0, value);
    }

    // Every strip or tile of the directory lies inside the data.
    bool imageDataFits(quint64 directory) const
    {
        TiffEntry offsets;
        TiffEntry counts;
        const bool tiled = find(directory, TileOffsets, offsets);
        if (!tiled && !find(directory, StripOffsets, offsets))
            return false;
        if (!find(directory, tiled ? TileByteCounts : StripByteCounts, counts))
            return false;
        if (offsets.count == 0 || offsets.count != counts.count)
            return false;
        // Both arrays lie inside the data, so this loop is bounded by its size.
        for (quint64 i = 0; i < offsets.count; ++i) {
            quint64 offset = 0;
            quint64 length = 0;
            if (!integer(offsets, i, offset) || !integer(counts, i, length))
                return false;
            if (!m_data.has(offset, length))
                return false;
        }
        return true;
    }

    double dotsPerMeter(quint64 directory, quint16 tag, quint64 unit) const
    {
        TiffEntry entry;
        if (!find(directory, tag, entry))
            return 0;
        const double perUnit = rational(entry);
        switch (unit) {
        case 2:
            return perUnit / metresPerInch;
        case 3:
            return perUnit * 100;
        default:
            return 0;
        }
    }

    int directoryCount(quint64 first) const
    {
        QSet<quint64> seen;
        quint64 offset = first;
        while (offset != 0 && seen.size() < maxDirectories && directoryFits(offset) &&
               !seen.contains(offset)) {
            seen.insert(offset);
            offset = nextDirectory(offset);
        }
        return int(seen.size());
    }

private:
    std::size_t countSize() const { return m_big ? 8 : 2; }
    std::size_t entrySize() const { return m_big ? 20 : 12; }
    std::size_t offsetSize() const { return m_big ? 8 : 4; }
    quint64 entryCount(quint64 directory) const
    {
        return m_big ? m_data.u64(directory, m_bigEndian) : u16(directory);
    }
    quint64 offsetAt(std::size_t at) const { return m_big ? m_data.u64(at, m_bigEndian) : u32(at); }
    quint16 u16(std::size_t offset) const { return m_data.u16(offset, m_bigEndian); }
    quint32 u32(std::size_t offset) const { return m_data.u32(offset, m_bigEndian); }

    ByteView m_data;
    bool m_bigEndian = false;
    bool m_big = false;
};

} // namespace

bool looksLikeTiff(const ByteView &data)
{
    return data.startsWith(0, "II*\0", 4) || data.startsWith(0, "MM\0*", 4) ||
           data.startsWith(0, "II+\0", 4) || data.startsWith(0, "MM\0+", 4);
}

RawImageHeader probeTiff(const ByteView &data)
{
    RawImageHeader header;
    TiffStructure tiff(data);
    quint64 first = 0;
    if (!tiff.readHeader(first) || !tiff.directoryFits(first))
        return header;
    quint64 width = 0;
    quint64 height = 0;
    if (!tiff.integerTag(first, ImageWidth, width) || !tiff.integerTag(first, ImageLength, height))
        return header;
    if (!tiff.imageDataFits(first))
        return header;

    header.width = width;
    header.height = height;
    header.frameCount = tiff.directoryCount(first);
    quint64 unit = 2; // inch when the tag is absent
    tiff.integerTag(first, ResolutionUnit, unit);
    const double x = tiff.dotsPerMeter(first, XResolution, unit);
    const double y = tiff.dotsPerMeter(first, YResolution, unit);
    if (x > 0 && y > 0) {
        header.dotsPerMeterX = x;
        header.dotsPerMeterY = y;
    }
    quint64 orientation = 1;
    if (tiff.integerTag(first, Orientation, orientation) && orientation >= 1 && orientation <= 8)
        header.orientation = int(orientation);
    header.complete = true;
    return header;
}

int tiffOrientation(const ByteView &data)
{
    TiffStructure tiff(data);
    quint64 first = 0;
    quint64 orientation = 1;
    if (!tiff.readHeader(first) || !tiff.directoryFits(first) ||
        !tiff.integerTag(first, Orientation, orientation))
        return 1;
    return orientation >= 1 && orientation <= 8 ? int(orientation) : 1;
}
