#include "support/test_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

void isolateTestEnvironment(const QString &testName)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("OrvantaTest"));
    QCoreApplication::setApplicationName(testName);
    QSettings().clear();
    // A test may have left a file where the folder belongs.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QFile::remove(folder);
    QDir(folder).removeRecursively();
}
