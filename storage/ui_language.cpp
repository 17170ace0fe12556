#include "storage/ui_language.h"

#include <QSettings>

QString languageCodeForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Japanese:
        return QStringLiteral("ja_JP");
    case QLocale::French:
        return QStringLiteral("fr_FR");
    case QLocale::German:
        return QStringLiteral("de_DE");
    case QLocale::Chinese:
        return QStringLiteral("zh_CN");
    case QLocale::Korean:
        return QStringLiteral("ko_KR");
    case QLocale::Russian:
        return QStringLiteral("ru_RU");
    default:
        return QStringLiteral("en_US");
    }
}

QString currentLanguageCode()
{
    const QString stored = QSettings().value(QStringLiteral("language")).toString();
    return stored.isEmpty() ? languageCodeForLocale(QLocale::system()) : stored;
}

QString translationResourceFor(const QString &code)
{
    if (code == QLatin1String("zh_CN"))
        return {};
    return QStringLiteral(":/i18n/orvanta_%1.qm").arg(code);
}
