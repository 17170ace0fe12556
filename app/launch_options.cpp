#include "app/launch_options.h"

#include "app/main_window.h"

#include <QFileInfo>

LaunchOptions parseLaunchOptions(const QStringList &arguments)
{
    LaunchOptions options;
    bool pathsOnly = false;
    for (const QString &argument : arguments) {
        if (!pathsOnly && argument == QLatin1String("--")) {
            pathsOnly = true;
        } else if (!pathsOnly && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            options.action = LaunchOptions::ShowHelp;
            return options;
        } else if (!pathsOnly && argument == QLatin1String("--version")) {
            options.action = LaunchOptions::ShowVersion;
        } else if (!pathsOnly && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            if (options.action == LaunchOptions::OpenWindow) {
                options.action = LaunchOptions::UsageError;
                options.error = QStringLiteral("unknown option: %1").arg(argument);
            }
        } else if (!argument.isEmpty()) {
            options.paths.append(QFileInfo(argument).absoluteFilePath());
        }
    }
    return options;
}

QString launchUsage()
{
    return QStringLiteral(
        "Usage: orvanta [FILE|FOLDER]...\n"
        "\n"
        "Opens the Orvanta window and adds the files and folders to the document list exactly as a\n"
        "drop on the window does: folders are searched recursively, unsupported files are counted\n"
        "and left out. When an Orvanta window is already open, the files go to that window instead\n"
        "of a new one.\n"
        "\n"
        "Supported: pdf, doc, docx, wps, jpg, jpeg, png, bmp, gif, webp, tif, tiff.\n"
        "\n"
        "Options:\n"
        "  -h, --help       show this help\n"
        "  --version        show the version\n"
        "  --               every later argument is a path\n"
        "\n"
        "orvanta-cli analyses and prices documents without a window.\n");
}

void openInWindow(MainWindow &window, const QStringList &paths)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
    if (!paths.isEmpty())
        window.addPaths(paths);
}
