#include "pricing/regional_format.h"

#include "pricing/price_profile.h"

#include <QSet>

#include <cmath>

namespace {

bool isIsoCurrencyCode(const QString &code)
{
    if (code.size() != 3)
        return false;
    for (const QChar c : code) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            return false;
    }
    return true;
}

QString systemCurrencyCode()
{
    const QString code = QLocale::system().currencySymbol(QLocale::CurrencyIsoCode);
    return code.isEmpty() ? QStringLiteral("USD") : code;
}

// Half of the smallest unit shown: anything smaller in magnitude displays as zero.
double halfDisplayUnit(int decimals)
{
    return decimals == 0 ? 0.5 : decimals == 3 ? 0.0005 : 0.005;
}

// Keeps "-0.00" off the screen: a negative amount that shows as zero is shown as plain zero.
double withoutNegativeZero(double amount, int decimals)
{
    if (amount < 0 && -amount < halfDisplayUnit(decimals))
        return 0.0;
    return amount == 0 ? 0.0 : amount;
}

// Infinity and NaN are not amounts, and an overflowing text is as unusable as an unparsable one.
double parseWithLocale(const QLocale &locale, const QString &text, bool *ok)
{
    const QString trimmed = text.trimmed();
    bool converted = false;
    double value = locale.toDouble(trimmed, &converted);
    if (!converted || !std::isfinite(value))
        value = QLocale::c().toDouble(trimmed, &converted);
    if (!converted || !std::isfinite(value)) {
        converted = false;
        value = 0;
    }
    if (ok)
        *ok = converted;
    return value;
}

} // namespace

MoneyFormat::MoneyFormat(const PriceProfile &profile)
    : m_locale(displayLocale(profile)), m_currencyCode(effectiveCurrencyCode(profile)),
      m_decimals(currencyDecimals(m_currencyCode))
{}

QString MoneyFormat::money(double amount) const
{
    QString text =
        m_locale.toCurrencyString(withoutNegativeZero(amount, m_decimals), m_currencyCode, m_decimals);
    // Locale patterns are made for signs like "$"; a letter code glued to the digits ("USD12.50")
    // is hard to read, so it gets a space where the pattern puts none.
    const int at = text.indexOf(m_currencyCode);
    if (at >= 0) {
        const int after = at + int(m_currencyCode.size());
        if (after < text.size() && text.at(after).isDigit())
            text.insert(after, QLatin1Char(' '));
        else if (at > 0 && text.at(at - 1).isDigit())
            text.insert(at, QLatin1Char(' '));
    }
    return text;
}

QString MoneyFormat::plain(double amount) const
{
    return m_locale.toString(withoutNegativeZero(amount, m_decimals), 'f', m_decimals);
}

double MoneyFormat::parse(const QString &text, bool *ok) const
{
    return parseWithLocale(m_locale, text, ok);
}

QLocale displayLocale(const PriceProfile &profile)
{
    if (!profile.localeName.isEmpty())
        return QLocale(profile.localeName);
    // The same locale by name: the system locale object asks the platform for every symbol on
    // every conversion, which made a recalculation of thousands of rows several times slower.
    const QLocale system = QLocale::system();
    QLocale byName(system.name());
    byName.setNumberOptions(system.numberOptions());
    return byName;
}

QString effectiveCurrencyCode(const PriceProfile &profile)
{
    const QString code = profile.currencyCode.trimmed().toUpper();
    return isIsoCurrencyCode(code) ? code : systemCurrencyCode();
}

int currencyDecimals(const QString &currencyCode)
{
    static const QSet<QString> noDecimals = {
        QStringLiteral("BIF"), QStringLiteral("CLP"), QStringLiteral("DJF"), QStringLiteral("GNF"),
        QStringLiteral("ISK"), QStringLiteral("JPY"), QStringLiteral("KMF"), QStringLiteral("KRW"),
        QStringLiteral("PYG"), QStringLiteral("RWF"), QStringLiteral("UGX"), QStringLiteral("VND"),
        QStringLiteral("VUV"), QStringLiteral("XAF"), QStringLiteral("XOF"), QStringLiteral("XPF")};
    static const QSet<QString> threeDecimals = {
        QStringLiteral("BHD"), QStringLiteral("IQD"), QStringLiteral("JOD"), QStringLiteral("KWD"),
        QStringLiteral("LYD"), QStringLiteral("OMR"), QStringLiteral("TND")};
    if (noDecimals.contains(currencyCode))
        return 0;
    if (threeDecimals.contains(currencyCode))
        return 3;
    return 2;
}

int currencyDecimals(const PriceProfile &profile)
{
    return currencyDecimals(effectiveCurrencyCode(profile));
}

QString formatMoney(const PriceProfile &profile, double amount)
{
    return MoneyFormat(profile).money(amount);
}

double parseAmount(const PriceProfile &profile, const QString &text, bool *ok)
{
    return parseWithLocale(displayLocale(profile), text, ok);
}
