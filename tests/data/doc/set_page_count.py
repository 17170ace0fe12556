#!/usr/bin/python3
"""Rewrites the summary information of a DOC file in place so that it holds a page count
(property 14) of the given variant type: i4, ui4, i2 or lpstr. The stream keeps its size, so the
compound file structure is untouched. Usage: set_page_count.py FILE TYPE VALUE"""
import struct
import sys

import olefile

SUMMARY_FMTID = bytes.fromhex('E0859FF2F94F6810AB9108002B27B3D9')
STREAM = '\x05SummaryInformation'


def property_value(kind, value):
    if kind == 'i4':
        return struct.pack('<HHi', 3, 0, value)
    if kind == 'ui4':
        return struct.pack('<HHI', 19, 0, value)
    if kind == 'i2':
        return struct.pack('<HHhH', 2, 0, value, 0)
    if kind == 'lpstr':
        text = str(value).encode('ascii') + b'\0'
        text += b'\0' * (-len(text) % 4)
        return struct.pack('<HHI', 30, 0, len(text)) + text
    raise SystemExit('unknown type ' + kind)


def property_set(kind, value):
    codepage = struct.pack('<HHhH', 2, 0, 1252, 0)
    page_count = property_value(kind, value)
    header_size = 8 + 2 * 8
    body = codepage + page_count
    entries = struct.pack('<IIII', 1, header_size, 14, header_size + len(codepage))
    section = struct.pack('<II', header_size + len(body), 2) + entries + body
    stream_header = struct.pack('<HHI', 0xFFFE, 0, 0x00020006) + b'\0' * 16 + struct.pack('<I', 1)
    return stream_header + SUMMARY_FMTID + struct.pack('<I', 48) + section


def stream_offsets(ole, name):
    """File offsets of the stream's bytes, 64 at a time (the stream lives in the mini stream)."""
    entry = ole.direntries[ole._find(name)]
    assert entry.size < ole.minisectorcutoff
    ole.loadminifat()
    container = []
    sector = ole.root.isectStart
    while sector != olefile.ENDOFCHAIN:
        container.append(sector)
        sector = ole.fat[sector]
    offsets = []
    mini = entry.isectStart
    while mini != olefile.ENDOFCHAIN:
        position = mini * ole.minisectorsize
        sector = container[position // ole.sectorsize]
        offsets.append((sector + 1) * ole.sectorsize + position % ole.sectorsize)
        mini = ole.minifat[mini]
    return entry.size, offsets


def main():
    path, kind, value = sys.argv[1], sys.argv[2], sys.argv[3]
    ole = olefile.OleFileIO(path)
    size, offsets = stream_offsets(ole, STREAM)
    ole.close()
    data = property_set(kind, int(value))
    if len(data) > size:
        raise SystemExit('summary information stream too small')
    data += b'\0' * (size - len(data))
    with open(path, 'r+b') as f:
        for i, offset in enumerate(offsets):
            f.seek(offset)
            f.write(data[i * 64:(i + 1) * 64][:size - i * 64])


if __name__ == '__main__':
    main()
