#include "analysis/image_probe_formats.h"

namespace {

constexpr uchar animationFlag = 0x02;

struct Chunk
{
    std::size_t offset = 0; // of the chunk's body
    quint32 size = 0;
};

// Dimensions of a lossy (VP8) key frame.
bool readVp8(const ByteView &body, RawImageHeader &header)
{
    if (!body.has(0, 10) || (body.u8(0) & 0x01) != 0 || body.u8(3) != 0x9D || body.u8(4) != 0x01 ||
        body.u8(5) != 0x2A)
        return false;
    header.width = body.u16le(6) & 0x3FFF;
    header.height = body.u16le(8) & 0x3FFF;
    return true;
}

// Dimensions of a lossless (VP8L) bitstream: 14 bits each, stored minus one.
bool readVp8l(const ByteView &body, RawImageHeader &header)
{
    if (!body.has(0, 5) || body.u8(0) != 0x2F)
        return false;
    const quint32 bits = body.u32le(1);
    if (bits >> 29 != 0)
        return false; // unknown version
    header.width = (bits & 0x3FFF) + 1;
    header.height = ((bits >> 14) & 0x3FFF) + 1;
    return true;
}

} // namespace

bool looksLikeWebp(const ByteView &data)
{
    return data.startsWith(0, "RIFF", 4) && data.startsWith(8, "WEBP", 4);
}

RawImageHeader probeWebp(const ByteView &data)
{
    RawImageHeader header;
    const quint64 riffEnd = quint64(data.u32le(4)) + 8;
    if (riffEnd < 12 + 8 || riffEnd > data.size())
        return {};
    const ByteView riff = data.mid(0, riffEnd);

    // Each chunk takes at least 8 bytes, so the walk ends with the RIFF body.
    bool extended = false;
    bool animated = false;
    bool sawBitstream = false;
    int frames = 0;
    for (std::size_t pos = 12; pos < riff.size();) {
        const quint32 size = riff.u32le(pos + 4);
        if (!riff.has(pos + 8, size))
            return {};
        const ByteView body = riff.mid(pos + 8, size);
        const bool first = pos == 12;
        // In an extended file the canvas gives the size, not the bitstream.
        RawImageHeader scratch;
        RawImageHeader &target = extended ? scratch : header;
        if (first && riff.startsWith(pos, "VP8X", 4)) {
            // flags (1), reserved (3), canvas width - 1 (3), canvas height - 1 (3)
            if (!body.has(0, 10))
                return {};
            extended = true;
            animated = body.u8(0) & animationFlag;
            header.width = quint64(body.u24le(4)) + 1;
            header.height = quint64(body.u24le(7)) + 1;
        } else if (riff.startsWith(pos, "VP8 ", 4)) {
            if (!(first || extended) || !readVp8(body, target))
                return {};
            sawBitstream = true;
        } else if (riff.startsWith(pos, "VP8L", 4)) {
            if (!(first || extended) || !readVp8l(body, target))
                return {};
            sawBitstream = true;
        } else if (riff.startsWith(pos, "ANMF", 4)) {
            // frame x, y, width - 1, height - 1 (3 bytes each), duration (3), flags (1), then the frame
            if (!animated || size < 16)
                return {};
            ++frames;
        } else if (first) {
            return {};
        }
        pos += 8 + std::size_t(size) + (size & 1);
    }

    if (animated) {
        if (frames == 0)
            return {};
        header.frameCount = frames;
    } else if (!sawBitstream) {
        return {};
    }
    header.complete = true;
    return header;
}
