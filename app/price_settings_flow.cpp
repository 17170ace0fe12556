#include "app/main_window.h"

#include "settings_dialog/price_settings_dialog.h"
#include "storage/settings_keys.h"

#include <QComboBox>
#include <QSettings>
#include <QStatusBar>

void MainWindow::showPriceSettings()
{
    PriceSettingsDialog dialog(priceProfiles, profileCombo->currentData().toString(), customBindingMethods,
                               this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PriceProfileMap previousProfiles = priceProfiles;
    priceProfiles = dialog.editedProfiles();
    const QString selected = dialog.selectedProfileName();
    if (!savePriceSettings()) {
        // The database kept the old set; so does the window, or the top bar would list names and
        // prices that were never stored.
        priceProfiles = previousProfiles;
        return;
    }
    customBindingMethods = dialog.editedCustomBindingMethods();
    {
        QSettings settings;
        saveCustomBindingMethods(settings, customBindingMethods);
    }
    rebuildProfileCombo(selected);
    rebuildBindingCombo();
    statusBar()->showMessage(tr("价格设置已保存"), 3000);
}
