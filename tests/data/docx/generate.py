#!/usr/bin/env python3
"""Writes the DOCX fixtures of this folder.

python-*.docx are minimal WordprocessingML packages written with zipfile; libreoffice-*.docx are
some of them opened and saved again by LibreOffice Writer (skipped when soffice is missing), so
that the readers also meet another application's package layout and extended properties.
"""
import os
import shutil
import subprocess
import tempfile
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
FIXED_TIME = (2020, 1, 2, 3, 4, 6)
W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"

CONTENT_TYPES = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>
<Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>
</Types>"""

RELS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>
<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>
</Relationships>"""


def app_xml(pages):
    return f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties" xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">
<Template>Normal.dotm</Template><TotalTime>1</TotalTime><Pages>{pages}</Pages><Words>3</Words>
<Application>Generator</Application></Properties>"""


def paragraph(text, page_break=False):
    brk = '<w:r><w:br w:type="page"/></w:r>' if page_break else ""
    return f"<w:p><w:r><w:t>{text}</w:t></w:r>{brk}</w:p>"


def sect_pr(w, h, landscape=False):
    orient = ' w:orient="landscape"' if landscape else ""
    return (f'<w:sectPr><w:pgSz w:w="{w}" w:h="{h}"{orient}/>'
            '<w:pgMar w:top="1440" w:right="1440" w:bottom="1440" w:left="1440"/></w:sectPr>')


def document_xml(body):
    return f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:document xmlns:w="{W}"><w:body>{body}</w:body></w:document>"""


def write_docx(path, document, pages=None):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, text in (("[Content_Types].xml", CONTENT_TYPES), ("_rels/.rels", RELS),
                           ("word/document.xml", document)):
            archive.writestr(zipfile.ZipInfo(name, FIXED_TIME), text.encode("utf-8"), zipfile.ZIP_DEFLATED)
        if pages is not None:
            archive.writestr(zipfile.ZipInfo("docProps/app.xml", FIXED_TIME), app_xml(pages).encode("utf-8"),
                             zipfile.ZIP_DEFLATED)


def main():
    three_pages = paragraph("One", True) + paragraph("Two", True) + paragraph("Three")
    two_sections = (paragraph("First section") + f"<w:p><w:pPr>{sect_pr(11906, 16838)}</w:pPr></w:p>" +
                    paragraph("Second section") + sect_pr(16838, 23811))
    fixtures = {
        "python-a4-portrait.docx": (document_xml(three_pages + sect_pr(11906, 16838)), 3),
        "python-a4-landscape.docx": (document_xml(paragraph("Wide") + sect_pr(16838, 11906, True)), 1),
        "python-letter.docx": (document_xml(paragraph("Letter") + sect_pr(12240, 15840)), 1),
        "python-a4-then-a3-sections.docx": (document_xml(two_sections), 2),
        "python-no-app-xml.docx": (document_xml(paragraph("No properties") + sect_pr(11906, 16838)), None),
        "python-no-page-size.docx": (document_xml(paragraph("No section properties")), 1),
        "python-malformed-document-xml.docx": (document_xml("<w:p><w:r></w:p>" + sect_pr(11906, 16838)), 1),
    }
    for name, (document, pages) in fixtures.items():
        write_docx(os.path.join(HERE, name), document, pages)

    # The main part's central directory CRC flipped: its page size must not be trusted.
    with open(os.path.join(HERE, "python-a4-portrait.docx"), "rb") as f:
        data = bytearray(f.read())
    header = data.index(b"word/document.xml", data.index(b"PK\x01\x02")) - 46
    data[header + 16] ^= 0xFF
    with open(os.path.join(HERE, "python-document-xml-bad-crc.docx"), "wb") as f:
        f.write(data)

    soffice = shutil.which("soffice")
    if not soffice:
        print("soffice not found: LibreOffice fixtures left as they are")
        return
    sources = ["python-a4-portrait.docx", "python-a4-landscape.docx", "python-letter.docx",
               "python-a4-then-a3-sections.docx"]
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([soffice, "-env:UserInstallation=file://" + work + "/profile", "--headless",
                        "--convert-to", "docx:MS Word 2007 XML", "--outdir", work + "/out"]
                       + [os.path.join(HERE, s) for s in sources], check=True, stdout=subprocess.DEVNULL)
        for source in sources:
            shutil.copy(os.path.join(work, "out", source),
                        os.path.join(HERE, source.replace("python-", "libreoffice-")))


if __name__ == "__main__":
    main()
