#include "settings_dialog/price_settings_dialog.h"

#include "settings_dialog/price_spin_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel *plainLabel(const QString &text, QWidget *parent, const char *objectName = nullptr)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (objectName)
        label->setObjectName(QLatin1String(objectName));
    return label;
}

QFrame *barFrame(const char *objectName, int spacing, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(objectName));
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(12, 8, 12, 8);
    row->setSpacing(spacing);
    return frame;
}

QHBoxLayout *rowOf(QFrame *frame)
{
    return static_cast<QHBoxLayout *>(frame->layout());
}

QGridLayout *priceGrid(QWidget *parent)
{
    auto *grid = new QGridLayout(parent);
    grid->setContentsMargins(16, 18, 16, 14);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    return grid;
}

// Pair i of a three-pairs-per-row grid: its label at row i / 3, column 2 * (i mod 3).
void addPricePair(QGridLayout *grid, int index, QLabel *label, QWidget *editor)
{
    grid->addWidget(label, index / 3, 2 * (index % 3));
    grid->addWidget(editor, index / 3, 2 * (index % 3) + 1);
}

QSpinBox *integerEditor(int minimum, int maximum, QWidget *parent)
{
    auto *editor = new QSpinBox(parent);
    editor->setRange(minimum, maximum);
    editor->setFixedWidth(108);
    return editor;
}

// A scroll area paints its own window colour; the dialog's and the group's backgrounds should show.
void showParentBackground(QScrollArea *area)
{
    area->viewport()->setAutoFillBackground(false);
    area->widget()->setAutoFillBackground(false);
}

} // namespace

void PriceSettingsDialog::buildUi()
{
    setWindowTitle(tr("价格设置"));
    setMinimumWidth(600);
    resize(760, 820);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    scrollArea = new QScrollArea(this);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    outer->addWidget(scrollArea, 1);
    outer->addWidget(buildFooter());

    content = new QWidget(scrollArea);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(24, 22, 24, 22);
    column->setSpacing(16);
    column->addWidget(plainLabel(tr("按纸张尺寸计价"), content, "title"));
    QLabel *intro =
        plainLabel(tr("识别文档尺寸后自动匹配每页单价；未识别的规格使用“其他”。"), content, "muted");
    intro->setWordWrap(true);
    column->addWidget(intro);
    column->addWidget(buildRegionalBar(content));
    column->addWidget(buildRulesGroup(content));
    column->addWidget(buildProfileBar(content));
    column->addWidget(buildColorBar(content));
    column->addWidget(buildBulkPriceBar(content));
    column->addWidget(buildPagePriceGroup(content));
    column->addWidget(buildBindingGroup(content));
    column->addWidget(buildSellerGroup(content));
    scrollArea->setWidget(content);
    showParentBackground(scrollArea);
    rebuildCustomBindingRows();
}

QWidget *PriceSettingsDialog::buildRegionalBar(QWidget *parent)
{
    QFrame *bar = barFrame("profileBar", 8, parent);
    QHBoxLayout *row = rowOf(bar);

    row->addWidget(plainLabel(tr("地区格式"), bar));
    auto *locales = new QComboBox(bar);
    locales->setObjectName(QStringLiteral("localeSelector"));
    locales->addItem(tr("跟随系统（%1）").arg(QLocale::system().name()), QString());
    const std::pair<const char *, const char *> fixedLocales[] = {
        {"English (United States)", "en_US"}, {"Deutsch (Deutschland)", "de_DE"},
        {"Français (France)", "fr_FR"},       {"日本語（日本）", "ja_JP"},
        {"한국어 (대한민국)", "ko_KR"},       {"Русский (Россия)", "ru_RU"},
        {"简体中文（中国）", "zh_CN"}};
    for (const auto &[text, name] : fixedLocales)
        locales->addItem(QString::fromUtf8(text), QLatin1String(name));
    row->addWidget(locales);
    profileForm.localeSelector = locales;

    row->addWidget(plainLabel(tr("币种"), bar));
    auto *currency = new QComboBox(bar);
    currency->setObjectName(QStringLiteral("currencySelector"));
    currency->setEditable(true);
    // Typed codes are not added to the list; the list stays the common currencies.
    currency->setInsertPolicy(QComboBox::NoInsert);
    currency->addItems({QStringLiteral("USD"), QStringLiteral("EUR"), QStringLiteral("GBP"),
                        QStringLiteral("JPY"), QStringLiteral("CNY"), QStringLiteral("CAD"),
                        QStringLiteral("AUD"), QStringLiteral("CHF"), QStringLiteral("KRW"),
                        QStringLiteral("INR"), QStringLiteral("BRL"), QStringLiteral("MXN"),
                        QStringLiteral("SGD"), QStringLiteral("HKD"), QStringLiteral("NZD")});
    currency->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z]{3}")), currency));
    currency->setMinimumWidth(90);
    row->addWidget(currency);
    profileForm.currencySelector = currency;
    row->addSpacing(12);

    row->addWidget(plainLabel(tr("税率"), bar));
    profileForm.taxRate = createPriceSpinBox(bar, 0);
    profileForm.taxRate->setRange(0, 100);
    profileForm.taxRate->setSuffix(QStringLiteral(" %"));
    profileForm.taxRate->setDecimals(2);
    row->addWidget(profileForm.taxRate);
    profileForm.pricesIncludeTax = new QCheckBox(tr("输入价格已含税"), bar);
    row->addWidget(profileForm.pricesIncludeTax);
    row->addStretch();
    return bar;
}

