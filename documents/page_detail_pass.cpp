#include "documents/page_detail_pass.h"

#include "analysis/helper_process.h"

#include <QSet>

#include <algorithm>

PageDetailPass::PageDetailPass(QObject *parent) : QObject(parent), m_helpers(pageDetailHelperProgram())
{
    connect(&m_helpers, &PageDetailHelpers::finished, this, &PageDetailPass::finish);
}

void PageDetailPass::enqueue(const DocumentInfo &info)
{
    cancel({info.filePath});
    const quint64 job = m_helpers.start(info);
    m_running.insert(info.filePath, job);
    m_paths.insert(job, info.filePath);
    ++m_total;
    Q_EMIT progressChanged(m_done, m_total);
}

void PageDetailPass::cancel(const QStringList &paths)
{
    const QSet<QString> gone(paths.cbegin(), paths.cend());
    int cancelled = int(m_ready.removeIf(
        [&gone](const PageDetailResult &result) { return gone.contains(result.path) && !result.retrying; }));
    m_ready.removeIf([&gone](const PageDetailResult &result) { return gone.contains(result.path); });
    for (const QString &path : paths) {
        const auto running = m_running.constFind(path);
        if (running == m_running.cend())
            continue;
        m_paths.remove(running.value());
        m_helpers.cancel(running.value());
        m_running.erase(running);
        ++cancelled;
    }
    if (cancelled > 0)
        countDone(cancelled);
}

void PageDetailPass::cancelAll()
{
    m_helpers.cancelAll();
    const int cancelled = pendingCount();
    m_running.clear();
    m_paths.clear();
    m_ready.clear();
    if (cancelled > 0)
        countDone(cancelled);
}

int PageDetailPass::finalResults(const QList<PageDetailResult> &results) const
{
    return int(std::count_if(results.cbegin(), results.cend(),
                             [](const PageDetailResult &result) { return !result.retrying; }));
}

int PageDetailPass::pendingCount() const
{
    return int(m_running.size()) + finalResults(m_ready);
}

void PageDetailPass::finish(quint64 job, const PageDetailOutcome &outcome)
{
    const QString path = outcome.retrying ? m_paths.value(job) : m_paths.take(job);
    if (path.isEmpty())
        return; // cancelled, and counted as done then
    if (!outcome.retrying)
        m_running.remove(path);
    if (m_ready.isEmpty())
        QMetaObject::invokeMethod(this, &PageDetailPass::flush, Qt::QueuedConnection);
    m_ready.append({path, outcome.details, outcome.failure, outcome.retrying});
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
    countDone(finalResults(results));
}
