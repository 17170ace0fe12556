#pragma once

#include <QStringList>

#include <cstdio>
#include <functional>

struct DocumentInfo;

// The documents the window would list for a drop of these paths, in input order, each once.
// Missing paths and unsupported files are named on err; allPathsExist is false after a missing one.
struct DocumentInput
{
    QStringList documents;
    bool allPathsExist = true;
};
DocumentInput collectDocuments(const QStringList &paths, FILE *err);

// Analyses on pools shaped like the window's and hands each result over in input order, as soon as
// it and every result before it are ready.
void analyzeInInputOrder(const QStringList &documents,
                         const std::function<void(const DocumentInfo &)> &onResult);
