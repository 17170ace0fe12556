#include "zip/zip_entry_locator.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr quint32 kEndRecordSignature = 0x06054b50;
constexpr quint32 kCentralHeaderSignature = 0x02014b50;
constexpr quint32 kLocalHeaderSignature = 0x04034b50;
constexpr qint64 kEndRecordSize = 22;
constexpr qint64 kMaxCommentSize = 65535;
constexpr qint64 kCentralHeaderSize = 46;
constexpr qint64 kLocalHeaderSize = 30;
// 65535 entries of plausible names; a larger directory is damage, not a document.
constexpr qint64 kMaxDirectorySize = 64 * 1024 * 1024;

// Little-endian field reader that refuses to look past the end of the data.
class ByteReader
{
public:
    explicit ByteReader(const QByteArray &data)
        : m_data(reinterpret_cast<const uchar *>(data.constData())), m_size(data.size())
    {}

    qint64 size() const { return m_size; }
    bool contains(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= m_size && length <= m_size - offset;
    }
    bool u16(qint64 offset, quint16 *value) const
    {
        if (!contains(offset, 2))
            return false;
        *value = quint16(m_data[offset] | m_data[offset + 1] << 8);
        return true;
    }
    bool u32(qint64 offset, quint32 *value) const
    {
        if (!contains(offset, 4))
            return false;
        *value = quint32(m_data[offset]) | quint32(m_data[offset + 1]) << 8 |
                 quint32(m_data[offset + 2]) << 16 | quint32(m_data[offset + 3]) << 24;
        return true;
    }
    const char *at(qint64 offset) const { return reinterpret_cast<const char *>(m_data + offset); }

private:
    const uchar *m_data;
    qint64 m_size;
};

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// The last end record in the window a comment of at most 65535 bytes allows (the reader holds
// that window), or -1.
qint64 findEndRecord(const ByteReader &reader)
{
    const qint64 last = reader.size() - kEndRecordSize;
    const qint64 first = qMax<qint64>(reader.size() - kEndRecordSize - kMaxCommentSize, 0);
    for (qint64 pos = last; pos >= first; --pos) {
        quint32 signature = 0;
        if (reader.u32(pos, &signature) && signature == kEndRecordSignature)
            return pos;
    }
    return -1;
}

struct CentralHeader
{
    quint16 flags = 0;
    quint16 method = 0;
    quint32 crc32 = 0;
    quint32 compressedSize = 0;
    quint32 uncompressedSize = 0;
    quint16 nameLength = 0;
    quint16 extraLength = 0;
    quint16 commentLength = 0;
    quint32 localHeaderOffset = 0;
};

bool readCentralHeader(const ByteReader &reader, qint64 pos, CentralHeader *header)
{
    quint32 signature = 0;
    if (!reader.u32(pos, &signature) || signature != kCentralHeaderSignature)
        return false;
    if (!reader.u16(pos + 8, &header->flags) || !reader.u16(pos + 10, &header->method) ||
        !reader.u32(pos + 16, &header->crc32) || !reader.u32(pos + 20, &header->compressedSize) ||
        !reader.u32(pos + 24, &header->uncompressedSize) || !reader.u16(pos + 28, &header->nameLength) ||
        !reader.u16(pos + 30, &header->extraLength) || !reader.u16(pos + 32, &header->commentLength) ||
        !reader.u32(pos + 42, &header->localHeaderOffset))
        return false;
    return reader.contains(pos, kCentralHeaderSize + header->nameLength + header->extraLength +
                                    header->commentLength);
}

} // namespace

bool locateZipEntry(const ZipByteSource &archive, const QByteArray &utf8Name, ZipEntryLocation *location,
                    QString *error)
{
    const QString damaged = QCoreApplication::translate("ZipArchive", "ZIP 中央目录已损坏");
    if (archive.size() < kEndRecordSize)
        return fail(error, QCoreApplication::translate("ZipArchive", "ZIP 文件过小或已损坏"));

    const qint64 tailStart = qMax<qint64>(archive.size() - kEndRecordSize - kMaxCommentSize, 0);
    const QByteArray tail = archive.read(tailStart, archive.size() - tailStart);
    const ByteReader tailReader(tail);
    const qint64 endRecord = findEndRecord(tailReader);
    if (endRecord < 0)
        return fail(error, QCoreApplication::translate("ZipArchive", "找不到 ZIP 中央目录"));
    quint16 entryCount = 0;
    quint32 directoryOffset = 0;
    if (!tailReader.u16(endRecord + 10, &entryCount) || !tailReader.u32(endRecord + 16, &directoryOffset))
        return fail(error, damaged);
    // The directory lies between its offset and the end record.
    const qint64 directorySize = tailStart + endRecord - qint64(directoryOffset);
    if (directorySize < 0 || directorySize > kMaxDirectorySize)
        return fail(error, damaged);
    const QByteArray directory = archive.read(directoryOffset, directorySize);
    const ByteReader reader(directory);

    CentralHeader header;
    bool found = false;
    qint64 pos = 0;
    for (int i = 0; i < entryCount && !found; ++i) {
        if (!readCentralHeader(reader, pos, &header))
            return fail(error, damaged);
        const qint64 nameOffset = pos + kCentralHeaderSize;
        found = header.nameLength == utf8Name.size() &&
                std::equal(utf8Name.cbegin(), utf8Name.cend(), reader.at(nameOffset));
        pos = nameOffset + header.nameLength + header.extraLength + header.commentLength;
    }
    if (!found)
        return fail(error, QCoreApplication::translate("ZipArchive", "ZIP 中不存在条目：%1")
                               .arg(QString::fromUtf8(utf8Name)));
    if (header.flags & 0x0001)
        return fail(error, QCoreApplication::translate("ZipArchive", "不支持加密的 ZIP 条目"));

    const qint64 localHeader = header.localHeaderOffset;
    const QByteArray local =
        archive.read(localHeader, qBound<qint64>(0, archive.size() - localHeader, kLocalHeaderSize));
    const ByteReader localReader(local);
    quint32 signature = 0;
    if (!localReader.u32(0, &signature) || signature != kLocalHeaderSignature)
        return fail(error, QCoreApplication::translate("ZipArchive", "ZIP 本地文件头已损坏"));
    quint16 localNameLength = 0;
    quint16 localExtraLength = 0;
    if (!localReader.u16(26, &localNameLength) || !localReader.u16(28, &localExtraLength))
        return fail(error, QCoreApplication::translate("ZipArchive", "ZIP 条目数据不完整"));
    const qint64 dataOffset = localHeader + kLocalHeaderSize + localNameLength + localExtraLength;
    if (dataOffset > archive.size() || header.compressedSize > archive.size() - dataOffset)
        return fail(error, QCoreApplication::translate("ZipArchive", "ZIP 条目数据不完整"));

    location->method = header.method;
    location->crc32 = header.crc32;
    location->compressedSize = header.compressedSize;
    location->uncompressedSize = header.uncompressedSize;
    location->dataOffset = dataOffset;
    return true;
}
