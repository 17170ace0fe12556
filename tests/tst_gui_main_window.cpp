#include "analysis/legacy_doc_analyzer.h"
#include "app/application_setup.h"
#include "documents/document_columns.h"
#include "support/gui_test_support.h"
#include "support/test_environment.h"

#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QJsonDocument>
#include <QJsonObject>
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

namespace {

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString a4(const QString &name, bool landscape = false)
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        writeTestPage(path(name), landscape ? 3508 : 2480, landscape ? 2480 : 3508);
        return path(name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStringLiteral("Fusion"));
        applyApplicationStyle(*qApp);
    }
    void init() { isolateTestEnvironment(QStringLiteral("tst_gui_main_window")); }

    // A dropped folder becomes priced rows: nested files, odd names, no hidden files.
    void droppedFolderBecomesPricedRows()
    {
        const QString folder = path(QStringLiteral("scans with spaces %1 ✓"));
        a4(QStringLiteral("scans with spaces %1 ✓/a4.png"));
        a4(QStringLiteral("scans with spaces %1 ✓/nested/landscape.png"), true);
        writeTestPage(folder + QStringLiteral("/postcard 'quoted'.png"), 1181, 1772);
        writeTestPage(folder + QStringLiteral("/.hidden.png"), 10, 10);
        WindowHarness ui;
        QVERIFY(ui.add({folder}));
        QCOMPARE(ui.child<QTableWidget>("documentTable")->rowCount(), 3);
        QCOMPARE(ui.cell(QStringLiteral("a4.png"), SizeColumn), QStringLiteral("A4"));
        QCOMPARE(ui.cell(QStringLiteral("landscape.png"), SizeColumn), QStringLiteral("A4 横向"));
        QCOMPARE(ui.cell(QStringLiteral("postcard 'quoted'.png"), SizeColumn), QStringLiteral("100×150 mm"));
        QCOMPARE(ui.cell(QStringLiteral("a4.png"), AmountColumn), QStringLiteral("0.05"));
        QCOMPARE(ui.text("fileCountLabel") + ui.text("pageCountLabel"), QStringLiteral("3 个文件3 页"));
        QVERIFY2(ui.text("amountValue").contains(QStringLiteral("0.15")), qPrintable(ui.text("amountValue")));
        QVERIFY(ui.child<QPushButton>("primaryButton")->isEnabled());
        QCOMPARE(ui.window().statusBar()->currentMessage(), QStringLiteral("文档页数识别完成"));
        saveScreenshot(&ui.window(), QStringLiteral("main-window-rows"));

        // The top bar sets every row; a typed price gives way to the new colour's price.
        ui.child<QSpinBox>("globalCopiesSpin")->setValue(4);
        auto *binding = ui.child<QComboBox>("bindingCombo");
        binding->setCurrentIndex(binding->findData(QStringLiteral("cornerStaple")));
        QCOMPARE(ui.text("pageCountLabel"), QStringLiteral("12 页"));
        // (1 page × 0.05 + 0.2 staple) × 4 copies × 3 rows
        QVERIFY2(ui.text("amountValue").contains(QStringLiteral("3.00")), qPrintable(ui.text("amountValue")));
        ui.child<QTableWidget>("documentTable")->item(1, UnitPriceColumn)->setText(QStringLiteral("1.00"));
        auto *color = ui.child<QComboBox>("colorModeCombo");
        color->setCurrentIndex(color->findData(QStringLiteral("laserColor")));
        QCOMPARE(ui.window().cellText(1, ColorColumn), QStringLiteral("激光彩"));
        QCOMPARE(ui.window().cellText(1, UnitPriceColumn), QStringLiteral("0.05"));
        QVERIFY2(ui.text("amountValue").contains(QStringLiteral("3.00")), qPrintable(ui.text("amountValue")));
    }

    void editedCellIsNormalised_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no copies") << int(CopiesColumn) << "0"
                                   << "1";
        QTest::newRow("too many copies") << int(CopiesColumn) << "12000"
                                         << "9999";
        QTest::newRow("copies beyond int") << int(CopiesColumn) << "99999999999"
                                           << "1";
        QTest::newRow("negative price") << int(UnitPriceColumn) << "-3"
                                        << "0.00";
        QTest::newRow("price above the cap") << int(UnitPriceColumn) << "10000"
                                             << "9999.00";
        QTest::newRow("price with one decimal") << int(UnitPriceColumn) << "12.5"
                                                << "12.50";
    }
    void editedCellIsNormalised()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        WindowHarness ui;
        QVERIFY(ui.add({a4(QStringLiteral("edit.png"))}));
        ui.child<QTableWidget>("documentTable")->item(0, column)->setText(typed);
        QTEST(ui.window()
                  .cellText(0, column)
                  .remove(QLocale::system().groupSeparator())
                  .replace(QLocale::system().decimalPoint(), QStringLiteral(".")),
              "shown");
    }

    // What each drop tells: how many files were taken, what was not, what was there already. A
    // damaged file is listed with unknown pages and size.
    void dropsAreReported()
    {
        QDir().mkpath(path(QStringLiteral("mixed/empty")));
        writeTestPage(path(QStringLiteral("mixed/one.png")), 100, 100, 0);
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
            QCOMPARE(ui.window().statusBar()->currentMessage(), drop.section(QLatin1Char('|'), 2));
            QCOMPARE(ui.child<QTableWidget>("documentTable")->rowCount(), 2);
        }
        QCOMPARE(ui.cell(QStringLiteral("report.PDF"), PagesColumn) +
                     ui.cell(QStringLiteral("report.PDF"), SizeColumn),
                 QStringLiteral("0未知"));
        QCOMPARE(
            ui.child<QTableWidget>("documentTable")->item(ui.rowOf("report.PDF"), PagesColumn)->toolTip(),
            QStringLiteral("未能识别文件页数"));

        // Dragged links: only local files are taken, and the drop highlight goes away.
        QMimeData links;
        links.setUrls(
            {QUrl(QStringLiteral("https://example.com/x.png")), QUrl::fromLocalFile(a4("dropped.png"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &links, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&ui.window(), &enter);
        QVERIFY(ui.child<QTableWidget>("documentTable")->property("dropActive").toBool());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &links, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&ui.window(), &drop);
        QVERIFY(!ui.child<QTableWidget>("documentTable")->property("dropActive").toBool());
        QCOMPARE(ui.child<QTableWidget>("documentTable")->rowCount(), 3);
        QCOMPARE(ui.boxTexts, QStringList());
    }

    // Delete removes the selected rows and Clear all of them; either way the files can come back.
    void removedFilesCanBeAddedAgain()
    {
        QStringList pages;
        for (int i = 0; i < 6; ++i)
            pages << a4(QStringLiteral("delete/page%1.png").arg(i));
        WindowHarness ui;
        QVERIFY(ui.add(pages));
        auto *table = ui.child<QTableWidget>("documentTable");
        for (int row : {1, 3})
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(ui.text("fileCountLabel"), QStringLiteral("4 个文件"));
        QCOMPARE(ui.window().statusBar()->currentMessage(), QStringLiteral("已从清单中移除 2 个文档"));
        // The row that moved into the place of the topmost removed row is selected.
        QCOMPARE(table->selectionModel()->selectedRows().value(0).row(), 1);
        QCOMPARE(ui.window().documentPathAt(1), pages.at(2));
        QVERIFY(ui.add({pages.at(1)}));
        QCOMPARE(table->rowCount(), 5);

        ui.child<QPushButton>("dangerButton")->click();
        QCOMPARE(ui.window().statusBar()->currentMessage(), QStringLiteral("清单已清空"));
        QCOMPARE(ui.text("fileCountLabel"), QStringLiteral("0 个文件"));
        QVERIFY(ui.child<QLabel>("muted")->isVisible());
        QVERIFY(!ui.child<QPushButton>("primaryButton")->isEnabled());
        saveScreenshot(&ui.window(), QStringLiteral("main-window-empty"));
        QVERIFY(ui.add({pages.at(1)}));
        QCOMPARE(table->rowCount(), 1);
    }

    // A row moved while its analysis runs keeps spinning and then shows its own result.
    void movedRowKeepsItsSpinnerAndResult()
    {
        const QString doc = writeFile(path(QStringLiteral("move/legacy.DOC")), "not a compound file");
        WindowHarness ui;
        ui.window().addPaths({doc, a4(QStringLiteral("move/first.png"))});
        auto *table = ui.child<QTableWidget>("documentTable");
        ui.window().moveRow(0, 1);
        QVERIFY(table->item(1, PagesColumn)->data(AnalysingRole).toBool());
        QTRY_COMPARE_WITH_TIMEOUT(ui.window().pendingAnalysisCount(), 0, 90000);
        QVERIFY(table->item(1, PagesColumn)->data(AnalysingRole).isNull());
        QCOMPARE(ui.window().cellText(0, SizeColumn), QStringLiteral("A4"));
        // Without the office suite the one-time notice explains why the row shows 0 pages.
        const bool office = isWordAutomationAvailable();
        QCOMPARE(ui.window().cellText(1, PagesColumn), office ? QStringLiteral("1") : QStringLiteral("0"));
        if (!office)
            QTRY_COMPARE(ui.boxTitles, QStringList{QStringLiteral("旧版 DOC 识别受限")});
    }

    // Support asks the command line what the window sees; both must give the same answers.
    void windowAndCommandLineAgree()
    {
        const QStringList folders = {QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf"),
                                     QStringLiteral(ORVANTA_TEST_DATA_DIR "/docx"),
                                     QStringLiteral(ORVANTA_TEST_DATA_DIR "/doc")};
        QProcess cli;
        cli.start(QStringLiteral(ORVANTA_BINARY_DIR "/cli/orvanta-cli"),
                  QStringList{QStringLiteral("analyze")} + folders);
        QVERIFY(cli.waitForFinished(180000));
        QCOMPARE(cli.exitCode(), 0);
        QHash<QString, QJsonObject> expected;
        for (const QByteArray &line : cli.readAllStandardOutput().split('\n')) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            if (!object.isEmpty())
                expected.insert(object.value(QStringLiteral("filePath")).toString(), object);
        }
        QVERIFY(expected.size() > 40);
        WindowHarness ui;
        QVERIFY(ui.add(folders, 180000));
        QCOMPARE(ui.child<QTableWidget>("documentTable")->rowCount(), expected.size());
        for (int row = 0; row < expected.size(); ++row) {
            const QJsonObject cliResult = expected.value(ui.window().documentPathAt(row));
            const QString size = cliResult.value(QStringLiteral("paperSize")).toString();
            QCOMPARE(ui.window().cellText(row, PagesColumn) + QLatin1Char('|') +
                         ui.window().cellText(row, SizeColumn),
                     QString::number(std::max(0, cliResult.value(QStringLiteral("pageCount")).toInt())) +
                         QLatin1Char('|') + (size.isEmpty() ? QStringLiteral("未知") : size));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_gui_main_window.moc"
