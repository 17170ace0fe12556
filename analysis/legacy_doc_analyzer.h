#pragma once

#include "analysis/document_info.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the word processor reported for one file; 0 / empty when not obtained.
struct WordPageInfo
{
    int pageCount = 0;
    QString paperSize;
};

// Page count (property 14) of the summary information property set; 0 when not available.
int oleSummaryPageCount(const QString &path);
// Paper-size text of the first section read from the Word file information block.
QString wordFibPaperSize(const QString &path);

// Whether a word processor that can render DOC files is installed.
bool isWordAutomationAvailable();
// One entry per path, in order; entries stay {0, empty} for anything that could not be obtained.
QList<WordPageInfo> wordAutomationPageInfo(const QStringList &paths);

// The legacy batch: file-based readers first, then one automation run for what is still missing.
QList<DocumentInfo> analyzeLegacyDocuments(const QStringList &paths);