QWidget *PriceSettingsDialog::buildRulesGroup(QWidget *parent)
{
    auto *group = new QGroupBox(tr("商业计价规则"), parent);
    auto *grid = new QGridLayout(group);

    profileForm.paperStockDescription = new QLineEdit(group);
    profileForm.paperStockDescription->setPlaceholderText(tr("例如：80 gsm uncoated"));
    grid->addWidget(plainLabel(tr("纸张/克重说明"), group), 0, 0);
    grid->addWidget(profileForm.paperStockDescription, 0, 1, 1, 3);

    profileForm.duplexMultiplier = createPriceSpinBox(group, 0);
    profileForm.duplexMultiplier->setRange(0, 10);
    profileForm.duplexMultiplier->setDecimals(3);
    profileForm.setupFee = createPriceSpinBox(group, 0);
    grid->addWidget(plainLabel(tr("双面价格系数"), group), 1, 0);
    grid->addWidget(profileForm.duplexMultiplier, 1, 1);
    grid->addWidget(plainLabel(tr("起步费"), group), 1, 2);
    grid->addWidget(profileForm.setupFee, 1, 3);

    profileForm.minimumCharge = createPriceSpinBox(group, 0);
    profileForm.quoteDiscountPercent = createPriceSpinBox(group, 0);
    profileForm.quoteDiscountPercent->setRange(0, 100);
    profileForm.quoteDiscountPercent->setSuffix(QStringLiteral(" %"));
    grid->addWidget(plainLabel(tr("最低消费"), group), 2, 0);
    grid->addWidget(profileForm.minimumCharge, 2, 1);
    grid->addWidget(plainLabel(tr("整单折扣"), group), 2, 2);
    grid->addWidget(profileForm.quoteDiscountPercent, 2, 3);

    profileForm.volumeThreshold = integerEditor(0, 999999, group);
    profileForm.volumeDiscountPercent = createPriceSpinBox(group, 0);
    profileForm.volumeDiscountPercent->setRange(0, 100);
    profileForm.volumeDiscountPercent->setSuffix(QStringLiteral(" %"));
    grid->addWidget(plainLabel(tr("数量折扣门槛"), group), 3, 0);
    grid->addWidget(profileForm.volumeThreshold, 3, 1);
    grid->addWidget(plainLabel(tr("数量折扣"), group), 3, 2);
    grid->addWidget(profileForm.volumeDiscountPercent, 3, 3);

    profileForm.roundingIncrement = createPriceSpinBox(group, 0);
    profileForm.roundingIncrement->setRange(0, 100);
    profileForm.roundingIncrement->setDecimals(3);
    grid->addWidget(plainLabel(tr("金额舍入单位"), group), 4, 0);
    grid->addWidget(profileForm.roundingIncrement, 4, 1);
    grid->addWidget(plainLabel(tr("数量按所有文件的份数合计；门槛为 0 表示不启用数量折扣。"), group, "muted"),
                    4, 2, 1, 2);

    profileForm.pricePageByPage = new QCheckBox(tr("按页计价"), group);
    profileForm.pricePageByPage->setObjectName(QStringLiteral("pricePageByPage"));
    profileForm.pricePageByPage->setToolTip(
        tr("逐页识别颜色和尺寸：每页按自身尺寸计价，彩色文件中的黑白页按黑白单价计价。"
           "手动输入的单价仍然优先。"));
    grid->addWidget(profileForm.pricePageByPage, 5, 0, 1, 4);
    return group;
}

