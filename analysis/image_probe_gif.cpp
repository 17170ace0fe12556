#include "analysis/image_probe_formats.h"

namespace {

constexpr uchar imageDescriptor = 0x2C;
constexpr uchar extensionIntroducer = 0x21;

// Moves past a chain of data sub-blocks and its terminator; false when the data ends first.
bool skipSubBlocks(const ByteView &data, std::size_t &pos)
{
    for (;;) {
        if (!data.has(pos, 1))
            return false;
        const std::size_t length = data.u8(pos++);
        if (length == 0)
            return true;
        if (!data.has(pos, length))
            return false;
        pos += length;
    }
}

std::size_t colourTableSize(uchar flags)
{
    return (flags & 0x80) ? 3u << ((flags & 0x07) + 1) : 0;
}

} // namespace

bool looksLikeGif(const ByteView &data)
{
    return data.startsWith(0, "GIF87a", 6) || data.startsWith(0, "GIF89a", 6);
}

RawImageHeader probeGif(const ByteView &data)
{
    RawImageHeader header;
    if (!data.has(0, 13))
        return {};
    header.width = data.u16le(6);
    header.height = data.u16le(8);
    std::size_t pos = 13 + colourTableSize(data.u8(10));

    // Only complete frames count; whatever follows the last one (a missing trailer, a cut-off frame)
    // is tolerated as long as one frame is whole.
    int frames = 0;
    while (data.has(pos, 1)) {
        const uchar block = data.u8(pos);
        if (block == imageDescriptor) {
            if (!data.has(pos, 11))
                break;
            const quint64 right = quint64(data.u16le(pos + 1)) + data.u16le(pos + 5);
            const quint64 bottom = quint64(data.u16le(pos + 3)) + data.u16le(pos + 7);
            std::size_t next = pos + 10 + colourTableSize(data.u8(pos + 9)) + 1; // + LZW code size
            if (!skipSubBlocks(data, next))
                break;
            // A logical screen of zero size takes the extent of the first frame.
            if (frames == 0 && (header.width == 0 || header.height == 0)) {
                header.width = right;
                header.height = bottom;
            }
            ++frames;
            pos = next;
        } else if (block == extensionIntroducer) {
            std::size_t next = pos + 2;
            if (!skipSubBlocks(data, next))
                break;
            pos = next;
        } else {
            break; // the trailer (0x3B), or bytes that are no block
        }
    }
    if (frames == 0)
        return {};
    header.frameCount = frames;
    header.complete = true;
    return header;
}
