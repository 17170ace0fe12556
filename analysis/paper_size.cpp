#include "analysis/paper_size.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <cmath>

namespace {

struct NamedPaperSize
{
    const char *name;
    double shortSide;
    double longSide;
};

constexpr NamedPaperSize namedSizes[] = {
    {"A0", 841, 1189},         {"A1", 594, 841},     {"A2", 420, 594},         {"A3", 297, 420},
    {"A4", 210, 297},          {"A5", 148, 210},     {"B4", 250, 353},         {"B5", 176, 250},
    {"JIS-B4", 257, 364},      {"JIS-B5", 182, 257}, {"Letter", 215.9, 279.4}, {"Legal", 215.9, 355.6},
    {"Tabloid", 279.4, 431.8},
};

constexpr double toleranceMm = 4.0;

} // namespace

QString paperSizeLabel(double widthPoints, double heightPoints)
{
    if (!(widthPoints > 0) || !(heightPoints > 0))
        return {};
    const double widthMm = 25.4 * widthPoints / 72;
    const double heightMm = heightPoints * 25.4 / 72;
    const double shortSide = heightPoints > widthPoints ? widthMm : heightMm;
    const double longSide = heightPoints > widthPoints ? heightMm : widthMm;

    QString label;
    for (const NamedPaperSize &size : namedSizes) {
        if (std::abs(shortSide - size.shortSide) <= toleranceMm &&
            std::abs(longSide - size.longSide) <= toleranceMm) {
            label = QLatin1String(size.name);
            break;
        }
    }
    if (label.isEmpty()) {
        label = QString::number(qint64(shortSide + 0.5)) + QChar(0x00D7) +
                QString::number(qint64(longSide + 0.5)) + QStringLiteral(" mm");
    }
    if (widthPoints > heightPoints)
        label += QCoreApplication::translate("DocumentAnalyzer", " 横向");
    return label;
}

double paperSizeSortKey(const QString &paperSize)
{
    static const QHash<QString, double> areas = {
        {QStringLiteral("A0"), 999949},         {QStringLiteral("A1"), 499554},
        {QStringLiteral("A2"), 249480},         {QStringLiteral("A3"), 124740},
        {QStringLiteral("A4"), 62370},          {QStringLiteral("A5"), 31080},
        {QStringLiteral("B4"), 88250},          {QStringLiteral("B5"), 44000},
        {QStringLiteral("JIS-B4"), 93548},      {QStringLiteral("JIS-B5"), 46774},
        {QStringLiteral("Letter"), 60322.46},   {QStringLiteral("Legal"), 76774.04},
        {QStringLiteral("Tabloid"), 120644.92},
    };
    const QString firstWord = paperSize.section(QLatin1Char(' '), 0, 0);
    const auto it = areas.constFind(firstWord);
    if (it != areas.constEnd())
        return *it;
    static const QRegularExpression dimensions(QStringLiteral("(\\d+(?:\\.\\d+)?)×(\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch match = dimensions.match(paperSize);
    if (match.hasMatch())
        return match.captured(1).toDouble() * match.captured(2).toDouble();
    return 0;
}
