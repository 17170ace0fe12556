#include "analysis/doc_page_details.h"

#include "analysis/document_content.h"
#include "analysis/legacy_doc_analyzer.h"
#include "analysis/libreoffice_renderer.h"
#include "analysis/pdf_page_facts.h"

namespace {

constexpr int kRenderTimeoutMs = 30000;

} // namespace

PageDetails renderedDocPageDetails(const DocumentInfo &info, const std::atomic_bool *cancelled)
{
    // The count came from rendering only when the file stores none (as in the legacy batch).
    if (info.pageCount < 1 || documentContentOfFile(info.filePath) != DocumentContent::CompoundFile ||
        oleSummaryPageCount(info.filePath) > 0)
        return {};
    PageDetails details;
    renderWithLibreOffice(
        {info.filePath}, findLibreOfficeProgram(), kRenderTimeoutMs,
        [&](int, const QString &pdf) { details = pdfPageDetails(pdf, cancelled); }, cancelled);
    return details;
}
