#pragma once

#include "export/quote_snapshot.h"
#include "zip/zip_archive.h"

#include <QList>
#include <QString>

enum class WorkbookStatus
{
    Written,
    MalformedSheet,
    WriteFailed
};

struct WorkbookResult
{
    WorkbookStatus status = WorkbookStatus::WriteFailed;
    QString errorText; // translated, ready to show; empty when written
};

// The worksheet part: title, quote information, one row per document, the totals underneath.
QString quoteWorksheetXml(const QuoteSnapshot &snapshot);
// The style sheet part; money cells show the currency's decimals.
QString quoteStylesXml(int currencyDecimals);
// The six package parts in the order they are written.
QList<ZipEntry> quoteWorkbookParts(const QString &worksheetXml, int currencyDecimals);

// Builds the workbook and replaces the file at path atomically; a worksheet that is not
// well-formed XML (a control character in a file name) is refused before anything is written.
WorkbookResult writeQuoteWorkbook(const QuoteSnapshot &snapshot, const QString &path);
