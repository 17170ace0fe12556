#include "cli/analyze_command.h"

#include "analysis/document_info.h"
#include "analysis/page_detail_analysis.h"
#include "cli/document_analysis.h"
#include "cli/json_lines.h"

int runAnalyzeCommand(const QStringList &paths, bool pageDetails, FILE *out, FILE *err)
{
    const DocumentInput input = collectDocuments(paths, err);
    // Printed as soon as the next document in input order is ready, so a long run shows progress.
    // The page-detail pass runs here, one document at a time, while the pools keep counting: Qt PDF
    // renders under one process-wide lock, and bench_page_details shows a second thread gains
    // nothing measurable once measuring a page costs less than rendering it.
    analyzeInInputOrder(input.documents, [out, pageDetails](const DocumentInfo &info) {
        const QByteArray line =
            pageDetails ? documentJsonLine(info, analyzePageDetails(info)) : documentJsonLine(info);
        std::fwrite(line.constData(), 1, size_t(line.size()), out);
        std::fflush(out);
    });
    return input.allPathsExist ? 0 : 1;
}
