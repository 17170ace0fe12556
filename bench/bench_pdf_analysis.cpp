// PDF analysis throughput against running pdfinfo and qpdf once per file.
//
//   bench_pdf_analysis [--dir DIR] [--files N]   time a folder of PDFs (generated into DIR when
//                                                it holds none; a temporary folder by default)
//   bench_pdf_analysis --list FILE...            print "path<TAB>pages<TAB>size" per file; exits
//                                                with 2 when the one-open and the two-open
//                                                answers differ
#include "analysis/pdf_analyzer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <cstdio>
#include <random>
#include <sys/resource.h>

namespace {

constexpr int kMaxPages = 500;

int listFiles(const QStringList &files)
{
    int status = 0;
    for (const QString &file : files) {
        const PdfFacts facts = pdfAnalyze(file);
        if (facts.pageCount != pdfPageCount(file) || facts.paperSize != pdfPaperSize(file)) {
            std::fprintf(stderr, "one-open and two-open answers differ: %s\n", qPrintable(file));
            status = 2;
        }
        std::printf("%s\t%d\t%s\n", qPrintable(file), facts.pageCount, facts.paperSize.toUtf8().constData());
    }
    return status;
}

// Runs a program and returns its standard output; empty when it could not be run.
QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return QByteArray();
    return process.readAllStandardOutput();
}

bool runQpdf(const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral("qpdf"), arguments);
    // 3 means success with warnings: the seed is written without a cross-reference table.
    return process.waitForFinished(120000) && (process.exitCode() == 0 || process.exitCode() == 3);
}

QByteArray seedPage(const char *mediaBox)
{
    return QByteArray("%PDF-1.4\n"
                      "1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n"
                      "2 0 obj\n<< /Type /Pages /Kids [3 0 R] /Count 1 >>\nendobj\n"
                      "3 0 obj\n<< /Type /Page /Parent 2 0 R /MediaBox ") +
           mediaBox +
           " /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>\nendobj\n"
           "4 0 obj\n<< /Length 44 >>\nstream\nBT /F1 24 Tf 72 720 Td (Quotation) Tj ET\nendstream\n"
           "endobj\n"
           "5 0 obj\n<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>\nendobj\n"
           "trailer\n<< /Size 6 /Root 1 0 R >>\n%%EOF\n";
}

// A 500-page base document from two hand-written seed pages (A4 and Letter), then `count` files
// of 1 to 500 pages cut from it; every other one with object streams, every third one rotated.
bool generateFolder(const QString &dir, int count)
{
    const QString seedA4 = dir + QStringLiteral("/seed-a4.txt");
    const QString seedLetter = dir + QStringLiteral("/seed-letter.txt");
    for (const auto &[path, box] :
         {std::pair{seedA4, "[0 0 595.28 841.89]"}, std::pair{seedLetter, "[0 0 612 792]"}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(seedPage(box)) < 0)
            return false;
    }
    QStringList baseArguments{QStringLiteral("--empty"), QStringLiteral("--pages")};
    for (int page = 0; page < kMaxPages; ++page)
        baseArguments << (page % 7 == 6 ? seedLetter : seedA4) << QStringLiteral("1");
    const QString base = dir + QStringLiteral("/base.bin");
    baseArguments << QStringLiteral("--") << base;
    if (!runQpdf(baseArguments))
        return false;

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> pages(1, kMaxPages);
    for (int i = 0; i < count; ++i) {
        const int last = i == 0 ? kMaxPages : (i == 1 ? 1 : pages(random));
        QStringList arguments{QStringLiteral("--empty"), QStringLiteral("--pages"), base,
                              QStringLiteral("1-%1").arg(last), QStringLiteral("--")};
        if (i % 2 == 1)
            arguments << QStringLiteral("--object-streams=generate");
        if (i % 3 == 2)
            arguments << QStringLiteral("--rotate=+90:1");
        arguments << QStringLiteral("%1/doc-%2.pdf").arg(dir).arg(i, 4, 10, QLatin1Char('0'));
        if (!runQpdf(arguments))
            return false;
    }
    QFile::remove(seedA4);
    QFile::remove(seedLetter);
    QFile::remove(base);
    return true;
}

// CPU seconds (user and system) used so far by this process or by its finished children. On
// a busy machine wall-clock rates swing with the load; CPU time shows the work itself.
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Measured
{
    double wall = 0;
    double cpu = 0;
    int mismatches = 0;
};

// Runs `work` and adds its wall-clock seconds and the CPU seconds of `who` to `into`.
template <typename Work> void measure(Measured &into, int who, Work work)
{
    const double cpuBefore = cpuSeconds(who);
    QElapsedTimer timer;
    timer.start();
    work();
    into.wall += timer.nsecsElapsed() / 1e9;
    into.cpu += cpuSeconds(who) - cpuBefore;
}

// One process per file, one after another; `pagesPattern` reads the page count from its output.
// Returns how many counts differ from `expected`.
int runTool(const QString &program, const QStringList &options, const QRegularExpression &pagesPattern,
            const QStringList &files, const QList<PdfFacts> &expected)
{
    int mismatches = 0;
    for (int i = 0; i < files.size(); ++i) {
        const QByteArray output = run(program, options + QStringList{files.at(i)});
        const QRegularExpressionMatch match = pagesPattern.match(QString::fromUtf8(output));
        if (!match.hasMatch() || match.captured(1).toInt() != expected.at(i).pageCount)
            ++mismatches;
    }
    return mismatches;
}

