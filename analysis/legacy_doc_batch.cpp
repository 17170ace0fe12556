#include "analysis/legacy_doc_batch.h"

#include "analysis/document_analyzer.h"
#include "analysis/document_content.h"
#include <algorithm>

QList<DocumentInfo> analyzeLegacyDocumentsWith(const QStringList &paths, const PageInfoProvider &automation)
{
    QList<DocumentInfo> results;
    results.reserve(paths.size());
    QList<int> incomplete;
    QStringList incompletePaths;
    for (const QString &path : paths) {
        // Only a real DOC, or the RTF and HTML word processors save as .doc, may reach the word
        // processor; a picture or PDF under that name is read as what it is.
        const DocumentContent content = documentContentOfFile(path);
        if (content != DocumentContent::CompoundFile && content != DocumentContent::WordText) {
            results.append(analyzeDocument(path));
            continue;
        }
        DocumentInfo info = documentInfoFor(path);
        info.pageCount = oleSummaryPageCount(path);
        info.paperSize = wordFibPaperSize(path);
        if (info.pageCount < 1 || info.paperSize.isEmpty()) {
            incomplete.append(results.size());
            incompletePaths.append(path);
        }
        results.append(info);
    }
    if (incomplete.isEmpty() || !automation)
        return results;

    const QList<WordPageInfo> answers = automation(incompletePaths);
    const qsizetype count = std::min(incomplete.size(), answers.size());
    for (qsizetype i = 0; i < count; ++i) {
        DocumentInfo &info = results[incomplete.at(i)];
        if (info.pageCount < 1)
            info.pageCount = std::max(0, answers.at(i).pageCount);
        if (info.paperSize.isEmpty())
            info.paperSize = answers.at(i).paperSize;
    }
    return results;
}
