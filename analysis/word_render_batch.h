#pragma once

#include "analysis/page_details.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// How the office suite's rendering of one Word file ended.
enum class WordRenderOutcome
{
    NotRendered, // not a Word file, no suite, or cancelled
    Rendered,
    NotOpened, // the suite could not load it: damaged, password-protected or unsupported
    EmptyPdf,  // it rendered to a PDF without pages
    Stopped,   // the suite hung or crashed on it and was killed
};

struct WordRendering
{
    WordRenderOutcome outcome = WordRenderOutcome::NotRendered;
    int storedPages = 0; // what the file itself stores, 0 when nothing
    int renderedPages = 0;
    QString paperSize; // of the first rendered page
    PageDetails details;
};

// How one run of the suite over some files ended. A run that did not finish names how many
// leading files it settled; the next one is the file it stopped on.
struct WordRenderRunEnd
{
    bool finished = false;
    int settled = 0;
};

using RenderedPdfHandler = std::function<void(int, const QString &)>; // index into paths, PDF
using WordRenderRun = std::function<WordRenderRunEnd(const QStringList &, const RenderedPdfHandler &,
                                                     const std::atomic_bool *)>;
using RenderedPdfMeasure = std::function<WordRendering(const QString &, const std::atomic_bool *)>;

// A file whose content the office suite renders as a Word document: a ZIP package, a compound
// file, or RTF/HTML saved under a Word name.
bool isRenderableWordFile(const QString &path);

// The page count the file stores itself (document properties or the OLE summary), 0 when none.
int storedWordPageCount(const QString &path);

// The page count, first-page size and every page's details of a rendered PDF.
WordRendering measureRenderedPdf(const QString &pdf, const std::atomic_bool *cancelled);

// Renders paths with as few runs as possible: a run that hangs or crashes costs only the file it
// stopped on, and the files after it are run again. One entry per path, in order.
QList<WordRendering> renderWordBatch(const QStringList &paths, const WordRenderRun &run,
                                     const RenderedPdfMeasure &measure,
                                     const std::atomic_bool *cancelled = nullptr);

// The same with the office suite and the PDF measure; a DOC the first pass already rendered is
// measured from the PDF kept then. Every entry stays NotRendered without the suite.
QList<WordRendering> renderWordFiles(const QStringList &paths, const std::atomic_bool *cancelled = nullptr);

// The stored and rendered counts differ by more than fonts explain: |d| > max(1, 2% of rendered).
bool pageCountsFarApart(int storedPages, int renderedPages);

// The count a Word row is priced by: the rendered one when the file stores none or the operator
// chose it, otherwise the stored one.
int pricedWordPageCount(const WordRendering &rendering, bool useRendered);
bool pricedFromRendering(const WordRendering &rendering, bool useRendered);

// "stored" or "rendered", as the command line reports it.
QString pageCountSourceName(const WordRendering &rendering, bool useRendered);

Q_DECLARE_METATYPE(WordRendering)

// A name the window sends to the Word rendering: DOC, DOCX, DOCM or WPS.
bool hasWordSuffix(const QString &path);
