#include "mainwindow.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<MainWindow> window = startMainWindow(app);
    window->show();
    return app.exec();
}
