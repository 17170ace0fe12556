#pragma once

#include "analysis/word_render_batch.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

// Renders a list of Word files; returns early (entries NotRendered) once the flag becomes true.
using WordRenderer = std::function<QList<WordRendering>(const QStringList &, const std::atomic_bool *)>;
using WordRenderResult = QPair<QString, WordRendering>; // path, rendering

// Word files rendered by the office suite in the background, one batch per drop, one batch at a
// time, once the drop's page counts are shown. A batch whose files are all removed is stopped
// (its suite killed); results for removed files are dropped.
class WordRenderPass : public QObject
{
    Q_OBJECT

public:
    explicit WordRenderPass(QObject *parent = nullptr);
    ~WordRenderPass() override;

    // Without the office suite (and no renderer set) nothing is rendered and Word files keep
    // today's treatment.
    bool isAvailable() const { return m_available; }
    void setRenderer(WordRenderer renderer);
    void enqueue(const QStringList &paths);
    void cancel(const QStringList &paths);
    void cancelAll();
    int pendingCount() const; // files queued or rendering

Q_SIGNALS:
    void renderingsReady(const QList<WordRenderResult> &results);
    void busyChanged(int files); // files queued or rendering, 0 when idle

private:
    struct Batch
    {
        QSet<QString> paths; // those whose rows are still there
        std::atomic_bool cancelled{false};
    };
    void finish(const std::shared_ptr<Batch> &batch, const QStringList &paths,
                const QList<WordRendering> &renderings);
    void reportBusy();

    WordRenderer m_renderer;
    bool m_available = false;
    QThreadPool m_pool;
    QList<std::shared_ptr<Batch>> m_batches;
};
