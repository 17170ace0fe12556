#pragma once

#include <QString>
#include <QStringList>

class MainWindow;

// What a start of the window program was asked for on its command line.
struct LaunchOptions
{
    enum Action
    {
        OpenWindow,
        ShowVersion,
        ShowHelp,
        UsageError
    };
    Action action = OpenWindow;
    QStringList paths; // absolute, so that another process can open them
    QString error;
};

// Reads the arguments after the program name. --help and --version win over anything else, so
// they are answered even among toolkit options; "--" makes every later argument a path.
LaunchOptions parseLaunchOptions(const QStringList &arguments);
QString launchUsage();

// Brings the window forward and adds the paths exactly as a drop would.
void openInWindow(MainWindow &window, const QStringList &paths);
