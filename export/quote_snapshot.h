#pragma once

#include "analysis/page_details.h"
#include "pricing/price_profile.h"
#include "pricing/quote_totals.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One document row as the exports read it: cell texts as shown, keys for colour and binding.
struct QuoteRow
{
    QString fileName;
    QString colorMode = QStringLiteral("blackWhite");
    QString pagesText;
    QString paperSize;
    QString copiesText;
    QString unitPriceText;
    QString binding = QStringLiteral("none");
    double lineAmount = 0;
    PageDetails pageDetails = {}; // empty until the page-detail pass has measured the document
    bool unitPriceTyped = false;
    QString pageCountMark = {}; // "*" or "≠ 180" for a Word row counted by rendering (page_count_marks.h)
};

// Everything a quotation or workbook is built from, taken at the moment of export so that the
// window and the command line hand the same plain data to the same builders.
struct QuoteSnapshot
{
    QList<QuoteRow> rows;
    PriceProfile profile;
    QString profileName; // as the profile selector shows it
    CustomBindingMap customBindingMethods;
    bool duplex = false;
    QDateTime createdAt; // quote number and dates
};

// Sum of the line amounts and the copies (a copies text that is no integer above 1 counts as 1).
QuoteTotals quoteTotals(const QuoteSnapshot &snapshot);
