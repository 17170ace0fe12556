#pragma once

#include "analysis/word_render_batch.h"

#include <QString>

class QModelIndex;
class QTableWidget;

// "≠ 180" beside the count of a Word row whose stored and rendered counts are far apart: the
// count the row is not priced by. Empty otherwise.
QString pageCountBadgeText(const QModelIndex &pagesIndex);

// The rendering the row's pages item holds; outcome NotRendered when it has none.
WordRendering rowWordRendering(const QTableWidget *table, int row);
bool rowUsesRenderedCount(const QTableWidget *table, int row);

// The row has a rendered count other than its stored one, so the operator may choose between them.
bool rowHasRenderedAlternative(const QTableWidget *table, int row);

// Shows a Word file's rendering in its row: the count it is priced by (the rendered one when the
// file stores none or useRendered), why in the tool tip, and the rendering's page details.
void showWordRendering(QTableWidget *table, int row, const WordRendering &rendering, bool useRendered);
