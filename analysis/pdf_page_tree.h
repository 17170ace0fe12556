#pragma once

#include <qpdf/qpdf-c.h>

// The value of `key` ("/MediaBox", "/Rotate") in the page dictionary or, when the page lacks
// it, in the nearest ancestor reached through "/Parent" links; an uninitialised handle when
// none has it. At most 64 dictionaries are visited, which also ends cyclic "/Parent" chains.
qpdf_oh inheritedPageAttribute(qpdf_data pdf, qpdf_oh page, const char *key);

// Width and height in points of a page as displayed: its media box with the page rotation
// applied. Both are 0 when the page has no usable media box.
struct PdfPageSize
{
    double width = 0;
    double height = 0;
};

PdfPageSize displayedPageSize(qpdf_data pdf, qpdf_oh page);
