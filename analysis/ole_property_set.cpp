#include "analysis/ole_property_set.h"

#include <QtEndian>

#include <limits>

namespace {

constexpr quint32 pidPageCount = 14;
constexpr quint16 vtI4 = 3;
constexpr quint16 vtUI4 = 19;

// FMTID_SummaryInformation in its on-disk (little-endian GUID) byte order.
const char summaryFormatId[16] = {'\xE0', '\x85', '\x9F', '\xF2', '\xF9', '\x4F', '\x68', '\x10',
                                  '\xAB', '\x91', '\x08', '\x00', '\x2B', '\x27', '\xB3', '\xD9'};

} // namespace

std::optional<qint32> summaryInformationPageCount(const QByteArray &stream)
{
    const char *data = stream.constData();
    const qint64 size = stream.size();
    constexpr int firstSetOffsetField = 44;
    if (size < firstSetOffsetField + 4)
        return std::nullopt;
    const quint16 version = qFromLittleEndian<quint16>(data + 2);
    if (qFromLittleEndian<quint16>(data) != 0xFFFE || version > 1)
        return std::nullopt;
    if (qFromLittleEndian<quint32>(data + 24) < 1 ||
        QByteArray::fromRawData(data + 28, 16) != QByteArray::fromRawData(summaryFormatId, 16))
        return std::nullopt;

    const qint64 setOffset = qFromLittleEndian<quint32>(data + firstSetOffsetField);
    if (setOffset > size - 8)
        return std::nullopt;
    const char *set = data + setOffset;
    const qint64 setSize = qFromLittleEndian<quint32>(set);
    const qint64 propertyCount = qFromLittleEndian<quint32>(set + 4);
    if (setSize < 8 || setSize > size - setOffset || propertyCount > (setSize - 8) / 8)
        return std::nullopt;

    for (qint64 i = 0; i < propertyCount; ++i) {
        const char *idAndOffset = set + 8 + 8 * i;
        if (qFromLittleEndian<quint32>(idAndOffset) != pidPageCount)
            continue;
        const qint64 valueOffset = qFromLittleEndian<quint32>(idAndOffset + 4);
        if (valueOffset < 8 || valueOffset > setSize - 8)
            return std::nullopt;
        const quint16 type = qFromLittleEndian<quint16>(set + valueOffset);
        if (type == vtI4)
            return qFromLittleEndian<qint32>(set + valueOffset + 4);
        if (type == vtUI4) {
            const quint32 value = qFromLittleEndian<quint32>(set + valueOffset + 4);
            if (value > quint32(std::numeric_limits<qint32>::max()))
                return std::nullopt;
            return qint32(value);
        }
        return std::nullopt;
    }
    return std::nullopt;
}
