#include "app/application_setup.h"
#include "app/main_window.h"
#include "documents/document_columns.h"
#include "settings_dialog/dialog_fit.h"
#include "settings_dialog/price_settings_dialog.h"
#include "storage/price_database.h"
#include "storage/profile_store.h"
#include "storage/settings_keys.h"
#include "support/gui_test_support.h"
#include "support/sqlite_test_connection.h"
#include "support/test_environment.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QDoubleSpinBox>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QString General = QStringLiteral("通用");
const QString Office = QStringLiteral("Office");

// Runs act on the next modal widget of type Modal, whichever modal loop is running by then;
// gives up after five seconds so that a missed answer cannot reach into a later test.
template <typename Modal> void onNext(std::function<void(Modal *)> act)
{
    auto *timer = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(5000);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, deadline] {
        auto *modal = qobject_cast<Modal *>(QApplication::activeModalWidget());
        if (modal || deadline->hasExpired()) {
            timer->stop();
            timer->deleteLater();
        }
        if (modal)
            act(modal);
    });
    timer->start(10);
}

void answerInput(const QString &answer)
{
    onNext<QInputDialog>([answer](QInputDialog *input) {
        input->setTextValue(answer);
        input->accept();
    });
}

// Presses Yes or OK and records the title, and the text when it is plain.
void answerBox(QStringList *log)
{
    onNext<QMessageBox>([log](QMessageBox *box) {
        log->append(box->windowTitle() + QLatin1Char('|') +
                    (box->textFormat() == Qt::RichText ? QStringLiteral("rich") : box->text()));
        box->done(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
    });
}

// Presses the button of that text; with a row name, the one in that custom binding row.
void press(QWidget *scope, const QString &text, const QString &row = QString())
{
    QApplication::processEvents(); // rows added since are shown by a queued call
    for (QLabel *label : scope->findChildren<QLabel *>())
        if (!row.isNull() && label->text() == row && label->isVisibleTo(scope))
            scope = label->parentWidget();
    for (QPushButton *button : scope->findChildren<QPushButton *>())
        if (button->text() == text && button->isVisibleTo(scope))
            return button->click();
    QFAIL(qPrintable(text));
}

// Clicks into the editor's text, selects it all and types over it.
void typeInto(QWidget *editor, const QString &text)
{
    QLineEdit *line = qobject_cast<QLineEdit *>(editor) ? static_cast<QLineEdit *>(editor)
                                                        : editor->findChild<QLineEdit *>();
    QTest::mouseClick(line, Qt::LeftButton);
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(line, text);
}

QComboBox *selector(QWidget *dialog, const char *name)
{
    return dialog->findChild<QComboBox *>(QLatin1String(name));
}

void select(QComboBox *combo, const QString &data)
{
    combo->setCurrentIndex(combo->findData(data));
}

// Opens the dialog through the window, runs the steps, then saves or cancels it.
void runDialog(MainWindow &window, bool save, const std::function<void(PriceSettingsDialog &)> &steps)
{
    onNext<PriceSettingsDialog>([save, steps](PriceSettingsDialog *dialog) {
        steps(*dialog);
        save ? dialog->findChild<QPushButton *>(QStringLiteral("primaryButton"))->click() : dialog->reject();
    });
    window.showPriceSettings();
}

PriceProfile priced(double a4, const QString &currency = QStringLiteral("USD"))
{
    PriceProfile profile;
    profile.pagePrices[ColorBlackWhite][SlotA4] = a4;
    profile.currencyCode = currency;
    double fee = 0.5;
    for (const QString &key : builtInBindingKeys().mid(1))
        profile.bindingPrices.insert(key, fee += 0.25);
    return profile;
}

void storeProfiles(const PriceProfileMap &profiles)
{
    SqliteTestConnection connection;
    QVERIFY(openPriceDatabase(connection.database(), defaultPriceDatabasePath()).ok());
    QVERIFY(savePriceProfiles(connection.database(), profiles, profiles.first()).ok());
}

PriceProfileMap storedProfiles()
{
    SqliteTestConnection connection;
    return connection.open(defaultPriceDatabasePath())
               ? loadPriceProfiles(connection.database(), LegacyPriceSettings()).profiles
               : PriceProfileMap();
}

QStringList comboData(QComboBox *combo)
{
    QStringList data;
    for (int i = 0; i < combo->count(); ++i)
        data << combo->itemData(i).toString();
    return data;
}

} // namespace

class SettingsDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void editsSurviveEveryCommandAndAreSaved();
    void refusedSaveChangesNothing();
    void formCarriesEveryFieldAndPrecision_data();
    void formCarriesEveryFieldAndPrecision();
    void priceEditorsTakeClicksKeysAndWheel();
    void dialogFitsTheScreen_data();
    void dialogFitsTheScreen();

private:
    // Opens a window with the profiles stored and one analysed A4 page listed.
    void openWindowWithA4Row(MainWindow &window);
    QTemporaryDir m_dir;
};

void SettingsDialogTest::initTestCase()
{
    isolateTestEnvironment(QStringLiteral("tst_gui_settings_dialog"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    applyApplicationStyle(*qApp);
    QVERIFY(m_dir.isValid());
}

void SettingsDialogTest::init()
{
    QSettings().clear();
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
}

void SettingsDialogTest::openWindowWithA4Row(MainWindow &window)
{
    QImage page(2480, 3508, QImage::Format_Grayscale8);
    page.fill(Qt::white);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    const QString path = m_dir.filePath(QStringLiteral("a4.png"));
    QVERIFY(page.save(path));
    window.show();
    window.addPaths({path});
    QVERIFY(QTest::qWaitFor([&window] { return window.pendingAnalysisCount() == 0; }, 20000));
}

void SettingsDialogTest::editsSurviveEveryCommandAndAreSaved()
{
    storeProfiles({{General, priced(0.10)}, {Office, priced(0.20)}});
    QSettings().setValue(SettingsKeys::activePriceProfile, Office);
    MainWindow window;
    openWindowWithA4Row(window);
    const QString dbPath = defaultPriceDatabasePath();
    const QStringList storedBefore = dumpTables(dbPath, {QStringLiteral("price_profiles")});

    runDialog(window, false, [](PriceSettingsDialog &dialog) {
        typeInto(dialog.form().pagePriceEditors[SlotA4], QStringLiteral("9"));
        answerInput(QStringLiteral("Ring"));
        press(&dialog, QStringLiteral("新增装订方式"));
    });
    QCOMPARE(dumpTables(dbPath, {QStringLiteral("price_profiles")}), storedBefore);
    QCOMPARE(window.cellText(0, UnitPriceColumn), QStringLiteral("0.20"));
    QVERIFY(!QSettings().contains(SettingsKeys::customBindingMethods));

    const QString odd = QStringLiteral("\"Quote\" %1 <b>bold</b> 😀");
    const QString longName(10000, QLatin1Char('x'));
    QStringList boxes;
    runDialog(window, true, [&](PriceSettingsDialog &dialog) {
        const ProfileForm &form = dialog.form();
        QComboBox *colors = selector(&dialog, "colorSelector");
        QComboBox *profiles = selector(&dialog, "profileSelector");
        typeInto(form.pagePriceEditors[SlotA4], QStringLiteral("0.33"));
        select(colors, QStringLiteral("inkjetColor"));
        typeInto(form.pagePriceEditors[SlotA4], QStringLiteral("0.44"));
        select(colors, QStringLiteral("laserColor"));
        select(colors, QStringLiteral("inkjetColor"));
        QCOMPARE(form.pagePriceEditors[SlotA4]->value(), 0.44);
        select(colors, QStringLiteral("blackWhite"));
        QCOMPARE(form.uniformPriceEditor->value(), 0.33);
        select(profiles, General);
        QCOMPARE(form.pagePriceEditors[SlotA4]->value(), 0.10);
        select(profiles, Office);
        QCOMPARE(form.pagePriceEditors[SlotA4]->value(), 0.33);

        answerInput(QStringLiteral("   "));
        press(&dialog, QStringLiteral("新增"));
        answerInput(General);
        answerBox(&boxes);
        press(&dialog, QStringLiteral("新增"));
        typeInto(form.pagePriceEditors[SlotA5], QStringLiteral("0.55")); // not committed yet
        answerInput(QStringLiteral("  ") + odd + QStringLiteral("  "));
        press(&dialog, QStringLiteral("新增"));
        QCOMPARE(profiles->currentData().toString(), odd);
        QCOMPARE(form.pagePriceEditors[SlotA5]->value(), 0.55);
        answerInput(Office);
        answerBox(&boxes);
        press(&dialog, QStringLiteral("重命名"));
        answerInput(longName);
        press(&dialog, QStringLiteral("重命名"));
        select(profiles, General);
        answerBox(&boxes);
        press(&dialog, QStringLiteral("删除"));
        QCOMPARE(profiles->currentData().toString(), longName);

        answerInput(QStringLiteral("Ring"));
        press(&dialog, QStringLiteral("新增装订方式"));
        answerInput(QStringLiteral("RING"));
        answerBox(&boxes);
        press(&dialog, QStringLiteral("新增装订方式"));
        const QString ringKey = dialog.editedCustomBindingMethods().key(QStringLiteral("Ring"));
        typeInto(form.bindingPriceEditors.value(ringKey), QStringLiteral("1.5"));
        answerInput(QStringLiteral("<i>Spiral</i>"));
        press(&dialog, QStringLiteral("新增装订方式"));
        QCOMPARE(form.bindingPriceEditors.value(ringKey)->value(), 1.5);
        answerInput(QStringLiteral("ring"));
        press(&dialog, QStringLiteral("重命名"), QStringLiteral("Ring"));
        answerBox(&boxes);
        press(&dialog, QStringLiteral("删除"), QStringLiteral("<i>Spiral</i>"));
        select(profiles, Office);
    });

    QCOMPARE(boxes,
             (QStringList{QStringLiteral("名称已存在|请使用其他角色名称。"),
                          QStringLiteral("名称已存在|请使用其他角色名称。"),
                          QStringLiteral("删除价格角色|确定删除“通用”及其全部价格设置吗？"),
                          QStringLiteral("名称已存在|请使用其他装订方式名称。"),
                          QStringLiteral("删除装订方式|确定删除“<i>Spiral</i>”吗？相关价格设置也会删除。")}));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("价格设置已保存"));
    const CustomBindingMap methods = loadCustomBindingMethods(QSettings());
    QCOMPARE(methods.values(), QStringList{QStringLiteral("ring")});
    QStringList bindingKeysStored = builtInBindingKeys().mid(1) + methods.keys();
    bindingKeysStored.sort();
    const PriceProfileMap stored = storedProfiles();
    QCOMPARE(stored.keys(), (QStringList{Office, longName}));
    for (const PriceProfile &profile : stored) {
        QCOMPARE(profile.pagePrices[ColorBlackWhite][SlotA4], 0.33);
        QCOMPARE(profile.pagePrices[ColorBlackWhite][SlotA5], 0.55);
        QCOMPARE(profile.pagePrices[ColorInkjet][SlotA4], 0.44);
        QCOMPARE(profile.bindingPrices.keys(), bindingKeysStored);
    }
    QCOMPARE(stored.value(longName).bindingPrices.value(methods.firstKey()), 1.5);
    QCOMPARE(stored.value(Office).bindingPrices.value(methods.firstKey()), 0.0);

    QCOMPARE(comboData(window.findChild<QComboBox *>(QStringLiteral("profileCombo"))), stored.keys());
    QCOMPARE(window.currentProfile(), stored.value(Office));
    QCOMPARE(window.cellText(0, UnitPriceColumn), QStringLiteral("0.33"));
    QVERIFY(comboData(window.findChild<QComboBox *>(QStringLiteral("bindingCombo")))
                .contains(methods.firstKey()));
}

void SettingsDialogTest::refusedSaveChangesNothing()
{
    storeProfiles({{General, priced(0.10)}, {Office, priced(0.20)}});
    QSettings().setValue(SettingsKeys::activePriceProfile, Office);
    const QString dbPath = defaultPriceDatabasePath();
    QVERIFY(runSql(dbPath, {QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON price_profiles "
                                           "BEGIN SELECT RAISE(ABORT, 'disk is full'); END")}));
    const QStringList storedBefore =
        dumpTables(dbPath, {QStringLiteral("price_settings"), QStringLiteral("price_profiles")});
    MainWindow window;
    openWindowWithA4Row(window);
    const PriceProfile activeBefore = window.currentProfile();

    QStringList boxes;
    answerBox(&boxes);
    runDialog(window, true, [](PriceSettingsDialog &dialog) {
        typeInto(dialog.form().pagePriceEditors[SlotA4], QStringLiteral("0.77"));
        answerInput(QStringLiteral("Shop"));
        press(&dialog, QStringLiteral("重命名"));
        answerInput(QStringLiteral("Ring"));
        press(&dialog, QStringLiteral("新增装订方式"));
    });
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().startsWith(QStringLiteral("保存失败|")), qPrintable(boxes.first()));
    QVERIFY(boxes.first().contains(QStringLiteral("disk is full")));
    QVERIFY(window.statusBar()->currentMessage() != QStringLiteral("价格设置已保存"));
    QCOMPARE(dumpTables(dbPath, {QStringLiteral("price_settings"), QStringLiteral("price_profiles")}),
             storedBefore);
    QCOMPARE(comboData(window.findChild<QComboBox *>(QStringLiteral("profileCombo"))),
             (QStringList{Office, General}));
    QCOMPARE(window.currentProfile(), activeBefore);
    QCOMPARE(window.cellText(0, UnitPriceColumn), QStringLiteral("0.20"));
    QCOMPARE(comboData(window.findChild<QComboBox *>(QStringLiteral("bindingCombo"))), builtInBindingKeys());
    // The window still holds what the database holds, so the next dialog shows the stored names.
    runDialog(window, false, [](PriceSettingsDialog &dialog) {
        QCOMPARE(comboData(selector(&dialog, "profileSelector")), (QStringList{Office, General}));
    });
}

