#pragma once

#include <QString>

// Turns one page size in points (1/72 inch) into the text the table shows and pricing keys on:
// a named size ("A4", "JIS-B5", "Letter") or "W×H mm", plus the translated " 横向" suffix for a
// landscape page. Empty when either side is not positive.
QString paperSizeLabel(double widthPoints, double heightPoints);

// Sort key of a paper-size text for the size column: the area in square millimetres of a named
// size, the product of the two numbers of a "W×H" text, otherwise 0.
double paperSizeSortKey(const QString &paperSize);