int benchmark(QString dir, int count)
{
    QTemporaryDir temporary;
    if (dir.isEmpty())
        dir = temporary.path();
    QDir folder(dir);
    if (!folder.exists() && !folder.mkpath(QStringLiteral(".")))
        return 1;
    if (folder.entryList({QStringLiteral("*.pdf")}, QDir::Files).isEmpty()) {
        std::printf("generating %d PDFs of 1 to %d pages in %s ...\n", count, kMaxPages, qPrintable(dir));
        std::fflush(stdout);
        if (!generateFolder(dir, count)) {
            std::fprintf(stderr, "generating the PDFs with qpdf failed\n");
            return 1;
        }
    }
    QStringList files;
    for (const QString &name : folder.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        files << folder.filePath(name);

    // Everything below reads from the page cache.
    qint64 bytes = 0;
    for (const QString &file : files) {
        QFile reader(file);
        if (reader.open(QIODevice::ReadOnly))
            bytes += reader.readAll().size();
    }

    // The four contenders take turns on small slices of the folder, so that a change in the
    // machine's load weighs on all of them alike.
    QThreadPool pool;
    pool.setMaxThreadCount(4);
    const QRegularExpression pdfinfoPages(QStringLiteral("Pages:\\s+(\\d+)"));
    const QRegularExpression qpdfPages(QStringLiteral("^(\\d+)"));
    Measured oneOpen, twoOpen, pdfinfo, qpdf;
    QList<PdfFacts> facts;
    QList<PdfFacts> twoOpenFacts;
    constexpr int kSlice = 25;
    for (int start = 0; start < files.size(); start += kSlice) {
        const QStringList slice = files.mid(start, kSlice);
        QList<PdfFacts> sliceFacts;
        measure(oneOpen, RUSAGE_SELF,
                [&] { sliceFacts = QtConcurrent::blockingMapped(&pool, slice, &pdfAnalyze); });
        measure(twoOpen, RUSAGE_SELF, [&] {
            twoOpenFacts += QtConcurrent::blockingMapped(&pool, slice, [](const QString &file) {
                return PdfFacts{pdfPageCount(file), pdfPaperSize(file)};
            });
        });
        measure(pdfinfo, RUSAGE_CHILDREN, [&] {
            pdfinfo.mismatches += runTool(QStringLiteral("pdfinfo"), {}, pdfinfoPages, slice, sliceFacts);
        });
        measure(qpdf, RUSAGE_CHILDREN, [&] {
            qpdf.mismatches += runTool(QStringLiteral("qpdf"), {QStringLiteral("--show-npages")}, qpdfPages,
                                       slice, sliceFacts);
        });
        facts += sliceFacts;
    }

    qint64 pages = 0;
    int unreadable = 0;
    int differing = 0;
    for (int i = 0; i < files.size(); ++i) {
        pages += facts.at(i).pageCount;
        unreadable += facts.at(i).pageCount == 0 || facts.at(i).paperSize.isEmpty() ? 1 : 0;
        const bool same = twoOpenFacts.at(i).pageCount == facts.at(i).pageCount &&
                          twoOpenFacts.at(i).paperSize == facts.at(i).paperSize;
        differing += same ? 0 : 1;
    }

    const auto rate = [&files](double seconds) { return seconds > 0 ? files.size() / seconds : 0.0; };
    const auto line = [&rate](const char *what, double seconds, double cpu) {
        std::printf("%-42s %8.1f files/s (%.3f s wall), %8.1f files per CPU second\n", what, rate(seconds),
                    seconds, rate(cpu));
    };
    std::printf("folder: %s\nfiles: %lld, pages: %lld, bytes: %lld\n", qPrintable(dir),
                static_cast<long long>(files.size()), static_cast<long long>(pages),
                static_cast<long long>(bytes));
    line("analyser, one open per file (4 threads):", oneOpen.wall, oneOpen.cpu);
    line("analyser, two opens per file (4 threads):", twoOpen.wall, twoOpen.cpu);
    line("pdfinfo, one process per file:", pdfinfo.wall, pdfinfo.cpu);
    line("qpdf --show-npages, one process per file:", qpdf.wall, qpdf.cpu);
    const double fastestTool = std::max(rate(pdfinfo.wall), rate(qpdf.wall));
    const double fastestToolCpu = std::max(rate(pdfinfo.cpu), rate(qpdf.cpu));
    std::printf("speed-up over the faster tool: %.1fx wall, %.1fx CPU (two opens: %.1fx wall, %.1fx CPU)\n",
                rate(oneOpen.wall) / fastestTool, rate(oneOpen.cpu) / fastestToolCpu,
                rate(twoOpen.wall) / fastestTool, rate(twoOpen.cpu) / fastestToolCpu);
    std::printf("files without pages or size: %d; page counts differing from pdfinfo: %d, from qpdf: %d, "
                "answers differing between one and two opens: %d\n",
                unreadable, pdfinfo.mismatches, qpdf.mismatches, differing);
    return unreadable + pdfinfo.mismatches + qpdf.mismatches + differing == 0 ? 0 : 3;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--list"))
        return listFiles(arguments.mid(1));

    QString dir;
    int count = 500;
    for (int i = 0; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("--dir"))
            dir = arguments.at(i + 1);
        else if (arguments.at(i) == QLatin1String("--files"))
            count = qBound(1, arguments.at(i + 1).toInt(), 100000);
    }
    return benchmark(dir, count);
}
