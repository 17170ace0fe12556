// Times exporting a 5,000-row quote to an Excel workbook (snapshot to file on disk) and reports
// the process's peak resident memory. Target: under one second.
#include "export/quote_workbook.h"
#include "pricing/line_pricing.h"
#include "pricing/regional_format.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QuoteSnapshot largeQuote(int rows)
{
    QuoteSnapshot snapshot;
    snapshot.profileName = QStringLiteral("门店报价");
    snapshot.profile.sellerName = QStringLiteral("Print & Copy");
    snapshot.profile.taxRate = 19;
    snapshot.createdAt = QDateTime::currentDateTime();
    const MoneyFormat format(snapshot.profile);
    const QStringList sizes{QStringLiteral("A4"), QStringLiteral("A3 横向"), QStringLiteral("Letter")};
    const QStringList bindings = builtInBindingKeys();
    for (int i = 0; i < rows; ++i) {
        QuoteRow row;
        row.fileName = QStringLiteral("客户资料/第 %1 章 <草稿> & 附录.pdf").arg(i);
        row.colorMode = colorModeKeys().at(i % 3);
        row.pagesText = QString::number(1 + i % 300);
        row.paperSize = sizes.at(i % sizes.size());
        row.copiesText = QString::number(1 + i % 20);
        row.unitPriceText = unitPriceText(snapshot.profile, row.paperSize, row.colorMode);
        row.binding = bindings.at(i % bindings.size());
        row.lineAmount = lineAmount({row.pagesText, row.copiesText, row.unitPriceText, row.binding},
                                    snapshot.profile, false, format);
        snapshot.rows.append(row);
    }
    return snapshot;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quote.xlsx"));
    const QuoteSnapshot snapshot = largeQuote(5000);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double before = usage.ru_maxrss / 1024.0;
    std::vector<double> times;
    for (int round = 0; round < 9; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (writeQuoteWorkbook(snapshot, path).status != WorkbookStatus::Written) {
            std::fprintf(stderr, "export failed\n");
            return 1;
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    getrusage(RUSAGE_SELF, &usage);
    std::printf("xlsx export, 5000 rows: median %.1f ms, max %.1f ms, file %lld bytes, peak RSS %.1f MiB "
                "(%.1f MiB before the first export)\n",
                times[times.size() / 2], times.back(), QFileInfo(path).size(), usage.ru_maxrss / 1024.0,
                before);
    return 0;
}
