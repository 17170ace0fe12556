#include "documents/word_render_pass.h"

#include "analysis/libreoffice_renderer.h"

WordRenderPass::WordRenderPass(QObject *parent)
    : QObject(parent), m_renderer(&renderWordFiles), m_available(!findLibreOfficeProgram().isEmpty())
{
    // One suite at a time: a second one would only compete for the same cores.
    m_pool.setMaxThreadCount(1);
}

WordRenderPass::~WordRenderPass()
{
    cancelAll();
    m_pool.waitForDone();
}

void WordRenderPass::setRenderer(WordRenderer renderer)
{
    m_renderer = std::move(renderer);
    m_available = true;
}

void WordRenderPass::enqueue(const QStringList &paths)
{
    if (paths.isEmpty() || !m_available)
        return;
    auto batch = std::make_shared<Batch>();
    batch->paths = QSet<QString>(paths.cbegin(), paths.cend());
    m_batches.append(batch);
    reportBusy();
    m_pool.start([this, renderer = m_renderer, batch, paths] {
        QList<WordRendering> renderings;
        try {
            if (!batch->cancelled)
                renderings = renderer(paths, &batch->cancelled);
        } catch (...) {
            renderings.clear(); // the rows keep their counts
        }
        // Posted events die with this object; the destructor waits for the pool before that.
        QMetaObject::invokeMethod(
            this, [this, batch, paths, renderings] { finish(batch, paths, renderings); },
            Qt::QueuedConnection);
    });
}

void WordRenderPass::cancel(const QStringList &paths)
{
    for (const auto &batch : std::as_const(m_batches)) {
        for (const QString &path : paths)
            batch->paths.remove(path);
        if (batch->paths.isEmpty())
            batch->cancelled = true; // stops its suite
    }
    m_batches.removeIf([](const std::shared_ptr<Batch> &batch) { return batch->cancelled.load(); });
    reportBusy();
}

void WordRenderPass::cancelAll()
{
    for (const auto &batch : std::as_const(m_batches))
        batch->cancelled = true;
    m_batches.clear();
    reportBusy();
}

void WordRenderPass::finish(const std::shared_ptr<Batch> &batch, const QStringList &paths,
                            const QList<WordRendering> &renderings)
{
    if (!m_batches.removeOne(batch))
        return; // cancelled meanwhile
    reportBusy();
    QList<WordRenderResult> results;
    for (qsizetype i = 0; i < paths.size() && i < renderings.size(); ++i) {
        if (batch->paths.contains(paths.at(i)))
            results.append({paths.at(i), renderings.at(i)});
    }
    if (!results.isEmpty())
        Q_EMIT renderingsReady(results);
}

int WordRenderPass::pendingCount() const
{
    int files = 0;
    for (const auto &batch : std::as_const(m_batches))
        files += int(batch->paths.size());
    return files;
}

void WordRenderPass::reportBusy()
{
    Q_EMIT busyChanged(pendingCount());
}
