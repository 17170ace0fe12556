#pragma once

#include "analysis/word_render_batch.h"

#include <QList>

struct QuoteRow;

// The short mark an export puts beside a Word row's count: "*" when it is priced by the office
// suite's rendering, "≠ 180" when the count it is not priced by is far from it; both may appear.
QString pageCountMark(const WordRendering &rendering, bool useRendered);

// The one line that explains the marks, or empty when no row carries one (context "MainWindow").
QString pageCountMarksLegend(const QList<QuoteRow> &rows);
