#include "settings_dialog/price_settings_dialog.h"

#include "settings_dialog/plain_prompts.h"
#include "settings_dialog/price_spin_box.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int NameLabelWidth = 160;
constexpr int NameLabelMaximumWidth = 320;

bool nameTaken(const CustomBindingMap &methods, const QString &name, const QString &exceptKey)
{
    for (auto it = methods.cbegin(); it != methods.cend(); ++it) {
        if (it.key() != exceptKey && it.value().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The name as plain text; a very long one is cut with an ellipsis so the row's buttons stay visible.
QLabel *nameLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(NameLabelWidth);
    label->setMaximumWidth(NameLabelMaximumWidth);
    label->ensurePolished();
    label->setText(label->fontMetrics().elidedText(name, Qt::ElideRight, NameLabelMaximumWidth));
    if (label->text() != name)
        label->setToolTip(Qt::convertFromPlainText(name));
    return label;
}

} // namespace

void PriceSettingsDialog::rebuildCustomBindingRows()
{
    if (!customBindingLayout)
        return;
    for (auto it = profileForm.bindingPriceEditors.begin(); it != profileForm.bindingPriceEditors.end();) {
        if (it.key().startsWith(QLatin1String("custom:")))
            it = profileForm.bindingPriceEditors.erase(it);
        else
            ++it;
    }
    // A row may be rebuilt from its own button's click, so its widgets go once that click returns.
    while (QLayoutItem *item = customBindingLayout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }

    const PriceProfile reference = profiles.value(currentProfileName);
    // The editors get the currency's decimals before their value, so a third decimal is not rounded away.
    const EditorPrecision precision = editorPrecisionFor(profileForm.currencySelector->currentText());
    QWidget *list = customBindingLayout->parentWidget();
    for (auto it = customBindingMethods.cbegin(); it != customBindingMethods.cend(); ++it) {
        const QString key = it.key();
        auto *rowWidget = new QWidget(list);
        auto *row = new QHBoxLayout(rowWidget);
        row->setContentsMargins(16, 0, 16, 0);
        row->addWidget(nameLabel(it.value(), rowWidget));
        PriceSpinBox *editor = createPriceSpinBox(rowWidget, 0);
        editor->setDecimals(precision.decimals);
        editor->setValue(bindingFeeFor(reference, key));
        profileForm.bindingPriceEditors.insert(key, editor);
        row->addWidget(editor);
        auto *rename = new QPushButton(tr("重命名"), rowWidget);
        auto *remove = new QPushButton(tr("删除"), rowWidget);
        remove->setObjectName(QStringLiteral("dangerButton"));
        row->addWidget(rename);
        row->addWidget(remove);
        row->addStretch();
        connect(rename, &QPushButton::clicked, this, [this, key] { renameCustomBinding(key); });
        connect(remove, &QPushButton::clicked, this, [this, key] { deleteCustomBinding(key); });
        customBindingLayout->addWidget(rowWidget);
    }
    if (customBindingMethods.isEmpty()) {
        auto *empty = new QLabel(tr("尚未添加自定义装订方式。"), list);
        empty->setObjectName(QStringLiteral("muted"));
        empty->setContentsMargins(16, 0, 0, 0);
        customBindingLayout->addWidget(empty);
    }
    const int count = static_cast<int>(customBindingMethods.size());
    customBindingArea->setFixedHeight(std::clamp(38 * count + 4, 38, 140));
    applyCurrencyPrecision();
}

void PriceSettingsDialog::addCustomBinding()
{
    commitForm();
    const QString name = askName(this, tr("新增装订方式"), tr("装订方式名称"), QString());
    if (name.isEmpty())
        return;
    if (nameTaken(customBindingMethods, name, QString())) {
        showPlainInformation(this, tr("名称已存在"), tr("请使用其他装订方式名称。"));
        return;
    }
    const QString key = QStringLiteral("custom:") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    customBindingMethods.insert(key, name);
    for (PriceProfile &profile : profiles)
        profile.bindingPrices.insert(key, 0);
    rebuildCustomBindingRows();
}

void PriceSettingsDialog::renameCustomBinding(const QString &key)
{
    if (!customBindingMethods.contains(key))
        return;
    commitForm();
    const QString current = customBindingMethods.value(key);
    const QString name = askName(this, tr("重命名装订方式"), tr("装订方式名称"), current);
    if (name.isEmpty() || name == current)
        return;
    if (nameTaken(customBindingMethods, name, key)) {
        showPlainInformation(this, tr("名称已存在"), tr("请使用其他装订方式名称。"));
        return;
    }
    customBindingMethods.insert(key, name);
    rebuildCustomBindingRows();
}

void PriceSettingsDialog::deleteCustomBinding(const QString &key)
{
    if (!customBindingMethods.contains(key))
        return;
    if (!askPlainQuestion(this, tr("删除装订方式"),
                          tr("确定删除“%1”吗？相关价格设置也会删除。").arg(customBindingMethods.value(key))))
        return;
    commitForm();
    customBindingMethods.remove(key);
    for (PriceProfile &profile : profiles)
        profile.bindingPrices.remove(key);
    rebuildCustomBindingRows();
}
