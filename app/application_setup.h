#pragma once

#include <QTranslator>

class QApplication;

// Identity, style, stylesheet and translation catalogue of the application, set up in the order
// the settings store and the window rely on. Lives as long as the event loop runs.
class ApplicationSetup
{
public:
    explicit ApplicationSetup(QApplication &app);

private:
    QTranslator m_translator;
};
