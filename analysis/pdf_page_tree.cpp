#include "analysis/pdf_page_tree.h"

#include <QList>
#include <QPair>
#include <QRectF>
#include <QSet>

#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr int kMaxInheritanceDepth = 64;
// Far beyond any real page tree, small enough to bound the time a hostile one takes.
constexpr int kMaxTreeDepth = 4096;
constexpr int kMaxTreeNodes = 1000000;

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

// A page box ("/MediaBox", "/CropBox") as a normalised rectangle; none when it is missing, has
// fewer than four numbers, is not finite or has no area.
std::optional<QRectF> pageBox(qpdf_data pdf, qpdf_oh page, const char *key)
{
    const qpdf_oh box = inheritedPageAttribute(pdf, page, key);
    if (!qpdf_oh_is_array(pdf, box) || qpdf_oh_get_array_n_items(pdf, box) < 4)
        return std::nullopt;
    std::array<double, 4> corners{};
    for (int i = 0; i < 4; ++i) {
        const qpdf_oh item = qpdf_oh_get_array_item(pdf, box, i);
        if (!qpdf_oh_is_number(pdf, item))
            return std::nullopt;
        corners[i] = qpdf_oh_get_numeric_value(pdf, item);
        if (!std::isfinite(corners[i]))
            return std::nullopt;
    }
    const QRectF rect = QRectF(QPointF(corners[0], corners[1]), QPointF(corners[2], corners[3])).normalized();
    if (!(rect.width() > 0 && rect.height() > 0) || !std::isfinite(rect.width()) ||
        !std::isfinite(rect.height()))
        return std::nullopt;
    return rect;
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
    const std::optional<QRectF> media = pageBox(pdf, page, "/MediaBox");
    if (!media)
        return {};
    // Viewers and printers show the crop box, clipped to the media box; a crop box that misses
    // the media box, or none at all, leaves the media box.
    QRectF shown = *media;
    if (const std::optional<QRectF> crop = pageBox(pdf, page, "/CropBox")) {
        const QRectF clipped = crop->intersected(*media);
        if (clipped.width() > 0 && clipped.height() > 0)
            shown = clipped;
    }
    PdfPageSize size{shown.width(), shown.height()};
    const double rotation = normalisedRotation(pdf, page);
    if (rotation == 90 || rotation == 270)
        std::swap(size.width, size.height);
    return size;
}

PdfPageWalk walkPageTree(qpdf_data pdf)
{
    PdfPageWalk walk;
    const qpdf_oh root = qpdf_get_root(pdf);
    if (!qpdf_oh_is_dictionary(pdf, root) || !qpdf_oh_has_key(pdf, root, "/Pages"))
        return walk;
    const qpdf_oh pages = qpdf_oh_get_key(pdf, root, "/Pages");
    QSet<int> visited;
    QList<QPair<qpdf_oh, int>> stack{{pages, 0}}; // node and depth; kids pushed in reverse
    int nodes = 0;
    bool cut = false;
    while (!stack.isEmpty()) {
        const auto [node, depth] = stack.takeLast();
        if (!qpdf_oh_is_dictionary(pdf, node))
            continue;
        // Direct objects cannot be referred to twice; indirect ones are visited once.
        const int id = qpdf_oh_get_object_id(pdf, node);
        if (id != 0 && !visited.contains(id))
            visited.insert(id);
        else if (id != 0)
            continue;
        if (++nodes > kMaxTreeNodes || depth > kMaxTreeDepth) {
            cut = true;
            break;
        }
        const qpdf_oh kids = qpdf_oh_has_key(pdf, node, "/Kids") ? qpdf_oh_get_key(pdf, node, "/Kids") : 0;
        if (kids == 0 || !qpdf_oh_is_array(pdf, kids)) {
            if (walk.pageCount++ == 0)
                walk.firstPage = node;
            continue;
        }
        for (int i = qpdf_oh_get_array_n_items(pdf, kids) - 1; i >= 0; --i)
            stack.append({qpdf_oh_get_array_item(pdf, kids, i), depth + 1});
    }
    const qpdf_oh count = qpdf_oh_has_key(pdf, pages, "/Count") ? qpdf_oh_get_key(pdf, pages, "/Count") : 0;
    if (cut && count != 0 && qpdf_oh_is_integer(pdf, count)) {
        const long long declared = qpdf_oh_get_int_value(pdf, count);
        if (declared > walk.pageCount && declared <= kMaxTreeNodes)
            walk.pageCount = int(declared);
    }
    return walk;
}
