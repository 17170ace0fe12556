#include "zip/zip_archive.h"

#include "zip/zip_entry_locator.h"

#include <QCoreApplication>
#include <QFile>

#include <climits>
#include <cstring>
#include <zlib.h>

namespace {

constexpr qint64 kChunkSize = 64 * 1024;
// Deflate codes at best a 258-byte match in two bits, so a stream can expand at most 1032-fold.
// A declared size beyond that cannot be honest and is refused before any buffer is allocated.
constexpr quint64 kMaxDeflateRatio = 1032;

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

QString inflateFailedMessage()
{
    return QCoreApplication::translate("ZipArchive", "ZIP 条目解压失败");
}

QString checkFailedMessage()
{
    return QCoreApplication::translate("ZipArchive", "ZIP 条目校验失败");
}

// Refuses sizes that the entry's own data cannot produce, before anything is allocated.
bool checkDeclaredSizes(const ZipEntryLocation &entry, QString *error)
{
    switch (entry.method) {
    case 0:
        return entry.compressedSize == entry.uncompressedSize || fail(error, checkFailedMessage());
    case 8:
        // 0xFFFFFFFF marks ZIP64 sizes, which this reader does not support.
        if (entry.compressedSize == 0xFFFFFFFFu || entry.uncompressedSize > quint32(INT_MAX) ||
            entry.uncompressedSize > kMaxDeflateRatio * entry.compressedSize)
            return fail(error, inflateFailedMessage());
        return true;
    default:
        return fail(error,
                    QCoreApplication::translate("ZipArchive", "不支持的 ZIP 压缩算法：%1").arg(entry.method));
    }
}

class MemorySource : public ZipByteSource
{
public:
    explicit MemorySource(const QByteArray &data) : m_data(data) {}
    qint64 size() const override { return m_data.size(); }
    QByteArray read(qint64 offset, qint64 length) const override
    {
        if (offset < 0 || length < 0 || offset > m_data.size() || length > m_data.size() - offset)
            return {};
        return QByteArray::fromRawData(m_data.constData() + offset, length);
    }

private:
    const QByteArray &m_data;
};

// Bounded reads of the parts asked for. A file that is cut short or whose medium goes away while
// it is read yields a short read, never a signal.
class FileSource : public ZipByteSource
{
public:
    FileSource(QFile &file, qint64 size) : m_file(file), m_size(size) {}
    qint64 size() const override { return m_size; }
    QByteArray read(qint64 offset, qint64 length) const override
    {
        if (offset < 0 || length < 0 || offset > m_size || length > m_size - offset || !m_file.seek(offset))
            return {};
        QByteArray bytes = m_file.read(length);
        return bytes.size() == length ? bytes : QByteArray();
    }

private:
    QFile &m_file;
    qint64 m_size;
};

// Feeds the bytes of a checked entry to sink (until it declines) and verifies size and CRC-32.
bool extract(const ZipByteSource &archive, const ZipEntryLocation &entry, const ZipArchive::ChunkSink &sink,
             QString *error)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    bool delivering = true;
    const QString incomplete = QCoreApplication::translate("ZipArchive", "ZIP 条目数据不完整");

