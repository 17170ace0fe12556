#include "analysis/page_detail_helpers.h"

#include "analysis/helper_process.h"
#include "analysis/page_detail_analysis.h"
#include "analysis/page_detail_protocol.h"
#include "analysis/page_detail_worker.h"

#include <QProcess>
#include <QThread>

#include <algorithm>

namespace {

constexpr int kWatchdogIntervalMs = 250;
// Idle helpers are ended after a while; starting one again costs less than a tenth of a second.
constexpr int kIdleHelperLifeMs = 15000;
// Each piece opens the whole file again; below this many pages that costs more than it gains.
constexpr int kPagesPerPiece = 100;

PageDetails analyzeHere(const DocumentInfo &info, const std::atomic_bool *cancelled)
{
    return analyzePageDetails(info, cancelled);
}

} // namespace

PageDetailHelpers::PageDetailHelpers(const QString &program, QObject *parent)
    : QObject(parent), m_program(program), m_analyzer(analyzeHere),
      m_helperCount(std::clamp(QThread::idealThreadCount(), 1, 4)), m_pagesPerPiece(kPagesPerPiece)
{
    m_local.setMaxThreadCount(std::clamp(QThread::idealThreadCount() / 2, 1, 2));
    m_clock.start();
    m_watchdog.setInterval(kWatchdogIntervalMs);
    connect(&m_watchdog, &QTimer::timeout, this, &PageDetailHelpers::checkTimeLimits);
    m_idleEnd.setSingleShot(true);
    m_idleEnd.setInterval(kIdleHelperLifeMs);
    connect(&m_idleEnd, &QTimer::timeout, this, [this] {
        while (!m_helpers.empty())
            removeHelper(m_helpers.back().get());
    });
}

PageDetailHelpers::~PageDetailHelpers()
{
    cancelAll();
    while (!m_helpers.empty())
        removeHelper(m_helpers.back().get());
    m_local.waitForDone();
}

void PageDetailHelpers::setInProcessAnalyzer(PageDetailAnalyzer analyzer)
{
    m_analyzer = std::move(analyzer);
    m_everythingHere = true;
}

bool PageDetailHelpers::measuredHere(const DocumentInfo &info) const
{
    // LibreOffice renders DOC files in a process of its own, and needs more memory than a helper has.
    return m_everythingHere || m_program.isEmpty() || info.fileType == QLatin1String("DOC") ||
           info.fileType == QLatin1String("WPS");
}

int PageDetailHelpers::pieceCount(const Job &job) const
{
    // Only a PDF's pages can be measured apart; an estimated count may not be the renderer's.
    if (job.retry || !job.span.isWhole() || job.info.fileType != QLatin1String("PDF") ||
        job.info.pageCountEstimated)
        return 1;
    // Pieces only for helpers that would otherwise wait: each piece opens the whole file again.
    const int waiting = int(std::count_if(m_helpers.cbegin(), m_helpers.cend(),
                                          [](const auto &helper) { return helper->job.id == 0; })) +
                        m_helperCount - int(m_helpers.size());
    return std::clamp(std::min(job.info.pageCount / m_pagesPerPiece, waiting - int(m_queue.size())), 1,
                      m_helperCount);
}

void PageDetailHelpers::split(const Job &job, int pieces)
{
    m_pieces.insert(job.id, {QList<PageDetails>(pieces), pieces});
    const int size = (job.info.pageCount + pieces - 1) / pieces;
    for (int piece = pieces; piece-- > 0;) {
        // The last piece runs to the end, in case the renderer finds more pages than qpdf.
        const PageSpan span{piece * size, piece + 1 < pieces ? size : -1};
        m_queue.prepend({job.id, job.info, false, span, piece});
    }
}

qint64 PageDetailHelpers::pagesOf(const Job &job)
{
    const qint64 rest = qint64(job.info.pageCount) - job.span.first;
    return std::clamp<qint64>(job.span.count < 0 ? rest : std::min<qint64>(rest, job.span.count), 1, 100000);
}

quint64 PageDetailHelpers::start(const DocumentInfo &info)
{
    const Job job{m_nextId++, info, false, {}, 0};
    if (measuredHere(info)) {
        runHere(job);
    } else {
        m_queue.append(job);
        // Documents started together are seen together before any is cut into pieces.
        if (!m_dispatchPending) {
            m_dispatchPending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_dispatchPending = false;
                    dispatch();
                },
                Qt::QueuedConnection);
        }
    }
    return job.id;
}

