#include "startup.h"

#include "mainwindow.h"

#include <QApplication>
#include <QScreen>

#include <QDebug>
#include <QFile>

const char *const applicationStyleSheetPath = ":/Ubuntu.qss";

QString loadStyleSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << "qss file open error";
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

int applicationFontPointSize(const QSize &screenSize)
{
    return (screenSize.width() >= 1920 && screenSize.height() >= 1080) ? 11 : 10;
}

QFont applicationFont(const QSize &screenSize)
{
    return QFont(QStringLiteral("微软雅黑"), applicationFontPointSize(screenSize));
}

QSize startWindowSize(const QSize &preferred, const QSize &minimum, const QSize &available)
{
    // The title bar and the frame lie outside the window's own size.
    const QSize frameRoom(16, 40);
    return preferred.boundedTo(available - frameRoom).expandedTo(minimum);
}

std::unique_ptr<MainWindow> startMainWindow(QApplication &app)
{
    app.setStyleSheet(loadStyleSheet());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize resolution = screen ? screen->size() : QSize();
    app.setFont(applicationFont(resolution));
    auto window = std::make_unique<MainWindow>();
    // Left to itself a window opens at no more than two thirds of the screen, which
    // squeezes every page to its minimum even on a large screen.
    if (screen)
        window->resize(startWindowSize(window->sizeHint(), window->minimumSizeHint(),
                                       screen->availableGeometry().size()));
    qDebug() << "Screen resolution: " << resolution.width() << "x" << resolution.height();
    return window;
}
