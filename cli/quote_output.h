#pragma once

#include <QByteArray>
#include <QList>

struct DocumentInfo;
struct QuoteSnapshot;
struct WordRendering;

// One JSON object: "lines" (one per row, beside the document it was priced from) and "totals"
// (the quote totals by name, plus "currency"). Amounts are numbers, unrounded as the window sums them.
// Each line says where its count comes from ("pageCountSource"), the Word rendering's count
// ("renderedPages", 0 when not rendered) and whether the two counts are far apart ("pageCountMismatch").
QByteArray quoteJson(const QuoteSnapshot &snapshot, const QList<DocumentInfo> &documents,
                     const QList<WordRendering> &renderings);

// The same as an aligned text table with the money texts the window shows.
QByteArray quoteTable(const QuoteSnapshot &snapshot, const QList<DocumentInfo> &documents);
