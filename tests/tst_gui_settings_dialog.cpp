#include "app/application_setup.h"
#include "app/main_window.h"
#include "documents/document_columns.h"
#include "settings_dialog/dialog_fit.h"
#include "settings_dialog/price_settings_dialog.h"
#include "storage/price_database.h"
#include "storage/profile_json.h"
#include "storage/profile_store.h"
#include "storage/settings_keys.h"
#include "support/gui_test_support.h"
#include "support/sqlite_test_connection.h"
#include "support/test_environment.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cmath>

namespace {

const QString General = QStringLiteral("通用");
const QString Office = QStringLiteral("Office");

// Presses the button of that text, typing answer into the name prompt it opens and noting the
// message box that follows in boxes.
void press(QWidget *scope, const QString &text, const QString &answer = QString(),
           QStringList *boxes = nullptr)
{
    if (!answer.isNull())
        onNextModal<QInputDialog>([answer](QInputDialog *input) {
            input->setTextValue(answer);
            input->accept();
        });
    if (boxes)
        onNextModal<QMessageBox>([boxes](QMessageBox *box) {
            const QString format =
                box->textFormat() == Qt::PlainText ? QString() : QStringLiteral(" [markup]");
            boxes->append(box->windowTitle() + QLatin1Char('|') + box->text() + format);
            box->done(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
        });
    QApplication::processEvents(); // rows added since are shown by a queued call
    for (QPushButton *button : scope->findChildren<QPushButton *>())
        if (button->text() == text && button->isVisibleTo(scope))
            return button->click();
    QFAIL(qPrintable(text));
}

// Clicks into the editor's text, selects it all and types over it.
void typeInto(QWidget *editor, const QString &text)
{
    auto *line = editor->findChild<QLineEdit *>();
    QTest::mouseClick(line, Qt::LeftButton);
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(line, text);
}

void select(QComboBox *combo, const QString &data)
{
    combo->setCurrentIndex(combo->findData(data));
}

QStringList comboData(QWidget *scope, const char *name)
{
    QStringList data;
    for (auto *combo = scope->findChild<QComboBox *>(QLatin1String(name)); data.size() < combo->count();)
        data << combo->itemData(data.size()).toString();
    return data;
}

// Opens the dialog through the window, runs the steps, then saves or cancels it.
void runDialog(MainWindow &window, bool save, const std::function<void(PriceSettingsDialog &)> &steps)
{
    onNextModal<PriceSettingsDialog>([save, steps](PriceSettingsDialog *dialog) {
        steps(*dialog);
        save ? dialog->findChild<QPushButton *>(QStringLiteral("primaryButton"))->click() : dialog->reject();
    });
    window.showPriceSettings();
}

// A4 black and white at the given price, every built-in binding and "custom:k" with a price of its own.
PriceProfile priced(double a4)
{
    PriceProfile profile;
    profile.pagePrices[ColorBlackWhite][SlotA4] = a4;
    double fee = 0.5;
    for (const QString &key : builtInBindingKeys().mid(1) + QStringList{QStringLiteral("custom:k")})
        profile.bindingPrices.insert(key, fee += 0.25);
    profile.binding = profile.bindingPrices.value(QStringLiteral("cornerStaple"));
    return profile;
}

QStringList storedTables()
{
    return dumpTables(defaultPriceDatabasePath(),
                      {QStringLiteral("price_settings"), QStringLiteral("price_profiles")});
}

} // namespace

class SettingsDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        isolateTestEnvironment(QStringLiteral("tst_gui_settings_dialog"));
        useTestStyle(); // the settings store and the database start empty
    }

    void editsSurviveEveryCommandAndAreSavedOrRefused()
    {
        // "通用" at 0.10 and the active Office at 0.20 per A4 page; the window lists an A4 page.
        storeTestProfiles({{General, priced(0.10)}, {Office, priced(0.20)}}, Office);
        SqliteTestConnection connection;
        QVERIFY(openPriceDatabase(connection.database(), defaultPriceDatabasePath()).ok());
        MainWindow window;
        window.show();
        window.addPaths({QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/a4-portrait.pdf")});
        QVERIFY(QTest::qWaitFor([&window] { return window.pendingAnalysisCount() == 0; }, 20000));
        const QString odd = QStringLiteral("\"Quote\" %1 <b>bold</b> 😀");
        const QString longName(10000, QLatin1Char('x'));
        QStringList boxes;
        runDialog(window, true, [&](PriceSettingsDialog &dialog) {
            const ProfileForm &form = dialog.form();
            QComboBox *colors = dialog.findChild<QComboBox *>(QStringLiteral("colorSelector"));
            QComboBox *profiles = dialog.findChild<QComboBox *>(QStringLiteral("profileSelector"));
            typeInto(form.pagePriceEditors[SlotA4], QStringLiteral("0.33"));
            select(colors, QStringLiteral("inkjetColor"));
            typeInto(form.pagePriceEditors[SlotA4], QStringLiteral("0.44"));
            select(colors, QStringLiteral("laserColor"));
            select(colors, QStringLiteral("blackWhite"));
            QCOMPARE(form.uniformPriceEditor->value(), 0.33);
            select(profiles, General);
            select(profiles, Office);

            press(&dialog, QStringLiteral("新增"), QStringLiteral("   "));
            press(&dialog, QStringLiteral("新增"), General, &boxes);
            typeInto(form.pagePriceEditors[SlotA5], QStringLiteral("0.55")); // not committed yet
            press(&dialog, QStringLiteral("新增"), QStringLiteral("  ") + odd + QStringLiteral("  "));
            press(&dialog, QStringLiteral("重命名"), Office, &boxes);
            press(&dialog, QStringLiteral("重命名"), longName);
            select(profiles, General);
            press(&dialog, QStringLiteral("删除"), QString(), &boxes);
            QCOMPARE(profiles->currentData().toString(), longName);

            press(&dialog, QStringLiteral("新增装订方式"), QStringLiteral("Ring"));
            press(&dialog, QStringLiteral("新增装订方式"), QStringLiteral("RING"), &boxes);
            const QString ringKey = dialog.editedCustomBindingMethods().key(QStringLiteral("Ring"));
            typeInto(form.bindingPriceEditors.value(ringKey), QStringLiteral("1.5"));
            press(&dialog, QStringLiteral("新增装订方式"), QStringLiteral("<i>Spiral</i>"));
            const auto rowOf = [&](const QString &name) {
                return form.bindingPriceEditors.value(dialog.editedCustomBindingMethods().key(name))
                    ->parentWidget();
            };
            press(rowOf(QStringLiteral("Ring")), QStringLiteral("重命名"), QStringLiteral("ring"));
            press(rowOf(QStringLiteral("<i>Spiral</i>")), QStringLiteral("删除"), QString(), &boxes);
            select(profiles, Office);
        });

        QCOMPARE(
            boxes,
            (QStringList{QStringLiteral("名称已存在|请使用其他角色名称。"),
                         QStringLiteral("名称已存在|请使用其他角色名称。"),
                         QStringLiteral("删除价格角色|确定删除“通用”及其全部价格设置吗？"),
                         QStringLiteral("名称已存在|请使用其他装订方式名称。"),
                         QStringLiteral("删除装订方式|确定删除“<i>Spiral</i>”吗？相关价格设置也会删除。")}));
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("价格设置已保存"));
        const CustomBindingMap methods = loadCustomBindingMethods(QSettings());
        QCOMPARE(methods.values(), QStringList{QStringLiteral("ring")});
        const PriceProfileMap stored =
            loadPriceProfiles(connection.database(), LegacyPriceSettings()).profiles;
        QCOMPARE(stored.keys(), (QStringList{Office, longName}));
        for (const PriceProfile &profile : stored) {
            QCOMPARE(profile.pagePrices[ColorBlackWhite][SlotA4], 0.33);
            QCOMPARE(profile.pagePrices[ColorBlackWhite][SlotA5], 0.55);
            QCOMPARE(profile.pagePrices[ColorInkjet][SlotA4], 0.44);
            // The built-ins but "none", "custom:k" and Ring.
            QCOMPARE(profile.bindingPrices.size(), builtInBindingKeys().size() + 1);
        }
        QCOMPARE(stored.value(longName).bindingPrices.value(methods.firstKey()), 1.5);
        QCOMPARE(stored.value(Office).bindingPrices.value(methods.firstKey()), 0.0);
        QCOMPARE(comboData(&window, "profileCombo"), stored.keys());
        QCOMPARE(window.currentProfile(), stored.value(Office));
        QCOMPARE(window.cellText(0, UnitPriceColumn), QStringLiteral("0.33"));
        QCOMPARE(comboData(&window, "bindingCombo"), builtInBindingKeys() + methods.keys());

        // A save the database refuses changes nothing, in the window or in the file.
        QVERIFY(runSql(defaultPriceDatabasePath(),
                       {QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON price_profiles "
                                       "BEGIN SELECT RAISE(ABORT, 'disk is full'); END")}));
        const QStringList storedBefore = storedTables();
        const PriceProfile activeBefore = window.currentProfile();
        boxes.clear();
        window.statusBar()->clearMessage();
        runDialog(window, true, [&boxes](PriceSettingsDialog &dialog) {
            typeInto(dialog.form().pagePriceEditors[SlotA4], QStringLiteral("0.77"));
            press(&dialog, QStringLiteral("新增装订方式"), QStringLiteral("Spiral"));
            // The message box comes after saving.
            press(&dialog, QStringLiteral("重命名"), QStringLiteral("Shop"), &boxes);
        });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes.first().startsWith(QStringLiteral("保存失败|价格设置未写入，原有数据已保留。")) &&
                     boxes.first().contains(QStringLiteral("disk is full")),
                 qPrintable(boxes.first()));
        QVERIFY(window.statusBar()->currentMessage() != QStringLiteral("价格设置已保存"));
        QCOMPARE(storedTables(), storedBefore);
        QCOMPARE(comboData(&window, "profileCombo"), stored.keys());
        QCOMPARE(comboData(&window, "bindingCombo"), builtInBindingKeys() + methods.keys());
        QCOMPARE(window.currentProfile(), activeBefore);
        QCOMPARE(window.cellText(0, UnitPriceColumn), QStringLiteral("0.33"));
        // The window still holds what the database holds, so the next dialog shows the stored names;
        // cancelling it drops its edits.
        runDialog(window, false, [&stored](PriceSettingsDialog &dialog) {
            QCOMPARE(comboData(&dialog, "profileSelector"), stored.keys());
            typeInto(dialog.form().pagePriceEditors[SlotA4], QStringLiteral("9"));
            press(&dialog, QStringLiteral("新增装订方式"), QStringLiteral("Spiral"));
        });
        QCOMPARE(storedTables(), storedBefore);
        QCOMPARE(window.currentProfile(), activeBefore);
        QCOMPARE(loadCustomBindingMethods(QSettings()), methods);
    }

    // A document of grey A4 and colour A3 pages shows so at a glance. Priced page by page, its grey
    // pages cost the black-and-white price and every page its own size, unless a price is typed;
    // with the option off the row costs what it always did.
    void pageByPageRowShowsItsPagesAndIsRepricedWhenSwitchedOn()
    {
        isolateTestEnvironment(QStringLiteral("tst_gui_settings_dialog"));
        PriceProfile shop;
        shop.pagePrices[ColorBlackWhite][SlotA4] = 0.10;
        shop.pagePrices[ColorBlackWhite][SlotA3] = 0.20;
        shop.pagePrices[ColorLaser][SlotA4] = 0.50;
        shop.pagePrices[ColorLaser][SlotA3] = 1.00;
        WindowHarness ui({{General, shop}}, General);
        ui.window().setPageDetailAnalyzer([](const DocumentInfo &info, const std::atomic_bool *) {
            PageDetails details;
            if (info.fileName == QLatin1String("five-pages.pdf")) {
                details.addPages(QStringLiteral("A4"), false, 3);
                details.addPages(QStringLiteral("A3"), true, 2);
            }
            return details;
        });
        const QString mixed = QStringLiteral("five-pages.pdf");
        select(ui.child<QComboBox>("colorModeCombo"), QStringLiteral("laserColor"));
        QVERIFY(ui.add({QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/five-pages.pdf"),
                        QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/a4-portrait.pdf")}));
        QTRY_COMPARE(ui.text("pageDetailProgress"), QString());
        QCOMPARE(ui.cell(mixed, SizeColumn), QStringLiteral("A4 +A3"));
        auto *table = ui.child<QTableWidget>("documentTable");
        const QModelIndex pages = table->model()->index(ui.rowOf(mixed), PagesColumn);
        QCOMPARE(pages.data().toString(), QStringLiteral("5"));
        QVERIFY(pages.data(Qt::ToolTipRole)
                    .toString()
                    .endsWith(QStringLiteral("彩色 2 页，黑白 3 页\n各尺寸页数：A4 3, A3 2")));
        QVERIFY(ui.cell(QStringLiteral("a4-portrait.pdf"), PagesColumn).toInt() == 1);
        QVERIFY(table->item(ui.rowOf(QStringLiteral("a4-portrait.pdf")), PagesColumn)
                    ->toolTip()
                    .endsWith(QStringLiteral("没有逐页的颜色和尺寸信息")));
        // The delegate paints the badge in its own colour beside the count.
        const QImage cell = table->viewport()->grab(table->visualRect(pages)).toImage();
        QVERIFY(cell.pixelColor(cell.width() - 8, cell.height() / 2) == QColor(QStringLiteral("#FDE9D9")));
        saveScreenshot(&ui.window(), QStringLiteral("page-details-zh_CN"));

        const auto priced = [&](bool pageByPage) -> QString {
            runDialog(ui.window(), true, [pageByPage](PriceSettingsDialog &dialog) {
                dialog.form().pricePageByPage->setChecked(pageByPage);
            });
            return ui.cell(mixed, UnitPriceColumn) + QLatin1Char(' ') + ui.cell(mixed, AmountColumn);
        };
        QCOMPARE(priced(true), QStringLiteral("0.46 2.30")); // 3 × 0.10 + 2 × 1.00
        table->item(ui.rowOf(mixed), UnitPriceColumn)->setText(QStringLiteral("0.40"));
        QCOMPARE(ui.cell(mixed, AmountColumn), QStringLiteral("2.00")); // typed: 5 × 0.40
        QCOMPARE(priced(false), QStringLiteral("0.50 2.50"));
    }

    // While rows still wait for their page details, a page-by-page total is marked provisional and
    // exporting is refused with the reason; with the option off neither happens.
    void provisionalTotalRefusesExportUntilPagesAreChecked()
    {
        isolateTestEnvironment(QStringLiteral("tst_gui_settings_dialog"));
        PriceProfile shop = priced(0.10);
        shop.pricePageByPage = true;
        WindowHarness ui({{General, shop}}, General);
        auto released = std::make_shared<std::atomic_bool>(false);
        ui.window().setPageDetailAnalyzer(
            [released](const DocumentInfo &, const std::atomic_bool *cancelled) {
                while (!*released && !*cancelled)
                    QThread::msleep(5);
                return PageDetails();
            });
        QVERIFY(ui.add({QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/five-pages.pdf"),
                        QStringLiteral(ORVANTA_TEST_DATA_DIR "/pdf/a4-portrait.pdf")}));
        auto *provisional = ui.child<QLabel>("provisionalLabel");
        QVERIFY(!provisional->isHidden());
        QCOMPARE(provisional->text(), QStringLiteral("暂估，2 个文档仍在检查"));
        saveScreenshot(&ui.window(), QStringLiteral("provisional-total-zh_CN"));
        const qsizetype boxes = ui.boxTexts.size();
        ui.child<QAction>("exportExcelAction")->trigger();
        QCOMPARE(ui.boxTexts.size(), boxes + 1);
        QVERIFY2(ui.boxTexts.last().contains(QStringLiteral("还有 2 个文档正在检查")),
                 qPrintable(ui.boxTexts.last()));

        runDialog(ui.window(), true,
                  [](PriceSettingsDialog &dialog) { dialog.form().pricePageByPage->setChecked(false); });
        QVERIFY(provisional->isHidden());
        bool fileDialogShown = false;
        onNextModal<QFileDialog>([&fileDialogShown](QFileDialog *dialog) {
            fileDialogShown = true;
            dialog->reject();
        });
        ui.child<QAction>("exportExcelAction")->trigger();
        QVERIFY(fileDialogShown);
        QCOMPARE(ui.boxTexts.size(), boxes + 1);
        *released = true;
        QTRY_COMPARE(ui.text("pageDetailProgress"), QString());
    }

    void formCarriesEveryFieldAndPrecision_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("lower-case yen has no minor unit") << "jpy" << 0 << "jpy" << QStringLiteral("JPY");
        QTest::newRow("incomplete code keeps two") << "EU" << 2 << "EU" << QStringLiteral("USD");
        QTest::newRow("digits, signs and a fourth letter are refused")
            << "u5d$xq" << 2 << "udx" << QStringLiteral("UDX");
    }

    void formCarriesEveryFieldAndPrecision()
    {
        QFETCH(QString, typed);
        QFETCH(int, decimals);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        PriceProfile full = priced(1.25);
        for (int color = 0; color < ColorModeCount; ++color)
            for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
                full.pagePrices[color][slot] = 0.01 * (color * 20 + slot + 1);
        QVERIFY(readProfileOptionsJson(
            R"({"localeName":"fr_FR","currencyCode":"EUR","taxRate":7.5,"pricesIncludeTax":true,"paperStockDescription":"80 gsm <b>",
                "duplexMultiplier":1.875,"setupFee":3.5,"minimumCharge":12,"volumeThreshold":500,
                "volumeDiscountPercent":5,"quoteDiscountPercent":2.5,"roundingIncrement":0.05,"sellerName":"Shop",
                "sellerContact":"+1 555","sellerAddress":"Main St","taxIdentifier":"T-1","customerName":"Client",
                "customerContact":"c@x","quoteValidityDays":45,"paymentTerms":"30 days","pricePageByPage":true})",
            full));
        PriceProfile dinar = priced(0.125);
        dinar.currencyCode = QStringLiteral("KWD");
        dinar.bindingPrices.insert(QStringLiteral("custom:k"), 0.125);
        const CustomBindingMap methods{{QStringLiteral("custom:k"), QStringLiteral("K")}};
        PriceSettingsDialog dialog({{General, full}, {QStringLiteral("Dinar"), dinar}}, General, methods,
                                   nullptr);
        QCOMPARE(dialog.editedProfiles().value(General), full);
        // A price with a third decimal survives being shown after a two-decimal currency.
        select(dialog.findChild<QComboBox *>(QStringLiteral("profileSelector")), QStringLiteral("Dinar"));
        press(dialog.form().bindingPriceEditors.value(QStringLiteral("custom:k"))->parentWidget(),
              QStringLiteral("重命名"), QStringLiteral("K2")); // the rows are built anew
        QCOMPARE(dialog.editedProfiles().value(QStringLiteral("Dinar")), dinar);

        dialog.show();
        const ProfileForm &form = dialog.form();
        typeInto(form.currencySelector, typed);
        QCOMPARE(form.currencySelector->currentText(), shown);
        for (QDoubleSpinBox *editor : form.pagePriceEditors + form.bindingPriceEditors.values()) {
            QCOMPARE(editor->decimals(), decimals);
            QCOMPARE(editor->singleStep(), std::pow(10.0, -decimals));
        }
        QCOMPARE(form.setupFee->decimals(), 2);
        QCOMPARE(dialog.editedProfiles().value(QStringLiteral("Dinar")).currencyCode, stored);

        select(form.localeSelector, QStringLiteral("de_DE"));
        for (QDoubleSpinBox *editor : dialog.findChildren<QDoubleSpinBox *>())
            QCOMPARE(editor->locale(), QLocale(QStringLiteral("de_DE")));
        QCOMPARE(form.taxRate->text(), QStringLiteral("0,00 %"));
        QCOMPARE(form.volumeThreshold->locale(), QLocale());
    }

    void dialogFitsTheScreen()
    {
        const struct
        {
            int contentWidth;
            std::optional<QRect> available;
            QRect geometry;
            bool horizontalScrollBarOff;
        } rows[] = {
            {700, QRect(0, 0, 1366, 728), QRect(303, 32, 760, 664), true},   // laptop, narrow content
            {1400, QRect(0, 0, 1366, 728), QRect(32, 32, 1302, 664), false}, // laptop, wide content
            {700, QRect(0, 0, 800, 600), QRect(20, 0, 760, 600), true},      // small screen, content fits
            {700, std::nullopt, QRect(260, 40, 760, 820), true},             // no screen at all
        };
        for (const auto &row : rows) {
            const DialogFit fit = fitSettingsDialog(row.contentWidth, 20, row.available);
            QCOMPARE(fit.geometry, row.geometry);
            QCOMPARE(fit.horizontalScrollBarOff, row.horizontalScrollBarOff);
        }
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "tst_gui_settings_dialog.moc"
