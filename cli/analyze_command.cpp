#include "cli/analyze_command.h"

#include "analysis/document_info.h"
#include "cli/document_analysis.h"
#include "cli/json_lines.h"
#include "cli/page_detail_measuring.h"

int runAnalyzeCommand(const QStringList &paths, bool pageDetails, FILE *out, FILE *err)
{
    const DocumentInput input = collectDocuments(paths, err);
    const auto print = [out](const QByteArray &line) {
        std::fwrite(line.constData(), 1, size_t(line.size()), out);
        std::fflush(out);
    };
    if (!pageDetails) {
        // Printed as soon as the next document in input order is ready, so a long run shows progress.
        analyzeInInputOrder(input.documents,
                            [&print](const DocumentInfo &info) { print(documentJsonLine(info)); });
        return input.allPathsExist ? 0 : 1;
    }
    // Like the window: the page counts first, then the helpers measure every page, several
    // documents at once; a document that breaks its helper loses its details only.
    QList<DocumentInfo> documents;
    analyzeInInputOrder(input.documents, [&documents](const DocumentInfo &info) { documents.append(info); });
    measurePageDetailsInInputOrder(
        documents,
        [&](int index, const PageDetails &details) { print(documentJsonLine(documents.at(index), details)); },
        err);
    return input.allPathsExist ? 0 : 1;
}
