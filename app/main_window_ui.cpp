#include "app/main_window.h"

#include "app/eliding_combo_box.h"
#include "app/minimum_width_follower.h"
#include "documents/document_columns.h"
#include "documents/page_loading_indicator.h"
#include "pricing/regional_format.h"
#include "storage/settings_keys.h"
#include "storage/ui_language.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

void MainWindow::buildUi()
{
    auto *central = new QWidget(this);
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    centralLayout->addWidget(buildTopBar());

    auto *content = new QWidget(central);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);

    auto *panel = new QFrame(content);
    panel->setObjectName(QStringLiteral("panel"));
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(8, 8, 8, 8);
    panelLayout->setSpacing(0);
    buildDocumentTable();
    panelLayout->addWidget(documentTable, 1);

    contentLayout->addWidget(panel, 1);
    contentLayout->addWidget(buildBottomBar());
    centralLayout->addWidget(content, 1);
    setCentralWidget(central);

    buildStatusBar();

    QTimer::singleShot(0, this, [this] {
        fitComboWidth(colorModeCombo);
        fitComboWidth(bindingCombo);
        fitComboWidth(printModeCombo);
        if (QWidget *topBar = findChild<QWidget *>(QStringLiteral("topBar")); topBar && topBar->layout()) {
            topBar->layout()->invalidate();
            topBar->layout()->activate();
        }
        fitChoiceColumns();
    });
}

QWidget *MainWindow::buildTopBar()
{
    auto *topBar = new QWidget(this);
    topBar->setObjectName(QStringLiteral("topBar"));
    auto *outer = new QVBoxLayout(topBar);
    outer->setContentsMargins(8, 4, 8, 4);
    outer->setSpacing(0);
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    outer->addLayout(row);

    row->addWidget(new QLabel(tr("价格角色"), topBar));
    profileCombo = new ElidingComboBox(topBar);
    profileCombo->setObjectName(QStringLiteral("profileCombo"));
    profileCombo->setMinimumWidth(90);
    profileCombo->setMaximumWidth(140);
    row->addWidget(profileCombo);

    row->addWidget(new QLabel(tr("颜色"), topBar));
    colorModeCombo = new ElidingComboBox(topBar);
    colorModeCombo->setObjectName(QStringLiteral("colorModeCombo"));
    for (const QString &key : colorModeKeys())
        colorModeCombo->addItem(colorModeLabel(key), key);
    colorModeCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    colorModeCombo->setToolTip(tr("统一设置列表中所有文件的颜色"));
    fitComboWidth(colorModeCombo);
    row->addWidget(colorModeCombo);

    row->addWidget(new QLabel(tr("装订"), topBar));
    bindingCombo = new ElidingComboBox(topBar);
    bindingCombo->setObjectName(QStringLiteral("bindingCombo"));
    for (const QString &key : bindingKeys(customBindingMethods))
        bindingCombo->addItem(bindingLabel(key, customBindingMethods), key);
    bindingCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bindingCombo->setToolTip(tr("统一设置列表中所有文件的装订方式"));
    fitComboWidth(bindingCombo);
    row->addWidget(bindingCombo);

    row->addWidget(new QLabel(tr("单双面"), topBar));
    printModeCombo = new ElidingComboBox(topBar);
    printModeCombo->setObjectName(QStringLiteral("printModeCombo"));
    printModeCombo->addItem(tr("单面"), QStringLiteral("simplex"));
    printModeCombo->addItem(tr("双面"), QStringLiteral("duplex"));
    printModeCombo->setCurrentIndex(std::max(0, printModeCombo->findData(readPrintMode(QSettings()))));
    printModeCombo->setToolTip(tr("双面打印时使用当前价格角色的双面价格系数"));
    // Its own minimum is too small for the stylesheet's padding once the window is at its minimum.
    fitComboWidth(printModeCombo);
    row->addWidget(printModeCombo);

    row->addWidget(new QLabel(tr("份数"), topBar));
    globalCopiesSpin = new QSpinBox(topBar);
    globalCopiesSpin->setObjectName(QStringLiteral("globalCopiesSpin"));
    globalCopiesSpin->setRange(1, 9999);
    globalCopiesSpin->setValue(1);
    globalCopiesSpin->setFixedSize(64, 26);
    globalCopiesSpin->setAlignment(Qt::AlignCenter);
    globalCopiesSpin->setToolTip(tr("设置所有文件的打印份数"));
    row->addWidget(globalCopiesSpin);

    row->addStretch();
    auto *settingsButton = new QPushButton(tr("价格设置"), topBar);
    settingsButton->setObjectName(QStringLiteral("priceSettingsButton"));
    row->addWidget(settingsButton);
    auto *clearButton = new QPushButton(tr("清空"), topBar);
    clearButton->setObjectName(QStringLiteral("dangerButton"));
    row->addWidget(clearButton);
    // The stylesheet's font decides the widths; polish now so that the window starts wide enough.
    topBar->ensurePolished();
    for (QComboBox *combo : {colorModeCombo, bindingCombo, printModeCombo})
        fitComboWidth(combo);
    new MinimumWidthFollower(topBar, this, MinimumWindowSize.width());

    connect(colorModeCombo, &QComboBox::currentTextChanged, this, [this] { fitComboWidth(colorModeCombo); });
    connect(colorModeCombo, &QComboBox::currentIndexChanged, this, [this] { applyColorModeToAllRows(); });
    connect(bindingCombo, &QComboBox::currentTextChanged, this, [this] { fitComboWidth(bindingCombo); });
    connect(bindingCombo, &QComboBox::currentIndexChanged, this, [this] { applyBindingToAllRows(); });
    connect(printModeCombo, &QComboBox::currentTextChanged, this, [this] { fitComboWidth(printModeCombo); });
    connect(printModeCombo, &QComboBox::currentIndexChanged, this, [this] {
        QSettings settings;
        writePrintMode(settings, printModeCombo->currentData().toString());
        recalculate();
    });
    connect(profileCombo, &QComboBox::currentIndexChanged, this,
            [this] { applyProfile(profileCombo->currentData().toString()); });
    connect(globalCopiesSpin, &QSpinBox::valueChanged, this,
            [this](int value) { applyCopiesToAllRows(value); });
    connect(settingsButton, &QPushButton::clicked, this, &MainWindow::showPriceSettings);
    connect(clearButton, &QPushButton::clicked, this, &MainWindow::clearAll);
    return topBar;
}

