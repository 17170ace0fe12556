// Feeds arbitrary bytes to the DOCX part readers: as docProps/app.xml, and as word/document.xml
// both whole and in pieces whose size the first byte picks. For plain UTF-8 both scans must find
// the same size; otherwise the reader may meet an undecodable byte later in one than in the other.
#include "analysis/docx_xml.h"

#include <QStringDecoder>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype piece = data[0] % 97 + 1;
    const QByteArray xml =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    docxPageCountFromXml(xml);

    const QString whole = docxPaperSizeFromXml(xml);
    DocxPageSizeScanner scanner;
    for (qsizetype offset = 0; offset < xml.size(); offset += piece) {
        if (!scanner.addData(QByteArrayView(xml.constData() + offset, qMin(piece, xml.size() - offset))))
            break;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(xml);
    const bool plainUtf8 = !utf8.hasError() && !xml.contains('\0') && !xml.contains("encoding");
    if (plainUtf8 && scanner.paperSize() != whole)
        abort();
    return 0;
}
