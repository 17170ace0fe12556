#pragma once

#include "analysis/page_details.h"

#include <QList>
#include <QString>

#include <atomic>

// One page of a PDF as the page-detail pass sees it.
struct PdfPageFacts
{
    QString paperSize; // paperSizeLabel() text, empty when unknown
    bool color = false;
};

// Every page in page order: its size from its own boxes and rotation (qpdf; the renderer's
// reading when qpdf cannot open the file or refuses its page tree) and its colour from a small
// render by Qt PDF, one page at a time, with the annotations a print shows (pdf_printed_copy.h).
// Empty when the renderer cannot open the file (colour unknown) or once cancelled becomes true.
// Only the pages of `span` that the renderer has, so that pieces of a document can be measured
// apart and added up in order.
QList<PdfPageFacts> pdfPageFacts(const QString &path, const std::atomic_bool *cancelled = nullptr,
                                 PageSpan span = {});

// The same, counted by size and colour.
PageDetails pdfPageDetails(const QString &path, const std::atomic_bool *cancelled = nullptr,
                           PageSpan span = {});
