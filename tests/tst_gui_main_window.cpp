#include "analysis/legacy_doc_analyzer.h"
#include "app/application_setup.h"
#include "app/main_window.h"
#include "documents/document_columns.h"
#include "support/gui_test_support.h"
#include "support/test_environment.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QItemSelectionModel>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

constexpr int DotsPerMeter300Dpi = 11811;

void writeImage(const QString &path, int width, int height, int dotsPerMeter, const char *format = nullptr)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (dotsPerMeter > 0) {
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
    }
    QVERIFY(image.save(path, format));
}

void writeText(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void startsEmptyWithZeroTotals();
    void droppedImagesBecomePricedRows();
    void topBarControlsRepriceEveryRow();
    void editedCellsAreValidated();
    void duplicatesAndUnsupportedFilesAreReported();
    void droppingUrlsAddsOnlyLocalFiles();
    void clearRemovesEveryRow();
    void deleteKeyRemovesSelectedRows();
    void damagedAndVanishedFilesGiveUnknownRows();
    void movingARowKeepsItsSpinnerAndResult();
    void windowAndCommandLineAgree();

private:
    template <typename T> T *child(MainWindow &window, const QString &name)
    {
        T *widget = window.findChild<T *>(name);
        if (!widget)
            qFatal("missing widget %s", qPrintable(name));
        return widget;
    }
    QTableWidget *table(MainWindow &window)
    {
        return child<QTableWidget>(window, QStringLiteral("documentTable"));
    }
    void waitForAnalyses(MainWindow &window);

    QTemporaryDir m_dir;
};

