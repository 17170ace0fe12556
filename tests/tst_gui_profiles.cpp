#include "app/application_setup.h"
#include "app/main_window.h"
#include "documents/document_columns.h"
#include "pricing/price_profile.h"
#include "pricing/regional_format.h"
#include "storage/price_database.h"
#include "storage/profile_store.h"
#include "storage/settings_keys.h"
#include "support/gui_test_support.h"
#include "support/sqlite_test_connection.h"
#include "support/test_environment.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr int DotsPerMeter300Dpi = 11811;

// Answers every message box that opens while it lives. ModalAnswerer takes only the next one, and a
// second box raised inside the window's constructor would then block the test for good.
class MessageBoxLog
{
public:
    MessageBoxLog()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_titles.append(box->windowTitle());
                m_texts.append(box->text());
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start(20);
    }
    const QStringList &titles() const { return m_titles; }
    const QStringList &texts() const { return m_texts; }

private:
    QTimer m_timer;
    QStringList m_titles;
    QStringList m_texts;
};

void writePage(const QString &path, int width, int height)
{
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    image.setDotsPerMeterX(DotsPerMeter300Dpi);
    image.setDotsPerMeterY(DotsPerMeter300Dpi);
    QVERIFY(image.save(path));
}

// Black-and-white prices for A4 and A3; laser colour costs four times as much everywhere.
PriceProfile profileWith(double a4, double a3, double cornerStaple, const QString &currency)
{
    PriceProfile profile;
    for (PagePriceRow &row : profile.pagePrices)
        row.fill(0.07);
    PagePriceRow &blackWhite = profile.pagePrices[ColorBlackWhite];
    blackWhite[SlotA4] = a4;
    blackWhite[SlotA3] = a3;
    for (int slot = 0; slot < PaperSizeSlotCount; ++slot)
        profile.pagePrices[ColorLaser][slot] = blackWhite[slot] * 4;
    profile.bindingPrices.insert(QStringLiteral("cornerStaple"), cornerStaple);
    profile.currencyCode = currency;
    return profile;
}

void storeProfiles(const PriceProfileMap &profiles)
{
    SqliteTestConnection connection;
    QVERIFY(openPriceDatabase(connection.database(), defaultPriceDatabasePath()).ok());
    QVERIFY(savePriceProfiles(connection.database(), profiles, profiles.first()).ok());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

QString appDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

template <typename T> T *child(MainWindow &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("missing widget %s", name);
    return widget;
}

QStringList comboData(MainWindow &window, const char *name)
{
    QStringList data;
    auto *combo = child<QComboBox>(window, name);
    for (int i = 0; i < combo->count(); ++i)
        data << combo->itemData(i).toString();
    return data;
}

QString activeProfileSetting()
{
    return QSettings().value(SettingsKeys::activePriceProfile).toString();
}

// Adds the files and waits for their analyses; false when they do not finish in time.
bool addAndAnalyse(MainWindow &window, const QStringList &paths, QHash<QString, int> &rowOf)
{
    window.addPaths(paths);
    if (!QTest::qWaitFor([&window] { return window.pendingAnalysisCount() == 0; }, 20000))
        return false;
    rowOf.clear();
    for (int row = 0; row < child<QTableWidget>(window, "documentTable")->rowCount(); ++row)
        rowOf.insert(window.cellText(row, FileNameColumn), row);
    return true;
}

} // namespace

class ProfilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase() { init(); }
    void newUserGetsTheDefaultProfile_data();
    void newUserGetsTheDefaultProfile();
    void storedActiveProfileIsSelected_data();
    void storedActiveProfileIsSelected();
    void switchingProfileRepricesEveryRow();
    void customBindingMethodsAreListedInKeyOrder();
    void damagedStorageLeavesTheDefaults_data();
    void damagedStorageLeavesTheDefaults();
    void oldFormatPricesBecomeTheDefaultProfile_data();
    void oldFormatPricesBecomeTheDefaultProfile();

private:
    QString page(const QString &name, int width, int height);
    QString a4Page() { return page(QStringLiteral("a4.png"), 2480, 3508); }
    // Unit price of a newly added A4 page.
    QString a4Price(MainWindow &window);

    QTemporaryDir m_dir;
};

