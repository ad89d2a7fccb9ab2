#include "mainwindow.h"
#include "startup.h"

#include <QApplication>
#include <QDebug>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setStyleSheet(loadStyleSheet());

    MainWindow window;

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize resolution = screen ? screen->size() : QSize();
    qDebug() << "Screen resolution: " << resolution.width() << "x" << resolution.height();
    app.setFont(applicationFont(resolution));

    window.show();
    return app.exec();
}
