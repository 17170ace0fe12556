#include "analysis/word_render_batch.h"

#include "analysis/document_content.h"
#include "analysis/docx_analyzer.h"
#include "analysis/kept_renderings.h"
#include "analysis/legacy_doc_analyzer.h"
#include "analysis/libreoffice_batch_run.h"
#include "analysis/libreoffice_renderer.h"
#include "analysis/pdf_analyzer.h"
#include "analysis/pdf_page_facts.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// Loading and writing one file seldom takes more than seconds; a minute without any file settled
// means the suite hangs.
constexpr int kPerFileMs = 60000;

bool isCancelled(const std::atomic_bool *cancelled)
{
    return cancelled && cancelled->load();
}

} // namespace

bool isRenderableWordFile(const QString &path)
{
    switch (documentContentOfFile(path)) {
    case DocumentContent::ZipPackage:
    case DocumentContent::CompoundFile:
    case DocumentContent::WordText:
        return true;
    default:
        return false;
    }
}

int storedWordPageCount(const QString &path)
{
    switch (documentContentOfFile(path)) {
    case DocumentContent::ZipPackage:
        return docxPageCount(path);
    case DocumentContent::CompoundFile:
        return oleSummaryPageCount(path);
    default:
        return 0;
    }
}

WordRendering measureRenderedPdf(const QString &pdf, const std::atomic_bool *cancelled)
{
    WordRendering rendering;
    rendering.renderedPages = std::max(0, pdfPageCount(pdf));
    if (rendering.renderedPages < 1) {
        rendering.outcome = WordRenderOutcome::EmptyPdf;
        return rendering;
    }
    rendering.outcome = WordRenderOutcome::Rendered;
    rendering.paperSize = pdfPaperSize(pdf);
    rendering.details = pdfPageDetails(pdf, cancelled);
    return rendering;
}

QList<WordRendering> renderWordBatch(const QStringList &paths, const WordRenderRun &run,
                                     const RenderedPdfMeasure &measure, const std::atomic_bool *cancelled)
{
    QList<WordRendering> results(paths.size());
    QList<int> rest;
    for (int i = 0; i < paths.size(); ++i)
        rest.append(i);
    while (!rest.isEmpty() && !isCancelled(cancelled)) {
        QStringList batch;
        for (const int i : std::as_const(rest)) {
            batch.append(paths.at(i));
            results[i].outcome = WordRenderOutcome::NotOpened; // unless a PDF comes
        }
        const WordRenderRunEnd end = run(
            batch,
            [&](int i, const QString &pdf) {
                if (i >= 0 && i < rest.size())
                    results[rest.at(i)] = measure(pdf, cancelled);
            },
            cancelled);
        if (end.finished || end.settled >= batch.size())
            break; // a crash on the way out costs nothing
        const int stoppedOn = std::clamp(end.settled, 0, int(rest.size()) - 1);
        results[rest.at(stoppedOn)].outcome = WordRenderOutcome::Stopped;
        rest = rest.mid(stoppedOn + 1);
    }
    if (isCancelled(cancelled))
        results.fill(WordRendering());
    return results;
}

QList<WordRendering> renderWordFiles(const QStringList &paths, const std::atomic_bool *cancelled)
{
    QList<WordRendering> results(paths.size());
    QStringList toRender;
    QList<int> toRenderIndex;
    for (int i = 0; i < paths.size() && !isCancelled(cancelled); ++i) {
        if (!isRenderableWordFile(paths.at(i)))
            continue;
        const QString kept = takeRenderedPdf(paths.at(i));
        if (!kept.isEmpty()) {
            results[i] = measureRenderedPdf(kept, cancelled);
            QFile::remove(kept);
        } else {
            toRender.append(paths.at(i));
            toRenderIndex.append(i);
        }
    }
    const QString program = findLibreOfficeProgram();
    if (!toRender.isEmpty() && !program.isEmpty()) {
        const auto run = [&program](const QStringList &batch, const RenderedPdfHandler &onRendered,
                                    const std::atomic_bool *flag) {
            return runLibreOfficeBatch(batch, program, kPerFileMs, onRendered, flag);
        };
        const QList<WordRendering> rendered = renderWordBatch(toRender, run, &measureRenderedPdf, cancelled);
        for (int j = 0; j < toRenderIndex.size(); ++j)
            results[toRenderIndex.at(j)] = rendered.at(j);
    }
    for (int i = 0; i < paths.size(); ++i)
        results[i].storedPages = storedWordPageCount(paths.at(i));
    if (isCancelled(cancelled))
        results.fill(WordRendering());
    return results;
}

bool pageCountsFarApart(int storedPages, int renderedPages)
{
    if (storedPages < 1 || renderedPages < 1)
        return false;
    return std::abs(storedPages - renderedPages) > std::max(1.0, 0.02 * renderedPages);
}

bool pricedFromRendering(const WordRendering &rendering, bool useRendered)
{
    return rendering.outcome == WordRenderOutcome::Rendered && rendering.renderedPages > 0 &&
           (useRendered || rendering.storedPages < 1);
}

int pricedWordPageCount(const WordRendering &rendering, bool useRendered)
{
    return pricedFromRendering(rendering, useRendered) ? rendering.renderedPages : rendering.storedPages;
}

QString pageCountSourceName(const WordRendering &rendering, bool useRendered)
{
    return pricedFromRendering(rendering, useRendered) ? QStringLiteral("rendered")
                                                       : QStringLiteral("stored");
}

bool hasWordSuffix(const QString &path)
{
    static const QStringList suffixes{QStringLiteral("doc"), QStringLiteral("docx"), QStringLiteral("docm"),
                                      QStringLiteral("wps")};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}
