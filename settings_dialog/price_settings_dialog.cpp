#include "settings_dialog/price_settings_dialog.h"

#include "settings_dialog/dialog_fit.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

PriceSettingsDialog::PriceSettingsDialog(const PriceProfileMap &profiles, const QString &profileName,
                                         const CustomBindingMap &customBindingMethods, QWidget *parent)
    : QDialog(parent), profiles(profiles), customBindingMethods(customBindingMethods)
{
    if (this->profiles.isEmpty())
        this->profiles.insert(defaultProfileName(), PriceProfile());
    currentProfileName = this->profiles.contains(profileName) ? profileName : this->profiles.firstKey();
    currentColorMode = QStringLiteral("blackWhite");

    buildUi();
    profileToForm(profileForm, this->profiles.value(currentProfileName), currentColorMode, this);
    connectSignals();
    applyCurrencyPrecision();
    QTimer::singleShot(0, this, &PriceSettingsDialog::fitToScreen);
}

PriceProfileMap PriceSettingsDialog::editedProfiles()
{
    commitForm();
    return profiles;
}

QString PriceSettingsDialog::selectedProfileName() const
{
    return profileSelector->currentData().toString();
}

void PriceSettingsDialog::connectSignals()
{
    connect(profileForm.localeSelector, &QComboBox::currentIndexChanged, this,
            &PriceSettingsDialog::applyEditorLocale);
    connect(profileForm.currencySelector, &QComboBox::currentTextChanged, this,
            &PriceSettingsDialog::applyCurrencyPrecision);
    connect(profileSelector, &QComboBox::currentIndexChanged, this,
            [this] { showProfile(profileSelector->currentData().toString()); });
    connect(colorSelector, &QComboBox::currentIndexChanged, this,
            [this] { showColorMode(colorSelector->currentData().toString()); });
    connect(addProfileButton, &QPushButton::clicked, this, &PriceSettingsDialog::addProfile);
    connect(renameProfileButton, &QPushButton::clicked, this, &PriceSettingsDialog::renameProfile);
    connect(deleteProfileButton, &QPushButton::clicked, this, &PriceSettingsDialog::deleteProfile);
}

void PriceSettingsDialog::commitForm()
{
    if (currentProfileName.isEmpty() || !profiles.contains(currentProfileName) || currentColorMode.isEmpty())
        return;
    profiles.insert(currentProfileName,
                    formToProfile(profileForm, profiles.value(currentProfileName), currentColorMode));
}

void PriceSettingsDialog::showProfile(const QString &name)
{
    commitForm();
    if (!profiles.contains(name))
        return;
    currentProfileName = name;
    profileToForm(profileForm, profiles.value(name), currentColorMode, this);
}

void PriceSettingsDialog::showColorMode(const QString &key)
{
    commitForm();
    if (!profiles.contains(currentProfileName))
        return;
    currentColorMode = key;
    showPagePrices(profileForm, profiles.value(currentProfileName), key);
}

void PriceSettingsDialog::applyCurrencyPrecision()
{
    ::applyCurrencyPrecision(profileForm);
}

void PriceSettingsDialog::applyEditorLocale()
{
    const QString name = profileForm.localeSelector->currentData().toString();
    setDecimalEditorLocale(this, name.isEmpty() ? QLocale::system() : QLocale(name));
}

void PriceSettingsDialog::fitToScreen()
{
    content->layout()->activate();
    const int contentWidth = std::max(content->sizeHint().width(), content->layout()->minimumSize().width());
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    std::optional<QRect> available;
    if (screen)
        available = screen->availableGeometry();
    const int chromeWidth =
        scrollArea->verticalScrollBar()->sizeHint().width() + 2 * scrollArea->frameWidth();
    const DialogFit fit = fitSettingsDialog(contentWidth, chromeWidth, available);

    content->setMinimumWidth(contentWidth);
    scrollArea->setHorizontalScrollBarPolicy(fit.horizontalScrollBarOff ? Qt::ScrollBarAlwaysOff
                                                                        : Qt::ScrollBarAsNeeded);
    setMinimumWidth(fit.geometry.width());
    resize(fit.geometry.size());
    move(fit.geometry.topLeft());
}
