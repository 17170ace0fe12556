#include "analysis/helper_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#include <sys/syscall.h>
#endif

namespace {

constexpr int kLowestNormalPriority = 19;

} // namespace

QString pageDetailHelperProgram()
{
    const QFileInfo program(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("orvanta-cli")));
    return program.isFile() && program.isExecutable() ? program.absoluteFilePath() : QString();
}

void limitHelperProcess(QProcess &process, qint64 memoryBytes)
{
    const pid_t parent = ::getpid();
    // Runs in the child between fork and exec: system calls only.
    process.setChildProcessModifier([parent, memoryBytes] {
        ::setpriority(PRIO_PROCESS, 0, kLowestNormalPriority);
        if (memoryBytes > 0) {
            const rlimit cap{rlim_t(memoryBytes), rlim_t(memoryBytes)};
            ::setrlimit(RLIMIT_AS, &cap);
        }
#ifdef Q_OS_LINUX
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
        if (::getppid() != parent) // the window was gone before the line above
            ::_exit(1);
    });
}

void lowerThisThreadPriority()
{
#ifdef Q_OS_LINUX
    ::setpriority(PRIO_PROCESS, id_t(::syscall(SYS_gettid)), kLowestNormalPriority);
#endif
}

qint64 processCpuMilliseconds(qint64 pid)
{
#ifdef Q_OS_LINUX
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !file.open(QIODevice::ReadOnly))
        return -1;
    // The command name may hold spaces and parentheses; the fields after its last ')' are plain.
    const QByteArray stat = file.read(4096);
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    // utime and stime, fields 14 and 15 of the whole line.
    const qint64 ticks = fields.at(11).toLongLong() + fields.at(12).toLongLong();
    return ticks * 1000 / std::max(1L, ::sysconf(_SC_CLK_TCK));
#else
    Q_UNUSED(pid);
    return -1;
#endif
}
