// Page-detail pass (every page's size and colour) against Ghostscript's ink coverage at the same
// resolution, on one generated 500-page mixed PDF, in one run; then two such documents measured in
// this process as the window did, and by the helper processes, also with every core busy.
//
//   bench_page_details [--pages N]      time both on the classification pages repeated to N pages
//                                        (500 by default), then two documents on two threads,
//                                        then one and two documents in this process and in
//                                        helpers
//   bench_page_details --list FILE...   print "path<TAB>page<TAB>size<TAB>colour" per page, for
//                                        the peer check (colour: 1 colour, 0 grey)
#include "analysis/document_analyzer.h"
#include "analysis/helper_process.h"
#include "analysis/page_detail_analysis.h"
#include "analysis/page_detail_helpers.h"
#include "analysis/pdf_analyzer.h"
#include "analysis/pdf_page_facts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cstdio>
#include <vector>

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

// The whole pass over the documents by the helpers; the answers in document order.
QList<PageDetails> measureWithHelpers(const QList<DocumentInfo> &documents)
{
    PageDetailHelpers helpers(QStringLiteral(ORVANTA_BINARY_DIR "/orvanta-cli"));
    QList<PageDetails> answers(documents.size());
    QHash<quint64, int> index;
    int left = int(documents.size());
    QEventLoop loop;
    QObject::connect(&helpers, &PageDetailHelpers::finished, &loop,
                     [&](quint64 job, const PageDetailOutcome &outcome) {
                         if (outcome.retrying)
                             return;
                         answers[index.value(job)] = outcome.details;
                         if (--left == 0)
                             loop.quit();
                     });
    for (int i = 0; i < documents.size(); ++i)
        index.insert(helpers.start(documents.at(i)), i);
    loop.exec();
    return answers;
}

// From starting a fresh helper to its first answer, the median of several.
double helperStartUpMs()
{
    DocumentInfo nothing;
    nothing.filePath = QStringLiteral("/dev/null");
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        measureWithHelpers({nothing});
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Peak resident memory of this process since the last reset (Linux), in MB.
void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

// Every core busy with a loop at normal priority, as other programs keep a shop's PC busy.
class BusyMachine
{
public:
    BusyMachine()
    {
        for (int i = 0; i < QThread::idealThreadCount(); ++i) {
            auto *loop = new QProcess;
            // In a session of their own, as programs started elsewhere are (the scheduler shares
            // the processor between sessions first).
            loop->start(QStringLiteral("setsid"),
                        {QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
            m_loops.append(loop);
        }
    }
    ~BusyMachine()
    {
        for (QProcess *loop : std::as_const(m_loops)) {
            loop->kill();
            loop->waitForFinished();
            delete loop;
        }
    }

private:
    QList<QProcess *> m_loops;
};

// Two documents of `pages` pages: in this process one after the other, as the window measured
// them, and by the helpers side by side; one of them alone both ways; then the helpers again with
// every core busy.
void compareWithHelpers(const QString &file, const QString &copy, int pages)
{
    const QList<DocumentInfo> documents{analyzeDocument(file), analyzeDocument(copy)};
    // Both ways at the pass's priority, as the window runs them; the helpers start at it.
    lowerThisThreadPriority();
    std::printf("helper start-up (median of 7, to the first answer) %.0f ms\n", helperStartUpMs());

    QElapsedTimer timer;
    resetPeakMemory();
    timer.start();
    const QList<PageDetails> byHelpers = measureWithHelpers(documents);
    const double helpersSeconds = seconds(timer);
    const double helpersPeak = peakMemoryMb();

    resetPeakMemory();
    timer.restart();
    QList<PageDetails> inProcess;
    double firstSeconds = 0;
    for (const DocumentInfo &info : documents) {
        inProcess.append(analyzePageDetails(info));
        if (firstSeconds == 0)
            firstSeconds = seconds(timer);
    }
    const double inProcessSeconds = seconds(timer);
    const double inProcessPeak = peakMemoryMb();

    // One long document alone: its pieces keep every core busy.
    timer.restart();
    const bool aloneAnswers = measureWithHelpers({documents.first()}).value(0) == inProcess.first();
    const double aloneSeconds = seconds(timer);
    std::printf(
        "one document of %d pages     in this process %6.1f pages/s   helpers %6.1f pages/s   %.2fx  %s\n",
        pages, pages / firstSeconds, pages / aloneSeconds, firstSeconds / aloneSeconds,
        aloneAnswers ? "same answers" : "ANSWERS DIFFER");

    std::printf("two documents of %d pages   in this process %6.1f pages/s (peak %.0f MB)   "
                "helpers %6.1f pages/s (peak %.0f MB)   %.2fx  %s\n",
                pages, 2 * pages / inProcessSeconds, inProcessPeak, 2 * pages / helpersSeconds, helpersPeak,
                inProcessSeconds / helpersSeconds,
                byHelpers == inProcess ? "same answers" : "ANSWERS DIFFER");

    const BusyMachine busy;
    timer.restart();
    const bool busyAnswers = measureWithHelpers(documents) == inProcess;
    std::printf("the same with every core busy: whole pass %.1f s  %s\n", seconds(timer),
                busyAnswers ? "same answers" : "ANSWERS DIFFER");
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
    compareWithHelpers(file, copy, pages);
    return 0;
}
