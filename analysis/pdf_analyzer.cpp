#include "analysis/pdf_analyzer.h"

#include "analysis/paper_size.h"
#include "analysis/pdf_fallback_reader.h"
#include "analysis/pdf_page_object_scan.h"
#include "analysis/pdf_page_tree.h"
#include "analysis/qpdf_document.h"

#include <exception>

namespace {

PdfFacts readPdfSource(const PdfSource &source, bool measureFirstPage)
{
    const std::lock_guard<std::mutex> lock(qpdfMutex());
    // The source's bytes outlive the handle, which reads from them without a copy.
    const OpenedPdf pdf(source);
    PdfFacts facts;
    if (!pdf.isReadable()) {
        facts.unreadable = true;
        return facts;
    }
    int pages = qpdf_get_num_pages(pdf.handle());
    qpdf_oh firstPage = 0;
    if (pages < 0) {
        // qpdf refuses a page tree that refers to a node twice or loops; other readers print
        // such files, so count the distinct pages ourselves.
        qpdf_get_error(pdf.handle());
        const PdfPageWalk walk = walkPageTree(pdf.handle());
        pages = walk.pageCount;
        firstPage = walk.firstPage;
    } else if (pages > 0 && measureFirstPage) {
        firstPage = qpdf_get_page_n(pdf.handle(), 0);
    }
    facts.pageCount = pages > 0 ? pages : 0;
    if (!measureFirstPage || pages < 1 || firstPage == 0)
        return facts;
    const PdfPageSize size = displayedPageSize(pdf.handle(), firstPage);
    if (size.width > 0 && size.height > 0)
        facts.paperSize = paperSizeLabel(size.width, size.height);
    return facts;
}

// Failures are data: nothing, not even an allocation failure, leaves an analyser as an exception.
PdfFacts readPdf(const QString &path, bool measureFirstPage)
{
    PdfFacts facts;
    try {
        facts = readPdfSource(loadPdfSource(path), measureFirstPage);
    } catch (const std::exception &) {
        facts.unreadable = true;
    }
    if (!facts.unreadable)
        return facts;
    // Outside the qpdf lock: the second engine has its own.
    const FallbackPdfFacts fallback = readPdfWithFallbackReader(path);
    PdfFacts result;
    result.unreadable = true;
    result.pageCount = fallback.pageCount;
    result.paperSize = measureFirstPage ? fallback.paperSize : QString();
    result.fromFallbackReader = fallback.pageCount > 0;
    if (result.pageCount < 1) {
        // Better a count flagged as an estimate than 0 for a file nobody opens.
        result.pageCount = estimatePdfPageCount(path);
        result.pageCountEstimated = result.pageCount > 0;
    }
    return result;
}

} // namespace

int pdfPageCount(const QString &path)
{
    return readPdf(path, false).pageCount;
}

QString pdfPaperSize(const QString &path)
{
    return readPdf(path, true).paperSize;
}

PdfFacts pdfAnalyze(const QString &path)
{
    return readPdf(path, true);
}
