#pragma once

#include <QLocale>
#include <QString>

struct PriceProfile;

// Locale, currency code and precision of a profile, resolved once so that formatting many
// amounts (a recalculation walks every row) does not rebuild them each time.
class MoneyFormat
{
public:
    explicit MoneyFormat(const PriceProfile &profile);

    const QLocale &locale() const { return m_locale; }
    const QString &currencyCode() const { return m_currencyCode; }
    int decimals() const { return m_decimals; }

    // The amount with the ISO code as currency symbol, placed as the locale places its sign.
    QString money(double amount) const;
    // Plain number text of a unit price or a line amount: format 'f', currency decimals, no code.
    QString plain(double amount) const;
    // Locale-aware parse with a fallback to the C locale; ok reports the fallback's outcome.
    // A text that is not a finite number gives 0 with ok false.
    double parse(const QString &text, bool *ok = nullptr) const;

private:
    QLocale m_locale;
    QString m_currencyCode;
    int m_decimals;
};

QLocale displayLocale(const PriceProfile &profile);
QString effectiveCurrencyCode(const PriceProfile &profile);
// Minor units of an ISO 4217 code: 0, 3 or (every other code) 2.
int currencyDecimals(const QString &currencyCode);
int currencyDecimals(const PriceProfile &profile);
// Money texts never show a negative zero: an amount that rounds to zero reads as zero.
QString formatMoney(const PriceProfile &profile, double amount);
double parseAmount(const PriceProfile &profile, const QString &text, bool *ok = nullptr);
