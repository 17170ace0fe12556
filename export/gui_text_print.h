#pragma once

#include <QString>

class QPagedPaintDevice;

// Prints an HTML document onto the device's pages with the same margins, pagination and page
// numbers as QTextDocument::print, but lays the document out once instead of several times and
// draws collapsed table borders as separate one-pixel borders, so that painting a page costs the
// rows on that page, not every row of the table. Returns false when the device could not be
// painted on.
bool printHtmlDocument(const QString &html, QPagedPaintDevice &device);
