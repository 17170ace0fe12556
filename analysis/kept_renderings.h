#pragma once

#include <QString>

// PDFs the legacy batch rendered to count a DOC, kept in a private temporary folder for the rest of
// the run so that the Word rendering pass measures them instead of rendering the file again. A
// kept PDF belongs to the file as it was when rendered: a file changed since is rendered anew.
void keepRenderedPdf(const QString &source, const QString &pdf);

// Hands the kept PDF of source over to the caller (who removes it when done); empty when none.
QString takeRenderedPdf(const QString &source);
