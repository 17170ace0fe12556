// DOCX analysis throughput: page count and paper size of every .docx file in a folder, in files
// per second. Without a folder, 500 files are made from copies of the test fixtures.
// With --analyse FILE it prints "pages<TAB>paper size" of that one file (used to measure memory).
#include "analysis/docx_analyzer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QStringList makeFolder(const QTemporaryDir &dir, int count)
{
    const QDir fixtures(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                        QStringLiteral("/../tests/data/docx"));
    const QStringList sources = fixtures.entryList({QStringLiteral("*.docx")}, QDir::Files, QDir::Name);
    QStringList files;
    for (int i = 0; i < count && !sources.isEmpty(); ++i) {
        const QString target =
            dir.filePath(QStringLiteral("document-%1.docx").arg(i, 4, 10, QLatin1Char('0')));
        if (QFile::copy(fixtures.filePath(sources.at(i % sources.size())), target))
            files << target;
    }
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();

    if (args.size() == 3 && args.at(1) == QLatin1String("--analyse")) {
        out << docxPageCount(args.at(2)) << '\t' << docxPaperSize(args.at(2)) << Qt::endl;
        return 0;
    }

    QTemporaryDir dir;
    QStringList files;
    if (args.size() == 2) {
        const QDir folder(args.at(1));
        for (const QString &name : folder.entryList({QStringLiteral("*.docx")}, QDir::Files, QDir::Name))
            files << folder.filePath(name);
    } else {
        files = makeFolder(dir, 500);
    }
    if (files.isEmpty()) {
        out << "no .docx files to analyse" << Qt::endl;
        return 1;
    }

    constexpr int kRounds = 5;
    qint64 detected = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < kRounds; ++round) {
        for (const QString &file : files)
            detected += docxPageCount(file) > 0 && !docxPaperSize(file).isEmpty();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    out << files.size() << " files x " << kRounds << " rounds in " << seconds
        << " s: " << qRound(files.size() * kRounds / seconds) << " files/s (" << detected / kRounds
        << " with both page count and size)" << Qt::endl;
    return 0;
}
