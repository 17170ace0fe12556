#pragma once

#include "analysis/page_detail_helpers.h"
#include "analysis/page_details.h"

#include <QString>

class QTableWidget;

// The size cell of a row whose pages come in several sizes: the first page's size as before, whose
// first word is the size the row is priced by, then the other sizes, "A4 +A3".
QString sizeTextWithOtherSizes(const QString &sizeText, const PageDetails &details);

// Colour pages and pages per size, or that the document gave no page details.
QString pageDetailsToolTip(const PageDetails &details);

// Shows what the page-detail pass found in a row: the details on the pages item (its delegate
// draws the colour badge), the other sizes in the size cell and the breakdown in both tool tips.
void showPageDetails(QTableWidget *table, int row, const PageDetails &details);

// What the size cell says of a row whose helper failed twice, and why, for its tool tip.
QString pageDetailFailureText(PageDetailFailure failure);

// Marks a row whose page details are unavailable: "页面详情不可用" in the size cell, the reason in
// the tool tips, and whether a second try is still to come; the row is priced as a whole.
void showPageDetailFailure(QTableWidget *table, int row, PageDetailFailure failure, bool retrying);

// The size cell's text without that mark, as the quotation lists it.
QString sizeTextWithoutFailureMark(const QString &sizeText);
