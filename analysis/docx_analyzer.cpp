#include "analysis/docx_analyzer.h"

#include "analysis/docx_xml.h"
#include "zip/zip_archive.h"

namespace {

// Extended properties are a few dozen short elements, a few KiB in practice; a larger declared
// size is not worth inflating into memory.
constexpr qint64 kMaxAppXmlSize = 4 * 1024 * 1024;

} // namespace

int docxPageCount(const QString &path)
{
    return docxPageCountFromXml(
        ZipArchive::readEntry(path, QStringLiteral("docProps/app.xml"), nullptr, kMaxAppXmlSize));
}

// The main part can legitimately run to tens of MiB and a one-section document keeps its page
// size at the very end, so the part is inflated piecewise into the XML reader instead of whole.
QString docxPaperSize(const QString &path)
{
    DocxPageSizeScanner scanner;
    const bool intact = ZipArchive::streamEntry(path, QStringLiteral("word/document.xml"),
                                                [&](QByteArrayView chunk) { return scanner.addData(chunk); });
    return intact ? scanner.paperSize() : QString();
}
