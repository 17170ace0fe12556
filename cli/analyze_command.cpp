#include "cli/analyze_command.h"

#include "analysis/document_info.h"
#include "analysis/page_detail_analysis.h"
#include "cli/document_analysis.h"
#include "cli/json_lines.h"
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
    // Word files are rendered by the office suite in one run once every count is in, as in the
    // window, so the lines wait for that run. The page-detail pass of the other documents runs one
    // document at a time: Qt PDF renders under one process-wide lock, and bench_page_details shows
    // a second thread gains nothing measurable once measuring a page costs less than rendering it.
    QList<DocumentInfo> documents;
    analyzeInInputOrder(input.documents, [&documents](const DocumentInfo &info) { documents.append(info); });
    const QList<WordRendering> renderings = renderWordDocuments(documents);
    for (qsizetype i = 0; i < documents.size(); ++i) {
        DocumentInfo info = documents.at(i);
        const WordRendering &rendering = renderings.at(i);
        applyWordRendering(info, rendering);
        const PageDetails details = rendering.outcome == WordRenderOutcome::NotRendered
                                        ? analyzePageDetails(info)
                                        : rendering.details;
        print(documentJsonLine(info, details, rendering), out);
    }
    return input.allPathsExist ? 0 : 1;
}
