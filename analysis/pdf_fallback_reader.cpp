#include "analysis/pdf_fallback_reader.h"

#include "analysis/paper_size.h"

#include <QFileInfo>
#include <QPdfDocument>

FallbackPdfFacts readPdfWithFallbackReader(const QString &path)
{
    FallbackPdfFacts facts;
    // A FIFO or device would block the reader.
    if (!QFileInfo(path).isFile())
        return facts;
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() < 1)
        return facts;
    facts.pageCount = document.pageCount();
    const QSizeF size = document.pagePointSize(0);
    facts.paperSize = paperSizeLabel(size.width(), size.height());
    return facts;
}
