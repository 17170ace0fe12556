#include "analysis/image_probe_formats.h"

namespace {

constexpr char signature[] = "\x89PNG\r\n\x1a\n";
constexpr quint32 maxChunkLength = 0x7FFFFFFF;

bool validDepth(uchar colourType, uchar depth)
{
    switch (colourType) {
    case 0: // grey
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: // palette
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2: // RGB
    case 4: // grey and alpha
    case 6: // RGBA
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

} // namespace

bool looksLikePng(const ByteView &data)
{
    return data.startsWith(0, signature, 8);
}

RawImageHeader probePng(const ByteView &data)
{
    RawImageHeader header;
    // The first chunk is IHDR: width, height, bit depth, colour type, ...
    if (data.u32be(8) != 13 || !data.startsWith(12, "IHDR", 4) || !data.has(8, 12 + 13))
        return {};
    header.width = data.u32be(16);
    header.height = data.u32be(20);
    if (header.width > maxChunkLength || header.height > maxChunkLength ||
        !validDepth(data.u8(25), data.u8(24)))
        return {};

    bool sawImageData = false;
    std::size_t pos = 8;
    // Each chunk takes at least 12 bytes, so the walk ends with the data.
    for (;;) {
        const quint32 length = data.u32be(pos);
        if (length > maxChunkLength || !data.has(pos, 12 + std::size_t(length)))
            return {};
        const ByteView body = data.mid(pos + 8, length);
        if (data.startsWith(pos + 4, "IEND", 4)) {
            if (!sawImageData)
                return {};
            header.complete = true;
            return header;
        }
        if (data.startsWith(pos + 4, "IDAT", 4)) {
            sawImageData = true;
        } else if (data.startsWith(pos + 4, "pHYs", 4) && !sawImageData && length == 9 && body.u8(8) == 1) {
            // Only a resolution in pixels per metre counts; unit 0 is an aspect ratio.
            header.dotsPerMeterX = body.u32be(0);
            header.dotsPerMeterY = body.u32be(4);
        }
        pos += 12 + std::size_t(length);
    }
}
