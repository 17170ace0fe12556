#include "analysis/libreoffice_renderer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <limits>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif

namespace {

constexpr int killGraceMs = 30000;

std::atomic<int> renderEpoch{0};

} // namespace

// The suite names its output after the input's base name, so every input gets a unique name;
// a private copy also keeps its lock files out of the user's folders.
QStringList libreOfficeConvertArguments(const QDir &work)
{
    return {QStringLiteral("-env:UserInstallation=") +
                QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(QUrl::FullyEncoded),
            QStringLiteral("--headless"),
            QStringLiteral("--norestore"),
            QStringLiteral("--convert-to"),
            QStringLiteral("pdf"),
            QStringLiteral("--outdir"),
            work.filePath(QStringLiteral("out"))};
}

QString stagedName(int index, const QString &path)
{
    static const QRegularExpression plainSuffix(QStringLiteral("^[a-z0-9]{1,8}$"));
    QString suffix = QFileInfo(path).suffix().toLower();
    if (!plainSuffix.match(suffix).hasMatch())
        suffix = QStringLiteral("doc");
    return QString::number(index) + QLatin1Char('.') + suffix;
}

// The launcher forks the real office process; killing the process group takes both.
void killProcessTree(QProcess &process)
{
#ifdef Q_OS_UNIX
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
#endif
    process.kill();
    process.waitForFinished(killGraceMs);
}

QString findLibreOfficeProgram()
{
    QString program = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    return program;
}

void renderWithLibreOffice(const QStringList &paths, const QString &program, int timeoutPerFileMs,
                           const std::function<void(int, const QString &)> &onRendered,
                           const std::atomic_bool *cancelled)
{
    if (paths.isEmpty() || program.isEmpty())
        return;

    QTemporaryDir work;
    if (!work.isValid())
        return;
    const QDir dir(work.path());
    if (!dir.mkdir(QStringLiteral("in")) || !dir.mkdir(QStringLiteral("out")))
        return;

    QStringList arguments = libreOfficeConvertArguments(dir);
    QList<int> staged;
    for (int i = 0; i < paths.size(); ++i) {
        const QString copy = dir.filePath(QStringLiteral("in/") + stagedName(i, paths.at(i)));
        if (QFileInfo(paths.at(i)).isFile() && QFile::copy(paths.at(i), copy)) {
            arguments.append(copy);
            staged.append(i);
        }
    }
    if (staged.isEmpty())
        return;

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_UNIX
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    const int timeoutMs =
        int(std::clamp<qint64>(qint64(paths.size()) * std::max(timeoutPerFileMs, 1),
                               std::max(timeoutPerFileMs, 1), std::numeric_limits<int>::max()));
    const int epoch = renderEpoch.load();
    QElapsedTimer elapsed;
    elapsed.start();
    process.start();
    bool finished = false;
    const auto stillWanted = [&] { return renderEpoch.load() == epoch && !(cancelled && cancelled->load()); };
    while (!finished && elapsed.elapsed() < timeoutMs && stillWanted())
        finished = process.waitForFinished(int(std::min<qint64>(200, timeoutMs - elapsed.elapsed())));
    if (!finished || process.exitStatus() != QProcess::NormalExit) {
        killProcessTree(process);
        return;
    }

    for (const int i : std::as_const(staged)) {
        const QString pdf = dir.filePath(QStringLiteral("out/%1.pdf").arg(i));
        if (QFileInfo::exists(pdf))
            onRendered(i, pdf);
    }
}

QList<WordPageInfo> libreOfficePageInfo(const QStringList &paths, const QString &program,
                                        const RenderedPdfReader &reader, int timeoutPerFileMs)
{
    QList<WordPageInfo> result(paths.size());
    renderWithLibreOffice(paths, program, timeoutPerFileMs, [&](int i, const QString &pdf) {
        result[i].pageCount = std::max(0, reader.pageCount(pdf));
        result[i].paperSize = reader.paperSize(pdf);
    });
    return result;
}

void cancelRunningOfficeRenders()
{
    ++renderEpoch;
}
