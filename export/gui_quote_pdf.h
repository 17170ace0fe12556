#pragma once

#include <QString>

class QLocale;

struct QuotePdfResult
{
    bool written = false;
    QString errorText; // why nothing was written; empty when written
};

// US Letter for the United States, Canada, Mexico and the Philippines, A4 everywhere else.
bool usesLetterPaper(const QLocale &locale);

// Renders the quotation HTML onto PDF pages sized by the locale's territory. The file is written
// beside the target and replaces it only when complete, so a failure never leaves a truncated or
// empty file behind and an existing file stays as it was.
QuotePdfResult writeQuotePdf(const QString &html, const QLocale &locale, const QString &path);
