#pragma once

#include "analysis/image_probe_bytes.h"

#include <QByteArray>

class QIODevice;

// The reading interface of ByteView over a file that is never read whole: bytes come through
// bounded reads of one block at a time, so a huge scan costs a few blocks of memory. A read the
// file can no longer satisfy (it shrank, or its medium went away) yields zero like a read past the
// end and marks the view as failed; a parser's answer on a failed view is discarded.
class FileBytes
{
public:
    FileBytes(QIODevice &file, quint64 size) : m_file(file), m_size(size) {}

    std::size_t size() const { return std::size_t(m_size); }
    bool failed() const { return m_failed; }
    bool has(quint64 offset, quint64 length) const { return offset <= m_size && length <= m_size - offset; }
    bool startsWith(std::size_t offset, const char *bytes, std::size_t length) const;

    quint8 u8(std::size_t offset) const { return bytesAt(offset, 1).u8(0); }
    quint16 u16(std::size_t offset, bool bigEndian) const { return bytesAt(offset, 2).u16(0, bigEndian); }
    quint32 u32(std::size_t offset, bool bigEndian) const { return bytesAt(offset, 4).u32(0, bigEndian); }
    quint64 u64(std::size_t offset, bool bigEndian) const { return bytesAt(offset, 8).u64(0, bigEndian); }

private:
    // The bytes [offset, offset + length) for length <= 8, or an empty view.
    ByteView bytesAt(quint64 offset, std::size_t length) const;

    QIODevice &m_file;
    quint64 m_size = 0;
    mutable QByteArray m_block;
    mutable quint64 m_blockStart = 0;
    mutable bool m_failed = false;
};
