#include "cli/analyze_command.h"

#include "analysis/document_info.h"
#include "cli/document_analysis.h"
#include "cli/json_lines.h"

int runAnalyzeCommand(const QStringList &paths, FILE *out, FILE *err)
{
    const DocumentInput input = collectDocuments(paths, err);
    // Printed as soon as the next document in input order is ready, so a long run shows progress.
    analyzeInInputOrder(input.documents, [out](const DocumentInfo &info) {
        const QByteArray line = documentJsonLine(info);
        std::fwrite(line.constData(), 1, size_t(line.size()), out);
        std::fflush(out);
    });
    return input.allPathsExist ? 0 : 1;
}
