#!/usr/bin/env python3
# Rebuilds the fixtures of this folder from ImageMagick and exiftool output and byte edits (the
# few damaged files without a rule here were cut by hand). Pictures are tiny, at low resolutions;
# tst_image_analysis lists what each must give.
import os, shutil, struct, subprocess

os.chdir(os.path.dirname(os.path.abspath(__file__)))
run = lambda *args: subprocess.run(args, check=True)
read = lambda name: open(name, 'rb').read()
write = lambda name, data: open(name, 'wb').write(data)
DPI15, DPI30 = ['-density', '15', '-units', 'PixelsPerInch'], ['-density', '30', '-units', 'PixelsPerInch']
NO_DPI = ['-units', 'Undefined', '-density', '1']
WIDE3 = ['-size', '30x20', 'xc:red', 'xc:green', 'xc:blue']

for name, *args in [
        ('/tmp/a4.jpg', '-size', '248x351', 'xc:white', *DPI30), ('/tmp/a5.tif', '-size', '87x124', 'xc:white', *DPI15),
        ('letter-landscape.png', '-size', '220x170', 'xc:white', '-density', '20', '-units', 'PixelsPerInch'),
        ('a5-landscape-big-endian.tif', '-size', '124x87', 'xc:white', '-density', '5.906', '-units',
         'PixelsPerCentimeter', '-endian', 'MSB'),
        ('TIFF64:bigtiff-two-pages.tif', '-size', '87x124', 'xc:white', 'xc:black', *DPI15),
        ('/tmp/four.gif', *WIDE3, 'xc:white', '-loop', '0'), ('animated.webp', *WIDE3, '-loop', '0'),
        ('progressive-a5.jpg', '-size', '87x124', 'plasma:', *DPI15, '-interlace', 'Plane'),
        ('no-density-wide.jpg', '-size', '30x20', 'xc:white', *NO_DPI), ('/tmp/rst.jpg', '-size', '20x30', 'plasma:', *NO_DPI),
        ('BMP3:/tmp/a4.bmp', '-size', '124x175', 'xc:white', *DPI15), ('BMP2:os2-core-wide.bmp', '-size', '40x30', 'xc:gray'),
        ('lossy-wide.webp', '-size', '30x20', 'plasma:', '-quality', '80'),
        ('lossless-tall.webp', '-size', '20x30', 'plasma:', '-define', 'webp:lossless=true'),
        ('extended-wide.webp', '-size', '30x20', 'plasma:', '-alpha', 'set', '-channel', 'A', '-evaluate', 'set', '50%'),
        ('/tmp/uhdr.jpg', '-size', '60x40', 'gradient:red-blue', *DPI30), ('/tmp/gain.jpg', '-size', '30x20', 'xc:gray'),
        ('/tmp/strips.tif', '-size', '24x36', 'xc:white', '-depth', '8', '-compress', 'none', '-define',
         'tiff:rows-per-strip=12'), ('PNG:png-named.doc', '-size', '60x40', 'xc:white', *DPI30)]:
    run('convert', *args, name)
for source, target, value in [('/tmp/a4.jpg', 'a4-orientation6.jpg', 6), ('/tmp/a4.jpg', 'a4-orientation3.jpg', 3),
                              ('/tmp/a5.tif', 'a5-orientation8.tif', 8)]:
    shutil.copy(source, target)
    run('exiftool', '-q', '-overwrite_original', '-n', '-Orientation=%d' % value, target)

write('gif-cut-in-last-frame.gif', read('/tmp/four.gif')[:-3])  # and without a trailer
# Qt writes bottom-up bitmaps; a negative height stores the same rows top-down.
data = bytearray(read('/tmp/a4.bmp'))
data[22:26] = struct.pack('<i', -struct.unpack('<i', data[22:26])[0])
write('top-down.bmp', bytes(data))
# The first TIFF directory names itself as its successor.
data = bytearray(read('/tmp/a5.tif'))
first = struct.unpack('<I', data[4:8])[0]
link = first + 2 + 12 * struct.unpack('<H', data[first:first + 2])[0]
data[link:link + 4] = struct.pack('<I', first)
write('tiff-directory-loop.tif', bytes(data))
# Restart markers inside the entropy-coded data, where a decoder resyncs on them.
data = bytearray(read('/tmp/rst.jpg'))
sos = data.index(b'\xff\xda')
at = sos + 2 + struct.unpack('>H', data[sos + 2:sos + 4])[0] + 16
for marker in range(0xD0, 0xD8):
    at = next(i for i in range(at, len(data)) if data[i - 1] != 0xFF) + 12
    data[at - 12:at - 12] = bytes([0xFF, marker])
write('restart-markers.jpg', bytes(data))

# A phone's Ultra HDR photo: EXIF, XMP, an MPF index, and the gain-map JPEG appended.
segment = lambda marker, body: bytes([0xFF, marker]) + struct.pack('>H', len(body) + 2) + body
main = read('/tmp/uhdr.jpg')
write('ultra-hdr.jpg', main[:2] + segment(0xE1, b'Exif\0\0MM\0*\0\0\0\x08\0\0')
      + segment(0xE1, b'http://ns.adobe.com/xap/1.0/\0<x:xmpmeta hdrgm:Version="1.0"/>')
      + segment(0xE2, b'MPF\0MM\0*\0\0\0\x08' + b'\0' * 40) + main[2:] + read('/tmp/gain.jpg'))
# Stray bytes before a marker, and a stuffed zero between segments: libjpeg warns and reads on.
sos = main.index(b'\xff\xda')
write('stray-bytes.jpg', main[:sos] + b'\x00\xff\x00\x17' + main[sos:])

# Bitmaps the toolkit reads: an OS/2 2.x header of 64 bytes, and top-down RLE; and one it does
# not: more palette entries than any 8-bit table holds.
def bmp(size, height, compression, colours, pixels):
    info = struct.pack('<IiiHHIIiiII', size, 24, height, 1, 8, compression, 0, 1181, 1181, colours, 0).ljust(size, b'\0')
    palette = b''.join(bytes([i, i, i, 0]) for i in range(256))
    offset = 14 + size + len(palette)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + palette + pixels
write('os2-v2-header.bmp', bmp(64, 36, 0, 0, b'\x80' * 24 * 36))
write('top-down-rle.bmp', bmp(40, -36, 1, 0, b'\x18\x40\x00\x00' * 36 + b'\x00\x01'))
write('palette-too-large.bmp', bmp(40, 36, 0, 4096, b'\x80' * 24 * 36))

# TIFFs whose headers look plausible but whose pictures no decoder can read.
def tiff_edit(name, tag, value):
    data = bytearray(read('/tmp/strips.tif')); ifd = struct.unpack('<I', data[4:8])[0]
    for at in range(ifd + 2, ifd + 2 + 12 * struct.unpack('<H', data[ifd:ifd + 2])[0], 12):
        if struct.unpack('<H', data[at:at + 2])[0] == tag:
            short = struct.unpack('<H', data[at + 2:at + 4])[0] == 3
            data[at + 8:at + 12] = struct.pack('<H' if short else '<I', value).ljust(4, b'\0')
            return write(name, bytes(data))
    raise SystemExit('tag %d not found' % tag)
tiff_edit('bits-per-sample-7.tif', 258, 7)
tiff_edit('unknown-compression.tif', 259, 12345)
tiff_edit('strips-overflow.tif', 278, 1)  # a strip per row, yet only three strips

# Misnamed documents: the content decides.
write('pdf-named.jpg', read('../pdf/a4-portrait.pdf'))
write('plain-text-named.doc', b'Just some text, no document.\n' * 20)
