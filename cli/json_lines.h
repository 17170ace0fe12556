#pragma once

#include <QByteArray>
#include <QString>

struct DocumentInfo;
struct PageDetails;
struct WordRendering;

// A JSON string literal, UTF-8, with quotes, backslashes and control characters escaped.
QByteArray jsonString(const QString &text);
// One document as a single-line JSON object, fields in a fixed order.
QByteArray documentJsonLine(const DocumentInfo &info);
// The same with "colorPages" and "pageSizes" (pagesPerSizeText(), empty without page details) last.
// With a rendering, also "renderedPages" (0 when not rendered) and "pageCountSource" ("stored" or
// "rendered": where pageCount comes from).
QByteArray documentJsonLine(const DocumentInfo &info, const PageDetails &details,
                            const WordRendering &rendering);
