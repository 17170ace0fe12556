#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The twelve suffixes documents are recognised by (compared in lower case).
bool isSupportedDocument(const QString &path);
bool isLegacyDocSuffix(const QString &path);

// Files found under dropped paths, split by whether they are supported. Folders are walked
// recursively without following symbolic links or entering hidden entries; a folder reached
// twice (by another path or a cycle) is walked once.
struct DocumentScan
{
    QStringList supported;
    QStringList unsupported;
};

void scanPath(const QString &path, QStringList &supported, QStringList &unsupported,
              QSet<QString> &visitedFolders);
// scanPath over every path, then exact duplicates removed keeping the first occurrence.
DocumentScan scanPaths(const QStringList &paths);

// The path a document is known by in the list: canonical, or absolute when that is empty.
QString canonicalDocumentPath(const QString &path);
