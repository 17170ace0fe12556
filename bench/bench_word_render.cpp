// Rendering throughput of Word files: one drop of generated DOCX files rendered by the office
// suite in one batch (as the window does), beside one `soffice --convert-to pdf` per file followed
// by `pdfinfo` (what a person would run), and the first counts the window shows before either.
//
//   bench_word_render [--files N]     N generated DOCX files (default 70), 1 to 12 pages each
#include "analysis/document_analyzer.h"
#include "analysis/libreoffice_batch_run.h"
#include "analysis/libreoffice_renderer.h"
#include "analysis/pdf_analyzer.h"
#include "analysis/word_render_batch.h"
#include "support/word_test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThreadPool>
#include <QUrl>
#include <QtConcurrent>

namespace {

QString writeDocx(const QDir &dir, int index, int pages)
{
    QByteArray body;
    const QByteArray sentence = "The quick brown fox jumps over the lazy dog while the printer warms up. ";
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            body += "<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>";
        for (int paragraph = 0; paragraph < 6; ++paragraph)
            body += "<w:p><w:r><w:t>" + sentence.repeated(5) + "</w:t></w:r></w:p>";
    }
    const QString path = dir.filePath(QStringLiteral("document-%1.docx").arg(index));
    return writeWordPackage(path, body, pages) ? path : QString();
}

double secondsOf(const QElapsedTimer &timer)
{
    return std::max<qint64>(timer.nsecsElapsed(), 1) / 1e9;
}

int pdfinfoPages(const QString &pdf)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    pdfinfo.waitForFinished(60000);
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(QString::fromLocal8Bit(pdfinfo.readAllStandardOutput())).captured(1).toInt();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int files =
        std::max(1, int(arguments.indexOf(QStringLiteral("--files")) > 0
                            ? arguments.value(arguments.indexOf(QStringLiteral("--files")) + 1).toInt()
                            : 70));
    QTextStream out(stdout);
    const QString program = findLibreOfficeProgram();
    if (program.isEmpty()) {
        out << "no office suite on the PATH\n";
        return 0;
    }
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < files; ++i)
        paths.append(writeDocx(QDir(dir.path()), i, 1 + (i * 7) % 12));

    QElapsedTimer timer;
    timer.start();
    QThreadPool pool;
    pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 4, 8));
    const QList<DocumentInfo> counted = QtConcurrent::blockingMapped<QList<DocumentInfo>>(
        &pool, paths, [](const QString &path) { return analyzeDocument(path); });
    out << "first counts: " << files << " DOCX in " << secondsOf(timer) * 1000 << " ms\n";

    timer.restart();
    const QList<WordRendering> counts = renderWordBatch(
        paths,
        [&program](const QStringList &batch, const RenderedPdfHandler &onRendered,
                   const std::atomic_bool *cancelled) {
            return runLibreOfficeBatch(batch, program, 60000, onRendered, cancelled);
        },
        [](const QString &pdf, const std::atomic_bool *) {
            WordRendering rendering;
            rendering.outcome = WordRenderOutcome::Rendered;
            rendering.renderedPages = pdfPageCount(pdf);
            return rendering;
        });
    const double batchSeconds = secondsOf(timer);
    out << "batch render + count: " << batchSeconds << " s, " << files / batchSeconds << " documents/s\n";

    timer.restart();
    const QList<WordRendering> full = renderWordFiles(paths);
    const double fullSeconds = secondsOf(timer);
    out << "batch render + page details (the window's pass): " << fullSeconds << " s, " << files / fullSeconds
        << " documents/s\n";
    out.flush();

    timer.restart();
    QTemporaryDir peer;
    const QString profile = QUrl::fromLocalFile(peer.filePath(QStringLiteral("profile"))).toString();
    int agree = 0;
    int storedAgree = 0;
    for (int i = 0; i < files; ++i) {
        QProcess soffice;
        soffice.setStandardOutputFile(QProcess::nullDevice());
        soffice.setStandardErrorFile(QProcess::nullDevice());
        soffice.start(program, {QStringLiteral("-env:UserInstallation=") + profile,
                                QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                QStringLiteral("pdf"), QStringLiteral("--outdir"), peer.path(), paths.at(i)});
        soffice.waitForFinished(120000);
        const int pages =
            pdfinfoPages(peer.filePath(QFileInfo(paths.at(i)).completeBaseName() + QStringLiteral(".pdf")));
        agree += pages == counts.at(i).renderedPages && pages == full.at(i).renderedPages ? 1 : 0;
        storedAgree += pages == counted.at(i).pageCount ? 1 : 0;
    }
    const double peerSeconds = secondsOf(timer);
    out << "per-file soffice + pdfinfo: " << peerSeconds << " s, " << files / peerSeconds << " documents/s\n"
        << "speed-up of the batch: " << peerSeconds / batchSeconds << "x (with page details "
        << peerSeconds / fullSeconds << "x)\n"
        << "rendered counts equal to the per-file peer: " << agree << " of " << files
        << "; stored counts equal to it: " << storedAgree << " of " << files << '\n';
    return 0;
}
