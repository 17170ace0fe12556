#include "support/word_test_files.h"

#include "zip/zip_archive.h"

bool writeWordPackage(const QString &path, const QByteArray &body, int storedPages)
{
    QList<ZipEntry> entries{
        {"[Content_Types].xml",
         "<?xml version=\"1.0\"?><Types "
         "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/><Override "
         "PartName=\"/word/document.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "</Types>"},
        {"_rels/.rels",
         "<?xml version=\"1.0\"?><Relationships "
         "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"r1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
         "officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
        {"word/document.xml",
         "<?xml version=\"1.0\"?><w:document "
         "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/"
         "main\"><w:body>" +
             body + "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr></w:body></w:document>"}};
    if (storedPages >= 0)
        entries.append({"docProps/app.xml", "<?xml version=\"1.0\"?><Properties><Pages>" +
                                                QByteArray::number(storedPages) + "</Pages></Properties>"});
    return ZipArchive::writeArchive(path, entries, nullptr);
}

void writeTestDocx(const QString &path, int pages, int storedPages)
{
    QByteArray body;
    for (int page = 0; page < pages; ++page)
        body += (page > 0 ? "<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>" : "") +
                QByteArray("<w:p><w:r><w:t>Page ") + QByteArray::number(page + 1) + "</w:t></w:r></w:p>";
    writeWordPackage(path, body, storedPages);
}
