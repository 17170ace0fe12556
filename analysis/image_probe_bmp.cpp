#include "analysis/image_probe_formats.h"

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr quint32 os2CoreHeaderSize = 12;

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6
};

bool knownInfoHeaderSize(quint32 size)
{
    // Windows 3 (40), its bit-field extensions (52, 56), OS/2 2 (64), Windows 4 (108) and 5 (124).
    return size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

bool validDepth(quint16 bitsPerPixel)
{
    return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 ||
           bitsPerPixel == 24 || bitsPerPixel == 32;
}

bool validCompression(quint32 compression, quint16 bitsPerPixel)
{
    switch (compression) {
    case Rgb:
        return true;
    case Rle8:
        return bitsPerPixel == 8;
    case Rle4:
        return bitsPerPixel == 4;
    case BitFields:
    case AlphaBitFields:
        return bitsPerPixel == 16 || bitsPerPixel == 32;
    default:
        return false; // embedded JPEG or PNG, or unknown
    }
}

} // namespace

bool looksLikeBmp(const ByteView &data)
{
    return data.startsWith(0, "BM", 2);
}

RawImageHeader probeBmp(const ByteView &data)
{
    RawImageHeader header;
    const quint32 pixelOffset = data.u32le(10);
    const quint32 infoSize = data.u32le(14);
    quint16 bitsPerPixel = 0;
    quint32 compression = Rgb;
    quint32 imageSize = 0;
    quint32 coloursUsed = 0;
    bool topDown = false;

    if (infoSize == os2CoreHeaderSize) {
        if (!data.has(fileHeaderSize, os2CoreHeaderSize))
            return {};
        header.width = data.u16le(18);
        header.height = data.u16le(20);
        bitsPerPixel = data.u16le(24);
    } else if (knownInfoHeaderSize(infoSize)) {
        if (!data.has(fileHeaderSize, infoSize))
            return {};
        const qint32 width = qint32(data.u32le(18));
        const qint64 height = qint32(data.u32le(22));
        if (width <= 0)
            return {};
        topDown = height < 0;
        header.width = quint64(width);
        header.height = quint64(topDown ? -height : height);
        bitsPerPixel = data.u16le(28);
        compression = data.u32le(30);
        imageSize = data.u32le(34);
        coloursUsed = data.u32le(46);
        const qint32 x = qint32(data.u32le(38));
        const qint32 y = qint32(data.u32le(42));
        if (x > 0 && y > 0) {
            header.dotsPerMeterX = x;
            header.dotsPerMeterY = y;
        }
    } else {
        return {};
    }
    if (header.width == 0 || header.height == 0)
        return {};
    if (!validDepth(bitsPerPixel) || !validCompression(compression, bitsPerPixel))
        return {};
    // A palette of more entries than the decoder takes.
    if (bitsPerPixel <= 8 && coloursUsed > 256)
        return {};
    if (pixelOffset < fileHeaderSize + infoSize || pixelOffset >= data.size())
        return {};

    // Run-length data has no fixed size; otherwise every padded row must be there.
    quint64 pixelBytes = imageSize;
    if (compression != Rle8 && compression != Rle4) {
        const quint64 rowBytes = (header.width * bitsPerPixel + 31) / 32 * 4; // width < 2^32
        if (header.height > data.size() / rowBytes)
            return {};
        pixelBytes = rowBytes * header.height;
    }
    if (!data.has(pixelOffset, pixelBytes))
        return {};
    header.complete = true;
    return header;
}
