#include "app/application_setup.h"
#include "app/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ApplicationSetup setup(app);
    MainWindow window;
    window.show();
    return app.exec();
}
