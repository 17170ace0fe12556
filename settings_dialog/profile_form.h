#pragma once

#include "pricing/price_profile.h"

#include <QList>
#include <QMap>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QLocale;
class QSpinBox;
class QWidget;

// The editors of one profile in the settings dialog. The dialog owns the widgets; this record only
// points at them, so the transfer below can be called on any set of editors.
struct ProfileForm
{
    QComboBox *localeSelector = nullptr; // item data: locale name, empty for the system locale
    QComboBox *currencySelector = nullptr;
    QDoubleSpinBox *taxRate = nullptr;
    QCheckBox *pricesIncludeTax = nullptr;
    QLineEdit *paperStockDescription = nullptr;
    QDoubleSpinBox *duplexMultiplier = nullptr;
    QDoubleSpinBox *setupFee = nullptr;
    QDoubleSpinBox *minimumCharge = nullptr;
    QSpinBox *volumeThreshold = nullptr;
    QDoubleSpinBox *volumeDiscountPercent = nullptr;
    QDoubleSpinBox *quoteDiscountPercent = nullptr;
    QDoubleSpinBox *roundingIncrement = nullptr;
    QCheckBox *pricePageByPage = nullptr;
    QDoubleSpinBox *uniformPriceEditor = nullptr;        // a value to copy, edits nothing by itself
    QList<QDoubleSpinBox *> pagePriceEditors;            // PaperSizeSlot order
    QMap<QString, QDoubleSpinBox *> bindingPriceEditors; // built-in and custom keys
    QLineEdit *sellerName = nullptr;
    QLineEdit *sellerContact = nullptr;
    QLineEdit *sellerAddress = nullptr;
    QLineEdit *taxIdentifier = nullptr;
    QLineEdit *customerName = nullptr;
    QLineEdit *customerContact = nullptr;
    QSpinBox *quoteValidityDays = nullptr;
    QLineEdit *paymentTerms = nullptr;
};

// Decimals and step of the money editors for a typed currency: the code's minor units, 2 for an
// incomplete or unknown code.
struct EditorPrecision
{
    int decimals = 2;
    double step = 0.01;
};
EditorPrecision editorPrecisionFor(const QString &typedCurrency);

// Gives the page-price and binding-price editors the precision of the typed currency.
void applyCurrencyPrecision(const ProfileForm &form);
// Every decimal editor below scope shows and parses numbers in this locale.
void setDecimalEditorLocale(QWidget *scope, const QLocale &locale);

// Loads the twelve prices of one colour mode, and its A4 price into the uniform price editor.
void showPagePrices(const ProfileForm &form, const PriceProfile &profile, const QString &colorMode);
// Fills every editor from the profile. The currency precision is set before any price, so a price
// with more decimals than the previous profile's currency is not rounded on the way in.
void profileToForm(const ProfileForm &form, const PriceProfile &profile, const QString &colorMode,
                   QWidget *localeScope);
// The profile with every edited value taken from the form; values without an editor (other colour
// modes, prices of keys without an editor) stay as in base.
PriceProfile formToProfile(const ProfileForm &form, PriceProfile base, const QString &colorMode);
