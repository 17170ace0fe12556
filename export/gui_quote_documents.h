#pragma once

#include <QString>

struct QuoteSnapshot;

enum class QuoteDocument
{
    Pdf,
    Workbook
};

// Writes the PDF quotation or the workbook of an issued quote, labelled in the language it was
// issued in. Returns why nothing was written (translated, ready to show); empty when written.
QString writeQuoteDocument(const QuoteSnapshot &quote, QuoteDocument kind, const QString &path);
