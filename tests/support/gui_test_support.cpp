#include "support/gui_test_support.h"

#include "app/application_setup.h"
#include "documents/document_columns.h"
#include "storage/price_database.h"
#include "storage/profile_store.h"
#include "storage/settings_keys.h"
#include "support/sqlite_test_connection.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>

void useTestStyle()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    applyApplicationStyle(*qApp);
}

void storeTestProfiles(const PriceProfileMap &profiles, const QString &activeProfile, const QString &path)
{
    SqliteTestConnection connection;
    if (!openPriceDatabase(connection.database(), path.isEmpty() ? defaultPriceDatabasePath() : path).ok() ||
        !savePriceProfiles(connection.database(), profiles, profiles.first()).ok())
        qFatal("cannot store the test profiles");
    if (!activeProfile.isEmpty())
        QSettings().setValue(SettingsKeys::activePriceProfile, activeProfile);
}

QString saveScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = QStringLiteral(ORVANTA_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

void writeTestPage(const QString &path, int width, int height, int dotsPerMeter)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    if (!image.save(path))
        qFatal("cannot write %s", qPrintable(path));
}

WindowHarness::WindowHarness(const PriceProfileMap &profiles, const QString &activeProfile)
{
    if (!profiles.isEmpty())
        storeTestProfiles(profiles, activeProfile);
    else if (!activeProfile.isEmpty())
        QSettings().setValue(SettingsKeys::activePriceProfile, activeProfile);
    QObject::connect(&m_boxTimer, &QTimer::timeout, &m_boxTimer, [this] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxTitles.append(box->windowTitle());
            boxTexts.append(box->text());
            box->done(QMessageBox::Ok);
        }
    });
    m_boxTimer.start(20);
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qFatal("the window was not shown");
}

bool WindowHarness::add(const QStringList &paths, int timeoutMs)
{
    m_window->addPaths(paths);
    const bool done = QTest::qWaitFor([this] { return m_window->pendingAnalysisCount() == 0; }, timeoutMs);
    QTest::qWait(0);
    return done;
}

int WindowHarness::rowOf(const QString &fileName) const
{
    for (int row = 0; row < child<QTableWidget>("documentTable")->rowCount(); ++row) {
        if (m_window->cellText(row, FileNameColumn) == fileName)
            return row;
    }
    return -1;
}

QString WindowHarness::text(const char *labelName) const
{
    return child<QLabel>(labelName)->text();
}
