#pragma once

#include "analysis/document_info.h"
#include "analysis/page_detail_helpers.h"
#include "analysis/word_render_batch.h"

#include <QList>

#include <cstdio>
#include <functional>

// Measures the documents' pages in the helper processes, as the window does, and hands each outcome
// over in input order as soon as it and every one before it are ready. A document whose helper
// failed on both tries is named on err and handed over without details.
void measurePageDetailsInInputOrder(const QList<DocumentInfo> &documents,
                                    const std::function<void(int, const PageDetails &)> &onResult, FILE *err);

// Every document's page details as the window gets them: a rendered Word file's from its rendering,
// the others' from the helpers.
QList<PageDetails> measureAllPageDetails(const QList<DocumentInfo> &documents,
                                         const QList<WordRendering> &renderings, FILE *err);
