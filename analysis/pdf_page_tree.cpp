#include "analysis/pdf_page_tree.h"

#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr int kMaxInheritanceDepth = 64;

// Rotation in degrees, 0 when missing or unusable. Large values are reduced in floating point
// because converting them to an integer first would overflow.
double normalisedRotation(qpdf_data pdf, qpdf_oh page)
{
    const qpdf_oh rotate = inheritedPageAttribute(pdf, page, "/Rotate");
    if (!qpdf_oh_is_number(pdf, rotate))
        return 0;
    const double degrees = qpdf_oh_get_numeric_value(pdf, rotate);
    if (!std::isfinite(degrees))
        return 0;
    return std::fmod(std::trunc(std::fabs(degrees)), 360.0);
}

} // namespace

qpdf_oh inheritedPageAttribute(qpdf_data pdf, qpdf_oh page, const char *key)
{
    qpdf_oh current = page;
    for (int depth = 0; depth < kMaxInheritanceDepth; ++depth) {
        // Asking a non-dictionary for a key makes qpdf issue a type warning; treat it as a
        // dead end instead.
        if (!qpdf_oh_is_initialized(pdf, current) || !qpdf_oh_is_dictionary(pdf, current))
            break;
        if (qpdf_oh_has_key(pdf, current, key))
            return qpdf_oh_get_key(pdf, current, key);
        if (!qpdf_oh_has_key(pdf, current, "/Parent"))
            break;
        current = qpdf_oh_get_key(pdf, current, "/Parent");
    }
    return qpdf_oh_new_uninitialized(pdf);
}

PdfPageSize displayedPageSize(qpdf_data pdf, qpdf_oh page)
{
    const qpdf_oh box = inheritedPageAttribute(pdf, page, "/MediaBox");
    if (!qpdf_oh_is_array(pdf, box) || qpdf_oh_get_array_n_items(pdf, box) < 4)
        return {};
    std::array<double, 4> corners{};
    for (int i = 0; i < 4; ++i) {
        const qpdf_oh item = qpdf_oh_get_array_item(pdf, box, i);
        if (!qpdf_oh_is_number(pdf, item))
            return {};
        corners[i] = qpdf_oh_get_numeric_value(pdf, item);
    }
    PdfPageSize size{std::fabs(corners[2] - corners[0]), std::fabs(corners[3] - corners[1])};
    if (!std::isfinite(size.width) || !std::isfinite(size.height))
        return {};
    const double rotation = normalisedRotation(pdf, page);
    if (rotation == 90 || rotation == 270)
        std::swap(size.width, size.height);
    return size;
}
