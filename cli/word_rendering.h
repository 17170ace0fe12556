#pragma once

#include "analysis/document_info.h"
#include "analysis/word_render_batch.h"

#include <QList>

// The Word documents among documents rendered by the office suite in one batch, as the window does
// once their counts are in; NotRendered for every other document and without the suite.
QList<WordRendering> renderWordDocuments(const QList<DocumentInfo> &documents);

// What the window shows once the rendering is in: the count it prices by default and, when the
// file gave none, the first rendered page's size.
void applyWordRendering(DocumentInfo &info, const WordRendering &rendering);
