#include "cli/analyze_command.h"

#include "analysis/document_analyzer.h"
#include "analysis/document_scan.h"
#include "analysis/legacy_doc_analyzer.h"
#include "cli/json_lines.h"

#include <QFileInfo>
#include <QFuture>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent>

#include <algorithm>

namespace {

// The files the window would list for this drop: supported, each canonical path once.
QStringList documentsToAnalyze(const DocumentScan &scan)
{
    QStringList documents;
    QSet<QString> seen;
    for (const QString &path : scan.supported) {
        const QString key = canonicalDocumentPath(path).toLower();
        if (!seen.contains(key)) {
            seen.insert(key);
            documents.append(path);
        }
    }
    return documents;
}

} // namespace

int runAnalyzeCommand(const QStringList &paths, FILE *out, FILE *err)
{
    int status = 0;
    for (const QString &path : paths) {
        if (!QFileInfo::exists(path)) {
            std::fprintf(err, "orvanta-cli: no such file or folder: %s\n", qPrintable(path));
            status = 1;
        }
    }
    const DocumentScan scan = scanPaths(paths);
    for (const QString &path : scan.unsupported)
        std::fprintf(err, "orvanta-cli: not a supported document, skipped: %s\n", qPrintable(path));
    const QStringList documents = documentsToAnalyze(scan);

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

    // Printed as soon as the next document in input order is ready, so a long run shows progress.
    for (int i = 0; i < documents.size(); ++i) {
        const DocumentInfo info =
            legacyIndex.at(i) >= 0 ? legacy.result().value(legacyIndex.at(i)) : futures[i].result();
        const QByteArray line = documentJsonLine(info);
        std::fwrite(line.constData(), 1, size_t(line.size()), out);
        std::fflush(out);
    }
    return status;
}
