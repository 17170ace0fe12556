#!/usr/bin/python3
# Writes the DOC fixtures of this folder with LibreOffice: each document is written as flat ODF with
# an explicit page setup and page breaks and converted to Word 97-2003 format; the suite stores no
# page count, so one is then stamped in, in the variant types readers meet.
# Run from anywhere: /usr/bin/python3 generate.py (needs soffice and python3-olefile).
import os, struct, subprocess, tempfile
import olefile

HERE = os.path.dirname(os.path.abspath(__file__))
NS = " ".join(f'xmlns:{p}="urn:oasis:names:tc:opendocument:xmlns:{n}:1.0"'
              for p, n in (("office", "office"), ("style", "style"), ("text", "text"), ("fo", "xsl-fo-compatible")))
# name: pages, page width and height, orientation, page count type (None: no count), second section
FIXTURES = {"a4-portrait-3-pages": (3, "210mm", "297mm", "portrait", "i4", None),
            "letter-portrait-2-pages": (2, "8.5in", "11in", "portrait", "ui4", None),
            "a3-landscape-1-page": (1, "420mm", "297mm", "landscape", None, None),
            "b5-portrait-2-pages": (2, "176mm", "250mm", "portrait", "i4", None),
            "a5-landscape-4-pages": (4, "210mm", "148mm", "landscape", "i2", None),
            "sections-a4-2-then-letter-landscape-1": (2, "210mm", "297mm", "portrait", "i4", (1, "11in", "8.5in"))}


def layout(name, width, height, orientation):
    return (f'<style:page-layout style:name="{name}"><style:page-layout-properties fo:page-width="{width}" '
            f'fo:page-height="{height}" style:print-orientation="{orientation}" fo:margin-top="20mm" '
            'fo:margin-bottom="20mm" fo:margin-left="20mm" fo:margin-right="20mm"/></style:page-layout>')


def flat_odf(pages, width, height, orientation, second):
    page = '<text:p text:style-name="Break">{}</text:p>'
    body = "<text:p>Page 1</text:p>" + "".join(page.format(f"Page {i}") for i in range(2, pages + 1))
    if second:
        body += ('<text:p text:style-name="NextSection">Second section, page 1</text:p>' +
                 "".join(page.format(f"Second section, page {i}") for i in range(2, second[0] + 1)))
    return (f'<?xml version="1.0" encoding="UTF-8"?><office:document {NS} office:version="1.2" office:mimetype='
            f'"application/vnd.oasis.opendocument.text"><office:automatic-styles>{layout("First", width, height, orientation)}'
            + (layout("Other", second[1], second[2], "landscape") if second else "") +
            '<style:style style:name="Break" style:family="paragraph"><style:paragraph-properties fo:break-before="page"/>'
            '</style:style><style:style style:name="NextSection" style:family="paragraph" style:master-page-name="Second"/>'
            '</office:automatic-styles><office:master-styles><style:master-page style:name="Standard" '
            'style:page-layout-name="First"/>' +
            ('<style:master-page style:name="Second" style:page-layout-name="Other"/>' if second else "") +
            f'</office:master-styles><office:body><office:text>{body}</office:text></office:body></office:document>')


def stamp_page_count(path, kind, value):  # the stream keeps its size, so the file structure is untouched
    payload = {"i4": struct.pack("<HHi", 3, 0, value), "ui4": struct.pack("<HHI", 19, 0, value),
               "i2": struct.pack("<HHhH", 2, 0, value, 0)}[kind]
    section = struct.pack("<IIIIIIHHhH", 32 + len(payload), 2, 1, 24, 14, 32, 2, 0, 1252, 0) + payload
    data = (struct.pack("<HHI", 0xFFFE, 0, 0x00020006) + bytes(16) + struct.pack("<I", 1) +
            bytes.fromhex("E0859FF2F94F6810AB9108002B27B3D9") + struct.pack("<I", 48) + section)
    ole = olefile.OleFileIO(path)
    entry = ole.direntries[ole._find("\x05SummaryInformation")]
    assert entry.size < ole.minisectorcutoff and len(data) <= entry.size
    ole.loadminifat()
    container, sector = [], ole.root.isectStart
    while sector != olefile.ENDOFCHAIN:
        container, sector = container + [sector], ole.fat[sector]
    ole.close()
    with open(path, "r+b") as f:
        mini, data = entry.isectStart, data + bytes(entry.size - len(data))
        while mini != olefile.ENDOFCHAIN:  # the stream lives in the mini stream, 64 bytes a sector
            position = mini * ole.minisectorsize
            f.seek((container[position // ole.sectorsize] + 1) * ole.sectorsize + position % ole.sectorsize)
            f.write(data[:64])
            mini, data = ole.minifat[mini], data[64:]


with tempfile.TemporaryDirectory() as work:
    for name, (pages, width, height, orientation, _, second) in FIXTURES.items():
        with open(f"{work}/{name}.fodt", "w", encoding="utf-8") as f:
            f.write(flat_odf(pages, width, height, orientation, second))
    subprocess.run(["soffice", "--headless", "--norestore", f"-env:UserInstallation=file://{work}/profile",
                    "--convert-to", "doc:MS Word 97", "--outdir", HERE] + [f"{work}/{n}.fodt" for n in FIXTURES], check=True)
for name, (pages, _, _, _, kind, second) in FIXTURES.items():
    if kind:
        stamp_page_count(os.path.join(HERE, name + ".doc"), kind, pages + (second[0] if second else 0))