void PageDetailHelpers::runHere(const Job &job)
{
    const Flag flag = std::make_shared<std::atomic_bool>(false);
    m_localRunning.insert(job.id, flag);
    m_local.start([this, analyzer = m_analyzer, job, flag] {
        lowerThisThreadPriority();
        PageDetailOutcome outcome;
        try {
            if (!*flag)
                outcome.details = analyzer(job.info, flag.get());
        } catch (...) {
            outcome = {}; // a document that cannot be measured is priced as a whole
        }
        // Posted events die with this object; the destructor waits for the pool before that.
        QMetaObject::invokeMethod(
            this,
            [this, id = job.id, flag, outcome] {
                const auto current = m_localRunning.constFind(id);
                if (current == m_localRunning.cend() || current.value() != flag)
                    return; // cancelled
                m_localRunning.erase(current);
                Q_EMIT finished(id, outcome);
            },
            Qt::QueuedConnection);
    });
}

void PageDetailHelpers::forget(quint64 job)
{
    const auto sameJob = [job](const Job &queued) { return queued.id == job; };
    m_queue.removeIf(sameJob);
    m_retries.removeIf(sameJob);
    m_pieces.remove(job);
    for (std::size_t i = m_helpers.size(); i-- > 0;) {
        if (m_helpers[i]->job.id == job)
            removeHelper(m_helpers[i].get()); // its work is nobody's now
    }
}

void PageDetailHelpers::cancel(quint64 job)
{
    forget(job);
    if (const Flag flag = m_localRunning.take(job))
        *flag = true;
    dispatch();
}

void PageDetailHelpers::cancelAll()
{
    m_queue.clear();
    m_retries.clear();
    m_pieces.clear();
    m_local.clear();
    for (const Flag &flag : std::as_const(m_localRunning))
        *flag = true;
    m_localRunning.clear();
    for (std::size_t i = m_helpers.size(); i-- > 0;) {
        if (m_helpers[i]->job.id != 0)
            removeHelper(m_helpers[i].get());
    }
    dispatch();
}

int PageDetailHelpers::busyHelpers() const
{
    return int(std::count_if(m_helpers.cbegin(), m_helpers.cend(),
                             [](const auto &helper) { return helper->job.id != 0; }));
}

PageDetailHelpers::Helper *PageDetailHelpers::idleHelper()
{
    for (const auto &helper : m_helpers) {
        if (helper->job.id == 0)
            return helper.get();
    }
    return int(m_helpers.size()) < m_helperCount ? startHelper() : nullptr;
}

void PageDetailHelpers::dispatch()
{
    while (!m_queue.isEmpty() && !m_program.isEmpty()) {
        Helper *helper = idleHelper();
        if (!helper)
            break;
        const Job job = m_queue.takeFirst();
        const int pieces = pieceCount(job);
        if (pieces > 1)
            split(job, pieces);
        send(helper, pieces > 1 ? m_queue.takeFirst() : job);
    }
    // A second try runs alone, so that nothing else shares the machine with it or waits behind it.
    if (m_queue.isEmpty() && !m_retries.isEmpty() && busyHelpers() == 0 && !m_program.isEmpty()) {
        if (Helper *helper = idleHelper())
            send(helper, m_retries.takeFirst());
    }
    // Without a helper program (it failed to start) the rest is measured here.
    if (m_program.isEmpty()) {
        for (const Job &job : std::as_const(m_queue))
            runHere(job);
        for (const Job &job : std::as_const(m_retries))
            runHere(job);
        m_queue.clear();
        m_retries.clear();
    }
    const bool busy = busyHelpers() > 0;
    if (busy && !m_watchdog.isActive())
        m_watchdog.start();
    else if (!busy)
        m_watchdog.stop();
    if (busy || m_helpers.empty())
        m_idleEnd.stop();
    else if (!m_idleEnd.isActive())
        m_idleEnd.start();
}

