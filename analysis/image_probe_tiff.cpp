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
    quint32 count = 0;
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
        return 8;
    default:
        return 0;
    }
}

class TiffStructure
{
public:
    explicit TiffStructure(const ByteView &data) : m_data(data) {}

    // Byte order and the offset of the first directory; false when this is no classic TIFF.
    bool readHeader(quint32 &firstDirectory)
    {
        if (m_data.startsWith(0, "II*\0", 4))
            m_bigEndian = false;
        else if (m_data.startsWith(0, "MM\0*", 4))
            m_bigEndian = true;
        else
            return false;
        firstDirectory = u32(4);
        return true;
    }

    bool directoryFits(quint32 offset) const
    {
        return offset >= 8 && m_data.has(offset, 2) &&
               m_data.has(std::size_t(offset) + 2, std::size_t(u16(offset)) * 12);
    }

    // A directory whose link to the next one is cut off ends the chain.
    quint32 nextDirectory(quint32 offset) const
    {
        return u32(std::size_t(offset) + 2 + std::size_t(u16(offset)) * 12);
    }

    // The entry with this tag whose values lie wholly inside the data.
    bool find(quint32 directory, quint16 tag, TiffEntry &entry) const
    {
        const quint16 entries = u16(directory);
        for (quint16 i = 0; i < entries; ++i) {
            const std::size_t at = std::size_t(directory) + 2 + std::size_t(i) * 12;
            if (u16(at) != tag)
                continue;
            entry.type = u16(at + 2);
            entry.count = u32(at + 4);
            const quint64 length = quint64(entry.count) * typeSize(entry.type);
            entry.dataOffset = length <= 4 ? at + 8 : u32(at + 8);
            return typeSize(entry.type) != 0 && m_data.has(entry.dataOffset, length);
        }
        return false;
    }

    // An unsigned integer value of a BYTE, SHORT or LONG entry.
    bool integer(const TiffEntry &entry, quint32 index, quint32 &value) const
    {
        if (index >= entry.count)
            return false;
        const std::size_t at = entry.dataOffset + std::size_t(index) * typeSize(entry.type);
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

    bool integerTag(quint32 directory, quint16 tag, quint32 &value) const
    {
        TiffEntry entry;
        return find(directory, tag, entry) && integer(entry, 0, value);
    }

    // Every strip or tile of the directory lies inside the data.
    bool imageDataFits(quint32 directory) const
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
        for (quint32 i = 0; i < offsets.count; ++i) {
            quint32 offset = 0;
            quint32 length = 0;
            if (!integer(offsets, i, offset) || !integer(counts, i, length))
                return false;
            if (!m_data.has(offset, length))
                return false;
        }
        return true;
    }

    double dotsPerMeter(quint32 directory, quint16 tag, quint32 unit) const
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

    int directoryCount(quint32 first) const
    {
        QSet<quint32> seen;
        quint32 offset = first;
        while (offset != 0 && seen.size() < maxDirectories && directoryFits(offset) &&
               !seen.contains(offset)) {
            seen.insert(offset);
            offset = nextDirectory(offset);
        }
        return int(seen.size());
    }

private:
    quint16 u16(std::size_t offset) const { return m_data.u16(offset, m_bigEndian); }
    quint32 u32(std::size_t offset) const { return m_data.u32(offset, m_bigEndian); }

    ByteView m_data;
    bool m_bigEndian = false;
};

} // namespace

bool looksLikeTiff(const ByteView &data)
{
    return data.startsWith(0, "II*\0", 4) || data.startsWith(0, "MM\0*", 4);
}

RawImageHeader probeTiff(const ByteView &data)
{
    RawImageHeader header;
    TiffStructure tiff(data);
    quint32 first = 0;
    if (!tiff.readHeader(first) || !tiff.directoryFits(first))
        return header;
    quint32 width = 0;
    quint32 height = 0;
    if (!tiff.integerTag(first, ImageWidth, width) || !tiff.integerTag(first, ImageLength, height))
        return header;
    if (!tiff.imageDataFits(first))
        return header;

    header.width = width;
    header.height = height;
    header.frameCount = tiff.directoryCount(first);
    quint32 unit = 2; // inch when the tag is absent
    tiff.integerTag(first, ResolutionUnit, unit);
    const double x = tiff.dotsPerMeter(first, XResolution, unit);
    const double y = tiff.dotsPerMeter(first, YResolution, unit);
    if (x > 0 && y > 0) {
        header.dotsPerMeterX = x;
        header.dotsPerMeterY = y;
    }
    quint32 orientation = 1;
    if (tiff.integerTag(first, Orientation, orientation) && orientation >= 1 && orientation <= 8)
        header.orientation = int(orientation);
    header.complete = true;
    return header;
}

int tiffOrientation(const ByteView &data)
{
    TiffStructure tiff(data);
    quint32 first = 0;
    quint32 orientation = 1;
    if (!tiff.readHeader(first) || !tiff.directoryFits(first) ||
        !tiff.integerTag(first, Orientation, orientation))
        return 1;
    return orientation >= 1 && orientation <= 8 ? int(orientation) : 1;
}
