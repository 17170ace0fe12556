#include "zip/zip_archive.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>
#include <zlib.h>

namespace {

constexpr qint64 kMax32 = 0xFFFFFFFFLL;
constexpr quint16 kVersion = 20;
constexpr quint16 kUtf8NameFlag = 0x0800;

struct DirectoryRecord
{
    QByteArray name;
    quint16 method = 0;
    quint32 crc = 0;
    quint32 compressedSize = 0;
    quint32 uncompressedSize = 0;
    quint32 localHeaderOffset = 0;
};

class LittleEndianBuffer
{
public:
    void u16(quint16 value) { append(qToLittleEndian(value)); }
    void u32(quint32 value) { append(qToLittleEndian(value)); }
    void bytes(const QByteArray &data) { buffer.append(data); }
    QByteArray buffer;

private:
    template <typename T> void append(T value)
    {
        buffer.append(reinterpret_cast<const char *>(&value), sizeof value);
    }
};

// Raw deflate in one call; empty when zlib fails or the output would not be smaller.
QByteArray deflated(const QByteArray &data)
{
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (data.isEmpty() ||
        deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    const uLong bound = deflateBound(&stream, uLong(data.size()));
    QByteArray output;
    // A single call cannot hand zlib more than 4 GiB of output room; such data is stored.
    if (bound <= uLong(kMax32)) {
        output.resize(qsizetype(bound));
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
        stream.avail_in = uInt(data.size());
        stream.next_out = reinterpret_cast<Bytef *>(output.data());
        stream.avail_out = uInt(bound);
        if (deflate(&stream, Z_FINISH) == Z_STREAM_END)
            output.truncate(qsizetype(stream.total_out));
        else
            output.clear();
    }
    deflateEnd(&stream);
    return output.size() < data.size() ? output : QByteArray();
}

QByteArray localHeader(const DirectoryRecord &record)
{
    LittleEndianBuffer header;
    header.u32(0x04034B50);
    header.u16(kVersion);
    header.u16(kUtf8NameFlag);
    header.u16(record.method);
    header.u16(0); // time
    header.u16(0); // date
    header.u32(record.crc);
    header.u32(record.compressedSize);
    header.u32(record.uncompressedSize);
    header.u16(quint16(record.name.size()));
    header.u16(0); // extra field
    header.bytes(record.name);
    return header.buffer;
}

QByteArray directoryHeader(const DirectoryRecord &record)
{
    LittleEndianBuffer header;
    header.u32(0x02014B50);
    header.u16(kVersion); // made by
    header.u16(kVersion); // needed to extract
    header.u16(kUtf8NameFlag);
    header.u16(record.method);
    header.u16(0); // time
    header.u16(0); // date
    header.u32(record.crc);
    header.u32(record.compressedSize);
    header.u32(record.uncompressedSize);
    header.u16(quint16(record.name.size()));
    header.u16(0); // extra field
    header.u16(0); // comment
    header.u16(0); // disk number
    header.u16(0); // internal attributes
    header.u32(0); // external attributes
    header.u32(record.localHeaderOffset);
    header.bytes(record.name);
    return header.buffer;
}

QByteArray endRecord(quint16 entryCount, quint32 directorySize, quint32 directoryOffset)
{
    LittleEndianBuffer record;
    record.u32(0x06054B50);
    record.u16(0); // this disk
    record.u16(0); // disk of the central directory
    record.u16(entryCount);
    record.u16(entryCount);
    record.u32(directorySize);
    record.u32(directoryOffset);
    record.u16(0); // comment
    return record.buffer;
}

bool fail(QString *errorMessage, const QString &message)
{
    if (errorMessage)
        *errorMessage = message;
    return false;
}

QString invalidEntryMessage()
{
    return QCoreApplication::translate("ZipArchive", "ZIP 条目过大或名称无效");
}

bool writeAll(QSaveFile &file, const QByteArray &bytes, QString *errorMessage)
{
    if (file.write(bytes) == bytes.size())
        return true;
    fail(errorMessage, file.errorString());
    file.cancelWriting();
    return false;
}

} // namespace

bool ZipArchive::writeArchive(const QString &filePath, const QList<ZipEntry> &entries, QString *errorMessage)
{
    if (entries.size() > 0xFFFF)
        return fail(errorMessage, QCoreApplication::translate("ZipArchive", "ZIP 文件数量过多"));
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(errorMessage, file.errorString());

    QList<DirectoryRecord> directory;
    directory.reserve(entries.size());
    for (const ZipEntry &entry : entries) {
        DirectoryRecord record;
        record.name = entry.name.toUtf8();
        if (record.name.isEmpty() || record.name.size() > 0xFFFF || entry.data.size() > kMax32 ||
            file.pos() > kMax32) {
            file.cancelWriting();
            return fail(errorMessage, invalidEntryMessage());
        }
        const QByteArray compressed = deflated(entry.data);
        const QByteArray &stored = compressed.isEmpty() ? entry.data : compressed;
        record.method = compressed.isEmpty() ? 0 : 8;
        // zlib's crc32 takes at most 4 GiB - 1 bytes per call, which the size check above guarantees.
        record.crc = quint32(
            crc32(0L, reinterpret_cast<const Bytef *>(entry.data.constData()), uInt(entry.data.size())));
        record.compressedSize = quint32(stored.size());
        record.uncompressedSize = quint32(entry.data.size());
        record.localHeaderOffset = quint32(file.pos());
        if (!writeAll(file, localHeader(record), errorMessage) || !writeAll(file, stored, errorMessage))
            return false;
        directory.append(record);
    }

    const qint64 directoryOffset = file.pos();
    // Without ZIP64 a central directory beyond 4 GiB cannot be described.
    if (directoryOffset > kMax32) {
        file.cancelWriting();
        return fail(errorMessage, invalidEntryMessage());
    }
    for (const DirectoryRecord &record : directory) {
        if (!writeAll(file, directoryHeader(record), errorMessage))
            return false;
    }
    const qint64 directorySize = file.pos() - directoryOffset;
    if (directorySize > kMax32) {
        file.cancelWriting();
        return fail(errorMessage, invalidEntryMessage());
    }
    const QByteArray end =
        endRecord(quint16(directory.size()), quint32(directorySize), quint32(directoryOffset));
    if (!writeAll(file, end, errorMessage))
        return false;
    // A small archive sits in the write buffer until now; commit() would drop a failed flush and
    // replace the target with a short file, so the flush is checked first.
    if (!file.flush())
        return fail(errorMessage, file.errorString());
    if (!file.commit())
        return fail(errorMessage, file.errorString());
    return true;
}
