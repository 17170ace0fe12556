#pragma once

#include "app/main_window.h"
#include "pricing/price_profile.h"

#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class QWidget;

// Closes the next modal dialog that opens (pressing its default button) and remembers its text.
class ModalAnswerer
{
public:
    // Starts watching; the first modal widget that appears within timeoutMs is accepted.
    void expectModal(int timeoutMs = 5000);
    bool seen() const { return m_seen; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }

private:
    bool m_seen = false;
    QString m_title;
    QString m_text;
};

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
