#include "settings_dialog/profile_form.h"

#include "pricing/regional_format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QSpinBox>

#include <algorithm>

namespace {

// A value typed but not yet confirmed (keyboard tracking is off) still counts.
double editedValue(QDoubleSpinBox *editor)
{
    editor->interpretText();
    return editor->value();
}

int editedValue(QSpinBox *editor)
{
    editor->interpretText();
    return editor->value();
}

QString editedText(const QLineEdit *editor)
{
    return editor->text().trimmed();
}

QString storedCurrencyCode(const QString &typed)
{
    static const QRegularExpression threeLetters(QStringLiteral("^[A-Z]{3}$"));
    const QString code = typed.trimmed().toUpper();
    return threeLetters.match(code).hasMatch() ? code : QStringLiteral("USD");
}

} // namespace

EditorPrecision editorPrecisionFor(const QString &typedCurrency)
{
    switch (currencyDecimals(typedCurrency.trimmed().toUpper())) {
    case 0:
        return {0, 1};
    case 3:
        return {3, 0.001};
    default:
        return {2, 0.01};
    }
}

void applyCurrencyPrecision(const ProfileForm &form)
{
    if (!form.currencySelector)
        return;
    const EditorPrecision precision = editorPrecisionFor(form.currencySelector->currentText());
    QList<QDoubleSpinBox *> editors = form.pagePriceEditors;
    editors += form.bindingPriceEditors.values();
    for (QDoubleSpinBox *editor : editors) {
        editor->setDecimals(precision.decimals);
        editor->setSingleStep(precision.step);
    }
}

void setDecimalEditorLocale(QWidget *scope, const QLocale &locale)
{
    for (QDoubleSpinBox *editor : scope->findChildren<QDoubleSpinBox *>())
        editor->setLocale(locale);
}

void showPagePrices(const ProfileForm &form, const PriceProfile &profile, const QString &colorMode)
{
    const PagePriceRow &prices = pagePriceTable(profile, colorMode);
    for (int slot = 0; slot < form.pagePriceEditors.size() && slot < PaperSizeSlotCount; ++slot)
        form.pagePriceEditors.at(slot)->setValue(prices[slot]);
    form.uniformPriceEditor->setValue(prices[SlotA4]);
}

void profileToForm(const ProfileForm &form, const PriceProfile &profile, const QString &colorMode,
                   QWidget *localeScope)
{
    form.currencySelector->setCurrentText(profile.currencyCode.toUpper());
    applyCurrencyPrecision(form);
    setDecimalEditorLocale(localeScope, displayLocale(profile));
    showPagePrices(form, profile, colorMode);
    for (auto it = form.bindingPriceEditors.cbegin(); it != form.bindingPriceEditors.cend(); ++it)
        it.value()->setValue(bindingFeeFor(profile, it.key()));
    form.localeSelector->setCurrentIndex(std::max(0, form.localeSelector->findData(profile.localeName)));

    form.taxRate->setValue(profile.taxRate);
    form.pricesIncludeTax->setChecked(profile.pricesIncludeTax);
    form.paperStockDescription->setText(profile.paperStockDescription);
    form.duplexMultiplier->setValue(profile.duplexMultiplier);
    form.setupFee->setValue(profile.setupFee);
    form.minimumCharge->setValue(profile.minimumCharge);
    form.volumeThreshold->setValue(profile.volumeThreshold);
    form.volumeDiscountPercent->setValue(profile.volumeDiscountPercent);
    form.quoteDiscountPercent->setValue(profile.quoteDiscountPercent);
    form.roundingIncrement->setValue(profile.roundingIncrement);
    form.pricePageByPage->setChecked(profile.pricePageByPage);
    form.sellerName->setText(profile.sellerName);
    form.sellerContact->setText(profile.sellerContact);
    form.sellerAddress->setText(profile.sellerAddress);
    form.taxIdentifier->setText(profile.taxIdentifier);
    form.customerName->setText(profile.customerName);
    form.customerContact->setText(profile.customerContact);
    form.quoteValidityDays->setValue(std::clamp(profile.quoteValidityDays, 1, 3650));
    form.paymentTerms->setText(profile.paymentTerms);
}

PriceProfile formToProfile(const ProfileForm &form, PriceProfile base, const QString &colorMode)
{
    PriceProfile &q = base;
    PagePriceRow &prices = pagePriceTable(q, colorMode);
    for (int slot = 0; slot < form.pagePriceEditors.size() && slot < PaperSizeSlotCount; ++slot)
        prices[slot] = editedValue(form.pagePriceEditors.at(slot));
    for (auto it = form.bindingPriceEditors.cbegin(); it != form.bindingPriceEditors.cend(); ++it)
        q.bindingPrices.insert(it.key(), editedValue(it.value()));
    const auto cornerStaple = q.bindingPrices.constFind(QStringLiteral("cornerStaple"));
    if (cornerStaple != q.bindingPrices.cend())
        q.binding = cornerStaple.value();

    q.localeName = form.localeSelector->currentData().toString();
    q.currencyCode = storedCurrencyCode(form.currencySelector->currentText());
    q.taxRate = editedValue(form.taxRate);
    q.pricesIncludeTax = form.pricesIncludeTax->isChecked();
    q.duplexMultiplier = editedValue(form.duplexMultiplier);
    q.setupFee = editedValue(form.setupFee);
    q.minimumCharge = editedValue(form.minimumCharge);
    q.volumeThreshold = editedValue(form.volumeThreshold);
    q.volumeDiscountPercent = editedValue(form.volumeDiscountPercent);
    q.quoteDiscountPercent = editedValue(form.quoteDiscountPercent);
    q.roundingIncrement = editedValue(form.roundingIncrement);
    q.pricePageByPage = form.pricePageByPage->isChecked();
    q.quoteValidityDays = editedValue(form.quoteValidityDays);
    q.paperStockDescription = editedText(form.paperStockDescription);
    q.sellerName = editedText(form.sellerName);
    q.sellerContact = editedText(form.sellerContact);
    q.sellerAddress = editedText(form.sellerAddress);
    q.taxIdentifier = editedText(form.taxIdentifier);
    q.customerName = editedText(form.customerName);
    q.customerContact = editedText(form.customerContact);
    q.paymentTerms = editedText(form.paymentTerms);
    return q;
}