void ProfilesTest::initTestCase()
{
    isolateTestEnvironment(QStringLiteral("tst_gui_profiles"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    applyApplicationStyle(*qApp);
    QVERIFY(m_dir.isValid());
}

void ProfilesTest::init()
{
    QSettings().clear();
    const QString folder = appDataFolder();
    if (QFileInfo(folder).isFile())
        QFile::remove(folder);
    QDir(folder).removeRecursively();
}

QString ProfilesTest::page(const QString &name, int width, int height)
{
    const QString path = m_dir.filePath(name);
    if (!QFile::exists(path))
        writePage(path, width, height);
    return path;
}

QString ProfilesTest::a4Price(MainWindow &window)
{
    QHash<QString, int> rowOf;
    if (!addAndAnalyse(window, {a4Page()}, rowOf))
        return QStringLiteral("analysis timed out");
    return window.cellText(rowOf.value(QStringLiteral("a4.png")), UnitPriceColumn);
}

void ProfilesTest::newUserGetsTheDefaultProfile_data()
{
    QTest::addColumn<QVariant>("storedCurrency"); // null: the key is absent
    QTest::addColumn<QVariant>("storedTaxRate");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<double>("taxRate");
    QTest::newRow("no settings") << QVariant() << QVariant() << QStringLiteral("USD") << 0.0;
    // Older versions kept these two in the settings store; the first profile takes them over.
    QTest::newRow("settings of an older version")
        << QVariant(QStringLiteral("eur")) << QVariant(150) << QStringLiteral("EUR") << 100.0;
}

void ProfilesTest::newUserGetsTheDefaultProfile()
{
    QFETCH(QVariant, storedCurrency);
    QFETCH(QVariant, storedTaxRate);
    QFETCH(QString, currency);
    QFETCH(double, taxRate);
    if (!storedCurrency.isNull())
        QSettings().setValue(SettingsKeys::currencyCode, storedCurrency);
    if (!storedTaxRate.isNull())
        QSettings().setValue(SettingsKeys::taxRate, storedTaxRate);
    const QString path = defaultPriceDatabasePath();
    QVERIFY(!QFile::exists(path));
    MessageBoxLog boxes;
    MainWindow window;
    QCOMPARE(boxes.titles(), QStringList());

    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("orvanta.db"));
    for (const char *table : {"price_settings", "price_profiles", "quotes"})
        QVERIFY2(!tableColumns(path, QLatin1String(table)).isEmpty(), table);
    QVERIFY(tableColumns(path, QStringLiteral("price_profiles")).contains(QStringLiteral("profile_options")));
    const QStringList stored = dumpTables(path, {QStringLiteral("price_profiles")});
    QCOMPARE(stored.size(), 1);
    QVERIFY2(stored.first().startsWith(QStringLiteral("price_profiles: 通用|")), qPrintable(stored.first()));

    QCOMPARE(comboData(window, "profileCombo"), QStringList{QStringLiteral("通用")});
    QCOMPARE(child<QComboBox>(window, "profileCombo")->currentText(), QStringLiteral("通用"));
    QCOMPARE(activeProfileSetting(), QStringLiteral("通用"));

    QCOMPARE(window.currentProfile().taxRate, taxRate);
    QCOMPARE(a4Price(window), QStringLiteral("0.05"));
    QVERIFY(child<QLabel>(window, "amountValue")->text().contains(currency));
}

void ProfilesTest::storedActiveProfileIsSelected_data()
{
    QTest::addColumn<QString>("storedName"); // empty: the key is absent
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("price");
    QTest::newRow("named profile") << QStringLiteral("Office") << QStringLiteral("Office")
                                   << QStringLiteral("0.10");
    QTest::newRow("missing name takes the first by name")
        << QStringLiteral("Deleted") << QStringLiteral("Copyshop") << QStringLiteral("0.20");
    QTest::newRow("name differing in case is missing")
        << QStringLiteral("office") << QStringLiteral("Copyshop") << QStringLiteral("0.20");
    QTest::newRow("absent key takes the default profile")
        << QString() << QStringLiteral("通用") << QStringLiteral("0.30");
}

void ProfilesTest::storedActiveProfileIsSelected()
{
    QFETCH(QString, storedName);
    QFETCH(QString, selected);
    QFETCH(QString, price);
    storeProfiles({{QStringLiteral("Office"), profileWith(0.10, 0.5, 0, QStringLiteral("USD"))},
                   {QStringLiteral("Copyshop"), profileWith(0.20, 0.5, 0, QStringLiteral("USD"))},
                   {QStringLiteral("通用"), profileWith(0.30, 0.5, 0, QStringLiteral("USD"))}});
    if (!storedName.isEmpty())
        QSettings().setValue(SettingsKeys::activePriceProfile, storedName);

    MessageBoxLog boxes;
    MainWindow window;
    QCOMPARE(boxes.titles(), QStringList());
    QCOMPARE(comboData(window, "profileCombo"),
             (QStringList{QStringLiteral("Copyshop"), QStringLiteral("Office"), QStringLiteral("通用")}));
    QCOMPARE(child<QComboBox>(window, "profileCombo")->currentData().toString(), selected);
    QCOMPARE(activeProfileSetting(), selected);
    QCOMPARE(a4Price(window), price);
}

void ProfilesTest::switchingProfileRepricesEveryRow()
{
    const PriceProfile alpha = profileWith(0.10, 0.30, 0.30, QStringLiteral("USD"));
    const PriceProfile beta = profileWith(0.25, 0.40, 1.00, QStringLiteral("EUR"));
    storeProfiles({{QStringLiteral("Alpha"), alpha}, {QStringLiteral("Beta"), beta}});
    QSettings().setValue(SettingsKeys::activePriceProfile, QStringLiteral("Alpha"));
    const QStringList paths = {a4Page(), page(QStringLiteral("a4-landscape.png"), 3508, 2480),
                               page(QStringLiteral("a3.png"), 3508, 4961)};
    {
        MessageBoxLog boxes;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QHash<QString, int> rowOf;
        QVERIFY(addAndAnalyse(window, paths, rowOf));
        const int a4 = rowOf.value(QStringLiteral("a4.png"));
        const int landscape = rowOf.value(QStringLiteral("a4-landscape.png"));
        const int a3 = rowOf.value(QStringLiteral("a3.png"));
        QCOMPARE(window.cellText(a3, SizeColumn), QStringLiteral("A3"));
        QCOMPARE(window.cellText(landscape, UnitPriceColumn), QStringLiteral("0.10"));
        auto *binding = child<QComboBox>(window, "bindingCombo");
        binding->setCurrentIndex(binding->findData(QStringLiteral("cornerStaple")));
        window.setRowColorMode(a3, QStringLiteral("laserColor"));
        auto *table = child<QTableWidget>(window, "documentTable");
        table->item(a4, UnitPriceColumn)->setText(QStringLiteral("9.99"));
        QCOMPARE(window.cellText(a4, AmountColumn), QStringLiteral("10.29"));

        auto *profiles = child<QComboBox>(window, "profileCombo");
        profiles->setCurrentIndex(profiles->findData(QStringLiteral("Beta")));
        QCOMPARE(window.cellText(a4, UnitPriceColumn), QStringLiteral("0.25"));
        QCOMPARE(window.cellText(landscape, UnitPriceColumn), QStringLiteral("0.25"));
        QCOMPARE(window.cellText(a3, UnitPriceColumn), QStringLiteral("1.60"));
        QCOMPARE(window.cellText(a4, AmountColumn), QStringLiteral("1.25"));
        QCOMPARE(window.cellText(a3, AmountColumn), QStringLiteral("2.60"));
        const QString tip = QStringLiteral("装订费：%1/份").arg(formatMoney(beta, 1.00));
        for (int row : {a4, landscape, a3})
            QCOMPARE(table->item(row, BindingColumn)->toolTip(), tip);
        const QString total = child<QLabel>(window, "amountValue")->text();
        QVERIFY2(total.contains(QStringLiteral("5.10")) && total.contains(QStringLiteral("EUR")),
                 qPrintable(total));
        QCOMPARE(activeProfileSetting(), QStringLiteral("Beta"));
        QCOMPARE(window.currentProfile(), beta);

        auto *printMode = child<QComboBox>(window, "printModeCombo");
        printMode->setCurrentIndex(printMode->findData(QStringLiteral("duplex")));
        // The open selector is a window of its own; draw it over the main window's picture.
        profiles->showPopup();
        QWidget *popup = profiles->view()->window();
        QTRY_VERIFY(popup->isVisible());
        QPixmap picture = window.grab();
        QPainter(&picture).drawPixmap(window.mapFromGlobal(popup->mapToGlobal(QPoint())), popup->grab());
        picture.save(saveScreenshot(&window, QStringLiteral("profiles-switched")));
        profiles->hidePopup();
        QCOMPARE(boxes.titles(), QStringList());
    }
    MessageBoxLog boxes;
    MainWindow reopened;
    QCOMPARE(child<QComboBox>(reopened, "profileCombo")->currentData().toString(), QStringLiteral("Beta"));
    QCOMPARE(reopened.currentProfile(), beta);
    QCOMPARE(child<QComboBox>(reopened, "printModeCombo")->currentData().toString(),
             QStringLiteral("duplex"));
    QVERIFY(reopened.isDuplex());
    QCOMPARE(boxes.titles(), QStringList());
}

void ProfilesTest::customBindingMethodsAreListedInKeyOrder()
{
    QVariantMap stored;
    stored.insert(QStringLiteral("custom:b"), QStringLiteral("  Spiral  "));
    stored.insert(QStringLiteral("custom:a"), QStringLiteral("Ring"));
    stored.insert(QStringLiteral("plain"), QStringLiteral("No prefix"));
    stored.insert(QStringLiteral("Custom:c"), QStringLiteral("Wrong case"));
    stored.insert(QStringLiteral("custom:d"), QStringLiteral("   "));
    stored.insert(QStringLiteral("custom:e"), QString());
    QSettings().setValue(SettingsKeys::customBindingMethods, stored);

    MainWindow window;
    const QStringList expectedKeys =
        builtInBindingKeys() + QStringList{QStringLiteral("custom:a"), QStringLiteral("custom:b")};
    QCOMPARE(comboData(window, "bindingCombo"), expectedKeys);
    auto *binding = child<QComboBox>(window, "bindingCombo");
    QCOMPARE(binding->itemText(binding->count() - 2), QStringLiteral("Ring"));
    QCOMPARE(binding->itemText(binding->count() - 1), QStringLiteral("Spiral"));

    // A custom method chosen in the top bar is given to new rows.
    binding->setCurrentIndex(binding->count() - 1);
    QCOMPARE(a4Price(window), QStringLiteral("0.05"));
    QCOMPARE(window.rowBinding(0), QStringLiteral("custom:b"));
    QCOMPARE(window.cellText(0, BindingColumn), QStringLiteral("Spiral"));
}

void ProfilesTest::damagedStorageLeavesTheDefaults_data()
{
    QTest::addColumn<bool>("folderIsAFile");
    QTest::addColumn<QStringList>("statements"); // none: the database file holds random bytes
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("textPart");
    QTest::newRow("database file of random bytes")
        << false << QStringList() << QStringLiteral("数据库升级失败") << QStringLiteral("not a database");
    QTest::newRow("database folder is a regular file")
        << true << QStringList() << QStringLiteral("数据库错误") << QStringLiteral("unable to open");
    // Every table and upgraded column exists, but the profiles are not where they are looked for.
    QTest::newRow("profile table of another layout")
        << false
        << QStringList{QStringLiteral("CREATE TABLE price_settings (id INTEGER PRIMARY KEY, bw_single REAL, "
                                      "bw_double REAL, color_single REAL, color_double REAL, binding REAL, "
                                      "price_a0, price_a1, price_a2, price_a3, price_a4, price_a5, price_b4, "
                                      "price_b5, price_other)"),
                       QStringLiteral("CREATE TABLE price_profiles (name TEXT, color_prices TEXT, "
                                      "binding_prices TEXT, profile_options TEXT)"),
                       QStringLiteral("INSERT INTO price_profiles VALUES ('Office', '{}', '{}', '{}')"),
                       QStringLiteral("CREATE TABLE quotes (id INTEGER PRIMARY KEY)")}
        << QStringLiteral("数据库错误") << QStringLiteral("no such column");
}

void ProfilesTest::damagedStorageLeavesTheDefaults()
{
    QFETCH(bool, folderIsAFile);
    QFETCH(QStringList, statements);
    QFETCH(QString, title);
    QFETCH(QString, textPart);
    const QString blocked = folderIsAFile ? appDataFolder() : defaultPriceDatabasePath();
    QByteArray bytes(folderIsAFile || !statements.isEmpty() ? 0 : 8192, '\0');
    QRandomGenerator generator(20261206);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    QVERIFY(QDir().mkpath(QFileInfo(blocked).absolutePath()));
    QSettings().setValue(SettingsKeys::activePriceProfile, QStringLiteral("Office"));
    if (statements.isEmpty()) {
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    } else {
        QVERIFY(runSql(blocked, statements));
        bytes = fileBytes(blocked);
    }
    {
        MessageBoxLog boxes;
        MainWindow window;
        QCOMPARE(boxes.titles(), QStringList{title});
        QVERIFY2(boxes.texts().first().contains(textPart, Qt::CaseInsensitive),
                 qPrintable(boxes.texts().first()));
        QCOMPARE(child<QComboBox>(window, "profileCombo")->count(), 0);
        QCOMPARE(a4Price(window), QStringLiteral("0.05"));
        QVERIFY(child<QLabel>(window, "amountValue")->text().contains(QStringLiteral("USD")));
        QCOMPARE(boxes.titles().size(), 1);
    }
    QCOMPARE(activeProfileSetting(), QStringLiteral("Office")); // kept for when the file is readable again
    // Nothing was written next to or into the file that could not be read.
    QCOMPARE(fileBytes(blocked), bytes);
    QCOMPARE(QDir(QFileInfo(blocked).absolutePath()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(blocked).fileName()});
}

void ProfilesTest::oldFormatPricesBecomeTheDefaultProfile_data()
{
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QString>("b4Price");
    const QString create = QStringLiteral(
        "CREATE TABLE IF NOT EXISTS price_settings (id INTEGER PRIMARY KEY CHECK(id=1), bw_single REAL, "
        "bw_double REAL, color_single REAL, color_double REAL, binding REAL, price_a0 REAL, price_a1 REAL, "
        "price_a2 REAL, price_a3 REAL, price_a4 REAL, price_a5 REAL, price_b4 REAL, price_b5 REAL, "
        "price_other REAL)");
    const QString insert = QStringLiteral(
        "INSERT INTO price_settings(id,bw_single,bw_double,color_single,color_double,binding,price_a0,"
        "price_a1,price_a2,price_a3,price_a4,price_a5,price_b4,price_b5,price_other) "
        "VALUES(1,0.15,0.15,0.9,0.9,0.5,2.0,1.5,1.0,0.3,0.12,0.08,0.26,0.11,0.15)");
    QTest::newRow("settings row with every price column")
        << QStringList{create, insert} << QStringLiteral("0.26");
    // Before B4 and B5 had columns, those sizes cost the single-sided price.
    QTest::newRow("settings row without B4 and B5 columns")
        << QStringList{QString(create).remove(QStringLiteral("price_b4 REAL, price_b5 REAL, ")),
                       QString(insert)
                           .remove(QStringLiteral("price_b4,price_b5,"))
                           .remove(QStringLiteral("0.26,0.11,"))}
        << QStringLiteral("0.15");
}

void ProfilesTest::oldFormatPricesBecomeTheDefaultProfile()
{
    QFETCH(QStringList, statements);
    QFETCH(QString, b4Price);
    const QString path = defaultPriceDatabasePath();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(runSql(path, statements));

    MessageBoxLog boxes;
    MainWindow window;
    QCOMPARE(boxes.titles(), QStringList());
    QCOMPARE(comboData(window, "profileCombo"), QStringList{QStringLiteral("通用")});
    const QStringList stored = dumpTables(path, {QStringLiteral("price_profiles")});
    QCOMPARE(stored.size(), 1);
    const QStringList columns = stored.first().split(QLatin1Char('|'));
    QCOMPARE(columns.value(0), QStringLiteral("price_profiles: 通用"));
    QCOMPARE(columns.value(1).toDouble(), 0.5);  // binding
    QCOMPARE(columns.value(6).toDouble(), 0.12); // price_a4

    QHash<QString, int> rowOf;
    QVERIFY(addAndAnalyse(window, {a4Page(), page(QStringLiteral("b4.png"), 2953, 4169)}, rowOf));
    const int a4 = rowOf.value(QStringLiteral("a4.png"));
    const int b4 = rowOf.value(QStringLiteral("b4.png"));
    QCOMPARE(window.cellText(b4, SizeColumn), QStringLiteral("B4"));
    QCOMPARE(window.cellText(a4, UnitPriceColumn), QStringLiteral("0.12"));
    QCOMPARE(window.cellText(b4, UnitPriceColumn), b4Price);
    // The old format had one price list; every colour mode starts from it.
    auto *color = child<QComboBox>(window, "colorModeCombo");
    color->setCurrentIndex(color->findData(QStringLiteral("laserColor")));
    QCOMPARE(window.cellText(a4, UnitPriceColumn), QStringLiteral("0.12"));
}

QTEST_MAIN(ProfilesTest)
#include "tst_gui_profiles.moc"
