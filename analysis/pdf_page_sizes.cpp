#include "analysis/pdf_page_sizes.h"

#include "analysis/paper_size.h"
#include "analysis/pdf_page_tree.h"
#include "analysis/qpdf_document.h"

#include <exception>

namespace {

QStringList readPageSizes(const PdfSource &source, const std::atomic_bool *cancelled)
{
    const std::lock_guard<std::mutex> lock(qpdfMutex());
    const OpenedPdf pdf(source);
    if (!pdf.isReadable())
        return {};
    const int pages = qpdf_get_num_pages(pdf.handle());
    QStringList sizes;
    sizes.reserve(pages > 0 ? pages : 0);
    for (int i = 0; i < pages; ++i) {
        // Each page costs microseconds; checking now and then keeps a cancel prompt.
        if (i % 256 == 0 && cancelled && cancelled->load())
            return {};
        const PdfPageSize size = displayedPageSize(pdf.handle(), qpdf_get_page_n(pdf.handle(), i));
        sizes.append(size.width > 0 && size.height > 0 ? paperSizeLabel(size.width, size.height) : QString());
    }
    // A page tree qpdf refuses (pages < 0) leaves the sizes to the renderer's reading.
    return sizes;
}

} // namespace

QStringList pdfPageSizes(const QString &path, const std::atomic_bool *cancelled)
{
    try {
        return readPageSizes(loadPdfSource(path), cancelled);
    } catch (const std::exception &) {
        return {};
    }
}
