#pragma once

#include <QString>

// Page count from the "Pages" element of docProps/app.xml; 0 when not available.
int docxPageCount(const QString &path);
// Paper-size text of the first usable section page size (w:pgSz) of word/document.xml.
QString docxPaperSize(const QString &path);
