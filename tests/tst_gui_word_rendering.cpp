#include "analysis/word_render_batch.h"
#include "documents/document_columns.h"
#include "documents/page_count_cells.h"
#include "export/quote_snapshot.h"
#include "support/gui_test_support.h"
#include "support/test_environment.h"
#include "support/word_test_files.h"

#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class WordRenderingGuiTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void staleCountShowsBadgeAndSwitchesToTheRenderedOne();
};

// A file that stores 1 page and renders to 180 (a stand-in suite): priced by its stored count
// with a badge, then switched from the pages cell to the rendered count and priced by it.
void WordRenderingGuiTest::staleCountShowsBadgeAndSwitchesToTheRenderedOne()
{
    isolateTestEnvironment(QStringLiteral("tst_gui_word_rendering"));
    QTemporaryDir dir;
    const QString stale = dir.filePath(QStringLiteral("stale.docx"));
    writeTestDocx(stale, 1, 1);
    WindowHarness ui;
    ui.window().setWordRenderer([](const QStringList &paths, const std::atomic_bool *) {
        QList<WordRendering> renderings;
        for (const QString &path : paths) {
            WordRendering &rendering = renderings.emplace_back();
            rendering.outcome = WordRenderOutcome::Rendered;
            rendering.storedPages = storedWordPageCount(path);
            rendering.renderedPages = 180;
            rendering.paperSize = QStringLiteral("A4");
            rendering.details.addPages(QStringLiteral("A4"), false, 180);
        }
        return renderings;
    });
    QVERIFY(ui.add({stale}));
    auto *table = ui.child<QTableWidget>("documentTable");
    const QModelIndex pages = table->model()->index(0, PagesColumn);
    QTRY_VERIFY(pages.data(WordRenderingRole).isValid());
    QCOMPARE(ui.cell(QStringLiteral("stale.docx"), PagesColumn), QStringLiteral("1"));
    QCOMPARE(pageCountBadgeText(pages), QStringLiteral("≠ 180"));
    QVERIFY(pages.data(Qt::ToolTipRole).toString().contains(QStringLiteral("180")));
    const double onePage = ui.window().lineAmount(0);
    QVERIFY(onePage > 0);
    saveScreenshot(&ui.window(), QStringLiteral("word-rendering-badge"));

    Q_EMIT table->cellClicked(0, PagesColumn);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = table->findChild<QMenu *>(QStringLiteral("pageCountMenu"))) != nullptr);
    QCOMPARE(menu->actions().size(), 2);
    QVERIFY(menu->actions().at(0)->isChecked());
    menu->actions().at(1)->trigger();
    menu->close();
    QCOMPARE(ui.cell(QStringLiteral("stale.docx"), PagesColumn), QStringLiteral("180"));
    QCOMPARE(pageCountBadgeText(pages), QStringLiteral("≠ 1"));
    QCOMPARE(ui.window().lineAmount(0), 180 * onePage);
    QCOMPARE(ui.window().quoteSnapshot().rows.value(0).pageCountMark, QStringLiteral("* ≠ 1"));
}

QTEST_MAIN(WordRenderingGuiTest)
#include "tst_gui_word_rendering.moc"
