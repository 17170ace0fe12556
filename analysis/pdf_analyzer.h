#pragma once

#include <QString>

// What one reading of a PDF found out: the page count (0 when the file cannot be read) and the
// paper-size text of the first page (empty when it cannot be measured).
struct PdfFacts
{
    int pageCount = 0;
    QString paperSize;
    bool unreadable = false;         // qpdf could not open the file
    bool fromFallbackReader = false; // and the second engine gave the answers
    bool pageCountEstimated = false; // neither engine read it; its page objects were counted
};

// Every function here opens the file through qpdf under one process-wide lock; a file qpdf
// cannot open goes to the second engine (pdf_fallback_reader.h). What neither reads, damaged or
// password-protected, gives the number of its page objects as an estimate
// (pdf_page_object_scan.h) and an empty size. Neither engine prints anything.
int pdfPageCount(const QString &path);
// Paper-size text of the first page (its media box with the page rotation applied).
QString pdfPaperSize(const QString &path);
// Both answers from a single opening of the file; identical to calling the two above.
PdfFacts pdfAnalyze(const QString &path);
