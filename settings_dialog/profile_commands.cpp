#include "settings_dialog/price_settings_dialog.h"

#include "settings_dialog/plain_prompts.h"

#include <QComboBox>
#include <QSignalBlocker>

void PriceSettingsDialog::addProfile()
{
    commitForm();
    const QString name = askName(this, tr("新增价格角色"), tr("角色名称"), QString());
    if (name.isEmpty())
        return;
    if (profiles.contains(name)) {
        showPlainInformation(this, tr("名称已存在"), tr("请使用其他角色名称。"));
        return;
    }
    // The new profile starts as the one shown, unsaved edits included.
    profiles.insert(name, formToProfile(profileForm, profiles.value(currentProfileName), currentColorMode));
    profileSelector->addItem(name, name);
    profileSelector->setCurrentIndex(profileSelector->count() - 1);
}

void PriceSettingsDialog::renameProfile()
{
    commitForm();
    const QString oldName = profileSelector->currentData().toString();
    const QString name = askName(this, tr("重命名价格角色"), tr("角色名称"), oldName);
    if (name.isEmpty() || name == oldName)
        return;
    if (profiles.contains(name)) {
        showPlainInformation(this, tr("名称已存在"), tr("请使用其他角色名称。"));
        return;
    }
    profiles.insert(name, profiles.take(oldName));
    {
        const QSignalBlocker blocker(profileSelector);
        const int index = profileSelector->currentIndex();
        profileSelector->setItemText(index, name);
        profileSelector->setItemData(index, name);
    }
    currentProfileName = name;
}

void PriceSettingsDialog::deleteProfile()
{
    if (profiles.size() < 2) {
        showPlainInformation(this, tr("无法删除"), tr("至少需要保留一个价格角色。"));
        return;
    }
    const QString name = profileSelector->currentData().toString();
    if (!askPlainQuestion(this, tr("删除价格角色"), tr("确定删除“%1”及其全部价格设置吗？").arg(name)))
        return;
    profiles.remove(name);
    profileSelector->removeItem(profileSelector->currentIndex());
}
