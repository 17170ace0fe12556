#pragma once

#include "analysis/document_info.h"
#include "analysis/page_detail_helpers.h"
#include "analysis/page_details.h"

#include <QHash>
#include <QList>
#include <QObject>

struct PageDetailResult
{
    QString path;
    PageDetails details;
    PageDetailFailure failure = PageDetailFailure::None;
    bool retrying = false; // a first failure; the document reports again after its second try
};

// The second, slower look at analysed documents: every page's size and colour, measured by helper
// processes at low priority, so page counts and totals never wait for it and a hostile document
// cannot take the window with it. A cancelled path (its row removed, the list cleared, the document
// queued again) never reports, not even a result that was already on its way.
class PageDetailPass : public QObject
{
    Q_OBJECT

public:
    explicit PageDetailPass(QObject *parent = nullptr);

    // Measures in this process with this function instead of the helpers.
    void setAnalyzer(PageDetailAnalyzer analyzer) { m_helpers.setInProcessAnalyzer(std::move(analyzer)); }
    void enqueue(const DocumentInfo &info);
    void cancel(const QStringList &paths);
    void cancelAll();
    // Documents whose final details have not been shown yet.
    int pendingCount() const;

Q_SIGNALS:
    // Results that finish close together arrive in one batch.
    void detailsReady(const QList<PageDetailResult> &results);
    // Documents done (or cancelled) of those queued since the pass was last idle; 0 of 0 when idle.
    void progressChanged(int done, int total);

private:
    void finish(quint64 job, const PageDetailOutcome &outcome);
    void countDone(int documents);
    void flush();

    PageDetailHelpers m_helpers;
    QHash<QString, quint64> m_running; // path -> its current job
    QHash<quint64, QString> m_paths;   // job -> path
    QList<PageDetailResult> m_ready;
    int finalResults(const QList<PageDetailResult> &results) const;

    int m_done = 0;
    int m_total = 0;
};
