#include "documents/page_detail_pass.h"

#include "analysis/page_detail_analysis.h"

#include <QSet>
#include <QThread>

#include <algorithm>

PageDetailPass::PageDetailPass(QObject *parent)
    : QObject(parent), m_analyzer([](const DocumentInfo &info, const std::atomic_bool *cancelled) {
          return analyzePageDetails(info, cancelled);
      })
{
    m_pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount() / 2, 1, 2));
    // Idle priority: on Linux the only one below normal that the scheduler honours.
    m_pool.setThreadPriority(QThread::IdlePriority);
}

PageDetailPass::~PageDetailPass()
{
    cancelAll();
    m_pool.waitForDone();
}

void PageDetailPass::enqueue(const DocumentInfo &info)
{
    cancel({info.filePath});
    const Flag flag = std::make_shared<std::atomic_bool>(false);
    m_running.insert(info.filePath, flag);
    ++m_total;
    Q_EMIT progressChanged(m_done, m_total);
    m_pool.start([this, analyzer = m_analyzer, info, flag] {
        PageDetails details;
        try {
            if (!*flag)
                details = analyzer(info, flag.get());
        } catch (...) {
            details = {}; // a document that cannot be measured is priced as a whole, as before
        }
        // Posted events die with this object; the destructor waits for the pool before that.
        QMetaObject::invokeMethod(
            this, [this, path = info.filePath, flag, details] { finish(path, flag, details); },
            Qt::QueuedConnection);
    });
}

void PageDetailPass::cancel(const QStringList &paths)
{
    const QSet<QString> gone(paths.cbegin(), paths.cend());
    int cancelled = int(
        m_ready.removeIf([&gone](const PageDetailResult &result) { return gone.contains(result.first); }));
    for (const QString &path : paths) {
        if (const Flag flag = m_running.take(path)) {
            *flag = true;
            ++cancelled;
        }
    }
    if (cancelled > 0)
        countDone(cancelled);
}

void PageDetailPass::cancelAll()
{
    m_pool.clear(); // the queued runs that never started need not start
    QStringList paths = m_running.keys();
    for (const PageDetailResult &result : std::as_const(m_ready))
        paths.append(result.first);
    cancel(paths);
}

void PageDetailPass::finish(const QString &path, const Flag &flag, const PageDetails &details)
{
    const auto current = m_running.constFind(path);
    if (current == m_running.cend() || current.value() != flag)
        return; // cancelled, and counted as done then
    m_running.erase(current);
    if (m_ready.isEmpty())
        QMetaObject::invokeMethod(this, &PageDetailPass::flush, Qt::QueuedConnection);
    m_ready.append({path, details});
}

void PageDetailPass::countDone(int documents)
{
    m_done += documents;
    if (m_done >= m_total)
        m_done = m_total = 0;
    Q_EMIT progressChanged(m_done, m_total);
}

void PageDetailPass::flush()
{
    QList<PageDetailResult> results;
    results.swap(m_ready);
    if (results.isEmpty())
        return;
    Q_EMIT detailsReady(results);
    countDone(int(results.size()));
}
