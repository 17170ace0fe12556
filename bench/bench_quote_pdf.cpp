// Times exporting a 5,000-row quote to PDF (snapshot to HTML to paginated file on disk) and reports
// the process's peak resident memory. Target: under five seconds.
#include "analysis/document_info.h"
#include "export/gui_quote_pdf.h"
#include "export/quote_html.h"
#include "export/quote_lines.h"
#include "pricing/regional_format.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QuoteSnapshot largeQuote(int rows)
{
    QuoteSnapshot snapshot;
    snapshot.profileName = QStringLiteral("门店报价");
    snapshot.profile.sellerName = QStringLiteral("Print & Copy");
    snapshot.profile.customerName = QStringLiteral("客户 <A>");
    snapshot.profile.taxRate = 19;
    snapshot.createdAt = QDateTime::currentDateTime();
    const MoneyFormat format(snapshot.profile);
    const QStringList sizes{QStringLiteral("A4"), QStringLiteral("A3 横向"), QStringLiteral("Letter")};
    const QStringList bindings = builtInBindingKeys();
    for (int i = 0; i < rows; ++i) {
        DocumentInfo info;
        info.fileName = QStringLiteral("客户资料/第 %1 章 <草稿> & 附录.pdf").arg(i);
        info.pageCount = 1 + i % 300;
        info.paperSize = sizes.at(i % sizes.size());
        const QuoteChoices choices{colorModeKeys().at(i % 3), bindings.at(i % bindings.size()), 1 + i % 20};
        snapshot.rows.append(quoteRowForDocument(info, choices, snapshot.profile, false, format));
    }
    return snapshot;
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quote.pdf"));
    // An optional row count gives smaller runs for a profiler.
    const int rows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;
    const QuoteSnapshot snapshot = largeQuote(rows);
    const double before = peakMiB();
    std::vector<double> htmlTimes;
    std::vector<double> totalTimes;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        const QString html = buildQuoteHtml(snapshot);
        htmlTimes.push_back(timer.nsecsElapsed() / 1e6);
        if (!writeQuotePdf(html, QLocale(QLocale::German, QLocale::Germany), path).written) {
            std::fprintf(stderr, "export failed\n");
            return 1;
        }
        totalTimes.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(htmlTimes.begin(), htmlTimes.end());
    std::sort(totalTimes.begin(), totalTimes.end());
    std::printf("pdf export, %d rows: median %.0f ms (HTML %.0f ms), max %.0f ms, file %lld bytes, peak RSS "
                "%.1f MiB (%.1f MiB before the first export)\n",
                rows, totalTimes[1], htmlTimes[1], totalTimes.back(), QFileInfo(path).size(), peakMiB(),
                before);
    return 0;
}
