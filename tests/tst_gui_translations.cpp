#include "app/application_setup.h"
#include "documents/document_columns.h"
#include "orvanta_version.h"
#include "support/gui_test_support.h"
#include "support/test_environment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// Widgets that get less room than their minimum, whose texts are then cut off or overlap.
void collectSqueezed(QLayout *layout, QStringList &squeezed)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        QWidget *widget = item->widget();
        if (item->layout())
            collectSqueezed(item->layout(), squeezed);
        else if (widget && !widget->isHidden() && widget->width() < item->minimumSize().width())
            squeezed << QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
                            widget->property("text").toString() + widget->property("currentText").toString();
    }
}

} // namespace

class GuiTranslationsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStringLiteral("Fusion"));
        writeTestPage(m_dir.filePath(QStringLiteral("portrait.png")), 2480, 3508);
        writeTestPage(m_dir.filePath(QStringLiteral("landscape.png")), 3508, 2480);
    }

    // Standard buttons of message boxes and input dialogs follow the chosen language too.
    void standardButtonsFollowTheLanguage()
    {
        for (const char *code : {"zh_CN", "de_DE", "ru_RU"}) {
            QTranslator toolkit;
            QVERIFY2(installToolkitTranslation(toolkit, QString::fromLatin1(code)), code);
            QDialogButtonBox box(QDialogButtonBox::Cancel);
            QVERIFY2(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')) != "Cancel", code);
        }
    }

    void windowShowsTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const char *code : {"de_DE", "en_US", "fr_FR", "ja_JP", "ko_KR", "ru_RU"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    // Every text a person sees is in the chosen language, and every one of them fits.
    void windowShowsTheLanguage()
    {
        QFETCH(QString, code);
        isolateTestEnvironment(QStringLiteral("tst_gui_translations"));
        QTranslator translator;
        QVERIFY(installTranslation(translator, code));
        applyApplicationStyle(*qApp);
        const auto translated = [&translator](const char *context, const char *source) {
            const QString text = translator.translate(context, source);
            return text.isEmpty() ? QStringLiteral("untranslated ") + QString::fromUtf8(source) : text;
        };
        {
            WindowHarness ui;
            QCOMPARE(ui.window().windowTitle(),
                     translated("MainWindow", "Orvanta v%1 - 文档打印核价").arg(ORVANTA_VERSION));
            auto *table = ui.child<QTableWidget>("documentTable");
            QStringList shown = {ui.child<QAbstractButton>("dangerButton")->text()};
            QStringList expected = {translated("MainWindow", "清空")};
            const char *headers[] = {"文件名称  ▼", "颜色",    "页数  ▼",  "尺寸  ▼",
                                     "份数",        "单价/页", "装订方式", "小计"};
            for (int column = 0; column < DocumentColumnCount; ++column) {
                shown << table->horizontalHeaderItem(column)->text();
                expected << translated("MainWindow", headers[column]);
            }
            saveScreenshot(&ui.window(), QStringLiteral("translated-%1-empty").arg(code));
            // Rows show translated colour and binding names, and the analyser's landscape suffix.
            QVERIFY(ui.add({m_dir.path()}));
            shown << ui.cell(QStringLiteral("landscape.png"), SizeColumn)
                  << ui.cell("portrait.png", ColorColumn) << ui.cell("portrait.png", BindingColumn)
                  << ui.child<QComboBox>("profileCombo")->currentText();
            expected << QStringLiteral("A4") + translated("DocumentAnalyzer", " 横向")
                     << translated("MainWindow", "黑白") << translated("MainWindow", "无装订")
                     << translated("MainWindow", "通用");
            QCOMPARE(shown, expected);
            QTest::qWait(20); // the column and combo widths settle in zero-delay timers
            saveScreenshot(&ui.window(), QStringLiteral("translated-%1-rows").arg(code));

            QStringList clipped;
            for (const char *bar : {"topBar", "bottomBar"})
                collectSqueezed(ui.child<QWidget>(bar)->layout(), clipped);
            // The quote history at its smallest.
            ui.child<QAbstractButton>("quoteHistoryButton")->click();
            auto *history = ui.window().findChild<QDialog *>(QStringLiteral("quoteHistoryWindow"));
            history->resize(history->minimumSize());
            QTest::qWait(20);
            collectSqueezed(history->layout(), clipped);
            saveScreenshot(history, QStringLiteral("translated-%1-history").arg(code));
            // Header sections and cells must hold their text, stylesheet padding included.
            for (int column = 0; column < DocumentColumnCount; ++column) {
                const int width = table->columnWidth(column);
                const QString header = table->horizontalHeaderItem(column)->text();
                if (table->horizontalHeader()->fontMetrics().horizontalAdvance(header) + 12 > width)
                    clipped << header;
                for (int row = 0; row < table->rowCount(); ++row) {
                    if (table->fontMetrics().horizontalAdvance(ui.window().cellText(row, column)) + 10 >
                        width)
                        clipped << ui.window().cellText(row, column);
                }
            }
            QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("texts that do not fit at %1 px: %2")
                                                       .arg(ui.window().width())
                                                       .arg(clipped.join(QStringLiteral(", ")))));
        }
        QVERIFY(QCoreApplication::removeTranslator(&translator));
    }
};

QTEST_MAIN(GuiTranslationsTest)
#include "tst_gui_translations.moc"