void MainWindowTest::initTestCase()
{
    isolateTestEnvironment(QStringLiteral("tst_gui_main_window"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    applyApplicationStyle(*qApp);
    QVERIFY(m_dir.isValid());
}

void MainWindowTest::init()
{
    QSettings().clear();
}

void MainWindowTest::waitForAnalyses(MainWindow &window)
{
    QTRY_COMPARE_WITH_TIMEOUT(window.pendingAnalysisCount(), 0, 20000);
    QTest::qWait(0);
}

void MainWindowTest::startsEmptyWithZeroTotals()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(table(window)->rowCount(), 0);
    QCOMPARE(table(window)->columnCount(), 8);
    QCOMPARE(child<QLabel>(window, QStringLiteral("fileCountLabel"))->text(), QStringLiteral("0 个文件"));
    QCOMPARE(child<QLabel>(window, QStringLiteral("pageCountLabel"))->text(), QStringLiteral("0 页"));
    QVERIFY(!child<QPushButton>(window, QStringLiteral("primaryButton"))->isEnabled());
    auto *hint = child<QLabel>(window, QStringLiteral("muted"));
    QVERIFY(hint->isVisible());
    QVERIFY(hint->text().contains(QStringLiteral("拖到这里")));
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvanta v1.0.1 - 文档打印核价"));
    saveScreenshot(&window, QStringLiteral("main-window-empty"));
}

void MainWindowTest::droppedImagesBecomePricedRows()
{
    const QString folder = m_dir.filePath(QStringLiteral("scans with spaces %1 ✓"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/nested")));
    writeImage(folder + QStringLiteral("/a4-portrait.png"), 2480, 3508, DotsPerMeter300Dpi);
    writeImage(folder + QStringLiteral("/nested/a4-landscape.png"), 3508, 2480, DotsPerMeter300Dpi);
    writeImage(folder + QStringLiteral("/postcard 'quoted'.jpg"), 1181, 1772, DotsPerMeter300Dpi, "JPG");
    writeImage(folder + QStringLiteral("/.hidden.png"), 10, 10, 0);
    QSettings().setValue(QStringLiteral("language"), QStringLiteral("zh_CN"));

    MainWindow window;
    window.show();
    window.addPaths({folder});
    QTableWidget *documents = table(window);
    QCOMPARE(documents->rowCount(), 3);
    // Rows spin until their results arrive.
    for (int row = 0; row < 3; ++row)
        QVERIFY(documents->item(row, PagesColumn)->data(AnalysingRole).toBool() ||
                window.pendingAnalysisCount() < 3);
    waitForAnalyses(window);

    QHash<QString, int> rowOf;
    for (int row = 0; row < documents->rowCount(); ++row) {
        rowOf.insert(documents->item(row, FileNameColumn)->text(), row);
        QVERIFY(!documents->item(row, PagesColumn)->data(AnalysingRole).toBool());
    }
    QVERIFY(!rowOf.contains(QStringLiteral(".hidden.png")));
    const int portrait = rowOf.value(QStringLiteral("a4-portrait.png"));
    const int landscape = rowOf.value(QStringLiteral("a4-landscape.png"));
    const int postcard = rowOf.value(QStringLiteral("postcard 'quoted'.jpg"));
    QCOMPARE(window.cellText(portrait, PagesColumn), QStringLiteral("1"));
    QCOMPARE(window.cellText(portrait, SizeColumn), QStringLiteral("A4"));
    QCOMPARE(window.cellText(landscape, SizeColumn), QStringLiteral("A4 横向"));
    QCOMPARE(window.cellText(postcard, SizeColumn), QStringLiteral("100×150 mm"));
    QCOMPARE(window.documentPathAt(portrait),
             QDir(folder).absoluteFilePath(QStringLiteral("a4-portrait.png")));

    // Default profile: 0.05 per page in every slot, no binding, USD.
    QCOMPARE(window.cellText(portrait, UnitPriceColumn), QStringLiteral("0.05"));
    QCOMPARE(window.cellText(portrait, AmountColumn), QStringLiteral("0.05"));
    QCOMPARE(child<QLabel>(window, QStringLiteral("fileCountLabel"))->text(), QStringLiteral("3 个文件"));
    QCOMPARE(child<QLabel>(window, QStringLiteral("pageCountLabel"))->text(), QStringLiteral("3 页"));
    auto *amount = child<QLabel>(window, QStringLiteral("amountValue"));
    QVERIFY2(amount->text().contains(QStringLiteral("0.15")), qPrintable(amount->text()));
    QVERIFY(amount->text().contains(QStringLiteral("USD")));
    QVERIFY(amount->toolTip().startsWith(QStringLiteral("商品：")));
    QVERIFY(amount->toolTip().contains(QStringLiteral("税额（0.00%）")));
    QVERIFY(child<QPushButton>(window, QStringLiteral("primaryButton"))->isEnabled());
    QVERIFY(!child<QLabel>(window, QStringLiteral("muted"))->isVisible());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("文档页数识别完成"));
    QCOMPARE(child<QComboBox>(window, QStringLiteral("languageCombo"))->currentText(),
             QStringLiteral("简体中文"));
    saveScreenshot(&window, QStringLiteral("main-window-rows"));
}

void MainWindowTest::topBarControlsRepriceEveryRow()
{
    const QString folder = m_dir.filePath(QStringLiteral("topbar"));
    QVERIFY(QDir().mkpath(folder));
    for (int i = 0; i < 3; ++i)
        writeImage(folder + QStringLiteral("/page%1.png").arg(i), 2480, 3508, DotsPerMeter300Dpi);

    MainWindow window;
    window.show();
    window.addPaths({folder});
    waitForAnalyses(window);
    QTableWidget *documents = table(window);

    auto *copies = child<QSpinBox>(window, QStringLiteral("globalCopiesSpin"));
    copies->setValue(4);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(window.cellText(row, CopiesColumn), QStringLiteral("4"));
    QCOMPARE(child<QLabel>(window, QStringLiteral("pageCountLabel"))->text(), QStringLiteral("12 页"));
    QVERIFY(child<QLabel>(window, QStringLiteral("amountValue"))->text().contains(QStringLiteral("0.60")));

    auto *binding = child<QComboBox>(window, QStringLiteral("bindingCombo"));
    binding->setCurrentIndex(binding->findData(QStringLiteral("cornerStaple")));
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(window.rowBinding(row), QStringLiteral("cornerStaple"));
        QCOMPARE(window.cellText(row, BindingColumn), QStringLiteral("角钉"));
    }
    // (1 page × 0.05 + 0.2 staple) × 4 copies × 3 rows
    QVERIFY(child<QLabel>(window, QStringLiteral("amountValue"))->text().contains(QStringLiteral("3.00")));
    QVERIFY(documents->item(0, BindingColumn)->toolTip().contains(QStringLiteral("0.20")));

    auto *printMode = child<QComboBox>(window, QStringLiteral("printModeCombo"));
    printMode->setCurrentIndex(1);
    QCOMPARE(QSettings().value(QStringLiteral("printMode")).toString(), QStringLiteral("duplex"));
    QVERIFY(window.isDuplex());

    auto *color = child<QComboBox>(window, QStringLiteral("colorModeCombo"));
    documents->item(1, UnitPriceColumn)->setText(QStringLiteral("1.00"));
    color->setCurrentIndex(color->findData(QStringLiteral("laserColor")));
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(window.rowColorMode(row), QStringLiteral("laserColor"));
        QCOMPARE(window.cellText(row, ColorColumn), QStringLiteral("激光彩"));
        QCOMPARE(window.cellText(row, UnitPriceColumn), QStringLiteral("0.05")); // typed price replaced
    }
}

