#include "analysis/image_page_details.h"

#include "analysis/page_color.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace {

// Colour shows at any size; a small decode keeps a 100-megapixel scan to a few hundred kilobytes
// (JPEG decodes straight at the reduced scale).
constexpr int kDecodeSide = 512;

} // namespace

PageDetails imagePageDetails(const DocumentInfo &info, const std::atomic_bool *cancelled)
{
    if (info.pageCount < 1 || !QFileInfo(info.filePath).isFile())
        return {};
    QImageReader reader(info.filePath);
    // Shops receive misnamed files: the content decides, as in the analyser.
    reader.setDecideFormatFromContent(true);
    // Counting first sets the TIFF reader up to jump between pages (without, it loses its place).
    reader.imageCount();
    // Every frame is decoded at the first one's reduced size.
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > kDecodeSide || full.height() > kDecodeSide))
        reader.setScaledSize(full.scaled(kDecodeSide, kDecodeSide, Qt::KeepAspectRatio).expandedTo({1, 1}));
    PageDetails details;
    bool color = false;
    int frame = 0;
    for (; frame < info.pageCount; ++frame) {
        if (cancelled && cancelled->load())
            return {};
        // TIFF moves to a page only when asked; animations move on with every read and refuse the jump.
        if (frame > 0)
            reader.jumpToImage(frame);
        const QImage image = reader.read();
        if (image.isNull())
            break;
        color = isColorImage(image);
        details.addPages(info.paperSize, color);
    }
    if (frame == 0)
        return {};
    details.addPages(info.paperSize, color, info.pageCount - frame);
    return details;
}
