#include "analysis/document_analyzer.h"

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

// WPS files are either ZIP packages like DOCX or compound files like DOC.
void analyzeWps(DocumentInfo &info)
{
    analyzeWordPackage(info);
    if (info.pageCount < 1)
        info.pageCount = oleSummaryPageCount(info.filePath);
    if (info.paperSize.isEmpty())
        info.paperSize = wordFibPaperSize(info.filePath);
}

} // namespace

DocumentInfo analyzeDocument(const QString &path)
{
    DocumentInfo info = documentInfoFor(path);
    const QString suffix = info.fileType.toLower();
    if (suffix == QLatin1String("pdf")) {
        // One parse answers both questions.
        const PdfFacts facts = pdfAnalyze(info.filePath);
        info.pageCount = facts.pageCount;
        info.paperSize = facts.paperSize;
    } else if (suffix == QLatin1String("docx")) {
        analyzeWordPackage(info);
    } else if (suffix == QLatin1String("wps")) {
        analyzeWps(info);
    } else {
        analyzeImageInto(info);
    }
    return info;
}
