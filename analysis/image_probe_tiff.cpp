#include "analysis/image_probe_file_bytes.h"
#include "analysis/image_probe_formats.h"

#include <QSet>

namespace {

enum Tag : quint16
{
    ImageWidth = 256,
    ImageLength = 257,
    BitsPerSample = 258,
    Compression = 259,
    Photometric = 262,
    StripOffsets = 273,
    Orientation = 274,
    SamplesPerPixel = 277,
    RowsPerStrip = 278,
    StripByteCounts = 279,
    XResolution = 282,
    YResolution = 283,
    PlanarConfiguration = 284,
    ResolutionUnit = 296,
    ColorMap = 320,
    TileWidth = 322,
    TileLength = 323,
    TileOffsets = 324,
    TileByteCounts = 325,
};

// Compression schemes the TIFF decoder is built with; anything else cannot be printed.
bool knownCompression(quint64 scheme)
{
    switch (scheme) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8: // none, CCITT, LZW, JPEG, Deflate
    case 32766:
    case 32771:
    case 32773:
    case 32809:
    case 32909:
    case 32946: // NeXT ... PixarLog, Deflate
    case 34676:
    case 34677:
    case 34925:
    case 50000:
    case 50001: // SGILog, LZMA, ZSTD, WebP
        return true;
    default:
        return false;
    }
}

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

// Classic TIFF and BigTIFF differ only in the widths of offsets, counts and entries. Bytes is a
// ByteView over the whole file in memory or FileBytes reading a large file piece by piece.
template <typename Bytes> class TiffStructure
{
public:
    explicit TiffStructure(const Bytes &data) : m_data(data) {}

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

    // The strips or tiles are as many as the picture needs, each lies inside the data and an
    // uncompressed one holds all its rows: what the decoder checks before it reads a pixel.
    bool imageDataFits(quint64 directory, quint64 width, quint64 height) const
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
        quint64 samples = 1;
        quint64 bits = 1;
        quint64 compression = 1;
        quint64 planar = 1;
        integerTag(directory, SamplesPerPixel, samples);
        integerTag(directory, BitsPerSample, bits);
        integerTag(directory, Compression, compression);
        integerTag(directory, PlanarConfiguration, planar);
        const quint64 planes = planar == 2 ? samples : 1;
        quint64 pieceWidth = width;
        quint64 pieceHeight = height;
        if (tiled) {
            if (!integerTag(directory, TileWidth, pieceWidth) ||
                !integerTag(directory, TileLength, pieceHeight))
                return false;
        } else {
            integerTag(directory, RowsPerStrip, pieceHeight);
            pieceHeight = qMin(pieceHeight, height);
        }
        if (pieceWidth == 0 || pieceHeight == 0)
            return false;
        // width, height and the samples are checked small, so nothing here overflows.
        const quint64 pieces =
            (width + pieceWidth - 1) / pieceWidth * ((height + pieceHeight - 1) / pieceHeight);
        if (offsets.count != pieces * planes)
            return false;
        const quint64 rowBits = pieceWidth * bits * (planar == 2 ? 1 : samples);
        const quint64 pieceBytes = (rowBits + 7) / 8 * pieceHeight;
        // Both arrays lie inside the data, so this loop is bounded by its size.
        for (quint64 i = 0; i < offsets.count; ++i) {
            quint64 offset = 0;
            quint64 length = 0;
            if (!integer(offsets, i, offset) || !integer(counts, i, length))
                return false;
            if (!m_data.has(offset, length) ||
                (compression == 1 && !tiled && i + 1 < offsets.count && length < pieceBytes))
                return false;
        }
        return true;
    }

    // Sample layout and compression the decoder can turn into pixels; a palette picture needs a
    // colour map of exactly one entry per palette index.
    bool decodable(quint64 directory) const
    {
        quint64 samples = 1;
        quint64 bits = 1;
        quint64 compression = 1;
        quint64 photometric = 1;
        integerTag(directory, SamplesPerPixel, samples);
        integerTag(directory, BitsPerSample, bits);
        integerTag(directory, Compression, compression);
        integerTag(directory, Photometric, photometric);
        if (samples < 1 || samples > 16 || !knownCompression(compression))
            return false;
        if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 32)
            return false;
        if (photometric != 3)
            return true;
        TiffEntry map;
        return bits <= 8 && find(directory, ColorMap, map) && map.count == 3u << bits;
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

    const Bytes &m_data;
    bool m_bigEndian = false;
    bool m_big = false;
};

template <typename Bytes> RawImageHeader probeTiffIn(const Bytes &data)
{
    RawImageHeader header;
    TiffStructure<Bytes> tiff(data);
    quint64 first = 0;
    if (!tiff.readHeader(first) || !tiff.directoryFits(first))
        return header;
    quint64 width = 0;
    quint64 height = 0;
    if (!tiff.integerTag(first, ImageWidth, width) || !tiff.integerTag(first, ImageLength, height))
        return header;
    // Sides beyond what any plausible picture has are left to the shared check; they would only
    // make the layout arithmetic overflow.
    if (width > 0xFFFFFFFF || height > 0xFFFFFFFF || !tiff.decodable(first) ||
        !tiff.imageDataFits(first, width, height))
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

} // namespace

bool looksLikeTiff(const ByteView &data)
{
    return data.startsWith(0, "II*\0", 4) || data.startsWith(0, "MM\0*", 4) ||
           data.startsWith(0, "II+\0", 4) || data.startsWith(0, "MM\0+", 4);
}

RawImageHeader probeTiff(const ByteView &data)
{
    return probeTiffIn(data);
}

RawImageHeader probeTiffFile(const FileBytes &data)
{
    return probeTiffIn(data);
}

int tiffOrientation(const ByteView &data)
{
    TiffStructure<ByteView> tiff(data);
    quint64 first = 0;
    quint64 orientation = 1;
    if (!tiff.readHeader(first) || !tiff.directoryFits(first) ||
        !tiff.integerTag(first, Orientation, orientation))
        return 1;
    return orientation >= 1 && orientation <= 8 ? int(orientation) : 1;
}
