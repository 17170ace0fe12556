#pragma once

#include <QByteArray>
#include <QString>

struct DocumentInfo;

// A JSON string literal, UTF-8, with quotes, backslashes and control characters escaped.
QByteArray jsonString(const QString &text);
// One document as a single-line JSON object, fields in a fixed order.
QByteArray documentJsonLine(const DocumentInfo &info);