QWidget *PriceSettingsDialog::buildProfileBar(QWidget *parent)
{
    QFrame *bar = barFrame("profileBar", 8, parent);
    QHBoxLayout *row = rowOf(bar);
    row->addWidget(plainLabel(tr("价格角色"), bar));
    profileSelector = new QComboBox(bar);
    profileSelector->setObjectName(QStringLiteral("profileSelector"));
    profileSelector->setMinimumWidth(150);
    // A very long profile name is cut in the selector instead of widening the whole dialog.
    profileSelector->setMaximumWidth(320);
    for (auto it = profiles.cbegin(); it != profiles.cend(); ++it)
        profileSelector->addItem(it.key() == defaultProfileName() ? tr("通用") : it.key(), it.key());
    profileSelector->setCurrentIndex(profileSelector->findData(currentProfileName));
    row->addWidget(profileSelector);
    addProfileButton = new QPushButton(tr("新增"), bar);
    renameProfileButton = new QPushButton(tr("重命名"), bar);
    deleteProfileButton = new QPushButton(tr("删除"), bar);
    deleteProfileButton->setObjectName(QStringLiteral("dangerButton"));
    row->addWidget(addProfileButton);
    row->addWidget(renameProfileButton);
    row->addWidget(deleteProfileButton);
    row->addStretch();
    return bar;
}

QWidget *PriceSettingsDialog::buildColorBar(QWidget *parent)
{
    QFrame *bar = barFrame("profileBar", 8, parent);
    QHBoxLayout *row = rowOf(bar);
    row->addWidget(plainLabel(tr("颜色"), bar));
    colorSelector = new QComboBox(bar);
    colorSelector->setObjectName(QStringLiteral("colorSelector"));
    colorSelector->setMinimumWidth(150);
    colorSelector->addItem(tr("黑白"), QStringLiteral("blackWhite"));
    colorSelector->addItem(tr("喷墨彩"), QStringLiteral("inkjetColor"));
    colorSelector->addItem(tr("激光彩"), QStringLiteral("laserColor"));
    row->addWidget(colorSelector);
    row->addStretch();
    return bar;
}

QWidget *PriceSettingsDialog::buildBulkPriceBar(QWidget *parent)
{
    QFrame *bar = barFrame("bulkPriceBar", 10, parent);
    QHBoxLayout *row = rowOf(bar);
    row->addWidget(plainLabel(tr("统一单价"), bar));
    profileForm.uniformPriceEditor = createPriceSpinBox(bar, 0);
    profileForm.uniformPriceEditor->setObjectName(QStringLiteral("uniformPriceEditor"));
    row->addWidget(profileForm.uniformPriceEditor);
    applyUniformPriceButton = new QPushButton(tr("应用到全部尺寸"), bar);
    row->addWidget(applyUniformPriceButton);
    row->addStretch();
    connect(applyUniformPriceButton, &QPushButton::clicked, this, [this] {
        profileForm.uniformPriceEditor->interpretText();
        for (QDoubleSpinBox *editor : std::as_const(profileForm.pagePriceEditors))
            editor->setValue(profileForm.uniformPriceEditor->value());
    });
    return bar;
}

QWidget *PriceSettingsDialog::buildPagePriceGroup(QWidget *parent)
{
    auto *group = new QGroupBox(tr("每页单价"), parent);
    QGridLayout *grid = priceGrid(group);
    const QStringList labels = {
        QStringLiteral("A0"),          QStringLiteral("A1"),          QStringLiteral("A2"),
        QStringLiteral("A3"),          QStringLiteral("A4"),          QStringLiteral("A5"),
        QStringLiteral("B4 / JIS B4"), QStringLiteral("B5 / JIS B5"), QStringLiteral("Letter"),
        QStringLiteral("Legal"),       QStringLiteral("Tabloid"),     tr("其他")};
    for (int slot = 0; slot < PaperSizeSlotCount; ++slot) {
        PriceSpinBox *editor = createPriceSpinBox(group, 0);
        addPricePair(grid, slot, plainLabel(labels.at(slot), group), editor);
        profileForm.pagePriceEditors.append(editor);
    }
    return group;
}

