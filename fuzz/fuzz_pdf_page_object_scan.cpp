// Feeds arbitrary bytes to the page-object scan, whole and in two pieces split where the first
// byte says: the pieces a file is read in must never change the count.
#include "analysis/pdf_page_object_scan.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int whole = scanPdfPageObjects(bytes);
    const qsizetype split = size > 0 ? qsizetype(data[0]) * qsizetype(size) / 256 : 0;
    PdfPageObjectScanner scanner;
    scanner.feed(bytes.constData(), split);
    scanner.feed(bytes.constData() + split, bytes.size() - split);
    if (whole < 0 || scanner.finish() != whole)
        std::abort();
    return 0;
}
