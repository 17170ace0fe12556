// Page-detail pass (every page's size and colour) against Ghostscript's ink coverage at the same
// resolution, on one generated 500-page mixed PDF, in one run.
//
//   bench_page_details [--pages N]      time both on the classification pages repeated to N pages
//                                        (500 by default), then two documents on two threads
//   bench_page_details --list FILE...   print "path<TAB>page<TAB>size<TAB>colour" per page, for
//                                        the peer check (colour: 1 colour, 0 grey)
#include "analysis/document_analyzer.h"
#include "analysis/page_detail_analysis.h"
#include "analysis/pdf_analyzer.h"
#include "analysis/pdf_page_facts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>

#include <cstdio>

namespace {

const QString kSeed = QStringLiteral(ORVANTA_SOURCE_DIR "/tests/data/pages/classification.pdf");

int listFiles(const QStringList &files)
{
    for (const QString &file : files) {
        const QList<PdfPageFacts> pages = pdfPageFacts(file);
        for (int i = 0; i < pages.size(); ++i)
            std::printf("%s\t%d\t%s\t%d\n", qPrintable(file), i + 1,
                        pages.at(i).paperSize.toUtf8().constData(), pages.at(i).color ? 1 : 0);
    }
    return 0;
}

bool runProgram(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit)
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    // qpdf's 3 is success with warnings.
    return process.exitCode() == 0 || process.exitCode() == 3;
}

// The seed's pages (grey text, photos, scans, charts, A3 and A5) repeated to `pages` pages.
bool generate(const QString &target, int pages)
{
    const int seedPages = pdfPageCount(kSeed);
    QStringList arguments{QStringLiteral("--empty"), QStringLiteral("--pages")};
    for (int done = 0; seedPages > 0 && done < pages; done += seedPages)
        arguments << kSeed << QStringLiteral("1-%1").arg(std::min(seedPages, pages - done));
    return runProgram(QStringLiteral("qpdf"), arguments << QStringLiteral("--") << target);
}

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--list"))
        return listFiles(arguments.mid(1));
    const int pages = arguments.value(0) == QLatin1String("--pages") ? arguments.value(1).toInt() : 500;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mixed.pdf"));
    const QString copy = dir.filePath(QStringLiteral("mixed-copy.pdf"));
    if (pages < 1 || !generate(file, pages) || !QFile::copy(file, copy)) {
        std::fprintf(stderr, "generating the benchmark PDF with qpdf failed\n");
        return 1;
    }
    const DocumentInfo info = analyzeDocument(file);

    QElapsedTimer timer;
    timer.start();
    const PageDetails details = analyzePageDetails(info);
    const double ours = seconds(timer);

    timer.restart();
    QByteArray coverage;
    const bool gsRan = runProgram(QStringLiteral("gs"),
                                  {QStringLiteral("-q"), QStringLiteral("-o"), QStringLiteral("-"),
                                   QStringLiteral("-sDEVICE=inkcov"), QStringLiteral("-r50"), file},
                                  &coverage);
    const double gs = seconds(timer);

    // Two documents at once: does a second thread help past Qt PDF's global lock?
    timer.restart();
    auto other = QtConcurrent::run([&] { return analyzePageDetails(analyzeDocument(copy)); });
    const PageDetails mine = analyzePageDetails(info);
    const bool sameAnswers = other.result() == details && mine == details;
    const double twoAtOnce = seconds(timer);

    std::printf("%d pages (%d colour, sizes %s)\n", details.pageCount(), details.colorPages(),
                pagesPerSizeText(details).toUtf8().constData());
    std::printf("page details   %7.2f s  %7.1f pages/s\n", ours, pages / ours);
    if (gsRan)
        std::printf("gs inkcov -r50 %7.2f s  %7.1f pages/s  (%lld lines)  page details %.1fx faster\n", gs,
                    pages / gs, qlonglong(coverage.count('\n')), gs / ours);
    else
        std::printf("gs inkcov could not be run\n");
    std::printf("two documents on two threads %.2f s  %7.1f pages/s  %s\n", twoAtOnce, 2 * pages / twoAtOnce,
                sameAnswers ? "same answers" : "ANSWERS DIFFER");
    return 0;
}
