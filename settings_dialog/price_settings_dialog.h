#pragma once

#include "pricing/price_profile.h"
#include "settings_dialog/profile_form.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

// Edits copies of all price profiles and of the custom binding methods; nothing is stored here.
// The caller runs it modally and, when it was accepted, takes the results over.
class PriceSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    PriceSettingsDialog(const PriceProfileMap &profiles, const QString &profileName,
                        const CustomBindingMap &customBindingMethods, QWidget *parent = nullptr);

    // Commits the form first, so edits still showing are part of the result.
    PriceProfileMap editedProfiles();
    QString selectedProfileName() const;
    CustomBindingMap editedCustomBindingMethods() const { return customBindingMethods; }
    const ProfileForm &form() const { return profileForm; }

    void applyCurrencyPrecision();
    void applyEditorLocale();
    // Sizes the dialog to its content within the screen it opens on.
    void fitToScreen();

private:
    // Widget tree.
    void buildUi();
    QWidget *buildRegionalBar(QWidget *parent);
    QWidget *buildRulesGroup(QWidget *parent);
    QWidget *buildProfileBar(QWidget *parent);
    QWidget *buildColorBar(QWidget *parent);
    QWidget *buildBulkPriceBar(QWidget *parent);
    QWidget *buildPagePriceGroup(QWidget *parent);
    QWidget *buildBindingGroup(QWidget *parent);
    QWidget *buildSellerGroup(QWidget *parent);
    QWidget *buildFooter();
    void connectSignals();

    // Profiles.
    void commitForm();
    void showProfile(const QString &name);
    void showColorMode(const QString &key);
    void addProfile();
    void renameProfile();
    void deleteProfile();

    // Custom binding methods.
    void rebuildCustomBindingRows();
    void addCustomBinding();
    void renameCustomBinding(const QString &key);
    void deleteCustomBinding(const QString &key);

    PriceProfileMap profiles;
    CustomBindingMap customBindingMethods;
    QString currentProfileName;
    QString currentColorMode;
    ProfileForm profileForm;

    QScrollArea *scrollArea = nullptr;
    QWidget *content = nullptr;
    QComboBox *profileSelector = nullptr;
    QComboBox *colorSelector = nullptr;
    QPushButton *addProfileButton = nullptr;
    QPushButton *renameProfileButton = nullptr;
    QPushButton *deleteProfileButton = nullptr;
    QPushButton *applyUniformPriceButton = nullptr;
    QScrollArea *customBindingArea = nullptr;
    QVBoxLayout *customBindingLayout = nullptr;
};
