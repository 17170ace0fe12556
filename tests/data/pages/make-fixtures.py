#!/usr/bin/python3
"""Rebuilds the page-detail fixtures of this folder (Debian: python3-reportlab, python3-pil, qpdf).

classification.pdf has one page per case of the colour and size classification; the expected
answer of every page is listed in PAGES below and in tst_page_details.cpp. Images are generated
here, small, so the document stays small. damaged-xref-stream.pdf is five-pages-object-streams.pdf
with its cross-reference stream zeroed: qpdf cannot recover it, PDFium rebuilds it.
"""
import io
import random
import shutil
import subprocess
import sys
from pathlib import Path

from PIL import Image
from reportlab.lib.pagesizes import A3, A4, A5, landscape
from reportlab.lib.units import mm
from reportlab.lib.utils import ImageReader
from reportlab.pdfgen import canvas

HERE = Path(__file__).resolve().parent
random.seed(13)


def jpeg(image, quality=80):
    data = io.BytesIO()
    image.save(data, "JPEG", quality=quality)
    return ImageReader(io.BytesIO(data.getvalue()))


def grey_photo(width=240, height=180):
    """A photo-like grey picture (gradients and blobs), stored as RGB with R = G = B: the colour
    JPEG's own rounding adds the slight chroma noise of a grey scan saved in colour."""
    image = Image.new("RGB", (width, height))
    pixels = image.load()
    for y in range(height):
        for x in range(width):
            v = int(60 + 120 * x / width + 50 * ((x // 30 + y // 30) % 2) + random.randint(-12, 12))
            v = max(0, min(255, v))
            pixels[x, y] = (v, v, v)
    return image


def sepia_scan(width=300, height=420):
    """A yellowed page of text scanned in colour: paper (242, 233, 216), brown-black ink; no pixel's
    channels differ by more than 26 of 255."""
    image = Image.new("RGB", (width, height), (242, 233, 216))
    pixels = image.load()
    for line in range(30, height - 30, 14):
        for x in range(30, width - 30):
            if random.random() < 0.6:
                for y in range(line, line + 6):
                    pixels[x, y] = (72, 60, 46)
    return image


def text_lines(c, top, lines=30, grey=0.0):
    c.setFillGray(grey)
    c.setFont("Helvetica", 10)
    for i in range(lines):
        c.drawString(20 * mm, top - i * 14, "The quick brown fox jumps over the lazy dog, line %d." % (i + 1))


def grey_text(c, w, h):
    text_lines(c, h - 30 * mm, 20, 0.0)
    text_lines(c, h - 130 * mm, 20, 0.45)


def grey_photo_page(c, w, h):
    c.drawImage(jpeg(grey_photo()), 20 * mm, h - 130 * mm, 160 * mm, 120 * mm)


def grey_photo_gray_jpeg(c, w, h):
    c.drawImage(jpeg(grey_photo().convert("L")), 20 * mm, h - 130 * mm, 160 * mm, 120 * mm)


def rgb_grey_chart(c, w, h):
    for i in range(4):
        c.setFillColorRGB(0.2 * i, 0.2 * i, 0.2 * i)
        c.rect(30 * mm + i * 35 * mm, 60 * mm, 25 * mm, (40 + 25 * i) * mm, stroke=0, fill=1)


def red_underline(c, w, h):
    text_lines(c, h - 30 * mm, 30)
    c.setStrokeColorRGB(0.85, 0, 0)
    c.setLineWidth(0.75)
    c.line(20 * mm, h - 30 * mm - 3, 60 * mm, h - 30 * mm - 3)


def small_logo(c, w, h):
    text_lines(c, h - 40 * mm, 30)
    c.setFillColorRGB(0.1, 0.3, 0.8)
    c.circle(w - 25 * mm, h - 20 * mm, 5 * mm, stroke=0, fill=1)
    c.setFillColorRGB(0.95, 0.55, 0.1)
    c.rect(w - 36 * mm, h - 25 * mm, 4 * mm, 10 * mm, stroke=0, fill=1)


def sepia_page(c, w, h):
    c.drawImage(jpeg(sepia_scan(), 85), 0, 0, w, h)


def colour_chart(c, w, h):
    text_lines(c, h - 30 * mm, 5)
    colours = [(0.9, 0.2, 0.2), (0.2, 0.6, 0.2), (0.2, 0.3, 0.9), (0.95, 0.7, 0.1)]
    for i, (r, g, b) in enumerate(colours):
        c.setFillColorRGB(r, g, b)
        c.rect(30 * mm + i * 35 * mm, 60 * mm, 25 * mm, (40 + 25 * i) * mm, stroke=0, fill=1)


def colour_text(c, w, h):
    text_lines(c, h - 50 * mm, 20)
    c.setFillColorRGB(0.0, 0.2, 0.6)
    c.setFont("Helvetica-Bold", 18)
    c.drawString(20 * mm, h - 30 * mm, "Annual report: dark blue heading")


def cropped_to_a4(c, w, h):
    text_lines(c, h - 30 * mm, 30)
    c.setCropBox((0, 0, A4[0], A4[1]))


# name, page size, rotation, draw, expected colour, expected size text
PAGES = [
    ("grey text", A4, 0, grey_text, False, "A4"),
    ("grey photo saved as colour JPEG", A4, 0, grey_photo_page, False, "A4"),
    ("grey photo in a grey JPEG", A4, 0, grey_photo_gray_jpeg, False, "A4"),
    ("grey chart drawn in RGB", A4, 0, rgb_grey_chart, False, "A4"),
    ("one red underline", A4, 0, red_underline, True, "A4"),
    ("small colour logo", A4, 0, small_logo, True, "A4"),
    ("sepia-toned scan", A4, 0, sepia_page, False, "A4"),
    ("colour chart", A4, 0, colour_chart, True, "A4"),
    ("colour text", A4, 0, colour_text, True, "A4"),
    ("A3 landscape grey text", landscape(A3), 0, grey_text, False, "A3 横向"),
    ("A5 colour chart turned upright by /Rotate", A5, 90, colour_chart, True, "A5"),
    ("A3 media box cropped to A4", A3, 0, cropped_to_a4, False, "A4"),
]


def classification(path):
    c = canvas.Canvas(str(path), pageCompression=1, invariant=1)
    for name, size, rotation, draw, _, _ in PAGES:
        c.setPageSize(size)
        c.setPageRotation(rotation)
        draw(c, size[0], size[1])
        c.showPage()
    c.save()


def damaged_xref_stream(path):
    data = (HERE.parent / "pdf" / "five-pages-object-streams.pdf").read_bytes()
    start = data.index(b"stream\n", data.index(b"/Type /XRef")) + len(b"stream\n")
    path.write_bytes(data[:start] + bytes(40) + data[start + 40:])


if __name__ == "__main__":
    classification(HERE / "classification.pdf")
    damaged_xref_stream(HERE / "damaged-xref-stream.pdf")
