#include "analysis/libreoffice_renderer.h"
#include "analysis/word_render_batch.h"
#include "export/page_count_marks.h"
#include "support/guiless_test_main.h"
#include "support/word_test_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestWordRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void countsDecide_data();
    void countsDecide();
    void aRunThatStopsCostsOnlyItsFile();

private:
    QTemporaryDir m_dir;
    QStringList m_paths;
    QList<WordRendering> m_rendered;
};

// Fixture name -> real pages, stored pages (-1: none stored).
static const QList<std::tuple<const char *, int, int>> fixtures = {
    {"missing", 3, -1}, {"stale", 4, 1}, {"equal", 2, 2}, {"slight", 4, 5}, {"broken", 0, 0}};

// All of them in one batch, the broken one among them, as one drop would send them.
void TestWordRendering::initTestCase()
{
    for (const auto &[name, pages, stored] : fixtures) {
        m_paths.append(m_dir.filePath(QString::fromLatin1(name) + QStringLiteral(".docx")));
        if (pages > 0) {
            writeTestDocx(m_paths.last(), pages, stored);
        } else {
            QFile broken(m_paths.last());
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write("PK\x03\x04 not really a package");
        }
    }
    std::swap(m_paths[2], m_paths[4]); // the broken file in the middle
    if (findLibreOfficeProgram().isEmpty())
        QSKIP("LibreOffice is not installed");
    m_rendered = renderWordFiles(m_paths);
    QCOMPARE(m_rendered.size(), m_paths.size());
}

void TestWordRendering::countsDecide_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("priced");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("pricedWhenSwitched");
    QTest::addColumn<QString>("markWhenSwitched");
    QTest::newRow("no stored count") << "missing" << 3 << "rendered"
                                     << "*" << 3 << "*";
    QTest::newRow("stale stored count") << "stale" << 1 << "stored"
                                        << "≠ 4" << 4 << "* ≠ 1";
    QTest::newRow("equal") << "equal" << 2 << "stored"
                           << "" << 2 << "*";
    QTest::newRow("slightly different") << "slight" << 5 << "stored"
                                        << "" << 4 << "*";
    QTest::newRow("cannot be opened") << "broken" << 0 << "stored"
                                      << "" << 0 << "";
}

void TestWordRendering::countsDecide()
{
    QFETCH(QString, name);
    const int index = int(m_paths.indexOf(m_dir.filePath(name + QStringLiteral(".docx"))));
    const WordRendering rendering = m_rendered.at(index);
    QCOMPARE(rendering.outcome,
             name == "broken" ? WordRenderOutcome::NotOpened : WordRenderOutcome::Rendered);
    QFETCH(int, priced);
    QFETCH(QString, source);
    QFETCH(QString, mark);
    QCOMPARE(pricedWordPageCount(rendering, false), priced);
    QCOMPARE(pageCountSourceName(rendering, false), source);
    QCOMPARE(pageCountMark(rendering, false), mark);
    QFETCH(int, pricedWhenSwitched);
    QFETCH(QString, markWhenSwitched);
    QCOMPARE(pricedWordPageCount(rendering, true), pricedWhenSwitched);
    QCOMPARE(pageCountMark(rendering, true), markWhenSwitched);
    if (rendering.outcome == WordRenderOutcome::Rendered) {
        QCOMPARE(rendering.details.pageCount(), rendering.renderedPages);
        QCOMPARE(rendering.paperSize, QStringLiteral("A4"));
    }
}

// A stand-in suite that hangs on one file and crashes on another: every other file is rendered,
// each stopping file costs only itself, and a file it refuses is not retried.
void TestWordRendering::aRunThatStopsCostsOnlyItsFile()
{
    const QStringList paths{"a", "hang", "b", "refused", "crash", "c"};
    QStringList runs;
    const auto run = [&runs](const QStringList &batch, const RenderedPdfHandler &onRendered,
                             const std::atomic_bool *) -> WordRenderRunEnd {
        runs.append(batch.join(QLatin1Char(',')));
        for (int i = 0; i < batch.size(); ++i) {
            if (batch.at(i) == "hang" || batch.at(i) == "crash")
                return {false, i};
            if (batch.at(i) != "refused")
                onRendered(i, batch.at(i) + ".pdf");
        }
        return {true, int(batch.size())};
    };
    const auto measure = [](const QString &pdf, const std::atomic_bool *) {
        WordRendering rendering;
        rendering.outcome = WordRenderOutcome::Rendered;
        rendering.renderedPages = int(pdf.front().unicode());
        return rendering;
    };
    const QList<WordRendering> results = renderWordBatch(paths, run, measure);
    QCOMPARE(runs, QStringList({"a,hang,b,refused,crash,c", "b,refused,crash,c", "c"}));
    QList<WordRenderOutcome> outcomes;
    for (const WordRendering &result : results)
        outcomes.append(result.outcome);
    QCOMPARE(outcomes, QList<WordRenderOutcome>({WordRenderOutcome::Rendered, WordRenderOutcome::Stopped,
                                                 WordRenderOutcome::Rendered, WordRenderOutcome::NotOpened,
                                                 WordRenderOutcome::Stopped, WordRenderOutcome::Rendered}));
    QCOMPARE(results.at(5).renderedPages, int('c'));
}

ORVANTA_GUILESS_TEST_MAIN(TestWordRendering)
#include "tst_word_rendering.moc"
