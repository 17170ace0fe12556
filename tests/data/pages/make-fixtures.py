#!/usr/bin/python3
# Rebuilds the page-detail fixtures (Debian: python3-reportlab, python3-pil).
# classification.pdf: one page per case of the colour and size classification (PAGES; what each
# page must give is checked against Ghostscript and pdfinfo by check_page_details_peers). three-pages.tif: a colour, a sepia and a
# colour page for the picture path.
# damaged-xref-stream.pdf: five-pages-object-streams.pdf with its cross-reference stream zeroed;
# qpdf cannot rebuild it, PDFium can. scrambled.pdf: classification.pdf with every 97th byte of its
# middle third changed.
import io, pathlib

from PIL import Image, ImageDraw
from reportlab.lib.pagesizes import A3, A4, A5, landscape
from reportlab.lib.units import mm
from reportlab.lib.utils import ImageReader
from reportlab.pdfgen import canvas

HERE = pathlib.Path(__file__).resolve().parent


def jpeg(image):  # drawn as stored: a JPEG the reader decodes itself
    return image.save(data := io.BytesIO(), "JPEG", quality=80) or ImageReader(data)


# A photo-like grey picture: a gradient under grey noise. Saved as RGB with R = G = B, the colour
# JPEG's own rounding adds the slight chroma of a grey scan saved in colour.
PHOTO = Image.blend(Image.linear_gradient("L").resize((240, 180)), Image.effect_noise((240, 180), 60), 0.3)
# A yellowed page of text scanned in colour: paper and brown-black ink within 26 of 255 of neutral.
SEPIA = Image.new("RGB", (300, 420), (242, 233, 216))
[ImageDraw.Draw(SEPIA).rectangle((30, top, 270, top + 5), fill=(72, 60, 46)) for top in range(30, 390, 14)]
CHART = [(0.9, 0.2, 0.2), (0.2, 0.6, 0.2), (0.2, 0.3, 0.9), (0.95, 0.7, 0.1)]


def text(c, lines=30, grey=0.0, top=270):
    c.setFillGray(grey)
    for i in range(lines):
        c.drawString(20 * mm, top * mm - i * 14, "The quick brown fox jumps over the lazy dog, line %d." % i)


def bars(c, colours):
    for i, colour in enumerate(colours):
        c.setFillColorRGB(*colour)
        c.rect(30 * mm + i * 35 * mm, 60 * mm, 25 * mm, (40 + 25 * i) * mm, stroke=0, fill=1)


def mark(c, colour, x, y, w, h, lines=30):  # grey text, then one coloured rectangle
    text(c, lines), c.setFillColorRGB(*colour), c.rect(x * mm, y * mm, w * mm, h * mm, stroke=0, fill=1)


PAGES = [  # page size, rotation, drawing
    (A4, 0, lambda c: (text(c, 20), text(c, 20, 0.45, 140))),
    (A4, 0, lambda c: c.drawImage(jpeg(PHOTO.convert("RGB")), 20 * mm, 60 * mm, 160 * mm, 120 * mm)),
    (A4, 0, lambda c: c.drawImage(jpeg(PHOTO), 20 * mm, 60 * mm, 160 * mm, 120 * mm)),
    (A4, 0, lambda c: bars(c, [(g / 5, g / 5, g / 5) for g in range(4)])),  # grey in RGB
    (A4, 0, lambda c: mark(c, (0.85, 0, 0), 20, 268.7, 40, 0.26)),  # a 0.75 pt red underline
    (A4, 0, lambda c: mark(c, (0.1, 0.3, 0.8), 180, 272, 10, 10, 25)),  # a 1 cm logo
    (A4, 0, lambda c: c.drawImage(jpeg(SEPIA), 0, 0, *A4)),
    (A4, 0, lambda c: (text(c, 5), bars(c, CHART))),
    (A4, 0, lambda c: (text(c, 20), c.setFillColorRGB(0, 0.2, 0.6), c.drawString(20 * mm, 285 * mm, "Dark blue"))),
    (landscape(A3), 0, text),
    (A5, 90, lambda c: bars(c, CHART)),  # reportlab turns the box, /Rotate turns the page back
    (A3, 0, lambda c: (text(c), c.setCropBox((0, 0, *A4)))),
    (A4, 0, lambda c: mark(c, (1, 1, 0.78), 20, 150, 170, 6)),  # a pale yellow highlight
    (A4, 0, lambda c: mark(c, (1, 0, 0), 100, 100, 1.5, 1.5)),  # a 1.5 mm red speck
]

c = canvas.Canvas(str(HERE / "classification.pdf"), pageCompression=1, invariant=1)
for size, rotation, draw in PAGES:
    c.setPageSize(size)
    c.setPageRotation(rotation)
    c.setFont("Helvetica", 10)
    draw(c)
    c.showPage()
