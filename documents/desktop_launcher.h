#pragma once

#include <QString>

#include <functional>

class QUrl;

// What the desktop does for the document list: open a file with its default application and show
// a file selected in the file manager. Tests replace the calls so that no real program starts.
struct DesktopLauncher
{
    std::function<bool(const QString &filePath)> showItemInFileManager;
    std::function<bool(const QUrl &url)> openUrl;
};

// The session's file manager over D-Bus and the desktop's default applications.
DesktopLauncher systemDesktopLauncher();

// Shows the file selected in its folder; when no file manager answers, opens the folder itself.
// False when neither worked.
bool revealInFolder(const QString &filePath, const DesktopLauncher &launcher);
