#include "analysis/document_analyzer.h"

#include "analysis/document_content.h"
#include "analysis/docx_analyzer.h"
#include "analysis/image_analyzer.h"
#include "analysis/legacy_doc_analyzer.h"
#include "analysis/pdf_analyzer.h"

namespace {

void analyzeWordPackage(DocumentInfo &info)
{
    info.pageCount = docxPageCount(info.filePath);
    info.paperSize = docxPaperSize(info.filePath);
}

// DOC and older WPS files: what the file stores itself.
void analyzeCompoundFile(DocumentInfo &info)
{
    info.pageCount = oleSummaryPageCount(info.filePath);
    info.paperSize = wordFibPaperSize(info.filePath);
}

} // namespace

DocumentInfo analyzeDocument(const QString &path)
{
    DocumentInfo info = documentInfoFor(path);
    // Shops receive misnamed files: the content decides, the name stays the row's file type.
    switch (documentContentOfFile(info.filePath)) {
    case DocumentContent::Pdf: {
        // One parse answers both questions.
        const PdfFacts facts = pdfAnalyze(info.filePath);
        info.pageCount = facts.pageCount;
        info.paperSize = facts.paperSize;
        info.countFromFallbackReader = facts.fromFallbackReader;
        info.pageCountEstimated = facts.pageCountEstimated;
        break;
    }
    case DocumentContent::ZipPackage:
        analyzeWordPackage(info);
        break;
    case DocumentContent::CompoundFile:
        analyzeCompoundFile(info);
        break;
    case DocumentContent::Image:
        analyzeImageInto(info);
        break;
    case DocumentContent::WordText:
    case DocumentContent::Unknown:
        break; // nothing that can be counted without a word processor
    }
    return info;
}
