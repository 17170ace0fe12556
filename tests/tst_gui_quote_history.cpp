#include "quote_history/quote_history_model.h"
#include "quote_history/quote_history_window.h"
#include "support/gui_test_support.h"
#include "support/test_environment.h"
#include "zip/zip_archive.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

void answerFileDialog(const QString &path)
{
    onNextModal<QFileDialog>([path](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
}

// Types any text as key presses, which QTest::keyClicks refuses beyond ASCII.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
    }
}

QByteArray worksheet(const QString &path)
{
    return ZipArchive::readEntry(path, QStringLiteral("xl/worksheets/sheet1.xml"));
}

} // namespace

class QuoteHistoryGuiTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolateTestEnvironment(QStringLiteral("tst_gui_quote_history")); }
    void exportFindReissueAndLoad();
};

// A quote exported under one profile, found by its customer and issued again after the prices
// changed, comes out cell for cell as first issued; loaded back, its rows return.
void QuoteHistoryGuiTest::exportFindReissueAndLoad()
{
    QTemporaryDir dir;
    qputenv("HOME", dir.path().toLocal8Bit());
    PriceProfile shop;
    shop.localeName = QStringLiteral("de_DE");
    shop.setupFee = 2.5;
    shop.taxRate = 19;
    PriceProfile dear = shop;
    dear.pagePrices[ColorBlackWhite].fill(1.25);
    WindowHarness harness({{QStringLiteral("Laden"), shop}, {QStringLiteral("Teuer"), dear}},
                          QStringLiteral("Laden"));
    QVERIFY(harness.add({QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/five-pages.pdf"),
                         QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/a4-portrait.pdf")}));
    harness.child<QSpinBox>("globalCopiesSpin")->setValue(3);
    typeText(harness.child<QLineEdit>("customerEdit"), QStringLiteral("Kunde Müller"));
    const QString first = dir.filePath(QStringLiteral("first.xlsx"));
    answerFileDialog(first);
    harness.child<QAction>("exportExcelAction")->trigger();
    QVERIFY(!worksheet(first).isEmpty());
    const QString firstTotal = harness.text("amountValue");

    auto *profiles = harness.child<QComboBox>("profileCombo");
    profiles->setCurrentIndex(profiles->findData(QStringLiteral("Teuer")));
    QVERIFY(harness.text("amountValue") != firstTotal);

    harness.child<QPushButton>("quoteHistoryButton")->click();
    auto *history = harness.window().findChild<QuoteHistoryWindow *>();
    QVERIFY(history && history->isVisible());
    typeText(history->findChild<QLineEdit *>(QStringLiteral("historySearchEdit")), QStringLiteral("Müller"));
    QTRY_COMPARE(history->model()->rowCount(), 1);
    QCOMPARE(history->model()->entry(0).customer, QStringLiteral("Kunde Müller"));
    QCOMPARE(history->model()->entry(0).totalPages, 18);
    saveScreenshot(history, QStringLiteral("quote_history"));
    history->findChild<QTableView *>(QStringLiteral("historyTable"))->selectRow(0);
    const QString again = dir.filePath(QStringLiteral("again.xlsx"));
    answerFileDialog(again);
    history->findChild<QPushButton *>(QStringLiteral("reissueExcelButton"))->click();
    QCOMPARE(worksheet(again), worksheet(first));

    harness.child<QPushButton>("dangerButton")->click();
    history->findChild<QPushButton *>(QStringLiteral("loadQuoteButton"))->click();
    QTRY_COMPARE(harness.window().pendingAnalysisCount(), 0);
    QCOMPARE(harness.cell(QStringLiteral("five-pages.pdf"), 4), QStringLiteral("3"));
    QCOMPARE(profiles->currentData().toString(), QStringLiteral("Laden"));
    QCOMPARE(harness.text("amountValue"), firstTotal);
}

QTEST_MAIN(QuoteHistoryGuiTest)
#include "tst_gui_quote_history.moc"
