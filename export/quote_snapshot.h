#pragma once

#include "analysis/page_details.h"
#include "pricing/price_profile.h"
#include "pricing/quote_totals.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

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
    bool pagesEstimated = false; // counted from a damaged file's page objects
    QString filePath = QString(); // where the document was when the quote was issued
    QString pageCountMark = {}; // "*" or "≠ 180" for a Word row counted by rendering (page_count_marks.h)
};

// Everything a quotation or workbook is built from, taken at the moment of export so that the
// window and the command line hand the same plain data to the same builders. Once issued it is
// the quote itself: the PDF, the workbook, the stored record and every re-issue render it as is.
struct QuoteSnapshot
{
    QList<QuoteRow> rows;
    PriceProfile profile; // its customerName is the quote's customer
    QString profileName;  // as the profile selector shows it
    CustomBindingMap customBindingMethods;
    bool duplex = false;
    QDateTime createdAt;             // quote number and dates
    QString quoteNumber = QString(); // empty: made from createdAt
    QString language = QString();    // interface language of the labels; empty: the current one
    std::optional<QuoteTotals> totals = std::nullopt; // set when issued; otherwise summed from the rows
};

// The issued totals, or the sum of the line amounts and the copies (a copies text that is no
// integer above 1 counts as 1) of a quote not issued yet.
QuoteTotals quoteTotals(const QuoteSnapshot &snapshot);

// The number the quote is issued under.
QString quoteNumberOf(const QuoteSnapshot &snapshot);

// Fixes everything a later rendering could read differently: the number, the totals, the
// interface language and the regional format (an empty locale becomes the system's).
void issueQuote(QuoteSnapshot &snapshot, const QString &number, const QString &language);

// Pages of all rows as the bottom bar counts them.
int quotePageCount(const QuoteSnapshot &snapshot);
