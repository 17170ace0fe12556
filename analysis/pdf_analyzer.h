#pragma once

#include <QString>

// Both open the file through qpdf under one process-wide lock; an unreadable, damaged or
// password-protected file gives 0 pages and an empty size.
int pdfPageCount(const QString &path);
// Paper-size text of the first page (its media box with the page rotation applied).
QString pdfPaperSize(const QString &path);
