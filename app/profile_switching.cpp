#include "app/main_window.h"

#include "documents/column_resize_freeze.h"
#include "documents/document_columns.h"
#include "documents/row_unit_price.h"
#include "pricing/regional_format.h"
#include "storage/price_database.h"
#include "storage/profile_store.h"
#include "storage/settings_keys.h"
#include "storage/storage_result.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>
#include <QTableWidget>

void MainWindow::reportStorageFailure(const StorageResult &result)
{
    if (!result.ok())
        QMessageBox::warning(this, storageFailureTitle(result), storageFailureText(result), QMessageBox::Ok);
}

void MainWindow::openDatabase()
{
    database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    const StorageResult result = openPriceDatabase(database, defaultPriceDatabasePath());
    databaseReady = result.ok();
    reportStorageFailure(result);
}

void MainWindow::loadPriceSettings()
{
    if (!database.isOpen())
        return;
    const LoadedPriceProfiles loaded = loadPriceProfiles(database, readLegacyPriceSettings(QSettings()));
    // A failure to open or upgrade was already reported; the same cause would fail here again.
    if (databaseReady)
        reportStorageFailure(loaded.result);
    activeProfile = loaded.baseProfile;
    priceProfiles = loaded.profiles;
    if (loaded.defaultProfileCreated)
        savePriceSettings();
    rebuildProfileCombo(chooseActiveProfileName(priceProfiles, readActivePriceProfile(QSettings())));
}

bool MainWindow::savePriceSettings()
{
    const StorageResult result = savePriceProfiles(database, priceProfiles, activeProfile);
    reportStorageFailure(result);
    return result.ok();
}

void MainWindow::applyProfile(const QString &name)
{
    if (!priceProfiles.contains(name))
        return;
    activeProfile = priceProfiles.value(name);
    if (customerEdit)
        customerEdit->setText(activeProfile.customerName);
    {
        QSettings settings;
        writeActivePriceProfile(settings, name);
    }
    {
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        const MoneyFormat format(activeProfile);
        for (int row = 0; row < documentTable->rowCount(); ++row) {
            writeRowUnitPrice(documentTable, row, activeProfile);
            if (QTableWidgetItem *binding = documentTable->item(row, BindingColumn)) {
                const double fee = bindingFeeFor(activeProfile, binding->data(PathRole).toString());
                binding->setToolTip(tr("装订费：%1/份").arg(format.money(fee)));
            }
        }
    }
    rebuildBindingCombo();
}

void MainWindow::rebuildProfileCombo(const QString &selectedName)
{
    {
        const QSignalBlocker blocker(profileCombo);
        profileCombo->clear();
        for (auto it = priceProfiles.cbegin(); it != priceProfiles.cend(); ++it)
            profileCombo->addItem(profileDisplayName(it.key()), it.key());
        profileCombo->setCurrentIndex(
            profileCombo->findData(selectedName, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    applyProfile(profileCombo->currentData().toString());
}

void MainWindow::rebuildBindingCombo()
{
    const QString currentKey = bindingCombo->currentData().toString();
    QStringList rowKeys;
    for (int row = 0; row < documentTable->rowCount(); ++row)
        rowKeys.append(rowBinding(row));
    {
        const QSignalBlocker blocker(bindingCombo);
        bindingCombo->clear();
        for (const QString &key : bindingKeys(customBindingMethods))
            bindingCombo->addItem(bindingLabel(key, customBindingMethods), key);
        bindingCombo->setCurrentIndex(std::max(0, bindingCombo->findData(currentKey)));
    }
    fitComboWidth(bindingCombo);
    {
        const QSignalBlocker blocker(documentTable);
        const ColumnResizeFreeze freeze(documentTable);
        for (int row = 0; row < documentTable->rowCount(); ++row)
            setRowBinding(row, rowKeys.at(row));
    }
    fitChoiceColumns();
    recalculate();
}
