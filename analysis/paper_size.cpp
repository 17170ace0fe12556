#include "analysis/paper_size.h"

#include <QCoreApplication>

#include <cmath>

namespace {

struct NamedPaperSize
{
    const char *name;
    double shortSide;
    double longSide;
};

constexpr NamedPaperSize kNamedSizes[] = {
    {"A0", 841, 1189},         {"A1", 594, 841},     {"A2", 420, 594},         {"A3", 297, 420},
    {"A4", 210, 297},          {"A5", 148, 210},     {"B4", 250, 353},         {"B5", 176, 250},
    {"JIS-B4", 257, 364},      {"JIS-B5", 182, 257}, {"Letter", 215.9, 279.4}, {"Legal", 215.9, 355.6},
    {"Tabloid", 279.4, 431.8},
};

constexpr double kToleranceMm = 4.0;

// Half-up rounding to a whole millimetre; absurd sizes are clamped so the conversion stays defined.
qint64 wholeMillimetres(double mm)
{
    return qint64(std::floor(std::min(mm, 1e15) + 0.5));
}

} // namespace

QString paperSizeLabel(double widthPoints, double heightPoints)
{
    if (!(widthPoints > 0) || !(heightPoints > 0))
        return {};
    const double widthMm = 25.4 * widthPoints / 72.0;
    const double heightMm = heightPoints * 25.4 / 72.0;
    const double shortSide = heightPoints > widthPoints ? widthMm : heightMm;
    const double longSide = heightPoints > widthPoints ? heightMm : widthMm;

    QString label;
    for (const NamedPaperSize &size : kNamedSizes) {
        if (std::abs(shortSide - size.shortSide) <= kToleranceMm &&
            std::abs(longSide - size.longSide) <= kToleranceMm) {
            label = QLatin1String(size.name);
            break;
        }
    }
    if (label.isEmpty())
        label = QStringLiteral("%1×%2 mm").arg(wholeMillimetres(shortSide)).arg(wholeMillimetres(longSide));
    if (widthPoints > heightPoints)
        label += QCoreApplication::translate("DocumentAnalyzer", " 横向");
    return label;
}
