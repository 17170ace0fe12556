#include "app/application_setup.h"
#include "app/launch_options.h"
#include "app/single_instance.h"
#include "documents/document_columns.h"
#include "support/gui_test_support.h"
#include "support/test_environment.h"
#include "support/test_files.h"

#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class MainWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString page(const QString &name, int width = 2480, int height = 3508)
    {
        writeTestPage(path(name), width, height);
        return path(name);
    }
    QString status(WindowHarness &ui) { return ui.window().statusBar()->currentMessage(); }

private Q_SLOTS:
    void initTestCase() { useTestStyle(); }
    void init() { isolateTestEnvironment(QStringLiteral("tst_gui_main_window")); }

    // A dropped folder becomes priced rows (nested files, odd names, no hidden files), and the top
    // bar sets every row: a typed price gives way to the price of the new colour.
    void droppedFolderBecomesPricedRows()
    {
        const QString folder = path(QStringLiteral("scans with spaces %1 ✓"));
        page(QStringLiteral("scans with spaces %1 ✓/a4.png"));
        page(QStringLiteral("scans with spaces %1 ✓/nested/landscape.png"), 3508, 2480);
        page(QStringLiteral("scans with spaces %1 ✓/postcard 'quoted'.png"), 1181, 1772);
        page(QStringLiteral("scans with spaces %1 ✓/.hidden.png"), 10, 10);
        WindowHarness ui;
        QVERIFY(ui.add({folder}));
        QCOMPARE(
            (QStringList{ui.cell("a4.png", SizeColumn), ui.cell("landscape.png", SizeColumn),
                         ui.cell("postcard 'quoted'.png", SizeColumn), ui.cell("a4.png", AmountColumn),
                         ui.text("fileCountLabel"), ui.text("pageCountLabel"), status(ui)}),
            (QStringList{"A4", "A4 横向", "100×150 mm", "0.05", "3 个文件", "3 页", "文档页数识别完成"}));
        QVERIFY2(ui.text("amountValue").contains(QStringLiteral("0.15")), qPrintable(ui.text("amountValue")));
        QVERIFY(ui.child<QPushButton>("primaryButton")->isEnabled());
        saveScreenshot(&ui.window(), QStringLiteral("main-window-rows"));

        ui.child<QSpinBox>("globalCopiesSpin")->setValue(4);
        auto *binding = ui.child<QComboBox>("bindingCombo");
        binding->setCurrentIndex(binding->findData(QStringLiteral("cornerStaple")));
        ui.child<QTableWidget>("documentTable")->item(1, UnitPriceColumn)->setText(QStringLiteral("1.00"));
        auto *color = ui.child<QComboBox>("colorModeCombo");
        color->setCurrentIndex(color->findData(QStringLiteral("laserColor")));
        QCOMPARE(ui.window().cellText(1, ColorColumn) + ui.window().cellText(1, UnitPriceColumn),
                 QStringLiteral("激光彩0.05"));
        QCOMPARE(ui.text("pageCountLabel"), QStringLiteral("12 页"));
        // (1 page × 0.05 + 0.2 staple) × 4 copies × 3 rows
        QVERIFY2(ui.text("amountValue").contains(QStringLiteral("3.00")), qPrintable(ui.text("amountValue")));
    }

    // Typed copies and prices are brought into range.
    void editedCellsAreNormalised()
    {
        WindowHarness ui;
        QVERIFY(ui.add({page(QStringLiteral("edit.png"))}));
        const QList<std::tuple<int, const char *, const char *>> edits = {
            {CopiesColumn, "0", "1"},
            {CopiesColumn, "99999999999", "1"},
            {CopiesColumn, "12000", "9999"},
            {UnitPriceColumn, "-3", "0.00"},
            {UnitPriceColumn, "10000", "9999.00"},
            {UnitPriceColumn, "12.5", "12.50"}};
        for (const auto &[column, typed, shown] : edits) {
            ui.child<QTableWidget>("documentTable")->item(0, column)->setText(QLatin1String(typed));
            QCOMPARE(ui.window().cellText(0, column).remove(QLocale::system().groupSeparator()),
                     QLatin1String(shown));
        }
    }

    // What each drop tells: how many files were taken, what was not, what was there already. A
    // damaged file is listed with unknown pages and size. Of dragged links only local files count.
    void dropsAreReported()
    {
        page(QStringLiteral("mixed/one.png"), 100, 100);
        QDir().mkpath(path(QStringLiteral("mixed/empty")));
        for (const char *name : {"mixed/notes.txt", "mixed/README", "mixed/report.PDF"})
            writeFile(path(QLatin1String(name)), "not a document");
        WindowHarness ui;
        const QStringList drops = {
            "mixed,mixed/one.png|导入了 2 个文件，2 个不支持的文件未导入|文档页数识别完成",
            "mixed|导入了 0 个文件，2 个不支持的文件未导入|所选文档已在清单中",
            "mixed/one.png||所选文档已在清单中", "mixed/empty||没有找到支持的 PDF、Word、WPS 或图片文件"};
        for (const QString &drop : drops) {
            QStringList paths;
            for (const QString &name : drop.section(QLatin1Char('|'), 0, 0).split(QLatin1Char(',')))
                paths << path(name);
            ui.boxTexts.clear();
            QVERIFY(ui.add(paths));
            QTRY_COMPARE(ui.boxTexts.value(0), drop.section(QLatin1Char('|'), 1, 1));
            QCOMPARE(status(ui), drop.section(QLatin1Char('|'), 2));
        }
        auto *table = ui.child<QTableWidget>("documentTable");
        QCOMPARE(ui.cell("report.PDF", PagesColumn) + ui.cell("report.PDF", SizeColumn) +
                     table->item(ui.rowOf("report.PDF"), PagesColumn)->toolTip(),
                 QStringLiteral("0未知未能识别文件页数"));

        QMimeData links;
        links.setUrls(
            {QUrl(QStringLiteral("https://example.com/x.png")), QUrl::fromLocalFile(page("dropped.png"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &links, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&ui.window(), &enter);
        QVERIFY(table->property("dropActive").toBool());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &links, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&ui.window(), &drop);
        QVERIFY(!table->property("dropActive").toBool());
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(ui.boxTexts, QStringList());
    }

    // Delete removes the selected rows and Clear all of them; either way the files can come back.
    void removedFilesCanBeAddedAgain()
    {
        QStringList pages;
        for (int i = 0; i < 6; ++i)
            pages << page(QStringLiteral("delete/page%1.png").arg(i));
        WindowHarness ui;
        QVERIFY(ui.add(pages));
        auto *table = ui.child<QTableWidget>("documentTable");
        for (int row : {1, 3})
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(ui.text("fileCountLabel") + status(ui), QStringLiteral("4 个文件已从清单中移除 2 个文档"));
        // The row that moved into the place of the topmost removed row is selected.
        QCOMPARE(ui.window().documentPathAt(table->selectionModel()->selectedRows().value(0).row()),
                 pages.at(2));
        QVERIFY(ui.add({pages.at(1)}));
        QCOMPARE(table->rowCount(), 5);

        ui.child<QPushButton>("dangerButton")->click();
        QCOMPARE(ui.text("fileCountLabel") + status(ui), QStringLiteral("0 个文件清单已清空"));
        QVERIFY(ui.child<QLabel>("muted")->isVisible() &&
                !ui.child<QPushButton>("primaryButton")->isEnabled());
        saveScreenshot(&ui.window(), QStringLiteral("main-window-empty"));
        QVERIFY(ui.add({pages.at(1)}));
        QCOMPARE(table->rowCount(), 1);
    }

    // "orvanta FILE..." while a window is open hands the files to that window: paths relative to
    // the later start, quotes and Chinese letters arrive intact and are added as a drop adds them;
    // an unsupported file and a missing one are reported as a drop reports them.
    void laterStartHandsItsFilesToTheOpenWindow()
    {
        const QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        WindowHarness ui;
        SingleInstance instance;
        QVERIFY2(instance.listen(), qPrintable(instance.errorString()));
        QObject::connect(&instance, &SingleInstance::pathsReceived, &ui.window(),
                         [&ui](const QStringList &paths) { openInWindow(ui.window(), paths); });
        const QString odd = page(QStringLiteral("start/a4 \"quoted\" 'single' 报价单.png"));
        const QString nested = page(QStringLiteral("start/folder ✓/nested/landscape.png"), 3508, 2480);
        writeFile(path(QStringLiteral("start/notes.txt")), "not a document");
        const auto start = [this](const QStringList &arguments) {
            QProcess later;
            later.setWorkingDirectory(path(QStringLiteral("start")));
            later.start(QStringLiteral(ORVANTA_BINARY_DIR "/orvanta"), arguments);
            // The window answers from this test's event loop, so wait in it.
            return QTest::qWaitFor([&later] { return later.state() == QProcess::NotRunning; }, 30000) &&
                   later.exitStatus() == QProcess::NormalExit && later.exitCode() == 0;
        };

        QVERIFY(start(
            {QFileInfo(odd).fileName(), path(QStringLiteral("start/folder ✓")), "notes.txt", "missing.pdf"}));
        QTRY_COMPARE(ui.boxTexts, QStringList{"导入了 2 个文件，1 个不支持的文件未导入"});
        QCOMPARE((QStringList{ui.window().documentPathAt(0), ui.window().documentPathAt(1)}),
                 (QStringList{odd, nested}));
        QVERIFY(start({"--", "missing.pdf"}));
        QTRY_COMPARE(status(ui), QStringLiteral("没有找到支持的 PDF、Word、WPS 或图片文件"));
        QCOMPARE(ui.child<QTableWidget>("documentTable")->rowCount(), 2);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_gui_main_window.moc"
