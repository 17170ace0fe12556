#include "app/application_setup.h"
#include "app/main_window.h"
#include "documents/document_columns.h"
#include "support/gui_test_support.h"
#include "support/test_environment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

constexpr int DotsPerMeter300Dpi = 11811;

bool writeA4Image(const QString &path, bool landscape)
{
    QImage image(landscape ? 3508 : 2480, landscape ? 2480 : 3508, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(DotsPerMeter300Dpi);
    image.setDotsPerMeterY(DotsPerMeter300Dpi);
    return image.save(path);
}

template <typename T> T *child(QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    return QString::fromLatin1(widget->metaObject()->className());
}

// A row that needs more room than the window gives squeezes its widgets below their minimum, and
// long texts are then cut off or overlap their neighbours.
void collectSqueezed(QLayout *layout, QStringList &squeezed)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QLayout *inner = item->layout()) {
            collectSqueezed(inner, squeezed);
        } else if (QWidget *widget = item->widget(); widget && !widget->isHidden()) {
            const int needed = item->minimumSize().width();
            if (widget->width() < needed)
                squeezed.append(QStringLiteral("\"%1\" %2 of %3 px")
                                    .arg(shownText(widget))
                                    .arg(widget->width())
                                    .arg(needed));
        }
    }
}

// Header sections and cells must hold their text (stylesheet padding included).
void collectClippedCells(QTableWidget *table, QStringList &clipped)
{
    const QFontMetrics headerMetrics(table->horizontalHeader()->font());
    const QFontMetrics cellMetrics(table->font());
    for (int column = 0; column < table->columnCount(); ++column) {
        const int width = table->columnWidth(column);
        const QString header = table->horizontalHeaderItem(column)->text();
        if (headerMetrics.horizontalAdvance(header) + 12 > width)
            clipped.append(QStringLiteral("header \"%1\" in %2 px").arg(header).arg(width));
        for (int row = 0; row < table->rowCount(); ++row) {
            const QString text = table->item(row, column)->text();
            if (cellMetrics.horizontalAdvance(text) + 10 > width)
                clipped.append(QStringLiteral("cell \"%1\" in %2 px").arg(text).arg(width));
        }
    }
}

} // namespace

class GuiTranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void windowShowsTheLanguage_data();
    void windowShowsTheLanguage();

private:
    QTemporaryDir m_dir;
};

void GuiTranslationsTest::initTestCase()
{
    isolateTestEnvironment(QStringLiteral("tst_gui_translations"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QVERIFY(m_dir.isValid());
    QVERIFY(writeA4Image(m_dir.filePath(QStringLiteral("portrait.png")), false));
    QVERIFY(writeA4Image(m_dir.filePath(QStringLiteral("landscape.png")), true));
}

void GuiTranslationsTest::windowShowsTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("title");
    QTest::newRow("German") << QStringLiteral("de_DE")
                            << QStringLiteral("Orvanta v1.0.1 - Druckkalkulation für Dokumente");
    QTest::newRow("English") << QStringLiteral("en_US")
                             << QStringLiteral("Orvanta v1.0.1 - Document Print Pricing");
    QTest::newRow("French") << QStringLiteral("fr_FR")
                            << QStringLiteral("Orvanta v1.0.1 - Tarification d’impression de documents");
    QTest::newRow("Japanese") << QStringLiteral("ja_JP") << QStringLiteral("Orvanta v1.0.1 - 文書印刷見積");
    QTest::newRow("Korean") << QStringLiteral("ko_KR") << QStringLiteral("Orvanta v1.0.1 - 문서 인쇄 견적");
    QTest::newRow("Russian") << QStringLiteral("ru_RU")
                             << QStringLiteral("Orvanta v1.0.1 - Расчёт стоимости печати документов");
}

void GuiTranslationsTest::windowShowsTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, title);
    QSettings().clear();
    QTranslator translator;
    QVERIFY(installTranslation(translator, code));
    applyApplicationStyle(*qApp);
    const auto translated = [&translator](const char *context, const char *source) {
        const QString text = translator.translate(context, source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    };

    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), title);

        auto *table = child<QTableWidget>(window, "documentTable");
        QVERIFY(table);
        const char *headers[] = {"文件名称  ▼", "颜色",    "页数  ▼",  "尺寸  ▼",
                                 "份数",        "单价/页", "装订方式", "小计"};
        for (int column = 0; column < DocumentColumnCount; ++column) {
            const QString text = table->horizontalHeaderItem(column)->text();
            QCOMPARE(text, translated("MainWindow", headers[column]));
            QVERIFY2(text != QString::fromUtf8(headers[column]), qPrintable(text));
        }
        auto *clear = child<QPushButton>(window, "dangerButton");
        auto *exportButton = child<QPushButton>(window, "primaryButton");
        QVERIFY(clear && exportButton);
        QCOMPARE(clear->text(), translated("MainWindow", "清空"));
        QCOMPARE(exportButton->text(), translated("MainWindow", "导出报价单 ▾"));
        QVERIFY(exportButton->text().endsWith(QStringLiteral(" ▾")));
        QCOMPARE(child<QLabel>(window, "muted")->text(),
                 translated("MainWindow",
                            "把文档、图片或文件夹拖到这里即可开始\n支持 PDF、Word（DOC、DOCX）、WPS "
                            "文档和 JPG、PNG、BMP、GIF、WebP、TIFF 图片"));
        saveScreenshot(&window, QStringLiteral("translated-%1-empty").arg(code));

        // Rows show translated colour and binding names, and the analyser's landscape suffix.
        window.addPaths({m_dir.path()});
        QCOMPARE(table->rowCount(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(window.pendingAnalysisCount(), 0, 20000);
        QTest::qWait(0);
        QStringList sizes;
        for (int row = 0; row < table->rowCount(); ++row) {
            sizes.append(window.cellText(row, SizeColumn));
            QCOMPARE(window.cellText(row, ColorColumn), translated("MainWindow", "黑白"));
            QCOMPARE(window.cellText(row, BindingColumn), translated("MainWindow", "无装订"));
        }
        sizes.sort();
        QCOMPARE(sizes, (QStringList{QStringLiteral("A4"),
                                     QStringLiteral("A4") + translated("DocumentAnalyzer", " 横向")}));
        QCOMPARE(child<QComboBox>(window, "profileCombo")->currentText(), translated("MainWindow", "通用"));
        QTest::qWait(20); // the column and combo widths settle in zero-delay timers
        saveScreenshot(&window, QStringLiteral("translated-%1-rows").arg(code));

        QStringList clipped;
        for (const char *name : {"topBar", "bottomBar"}) {
            QWidget *bar = child<QWidget>(window, name);
            const int needed = bar->layout()->minimumSize().width();
            if (needed > bar->width())
                clipped.append(QStringLiteral("%1 needs %2 px").arg(QLatin1String(name)).arg(needed));
            collectSqueezed(bar->layout(), clipped);
        }
        collectClippedCells(table, clipped);
        QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("texts that do not fit at %1 px: %2")
                                                   .arg(window.width())
                                                   .arg(clipped.join(QLatin1String(", ")))));
    }
    QVERIFY(QCoreApplication::removeTranslator(&translator));
}

QTEST_MAIN(GuiTranslationsTest)
#include "tst_gui_translations.moc"
