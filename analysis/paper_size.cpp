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

QString roundedMm(double mm)
{
    return QString::number(std::floor(mm + 0.5), 'f', 0);
}

} // namespace

QString paperSizeLabel(double widthPoints, double heightPoints)
{
    if (!(widthPoints > 0) || !(heightPoints > 0))
        return QString();
    const double widthMm = 25.4 * widthPoints / 72;
    const double heightMm = heightPoints * 25.4 / 72;
    const double shortSide = heightPoints > widthPoints ? widthMm : heightMm;
    const double longSide = heightPoints > widthPoints ? heightMm : widthMm;

    QString label;
    for (const NamedPaperSize &size : kNamedSizes) {
        if (std::fabs(shortSide - size.shortSide) <= kToleranceMm &&
            std::fabs(longSide - size.longSide) <= kToleranceMm) {
            label = QLatin1String(size.name);
            break;
        }
    }
    if (label.isEmpty())
        label = roundedMm(shortSide) + QChar(0x00D7) + roundedMm(longSide) + QLatin1String(" mm");
    if (widthPoints > heightPoints)
        label += QCoreApplication::translate("DocumentAnalyzer", " 横向");
    return label;
}
