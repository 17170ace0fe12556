#pragma once

#include <qpdf/qpdf-c.h>

// The value of `key` ("/MediaBox", "/Rotate") in the page dictionary or, when the page lacks
// it, in the nearest ancestor reached through "/Parent" links; an uninitialised handle when
// none has it. At most 64 dictionaries are visited, which also ends cyclic "/Parent" chains.
qpdf_oh inheritedPageAttribute(qpdf_data pdf, qpdf_oh page, const char *key);

// Width and height in points of a page as displayed: its crop box clipped to its media box (the
// media box when there is no usable crop box) with the page rotation applied. Both are 0 when
// the page has no usable media box.
struct PdfPageSize
{
    double width = 0;
    double height = 0;
};

PdfPageSize displayedPageSize(qpdf_data pdf, qpdf_oh page);

// The leaf pages of the document's page tree, each counted once however often the tree refers to
// it, for trees qpdf's own walk refuses (a node referred to twice, a loop). The walk is bounded in
// depth and in nodes; when it stops at a bound, the root's "/Count" stands if it is plausible.
// firstPage is the first leaf found (uninitialised when there is none).
struct PdfPageWalk
{
    int pageCount = 0;
    qpdf_oh firstPage = 0;
};

PdfPageWalk walkPageTree(qpdf_data pdf);
