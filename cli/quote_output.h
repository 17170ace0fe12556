#pragma once

#include <QByteArray>
#include <QList>

struct DocumentInfo;
struct QuoteSnapshot;

// One JSON object: "lines" (one per row, beside the document it was priced from) and "totals"
// (the quote totals by name, plus "currency"). Amounts are numbers, unrounded as the window sums them.
QByteArray quoteJson(const QuoteSnapshot &snapshot, const QList<DocumentInfo> &documents);

// The same as an aligned text table with the money texts the window shows.
QByteArray quoteTable(const QuoteSnapshot &snapshot, const QList<DocumentInfo> &documents);
