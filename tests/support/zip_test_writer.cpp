#include "support/zip_test_writer.h"

#include <zlib.h>

namespace {

QByteArray le(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
    return out;
}

} // namespace

QByteArray deflatedZipArchive(const QList<QPair<QByteArray, QByteArray>> &entries)
{
    QByteArray locals, centrals;
    for (const auto &[name, data] : entries) {
        z_stream stream{};
        deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
        QByteArray packed(qsizetype(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
        stream.avail_in = uInt(data.size());
        stream.next_out = reinterpret_cast<Bytef *>(packed.data());
        stream.avail_out = uInt(packed.size());
        deflate(&stream, Z_FINISH);
        packed.resize(qsizetype(stream.total_out));
        deflateEnd(&stream);
        const quint32 crc =
            quint32(crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
        // crc, compressed and uncompressed size, name length: shared by both headers
        const QByteArray sizes = le(crc, 4) + le(quint32(packed.size()), 4) + le(quint32(data.size()), 4) +
                                 le(quint32(name.size()), 2);
        centrals += "PK\x01\x02" + le(20, 2) + le(20, 2) + le(0, 2) + le(8, 2) + le(0, 4) + sizes +
                    QByteArray(12, '\0') + le(quint32(locals.size()), 4) + name;
        locals +=
            "PK\x03\x04" + le(20, 2) + le(0, 2) + le(8, 2) + le(0, 4) + sizes + le(0, 2) + name + packed;
    }
    const QByteArray count = le(quint32(entries.size()), 2);
    return locals + centrals + "PK\x05\x06" + QByteArray(4, '\0') + count + count +
           le(quint32(centrals.size()), 4) + le(quint32(locals.size()), 4) + le(0, 2);
}
