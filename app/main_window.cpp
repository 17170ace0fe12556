#include "app/main_window.h"

#include "analysis/libreoffice_renderer.h"
#include "orvanta_version.h"
#include "storage/settings_keys.h"
#include "storage/ui_language.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QThread>

#include <algorithm>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    analysisPool.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 4, 8));
    legacyDocPool.setMaxThreadCount(2);

    setWindowTitle(tr("Orvanta v%1 - 文档打印核价").arg(QLatin1String(ORVANTA_VERSION)));
    setMinimumSize(MinimumWindowSize);
    resize(990, 552);
    setAcceptDrops(true);

    {
        const QSettings settings;
        customBindingMethods = loadCustomBindingMethods(settings);
    }
    buildUi();
    buildPageDetailPass();
    buildWordRenderPass();
    documentTable->viewport()->installEventFilter(this);
    connect(documentTable, &QTableWidget::customContextMenuRequested, this,
            [this](const QPoint &position) { showRowContextMenu(position); });
    connect(documentTable, &QTableWidget::cellClicked, this,
            [this](int row, int column) { showCellChoiceMenu(row, column); });
    openDatabase();
    loadPriceSettings();
    recalculate();
}

MainWindow::~MainWindow()
{
    if (database.isOpen())
        database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    // Running analyses finish before the members they report to go away; their watchers are
    // children of this window, so late results are never applied. An office-suite render of a
    // legacy batch is stopped rather than waited for.
    cancelRunningOfficeRenders();
    wordRenderPass->cancelAll();
    legacyDocPool.waitForDone();
    analysisPool.waitForDone();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (documentTable && watched == documentTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        removeSelectedDocuments();
        return true;
    }
    if (documentTable && watched == documentTable->viewport() && event->type() == QEvent::Resize)
        placeEmptyHint();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeEmptyHint();
}

void MainWindow::changeLanguage(int index)
{
    if (!languageCombo || index < 0)
        return;
    const QString code = languageCombo->itemData(index).toString();
    if (code == currentLanguageCode())
        return;
    {
        QSettings settings;
        settings.setValue(QStringLiteral("language"), code);
        settings.sync();
    }
    const auto answer =
        QMessageBox::question(this, tr("切换语言"), tr("语言设置已保存，重启软件后生效。是否现在重启？"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) {
        statusBar()->showMessage(tr("新语言将在下次启动时生效"), 4000);
        return;
    }
    QProcess::startDetached(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
    QCoreApplication::quit();
}
