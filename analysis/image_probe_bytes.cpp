#include "analysis/image_probe_bytes.h"

#include <cstring>

ByteView ByteView::mid(std::size_t offset, std::size_t length) const
{
    if (offset >= m_size)
        return {};
    return ByteView(m_data + offset, qMin(length, m_size - offset));
}

bool ByteView::startsWith(std::size_t offset, const char *bytes, std::size_t length) const
{
    return has(offset, length) && std::memcmp(m_data + offset, bytes, length) == 0;
}

quint16 ByteView::u16le(std::size_t offset) const
{
    if (!has(offset, 2))
        return 0;
    return quint16(m_data[offset] | m_data[offset + 1] << 8);
}

quint16 ByteView::u16be(std::size_t offset) const
{
    if (!has(offset, 2))
        return 0;
    return quint16(m_data[offset] << 8 | m_data[offset + 1]);
}

quint32 ByteView::u24le(std::size_t offset) const
{
    if (!has(offset, 3))
        return 0;
    return quint32(m_data[offset]) | quint32(m_data[offset + 1]) << 8 | quint32(m_data[offset + 2]) << 16;
}

quint32 ByteView::u32le(std::size_t offset) const
{
    if (!has(offset, 4))
        return 0;
    return quint32(m_data[offset]) | quint32(m_data[offset + 1]) << 8 | quint32(m_data[offset + 2]) << 16 |
           quint32(m_data[offset + 3]) << 24;
}

quint32 ByteView::u32be(std::size_t offset) const
{
    if (!has(offset, 4))
        return 0;
    return quint32(m_data[offset]) << 24 | quint32(m_data[offset + 1]) << 16 |
           quint32(m_data[offset + 2]) << 8 | quint32(m_data[offset + 3]);
}

quint64 ByteView::u64(std::size_t offset, bool bigEndian) const
{
    if (!has(offset, 8))
        return 0;
    const quint64 first = u32(offset, bigEndian);
    const quint64 second = u32(offset + 4, bigEndian);
    return bigEndian ? first << 32 | second : second << 32 | first;
}
