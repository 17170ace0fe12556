#pragma once

#include "app/main_window.h"
#include "pricing/price_profile.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QWidget;

// Runs act on the next modal widget of type Modal, whichever modal loop is running by then; gives
// up after five seconds so that a missed answer cannot reach into a later test.
template <typename Modal> void onNextModal(std::function<void(Modal *)> act)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, ticks = 0]() mutable {
        auto *modal = qobject_cast<Modal *>(QApplication::activeModalWidget());
        if (modal || ++ticks > 500) {
            timer->stop();
            timer->deleteLater();
        }
        if (modal)
            act(modal);
    });
    timer->start(10);
}

// The style and palette every window test runs with.
void useTestStyle();

// Stores the profiles into the price database at path (the window's own by default) and, when
// activeProfile is given, makes it the active one; a failure ends the test program.
void storeTestProfiles(const PriceProfileMap &profiles, const QString &activeProfile = QString(),
                       const QString &path = QString());

// Saves a screenshot of a widget under the build folder for a person to look at.
QString saveScreenshot(QWidget *widget, const QString &name);

// A white page image of the given pixels at 300 dpi (2480×3508 is A4 portrait), folders included.
void writeTestPage(const QString &path, int width, int height, int dotsPerMeter = 11811);

// The main window as a person meets it, opened on the settings and data folder of the test: with
// the given profiles stored first (none leaves the store as it is). Every message box that opens
// while it lives is answered and remembered, the ones raised while the window starts included.
class WindowHarness
{
public:
    explicit WindowHarness(const PriceProfileMap &profiles = {}, const QString &activeProfile = QString());
    MainWindow &window() { return *m_window; }
    // Adds the paths and waits until every row is analysed; false when that takes too long.
    bool add(const QStringList &paths, int timeoutMs = 20000);
    int rowOf(const QString &fileName) const;
    QString cell(const QString &fileName, int column) const
    {
        return m_window->cellText(rowOf(fileName), column);
    }
    QString text(const char *labelName) const;
    template <typename T> T *child(const char *name) const
    {
        T *widget = m_window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("missing widget %s", name);
        return widget;
    }

    QStringList boxTitles;
    QStringList boxTexts;

private:
    QTimer m_boxTimer;
    std::unique_ptr<MainWindow> m_window;
};
