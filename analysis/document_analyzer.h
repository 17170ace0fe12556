#pragma once

#include "analysis/document_info.h"

#include <QString>

// Picks the analyser by suffix and returns what it found. Runs on pool threads; never throws,
// never touches widgets. Files with the suffix "doc" go to analyzeLegacyDocuments instead.
DocumentInfo analyzeDocument(const QString &path);
