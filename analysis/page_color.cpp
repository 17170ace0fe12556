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
    // Premultiplied, a pixel laid on white adds the same (255 - alpha) to every channel, so its
    // chroma is that of the stored channels.
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qint64 needed =
        std::max(kMinColourPixels, (qint64(pixels.width()) * pixels.height()) / kPixelsPerColourPixel);
    qint64 found = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const int r = qRed(line[x]);
            const int g = qGreen(line[x]);
            const int b = qBlue(line[x]);
            if (std::max({r, g, b}) - std::min({r, g, b}) >= kClearChroma && ++found >= needed)
                return true;
        }
    }
    return false;
}