    if (entry.method == 0) {
        for (qint64 done = 0; done < entry.compressedSize;) {
            const qint64 length = qMin<qint64>(kChunkSize, entry.compressedSize - done);
            const QByteArray input = archive.read(entry.dataOffset + done, length);
            if (input.size() != length)
                return fail(error, incomplete);
            crc = crc32(crc, reinterpret_cast<const Bytef *>(input.constData()), uInt(length));
            if (delivering)
                delivering = sink(QByteArrayView(input));
            done += length;
        }
    } else {
        z_stream stream;
        std::memset(&stream, 0, sizeof stream);
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            return fail(error, inflateFailedMessage());
        QByteArray input;
        qint64 consumed = 0;
        QByteArray chunk(kChunkSize, Qt::Uninitialized);
        quint64 total = 0;
        int status = Z_OK;
        while (status != Z_STREAM_END) {
            if (stream.avail_in == 0 && consumed < entry.compressedSize) {
                const qint64 length = qMin<qint64>(kChunkSize, entry.compressedSize - consumed);
                input = archive.read(entry.dataOffset + consumed, length);
                if (input.size() != length)
                    break;
                consumed += length;
                stream.next_in = reinterpret_cast<Bytef *>(input.data());
                stream.avail_in = uInt(length);
            }
            stream.next_out = reinterpret_cast<Bytef *>(chunk.data());
            stream.avail_out = uInt(kChunkSize);
            status = inflate(&stream, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END)
                break;
            const qint64 produced = kChunkSize - stream.avail_out;
            total += produced;
            if (total > entry.uncompressedSize)
                break;
            crc = crc32(crc, reinterpret_cast<const Bytef *>(chunk.constData()), uInt(produced));
            if (delivering && produced > 0)
                delivering = sink(QByteArrayView(chunk.constData(), produced));
        }
        inflateEnd(&stream);
        if (status != Z_STREAM_END || total != entry.uncompressedSize)
            return fail(error, inflateFailedMessage());
    }

    if (crc != entry.crc32)
        return fail(error, checkFailedMessage());
    return true;
}

// Runs use on the file. Only the directory and the wanted entry are ever read.
bool withArchiveFile(const QString &zipPath, QString *error,
                     const std::function<bool(const ZipByteSource &)> &use)
{
    QFile file(zipPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    return use(FileSource(file, file.size()));
}

QByteArray readLocatedEntry(const ZipByteSource &archive, const QString &entryName, QString *error,
                            qint64 maxSize)
{
    ZipEntryLocation entry;
    if (!locateZipEntry(archive, entryName.toUtf8(), &entry, error) || !checkDeclaredSizes(entry, error))
        return {};
    if (maxSize >= 0 && entry.uncompressedSize > maxSize) {
        fail(error, inflateFailedMessage());
        return {};
    }
    // extract() stops before a byte beyond the declared size could arrive.
    QByteArray result(qsizetype(entry.uncompressedSize), Qt::Uninitialized);
    qsizetype written = 0;
    const auto append = [&](QByteArrayView chunk) {
        if (chunk.size() <= result.size() - written)
            std::memcpy(result.data() + written, chunk.data(), chunk.size());
        written += chunk.size();
        return true;
    };
    if (!extract(archive, entry, append, error) || written != result.size())
        return {};
    return result;
}

bool streamLocatedEntry(const ZipByteSource &archive, const QString &entryName,
                        const ZipArchive::ChunkSink &sink, QString *error)
{
    ZipEntryLocation entry;
    return locateZipEntry(archive, entryName.toUtf8(), &entry, error) && checkDeclaredSizes(entry, error) &&
           extract(archive, entry, sink, error);
}

} // namespace

QByteArray ZipArchive::readEntry(const QString &zipPath, const QString &entryName, QString *error,
                                 qint64 maxSize)
{
    QByteArray result;
    withArchiveFile(zipPath, error, [&](const ZipByteSource &archive) {
        result = readLocatedEntry(archive, entryName, error, maxSize);
        return true;
    });
    return result;
}

QByteArray ZipArchive::readEntryFromData(const QByteArray &archive, const QString &entryName, QString *error,
                                         qint64 maxSize)
{
    return readLocatedEntry(MemorySource(archive), entryName, error, maxSize);
}

bool ZipArchive::streamEntry(const QString &zipPath, const QString &entryName, const ChunkSink &sink,
                             QString *error)
{
    return withArchiveFile(zipPath, error, [&](const ZipByteSource &archive) {
        return streamLocatedEntry(archive, entryName, sink, error);
    });
}

bool ZipArchive::streamEntryFromData(const QByteArray &archive, const QString &entryName,
                                     const ChunkSink &sink, QString *error)
{
    return streamLocatedEntry(MemorySource(archive), entryName, sink, error);
}
