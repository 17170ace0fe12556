#include "analysis/document_analyzer.h"
#include "analysis/page_detail_analysis.h"
#include "analysis/page_detail_helpers.h"
#include "analysis/page_detail_worker.h"
#include "support/guiless_test_main.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kHelper = QStringLiteral(ORVANTA_BINARY_DIR "/orvanta-cli");
const QString kMixed = QStringLiteral(ORVANTA_TEST_DATA_DIR "/pages/classification.pdf");
const QString kPlain = QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/a4-then-a3.pdf");
const QString kOnePage = QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/a4-portrait.pdf");

} // namespace

class TestPageDetailHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv(kPageDetailStandInVariable, "1"); }
    void hostileDocumentCostsItsOwnDetailsOnly_data();
    void hostileDocumentCostsItsOwnDetailsOnly();
    void longDocumentAloneKeepsEveryHelperBusy();
};

void TestPageDetailHelpers::hostileDocumentCostsItsOwnDetailsOnly_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("failure");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("helper crashes") << "abort-helper" << kOnePage << int(PageDetailFailure::Crashed) << false;
    QTest::newRow("helper hangs") << "hang-helper" << kOnePage << int(PageDetailFailure::TimedOut) << false;
    QTest::newRow("helper reaches the memory cap")
        << "allocate-helper" << kOnePage << int(PageDetailFailure::OutOfMemory) << false;
    QTest::newRow("hanging document removed")
        << "hang-helper" << kOnePage << int(PageDetailFailure::None) << true;
    QTest::newRow("a piece's helper crashes")
        << "abort-helper" << kMixed << int(PageDetailFailure::Crashed) << false;
    QTest::newRow("hanging pieces removed")
        << "hang-helper" << kMixed << int(PageDetailFailure::None) << true;
}

// The hostile document is one of five; the others get the answers this process finds (the long
// ones measured in pieces), the hostile one its reason at once and again after a second try, and
// no helper is left busy.
void TestPageDetailHelpers::hostileDocumentCostsItsOwnDetailsOnly()
{
    QFETCH(QString, marker);
    QFETCH(QString, source);
    QFETCH(int, failure);
    QFETCH(bool, cancelled);
    QTemporaryDir dir;
    const QString hostile = dir.filePath(marker + QStringLiteral(".pdf"));
    QVERIFY(QFile::copy(source, hostile));

    PageDetailHelpers helpers(kHelper);
    helpers.setHelperCount(2);
    helpers.setPagesPerPiece(4);
    PageDetailLimits limits;
    limits.memoryBytes = qint64(768) << 20;
    // One page's time catches the hang; the others have their pages' worth even on a busy machine.
    limits.wallMs = 1000;
    limits.wallMsPerPage = 4000;
    helpers.setLimits(limits);
    QSignalSpy finished(&helpers, &PageDetailHelpers::finished);
    QHash<quint64, PageDetails> expected;
    quint64 hostileJob = 0;
    // The hostile document first and on its own, so that a long one is cut into pieces.
    for (const QString &path : {hostile, kMixed, kPlain, kMixed, kPlain}) {
        const DocumentInfo info = analyzeDocument(path);
        const quint64 job = helpers.start(info);
        QCoreApplication::processEvents();
        if (path == hostile)
            hostileJob = job;
        else
            expected.insert(job, analyzePageDetails(info));
    }
    if (cancelled) {
        QTest::qWait(300);
        helpers.cancel(hostileJob);
    }
    // The hostile job reports its first failure, then the outcome of its second try.
    const int reports = cancelled ? 4 : 6;
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), reports, 60000);
    QTest::qWait(cancelled ? 2000 : 0); // a cancelled job must never report
    QCOMPARE(finished.size(), reports);
    int hostileReports = 0;
    for (const QList<QVariant> &signal : std::as_const(finished)) {
        const quint64 job = signal.at(0).toULongLong();
        const auto outcome = signal.at(1).value<PageDetailOutcome>();
        if (job == hostileJob) {
            QCOMPARE(int(outcome.failure), failure);
            QCOMPARE(outcome.retrying, ++hostileReports == 1);
            QVERIFY(outcome.details.isEmpty());
        } else {
            QCOMPARE(int(outcome.failure), int(PageDetailFailure::None));
            QVERIFY(!outcome.retrying);
            QVERIFY(!outcome.details.isEmpty());
            QCOMPARE(outcome.details, expected.value(job));
        }
    }
    QVERIFY(helpers.helperProcessCount() <= 2);
}

void TestPageDetailHelpers::longDocumentAloneKeepsEveryHelperBusy()
{
    PageDetailHelpers helpers(kHelper);
    helpers.setHelperCount(3);
    helpers.setPagesPerPiece(4);
    QSignalSpy finished(&helpers, &PageDetailHelpers::finished);
    const DocumentInfo info = analyzeDocument(kMixed);
    helpers.start(info);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
    QCOMPARE(helpers.helperProcessCount(), 3);
    QCOMPARE(finished.at(0).at(1).value<PageDetailOutcome>().details, analyzePageDetails(info));
}

ORVANTA_GUILESS_TEST_MAIN(TestPageDetailHelpers)
#include "tst_page_detail_helpers.moc"