void SettingsDialogTest::formCarriesEveryFieldAndPrecision_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("step");
    QTest::addColumn<QString>("stored");
    QTest::newRow("lower-case yen has no minor unit") << "jpy"
                                                      << "jpy" << 0 << 1.0 << "JPY";
    QTest::newRow("dinar has three decimals") << "KWD"
                                              << "KWD" << 3 << 0.001 << "KWD";
    QTest::newRow("incomplete code keeps two") << "EU"
                                               << "EU" << 2 << 0.01 << "USD";
    QTest::newRow("digits, signs and a fourth letter are refused") << "u5d$xq"
                                                                   << "udx" << 2 << 0.01 << "UDX";
}

void SettingsDialogTest::formCarriesEveryFieldAndPrecision()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, decimals);
    QFETCH(double, step);
    QFETCH(QString, stored);
    PriceProfile full = priced(1.25, QStringLiteral("EUR"));
    for (int color = 0; color < ColorModeCount; ++color)
        for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
            full.pagePrices[color][slot] = 0.01 * (color * 20 + slot + 1);
    full.binding = full.bindingPrices.value(QStringLiteral("cornerStaple"));
    full.localeName = QStringLiteral("fr_FR");
    full.taxRate = 7.5;
    full.pricesIncludeTax = true;
    full.paperStockDescription = QStringLiteral("80 gsm <b>");
    full.duplexMultiplier = 1.875;
    full.setupFee = 3.5;
    full.minimumCharge = 12;
    full.volumeThreshold = 500;
    full.volumeDiscountPercent = 5;
    full.quoteDiscountPercent = 2.5;
    full.roundingIncrement = 0.05;
    full.sellerName = QStringLiteral("Shop");
    full.sellerContact = QStringLiteral("+1 555");
    full.sellerAddress = QStringLiteral("Main St");
    full.taxIdentifier = QStringLiteral("T-1");
    full.customerName = QStringLiteral("Client");
    full.customerContact = QStringLiteral("c@x");
    full.quoteValidityDays = 45;
    full.paymentTerms = QStringLiteral("30 days");
    PriceProfile dinar = priced(0.125, QStringLiteral("KWD"));
    dinar.binding = dinar.bindingPrices.value(QStringLiteral("cornerStaple"));
    PriceSettingsDialog dialog({{General, full}, {QStringLiteral("Dinar"), dinar}}, General, {}, nullptr);
    QCOMPARE(dialog.editedProfiles().value(General), full);
    // A price with a third decimal survives being shown after a two-decimal currency.
    select(selector(&dialog, "profileSelector"), QStringLiteral("Dinar"));
    QCOMPARE(dialog.editedProfiles().value(QStringLiteral("Dinar")), dinar);

    dialog.show();
    const ProfileForm &form = dialog.form();
    typeInto(form.currencySelector->lineEdit(), typed);
    QCOMPARE(form.currencySelector->currentText(), shown);
    QList<QDoubleSpinBox *> money = form.pagePriceEditors + form.bindingPriceEditors.values();
    for (QDoubleSpinBox *editor : money) {
        QCOMPARE(editor->decimals(), decimals);
        QCOMPARE(editor->singleStep(), step);
    }
    QCOMPARE(form.setupFee->decimals(), 2);
    QCOMPARE(form.duplexMultiplier->decimals(), 3);
    QCOMPARE(dialog.editedProfiles().value(QStringLiteral("Dinar")).currencyCode, stored);

    select(form.localeSelector, QStringLiteral("de_DE"));
    for (QDoubleSpinBox *editor : dialog.findChildren<QDoubleSpinBox *>())
        QCOMPARE(editor->locale(), QLocale(QStringLiteral("de_DE")));
    QCOMPARE(form.taxRate->text(), QStringLiteral("0,00 %"));
    QCOMPARE(form.volumeThreshold->locale(), QLocale());
}

