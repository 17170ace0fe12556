#include "analysis/libreoffice_batch_run.h"

#include "analysis/libreoffice_renderer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// A PDF cut short by a kill lacks its end-of-file marker.
bool completePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8)
        return false;
    file.seek(std::max<qint64>(0, file.size() - 1024));
    return file.readAll().contains("%%EOF");
}

// Which staged file the suite is at: it prints "convert IN -> OUT ..." before writing a file
// and "Error: source file could not be loaded" for one it cannot load, always in input order.
struct Progress
{
    int last = -1;              // position of the last file named
    bool lastConverted = false; // it was being written, not refused

    bool read(const QByteArray &line, const QHash<QString, int> &positions)
    {
        static const QRegularExpression convert(QStringLiteral("^convert (.+) -> "));
        const QString text = QString::fromLocal8Bit(line).trimmed();
        const QRegularExpressionMatch match = convert.match(text);
        if (match.hasMatch()) {
            last = positions.value(QFileInfo(match.captured(1)).fileName(), last + 1);
            lastConverted = true;
            return true;
        }
        if (text.startsWith(QLatin1String("Error: source file could not be loaded"))) {
            ++last;
            lastConverted = false;
            return true;
        }
        return false;
    }
};

} // namespace

WordRenderRunEnd runLibreOfficeBatch(const QStringList &paths, const QString &program, int perFileMs,
                                     const RenderedPdfHandler &onRendered, const std::atomic_bool *cancelled)
{
    QTemporaryDir work;
    const QDir dir(work.path());
    if (paths.isEmpty() || program.isEmpty() || !work.isValid() || !dir.mkdir(QStringLiteral("in")) ||
        !dir.mkdir(QStringLiteral("out")))
        return {true, int(paths.size())};

    QStringList arguments = libreOfficeConvertArguments(dir);
    QList<int> staged; // index into paths of each staged copy, in the order the suite takes them
    QHash<QString, int> positions;
    for (int i = 0; i < paths.size(); ++i) {
        const QString name = stagedName(i, paths.at(i));
        if (QFileInfo(paths.at(i)).isFile() &&
            QFile::copy(paths.at(i), dir.filePath(QStringLiteral("in/") + name))) {
            positions.insert(name, int(staged.size()));
            staged.append(i);
            arguments.append(dir.filePath(QStringLiteral("in/") + name));
        }
    }
    if (staged.isEmpty())
        return {true, int(paths.size())};

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::MergedChannels); // one order for both kinds of line
    process.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_UNIX
    // A group of its own, to kill it whole. Not niced: on a busy machine a niced suite starves and
    // would pass for a hung one.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    perFileMs = std::max(perFileMs, 1);
    const qint64 totalMs =
        std::min<qint64>(qint64(staged.size()) * perFileMs, std::numeric_limits<int>::max());
    QElapsedTimer total;
    QElapsedTimer sinceProgress;
    total.start();
    sinceProgress.start();
    process.start();
    if (!process.waitForStarted())
        return {true, int(paths.size())}; // nothing to render with
    Progress progress;
    bool finished = false;
    while (!finished && total.elapsed() < totalMs && sinceProgress.elapsed() < perFileMs &&
           !(cancelled && cancelled->load())) {
        finished = process.waitForFinished(100);
        while (process.canReadLine() || (finished && process.bytesAvailable() > 0)) {
            if (progress.read(process.readLine(), positions))
                sinceProgress.restart();
        }
    }
    const auto output = [&dir, &staged](int position) {
        return dir.filePath(QStringLiteral("out/%1.pdf").arg(staged.at(position)));
    };
    WordRenderRunEnd end;
    // The suite exits with 0 also when it refused some files; anything else is a crash.
    end.finished = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!end.finished) {
        killProcessTree(process);
        // The file being written when the run ended may be cut short; one refused or written
        // completely is settled, and the run stopped on the next.
        int settled = progress.last + 1;
        if (progress.lastConverted && progress.last >= 0 && progress.last < staged.size() &&
            !completePdf(output(progress.last)))
            settled = progress.last;
        for (int position = int(staged.size()) - 1; position >= settled; --position) {
            if (completePdf(output(position))) {
                settled = position + 1; // got further than its lines tell
                break;
            }
        }
        settled = std::clamp(settled, 0, int(staged.size()));
        end.settled = settled < staged.size() ? staged.at(settled) : int(paths.size());
    } else {
        end.settled = int(paths.size());
    }
    for (int position = 0; position < staged.size() && staged.at(position) < end.settled; ++position) {
        if (completePdf(output(position)))
            onRendered(staged.at(position), output(position));
    }
    return end;
}
