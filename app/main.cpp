#include "app/application_setup.h"
#include "app/launch_options.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "orvanta_version.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Answered before the toolkit starts, so that they need no display.
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    const LaunchOptions early = parseLaunchOptions(rawArguments);
    if (early.action == LaunchOptions::ShowHelp) {
        std::fputs(qPrintable(launchUsage()), stdout);
        return 0;
    }
    if (early.action == LaunchOptions::ShowVersion) {
        std::puts("orvanta " ORVANTA_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    const LaunchOptions options = parseLaunchOptions(QCoreApplication::arguments().mid(1));
    if (options.action == LaunchOptions::UsageError) {
        std::fprintf(stderr, "orvanta: %s\n\n%s", qPrintable(options.error), qPrintable(launchUsage()));
        return 2;
    }
    SingleInstance instance;
    if (instance.handOver(options.paths))
        return 0;

    ApplicationSetup setup(app);
    MainWindow window;
    if (!instance.listen()) {
        std::fprintf(stderr,
                     "orvanta: cannot open %s (%s); this window works on its own, and later starts "
                     "open windows of their own too\n",
                     qPrintable(SingleInstance::socketPath()), qPrintable(instance.errorString()));
    }
    QObject::connect(&instance, &SingleInstance::pathsReceived, &window,
                     [&window](const QStringList &paths) { openInWindow(window, paths); });
    window.show();
    if (!options.paths.isEmpty())
        window.addPaths(options.paths);
    return app.exec();
}
