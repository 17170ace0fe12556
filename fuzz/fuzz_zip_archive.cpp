// Feeds arbitrary bytes to the ZIP reader as a whole archive, both through the buffered read and
// through the streaming read (which stops taking data early, as the page-size scan does).
#include "zip/zip_archive.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray archive = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = QStringLiteral("word/document.xml");
    QString bufferedError;
    const QByteArray document = ZipArchive::readEntryFromData(archive, name, &bufferedError);

    QByteArray streamed;
    QString streamedError;
    const bool intact = ZipArchive::streamEntryFromData(
        archive, name,
        [&](QByteArrayView chunk) {
            streamed.append(chunk.data(), chunk.size());
            return true;
        },
        &streamedError);
    // Both ways of reading must agree on the verdict, the message and the bytes.
    if (intact != bufferedError.isEmpty() || streamedError != bufferedError ||
        (intact && streamed != document))
        abort();

    qint64 seen = 0;
    ZipArchive::streamEntryFromData(archive, QStringLiteral("docProps/app.xml"), [&](QByteArrayView chunk) {
        seen += chunk.size();
        return seen < 4096;
    });
    return 0;
}
