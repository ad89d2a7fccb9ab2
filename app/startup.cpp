#include "startup.h"

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
