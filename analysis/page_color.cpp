#include "analysis/page_color.h"

#include <QImage>

#include <algorithm>

namespace {

constexpr int kClearChroma = 40;
constexpr qint64 kPixelsPerColourPixel = 15000;
constexpr qint64 kMinColourPixels = 4;

} // namespace

bool isColorImage(const QImage &image)
{
    if (image.isNull())
        return false;
    // Laid on white, a premultiplied pixel adds the same (255 - alpha) to every channel, so its
    // chroma is that of the stored channels; a straight-alpha pixel's chroma shrinks with its alpha.
    // The renderer's straight-alpha pages are read as they are, saving a copy of every page.
    const QImage::Format format = image.format();
    const bool straightAlpha = format == QImage::Format_ARGB32;
    const QImage pixels =
        straightAlpha || format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied
            ? image
            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = pixels.width();
    const int height = pixels.height();
    const qint64 needed = std::max(kMinColourPixels, (qint64(width) * height) / kPixelsPerColourPixel);
    qint64 found = 0;
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            const int r = qRed(pixel);
            const int g = qGreen(pixel);
            const int b = qBlue(pixel);
            int chroma = std::max({r, g, b}) - std::min({r, g, b});
            if (straightAlpha)
                chroma = chroma * qAlpha(pixel) / 255;
            if (chroma >= kClearChroma && ++found >= needed)
                return true;
        }
    }
    return false;
}
