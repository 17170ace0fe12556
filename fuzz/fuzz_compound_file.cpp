// Feeds arbitrary bytes to the compound file reader and to the readers of the streams it yields:
// the summary information property set and the Word file information block with its section
// table and property modifiers. The same bytes are also given to the stream readers directly,
// so they are exercised without a well-formed container around them.
#include "analysis/compound_file.h"
#include "analysis/ole_property_set.h"
#include "analysis/word_fib.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    summaryInformationPageCount(bytes);
    wordFirstSectionPageSize(bytes, bytes);
    sectionPageSetup(bytes.constData(), int(bytes.size()));

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CompoundFile file(&buffer);
    if (!file.open())
        return 0;
    if (const auto summary = file.readStream(QStringLiteral("\x05SummaryInformation")))
        summaryInformationPageCount(*summary);
    const auto wordDocument = file.readStream(QStringLiteral("WordDocument"));
    if (!wordDocument)
        return 0;
    if (const auto tableName = wordTableStreamName(*wordDocument))
        wordFirstSectionPageSize(*wordDocument, file.readStream(*tableName).value_or(QByteArray()));
    return 0;
}