QWidget *PriceSettingsDialog::buildBindingGroup(QWidget *parent)
{
    auto *group = new QGroupBox(tr("装订方式单价（每份）"), parent);
    auto *column = new QVBoxLayout(group);
    auto *builtIn = new QWidget(group);
    QGridLayout *grid = priceGrid(builtIn);
    const std::pair<QString, QString> bindings[] = {
        {QStringLiteral("cornerStaple"), tr("角钉")},    {QStringLiteral("doubleStaple"), tr("双钉")},
        {QStringLiteral("saddleStitch"), tr("骑马钉")},  {QStringLiteral("perfectBinding"), tr("胶装")},
        {QStringLiteral("combBinding"), tr("梳式装订")}, {QStringLiteral("wireOBinding"), tr("铁圈装订")},
        {QStringLiteral("coilBinding"), tr("螺旋装订")}};
    int index = 0;
    for (const auto &[key, label] : bindings) {
        PriceSpinBox *editor = createPriceSpinBox(builtIn, 0);
        addPricePair(grid, index++, plainLabel(label, builtIn), editor);
        profileForm.bindingPriceEditors.insert(key, editor);
    }
    column->addWidget(builtIn);

    auto *heading = new QHBoxLayout;
    heading->addWidget(plainLabel(tr("自定义装订方式"), group, "title"));
    heading->addStretch();
    auto *addButton = new QPushButton(tr("新增装订方式"), group);
    heading->addWidget(addButton);
    column->addLayout(heading);
    connect(addButton, &QPushButton::clicked, this, &PriceSettingsDialog::addCustomBinding);

    customBindingArea = new QScrollArea(group);
    customBindingArea->setFrameShape(QFrame::NoFrame);
    customBindingArea->setWidgetResizable(true);
    customBindingArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *list = new QWidget(customBindingArea);
    customBindingLayout = new QVBoxLayout(list);
    customBindingLayout->setContentsMargins(0, 0, 0, 0);
    customBindingLayout->setSpacing(6);
    customBindingArea->setWidget(list);
    showParentBackground(customBindingArea);
    column->addWidget(customBindingArea);
    return group;
}

QWidget *PriceSettingsDialog::buildSellerGroup(QWidget *parent)
{
    auto *group = new QGroupBox(tr("报价单商家信息"), parent);
    auto *grid = new QGridLayout(group);
    const auto lineEdit = [group] { return new QLineEdit(group); };
    profileForm.sellerName = lineEdit();
    profileForm.taxIdentifier = lineEdit();
    profileForm.sellerContact = lineEdit();
    profileForm.sellerAddress = lineEdit();
    profileForm.customerName = lineEdit();
    profileForm.customerContact = lineEdit();
    profileForm.quoteValidityDays = integerEditor(1, 3650, group);
    profileForm.paymentTerms = lineEdit();

    grid->addWidget(plainLabel(tr("公司名称"), group), 0, 0);
    grid->addWidget(profileForm.sellerName, 0, 1);
    grid->addWidget(plainLabel(tr("税号"), group), 0, 2);
    grid->addWidget(profileForm.taxIdentifier, 0, 3);
    grid->addWidget(plainLabel(tr("联系方式"), group), 1, 0);
    grid->addWidget(profileForm.sellerContact, 1, 1, 1, 3);
    grid->addWidget(plainLabel(tr("地址"), group), 2, 0);
    grid->addWidget(profileForm.sellerAddress, 2, 1, 1, 3);
    grid->addWidget(plainLabel(tr("客户名称"), group), 3, 0);
    grid->addWidget(profileForm.customerName, 3, 1);
    grid->addWidget(plainLabel(tr("客户联系方式"), group), 3, 2);
    grid->addWidget(profileForm.customerContact, 3, 3);
    grid->addWidget(plainLabel(tr("有效天数"), group), 4, 0);
    grid->addWidget(profileForm.quoteValidityDays, 4, 1);
    grid->addWidget(plainLabel(tr("付款条款"), group), 4, 2);
    grid->addWidget(profileForm.paymentTerms, 4, 3);
    return group;
}

QWidget *PriceSettingsDialog::buildFooter()
{
    auto *footer = new QWidget(this);
    auto *row = new QHBoxLayout(footer);
    row->setContentsMargins(24, 10, 24, 16);
    row->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, footer);
    QPushButton *save = buttons->button(QDialogButtonBox::Save);
    save->setText(tr("保存设置"));
    save->setObjectName(QStringLiteral("primaryButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    row->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return footer;
}
