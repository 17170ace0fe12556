#!/usr/bin/env python3
# Rebuilds the fixtures of this folder from ImageMagick and exiftool output and byte edits (the
# few damaged files without a rule here were cut by hand). Pictures are a few hundred pixels at
# low resolutions; tst_image_analysis lists what each must give.
import os, shutil, struct, subprocess

os.chdir(os.path.dirname(os.path.abspath(__file__)))

def magick(*args):
    subprocess.run(['convert', *args], check=True)
    return open(args[-1].split(':')[-1], 'rb').read()

def write(name, data):
    open(name, 'wb').write(data)

def dpi(n):
    return ['-density', str(n), '-units', 'PixelsPerInch']

def orient(source, target, value):
    shutil.copy(source, target)
    subprocess.run(['exiftool', '-q', '-overwrite_original', '-n', '-Orientation=%d' % value, target], check=True)

A4, A5 = '248x351', '87x124'  # at 30 and 15 dpi
magick('-size', A4, 'xc:white', *dpi(30), 'a4-30dpi.jpg')
orient('a4-30dpi.jpg', 'a4-orientation6.jpg', 6)
orient('a4-30dpi.jpg', 'a4-orientation3.jpg', 3)
os.remove('a4-30dpi.jpg')
magick('-size', A5, 'xc:white', *dpi(15), 'a5-15dpi.tif')
orient('a5-15dpi.tif', 'a5-orientation8.tif', 8)
magick('-size', '220x170', 'xc:white', *dpi(20), 'letter-landscape.png')
magick('-size', '124x87', 'xc:white', '-density', '5.906', '-units', 'PixelsPerCentimeter', '-endian', 'MSB',
       'a5-landscape-big-endian.tif')
magick('-size', A5, 'xc:white', 'xc:black', *dpi(15), 'TIFF64:bigtiff-two-pages.tif')
frames = magick('-size', '30x20', 'xc:red', 'xc:green', 'xc:blue', 'xc:white', '-loop', '0', '/tmp/four.gif')
write('gif-without-trailer.gif', frames[:-1])
write('gif-cut-in-last-frame.gif', frames[:-3])
magick('-size', A5, 'plasma:', *dpi(15), '-interlace', 'Plane', 'progressive-a5.jpg')
magick('-size', '30x20', 'xc:white', '-units', 'Undefined', '-density', '1', 'no-density-wide.jpg')
magick('-size', '124x175', 'xc:white', *dpi(15), 'BMP3:a4.bmp')
magick('-size', '40x30', 'xc:gray', 'BMP2:os2-core-wide.bmp')
magick('-size', '30x20', 'plasma:', '-quality', '80', 'lossy-wide.webp')
magick('-size', '20x30', 'plasma:', '-define', 'webp:lossless=true', 'lossless-tall.webp')
magick('-size', '30x20', 'plasma:', '-alpha', 'set', '-channel', 'A', '-evaluate', 'set', '50%', 'extended-wide.webp')
magick('-size', '30x20', 'xc:red', 'xc:green', 'xc:blue', '-loop', '0', 'animated.webp')

# Qt writes bottom-up bitmaps; a negative height stores the same rows top-down.
data = bytearray(open('a4.bmp', 'rb').read())
data[22:26] = struct.pack('<i', -struct.unpack('<i', data[22:26])[0])
write('top-down.bmp', bytes(data))
# The first TIFF directory names itself as its successor.
data = bytearray(open('a5-15dpi.tif', 'rb').read())
first = struct.unpack('<I', data[4:8])[0]
link = first + 2 + 12 * struct.unpack('<H', data[first:first + 2])[0]
data[link:link + 4] = struct.pack('<I', first)
write('tiff-directory-loop.tif', bytes(data))
os.remove('a5-15dpi.tif')
# Restart markers inside the entropy-coded data, where a decoder resyncs on them.
data = bytearray(magick('-size', '20x30', 'plasma:', '-units', 'Undefined', '-density', '1', '/tmp/rst.jpg'))
sos = data.index(b'\xff\xda')
at = sos + 2 + struct.unpack('>H', data[sos + 2:sos + 4])[0] + 16
for marker in range(0xD0, 0xD8):
    while data[at - 1] == 0xFF:
        at += 1
    data[at:at] = bytes([0xFF, marker])
    at += 12
