#include "analysis/image_probe.h"

#include "analysis/image_probe_formats.h"

#include <QFile>
#include <QFileInfo>

namespace {

// No camera, scanner or print workflow produces a side beyond a million pixels (84 m at 300 dpi)
// or more than four gigapixels (an A0 scan at 1200 dpi has 2.2); larger headers are garbage.
constexpr quint64 maxSide = 1000000;
constexpr quint64 maxPixels = 4000000000ull;

// Files that cannot be mapped are read whole only up to this size.
constexpr qint64 maxReadSize = 256 * 1024 * 1024;

RawImageHeader probeByFormat(const ByteView &data)
{
    if (looksLikeJpeg(data))
        return probeJpeg(data);
    if (looksLikePng(data))
        return probePng(data);
    if (looksLikeGif(data))
        return probeGif(data);
    if (looksLikeTiff(data))
        return probeTiff(data);
    if (looksLikeBmp(data))
        return probeBmp(data);
    if (looksLikeWebp(data))
        return probeWebp(data);
    return {};
}

bool plausible(const RawImageHeader &header)
{
    return header.width >= 1 && header.height >= 1 && header.width <= maxSide && header.height <= maxSide &&
           header.width * header.height <= maxPixels && header.frameCount >= 1;
}

} // namespace

ImageProbe probeImageData(const uchar *data, std::size_t size)
{
    const RawImageHeader header = probeByFormat(ByteView(data, size));
    if (!header.complete || !plausible(header))
        return {};

    ImageProbe probe;
    probe.readable = true;
    probe.width = quint32(header.width);
    probe.height = quint32(header.height);
    probe.frameCount = header.frameCount;
    if (header.dotsPerMeterX > 0 && header.dotsPerMeterY > 0) {
        probe.dotsPerMeterX = header.dotsPerMeterX;
        probe.dotsPerMeterY = header.dotsPerMeterY;
    }
    // Orientations 5 to 8 turn the picture by a quarter: it is displayed with its sides exchanged.
    if (header.orientation >= 5) {
        std::swap(probe.width, probe.height);
        std::swap(probe.dotsPerMeterX, probe.dotsPerMeterY);
    }
    return probe;
}

ImageProbe probeImageFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    if (size <= 0)
        return {};
    if (const uchar *mapped = file.map(0, size)) {
        const ImageProbe probe = probeImageData(mapped, std::size_t(size));
        file.unmap(const_cast<uchar *>(mapped));
        return probe;
    }
    if (size > maxReadSize)
        return {};
    const QByteArray bytes = file.read(size);
    return probeImageData(reinterpret_cast<const uchar *>(bytes.constData()), std::size_t(bytes.size()));
}
