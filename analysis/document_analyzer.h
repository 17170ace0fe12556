#pragma once

#include "analysis/document_info.h"

#include <QString>

// Picks the analyser by the file's content (not its suffix) and returns what it found. Runs on pool
// threads; never throws, never touches widgets. Files with the suffix "doc" go to
// analyzeLegacyDocuments instead, which hands those that are no DOC back here.
DocumentInfo analyzeDocument(const QString &path);
