#pragma once

#include <QString>

// The second PDF engine (PDFium through Qt PDF), for files qpdf cannot open: broken
// cross-reference tables it cannot rebuild, damaged streams, unusual encryption with an empty
// user password. 0 pages and an empty size when it cannot read the file either.
struct FallbackPdfFacts
{
    int pageCount = 0;
    QString paperSize; // of the first page, as displayed (crop box and rotation applied)
};

FallbackPdfFacts readPdfWithFallbackReader(const QString &path);
