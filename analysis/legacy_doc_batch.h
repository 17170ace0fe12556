#pragma once

#include "analysis/document_info.h"
#include "analysis/legacy_doc_analyzer.h"

#include <QList>
#include <QStringList>

#include <functional>

using PageInfoProvider = std::function<QList<WordPageInfo>(const QStringList &)>;

// The legacy batch with the automation step supplied by the caller: the file-based readers first,
// then one call of automation for the files still lacking a page count or a paper size. What the
// files themselves provided is never replaced. A file whose content is neither a compound file nor
// RTF or HTML is analysed by analyzeDocument and never handed to automation.
QList<DocumentInfo> analyzeLegacyDocumentsWith(const QStringList &paths, const PageInfoProvider &automation);
