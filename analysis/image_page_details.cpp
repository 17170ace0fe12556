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

PageDetails imagePageDetails(const DocumentInfo &info)
{
    if (info.pageCount < 1 || !QFileInfo(info.filePath).isFile())
        return {};
    QImageReader reader(info.filePath);
    // Shops receive misnamed files: the content decides, as in the analyser.
    reader.setDecideFormatFromContent(true);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > kDecodeSide || full.height() > kDecodeSide))
        reader.setScaledSize(
            full.scaled(kDecodeSide, kDecodeSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage frame = reader.read();
    if (frame.isNull())
        return {};
    PageDetails details;
    details.addPages(info.paperSize, isColorImage(frame), info.pageCount);
    return details;
}