write('restart-markers.jpg', bytes(data))

def segment(marker, body):
    return b'\xff' + bytes([marker]) + struct.pack('>H', len(body) + 2) + body

# A phone's Ultra HDR photo: EXIF, ICC and XMP, an MPF index, and the gain-map JPEG appended.
main = magick('-size', '60x40', 'gradient:red-blue', '-density', '30', '-units', 'PixelsPerInch', '/tmp/uhdr.jpg')
gain = magick('-size', '30x20', 'xc:gray', '/tmp/gain.jpg')
mpf = b'MPF\0MM\0*\0\0\0\x08' + b'\0' * 40
xmp = b'http://ns.adobe.com/xap/1.0/\0<x:xmpmeta hdrgm:Version="1.0"/>'
write('ultra-hdr.jpg',
      main[:2] + segment(0xE1, b'Exif\0\0MM\0*\0\0\0\x08\0\0') + segment(0xE1, xmp) + segment(0xE2, mpf)
      + main[2:] + gain)
# Stray bytes before a marker, and a stuffed zero between segments: libjpeg warns and reads on.
sos = main.index(b'\xff\xda')
write('stray-bytes.jpg', main[:sos] + b'\x00\xff\x00\x17' + main[sos:])

# Bitmaps: an OS/2 2.x header of 64 bytes, and an 8-bit top-down RLE picture.
def bmp(info, palette, pixels):
    offset = 14 + len(info) + len(palette)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + palette + pixels

def info(size, w, h, bits, compression=0, colours=0, dpm=1181):
    return struct.pack('<IiiHHIIiiII', size, w, h, 1, bits, compression, 0, dpm, dpm, colours, 0).ljust(size, b'\0')

grey = b''.join(bytes([i, i, i, 0]) for i in range(256))
write('os2-v2-header.bmp', bmp(info(64, 24, 36, 8), grey, b'\x80' * 24 * 36))
rle = b''.join(b'\x18\x40\x00\x00' for _ in range(36)) + b'\x00\x01'
write('top-down-rle.bmp', bmp(info(40, 24, -36, 8, 1), grey, rle))
# No decoder reads this: more palette entries than any 8-bit table holds.
write('palette-too-large.bmp', bmp(info(40, 24, 36, 8, 0, 4096), grey, b'\x80' * 24 * 36))

# TIFFs whose headers look plausible but whose pictures no decoder can read.
tif = magick('-size', '24x36', 'xc:white', '-depth', '8', '-compress', 'none', '-define',
             'tiff:rows-per-strip=12', '/tmp/base.tif')
def tiff_edit(name, tag, value):
    data = bytearray(tif)
    ifd = struct.unpack('<I', data[4:8])[0]
    for i in range(struct.unpack('<H', data[ifd:ifd + 2])[0]):
        at = ifd + 2 + 12 * i
        if struct.unpack('<H', data[at:at + 2])[0] == tag:
            kind = struct.unpack('<H', data[at + 2:at + 4])[0]
            data[at + 8:at + 12] = struct.pack('<H' if kind == 3 else '<I', value).ljust(4, b'\0')
            write(name, bytes(data))
            return
    raise SystemExit('tag %d not found' % tag)
tiff_edit('bits-per-sample-7.tif', 258, 7)
tiff_edit('unknown-compression.tif', 259, 12345)
tiff_edit('strips-overflow.tif', 278, 1)  # a strip per row, yet only three strips

# Misnamed documents: the content decides.
write('pdf-named.jpg', open('../pdf/a4-portrait.pdf', 'rb').read())
write('png-named.doc', magick('-size', '60x40', 'xc:white', '-density', '30', '-units', 'PixelsPerInch', '/tmp/n.png'))
write('plain-text-named.doc', b'Just some text, no document.\n' * 20)