void MainWindowTest::editedCellsAreValidated()
{
    const QString path = m_dir.filePath(QStringLiteral("edit.png"));
    writeImage(path, 2480, 3508, DotsPerMeter300Dpi);
    MainWindow window;
    window.addPaths({path});
    waitForAnalyses(window);
    QTableWidget *documents = table(window);

    const QList<QPair<QString, QString>> copiesCases = {
        {QStringLiteral("0"), QStringLiteral("1")},
        {QStringLiteral("abc"), QStringLiteral("1")},
        {QStringLiteral("12000"), QStringLiteral("9999")},
        {QStringLiteral("99999999999"), QStringLiteral("1")},
        {QStringLiteral("7"), QStringLiteral("7")},
    };
    for (const auto &[typed, expected] : copiesCases) {
        documents->item(0, CopiesColumn)->setText(typed);
        QCOMPARE(window.cellText(0, CopiesColumn), expected);
    }
    const QList<QPair<QString, QString>> priceCases = {
        {QStringLiteral("-3"), QStringLiteral("0.00")},
        {QStringLiteral("12.5"), QStringLiteral("12.50")},
        {QStringLiteral("x"), QStringLiteral("0.00")},
        {QStringLiteral("10000"), QLocale::system().toString(9999.0, 'f', 2)},
    };
    for (const auto &[typed, expected] : priceCases) {
        documents->item(0, UnitPriceColumn)->setText(typed);
        QCOMPARE(window.cellText(0, UnitPriceColumn), expected);
    }
    // 1 page × 9999 × 7 copies
    QCOMPARE(window.cellText(0, AmountColumn), QLocale::system().toString(69993.0, 'f', 2));
}

void MainWindowTest::duplicatesAndUnsupportedFilesAreReported()
{
    const QString folder = m_dir.filePath(QStringLiteral("mixed"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/empty")));
    writeImage(folder + QStringLiteral("/one.png"), 100, 100, 0);
    writeText(folder + QStringLiteral("/notes.txt"), "text");
    writeText(folder + QStringLiteral("/README"), "no suffix");
    writeText(folder + QStringLiteral("/report.PDF"), "not really a pdf");

    MainWindow window;
    window.show();
    ModalAnswerer answerer;
    answerer.expectModal();
    window.addPaths({folder, folder + QStringLiteral("/one.png")});
    QVERIFY(answerer.seen());
    QCOMPARE(answerer.title(), QStringLiteral("导入完成"));
    QCOMPARE(answerer.text(), QStringLiteral("导入了 2 个文件，2 个不支持的文件未导入"));
    QCOMPARE(table(window)->rowCount(), 2);
    waitForAnalyses(window);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("文档页数识别完成"));

    window.addPaths({folder + QStringLiteral("/one.png")});
    QCOMPARE(table(window)->rowCount(), 2);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("所选文档已在清单中"));

    window.addPaths({folder + QStringLiteral("/empty")});
    QCOMPARE(window.statusBar()->currentMessage(),
             QStringLiteral("没有找到支持的 PDF、Word、WPS 或图片文件"));

    answerer.expectModal();
    window.addPaths({folder + QStringLiteral("/notes.txt")});
    QVERIFY(answerer.seen());
    QCOMPARE(answerer.text(), QStringLiteral("导入了 0 个文件，1 个不支持的文件未导入"));
    QCOMPARE(table(window)->rowCount(), 2);
}

