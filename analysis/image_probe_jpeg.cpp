#include "analysis/image_probe_formats.h"

#include <cstring>

namespace {

constexpr uchar markerSOI = 0xD8;
constexpr uchar markerEOI = 0xD9;
constexpr uchar markerSOS = 0xDA;
constexpr uchar markerAPP0 = 0xE0;
constexpr uchar markerAPP1 = 0xE1;

bool isRestartMarker(uchar marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

// Frame types the decoder handles: baseline, extended and progressive, Huffman or arithmetic.
// Lossless and hierarchical frames are not decodable, so such files are not readable.
bool isDecodableFrame(uchar marker)
{
    return marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9 || marker == 0xCA;
}

bool isOtherFrame(uchar marker)
{
    return marker == 0xC3 || (marker >= 0xC5 && marker <= 0xC7) || marker == 0xCB ||
           (marker >= 0xCD && marker <= 0xCF);
}

// Position of the next 0xFF at or after `from`, or the size when there is none.
std::size_t nextFF(const ByteView &data, std::size_t from)
{
    if (from >= data.size())
        return data.size();
    const void *found = std::memchr(data.data() + from, 0xFF, data.size() - from);
    return found ? std::size_t(static_cast<const uchar *>(found) - data.data()) : data.size();
}

// Skips entropy-coded data: stops on the 0xFF of the first real marker (not a stuffed zero, a
// fill byte or a restart marker). Returns the size when the data ends first.
std::size_t skipEntropyCodedData(const ByteView &data, std::size_t pos)
{
    for (;;) {
        pos = nextFF(data, pos);
        std::size_t next = pos + 1;
        while (next < data.size() && data.u8(next) == 0xFF)
            ++next;
        if (next >= data.size())
            return data.size();
        const uchar code = data.u8(next);
        if (code != 0x00 && !isRestartMarker(code))
            return next - 1;
        pos = next + 1;
    }
}

void readJfifDensity(const ByteView &segment, RawImageHeader &header)
{
    // "JFIF\0", version (2), units (1), X density (2), Y density (2)
    if (!segment.startsWith(0, "JFIF\0", 5) || !segment.has(0, 12))
        return;
    const uchar units = segment.u8(7);
    const double x = segment.u16be(8);
    const double y = segment.u16be(10);
    double perMetre = 0;
    if (units == 1)
        perMetre = 1 / metresPerInch;
    else if (units == 2)
        perMetre = 100;
    header.dotsPerMeterX = x * perMetre;
    header.dotsPerMeterY = y * perMetre;
}

} // namespace

bool looksLikeJpeg(const ByteView &data)
{
    return data.u8(0) == 0xFF && data.u8(1) == markerSOI && data.u8(2) == 0xFF;
}

RawImageHeader probeJpeg(const ByteView &data)
{
    RawImageHeader header;
    bool sawFrame = false;
    bool sawScan = false;
    bool sawExif = false;
    std::size_t pos = 2;
    // Every turn moves past at least one byte, so the walk ends with the data.
    for (;;) {
        // Like the decoder, tolerate stray bytes before a marker.
        pos = nextFF(data, pos);
        while (pos < data.size() && data.u8(pos) == 0xFF)
            ++pos;
        if (pos >= data.size())
            return {};
        const uchar marker = data.u8(pos++);
        if (marker == markerEOI) {
            if (!sawFrame || !sawScan)
                return {};
            header.complete = true;
            return header;
        }
        if (marker == markerSOI)
            return {};
        // A stuffed zero or a restart marker between segments is one more stray byte.
        if (isRestartMarker(marker) || marker == 0x00 || marker == 0x01)
            continue;

        const std::size_t length = data.u16be(pos);
        if (length < 2 || !data.has(pos, length))
            return {};
        const ByteView segment = data.mid(pos + 2, length - 2);
        const std::size_t end = pos + length;

        if (isDecodableFrame(marker)) {
            if (sawFrame || !segment.has(0, 6))
                return {};
            sawFrame = true;
            header.height = segment.u16be(1);
            header.width = segment.u16be(3);
        } else if (isOtherFrame(marker)) {
            return {};
        } else if (marker == markerAPP0) {
            readJfifDensity(segment, header);
        } else if (marker == markerAPP1 && !sawExif && segment.startsWith(0, "Exif\0\0", 6)) {
            sawExif = true;
            header.orientation = tiffOrientation(segment.mid(6, segment.size()));
        } else if (marker == markerSOS) {
            if (!sawFrame)
                return {};
            sawScan = true;
            pos = skipEntropyCodedData(data, end);
            continue;
        }
        pos = end;
    }
}
