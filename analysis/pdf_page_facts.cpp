#include "analysis/pdf_page_facts.h"

#include "analysis/page_color.h"
#include "analysis/paper_size.h"
#include "analysis/pdf_page_sizes.h"
#include "analysis/pdf_printed_copy.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPdfDocument>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>

namespace {

// Ghostscript's ink coverage is compared at the same resolution; 50 dpi shows a hairline as
// anti-aliased pixels and renders an A4 page in a few milliseconds.
constexpr double kRenderDpi = 50;
// A poster or a damaged box is rendered smaller rather than taking more memory (16 MB).
constexpr double kMaxRenderPixels = 4.0 * 1024 * 1024;

QSize renderSize(const QSizeF &points)
{
    if (!(points.width() > 0 && points.height() > 0))
        return {};
    double scale = kRenderDpi / 72.0;
    const double pixels = points.width() * scale * points.height() * scale;
    if (!std::isfinite(pixels))
        return {};
    if (pixels > kMaxRenderPixels)
        scale *= std::sqrt(kMaxRenderPixels / pixels);
    return QSize(std::max(1, int(std::lround(points.width() * scale))),
                 std::max(1, int(std::lround(points.height() * scale))));
}

bool cancelledNow(const std::atomic_bool *cancelled)
{
    return cancelled && cancelled->load();
}

} // namespace

QList<PdfPageFacts> pdfPageFacts(const QString &path, const std::atomic_bool *cancelled, PageSpan span)
{
    const QStringList sizes = pdfPageSizes(path, cancelled);
    // A FIFO or device would block the reader.
    if (cancelledNow(cancelled) || !QFileInfo(path).isFile())
        return {};
    // The renderer leaves annotations out; what a print shows of them is merged into the pages.
    QTemporaryFile printed(QDir::tempPath() + QStringLiteral("/orvanta-printed-XXXXXX.pdf"));
    QPdfDocument document;
    if (document.load(writePrintedCopy(path, printed) ? printed.fileName() : path) !=
        QPdfDocument::Error::None)
        return {};
    const int pages = document.pageCount();
    // Both engines read the same page tree unless qpdf refused it; then the renderer's pages count.
    const bool ownSizes = sizes.size() == pages;
    const int first = std::clamp(span.first, 0, pages);
    const int end = span.count < 0 ? pages : int(std::min<qint64>(pages, qint64(first) + span.count));
    QList<PdfPageFacts> facts;
    facts.reserve(end - first);
    for (int i = first; i < end; ++i) {
        if (cancelledNow(cancelled))
            return {};
        const QSizeF points = document.pagePointSize(i);
        PdfPageFacts page;
        page.paperSize = ownSizes ? sizes.at(i) : paperSizeLabel(points.width(), points.height());
        const QSize pixels = renderSize(points);
        page.color = pixels.isValid() && isColorImage(document.render(i, pixels));
        facts.append(page);
    }
    return facts;
}

PageDetails pdfPageDetails(const QString &path, const std::atomic_bool *cancelled, PageSpan span)
{
    PageDetails details;
    for (const PdfPageFacts &page : pdfPageFacts(path, cancelled, span))
        details.addPages(page.paperSize, page.color);
    return details;
}
