#pragma once

#include <QString>

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
