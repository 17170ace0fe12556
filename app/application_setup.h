#pragma once

#include <QTranslator>

class QApplication;

// Organisation and application names (they also locate the settings store), version, icon.
void applyApplicationIdentity();
// "Fusion", the compiled-in stylesheet and a Chinese face for the stylesheet's font family.
void applyApplicationStyle(QApplication &app);
// Loads and installs the catalogue of a language code; false (nothing installed) for the
// source language or a code without a catalogue.
bool installTranslation(QTranslator &translator, const QString &languageCode);
// Qt's own catalogue (standard buttons such as OK and Cancel) for a language code, from the
// system's Qt translations; false when none is installed.
bool installToolkitTranslation(QTranslator &translator, const QString &languageCode);

// Start-up in the order the settings store and the window rely on. Lives as long as the event
// loop runs, so the installed translator does too.
class ApplicationSetup
{
public:
    explicit ApplicationSetup(QApplication &app);

private:
    QTranslator m_translator;
    QTranslator m_toolkitTranslator;
};
