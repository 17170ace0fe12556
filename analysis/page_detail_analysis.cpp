#include "analysis/page_detail_analysis.h"

#include "analysis/doc_page_details.h"
#include "analysis/document_content.h"
#include "analysis/image_page_details.h"
#include "analysis/pdf_page_facts.h"

#include <exception>

PageDetails analyzePageDetails(const DocumentInfo &info, const std::atomic_bool *cancelled, PageSpan span)
{
    if (info.pageCount < 1 || (cancelled && cancelled->load()))
        return {};
    try {
        // The content decides, as in the first pass; the name may be wrong.
        const bool laterSpan = span.first > 0;
        switch (documentContentOfFile(info.filePath)) {
        case DocumentContent::Pdf:
            return pdfPageDetails(info.filePath, cancelled, span);
        case DocumentContent::Image:
            return laterSpan ? PageDetails() : imagePageDetails(info, cancelled);
        case DocumentContent::CompoundFile:
            return laterSpan ? PageDetails() : renderedDocPageDetails(info, cancelled);
        case DocumentContent::ZipPackage:
        case DocumentContent::WordText:
        case DocumentContent::Unknown:
            break; // Word files other than rendered DOC give no page details
        }
    } catch (const std::exception &) {
        // Failures are data: an allocation failure leaves no details, never an exception.
    }
    return {};
}
