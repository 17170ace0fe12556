#include "app/application_setup.h"

#include <QApplication>

ApplicationSetup::ApplicationSetup(QApplication &app)
{
    Q_UNUSED(app);
}
