#include "documents/color_pages_badge.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int Padding = 5; // inside the badge, left and right
constexpr int Margin = 4;  // between the badge and the cell's right edge
constexpr int PillHeight = 18;

} // namespace

QString colorPagesBadgeText(const PageDetails &details)
{
    const int color = details.colorPages();
    if (color == 0 || color == details.pageCount())
        return {};
    return QCoreApplication::translate("PageLoadingIndicator", "%1 彩").arg(color);
}

int colorPagesBadgeWidth(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text) + 2 * Padding + Margin;
}

namespace {

QRect paintBadge(QPainter *painter, const QRect &cell, const QString &text, const QColor &fill,
                 const QColor &ink)
{
    const int width = colorPagesBadgeWidth(painter->font(), text) - Margin;
    const int height = std::min(PillHeight, cell.height() - 4);
    const QRect pill(cell.right() - Margin - width + 1, cell.top() + (cell.height() - height) / 2, width,
                     height);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(fill);
    painter->drawRoundedRect(QRectF(pill), height / 2.0, height / 2.0);
    painter->setPen(ink);
    painter->drawText(pill, Qt::AlignCenter, text);
    painter->restore();
    return QRect(cell.left(), cell.top(), pill.left() - cell.left(), cell.height());
}

} // namespace

QRect paintColorPagesBadge(QPainter *painter, const QRect &cell, const QString &text)
{
    return paintBadge(painter, cell, text, QColor(QStringLiteral("#FDE9D9")),
                      QColor(QStringLiteral("#C2410C")));
}

QRect paintPageCountBadge(QPainter *painter, const QRect &cell, const QString &text)
{
    return paintBadge(painter, cell, text, QColor(QStringLiteral("#FEF3C7")),
                      QColor(QStringLiteral("#B45309")));
}
