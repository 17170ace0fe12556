#include "analysis/image_probe_file_bytes.h"

#include <QIODevice>

#include <cstring>

namespace {

// Directories and strip tables are read in order, so one block serves many reads in a row.
constexpr quint64 blockSize = 64 * 1024;

} // namespace

bool FileBytes::startsWith(std::size_t offset, const char *bytes, std::size_t length) const
{
    for (std::size_t i = 0; i < length; ++i) {
        if (!has(offset + i, 1) || u8(offset + i) != uchar(bytes[i]))
            return false;
    }
    return true;
}

ByteView FileBytes::bytesAt(quint64 offset, std::size_t length) const
{
    if (!has(offset, length) || m_failed)
        return {};
    const quint64 loadedEnd = m_blockStart + quint64(m_block.size());
    if (offset < m_blockStart || offset + length > loadedEnd) {
        // Start the block a little before the offset, for the backward look of a directory walk.
        const quint64 start = offset - qMin<quint64>(offset, 4096);
        const quint64 wanted = qMin(blockSize, m_size - start);
        m_block.resize(qsizetype(wanted));
        if (!m_file.seek(qint64(start)) || m_file.read(m_block.data(), qint64(wanted)) != qint64(wanted)) {
            m_failed = true;
            m_block.clear();
            return {};
        }
        m_blockStart = start;
    }
    return ByteView(reinterpret_cast<const uchar *>(m_block.constData()) + (offset - m_blockStart), length);
}