void MainWindow::buildDocumentTable()
{
    documentTable = new QTableWidget(0, DocumentColumnCount, this);
    documentTable->setObjectName(QStringLiteral("documentTable"));
    documentTable->setHorizontalHeaderLabels({tr("文件名称  ▼"), tr("颜色"), tr("页数  ▼"), tr("尺寸  ▼"),
                                              tr("份数"), tr("单价/页"), tr("装订方式"), tr("小计")});
    documentTable->verticalHeader()->setVisible(false);
    documentTable->setShowGrid(true);
    documentTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    documentTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    documentTable->setAlternatingRowColors(false);
    documentTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    documentTable->setContextMenuPolicy(Qt::CustomContextMenu);
    documentTable->installEventFilter(this);

    QHeaderView *header = documentTable->horizontalHeader();
    header->setFixedHeight(28);
    header->setSectionResizeMode(FileNameColumn, QHeaderView::Stretch);
    for (int column = ColorColumn; column < DocumentColumnCount; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    for (int column : {AmountColumn, SizeColumn, ColorColumn, BindingColumn})
        header->setSectionResizeMode(column, QHeaderView::Fixed);
    // Fitting a column measures rows; the visible ones are enough for numbers, and measuring a
    // thousand rows after every batch of results kept the window busy for tens of milliseconds.
    header->setResizeContentsPrecision(0);
    documentTable->setColumnWidth(AmountColumn, 82);
    documentTable->setColumnWidth(SizeColumn, 96);
    documentTable->verticalHeader()->setDefaultSectionSize(DocumentRowHeight);
    documentTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    new PageLoadingIndicator(documentTable, PagesColumn);

    connect(header, &QHeaderView::sectionClicked, this, [this](int column) { showSortMenu(column); });
    connect(documentTable, &QTableWidget::cellChanged, this,
            [this](int row, int column) { validateEditedCell(row, column); });

    emptyHintLabel = new QLabel(tr("把文档、图片或文件夹拖到这里即可开始\n支持 PDF、Word（DOC、DOCX）、WPS "
                                   "文档和 JPG、PNG、BMP、GIF、WebP、TIFF 图片"),
                                documentTable->viewport());
    emptyHintLabel->setObjectName(QStringLiteral("muted"));
    emptyHintLabel->setAlignment(Qt::AlignCenter);
    emptyHintLabel->setWordWrap(true);
    emptyHintLabel->setGeometry(0, 0, documentTable->viewport()->width(), 220);
    emptyHintLabel->show();
    fitChoiceColumns();
}

QWidget *MainWindow::buildBottomBar()
{
    auto *bottomBar = new QWidget(this);
    bottomBar->setObjectName(QStringLiteral("bottomBar"));
    auto *layout = new QHBoxLayout(bottomBar);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(8);
    layout->addWidget(new QLabel(tr("合计："), bottomBar));
    fileCountLabel = new QLabel(tr("0 个"), bottomBar);
    fileCountLabel->setObjectName(QStringLiteral("fileCountLabel"));
    layout->addWidget(fileCountLabel);
    layout->addWidget(new QLabel(QStringLiteral("/"), bottomBar));
    pageCountLabel = new QLabel(tr("0 页"), bottomBar);
    pageCountLabel->setObjectName(QStringLiteral("pageCountLabel"));
    layout->addWidget(pageCountLabel);
    layout->addWidget(new QLabel(QStringLiteral("/"), bottomBar));
    amountValue = new QLabel(formatMoney(activeProfile, 0), bottomBar);
    amountValue->setObjectName(QStringLiteral("amountValue"));
    layout->addWidget(amountValue);
    provisionalLabel = new QLabel(bottomBar);
    provisionalLabel->setObjectName(QStringLiteral("provisionalLabel"));
    provisionalLabel->setToolTip(tr("按页计价的金额要等每页的颜色和尺寸检查完才确定"));
    provisionalLabel->hide();
    layout->addWidget(provisionalLabel);
    layout->addStretch();
    // The customer of this quote, typed without opening the price settings.
    layout->addWidget(new QLabel(tr("客户"), bottomBar));
    customerEdit = new QLineEdit(bottomBar);
    customerEdit->setObjectName(QStringLiteral("customerEdit"));
    customerEdit->setPlaceholderText(tr("客户名称"));
    customerEdit->setMinimumWidth(90);
    customerEdit->setMaximumWidth(200);
    layout->addWidget(customerEdit, 1);
    connect(customerEdit, &QLineEdit::textEdited, this,
            [this](const QString &text) { activeProfile.customerName = text; });
    auto *historyButton = new QPushButton(tr("报价记录"), bottomBar);
    historyButton->setObjectName(QStringLiteral("quoteHistoryButton"));
    connect(historyButton, &QPushButton::clicked, this, &MainWindow::showQuoteHistory);
    layout->addWidget(historyButton);
    exportButton = new QPushButton(tr("导出报价单 ▾"), bottomBar);
    exportButton->setObjectName(QStringLiteral("primaryButton"));
    layout->addWidget(exportButton);

    exportMenu = new QMenu(exportButton);
    QAction *pdfAction = exportMenu->addAction(tr("导出 PDF 报价单"));
    pdfAction->setObjectName(QStringLiteral("exportPdfAction"));
    QAction *excelAction = exportMenu->addAction(tr("导出 Excel 明细"));
    excelAction->setObjectName(QStringLiteral("exportExcelAction"));
    connect(pdfAction, &QAction::triggered, this, &MainWindow::exportQuotePdf);
    connect(excelAction, &QAction::triggered, this, &MainWindow::exportExcel);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        const QPoint below(exportButton->width() - exportMenu->sizeHint().width(), exportButton->height());
        exportMenu->popup(exportButton->mapToGlobal(below));
    });
    return bottomBar;
}

