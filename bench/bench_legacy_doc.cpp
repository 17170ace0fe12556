// Throughput of the file-based legacy DOC readers, and the cost of one office-suite batch.
//
//   bench_legacy_doc [--copies N] [--render] FILE...   time the readers over N copies of each file
//                                                      (at least 300 files in all); --render also
//                                                      times one rendering batch of the given files
//   bench_legacy_doc --print FILE...                   one line per file: path, pages, paper size
#include "analysis/legacy_doc_analyzer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

int printFindings(const QStringList &files)
{
    QTextStream out(stdout);
    for (const QString &file : files)
        out << file << '\t' << oleSummaryPageCount(file) << '\t' << wordFibPaperSize(file) << '\n';
    return 0;
}

int benchReaders(const QStringList &files, int copies)
{
    QTemporaryDir dir;
    QStringList paths;
    for (int c = 0; c < copies; ++c) {
        for (int i = 0; i < files.size(); ++i) {
            const QString copy = dir.filePath(QStringLiteral("%1-%2.doc").arg(c).arg(i));
            if (!QFile::copy(files.at(i), copy))
                return 1;
            paths.append(copy);
        }
    }
    QElapsedTimer timer;
    timer.start();
    qint64 pages = 0;
    int sized = 0;
    for (const QString &path : std::as_const(paths)) {
        pages += oleSummaryPageCount(path);
        sized += wordFibPaperSize(path).isEmpty() ? 0 : 1;
    }
    const double seconds = std::max<qint64>(timer.nsecsElapsed(), 1) / 1e9;
    QTextStream(stdout) << "readers: " << paths.size() << " files in " << seconds * 1000 << " ms, "
                        << qRound64(paths.size() / seconds) << " files/s (" << pages << " pages, " << sized
                        << " sizes found)\n";
    return 0;
}

int benchRendering(const QStringList &files)
{
    QTextStream out(stdout);
    if (!isWordAutomationAvailable()) {
        out << "rendering: no office suite on the PATH\n";
        return 0;
    }
    QElapsedTimer timer;
    timer.start();
    const QList<WordPageInfo> answers = wordAutomationPageInfo(files);
    out << "rendering: batch of " << files.size() << " files in " << timer.elapsed() << " ms\n";
    for (int i = 0; i < answers.size(); ++i)
        out << "  " << files.at(i) << '\t' << answers.at(i).pageCount << '\t' << answers.at(i).paperSize
            << '\n';
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--print"))
        return printFindings(arguments.mid(1));

    int copies = 0;
    bool render = false;
    QStringList files;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--copies") && i + 1 < arguments.size())
            copies = arguments.at(++i).toInt();
        else if (arguments.at(i) == QLatin1String("--render"))
            render = true;
        else
            files.append(QFileInfo(arguments.at(i)).absoluteFilePath());
    }
    if (files.isEmpty()) {
        QTextStream(stderr) << "usage: bench_legacy_doc [--copies N] [--render] FILE... | --print FILE...\n";
        return 2;
    }
    copies = std::max(copies, int((300 + files.size() - 1) / files.size()));
    const int status = benchReaders(files, copies);
    return status != 0 || !render ? status : benchRendering(files);
}
