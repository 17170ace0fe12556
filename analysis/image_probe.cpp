#include "analysis/image_probe.h"

#include "analysis/image_probe_file_bytes.h"
#include "analysis/image_probe_formats.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace {

// No camera, scanner or print workflow produces a side beyond a million pixels (84 m at 300 dpi)
// or more than four gigapixels (an A0 scan at 1200 dpi has 2.2); larger headers are garbage.
constexpr quint64 maxSide = 1000000;
constexpr quint64 maxPixels = 4000000000ull;

// Formats other than TIFF are read whole, up to this size.
constexpr qint64 maxReadSize = 256 * 1024 * 1024;
// Pictures up to this many pixels are decoded when the headers leave the answer open; beyond it the
// reader's own header answer stands.
constexpr qint64 maxDecodedPixels = 64 * 1024 * 1024;

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

ImageProbe finished(const RawImageHeader &header)
{
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

// What the toolkit's reader makes of the file: the picture as displayed, its resolution unless
// the reader only assumed one, and its frame count.
ImageProbe probeByDecoder(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return {};
    RawImageHeader header;
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxDecodedPixels) {
        header.width = quint64(size.width());
        header.height = quint64(size.height());
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            header.orientation = 6;
    } else {
        const QImage image = reader.read();
        if (image.isNull())
            return {};
        header.width = quint64(image.width());
        header.height = quint64(image.height());
        if (image.dotsPerMeterX() != QImage(1, 1, QImage::Format_Mono).dotsPerMeterX()) {
            header.dotsPerMeterX = image.dotsPerMeterX();
            header.dotsPerMeterY = image.dotsPerMeterY();
        }
    }
    // After read() some handlers count one image only; a fresh reader counts them all.
    header.frameCount = qMax(QImageReader(path).imageCount(), 1);
    header.complete = true;
    return finished(header);
}

// The header readers' answer, or no answer when the file could not be read as far as it claimed.
ImageProbe probeByHeaders(QFile &file, qint64 size, bool &shrank)
{
    char magic[4] = {};
    if (file.read(magic, 4) != 4 || !file.seek(0)) {
        shrank = true;
        return {};
    }
    if (looksLikeTiff(ByteView(reinterpret_cast<const uchar *>(magic), 4))) {
        const FileBytes bytes(file, quint64(size));
        const RawImageHeader header = probeTiffFile(bytes);
        shrank = bytes.failed();
        return shrank ? ImageProbe() : finished(header);
    }
    if (size > maxReadSize)
        return {};
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (file.read(bytes.data(), size) != size) {
        shrank = true;
        return {};
    }
    return probeImageData(reinterpret_cast<const uchar *>(bytes.constData()), std::size_t(size));
}

} // namespace

ImageProbe probeImageData(const uchar *data, std::size_t size)
{
    return finished(probeByFormat(ByteView(data, size)));
}

ImageProbe probeImageFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return probeOpenImageFile(file, file.size());
}

ImageProbe probeOpenImageFile(QFile &file, qint64 size)
{
    if (size <= 0)
        return {};
    bool shrank = false;
    const ImageProbe probe = probeByHeaders(file, size, shrank);
    // A bitmap's header looks plausible far more often than the decoder accepts the file.
    const bool bitmap = probe.readable && file.seek(0) && file.peek(2) == "BM";
    if (shrank || (probe.readable && !bitmap))
        return probe;
    return probeByDecoder(file.fileName());
}
