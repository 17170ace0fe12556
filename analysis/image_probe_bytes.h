#pragma once

#include <QtGlobal>

#include <cstddef>

// Bounds-checked little- and big-endian access to a byte buffer. A read that does not fit yields
// zero, so a parser can never touch memory outside the buffer; parsers still check has() to tell a
// short buffer from a real zero.
class ByteView
{
public:
    ByteView() = default;
    ByteView(const uchar *data, std::size_t size) : m_data(data), m_size(data ? size : 0) {}

    std::size_t size() const { return m_size; }
    const uchar *data() const { return m_data; }
    // 64-bit so that file offsets are never truncated on a 32-bit build.
    bool has(quint64 offset, quint64 length) const { return offset <= m_size && length <= m_size - offset; }
    // The part [offset, offset + length), clipped to the buffer.
    ByteView mid(std::size_t offset, std::size_t length) const;
    bool startsWith(std::size_t offset, const char *bytes, std::size_t length) const;

    quint8 u8(std::size_t offset) const { return has(offset, 1) ? m_data[offset] : 0; }
    quint16 u16le(std::size_t offset) const;
    quint16 u16be(std::size_t offset) const;
    quint32 u24le(std::size_t offset) const;
    quint32 u32le(std::size_t offset) const;
    quint32 u32be(std::size_t offset) const;
    quint64 u64(std::size_t offset, bool bigEndian) const;
    quint16 u16(std::size_t offset, bool bigEndian) const
    {
        return bigEndian ? u16be(offset) : u16le(offset);
    }
    quint32 u32(std::size_t offset, bool bigEndian) const
    {
        return bigEndian ? u32be(offset) : u32le(offset);
    }

private:
    const uchar *m_data = nullptr;
    std::size_t m_size = 0;
};