void MainWindow::buildStatusBar()
{
    languageCombo = new QComboBox(statusBar());
    languageCombo->setObjectName(QStringLiteral("languageCombo"));
    languageCombo->setToolTip(tr("语言"));
    const QList<QPair<QString, QString>> languages = {
        {QStringLiteral("简体中文"), QStringLiteral("zh_CN")},
        {QStringLiteral("English"), QStringLiteral("en_US")},
        {QStringLiteral("日本語"), QStringLiteral("ja_JP")},
        {QStringLiteral("한국어"), QStringLiteral("ko_KR")},
        {QStringLiteral("Deutsch"), QStringLiteral("de_DE")},
        {QStringLiteral("Français"), QStringLiteral("fr_FR")},
        {QStringLiteral("Русский"), QStringLiteral("ru_RU")},
    };
    for (const auto &language : languages)
        languageCombo->addItem(language.first, language.second);
    languageCombo->setCurrentIndex(std::max(0, languageCombo->findData(currentLanguageCode())));
    connect(languageCombo, &QComboBox::currentIndexChanged, this, &MainWindow::changeLanguage);
    statusBar()->addPermanentWidget(languageCombo, 0);
    statusBar()->clearMessage();
}

void MainWindow::fitComboWidth(QComboBox *combo)
{
    if (!combo)
        return;
    const QFontMetrics metrics(combo->font());
    const QString text = combo->currentText();
    const int width = std::max(metrics.boundingRect(text).width(), metrics.horizontalAdvance(text));
    // A very long name (custom binding methods have no length limit) is cut with an ellipsis
    // instead of pushing the window wider without bound.
    combo->setMinimumWidth(std::min(width + 42, MaximumChoiceComboWidth));
    combo->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    combo->updateGeometry();
}