PageDetailHelpers::Helper *PageDetailHelpers::startHelper()
{
    auto owned = std::make_unique<Helper>();
    Helper *helper = owned.get();
    helper->process = new QProcess(this);
    QProcess *process = helper->process;
    process->setProgram(m_program);
    process->setArguments({QString::fromLatin1(kPageDetailWorkerArgument)});
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    limitHelperProcess(*process, m_limits.memoryBytes);
    connect(process, &QProcess::readyReadStandardOutput, this, [this, helper] { readAnswers(helper); });
    connect(process, &QProcess::finished, this, [this, helper](int exitCode, QProcess::ExitStatus status) {
        helperFailed(helper, status == QProcess::NormalExit && exitCode == kPageDetailOutOfMemoryExit
                                 ? PageDetailFailure::OutOfMemory
                                 : PageDetailFailure::Crashed);
    });
    connect(process, &QProcess::errorOccurred, this, [this, helper](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qWarning("The page-detail helper %s could not be started; measuring here instead.",
                 qPrintable(m_program));
        m_program.clear();
        if (helper->job.id != 0)
            runHere(helper->job);
        helper->job = {};
        removeHelper(helper);
        dispatch();
    });
    m_helpers.push_back(std::move(owned));
    process->start();
    return helper;
}

void PageDetailHelpers::send(Helper *helper, const Job &job)
{
    helper->job = job;
    helper->received.clear();
    helper->startedMs = m_clock.elapsed();
    helper->cpuAtStart = std::max<qint64>(0, processCpuMilliseconds(helper->process->processId()));
    helper->process->write(pageDetailRequestLine({job.id, job.info, job.span}));
}

void PageDetailHelpers::readAnswers(Helper *helper)
{
    helper->received += helper->process->readAllStandardOutput();
    qsizetype end;
    while ((end = helper->received.indexOf('\n')) >= 0) {
        const QByteArray line = helper->received.left(end);
        helper->received.remove(0, end + 1);
        const std::optional<PageDetailAnswer> answer = parsePageDetailAnswer(line);
        if (!answer || answer->id != helper->job.id || helper->job.id == 0)
            continue; // not an answer to the question asked
        const Job job = helper->job;
        helper->job = {};
        deliver(job, answer->details);
        dispatch();
        return; // the helper may be gone now; one request, one answer
    }
}

void PageDetailHelpers::deliver(const Job &job, const PageDetails &details)
{
    const auto pieces = m_pieces.find(job.id);
    if (pieces == m_pieces.end()) {
        Q_EMIT finished(job.id, {details, PageDetailFailure::None});
        return;
    }
    pieces->answers[job.piece] = details;
    if (--pieces->left > 0)
        return;
    PageDetails whole;
    for (const PageDetails &answer : std::as_const(pieces->answers)) {
        for (const PageGroup &group : answer.groups)
            whole.addPages(group.paperSize, group.color, group.pages);
    }
    m_pieces.erase(pieces);
    Q_EMIT finished(job.id, {whole, PageDetailFailure::None});
}

void PageDetailHelpers::helperFailed(Helper *helper, PageDetailFailure failure)
{
    Job job = helper->job;
    removeHelper(helper);
    if (job.id != 0 && m_pieces.contains(job.id)) {
        // The other pieces' answers no longer count: the document is tried again whole.
        forget(job.id);
        job.span = {};
        job.piece = 0;
    }
    if (job.id != 0) {
        const bool retrying = !job.retry;
        if (retrying) {
            job.retry = true;
            m_retries.append(job);
        }
        Q_EMIT finished(job.id, {{}, failure, retrying});
    }
    dispatch();
}

void PageDetailHelpers::removeHelper(Helper *helper)
{
    const auto owned = std::find_if(m_helpers.begin(), m_helpers.end(),
                                    [helper](const auto &candidate) { return candidate.get() == helper; });
    if (owned == m_helpers.end())
        return;
    QProcess *process = helper->process;
    process->disconnect(this);
    process->kill();
    process->waitForFinished(1000);
    process->deleteLater();
    m_helpers.erase(owned);
}

void PageDetailHelpers::checkTimeLimits()
{
    const qint64 now = m_clock.elapsed();
    for (std::size_t i = m_helpers.size(); i-- > 0;) {
        Helper *helper = m_helpers[i].get();
        if (helper->job.id == 0)
            continue;
        const qint64 pages = pagesOf(helper->job);
        const qint64 cpu = processCpuMilliseconds(helper->process->processId());
        if (now - helper->startedMs > m_limits.wallMs + pages * m_limits.wallMsPerPage ||
            (cpu >= 0 && cpu - helper->cpuAtStart > m_limits.cpuMs + pages * m_limits.cpuMsPerPage))
            helperFailed(helper, PageDetailFailure::TimedOut);
    }
}
