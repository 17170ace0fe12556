#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// What an analyser found out about one document. Failures are data: a page count below 1 means
// "not detected", an empty paper size means "not measured".
struct DocumentInfo
{
    QString filePath; // absolute path; the key that finds the table row again
    QString fileName;
    QString fileType; // upper-case suffix: "PDF", "DOCX", "JPG", ...
    int pageCount = 0;
    QString paperSize; // paperSizeLabel() text, empty when unknown
    bool countFromFallbackReader = false; // qpdf could not open the PDF; Qt PDF counted it
    bool pageCountEstimated = false;      // no reader opened the PDF; its page objects were counted
};

// Fills path, name and type from the file information, leaving the findings empty.
DocumentInfo documentInfoFor(const QString &path);

Q_DECLARE_METATYPE(DocumentInfo)