c.save()
logo = Image.new("RGB", (583, 827), "white")  # A5 at 100 dpi with a 2 mm blue logo
ImageDraw.Draw(logo).rectangle((9, 9, 16, 16), fill=(20, 60, 200))
logo.save(HERE / "three-pages.tif", dpi=(100, 100), compression="tiff_deflate", save_all=True,
          append_images=[SEPIA, Image.new("RGB", (583, 827), "blue")])
data = (HERE.parent / "pdf" / "five-pages-object-streams.pdf").read_bytes()
start = data.index(b"stream\n", data.index(b"/Type /XRef")) + len(b"stream\n")
(HERE / "damaged-xref-stream.pdf").write_bytes(data[:start] + bytes(40) + data[start + 40:])
data = bytearray((HERE / "classification.pdf").read_bytes())
third = slice(len(data) // 3, len(data) * 2 // 3, 97)
data[third] = bytes(b ^ 0x5A for b in data[third])
(HERE / "scrambled.pdf").write_bytes(data)

# annotations.pdf: one page per annotation case, black text under each, every appearance drawn
# by the file itself. Flags (/F): 4 prints, 0 does not, 6 is hidden, 36 prints but is not shown on screen.
TEXT = b"BT /F1 11 Tf 72 760 Td 14 TL" + b" (Grey text under an annotation.) '" * 20 + b" ET"
STAMP = ((300, 500, 520, 580), b"/Name /Approved",
         b"0.85 0 0 RG 4 w 2 2 216 76 re S BT 0.85 0 0 rg /F1 30 Tf 20 26 Td (APPROVED) Tj ET", b"")
FIELD = ((100, 600, 400, 640), b"/FT /Tx /V (Name) /MK << /BC [0 0 1] >> /T",
         b"0 0 1 RG 2 w 1 1 298 38 re S BT 0 g /F1 14 Tf 8 14 Td (Name) Tj ET", b"")
ANNOTS = [  # subtype, flags, rectangle, extra keys, appearance, its resources
    (b"/Highlight", 4, (70, 740, 330, 770), b"/C [1 1 0] /QuadPoints [70 770 330 770 70 740 330 740]",
     b"/GS0 gs 1 1 0 rg 0 0 260 30 re f", b"/ExtGState << /GS0 << /BM /Multiply >> >>"),
    (b"/Stamp", 4, *STAMP),
    (b"/Ink", 4, (100, 300, 400, 450), b"/C [0 0.5 0.9] /InkList [[110 310 200 440 300 320 390 430]]",
     b"0 0.5 0.9 RG 4 w 1 J 10 10 m 100 140 l 200 20 l 290 130 l S", b""),
    (b"/Widget", 0, *FIELD), (b"/Widget", 4, *FIELD), (b"/Stamp", 6, *STAMP), (b"/Stamp", 36, *STAMP),
]


def stream(extra, data):
    return b"<< %s /Length %d >>\nstream\n%s\nendstream" % (extra, len(data), data)


pages, fields, objects = [], [], [None, None, b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"]
for subtype, flags, rect, extra, drawing, resources in ANNOTS:
    n = len(objects) + 1  # page n, contents n + 1, annotation n + 2, appearance n + 3
    box = b"[%d %d %d %d]" % rect
    pages.append(n)
    if subtype == b"/Widget":
        fields.append(n + 2)
        extra += b" (field %d)" % flags
    objects += [
        b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595.28 841.89] /Contents %d 0 R "
        b"/Resources << /Font << /F1 3 0 R >> >> /Annots [%d 0 R] >>" % (n + 1, n + 2),
        stream(b"", TEXT),
        b"<< /Type /Annot /Subtype %s /Rect %s /F %d %s /P %d 0 R /AP << /N %d 0 R >> >>"
        % (subtype, box, flags, extra, n, n + 3),
        stream(b"/Type /XObject /Subtype /Form /BBox [0 0 %d %d] /Matrix [1 0 0 1 0 0] /Resources "
               b"<< /Font << /F1 3 0 R >> %s >>" % (rect[2] - rect[0], rect[3] - rect[1], resources), drawing),
    ]
objects[0] = b"<< /Type /Catalog /Pages 2 0 R /AcroForm << /Fields [%s] /DA (/Helv 0 Tf 0 g) >> >>" % (
    b" ".join(b"%d 0 R" % f for f in fields))
objects[1] = b"<< /Type /Pages /Count %d /Kids [%s] >>" % (len(pages), b" ".join(b"%d 0 R" % p for p in pages))
pdf, offsets = bytearray(b"%PDF-1.7\n"), []
for number, body in enumerate(objects, 1):
    offsets.append(len(pdf))
    pdf += b"%d 0 obj\n%s\nendobj\n" % (number, body)
xref = len(pdf)
pdf += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
pdf += b"".join(b"%010d 00000 n \n" % offset for offset in offsets)
pdf += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
(HERE / "annotations.pdf").write_bytes(pdf)