void SettingsDialogTest::priceEditorsTakeClicksKeysAndWheel()
{
    PriceSettingsDialog dialog({}, QString(), {}, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const ProfileForm &form = dialog.form();
    QDoubleSpinBox *a4 = form.pagePriceEditors[SlotA4];
    QLineEdit *a4Text = a4->findChild<QLineEdit *>();
    QTest::mouseClick(a4Text, Qt::LeftButton);
    QTRY_COMPARE(a4Text->selectedText(), QStringLiteral("0.05"));
    QTest::mouseClick(a4Text, Qt::LeftButton, {}, QPoint(2, a4Text->height() / 2));
    QTest::qWait(20);
    QCOMPARE(a4Text->selectedText(), QString());
    QTest::keyClick(a4, Qt::Key_Tab);
    QDoubleSpinBox *a5 = form.pagePriceEditors[SlotA5];
    QVERIFY(a5->hasFocus());
    QCOMPARE(a5->findChild<QLineEdit *>()->selectedText(), QStringLiteral("0.05"));
    QTest::keyClicks(a5, QStringLiteral("7"));
    QCOMPARE(a5->value(), 0.05); // taken only when editing finishes
    QTest::keyClick(a5, Qt::Key_Tab);
    QCOMPARE(a5->value(), 7.0);

    // The wheel is declined, so it travels on to the scrolled dialog.
    QWheelEvent wheel(QPointF(5, 5), a5->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(a5, &wheel);
    QVERIFY(!wheel.isAccepted());
    QCOMPARE(a5->value(), 7.0);
}

void SettingsDialogTest::dialogFitsTheScreen_data()
{
    QTest::addColumn<int>("contentWidth");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("scrollOff");
    QTest::newRow("laptop, narrow content")
        << 700 << QRect(0, 0, 1366, 728) << QRect(303, 32, 760, 664) << true;
    QTest::newRow("laptop, wide content")
        << 1400 << QRect(0, 0, 1366, 728) << QRect(32, 32, 1302, 664) << false;
    QTest::newRow("800 x 600, fitting content")
        << 700 << QRect(0, 0, 800, 600) << QRect(20, 0, 760, 600) << true;
    QTest::newRow("800 x 600, wide content")
        << 760 << QRect(0, 0, 800, 600) << QRect(20, 0, 760, 600) << false;
    QTest::newRow("no screen") << 700 << QRect() << QRect(260, 40, 760, 820) << true;
}

void SettingsDialogTest::dialogFitsTheScreen()
{
    QFETCH(int, contentWidth);
    QFETCH(QRect, available);
    QFETCH(QRect, geometry);
    QFETCH(bool, scrollOff);
    const DialogFit fit = fitSettingsDialog(
        contentWidth, 20, available.isNull() ? std::nullopt : std::optional<QRect>(available));
    QCOMPARE(fit.geometry, geometry);
    QCOMPARE(fit.horizontalScrollBarOff, scrollOff);
}

QTEST_MAIN(SettingsDialogTest)
#include "tst_gui_settings_dialog.moc"
