#include "app/main_window.h"
#include "export/quote_html.h"
#include "export/quote_snapshot.h"
#include "pricing/regional_format.h"
#include "storage/price_database.h"
#include "storage/profile_store.h"
#include "support/gui_test_support.h"
#include "support/test_environment.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A profile whose every rule changes the total.
PriceProfileMap shop()
{
    PriceProfile profile;
    profile.localeName = QStringLiteral("de_DE");
    profile.taxRate = 19;
    profile.setupFee = 2.5;
    profile.quoteDiscountPercent = 7;
    profile.duplexMultiplier = 1.6;
    profile.bindingPrices.insert(QStringLiteral("cornerStaple"), 0.35);
    return {{QStringLiteral("Laden"), profile}};
}

// Picks the given name in the next file dialog, as a user would.
void answerFileDialog(const QString &path)
{
    onNextModal<QFileDialog>([path](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
}

} // namespace

class QuoteExportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowAndCommandQuoteTheSame();
};

void QuoteExportTest::windowAndCommandQuoteTheSame()
{
    QTemporaryDir dir;
    // The save dialog opens in the home folder; a throw-away one has nothing slow to list.
    qputenv("HOME", dir.path().toLocal8Bit());
    isolateTestEnvironment(QStringLiteral("tst_gui_quote_export"));
    // Stored where the window and the command read it.
    storeTestProfiles(shop());
    storeTestProfiles(shop(), {}, dir.filePath(QStringLiteral("data/Orvanta/Tessaly/orvanta.db")));
    QStringList inputs;
    for (const char *name :
         {"pdf/a4-portrait.pdf", "pdf/five-pages.pdf", "pdf/a4-then-a3.pdf",
          "pdf/letter-mediabox-extra-items.pdf", "pdf/truncated.pdf", "doc/a4-portrait-3-pages.doc"})
        inputs.append(QStringLiteral(ORVANTA_TEST_DATA_DIR "/") + QLatin1String(name));

    MainWindow window;
    window.show();
    for (const auto &[combo, key] : {std::pair{"colorModeCombo", "laserColor"},
                                     {"bindingCombo", "cornerStaple"},
                                     {"printModeCombo", "duplex"}}) {
        auto *box = window.findChild<QComboBox *>(QLatin1String(combo));
        box->setCurrentIndex(box->findData(QLatin1String(key)));
    }
    window.findChild<QSpinBox *>(QStringLiteral("globalCopiesSpin"))->setValue(3);
    window.addPaths(inputs);
    QTRY_COMPARE_WITH_TIMEOUT(window.pendingAnalysisCount(), 0, 60000);

    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(ORVANTA_BINARY_DIR "/cli/orvanta-cli"),
              QStringLiteral("quote --json --color laserColor --binding cornerStaple --duplex --copies 3")
                      .split(QLatin1Char(' ')) +
                  inputs);
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    const QJsonObject totals =
        QJsonDocument::fromJson(cli.readAllStandardOutput()).object()[QLatin1String("totals")].toObject();
    const QuoteSnapshot snapshot = window.quoteSnapshot();
    const QuoteTotals expected = quoteTotals(snapshot);
    QVERIFY(expected.setupFee > 0 && expected.quoteDiscount > 0 && expected.taxAmount > 0);
    QCOMPARE(totals[QLatin1String("grandTotal")].toDouble(), expected.grandTotal);
    QCOMPARE(totals[QLatin1String("itemsSubtotal")].toDouble(), expected.itemsSubtotal);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("amountValue"))->text(),
             MoneyFormat(snapshot.profile).money(totals[QLatin1String("grandTotal")].toDouble()));
    // The truncated file's pages are counted from its page objects: marked, and explained once.
    const QString html = buildQuoteHtml(snapshot);
    QCOMPARE(html.count(QStringLiteral(">≈5</td>")), 1);
    QCOMPARE(html.count(
                 QCoreApplication::translate("MainWindow", "页数为估计值：文件已损坏，按其中的页面对象计数")),
             1);

    // Exported through the menu, as a user would; a folder that does not exist is a warning, not a success.
    auto *exportPdf = window.findChild<QAction *>(QStringLiteral("exportPdfAction"));
    const QString written = dir.filePath(QStringLiteral("quote.pdf"));
    answerFileDialog(written);
    exportPdf->trigger();
    QVERIFY(window.statusBar()->currentMessage().contains(written));
    QVERIFY(QFileInfo(written).size() > 0);

    window.statusBar()->clearMessage();
    const QString unwritable = dir.filePath(QStringLiteral("missing/quote.pdf"));
    QString warning;
    answerFileDialog(unwritable);
    onNextModal<QMessageBox>([&warning](QMessageBox *box) {
        warning = box->text();
        box->done(QMessageBox::Ok);
    });
    exportPdf->trigger();
    QVERIFY2(warning.contains(unwritable), qPrintable(warning));
    QVERIFY(window.statusBar()->currentMessage().isEmpty());
}

QTEST_MAIN(QuoteExportTest)
#include "tst_gui_quote_export.moc"
