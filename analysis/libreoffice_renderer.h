#pragma once

#include "analysis/legacy_doc_analyzer.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// How a rendered PDF is measured; normally the PDF analyser.
struct RenderedPdfReader
{
    std::function<int(const QString &)> pageCount;
    std::function<QString(const QString &)> paperSize;
};

class QDir;
class QProcess;

// The suite's arguments to convert files to PDF into work/out, with a private profile in work/profile
// so that it never shares a running instance or the user's settings; the files follow.
QStringList libreOfficeConvertArguments(const QDir &work);

// "index.suffix": the name of the private copy the suite renders for paths[index].
QString stagedName(int index, const QString &path);

// Kills the suite's launcher and the office process it forked (started in a group of its own).
void killProcessTree(QProcess &process);

// The headless office suite's program ("soffice", else "libreoffice") on the PATH; empty when absent.
QString findLibreOfficeProgram();

// Renders all paths to PDF with one run of program in a private temporary folder and hands each
// rendered PDF (index into paths, its path) to onRendered while the folder still exists; it is
// removed on return. Nothing is handed over when the program is missing, fails, outlives
// max(n * timeoutPerFileMs, timeoutPerFileMs) or is cancelled (cancelled true, or
// cancelRunningOfficeRenders()).
void renderWithLibreOffice(const QStringList &paths, const QString &program, int timeoutPerFileMs,
                           const std::function<void(int, const QString &)> &onRendered,
                           const std::atomic_bool *cancelled = nullptr);

// Renders all paths to PDF with one run of program in a private temporary folder and measures
// each PDF with reader. One entry per path, in order. When the program is missing, fails to start
// or outlives max(n * timeoutPerFileMs, timeoutPerFileMs), every entry stays {0, empty}.
QList<WordPageInfo> libreOfficePageInfo(const QStringList &paths, const QString &program,
                                        const RenderedPdfReader &reader, int timeoutPerFileMs = 30000);

// Ends the renders running now as if they had timed out (entries unchanged); later renders run
// normally. Closing the window calls it, so it does not wait minutes for a batch nobody will see.
void cancelRunningOfficeRenders();
