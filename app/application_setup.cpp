#include "app/application_setup.h"

#include "orvanta_version.h"
#include "storage/ui_language.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>

namespace {

// The stylesheet names a Windows face. Map it to an installed Simplified Chinese face, or a C
// locale lets the font matcher pick a Japanese face for the Chinese source texts.
void substituteInterfaceFont()
{
    const QStringList candidates = {
        QStringLiteral("Noto Sans CJK SC"),    QStringLiteral("Noto Sans SC"),
        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("Source Han Sans SC"),  QStringLiteral("Droid Sans Fallback"),
    };
    const QStringList installed = QFontDatabase::families();
    QStringList available;
    for (const QString &family : candidates) {
        if (installed.contains(family))
            available.append(family);
    }
    if (!available.isEmpty())
        QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei UI"), available);
}

} // namespace

void applyApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANTA_VERSION));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/app-icon.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.Orvanta"));
}

void applyApplicationStyle(QApplication &app)
{
    substituteInterfaceFont();
    QFile styleSheet(QStringLiteral(":/style.qss"));
    if (styleSheet.open(QIODevice::ReadOnly | QIODevice::Text))
        app.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
}

bool installTranslation(QTranslator &translator, const QString &languageCode)
{
    const QString resource = translationResourceFor(languageCode);
    if (resource.isEmpty() || !translator.load(resource))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

bool installToolkitTranslation(QTranslator &translator, const QString &languageCode)
{
    if (!translator.load(QLocale(languageCode), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

ApplicationSetup::ApplicationSetup(QApplication &app)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    applyApplicationIdentity();
    const QString language = currentLanguageCode();
    installTranslation(m_translator, language);
    installToolkitTranslation(m_toolkitTranslator, language);
    applyApplicationStyle(app);
}
