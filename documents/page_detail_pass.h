#pragma once

#include "analysis/document_info.h"
#include "analysis/page_details.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

// What works out the page details of one document; returns early once the flag becomes true.
using PageDetailAnalyzer = std::function<PageDetails(const DocumentInfo &, const std::atomic_bool *)>;
using PageDetailResult = QPair<QString, PageDetails>; // path, details

// The second, slower look at analysed documents: every page's size and colour. It has a pool of
// its own with few low-priority threads, so page counts and totals never wait for it. A cancelled
// path (its row removed, the list cleared, the document queued again) never reports, not even a
// result that was already on its way.
class PageDetailPass : public QObject
{
    Q_OBJECT

public:
    explicit PageDetailPass(QObject *parent = nullptr);
    ~PageDetailPass() override;

    void setAnalyzer(PageDetailAnalyzer analyzer) { m_analyzer = std::move(analyzer); }
    void enqueue(const DocumentInfo &info);
    void cancel(const QStringList &paths);
    void cancelAll();

Q_SIGNALS:
    // Results that finish close together arrive in one batch.
    void detailsReady(const QList<PageDetailResult> &results);
    // Documents done (or cancelled) of those queued since the pass was last idle; 0 of 0 when idle.
    void progressChanged(int done, int total);

private:
    using Flag = std::shared_ptr<std::atomic_bool>;
    void finish(const QString &path, const Flag &flag, const PageDetails &details);
    void countDone(int documents);
    void flush();

    PageDetailAnalyzer m_analyzer;
    QThreadPool m_pool;
    QHash<QString, Flag> m_running; // path -> the cancel flag of its current run
    QList<PageDetailResult> m_ready;
    int m_done = 0;
    int m_total = 0;
};
