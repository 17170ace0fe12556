#include "cli/word_rendering.h"

QList<WordRendering> renderWordDocuments(const QList<DocumentInfo> &documents)
{
    QStringList paths;
    QList<int> indices;
    for (int i = 0; i < documents.size(); ++i) {
        if (hasWordSuffix(documents.at(i).filePath)) {
            paths.append(documents.at(i).filePath);
            indices.append(i);
        }
    }
    QList<WordRendering> renderings(documents.size());
    const QList<WordRendering> rendered = renderWordFiles(paths);
    for (int j = 0; j < indices.size() && j < rendered.size(); ++j)
        renderings[indices.at(j)] = rendered.at(j);
    return renderings;
}

void applyWordRendering(DocumentInfo &info, const WordRendering &rendering)
{
    if (rendering.outcome != WordRenderOutcome::Rendered)
        return;
    info.pageCount = pricedWordPageCount(rendering, false);
    if (info.paperSize.isEmpty())
        info.paperSize = rendering.paperSize;
}
