#!/usr/bin/env python3
# Writes the DOCX fixtures of this folder: python-*.docx are minimal packages written with zipfile;
# libreoffice-*.docx are some of them saved again by LibreOffice Writer (skipped without soffice), so
# that the readers also meet another application's package layout and extended properties.
import os, shutil, subprocess, tempfile, zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
X = "http://schemas.openxmlformats.org/"
HEAD = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
OFFICE = "application/vnd.openxmlformats-officedocument."
TYPES = HEAD + f"""<Types xmlns="{X}package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/word/document.xml" ContentType="{OFFICE}wordprocessingml.document.main+xml"/>
<Override PartName="/docProps/app.xml" ContentType="{OFFICE}extended-properties+xml"/>
</Types>"""
RELS = HEAD + f"""<Relationships xmlns="{X}package/2006/relationships">
<Relationship Id="rId1" Type="{X}officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>
<Relationship Id="rId2" Type="{X}officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>
</Relationships>"""
APP = HEAD + f"""<Properties xmlns="{X}officeDocument/2006/extended-properties" xmlns:vt="{X}officeDocument/2006/docPropsVTypes">
<Template>Normal.dotm</Template><TotalTime>1</TotalTime><Pages>%d</Pages><Words>3</Words>
<Application>Generator</Application></Properties>"""


def p(text, page_break=False):
    return f"<w:p><w:r><w:t>{text}</w:t></w:r>" + ('<w:r><w:br w:type="page"/></w:r>' if page_break else "") + "</w:p>"


def sect(w, h, landscape=False):
    return (f'<w:sectPr><w:pgSz w:w="{w}" w:h="{h}"' + (' w:orient="landscape"' if landscape else "") +
            '/><w:pgMar w:top="1440" w:right="1440" w:bottom="1440" w:left="1440"/></w:sectPr>')


def write_docx(name, body, pages=1):
    parts = [("[Content_Types].xml", TYPES), ("_rels/.rels", RELS), ("word/document.xml", HEAD +
             f'<w:document xmlns:w="{X}wordprocessingml/2006/main"><w:body>{body}</w:body></w:document>')]
    with zipfile.ZipFile(os.path.join(HERE, name), "w", zipfile.ZIP_DEFLATED) as archive:
        for part, text in parts + ([("docProps/app.xml", APP % pages)] if pages is not None else []):
            archive.writestr(zipfile.ZipInfo(part, (2020, 1, 2, 3, 4, 6)), text.encode(), zipfile.ZIP_DEFLATED)


A4 = sect(11906, 16838)
write_docx("python-a4-portrait.docx", p("One", True) + p("Two", True) + p("Three") + A4, 3)
write_docx("python-a4-landscape.docx", p("Wide") + sect(16838, 11906, True))
write_docx("python-letter.docx", p("Letter") + sect(12240, 15840))
write_docx("python-a4-then-a3-sections.docx",
           p("First section") + f"<w:p><w:pPr>{A4}</w:pPr></w:p>" + p("Second section") + sect(16838, 23811), 2)
write_docx("python-no-app-xml.docx", p("No properties") + A4, None)
write_docx("python-no-page-size.docx", p("No section properties"))
write_docx("python-malformed-document-xml.docx", "<w:p><w:r></w:p>" + A4)
# The main part's central directory CRC flipped: its page size must not be trusted.
data = bytearray(open(os.path.join(HERE, "python-a4-portrait.docx"), "rb").read())
data[data.index(b"word/document.xml", data.index(b"PK\x01\x02")) - 46 + 16] ^= 0xFF
open(os.path.join(HERE, "python-document-xml-bad-crc.docx"), "wb").write(data)
sources = ["python-a4-portrait.docx", "python-a4-landscape.docx", "python-letter.docx", "python-a4-then-a3-sections.docx"]
with tempfile.TemporaryDirectory() as work:
    if not shutil.which("soffice"):
        raise SystemExit("soffice not found: LibreOffice fixtures left as they are")
    subprocess.run(["soffice", f"-env:UserInstallation=file://{work}/profile", "--headless", "--convert-to",
                    "docx:MS Word 2007 XML", "--outdir", work] + [os.path.join(HERE, s) for s in sources],
                   check=True, stdout=subprocess.DEVNULL)
    for source in sources:
        shutil.copy(os.path.join(work, source), os.path.join(HERE, source.replace("python-", "libreoffice-")))