void MainWindow::fitChoiceColumns()
{
    if (!documentTable || !colorModeCombo || !bindingCombo)
        return;
    const QFontMetrics headerMetrics(documentTable->horizontalHeader()->font());
    const QFontMetrics cellMetrics(documentTable->font());
    int index = 0;
    for (int column : {ColorColumn, BindingColumn}) {
        const QTableWidgetItem *header = documentTable->horizontalHeaderItem(column);
        int width = headerMetrics.horizontalAdvance(header ? header->text() : QString()) + 24;
        // Rows repeat a handful of labels; measure each distinct one once.
        QSet<QString> measured;
        for (int row = 0; row < documentTable->rowCount(); ++row) {
            const QTableWidgetItem *item = documentTable->item(row, column);
            if (!item || measured.contains(item->text()))
                continue;
            measured.insert(item->text());
            width = std::max(width, cellMetrics.horizontalAdvance(item->text()) + 24);
        }
        choiceColumnWidths[index++] = width;
        documentTable->setColumnWidth(column, width);
    }
    documentTable->doItemsLayout();
    documentTable->viewport()->update();
    QTimer::singleShot(0, this, [this] {
        documentTable->doItemsLayout();
        documentTable->viewport()->update();
    });
}

// Adding a row can only widen the choice columns, so a drop of thousands of files measures just
// the new row instead of rescanning the whole table for each one.
void MainWindow::raiseChoiceColumnWidths(int row)
{
    const QFontMetrics cellMetrics(documentTable->font());
    int index = 0;
    for (int column : {ColorColumn, BindingColumn}) {
        int &width = choiceColumnWidths[index++];
        const QTableWidgetItem *item = documentTable->item(row, column);
        if (!item)
            continue;
        auto measured = measuredChoiceTexts.constFind(item->text());
        if (measured == measuredChoiceTexts.cend())
            measured =
                measuredChoiceTexts.insert(item->text(), cellMetrics.horizontalAdvance(item->text()) + 24);
        if (*measured > width) {
            width = *measured;
            documentTable->setColumnWidth(column, width);
        }
    }
}

void MainWindow::setEmptyHintVisible(bool visible)
{
    if (!emptyHintLabel)
        return;
    if (!visible) {
        emptyHintLabel->hide();
        return;
    }
    placeEmptyHint();
    emptyHintLabel->show();
}

void MainWindow::placeEmptyHint()
{
    if (!emptyHintLabel || !documentTable)
        return;
    const QWidget *viewport = documentTable->viewport();
    const QRect geometry(0, 40, viewport->width(), std::max(viewport->height() - 40, 120));
    if (emptyHintLabel->geometry() != geometry)
        emptyHintLabel->setGeometry(geometry);
}
