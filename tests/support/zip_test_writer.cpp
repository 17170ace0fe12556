#include "support/zip_test_writer.h"

#include <zlib.h>

namespace {

QByteArray littleEndian(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
    return out;
}

QByteArray rawDeflate(const QByteArray &data)
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

} // namespace

QByteArray deflatedZipArchive(const QList<QPair<QByteArray, QByteArray>> &entries)
{
    QByteArray locals;
    QByteArray centrals;
    for (const auto &[name, data] : entries) {
        const QByteArray packed = rawDeflate(data);
        const quint32 crc =
            quint32(crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
        const QByteArray sizes = littleEndian(crc, 4) + littleEndian(quint32(packed.size()), 4) +
                                 littleEndian(quint32(data.size()), 4) +
                                 littleEndian(quint32(name.size()), 2);
        const quint32 offset = quint32(locals.size());
        locals += "PK\x03\x04" + littleEndian(20, 2) + littleEndian(0, 2) + littleEndian(8, 2) +
                  littleEndian(0, 4) + sizes + littleEndian(0, 2) + name + packed;
        centrals += "PK\x01\x02" + littleEndian(20, 2) + littleEndian(20, 2) + littleEndian(0, 2) +
                    littleEndian(8, 2) + littleEndian(0, 4) + sizes + QByteArray(12, '\0') +
                    littleEndian(offset, 4) + name;
    }
    const QByteArray count = littleEndian(quint32(entries.size()), 2);
    return locals + centrals + "PK\x05\x06" + QByteArray(4, '\0') + count + count +
           littleEndian(quint32(centrals.size()), 4) + littleEndian(quint32(locals.size()), 4) +
           littleEndian(0, 2);
}
