#include "cli/analyze_command.h"

#include "analysis/document_info.h"
#include "analysis/page_detail_analysis.h"
#include "cli/document_analysis.h"
#include "cli/json_lines.h"

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent>

int runAnalyzeCommand(const QStringList &paths, bool pageDetails, FILE *out, FILE *err)
{
    const DocumentInput input = collectDocuments(paths, err);
    const auto print = [out](const QByteArray &line) {
        std::fwrite(line.constData(), 1, size_t(line.size()), out);
        std::fflush(out);
    };
    // Printed as soon as the next document in input order is ready, so a long run shows progress.
    if (!pageDetails) {
        analyzeInInputOrder(input.documents,
                            [&](const DocumentInfo &info) { print(documentJsonLine(info)); });
        return input.allPathsExist ? 0 : 1;
    }
    // Two documents' page details at a time: rendering holds Qt PDF's process-wide lock, but reading
    // and measuring the pages overlap it (bench_page_details: about 1.4 times the pages per second).
    QThreadPool detailPool;
    detailPool.setMaxThreadCount(2);
    QList<QFuture<QByteArray>> lines;
    qsizetype printed = 0;
    const auto printReady = [&](bool wait) {
        while (printed < lines.size() && (wait || lines.at(printed).isFinished()))
            print(lines[printed++].result());
    };
    analyzeInInputOrder(input.documents, [&](const DocumentInfo &info) {
        lines.append(QtConcurrent::run(&detailPool,
                                       [info] { return documentJsonLine(info, analyzePageDetails(info)); }));
        printReady(false);
    });
    printReady(true);
    return input.allPathsExist ? 0 : 1;
}
