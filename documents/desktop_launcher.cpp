#include "documents/desktop_launcher.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace {

// The freedesktop file-manager interface answers as soon as the window is asked for; the bound
// only matters when a service is registered but hangs.
constexpr int FileManagerTimeoutMs = 3000;

bool showItemOverSessionBus(const QString &filePath)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QString name = QStringLiteral("org.freedesktop.FileManager1");
    QDBusMessage call = QDBusMessage::createMethodCall(name, QStringLiteral("/org/freedesktop/FileManager1"),
                                                       name, QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(filePath).toString()} << QString();
    return bus.call(call, QDBus::Block, FileManagerTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

} // namespace

DesktopLauncher systemDesktopLauncher()
{
    return {showItemOverSessionBus, [](const QUrl &url) { return QDesktopServices::openUrl(url); }};
}

bool revealInFolder(const QString &filePath, const DesktopLauncher &launcher)
{
    if (launcher.showItemInFileManager && launcher.showItemInFileManager(filePath))
        return true;
    const QString folder = QFileInfo(filePath).absolutePath();
    return launcher.openUrl && launcher.openUrl(QUrl::fromLocalFile(folder));
}
