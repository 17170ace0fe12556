#pragma once

#include "analysis/document_info.h"
#include "analysis/page_details.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QProcess;

// What works out the page details of one document; returns early once the flag becomes true.
using PageDetailAnalyzer = std::function<PageDetails(const DocumentInfo &, const std::atomic_bool *)>;

// Why a document has no page details although it should have.
enum class PageDetailFailure
{
    None,
    Crashed,     // its helper crashed or stopped without an answer
    OutOfMemory, // its helper reached the memory cap
    TimedOut,    // its helper took longer than the document's time limit
};

struct PageDetailOutcome
{
    PageDetails details;
    PageDetailFailure failure = PageDetailFailure::None;
    bool retrying = false; // a first failure: the document is tried again and reports once more
};
Q_DECLARE_METATYPE(PageDetailOutcome)

struct PageDetailLimits
{
    qint64 memoryBytes = qint64(1536) << 20; // address space of one helper
    // Time a document may take: CPU time catches a renderer in a loop; the far longer wall-clock
    // time catches one that waits for ever, even on a machine too busy to give it a share.
    qint64 cpuMs = 30000;
    qint64 cpuMsPerPage = 1000;
    qint64 wallMs = 120000;
    qint64 wallMsPerPage = 4000;
};

// Measures documents' pages in helper processes (orvanta-cli in its worker mode), one per core up
// to 4, so a document that crashes, hangs or floods the renderer costs its own details only, and
// documents are measured side by side without sharing the renderer's process-wide lock. A helper
// that fails is replaced; the document it held reports the failure at once and is tried once more,
// alone, once nothing else is being measured; what that try finds is its outcome. Documents rendered by
// LibreOffice (already a process of its own), and every document when there is no helper program, are
// measured here on low-priority threads. A long PDF that would leave helpers waiting is cut into
// pieces of consecutive pages that they measure side by side, so that one document alone keeps
// every core busy; it reports once, when every piece is in, and a piece that fails makes the whole
// document fail and be tried again whole.
class PageDetailHelpers : public QObject
{
    Q_OBJECT

public:
    explicit PageDetailHelpers(const QString &program, QObject *parent = nullptr);
    ~PageDetailHelpers() override;

    // Measures every document here with this function instead (tests put in their own).
    void setInProcessAnalyzer(PageDetailAnalyzer analyzer);
    void setLimits(const PageDetailLimits &limits) { m_limits = limits; }
    void setHelperCount(int count) { m_helperCount = std::max(1, count); }
    // A PDF is cut into pieces when each would have at least this many pages.
    void setPagesPerPiece(int pages) { m_pagesPerPiece = std::max(1, pages); }

    // Returns the job's number, which finished() reports with the outcome.
    quint64 start(const DocumentInfo &info);
    // A cancelled job never reports; a helper busy with it is ended.
    void cancel(quint64 job);
    void cancelAll();
    int helperProcessCount() const { return int(m_helpers.size()); }

Q_SIGNALS:
    void finished(quint64 job, const PageDetailOutcome &outcome);

private:
    struct Job
    {
        quint64 id = 0;
        DocumentInfo info;
        bool retry = false;
        PageSpan span; // one piece of the document, or all of it
        int piece = 0;
    };
    // The answers of a document's pieces so far, in page order.
    struct Pieces
    {
        QList<PageDetails> answers;
        int left = 0;
    };
    struct Helper
    {
        QProcess *process = nullptr;
        Job job; // id 0 while idle
        QByteArray received;
        qint64 startedMs = 0;
        qint64 cpuAtStart = 0;
    };
    using Flag = std::shared_ptr<std::atomic_bool>;

    bool measuredHere(const DocumentInfo &info) const;
    int pieceCount(const Job &job) const;
    void split(const Job &job, int pieces);
    static qint64 pagesOf(const Job &job);
    void deliver(const Job &job, const PageDetails &details);
    void forget(quint64 job);
    void runHere(const Job &job);
    void dispatch();
    Helper *idleHelper();
    Helper *startHelper();
    void send(Helper *helper, const Job &job);
    void readAnswers(Helper *helper);
    void helperFailed(Helper *helper, PageDetailFailure failure);
    void removeHelper(Helper *helper);
    void checkTimeLimits();
    int busyHelpers() const;

    QString m_program;
    PageDetailAnalyzer m_analyzer;
    bool m_everythingHere = false;
    PageDetailLimits m_limits;
    int m_helperCount;
    int m_pagesPerPiece;
    bool m_dispatchPending = false;
    quint64 m_nextId = 1;
    QList<Job> m_queue;
    QList<Job> m_retries;
    QHash<quint64, Pieces> m_pieces;
    std::vector<std::unique_ptr<Helper>> m_helpers;
    QThreadPool m_local;
    QHash<quint64, Flag> m_localRunning;
    QElapsedTimer m_clock;
    QTimer m_watchdog;
    QTimer m_idleEnd;
};