void MainWindowTest::droppingUrlsAddsOnlyLocalFiles()
{
    const QString path = m_dir.filePath(QStringLiteral("dropped.png"));
    writeImage(path, 2480, 3508, DotsPerMeter300Dpi);
    MainWindow window;
    window.show();
    QTableWidget *documents = table(window);

    QMimeData webLink;
    webLink.setUrls({QUrl(QStringLiteral("https://example.com/file.pdf"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &webLink, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QVERIFY(documents->property("dropActive").toBool());
    QDropEvent webDrop(QPointF(10, 10), Qt::CopyAction, &webLink, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &webDrop);
    QVERIFY(!documents->property("dropActive").toBool());
    QCOMPARE(documents->rowCount(), 0);

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(path), QUrl(QStringLiteral("https://example.com/x.png"))});
    QDragEnterEvent enterFiles(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enterFiles);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCOMPARE(documents->rowCount(), 1);
    QVERIFY(drop.isAccepted());
    waitForAnalyses(window);
    QCOMPARE(window.cellText(0, SizeColumn), QStringLiteral("A4"));
}

void MainWindowTest::clearRemovesEveryRow()
{
    const QString path = m_dir.filePath(QStringLiteral("clear.png"));
    writeImage(path, 50, 80, 0);
    MainWindow window;
    window.show();
    auto *clear = child<QPushButton>(window, QStringLiteral("dangerButton"));
    clear->click(); // nothing to clear: no message
    QVERIFY(window.statusBar()->currentMessage().isEmpty());

    window.addPaths({path});
    waitForAnalyses(window);
    clear->click();
    QCOMPARE(table(window)->rowCount(), 0);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("清单已清空"));
    QVERIFY(child<QLabel>(window, QStringLiteral("muted"))->isVisible());
    QVERIFY(!child<QPushButton>(window, QStringLiteral("primaryButton"))->isEnabled());
    // The cleared file can be added again.
    window.addPaths({path});
    QCOMPARE(table(window)->rowCount(), 1);
    waitForAnalyses(window);
}

void MainWindowTest::deleteKeyRemovesSelectedRows()
{
    const QString folder = m_dir.filePath(QStringLiteral("delete"));
    QVERIFY(QDir().mkpath(folder));
    QStringList paths;
    for (int i = 0; i < 6; ++i) {
        paths.append(folder + QStringLiteral("/page%1.png").arg(i));
        writeImage(paths.last(), 100, 100, 0);
    }
    MainWindow window;
    window.show();
    window.addPaths(paths);
    waitForAnalyses(window);
    QTableWidget *documents = table(window);
    const QString third = window.documentPathAt(2);
    documents->clearSelection();
    documents->selectionModel()->select(documents->model()->index(1, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    documents->selectionModel()->select(documents->model()->index(3, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString removedFirst = window.documentPathAt(1);
    documents->setFocus();
    QTest::keyClick(documents, Qt::Key_Delete);

    QCOMPARE(documents->rowCount(), 4);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("已从清单中移除 2 个文档"));
    // The row that moved into the place of the topmost removed row is selected.
    QCOMPARE(documents->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(window.documentPathAt(documents->selectionModel()->selectedRows().first().row()), third);
    QCOMPARE(child<QLabel>(window, QStringLiteral("fileCountLabel"))->text(), QStringLiteral("4 个文件"));
    // A removed document can be dropped again.
    window.addPaths({removedFirst});
    QCOMPARE(documents->rowCount(), 5);
    waitForAnalyses(window);
}

void MainWindowTest::damagedAndVanishedFilesGiveUnknownRows()
{
    const QString folder = m_dir.filePath(QStringLiteral("damaged"));
    QVERIFY(QDir().mkpath(folder));
    writeText(folder + QStringLiteral("/empty.png"), QByteArray());
    writeText(folder + QStringLiteral("/garbage.jpg"), QByteArray(5000, 'x'));
    const QString vanishing = folder + QStringLiteral("/vanishing.png");
    writeImage(vanishing, 100, 100, 0);

    MainWindow window;
    window.addPaths({folder});
    QFile::remove(vanishing);
    waitForAnalyses(window);
    QTableWidget *documents = table(window);
    QCOMPARE(documents->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        const QString name = window.cellText(row, FileNameColumn);
        if (name == QLatin1String("vanishing.png") && window.cellText(row, PagesColumn) == QLatin1String("1"))
            continue; // analysed before it was removed
        QCOMPARE(window.cellText(row, PagesColumn), QStringLiteral("0"));
        QCOMPARE(window.cellText(row, SizeColumn), QStringLiteral("未知"));
        QCOMPARE(documents->item(row, PagesColumn)->foreground().color(), QColor(QStringLiteral("#D78624")));
        QCOMPARE(documents->item(row, PagesColumn)->toolTip(), QStringLiteral("未能识别文件页数"));
    }
}

void MainWindowTest::movingARowKeepsItsSpinnerAndResult()
{
    const QString folder = m_dir.filePath(QStringLiteral("move"));
    QVERIFY(QDir().mkpath(folder));
    writeImage(folder + QStringLiteral("/first.png"), 2480, 3508, DotsPerMeter300Dpi);
    writeText(folder + QStringLiteral("/legacy.DOC"), "not a compound file");

    MainWindow window;
    window.addPaths({folder + QStringLiteral("/legacy.DOC"), folder + QStringLiteral("/first.png")});
    QTableWidget *documents = table(window);
    QCOMPARE(documents->rowCount(), 2);
    QVERIFY(documents->item(0, PagesColumn)->data(AnalysingRole).toBool());
    window.moveRow(0, 1);
    QCOMPARE(window.cellText(1, FileNameColumn), QStringLiteral("legacy.DOC"));
    QVERIFY(documents->item(1, PagesColumn)->data(AnalysingRole).toBool());
    ModalAnswerer answerer;
    answerer.expectModal(60000);
    QTRY_COMPARE_WITH_TIMEOUT(window.pendingAnalysisCount(), 0, 90000);
    // A text file named .DOC has no stored page count: the office suite renders it when it is
    // installed, otherwise the one-time notice explains why the row shows 0 pages.
    if (isWordAutomationAvailable()) {
        QCOMPARE(window.cellText(1, PagesColumn), QStringLiteral("1"));
    } else {
        QCOMPARE(window.cellText(1, PagesColumn), QStringLiteral("0"));
        QTRY_VERIFY(answerer.seen());
        QCOMPARE(answerer.title(), QStringLiteral("旧版 DOC 识别受限"));
    }
    QVERIFY(!documents->item(1, PagesColumn)->data(AnalysingRole).toBool());
    QVERIFY(documents->item(1, PagesColumn)->data(AnalysingRole).isNull());
    QCOMPARE(window.cellText(0, SizeColumn), QStringLiteral("A4"));
}

// Support asks the command line what the window sees; both must give the same answers.
void MainWindowTest::windowAndCommandLineAgree()
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
        if (line.isEmpty())
            continue;
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        expected.insert(object.value(QStringLiteral("filePath")).toString(), object);
    }
    QVERIFY(expected.size() > 40);

    MainWindow window;
    ModalAnswerer answerer; // the fixture folders hold generator scripts: "导入完成"
    answerer.expectModal();
    window.addPaths(folders);
    QTRY_COMPARE_WITH_TIMEOUT(window.pendingAnalysisCount(), 0, 180000);
    QCOMPARE(table(window)->rowCount(), expected.size());
    for (int row = 0; row < table(window)->rowCount(); ++row) {
        const QJsonObject cliResult = expected.value(window.documentPathAt(row));
        QVERIFY2(!cliResult.isEmpty(), qPrintable(window.documentPathAt(row)));
        const QString paperSize = cliResult.value(QStringLiteral("paperSize")).toString();
        QCOMPARE(window.cellText(row, PagesColumn),
                 QString::number(std::max(0, cliResult.value(QStringLiteral("pageCount")).toInt())));
        QCOMPARE(window.cellText(row, SizeColumn), paperSize.isEmpty() ? QStringLiteral("未知") : paperSize);
    }
}

QTEST_MAIN(MainWindowTest)
#include "tst_gui_main_window.moc"
