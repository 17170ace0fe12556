#pragma once

#include "analysis/page_details.h"

#include <QRect>
#include <QString>

class QFont;
class QPainter;

// "3 彩" beside the page count of a row whose pages are partly in colour; empty when the pages are
// all grey or all colour, or not measured.
QString colorPagesBadgeText(const PageDetails &details);

// The width the badge takes at the right end of a cell.
int colorPagesBadgeWidth(const QFont &font, const QString &text);

// Paints the badge at the right end of the cell and returns what is left of the cell for the count.
QRect paintColorPagesBadge(QPainter *painter, const QRect &cell, const QString &text);

// The warning badge "≠ 180" of a Word row whose stored and rendered counts are far apart, painted
// the same way in amber.
QRect paintPageCountBadge(QPainter *painter, const QRect &cell, const QString &text);
