#pragma once

#include <QString>

class QDateTime;
struct QuoteSnapshot;

// "Q" and the local date and time as yyyyMMddhhmmss: one number per second, never stored.
QString makeQuoteNumber(const QDateTime &at);

// The quotation as one HTML page (labels in context "MainWindow"). Every text taken from the user
// or from a file name is HTML-escaped, and no inserted text is scanned for placeholders again.
QString buildQuoteHtml(const QuoteSnapshot &snapshot);
