#include "cli/analyze_command.h"

#include "analysis/document_info.h"
#include "analysis/page_detail_analysis.h"
#include "cli/document_analysis.h"
#include "cli/json_lines.h"

int runAnalyzeCommand(const QStringList &paths, bool pageDetails, FILE *out, FILE *err)
{
    const DocumentInput input = collectDocuments(paths, err);
    // Printed as soon as the next document in input order is ready, so a long run shows progress.
    // The page-detail pass runs here, one document at a time: Qt PDF renders under one
    // process-wide lock, so more threads would not render faster, and the pools keep counting.
    analyzeInInputOrder(input.documents, [out, pageDetails](const DocumentInfo &info) {
        const QByteArray line =
            pageDetails ? documentJsonLine(info, analyzePageDetails(info)) : documentJsonLine(info);
        std::fwrite(line.constData(), 1, size_t(line.size()), out);
        std::fflush(out);
    });
    return input.allPathsExist ? 0 : 1;
}
