#include "cli/document_analysis.h"

#include "analysis/document_analyzer.h"
#include "analysis/document_scan.h"
#include "analysis/legacy_doc_analyzer.h"

#include <QFileInfo>
#include <QFuture>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent>

#include <algorithm>

DocumentInput collectDocuments(const QStringList &paths, FILE *err)
{
    DocumentInput input;
    for (const QString &path : paths) {
        if (!QFileInfo::exists(path)) {
            std::fprintf(err, "orvanta-cli: no such file or folder: %s\n", qPrintable(path));
            input.allPathsExist = false;
        }
    }
    const DocumentScan scan = scanPaths(paths);
    for (const QString &path : scan.unsupported)
        std::fprintf(err, "orvanta-cli: not a supported document, skipped: %s\n", qPrintable(path));
    QSet<QString> seen;
    for (const QString &path : scan.supported) {
        const QString key = canonicalDocumentPath(path).toLower();
        if (!seen.contains(key)) {
            seen.insert(key);
            input.documents.append(path);
        }
    }
    return input;
}

void analyzeInInputOrder(const QStringList &documents,
                         const std::function<void(const DocumentInfo &)> &onResult)
{
    QThreadPool analysisPool;
    analysisPool.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 4, 8));
    QThreadPool legacyPool;
    legacyPool.setMaxThreadCount(1);

    QStringList legacyPaths;
    QList<QFuture<DocumentInfo>> futures;
    QList<int> legacyIndex; // position of each document in legacyPaths, or -1
    for (const QString &path : documents) {
        if (isLegacyDocSuffix(path)) {
            legacyIndex.append(legacyPaths.size());
            legacyPaths.append(path);
            futures.append(QFuture<DocumentInfo>());
        } else {
            legacyIndex.append(-1);
            futures.append(QtConcurrent::run(&analysisPool, analyzeDocument, path));
        }
    }
    QFuture<QList<DocumentInfo>> legacy;
    if (!legacyPaths.isEmpty())
        legacy = QtConcurrent::run(&legacyPool, analyzeLegacyDocuments, legacyPaths);

    for (int i = 0; i < documents.size(); ++i)
        onResult(legacyIndex.at(i) >= 0 ? legacy.result().value(legacyIndex.at(i)) : futures[i].result());
}
