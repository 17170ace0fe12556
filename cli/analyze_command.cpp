#include "cli/analyze_command.h"

#include "analysis/document_info.h"
#include "cli/document_analysis.h"
#include "cli/json_lines.h"
#include "cli/page_detail_measuring.h"
#include "cli/word_rendering.h"

namespace {

void print(const QByteArray &line, FILE *out)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), out);
    std::fflush(out);
}

} // namespace

int runAnalyzeCommand(const QStringList &paths, bool pageDetails, FILE *out, FILE *err)
{
    const DocumentInput input = collectDocuments(paths, err);
    if (!pageDetails) {
        // Printed as soon as the next document in input order is ready, so a long run shows progress.
        analyzeInInputOrder(input.documents,
                            [out](const DocumentInfo &info) { print(documentJsonLine(info), out); });
        return input.allPathsExist ? 0 : 1;
    }
    // Like the window: the page counts first; then Word files are rendered by the office suite in
    // one run, and the helpers measure every other document's pages, several at once, so a document
    // that breaks its helper loses its details only.
    QList<DocumentInfo> documents;
    analyzeInInputOrder(input.documents, [&documents](const DocumentInfo &info) { documents.append(info); });
    const QList<WordRendering> renderings = renderWordDocuments(documents);
    for (qsizetype i = 0; i < documents.size(); ++i)
        applyWordRendering(documents[i], renderings.at(i));
    const QList<PageDetails> details = measureAllPageDetails(documents, renderings, err);
    for (qsizetype i = 0; i < documents.size(); ++i)
        print(documentJsonLine(documents.at(i), details.at(i), renderings.at(i)), out);
    return input.allPathsExist ? 0 : 1;
}
